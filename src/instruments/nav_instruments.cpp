#include "instruments/nav_instruments.h"

#include <cmath>
#include <cstdint>

#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

namespace {

// The navigation receivers' tokens.
constexpr std::int32_t NAV1_DEVIATION = 40;
constexpr std::int32_t NAV1_GLIDESLOPE = 41;
constexpr std::int32_t NAV1_TO_FROM = 43;
constexpr std::int32_t NAV1_HAS_GLIDESLOPE = 44;
constexpr std::int32_t NAV1_SIGNAL = 49;
constexpr std::int32_t NAV2_DEVIATION = 50;
constexpr std::int32_t NAV2_TO_FROM = 52;
constexpr std::int32_t NAV2_HAS_GLIDESLOPE = 53;
constexpr std::int32_t NAV2_SIGNAL = 58;
constexpr std::int32_t NAV2_GLIDESLOPE = 882;
constexpr std::int32_t NAV_SOURCE = 848;            // 0 VLOC, 1 GPS
constexpr std::int32_t GPS_CROSS_TRACK = 837;       // hundredths
constexpr std::int32_t NAV1_RELATIVE_BEARING = 550;
constexpr std::int32_t HSI_NAV_VALID = 851;         // 1 or -1
constexpr std::int32_t HSI_GLIDESLOPE_VALID = 852;
constexpr std::int32_t GPS_BEARING = 856;
constexpr std::int32_t GPS_BEARING_VALID = 857;
constexpr std::int32_t HSI_DISTANCE = 860;          // nautical miles

constexpr double USABLE_SIGNAL = 256.0;  // a receiver's signal below this is no signal

bool inverter2() { return state.electrical.inverter2Running == 1; }
std::int32_t nav_source() { return truncate_i32(read_token(NAV_SOURCE)); }
bool nav1_signal() { return read_token(NAV1_SIGNAL) >= USABLE_SIGNAL; }
bool gps_leg_active() {
    return get_int("A:GPS IS ACTIVE FLIGHT PLAN, bool") == 1 && get_int("A:GPS IS ACTIVE WAY POINT, bool") == 1;
}

// A TO/FROM token onto its two flags; anything but TO or FROM shows neither.
void write_to_from(double token, const char* to, const char* from) {
    const std::int32_t t = truncate_i32(token);
    set_int(to, t == 1 ? 1 : 0);
    set_int(from, t == 2 ? 1 : 0);
}

// A VOR indicator's localiser needle from a course deviation of -127..127: 0 to 996.
double vor_localiser(double deviation) { return (deviation * 10.0 + 1270.0) * 100.0 / 255.0; }
double vor_glideslope(double deviation) { return (deviation + 120.0) * 1000.0 / 241.0; }

// A knob: the token it reads, the key event it sends, the variable it animates.
struct Knob {
    std::int32_t token;
    std::uint32_t key;
    const char* animation;
};
constexpr Knob VOR1_OBS{TOKEN_VOR1_COURSE, KEY_VOR1_COURSE_SET, "L:VOR1_obs,number"};
constexpr Knob VOR2_OBS{TOKEN_VOR2_COURSE, KEY_VOR2_COURSE_SET, "L:VOR2_obs,number"};
constexpr Knob HSI_COURSE{TOKEN_COURSE, KEY_VOR1_COURSE_SET, "L:HSI_course_knob,number"};
constexpr Knob HSI_HEADING_BUG{TOKEN_HEADING_SELECTOR, KEY_HEADING_SELECTOR_SET, "L:HSI_heading_bug_knob,number"};

constexpr std::uint32_t FAST_TURN_TICKS = 7;

// Whole degrees 0 to 360; a reading outside a turn is brought into it first.
std::int32_t whole_degrees(double value) {
    const std::int32_t v = truncate_i32(value);
    if (v >= 0 && v <= 360) return v;
    const std::int32_t r = v % 360;
    return r < 0 ? r + 360 : r;
}

void turn_knob(const Knob& knob, int direction) {
    const std::int32_t v = whole_degrees(read_token(knob.token));
    const std::uint32_t t = truncate_u32(read_token(TOKEN_TICK18));
    const bool fast = t < state.autopilot.headingKnobDue;
    std::int32_t next;
    if (direction < 0) {
        if (fast) next = v <= 2 ? 358 : v - 2;
        else next = v == 0 || v == 360 ? 359 : v - 1;
    } else {
        if (fast) next = v == 0 || v >= 358 ? 2 : v + 2;
        else next = v == 0 || v == 360 ? 1 : v + 1;
    }
    host_trigger_key_event(knob.key, static_cast<std::uint32_t>(next));
    // The animation counter turns within 1 to 199 and comes back to 100 at either end.
    const std::int64_t a = static_cast<std::int64_t>(get_int(knob.animation)) + direction;
    set_int(knob.animation, a < 1 || a > 199 ? 100 : static_cast<std::int32_t>(a));
    state.autopilot.headingKnobDue = t + FAST_TURN_TICKS;
}

// The radio altimeter's limit selector: limit height and the selector's drive per position.
struct LimitPosition {
    std::int32_t feet;
    std::int32_t drive;
};
constexpr LimitPosition RADALT_LIMITS[] = {
    {5000, 0}, {4000, 86}, {3000, 168}, {2000, 268}, {1000, 357}, {500, 456},
    {400, 535}, {300, 626}, {200, 716}, {100, 807}, {50, 895},
};
constexpr std::int32_t RADALT_LIMIT_COUNT = sizeof RADALT_LIMITS / sizeof RADALT_LIMITS[0];
constexpr std::int32_t RADALT_LIMIT_BAND = 50;  // feet either side of the limit: green

bool radalt_working() { return state.electrical.radaltLimitLit == 1 && state.electrical.inverter6Running == 1; }
std::int32_t radio_height() { return truncate_i32(get_double("A:RADIO HEIGHT, Feet")); }

}  // namespace

