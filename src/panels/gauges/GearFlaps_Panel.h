// The gear and flaps panel's click areas that the virtual cockpit's click events also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

sdk::GBOOL TM_STDCALL gear_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);     // "Gear UP Button"
sdk::GBOOL TM_STDCALL gear_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);   // "Gear Down Button"
sdk::GBOOL TM_STDCALL flap_lever_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Flaps lever up/down"

}  // namespace tarmelon
