// The gauge registry: the 24 gauge headers in the order the simulator reaches them, and the
// linkage record that carries them.
#include "core/entry.h"
#include "core/exports.h"
#include "panels/catalogue.h"

namespace tarmelon {

namespace {
constexpr sdk::GAUGEHDR gauge_header(const char* name, sdk::UINT32 width_mm,
                                     sdk::ELEMENT_HEADER** elements, sdk::MOUSERECT* mouse,
                                     sdk::GAUGE_CALLBACK callback) {
    sdk::GAUGEHDR h{};
    h.gauge_header_version = sdk::GAUGE_HEADER_VERSION_800;
    h.gauge_name = const_cast<char*>(name);
    h.elements_list = elements;
    h.query_routine = gauge_query;
    h.install_routine = gauge_install;
    h.initialize_routine = gauge_initialize;
    h.update_routine = gauge_update;
    h.generate_routine = gauge_generate;
    h.draw_routine = gauge_draw;
    h.kill_routine = gauge_kill;
    h.size_x_mm = width_mm;
    h.mouse_rect = mouse;
    h.gauge_callback = callback;
    return h;
}
}  // namespace

// name, width in mm, element list, mouse table, callback
sdk::GAUGEHDR elec_panel_gauge = gauge_header("Elec_Panel", 1080, &elec_panel_root, elec_panel_mouse, elec_panel_callback);
sdk::GAUGEHDR system_watch_gauge = gauge_header("SystemWatch", 98, &system_watch_root, system_watch_mouse, system_watch_callback);
sdk::GAUGEHDR autopilot_switch_panel_gauge = gauge_header("Autopilot_Switch_Panel", 98, &autopilot_switch_panel_root, autopilot_switch_panel_mouse, autopilot_switch_panel_callback);
sdk::GAUGEHDR radiogps_panel_gauge = gauge_header("RadioGPS_Panel", 98, &radiogps_panel_root, radiogps_panel_mouse, nullptr);
sdk::GAUGEHDR radiogps_gma340_gauge = gauge_header("RadioGPS_GMA340", 98, &radiogps_gma340_root, radiogps_gma340_mouse, radiogps_gma340_callback);
sdk::GAUGEHDR radiogps_gtn6xx_gauge = gauge_header("RadioGPS_GTN6XX", 98, &radiogps_gtn6xx_root, radiogps_gtn6xx_mouse, radiogps_gtn6xx_callback);
sdk::GAUGEHDR radiogps_sl30_gauge = gauge_header("RadioGPS_SL30", 98, &radiogps_sl30_root, radiogps_sl30_mouse, radiogps_sl30_callback);
sdk::GAUGEHDR panel_selector_gauge = gauge_header("Panel_Selector", 98, &panel_selector_root, panel_selector_mouse, panel_selector_callback);
sdk::GAUGEHDR panel_selector_arrow_gauge = gauge_header("Panel_Selector_Arrow", 98, &panel_selector_arrow_root, panel_selector_arrow_mouse, panel_selector_arrow_callback);
sdk::GAUGEHDR fuel_system_overview_gauge = gauge_header("Fuel_System_Overview", 98, &fuel_system_overview_root, fuel_system_overview_mouse, fuel_system_overview_callback);
sdk::GAUGEHDR engstart_controls_gauge = gauge_header("EngStart_Controls", 98, &engstart_controls_root, engstart_controls_mouse, engstart_controls_callback);
sdk::GAUGEHDR hydraulics_gauge = gauge_header("Hydraulics", 98, &hydraulics_root, hydraulics_mouse, hydraulics_callback);
sdk::GAUGEHDR to_panel_gauge = gauge_header("TO_Panel", 98, &to_panel_root, to_panel_mouse, to_panel_callback);
sdk::GAUGEHDR fuel_selector_sys_gauge = gauge_header("Fuel_Selector_SYS", 98, &fuel_selector_sys_root, fuel_selector_sys_mouse, fuel_selector_sys_callback);
sdk::GAUGEHDR gearflaps_panel_gauge = gauge_header("GearFlaps_Panel", 98, &gearflaps_panel_root, gearflaps_panel_mouse, gearflaps_panel_callback);
sdk::GAUGEHDR electrical_gauge = gauge_header("Electrical", 98, &electrical_root, electrical_mouse, electrical_callback);
sdk::GAUGEHDR avionics_panel_gauge = gauge_header("Avionics_Panel", 98, &avionics_panel_root, avionics_panel_mouse, avionics_panel_callback);
sdk::GAUGEHDR trim_panel_gauge = gauge_header("Trim_Panel", 98, &trim_panel_root, trim_panel_mouse, trim_panel_callback);
sdk::GAUGEHDR fuel_panel_gauge = gauge_header("Fuel_Panel", 98, &fuel_panel_root, fuel_panel_mouse, fuel_panel_callback);
sdk::GAUGEHDR oxygen_panel_gauge = gauge_header("Oxygen_Panel", 98, &oxygen_panel_root, oxygen_panel_mouse, oxygen_panel_callback);
sdk::GAUGEHDR throttles_panel_gauge = gauge_header("Throttles_Panel", 98, &throttles_panel_root, throttles_panel_mouse, throttles_panel_callback);
sdk::GAUGEHDR lighting_panel_gauge = gauge_header("Lighting_Panel", 98, &lighting_panel_root, lighting_panel_mouse, lighting_panel_callback);
sdk::GAUGEHDR checklist_panel_gauge = gauge_header("Checklist_Panel", 98, &checklist_panel_root, checklist_panel_mouse, checklist_panel_callback);
sdk::GAUGEHDR lcd_vc_gauge = gauge_header("LCD_VC", 98, &lcd_vc_root, lcd_vc_mouse, lcd_vc_callback);

}  // namespace tarmelon

using namespace tarmelon;

extern "C" {

TM_EXPORT sdk::GAUGESIMPORT ImportTable = {
    {sdk::PANELS_FUNCTION_TABLE_ID, nullptr},
    {0, nullptr},
};

TM_EXPORT sdk::GAUGESLINKAGE<GAUGE_COUNT + 1> Linkage = {
    sdk::GAUGES_MODULE_ID, module_init, module_deinit, 0, 0, sdk::GAUGES_MODULE_VERSION,
    {
        &elec_panel_gauge, &system_watch_gauge, &autopilot_switch_panel_gauge,
        &radiogps_panel_gauge, &radiogps_gma340_gauge, &radiogps_gtn6xx_gauge,
        &radiogps_sl30_gauge, &panel_selector_gauge, &panel_selector_arrow_gauge,
        &fuel_system_overview_gauge, &engstart_controls_gauge, &hydraulics_gauge,
        &to_panel_gauge, &fuel_selector_sys_gauge, &gearflaps_panel_gauge, &electrical_gauge,
        &avionics_panel_gauge, &trim_panel_gauge, &fuel_panel_gauge, &oxygen_panel_gauge,
        &throttles_panel_gauge, &lighting_panel_gauge, &checklist_panel_gauge, &lcd_vc_gauge,
        nullptr,
    },
};

}  // extern "C"
