// The simulated aircraft and world: the A: variables the module reads, the token variables
// behind them, and how the simulator's key events and SimConnect events change them. It
// holds just as much as the module needs to be exercised; it grows with the cockpit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "variables.h"

namespace bench {

class Aircraft {
public:
    explicit Aircraft(Variables& variables) : vars_(variables) {}

    // At rest on the ground, engines off, battery 24 V.
    void reset();
    void step(double dt_seconds);

    // Applies a simulator key event; false when the aircraft has no reaction to it.
    bool apply_key(std::uint32_t id, std::uint32_t parameter);
    // Applies a simulator event by name (SimConnect); false when unknown.
    bool apply_sim_event(std::string_view name, std::uint32_t data);

    // Key event number for an event name, when the aircraft knows one ("FUEL_SELECTOR_SET").
    static std::optional<std::uint32_t> key_event_id(std::string_view name);

    // Token variables other than the clocks (1 and 604, which the bench keeps). Nothing for
    // tokens without a simulated value.
    std::optional<double> token(int id) const;
    bool set_token(int id, double value);

    double get(std::string_view name) const;
    void set(std::string_view name, double value);

private:
    void toggle(std::string_view name);
    Variables& vars_;
    double canopy_target_ = 0.0;
};

}  // namespace bench
