// Adaptors between a system's plain actions and readings and the callbacks the simulator
// calls: a gauge table row names an adaptor with the action and the click it sounds, e.g.
//   click(120, 40, 60, 60, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<toggle_taxi_lights, Click{1, -10000}>)
//   icon(4401, 120, 40, 2, switch_frame<taxi_switch_position>)
// so that a system never sees the gauge SDK and a gauge file holds only its tables.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/vars.h"
#include "panels/elements.h"
#include "panels/mouse.h"
#include "sdk/gauges.h"

namespace tarmelon {

// Which click sound a control makes (1, 2 or 3) and at which pan; sound 0 makes none.
struct Click {
    int sound;
    int pan;
};
constexpr Click NO_CLICK{0, 0};

// Any accepted event sounds the click, then runs the action.
template <void (*Action)(), Click C>
sdk::GBOOL TM_STDCALL on_click(sdk::PIXPOINT*, sdk::FLAGS32) {
    click_sound(C.sound, C.pan);
    Action();
    return 0;
}

// Any accepted event runs the action, then sounds the click (switches whose click follows
// the change).
template <void (*Action)(), Click C>
sdk::GBOOL TM_STDCALL on_click_then_sound(sdk::PIXPOINT*, sdk::FLAGS32) {
    Action();
    click_sound(C.sound, C.pan);
    return 0;
}

// A left or right click sounds the click, then runs the action with right = true for the
// right button. Other events do nothing.
template <void (*Action)(bool right), Click C>
sdk::GBOOL TM_STDCALL on_left_right(sdk::PIXPOINT*, sdk::FLAGS32 flags) {
    const bool right = (flags & MOUSE_RIGHT) != 0;
    if (!right && (flags & MOUSE_LEFT) == 0) return 0;
    click_sound(C.sound, C.pan);
    Action(right);
    return 0;
}

// A left or right click runs the action, then sounds the click (controls whose click
// follows the change).
template <void (*Action)(bool right), Click C>
sdk::GBOOL TM_STDCALL on_left_right_then_click(sdk::PIXPOINT*, sdk::FLAGS32 flags) {
    const bool right = (flags & MOUSE_RIGHT) != 0;
    if (!right && (flags & MOUSE_LEFT) == 0) return 0;
    Action(right);
    click_sound(C.sound, C.pan);
    return 0;
}

// Any accepted event runs the action, then sounds one of two clicks by its result (a
// circuit breaker: one click when pulled, another when reset).
template <bool (*Action)(), Click WhenTrue, Click WhenFalse>
sdk::GBOOL TM_STDCALL on_click_either(sdk::PIXPOINT*, sdk::FLAGS32) {
    const bool result = Action();
    click_sound(result ? WhenTrue.sound : WhenFalse.sound, result ? WhenTrue.pan : WhenFalse.pan);
    return 0;
}

// A virtual-cockpit routine that sounds its click, then runs the action.
template <void (*Action)(), Click C>
void with_click() {
    click_sound(C.sound, C.pan);
    Action();
}

// A virtual-cockpit routine that sounds its click only when the action moved the control.
template <bool (*Action)(), Click C>
void with_click_if() {
    if (Action()) click_sound(C.sound, C.pan);
}

// The action receives the raw mouse flags (held knobs, throttle levers): it sounds its own
// clicks.
template <void (*Action)(sdk::FLAGS32 flags)>
sdk::GBOOL TM_STDCALL on_mouse(sdk::PIXPOINT*, sdk::FLAGS32 flags) {
    Action(flags);
    return 0;
}

// The action receives the raw mouse flags (held selectors), then the click sounds.
template <void (*Action)(sdk::FLAGS32 flags), Click C>
sdk::GBOOL TM_STDCALL on_mouse_then_click(sdk::PIXPOINT*, sdk::FLAGS32 flags) {
    Action(flags);
    click_sound(C.sound, C.pan);
    return 0;
}

// A lever worked by dragging (the throttles): a right click runs Right; a left drag runs Drag
// with the pointer's height in the area, 0 at its top and 1 at its bottom. A call that
// carries no area (the virtual cockpit's) drags nothing.
template <void (*Right)(), void (*Drag)(double from_top)>
sdk::GBOOL TM_STDCALL on_lever(sdk::PIXPOINT* arg, sdk::FLAGS32 flags) {
    if ((flags & MOUSE_RIGHT) != 0) Right();
    if ((flags & MOUSE_LEFT_DRAG) != 0 && arg != nullptr) {
        const sdk::MOUSECALLBACK* event = mouse_event(arg);
        if (event->mouse != nullptr && event->mouse->relative_box.size_y > 0)
            Drag(static_cast<double>(event->relative_point.y) / event->mouse->relative_box.size_y);
    }
    return 0;
}

// One of a set of like controls that follow the mouse as well as take clicks (the checklist
// rows): the action gets the control's index, whether the mouse moved over it and whether
// the left button clicked it.
template <void (*Action)(int index, bool moved, bool left_click), int Index>
sdk::GBOOL TM_STDCALL on_hover_or_left(sdk::PIXPOINT*, sdk::FLAGS32 flags) {
    Action(Index, (flags & MOUSE_MOVE) != 0, (flags & MOUSE_LEFT) != 0);
    return 0;
}

// Element callbacks from plain readings.
template <double (*Value)()>
sdk::FLOAT64 TM_STDCALL icon_value(sdk::ELEMENT_ICON*) {
    return Value();
}
template <bool (*Lit)()>
sdk::FLOAT64 TM_STDCALL lamp(sdk::ELEMENT_ICON*) {
    return lit_while(Lit());
}
template <double (*Value)()>
sdk::FLOAT64 TM_STDCALL needle_value(sdk::ELEMENT_NEEDLE*) {
    return Value();
}
template <double (*Value)()>
sdk::FLOAT64 TM_STDCALL slider_value(sdk::ELEMENT_SLIDER*) {
    return Value();
}

template <bool (*Shown)()>
sdk::FLOAT64 TM_STDCALL switch_icon(sdk::ELEMENT_ICON*) {
    return on_while(Shown());
}

// A variable's name as a template argument, so that a table row can name the variable it
// shows: icon(1832, 48, 184, 2, variable_on<"L:Canopy Heat Position, bool">).
template <std::size_t N>
struct VariableName {
    char text[N];
    constexpr VariableName(const char (&name)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = name[i];
    }
};

// A two-frame switch: frame 1 while the variable is above 0, else 0.
template <VariableName Name>
sdk::FLOAT64 TM_STDCALL variable_on(sdk::ELEMENT_ICON*) {
    return on_while(get_int(Name.text) > 0);
}
// A two-frame switch: frame 1 while the variable is exactly 1, else 0.
template <VariableName Name>
sdk::FLOAT64 TM_STDCALL variable_is_one(sdk::ELEMENT_ICON*) {
    return on_while(get_int(Name.text) == 1);
}
// A switch of several positions: frame = the position; a position beyond the frames (a
// hand-edited panel state) shows the nearest frame rather than name one the icon has not.
template <VariableName Name, int Frames>
sdk::FLOAT64 TM_STDCALL variable_frame(sdk::ELEMENT_ICON*) {
    const std::int32_t position = get_int(Name.text);
    if (position < 0) return 0.0;
    return position < Frames ? static_cast<double>(position) : static_cast<double>(Frames - 1);
}
// A single-frame indicator shown while the variable is exactly 1.
template <VariableName Name>
sdk::FLOAT64 TM_STDCALL variable_lit(sdk::ELEMENT_ICON*) {
    return lit_while(get_int(Name.text) == 1);
}
// A numeric tooltip argument read from a variable.
template <VariableName Name>
sdk::FLOAT64 TM_STDCALL tooltip_variable(sdk::FLOAT64, sdk::ID, const char*, sdk::MODULE_VAR*, sdk::GAUGEHDR*) {
    return get_double(Name.text);
}

// Tooltip arguments from plain readings.
template <double (*Value)()>
sdk::FLOAT64 TM_STDCALL tooltip_number(sdk::FLOAT64, sdk::ID, const char*, sdk::MODULE_VAR*, sdk::GAUGEHDR*) {
    return Value();
}
template <const char* (*Text)()>
const char* TM_STDCALL tooltip_text(sdk::FLOAT64, sdk::ID, const char*, sdk::MODULE_VAR*, sdk::GAUGEHDR*) {
    return Text();
}

}  // namespace tarmelon
