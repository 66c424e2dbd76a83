// The few things the bench does differently on Windows and elsewhere: loading the module
// library, the simulator's main window and its message pump.
//
// On Windows the module makes real Win32 calls: FindWindowA("FS98MAIN") must find a real
// window of that class, and SetTimer's procedures run only when this thread's messages are
// dispatched, so the bench pumps them every frame. Elsewhere the Win32 stand-in plays the
// window and fires timers on the bench clock; the window and pump here then do nothing.
#pragma once

#include <cstdint>
#include <string>

namespace benchplatform {

// --- libraries -------------------------------------------------------------------------
// dlopen(RTLD_NOW | RTLD_LOCAL) / LoadLibraryA. Null on failure, with the reason in error.
void* load_library(const std::string& path, std::string& error);
// dlsym / GetProcAddress (data exports too). Null when library is null or lacks the name.
void* find_export(void* library, const char* name);
// dlclose / FreeLibrary; a null library is ignored.
void unload_library(void* library);
// "libName.so" / "Name.dll".
std::string library_file_name(const std::string& name);

// --- the simulator's main window -------------------------------------------------------
constexpr const char* MAIN_WINDOW_CLASS = "FS98MAIN";

class MainWindow {
public:
    MainWindow();  // Windows: registers the class and creates the window (never shown)
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void* handle() const { return handle_; }  // what FindWindowA finds; null outside Windows
    bool created() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }  // why creation failed

private:
    void* handle_ = nullptr;
    std::string error_;
};

// Dispatches every message waiting for this thread (WM_TIMER runs the timer procedures).
// Returns how many were dispatched; always 0 outside Windows.
int pump_messages();

// Frames at the simulator's pace. Window timers on Windows run on the real clock, so a
// script that waits for one must let real time pass: with real_time on, frame(sim_ms) pumps
// messages until at least sim_ms real milliseconds have passed since construction. With it
// off, frame only pumps what is waiting.
class FramePacer {
public:
    explicit FramePacer(bool real_time);
    int frame(std::uint64_t sim_ms);  // messages dispatched
    bool real_time() const { return real_time_; }

private:
    bool real_time_;
    std::uint64_t start_ms_;
};

// Milliseconds of a monotonic clock.
std::uint64_t monotonic_ms();

// Windows: no error dialog boxes (a missing DLL, a crash) in unattended runs; a failure
// becomes a return value or an exit status. Nothing elsewhere.
void quiet_error_dialogs();

}  // namespace benchplatform
