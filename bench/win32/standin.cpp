// The bench's Win32 stand-in: the Win32 calls the module makes, on a Linux host.
//
// Everything runs on the bench's one thread, as everything in the simulator runs on its
// main thread; timer procedures are called from advance_clock_to, never asynchronously.
#include "bench/win32/standin.h"

#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>
#include <set>

#include "bench/win32/profile.h"
#include "sdk/win32.h"

namespace w32standin {
namespace {

constexpr UINT WM_TIMER = 0x113;
constexpr UINT USER_TIMER_MINIMUM = 10;
constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;
constexpr std::size_t kMaxLoggedString = 260;

struct TimerEntry {
    HWND hwnd;
    UINT_PTR id;
    UINT period_ms;
    std::uint64_t next_due_ms;
    TIMERPROC proc;
    std::uint64_t serial;  // creation order, breaks ties between equally due timers
};

struct OpenFile {
    std::FILE* file;
    bool writable;
};

struct State {
    std::string current_directory;
    bool main_window_exists = true;
    std::set<std::string> hidden;  // lower-case library names, with extension
    std::set<std::string> unreadable;  // host paths no read may open
    std::vector<TimerEntry> timers;
    std::uint64_t now_ms = 0;
    std::uint64_t next_serial = 0;
    UINT_PTR next_thread_timer_id = 0x7FF0;
    std::vector<std::string> log;
    std::map<void*, int> libraries;  // handles LoadLibraryA gave out, with their counts
    std::map<HANDLE, OpenFile> files;  // handles CreateFileA gave out
    std::uint64_t writes = 0;                      // file and folder changes made
    std::uint64_t writes_allowed = UINT64_MAX;     // the process "dies" when writes reach it
    // The wall clock: `wall_at` (seconds of a calendar date, as if UTC) when the bench clock
    // read `wall_at_ms`; it runs with the bench clock.
    std::int64_t wall_at = 0;
    std::uint64_t wall_at_ms = 0;
};

// The simulator's main window: only its address matters.
char g_main_window_object = 0;

State& state() {
    static State s;
    static bool initialised = false;
    if (!initialised) {
        initialised = true;
        char buffer[PATH_MAX];
        s.current_directory = ::getcwd(buffer, sizeof buffer) ? buffer : "/";
    }
    return s;
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Bounded read of text the module hands us: at most `limit` bytes, never past a terminator.
std::string bounded(const char* s, std::size_t limit = 65536) {
    if (s == nullptr) return {};
    std::size_t n = 0;
    while (n < limit && s[n] != '\0') ++n;
    return std::string(s, n);
}

std::string quoted(const char* s) {
    if (s == nullptr) return "null";
    std::string out = "\"";
    for (std::size_t i = 0; i < kMaxLoggedString && s[i] != '\0'; ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string window_name(HWND hwnd) {
    if (hwnd == nullptr) return "null";
    if (hwnd == &g_main_window_object) return "main";
    return "ptr";
}

void log(std::string line) { state().log.push_back(std::move(line)); }

bool readable(const std::string& path) { return state().unreadable.count(path) == 0; }

// One change of a file or folder may happen (and is counted), or the process has "died".
bool may_write() {
    State& s = state();
    if (s.writes >= s.writes_allowed) return false;
    ++s.writes;
    return true;
}

bool valid_window(HWND hwnd) {
    return hwnd == &g_main_window_object && state().main_window_exists;
}

std::string library_key(const char* name) {
    std::string base = bounded(name, 4096);
    for (char& c : base)
        if (c == '\\') c = '/';
    const std::size_t slash = base.rfind('/');
    if (slash != std::string::npos) base = base.substr(slash + 1);
    base = lower(base);
    if (base.find('.') == std::string::npos) base += ".dll";
    return base;
}

// The folder this stand-in was loaded from (the bench's bin folder).
std::string own_folder() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&g_main_window_object), &info) == 0 || !info.dli_fname)
        return {};
    std::string path = info.dli_fname;
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

void* open_simconnect() {
    if (void* h = ::dlopen("libSimConnect.so", RTLD_NOW | RTLD_NOLOAD)) return h;
    if (void* h = ::dlopen("libSimConnect.so", RTLD_NOW)) return h;
    const std::string folder = own_folder();
    if (folder.empty()) return nullptr;
    return ::dlopen((folder + "/libSimConnect.so").c_str(), RTLD_NOW);
}

bool file_path_of(HMODULE module, std::string& path) {
    if (module == nullptr) {
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
        if (n <= 0) return false;
        path.assign(buffer, static_cast<std::size_t>(n));
        return true;
    }
    if (state().libraries.count(module) != 0) {
        link_map* map = nullptr;
        if (::dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || !map->l_name)
            return false;
        path = map->l_name;
    } else {
        Dl_info info{};
        if (::dladdr(module, &info) == 0 || info.dli_fname == nullptr) return false;
        path = info.dli_fname;
    }
    if (path.empty()) return false;
    if (path.front() != '/') {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) path = resolved;
    }
    return true;
}

}  // namespace

