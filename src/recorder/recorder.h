// The flight data recorder: once started, the flight's G load, height, indicated and true
// airspeed and both engines' fuel flows, one line a second in a text file each, and a small
// summary file (a profile file) with the start time, the flight's duration in minutes and the
// fuel used, all in a new folder named after the wall-clock date and time of the start.
// It runs on three Windows timers of the simulator's main window until the module unloads.
//
// Reads: "General"/"FlightDataRecording" of the aircraft's aircraft.cfg (at the initial
// state); the wall clock (GetLocalTime); "E:LOCAL TIME,seconds"; every second "A:G
// FORCE,Gforce", "A:Indicated Altitude,Feet", "A:AIRSPEED INDICATED,Knots", "A:AIRSPEED
// TRUE,Knots", "A:ENG FUEL FLOW PPH:1,pph", "A:ENG FUEL FLOW PPH:2,pph"; every 30 seconds
// "A:GENERAL ENG FUEL USED SINCE START,pounds".
// Writes: <panel folder>\FlightAnalysis\<dd-mm-yyyy_hh-mm>\ GeForce.txt, Height.txt,
// indspeed.txt, truespeed.txt, fuelfloweng1.txt, fuelfloweng2.txt (appended) and
// staticdata.txt (section "StaticValues": "StartTime", "FlightDuration", "FuelBurn");
// state.recorder. Timers 1 (1000 ms), 2 (60000 ms) and 3 (30000 ms) on "FS98MAIN".
// Key events: none.
// Example: started on 8 December 2026 at 14:05 by the wall clock, at 9:05:00 simulator time
// (E:LOCAL TIME 32700), the folder is "...\panel\FlightAnalysis\08-12-2026_14-05" and
// StartTime reads 9:5:0; 3 minutes 30 seconds later each quantity file holds 210 lines
// ("1.000000" for 1 g in GeForce.txt, "250" for 250 knots in indspeed.txt) and
// FlightDuration reads 3.
#pragma once

namespace tarmelon {

// Reads the aircraft's option: recording is wanted only for the exact value "Active".
void read_recording_option();

// Starts the one recording of this load: its folder (under an existing "FlightAnalysis"
// folder), its start time and its timers. Without the simulator's main window, or without a
// folder to record into, nothing is recorded.
void start_recording();

}  // namespace tarmelon
