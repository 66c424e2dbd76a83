// The fuel controls the virtual cockpit works through routines of their own, with the
// clicks they sound there.
#pragma once

#include "panels/mouse.h"
#include "systems/fuel/fuel_panel.h"

namespace tarmelon {

// The top-to-belly transfer cock's guard (69682) and lever (69683).
inline void top_belly_guard_vc_click() {
    click_sound(3, 3000);
    top_belly_guard_vc();
}
inline void top_belly_lever_vc_click() {
    click_sound(3, 3000);
    top_belly_lever_vc();
}

}  // namespace tarmelon
