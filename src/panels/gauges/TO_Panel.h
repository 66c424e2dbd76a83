// The takeoff panel's click areas that the virtual cockpit's click events also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

sdk::GBOOL TM_STDCALL port_wing_transfer_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Port wing to rear tank fuel transfer"
sdk::GBOOL TM_STDCALL stbd_wing_transfer_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);  // "Starboard wing to rear tank fuel transfer"

}  // namespace tarmelon
