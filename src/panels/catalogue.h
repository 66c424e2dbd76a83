// The 24 gauges: their headers (in the order of the linkage record), the variables holding
// their root elements, their mouse tables and their gauge callbacks. Each gauge's element and
// mouse tables live in its own file in this folder.
#pragma once

#include "sdk/gauges.h"

#define TM_GAUGES(X) \
    X(elec_panel) \
    X(system_watch) \
    X(autopilot_switch_panel) \
    X(radiogps_panel) \
    X(radiogps_gma340) \
    X(radiogps_gtn6xx) \
    X(radiogps_sl30) \
    X(panel_selector) \
    X(panel_selector_arrow) \
    X(fuel_system_overview) \
    X(engstart_controls) \
    X(hydraulics) \
    X(to_panel) \
    X(fuel_selector_sys) \
    X(gearflaps_panel) \
    X(electrical) \
    X(avionics_panel) \
    X(trim_panel) \
    X(fuel_panel) \
    X(oxygen_panel) \
    X(throttles_panel) \
    X(lighting_panel) \
    X(checklist_panel) \
    X(lcd_vc)

namespace tarmelon {

#define TM_DECLARE_GAUGE(ident)            \
    extern sdk::GAUGEHDR ident##_gauge;    \
    extern sdk::ELEMENT_HEADER* ident##_root; \
    extern sdk::MOUSERECT ident##_mouse[];
TM_GAUGES(TM_DECLARE_GAUGE)
#undef TM_DECLARE_GAUGE

// Gauge callbacks (RadioGPS_Panel has none).
void TM_STDCALL elec_panel_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL system_watch_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL autopilot_switch_panel_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL radiogps_gma340_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL radiogps_gtn6xx_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL radiogps_sl30_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL panel_selector_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL panel_selector_arrow_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL fuel_system_overview_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL engstart_controls_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL hydraulics_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL to_panel_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL fuel_selector_sys_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL gearflaps_panel_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL electrical_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL avionics_panel_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL trim_panel_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL fuel_panel_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL oxygen_panel_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL throttles_panel_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL lighting_panel_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL checklist_panel_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);
void TM_STDCALL lcd_vc_callback(sdk::GAUGEHDR* gauge, sdk::SINT32 service, sdk::UINT32 extra);

}  // namespace tarmelon
