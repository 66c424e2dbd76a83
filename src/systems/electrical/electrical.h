// The electrical system: which sources are live (aircraft battery, ground power, the two
// engine-driven generators), whether DC power is on the busbar, which of the four modelled
// inverters (1, 2, 4 and 6) run, the cockpit's electrical meters, the inverter-4 sounds, and
// the simulator's own master battery and alternators kept in step with the cockpit.
//
// Reads: "L:Engine1_MasterPos", "L:Engine2_MasterPos", "L:Gen1CircuitBreaker",
//   "L:Gen2CircuitBreaker", "L:TarmelonGroundPower", "L:GEN1OnOffPos", "L:GEN2OnOffPos",
//   "L:AircraftBattPos", "L:inv12SelPos", "L:Inverter6", "L:GroundTestPos",
//   "L:Inverter_MeterSel_pos", "L:radalt_limit_on", "L:ElecStartVolts";
//   "A:ELECTRICAL MASTER BATTERY", "A:GENERAL ENG MASTER ALTERNATOR:1" and ":2"; tokens 624
//   and 643 (engine RPM percent) and 604 (seconds); state.simdata.simOnGround.
// Writes: state.electrical; "L:GroundUnitsShow", "L:DCpowerAvailable",
//   "L:Elec_STATUS_invSelector", "L:Elec_STATUS_inv2", "L:Elec_STATUS_inv4",
//   "L:Tarmelon_Stiction", the three inverter-4 sound variables, "L:BusbarNeedle",
//   "L:Gen1FailLight", "L:Gen2FailLight", "L:standby_inverter_mi", the inverter meter
//   mirrors and readings, and "L:ElecStartVolts" (raised to 124 on ground power).
// Key events: 66241 [1] toggles the simulator's master battery; 66363 [1] and 66364 [1]
//   toggle its alternators 1 and 2 (each at most once until the simulator has applied it).
// Example: battery switch at 3, engines stopped, no ground power: the update finds the
//   battery on (batteryOn 1), both generators off line and DC power on; inverters 1 and 6
//   start one update later, when they see that DC power; the busbar needle reads
//   24 / 35 x 150 = 102; "L:Gen1FailLight,bool" is 0 (off line with DC power available).
//   An engine at 19.9 % RPM still leaves its generator off line (19 after truncation).
#pragma once

#include <cstdint>

namespace tarmelon {

// The Electrical gauge's pre-update service: sources, busbar and inverters.
void update_electrical();

// Every frame, from the frame driver's list.
void update_busbar_meter();
void update_generator_fail_lights();  // generator 1, then 2
void update_standby_inverter_indicator();

// The reading inverter 1 or 2 is heading for: 115 to 119 V and 400 to 404 Hz while it
// runs (drawn from a generator seeded with the clock second, so it changes at most once a
// second), 0 when it is stopped or for any other inverter.
std::int32_t inverter_volts_target(int inverter);
std::int32_t inverter_cycles_target(int inverter);

// The electrical panel's inverter meters, one step per update towards the target of the
// inverter the meter selector shows; they return the reading.
double update_volts_meter();
double update_cycles_meter();
// The electrical panel's pre-update service: the shown readings and the targets of both
// inverters, as variables.
void publish_inverter_readings();

// The working values back to their starting values (the initial state). DC power counts
// as unavailable until the next update.
void reset_electrical();

// The simulator's View event: the cockpit view gates the inverter-4 sounds and the
// stiction variable (1 2D cockpit, 2 virtual cockpit; anything else silences them).
void note_cockpit_view(std::uint32_t view);

}  // namespace tarmelon
