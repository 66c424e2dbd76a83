// The aircraft's configuration file "Tarmelon.cfg" in its panel folder: per-installation
// settings and the radios' stored frequencies.
#pragma once

namespace tarmelon {

struct CfgText {
    char text[256];
};

// The key's text, or "" when the file, section or key is missing.
CfgText read_cfg(const char* section, const char* key);
void write_cfg(const char* section, const char* key, const char* text);

}  // namespace tarmelon
