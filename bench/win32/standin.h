// Control side of the bench's Win32 stand-in (non-Windows hosts only). The module sees only
// the Win32 functions of sdk/win32.h; the bench drives the stand-in through this API.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sdk/platform.h"

namespace w32standin {

// Fresh state for a new bench instance: no timers, the main window exists, no hidden
// libraries, clock at 0 ms, the wall clock at the host's local time, no open files, the given
// folder as the process's current directory.
TM_EXPORT void reset(const std::string& current_directory);

// FindWindowA("FS98MAIN", nullptr) finds the main window only while it exists.
TM_EXPORT void set_main_window_exists(bool exists);
TM_EXPORT void* main_window();

// LoadLibraryA of this name fails from now on (a missing SimConnect, for instance).
TM_EXPORT void hide_library(const std::string& name);

// The file at this host path cannot be read from now on, whoever runs the bench (root reads
// a mode-000 file): GetPrivateProfileStringA finds nothing in it and answers its default,
// WritePrivateProfileStringA (which must read the file to keep the rest) fails, while
// CreateFileA cannot open it for reading, while GetFileAttributesA still reports it,
// MoveFileExA may replace it and DeleteFileA delete it.
// The path stays unreadable, whatever file is put there, until reset.
TM_EXPORT void deny_read(const std::string& path);

// The process "dies" after `writes` more writes: every call that changes a file or folder
// (WritePrivateProfileStringA, CreateDirectoryA, DeleteFileA, MoveFileExA, CreateFileA for
// writing, WriteFile, and CloseHandle of a file opened for writing) counts as one write; once
// the count is used up, each such call does nothing and fails, as if the process had ended
// there and nothing after it reached the disk. Reads still work. Until reset, or
// writes_live() lifts it (the process started again).
TM_EXPORT void die_after_writes(std::uint64_t writes);
TM_EXPORT void writes_live();
// The writes made since reset (those that did nothing after a death not counted).
TM_EXPORT std::uint64_t writes_made();

// The wall clock that GetLocalTime reads. It starts at the host's local time at reset and
// runs with the bench clock.
struct LocalTime {
    int year, month, day, hour, minute, second;
    int millisecond = 0;
    int day_of_week = 0;  // 0 Sunday; ignored when set
};
// The wall clock reads `time` when the bench clock reads `at_clock_ms`, and runs on from
// there. False (and nothing changed) for a date or time that does not exist.
TM_EXPORT bool set_local_time(const LocalTime& time, std::uint64_t at_clock_ms);
TM_EXPORT LocalTime local_time();

struct Timer {
    void* hwnd;
    std::uintptr_t id;
    unsigned period_ms;
    std::uint64_t next_due_ms;
};
TM_EXPORT std::vector<Timer> timers();

// Moves the bench clock forward and calls every due timer procedure, as often as due
// (earliest due first; a procedure may set or kill timers). The clock never goes back.
TM_EXPORT void advance_clock_to(std::uint64_t now_ms);

// "SetTimer(main, 4, 3000)", "KillTimer(main, 4)", "CreateDirectoryA(\"...\")", ...
// Logged: SetTimer, KillTimer, CreateDirectoryA, GetFileAttributesA, CreateFileA, WriteFile
// ("WriteFile(12)": the byte count), CloseHandle,
// DeleteFileA, MoveFileExA,
// the two profile-string functions, LoadLibraryA and FreeLibrary. Window handles print as main, null or ptr.
TM_EXPORT std::vector<std::string> call_log();
TM_EXPORT void clear_call_log();

// Where a path the module passes lands on this host: backslashes become '/', a path under
// the current directory stays there, a drive path "C:\\a" goes to "<current>/drive_c/a",
// any other absolute path to "<current>/<path>", and ".." never climbs above the current
// directory (or the drive folder). The bench uses it to find the module's files.
TM_EXPORT std::string host_path(const std::string& windows_path);

}  // namespace w32standin
