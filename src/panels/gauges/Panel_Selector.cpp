// Panel_Selector: a floating window with one button per 2D panel. A click opens or closes
// the panel's window; a second image layer marks the open windows; the button under the
// mouse is highlighted and named in the caption line; three more buttons work the canopy,
// the navigator's hatch and the cockpit's power state. Every update the selector also
// publishes which windows are open, for the virtual cockpit's copy of the selector.
#include "panels/panel_selector.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "core/host.h"
#include "core/sim_keys.h"
#include "core/vars.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "panels/windows.h"
#include "persist/presets.h"
#include "state.h"
#include "systems/canopy/canopy.h"

namespace tarmelon {

namespace {

constexpr std::uint32_t SELECTOR_WINDOW = WINDOW_SELECTOR;
constexpr std::uint32_t ARROW_WINDOW = WINDOW_SELECTOR_ARROW;
constexpr std::uint32_t CHECKLIST_WINDOW = WINDOW_CHECKLIST;

// Slot of a followed window in windowOpenValue: 100 .. 1300 are slots 0 .. 12, the checklist 13.
constexpr int window_slot(std::uint32_t ident) {
    if (ident == CHECKLIST_WINDOW) return SELECTOR_WINDOW_COUNT - 1;
    if (ident >= 100 && ident <= SELECTOR_WINDOW && ident % 100 == 0) return static_cast<int>(ident / 100) - 1;
    return -1;
}

constexpr std::uint32_t slot_window(int slot) {
    return slot == SELECTOR_WINDOW_COUNT - 1 ? CHECKLIST_WINDOW : static_cast<std::uint32_t>(slot + 1) * 100;
}

// The published open-window variables, in the order they are written.
struct Published {
    const char* name;
    std::uint32_t window;
};
constexpr Published PUBLISHED[SELECTOR_WINDOW_COUNT] = {
    {"PANELSEL_AP_active", WINDOW_AUTOPILOT},
    {"PANELSEL_AVI_active", WINDOW_AVIONICS},
    {"PANELSEL_ENG_active", WINDOW_ENGINE_START},
    {"PANELSEL_FUEL_active", WINDOW_FUEL},
    {"PANELSEL_RADGPS_active", WINDOW_RADIO_GPS},
    {"PANELSEL_GEAR_active", WINDOW_GEAR_FLAPS},
    {"PANELSEL_HYD_active", WINDOW_TAKEOFF},
    {"PANELSEL_INV_active", WINDOW_ELECTRICAL},
    {"PANELSEL_LIGHTS_active", WINDOW_LIGHTS},
    {"PANELSEL_OXY_active", WINDOW_OXYGEN},
    {"PANELSEL_THR_active", WINDOW_THROTTLES},
    {"PANELSEL_TRIM_active", WINDOW_TRIM},
    {"PANELSEL_active", WINDOW_SELECTOR},
    {"PANELSEL_CHECKLIST_active", WINDOW_CHECKLIST},
};

enum class Action : std::uint8_t { TOGGLE_WINDOW, POWER, NAV_HATCH, CANOPY, CLOSE_ALL, CLOSE_SELECTOR };

// What an open marker shows: a window's open value, or one of the three cockpit states.
enum class Marker : std::uint8_t { NONE, WINDOW, CANOPY, HATCH, POWER };

struct Button {
    int x, y, w, h;
    sdk::ID highlight;       // 0: none
    sdk::ID marker_bitmap;   // 0: none
    Marker marker;
    const char* tooltip;     // null: none
    const char* caption;     // null: none
    int caption_width;       // the caption is printed right-aligned in this many characters
    Action action;
    std::uint32_t window;    // the window the button toggles and marks
};

// In the order of the highlight and marker layers; the first 17 own a hover flag each.
constexpr Button BUTTONS[] = {
    {172, 82, 22, 21, 17928, 17929, Marker::WINDOW, nullptr, "Checklist", 9, Action::TOGGLE_WINDOW, 1800},
    {83, 91, 30, 30, 14881, 14884, Marker::POWER, "Toggle Power", "Power", 4, Action::POWER, 0},
    {83, 157, 30, 30, 14872, 14876, Marker::HATCH, "Toggle Nav Hatch", "Nav Hatch", 4, Action::NAV_HATCH, 0},
    {83, 124, 30, 30, 14860, 14864, Marker::CANOPY, "Toggle Canopy", "Canopy", 4, Action::CANOPY, 0},
    {172, 165, 24, 21, 12546, 12547, Marker::WINDOW, "Autopilot Panel", "Autopilot", 9, Action::TOGGLE_WINDOW, 900},
    {149, 165, 22, 21, 12673, 12674, Marker::WINDOW, "Avionics Panel", "Avionics", 8, Action::TOGGLE_WINDOW, 700},
    {140, 79, 21, 7, 12549, 12550, Marker::WINDOW, "Engine Start Panel", "ENG start", 9, Action::TOGGLE_WINDOW, 300},
    {137, 87, 27, 34, 12801, 12802, Marker::WINDOW, "Fuel Panel", "Fuel", 4, Action::TOGGLE_WINDOW, 400},
    {137, 123, 28, 19, 13570, 13572, Marker::WINDOW, "Radio/GPS Panel", "Radio/GPS", 9, Action::TOGGLE_WINDOW, 1000},
    {5, 52, 42, 50, 13580, 13584, Marker::WINDOW, "Gear and Flaps Panel", "Gear/Flaps", 10, Action::TOGGLE_WINDOW, 1200},
    {167, 107, 26, 38, 13592, 13594, Marker::WINDOW, "Takeoff Panel", "Takeoff", 7, Action::TOGGLE_WINDOW, 500},
    {137, 144, 22, 19, 13596, 13597, Marker::WINDOW, "Electrical Panel", "Electrical", 10, Action::TOGGLE_WINDOW, 100},
    {137, 189, 59, 29, 13599, 13610, Marker::WINDOW, "Lights Panel", "Lights", 6, Action::TOGGLE_WINDOW, 800},
    {46, 4, 137, 75, 10755, 0, Marker::NONE, "Close all 2D panels", "Close All", 9, Action::CLOSE_ALL, 0},
    {161, 147, 31, 17, 13700, 13704, Marker::WINDOW, "Oxygen Panel", "Oxygen", 6, Action::TOGGLE_WINDOW, 600},
    {4, 103, 57, 44, 13706, 13707, Marker::WINDOW, "Throttles Panel", "Throttles", 9, Action::TOGGLE_WINDOW, 1100},
    {4, 148, 56, 37, 13709, 13824, Marker::WINDOW, "Trim Panel", "Trim", 4, Action::TOGGLE_WINDOW, 200},
    {7, 7, 15, 15, 0, 0, Marker::NONE, "Close Panel Selector", nullptr, 0, Action::CLOSE_SELECTOR, 0},
};
constexpr int BUTTON_COUNT = static_cast<int>(sizeof BUTTONS / sizeof BUTTONS[0]);
static_assert(BUTTON_COUNT == SELECTOR_HOVER_COUNT + 1);

enum ButtonIndex : int {
    CHECKLIST, POWER, NAV_HATCH, CANOPY, AUTOPILOT, AVIONICS, ENGINE_START, FUEL, RADIO_GPS,
    GEAR_FLAPS, TAKEOFF, ELECTRICAL, LIGHTS, CLOSE_ALL, OXYGEN, THROTTLES, TRIM, CLOSE_SELECTOR,
};

// The caption names the first hovered button in this order.
constexpr int CAPTION_ORDER[SELECTOR_HOVER_COUNT] = {
    AUTOPILOT, AVIONICS, ENGINE_START, FUEL, RADIO_GPS, GEAR_FLAPS, TAKEOFF, ELECTRICAL, LIGHTS,
    CLOSE_ALL, OXYGEN, THROTTLES, TRIM, CANOPY, NAV_HATCH, POWER, CHECKLIST,
};

// "Close all 2D panels" closes these, in this order; the selector, its arrow and the
// overview windows stay as they are.
constexpr std::uint32_t CLOSE_ALL_WINDOWS[] = {
    WINDOW_ELECTRICAL, WINDOW_TRIM,      WINDOW_ENGINE_START, WINDOW_FUEL,     WINDOW_TAKEOFF,
    WINDOW_OXYGEN,     WINDOW_AVIONICS,  WINDOW_LIGHTS,       WINDOW_AUTOPILOT, WINDOW_RADIO_GPS,
    WINDOW_THROTTLES,  WINDOW_GEAR_FLAPS, WINDOW_CHECKLIST,
};

constexpr int CAPTION_WIDTH = 10;
constexpr StringStyle CAPTION_STYLE = {0x636363, "ariblk", 400};

// Only the electrical panel's button draws its images with transparency.
constexpr sdk::FLAGS button_icon_flags(int button) {
    return button == ELECTRICAL ? DRAW_TRANSPARENT | DRAW_ERASE : DRAW_ERASE;
}

// ---- actions ---------------------------------------------------------------------------

void left_click(const Button& button) {
    switch (button.action) {
        case Action::TOGGLE_WINDOW: host_trigger_key_event(KEY_PANEL_TOGGLE, button.window); break;
        case Action::POWER: apply_state_preset(state.presets.readyPresetActive == 1 ? 0 : 1, 0); break;
        case Action::NAV_HATCH: nose_cone_toggle(); break;
        case Action::CANOPY: canopy_toggle(); break;
        case Action::CLOSE_ALL:
            for (std::uint32_t window : CLOSE_ALL_WINDOWS) host_trigger_key_event(KEY_PANEL_CLOSE, window);
            break;
        case Action::CLOSE_SELECTOR:
            state.selector.closedByItsButton = 1;
            host_trigger_key_event(KEY_PANEL_TOGGLE, SELECTOR_WINDOW);
            host_trigger_key_event(KEY_PANEL_OPEN, ARROW_WINDOW);
            break;
    }
}

void clear_hover() {
    for (std::int32_t& flag : state.selector.hoverFlags) flag = SELECTOR_NOT_HOVERED;
}

// ---- mouse -----------------------------------------------------------------------------

// Called for mouse movement and left clicks over one of the 17 hover buttons.
template <int B>
sdk::GBOOL TM_STDCALL button_mouse(sdk::PIXPOINT*, sdk::FLAGS32 flags) {
    static_assert(B >= 0 && B < SELECTOR_HOVER_COUNT);
    clear_hover();
    if ((flags & MOUSE_MOVE) != 0) state.selector.hoverFlags[B] = SELECTOR_HOVERED;
    if ((flags & MOUSE_LEFT) != 0) left_click(BUTTONS[B]);
    return 0;
}

sdk::GBOOL TM_STDCALL close_selector_mouse(sdk::PIXPOINT*, sdk::FLAGS32 flags) {
    if ((flags & MOUSE_LEFT) != 0) left_click(BUTTONS[CLOSE_SELECTOR]);
    return 0;
}

// The mouse is over the selector but over no button.
sdk::GBOOL TM_STDCALL selector_hover_mouse(sdk::PIXPOINT*, sdk::FLAGS32) {
    clear_hover();
    return 0;
}

constexpr sdk::MOUSERECT button_group(int b) {
    return group(BUTTONS[b].x, BUTTONS[b].y, BUTTONS[b].w, BUTTONS[b].h);
}
constexpr sdk::MOUSERECT button_tooltip(int b) { return tooltip(BUTTONS[b].tooltip); }

template <int B>
constexpr sdk::MOUSERECT button_area() {
    const Button& b = BUTTONS[B];
    if constexpr (B == CLOSE_SELECTOR)
        return click(b.x, b.y, b.w, b.h, sdk::CURSOR_HAND, MOUSE_LEFT, close_selector_mouse);
    else
        return click(b.x, b.y, b.w, b.h, sdk::CURSOR_HAND, MOUSE_LEFT | MOUSE_MOVE, button_mouse<B>);
}

// ---- elements --------------------------------------------------------------------------

template <int B>
sdk::FLOAT64 TM_STDCALL highlight_frame(sdk::ELEMENT_ICON*) {
    return static_cast<double>(state.selector.hoverFlags[B]);
}

double marker_value(const Button& button) {
    switch (button.marker) {
        case Marker::WINDOW: {
            const int slot = window_slot(button.window);
            return slot < 0 ? 0.0 : state.selector.windowOpenValue[slot];
        }
        case Marker::CANOPY: return state.selector.canopyOpenValue;
        case Marker::HATCH: return state.selector.hatchOpenValue;
        case Marker::POWER: return state.selector.powerValue;
        case Marker::NONE: break;
    }
    return 0.0;
}

template <int B>
sdk::FLOAT64 TM_STDCALL marker_frame(sdk::ELEMENT_ICON*) {
    return lit_while(marker_value(BUTTONS[B]) == 1.0);
}

sdk::FLOAT64 TM_STDCALL caption_text(sdk::ELEMENT_STRING* element) {
    const Button* hovered = nullptr;
    for (int b : CAPTION_ORDER) {
        if (state.selector.hoverFlags[b] == SELECTOR_HOVERED) {
            hovered = &BUTTONS[b];
            break;
        }
    }
    if (hovered != nullptr)
        write_text(element, "%*s", hovered->caption_width, hovered->caption);
    else
        write_text(element, "%*s", CAPTION_WIDTH, "");
    return string_redraw(element);
}

// The open markers: every button but "Close All" (and the close button, which has none).
constexpr int marker_button(std::size_t m) { return m < CLOSE_ALL ? static_cast<int>(m) : static_cast<int>(m) + 1; }
constexpr std::size_t MARKER_COUNT = SELECTOR_HOVER_COUNT - 1;

template <std::size_t... I>
constexpr std::array<sdk::ELEMENT_ICON, sizeof...(I)> highlights(std::index_sequence<I...>) {
    return {icon(BUTTONS[I].highlight, BUTTONS[I].x, BUTTONS[I].y, 1, highlight_frame<static_cast<int>(I)>,
                 button_icon_flags(static_cast<int>(I)))...};
}

template <std::size_t... I>
constexpr std::array<sdk::ELEMENT_ICON, sizeof...(I)> markers(std::index_sequence<I...>) {
    return {icon(BUTTONS[marker_button(I)].marker_bitmap, BUTTONS[marker_button(I)].x, BUTTONS[marker_button(I)].y, 1,
                 marker_frame<marker_button(I)>, button_icon_flags(marker_button(I)))...};
}

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(10753, 0, 0);
    std::array<sdk::ELEMENT_ICON, SELECTOR_HOVER_COUNT> highlight =
        highlights(std::make_index_sequence<SELECTOR_HOVER_COUNT>{});
    std::array<sdk::ELEMENT_ICON, MARKER_COUNT> marker = markers(std::make_index_sequence<MARKER_COUNT>{});
    sdk::ELEMENT_STRING caption = text(5, 189, 129, 28, CAPTION_STYLE, CAPTION_WIDTH, caption_text);
} elements;

constexpr std::size_t ELEMENT_COUNT = 1 + SELECTOR_HOVER_COUNT + MARKER_COUNT + 1;

std::array<sdk::ELEMENT_HEADER*, ELEMENT_COUNT> element_order() {
    std::array<sdk::ELEMENT_HEADER*, ELEMENT_COUNT> order{};
    std::size_t n = 0;
    order[n++] = el(elements.background);
    for (auto& e : elements.highlight) order[n++] = el(e);
    for (auto& e : elements.marker) order[n++] = el(e);
    order[n++] = el(elements.caption);
    return order;
}

ElementChain<ELEMENT_COUNT> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) { tree.link(gauge, element_order()); }

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    button_group(POWER), button_tooltip(POWER), group_end(),
    button_group(NAV_HATCH), button_tooltip(NAV_HATCH), group_end(),
    button_group(CANOPY), button_tooltip(CANOPY), group_end(),
    button_group(AUTOPILOT), button_tooltip(AUTOPILOT), group_end(),
    button_group(AVIONICS), button_tooltip(AVIONICS), group_end(),
    button_group(ENGINE_START), button_tooltip(ENGINE_START), group_end(),
    button_group(FUEL), button_tooltip(FUEL), group_end(),
    button_group(RADIO_GPS), button_tooltip(RADIO_GPS), group_end(),
    button_group(GEAR_FLAPS), button_tooltip(GEAR_FLAPS), group_end(),
    button_group(TAKEOFF), button_tooltip(TAKEOFF), group_end(),
    button_group(ELECTRICAL), button_tooltip(ELECTRICAL), group_end(),
    button_group(LIGHTS), button_tooltip(LIGHTS), group_end(),
    button_group(CLOSE_ALL), button_tooltip(CLOSE_ALL), group_end(),
    button_group(OXYGEN), button_tooltip(OXYGEN), group_end(),
    button_group(THROTTLES), button_tooltip(THROTTLES), group_end(),
    button_group(TRIM), button_tooltip(TRIM), group_end(),
    button_group(CLOSE_SELECTOR), button_tooltip(CLOSE_SELECTOR), group_end(),
    // The whole selector first: every button lies inside it.
    click(0, 0, 200, 222, sdk::CURSOR_NONE, MOUSE_MOVE, selector_hover_mouse),
    button_area<CHECKLIST>(),
    button_area<POWER>(),
    button_area<NAV_HATCH>(),
    button_area<CANOPY>(),
    button_area<AUTOPILOT>(),
    button_area<AVIONICS>(),
    button_area<ENGINE_START>(),
    button_area<FUEL>(),
    button_area<RADIO_GPS>(),
    button_area<GEAR_FLAPS>(),
    button_area<TAKEOFF>(),
    button_area<ELECTRICAL>(),
    button_area<LIGHTS>(),
    button_area<CLOSE_ALL>(),
    button_area<OXYGEN>(),
    button_area<THROTTLES>(),
    button_area<TRIM>(),
    button_area<CLOSE_SELECTOR>(),
    mouse_end(),
    mouse_eol(),
};

}  // namespace

