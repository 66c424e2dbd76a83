// The simulator's main window, on which the module's Windows timers live (the recorder's,
// the flare button's). Null when the simulator has no such window: callers then set no
// timer, since a thread timer would outlive the module and fire into it once unloaded.
#pragma once

#include "sdk/win32.h"

namespace tarmelon {

inline HWND simulator_window() { return FindWindowA("FS98MAIN", nullptr); }

}  // namespace tarmelon
