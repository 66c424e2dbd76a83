// The avionics panel's click areas that the virtual cockpit's click events also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

sdk::GBOOL TM_STDCALL read_voltage_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Read voltage"

}  // namespace tarmelon
