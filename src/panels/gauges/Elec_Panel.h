// The electrical panel's click areas that the virtual cockpit's click events also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

sdk::GBOOL TM_STDCALL inverter_meter_selector_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Inverter 1/2 meters selector"
sdk::GBOOL TM_STDCALL inverter_6_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);               // "Inverter 6 On/Off"
sdk::GBOOL TM_STDCALL generator_1_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);              // "No.1 Generator On/Off"
sdk::GBOOL TM_STDCALL generator_2_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);              // "No.2 Generator On/Off"
sdk::GBOOL TM_STDCALL autopilot_reset_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);          // "Auto Pilot Reset"

}  // namespace tarmelon
