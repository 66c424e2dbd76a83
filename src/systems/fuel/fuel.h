// The fuel system: five tank groups over the simulator's five tanks, which of them can feed
// each engine, the once-a-second rotation of each engine's simulator fuel selector among
// them, fuel moved between tanks, the automatic fuel management, negative g, the
// fuel-pressure failure lamps and the virtual cockpit's contents gauges.
//
// Tanks: top tanks = CENTER, belly = CENTER2 (selector code 7), rear = CENTER3 (8), port
// wing = LEFT AUX (4, engine 1 only), starboard wing = RIGHT AUX (5, engine 2 only); code 0
// is off. Simulator quantities are gallons; the aircraft counts pounds at 6.7 lbs a gallon.
//
// Reads: the fuel panel's pumps and cocks ("L:BellyTankPortPump, bool" ...), the LP cocks
// and wing-to-rear transfer switches of the take-off panel, "L:Top2BellyTransCockPos,
// number"; "A:FUEL TANK <tank> QUANTITY,gallon", "A:FUEL TANK SELECTOR:1, enum" and ":2",
// "A:GENERAL ENG COMBUSTION:1,bool" and ":2", "A:G FORCE, GForce", "A:RADIO HEIGHT, Feet";
// tokens 61 (airspeed) and 604 (seconds); state.engines.hpCock1Open/hpCock2Open,
// state.electrical.dcPowerAvailable, state.simdata (tank data received, definitions 1 to 7)
// and state.simlink.simSpeed.
// Writes: "L:fuelSelSwap_time_cur, number", "L:fuelSelSwap_time_check, number",
// "L:AutoFuelStatus, number" and the switches the automatic management sets,
// "L:Fuelpan_Topbelly_transfer_switch,bool" and "L:Fuelpan_Topbelly_transfer_guard,bool"
// (kept in step with the cock's position), "L:Engine1_fuel_pres_fail, bool" and ":2",
// the five "L:...NeedleVC, number" contents gauges; tank quantities through data
// definitions 1 to 5; state.fuel.
// Key events: 65962 [code] and 66523 [code] set engine 1's and engine 2's simulator fuel
// selector; 65778 [1] while negative g has lasted 12 seconds with an engine running, 65774
// [1] once when it ends.
//
// Example: belly and rear both feeding engine 1 (LP cock open, HP cock open, belly port
// pump on, rear port pump on and cock open, both tanks holding fuel) with the selector on
// the belly (7): the next whole second sends 65962 [8] (rear), the one after 65962 [7]. With
// the port wing transfer switch at 0 and the port wing pump on, each one-second event moves
// 1.6 lbs (at simulation rate 1) from the port wing to the rear tank: a port wing of 1000
// lbs (149.2537 gal) is written back as 998.4 lbs = 149.0149 gal, the rear tank gains as
// much.
#pragma once

namespace tarmelon {

// Fuel_Selector_SYS, every update: feeds, selector rotation, transfer flags, automatic
// management, negative g.
void update_fuel_system();

// After an object-data message: the transfers are due once every tank quantity and the
// fuel flows have arrived and the one-second event has come since they last ran.
bool fuel_transfers_due();
// Moves fuel top to belly and wings to rear for one second; always clears the one-second
// flag.
void run_fuel_transfers();
// The simulator's one-second event.
void note_fuel_second();

// Per frame.
void update_fuel_pressure_lights();
void update_tank_gauges_vc();

// The initial state: the model's timers and flags, then its remaining working values.
void reset_fuel_timers();
void reset_fuel_working_values();

}  // namespace tarmelon
