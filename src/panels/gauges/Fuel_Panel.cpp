// Fuel_Panel: pumps, cocks, tank contents and automatic fuel management.
#include <cstdint>
#include <iterator>

#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "systems/fuel/fuel_panel.h"

namespace tarmelon {

namespace {

template <PanelTank T>
double needle_of() { return panel_tank_needle(T); }
template <PanelTank T>
double lbs_of() { return panel_tank_lbs(T); }

sdk::NONLINEARITY port_wing_scale[] = {at(0, 78, 394), at(1000, 92, 274), at(2000, 231, 280), at(3000, 255, 370), at(3424, 244, 390)};
sdk::NONLINEARITY belly_scale[] = {at(0, 345, 394), at(500, 339, 304), at(1000, 384, 255), at(2000, 497, 276), at(3000, 522, 372), at(3336, 511, 392)};
sdk::NONLINEARITY stbd_wing_scale[] = {at(0, 611, 394), at(1000, 625, 271), at(2000, 763, 276), at(3000, 786, 372), at(3424, 776, 392)};
sdk::NONLINEARITY top_scale[] = {at(0, 341, 690), at(1000, 344, 592), at(2000, 385, 552), at(4000, 479, 555), at(6000, 527, 633), at(7680, 505, 691)};
sdk::NONLINEARITY rear_scale[] = {at(0, 344, 991), at(500, 330, 931), at(1000, 350, 877), at(2000, 422, 843), at(3000, 502, 879), at(4000, 516, 966), at(4320, 508, 985)};

// constinit: the registry links the elements during static initialisation.
constinit struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(1801, 0, 0);
    sdk::ELEMENT_ICON wing_pump_stbd = icon(1792, 640, 53, 2, variable_on<"L:WingPumpStbd, bool">);
    sdk::ELEMENT_ICON wing_pump_port = icon(1712, 110, 53, 2, variable_on<"L:WingPumpPort, bool">);
    sdk::ELEMENT_ICON rear_pump_stbd = icon(1564, 687, 856, 2, variable_on<"L:RearPumpStbd, bool">);
    sdk::ELEMENT_ICON rear_pump_port = icon(1556, 75, 856, 2, variable_on<"L:RearPumpPort, bool">);
    sdk::ELEMENT_ICON rear_cock_stbd = icon(41685, 158, 601, 2, variable_on<"L:RearFuelCockStbd, bool">);
    sdk::ELEMENT_ICON rear_cock_port = icon(1701, 48, 601, 2, variable_on<"L:RearFuelCockPort, bool">);
    sdk::ELEMENT_ICON top_belly_cock = icon(44368, 562, 591, 4, variable_frame<"L:Top2BellyTransCockPos, number", 4>);
    sdk::ELEMENT_ICON belly_pump_stbd = icon(41552, 434, 53, 2, variable_on<"L:BellyTankStbPump, bool">);
    sdk::ELEMENT_ICON belly_pump_port = icon(41541, 321, 53, 2, variable_on<"L:BellyTankPortPump, bool">);
    sdk::ELEMENT_NEEDLE port_wing = needle(292, 160, 340, 11, 9, port_wing_scale, std::size(port_wing_scale), needle_value<needle_of<PANEL_PORT_WING>>);
    sdk::ELEMENT_STATIC_IMAGE port_wing_overlay = static_image(1717, 114, 302, ICON_FLAGS);
    sdk::ELEMENT_NEEDLE belly = needle(292, 426, 340, 11, 9, belly_scale, std::size(belly_scale), needle_value<needle_of<PANEL_BELLY>>);
    sdk::ELEMENT_STATIC_IMAGE belly_overlay = static_image(41540, 380, 302, ICON_FLAGS);
    sdk::ELEMENT_NEEDLE stbd_wing = needle(292, 691, 340, 11, 9, stbd_wing_scale, std::size(stbd_wing_scale), needle_value<needle_of<PANEL_STBD_WING>>);
    sdk::ELEMENT_STATIC_IMAGE stbd_wing_overlay = static_image(1800, 645, 302, ICON_FLAGS);
    sdk::ELEMENT_NEEDLE top = needle(292, 426, 632, 11, 9, top_scale, std::size(top_scale), needle_value<needle_of<PANEL_TOP>>);
    sdk::ELEMENT_STATIC_IMAGE top_overlay = static_image(41664, 380, 593, ICON_FLAGS);
    sdk::ELEMENT_NEEDLE rear = needle(292, 426, 936, 11, 9, rear_scale, std::size(rear_scale), needle_value<needle_of<PANEL_REAR>>);
    sdk::ELEMENT_STATIC_IMAGE rear_overlay = static_image(20992, 380, 896, ICON_FLAGS);
} elements;

constexpr std::size_t ELEMENT_COUNT = 20;
ElementChain<ELEMENT_COUNT> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    Elements& e = elements;
    tree.link(gauge, {el(e.background), el(e.wing_pump_stbd), el(e.wing_pump_port), el(e.rear_pump_stbd),
                      el(e.rear_pump_port), el(e.rear_cock_stbd), el(e.rear_cock_port), el(e.top_belly_cock),
                      el(e.belly_pump_stbd), el(e.belly_pump_port), el(e.port_wing), el(e.port_wing_overlay),
                      el(e.belly), el(e.belly_overlay), el(e.stbd_wing), el(e.stbd_wing_overlay), el(e.top),
                      el(e.top_overlay), el(e.rear), el(e.rear_overlay)});
}

