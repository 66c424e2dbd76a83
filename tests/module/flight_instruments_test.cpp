// The virtual cockpit's flight instruments read from the simulator's values as a pilot sees
// them: the G-meter and its extreme hands, the altimeter's needle, drums and millibar
// counter, airspeed, vertical speed, both attitude indicators with power and caging, the
// Mach meter and slip ball, the trim and airbrake needles, the compasses, the gyro heading
// pointer and its knob, each at the edges of its scale.
#include <cmath>

#include "instruments_power.h"

namespace {

using instruments::Cockpit;
using instruments::Supply;

constexpr std::uint32_t G_METER_RESET = 69712, ATTITUDE_ERECT = 69671;
constexpr std::uint32_t GYRO_KNOB_DECREASE = 69713, GYRO_KNOB_INCREASE = 69714;
constexpr int G_LOAD = 351, PRESSURE_SETTING = 75, AIRSPEED = 61, SLIP_BALL = 69, PITCH = 78, BANK = 80;
constexpr int MACH = 64, COMPASS = 83;

const char* const MIN_G = "L:MIN_GFORCE, number";
const char* const MAX_G = "L:MAX_GFORCE, number";
const char* const PITOT_ICE = "A:PITOT ICE PCT, percent";

double g_load(double g) { return g * 624.0; }

TEST(FlightInstruments, GMeterHandsFollowTheLoadWithinTheirLimits) {
    Cockpit c;
    c.token(G_LOAD, g_load(1));
    EXPECT_EQ(c.after("L:GFORCE, number"), 500);
    c.b().key(G_METER_RESET);
    c.set("L:G_meter_set,bool", 1);
    c.b().key(G_METER_RESET);
    EXPECT_EQ(c.get("L:G_meter_set,bool"), 0);
    c.run(3);
    EXPECT_EQ(c.get(MIN_G), 50);
    EXPECT_EQ(c.get(MAX_G), 50);
    // A pull to 3 g moves the maximum hand only; a push to -1 g the minimum hand only.
    c.token(G_LOAD, g_load(3));
    EXPECT_EQ(c.after("L:GFORCE, number"), 700);
    EXPECT_EQ(c.get(MAX_G), 70);
    EXPECT_EQ(c.get(MIN_G), 50);
    c.token(G_LOAD, g_load(-1));
    EXPECT_EQ(c.after("L:GFORCE, number"), 300);
    EXPECT_EQ(c.get(MIN_G), 30);
    EXPECT_EQ(c.get(MAX_G), 70);
    // Back at 1 g both hands stay at their extremes until reset.
    c.token(G_LOAD, g_load(1));
    c.run(3);
    EXPECT_EQ(c.get(MIN_G), 30);
    EXPECT_EQ(c.get(MAX_G), 70);
    c.b().key(G_METER_RESET);
    c.run(1);
    EXPECT_EQ(c.get(MIN_G), 50);
    EXPECT_EQ(c.get(MAX_G), 50);
    // At +4 g and beyond the minimum hand rests; just below it still moves.
    c.set(MIN_G, 99);
    c.token(G_LOAD, g_load(5));
    EXPECT_EQ(c.after(MIN_G), 99);
    EXPECT_EQ(c.get(MAX_G), 90);
    c.token(G_LOAD, 2400);  // 3.85 g
    EXPECT_EQ(c.after(MIN_G), 78);
    // At 0 g and below the maximum hand rests; just above it still moves.
    c.set(MAX_G, 0);
    c.token(G_LOAD, 0);
    EXPECT_EQ(c.after(MAX_G), 0);
    c.token(G_LOAD, 1);
    EXPECT_EQ(c.after(MAX_G), 40);
}

TEST(FlightInstruments, AltimeterNeedleDrumsAndMillibarCounter) {
    Cockpit c;
    c.set("A:INDICATED ALTITUDE, feet", 12345);
    c.token(PRESSURE_SETTING, 1013.2);
    c.run(1);
    EXPECT_EQ(c.get("L:AltNeedle, number"), 345);
    EXPECT_EQ(c.get("L:ThouSpinner, number"), 20);
    EXPECT_EQ(c.get("L:HunSpinner, number"), 30);
    EXPECT_EQ(c.get("L:TenThouSpinner,number"), 29);
    EXPECT_EQ(c.get("L:MBdial_0000, number"), 10);
    EXPECT_EQ(c.get("L:MBdial_000, number"), 0);
    EXPECT_EQ(c.get("L:MBdial_00, number"), 10);
    EXPECT_NEAR(c.get("L:MBdial_0, number"), 32.0, 1e-6);
    c.token(PRESSURE_SETTING, 998.6);
    c.run(1);
    EXPECT_EQ(c.get("L:MBdial_0000, number"), 0);
    EXPECT_EQ(c.get("L:MBdial_000, number"), 90);
    EXPECT_EQ(c.get("L:MBdial_00, number"), 90);
    EXPECT_NEAR(c.get("L:MBdial_0, number"), 86.0, 1e-6);
    // Each ten-thousands frame up to 60000 ft.
    const int frames[] = {15, 29, 43, 57, 71, 86, 100};
    for (int t = 0; t < 7; ++t) {
        c.set("A:INDICATED ALTITUDE, feet", t * 10000 + 500);
        EXPECT_EQ(c.after("L:TenThouSpinner,number"), frames[t]) << t;
    }
    // 72000 ft: the drum keeps its last frame; the others still turn.
    c.set("A:INDICATED ALTITUDE, feet", 72000);
    EXPECT_EQ(c.after("L:TenThouSpinner,number"), 100);
    EXPECT_EQ(c.get("L:ThouSpinner, number"), 20);
    // Below sea level the needle goes negative and the drum reads 0.
    c.set("A:INDICATED ALTITUDE, feet", -500);
    EXPECT_EQ(c.after("L:AltNeedle, number"), -500);
    EXPECT_EQ(c.get("L:TenThouSpinner,number"), 0);
    EXPECT_EQ(c.get("L:HunSpinner, number"), 50);
    // Beyond the instrument's range it stops at -2000 and 80000 ft.
    c.set("A:INDICATED ALTITUDE, feet", -3456);
    EXPECT_EQ(c.after("L:AltNeedle, number"), 0);
    EXPECT_EQ(c.get("L:ThouSpinner, number"), 20);
    c.set("A:INDICATED ALTITUDE, feet", 91234);
    EXPECT_EQ(c.after("L:AltNeedle, number"), 0);
    EXPECT_EQ(c.get("L:ThouSpinner, number"), 0);
    EXPECT_EQ(c.get("L:HunSpinner, number"), 0);
}

TEST(FlightInstruments, StandbyAltimeterFlagFollowsInverter6AndItsReset) {
    Cockpit c(Supply::None);
    EXPECT_EQ(c.after("L:AltStandbyFlag,bool"), 1);
    c.set_supply(Supply::Battery);  // inverter 6 runs
    c.set("L:AI_StandbyResetStatus, number", 0);
    EXPECT_EQ(c.after("L:AltStandbyFlag,bool"), 1);  // no reset: the flag stays
    c.set("L:AI_StandbyResetStatus, number", 2);
    EXPECT_EQ(c.after("L:AltStandbyFlag,bool"), 0);
    c.set("L:AI_StandbyResetStatus, number", 1);
    EXPECT_EQ(c.after("L:AltStandbyFlag,bool"), 1);
    c.set("L:Inverter6, number", 0);  // inverter 6 off: the flag shows whatever the reset says
    c.set("L:AI_StandbyResetStatus, number", 2);
    c.run(3);
    EXPECT_EQ(c.get("L:AltStandbyFlag,bool"), 1);
}

TEST(FlightInstruments, AirspeedNeedlesAcrossTheScaleAndFrozenByPitotIcing) {
    Cockpit c;
    c.token(AIRSPEED, 35);
    EXPECT_EQ(c.after("L:ASINeedle000,number"), 35);
    EXPECT_EQ(c.get("L:ASINeedle00,number"), 400);
    c.token(AIRSPEED, 40);
    EXPECT_EQ(c.after("L:ASINeedle000,number"), 40);
    EXPECT_EQ(c.get("L:ASINeedle00,number"), 400);
    c.token(AIRSPEED, 250);
    EXPECT_EQ(c.after("L:ASINeedle000,number"), 250);
    EXPECT_EQ(c.get("L:ASINeedle00,number"), 500);
    EXPECT_EQ(c.get("L:ASINeedle00XXXXXX,number"), 2500);
    c.token(AIRSPEED, 650);
    EXPECT_EQ(c.after("L:ASINeedle000,number"), 600);
    EXPECT_EQ(c.get("L:ASINeedle00,number"), 500);
    EXPECT_EQ(c.get("L:ASINeedle00XXXXXX,number"), 6500);
    // 74 % pitot icing still reads; 75 % freezes both needles and the Mach meter.
    c.set(PITOT_ICE, 74);
    c.token(AIRSPEED, 300);
    c.set("A:AIRSPEED MACH, mach", 0.7);
    EXPECT_EQ(c.after("L:ASINeedle000,number"), 300);
    EXPECT_EQ(c.get("L:MACHneedle,number"), 400);
    c.set(PITOT_ICE, 75);
    c.token(AIRSPEED, 180);
    c.set("A:AIRSPEED MACH, mach", 0.9);
    c.run(3);
    EXPECT_EQ(c.get("L:ASINeedle000,number"), 300);
    EXPECT_EQ(c.get("L:ASINeedle00XXXXXX,number"), 3000);
    EXPECT_EQ(c.get("L:MACHneedle,number"), 400);
    c.set(PITOT_ICE, 0);
    EXPECT_EQ(c.after("L:ASINeedle000,number"), 180);
    EXPECT_EQ(c.get("L:MACHneedle,number"), 800);
}

TEST(FlightInstruments, MachMeterOnlyBetweenItsStops) {
    Cockpit c;
    c.set("A:AIRSPEED MACH, mach", 0.8);
    EXPECT_EQ(c.after("L:MACHneedle,number"), 600);
    c.token(MACH, 10001);
    EXPECT_EQ(c.after("L:MACHneedle,number"), 0);
    c.token(MACH, 19999);
    EXPECT_EQ(c.after("L:MACHneedle,number"), 999);
    // At and outside the stops the needle rests where it was.
    for (double m : {20000.0, 10000.0, 3000.0, 25000.0}) {
        c.token(MACH, m);
        EXPECT_EQ(c.after("L:MACHneedle,number"), 999) << m;
    }
}

double vsi_at(Cockpit& c, double fpm) {
    c.set("A:VERTICAL SPEED, feet per second", fpm / 60.0);
    c.run(1);
    EXPECT_NEAR(c.get("L:VSIneedleSIM,number"), fpm, 1e-5);
    return c.get("L:VSIneedle,number");
}

TEST(FlightInstruments, VerticalSpeedOnItsNonLinearScale) {
    Cockpit c;
    EXPECT_NEAR(vsi_at(c, 0), 1000, 1e-6);
    EXPECT_NEAR(vsi_at(c, -1), 1000, 1e-6);
    EXPECT_NEAR(vsi_at(c, 250), 1135, 1e-6);
    EXPECT_NEAR(vsi_at(c, 500), 1270, 1);
    EXPECT_NEAR(vsi_at(c, 501), 1271, 1e-6);
    EXPECT_NEAR(vsi_at(c, 990), 1271 + 489.0 / 499 * 179, 1e-5);
    EXPECT_NEAR(vsi_at(c, 1500), 1451 + 499.0 / 999 * 249, 1e-5);
    EXPECT_NEAR(vsi_at(c, 3000), 1701 + 999.0 / 1999 * 299, 1e-5);
    EXPECT_NEAR(vsi_at(c, 3990), 1701 + 1989.0 / 1999 * 299, 1e-5);
    EXPECT_EQ(vsi_at(c, 4001), 2000);
    EXPECT_EQ(vsi_at(c, 12000), 2000);
    // The descent side mirrors the climb about the zero mark.
    EXPECT_NEAR(vsi_at(c, -495), 2000 - (494.0 / 500 * 270 + 1000), 1e-5);
    EXPECT_NEAR(vsi_at(c, -501), 729, 1e-6);
    EXPECT_NEAR(vsi_at(c, -1995), 2000 - (994.0 / 999 * 249 + 1451), 1e-5);
    EXPECT_NEAR(vsi_at(c, -3000), 2000 - (999.0 / 1999 * 299 + 1701), 1e-5);
    EXPECT_NEAR(vsi_at(c, -3990), 2000 - (1989.0 / 1999 * 299 + 1701), 1e-5);
    EXPECT_EQ(vsi_at(c, -4001), 0);
}

TEST(FlightInstruments, AttitudeIndicatorsWithAndWithoutPowerAndCaged) {
    Cockpit c;
    c.token(PITCH, 5), c.token(BANK, -30);
    c.run(1);
    EXPECT_EQ(c.get("L:AIFailFlag,bool"), 0);
    EXPECT_EQ(c.get("L:AIpitch,number"), 550);
    EXPECT_EQ(c.get("L:AIbank,number"), 1500);
    EXPECT_EQ(c.get("L:StbyAIFailFlag,number"), 0);
    EXPECT_EQ(c.get("L:STBYAIpitch,number"), 525);
    EXPECT_EQ(c.get("L:STBYAIbank,number"), 1500);
    EXPECT_EQ(c.get("L:STBYAIbankSIM,number"), -30);
    EXPECT_EQ(c.get("L:Standby_AI_caged_flag,bool"), 0);
    // Caged, the standby instrument shows level flight and its caged flag.
    c.set("L:Standby_AL_reset, bool", 1);
    c.run(1);
    EXPECT_EQ(c.get("L:STBYAIpitch,number"), 500);
    EXPECT_EQ(c.get("L:STBYAIbank,number"), 1800);
    EXPECT_EQ(c.get("L:Standby_AI_caged_flag,bool"), 1);
    c.set("L:Standby_AL_reset, bool", 0);
    // Without inverters 1 and 2: the main instrument freezes under its flag; the standby
    // fails unless on its own supply.
    c.set_supply(Supply::None);
    c.token(PITCH, 20), c.token(BANK, 10);
    c.run(2);
    EXPECT_EQ(c.get("L:AIFailFlag,bool"), 1);
    EXPECT_EQ(c.get("L:AIpitch,number"), 550);
    EXPECT_EQ(c.get("L:AIbank,number"), 1500);
    EXPECT_EQ(c.get("L:StbyAIFailFlag,number"), 100);
    EXPECT_EQ(c.get("L:STBYAIpitch,number"), 1800);
    EXPECT_EQ(c.get("L:STBYAIbank,number"), 1800);
    c.set("L:StandbyADI, bool", 1);
    c.run(1);
    EXPECT_EQ(c.get("L:StbyAIFailFlag,number"), 0);
    EXPECT_EQ(c.get("L:STBYAIpitch,number"), 600);
    EXPECT_EQ(c.get("L:STBYAIbank,number"), 1900);
    // The erect action levels the frozen instrument only when the aircraft is near level.
    c.b().key(ATTITUDE_ERECT);
    EXPECT_EQ(c.get("L:AIpitch,number"), 550);
    c.token(PITCH, 4.9), c.token(BANK, -4.9);
    c.b().key(ATTITUDE_ERECT);
    EXPECT_EQ(c.get("L:AIpitch,number"), 500);
    EXPECT_EQ(c.get("L:AIbank,number"), 1800);
    c.set("L:AIpitch,number", 550);
    c.token(PITCH, 0), c.token(BANK, 5);
    c.b().key(ATTITUDE_ERECT);
    EXPECT_EQ(c.get("L:AIpitch,number"), 550);
}

TEST(FlightInstruments, SlipBallTrimNeedlesAndCompasses) {
    Cockpit c;
    const std::pair<double, double> ball[] = {{0, 500}, {127, 1000}, {-127, 0}, {50, 696}, {-50, 304}};
    for (auto [token, pos] : ball) {
        c.token(SLIP_BALL, token);
        EXPECT_EQ(c.after("L:SlipballPos,number"), pos) << token;
    }
    // Trims from full nose down (-100 %) through centre to full up: 0, 50, 100.
    const std::pair<double, double> trims[] = {{-100, 0}, {0, 50}, {100, 100}, {37, 68}, {-37.9, 31}};
    for (auto [percent, needle] : trims) {
        c.set("A:ELEVATOR TRIM PCT, percent", percent);
        c.set("A:AILERON TRIM PCT, percent", percent);
        c.set("A:RUDDER TRIM PCT, percent", percent);
        c.run(1);
        EXPECT_EQ(c.get("L:ElevTrimNeedle,number"), needle) << percent;
        EXPECT_EQ(c.get("L:AilTrimNeedle,number"), needle) << percent;
        EXPECT_EQ(c.get("L:RudTrimNeedle,number"), needle) << percent;
    }
    c.set("A:SPOILERS LEFT POSITION, percent", 40.7);
    EXPECT_EQ(c.after("L:AirBrakeTrimNeedle,number"), 40);

    c.token(COMPASS, 123.9);
    EXPECT_EQ(c.after("L:WhiskeyCompass,number"), 1230);
    c.set("A:PLANE HEADING DEGREES MAGNETIC, degrees", 181.5);
    EXPECT_EQ(c.after("L:Autopilot_compass_card,number"), 1815);
    // The autopilot's card stops without inverters 1 and 2; the whiskey compass does not.
    c.set_supply(Supply::None);
    c.set("A:PLANE HEADING DEGREES MAGNETIC, degrees", 90);
    c.token(COMPASS, 90);
    c.run(1);
    EXPECT_EQ(c.get("L:Autopilot_compass_card,number"), 1815);
    EXPECT_EQ(c.get("L:WhiskeyCompass,number"), 900);
}

TEST(FlightInstruments, GyroKnobSetsTheHeadingWithinOneTurn) {
    Cockpit c;
    const char* const SETTING = "L:Gyro_pointer_calc,number";
    const char* const KNOB = "L:Gyro_heading_knob,number";
    c.set("A:PLANE HEADING DEGREES MAGNETIC, degrees", 270);
    // Unset (0, north), the knob turns back through north rather than below it.
    EXPECT_EQ(c.get(SETTING), 0);
    c.b().key(GYRO_KNOB_DECREASE);
    EXPECT_EQ(c.get(SETTING), 3590);
    EXPECT_EQ(c.get(KNOB), 100);  // the animation counter never runs below 1
    c.b().key(GYRO_KNOB_INCREASE), c.b().key(GYRO_KNOB_INCREASE);
    EXPECT_EQ(c.get(SETTING), 10);
    EXPECT_EQ(c.get(KNOB), 102);
    c.b().key(GYRO_KNOB_DECREASE);
    EXPECT_EQ(c.get(SETTING), 3600);
    // A setting off the 10-tenths steps still wraps within 1 to 3600.
    c.set(SETTING, 3595);
    c.b().key(GYRO_KNOB_INCREASE);
    EXPECT_EQ(c.get(SETTING), 5);
    c.b().key(GYRO_KNOB_DECREASE), c.b().key(GYRO_KNOB_DECREASE);
    EXPECT_EQ(c.get(SETTING), 3585);
    c.set(SETTING, -7205);
    c.b().key(GYRO_KNOB_INCREASE);
    EXPECT_EQ(c.get(SETTING), 5);  // -7205 is 3595 two turns back
    c.set(KNOB, 199);
    c.b().key(GYRO_KNOB_INCREASE);
    EXPECT_EQ(c.get(KNOB), 100);
    c.set(KNOB, 1);
    c.b().key(GYRO_KNOB_DECREASE);
    EXPECT_EQ(c.get(KNOB), 100);

    // The pointer shows the selected heading relative to the nose, 1 to 3600.
    c.set(SETTING, 900);
    EXPECT_EQ(c.after("L:Gyro_pointer,number"), 1800);
    c.set(SETTING, 2700);
    EXPECT_EQ(c.after("L:Gyro_pointer,number"), 3600);
    c.set(SETTING, 3000);
    c.set("A:PLANE HEADING DEGREES MAGNETIC, degrees", 90);
    EXPECT_EQ(c.after("L:Gyro_pointer,number"), 2100);
}

}  // namespace
