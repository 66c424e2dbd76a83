// Elec_Panel: generators and their breakers, inverters and their meters, the autopilot's
// bank and pitch selectors and its reset switch (their logic is the autopilot's).
#include "panels/gauges/Elec_Panel.h"

#include "autopilot/autopilot.h"
#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "state.h"
#include "systems/electrical/electrical.h"
#include "systems/electrical/electrical_controls.h"

namespace tarmelon {

namespace {
constexpr Click PANEL_CLICK{1, 10000};   // every switch of the panel
constexpr Click BREAKER_PULLED{3, 10000};
constexpr Click BREAKER_RESET{2, 10000};
}  // namespace

sdk::GBOOL TM_STDCALL inverter_meter_selector_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_inverter_meter_selector, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL inverter_6_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_inverter_6, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL generator_1_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_generator_1_switch, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL generator_2_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_generator_2_switch, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL autopilot_reset_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<autopilot_reset_click, PANEL_CLICK>(at, flags);
}

namespace {

// The bank selector steps, then clicks (also at its end stops, where it does not move).
sdk::GBOOL TM_STDCALL bank_selector_up_mouse(sdk::PIXPOINT*, sdk::FLAGS32) {
    bank_selector_up();
    click_sound(PANEL_CLICK.sound, PANEL_CLICK.pan);
    return 0;
}
sdk::GBOOL TM_STDCALL bank_selector_down_mouse(sdk::PIXPOINT*, sdk::FLAGS32) {
    bank_selector_down();
    click_sound(PANEL_CLICK.sound, PANEL_CLICK.pan);
    return 0;
}

// The autopilot's pitch selection: its stored setting with the sign reversed.
double pitch_selection_degrees() { return -static_cast<double>(state.autopilot.pitchSetCache); }
sdk::MOUSE_ARG pitch_selection_args[] = {numeric_arg(tooltip_number<pitch_selection_degrees>)};

sdk::NONLINEARITY cycles_scale[] = {
    at(0, 1309, 894),   at(360, 1010, 721), at(370, 1031, 681), at(380, 1063, 646), at(390, 1106, 626),
    at(400, 1156, 617), at(410, 1206, 623), at(420, 1251, 641), at(430, 1289, 669), at(440, 1325, 713),
};
sdk::NONLINEARITY volts_scale[] = {
    at(0, 557, 456), at(50, 564, 301), at(100, 712, 318), at(115, 730, 356), at(150, 745, 490),
};

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(384, 0, 0);
    // The bank and pitch selectors show their positions; their logic is the autopilot's.
    sdk::ELEMENT_ICON bank_selector = icon(21760, 155, 681, 9, variable_frame<"L:bankSelPos, number", 9>);
    sdk::ELEMENT_ICON pitch_selector = icon(412, 428, 738, 3, icon_value<pitch_selector_icon>);
    sdk::ELEMENT_ICON autopilot_reset = icon(387, 697, 888, 2, icon_value<autopilot_reset_shown>);
    sdk::ELEMENT_ICON breaker_2 = icon(1696, 1643, 700, 2, variable_on<"L:Gen2CircuitBreaker, bool">);
    sdk::ELEMENT_ICON breaker_1 = icon(1693, 1540, 700, 2, variable_on<"L:Gen1CircuitBreaker, bool">);
    sdk::ELEMENT_NEEDLE cycles = needle(385, 1161, 794, 11, 9, cycles_scale, 10, needle_value<update_cycles_meter>);
    sdk::ELEMENT_STATIC_IMAGE cycles_overlay = static_image(389, 1124, 757, DRAW_TRANSPARENT | DRAW_ERASE);
    sdk::ELEMENT_NEEDLE volts = needle(386, 632, 380, 8, 8, volts_scale, 5, needle_value<update_volts_meter>);
    sdk::ELEMENT_ICON meter_selector = icon(400, 598, 617, 2, variable_on<"L:Inverter_MeterSel_pos, number">);
    sdk::ELEMENT_ICON inverter_selector = icon(391, 232, 252, 3, variable_frame<"L:inv12SelPos, number", 3>);
    sdk::ELEMENT_ICON inverter_6 = icon(395, 585, 25, 2, variable_on<"L:Inverter6, number">);
    sdk::ELEMENT_ICON generator_2 = icon(407, 216, 38, 2, variable_on<"L:GEN2OnOffPos, number">);
    sdk::ELEMENT_ICON generator_1 = icon(403, 216, 140, 2, variable_on<"L:GEN1OnOffPos, number">);
} elements;

