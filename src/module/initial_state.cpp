#include "module/initial_state.h"

#include <cstdlib>
#include <ctime>

#include "core/codecs.h"
#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "avionics/audio_panel.h"
#include "avionics/gtn.h"
#include "avionics/navcom.h"
#include "checklist/checklist.h"
#include "panels/panel_selector.h"
#include "panels/windows.h"
#include "recorder/recorder.h"
#include "state.h"
#include "systems/canopy/canopy.h"
#include "systems/electrical/electrical.h"
#include "systems/cabin/cabin.h"
#include "systems/engines/engines.h"
#include "systems/flight_controls/flight_controls.h"
#include "systems/fuel/fuel.h"
#include "systems/lighting/lighting.h"
#include "systems/lighting/sim_lights.h"

namespace tarmelon {

namespace {

constexpr SimLight toggled(const char* lit_variable, std::uint32_t key) {
    return {lit_variable, {key, 1}, {key, 1}};
}
// The simulator's exterior lights, each switched off where it is on.
constexpr SimLight SIM_LIGHTS[] = {
    {"A:LIGHT STROBE,bool", {KEY_STROBES_ON, 1}, {KEY_STROBES_OFF, 1}},
    toggled("A:LIGHT LANDING,bool", KEY_LANDING_LIGHTS_TOGGLE),
    toggled("A:LIGHT TAXI ON,bool", KEY_TAXI_LIGHTS_TOGGLE),
    toggled("A:LIGHT BEACON,bool", KEY_BEACON_TOGGLE),
    toggled("A:LIGHT NAV,bool", KEY_NAV_LIGHTS_TOGGLE),
    toggled("A:LIGHT LOGO,bool", KEY_LOGO_LIGHTS_TOGGLE),
    toggled("A:LIGHT WING,bool", KEY_WING_LIGHTS_TOGGLE),
    toggled("A:LIGHT RECOGNITION,bool", KEY_RECOGNITION_LIGHTS_TOGGLE),
    toggled("A:LIGHT CABIN,bool", KEY_CABIN_LIGHTS_TOGGLE),
};

struct Setting {
    const char* variable;
    std::int32_t value;
};

constexpr Setting COCKPIT_SWITCHES[] = {
    {"L:Lights_taxi_POS, bool", 0},
    {"L:ailPosVC,number", 50},
    {"L:rudPosVC,number", 50},
    {"L:Throttle1Position,number", 15},
    {"L:Throttle2Position,number", 15},
    {"L:FlapLever Position, bool", 1},
    {"L:GearUpButton, bool", 0},
    {"L:GearDownButton, bool", 1},
    {"L:VSIneedle,number", 1000},
    {"L:OXY_needle2,number", 2250},  // both bottles start full (the contents model shows them so)
    {"L:OXY_needle1,number", 2250},
    {"L:TarmelonGroundPower, bool", 0},
    {"L:OxySelectorSwitch, bool", 1},
    {"L:OxySelectorSwitchPos, bool", 1},
    {"L:bankSelPos, number", 4},
    {"L:pitchSelPos, number", 1},
    {"L:BankPosVC,number", 50},
    {"L:BankPos,number", 4},
    {"L:AircraftBattPos, number", 3},
    {"L:Inverter6, number", 1},
    {"L:Lights_ident_POS, number", 1},
    {"L:Lights_Master, bool", 1},
    {"L:CDLVoiceSwitch_POS, number", 2},
    {"L:aileronTrimSelPos, number", 1},
    {"L:rudderTrimSelPos, number", 1},
    {"L:tailTrimSelPos, number", 1},
    {"L:cabinTempValNeedleVC,number", 0},
};

constexpr Setting ELECTRICAL_SWITCHES[] = {
    {"L:Inverter12_Cycles, number", 0},
    {"L:ElecStart_AvsOnOffPos, bool", 1},
    {"L:GEN1OnOffPos, number", 1},
    {"L:GEN2OnOffPos, number", 1},
    {"L:bankSelPos, number", 4},
    {"L:pitchSelPos, number", 1},
};

constexpr Setting ENGINE_SWITCHES[] = {
    {"L:Inverter_MeterSel_pos, number", 0},
    {"L:Engine1_Ignition, bool", 1},
    {"L:Engine1_MasterPos, bool", 1},
    {"L:Engine2_Ignition, bool", 1},
    {"L:Engine2_MasterPos, bool", 1},
};

constexpr Setting FUEL_PANEL[] = {
    {"L:AutoFuelStatus, number", 2},
    {"L:PortTrans2RearTankPos, bool", 1},
    {"L:StbdTrans2RearTankPos, bool", 1},
    {"L:BellyTankStbPump, bool", 1},
    {"L:BellyTankPortPump, bool", 1},
    {"L:WingPumpPort, bool", 0},
    {"L:WingPumpStbd, bool", 0},
    {"L:RearPumpPort, bool", 0},
    {"L:RearPumpStbd, bool", 0},
    {"L:RearFuelCockPort, bool", 1},
    {"L:RearFuelCockStbd, bool", 1},
    {"L:portLPCockPos, bool", 2},
    {"L:stbdLPCockPos, bool", 2},
    {"L:FUELTRANCOCK Position, bool", 0},
};

constexpr const char* PANEL_SELECTOR_VARIABLES[] = {
    "PANELSEL_AP_active",  "PANELSEL_AVI_active",    "PANELSEL_ENG_active", "PANELSEL_FUEL_active",
    "PANELSEL_RADGPS_active", "PANELSEL_GEAR_active", "PANELSEL_HYD_active", "PANELSEL_INV_active",
    "PANELSEL_LIGHTS_active", "PANELSEL_OXY_active", "PANELSEL_THR_active", "PANELSEL_TRIM_active",
    "PANELSEL_active", "PANELSEL_CHECKLIST_active",
};

constexpr Setting LATE_SETTINGS[] = {
    {"L:Dive_brake_switch_pos, number", 100},
    {"L:MIN_GFORCE, number", 50},
    {"L:MAX_GFORCE, number", 50},
    {"L:VOR1_obs,number", 100},
};

template <std::size_t N>
void write_all(const Setting (&settings)[N]) {
    for (const Setting& s : settings) set_int(s.variable, s.value);
}

// A position read back selects the values of its mirrors.
struct Mirror {
    const char* variable;
    std::int32_t values[9];
};

void set_mirror(std::int32_t position, std::int32_t count, const Mirror& mirror) {
    if (position >= 0 && position < count) set_int(mirror.variable, mirror.values[position]);
}

// The virtual cockpit's mirrors of the positions just written.
void derive_mirrors() {
    const std::int32_t cabin_air = get_int("L:cabinAirSelPos, number");
    set_mirror(cabin_air, 3, {"L:TO_HotColdVC,enum", {2, 1, 0}});

    const std::int32_t bank = get_int("L:bankSelPos, number");
    set_mirror(bank, 9, {"L:BankPosVC,number", {0, 15, 30, 39, 50, 63, 74, 87, 100}});
    if (bank >= 0 && bank < 9) set_int("L:BankPos,number", bank);

    set_int("L:Gyro_pointer_knob,enum", 1);
    set_int("L:radalt_limit_on,bool", 1);

    const std::int32_t port_cock = get_int("L:portLPCockPos, number");
    set_mirror(port_cock, 3, {"L:Hydpan_port_fuelcocks,bool", {0, 0, 1}});
    set_mirror(port_cock, 3, {"L:PortFuelCocksCover,bool", {0, 1, 1}});

    const std::int32_t stbd_cock = get_int("L:stbdLPCockPos, number");
    set_mirror(stbd_cock, 3, {"L:Hydpan_stbd_fuelcocks,bool", {0, 0, 1}});
    set_mirror(stbd_cock, 3, {"L:StrbFuelCocksCover,bool", {0, 1, 1}});

    const std::int32_t battery = get_int("L:AircraftBattPos, number");
    set_mirror(battery, 4, {"L:Hydpan_aircraft_battery,bool", {0, 0, 1, 1}});
    set_mirror(battery, 4, {"L:Hydpan_batteryguard,bool", {0, 1, 1, 0}});
}

// The next non-negative pseudo-random integer from a generator seeded with the time.
int seeded_draw() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    return std::rand();
}

}  // namespace