// ---- VOR1 --------------------------------------------------------------------------------

void update_vor1_compass_card() { set_int("L:VOR1_compass_card,number", truncate_i32(read_token(TOKEN_VOR1_COURSE))); }

void update_vor1_source_lights() {
    const std::int32_t source = nav_source();
    set_int("L:VOR1_navlight_on, bool", inverter2() && source == 1 ? 1 : 0);
    set_int("L:VOR1_vloclight_on, bool", inverter2() && source == 0 ? 1 : 0);
}

void update_vor1_flags() {
    set_int("L:VOR1_localiser_flag, bool", !nav1_signal() || !inverter2() ? 1 : 0);
    set_int("L:VOR1_glidescope_flag, bool", inverter2() && read_token(NAV1_HAS_GLIDESLOPE) == 1.0 ? 0 : 1);
}

void update_vor1_localiser_needle() {
    if (!inverter2()) return;
    const std::int32_t source = nav_source();
    if (source == 0) {
        set_int("L:VOR1_localiser_needle,number", nav1_signal() ? truncate_i32(vor_localiser(read_token(NAV1_DEVIATION))) : 0);
    } else if (source == 1) {
        const double needle = gps_leg_active() ? ((read_token(GPS_CROSS_TRACK) / 100.0) * 10.0 + 740.0) * 100.0 / 149.0 : 0.0;
        set_int("L:VOR1_localiser_needle,number", truncate_i32(needle));
    }
}

void update_vor1_glideslope_needle() {
    if (!inverter2()) return;
    const double available = read_token(NAV1_HAS_GLIDESLOPE);
    set_int("L:VOR1_glidescope_needle,number", available == 1.0 ? truncate_i32(vor_glideslope(read_token(NAV1_GLIDESLOPE))) : 0);
}

void update_vor1_to_from() {
    write_to_from(inverter2() ? read_token(NAV1_TO_FROM) : 0.0, "L:VOR1_to_flag,bool", "L:VOR1_from_flag,bool");
}

// ---- VOR2 (VLOC only) ----------------------------------------------------------------------

void update_vor2_compass_card() { set_int("L:VOR2_compass_card,number", truncate_i32(read_token(TOKEN_VOR2_COURSE))); }

void update_vor2_source_lights() {
    set_int("L:VOR2_vloclight_on, bool", inverter2() ? 1 : 0);
    set_int("L:VOR2_navlight_on, bool", 0);
}

void update_vor2_flags() {
    set_int("L:VOR2_localisor_flag, bool", read_token(NAV2_SIGNAL) < USABLE_SIGNAL || !inverter2() ? 1 : 0);
    set_int("L:VOR2_glidescope_flag, bool", inverter2() && read_token(NAV2_HAS_GLIDESLOPE) == 1.0 ? 0 : 1);
}

void update_vor2_glideslope_needle() {
    if (!inverter2()) return;
    const double available = read_token(NAV2_HAS_GLIDESLOPE);
    set_int("L:VOR2_glidescope_needle,number", available == 1.0 ? truncate_i32(vor_glideslope(read_token(NAV2_GLIDESLOPE))) : 0);
}

