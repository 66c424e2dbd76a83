// EngStart_Controls: engine masters, ignition, push starts and the electric start switches
// with their lamps. Its update reads the engines' RPM and the starters for the lamps.
#include "panels/gauges/EngStart_Controls.h"

#include <array>

#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "systems/engines/engines.h"

namespace tarmelon {

constexpr Click ENGINE_CLICK{2, 5000};

sdk::GBOOL TM_STDCALL engine1_ignition_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_ignition<1>, ENGINE_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL engine1_push_start_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<push_start<1>, NO_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL engine2_push_start_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<push_start<2>, NO_CLICK>(at, flags);
}

namespace {

// The upper row's icons are drawn without transparency.
constexpr sdk::FLAGS UPPER_ROW = DRAW_ERASE;

constinit struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(14888, 0, 0);
    sdk::ELEMENT_ICON no2_eng_lamp = icon(14981, 579, 83, 1, lamp<start_engaged_lamp<2>>, UPPER_ROW);
    sdk::ELEMENT_ICON no2_ebld_lamp = icon(14977, 696, 83, 1, lamp<start_enabled_lamp<2>>, UPPER_ROW);
    sdk::ELEMENT_ICON no2_start_switch = icon(14896, 826, 68, 2, variable_on<"L:EngStart2_startSwitch, bool">, UPPER_ROW);
    sdk::ELEMENT_ICON changeover = icon(14899, 429, 66, 2, variable_on<"L:EngStart_CHGNORM_switch, bool">, UPPER_ROW);
    sdk::ELEMENT_ICON no1_eng_lamp = icon(14980, 297, 81, 1, lamp<start_engaged_lamp<1>>, UPPER_ROW);
    sdk::ELEMENT_ICON no1_ebld_lamp = icon(14976, 178, 83, 1, lamp<start_enabled_lamp<1>>, UPPER_ROW);
    sdk::ELEMENT_ICON no1_start_switch = icon(14892, 22, 68, 2, variable_on<"L:EngStart_startSwitch, bool">, UPPER_ROW);
    sdk::ELEMENT_ICON push_start_2 = icon(1672, 493, 529, 2, icon_value<push_start_button<2>>);
    sdk::ELEMENT_ICON ignition_2 = icon(1680, 699, 317, 2, variable_on<"L:Engine2_Ignition, bool">);
    sdk::ELEMENT_ICON master_2 = icon(1670, 562, 317, 2, variable_on<"L:Engine2_MasterPos, bool">);
    sdk::ELEMENT_ICON push_start_1 = icon(1666, 335, 529, 2, icon_value<push_start_button<1>>);
    sdk::ELEMENT_ICON ignition_1 = icon(1668, 155, 318, 2, variable_on<"L:Engine1_Ignition, bool">);
    sdk::ELEMENT_ICON master_1 = icon(1664, 297, 318, 2, variable_on<"L:Engine1_MasterPos, bool">);
} elements;

ElementChain<14> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    tree.link(gauge, {el(elements.background), el(elements.no2_eng_lamp), el(elements.no2_ebld_lamp),
                      el(elements.no2_start_switch), el(elements.changeover), el(elements.no1_eng_lamp),
                      el(elements.no1_ebld_lamp), el(elements.no1_start_switch), el(elements.push_start_2),
                      el(elements.ignition_2), el(elements.master_2), el(elements.push_start_1),
                      el(elements.ignition_1), el(elements.master_1)});
}

constexpr Click START_CLICK{3, 5000};
constexpr sdk::FLAGS32 LEFT = MOUSE_LEFT;
constexpr sdk::ENUM HAND = sdk::CURSOR_HAND;

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(22, 68, 96, 96), tooltip("No 1 Electric Start"), group_end(),
    click(22, 68, 96, 96, HAND, LEFT, on_click<toggle_start_switch<1>, START_CLICK>),
    group(429, 66, 93, 100), tooltip("CHANGEOVER/NORMAL switch"), group_end(),
    click(429, 66, 93, 100, HAND, LEFT, on_click<toggle_changeover, START_CLICK>),
    group(826, 68, 96, 96), tooltip("No 2 Electric Start"), group_end(),
    click(826, 68, 96, 96, HAND, LEFT, on_click<toggle_start_switch<2>, START_CLICK>),
    group(696, 83, 72, 78), group_end(),
    click(696, 83, 72, 78, HAND, LEFT, on_click<toggle_ebld_lamp_test<2>, START_CLICK>),
    group(579, 83, 72, 78), group_end(),
    click(579, 83, 72, 78, HAND, LEFT, on_click<toggle_eng_lamp_test<2>, START_CLICK>),
    group(178, 83, 72, 78), group_end(),
    click(178, 83, 72, 78, HAND, LEFT, on_click<toggle_ebld_lamp_test<1>, START_CLICK>),
    group(297, 81, 72, 78), group_end(),
    click(297, 81, 72, 78, HAND, LEFT, on_click<toggle_eng_lamp_test<1>, START_CLICK>),
    group(493, 529, 135, 135), tooltip("Engine 2 Push Start"), group_end(),
    click(493, 529, 135, 135, HAND, LEFT, engine2_push_start_mouse),
    group(699, 317, 108, 200), tooltip("Engine 2 Ignition"), group_end(),
    click(699, 317, 108, 200, HAND, LEFT, on_click<toggle_ignition<2>, ENGINE_CLICK>),
    group(562, 317, 108, 200), tooltip("Engine 2 Master"), group_end(),
    click(562, 317, 108, 200, HAND, LEFT, on_click<toggle_engine_master<2>, ENGINE_CLICK>),
    group(335, 529, 135, 135), tooltip("Engine 1 Push Start"), group_end(),
    click(335, 529, 135, 135, HAND, LEFT, engine1_push_start_mouse),
    group(155, 318, 108, 200), tooltip("Engine 1 Ignition"), group_end(),
    click(155, 318, 108, 200, HAND, LEFT, engine1_ignition_mouse),
    group(297, 318, 108, 200), tooltip("Engine 1 Master"), group_end(),
    click(297, 318, 108, 200, HAND, LEFT, on_click<toggle_engine_master<1>, ENGINE_CLICK>),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) read_engine_start_inputs();
}

}  // namespace

extern const GaugeParts EngStart_Controls = {&root, mouse, callback, link};

}  // namespace tarmelon