// ---- control API ----

void reset(const std::string& current_directory) {
    State& s = state();
    std::string cd = current_directory.empty() ? s.current_directory : current_directory;
    if (cd.front() != '/') {
        char buffer[PATH_MAX];
        if (::getcwd(buffer, sizeof buffer)) cd = std::string(buffer) + "/" + cd;
    }
    while (cd.size() > 1 && cd.back() == '/') cd.pop_back();
    for (auto& [handle, count] : s.libraries)
        for (int i = 0; i < count; ++i) ::dlclose(handle);
    for (auto& [handle, open] : s.files) std::fclose(open.file);
    s = State{};
    s.current_directory = cd;
    // The wall clock starts at the host's local time.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) != nullptr) s.wall_at = static_cast<std::int64_t>(::timegm(&local));
}

void die_after_writes(std::uint64_t writes) {
    State& s = state();
    s.writes_allowed = writes > UINT64_MAX - s.writes ? UINT64_MAX : s.writes + writes;
}

void writes_live() { state().writes_allowed = UINT64_MAX; }

std::uint64_t writes_made() { return state().writes; }

void set_main_window_exists(bool exists) { state().main_window_exists = exists; }

void* main_window() { return &g_main_window_object; }

void hide_library(const std::string& name) { state().hidden.insert(library_key(name.c_str())); }

void deny_read(const std::string& path) { state().unreadable.insert(path); }

bool set_local_time(const LocalTime& time, std::uint64_t at_clock_ms) {
    if (time.year < 1601 || time.year > 30827 || time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > 31 || time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 ||
        time.second < 0 || time.second > 59)
        return false;
    std::tm fields{};
    fields.tm_year = time.year - 1900;
    fields.tm_mon = time.month - 1;
    fields.tm_mday = time.day;
    fields.tm_hour = time.hour;
    fields.tm_min = time.minute;
    fields.tm_sec = time.second;
    const std::time_t at = ::timegm(&fields);
    if (fields.tm_mday != time.day) return false;  // 31 April and the like
    state().wall_at = static_cast<std::int64_t>(at);
    state().wall_at_ms = at_clock_ms;
    return true;
}

LocalTime local_time() {
    const State& s = state();
    const std::int64_t elapsed_ms = static_cast<std::int64_t>(s.now_ms) - static_cast<std::int64_t>(s.wall_at_ms);
    std::int64_t ms = s.wall_at * 1000 + elapsed_ms;
    std::int64_t seconds = ms / 1000;
    if (ms % 1000 < 0) --seconds;
    const auto t = static_cast<std::time_t>(seconds);
    std::tm fields{};
    ::gmtime_r(&t, &fields);
    return LocalTime{fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min,
                     fields.tm_sec, static_cast<int>(ms - seconds * 1000), fields.tm_wday};
}

std::vector<Timer> timers() {
    std::vector<Timer> out;
    for (const TimerEntry& t : state().timers)
        out.push_back(Timer{t.hwnd, t.id, t.period_ms, t.next_due_ms});
    return out;
}

void advance_clock_to(std::uint64_t now_ms) {
    State& s = state();
    if (now_ms < s.now_ms) return;
    for (;;) {
        // The earliest due timer; procedures may add or kill timers, so search afresh.
        const TimerEntry* due = nullptr;
        for (const TimerEntry& t : s.timers)
            if (t.next_due_ms <= now_ms &&
                (due == nullptr || t.next_due_ms < due->next_due_ms ||
                 (t.next_due_ms == due->next_due_ms && t.serial < due->serial)))
                due = &t;
        if (due == nullptr) break;
        TimerEntry& t = const_cast<TimerEntry&>(*due);
        s.now_ms = t.next_due_ms;
        t.next_due_ms += t.period_ms;
        const HWND hwnd = t.hwnd;
        const UINT_PTR id = t.id;
        const TIMERPROC proc = t.proc;
        if (proc != nullptr) proc(hwnd, WM_TIMER, id, static_cast<DWORD>(s.now_ms));
    }
    s.now_ms = now_ms;
}

