// Throttles_Panel: the throttle levers with their HP-cock gate, the JPT controller switches
// and selectors, and the abandon aircraft and cabin pressure dump switches under their
// guards. Its update publishes the HP cocks and the jet pipe temperatures.
#include <array>

#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "systems/engines/engines.h"

namespace tarmelon {

namespace {

// A lever's slider moves up from the idle gate: full travel is 579 pixels.
constexpr double LEVER_TRAVEL_PIXELS = -579.0;

// constinit: the registry links the elements during static initialisation, which a dynamic
// initialisation of this record would undo.
constinit struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(8456, 0, 0);
    sdk::ELEMENT_ICON pressure_dump = icon(8468, 253, 205, 3, variable_frame<"L:PressureDump_SwitchPos, number", 3>);
    sdk::ELEMENT_ICON abandon = icon(8464, 87, 205, 3, variable_frame<"L:Abandon_SwitchPos, bool", 3>);
    sdk::ELEMENT_ICON jpt_port_max = icon(8472, 103, 675, 2, variable_on<"L:JPT_port_Max, bool">);
    sdk::ELEMENT_ICON jpt_strb_max = icon(8448, 389, 675, 2, variable_on<"L:JPT_strb_Max, bool">);
    sdk::ELEMENT_ICON jpt_port_on = icon(6656, 103, 480, 2, switch_icon<jpt_on_switch<1>>);
    sdk::ELEMENT_ICON jpt_strb_on = icon(8452, 388, 477, 2, switch_icon<jpt_on_switch<2>>);
    sdk::ELEMENT_SLIDER port_lever = slider(8454, 618, 635, 0.0, nullptr, LEVER_TRAVEL_PIXELS, slider_value<throttle_lever_travel<1>>);
    sdk::ELEMENT_SLIDER stbd_lever = slider(8455, 784, 635, 0.0, nullptr, LEVER_TRAVEL_PIXELS, slider_value<throttle_lever_travel<2>>);
    sdk::ELEMENT_ICON stbd_lever_at_rest = icon(8455, 784, 702, 1, lamp<hp_cock_shut<2>>);
    sdk::ELEMENT_ICON port_lever_at_rest = icon(8454, 618, 702, 1, lamp<hp_cock_shut<1>>);
} elements;

ElementChain<11> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    tree.link(gauge, {el(elements.background), el(elements.pressure_dump), el(elements.abandon),
                      el(elements.jpt_port_max), el(elements.jpt_strb_max), el(elements.jpt_port_on),
                      el(elements.jpt_strb_on), el(elements.port_lever), el(elements.stbd_lever),
                      el(elements.stbd_lever_at_rest), el(elements.port_lever_at_rest)});
}

constexpr Click GUARDED_CLICK{3, 10000};
constexpr Click JPT_CLICK{2, 10000};
constexpr sdk::FLAGS32 LEVER = MOUSE_LEFT | MOUSE_RIGHT | MOUSE_LEFT_DRAG;
constexpr sdk::ENUM HAND = sdk::CURSOR_HAND;
constexpr sdk::ENUM GRAB = sdk::CURSOR_GRAB;

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(253, 205, 254, 230), tooltip("Cabin pressure dump switch"), group_end(),
    click(253, 205, 254, 230, GRAB, MOUSE_LEFT_OR_RIGHT, on_left_right<guarded_switch_click<GuardedSwitch::PRESSURE_DUMP>, GUARDED_CLICK>),
    group(87, 205, 166, 230), tooltip("Abandon aircraft"), group_end(),
    click(87, 205, 166, 230, GRAB, MOUSE_LEFT_OR_RIGHT, on_left_right<guarded_switch_click<GuardedSwitch::ABANDON>, GUARDED_CLICK>),
    group(103, 675, 100, 173), tooltip("Port engine JPT CRZ/MAX selector"), group_end(),
    click(103, 675, 100, 173, HAND, MOUSE_LEFT, on_click<toggle_jpt_max<1>, JPT_CLICK>),
    group(389, 675, 99, 173), tooltip("Starboard engine JPT CRZ/MAX selector"), group_end(),
    click(389, 675, 99, 173, HAND, MOUSE_LEFT, on_click<toggle_jpt_max<2>, JPT_CLICK>),
    group(103, 480, 99, 173), tooltip("Port engine JPT ON/OFF selector"), group_end(),
    click(103, 480, 99, 173, HAND, MOUSE_LEFT, on_click<toggle_jpt_on<1>, JPT_CLICK>),
    group(388, 477, 99, 173), tooltip("Starboard engine JPT ON/OFF selector"), group_end(),
    click(388, 477, 99, 173, HAND, MOUSE_LEFT, on_click<toggle_jpt_on<2>, JPT_CLICK>),
    group(582, 0, 177, 1036), tooltip("Port engine throttle"), group_end(),
    click(582, 0, 177, 1036, HAND, LEVER, on_lever<throttle_lever_right_click<1>, throttle_lever_drag<1>>),
    group(780, 0, 177, 1036), tooltip("Starboard engine throttle"), group_end(),
    click(780, 0, 177, 1036, HAND, LEVER, on_lever<throttle_lever_right_click<2>, throttle_lever_drag<2>>),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) publish_throttle_panel();
}

}  // namespace

extern const GaugeParts Throttles_Panel = {&root, mouse, callback, link};

}  // namespace tarmelon