void apply_initial_state() {
    // Opening windows makes the host run their gauges; a gauge must not start this again.
    if (state.core.applyingInitialState) return;
    state.core.applyingInitialState = 1;

    set_bool("L:Canopy_Locked_Indicator, bool", 1);

    for (const SimLight& light : SIM_LIGHTS) sim_light_follow(light, Want::OFF);

    write_all(COCKPIT_SWITCHES);
    reset_control_indicators();
    state.simlink.allObjectsShown = 0;
    read_recording_option();
    host_trigger_key_event(KEY_VOR1_COURSE_SET, 360);
    cycle_panel_windows();
    load_checklists();

    read_electric_start_setting();

    write_all(ELECTRICAL_SWITCHES);
    write_all(ENGINE_SWITCHES);
    reset_electrical();
    reset_engine_start();
    write_all(FUEL_PANEL);
    set_hp_cock(1, true);
    set_hp_cock(2, true);
    reset_fuel_timers();
    host_trigger_key_event(KEY_66720, 1);
    reset_engine_values();

    reset_fuel_working_values();

    state.cabin.oxygenRandom = seeded_draw() % 200 + 200;
    set_int("L:OxyPercentSwitchVC, bool", get_int("L:OxyPercentSwitch, bool") != 0 ? 0 : 1);

    for (const char* name : PANEL_SELECTOR_VARIABLES) host_register_named_variable(name);
    reset_panel_selector();

    state.canopy.canopyFullyOpenSeen = 0;
    state.canopy.canopyClosed = 1;
    state.presets.readyPresetActive = 1;

    if (!host_is_panel_window_visible(WINDOW_SELECTOR_ARROW) && !host_is_panel_window_visible(WINDOW_SELECTOR))
        host_trigger_key_event(KEY_PANEL_OPEN, WINDOW_SELECTOR_ARROW);

    reset_canopy_working_values();
    set_int("L:CDLVoice Switch position, number", 1);
    set_int("L:LIGHT Ident position, number", 1);

    reset_audio_panel();
    reset_navcom();
    reset_gtn();
    const std::int32_t* digits = state.transponder.transponderDigits;
    set_squawk(digits[0], digits[1], digits[2], digits[3]);

    set_int("L:cabinAirSelPos, number", 1);
    reset_cabin();
    reset_lighting();
    reset_engine_instruments();

    state.canopy.mistThreshold = seeded_draw() % 7000 + 30000;

    write_all(LATE_SETTINGS);
    derive_mirrors();
    host_trigger_key_event(KEY_65774, 1);
    state.presets.readyPresetActive = 0;

    state.frame.baseTick = truncate_u32(read_token(TOKEN_TICK18));
    state.core.initialStateApplied = 1;
    state.core.applyingInitialState = 0;
}

}  // namespace tarmelon
