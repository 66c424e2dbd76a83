// The navigator's screen: power, which of its 72 elements show, what its fields print, and
// the values it publishes for the virtual cockpit.
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "avionics/gtn.h"
#include "avionics/radio_power.h"
#include "core/codecs.h"
#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

namespace {

GtnState& unit() { return state.gtn; }
bool powered() { return state.gtnPower.gtnPowerOn != 0; }

constexpr double METRES_TO_NM = 5.4e-4;
constexpr double MS_TO_KNOTS = 1.944;
constexpr double POUNDS_PER_GALLON = 6.7;
constexpr double DEVIATION_LIMIT = 10190.0;

// floor(kHz / 10) / 100 of a BCD frequency token.
double token_mhz(std::int32_t token) {
    const std::int32_t khz = bcd_to_khz(truncate_i32(read_token(token)));
    return std::floor(khz / 10.0) / 100.0;
}

bool page_is(std::int32_t page) { return unit().gtnPage == page; }
bool right_column() { return !page_is(4) && !page_is(5); }
bool navigating() { return unit().activeFlightPlan != 0 && unit().activeWaypoint != 0; }
bool com_focus() { return unit().gtnComFocus != 0; }
bool nav_focus() { return unit().gtnNavFocus != 0; }

// Which page each page image (elements 4 to 12) belongs to; element 5's page is never shown.
constexpr std::int32_t PAGE_OF_IMAGE[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};

void screen(GtnVisibility& v) {
    const GtnState& s = unit();
    v.set(4, 12, 0);
    v.set(39, 41, 0);
    v.set(16, 23, page_is(3) ? 0 : 1);
    v.show_if(13, right_column());
    v.show_if(14, right_column());
    v.show_if(15, right_column());
    v.show_if(54, right_column());
    v.set(42, 45, page_is(1) ? 0 : 1);
    v.set(68, 71, page_is(1) ? 0 : 1);
    v.show_if(24, page_is(5) && s.fuelEntry.active == 0);
    v.show_if(26, page_is(5) && s.fuelEntry.active != 0);
    v.show_if(25, page_is(6) && s.comEntry.active == 0);
    v.show_if(27, page_is(6) && s.comEntry.active != 0);
    v.show_if(29, page_is(7) && s.xpdrEntryActive == 0);
    v.show_if(30, page_is(7) && s.xpdrEntryActive != 0);
    v.show_if(31, page_is(7));
    v.show_if(66, page_is(7));
    v.show_if(34, page_is(8) && s.navEntry.active == 0);
    v.show_if(35, page_is(8) && s.navEntry.active != 0);
    v.show_if(33, s.gtnMonitor != 0 && right_column());
    v.show_if(28, s.gtnMonitor != 0 && page_is(6));
    v.show_if(32, right_column());
    const bool course = page_is(3) && navigating();
    v.show_if(46, course && s.approachActive != 0);
    v.show_if(37, course && s.approachActive == 0 && s.directTo == 0);
    v.show_if(38, course && s.approachActive == 0 && s.directTo != 0);
    v.show_if(36, course && s.gtnCdiShown != 0);
    v.set(50, 53, nav_focus() && right_column() ? 0 : 1);
    v.show_if(47, page_is(10));
    v.show_if(48, page_is(11));
    v.show_if(57, page_is(11));
    v.show_if(61, page_is(11));
    v.show_if(62, page_is(11));
    v.show_if(64, page_is(11));
    v.show_if(65, page_is(11));
    v.show_if(49, page_is(12));
    v.show_if(56, page_is(12));
    v.show_if(58, page_is(12));
    v.show_if(60, page_is(12));
    v.show_if(63, s.gtnDatabaseFull == 0);
    v.show_if(59, false);
    v.show_if(67, page_is(1) && s.gtnDirectPressed != 0);
    v.show_if(55, nav_focus());
}

void publish() {
    GtnState& s = unit();
    const double metres = get_double("A:GPS WP DISTANCE, meters");
    s.distanceNm = metres * METRES_TO_NM;
    set_int("L:GPS_DIS, number", truncate_i32(s.distanceNm));
    s.groundSpeed = truncate_i32(truncate_i32(get_double("A:GPS GROUND SPEED, m/s")) * MS_TO_KNOTS);
    set_int("L:GPS_GS, number", s.groundSpeed);
    s.desiredTrack = truncate_i32(get_double("A:GPS WP DESIRED TRACK, degrees"));
    set_int("L:GPS_DTK, number", s.desiredTrack);
    s.track = truncate_i32(get_double("A:GPS GROUND MAGNETIC TRACK, degrees"));
    set_int("L:GPS_TRK, number", s.track);
    s.bearing = truncate_i32(get_double("A:GPS WP BEARING, degrees"));
    set_int("L:GPS_BRG, number", s.bearing);
    s.ete = truncate_i32(get_double("A:GPS ETE, seconds"));
    set_int("L:GPS_ETE, number", s.ete);
    s.eta = truncate_i32(get_double("A:GPS ETA, seconds"));
    set_int("L:GPS_ETA, number", s.eta);
    set_int("L:GPS_TRUHDG, number", truncate_i32(get_double("A:GPS GROUND TRUE HEADING, degrees")));
    set_int("L:GPS_TRUTRK, number", truncate_i32(get_double("A:GPS GROUND TRUE TRACK, degrees")));
    set_int("L:GPS_TRUBRG, number", truncate_i32(get_double("A:GPS WP TRUE BEARING, degrees")));
    set_int("L:GPS_XTRK, number", truncate_i32(get_double("A:GPS WP CROSS TRK, degrees")));
    set_int("L:GPS_TRUREQHDG, number", truncate_i32(get_double("A:GPS WP TRUE REQ HDG, degrees")));
    set_int("L:GPS_CRSSTR, number", truncate_i32(get_double("A:GPS COURSE TO STEER, degrees")));
    s.activeFlightPlan = get_int("A:GPS IS ACTIVE FLIGHT PLAN, bool") != 0 ? 1 : 0;
    s.activeWaypoint = get_int("A:GPS IS ACTIVE WAY POINT, bool") != 0 ? 1 : 0;
    const std::int32_t arrived = get_int("A:GPS IS ARRIVED, bool") != 0 ? 1 : 0;
    s.directTo = get_int("A:GPS IS DIRECTTO FLIGHTPLAN, bool") != 0 ? 1 : 0;
    set_int("L:GPS_VAR1, number", s.activeFlightPlan);
    set_int("L:GPS_VAR2, number", s.activeWaypoint);
    set_int("L:GPS_VAR3, number", arrived);
    set_int("L:GPS_VAR4, number", s.directTo);
    set_int("L:GPS_MV_GS, number", truncate_i32(read_token(TOKEN_GPS_GROUND_SPEED)));
    set_int("L:GPS_MV_GRDHDG, number", truncate_i32(read_token(TOKEN_GPS_GROUND_HEADING)));
    set_int("L:GPS_MV_GRDTRK, number", truncate_i32(read_token(TOKEN_GPS_GROUND_TRACK)));
    set_int("L:GPS_MV_WPDIS, number", truncate_i32(read_token(TOKEN_GPS_WP_DISTANCE)));
    set_int("L:GPS_MV_WPBRG, number", truncate_i32(read_token(TOKEN_GPS_WP_BEARING)));
    set_int("L:GPS_MV_WPXTRK, number", truncate_i32(read_token(TOKEN_GPS_CROSS_TRACK)) / 100);
    set_int("L:GPS_MV_REQHDG, number", truncate_i32(read_token(TOKEN_GPS_REQUIRED_HEADING)));
    set_int("L:GPS_MV_WPTRUBRG, number", truncate_i32(read_token(TOKEN_GPS_WP_TRUE_BEARING)));
    set_int("L:GPS_MV_WPTTRUREQ, number", truncate_i32(read_token(TOKEN_GPS_WP_TRUE_REQUIRED)));
}

// A timer of whole seconds: starts on its first pass, true (and stopped) once due.
bool timer_due(GtnTimer& t, std::uint32_t delay) {
    const std::uint32_t now = truncate_u32(read_token(TOKEN_SECONDS));
    if (t.started == 0) {
        t.dueSecond = now + delay;
        t.started = 1;
    }
    if (now < t.dueSecond) return false;
    t.started = 0;
    return true;
}

void timers() {
    GtnState& s = unit();
    if (s.highlightPending != 0 && timer_due(s.highlightTimer, 1)) {
        for (std::uint8_t& flag : s.keyHighlight) flag = 0;
        s.highlightPending = 0;
    }
    if (s.comStored != 0 && timer_due(s.comStoredTimer, 2)) s.comStored = 0;
    if (s.navStored != 0 && timer_due(s.navStoredTimer, 2)) s.navStored = 0;
}

// ---- texts ----------------------------------------------------------------------------

GtnText empty() { return GtnText{}; }

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
GtnText printed(const char* pattern, ...) {
    GtnText t{};
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(t.text, sizeof t.text, pattern, args);
    va_end(args);
    return t;
}

GtnText mhz(double value) { return printed("%s", format_mhz(value).text); }

// A whole number of degrees for a four-character field: 0 to 360, others wrapped into it.
GtnText degrees(double value) {
    std::int32_t d = truncate_i32(value);
    if (d < 0 || d > 360) d = ((d % 360) + 360) % 360;
    return printed("%03d", static_cast<int>(d));
}

// Distance: tenths below 100 NM, whole miles from the value that would print as 100.0 on
// (99.95 NM), never more than four digits.
GtnText distance(double nm) {
    if (!(nm >= 0.0)) nm = 0.0;  // NaN and negative
    if (std::lround(nm * 10.0) < 1000) return printed("%2.1f NM", nm);
    std::int32_t whole = nm >= 9999.0 ? 9999 : truncate_i32(nm);
    if (whole < 100) whole = 100;
    return printed(whole < 1000 ? "%3d NM" : "%4d NM", static_cast<int>(whole));
}

// Hours and minutes of a time in seconds; "99:99" from 100 hours on, "--:--" for a negative
// time, which has no hours to show.
GtnText hours_minutes(std::int32_t seconds) {
    if (seconds < 0) return printed("%s", "--:--");
    const std::int32_t hours = seconds / 3600;
    if (hours >= 100) return printed("%s", "99:99");
    return printed("%02d:%02d", static_cast<int>(hours), static_cast<int>(seconds % 3600 / 60));
}

// A waypoint identifier: its first seven characters.
GtnText waypoint(const char* name) {
    const char* id = get_string(name);
    return printed("%7.7s", id != nullptr ? id : "");
}

// The transponder code as the simulator delivers it, packed four octal digits (0x1200 is
// 1200); a value that is no such code prints dashes rather than overflow the field.
GtnText squawk_code(std::int32_t packed) {
    if (packed < 0 || packed > 0x7777) return printed("%s", "----");
    std::int32_t code = 0;
    for (int shift = 12; shift >= 0; shift -= 4) {
        const std::int32_t digit = (packed >> shift) & 0xF;
        if (digit > 7) return printed("%s", "----");
        code = code * 10 + digit;
    }
    return printed("%04d", static_cast<int>(code));
}

constexpr const char* XPDR_MODES[4] = {"STBY", "GND", "ON", "ALT"};
GtnText xpdr_mode() {
    const std::int32_t m = unit().gtnXpdrMode;
    return printed("%s", m >= 0 && m <= 3 ? XPDR_MODES[m] : "");
}

GtnText bracketed(const std::int32_t* d, int count, int cursor, bool decimal, const char* unit_suffix) {
    char out[24] = {};
    int at = 0;
    for (int i = 0; i < count; ++i) {
        if (decimal && i == 3) at += std::snprintf(out + at, sizeof out - at, ".");
        const int digit = d[i] >= 0 && d[i] <= 9 ? d[i] : 0;
        at += std::snprintf(out + at, sizeof out - at, i == cursor ? "[%1d]" : "%1d", digit);
    }
    return printed("%s%s", out, unit_suffix);
}

const MemoryRadio& focused_memory() { return com_focus() ? COM1_MEMORY : NAV1_MEMORY; }

GtnText list_row(std::int32_t row) {
    GtnState& s = unit();
    const std::int32_t page = s.gtnListPage >= 1 && s.gtnListPage <= 3 ? s.gtnListPage : 1;
    MemoryCursor& cursor = com_focus() ? s.comMemory : s.navMemory;
    const MemoryRadio& radio = focused_memory();
    const double value = read_slot(radio, cursor, 3 * (page - 1) + row);
    if (value == 0.0) return printed("%s", "Memory empty");
    return printed("%s %3s", format_mhz(value).text, station_type_name(radio.kind, cursor.lastType));
}

}  // namespace

