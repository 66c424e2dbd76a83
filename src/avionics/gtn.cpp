#include "avionics/gtn.h"

#include <cmath>
#include <iterator>

#include "avionics/radio_power.h"
#include "core/codecs.h"
#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "simlink/aircraft_data.h"
#include "simlink/squawkbox.h"
#include "state.h"

namespace tarmelon {

const MemoryRadio COM1_MEMORY = {"COM1", "COM1_TYPE", "L:comGTN_indexNum, number", "L:comGTNType_indexNum, number",
                                 KEY_COM1_FREQUENCY_SET, StationKind::COM};
const MemoryRadio NAV1_MEMORY = {"NAV1", "NAV1_TYPE", "L:navGTN_indexNum, number", "L:navGTNType_indexNum, number",
                                 KEY_NAV1_FREQUENCY_SET, StationKind::NAV};

namespace {

GtnState& unit() { return state.gtn; }
bool powered() { return state.gtnPower.gtnPowerOn != 0; }

void send(std::uint32_t key, std::uint32_t parameter = 1) { host_trigger_key_event(key, parameter); }

// A button or knob picture: both of the pair off when the first is above 0, else both on.
void toggle_pair(const char* variable, const char* twin) {
    const std::int32_t next = get_int(variable) > 0 ? 0 : 1;
    set_int(variable, next);
    set_int(twin, next);
}

void go_to(std::int32_t page) { unit().gtnPage = page; }
void go_from_here_to(std::int32_t page) {
    unit().gtnPreviousPage = unit().gtnPage;
    unit().gtnPage = page;
}

// ---- keypad entries -------------------------------------------------------------------

// Which positions a digit may be written at (bit n for position n), and the values of the
// second digit that refuse it at position 2 (-1: none).
struct DigitRule {
    std::uint8_t positions;
    std::int8_t refusedAfter[2];
};
// COM 118.00 to 136.97, 25 kHz channels.
constexpr DigitRule COM_RULES[10] = {
    {0b11100, {1, -1}},  // 0
    {0b01111, {1, -1}},  // 1
    {0b11110, {1, -1}},  // 2
    {0b01110, {1, -1}},  // 3
    {0b01100, {1, -1}},  // 4
    {0b11100, {1, -1}},  // 5
    {0b01100, {1, -1}},  // 6
    {0b11100, {1, 3}},   // 7
    {0b01100, {3, -1}},  // 8
    {0b01100, {3, -1}},  // 9
};
// NAV 108.00 to 117.95, 50 kHz channels.
constexpr DigitRule NAV_RULES[10] = {
    {0b11110, {0, -1}},   // 0
    {0b01111, {0, -1}},   // 1
    {0b01100, {0, -1}},   // 2
    {0b01100, {0, -1}},   // 3
    {0b01100, {0, -1}},   // 4
    {0b11100, {0, -1}},   // 5
    {0b01100, {0, -1}},   // 6
    {0b01100, {0, -1}},   // 7
    {0b01100, {-1, -1}},  // 8
    {0b01100, {1, -1}},   // 9
};

bool allowed(const DigitRule (&rules)[10], std::int32_t digit, std::int32_t position, std::int32_t d1) {
    if (digit < 0 || digit > 9 || position < 0 || position > 4) return false;
    const DigitRule& r = rules[digit];
    if ((r.positions & (1u << position)) == 0) return false;
    return !(position == 2 && (r.refusedAfter[0] == d1 || r.refusedAfter[1] == d1));
}

void advance(std::int32_t& cursor, std::int32_t last) {
    if (cursor < last) ++cursor;
}

// Writing the second digit after a backspace keeps the third: where the pair is one the
// keypad would refuse (136 with 1 written second is 116), the third digit becomes the
// nearest one it accepts (118), so the entry never holds a frequency outside the band.
void keep_in_band(const DigitRule (&rules)[10], GtnEntry& e) {
    const std::int32_t d1 = e.digits[1];
    if (allowed(rules, e.digits[2], 2, d1)) return;
    for (std::int32_t distance = 1; distance <= 9; ++distance) {
        for (std::int32_t d : {e.digits[2] - distance, e.digits[2] + distance}) {
            if (allowed(rules, d, 2, d1)) {
                e.digits[2] = d;
                return;
            }
        }
    }
}

void frequency_digit(GtnEntry& e, const DigitRule (&rules)[10], const std::int32_t (&start)[5], std::int32_t digit) {
    if (e.active == 0) {
        if (digit != 1) return;
        for (int i = 0; i < 5; ++i) e.digits[i] = start[i];
        e.active = 1;
        e.cursor = 0;
        e.digits[0] = digit;
        advance(e.cursor, 4);
        return;
    }
    if (e.cursor < 0 || e.cursor > 4) e.cursor = 0;
    if (!allowed(rules, digit, e.cursor, e.digits[1])) return;
    e.digits[e.cursor] = digit;
    if (e.cursor == 1) keep_in_band(rules, e);
    advance(e.cursor, 4);
}

constexpr std::int32_t COM_START[5] = {1, 1, 8, 0, 0};
constexpr std::int32_t NAV_START[5] = {1, 0, 8, 0, 0};

void fuel_digit(std::int32_t digit) {
    GtnEntry& e = unit().fuelEntry;
    if (e.active == 0) {
        for (std::int32_t& d : e.digits) d = 0;
        e.active = 1;
        e.cursor = 0;
        e.digits[0] = digit;
        advance(e.cursor, 4);
        return;
    }
    if (e.cursor < 0 || e.cursor > 4) e.cursor = 0;
    const bool anywhere = digit == 0 || digit == 1;
    if (!anywhere && e.cursor < 1) return;
    e.digits[e.cursor] = digit;
    advance(e.cursor, 4);
}

void xpdr_digit(std::int32_t digit) {
    if (digit < 0 || digit > 7) return;
    GtnState& s = unit();
    std::int32_t* d = state.transponder.transponderDigits;
    if (s.xpdrEntryActive == 0) {
        d[0] = 7;
        d[1] = d[2] = d[3] = 0;
        s.xpdrEntryActive = 1;
        s.xpdrEntryCursor = 0;
    }
    if (s.xpdrEntryCursor < 0 || s.xpdrEntryCursor > 3) s.xpdrEntryCursor = 0;
    d[s.xpdrEntryCursor] = digit;
    advance(s.xpdrEntryCursor, 3);
}

void enter_digit(std::int32_t digit) {
    switch (unit().gtnPage) {
        case 5: fuel_digit(digit); break;
        case 6: frequency_digit(unit().comEntry, COM_RULES, COM_START, digit); break;
        case 7: xpdr_digit(digit); break;
        case 8: frequency_digit(unit().navEntry, NAV_RULES, NAV_START, digit); break;
        default: break;
    }
}

void backspace(GtnEntry& e) {
    if (e.active != 0 && e.cursor > 0) --e.cursor;
}

std::int32_t entry_khz(const GtnEntry& e) {
    const std::int32_t* d = e.digits;
    return d[0] * 100000 + d[1] * 10000 + d[2] * 1000 + d[3] * 100 + d[4] * 10;
}

void send_squawk() {
    const std::int32_t* d = state.transponder.transponderDigits;
    set_squawk(d[0], d[1], d[2], d[3]);
}

// ---- soft keys ------------------------------------------------------------------------

bool com_focus() { return unit().gtnComFocus != 0; }
bool nav_focus() { return unit().gtnNavFocus != 0; }

void swap_arrow() {
    if (com_focus()) send(KEY_COM1_SWAP);
    else if (nav_focus()) send(KEY_NAV1_SWAP);
}

void msg_key() {
    GtnState& s = unit();
    switch (s.gtnMsgState) {
        case 0:
        case 1:
            send(KEY_GPS_MSG);
            ++s.gtnMsgState;
            break;
        case 2:
            s.gtnMsgOff = 1;
            s.gtnMsgState = 3;
            break;
        default:
            s.gtnMsgOff = 0;
            s.gtnMsgState = 0;
            break;
    }
}

void home_action();

void back_key() {
    GtnState& s = unit();
    if (s.gtnPage != 1) {
        go_to(s.gtnPreviousPage);
    } else if (s.gtnProcFlag != 0) {
        send(KEY_GPS_PROCEDURE, 0);
        s.gtnProcFlag = 0;
    } else if (s.gtnFlightPlanFlag != 0) {
        home_action();
        go_to(1);
        s.gtnFlightPlanFlag = 0;
    } else {
        go_to(s.gtnPreviousPage);
    }
}

void home_action() {
    GtnState& s = unit();
    toggle_pair("L:GTN6XX_HOME_BUTTON, bool", "L:GTN6XX_HOME_BUTTON_POS, bool");
    go_from_here_to(9);
    send(KEY_GPS_RESET, 0);
    s.gtnDirectPressed = 0;
    s.gtnFlightPlanFlag = 0;
    s.gtnProcFlag = 0;
}

void menu_key() { send(KEY_GPS_MENU); }
void map_enter_key() { send(KEY_GPS_ENTER); }
void zoom_in_key() { send(KEY_GPS_ZOOM_IN); }
void zoom_out_key() { send(KEY_GPS_ZOOM_OUT); }
void cdi_key() { unit().gtnCdiShown = unit().gtnCdiShown != 0 ? 0 : 1; }
void obs_key() { send(KEY_GPS_OBS); }
template <std::int32_t Page>
void open_page() {
    go_from_here_to(Page);
}
void continue_key() { go_to(9); }
void flight_plan_key() {
    unit().gtnFlightPlanFlag = 1;
    go_to(1);
    send(KEY_GPS_FLIGHT_PLAN);
}
void proc_key() {
    unit().gtnProcFlag = 1;
    go_to(1);
    send(KEY_GPS_PROCEDURE, 1);
    unit().gtnDirectPressed = 1;
}

const MemoryRadio* focused_memory() {
    if (com_focus()) return &COM1_MEMORY;
    if (nav_focus()) return &NAV1_MEMORY;
    return nullptr;
}
MemoryCursor& focused_cursor() { return com_focus() ? unit().comMemory : unit().navMemory; }

template <std::int32_t Row>
void list_row() {
    const MemoryRadio* radio = focused_memory();
    if (radio == nullptr) return;
    const std::int32_t page = unit().gtnListPage >= 1 && unit().gtnListPage <= 3 ? unit().gtnListPage : 1;
    recall_frequency(*radio, focused_cursor(), 3 * (page - 1) + Row);
}
void list_up() {
    if (unit().gtnListPage > 1) --unit().gtnListPage;
}
void list_down() {
    if (unit().gtnListPage < 3) ++unit().gtnListPage;
}

void store_key() {
    GtnState& s = unit();
    const MemoryRadio* radio = focused_memory();
    if (radio == nullptr) return;
    const bool com = com_focus();
    MemoryCursor& cursor = focused_cursor();
    const std::int32_t slot = store_frequency(*radio, cursor, com ? s.comActiveMhz1 : s.navActiveMhz1);
    if (slot == 0) return;
    store_station_type(*radio, cursor, slot, s.gtnTypeSelection);
    (com ? s.comStored : s.navStored) = 1;
}

void full_key() {
    GtnEntry& e = unit().fuelEntry;
    constexpr std::int32_t FULL[5] = {2, 2, 1, 8, 3};  // 22183 lb
    for (int i = 0; i < 5; ++i) e.digits[i] = FULL[i];
    e.active = 1;
}

void fuel_backspace() { backspace(unit().fuelEntry); }
void com_backspace() { backspace(unit().comEntry); }
void nav_backspace() { backspace(unit().navEntry); }
void xpdr_backspace() {
    if (unit().xpdrEntryActive != 0 && unit().xpdrEntryCursor > 0) --unit().xpdrEntryCursor;
}

void fuel_enter() {
    GtnEntry& e = unit().fuelEntry;
    if (e.active == 0) return;
    std::int32_t pounds = 0;
    for (std::int32_t d : e.digits) pounds = pounds * 10 + d;
    e.active = 0;
    write_fuel_load(pounds);
}
void com_enter() {
    GtnEntry& e = unit().comEntry;
    if (e.active == 0) return;
    e.active = 0;
    send(KEY_COM1_FREQUENCY_SET, static_cast<std::uint32_t>(khz_to_bcd(entry_khz(e))));
}
void nav_enter() {
    GtnEntry& e = unit().navEntry;
    if (e.active == 0) return;
    e.active = 0;
    send(KEY_NAV1_FREQUENCY_SET, static_cast<std::uint32_t>(khz_to_bcd(entry_khz(e))));
}
void xpdr_enter() {
    if (unit().xpdrEntryActive == 0) return;
    unit().xpdrEntryActive = 0;
    send_squawk();
}
void ident_key() { squawkbox_ident(SQUAWKBOX_IDENT); }
void com_xfer() { send(KEY_COM1_SWAP); }
void nav_xfer() { send(KEY_NAV1_SWAP); }
void mon_key() { unit().gtnMonitor = unit().gtnMonitor != 0 ? 0 : 1; }
void vfr_key() {
    std::int32_t* d = state.transponder.transponderDigits;
    d[0] = 7;
    d[1] = d[2] = d[3] = 0;
    send_squawk();
}
void mode_key() {
    GtnState& s = unit();
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

bool enter_offered() { return unit().gtnEnterOffered != 0; }
bool enter_not_offered() { return unit().gtnEnterOffered == 0; }

struct Range {
    double low, high;
    bool holds(double x) const { return x >= low && x <= high; }
};

struct Zone {
    std::int32_t page;
    GtnKey key;
    Range u, v;
    void (*action)();
    bool (*when)() = nullptr;
};

// The keys of each page, in the order they are tested; the first that holds the touch acts.
// clang-format off
constexpr Zone PAGE_ZONES[] = {
    {1, GTN_KEY_MENU, {0.88, 0.98}, {0.60, 0.84}, menu_key},
    {1, GTN_KEY_ENTER, {0.01, 0.19}, {0.01, 0.26}, map_enter_key, enter_offered},
    {1, GTN_KEY_IN, {0.10, 0.19}, {0.01, 0.26}, zoom_in_key, enter_not_offered},
    {1, GTN_KEY_OUT, {0.01, 0.10}, {0.01, 0.26}, zoom_out_key, enter_not_offered},
    {3, GTN_KEY_CDI, {0.74, 0.86}, {0.01, 0.26}, cdi_key},
    {3, GTN_KEY_OBS, {0.22, 0.33}, {0.01, 0.26}, obs_key},
    {3, GTN_KEY_MAP, {0.01, 0.19}, {0.01, 0.26}, open_page<1>},
    {4, GTN_KEY_CONTINUE, {0.01, 0.19}, {0.01, 0.26}, continue_key},
    {9, GTN_KEY_MAP, {0.72, 0.86}, {0.50, 0.83}, open_page<1>},
    {9, GTN_KEY_COM, {0.56, 0.69}, {0.49, 0.82}, open_page<6>},
    {9, GTN_KEY_NAV, {0.39, 0.53}, {0.49, 0.83}, open_page<8>},
    {9, GTN_KEY_XPDR, {0.23, 0.37}, {0.49, 0.83}, open_page<7>},
    {9, GTN_KEY_DEFAULT_NAV, {0.72, 0.86}, {0.05, 0.38}, open_page<3>},
    {9, GTN_KEY_FLIGHT_PLAN, {0.56, 0.69}, {0.04, 0.37}, flight_plan_key},
    {9, GTN_KEY_PROC, {0.39, 0.53}, {0.03, 0.37}, proc_key},
    {9, GTN_KEY_FUEL, {0.22, 0.36}, {0.03, 0.37}, open_page<5>},
    {10, GTN_KEY_USER, {0.55, 0.74}, {0.40, 0.67}, open_page<11>},
    {10, GTN_KEY_STORE, {0.32, 0.51}, {0.41, 0.67}, open_page<12>},
    {11, GTN_KEY_ROW, {0.35, 0.67}, {0.71, 0.97}, list_row<1>},
    {11, GTN_KEY_ROW, {0.35, 0.67}, {0.43, 0.67}, list_row<2>},
    {11, GTN_KEY_ROW, {0.35, 0.67}, {0.13, 0.38}, list_row<3>},
    {11, GTN_KEY_UP, {0.10, 0.20}, {0.01, 0.25}, list_up},
    {11, GTN_KEY_DOWN, {0.00, 0.10}, {0.01, 0.25}, list_down},
    {12, GTN_KEY_ENTER, {0.01, 0.19}, {0.01, 0.26}, store_key},
    {5, GTN_KEY_FULL, {0.75, 0.85}, {0.70, 0.98}, full_key},
    {5, GTN_KEY_BACKSPACE, {0.23, 0.33}, {0.70, 0.97}, fuel_backspace},
    {6, GTN_KEY_BACKSPACE, {0.23, 0.33}, {0.70, 0.97}, com_backspace},
    {8, GTN_KEY_BACKSPACE, {0.23, 0.33}, {0.70, 0.97}, nav_backspace},
    {7, GTN_KEY_BACKSPACE, {0.23, 0.33}, {0.70, 0.97}, xpdr_backspace},
    {5, GTN_KEY_ENTER, {0.01, 0.19}, {0.01, 0.26}, fuel_enter},
    {6, GTN_KEY_ENTER, {0.01, 0.19}, {0.01, 0.26}, com_enter},
    {8, GTN_KEY_ENTER, {0.01, 0.19}, {0.01, 0.26}, nav_enter},
    {7, GTN_KEY_ENTER, {0.01, 0.19}, {0.01, 0.26}, xpdr_enter},
    {7, GTN_KEY_IDENT, {0.01, 0.19}, {0.28, 0.50}, ident_key},
    {6, GTN_KEY_FIND, {0.88, 0.99}, {0.58, 0.84}, open_page<10>},
    {8, GTN_KEY_FIND, {0.88, 0.99}, {0.58, 0.84}, open_page<10>},
    {6, GTN_KEY_XFER, {0.75, 0.85}, {0.70, 0.98}, com_xfer},
    {6, GTN_KEY_MON, {0.62, 0.73}, {0.70, 0.98}, mon_key},
    {8, GTN_KEY_XFER, {0.75, 0.85}, {0.70, 0.98}, nav_xfer},
    {7, GTN_KEY_VFR, {0.22, 0.33}, {0.37, 0.63}, vfr_key},
    {7, GTN_KEY_MODE, {0.22, 0.33}, {0.04, 0.30}, mode_key},
    // The keypads' MSG key, a second time after the common keys.
    {6, GTN_KEY_MSG, {0.88, 0.98}, {0.31, 0.55}, msg_key},
    {7, GTN_KEY_MSG, {0.88, 0.98}, {0.31, 0.55}, msg_key},
    {8, GTN_KEY_MSG, {0.88, 0.98}, {0.31, 0.55}, msg_key},
};
// clang-format on

// The digit keys: five columns by two rows on the fuel, COM and NAV keypads (1 to 5 above,
// 6 to 0 below), the first four columns on the transponder's (0 to 3 above, 4 to 7 below).
constexpr Range DIGIT_COLUMNS[5] = {{0.75, 0.85}, {0.63, 0.73}, {0.48, 0.59}, {0.35, 0.46}, {0.22, 0.33}};
constexpr Range DIGIT_ROWS[2] = {{0.37, 0.63}, {0.04, 0.30}};
constexpr std::int32_t KEYPAD_DIGITS[2][5] = {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 0}};
constexpr std::int32_t XPDR_DIGITS[2][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}};

void highlight(GtnKey key) { unit().keyHighlight[key] = 1; }

bool digit_keys(std::int32_t page, double u, double v) {
    const bool keypad = page == 5 || page == 6 || page == 8;
    if (!keypad && page != 7) return false;
    const int columns = keypad ? 5 : 4;
    for (int row = 0; row < 2; ++row) {
        if (!DIGIT_ROWS[row].holds(v)) continue;
        for (int column = 0; column < columns; ++column) {
            if (!DIGIT_COLUMNS[column].holds(u)) continue;
            highlight(GTN_KEY_DIGIT);
            enter_digit(keypad ? KEYPAD_DIGITS[row][column] : XPDR_DIGITS[row][column]);
            return true;
        }
    }
    return false;
}

double clamp01(double x) {
    if (!(x >= 0.0)) return 0.0;  // NaN too
    return x > 1.0 ? 1.0 : x;
}

void focused_radio_knob(std::uint32_t com_key, std::uint32_t nav_key) {
    if (com_focus()) send(com_key);
    else if (nav_focus()) send(nav_key);
}

}  // namespace

