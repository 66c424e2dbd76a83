#include "persist/panel_state.h"

#include <cstdio>

#include "core/files.h"
#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "sdk/win32.h"
#include "systems/canopy/canopy.h"
#include "systems/electrical/electrical_controls.h"
#include "systems/engines/engines.h"
#include "systems/flight_controls/flight_controls.h"
#include "systems/fuel/fuel_controls.h"
#include "systems/fuel/tip_tanks.h"
#include "systems/lighting/sim_lights.h"

namespace tarmelon {

namespace {
constexpr char SECTION[] = "PANELSTATE";
constexpr char FOLDER[] = "PanelSave";


// How an item comes back. Plain items are written back to the variable they were read from.
enum Restore : std::uint8_t {
    WRITTEN_BACK,
    NAV_LIGHT,         // written back; the simulator's nav light follows
    TAXI_LIGHT,        // written back; the simulator's taxi light follows
    LANDING_LIGHT,     // written back; the simulator's landing light and its animation follow
    IDENT_LIGHT,       // written back; the simulator's beacon follows
    HP_COCK_1,
    HP_COCK_2,
    VOR1_COURSE,       // token 45
    VOR2_COURSE,       // token 54
    HEADING_SELECTOR,  // token 855
    PARKING_BRAKE,     // toggled when it disagrees with the simulator's
};

struct PanelStateItem {
    const char* variable;
    Restore restore;
};

constexpr PanelStateItem ITEMS[PANEL_STATE_ITEMS] = {
    /*   0 */ {"L:TarmelonGroundPower, bool", WRITTEN_BACK},
    /*   1 */ {"L:Lights_nav_POS, bool", NAV_LIGHT},
    /*   2 */ {"L:Lights_taxi_POS, bool", TAXI_LIGHT},
    /*   3 */ {"L:AntiIce_port_switch_POS, bool", WRITTEN_BACK},
    /*   4 */ {"L:AntiIce_stbd_switch_POS, bool", WRITTEN_BACK},
    /*   5 */ {"L:Lights_Master, bool", WRITTEN_BACK},
    /*   6 */ {"L:Lights_landing_POS, number", LANDING_LIGHT},
    /*   7 */ {"L:Flare_Switch_POS, number", WRITTEN_BACK},
    /*   8 */ {"L:Lights_ident_POS, number", IDENT_LIGHT},
    /*   9 */ {"L:Photoflash_lever_POS, bool", WRITTEN_BACK},
    /*  10 */ {"L:CDLVoiceSwitch_POS, number", WRITTEN_BACK},
    /*  11 */ {nullptr, HP_COCK_1},
    /*  12 */ {nullptr, HP_COCK_2},
    /*  13 */ {"L:JPT_strb_OnOff, bool", WRITTEN_BACK},
    /*  14 */ {"L:JPT_port_OnOff, bool", WRITTEN_BACK},
    /*  15 */ {"L:JPT_strb_Max, bool", WRITTEN_BACK},
    /*  16 */ {"L:JPT_port_Max, bool", WRITTEN_BACK},
    /*  17 */ {"L:Abandon_SwitchPos, bool", WRITTEN_BACK},
    /*  18 */ {"L:PressureDump_SwitchPos, number", WRITTEN_BACK},
    /*  19 */ {"L:GearUpButton, bool", WRITTEN_BACK},
    /*  20 */ {"L:GearDownButton, bool", WRITTEN_BACK},
    /*  21 */ {"L:FlapLever Position, bool", WRITTEN_BACK},
    /*  22 */ {"L:TankJettison_Switch_POS, number", WRITTEN_BACK},
    /*  23 */ {"L:CanopyLift_Switch_POS, number", WRITTEN_BACK},
    /*  24 */ {"L:gear_DayNight_lampPos, number", WRITTEN_BACK},
    /*  25 */ {"L:gear_AB_lampPos, number", WRITTEN_BACK},
    /*  26 */ {"L:Engine1_MasterPos, bool", WRITTEN_BACK},
    /*  27 */ {"L:Engine1_Ignition, bool", WRITTEN_BACK},
    /*  28 */ {"L:Engine2_MasterPos, bool", WRITTEN_BACK},
    /*  29 */ {"L:Engine2_Ignition, bool", WRITTEN_BACK},
    /*  30 */ {"L:EngStart_startSwitch, bool", WRITTEN_BACK},
    /*  31 */ {"L:EngStart_CHGNORM_switch, bool", WRITTEN_BACK},
    /*  32 */ {"L:EngStart2_startSwitch, bool", WRITTEN_BACK},
    /*  33 */ {"L:BellyTankPortPump, bool", WRITTEN_BACK},
    /*  34 */ {"L:BellyTankStbPump, bool", WRITTEN_BACK},
    /*  35 */ {"L:Top2BellyTransCockPos, number", WRITTEN_BACK},
    /*  36 */ {"L:RearFuelCockPort, bool", WRITTEN_BACK},
    /*  37 */ {"L:RearFuelCockStbd, bool", WRITTEN_BACK},
    /*  38 */ {"L:RearPumpPort, bool", WRITTEN_BACK},
    /*  39 */ {"L:RearPumpStbd, bool", WRITTEN_BACK},
    /*  40 */ {"L:WingPumpPort, bool", WRITTEN_BACK},
    /*  41 */ {"L:WingPumpStbd, bool", WRITTEN_BACK},
    /*  42 */ {"L:stbdLPCockPos, number", WRITTEN_BACK},
    /*  43 */ {"L:portLPCockPos, number", WRITTEN_BACK},
    /*  44 */ {"L:EngineAir2_switch, bool", WRITTEN_BACK},
    /*  45 */ {"L:EngineAir1_switch, bool", WRITTEN_BACK},
    /*  46 */ {"L:CompassGyro_switch, bool", WRITTEN_BACK},
    /*  47 */ {"L:AircraftBattPos, number", WRITTEN_BACK},
    /*  48 */ {"L:StbdTrans2RearTankPos, bool", WRITTEN_BACK},
    /*  49 */ {"L:PortTrans2RearTankPos, bool", WRITTEN_BACK},
    /*  50 */ {"L:VentValves Position, bool", WRITTEN_BACK},
    /*  51 */ {"L:Pitot Heat Position, bool", WRITTEN_BACK},
    /*  52 */ {"L:Canopy Heat Position, bool", WRITTEN_BACK},
    /*  53 */ {"L:OxyPanel_ModeSelectorPos, number", WRITTEN_BACK},
    /*  54 */ {"L:OxyPercentSwitch, bool", WRITTEN_BACK},
    /*  55 */ {"L:OxySelectorSwitch, bool", WRITTEN_BACK},
    /*  56 */ {"L:AP_RDU_DIM_SWITCH, bool", WRITTEN_BACK},
    /*  57 */ {"L:AP_SLIP_DIM_SWITCH, bool", WRITTEN_BACK},
    /*  58 */ {"L:AP_AIL_SWITCH, bool", WRITTEN_BACK},
    /*  59 */ {"L:AP_ELV_SWITCH, bool", WRITTEN_BACK},
    /*  60 */ {"L:AP_RUD_SWITCH, bool", WRITTEN_BACK},
    /*  61 */ {"L:AP_ALT_SWITCH, bool", WRITTEN_BACK},
    /*  62 */ {"L:AP_BOMB_SWITCH, bool", WRITTEN_BACK},
    /*  63 */ {"L:AP_ENGAGE_SWITCH, bool", WRITTEN_BACK},
    /*  64 */ {"L:AP_GLIDE_SWITCH, bool", WRITTEN_BACK},
    /*  65 */ {"L:AP_POWER_SWITCH, bool", WRITTEN_BACK},
    /*  66 */ {"L:AP_TRACK_SWITCH, bool", WRITTEN_BACK},
    /*  67 */ {"L:E2BrotaryPos, number", WRITTEN_BACK},
    /*  68 */ {"L:RemotePilotIndPos, number", WRITTEN_BACK},
    /*  69 */ {"L:PortConsolePos, number", WRITTEN_BACK},
    /*  70 */ {"L:DimmerPanelPos, number", WRITTEN_BACK},
    /*  71 */ {"L:VHFSelPos, number", WRITTEN_BACK},
    /*  72 */ {"L:CoamingPos, number", WRITTEN_BACK},
    /*  73 */ {"L:StbdConsolePos, number", WRITTEN_BACK},
    /*  74 */ {"L:Accel, number", WRITTEN_BACK},
    /*  75 */ {"L:GroundTestPos, number", WRITTEN_BACK},
    /*  76 */ {"L:ElecStart_EMGAv_position, number", WRITTEN_BACK},
    /*  77 */ {"L:ElecStart_InstLightsPos, bool", WRITTEN_BACK},
    /*  78 */ {"L:ElecStart_DVMonoffPos, bool", WRITTEN_BACK},
    /*  79 */ {"L:ElecStart_Push2ReadPos, bool", WRITTEN_BACK},
    /*  80 */ {"L:ElecStart_AvsOnOffPos, bool", WRITTEN_BACK},
    /*  81 */ {"L:GEN1OnOffPos, number", WRITTEN_BACK},
    /*  82 */ {"L:GEN2OnOffPos, number", WRITTEN_BACK},
    /*  83 */ {"L:Inverter6, number", WRITTEN_BACK},
    /*  84 */ {"L:inv12SelPos, number", WRITTEN_BACK},
    /*  85 */ {"L:Inverter_MeterSel_pos, number", WRITTEN_BACK},
    /*  86 */ {"L:Gen1CircuitBreaker, bool", WRITTEN_BACK},
    /*  87 */ {"L:Gen2CircuitBreaker, bool", WRITTEN_BACK},
    /*  88 */ {"L:StrobeSwitch1, number", WRITTEN_BACK},
    /*  89 */ {"L:StrobeSwitch2, number", WRITTEN_BACK},
    /*  90 */ {"L:Dive_brake_switch, number", WRITTEN_BACK},
    /*  91 */ {"L:Dive_brake_switch_pos, number", WRITTEN_BACK},
    /*  92 */ {"L:Low_high_alt_switch, number", WRITTEN_BACK},
    /*  93 */ {"L:ChaffFlareArm, number", WRITTEN_BACK},
    /*  94 */ {"L:RollDamper_pointer, number", WRITTEN_BACK},
    /*  95 */ {nullptr, VOR1_COURSE},
    /*  96 */ {nullptr, VOR2_COURSE},
    /*  97 */ {nullptr, HEADING_SELECTOR},
    /*  98 */ {"L:Gearpan_autosabiliser, number", WRITTEN_BACK},
    /*  99 */ {"A:BRAKE PARKING POSITION, number", PARKING_BRAKE},
    /* 100 */ {"L:radalt_limit_selrpos, number", WRITTEN_BACK},
    /* 101 */ {"L:radalt_limit_on, number", WRITTEN_BACK},
    /* 102 */ {"L:radalt_limit_range, number", WRITTEN_BACK},
};

// Restore order: the lights first, then the rest.
constexpr int RESTORE_ORDER_HEAD[] = {0, 1, 2, 6, 8, 3, 4, 5, 7, 9, 10, 11, 12};

std::int32_t gather(int index) {
    const PanelStateItem& item = ITEMS[index];
    switch (item.restore) {
        case HP_COCK_1: return hp_cock_open(1);
        case HP_COCK_2: return hp_cock_open(2);
        case VOR1_COURSE: return truncate_i32(read_token(TOKEN_VOR1_COURSE));
        case VOR2_COURSE: return truncate_i32(read_token(TOKEN_VOR2_COURSE));
        case HEADING_SELECTOR: return truncate_i32(read_token(TOKEN_HEADING_SELECTOR));
        default: return get_int(item.variable);
    }
}

// A saved switch of 1 wants its simulator light on, 0 off; anything else leaves it.
Want on_off_or_keep(std::int32_t value) { return value == 1 ? Want::ON : value == 0 ? Want::OFF : Want::KEEP; }

void restore(int index, std::int32_t value) {
    const PanelStateItem& item = ITEMS[index];
    switch (item.restore) {
        case WRITTEN_BACK: set_int(item.variable, value); break;
        case NAV_LIGHT:
            set_int(item.variable, value);
            sim_light_follow(SIM_NAV_LIGHT, value != 0 ? Want::ON : Want::OFF);
            break;
        case TAXI_LIGHT:
            set_int(item.variable, value);
            sim_light_follow(SIM_TAXI_LIGHT, value != 0 ? Want::ON : Want::OFF);
            break;
        case LANDING_LIGHT:
            set_int(item.variable, value);
            if (landing_light_follow(on_off_or_keep(value)))
                set_int("L:Land_Light_Anim,number", value == 1 ? 100 : 0);
            break;
        case IDENT_LIGHT:
            set_int(item.variable, value);
            sim_light_follow(SIM_BEACON_LIGHT, on_off_or_keep(value));
            break;
        case HP_COCK_1: set_hp_cock(1, value != 0); break;
        case HP_COCK_2: set_hp_cock(2, value != 0); break;
        case VOR1_COURSE: host_trigger_key_event(KEY_VOR1_COURSE_SET, static_cast<std::uint32_t>(value)); break;
        case VOR2_COURSE: host_trigger_key_event(KEY_VOR2_COURSE_SET, static_cast<std::uint32_t>(value)); break;
        case HEADING_SELECTOR:
            host_trigger_key_event(KEY_HEADING_SELECTOR_SET, static_cast<std::uint32_t>(value));
            break;
        case PARKING_BRAKE: {
            const std::int32_t set = get_int(item.variable);
            if ((value == 0 && set == 1) || (value == 1 && set == 0)) host_trigger_key_event(KEY_PARKING_BRAKE, 1);
            break;
        }
    }
}

// "<flight name>.save" in the PanelSave folder; false when it would not fit.
bool state_file_path(char (&path)[PATH_BUFFER], const char* flight_name, const char* suffix) {
    char tail[PATH_BUFFER];
    const int length = std::snprintf(tail, sizeof tail, "%s\\%s%s", FOLDER, flight_name, suffix);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof tail) return false;
    return panel_file_path(path, tail);
}

}  // namespace

