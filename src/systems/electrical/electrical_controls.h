// The electrical switches of the cockpit: the battery (takeoff panel), ground power (trim
// panel), generators, their breakers and the inverter switches (electrical panel), the
// inverter-2 ground test (lighting panel), the avionics panel's emergency avionics and
// avionics master switches, and the electric-start digital voltmeter.
//
// Reads and writes: the switch variables below and the virtual cockpit's mirrors of the
// guarded switches (lever and guard); reads state.electrical.dcPowerAvailable.
// Key events: 66701 [0 or 1] sets the simulator's avionics master with the switch.
// Guarded switches keep one position that combines guard and lever; a 2D click steps the
// position and rewrites the mirrors from it, a virtual-cockpit click moves a mirror and
// derives the position from both. Example: the battery at 0 (guard shut, off): a right
// click opens the guard (1: guard 1, lever 0), a left click switches it on (2: both 1), a
// right click shuts the guard over it (3: guard 0, lever 1).
// The click sounds are the panels'; these are the switches' rules.
#pragma once

#include <cstdint>

namespace tarmelon {

// "Aircraft Battery", "L:AircraftBattPos, number": 0 guard shut, off; 1 guard open, off;
// 2 guard open, on; 3 guard shut, on. Left 1 <-> 2, right 0 <-> 1 and 2 <-> 3.
void battery_switch_click(bool right);
void battery_guard_vc();  // toggles the guard
void battery_lever_vc();  // toggles the lever while the guard is open

// "Ground power": the ground power units are put out on first use, then the switch toggles.
void ground_power_click();

// "No.1 Generator On/Off", "No.2 Generator On/Off".
void toggle_generator_1_switch();
void toggle_generator_2_switch();
// "Circuit Breaker 1" and "2": true when the breaker is now pulled (tripped), false reset.
bool toggle_generator_1_breaker();
bool toggle_generator_2_breaker();

// "Inverter Selector Switch", "L:inv12SelPos, number": left 1 <-> 2, right 0 <-> 1.
void inverter_selector_click(bool right);
void toggle_inverter_6();               // "Inverter 6 On/Off"
void toggle_inverter_meter_selector();  // "Inverter 1/2 meters selector": 1 inverter 1, 0 inverter 2

// "Ground Test", "L:GroundTestPos, number": 0 guard shut; 1 guard open, off; 2 guard
// open, on (inverter 2 runs). Left 1 <-> 2, right 0 <-> 1. Guard mirror 0 shut, 50 open.
void ground_test_click(bool right);
void ground_test_guard_vc();  // toggles the guard
void ground_test_lever_vc();  // toggles the lever, guard or not

// "Emergency Avionics", "L:ElecStart_EMGAv_position, number": 0 guard shut; 1 guard open,
// off; 2 guard open, on. Left 1 <-> 2, right 0 <-> 1.
void emergency_avionics_click(bool right);
void emergency_avionics_lever_vc();  // toggles the lever, guard or not
void emergency_avionics_guard_vc();  // toggles the guard

// "Avionics master switch": toggles and sets the simulator's avionics master to match.
void toggle_avionics_master();
void toggle_read_voltage();                // "Read voltage"
void toggle_dvm_breaker();                 // "DVM circuit breaker": 1 pulled
void toggle_instrument_lights_breaker();   // "Instrument Lights circuit breaker": 1 pulled
void restore_start_volts();                // "Restore volts": the start battery back to 124

// The digital voltmeter shows "L:ElecStartVolts, number" while "Read voltage" is pressed,
// DC power is on and its breaker is in; the virtual cockpit's readout needs no breaker.
bool voltmeter_shown();
bool voltmeter_readout_shown();
// One digit of the start battery's voltage: place 100, 10 or 1. A voltage below 0 reads 0.
std::int32_t voltmeter_digit(std::int32_t place);

// The virtual cockpit's lever and guard of a guarded switch rewritten from its position
// (after a restored cockpit or a preset).
void sync_battery_mirrors();
void sync_emergency_avionics_mirrors();
void sync_ground_test_mirrors();

}  // namespace tarmelon
