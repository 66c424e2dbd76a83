// Lighting_Panel: the cockpit lighting buttons, gauge and accelerometer lighting, and the
// inverter 2 ground test switch under its guard. Its gauge callback does nothing.
#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "systems/electrical/electrical_controls.h"
#include "systems/lighting/lighting.h"

namespace tarmelon {

namespace {

bool accelerometer_lit() { return get_int("L:Lightpan_accelerometer, bool") > 0; }

constexpr auto COCKPIT_LIGHTING = variable_frame<"L:Lightpan_CockpitLighting, bool", 2>;

constinit struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(16786, 0, 0);
    sdk::ELEMENT_ICON ground_test = icon(17668, 297, 0, 3, variable_frame<"L:GroundTestPos, number", 3>);
    sdk::ELEMENT_ICON accelerometer = icon(17664, 184, 287, 1, lamp<accelerometer_lit>);
    sdk::ELEMENT_ICON starboard_console = icon(17920, 250, 185, 2, COCKPIT_LIGHTING);
    sdk::ELEMENT_ICON coaming = icon(17920, 49, 442, 2, COCKPIT_LIGHTING);
    sdk::ELEMENT_ICON vhf_selector = icon(17920, 205, 442, 2, COCKPIT_LIGHTING);
    sdk::ELEMENT_ICON gauge_lighting = icon(17920, 51, 700, 2, variable_frame<"L:gaugelight, bool", 2>);
    sdk::ELEMENT_ICON port_console = icon(17920, 205, 700, 2, COCKPIT_LIGHTING);
    sdk::ELEMENT_ICON remote_pilots_indicator = icon(17920, 69, 948, 2, COCKPIT_LIGHTING);
    sdk::ELEMENT_ICON e2b_compass = icon(17665, 45, 172, 2, COCKPIT_LIGHTING);
    sdk::ELEMENT_STATIC_IMAGE overlay = static_image(17667, 88, 217, DRAW_TRANSPARENT | DRAW_ERASE);
} elements;

ElementChain<11> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    tree.link(gauge, {el(elements.background), el(elements.ground_test), el(elements.accelerometer),
                      el(elements.starboard_console), el(elements.coaming), el(elements.vhf_selector),
                      el(elements.gauge_lighting), el(elements.port_console), el(elements.remote_pilots_indicator),
                      el(elements.e2b_compass), el(elements.overlay)});
}

constexpr Click GROUND_TEST_CLICK{3, 10000};
constexpr Click ACCELEROMETER_CLICK{1, 10000};
constexpr auto LIGHTING_BUTTON = on_click<cockpit_lighting_button, NO_CLICK>;
constexpr sdk::ENUM HAND = sdk::CURSOR_HAND;

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(297, 0, 155, 82), tooltip("Ground Test"), group_end(),
    click(297, 0, 155, 82, sdk::CURSOR_GRAB, MOUSE_LEFT | MOUSE_RIGHT, on_left_right<ground_test_click, GROUND_TEST_CLICK>),
    group(184, 287, 75, 97), tooltip("Accelerometer/Cockpit Lighting"), group_end(),
    click(184, 287, 75, 97, HAND, MOUSE_LEFT, on_click<toggle_accelerometer_lighting, ACCELEROMETER_CLICK>),
    group(250, 185, 115, 117), tooltip("Starboard Console/Cockpit Lighting"), group_end(),
    click(250, 185, 115, 117, HAND, MOUSE_LEFT, LIGHTING_BUTTON),
    group(49, 442, 115, 117), tooltip("Coaming/Cockpit Lighting"), group_end(),
    click(49, 442, 115, 117, HAND, MOUSE_LEFT, LIGHTING_BUTTON),
    group(205, 442, 115, 117), tooltip("VHF Selector/Cockpit Lighting"), group_end(),
    click(205, 442, 115, 117, HAND, MOUSE_LEFT, LIGHTING_BUTTON),
    group(51, 700, 115, 117), tooltip("Gauge lighting"), group_end(),
    click(51, 700, 115, 117, HAND, MOUSE_LEFT, on_click<toggle_gauge_lighting, NO_CLICK>),
    group(205, 700, 115, 117), tooltip("Port Console/Cockpit Lighting"), group_end(),
    click(205, 700, 115, 117, HAND, MOUSE_LEFT, on_click<port_console_lighting_button, NO_CLICK>),
    group(69, 948, 115, 117), tooltip("Remote Pilots Indicator/Cockpit Lighting"), group_end(),
    click(69, 948, 115, 117, HAND, MOUSE_LEFT, LIGHTING_BUTTON),
    group(45, 172, 134, 134), tooltip("E2B Compass/Cockpit Lighting"), group_end(),
    click(45, 172, 134, 134, HAND, MOUSE_LEFT, LIGHTING_BUTTON),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace

extern const GaugeParts Lighting_Panel = {&root, mouse, callback, link};

}  // namespace tarmelon
