// Oxygen_Panel: the oxygen regulator: on/off valve, air inlet, manual selector, regulator
// pressure and the pilot's magnetic flow indicator. Installing it reads whether the
// navigator's compartment is manned; its update runs the flow indicators.
#include "panels/gauges/Oxygen_Panel.h"

#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "systems/cabin/cabin.h"

namespace tarmelon {

namespace {

bool valve_open() { return get_int("L:OxySelectorSwitch, bool") > 0; }
bool full_oxygen() { return get_int("L:OxyPercentSwitch, bool") > 0; }
bool pilot_flow() { return get_int("L:OxyLight_norm, bool") > 0; }

sdk::NONLINEARITY regulator_scale[] = {
    at(0, 170, 270), at(100, 190, 205), at(200, 235, 167), at(300, 301, 165), at(400, 357, 200), at(500, 383, 262),
};
constexpr int NEEDLE_MAX_DEGREES = 6;

constinit struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(14600, 0, 0);
    sdk::ELEMENT_ICON valve = icon(13844, 148, 553, 1, lamp<valve_open>);
    sdk::ELEMENT_NEEDLE regulator = needle(13828, 275, 270, 53, 15, regulator_scale, 6, needle_value<regulator_pressure>,
                                           NEEDLE_FLAGS, NEEDLE_MAX_DEGREES);
    sdk::ELEMENT_ICON air_inlet = icon(13837, 384, 27, 1, lamp<full_oxygen>);
    sdk::ELEMENT_ICON selector = icon(14592, 0, 257, 8, icon_value<oxygen_selector_frame>);
    sdk::ELEMENT_ICON flow_indicator = icon(13832, 55, 50, 1, lamp<pilot_flow>);
} elements;

ElementChain<6> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    tree.link(gauge, {el(elements.background), el(elements.valve), el(elements.regulator), el(elements.air_inlet),
                      el(elements.selector), el(elements.flow_indicator)});
}

constexpr Click OXYGEN_CLICK{1, 10000};

sdk::MOUSE_ARG regulator_args[] = {numeric_arg(tooltip_number<regulator_pressure_tooltip>)};

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(148, 553, 183, 83), tooltip("Oxygen ON/OFF Valve"), group_end(),
    click(148, 553, 183, 83, sdk::CURSOR_HAND, MOUSE_LEFT, oxygen_valve_mouse),
    group(178, 175, 190, 180), tooltip("Regulator Pressure Gauge [%1!d! PSI]", regulator_args), group_end(),
    group(384, 27, 111, 32), tooltip("Air Inlet Switch (Normal/100%)"), group_end(),
    click(384, 27, 111, 32, sdk::CURSOR_HAND, MOUSE_LEFT, air_inlet_mouse),
    group(105, 360, 120, 130), tooltip("Manual Selector Control"), group_end(),
    click(105, 360, 120, 65, sdk::CURSOR_DOWNARROW, MOUSE_LEFT, on_click<oxygen_selector_upper, NO_CLICK>),
    click(105, 425, 120, 65, sdk::CURSOR_UPARROW, MOUSE_LEFT, on_click<oxygen_selector_lower, NO_CLICK>),
    group(55, 50, 95, 97), tooltip("Magnetic Flow Indicator"), group_end(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_INSTALL) read_nav_compartment();
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) oxygen_flow_indicators();
}

}  // namespace

sdk::GBOOL TM_STDCALL oxygen_valve_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_oxygen_valve, OXYGEN_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL air_inlet_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_air_inlet, OXYGEN_CLICK>(at, flags);
}

extern const GaugeParts Oxygen_Panel = {&root, mouse, callback, link};

}  // namespace tarmelon
