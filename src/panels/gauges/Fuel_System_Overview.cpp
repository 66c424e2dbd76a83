// Fuel_System_Overview: the fuel system diagram with flows and quantities.
#include <cstdint>

#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "state.h"
#include "systems/fuel/fuel_panel.h"

namespace tarmelon {

namespace {

const FuelSwitches& copies() { return state.fuel.overview; }

bool lp_open(std::int32_t position) { return position == 1 || position == 2; }

bool port_wing_to_engine() { return copies().portTransferPos == 1; }
bool port_wing_to_rear() { return copies().portTransferPos == 0; }
bool stbd_wing_to_engine() { return copies().stbdTransferPos == 1; }
bool stbd_wing_to_rear() { return copies().stbdTransferPos == 0; }
bool top_to_belly() { return copies().topBellyCockPos == 2; }
bool port_rear_cock() { return copies().rearCockPort == 1; }
bool stbd_rear_cock() { return copies().rearCockStbd == 1; }
bool port_lp_cock() { return lp_open(copies().portLPCockPos); }
bool stbd_lp_cock() { return lp_open(copies().stbdLPCockPos); }

template <PanelTank T>
sdk::FLOAT64 TM_STDCALL tank_text(sdk::ELEMENT_STRING* element) {
    write_text(element, "%04d", static_cast<int>(overview_tank_lbs(T)));
    return string_redraw(element);
}

sdk::FLOAT64 TM_STDCALL top_quarter_text(sdk::ELEMENT_STRING* element) {
    write_text(element, "%04d", static_cast<int>(overview_top_quarter_lbs()));
    return string_redraw(element);
}

constexpr sdk::FLAGS FLOW = DRAW_ERASE;
constexpr StringStyle QUANTITY = {0x636363, "Quartz", 400};

// constinit: the registry links the elements during static initialisation.
constinit struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(14885, 0, 0);
    sdk::ELEMENT_ICON port_wing_engine = icon(16772, 27, 355, 1, lamp<port_wing_to_engine>, FLOW);
    sdk::ELEMENT_ICON port_wing_rear = icon(16773, 87, 300, 1, lamp<port_wing_to_rear>, FLOW);
    sdk::ELEMENT_ICON stbd_wing_engine = icon(16772, 629, 359, 1, lamp<stbd_wing_to_engine>, FLOW);
    sdk::ELEMENT_ICON stbd_wing_rear = icon(16773, 590, 303, 1, lamp<stbd_wing_to_rear>, FLOW);
    sdk::ELEMENT_ICON top_belly = icon(16776, 381, 536, 1, lamp<top_to_belly>, FLOW);
    sdk::ELEMENT_ICON port_rear = icon(16772, 462, 536, 1, lamp<port_rear_cock>, FLOW);
    sdk::ELEMENT_ICON stbd_rear = icon(16772, 554, 537, 1, lamp<stbd_rear_cock>, FLOW);
    sdk::ELEMENT_ICON port_lp = icon(16772, 170, 755, 1, lamp<port_lp_cock>, FLOW);
    sdk::ELEMENT_ICON port_lp_engine = icon(16768, 40, 859, 1, lamp<port_lp_cock>, FLOW);
    sdk::ELEMENT_ICON stbd_lp = icon(16772, 488, 758, 1, lamp<stbd_lp_cock>, FLOW);
    sdk::ELEMENT_ICON stbd_lp_engine = icon(16768, 616, 864, 1, lamp<stbd_lp_cock>, FLOW);
    sdk::ELEMENT_STRING port_wing = text(34, 182, 145, 40, QUANTITY, 4, tank_text<PANEL_PORT_WING>);
    sdk::ELEMENT_STRING stbd_wing = text(524, 182, 145, 40, QUANTITY, 4, tank_text<PANEL_STBD_WING>);
    sdk::ELEMENT_STRING top_1 = text(114, 400, 62, 30, QUANTITY, 4, top_quarter_text);
    sdk::ELEMENT_STRING top_2 = text(199, 400, 62, 30, QUANTITY, 4, top_quarter_text);
    sdk::ELEMENT_STRING top_3 = text(283, 400, 62, 30, QUANTITY, 4, top_quarter_text);
    sdk::ELEMENT_STRING top_4 = text(368, 400, 62, 30, QUANTITY, 4, top_quarter_text);
    sdk::ELEMENT_STRING rear = text(454, 423, 145, 40, QUANTITY, 4, tank_text<PANEL_REAR>);
    sdk::ELEMENT_STRING belly = text(176, 584, 145, 40, QUANTITY, 4, tank_text<PANEL_BELLY>);
} elements;

constexpr std::size_t ELEMENT_COUNT = 20;
ElementChain<ELEMENT_COUNT> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    Elements& e = elements;
    tree.link(gauge, {el(e.background), el(e.port_wing_engine), el(e.port_wing_rear), el(e.stbd_wing_engine),
                      el(e.stbd_wing_rear), el(e.top_belly), el(e.port_rear), el(e.stbd_rear), el(e.port_lp),
                      el(e.port_lp_engine), el(e.stbd_lp), el(e.stbd_lp_engine), el(e.port_wing), el(e.stbd_wing),
                      el(e.top_1), el(e.top_2), el(e.top_3), el(e.top_4), el(e.rear), el(e.belly)});
}

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(6, 6, 17, 17), tooltip("Close Panel"), group_end(),
    click(6, 6, 17, 17, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<close_fuel_overview, NO_CLICK>),
    mouse_end(),
    mouse_eol(),
};

// Pre-update: the switches and tank contents the diagram shows.
void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) take_overview_copies();
}

}  // namespace

extern const GaugeParts Fuel_System_Overview = {&root, mouse, callback, link};

}  // namespace tarmelon