void reset_gtn() {
    GtnState& s = unit();
    const std::uint8_t latch = s.gtnAutoPowerLatch;
    s = GtnState{};
    s.gtnAutoPowerLatch = latch;
    state.gtnPower.gtnPowerOn = 1;
    s.gtnPage = 4;
    s.gtnPreviousPage = 4;
    s.gtnComFocus = 1;
    s.gtnCdiShown = 1;
    for (int i = 0; i < 5; ++i) {
        s.comEntry.digits[i] = COM_START[i];
        s.navEntry.digits[i] = NAV_START[i];
    }
    s.gtnListPage = 1;
    s.gtnTypeSelection = 1;
    reset_memory_cursor(s.comMemory);
    reset_memory_cursor(s.navMemory);
}

void gtn_touch(int x, int y, int width, int height, bool left) {
    GtnState& s = unit();
    s.gtnTouchU = 0.0;
    s.gtnTouchV = 0.0;
    if (left && width > 0 && height > 0) {
        s.gtnTouchU = clamp01(1.0 - static_cast<double>(x) / width);
        s.gtnTouchV = clamp01(1.0 - static_cast<double>(y) / height);
    }
    const double u = s.gtnTouchU, v = s.gtnTouchV;
    const std::int32_t page = s.gtnPage;
    // The keys every page shares.
    if (page != 4 && page != 5) {
        if (Range{0.06, 0.14}.holds(u) && Range{0.68, 0.81}.holds(v)) {
            highlight(GTN_KEY_SWAP);
            swap_arrow();
        } else if (Range{0.88, 0.98}.holds(u) && Range{0.31, 0.55}.holds(v)) {
            highlight(GTN_KEY_MSG);
            msg_key();
        }
    }
    if (page != 4 && page != 9 && Range{0.88, 0.98}.holds(u) && Range{0.01, 0.26}.holds(v)) {
        highlight(GTN_KEY_BACK);
        back_key();
    }
    // The page's own keys.
    bool matched = false;
    for (const Zone& z : PAGE_ZONES) {
        if (z.page != page || !z.u.holds(u) || !z.v.holds(v)) continue;
        if (z.when != nullptr && !z.when()) continue;
        highlight(z.key);
        z.action();
        matched = true;
        break;
    }
    if (!matched) digit_keys(page, u, v);
    s.highlightPending = 1;
    s.highlightTimer.started = 0;
    set_int("L:Mouse_Data_X, number", truncate_i32(s.gtnTouchU));
    set_int("L:Mouse_Data_Y, number", truncate_i32(s.gtnTouchV));
}

