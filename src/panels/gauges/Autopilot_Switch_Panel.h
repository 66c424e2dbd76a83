// The autopilot panel's click areas that the virtual cockpit's click events and the
// simulator's autopilot inputs also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

sdk::GBOOL TM_STDCALL ap_aileron_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);   // "Autopilot aileron channel switch [%1!s!]"
sdk::GBOOL TM_STDCALL ap_elevator_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Autopilot elevator channel switch [%1!s!]"
sdk::GBOOL TM_STDCALL ap_rudder_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);    // "Autopilot rudder channel switch [%1!s!]"
sdk::GBOOL TM_STDCALL ap_alt_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);       // "Autopilot ALT switch [%1!s!], [%2!d!ft]"
sdk::GBOOL TM_STDCALL ap_bomb_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);      // "Autopilot BOMB switch [%1!s!]"
sdk::GBOOL TM_STDCALL ap_engage_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);    // "Autopilot ENGAGE switch [%1!s!]"
sdk::GBOOL TM_STDCALL ap_glide_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);     // "Autopilot GLIDE switch [%1!s!]"
sdk::GBOOL TM_STDCALL ap_power_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);     // "Autopilot POWER switch [%1!s!]"
sdk::GBOOL TM_STDCALL ap_track_switch_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);     // "Autopilot TRACK switch [%1!s!], [%2!d! deg]"

}  // namespace tarmelon
