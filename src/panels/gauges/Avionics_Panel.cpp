// Avionics_Panel: avionics master, emergency avionics, and the electric-start battery's
// digital voltmeter with its breakers.
#include "panels/gauges/Avionics_Panel.h"

#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "systems/electrical/electrical_controls.h"

namespace tarmelon {

namespace {
constexpr Click PANEL_CLICK{2, 10000};
constexpr Click GUARD_CLICK{3, 10000};
}  // namespace

sdk::GBOOL TM_STDCALL read_voltage_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_read_voltage, PANEL_CLICK>(at, flags);
}

namespace {

// The voltmeter's glyphs show while it reads; its digits are those of the start battery.
bool voltmeter_lit() { return voltmeter_shown(); }
template <std::int32_t Place>
double voltmeter_digit_frame() {
    return voltmeter_shown() ? static_cast<double>(voltmeter_digit(Place)) : ICON_HIDDEN;
}

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(14604, 0, 0);
    sdk::ELEMENT_ICON avionics_master = icon(14728, 96, 148, 2, variable_is_one<"L:ElecStart_AvsOnOffPos, bool">);
    sdk::ELEMENT_ICON read_voltage = icon(14666, 513, 649, 2, variable_is_one<"L:ElecStart_Push2ReadPos, bool">);
    sdk::ELEMENT_ICON dvm_breaker = icon(14736, 484, 151, 1, variable_lit<"L:ElecStart_DVMonoffPos, bool">);
    sdk::ELEMENT_ICON lights_breaker = icon(14745, 387, 151, 1, variable_lit<"L:ElecStart_InstLightsPos, bool">);
    sdk::ELEMENT_ICON emergency_avionics = icon(14742, 589, 6, 3, variable_frame<"L:ElecStart_EMGAv_position, number", 3>);
    sdk::ELEMENT_ICON dvm_symbol = icon(14704, 314, 716, 1, lamp<voltmeter_lit>);
    sdk::ELEMENT_ICON dvm_tenths = icon(14688, 325, 665, 1, lamp<voltmeter_lit>);
    sdk::ELEMENT_ICON dvm_hundreds = icon(14688, 206, 665, 10, icon_value<voltmeter_digit_frame<100>>);
    sdk::ELEMENT_ICON dvm_tens = icon(14688, 246, 665, 10, icon_value<voltmeter_digit_frame<10>>);
    sdk::ELEMENT_ICON dvm_units = icon(14688, 286, 665, 10, icon_value<voltmeter_digit_frame<1>>);
} elements;

ElementChain<11> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    tree.link(gauge, {el(elements.background), el(elements.avionics_master), el(elements.read_voltage),
                      el(elements.dvm_breaker), el(elements.lights_breaker), el(elements.emergency_avionics),
                      el(elements.dvm_symbol), el(elements.dvm_tenths), el(elements.dvm_hundreds),
                      el(elements.dvm_tens), el(elements.dvm_units)});
}

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(576, 73, 120, 200), tooltip("Emergency Avionics"), group_end(),
    click(576, 73, 120, 200, sdk::CURSOR_GRAB, MOUSE_LEFT | MOUSE_RIGHT, on_left_right<emergency_avionics_click, GUARD_CLICK>),
    group(387, 151, 97, 93), tooltip("Instrument Lights circuit breaker"), group_end(),
    click(387, 151, 97, 93, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<toggle_instrument_lights_breaker, PANEL_CLICK>),
    group(484, 151, 100, 93), tooltip("DVM circuit breaker"), group_end(),
    click(484, 151, 100, 93, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<toggle_dvm_breaker, PANEL_CLICK>),
    group(513, 649, 102, 107), tooltip("Read voltage"), group_end(),
    click(513, 649, 102, 107, sdk::CURSOR_HAND, MOUSE_LEFT, read_voltage_mouse),
    group(96, 148, 104, 99), tooltip("Avionics master switch"), group_end(),
    click(96, 148, 104, 99, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<toggle_avionics_master, PANEL_CLICK>),
    group(770, 0, 76, 76), tooltip("Restore volts"), group_end(),
    click(770, 0, 76, 76, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<restore_start_volts, NO_CLICK>),
    mouse_end(),
    mouse_eol(),
};

// Present, acting on no service.
void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace

extern const GaugeParts Avionics_Panel = {&root, mouse, callback, link};

}  // namespace tarmelon