void gtn_volume_knob() {
    toggle_pair("L:GTN6XX_LKNOB, bool", "L:GTN6XX_LKNOB_POS, bool");
    if (!powered()) {
        state.gtnPower.gtnPowerOn = 1;
        return;
    }
    state.gtnPower.gtnPowerOn = 0;
    send(KEY_GPS_RESET, 0);
    set_bool("L:TarmelonGPSVis, bool", 0);
    set_bool("L:Garmin_LCD_C, bool", 0);
    unit().gtnPage = 4;  // the start-up page at the next power-on
}

void gtn_large_knob(bool up) {
    if (up) toggle_pair("L:GTN6XX_RKNOB_L_Inc, bool", "L:GTN6XX_RKNOB_L_Inc_POS, bool");
    else toggle_pair("L:GTN6XX_RKNOB_L_Dec, bool", "L:GTN6XX_RKNOB_L_Dec_POS, bool");
    switch (unit().gtnPage) {
        case 1: send(up ? KEY_GPS_LARGE_KNOB_INC : KEY_GPS_LARGE_KNOB_DEC); break;
        case 3:
        case 6:
        case 7:
        case 8:
        case 9:
            if (up) focused_radio_knob(KEY_COM1_WHOLE_INC, KEY_NAV1_WHOLE_INC);
            else focused_radio_knob(KEY_COM1_WHOLE_DEC, KEY_NAV1_WHOLE_DEC);
            break;
        default: break;
    }
}

