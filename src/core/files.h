// Files under the aircraft's folder, built from the process's current directory (the
// simulator's folder), and the text conversions of profile values.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tarmelon {

constexpr std::size_t PATH_BUFFER = 260;

// "<simulator folder>\SimObjects\Airplanes\VK_Tarmelon\panel\<tail>". False (and an empty
// path) when the current directory cannot be read or the path would not fit: a path is
// never truncated into another file's name.
bool panel_file_path(char (&path)[PATH_BUFFER], const char* tail);
// "<simulator folder>\SimObjects\Airplanes\VK_Tarmelon\<tail>", by the same rule.
bool aircraft_file_path(char (&path)[PATH_BUFFER], const char* tail);

// Creates the folder "<panel folder>\<sub>" and the folders above it where missing.
bool ensure_panel_folder(const char* sub);

bool file_exists(const char* path);
// The file exists and can be opened for reading (it is closed again at once).
bool file_readable(const char* path);

// A profile value as text: leading blanks, an optional sign and decimal digits; anything
// else ends the number; empty or non-numeric text gives 0; out-of-range values saturate.
std::int32_t text_to_int(const char* text);
// A decimal number at the start of the text; 0 when there is none or it is not finite.
double text_to_double(const char* text);

}  // namespace tarmelon
