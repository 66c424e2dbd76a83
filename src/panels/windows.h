// The aircraft's panel windows, by the idents its panel configuration gives them. Key events
// 66506, 66507 and 66508 toggle, open and close a window (parameter: the ident).
#pragma once

#include <cstdint>

namespace tarmelon {

enum PanelWindow : std::uint32_t {
    WINDOW_ELECTRICAL = 100,
    WINDOW_TRIM = 200,
    WINDOW_ENGINE_START = 300,
    WINDOW_FUEL = 400,
    WINDOW_TAKEOFF = 500,
    WINDOW_OXYGEN = 600,
    WINDOW_AVIONICS = 700,
    WINDOW_LIGHTS = 800,
    WINDOW_AUTOPILOT = 900,
    WINDOW_RADIO_GPS = 1000,
    WINDOW_THROTTLES = 1100,
    WINDOW_GEAR_FLAPS = 1200,
    WINDOW_SELECTOR = 1300,
    WINDOW_SELECTOR_ARROW = 1400,
    WINDOW_FUEL_OVERVIEW = 1500,
    WINDOW_1600 = 1600,  // touched only by the start-up window cycling
    WINDOW_1700 = 1700,
    WINDOW_CHECKLIST = 1800,
    WINDOW_1900 = 1900,
};

// Every window the start-up cycling opens and closes (when hidden), in its order.
constexpr PanelWindow CYCLED_WINDOWS[] = {
    WINDOW_1600,       WINDOW_1700,        WINDOW_ELECTRICAL, WINDOW_TRIM,      WINDOW_ENGINE_START,
    WINDOW_FUEL,       WINDOW_TAKEOFF,     WINDOW_OXYGEN,     WINDOW_AVIONICS,  WINDOW_LIGHTS,
    WINDOW_AUTOPILOT,  WINDOW_RADIO_GPS,   WINDOW_THROTTLES,  WINDOW_GEAR_FLAPS, WINDOW_SELECTOR,
    WINDOW_SELECTOR_ARROW, WINDOW_FUEL_OVERVIEW, WINDOW_CHECKLIST, WINDOW_1900,
};

// Opens and closes every hidden panel window once, so that its gauges run once.
void cycle_panel_windows();

}  // namespace tarmelon
