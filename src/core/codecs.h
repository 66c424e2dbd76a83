// Radio codecs: frequencies and transponder codes as the simulator keeps them.
#pragma once

#include <cstdint>

namespace tarmelon {

// Radio frequencies as the simulator keeps them: 16-bit BCD without the leading 1 and the
// last digit (0x2345 is 123.45 MHz), and plain kHz (123450).
std::int32_t bcd_to_khz(std::int32_t bcd);
std::int32_t khz_to_bcd(std::int32_t khz);
std::int32_t mhz_to_khz(double mhz);
// Sets the transponder from its four digit cells.
void set_squawk(std::int32_t d0, std::int32_t d1, std::int32_t d2, std::int32_t d3);

}  // namespace tarmelon
