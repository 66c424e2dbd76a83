// Autopilot_Switch_Panel: the autopilot's POWER, ENGAGE, mode and channel switches, its
// READY and IN magnetic indicators, the dimmers, airspeed hold and the NAV/GPS source. Its
// pre-update service is the autopilot's per-frame supervision.
#include "panels/gauges/Autopilot_Switch_Panel.h"

#include "autopilot/autopilot.h"
#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
constexpr Click PANEL_CLICK{1, 10000};  // every switch but the dimmers, airspeed hold and NAV/GPS, after the change
}  // namespace

sdk::GBOOL TM_STDCALL ap_aileron_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click_then_sound<ap_aileron_switch_click, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL ap_elevator_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click_then_sound<ap_elevator_switch_click, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL ap_rudder_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click_then_sound<ap_rudder_switch_click, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL ap_alt_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click_then_sound<ap_alt_switch_click, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL ap_bomb_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click_then_sound<ap_bomb_switch_click, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL ap_engage_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click_then_sound<ap_engage_switch_click, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL ap_glide_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click_then_sound<ap_glide_switch_click, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL ap_power_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click_then_sound<ap_power_switch_click, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL ap_track_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click_then_sound<ap_track_switch_click, PANEL_CLICK>(at, flags);
}

namespace {

sdk::MOUSE_ARG aileron_args[] = {string_arg(tooltip_text<ap_aileron_text>)};
sdk::MOUSE_ARG elevator_args[] = {string_arg(tooltip_text<ap_elevator_text>)};
sdk::MOUSE_ARG rudder_args[] = {string_arg(tooltip_text<ap_rudder_text>)};
sdk::MOUSE_ARG alt_args[] = {string_arg(tooltip_text<ap_alt_text>), numeric_arg(tooltip_number<ap_alt_reference_feet>)};
sdk::MOUSE_ARG bomb_args[] = {string_arg(tooltip_text<ap_bomb_text>)};
sdk::MOUSE_ARG engage_args[] = {string_arg(tooltip_text<ap_engage_text>)};
sdk::MOUSE_ARG glide_args[] = {string_arg(tooltip_text<ap_glide_text>)};
sdk::MOUSE_ARG power_args[] = {string_arg(tooltip_text<ap_power_text>)};
sdk::MOUSE_ARG track_args[] = {string_arg(tooltip_text<ap_track_text>),
                               numeric_arg(tooltip_number<ap_track_reference_degrees>)};
sdk::MOUSE_ARG rdu_dimmer_args[] = {string_arg(tooltip_text<ap_rdu_dimmer_text>)};
sdk::MOUSE_ARG slip_dimmer_args[] = {string_arg(tooltip_text<ap_slip_dimmer_text>)};
sdk::MOUSE_ARG airspeed_hold_args[] = {string_arg(tooltip_text<ap_airspeed_hold_text>)};
sdk::MOUSE_ARG nav_gps_args[] = {string_arg(tooltip_text<ap_nav_gps_text>)};

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(10628, 0, 0);
    sdk::ELEMENT_ICON track = icon(10624, 52, 299, 2, switch_icon<ap_track_switch_up>);
    sdk::ELEMENT_ICON power = icon(10506, 51, 617, 2, switch_icon<ap_power_switch_up>);
    sdk::ELEMENT_ICON glide = icon(10504, 53, 466, 2, switch_icon<ap_glide_switch_up>);
    sdk::ELEMENT_ICON engage = icon(10502, 585, 625, 2, switch_icon<ap_engage_switch_up>);
    sdk::ELEMENT_ICON bomb = icon(10500, 590, 262, 2, switch_icon<ap_bomb_switch_up>);
    sdk::ELEMENT_ICON alt = icon(10498, 585, 472, 2, switch_icon<ap_alt_switch_up>);
    sdk::ELEMENT_ICON rudder = icon(10496, 199, 301, 2, switch_icon<ap_rudder_switch_up>);
    sdk::ELEMENT_ICON elevator = icon(9738, 446, 301, 2, switch_icon<ap_elevator_switch_up>);
    sdk::ELEMENT_ICON aileron = icon(9736, 321, 301, 2, switch_icon<ap_aileron_switch_up>);
    sdk::ELEMENT_ICON in_indicator = icon(9734, 437, 544, 2, switch_icon<ap_in_indicator_shown>);
    sdk::ELEMENT_ICON ready_indicator = icon(9732, 202, 544, 2, switch_icon<ap_ready_indicator_shown>);
    sdk::ELEMENT_ICON slip_dimmer = icon(10629, 177, 101, 2, switch_icon<ap_slip_dimmer_up>);
    sdk::ELEMENT_ICON rdu_dimmer = icon(10629, 510, 101, 2, switch_icon<ap_rdu_dimmer_up>);
} elements;

