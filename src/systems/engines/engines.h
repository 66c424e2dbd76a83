// The engines as the cockpit sees them: the throttle levers with their HP-cock gate and the
// throttle that reaches the simulator, the two jet-pipe-temperature (JPT) controllers, the
// electric start (masters, ignition, start switches, push starts, relights, start lamps),
// the spool-up the module imposes on a ground start, the engine instruments, the fire lamps
// and extinguisher buttons, and the abandon-aircraft and cabin-dump switches.
//
// Reads: "L:Throttle1Position,number" / "L:Throttle2Position,number" (the levers are the
//   source of the demand), the masters, ignition and start switches, "L:ElecStartVolts,
//   number", the JPT switches, lamp press-to-test variables, "A:FUEL TANK SELECTOR:1/2,
//   enum", "A:GENERAL ENG STARTER:1/2, bool"; tokens 624/643 (RPM), 638/657 (fuel flow),
//   562/572 (oil pressure), 887/888 (fire inputs); state.simdata (starters, N1, throttle
//   percent, JPT, on ground, autothrottle), state.electrical (DC power, inverters 1, 2, 4),
//   state.fuel (combustion), state.autopilot.apAirspeedHoldOn.
// Writes: the lever variables, "L:ENG1_HPcock, bool" / "L:ENG2_HPcock, bool", "L:JPT1 Temp,
//   number" and the needles and lamps of the instruments below, the guarded switches'
//   positions and mirrors; state.engines. SimConnect data: definitions 10/11 (N1, percent)
//   and 14/15 (EGT, Rankine) during a ground start, 12/13 (throttle lever, percent, never
//   outside 0..100) after every object-data message.
// Key events: 66300 [1] / 66301 [1] engage the starter of an accepted push start; 66708 [11]
//   / [22] the port / starboard fire extinguisher. SimConnect events: "TOGGLE_STARTER1" and
//   "TOGGLE_STARTER2" cut the starter (and engage it on a relight or an auto start).
//
// Example: "AXIS_THROTTLE1_SET" with 0 gives a demand of 50 % and a lever of 107; the next
// object-data message writes 50 % to the simulator's throttle. With the JPT controller on,
// the limit at 750 degrees and the jet pipe at 760, each message takes 0.02 % off the
// throttle the simulator reports; at 740 it adds 0.02 % back until the demand is reached.
// A ground start climbs 0.003 % N1 per object-data message to 40 %, where the starter is cut.
#pragma once

#include <cstdint>

