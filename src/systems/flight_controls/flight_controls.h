// The powered flight controls as the pilot's inputs reach them: ailerons and rudder need
// hydraulic pressure, the autopilot keeps an axis it flies, the aileron gearing switch halves
// the aileron input; the dive-brake (airbrake) selector and lever; the nosewheel mode switch,
// which gives the rudder either nosewheel steering or differential braking on the ground.
//
// Reads: state.hydraulics (aileronPowerLost, allPressureLost, mainPressureLost,
// pumpPressure), state.autopilot (the engaged axes), state.simdata (surface positions, on
// ground), "A:SPOILERS LEFT POSITION, Percent", "L:DivebrakePos, bool",
// "L:nosewheel_Isolate, bool", "L:Low_high_alt_switch,bool"; configuration "NOSEGEAR".
// Writes: "L:ailPosVC,number", "L:rudPosVC,number", "L:Dive_brake_switch, number",
// "L:Dive_brake_switch_pos, number" (0 out, 50 half, 100 in), "L:DivebrakePos, bool",
// "L:nosewheel_Isolate, bool", "L:Low_high_alt_switch,bool"; state.flightControls.
// Sends: the accepted inputs again (AXIS_AILERONS_SET, STEERING_SET, AXIS_RUDDER_SET,
// BRAKES_LEFT/RIGHT, AXIS_ELEVATOR_SET, AXIS_SPOILER_SET, SPOILERS_TOGGLE), definitions 16
// to 18 (surface positions), key event 65786 (spoilers 16383 out, 8191 half, 0 in).
// Example: "AXIS_AILERONS_SET" 16000 with the gearing switch at 1 and pressure sends 8000
// and shows the aileron indicator at 1.
#pragma once

#include <cstdint>

namespace tarmelon {

// The pilot's control inputs (simulator events 14 to 24).
void ailerons_axis_input(std::int32_t v);
void ailerons_step_input(bool right);
void rudder_axis_input(std::int32_t v);
void rudder_step_input(bool right);
void elevator_axis_input(std::int32_t v);
void elevator_step_input(bool up);
void spoiler_axis_input(std::int32_t v);
void spoilers_toggle_input(std::int32_t v);

// The dive-brake selector one position up or down (true when it moved: the click sounds),
// and the lever's out/in flag.
bool dive_brake_selector_up();
bool dive_brake_selector_down();
void dive_brake_lever();

// "Nosewheel Mode": the switch connects steering or rudder braking, as configured.
void nosewheel_mode_switch();
// The aileron gearing (low/high altitude) switch.
void aileron_gearing_switch();

// The gearing and nosewheel flags taken again from their switches (after the cockpit was
// restored or a preset applied).
void sync_flight_control_flags();

// The indicators' starting values (the initial state's 50).
void reset_control_indicators();

}  // namespace tarmelon