GtnVisibility gtn_frame() {
    GtnState& s = unit();
    GtnVisibility v{};
    v.set(0, GTN_ELEMENTS - 1, -1);
    set_bool("L:Garmin_LCD_B, bool", 0);
    follow_dc_power(state.gtnPower.gtnPowerOn, s.gtnAutoPowerLatch);
    if (powered()) {
        set_bool("L:TarmelonGPSVis, bool", page_is(1) ? 1 : 0);
        set_bool("L:Garmin_LCD_C, bool", page_is(1) ? 1 : 0);
        if (page_is(6)) {
            s.gtnComFocus = 1;
            s.gtnNavFocus = 0;
        } else if (page_is(8)) {
            s.gtnComFocus = 0;
            s.gtnNavFocus = 1;
        }
        s.gtnEnterOffered = page_is(1) && s.gtnDirectPressed != 0 ? 1 : 0;
        screen(v);
    } else {
        v.set(4, GTN_ELEMENTS - 1, 1);
        set_bool("L:Garmin_LCD_B, bool", 0);
        set_bool("L:Garmin_LCD_C, bool", 0);
        host_trigger_key_event(KEY_GPS_RESET, 0);
        set_bool("L:TarmelonGPSVis, bool", 0);
        s.gtnDirectPressed = 0;
        s.gtnEnterOffered = 0;
    }
    publish();
    s.comActiveMhz1 = token_mhz(TOKEN_COM1_ACTIVE);
    s.navActiveMhz1 = token_mhz(TOKEN_NAV1_ACTIVE);
    s.comStandbyMhz1 = token_mhz(TOKEN_COM1_STANDBY);
    s.navStandbyMhz1 = token_mhz(TOKEN_NAV1_STANDBY);
    timers();
    s.approachActive = get_int("A:GPS IS APPROACH ACTIVE, bool");
    s.waypointLocked = get_int("A:GPS IS ACTIVE WP LOCKED, bool");
    s.transponderCode = get_int("A:TRANSPONDER CODE:1, number");
    return v;
}