ElementChain<14> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    tree.link(gauge, {el(elements.background), el(elements.track), el(elements.power), el(elements.glide),
                      el(elements.engage), el(elements.bomb), el(elements.alt), el(elements.rudder),
                      el(elements.elevator), el(elements.aileron), el(elements.in_indicator),
                      el(elements.ready_indicator), el(elements.slip_dimmer), el(elements.rdu_dimmer)});
}

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(202, 544, 112, 115), tooltip("Autopilot READY magnetic indicator"), group_end(),
    group(437, 544, 114, 115), tooltip("Autopilot IN magnetic indicator"), group_end(),
    group(321, 301, 104, 104), tooltip("Autopilot aileron channel switch [%1!s!]", aileron_args), group_end(),
    click(321, 301, 104, 104, sdk::CURSOR_HAND, MOUSE_LEFT, ap_aileron_switch_mouse),
    group(446, 301, 104, 104), tooltip("Autopilot elevator channel switch [%1!s!]", elevator_args), group_end(),
    click(446, 301, 104, 104, sdk::CURSOR_HAND, MOUSE_LEFT, ap_elevator_switch_mouse),
    group(199, 301, 104, 104), tooltip("Autopilot rudder channel switch [%1!s!]", rudder_args), group_end(),
    click(199, 301, 104, 104, sdk::CURSOR_HAND, MOUSE_LEFT, ap_rudder_switch_mouse),
    group(585, 472, 149, 129), tooltip("Autopilot ALT switch [%1!s!], [%2!d!ft]", alt_args), group_end(),
    click(585, 472, 149, 129, sdk::CURSOR_HAND, MOUSE_LEFT, ap_alt_switch_mouse),
    group(590, 262, 134, 161), tooltip("Autopilot BOMB switch [%1!s!]", bomb_args), group_end(),
    click(590, 262, 134, 161, sdk::CURSOR_HAND, MOUSE_LEFT, ap_bomb_switch_mouse),
    group(585, 625, 149, 147), tooltip("Autopilot ENGAGE switch [%1!s!]", engage_args), group_end(),
    click(585, 625, 149, 147, sdk::CURSOR_HAND, MOUSE_LEFT, ap_engage_switch_mouse),
    group(53, 466, 149, 135), tooltip("Autopilot GLIDE switch [%1!s!]", glide_args), group_end(),
    click(53, 466, 149, 135, sdk::CURSOR_HAND, MOUSE_LEFT, ap_glide_switch_mouse),
    group(51, 617, 150, 148), tooltip("Autopilot POWER switch [%1!s!]", power_args), group_end(),
    click(51, 617, 150, 148, sdk::CURSOR_HAND, MOUSE_LEFT, ap_power_switch_mouse),
    group(52, 299, 147, 109), tooltip("Autopilot TRACK switch [%1!s!], [%2!d! deg]", track_args), group_end(),
    click(52, 299, 147, 109, sdk::CURSOR_HAND, MOUSE_LEFT, ap_track_switch_mouse),
    group(510, 101, 127, 112), tooltip("RDU dimmer switch [%1!s!]", rdu_dimmer_args), group_end(),
    click(510, 101, 127, 112, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<ap_rdu_dimmer_click, NO_CLICK>),
    group(177, 101, 130, 130), tooltip("Slip ball dimmer switch [%1!s!]", slip_dimmer_args), group_end(),
    click(177, 101, 130, 130, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<ap_slip_dimmer_click, NO_CLICK>),
    group(678, 0, 75, 75), tooltip("Airspeed hold [%1!s!]", airspeed_hold_args), group_end(),
    click(678, 0, 75, 75, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<ap_airspeed_hold_click, NO_CLICK>),
    group(0, 816, 75, 75), tooltip("NAV/GPS toggle [%1!s!]", nav_gps_args), group_end(),
    click(0, 816, 75, 75, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<ap_nav_gps_click, NO_CLICK>),
    mouse_end(),
    mouse_eol(),
};

// Gauge install resets the autopilot; before each update the supervision runs.
void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_INSTALL) resetAutopilot();
    else if (service == sdk::PANEL_SERVICE_PRE_UPDATE) autopilotFrame();
}

}  // namespace

extern const GaugeParts Autopilot_Switch_Panel = {&root, mouse, callback, link};

}  // namespace tarmelon
