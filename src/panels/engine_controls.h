// The engine controls that the virtual cockpit works through their 2D mouse callbacks: the
// engine start panel's rows and the virtual cockpit's event table name the same callback.
#pragma once

#include "panels/adaptors.h"
#include "systems/engines/engines.h"

namespace tarmelon {

inline constexpr sdk::MOUSE_FUNCTION ENGINE1_IGNITION_MOUSE = on_click<toggle_ignition<1>, Click{2, 5000}>;
inline constexpr sdk::MOUSE_FUNCTION ENGINE1_PUSH_START_MOUSE = on_click<push_start<1>, NO_CLICK>;
inline constexpr sdk::MOUSE_FUNCTION ENGINE2_PUSH_START_MOUSE = on_click<push_start<2>, NO_CLICK>;

}  // namespace tarmelon
