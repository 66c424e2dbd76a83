#include "core/vars.h"

#include <cmath>
#include <cstdio>

#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"

namespace tarmelon {

namespace {


// Formats into the buffer; false when the result would not fit (nothing is evaluated then).
template <typename... Args>
bool format(char (&buffer)[CALCULATOR_BUFFER], const char* pattern, Args... args) {
    const int length = std::snprintf(buffer, sizeof buffer, pattern, args...);
    return length >= 0 && static_cast<std::size_t>(length) < sizeof buffer;
}

bool valid(const char* name) { return name != nullptr; }

}  // namespace

void set_bool(const char* name, std::uint8_t flag) {
    if (!valid(name)) return;
    char code[CALCULATOR_BUFFER];
    if (format(code, "%d%s%s%s", flag == 1 ? 1 : 0, " (>", name, ")"))
        host_execute_calculator_code(code, nullptr, nullptr, nullptr);
}

void set_int(const char* name, std::int32_t value) {
    if (!valid(name)) return;
    char code[CALCULATOR_BUFFER];
    if (format(code, "%d%s%s%s", static_cast<int>(value), " (>", name, ")"))
        host_execute_calculator_code(code, nullptr, nullptr, nullptr);
}

void set_double(const char* name, double value) {
    if (!valid(name) || !std::isfinite(value)) return;
    char code[CALCULATOR_BUFFER];
    if (format(code, "%f%s%s%s", value, " (>", name, ")"))
        host_execute_calculator_code(code, nullptr, nullptr, nullptr);
}

std::int32_t get_int(const char* name) {
    std::int32_t value = 0;
    char code[CALCULATOR_BUFFER];
    if (valid(name) && format(code, "%s%s%s", "(", name, ")"))
        host_execute_calculator_code(code, nullptr, &value, nullptr);
    return value;
}

double get_double(const char* name) {
    double value = 0.0;
    char code[CALCULATOR_BUFFER];
    if (valid(name) && format(code, "%s%s%s", "(", name, ")"))
        host_execute_calculator_code(code, &value, nullptr, nullptr);
    return value;
}

const char* get_string(const char* name) {
    const char* value = nullptr;
    char code[CALCULATOR_BUFFER];
    if (valid(name) && format(code, "%s%s%s", "(", name, ")"))
        host_execute_calculator_code(code, nullptr, nullptr, &value);
    return value != nullptr ? value : "";
}

double read_token(std::int32_t token) {
    sdk::MODULE_VAR var{};
    var.id = token;
    host_lookup_var(&var);
    return var.var_value.n;
}

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