void update_vor2_localiser_needle() {
    if (!inverter2()) return;
    const bool signal = read_token(NAV2_SIGNAL) >= USABLE_SIGNAL;
    set_int("L:VOR2_localisor_needle,number", signal ? truncate_i32(vor_localiser(read_token(NAV2_DEVIATION))) : 0);
}

// Without inverter 2 the flags stay as they were.
void update_vor2_to_from() {
    if (inverter2()) write_to_from(read_token(NAV2_TO_FROM), "L:VOR2_to_flag,bool", "L:VOR2_from_flag,bool");
}

// ---- HSI -----------------------------------------------------------------------------------

namespace {

// The distance drums: units, tens and hundreds of miles, each 0 to 90; 999 and up read 999.
void hsi_miles() {
    std::int32_t d = truncate_i32(read_token(HSI_DISTANCE));
    if (d < 0) d = 0;
    if (d > 999) {
        set_int("L:HSI_miles1,number", 90);
        set_int("L:HSI_miles10,number", 90);
        set_int("L:HSI_miles100,number", 90);
        return;
    }
    set_int("L:HSI_miles1,number", d % 10 * 10);
    set_int("L:HSI_miles10,number", d < 10 ? 0 : d / 10 % 10 * 10);
    set_int("L:HSI_miles100,number", d > 99 ? d / 100 * 10 : 0);
}

void hsi_miles_flag(std::int32_t source) {
    std::int32_t flag = 0;
    if ((source == 0 && !nav1_signal()) || !inverter2()) flag = 1;
    else if (source == 1 && get_int("A:GPS IS ACTIVE FLIGHT PLAN, bool") != 1 && get_int("A:GPS IS ACTIVE WAY POINT, bool") != 1)
        flag = 1;
    set_int("L:HSI_miles_flag,bool", flag);
}

void hsi_course_digits() {
    const std::int32_t c = truncate_i32(read_token(TOKEN_COURSE));
    set_int("L:HSI_course1,number", c % 10 * 10);
    set_int("L:HSI_course10,number", c % 100 / 10 * 10);
    if (c >= 0 && c < 100) set_int("L:HSI_course100,number", 0);
    else if (c > 99 && c < 200) set_int("L:HSI_course100,number", 10);
    else if (c > 199 && c < 300) set_int("L:HSI_course100,number", 20);
    else if (c > 299 && c <= 360) set_int("L:HSI_course100,number", 30);
    // A course of 360 is north: the simulator's course goes round to 0.
    if (c >= 360) host_trigger_key_event(KEY_VOR1_COURSE_SET, 0);
}

void hsi_green_pointer(std::int32_t source, double heading) {
    double bearing;
    if (source == 0 && nav1_signal()) bearing = heading + read_token(NAV1_RELATIVE_BEARING);
    else if (source == 1 && read_token(GPS_BEARING_VALID) == 1.0) bearing = read_token(GPS_BEARING);
    else return;  // no bearing: the pointer stays
    if (bearing > 360.0) bearing -= 360.0;
    const double b = (bearing - 1.0) / 359.0 * 1000.0;
    const double h = (heading - 1.0) / 359.0 * 1000.0;
    set_int("L:HSI_green_pointer,number", truncate_i32(b >= h ? b - h : 1000.0 - (h - b)));
}

void hsi_course_bar(std::int32_t source) {
    if (source == 0) {
        set_double("L:HSI_course_dev,number", nav1_signal() ? (read_token(NAV1_DEVIATION) + 127.0) / 254.0 * 1000.0 : 500.0);
    } else if (source == 1) {
        set_double("L:HSI_course_dev,number",
                   gps_leg_active() ? (read_token(GPS_CROSS_TRACK) / 100.0 + 100.0) / 200.0 * 1000.0 : 500.0);
    }
}

}  // namespace

