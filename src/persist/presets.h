// The ready-to-fly and cold-and-dark cockpit presets.
#pragma once

#include <cstdint>

namespace tarmelon {

// ready: 1 the ready preset, 0 cold and dark (any other value does nothing).
// airborne_rule: 1 leaves the gear up when the aircraft is airborne.
void apply_state_preset(std::uint8_t ready, std::uint8_t airborne_rule);

}  // namespace tarmelon
