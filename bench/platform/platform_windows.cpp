// Libraries, the simulator's main window and its message pump on Windows: real Win32 calls.
#include "platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>

namespace benchplatform {

namespace {

std::string last_error_text() {
    const DWORD code = GetLastError();
    char text[256] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, text, sizeof text, nullptr);
    std::string result = length > 0 ? std::string(text, length) : std::string();
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    char number[32];
    std::snprintf(number, sizeof number, "error %lu", static_cast<unsigned long>(code));
    return result.empty() ? std::string(number) : result + " (" + number + ")";
}

LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

void* load_library(const std::string& path, std::string& error) {
    HMODULE library = LoadLibraryA(path.c_str());
    if (library == nullptr) error = "cannot load " + path + ": " + last_error_text();
    return reinterpret_cast<void*>(library);
}

void* find_export(void* library, const char* name) {
    if (library == nullptr || name == nullptr) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void unload_library(void* library) {
    if (library != nullptr) FreeLibrary(static_cast<HMODULE>(library));
}

std::string library_file_name(const std::string& name) { return name + ".dll"; }

MainWindow::MainWindow() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = main_window_procedure;
    window_class.hInstance = instance;
    window_class.lpszClassName = MAIN_WINDOW_CLASS;
    // A second bench instance in one process reuses the class.
    if (RegisterClassExA(&window_class) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        error_ = "cannot register the window class " + std::string(MAIN_WINDOW_CLASS) + ": " + last_error_text();
        return;
    }
    // A top-level window (FindWindowA does not search message-only windows), never shown.
    HWND window = CreateWindowExA(0, MAIN_WINDOW_CLASS, "Tarmelon bench", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance,
                                  nullptr);
    if (window == nullptr) {
        error_ = "cannot create the main window: " + last_error_text();
        return;
    }
    handle_ = window;
}

MainWindow::~MainWindow() {
    if (handle_ != nullptr) {
        DestroyWindow(static_cast<HWND>(handle_));
        pump_messages();
    }
}

int pump_messages() {
    int dispatched = 0;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
        ++dispatched;
    }
    return dispatched;
}

void quiet_error_dialogs() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
}

}  // namespace benchplatform
