#include "instruments/flight_instruments.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "core/numeric.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr std::int32_t PITOT_ICE_FREEZES = 74;  // percent above which the pitot-static needles freeze

bool attitude_powered() {
    return state.electrical.inverter1Running == 1 || state.electrical.inverter2Running == 1;
}

bool pitot_iced() { return get_int("A:PITOT ICE PCT, Percent") > PITOT_ICE_FREEZES; }

// The ten-thousands drum's frames for 0 to 6 (70000 ft and above leave it where it is).
constexpr std::int32_t TEN_THOUSANDS_DRUM[] = {15, 29, 43, 57, 71, 86, 100};

// The VSI's scale: from the zero mark up, each segment's start (fpm), width and the needle
// where it starts and how far it travels; the descent side mirrors it about 1000.
struct VsiSegment {
    double from, width, needle, travel;
};
constexpr VsiSegment VSI_SEGMENTS[] = {
    {0, 500, 1000, 270},
    {501, 499, 1271, 179},
    {1001, 999, 1451, 249},
    {2001, 1999, 1701, 299},
};
constexpr double VSI_SEGMENT_TOP[] = {500, 1000, 2000, 4000};

double vsi_climb(double fpm, const VsiSegment& s) { return (fpm - s.from) / s.width * s.travel + s.needle; }

// A trim percentage (-100 to +100) on its needle's 0 to 100 scale, centre 50.
std::int32_t trim_needle(std::int32_t percent) {
    return static_cast<std::int32_t>((static_cast<std::int64_t>(percent) + 100) * 100 / 200);
}

// The gyro setting in tenths of a degree, 1 to 3600 (3600 is north; 0 reads as north too).
std::int32_t gyro_setting_in_range(std::int32_t s) {
    std::int64_t r = (static_cast<std::int64_t>(s) - 1) % 3600;
    if (r < 0) r += 3600;
    return static_cast<std::int32_t>(r + 1);
}

// The gyro knob's animation counter turns within 1 to 199 and comes back to 100 at either end.
std::int32_t gyro_knob_step(std::int32_t k, std::int32_t by) {
    const std::int64_t next = static_cast<std::int64_t>(k) + by;
    return next < 1 || next > 199 ? 100 : static_cast<std::int32_t>(next);
}

}  // namespace

void update_g_meter() {
    const double v = read_token(TOKEN_G_LOAD);
    const double g100 = (v + 2496.0) * 1500.0 / 9360.0;
    set_int("L:GFORCE, number", truncate_i32(g100));
    const std::int32_t hand = truncate_i32(g100) / 10;
    if (v < 2496.0 && get_int("L:MIN_GFORCE, number") >= g100 / 10.0) set_int("L:MIN_GFORCE, number", hand);
    if (v > 0.0 && g100 / 10.0 >= get_int("L:MAX_GFORCE, number")) set_int("L:MAX_GFORCE, number", hand);
}

void g_meter_reset() {
    set_int("L:MIN_GFORCE, number", 50);
    set_int("L:MAX_GFORCE, number", 50);
    get_int("L:G_meter_set,bool");
    set_int("L:G_meter_set,bool", 0);
}

