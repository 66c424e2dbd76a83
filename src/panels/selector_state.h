// Module-wide fields of the panel selector.
#pragma once

#include <cstdint>

namespace tarmelon {

// The panel windows whose open state the selector follows, in the order it asks about them.
constexpr int SELECTOR_WINDOW_COUNT = 14;   // 100, 200, ..., 1300, then the checklist 1800
constexpr int SELECTOR_HOVER_COUNT = 17;    // every button but "Close Panel Selector"
constexpr std::int32_t SELECTOR_NOT_HOVERED = -1;
constexpr std::int32_t SELECTOR_HOVERED = 0;

struct SelectorState {
    std::uint8_t arrowGaugeUpdated;  // the selector's arrow gauge has run its first update
    // 1.0 while the window was open at the selector's last pre-update.
    double windowOpenValue[SELECTOR_WINDOW_COUNT];
    double canopyOpenValue;  // the canopy-fully-open flag as of the last pre-update
    double hatchOpenValue;   // 1.0 while the nose cone is fully open
    double powerValue;       // 1.0 while the ready preset is the active one
    // Ids of the published open-window variables, fetched again on every pre-update.
    std::int32_t windowVariableIds[SELECTOR_WINDOW_COUNT];
    // 0 for the button under the mouse, -1 for the others.
    std::int32_t hoverFlags[SELECTOR_HOVER_COUNT];
    std::uint8_t closedByItsButton;  // the selector's own close button was used; never cleared
};

}  // namespace tarmelon
