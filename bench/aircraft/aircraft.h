// The simulated aircraft and world: the A: variables the module reads, the token variables
// behind them, and how the simulator's key events and SimConnect events change them. It
// holds just as much as the module needs to be exercised; it grows with the cockpit.
//
// One file per simulated system in this folder (electrical.cpp, engines.cpp, fuel.cpp,
// gear.cpp, controls.cpp, lights.cpp, canopy.cpp, photoflash.cpp, cabin.cpp, radios.cpp, transponder.cpp, navaids.cpp,
// world.cpp, flight.cpp, flying.cpp), each a table of its values at
// rest, its tokens, the key events and simulator events it answers and its dynamics;
// aircraft.cpp routes to them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "variables.h"

namespace bench {

namespace sim {
// The GPS's own state (gps.cpp): its flight plan's progress, the entries its keys started,
// and what it last worked from.
struct GpsMemory {
    bool plan_active = false;
    int leg = 0;         // index of the active waypoint
    int cursor = 0;      // the waypoint the knobs select
    bool direct_to = false;
    double origin_lat = 0.0, origin_lon = 0.0;  // a direct-to leg starts where it was entered
    bool direct_to_armed = false, procedure_armed = false;
    bool approach = false, obs = false, arrived = false;
    bool changed = true;  // the GPS's state changed: its values are written at the next step
    double inputs[4] = {};
    double fuel_total = -1.0;  // the fuel total as last written
};

// What the simulated systems keep beside the variables (targets of moving parts).
struct Memory {
    double canopy_target = 0.0;  // percent open the canopy travels towards
    double flaps_target = 0.0;   // percent down the flaps travel towards
    // Each engine's N1, exhaust temperature, fuel flow and oil pressure as its last step left
    // them: a different value at the next step was written from outside (the module's start
    // spool, a script's `token`) and holds for that step.
    double engine_n1_after_step[2] = {0.0, 0.0};
    double engine_egt_after_step[2] = {0.0, 0.0};
    double engine_fuel_flow_after_step[2] = {0.0, 0.0};
    double engine_oil_after_step[2] = {0.0, 0.0};
    double engine_starved_seconds[2] = {0.0, 0.0};  // a running engine without fuel, so far
    // What the nav receivers last worked from (position, altitude, heading, OBS, tuning,
    // source): while none of it changes they leave their values alone, so a script's
    // `token` on a receiver value holds.
    double navaid_inputs[10] = {};
    bool navaids_computed = false;
    // The outside air as the last step left it; a value written from outside since (a
    // script's `set`) stays as written from then on.
    std::optional<double> ambient_temperature_after_step;
    std::optional<double> ambient_pressure_after_step;
    bool ambient_temperature_set = false;
    bool ambient_pressure_set = false;
    GpsMemory gps;
    bool flying = false;  // the bench flies the aircraft itself (flying.cpp)
};
}  // namespace sim

class Aircraft {
public:
    explicit Aircraft(Variables& variables) : vars_(variables) {}

    // At rest on the ground, engines off, battery 24 V.
    void reset();
    void step(double dt_seconds);
    // From now on the aircraft flies itself (flying.cpp): it rolls, lifts off, climbs,
    // descends and lands with its engines, controls and attitude.
    void set_flying(bool on) { memory_.flying = on; }

    // Applies a simulator key event; false when the aircraft has no reaction to it.
    bool apply_key(std::uint32_t id, std::uint32_t parameter);
    // Applies a simulator event by name (SimConnect); false when unknown.
    bool apply_sim_event(std::string_view name, std::uint32_t data);

    // Key event number for an event name, when the aircraft knows one ("FUEL_SELECTOR_SET").
    static std::optional<std::uint32_t> key_event_id(std::string_view name);
    // The aircraft answers simulator event NAME (a key event or a simulator event by name,
    // letter case aside).
    static bool knows_sim_event(std::string_view name);

    // Token variables other than the clocks (1 and 604, which the bench keeps). Nothing for
    // tokens without a simulated value.
    std::optional<double> token(int id) const;
    bool set_token(int id, double value);

    double get(std::string_view name) const;
    void set(std::string_view name, double value);

private:
    Variables& vars_;
    sim::Memory memory_;
};

}  // namespace bench
