// Writes and reads profile (INI) files through the Win32 profile functions: the real ones on
// Windows, the bench's stand-in elsewhere. Files written on one side must read back the same
// on the other.
//   profile_probe write FILE   the same sequence of writes on every platform
//   profile_probe dump FILE    every section and key as read back, one "section/key=value" a line
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "sdk/win32.h"
#if !defined(_WIN32)
#include <unistd.h>

#include "bench/win32/standin.h"
#endif

namespace {

std::vector<std::string> split_list(const char* buffer, std::size_t size) {
    std::vector<std::string> items;
    for (std::size_t at = 0; at < size && buffer[at] != '\0';) {
        items.emplace_back(buffer + at);
        at += items.back().size() + 1;
    }
    return items;
}

int write(const char* file) {
    struct Write {
        const char* section;
        const char* key;
        const char* value;
    };
    const Write writes[] = {
        {"PANELSTATE", "0", "1"},
        {"PANELSTATE", "1", "-42"},
        {"PANELSTATE", "2", "2147483647"},
        {"COM1", "1", "118.50"},
        {"COM1", "2", "  spaced value  "},
        {"COM1_TYPE", "1", "3"},
        {"panelstate", "1", "-7"},          // the same section and key in another case
        {"ElectricStart", "Volts", "\"28\""},
        {"COM1", "2", nullptr},             // deletes the key
        {"Extra", "Gone", "x"},
        {"Extra", nullptr, nullptr},        // deletes the section
        {"Last", "Key With Spaces", "a=b;c"},
    };
    for (const Write& w : writes)
        if (!WritePrivateProfileStringA(w.section, w.key, w.value, file) && w.value != nullptr) {
            std::fprintf(stderr, "write [%s] %s failed\n", w.section, w.key ? w.key : "(section)");
            return 1;
        }
    return 0;
}

int dump(const char* file) {
    char sections[4096];
    const DWORD n = GetPrivateProfileStringA(nullptr, nullptr, "", sections, sizeof sections, file);
    for (const std::string& section : split_list(sections, n)) {
        char keys[4096];
        const DWORD k = GetPrivateProfileStringA(section.c_str(), nullptr, "", keys, sizeof keys, file);
        for (const std::string& key : split_list(keys, k)) {
            char value[512];
            GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof value, file);
            std::printf("%s/%s=%s\n", section.c_str(), key.c_str(), value);
        }
    }
    // A few reads by name, whatever the case, and a missing key with its default.
    const char* reads[][2] = {{"panelstate", "1"}, {"ELECTRICSTART", "volts"}, {"COM1", "2"}, {"Nowhere", "x"}};
    for (const auto& r : reads) {
        char value[512];
        GetPrivateProfileStringA(r[0], r[1], "(default)", value, sizeof value, file);
        std::printf("read %s/%s=%s\n", r[0], r[1], value);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "write") != 0 && std::strcmp(argv[1], "dump") != 0)) {
        std::fprintf(stderr, "usage: profile_probe write|dump FILE\n");
        return 2;
    }
#if !defined(_WIN32)
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd) == nullptr) return 2;
    w32standin::reset(cwd);
#endif
    // A full path, as the module always gives (a bare file name would mean the Windows
    // folder to the real functions).
    char dir[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(sizeof dir, dir);
    if (length == 0 || length >= sizeof dir) return 2;
    char file[2 * MAX_PATH];
    std::snprintf(file, sizeof file, "%s\\%s", dir, argv[2]);
    return std::strcmp(argv[1], "write") == 0 ? write(file) : dump(file);
}
