// The radio navigation instruments: the VOR1 indicator with its GPS/VLOC source, the VOR2
// indicator, the HSI, the radio altimeter with its limit selector and lights, the marker
// lights and the gyro pointer; and the virtual cockpit's OBS, HSI course and HSI heading-bug
// knobs. Most instruments run on inverter 2, the radio altimeter on inverter 6 and its
// limit switch with DC power, the marker lights on DC power.
//
// Reads: NAV1 tokens 40 (course deviation, -127..127), 41 (glideslope deviation), 43
//   (TO/FROM: 0 none, 1 TO, 2 FROM), 44 (glideslope available), 45 (OBS), 49 (signal, below
//   256 unusable); NAV2 tokens 50, 52, 53, 54, 58, 882 (the same for NAV2); 848 (navigation
//   source: 0 VLOC, 1 GPS), 837 (GPS cross-track, hundredths), 550 (bearing to the NAV1
//   station relative to the heading), 851 and 852 (HSI NAV and glideslope valid), 854 (HSI
//   course), 855 (heading bug), 856 and 857 (GPS bearing to the waypoint and its validity),
//   860 (HSI distance, nautical miles), 81 (heading), 354 (marker: 1 outer, 2 middle, 3
//   inner), 1 (tick); "A:GPS IS ACTIVE FLIGHT PLAN, bool", "A:GPS IS ACTIVE WAY POINT,
//   bool", "A:RADIO HEIGHT, Feet"; the radio altimeter's selector, range and test switches,
//   "L:LampTest,bool", "L:Gyro_pointer_calc,number"; state.electrical (inverters 2 and 6, DC
//   power, the radio altimeter's limit switch powered).
// Writes: the instruments' "L:" variables named in each routine; state.instruments
//   (the limit height), state.autopilot.headingKnobDue (the knobs' fast-turn tick).
// Key events: 65716 [course] VOR1 OBS and HSI course, 65717 [course] VOR2 OBS, 66042
//   [heading] heading bug; 65716 [0] every frame while the HSI course reads 360 or more.
//
// Example: NAV1 on VLOC with a signal of 300 and a course deviation of 0 centres the VOR1
// localiser needle at 498 and the HSI course bar at 500; a bearing of 5 degrees at heading
// 355 puts the HSI's green pointer at 25; 260 ft of radio height against a 200 ft limit
// lights the amber lamp only.
#pragma once

namespace tarmelon {

// ---- per frame, in the frame driver's order ---------------------------------------------
void update_vor1_compass_card();
void update_vor1_source_lights();
void update_vor1_flags();
void update_vor1_localiser_needle();
void update_vor1_glideslope_needle();
void update_vor1_to_from();
void update_vor2_compass_card();
void update_vor2_source_lights();
void update_vor2_flags();
void update_vor2_glideslope_needle();
void update_vor2_localiser_needle();
void update_vor2_to_from();
void update_hsi();
void update_radalt_limit_selector();
void update_radalt_indicator();
void update_radalt_lights();
void update_marker_lights();
void update_gyro_pointer();

// ---- virtual cockpit knobs ---------------------------------------------------------------
// Each click turns by one degree, or by two when it follows another knob click within 7
// ticks; the new course or heading goes to the simulator.
void vor1_obs_decrease();
void vor1_obs_increase();
void vor2_obs_decrease();
void vor2_obs_increase();
void hsi_course_decrease();
void hsi_course_increase();
void hsi_heading_bug_decrease();
void hsi_heading_bug_increase();

}  // namespace tarmelon