std::vector<std::string> call_log() { return state().log; }

void clear_call_log() { state().log.clear(); }

std::string host_path(const std::string& windows_path) {
    const std::string& cd = state().current_directory;
    std::string p = windows_path;
    std::replace(p.begin(), p.end(), '\\', '/');

    std::vector<std::string> parts;
    std::size_t floor = 0;  // components ".." may not remove
    std::string rest;
    if (p.compare(0, cd.size(), cd) == 0 && (p.size() == cd.size() || p[cd.size()] == '/' ||
                                            cd == "/")) {
        rest = p.substr(cd.size());
    } else if (p.size() >= 2 && p[1] == ':' &&
               ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'))) {
        parts.push_back(std::string("drive_") + lower(p.substr(0, 1)));
        floor = 1;
        rest = p.substr(2);
    } else {
        rest = p;  // relative, or absolute elsewhere: both land under the current directory
    }
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t slash = rest.find('/', start);
        if (slash == std::string::npos) slash = rest.size();
        const std::string part = rest.substr(start, slash - start);
        if (part == "..") {
            if (parts.size() > floor) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = slash + 1;
    }
    std::string out = cd;
    for (const std::string& part : parts) {
        if (out.empty() || out.back() != '/') out += '/';
        out += part;
    }
    return out;
}

}  // namespace w32standin

// ---- the Win32 functions the module calls ----

using namespace w32standin;

extern "C" {

TM_EXPORT DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR filename, DWORD size) {
    std::string path;
    if (!file_path_of(module, path)) {
        if (filename != nullptr && size > 0) filename[0] = '\0';
        return 0;
    }
    if (filename == nullptr || size == 0) return 0;
    if (path.size() >= size) {  // truncated: terminated, and the return value is the size
        std::memcpy(filename, path.data(), size - 1);
        filename[size - 1] = '\0';
        return size;
    }
    std::memcpy(filename, path.data(), path.size());
    filename[path.size()] = '\0';
    return static_cast<DWORD>(path.size());
}

TM_EXPORT DWORD WINAPI GetCurrentDirectoryA(DWORD size, LPSTR buffer) {
    const std::string& cd = state().current_directory;
    if (buffer == nullptr || cd.size() >= size) return static_cast<DWORD>(cd.size() + 1);
    std::memcpy(buffer, cd.data(), cd.size());
    buffer[cd.size()] = '\0';
    return static_cast<DWORD>(cd.size());
}

TM_EXPORT DWORD WINAPI GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR fallback,
                                                LPSTR returned, DWORD size, LPCSTR file) {
    log("GetPrivateProfileStringA(" + quoted(section) + ", " + quoted(key) + ", " +
        quoted(fallback) + ", " + std::to_string(size) + ", " + quoted(file) + ")");
    std::optional<std::string> sec;
    std::optional<std::string> k;
    if (section != nullptr) sec = bounded(section);
    if (key != nullptr) k = bounded(key);
    profile::ReadResult found;
    if (file != nullptr) {
        const std::string path = host_path(bounded(file));
        if (readable(path)) found = profile::read(path, sec, k);  // unreadable: as if empty
    }
    if (section == nullptr || key == nullptr) return profile::copy_list(found.names, returned, size);
    if (found.found) return profile::copy_value(found.value, returned, size);
    std::string def = bounded(fallback);
    while (!def.empty() && (def.back() == ' ' || def.back() == '\t')) def.pop_back();
    return profile::copy_value(def, returned, size);
}

TM_EXPORT BOOL WINAPI WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value,
                                                 LPCSTR file) {
    log("WritePrivateProfileStringA(" + quoted(section) + ", " + quoted(key) + ", " +
        quoted(value) + ", " + quoted(file) + ")");
    if (section == nullptr || file == nullptr) return FALSE;  // (all null: a cache flush)
    std::optional<std::string> k;
    std::optional<std::string> v;
    if (key != nullptr) k = bounded(key);
    if (value != nullptr) v = bounded(value);
    const std::string path = host_path(bounded(file));
    if (!readable(path) || !may_write()) return FALSE;
    return profile::write(path, bounded(section), k, v) ? TRUE : FALSE;
}

TM_EXPORT BOOL WINAPI CreateDirectoryA(LPCSTR path, SECURITY_ATTRIBUTES*) {
    log("CreateDirectoryA(" + quoted(path) + ")");
    if (path == nullptr || !may_write()) return FALSE;
    return ::mkdir(host_path(bounded(path)).c_str(), 0777) == 0 ? TRUE : FALSE;
}

