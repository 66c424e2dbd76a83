// Conversions of outside values (tokens, simulator variables, SimConnect data, INI text).
// A double from outside may be huge, infinite or NaN: every conversion to an integer
// truncates toward zero, saturates at the type's range and maps NaN to 0.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace tarmelon {

template <typename Int>
constexpr Int saturating_truncate(double value) {
    if (value != value) return 0;  // NaN
    constexpr double lo = static_cast<double>(std::numeric_limits<Int>::min());
    // The largest double not above the type's maximum: for 32-bit types it is exact.
    constexpr double hi = static_cast<double>(std::numeric_limits<Int>::max());
    if (value <= lo) return std::numeric_limits<Int>::min();
    if (value >= hi) return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);  // truncates toward zero
}

constexpr std::int32_t truncate_i32(double value) { return saturating_truncate<std::int32_t>(value); }
constexpr std::uint32_t truncate_u32(double value) { return saturating_truncate<std::uint32_t>(value); }

}  // namespace tarmelon
