#include "persist/files.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "sdk/win32.h"

namespace tarmelon {

namespace {
constexpr char AIRCRAFT_FOLDERS[][32] = {"SimObjects", "Airplanes", "VK_Tarmelon", "panel"};

bool current_directory(char (&dir)[PATH_BUFFER]) {
    const DWORD length = GetCurrentDirectoryA(sizeof dir, dir);
    if (length == 0 || length >= sizeof dir) {
        dir[0] = '\0';
        return false;
    }
    return true;
}
}  // namespace

bool panel_file_path(char (&path)[PATH_BUFFER], const char* tail) {
    char dir[PATH_BUFFER];
    path[0] = '\0';
    if (!current_directory(dir)) return false;
    const int length = std::snprintf(path, sizeof path, "%s\\SimObjects\\Airplanes\\VK_Tarmelon\\panel\\%s", dir, tail);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof path) {
        path[0] = '\0';
        return false;
    }
    return true;
}

bool ensure_panel_folder(const char* sub) {
    char dir[PATH_BUFFER];
    if (!current_directory(dir)) return false;
    char path[PATH_BUFFER];
    int length = 0;
    for (const char* folder : AIRCRAFT_FOLDERS) {
        length = std::snprintf(path, sizeof path, "%s\\%s", dir, folder);
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof path) return false;
        std::snprintf(dir, sizeof dir, "%s", path);
        CreateDirectoryA(dir, nullptr);  // fails harmlessly where it exists
    }
    length = std::snprintf(path, sizeof path, "%s\\%s", dir, sub);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof path) return false;
    CreateDirectoryA(path, nullptr);
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool file_exists(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
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
