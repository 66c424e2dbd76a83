// Small text helpers shared by the bench: number formatting, quoting, JSON strings and
// the saturating double-to-integer conversion the simulator applies to its results.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bench {

// Shortest decimal text that reads back as the same double ("1", "0.5", "-16383").
std::string format_number(double value);

// Truncation toward zero, saturating at the int32 limits; NaN gives 0.
std::int32_t to_int32(double value);

// The text in double quotes with '"' and '\' escaped and other non-printable bytes as \xNN.
std::string quoted(std::string_view text);

// The text for a message: control bytes and bytes that are not part of valid UTF-8 as
// \xNN, everything else (backslashes too) as it is.
std::string printable(std::string_view text);

// A JSON string literal.
std::string json_string(std::string_view text);

// Strict whole-text parses: no leading or trailing junk, no overflow.
std::optional<double> parse_double(std::string_view text);
std::optional<std::int64_t> parse_integer(std::string_view text);  // decimal or 0x hex, signed

// Reads a C string that the module owns: at most max_bytes bytes, never past the first NUL.
// Returns nothing when no terminator lies within max_bytes (or the pointer is null).
std::optional<std::string> bounded_c_string(const char* text, std::size_t max_bytes);

std::string upper(std::string_view text);

}  // namespace bench