sdk::MOUSE_ARG port_wing_lbs[] = {numeric_arg(tooltip_number<lbs_of<PANEL_PORT_WING>>)};
sdk::MOUSE_ARG belly_lbs[] = {numeric_arg(tooltip_number<lbs_of<PANEL_BELLY>>)};
sdk::MOUSE_ARG stbd_wing_lbs[] = {numeric_arg(tooltip_number<lbs_of<PANEL_STBD_WING>>)};
sdk::MOUSE_ARG top_lbs[] = {numeric_arg(tooltip_number<lbs_of<PANEL_TOP>>)};
sdk::MOUSE_ARG rear_lbs[] = {numeric_arg(tooltip_number<lbs_of<PANEL_REAR>>)};
sdk::MOUSE_ARG auto_fuel_state[] = {string_arg(tooltip_text<auto_fuel_management_text>)};

constexpr Click PUMP{2, 8500};
constexpr Click COCK{3, 8500};
constexpr auto HAND = sdk::CURSOR_HAND;
constexpr auto GRAB = sdk::CURSOR_GRAB;

// clang-format off
sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(45, 228, 232, 232), tooltip("Port Wing Tank Quantity [%1!d! lbs]", port_wing_lbs), group_end(),
    group(311, 228, 232, 232), tooltip("Belly Tank Quantity [%1!d! lbs]", belly_lbs), group_end(),
    group(576, 228, 232, 232), tooltip("Starboard Wing Tank Quantity [%1!d! lbs]", stbd_wing_lbs), group_end(),
    group(311, 519, 232, 232), tooltip("Top Tanks Quantity [%1!d! lbs]", top_lbs), group_end(),
    group(311, 822, 232, 232), tooltip("Rear Tank Quantity [%1!d! lbs]", rear_lbs), group_end(),
    group(0, 0, 78, 78), tooltip("Open fuel system overview"), group_end(),
    click(0, 0, 78, 78, HAND, MOUSE_LEFT, on_click<open_fuel_overview, NO_CLICK>),
    group(768, 0, 78, 78), tooltip("Toggle auto-fuel management [%1!s!]", auto_fuel_state), group_end(),
    click(768, 0, 78, 78, HAND, MOUSE_LEFT, on_click<toggle_auto_fuel_management, NO_CLICK>),
    group(640, 53, 98, 175), tooltip("Starboard Wing Pump"), group_end(),
    click(640, 53, 98, 175, HAND, MOUSE_LEFT, on_click<toggle_wing_pump_stbd, PUMP>),
    group(110, 53, 98, 175), tooltip("Port Wing Pump"), group_end(),
    click(110, 53, 98, 175, HAND, MOUSE_LEFT, on_click<toggle_wing_pump_port, PUMP>),
    group(687, 856, 98, 175), tooltip("Starboard Rear Pump"), group_end(),
    click(687, 856, 98, 175, HAND, MOUSE_LEFT, on_click<toggle_rear_pump_stbd, PUMP>),
    group(75, 856, 98, 175), tooltip("Port Rear Pump"), group_end(),
    click(75, 856, 98, 175, HAND, MOUSE_LEFT, on_click<toggle_rear_pump_port, PUMP>),
    group(158, 601, 103, 122), tooltip("Rear Tank Starboard Fuel Cock"), group_end(),
    click(158, 601, 103, 122, HAND, MOUSE_LEFT, on_click<toggle_rear_cock_stbd, COCK>),
    group(48, 601, 110, 122), tooltip("Rear Tank Port Fuel Cock"), group_end(),
    click(48, 601, 110, 122, HAND, MOUSE_LEFT, on_click<toggle_rear_cock_port, COCK>),
    group(656, 596, 140, 165), tooltip("Top tanks to bottom tank transfer cock"), group_end(),
    click(656, 596, 140, 165, GRAB, MOUSE_LEFT_OR_RIGHT, on_left_right<top_belly_cock_click, COCK>),
    group(434, 53, 98, 175), tooltip("Belly Tank Starboard Pump"), group_end(),
    click(434, 53, 98, 175, HAND, MOUSE_LEFT, on_click<toggle_belly_pump_stbd, PUMP>),
    group(321, 53, 98, 175), tooltip("Belly Tank Port Pump"), group_end(),
    click(321, 53, 98, 175, HAND, MOUSE_LEFT, on_click<toggle_belly_pump_port, PUMP>),
    mouse_end(),
    mouse_eol(),
};
// clang-format on

// Present, acting on no service.
void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace

extern const GaugeParts Fuel_Panel = {&root, mouse, callback, link};

}  // namespace tarmelon
