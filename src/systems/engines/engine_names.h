// The cockpit variables of each engine, by engine (index 0 engine 1, port; 1 engine 2,
// starboard), as the engine system's files spell them.
#pragma once

#include <cstdint>

namespace tarmelon {

struct EngineNames {
    const char* lever;           // the lever as the demand reads it
    const char* lever_written;   // the same variable as the pilot's throttle inputs write it
    const char* hp_cock;         // the HP cock, published
    const char* master;
    const char* ignition;
    const char* start_switch;
    const char* push_start;
    const char* relight;
    const char* fuel_selector;   // the simulator's fuel selector of this engine
    const char* starter;         // the simulator's starter, for the start lamps
    const char* enabled_light;
    const char* engaged_light;
    const char* enabled_push;    // press-to-test of the virtual cockpit
    const char* engaged_push;
    const char* ebld_press;      // press-to-test of the 2D panel
    const char* eng_press;
    const char* jpt_on;
    const char* jpt_max;
    const char* jpt_temp;
    const char* jpt_needle;
    const char* rpm_main;
    const char* rpm_small;
    const char* fuel_flow_needle;
    const char* oil_pressure;
    const char* oil_fail;
    const char* fire_light;
    const char* fire_button;
    std::int32_t rpm_token;
    std::int32_t fuel_flow_token;
    std::int32_t oil_token;
    std::int32_t fire_token;
    std::uint32_t starter_key;   // engages the starter of an accepted push start
    std::uint32_t extinguisher_parameter;  // of key event 66708
};

constexpr EngineNames ENGINE_NAMES[2] = {
    {"L:Throttle1Position,number", "L:throttle1Position,number", "L:ENG1_HPcock, bool",
     "L:Engine1_MasterPos, bool", "L:Engine1_Ignition, bool", "L:EngStart_startSwitch, bool",
     "L:Eng1PushStart, bool", "L:Throttle_port_relight,bool", "A:FUEL TANK SELECTOR:1, enum",
     "A:GENERAL ENG STARTER:1, bool", "L:Electric_start_no1_enabled_light, bool",
     "L:Electric_start_no1_engaged_light, bool", "L:Electric_start_no1_enabled_push, bool",
     "L:Electric_start_no1_engaged_push, bool", "L:EngStart_EBLD_light_press, bool",
     "L:EngStart_ENG_light_press, bool", "L:JPT_port_OnOff, bool", "L:JPT_port_Max, bool",
     "L:JPT1 Temp, number", "L:JPT1 Temp_Needle,number", "L:ENG1RPMMainND,number",
     "L:ENG1RPMSmallND,number", "L:Eng1FuelFlowND,number", "L:oilPress_ENG1,number",
     "L:OilPressEng1Fail, bool", "L:Port_engine_fire_light, bool", "L:Port_engine_fire,bool",
     624, 638, 562, 887, 66300, 11},
    {"L:Throttle2Position,number", "L:throttle2Position,number", "L:ENG2_HPcock, bool",
     "L:Engine2_MasterPos, bool", "L:Engine2_Ignition, bool", "L:EngStart2_startSwitch, bool",
     "L:Eng2PushStart, bool", "L:Throttle_stbd_relight,bool", "A:FUEL TANK SELECTOR:2, enum",
     "A:GENERAL ENG STARTER:2, bool", "L:Electric_start_no2_enabled_light, bool",
     "L:Electric_start_no2_engaged_light, bool", "L:Electric_start_no2_enabled_push, bool",
     "L:Electric_start_no2_engaged_push, bool", "L:EngStart2_EBLD_light_press, bool",
     "L:EngStart2_ENG_light_press, bool", "L:JPT_strb_OnOff, bool", "L:JPT_strb_Max, bool",
     "L:JPT2 Temp, number", "L:JPT2 Temp_Needle,number", "L:ENG2RPMMainND,number",
     "L:ENG2RPMSmallND,number", "L:Eng2FuelFlowND,number", "L:oilPress_ENG2,number",
     "L:Engine2_oil_pres_fail,bool", "L:Strb_engine_fire_light, bool", "L:Stbd_engine_fire,bool",
     643, 657, 572, 888, 66301, 22},
};

// Index of engine 1 or 2, -1 for any other number.
constexpr int engine_index(int engine) { return engine == 1 || engine == 2 ? engine - 1 : -1; }

// The HP cock as the lever shows it, without moving the lever.
void note_hp_cock(int engine, bool open);

// A two-position switch: above 0 becomes 0, anything else 1.
void toggle_switch(const char* variable);

// The simulator's throttle lever: a percent written through definition 12 / 13.
void write_throttle(int index, double percent);

}  // namespace tarmelon
