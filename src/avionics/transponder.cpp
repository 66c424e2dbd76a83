#include "avionics/transponder.h"

#include <cstdio>

#include "core/codecs.h"
#include "core/numeric.h"
#include "core/vars.h"
#include "simlink/squawkbox.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr std::int32_t LAST_POSITION = 3;
constexpr std::int32_t VFR_CODE[4] = {7, 0, 0, 0};
constexpr std::int32_t MODE_COUNT = 4;
constexpr const char* MODE_NAMES[MODE_COUNT] = {"STBY", "GND", "ON", "ALT"};

TransponderState& t() { return state.transponder; }

void send_code() {
    const std::int32_t* d = t().transponderDigits;
    set_squawk(d[0], d[1], d[2], d[3]);
}

void set_vfr_digits() {
    for (int i = 0; i < 4; ++i) t().transponderDigits[i] = VFR_CODE[i];
}

// A zone of the XPDR page, u range by v range, bounds included.
struct Zone {
    double u_low, u_high, v_low, v_high;
    XpdrKey key;
};

constexpr double TOP_LOW = 0.37, TOP_HIGH = 0.63, BOTTOM_LOW = 0.04, BOTTOM_HIGH = 0.30;

// clang-format off
constexpr Zone ZONES[] = {
    // u           v           key
    {0.23, 0.33, 0.70, 0.97, XpdrKey::BACKSPACE},
    {0.01, 0.19, 0.01, 0.26, XpdrKey::ENTER},
    {0.01, 0.19, 0.28, 0.50, XpdrKey::IDENT},
    {0.22, 0.33, 0.37, 0.63, XpdrKey::VFR},
    {0.22, 0.33, 0.04, 0.30, XpdrKey::MODE},
    // digits: 0 to 3 on the top row, 4 to 7 below, from the left
    {0.75, 0.85, TOP_LOW, TOP_HIGH, XpdrKey::DIGIT_0},
    {0.63, 0.73, TOP_LOW, TOP_HIGH, XpdrKey::DIGIT_1},
    {0.48, 0.59, TOP_LOW, TOP_HIGH, XpdrKey::DIGIT_2},
    {0.35, 0.46, TOP_LOW, TOP_HIGH, XpdrKey::DIGIT_3},
    {0.75, 0.85, BOTTOM_LOW, BOTTOM_HIGH, XpdrKey::DIGIT_4},
    {0.63, 0.73, BOTTOM_LOW, BOTTOM_HIGH, XpdrKey::DIGIT_5},
    {0.48, 0.59, BOTTOM_LOW, BOTTOM_HIGH, XpdrKey::DIGIT_6},
    {0.35, 0.46, BOTTOM_LOW, BOTTOM_HIGH, XpdrKey::DIGIT_7},
};
// clang-format on

void press(XpdrKey key) {
    switch (key) {
        case XpdrKey::BACKSPACE: transponder_backspace(); break;
        case XpdrKey::ENTER: transponder_enter(); break;
        case XpdrKey::IDENT: transponder_ident(); break;
        case XpdrKey::VFR: transponder_vfr(); break;
        case XpdrKey::MODE: transponder_mode_key(); break;
        case XpdrKey::NONE: break;
        default: transponder_digit(static_cast<std::int32_t>(key) - static_cast<std::int32_t>(XpdrKey::DIGIT_0));
    }
}

// The simulator's register as four digits, or -1 when it holds no transponder code.
std::int32_t unpack_code(double value) {
    if (!(value >= 0.0 && value <= 65535.0)) return -1;  // NaN included
    const std::int32_t packed = truncate_i32(value);
    std::int32_t code = 0;
    for (int shift = 12; shift >= 0; shift -= 4) {
        const std::int32_t digit = (packed >> shift) & 0xF;
        if (digit > 7) return -1;
        code = code * 10 + digit;
    }
    return code;
}

}  // namespace

void reset_transponder_entry() {
    t().transponderEntryActive = 0;
    t().transponderCursor = 0;
    t().gtnXpdrMode = 0;
}

void transponder_digit(std::int32_t digit) {
    if (digit < 0 || digit > 7) return;
    TransponderState& s = t();
    if (s.transponderEntryActive == 0) {
        set_vfr_digits();
        s.transponderEntryActive = 1;
        s.transponderCursor = 0;
    }
    if (s.transponderCursor < 0 || s.transponderCursor > LAST_POSITION) s.transponderCursor = 0;
    s.transponderDigits[s.transponderCursor] = digit;
    if (s.transponderCursor < LAST_POSITION) ++s.transponderCursor;
}

void transponder_backspace() {
    TransponderState& s = t();
    if (s.transponderEntryActive != 0 && s.transponderCursor > 0) --s.transponderCursor;
}

void transponder_enter() {
    if (t().transponderEntryActive == 0) return;
    t().transponderEntryActive = 0;
    send_code();
}

void transponder_vfr() {
    set_vfr_digits();
    send_code();
}

void transponder_mode_key() {
    TransponderState& s = t();
    switch (s.gtnXpdrMode) {
        case 0:
            s.gtnXpdrMode = 1;
            squawkbox_set_mode(SQUAWKBOX_MODE_C);
            break;
        case 1: s.gtnXpdrMode = 2; break;
        case 2: s.gtnXpdrMode = 3; break;
        default:
            s.gtnXpdrMode = 0;
            squawkbox_set_mode(SQUAWKBOX_STANDBY);
            break;
    }
}

void transponder_ident() { squawkbox_ident(SQUAWKBOX_IDENT); }

XpdrKey transponder_keypad_touch(double u, double v) {
    for (const Zone& z : ZONES) {
        if (u >= z.u_low && u <= z.u_high && v >= z.v_low && v <= z.v_high) {
            press(z.key);
            return z.key;
        }
    }
    return XpdrKey::NONE;
}

void read_transponder_code() {
    const std::int32_t code = unpack_code(get_double("A:TRANSPONDER CODE:1, number"));
    if (code >= 0) t().transponderCodeShown = code;
}

void transponder_code_text(char* out, std::size_t size) {
    if (out == nullptr || size == 0) return;
    std::int32_t code = t().transponderCodeShown;
    if (code < 0 || code > 7777) code = 0;
    std::snprintf(out, size, "%04d", static_cast<int>(code));
}

void transponder_entry_text(char* out, std::size_t size) {
    if (out == nullptr || size == 0) return;
    int d[4];
    for (int i = 0; i < 4; ++i) {
        const std::int32_t digit = t().transponderDigits[i];
        d[i] = digit >= 0 && digit <= 7 ? static_cast<int>(digit) : 0;
    }
    switch (t().transponderCursor) {
        case 0: std::snprintf(out, size, "[%1d]%1d%1d%1d", d[0], d[1], d[2], d[3]); break;
        case 1: std::snprintf(out, size, "%1d[%1d]%1d%1d", d[0], d[1], d[2], d[3]); break;
        case 2: std::snprintf(out, size, "%1d%1d[%1d]%1d", d[0], d[1], d[2], d[3]); break;
        case 3: std::snprintf(out, size, "%1d%1d%1d[%1d]", d[0], d[1], d[2], d[3]); break;
        default: std::snprintf(out, size, "%1d%1d%1d%1d", d[0], d[1], d[2], d[3]); break;
    }
}

const char* transponder_mode_text() {
    const std::int32_t mode = t().gtnXpdrMode;
    return mode >= 0 && mode < MODE_COUNT ? MODE_NAMES[mode] : MODE_NAMES[0];
}

}  // namespace tarmelon
