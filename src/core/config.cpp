#include "core/config.h"

#include "core/files.h"
#include "sdk/win32.h"

namespace tarmelon {

namespace {
constexpr char CONFIG_FILE[] = "Tarmelon.cfg";
}

CfgText read_cfg(const char* section, const char* key) {
    CfgText value{};
    char path[PATH_BUFFER];
    if (panel_file_path(path, CONFIG_FILE))
        GetPrivateProfileStringA(section, key, "", value.text, sizeof value.text, path);
    value.text[sizeof value.text - 1] = '\0';
    return value;
}

void write_cfg(const char* section, const char* key, const char* text) {
    char path[PATH_BUFFER];
    if (panel_file_path(path, CONFIG_FILE)) WritePrivateProfileStringA(section, key, text, path);
}

}  // namespace tarmelon
