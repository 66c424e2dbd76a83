// The takeoff panel's click areas that the virtual cockpit's click events also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

sdk::GBOOL TM_STDCALL port_wing_transfer_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Port wing to rear tank fuel transfer"
sdk::GBOOL TM_STDCALL stbd_wing_transfer_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Starboard wing to rear tank fuel transfer"
sdk::GBOOL TM_STDCALL canopy_heat_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);   // "Canopy Heat"
sdk::GBOOL TM_STDCALL pitot_heat_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);    // "Pitot Heat"
sdk::GBOOL TM_STDCALL vent_valves_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);   // "Vent Valves"
sdk::GBOOL TM_STDCALL compass_gyro_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Compass / Gyro Mode"
sdk::GBOOL TM_STDCALL engine_air_1_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Engine air to cabin (Eng 1)"
sdk::GBOOL TM_STDCALL engine_air_2_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Engine air to cabin (Eng 2)"

}  // namespace tarmelon
