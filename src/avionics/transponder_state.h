// Module-wide fields of the transponder.
#pragma once

#include <cstdint>

namespace tarmelon {

struct TransponderState {
    // The code's digits from the left, each 0 to 7. They hold 7000 when the module is
    // loaded and keep any later entry: module start does not reset them.
    std::int32_t transponderDigits[4] = {7, 0, 0, 0};
};

}  // namespace tarmelon
