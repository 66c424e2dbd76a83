// Module-wide fields of the canopy.
#pragma once

#include <cstdint>

namespace tarmelon {

struct CanopyState {
    std::uint8_t canopyClosed;         // the canopy was last seen fully closed
    std::uint8_t canopyFullyOpenSeen;  // the canopy was last seen fully open
};

}  // namespace tarmelon
