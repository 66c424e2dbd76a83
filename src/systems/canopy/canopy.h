// The canopy: its toggle with the handles and lock lamp, what the module last saw of it, and
// the misting of its inside after a long time at altitude.
//
// Reads: state.simdata.canopyOpenPercent ("CANOPY OPEN"), tokens 74 (altitude) and 604
// (seconds), "L:Pull_Demist,number", "L:Canopy Heat Position, bool".
// Writes: "L:Canopy_Handle_R,bool", "L:Canopy_Handle_L,bool", "L:Canopy_Locked_Indicator, bool",
// the six "L:Tarmelon_Mist_*" variables; state.canopy.
// Key events: 66389 [1] toggles the simulator's canopy.
// Example: 1800 s above a threshold of 33000 ft, then a descent below it with the demister
// off, mists the canopy one level every 5 s up to level 7 (every mist variable 1).
#pragma once

namespace tarmelon {

// Opens a closed canopy (handles up, unlocked) or closes an open one (handles down, locked).
void canopy_toggle();

// Notes whether the simulator's canopy is open at all.
void note_canopy_position();

// The gear panel's look at the canopy (whole percent): fully closed or fully open is noted,
// anything between leaves what was last seen.
void note_canopy_closed_or_open(int percent);

// Every frame: the misting cycle and its six variables.
void canopy_misting();


// ---- the cockpit around the canopy, and the navigator's hatch ------------------------------
//
// Reads: "A:CANOPY OPEN,Percent" (whole percent), "A:AIRSPEED INDICATED,Knots", "A:SIM ON
// GROUND,bool", token 604; state.canopy.canopyClosed.
// Writes: "L:Canopy_Handle_L,bool", "L:Canopy_Handle_R,bool", "L:Canopy_Locked_Indicator,
// bool", "L:CanopyTaxiProp,bool", "L:canopy_animation,number", "L:Tarmelon_CanopyClose,
// number", "L:Canopy_jettison_lever,bool", "L:CanopyLift_Switch_POS, number" (0 guard shut,
// 1 guard open, 2 lifted) with its guard "L:Gearpan_canopy_guard,bool" and lever
// "L:Gearpan_canopy_open,bool", "L:NoseConePos,number" (0 closed, 100 open).
// Key events: 66389 [1] (or [0] to close an open canopy) toggles the simulator's canopy.
// Text: "Canopy destroyed due to taxi speed exceeding safe limits" above 49 kn with the
// canopy propped or more than 65 % open, every frame while it lasts.
// Example: closed and locked, the lift switch lifted (indicator 0), left handle then right
// handle: the second handle sends 66389 and the canopy opens.

// Each received canopy position: the visual model's animation (held at 60 while propped).
void canopy_animation_step();
// Every frame: the close sound and the destruction by taxi speed.
void update_canopy();

// The virtual cockpit's canopy controls.
void canopy_handle_left();
void canopy_handle_right();
void canopy_taxi_prop();
void canopy_close_if_open();
void canopy_jettison_lever();
void canopy_lift_lever_vc();
void canopy_lift_guard_vc();
// "Canopy lift" on the gear panel: left lifts from 1 to 2, right opens or shuts the guard.
void canopy_lift_click(bool right);
// The lift switch icon's spring-back (3 s); returns the position.
double canopy_lift_icon();
// The lift switch's guard and lever rewritten from its position (after a restore).
void sync_canopy_lift_mirrors();

// "Toggle Nav Hatch": the nose cone opens (100) from closed, closes from anywhere else.
void nose_cone_toggle();

// The working values of the canopy and hatch at the initial state.
void reset_canopy_working_values();

}  // namespace tarmelon
