// Module-wide fields of the cabin air and oxygen systems.
#pragma once

#include <cstdint>

namespace tarmelon {

struct CabinState {
    std::int32_t oxygenRandom;  // 200 to 399, drawn at every initial state
};

}  // namespace tarmelon
