// The trim panel's click areas that the virtual cockpit's click events also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

sdk::GBOOL TM_STDCALL ground_power_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Ground power"

}  // namespace tarmelon