bool gtn_icon_lit(int element) {
    const GtnState& s = unit();
    if (!powered()) return false;
    if (element >= 4 && element <= 12) return page_is(PAGE_OF_IMAGE[element - 4]) && element != 5;
    switch (element) {
        case 28: return s.gtnMonitor != 0;
        case 37: return s.directTo == 0;
        case 38: return s.directTo != 0;
        case 47: return page_is(10);
        case 48: return page_is(11);
        case 49: return page_is(12);
        case 50:
        case 51:
        case 55: return nav_focus();
        case 64: return s.gtnListPage < 3;  // a further list page below
        case 65: return s.gtnListPage > 1;  // an earlier one above
        case 54:
        case 66:
        case 67:
        case 68:
        case 69:
        case 70: return true;
        default: return false;
    }
}

GtnText gtn_text(int element) {
    GtnState& s = unit();
    const bool nav = navigating();
    switch (element) {
        case 13:
        case 29: return squawk_code(s.transponderCode);
        case 14: return com_focus() ? mhz(s.comStandbyMhz1) : empty();
        case 15: return com_focus() ? mhz(s.comActiveMhz1) : empty();
        case 16: return nav ? distance(s.distanceNm) : empty();
        case 17: return nav ? hours_minutes(s.ete) : empty();
        case 45: return nav ? hours_minutes(s.eta) : empty();
        case 18: return nav ? degrees(s.desiredTrack) : empty();
        case 20: return nav ? degrees(s.track) : empty();
        case 21:
        case 43: return nav ? degrees(s.bearing) : empty();
        case 44: return nav ? degrees(get_double("A:GPS COURSE TO STEER, degrees")) : empty();
        case 19: {
            const std::int32_t gs = s.groundSpeed < 0 ? 0 : s.groundSpeed > 9999 ? 9999 : s.groundSpeed;
            return printed("%4dKT", static_cast<int>(gs));
        }
        case 22: return nav ? waypoint("A:GPS WP PREV ID, string") : empty();
        case 23:
        case 42: return nav ? waypoint("A:GPS WP NEXT ID, string") : empty();
        case 39: return nav ? printed("%s", s.approachActive != 0 ? "APR" : "ENR") : empty();
        case 40: return nav && s.waypointLocked != 0 ? printed("%s", "SUSP") : empty();
        case 46: return nav && s.approachActive != 0 ? printed("%s", "VTF") : empty();
        case 41: return s.gtnMsgOff != 0 ? printed("%s", "OFF") : empty();
        case 24: {
            double lb = read_token(TOKEN_FUEL_QUANTITY) * POUNDS_PER_GALLON;
            if (!(lb >= 0.0)) lb = 0.0;
            if (lb > 99999.0) lb = 99999.0;
            return printed("%5.0f LB", lb);
        }
        case 25: return mhz(s.comStandbyMhz1);
        case 34: return mhz(s.navStandbyMhz1);
        case 26: return bracketed(s.fuelEntry.digits, 5, s.fuelEntry.cursor, false, "LB");
        case 27: return bracketed(s.comEntry.digits, 5, s.comEntry.cursor, true, "");
        case 35: return bracketed(s.navEntry.digits, 5, s.navEntry.cursor, true, "");
        case 30: return bracketed(state.transponder.transponderDigits, 4, s.xpdrEntryCursor, false, "");
        case 31:
        case 32: return xpdr_mode();
        case 33: return printed("%s", "MON");
        case 52: return nav_focus() ? mhz(s.navStandbyMhz1) : empty();
        case 53: return nav_focus() ? mhz(s.navActiveMhz1) : empty();
        case 60: return mhz(com_focus() ? s.comActiveMhz1 : s.navActiveMhz1);
        case 56: {
            const MemoryCursor& cursor = com_focus() ? s.comMemory : s.navMemory;
            s.gtnDatabaseFull = cursor.freqIndex > 9 ? 1 : 0;
            return s.gtnDatabaseFull != 0 ? printed("%13s", "Database Full") : empty();
        }
        case 57: return list_row(1);
        case 61: return list_row(2);
        case 62: return list_row(3);
        case 58:
            return printed("store as %3s", station_type_name(com_focus() ? StationKind::COM : StationKind::NAV,
                                                             s.gtnTypeSelection));
        case 59: return printed("[Pg %1d/3]", static_cast<int>(s.gtnListPage >= 1 && s.gtnListPage <= 3 ? s.gtnListPage : 1));
        case 63: return s.comStored != 0 || s.navStored != 0 ? printed("%16s", "Frequency Stored") : empty();
        case 71: return printed("%s", "TERR");
        default: return empty();
    }
}

// A centred needle is a bar at the centre: the bar always moves to the value, 0 included.
double gtn_deviation_bar() {
    double d = read_token(TOKEN_GPS_CROSS_TRACK);
    if (!(d == d)) return 0.0;
    if (d > DEVIATION_LIMIT) d = DEVIATION_LIMIT;
    if (d < -DEVIATION_LIMIT) d = -DEVIATION_LIMIT;
    return d;
}

}  // namespace tarmelon
