// The oxygen panel's click areas that the virtual cockpit's click events also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

sdk::GBOOL TM_STDCALL oxygen_valve_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Oxygen ON/OFF Valve"
sdk::GBOOL TM_STDCALL air_inlet_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);     // "Air Inlet Switch (Normal/100%)"

}  // namespace tarmelon
