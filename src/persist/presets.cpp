#include "persist/presets.h"

#include <initializer_list>

#include "core/host.h"
#include "core/sim_keys.h"
#include "core/vars.h"
#include "state.h"
#include "systems/canopy/canopy.h"
#include "systems/electrical/electrical_controls.h"
#include "systems/engines/engines.h"
#include "systems/flight_controls/flight_controls.h"
#include "systems/fuel/tip_tanks.h"
#include "systems/lighting/sim_lights.h"

namespace tarmelon {

namespace {

// What a preset does besides writing a row: after the row, or for the HP cocks just before
// the lever row.
enum PresetAction : std::uint8_t {
    NO_ACTION,
    LANDING_LIGHT,    // after the landing switch: the simulator's landing light follows
    EXTERIOR_LIGHTS,  // after the identification switch: nav, taxi and beacon follow
    HP_COCK_1_FIRST,  // the engine's HP cock opens (ready) or shuts (cold) before its lever
    HP_COCK_2_FIRST,
    GEAR,             // the gear buttons and the simulator's gear
    PARKING_BRAKE,    // the parking brake is set when it is off
    CANOPY,           // the canopy is closed (ready) or opened (cold and dark)
};

struct PresetRow {
    const char* variable;
    std::int32_t ready;
    std::int32_t cold;
    PresetAction action;
};

// In the ready preset's order.
constexpr PresetRow ROWS[] = {
    {"L:TarmelonGroundPower, bool", 0, 0, NO_ACTION},
    {"L:Lights_nav_POS, bool", 1, 0, NO_ACTION},
    {"L:Lights_taxi_POS, bool", 1, 0, NO_ACTION},
    {"L:Lights_landing_POS, number", 2, 0, LANDING_LIGHT},
    {"L:Land_Light_Anim,number", 100, 0, NO_ACTION},
    {"L:Lights_ident_POS, number", 1, 1, EXTERIOR_LIGHTS},
    {"L:Lights_Master, bool", 1, 0, NO_ACTION},
    {"L:AntiIce_port_switch_POS, bool", 0, 0, NO_ACTION},
    {"L:AntiIce_stbd_switch_POS, bool", 0, 0, NO_ACTION},
    {"L:Flare_Switch_POS, number", 0, 0, NO_ACTION},
    {"L:Photoflash_lever_POS, bool", 0, 0, NO_ACTION},
    {"L:CDLVoiceSwitch_POS, number", 2, 0, NO_ACTION},
    {"L:throttle1Position,number", 15, 0, HP_COCK_1_FIRST},
    {"L:throttle2Position,number", 15, 0, HP_COCK_2_FIRST},
    {"L:JPT_strb_OnOff, bool", 0, 0, NO_ACTION},
    {"L:JPT_port_OnOff, bool", 0, 0, NO_ACTION},
    {"L:JPT_strb_Max, bool", 0, 0, NO_ACTION},
    {"L:JPT_port_Max, bool", 0, 0, NO_ACTION},
    {"L:Abandon_SwitchPos, bool", 0, 0, NO_ACTION},
    {"L:PressureDump_SwitchPos, number", 0, 0, NO_ACTION},
    {"L:FlapLever Position, bool", 1, 1, GEAR},
    {"L:TankJettison_Switch_POS, number", 0, 0, NO_ACTION},
    {"L:CanopyLift_Switch_POS, number", 0, 0, NO_ACTION},
    {"L:gear_DayNight_lampPos, number", 0, 0, NO_ACTION},
    {"L:gear_AB_lampPos, number", 0, 0, NO_ACTION},
    {"L:Engine1_MasterPos, bool", 1, 0, NO_ACTION},
    {"L:Engine1_Ignition, bool", 1, 0, NO_ACTION},
    {"L:Engine2_MasterPos, bool", 1, 0, NO_ACTION},
    {"L:Engine2_Ignition, bool", 1, 0, NO_ACTION},
    {"L:EngStart_startSwitch, bool", 0, 0, NO_ACTION},
    {"L:EngStart_CHGNORM_switch, bool", 0, 0, NO_ACTION},
    {"L:EngStart2_startSwitch, bool", 0, 0, NO_ACTION},
    {"L:BellyTankPortPump, bool", 1, 0, NO_ACTION},
    {"L:BellyTankStbPump, bool", 1, 0, NO_ACTION},
    {"L:Top2BellyTransCockPos, number", 3, 1, NO_ACTION},
    {"L:RearFuelCockPort, bool", 1, 0, NO_ACTION},
    {"L:RearFuelCockStbd, bool", 1, 0, NO_ACTION},
    {"L:RearPumpPort, bool", 1, 0, NO_ACTION},
    {"L:RearPumpStbd, bool", 1, 0, NO_ACTION},
    {"L:WingPumpPort, bool", 1, 0, NO_ACTION},
    {"L:WingPumpStbd, bool", 1, 0, NO_ACTION},
    {"L:stbdLPCockPos, number", 2, 0, NO_ACTION},
    {"L:StrbFuelCocksCover,bool", 1, 0, NO_ACTION},
    {"L:Hydpan_stbd_fuelcocks,bool", 1, 0, NO_ACTION},
    {"L:portLPCockPos, number", 2, 0, NO_ACTION},
    {"L:PortFuelCocksCover,bool", 1, 0, NO_ACTION},
    {"L:Hydpan_port_fuelcocks,bool", 1, 0, NO_ACTION},
    {"L:EngineAir2_switch, bool", 1, 0, NO_ACTION},
    {"L:EngineAir1_switch, bool", 1, 0, NO_ACTION},
    {"L:CompassGyro_switch, bool", 0, 0, NO_ACTION},
    {"L:AircraftBattPos, number", 3, 0, NO_ACTION},
    {"L:Hydpan_batteryguard,bool", 1, 0, NO_ACTION},
    {"L:Hydpan_aircraft_battery,bool", 1, 0, NO_ACTION},
    {"L:StbdTrans2RearTankPos, bool", 1, 1, NO_ACTION},
    {"L:PortTrans2RearTankPos, bool", 1, 1, NO_ACTION},
    {"L:VentValves Position, bool", 0, 0, NO_ACTION},
    {"L:Pitot Heat Position, bool", 0, 0, NO_ACTION},
    {"L:Canopy Heat Position, bool", 1, 0, NO_ACTION},
    {"L:OxyPanel_ModeSelectorPos, number", 0, 0, NO_ACTION},
    {"L:OxyPercentSwitch, bool", 0, 0, NO_ACTION},
    {"L:OxySelectorSwitch, bool", 1, 0, NO_ACTION},
    {"L:AP_RDU_DIM_SWITCH, bool", 0, 0, NO_ACTION},
    {"L:AP_SLIP_DIM_SWITCH, bool", 0, 0, NO_ACTION},
    {"L:AP_AIL_SWITCH, bool", 1, 0, NO_ACTION},
    {"L:AP_ELV_SWITCH, bool", 1, 0, NO_ACTION},
    {"L:AP_RUD_SWITCH, bool", 1, 0, NO_ACTION},
    {"L:AP_ALT_SWITCH, bool", 0, 0, NO_ACTION},
    {"L:AP_BOMB_SWITCH, bool", 0, 0, NO_ACTION},
    {"L:AP_ENGAGE_SWITCH, bool", 0, 0, NO_ACTION},
    {"L:AP_GLIDE_SWITCH, bool", 0, 0, NO_ACTION},
    {"L:AP_POWER_SWITCH, bool", 1, 0, NO_ACTION},
    {"L:AP_TRACK_SWITCH, bool", 0, 0, NO_ACTION},
    {"L:E2BrotaryPos, number", 0, 0, NO_ACTION},
    {"L:RemotePilotIndPos, number", 0, 0, NO_ACTION},
    {"L:PortConsolePos, number", 0, 0, NO_ACTION},
    {"L:DimmerPanelPos, number", 0, 0, NO_ACTION},
    {"L:VHFSelPos, number", 0, 0, NO_ACTION},
    {"L:CoamingPos, number", 0, 0, NO_ACTION},
    {"L:StbdConsolePos, number", 0, 0, NO_ACTION},
    {"L:Accel, number", 0, 0, NO_ACTION},
    {"L:GroundTestPos, number", 0, 0, NO_ACTION},
    {"L:ElecStart_EMGAv_position, number", 0, 0, NO_ACTION},
    {"L:ElecStart_InstLightsPos, bool", 0, 0, NO_ACTION},
    {"L:ElecStart_DVMonoffPos, bool", 0, 0, NO_ACTION},
    {"L:ElecStart_Push2ReadPos, bool", 0, 0, NO_ACTION},
    {"L:ElecStart_AvsOnOffPos, bool", 1, 0, NO_ACTION},
    {"L:GEN1OnOffPos, number", 1, 0, NO_ACTION},
    {"L:GEN2OnOffPos, number", 1, 0, NO_ACTION},
    {"L:Inverter6, number", 1, 0, NO_ACTION},
    {"L:inv12SelPos, number", 0, 0, NO_ACTION},
    {"L:Inverter_MeterSel_pos, number", 0, 0, NO_ACTION},
    {"L:Gen1CircuitBreaker, bool", 0, 1, NO_ACTION},
    {"L:Gen2CircuitBreaker, bool", 0, 1, NO_ACTION},
    {"L:StrobeSwitch1, number", 1, 1, NO_ACTION},
    {"L:StrobeSwitch2, number", 1, 1, NO_ACTION},
    {"L:Dive_brake_switch, number", 0, 0, NO_ACTION},
    {"L:Dive_brake_switch_pos, number", 100, 100, NO_ACTION},
    {"L:Low_high_alt_switch, number", 0, 0, NO_ACTION},
    {"L:ChaffFlareArm, number", 0, 0, NO_ACTION},
    {"L:RollDamper_pointer, number", 0, 0, NO_ACTION},
    {"L:Gearpan_autosabiliser, number", 0, 0, PARKING_BRAKE},
    {"L:radalt_limit_on, number", 1, 0, CANOPY},
    {"L:NoseConePos,number", 0, 100, NO_ACTION},
};
constexpr int ROW_COUNT = static_cast<int>(sizeof ROWS / sizeof ROWS[0]);

// The cold-and-dark preset writes its first nine rows in another order, then follows the table.
constexpr int COLD_HEAD_ORDER[] = {1, 2, 3, 4, 5, 0, 7, 8, 6};

void act(PresetAction action, bool ready, std::uint8_t airborne_rule) {
    switch (action) {
        case NO_ACTION: break;
        case LANDING_LIGHT: landing_light_follow(ready ? Want::ON : Want::OFF); break;
        case EXTERIOR_LIGHTS:
            for (const SimLight* light : {&SIM_NAV_LIGHT, &SIM_TAXI_LIGHT, &SIM_BEACON_LIGHT})
                sim_light_follow(*light, ready ? Want::ON : Want::OFF);
            break;
        case HP_COCK_1_FIRST: set_hp_cock(1, ready); break;
        case HP_COCK_2_FIRST: set_hp_cock(2, ready); break;
        case GEAR:
            if (!ready || airborne_rule == 0 || state.simdata.simOnGround == 1) {
                set_int("L:GearUpButton, bool", 0);
                set_int("L:GearDownButton, bool", 1);
                if (ready) host_trigger_key_event(KEY_GEAR_SET, 1);
            } else {
                set_int("L:GearUpButton, bool", 1);
                set_int("L:GearDownButton, bool", 0);
                host_trigger_key_event(KEY_GEAR_SET, 0);
            }
            break;
        case PARKING_BRAKE:
            if (get_int("A:BRAKE PARKING POSITION, number") == 0) host_trigger_key_event(KEY_PARKING_BRAKE, 1);
            break;
        case CANOPY:
            // Ready closes an open canopy; cold and dark opens a closed one.
            if ((state.canopy.canopyFullyOpenSeen == 1) == ready) canopy_toggle();
            break;
    }
}

void write_row(int index, bool ready, std::uint8_t airborne_rule) {
    const PresetRow& row = ROWS[index];
    if (row.action == HP_COCK_1_FIRST || row.action == HP_COCK_2_FIRST) act(row.action, ready, airborne_rule);
    set_int(row.variable, ready ? row.ready : row.cold);
    if (row.action != HP_COCK_1_FIRST && row.action != HP_COCK_2_FIRST) act(row.action, ready, airborne_rule);
}

}  // namespace

void apply_state_preset(std::uint8_t ready, std::uint8_t airborne_rule) {
    if (ready == 1) {
        host_trigger_key_event(KEY_65774, 1);
        for (int i = 0; i < ROW_COUNT; ++i) write_row(i, true, airborne_rule);
        if (get_int("A:GENERAL ENG COMBUSTION:1, bool") == 0 || get_int("A:GENERAL ENG COMBUSTION:2, bool") == 0)
            host_trigger_key_event(KEY_ENGINE_START, 1);
        host_trigger_key_event(KEY_AVIONICS_MASTER_SET, 1);
        host_trigger_key_event(KEY_PITOT_HEAT_SET, 1);
        state.presets.readyPresetActive = 1;
    } else if (ready == 0) {
        constexpr int head = static_cast<int>(sizeof COLD_HEAD_ORDER / sizeof COLD_HEAD_ORDER[0]);
        for (int index : COLD_HEAD_ORDER) write_row(index, false, airborne_rule);
        for (int i = head; i < ROW_COUNT; ++i) write_row(i, false, airborne_rule);
        host_trigger_key_event(KEY_AVIONICS_MASTER_SET, 0);
        host_trigger_key_event(KEY_PITOT_HEAT_SET, 0);
        state.presets.readyPresetActive = 0;
    } else {
        return;
    }
    // The emergency avionics and ground test switches are set by position only: their
    // virtual-cockpit levers and guards follow.
    sync_emergency_avionics_mirrors();
    sync_ground_test_mirrors();
    sync_tip_tank_mirrors();
    sync_canopy_lift_mirrors();
    sync_flight_control_flags();
}

}  // namespace tarmelon
