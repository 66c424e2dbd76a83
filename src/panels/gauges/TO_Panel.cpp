// TO_Panel: heaters, vents, the wing to rear tank fuel transfers, the aircraft battery,
// cabin air, the engine master LP cocks and the pressure gauges.
#include "panels/gauges/TO_Panel.h"

#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "systems/cabin/cabin.h"
#include "systems/electrical/electrical_controls.h"
#include "systems/fuel/fuel_controls.h"
#include "systems/hydraulics/hydraulics_state.h"
#include "state.h"

namespace tarmelon {

namespace {
constexpr Click PANEL_CLICK{2, 9000};
constexpr Click GUARD_CLICK{3, 9000};
}  // namespace

sdk::GBOOL TM_STDCALL port_wing_transfer_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_port_wing_transfer, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL stbd_wing_transfer_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_stbd_wing_transfer, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL canopy_heat_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_canopy_heat, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL pitot_heat_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_pitot_heat, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL vent_valves_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_vent_valves, PANEL_CLICK>(at, flags);
}
sdk::GBOOL TM_STDCALL compass_gyro_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    return on_click<toggle_compass_gyro, PANEL_CLICK>(at, flags);
}
// The engine air switches sound click 2, then click 3.
sdk::GBOOL TM_STDCALL engine_air_1_mouse(sdk::PIXPOINT*, sdk::FLAGS32) {
    click_sound(2, 9000);
    click_sound(3, 9000);
    toggle_engine_air_1();
    return 0;
}
sdk::GBOOL TM_STDCALL engine_air_2_mouse(sdk::PIXPOINT*, sdk::FLAGS32) {
    click_sound(2, 9000);
    click_sound(3, 9000);
    toggle_engine_air_2();
    return 0;
}

namespace {

double main_hydraulic_pressure() { return state.hydraulics.mainHydraulicPressure; }
double brake_hydraulic_pressure() { return state.hydraulics.brakePressure; }
double cabin_altitude_feet() { return cabin_altitude() * 1000.0; }

// The cabin air selector's halves: the selector moves, then click 1.
template <void (*Step)(std::uint32_t flags)>
sdk::GBOOL TM_STDCALL cabin_air_mouse(sdk::PIXPOINT*, sdk::FLAGS32 flags) {
    Step(flags);
    click_sound(1, 9000);
    return 0;
}

sdk::MOUSE_ARG main_pressure_args[] = {numeric_arg(tooltip_number<main_hydraulic_pressure>)};
sdk::MOUSE_ARG brake_pressure_args[] = {numeric_arg(tooltip_number<brake_hydraulic_pressure>)};
sdk::MOUSE_ARG cabin_altitude_args[] = {numeric_arg(tooltip_number<cabin_altitude_feet>)};

sdk::NONLINEARITY main_pressure_scale[] = {
    at(0, 453, 617),    at(500, 411, 575),  at(1000, 401, 508), at(1500, 437, 448), at(2000, 502, 425),
    at(2500, 569, 451), at(3000, 602, 506), at(3500, 590, 578), at(4000, 538, 623),
};
sdk::NONLINEARITY brake_pressure_scale[] = {
    at(0, 760, 613),    at(500, 719, 572),  at(1000, 709, 506), at(1500, 744, 446), at(2000, 809, 423),
    at(2500, 876, 448), at(3000, 908, 503), at(3500, 896, 575), at(4000, 844, 619),
};
sdk::NONLINEARITY cabin_temperature_scale[] = {
    at(0, 1017, 524),  at(10, 1023, 494), at(20, 1035, 469),  at(30, 1051, 450),  at(40, 1072, 437),
    at(50, 1094, 427), at(60, 1120, 425), at(70, 1147, 428),  at(80, 1170, 437),  at(90, 1189, 451),
    at(100, 1206, 470), at(110, 1217, 495), at(120, 1225, 526),
};
sdk::NONLINEARITY cabin_altitude_scale[] = {
    at(0, 205, 690),  at(10, 156, 677), at(15, 120, 641), at(20, 102, 585), at(25, 127, 520),
    at(30, 189, 486), at(35, 273, 509), at(40, 308, 586), at(45, 295, 636), at(50, 258, 674),
};

constexpr int NEEDLE_MAX_DEGREES = 6;

constexpr sdk::ELEMENT_NEEDLE pressure_needle(int x, int y, sdk::NONLINEARITY* table, std::size_t rows,
                                              sdk::NEEDLE_UPDATE_CALLBACK callback) {
    return needle(1799, x, y, 52, 12, table, rows, callback, NEEDLE_FLAGS, NEEDLE_MAX_DEGREES);
}

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(4356, 0, 0);
    sdk::ELEMENT_NEEDLE main_pressure = pressure_needle(501, 528, main_pressure_scale, 9, needle_value<main_hydraulic_pressure>);
    sdk::ELEMENT_NEEDLE brake_pressure = pressure_needle(809, 521, brake_pressure_scale, 9, needle_value<brake_hydraulic_pressure>);
    sdk::ELEMENT_NEEDLE cabin_temperature = pressure_needle(1119, 527, cabin_temperature_scale, 13, needle_value<cabin_temp_setting>);
    sdk::ELEMENT_NEEDLE cabin_altitude = pressure_needle(202, 586, cabin_altitude_scale, 10, needle_value<tarmelon::cabin_altitude>);
    sdk::ELEMENT_ICON canopy_heat = icon(1832, 48, 184, 2, variable_on<"L:Canopy Heat Position, bool">);
    sdk::ELEMENT_ICON pitot_heat = icon(1840, 155, 158, 2, variable_on<"L:Pitot Heat Position, bool">);
    sdk::ELEMENT_ICON vent_valves = icon(1846, 320, 185, 2, variable_on<"L:VentValves Position, bool">);
    sdk::ELEMENT_ICON port_transfer = icon(1842, 425, 158, 2, variable_on<"L:PortTrans2RearTankPos, bool">);
    sdk::ELEMENT_ICON stbd_transfer = icon(1844, 1076, 158, 2, variable_on<"L:StbdTrans2RearTankPos, bool">);
    sdk::ELEMENT_ICON battery = icon(1808, 1133, 136, 4, variable_frame<"L:AircraftBattPos, number", 4>);
    sdk::ELEMENT_ICON cabin_air = icon(1824, 973, 713, 3, icon_value<cabin_air_selector_frame>);
    sdk::ELEMENT_ICON compass_gyro = icon(1834, 363, 711, 2, variable_on<"L:CompassGyro_switch, bool">);
    sdk::ELEMENT_ICON engine_air_1 = icon(1836, 579, 711, 2, variable_on<"L:EngineAir1_switch, bool">);
    sdk::ELEMENT_ICON engine_air_2 = icon(1838, 710, 711, 2, variable_on<"L:EngineAir2_switch, bool">);
    sdk::ELEMENT_ICON port_lp_cock = icon(16640, 541, 44, 3, variable_frame<"L:portLPCockPos, number", 3>);
    sdk::ELEMENT_ICON stbd_lp_cock = icon(16644, 807, 44, 3, variable_frame<"L:stbdLPCockPos, number", 3>);
} elements;