void update_altimeters() {
    if (state.electrical.inverter6Running == 0) {
        set_int("L:AltStandbyFlag,bool", 1);
    } else {
        const std::int32_t flag = get_int("L:AltStandbyFlag, bool");
        const std::int32_t reset = get_int("L:AI_StandbyResetStatus, number");
        if (flag == 1 && reset == 2) set_int("L:AltStandbyFlag,bool", 0);
        else if (flag == 0 && reset == 1) set_int("L:AltStandbyFlag,bool", 1);
    }

    double h = get_double("A:INDICATED ALTITUDE, Feet");
    if (!(h >= -2000.0)) h = h != h ? 0.0 : -2000.0;
    if (h > 80000.0) h = 80000.0;
    const std::int32_t e = truncate_i32(h);
    set_int("L:AltNeedle, number", e % 1000);

    const double p = read_token(TOKEN_KOHLSMAN_MB);
    const std::int32_t mb = truncate_i32(p);
    set_int("L:MBdial_0000, number", mb % 10000 / 1000 * 10);
    set_int("L:MBdial_000, number", mb % 1000 / 100 * 10);
    set_int("L:MBdial_00, number", mb % 100 / 10 * 10);
    set_double("L:MBdial_0, number", std::fmod(p, 10.0) * 10.0);

    const std::int32_t ten_thousands = std::abs(e % 100000 / 10000);
    set_int("L:ThouSpinner, number", std::abs(e % 10000 / 1000) * 10);
    set_int("L:HunSpinner, number", std::abs(e % 1000 / 100) * 10);
    if (h < 0.0) set_int("L:TenThouSpinner,number", 0);
    else if (ten_thousands < 7) set_int("L:TenThouSpinner,number", TEN_THOUSANDS_DRUM[ten_thousands]);
}

void update_airspeed_indicator() {
    if (pitot_iced()) return;
    const double c = read_token(TOKEN_AIRSPEED) * 10.0;
    if (c <= 400.0) {
        set_double("L:ASINeedle000,number", c / 10.0);
        set_int("L:ASINeedle00,number", 400);
    } else if (c <= 6000.0) {
        set_double("L:ASINeedle000,number", c / 10.0);
        set_double("L:ASINeedle00,number", std::fmod(c, 1000.0));
        set_double("L:ASINeedle00XXXXXX,number", c);
    } else if (c > 6000.0) {
        set_int("L:ASINeedle000,number", 600);
        set_double("L:ASINeedle00,number", std::fmod(c, 1000.0));
        set_double("L:ASINeedle00XXXXXX,number", c);
    }
}

void update_vertical_speed() {
    const double fpm = get_double("A:VERTICAL SPEED, Feet per second") * 60.0;
    set_double("L:VSIneedleSIM,number", fpm);
    if (fpm < -4000.0) {
        set_int("L:VSIneedle,number", 0);
        return;
    }
    if (fpm > 4000.0) {
        set_int("L:VSIneedle,number", 2000);
        return;
    }
    if (fpm >= 0.0) {
        for (std::size_t k = 0; k < 4; ++k)
            if (fpm <= VSI_SEGMENT_TOP[k]) {
                set_double("L:VSIneedle,number", vsi_climb(fpm, VSI_SEGMENTS[k]));
                return;
            }
    } else if (fpm < 0.0) {
        // The descent side: the first segment starts at 1 fpm down.
        const double x = -fpm;
        for (std::size_t k = 0; k < 4; ++k)
            if (x <= VSI_SEGMENT_TOP[k]) {
                const VsiSegment s = k == 0 ? VsiSegment{1, 500, 1000, 270} : VSI_SEGMENTS[k];
                set_double("L:VSIneedle,number", 2000.0 - vsi_climb(x, s));
                return;
            }
    }
}

void update_attitude_indicator() {
    const double pitch = read_token(TOKEN_PITCH);
    const double bank = read_token(TOKEN_BANK);
    if (attitude_powered()) {
        set_int("L:AIFailFlag,bool", 0);
        set_double("L:AIpitch,number", pitch * 10.0 + 500.0);
        set_int("L:AIbank,number", truncate_i32((bank + 180.0) * 10.0));
    } else {
        set_int("L:AIFailFlag,bool", 1);
    }
}

void attitude_indicator_erect() {
    const double pitch = read_token(TOKEN_PITCH);
    const double bank = read_token(TOKEN_BANK);
    if (pitch > -5.0 && pitch < 5.0 && bank > -5.0 && bank < 5.0) {
        set_int("L:AIpitch,number", 500);
        set_int("L:AIbank,number", 1800);
    }
}

