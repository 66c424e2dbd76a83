// The trim panel's click areas that the virtual cockpit's click events also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

sdk::GBOOL TM_STDCALL ground_power_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Ground power"
// "Aileron Trim [%1!d! degrees]", "Rudder Trim [%1!d! degrees]", "Tail Trim [%1!d! degrees]":
// the selector's decrease and increase halves.
sdk::GBOOL TM_STDCALL aileron_trim_decrease_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);
sdk::GBOOL TM_STDCALL aileron_trim_increase_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);
sdk::GBOOL TM_STDCALL rudder_trim_decrease_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);
sdk::GBOOL TM_STDCALL rudder_trim_increase_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);
sdk::GBOOL TM_STDCALL tail_trim_decrease_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);
sdk::GBOOL TM_STDCALL tail_trim_increase_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);
sdk::GBOOL TM_STDCALL taxi_lights_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);         // "Taxi lights"
sdk::GBOOL TM_STDCALL nav_lights_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);          // "Navigation lights"
sdk::GBOOL TM_STDCALL ident_lights_upper_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Identification lights", one down
sdk::GBOOL TM_STDCALL ident_lights_lower_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Identification lights", one up
sdk::GBOOL TM_STDCALL lights_master_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);       // "External lights master"
sdk::GBOOL TM_STDCALL landing_lights_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);      // "Landing lights"
sdk::GBOOL TM_STDCALL photoflash_lever_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);    // "Photoflash lever"
sdk::GBOOL TM_STDCALL port_anti_ice_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);       // "Port engine anti-ice"
sdk::GBOOL TM_STDCALL stbd_anti_ice_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);       // "Starboard engine anti-ice"

}  // namespace tarmelon
