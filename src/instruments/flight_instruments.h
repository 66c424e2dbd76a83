// The virtual cockpit's flight instruments: G-meter, altimeter, airspeed, vertical speed,
// main and standby attitude indicators, Mach meter, slip ball, trim and airbrake needles,
// magnetic compass, autopilot compass card, gyro heading pointer
// and its setting knob. Each per-frame routine is one row of the frame driver's list; the
// G-meter reset, the attitude indicator's erect action and the gyro knob are routines of
// the virtual cockpit's click spots.
//
// Reads: tokens 351 (G load, 1/624 g), 75 (pressure setting, millibars), 61 (indicated
//   airspeed, knots), 69 (slip ball), 78 and 80 (pitch and bank, degrees), 64 (Mach, used
//   between 10000 and 20000), 83 (magnetic compass), 81 (gyro heading); "A:INDICATED
//   ALTITUDE, Feet", "A:VERTICAL SPEED, Feet per second", "A:PITOT ICE PCT, Percent", the
//   elevator, aileron and rudder trim and left spoiler percentages; the standby attitude
//   indicator's switch and cage, the standby altimeter's reset status; inverters 1, 2 and 6
//   (state.electrical). (The autopilot's READY and IN magnetic indicators are the
//   autopilot's own frame row.)
// Writes: the instruments' "L:" variables named in each routine.
//
// Example: at 1 g (token 351 = 624) "L:GFORCE, number" reads 500 and both extreme hands 50;
// 250 knots give "L:ASINeedle000,number" 250, "L:ASINeedle00,number" 500 and
// "L:ASINeedle00XXXXXX,number" 2500; +500 fpm puts the VSI at 1270; elevator trim at 0 %
// puts its needle at 50.
#pragma once

namespace tarmelon {

// ---- per frame ---------------------------------------------------------------------------
void update_g_meter();
void update_altimeters();            // main altimeter, millibar counter, drums, standby flag
void update_airspeed_indicator();
void update_slip_ball();
void update_standby_attitude();
void update_vertical_speed();
void update_attitude_indicator();
void update_mach_meter();
void update_trim_needles();          // elevator, aileron and rudder trims, airbrakes
void update_magnetic_compass();
void update_autopilot_compass_card();  // the flight instruments' card, on inverter 1 or 2
void update_gyro_heading_pointer();

// ---- virtual cockpit ---------------------------------------------------------------------
void g_meter_reset();                // both extreme hands back to 1 g
void attitude_indicator_erect();     // the main attitude indicator's fast erect, near level only
void gyro_knob_increase();           // the selected heading 1 degree clockwise
void gyro_knob_decrease();

}  // namespace tarmelon
