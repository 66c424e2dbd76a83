// Profile (INI) files with the semantics of the Windows profile-string functions.
// Internal to the Win32 stand-in; works on host paths (already mapped).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace w32standin::profile {

// What a read found: a single value, or a list (section or key names).
struct ReadResult {
    bool found = false;              // the value (or section, for lists) exists
    std::string value;               // single value, quotes removed
    std::vector<std::string> names;  // list of section or key names
};

// section empty optional: list sections; key empty optional: list the section's keys.
ReadResult read(const std::string& file, const std::optional<std::string>& section,
                const std::optional<std::string>& key);

// value empty optional: delete the key; key empty optional: delete the section.
// Returns false when the file cannot be read or written (missing folder, a directory...).
bool write(const std::string& file, const std::string& section,
           const std::optional<std::string>& key, const std::optional<std::string>& value);

// The Windows return conventions of GetPrivateProfileStringA.
std::uint32_t copy_value(const std::string& value, char* out, std::uint32_t size);
std::uint32_t copy_list(const std::vector<std::string>& names, char* out, std::uint32_t size);

}  // namespace w32standin::profile
