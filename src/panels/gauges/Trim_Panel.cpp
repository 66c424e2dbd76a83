// Trim_Panel: trims, nosewheel mode, external lights, anti-ice, photoflash, flares, the CDL
// voice switch and ground power.
#include "panels/gauges/Trim_Panel.h"

#include "core/vars.h"
#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "systems/cabin/cabin.h"
#include "systems/electrical/electrical_controls.h"
#include "systems/flight_controls/flight_controls.h"
#include "systems/flight_controls/trims.h"
#include "systems/lighting/lighting.h"

namespace tarmelon {

namespace {
constexpr Click GROUND_POWER_CLICK{2, -10000};
constexpr Click TRIM_CLICK{1, -10000};
constexpr Click SWITCH_CLICK{2, -10000};
constexpr Click LEVER_CLICK{3, -10000};
}  // namespace

sdk::GBOOL TM_STDCALL ground_power_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<ground_power_click, GROUND_POWER_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL taxi_lights_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_taxi_lights, SWITCH_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL nav_lights_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_nav_lights, SWITCH_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL ident_lights_upper_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click_either<ident_lights_upper, LEVER_CLICK, NO_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL ident_lights_lower_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click_either<ident_lights_lower, LEVER_CLICK, NO_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL lights_master_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_lights_master, LEVER_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL landing_lights_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_left_right_then_click<landing_lights_click, LEVER_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL photoflash_lever_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<photoflash_lever, LEVER_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL port_anti_ice_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_port_anti_ice, LEVER_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL stbd_anti_ice_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_stbd_anti_ice, LEVER_CLICK>(at, flags);
}

sdk::GBOOL TM_STDCALL aileron_trim_decrease_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_mouse_then_click<trim_selector_decrease<TRIM_AILERON>, TRIM_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL aileron_trim_increase_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_mouse_then_click<trim_selector_increase<TRIM_AILERON>, TRIM_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL rudder_trim_decrease_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_mouse_then_click<trim_selector_decrease<TRIM_RUDDER>, TRIM_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL rudder_trim_increase_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_mouse_then_click<trim_selector_increase<TRIM_RUDDER>, TRIM_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL tail_trim_decrease_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_mouse_then_click<trim_selector_decrease<TRIM_TAIL>, TRIM_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL tail_trim_increase_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_mouse_then_click<trim_selector_increase<TRIM_TAIL>, TRIM_CLICK>(at, flags);
}