ElementChain<14> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    tree.link(gauge, {el(elements.background), el(elements.bank_selector), el(elements.pitch_selector),
                      el(elements.autopilot_reset), el(elements.breaker_2), el(elements.breaker_1),
                      el(elements.cycles), el(elements.cycles_overlay), el(elements.volts),
                      el(elements.meter_selector), el(elements.inverter_selector), el(elements.inverter_6),
                      el(elements.generator_2), el(elements.generator_1)});
}


sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(598, 617, 307, 109), tooltip("Inverter 1/2 meters selector"), group_end(),
    click(598, 617, 307, 109, sdk::CURSOR_HAND, MOUSE_LEFT, inverter_meter_selector_mouse),
    group(585, 25, 232, 103), tooltip("Inverter 6 On/Off"), group_end(),
    click(585, 25, 232, 103, sdk::CURSOR_HAND, MOUSE_LEFT, inverter_6_mouse),
    group(216, 140, 198, 89), tooltip("No.1 Generator On/Off"), group_end(),
    click(216, 140, 198, 89, sdk::CURSOR_HAND, MOUSE_LEFT, generator_1_mouse),
    group(216, 38, 198, 95), tooltip("No.2 Generator On/Off"), group_end(),
    click(216, 38, 198, 95, sdk::CURSOR_HAND, MOUSE_LEFT, generator_2_mouse),
    group(155, 409, 270, 170), tooltip("Inverter Selector Switch"), group_end(),
    click(155, 409, 270, 170, sdk::CURSOR_GRAB, MOUSE_LEFT_OR_RIGHT, on_left_right<inverter_selector_click, PANEL_CLICK>),
    group(697, 888, 169, 107), tooltip("Auto Pilot Reset"), group_end(),
    click(697, 888, 169, 107, sdk::CURSOR_HAND, MOUSE_LEFT, autopilot_reset_mouse),
    group(1540, 700, 77, 69), tooltip("Circuit Breaker 1"), group_end(),
    click(1540, 700, 77, 69, sdk::CURSOR_HAND, MOUSE_LEFT, on_click_either<toggle_generator_1_breaker, BREAKER_PULLED, BREAKER_RESET>),
    group(1643, 700, 77, 69), tooltip("Circuit Breaker 2"), group_end(),
    click(1643, 700, 77, 69, sdk::CURSOR_HAND, MOUSE_LEFT, on_click_either<toggle_generator_2_breaker, BREAKER_PULLED, BREAKER_RESET>),
    group(155, 681, 267, 267), tooltip("Bank Selector"), group_end(),
    click(155, 681, 267, 133, sdk::CURSOR_UPARROW, MOUSE_LEFT, bank_selector_up_mouse),
    click(155, 814, 267, 133, sdk::CURSOR_DOWNARROW, MOUSE_LEFT, bank_selector_down_mouse),
    group(428, 738, 145, 130), tooltip("Pitch selection [%1!d! degrees]", pitch_selection_args), group_end(),
    click(428, 738, 72, 130, sdk::CURSOR_DOWNARROW, MOUSE_HELD, on_mouse_then_click<pitch_selector_down, PANEL_CLICK>),
    click(500, 738, 72, 130, sdk::CURSOR_UPARROW, MOUSE_HELD, on_mouse_then_click<pitch_selector_up, PANEL_CLICK>),
    mouse_end(),
    mouse_eol(),
};

// Pre-update: the inverter readings and targets for the virtual cockpit.
void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) publish_inverter_readings();
}

}  // namespace

extern const GaugeParts Elec_Panel = {&root, mouse, callback, link};

}  // namespace tarmelon
