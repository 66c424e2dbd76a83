#include "core/files.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sdk/win32.h"

namespace tarmelon {

namespace {
// The aircraft's folder and its panel folder under the simulator's folder.
constexpr char AIRCRAFT_FOLDER[] = "SimObjects\\Airplanes\\VK_Tarmelon";
constexpr char PANEL_FOLDER[] = "SimObjects\\Airplanes\\VK_Tarmelon\\panel";

bool current_directory(char (&dir)[PATH_BUFFER]) {
    const DWORD length = GetCurrentDirectoryA(sizeof dir, dir);
    if (length == 0 || length >= sizeof dir) {
        dir[0] = '\0';
        return false;
    }
    return true;
}

bool folder_file_path(char (&path)[PATH_BUFFER], const char* folder, const char* tail) {
    char dir[PATH_BUFFER];
    path[0] = '\0';
    if (!current_directory(dir)) return false;
    const int length = std::snprintf(path, sizeof path, "%s\\%s\\%s", dir, folder, tail);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof path) {
        path[0] = '\0';
        return false;
    }
    return true;
}
}  // namespace

bool panel_file_path(char (&path)[PATH_BUFFER], const char* tail) { return folder_file_path(path, PANEL_FOLDER, tail); }

bool aircraft_file_path(char (&path)[PATH_BUFFER], const char* tail) {
    return folder_file_path(path, AIRCRAFT_FOLDER, tail);
}

bool ensure_panel_folder(const char* sub) {
    char dir[PATH_BUFFER];
    char path[PATH_BUFFER];
    if (!current_directory(dir) || !panel_file_path(path, sub)) return false;
    // Each folder below the simulator's, outermost first; those that exist stay as they are.
    for (std::size_t i = std::strlen(dir) + 1; path[i] != '\0'; ++i) {
        if (path[i] != '\\') continue;
        path[i] = '\0';
        CreateDirectoryA(path, nullptr);
        path[i] = '\\';
    }
    CreateDirectoryA(path, nullptr);
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool file_exists(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool file_readable(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

std::int32_t text_to_int(const char* text) {
    const char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    std::int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > static_cast<std::int64_t>(INT32_MAX) + 1) value = static_cast<std::int64_t>(INT32_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

double text_to_double(const char* text) {
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    return end != text && std::isfinite(value) ? value : 0.0;
}

}  // namespace tarmelon
