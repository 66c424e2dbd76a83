#include "core/vars.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "core/host.h"
#include "core/text.h"

namespace tarmelon {

namespace {

// A calculator string built piece by piece in a fixed buffer. A string that would not fit
// is never evaluated (the access is skipped). Whole numbers are written by hand: these
// strings are built hundreds of times a frame, and the same text through printf costs
// several times as much.
class Code {
public:
    void text(const char* s) {
        if (!ok_) return;
        const std::size_t room = sizeof buffer_ - 1 - length_;
        const std::size_t n = strnlen(s, room + 1);
        if (n > room) {
            ok_ = false;
            return;
        }
        std::memcpy(buffer_ + length_, s, n);
        length_ += n;
    }
    void whole(std::int32_t value) {
        char digits[12];
        std::size_t n = 0;
        // In unsigned arithmetic, so that the most negative value has its digits too.
        std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
        do {
            digits[n++] = static_cast<char>('0' + magnitude % 10u);
            magnitude /= 10u;
        } while (magnitude != 0u);
        if (value < 0) put('-');
        while (n > 0) put(digits[--n]);
    }
    void fixed(double value) {  // six decimals, as "%f" writes them
        char number[CALCULATOR_BUFFER];
        const int length = format_fixed(number, sizeof number, value);  // a point whatever the locale
        if (length < 0 || static_cast<std::size_t>(length) >= sizeof number) ok_ = false;
        else text(number);
    }
    // The finished string, or null when it did not fit.
    const char* c_str() {
        if (!ok_) return nullptr;
        buffer_[length_] = '\0';
        return buffer_;
    }

private:
    void put(char c) {
        if (length_ + 1 >= sizeof buffer_) ok_ = false;
        else buffer_[length_++] = c;
    }
    char buffer_[CALCULATOR_BUFFER];
    std::size_t length_ = 0;
    bool ok_ = true;
};

bool valid(const char* name) { return name != nullptr; }

const char* assignment(Code& code, const char* name) {
    code.text(" (>");
    code.text(name);
    code.text(")");
    return code.c_str();
}

const char* reading(Code& code, const char* name) {
    code.text("(");
    code.text(name);
    code.text(")");
    return code.c_str();
}

}  // namespace

void set_bool(const char* name, std::uint8_t flag) {
    if (!valid(name)) return;
    Code code;
    code.whole(flag == 1 ? 1 : 0);
    if (const char* text = assignment(code, name)) host_execute_calculator_code(text, nullptr, nullptr, nullptr);
}

void set_int(const char* name, std::int32_t value) {
    if (!valid(name)) return;
    Code code;
    code.whole(value);
    if (const char* text = assignment(code, name)) host_execute_calculator_code(text, nullptr, nullptr, nullptr);
}

void set_double(const char* name, double value) {
    if (!valid(name) || !std::isfinite(value)) return;
    Code code;
    code.fixed(value);
    if (const char* text = assignment(code, name)) host_execute_calculator_code(text, nullptr, nullptr, nullptr);
}

std::int32_t get_int(const char* name) {
    std::int32_t value = 0;
    Code code;
    if (valid(name))
        if (const char* text = reading(code, name)) host_execute_calculator_code(text, nullptr, &value, nullptr);
    return value;
}

double get_double(const char* name) {
    double value = 0.0;
    Code code;
    if (valid(name))
        if (const char* text = reading(code, name)) host_execute_calculator_code(text, &value, nullptr, nullptr);
    return value;
}

const char* get_string(const char* name) {
    const char* value = nullptr;
    Code code;
    if (valid(name))
        if (const char* text = reading(code, name)) host_execute_calculator_code(text, nullptr, nullptr, &value);
    return value != nullptr ? value : "";
}

double read_token(std::int32_t token) {
    sdk::MODULE_VAR var{};
    var.id = token;
    host_lookup_var(&var);
    return var.var_value.n;
}

}  // namespace tarmelon
