// Module-wide fields of the lighting system.
#pragma once

#include <cstdint>

namespace tarmelon {

struct LightingState {
    // Toggles of the simulator's wing, logo and cabin lights sent and not yet seen applied
    // (core/toggle_sync.h).
    std::uint8_t wingToggleWait;
    std::uint8_t logoToggleWait;
    std::uint8_t cabinToggleWait;
};

}  // namespace tarmelon