TM_EXPORT DWORD WINAPI GetFileAttributesA(LPCSTR path) {
    log("GetFileAttributesA(" + quoted(path) + ")");
    if (path == nullptr) return INVALID_FILE_ATTRIBUTES;
    struct stat st {};
    if (::stat(host_path(bounded(path)).c_str(), &st) != 0) return INVALID_FILE_ATTRIBUTES;
    return S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

TM_EXPORT BOOL WINAPI DeleteFileA(LPCSTR path) {
    log("DeleteFileA(" + quoted(path) + ")");
    if (path == nullptr) return FALSE;
    const std::string file = host_path(bounded(path));
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return FALSE;  // folders: no
    if (!may_write()) return FALSE;
    return ::unlink(file.c_str()) == 0 ? TRUE : FALSE;
}

// CreateFileA as the module uses it: an existing file opened for reading (whether a file can
// be read), or a file opened for writing, created when missing (OPEN_ALWAYS) or emptied
// (CREATE_ALWAYS); with FILE_APPEND_DATA every write goes to its end. Any other access or
// disposition fails. The handle is the open file.
TM_EXPORT HANDLE WINAPI CreateFileA(LPCSTR path, DWORD access, DWORD share_mode, SECURITY_ATTRIBUTES*,
                                    DWORD disposition, DWORD flags, HANDLE) {
    log("CreateFileA(" + quoted(path) + ", " + std::to_string(access) + ", " + std::to_string(share_mode) + ", " +
        std::to_string(disposition) + ", " + std::to_string(flags) + ")");
    if (path == nullptr) return INVALID_HANDLE_VALUE;
    const std::string file = host_path(bounded(path));
    struct stat st {};
    const bool exists = ::stat(file.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return INVALID_HANDLE_VALUE;
    const char* mode = nullptr;
    bool writable = false;
    if (access == GENERIC_READ && disposition == OPEN_EXISTING) {
        if (!exists || !readable(file)) return INVALID_HANDLE_VALUE;
        mode = "rb";
    } else if ((access & GENERIC_READ) == 0 && (access & (GENERIC_WRITE | FILE_APPEND_DATA)) != 0 &&
               (disposition == OPEN_ALWAYS || disposition == CREATE_ALWAYS)) {
        writable = true;
        if ((access & FILE_APPEND_DATA) != 0 && disposition == OPEN_ALWAYS) mode = "ab";
        else if (disposition == CREATE_ALWAYS || !exists) mode = "wb";
        else mode = "r+b";  // written from its start, the rest kept
    } else {
        return INVALID_HANDLE_VALUE;
    }
    if (writable && !may_write()) return INVALID_HANDLE_VALUE;
    std::FILE* open = std::fopen(file.c_str(), mode);
    if (open == nullptr) return INVALID_HANDLE_VALUE;
    state().files[static_cast<HANDLE>(open)] = OpenFile{open, writable};
    return static_cast<HANDLE>(open);
}

TM_EXPORT BOOL WINAPI WriteFile(HANDLE handle, LPCVOID buffer, DWORD bytes, LPDWORD written, OVERLAPPED* overlapped) {
    log("WriteFile(" + std::to_string(bytes) + ")");
    if (written != nullptr) *written = 0;
    const auto it = state().files.find(handle);
    if (it == state().files.end() || !it->second.writable || overlapped != nullptr) return FALSE;
    if (bytes > 0 && buffer == nullptr) return FALSE;
    if (!may_write()) return FALSE;
    const std::size_t n = bytes > 0 ? std::fwrite(buffer, 1, bytes, it->second.file) : 0;
    const bool flushed = std::fflush(it->second.file) == 0;
    if (written != nullptr) *written = static_cast<DWORD>(n);
    return n == bytes && flushed ? TRUE : FALSE;
}

TM_EXPORT BOOL WINAPI CloseHandle(HANDLE handle) {
    log("CloseHandle()");
    const auto it = state().files.find(handle);
    if (it == state().files.end()) return FALSE;  // not a handle given out, or closed already
    // After a death the handle goes (the process's handles close with it), unreported.
    const bool live = !it->second.writable || may_write();
    const bool closed = std::fclose(it->second.file) == 0 && live;
    state().files.erase(it);
    return closed ? TRUE : FALSE;
}

TM_EXPORT void WINAPI GetLocalTime(SYSTEMTIME* time) {
    if (time == nullptr) return;
    const LocalTime t = local_time();
    time->wYear = static_cast<WORD>(t.year);
    time->wMonth = static_cast<WORD>(t.month);
    time->wDayOfWeek = static_cast<WORD>(t.day_of_week);
    time->wDay = static_cast<WORD>(t.day);
    time->wHour = static_cast<WORD>(t.hour);
    time->wMinute = static_cast<WORD>(t.minute);
    time->wSecond = static_cast<WORD>(t.second);
    time->wMilliseconds = static_cast<WORD>(t.millisecond);
}

TM_EXPORT BOOL WINAPI MoveFileExA(LPCSTR existing, LPCSTR replacement, DWORD flags) {
    log("MoveFileExA(" + quoted(existing) + ", " + quoted(replacement) + ", " +
        std::to_string(flags) + ")");
    if (existing == nullptr || replacement == nullptr) return FALSE;
    const std::string from = host_path(bounded(existing));
    const std::string to = host_path(bounded(replacement));
    struct stat st {};
    if (::stat(from.c_str(), &st) != 0) return FALSE;
    struct stat target {};
    if (::stat(to.c_str(), &target) == 0) {
        // An existing file is replaced only when asked; a folder never is.
        if ((flags & MOVEFILE_REPLACE_EXISTING) == 0 || S_ISDIR(target.st_mode)) return FALSE;
    }
    if (!may_write()) return FALSE;
    return std::rename(from.c_str(), to.c_str()) == 0 ? TRUE : FALSE;
}

TM_EXPORT HWND WINAPI FindWindowA(LPCSTR class_name, LPCSTR window_name_arg) {
    if (class_name == nullptr || window_name_arg != nullptr) return nullptr;
    if (lower(bounded(class_name, 256)) != "fs98main" || !state().main_window_exists) return nullptr;
    return &g_main_window_object;
}

TM_EXPORT UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse_ms, TIMERPROC proc) {
    State& s = state();
    log("SetTimer(" + window_name(hwnd) + ", " + std::to_string(id) + ", " +
        std::to_string(elapse_ms) + ")");
    if (hwnd != nullptr && !valid_window(hwnd)) return 0;
    const UINT period = std::clamp(elapse_ms, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    for (TimerEntry& t : s.timers) {
        if (t.hwnd == hwnd && t.id == id) {  // same timer again: replaced, restarted
            t.period_ms = period;
            t.next_due_ms = s.now_ms + period;
            t.proc = proc;
            return id;
        }
    }
    if (hwnd == nullptr) id = s.next_thread_timer_id++;  // thread timers get a fresh id
    s.timers.push_back(TimerEntry{hwnd, id, period, s.now_ms + period, proc, s.next_serial++});
    return id;
}

TM_EXPORT BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id) {
    State& s = state();
    log("KillTimer(" + window_name(hwnd) + ", " + std::to_string(id) + ")");
    const auto it = std::find_if(s.timers.begin(), s.timers.end(), [&](const TimerEntry& t) {
        return t.hwnd == hwnd && t.id == id;
    });
    if (it == s.timers.end()) return FALSE;
    s.timers.erase(it);
    return TRUE;
}

TM_EXPORT HMODULE WINAPI LoadLibraryA(LPCSTR name) {
    State& s = state();
    log("LoadLibraryA(" + quoted(name) + ")");
    if (name == nullptr) return nullptr;
    const std::string key = library_key(name);
    if (s.hidden.count(key) != 0 || key != "simconnect.dll") return nullptr;
    void* handle = open_simconnect();
    if (handle != nullptr) ++s.libraries[handle];
    return handle;
}

TM_EXPORT FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name) {
    if (module == nullptr || name == nullptr || state().libraries.count(module) == 0) return nullptr;
    if (reinterpret_cast<std::uintptr_t>(name) < 0x10000) return nullptr;  // ordinals: none
    void* symbol = ::dlsym(module, bounded(name, 1024).c_str());
    FARPROC proc = nullptr;
    static_assert(sizeof proc == sizeof symbol);
    std::memcpy(&proc, &symbol, sizeof proc);
    return proc;
}

TM_EXPORT BOOL WINAPI FreeLibrary(HMODULE module) {
    State& s = state();
    log(std::string("FreeLibrary(") + (module ? "ptr" : "null") + ")");
    const auto it = s.libraries.find(module);
    if (it == s.libraries.end()) return FALSE;
    ::dlclose(module);
    if (--it->second == 0) s.libraries.erase(it);
    return TRUE;
}

}  // extern "C"
