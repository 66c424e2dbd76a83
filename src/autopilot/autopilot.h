// The autopilot controller: a three-channel unit (aileron, elevator, rudder) over the
// simulator's own autopilot, with POWER and a 60-second warm-up, ENGAGE, the TRACK, GLIDE,
// ALT and BOMB mode switches, the READY and IN magnetic indicators, airspeed hold, the
// NAV/GPS source, the heading push button and selector, the bank and pitch selectors, the
// reset button and the autostabiliser and roll damper selectors.
//
// Reads: tokens 1 and 604 (clocks), 74 (altitude), 77 and 79 (pitch and bank), 81
//   (heading), 855 (heading bug), 107 and 109 (tooltips); "A:AUTOPILOT MASTER, bool" and the
//   simulator's heading, NAV1, approach and altitude locks; "L:GEN1OnOffPos, number",
//   "L:GEN2OnOffPos, number", "L:ELEC_STATUS_inv2, bool"; inverters 1, 2 and 4
//   (state.electrical); the throttle inputs and demands (state.engines, state.simdata).
// Writes: the switch, indicator, selector and mirror variables ("L:AP_*_SWITCH, bool" and
//   their "_POS" twins, "L:ApReadyLight_OnOff, bool", "L:ApInLight_OnOff, bool",
//   "L:curPitchSetVal,number", "L:bankSelPos, number", ...); state.autopilot, whose three
//   channel-engaged flags withhold the pilot's aileron, elevator and rudder inputs.
// Key events: 65792 / 65791 autopilot on / off, 65811 / 65819 NAV1 hold, 65807 / 65815
//   heading hold, 65806 / 65814 approach hold, 65808 + 66124 (altitude) / 65816 altitude
//   hold, 65859 airspeed hold toggle, 66375 GPS/NAV source, 66042 heading bug, 65952 / 65953
//   auto-coordination, 66070 / 66069 yaw damper; the laws' 65695, 65607 and 65615.
//
// Example: POWER on with generator 1 on at clock second 100 lights READY at second 160
// (inverter 2 live); ENGAGE then sends 65792, lights IN, darkens READY and takes the pitch
// reference "L:curPitchSetVal,number" from token 77 (-3 degrees nose up reads -3).
#pragma once

#include <cstdint>

namespace tarmelon {

enum ApChannel { AP_RUDDER, AP_AILERON, AP_ELEVATOR };

// ---- switch operations: each stores its request first, then tests its conditions ------
void setApPower(std::uint8_t on);
void setApEngage(std::uint8_t on);
void setApTrack(std::uint8_t on);
void setApHeading(std::uint8_t on);
void setApGlide(std::uint8_t on);
void setApBomb(std::uint8_t on);
void setApAltitude(std::uint8_t on);
void setApChannel(ApChannel channel, std::uint8_t on);
void setApAirspeedHold(std::uint8_t on);
void setApReadyLight(std::uint8_t on);
void setApInLight(std::uint8_t on);
void resetAutopilot();  // everything off but heading-select and airspeed hold

// The module's starting values: law parameters, all off with the three channels IN, the
// warm-up and the pitch selector's held state and timer cleared.
void reset_autopilot_working_values();
// The pitch selector's held state and spring-return timer, cleared.
void reset_pitch_selector();

// The Autopilot_Switch_Panel's per-frame supervision (its pre-update service): rate
// sampler, warm-up, inverter 2 watch, channel supervision, the channel-engaged flags, the
// heading push button and capture, the two laws, the throttle diagnostics.
void autopilotFrame();

// ---- the switches' click actions (the panel plays click sound 1 where it has one) ------
void ap_aileron_switch_click();
void ap_elevator_switch_click();
void ap_rudder_switch_click();
void ap_alt_switch_click();
void ap_bomb_switch_click();
void ap_glide_switch_click();
void ap_track_switch_click();
void ap_power_switch_click();
void ap_engage_switch_click();
void ap_rdu_dimmer_click();
void ap_slip_dimmer_click();
void ap_airspeed_hold_click();
void ap_nav_gps_click();
void autopilot_reset_click();
void heading_push_button();  // the simulator's AP_HDG_HOLD: a heading-select request

// ---- switch displays: 1 shown up / lit, 0 not -----------------------------------------
bool ap_track_switch_up();
bool ap_power_switch_up();
bool ap_glide_switch_up();  // re-judges GLIDE every time it shows up
bool ap_engage_switch_up();
bool ap_bomb_switch_up();
bool ap_alt_switch_up();
bool ap_rudder_switch_up();
bool ap_elevator_switch_up();
bool ap_aileron_switch_up();
bool ap_in_indicator_shown();     // mirrors "L:Autopilot_engaged_VC, bool"
bool ap_ready_indicator_shown();  // mirrors "L:ApReadyLight_stat, bool"
bool ap_slip_dimmer_up();
bool ap_rdu_dimmer_up();

// ---- tooltip arguments -----------------------------------------------------------------
const char* ap_power_text();    // "ON", "WAIT", "OFF"
const char* ap_engage_text();   // "ENGAGED", "DISENGAGED"
const char* ap_alt_text();
const char* ap_glide_text();
const char* ap_track_text();
const char* ap_bomb_text();
const char* ap_aileron_text();  // "IN", "OUT"
const char* ap_elevator_text();
const char* ap_rudder_text();
const char* ap_rdu_dimmer_text();
const char* ap_slip_dimmer_text();
const char* ap_airspeed_hold_text();
const char* ap_nav_gps_text();  // "GPS", "NAV"
double ap_alt_reference_feet();     // token 109
double ap_track_reference_degrees();  // token 107

// ---- selectors -------------------------------------------------------------------------
void bank_selector_up();    // plays no sound; the panel sounds it
void bank_selector_down();
void pitch_selector_up(std::uint32_t flags);  // press, repeat or release
void pitch_selector_down(std::uint32_t flags);
double pitch_selector_icon();  // the spring return; returns the position
double autopilot_reset_shown();
std::int32_t bankTargetFromSelector();  // degrees, left wing down positive
void heading_selector_increase();  // the virtual cockpit's heading knob
void heading_selector_decrease();

// ---- per-frame rows of the frame driver ------------------------------------------------
void update_autopilot_magnetic_indicators();  // the virtual cockpit's READY and engaged flags
void update_autopilot_light_mirrors();
void update_elevator_servo_load();
void update_heading_selector_pointer();
void update_bank_selector_sync();
void update_autopilot_gyro_compass_card();
void update_autostabiliser_and_roll_damper();

}  // namespace tarmelon