void gtn_small_knob(bool up, bool right) {
    GtnState& s = unit();
    if (up) toggle_pair("L:GTN6XX_RKNOB_S_Inc, bool", "L:GTN6XX_RKNOB_S_Inc_POS, bool");
    else toggle_pair("L:GTN6XX_RKNOB_S_Dec, bool", "L:GTN6XX_RKNOB_S_Dec_POS, bool");
    if (right) {
        const std::uint8_t com = s.gtnComFocus;
        s.gtnComFocus = s.gtnNavFocus;
        s.gtnNavFocus = com;
        s.gtnTypeSelection = 1;
        return;
    }
    if (s.gtnPage == 12) {
        const std::int32_t top = com_focus() ? station_type_count(StationKind::COM)
                                             : station_type_count(StationKind::NAV);
        if (up && s.gtnTypeSelection < top) ++s.gtnTypeSelection;
        if (!up && s.gtnTypeSelection > 1) --s.gtnTypeSelection;
    } else if (s.gtnPage == 1) {
        send(up ? KEY_GPS_SMALL_KNOB_INC : KEY_GPS_SMALL_KNOB_DEC);
    } else if (up) {
        focused_radio_knob(KEY_COM1_FRACT_INC, KEY_NAV1_FRACT_INC);
    } else {
        focused_radio_knob(KEY_COM1_FRACT_DEC, KEY_NAV1_FRACT_DEC);
    }
}

void gtn_direct_to_button() {
    toggle_pair("L:GTN6XX_DCT_BUTTON, bool", "L:GTN6XX_DCT_BUTTON_POS, bool");
    go_from_here_to(1);
    if (powered()) {
        send(KEY_GPS_DIRECT_TO);
        unit().gtnDirectPressed = 1;
    }
}

void gtn_home_button() { home_action(); }

void gtn_terrain_key() { send(KEY_GPS_TERRAIN); }

}  // namespace tarmelon
