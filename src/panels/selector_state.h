// Module-wide fields of the panel selector.
#pragma once

#include <cstdint>

namespace tarmelon {

struct SelectorState {
    std::uint8_t arrowGaugeUpdated;  // the selector's arrow gauge has run its first update
};

}  // namespace tarmelon
