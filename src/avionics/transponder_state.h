// Module-wide fields of the transponder.
#pragma once

#include <cstdint>

namespace tarmelon {

struct TransponderState {
    // The code's digits from the left, each 0 to 7. They hold 7000 when the module is
    // loaded and keep any later entry: module start does not reset them.
    std::int32_t transponderDigits[4] = {7, 0, 0, 0};
    // The navigator's XPDR keypad: an entry in progress and the digit it writes next (0 to 3).
    std::uint8_t transponderEntryActive = 0;
    std::int32_t transponderCursor = 0;
    // 0 STBY, 1 GND, 2 ON, 3 ALT.
    std::int32_t gtnXpdrMode = 0;
    // The simulator's code as the navigator shows it, as four digits (7000 for 0x7000).
    std::int32_t transponderCodeShown = 0;
};

}  // namespace tarmelon
