#include "core/vars.h"

#include <cmath>
#include <cstdio>

#include "core/host.h"
#include "core/text.h"

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
    char number[CALCULATOR_BUFFER];
    const int length = format_fixed(number, sizeof number, value);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof number) return;
    char code[CALCULATOR_BUFFER];
    if (format(code, "%s%s%s%s", number, " (>", name, ")"))
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

}  // namespace tarmelon
