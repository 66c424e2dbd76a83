// GearFlaps_Panel: gear buttons and lamps, flap lever and indicator, tip-tank jettison and
// canopy lift.
#include "panels/gauges/GearFlaps_Panel.h"

#include "core/vars.h"
#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "systems/canopy/canopy.h"
#include "systems/fuel/tip_tanks.h"
#include "systems/hydraulics/gear_panel.h"

namespace tarmelon {

namespace {
constexpr Click PANEL_CLICK{3, -10000};
}  // namespace

sdk::GBOOL TM_STDCALL gear_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<gear_up_button, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL gear_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<gear_down_button, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL flap_lever_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<flap_lever, PANEL_CLICK>(at, flags);
}

namespace {

double flaps_percent() { return static_cast<double>(get_int("A:Trailing edge flaps left percent, percent")); }
double flaps_tooltip() { return static_cast<double>(get_int("A:TRAILING EDGE FLAPS LEFT PERCENT,percent")); }

template <GearLeg Leg>
double red_lamp() {
    return gear_red_lamp(Leg);
}
template <GearLeg Leg, bool SetB>
double green_lamp() {
    return gear_green_lamp(Leg, SetB);
}

sdk::MOUSE_ARG flaps_args[] = {numeric_arg(tooltip_number<flaps_tooltip>)};

sdk::NONLINEARITY flaps_scale[] = {at(100, 447, 837), at(50, 352, 740), at(0, 444, 639)};

constexpr sdk::ELEMENT_ICON lamp_icon(sdk::ID bitmap, int x, int y, sdk::ICON_UPDATE_CALLBACK callback) {
    return icon(bitmap, x, y, 3, callback);
}

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(6550, 0, 0);
    sdk::ELEMENT_ICON stbd_greena = lamp_icon(6532, 507, 453, icon_value<green_lamp<GearLeg::STBD, true>>);
    sdk::ELEMENT_ICON nose_greenb = lamp_icon(6400, 459, 501, icon_value<green_lamp<GearLeg::NOSE, true>>);
    sdk::ELEMENT_ICON port_greenb = lamp_icon(5644, 345, 453, icon_value<green_lamp<GearLeg::PORT, true>>);
    sdk::ELEMENT_ICON stbd_greenb = lamp_icon(6528, 519, 387, icon_value<green_lamp<GearLeg::STBD, false>>);
    sdk::ELEMENT_ICON nose_greena = lamp_icon(5664, 391, 501, icon_value<green_lamp<GearLeg::NOSE, false>>);
    sdk::ELEMENT_ICON port_greena = lamp_icon(5632, 331, 387, icon_value<green_lamp<GearLeg::PORT, false>>);
    sdk::ELEMENT_ICON stbd_red = lamp_icon(6544, 484, 333, icon_value<red_lamp<GearLeg::STBD>>);
    sdk::ELEMENT_ICON nose_red = lamp_icon(16896, 425, 310, icon_value<red_lamp<GearLeg::NOSE>>);
    sdk::ELEMENT_ICON port_red = lamp_icon(5648, 365, 333, icon_value<red_lamp<GearLeg::PORT>>);
    sdk::ELEMENT_ICON ab_selector = icon(4480, 379, 406, 2, variable_frame<"L:gear_AB_lampPos, number", 2>);
    sdk::ELEMENT_ICON day_night_selector = icon(4487, 422, 370, 2, variable_frame<"L:gear_DayNight_lampPos, number", 2>);
    sdk::ELEMENT_ICON canopy_lift = icon(4357, 0, 643, 3, icon_value<canopy_lift_icon>);
    sdk::ELEMENT_ICON tip_tank_jettison = icon(4372, 464, 43, 3, icon_value<tip_tank_jettison_icon>);
    sdk::ELEMENT_NEEDLE flaps = needle(292, 443, 736, 11, 9, flaps_scale, 3, needle_value<flaps_percent>);
    sdk::ELEMENT_STATIC_IMAGE overlay = static_image(6549, 394, 689);
    sdk::ELEMENT_ICON flap_lever = icon(4364, 672, 618, 2, variable_on<"L:FlapLever Position, bool">);
    sdk::ELEMENT_ICON gear_down = icon(4380, 745, 410, 2, variable_on<"L:GearDownButton, bool">);
    sdk::ELEMENT_ICON gear_up = icon(4492, 764, 246, 2, variable_on<"L:GearUpButton, bool">);
} elements;

ElementChain<19> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    tree.link(gauge, {el(elements.background), el(elements.stbd_greena), el(elements.nose_greenb),
                      el(elements.port_greenb), el(elements.stbd_greenb), el(elements.nose_greena),
                      el(elements.port_greena), el(elements.stbd_red), el(elements.nose_red),
                      el(elements.port_red), el(elements.ab_selector), el(elements.day_night_selector),
                      el(elements.canopy_lift), el(elements.tip_tank_jettison), el(elements.flaps),
                      el(elements.overlay), el(elements.flap_lever), el(elements.gear_down),
                      el(elements.gear_up)});
}


sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(375, 369, 148, 61), tooltip("Day/Night lamp selector"), group_end(),
    click(375, 369, 74, 61, sdk::CURSOR_DOWNARROW, MOUSE_HELD, on_click<day_night_selector_raise, NO_CLICK>),
    click(449, 369, 74, 61, sdk::CURSOR_UPARROW, MOUSE_HELD, on_click<day_night_selector_lower, NO_CLICK>),
    group(375, 435, 148, 61), tooltip("Lamp A/B selector"), group_end(),
    click(375, 435, 74, 61, sdk::CURSOR_DOWNARROW, MOUSE_HELD, on_click<ab_selector_raise, NO_CLICK>),
    click(449, 435, 74, 61, sdk::CURSOR_UPARROW, MOUSE_HELD, on_click<ab_selector_lower, NO_CLICK>),
    group(746, 246, 114, 110), tooltip("Gear UP Button"), group_end(),
    click(746, 246, 114, 110, sdk::CURSOR_HAND, MOUSE_LEFT, gear_up_mouse),
    group(745, 410, 162, 147), tooltip("Gear Down Button"), group_end(),
    click(745, 410, 162, 147, sdk::CURSOR_HAND, MOUSE_LEFT, gear_down_mouse),
    group(672, 618, 258, 437), tooltip("Flaps lever up/down"), group_end(),
    click(672, 618, 258, 437, sdk::CURSOR_HAND, MOUSE_LEFT, flap_lever_mouse),
    group(286, 595, 324, 292), tooltip("Flaps position [%1!d! degrees]", flaps_args), group_end(),
    group(464, 43, 215, 228), tooltip("Jettison Tip Tanks"), group_end(),
    click(464, 43, 215, 228, sdk::CURSOR_GRAB, MOUSE_LEFT_OR_RIGHT, on_left_right_then_click<tip_tank_jettison_click, PANEL_CLICK>),
    group(0, 643, 127, 250), tooltip("Canopy lift"), group_end(),
    click(0, 643, 127, 250, sdk::CURSOR_GRAB, MOUSE_LEFT_OR_RIGHT, on_left_right_then_click<canopy_lift_click, PANEL_CLICK>),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) update_gear_panel();
}

}  // namespace

extern const GaugeParts GearFlaps_Panel = {&root, mouse, callback, link};

}  // namespace tarmelon