void update_standby_attitude() {
    const double pitch = read_token(TOKEN_PITCH);
    const double bank = read_token(TOKEN_BANK);
    const std::int32_t caged = get_int("L:Standby_AL_reset, bool");
    const std::int32_t own_supply = get_int("L:StandbyADI, bool");
    if (!(own_supply == 1 || (own_supply == 0 && attitude_powered()))) {
        set_int("L:StbyAIFailFlag,number", 100);
        set_int("L:STBYAIpitch,number", 1800);
        set_int("L:STBYAIbank,number", 1800);
        return;
    }
    if (caged == 0) {
        set_int("L:Standby_AI_caged_flag,bool", 0);
        set_int("L:StbyAIFailFlag,number", 0);
        set_int("L:STBYAIpitch,number", truncate_i32(pitch / 2.0 * 10.0 + 500.0));
        set_int("L:STBYAIbankSIM,number", truncate_i32(bank));
        set_int("L:STBYAIbank,number", truncate_i32((bank + 180.0) * 10.0));
    } else if (caged == 1) {
        set_int("L:STBYAIpitch,number", 500);
        set_int("L:STBYAIbank,number", 1800);
        set_int("L:Standby_AI_caged_flag,bool", 1);
    }
}

void update_mach_meter() {
    if (pitot_iced()) return;
    const double m = read_token(TOKEN_MACH);
    if (m > 10000.0 && m < 20000.0) set_int("L:MACHneedle,number", truncate_i32((m - 10000.0) / 10.0));
}

void update_slip_ball() {
    const double b = read_token(TOKEN_SLIP_BALL);
    const std::int64_t s = static_cast<std::int64_t>(truncate_i32(b / 254.0 * 1000.0)) + 500;
    set_int("L:SlipballPos,number", truncate_i32(static_cast<double>(s)));
}

void update_trim_needles() {
    set_int("L:ElevTrimNeedle,number", trim_needle(get_int("A:ELEVATOR TRIM PCT, Percent")));
    set_int("L:AilTrimNeedle,number", trim_needle(get_int("A:AILERON TRIM PCT, Percent")));
    set_int("L:RudTrimNeedle,number", trim_needle(get_int("A:RUDDER TRIM PCT, Percent")));
    set_int("L:AirBrakeTrimNeedle,number", get_int("A:SPOILERS LEFT POSITION, Percent"));
}

void update_magnetic_compass() {
    const std::int64_t c = static_cast<std::int64_t>(truncate_i32(read_token(TOKEN_MAGNETIC_COMPASS))) * 10;
    set_int("L:WhiskeyCompass,number", truncate_i32(static_cast<double>(c)));
}

void update_autopilot_compass_card() {
    if (attitude_powered()) set_double("L:Autopilot_compass_card,number", read_token(TOKEN_HEADING) * 10.0);
}

void update_gyro_heading_pointer() {
    const std::int32_t h10 = truncate_i32(read_token(TOKEN_HEADING) * 10.0);
    const std::int64_t s = get_int("L:Gyro_pointer_calc,number");
    const std::int64_t d = 3600 - static_cast<std::int64_t>(h10);
    const std::int64_t pointer = s + d <= 3600 ? s + d : s - h10;
    set_int("L:Gyro_pointer,number", truncate_i32(static_cast<double>(pointer)));
}

void gyro_knob_increase() {
    set_int("L:Gyro_heading_knob,number", gyro_knob_step(get_int("L:Gyro_heading_knob,number"), +1));
    std::int32_t s = gyro_setting_in_range(get_int("L:Gyro_pointer_calc,number")) + 10;
    if (s > 3600) s -= 3600;
    set_int("L:Gyro_pointer_calc,number", s);
}

void gyro_knob_decrease() {
    set_int("L:Gyro_heading_knob,number", gyro_knob_step(get_int("L:Gyro_heading_knob,number"), -1));
    std::int32_t s = gyro_setting_in_range(get_int("L:Gyro_pointer_calc,number")) - 10;
    if (s < 1) s += 3600;
    set_int("L:Gyro_pointer_calc,number", s);
}

}  // namespace tarmelon