bool panel_state_exists(const char* flight_name) {
    char path[PATH_BUFFER];
    return state_file_path(path, flight_name, ".save") && file_readable(path);
}

bool save_panel_state(const char* flight_name) {
    // The new state is written beside the old one under a name of the same length (so it
    // fits wherever the final name fits, and never ends in ".save", so it is nobody's
    // state file) and then replaces it: an interrupted save never leaves a half-written
    // file in its place, and a failed one leaves no temporary file behind.
    char path[PATH_BUFFER];
    char partial[PATH_BUFFER];
    if (!state_file_path(path, flight_name, ".save") || !state_file_path(partial, flight_name, ".sav~"))
        return false;
    if (!ensure_panel_folder(FOLDER)) return false;

    std::int32_t record[PANEL_STATE_ITEMS];
    for (int i = 0; i < PANEL_STATE_ITEMS; ++i) record[i] = gather(i);

    DeleteFileA(partial);
    for (int i = 0; i < PANEL_STATE_ITEMS; ++i) {
        char key[16];
        char value[16];
        std::snprintf(key, sizeof key, "%d", i);
        std::snprintf(value, sizeof value, "%d", static_cast<int>(record[i]));
        if (!WritePrivateProfileStringA(SECTION, key, value, partial)) {
            DeleteFileA(partial);
            return false;
        }
    }
    if (MoveFileExA(partial, path, MOVEFILE_REPLACE_EXISTING) != 0) return true;
    DeleteFileA(partial);
    return false;
}