void reset_panel_selector() {
    for (double& value : state.selector.windowOpenValue) value = 0.0;
    clear_hover();
}

// Pre-update: publish the open states seen last time, then look at the windows again.
namespace {
void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service != sdk::PANEL_SERVICE_PRE_UPDATE) return;
    SelectorState& s = state.selector;

    for (int i = 0; i < SELECTOR_WINDOW_COUNT; ++i) {
        const Published& p = PUBLISHED[i];
        s.windowVariableIds[i] = host_check_named_variable(p.name);
        if (s.windowVariableIds[i] >= 0)
            host_set_named_variable_value(s.windowVariableIds[i], s.windowOpenValue[window_slot(p.window)]);
    }

    for (int slot = 0; slot < SELECTOR_WINDOW_COUNT; ++slot)
        s.windowOpenValue[slot] = on_while(host_is_panel_window_visible(slot_window(slot)));

    s.canopyOpenValue = on_while(state.canopy.canopyFullyOpenSeen == 1);
    s.hatchOpenValue = on_while(get_int("L:NoseConePos,number") == 100);
    s.powerValue = on_while(state.presets.readyPresetActive == 1);

    note_canopy_position();

    if (host_is_panel_window_visible(SELECTOR_WINDOW) && s.closedByItsButton == 0)
        host_trigger_key_event(KEY_PANEL_OPEN, SELECTOR_WINDOW);
}
}  // namespace

extern const GaugeParts Panel_Selector = {&root, mouse, callback, link};

}  // namespace tarmelon
