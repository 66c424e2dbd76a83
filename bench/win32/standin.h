// Control side of the bench's Win32 stand-in (non-Windows hosts only). The module sees only
// the Win32 functions of sdk/win32.h; the bench drives the stand-in through this API.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sdk/platform.h"

namespace w32standin {

// Fresh state for a new bench instance: no timers, the main window exists, no hidden
// libraries, clock at 0 ms, the given folder as the process's current directory.
TM_EXPORT void reset(const std::string& current_directory);

// FindWindowA("FS98MAIN", nullptr) finds the main window only while it exists.
TM_EXPORT void set_main_window_exists(bool exists);
TM_EXPORT void* main_window();

// LoadLibraryA of this name fails from now on (a missing SimConnect, for instance).
TM_EXPORT void hide_library(const std::string& name);

struct Timer {
    void* hwnd;
    std::uintptr_t id;
    unsigned period_ms;
    std::uint64_t next_due_ms;
};
TM_EXPORT std::vector<Timer> timers();

// Moves the bench clock forward and calls every due timer procedure, as often as due.
TM_EXPORT void advance_clock_to(std::uint64_t now_ms);

// "SetTimer(main, 4, 3000)", "KillTimer(main, 4)", "CreateDirectoryA(\"...\")", ...
TM_EXPORT std::vector<std::string> call_log();

}  // namespace w32standin
