// Cabin air and pressurisation, the heating and ventilation switches of the take-off panel,
// the engine anti-ice switches, and the oxygen regulator with its two contents gauges.
//
// Reads: "A:PLANE ALTITUDE, Feet", "L:PressureDump_SwitchPos, number" (the throttle panel's
// dump switch; 2 dumps), "L:dump_valve_press,bool", the cabin air selector and the VC
// hot/cold switch, the engine air, oxygen valve, air inlet and manual selector switches,
// `dcPowerAvailable`, tokens 1 (ticks) and 604 (seconds), and "NavCompartmentStatus" in
// section "WEIGHT_AND_BALANCE" of the aircraft's aircraft.cfg.
// Writes: `cabinAltitude`, `cabinTempSetting`, "L:CabinAltNeedleVC, number",
// "L:Dump_Valve_Light, bool", "L:cabinTempValNeedleVC,number", the switch variables and
// their outputs, the oxygen flow indicators, regulator needle and contents gauges.
// Key events: 66074 [1] when pitot heat is switched on; 66488 / 66489 [new value] engine
// 1 / engine 2 anti-ice set.
// Example: pressurised at 40000 ft the cabin settles at 22000 ft (40 / 2 + 2 thousand), and
// the cabin altimeter needle reads 91 + (22000 - 10000) / 20000 x 431 = 349.
#pragma once

#include <cstdint>

namespace tarmelon {

// ---- cabin air and pressurisation ---------------------------------------------------
void cabin_altitude_step();    // TO_Panel's pre-update: cabin altitude, then the engine air rule
double cabin_altitude();       // thousands of feet
double cabin_temp_setting();   // 0 to 120, what the TO_Panel temperature needle shows

// "Cabin Air" selector halves (mouse flags: left click, repeat, release).
void cabin_air_warmer(std::uint32_t flags);  // increase half
void cabin_air_cooler(std::uint32_t flags);  // decrease half
double cabin_air_selector_frame();           // the selector icon: its spring-back, then the position

// Per frame.
void update_cabin_altitude_needle();
void update_dump_valve_light();
void update_hot_cold_switch();
void update_cabin_temperature_needle();

// ---- take-off panel and anti-ice switches ------------------------------------------
void toggle_canopy_heat();     // "Canopy Heat"
void toggle_pitot_heat();      // "Pitot Heat"
void toggle_vent_valves();     // "Vent Valves"
void toggle_compass_gyro();    // "Compass / Gyro Mode"
void toggle_engine_air_1();    // "Engine air to cabin (Eng 1)"
void toggle_engine_air_2();    // "Engine air to cabin (Eng 2)"
void toggle_port_anti_ice();   // "Port engine anti-ice"
void toggle_stbd_anti_ice();   // "Starboard engine anti-ice"

// ---- oxygen -------------------------------------------------------------------------
void toggle_oxygen_valve();    // "Oxygen ON/OFF Valve"
void toggle_air_inlet();       // "Air Inlet Switch (Normal/100%)"
void oxygen_selector_upper();  // "Manual Selector Control", upper half: 2 less while above 1
void oxygen_selector_lower();  // lower half: 2 more while 5 or less
double oxygen_selector_frame();        // the selector icon, 0 to 7
double regulator_pressure();           // the regulator needle (also "L:Oxypan_oxygen_needle,number")
double regulator_pressure_tooltip();   // the same, also written to "L:OxyPanel_Pressure, number"
void read_nav_compartment();           // Oxygen_Panel install: the navigator's compartment manned?
void oxygen_flow_indicators();         // Oxygen_Panel pre-update: the magnetic flow indicators

// Per frame.
void update_oxygen_flow_animations();
void update_oxygen_contents();         // gauge 2, then gauge 1

// The initial state's reset of the cabin and oxygen working values (the random regulator
// supply is drawn by the caller).
void reset_cabin();

}  // namespace tarmelon
