#include "panels/windows.h"

#include "core/host.h"
#include "core/sim_keys.h"

namespace tarmelon {

void cycle_panel_windows() {
    for (std::uint32_t window : CYCLED_WINDOWS) {
        if (host_is_panel_window_visible(window)) continue;
        host_trigger_key_event(KEY_PANEL_OPEN, window);
        host_trigger_key_event(KEY_PANEL_CLOSE, window);
    }
}

}  // namespace tarmelon
