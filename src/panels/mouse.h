// Mouse areas, tooltips and click sounds.
//
// Every gauge's mouse table has the same shape:
//   mouse_begin(),
//   per control: group(x, y, w, h), tooltip("text", args), group_end(), then its click areas,
//   mouse_end(), mouse_eol()
// Click areas stand at the top level, outside the tooltip group of their control.
#pragma once

#include <cstddef>

#include "sdk/gauges.h"

namespace tarmelon {

// Mouse-flag bits the panels use.
constexpr sdk::FLAGS32 MOUSE_LEFT = 0x20000000;
constexpr sdk::FLAGS32 MOUSE_RIGHT = 0x80000000;
constexpr sdk::FLAGS32 MOUSE_LEFT_DRAG = 0x00800000;
constexpr sdk::FLAGS32 MOUSE_MOVE = 0x00400000;
constexpr sdk::FLAGS32 MOUSE_REPEAT = 0x00200000;
constexpr sdk::FLAGS32 MOUSE_LEFT_RELEASE = 0x00020000;
constexpr sdk::FLAGS32 MOUSE_WHEEL_UP = 0x00004000;
constexpr sdk::FLAGS32 MOUSE_WHEEL_DOWN = 0x00002000;

// Masks many panels share.
constexpr sdk::FLAGS32 MOUSE_LEFT_OR_RIGHT = MOUSE_LEFT | MOUSE_RIGHT;  // two-way and guarded switches
constexpr sdk::FLAGS32 MOUSE_HELD = MOUSE_LEFT | MOUSE_REPEAT | MOUSE_LEFT_RELEASE;  // works while held
constexpr sdk::FLAGS32 MOUSE_STEP_UP = MOUSE_LEFT | MOUSE_WHEEL_UP;  // a knob's up side: click or wheel
constexpr sdk::FLAGS32 MOUSE_STEP_DOWN = MOUSE_LEFT | MOUSE_WHEEL_DOWN;

constexpr sdk::MOUSERECT mouse_record(sdk::ENUM type, int x, int y, int w, int h, sdk::ENUM cursor) {
    sdk::MOUSERECT r{};
    r.rect_type = type;
    r.relative_box = {x, y, w, h};
    r.cursor = cursor;
    return r;
}

// The outermost parent: the whole gauge.
constexpr sdk::MOUSERECT mouse_begin() { return mouse_record(sdk::MOUSE_RECT_PARENT, 0, 0, 0, 0, sdk::CURSOR_NONE); }
constexpr sdk::MOUSERECT mouse_end() { return mouse_record(sdk::MOUSE_RECT_END_PARENT, 0, 0, 0, 0, sdk::CURSOR_NONE); }
constexpr sdk::MOUSERECT mouse_eol() { return mouse_record(sdk::MOUSE_RECT_EOL, 0, 0, 0, 0, sdk::CURSOR_NONE); }

// A tooltip group: the control's rectangle, its tooltip record, and the group's end.
constexpr sdk::MOUSERECT group(int x, int y, int w, int h) {
    return mouse_record(sdk::MOUSE_RECT_PARENT, x, y, w, h, sdk::CURSOR_NONE);
}
constexpr sdk::MOUSERECT group_end() { return mouse_end(); }

template <std::size_t N>
constexpr sdk::MOUSERECT tooltip(const char* text, sdk::MOUSE_ARG (&args)[N]) {
    sdk::MOUSERECT r = mouse_record(sdk::MOUSE_RECT_USER, 0, 0, 0, 0, sdk::CURSOR_NONE);
    r.event_id = static_cast<sdk::ID32>(N);
    r.mouse_function.tooltip_text = text;
    r.api_data = args;
    return r;
}
constexpr sdk::MOUSERECT tooltip(const char* text) {
    sdk::MOUSERECT r = mouse_record(sdk::MOUSE_RECT_USER, 0, 0, 0, 0, sdk::CURSOR_NONE);
    r.mouse_function.tooltip_text = text;
    return r;
}

// A click area: the simulator calls the callback for the events in the mask.
constexpr sdk::MOUSERECT click(int x, int y, int w, int h, sdk::ENUM cursor, sdk::FLAGS32 mask,
                               sdk::MOUSE_FUNCTION callback) {
    sdk::MOUSERECT r = mouse_record(sdk::MOUSE_RECT_CHILD, x, y, w, h, cursor);
    r.mouse_flags = mask;
    r.mouse_function.function = callback;
    return r;
}

// Tooltip arguments: exactly one callback set.
constexpr sdk::MOUSE_ARG numeric_arg(sdk::TOOLTIP_NUMERIC_CB callback) {
    sdk::MOUSE_ARG a{};
    a.numeric_callback = callback;
    return a;
}
constexpr sdk::MOUSE_ARG string_arg(sdk::TOOLTIP_STRING_CB callback) {
    sdk::MOUSE_ARG a{};
    a.string_callback = callback;
    return a;
}

// What a mouse callback receives as its first argument.
inline const sdk::MOUSECALLBACK* mouse_event(sdk::PIXPOINT* arg) {
    return reinterpret_cast<const sdk::MOUSECALLBACK*>(arg);
}

// Sounds click 1, 2 or 3 at a pan from -10000 (left) to 10000 (right): the pan first, then
// the trigger. The module never clears a trigger.
void click_sound(int click, int pan);
// Only the trigger, at the pan last written (the virtual cockpit's click-sound events).
void click_trigger(int click);

}  // namespace tarmelon
