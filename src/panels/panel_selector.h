// The panel selector: a floating window with one button per 2D panel.
#pragma once

namespace tarmelon {

// Back to the selector's starting state at load: no window counted as open, no button
// under the mouse.
void reset_panel_selector();

}  // namespace tarmelon
