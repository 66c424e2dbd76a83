// Module-wide fields of the instruments: the radio altimeter's limit height.
#pragma once

#include <cstdint>

namespace tarmelon {

struct InstrumentsState {
    std::int32_t radaltLimitHeight;  // feet, from the limit selector's last valid position
};

}  // namespace tarmelon
