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

}  // namespace tarmelon
