// A simulator switch the module can only toggle (master battery, alternators, some lights),
// kept in step with the state the aircraft wants.
//
// A simulator may apply a toggle a frame or more after it was sent. Sending again while the
// first is still on its way would switch the simulator twice, and the two would keep
// chasing each other for ever. So once a toggle is sent, no other is sent for the same
// switch until the simulator shows the wanted state, or TOGGLE_SETTLE_UPDATES updates have
// passed (a toggle the simulator dropped is then sent again).
//
// Example: wanted on, simulator off: the first update sends a toggle; the simulator still
// reads off at the second update, which sends nothing; it reads on at the third, which
// ends the wait.
#pragma once

#include <cstdint>

namespace tarmelon {

constexpr std::uint8_t TOGGLE_SETTLE_UPDATES = 9;  // half a second at 18 updates a second

// One update of one switch; `wait` is the switch's own counter (0 when nothing is on its
// way). True when a toggle is to be sent now.
constexpr bool toggle_needed(std::uint8_t& wait, bool wanted, bool actual) {
    if (wanted == actual) {
        wait = 0;
        return false;
    }
    if (wait > 0) {
        --wait;
        return false;
    }
    wait = TOGGLE_SETTLE_UPDATES;
    return true;
}

}  // namespace tarmelon
