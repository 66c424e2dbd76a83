// The nav/com's click areas that the virtual cockpit's click events also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

// clang-format off
sdk::GBOOL TM_STDCALL sl30_power_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Power/volume/squelch knob"
sdk::GBOOL TM_STDCALL sl30_flip_flop_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Frequency flip/flop button"
sdk::GBOOL TM_STDCALL sl30_com_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "COM radio button"
sdk::GBOOL TM_STDCALL sl30_nav_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "NAV radio button"
sdk::GBOOL TM_STDCALL sl30_system_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "System settings button"
sdk::GBOOL TM_STDCALL sl30_obs_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "OBS select button"
sdk::GBOOL TM_STDCALL sl30_to_from_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "To/From button"
sdk::GBOOL TM_STDCALL sl30_ident_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Ident button"
sdk::GBOOL TM_STDCALL sl30_select_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Select button"
sdk::GBOOL TM_STDCALL sl30_enter_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Enter button"
sdk::GBOOL TM_STDCALL sl30_large_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Large knob", decrease
sdk::GBOOL TM_STDCALL sl30_large_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Large knob", increase
sdk::GBOOL TM_STDCALL sl30_small_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Small knob", decrease
sdk::GBOOL TM_STDCALL sl30_small_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Small knob", increase
// clang-format on

}  // namespace tarmelon