namespace tarmelon {

// ---- HP cocks and settings ---------------------------------------------------------------
// Engine 1 or 2; any other number does nothing (and reads as shut). Setting a cock moves a
// lever that stands on the other side of the idle gate to the gate (open) or below it (shut).
void set_hp_cock(int engine, bool open);
std::uint8_t hp_cock_open(int engine);

// Reads the electric-start voltage from the configuration file and shows it.
void read_electric_start_setting();

// ---- starting values ---------------------------------------------------------------------
void reset_engine_start();       // the start model: spool, armed starts, push-button timers
void reset_engine_values();      // throttles and JPT controllers
void reset_engine_instruments(); // instrument readings kept between frames

// ---- SimConnect ------------------------------------------------------------------------------
// A starter reading of engine 1 or 2 has just been stored (once a second, when it changes).
void on_starter_data(int engine);
// After every object-data message: start spool, starter cut, throttle output, JPT control.
void update_engine_start();

// ---- the pilot's throttle inputs (intercepted simulator events) --------------------------
void throttle_axis(int engine, std::int32_t value);  // AXIS_THROTTLE1_SET / 2
void throttle_set(int engine, std::int32_t value);   // THROTTLE1_SET / 2
void throttle_axis_both(std::int32_t value);         // AXIS_THROTTLE_SET
void throttle_cut(std::int32_t value);
void throttle_decrease(std::int32_t value);
void throttle_increase_small(std::int32_t value);
void throttle_full(std::int32_t value);
void engine_auto_start();
void engine_auto_shutdown();

// ---- per frame -------------------------------------------------------------------------------
void update_jpt_needles();
void update_rpm_needles();
void update_fuel_flow_needles();
void update_oil_pressures();
void update_engine_fire_lights();
void update_throttle_levers();  // the demand and HP cocks from the lever variables
void update_start_lamps();

// ---- the engine start panel ------------------------------------------------------------------
void read_engine_start_inputs();  // RPM and starter lamp inputs, on the panel's update
void toggle_engine_master(int engine);
void toggle_ignition(int engine);
void toggle_start_switch(int engine);
void toggle_changeover();
void toggle_ebld_lamp_test(int engine);
void toggle_eng_lamp_test(int engine);
void push_start(int engine);
void relight(int engine);
// Element readings: the ENG lamp, the EBLD lamp, and the push-start button, which springs
// back on its own 18-tick clock.
bool start_engaged_lamp(int engine);
bool start_enabled_lamp(int engine);
double push_start_button(int engine);

// ---- the throttle panel ----------------------------------------------------------------------
void publish_throttle_panel();  // HP cocks published, "L:JPTn Temp" computed
void toggle_jpt_on(int engine);
void toggle_jpt_max(int engine);
bool jpt_on_switch(int engine);  // and the controller's activity recomputed
// The 2D lever: right click (HP cock at the gate), left drag to a fraction 0..1 from the top.
void throttle_lever_right_click(int engine);
void throttle_lever_drag(int engine, double fraction_from_top);
double throttle_lever_travel(int engine);  // 0..1 while the HP cock is open, 0 when shut
bool hp_cock_shut(int engine);

// The two guarded switches: position 0 guard shut, 1 guard open, 2 operated.
enum class GuardedSwitch { ABANDON, PRESSURE_DUMP };
void guarded_switch_click(GuardedSwitch which, bool right);  // the 2D switch, left or right
void guarded_switch_guard(GuardedSwitch which);  // virtual cockpit: the guard alone
void guarded_switch_lever(GuardedSwitch which);  // virtual cockpit: the lever, guard or not

// Virtual-cockpit fire extinguisher buttons.
void fire_button(int engine);

// Parameterless forms for the gauge and virtual-cockpit tables.
template <int E> void toggle_engine_master() { toggle_engine_master(E); }
template <int E> void toggle_ignition() { toggle_ignition(E); }
template <int E> void toggle_start_switch() { toggle_start_switch(E); }
template <int E> void toggle_ebld_lamp_test() { toggle_ebld_lamp_test(E); }
template <int E> void toggle_eng_lamp_test() { toggle_eng_lamp_test(E); }
template <int E> void push_start() { push_start(E); }
template <int E> void relight() { relight(E); }
template <int E> void toggle_jpt_on() { toggle_jpt_on(E); }
template <int E> void toggle_jpt_max() { toggle_jpt_max(E); }
template <int E> void fire_button() { fire_button(E); }
template <int E> void throttle_lever_right_click() { throttle_lever_right_click(E); }
template <int E> void throttle_lever_drag(double from_top) { throttle_lever_drag(E, from_top); }
template <int E> double throttle_lever_travel() { return throttle_lever_travel(E); }
template <int E> bool hp_cock_shut() { return hp_cock_shut(E); }
template <int E> bool jpt_on_switch() { return jpt_on_switch(E); }
template <int E> bool start_engaged_lamp() { return start_engaged_lamp(E); }
template <int E> bool start_enabled_lamp() { return start_enabled_lamp(E); }
template <int E> double push_start_button() { return push_start_button(E); }
template <GuardedSwitch S> void guarded_switch_click(bool right) { guarded_switch_click(S, right); }
template <GuardedSwitch S> void guarded_switch_guard() { guarded_switch_guard(S); }
template <GuardedSwitch S> void guarded_switch_lever() { guarded_switch_lever(S); }

}  // namespace tarmelon
