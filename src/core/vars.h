// The named-variable layer: the only road to the simulator's variables. Each access builds
// one calculator string in a 256-byte buffer and hands it to the host, in program order,
// without caching. A variable name is the prefix, name and unit exactly as the calculator
// language writes them, e.g. "L:Lights_nav_POS, bool".
//
// A name or value that does not fit the buffer is never evaluated truncated: the access is
// skipped (a getter then reads zero). A non-finite double is never written.
#pragma once

#include <cstdint>

namespace tarmelon {

constexpr std::size_t CALCULATOR_BUFFER = 256;

void set_bool(const char* name, std::uint8_t flag);  // writes 1 only for a flag byte of exactly 1
void set_int(const char* name, std::int32_t value);
void set_double(const char* name, double value);     // six decimals
std::int32_t get_int(const char* name);
double get_double(const char* name);
const char* get_string(const char* name);            // owned by the host; "" when none

// A numbered simulator value (token 1 is the 18-per-second tick, 604 the clock in seconds).
double read_token(std::int32_t token);
}  // namespace tarmelon