namespace {

const char* nosewheel_mode() { return get_int("L:nosewheel_Isolate, bool") == 1 ? "ON" : "OFF"; }

sdk::MOUSE_ARG aileron_trim_args[] = {numeric_arg(tooltip_variable<"A:AILERON TRIM, degrees">)};
sdk::MOUSE_ARG rudder_trim_args[] = {numeric_arg(tooltip_variable<"A:RUDDER TRIM, degrees">)};
sdk::MOUSE_ARG tail_trim_args[] = {numeric_arg(tooltip_variable<"A:ELEVATOR TRIM POSITION, degrees">)};
sdk::MOUSE_ARG nosewheel_args[] = {string_arg(tooltip_text<nosewheel_mode>)};

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(56768, 0, 0);
    sdk::ELEMENT_ICON cdl_mute_lamp = icon(524, 0, 890, 2, icon_value<cdl_mute_lamp_frame>);
    sdk::ELEMENT_ICON cdl_voice = icon(516, 78, 484, 3, variable_frame<"L:CDLVoiceSwitch_POS, number", 3>);
    sdk::ELEMENT_ICON photoflash_indicator = icon(1412, 424, 95, 3, icon_value<photoflash_indicator_frame>);
    sdk::ELEMENT_ICON photoflash_lever = icon(1416, 363, 330, 2, variable_on<"L:Photoflash_lever_POS, bool">);
    sdk::ELEMENT_ICON ident_lights = icon(2564, 637, 850, 3, icon_value<ident_switch_frame>);
    sdk::ELEMENT_ICON flare_jettison = icon(2560, 7, 9, 3, icon_value<flare_switch_frame>);
    sdk::ELEMENT_ICON landing_lights = icon(17024, 363, 836, 3, variable_frame<"L:Lights_landing_POS, number", 3>);
    sdk::ELEMENT_ICON lights_master = icon(520, 789, 836, 2, variable_on<"L:Lights_Master, bool">);
    sdk::ELEMENT_ICON stbd_anti_ice_1 = icon(41432, 945, 122, 2, variable_on<"L:AntiIce_stbd_switch_POS, bool">);
    sdk::ELEMENT_ICON port_anti_ice_1 = icon(1428, 693, 122, 2, variable_on<"L:AntiIce_port_switch_POS, bool">);
    sdk::ELEMENT_ICON stbd_anti_ice_2 = icon(41424, 899, 403, 2, variable_on<"L:AntiIce_stbd_switch_POS, bool">);
    sdk::ELEMENT_ICON port_anti_ice_2 = icon(1421, 645, 403, 2, variable_on<"L:AntiIce_port_switch_POS, bool">);
    sdk::ELEMENT_ICON taxi_lights = icon(1544, 241, 851, 2, icon_value<taxi_switch_frame>);
    sdk::ELEMENT_ICON nav_lights = icon(42580, 119, 851, 2, variable_on<"L:Lights_nav_POS, bool">);
    sdk::ELEMENT_ICON aileron_trim = icon(512, 1395, 645, 3, icon_value<trim_selector_icon<TRIM_AILERON>>);
    sdk::ELEMENT_ICON rudder_trim = icon(41408, 1395, 354, 3, icon_value<trim_selector_icon<TRIM_RUDDER>>);
    sdk::ELEMENT_ICON tail_trim = icon(1536, 1361, 168, 3, icon_value<trim_selector_icon<TRIM_TAIL>>);
    sdk::ELEMENT_ICON ground_power = icon(2572, 1736, 892, 2, variable_on<"L:TarmelonGroundPower, bool">);
} elements;

ElementChain<19> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    tree.link(gauge, {el(elements.background), el(elements.cdl_mute_lamp), el(elements.cdl_voice),
                      el(elements.photoflash_indicator), el(elements.photoflash_lever), el(elements.ident_lights),
                      el(elements.flare_jettison), el(elements.landing_lights), el(elements.lights_master),
                      el(elements.stbd_anti_ice_1), el(elements.port_anti_ice_1), el(elements.stbd_anti_ice_2),
                      el(elements.port_anti_ice_2), el(elements.taxi_lights), el(elements.nav_lights),
                      el(elements.aileron_trim), el(elements.rudder_trim), el(elements.tail_trim),
                      el(elements.ground_power)});
}


sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(1794, 0, 125, 125), tooltip("Reset Trims"), group_end(),
    click(1794, 0, 125, 125, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<reset_trims, NO_CLICK>),
    group(1395, 645, 208, 248), tooltip("Aileron Trim [%1!d! degrees]", aileron_trim_args), group_end(),
    click(1395, 645, 104, 248, sdk::CURSOR_DOWNARROW, MOUSE_HELD, aileron_trim_decrease_mouse),
    click(1499, 645, 104, 248, sdk::CURSOR_UPARROW, MOUSE_HELD, aileron_trim_increase_mouse),
    group(1395, 354, 208, 248), tooltip("Rudder Trim [%1!d! degrees]", rudder_trim_args), group_end(),
    click(1395, 354, 104, 248, sdk::CURSOR_DOWNARROW, MOUSE_HELD, rudder_trim_decrease_mouse),
    click(1499, 354, 104, 248, sdk::CURSOR_UPARROW, MOUSE_HELD, rudder_trim_increase_mouse),
    group(1306, 356, 61, 100), tooltip("Nosewheel Mode [%1!s!]", nosewheel_args), group_end(),
    click(1306, 356, 61, 100, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<nosewheel_mode_switch, NO_CLICK>),
    group(1361, 168, 283, 151), tooltip("Tail Trim [%1!d! degrees]", tail_trim_args), group_end(),
    click(1361, 168, 283, 75, sdk::CURSOR_DOWNARROW, MOUSE_HELD, tail_trim_decrease_mouse),
    click(1361, 243, 283, 75, sdk::CURSOR_UPARROW, MOUSE_HELD, tail_trim_increase_mouse),
    group(0, 890, 110, 121), tooltip("CDL light test"), group_end(),
    click(0, 890, 110, 121, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<toggle_cdl_light_test, LEVER_CLICK>),
    group(363, 330, 266, 361), tooltip("Photoflash lever"), group_end(),
    click(363, 330, 266, 361, sdk::CURSOR_HAND, MOUSE_LEFT, photoflash_lever_mouse),
    group(789, 836, 227, 213), tooltip("External lights master"), group_end(),
    click(789, 836, 227, 213, sdk::CURSOR_HAND, MOUSE_LEFT, lights_master_mouse),
    group(241, 851, 116, 198), tooltip("Taxi lights"), group_end(),
    click(241, 851, 116, 198, sdk::CURSOR_HAND, MOUSE_LEFT, taxi_lights_mouse),
    group(119, 851, 116, 198), tooltip("Navigation lights"), group_end(),
    click(119, 851, 116, 198, sdk::CURSOR_HAND, MOUSE_LEFT, nav_lights_mouse),
    group(1736, 892, 113, 167), tooltip("Ground power"), group_end(),
    click(1736, 892, 113, 167, sdk::CURSOR_HAND, MOUSE_LEFT, ground_power_mouse),
    group(899, 403, 227, 214), tooltip("Starboard engine anti-ice"), group_end(),
    click(899, 403, 227, 214, sdk::CURSOR_HAND, MOUSE_LEFT, stbd_anti_ice_mouse),
    group(645, 403, 227, 214), tooltip("Port engine anti-ice"), group_end(),
    click(645, 403, 227, 214, sdk::CURSOR_HAND, MOUSE_LEFT, port_anti_ice_mouse),
    group(78, 484, 173, 173), tooltip("CDL voice"), group_end(),
    click(78, 484, 173, 86, sdk::CURSOR_UPARROW, MOUSE_LEFT, on_click<cdl_voice_upper, SWITCH_CLICK>),
    click(78, 570, 173, 86, sdk::CURSOR_DOWNARROW, MOUSE_LEFT, on_click<cdl_voice_lower, SWITCH_CLICK>),
    group(637, 850, 116, 198), tooltip("Identification lights"), group_end(),
    click(637, 850, 116, 99, sdk::CURSOR_UPARROW, MOUSE_LEFT, ident_lights_upper_mouse),
    click(637, 949, 116, 99, sdk::CURSOR_DOWNARROW, MOUSE_LEFT, ident_lights_lower_mouse),
    group(66, 140, 162, 242), tooltip("Flare emergency jettison"), group_end(),
    click(66, 140, 162, 242, sdk::CURSOR_GRAB, MOUSE_LEFT_OR_RIGHT, on_left_right_then_click<flare_jettison_click, LEVER_CLICK>),
    group(363, 836, 227, 212), tooltip("Landing lights"), group_end(),
    click(363, 836, 227, 212, sdk::CURSOR_HAND, MOUSE_LEFT_OR_RIGHT, landing_lights_mouse),
    mouse_end(),
    mouse_eol(),
};

// The panel's pre-update work: the trim copies, then the external lights.
void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service != sdk::PANEL_SERVICE_PRE_UPDATE) return;
    read_trim_values();
    update_external_lights();
}

}  // namespace

extern const GaugeParts Trim_Panel = {&root, mouse, callback, link};

}  // namespace tarmelon
