// The navigator's bezel controls that the virtual cockpit's click events also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

// clang-format off
sdk::GBOOL TM_STDCALL gtn_volume_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);      // "Volume, Squelch on/off, Nav ID on/off"
sdk::GBOOL TM_STDCALL gtn_large_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Large knob", decrease
sdk::GBOOL TM_STDCALL gtn_large_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);    // "Large knob", increase
sdk::GBOOL TM_STDCALL gtn_small_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Small knob", decrease
sdk::GBOOL TM_STDCALL gtn_small_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);    // "Small knob", increase
sdk::GBOOL TM_STDCALL gtn_direct_to_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);   // "Direct-To button"
sdk::GBOOL TM_STDCALL gtn_home_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);        // "Home button"
// clang-format on

}  // namespace tarmelon
