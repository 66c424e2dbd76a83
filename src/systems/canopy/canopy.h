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

// Every frame: the misting cycle and its six variables.
void canopy_misting();

}  // namespace tarmelon
