#include "core/codecs.h"

#include <cstdint>

#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"

namespace tarmelon {

std::int32_t bcd_to_khz(std::int32_t bcd) {
    const std::int32_t x = bcd & 0xFFFF;  // a 16-bit register
    const std::int32_t b = x % 4096;
    const std::int32_t c = (b % 256) % 16;
    std::int32_t khz = (x / 4096) * 10000 + (b / 256) * 1000 + ((b % 256) / 16) * 100 + c * 10 + 100000;
    if (c == 2 || c == 7) khz += 5;  // 25 kHz channels
    return khz;
}

std::int32_t khz_to_bcd(std::int32_t khz) {
    const std::int32_t m = (khz / 10) % 10000;
    const std::int32_t r = m % 1000;
    return (m / 1000) * 4096 + (r / 100) * 256 + ((r % 100) / 10) * 16 + (r % 100) % 10;
}

std::int32_t mhz_to_khz(double mhz) {
    const std::int64_t a = truncate_i32(100.0 * mhz + 0.4);
    std::int64_t khz = a * 10;
    const std::int64_t hundredths = a % 100;
    if (hundredths == 2 || hundredths == 7) khz += 5;
    if (khz > INT32_MAX) return INT32_MAX;
    if (khz < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(khz);
}

void set_squawk(std::int32_t d0, std::int32_t d1, std::int32_t d2, std::int32_t d3) {
    const std::int32_t code = d0 * 4096 + d1 * 256 + d2 * 16 + d3;
    host_trigger_key_event(KEY_XPNDR_SET, static_cast<std::uint32_t>(code));
}

}  // namespace tarmelon
