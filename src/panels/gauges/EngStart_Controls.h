// The engine start panel's click areas that the virtual cockpit's click events also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

sdk::GBOOL TM_STDCALL engine1_ignition_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);    // "Engine 1 Ignition"
sdk::GBOOL TM_STDCALL engine1_push_start_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Engine 1 Push Start"
sdk::GBOOL TM_STDCALL engine2_push_start_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Engine 2 Push Start"

}  // namespace tarmelon
