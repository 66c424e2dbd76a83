// The Win32 subset the module calls. On Windows this is <windows.h>; elsewhere the same
// functions are declared here and provided by the bench's stand-in library, with the
// same calling conventions (stdcall on 32-bit x86).
#pragma once

#include "platform.h"

#if defined(_WIN32)

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// The loader calls DllMain on Windows: nothing to stand in for.
#define TM_PROCESS_ATTACH_SHIM(entry)

#else

#include <cstdint>

#define WINAPI TM_STDCALL
#define CALLBACK TM_STDCALL

using BOOL = std::int32_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using UINT_PTR = std::uintptr_t;
using HANDLE = void*;
using HINSTANCE = void*;
using HMODULE = void*;
using HWND = void*;
using LPCSTR = const char*;
using LPSTR = char*;
using LPVOID = void*;
using LPCVOID = const void*;
using LPDWORD = DWORD*;
using FARPROC = void (*)();
using TIMERPROC = void(CALLBACK*)(HWND hwnd, UINT message, UINT_PTR id, DWORD time);

struct SECURITY_ATTRIBUTES;
struct OVERLAPPED;

// The local date and time, field by field (16 bytes).
struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;      // 1 to 12
    WORD wDayOfWeek;  // 0 Sunday to 6
    WORD wDay;        // 1 to 31
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
static_assert(sizeof(SYSTEMTIME) == 16);

constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;
constexpr DWORD DLL_THREAD_ATTACH = 2;
constexpr DWORD DLL_THREAD_DETACH = 3;
constexpr DWORD MAX_PATH = 260;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD GENERIC_READ = 0x80000000u;
constexpr DWORD GENERIC_WRITE = 0x40000000u;
constexpr DWORD FILE_APPEND_DATA = 0x4;  // every write goes to the end of the file
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;  // opened, or created when missing
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1)))
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

extern "C" {
DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR filename, DWORD size);
DWORD WINAPI GetCurrentDirectoryA(DWORD size, LPSTR buffer);
DWORD WINAPI GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR fallback,
                                      LPSTR returned, DWORD size, LPCSTR file);
BOOL WINAPI WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file);
BOOL WINAPI CreateDirectoryA(LPCSTR path, SECURITY_ATTRIBUTES* security);
DWORD WINAPI GetFileAttributesA(LPCSTR path);
BOOL WINAPI MoveFileExA(LPCSTR existing, LPCSTR replacement, DWORD flags);
BOOL WINAPI DeleteFileA(LPCSTR path);
HANDLE WINAPI CreateFileA(LPCSTR path, DWORD access, DWORD share_mode, SECURITY_ATTRIBUTES* security,
                          DWORD disposition, DWORD flags, HANDLE template_file);
BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD bytes, LPDWORD written, OVERLAPPED* overlapped);
BOOL WINAPI CloseHandle(HANDLE handle);
void WINAPI GetLocalTime(SYSTEMTIME* time);
HWND WINAPI FindWindowA(LPCSTR class_name, LPCSTR window_name);
UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse_ms, TIMERPROC proc);
BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id);
HMODULE WINAPI LoadLibraryA(LPCSTR name);
FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name);
BOOL WINAPI FreeLibrary(HMODULE module);
}

// No loader calls DllMain outside Windows: a static constructor stands in for process
// attach and passes an address inside the library as the instance handle (the stand-in
// GetModuleFileNameA resolves any address inside a loaded library to its file).
#define TM_PROCESS_ATTACH_SHIM(entry)                                                  \
    __attribute__((constructor)) static void tm_process_attach() {                     \
        entry(reinterpret_cast<HINSTANCE>(reinterpret_cast<std::uintptr_t>(            \
                  &tm_process_attach)),                                                \
              DLL_PROCESS_ATTACH, nullptr);                                            \
    }

#endif