ElementChain<17> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    tree.link(gauge, {el(elements.background), el(elements.main_pressure), el(elements.brake_pressure),
                      el(elements.cabin_temperature), el(elements.cabin_altitude), el(elements.canopy_heat),
                      el(elements.pitot_heat), el(elements.vent_valves), el(elements.port_transfer),
                      el(elements.stbd_transfer), el(elements.battery), el(elements.cabin_air),
                      el(elements.compass_gyro), el(elements.engine_air_1), el(elements.engine_air_2),
                      el(elements.port_lp_cock), el(elements.stbd_lp_cock)});
}


sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(48, 184, 96, 100), tooltip("Canopy Heat"), group_end(),
    click(48, 184, 96, 100, sdk::CURSOR_HAND, MOUSE_LEFT, canopy_heat_mouse),
    group(155, 158, 116, 161), tooltip("Pitot Heat"), group_end(),
    click(155, 158, 116, 161, sdk::CURSOR_HAND, MOUSE_LEFT, pitot_heat_mouse),
    group(320, 185, 93, 99), tooltip("Vent Valves"), group_end(),
    click(320, 185, 93, 99, sdk::CURSOR_HAND, MOUSE_LEFT, vent_valves_mouse),
    group(425, 158, 116, 161), tooltip("Port wing to rear tank fuel transfer"), group_end(),
    click(425, 158, 116, 161, sdk::CURSOR_HAND, MOUSE_LEFT, port_wing_transfer_mouse),
    group(973, 713, 175, 95), tooltip("Cabin Air"), group_end(),
    click(928, 687, 117, 134, sdk::CURSOR_DOWNARROW, MOUSE_HELD, cabin_air_mouse<cabin_air_cooler>),
    click(1061, 687, 117, 134, sdk::CURSOR_UPARROW, MOUSE_HELD, cabin_air_mouse<cabin_air_warmer>),
    group(363, 711, 98, 102), tooltip("Compass / Gyro Mode"), group_end(),
    click(363, 711, 98, 102, sdk::CURSOR_HAND, MOUSE_LEFT, compass_gyro_mouse),
    group(1076, 158, 82, 160), tooltip("Starboard wing to rear tank fuel transfer"), group_end(),
    click(1076, 158, 82, 160, sdk::CURSOR_HAND, MOUSE_LEFT, stbd_wing_transfer_mouse),
    group(579, 711, 98, 102), tooltip("Engine air to cabin (Eng 1)"), group_end(),
    click(579, 711, 98, 102, sdk::CURSOR_HAND, MOUSE_LEFT, engine_air_1_mouse),
    group(710, 711, 98, 102), tooltip("Engine air to cabin (Eng 2)"), group_end(),
    click(710, 711, 98, 102, sdk::CURSOR_HAND, MOUSE_LEFT, engine_air_2_mouse),
    group(1133, 136, 237, 146), tooltip("Aircraft Battery"), group_end(),
    click(1133, 136, 237, 146, sdk::CURSOR_GRAB, MOUSE_LEFT_OR_RIGHT, on_left_right_then_click<battery_switch_click, GUARD_CLICK>),
    group(541, 44, 266, 253), tooltip("ENG1 Master LP Cock"), group_end(),
    click(541, 44, 266, 253, sdk::CURSOR_GRAB, MOUSE_LEFT_OR_RIGHT, on_left_right_then_click<port_lp_cock_click, GUARD_CLICK>),
    group(807, 44, 269, 253), tooltip("ENG2 Master LP Cock"), group_end(),
    click(807, 44, 269, 253, sdk::CURSOR_GRAB, MOUSE_LEFT_OR_RIGHT, on_left_right_then_click<stbd_lp_cock_click, GUARD_CLICK>),
    group(376, 401, 256, 256), tooltip("Main Hydraulic Pressure [%1!d! PSI]", main_pressure_args), group_end(),
    group(681, 397, 256, 256), tooltip("Wheelbrakes Hydraulic Pressure [%1!d! PSI]", brake_pressure_args), group_end(),
    group(78, 461, 256, 256), tooltip("Cabin Altitude [%1!d! Feet]", cabin_altitude_args), group_end(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) cabin_altitude_step();
}

}  // namespace

extern const GaugeParts TO_Panel = {&root, mouse, callback, link};

}  // namespace tarmelon