void update_hsi() {
    const bool powered = inverter2();
    const std::int32_t source = nav_source();
    const double heading = read_token(TOKEN_HEADING);
    if (powered) hsi_miles();
    hsi_miles_flag(source);
    if (powered) hsi_course_digits();

    const double gs_valid = read_token(HSI_GLIDESLOPE_VALID);
    const double nav_valid = read_token(HSI_NAV_VALID);
    set_int("L:HSI_gs_flag,bool", powered && gs_valid == 1.0 ? 0 : 1);
    set_int("L:HSI_nav_flag,bool", powered && (nav_valid == 1.0 || nav_valid == -1.0) ? 0 : 1);

    if (powered) {
        set_double("L:HSI_compass_card,number", heading * 10.0);
        hsi_green_pointer(source, heading);
        set_double("L:HSI_glide_needle,number",
                   gs_valid == 1.0 ? 100.0 - (read_token(NAV1_GLIDESLOPE) + 120.0) / 240.0 * 100.0 : 100.0);
        hsi_course_bar(source);
    } else {
        set_int("L:HSI_green_pointer,number", 500);
    }
    set_int("L:HSI_power_flag,bool", powered ? 0 : 1);
    write_to_from(powered ? read_token(NAV1_TO_FROM) : 0.0, "L:HSI_to_flag,bool", "L:HSI_from_flag,bool");
}

// ---- radio altimeter ------------------------------------------------------------------------

void update_radalt_limit_selector() {
    const std::int32_t position = get_int("L:radalt_limit_selrpos,enum");
    if (position < 0 || position >= RADALT_LIMIT_COUNT) return;  // the previous limit holds
    state.instruments.radaltLimitHeight = RADALT_LIMITS[position].feet;
    set_int("L:radalt_limit_selr,number", RADALT_LIMITS[position].drive);
}

void update_radalt_indicator() {
    const std::int32_t test = get_int("L:radalt_limit_test,bool");
    const std::int32_t range = get_int("L:radalt_limit_range,bool");
    const std::int64_t h = radio_height();
    set_int("L:radalt_scale_unit,number", range == 1 ? 0 : 100);
    if (radalt_working()) {
        set_int("L:Radalt_off_flag,number", 0);
        // Range 1 is full scale (10000) at 500 ft, range 0 at 5000 ft.
        const std::int64_t needle = test == 1 ? 1000 : h * 10000 / (range == 1 ? 5000 : 50000);
        set_int("L:Radio_alt_needle,number", truncate_i32(static_cast<double>(needle)));
    } else {
        set_int("L:Radalt_off_flag,bool", 1);
        if (state.electrical.radaltLimitLit != 1) set_int("L:Radio_alt_needle,number", 0);
    }
}

void update_radalt_lights() {
    std::int32_t red = 0, amber = 0, green = 0;
    if (radalt_working()) {
        const std::int64_t h = radio_height();
        const std::int64_t limit = state.instruments.radaltLimitHeight;
        if (h < limit - RADALT_LIMIT_BAND) red = 1;
        else if (h > limit + RADALT_LIMIT_BAND) amber = 1;
        else green = 1;
    }
    set_int("L:radalt_redlight_on, bool", red);
    set_int("L:radalt_amberlight_on, bool", amber);
    set_int("L:radalt_greenlight_on, bool", green);
}

// ---- marker lights and gyro pointer ------------------------------------------------------------

void update_marker_lights() {
    if (state.electrical.dcPowerAvailable != 1) return;  // the lamps keep what they show
    std::int32_t marker = truncate_i32(read_token(TOKEN_MARKER_BEACON));
    if (get_int("L:LampTest,bool") == 1) marker = -1;
    set_int("L:Marker_blue_on, bool", marker == 1 || marker == -1 ? 1 : 0);
    set_int("L:Marker_amber_on, bool", marker == 2 || marker == -1 ? 1 : 0);
    set_int("L:Marker_white_on, bool", marker == 3 || marker == -1 ? 1 : 0);
}

void update_gyro_pointer() {
    const std::int64_t r = get_int("L:Gyro_pointer_calc,number");
    const std::int64_t g = truncate_i32(read_token(TOKEN_HEADING) * 10.0);
    const std::int64_t pointer = r <= g ? r - g + 3600 : r - g;
    set_int("L:Gyro_pointer,number", truncate_i32(static_cast<double>(pointer)));
}

// ---- knobs ------------------------------------------------------------------------------------

void vor1_obs_decrease() { turn_knob(VOR1_OBS, -1); }
void vor1_obs_increase() { turn_knob(VOR1_OBS, +1); }
void vor2_obs_decrease() { turn_knob(VOR2_OBS, -1); }
void vor2_obs_increase() { turn_knob(VOR2_OBS, +1); }
void hsi_course_decrease() { turn_knob(HSI_COURSE, -1); }
void hsi_course_increase() { turn_knob(HSI_COURSE, +1); }
void hsi_heading_bug_decrease() { turn_knob(HSI_HEADING_BUG, -1); }
void hsi_heading_bug_increase() { turn_knob(HSI_HEADING_BUG, +1); }

}  // namespace tarmelon