bool load_panel_state(const char* flight_name) {
    char path[PATH_BUFFER];
    if (!state_file_path(path, flight_name, ".save") || !file_readable(path)) return false;

    std::int32_t record[PANEL_STATE_ITEMS];
    for (int i = 0; i < PANEL_STATE_ITEMS; ++i) {
        char key[16];
        char text[512];
        std::snprintf(key, sizeof key, "%d", i);
        GetPrivateProfileStringA(SECTION, key, "", text, sizeof text, path);
        text[sizeof text - 1] = '\0';
        record[i] = text_to_int(text);
    }

    for (int index : RESTORE_ORDER_HEAD) restore(index, record[index]);
    for (int index = 13; index < PANEL_STATE_ITEMS; ++index) restore(index, record[index]);
    // The file keeps the guarded switches' positions; the virtual cockpit's levers and
    // guards follow them, so that its next click starts from what the cockpit shows.
    sync_battery_mirrors();
    sync_emergency_avionics_mirrors();
    sync_ground_test_mirrors();
    sync_lp_cock_mirrors();
    sync_tip_tank_mirrors();
    sync_canopy_lift_mirrors();
    // The gearing and nosewheel flags follow their switches as restored.
    sync_flight_control_flags();
    return true;
}

}  // namespace tarmelon
