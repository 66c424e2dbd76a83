// The simulator's autopilot and a simple attitude and heading response, so that the
// module's own bank-hold and pitch-hold laws (and the simulator's modes it switches) can be
// seen to settle.
//
// Keeps (0 at rest): A:AUTOPILOT MASTER, A:AUTOPILOT HEADING LOCK, A:AUTOPILOT NAV1 LOCK,
// A:AUTOPILOT APPROACH HOLD, A:AUTOPILOT ALTITUDE LOCK with A:AUTOPILOT ALTITUDE LOCK VAR
// (feet), A:AUTOPILOT AIRSPEED HOLD, A:GPS DRIVES NAV1, A:AUTO COORDINATION, A:AUTOPILOT
// YAW DAMPER, A:ELEVATOR DEFLECTION PCT (percent, moved by scripts only); the aircraft's
// attitude A:PLANE PITCH DEGREES and A:PLANE BANK DEGREES (tokens 77 and 79, world.cpp) in
// the simulator's signs: pitch positive nose down, bank positive left wing down.
// Moved by key events: AUTOPILOT_ON / AUTOPILOT_OFF (65792 / 65791) the master;
// AP_NAV1_HOLD_ON / _OFF (65811 / 65819), AP_HDG_HOLD_ON / _OFF (65807 / 65815),
// AP_APR_HOLD_ON / _OFF (65806 / 65814), AP_ALT_HOLD_ON / _OFF (65808 / 65816) their locks;
// AP_ALT_VAR_SET_ENGLISH (66124) the altitude reference; AP_AIRSPEED_HOLD (65859),
// TOGGLE_GPS_DRIVES_NAV1 (66375) toggle; AUTO_COORDINATION_OFF / _ON (65952 / 65953) and
// YAW_DAMPER_OFF / _ON (66070 / 66069); AILERON_SET (65695) sets A:AILERON POSITION to the
// parameter (-16383 to 16383) / 16383.
//
// The attitude moves only while the master is on (with it off, the bench's pilot holds the
// attitude where scripts put it), every step of dt seconds:
// - bank: with heading lock on, the simulator's autopilot banks towards twice the heading
//   error, at most 25 degrees, rolling 5 degrees a second, and within half a degree of the
//   heading bug (token 855) the heading is the bug's; with NAV1 lock or approach hold on it
//   rolls the wings level at 5 degrees a second; otherwise the aileron rolls the aircraft at
//   30 degrees a second at full aileron (positive rolls left); a bank written as 0 to 360
//   stays in that form (it turns the aircraft as -180 to 180);
// - pitch: with altitude lock on, the simulator's autopilot pitches towards one degree nose
//   down per 100 ft above the reference (at most 5), with approach hold on towards 3 degrees
//   nose down, 2 degrees a second; otherwise the pitch settles on the trimmed attitude, 2
//   degrees nose up per degree of A:ELEVATOR TRIM POSITION (controls.cpp: 65615 trims up,
//   65607 down, 0.05 degrees a step), with a time constant of one second;
// - heading (A:PLANE HEADING DEGREES MAGNETIC, 1 to 360) turns 0.12 degrees a second per
//   degree of bank, left for a left bank (25 degrees turn 3 degrees a second);
// - altitude (A:PLANE ALTITUDE and A:INDICATED ALTITUDE) climbs at the indicated airspeed
//   times the sine of the nose-up pitch, written to A:VERTICAL SPEED (feet per second);
// - the attitude indicator (tokens 78 and 80) shows the aircraft's pitch and bank.
#include <algorithm>
#include <cmath>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kMaster = "A:AUTOPILOT MASTER, bool";
constexpr const char* kHeadingLock = "A:AUTOPILOT HEADING LOCK, bool";
constexpr const char* kHeadingBug = "A:AUTOPILOT HEADING LOCK DIR, degrees";
constexpr const char* kNav1Lock = "A:AUTOPILOT NAV1 LOCK, bool";
constexpr const char* kApproachHold = "A:AUTOPILOT APPROACH HOLD, bool";
constexpr const char* kAltitudeLock = "A:AUTOPILOT ALTITUDE LOCK, bool";
constexpr const char* kAltitudeReference = "A:AUTOPILOT ALTITUDE LOCK VAR, feet";
constexpr const char* kPitch = "A:PLANE PITCH DEGREES, degrees";
constexpr const char* kBank = "A:PLANE BANK DEGREES, degrees";
constexpr const char* kHeading = "A:PLANE HEADING DEGREES MAGNETIC, degrees";
constexpr const char* kAileron = "A:AILERON POSITION, position";
constexpr const char* kElevatorTrim = "A:ELEVATOR TRIM POSITION, degrees";

constexpr double kRollRateAtFullAileron = 30.0;  // degrees a second
constexpr double kAutopilotRollRate = 5.0;
constexpr double kAutopilotMaxBank = 25.0;
constexpr double kAutopilotPitchRate = 2.0;
constexpr double kPitchPerTrimDegree = 2.0;  // degrees nose up per degree of trim up
constexpr double kPitchTimeConstant = 1.0;   // seconds
constexpr double kTurnPerBankDegree = 0.12;  // degrees of heading a second
constexpr double kFeetPerSecondPerKnot = 1.68781;
constexpr double kAxisFull = 16383.0;
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

constexpr RestValue kAtRest[] = {
    {kMaster, 0.0},
    {kHeadingLock, 0.0},
    {kNav1Lock, 0.0},
    {kApproachHold, 0.0},
    {kAltitudeLock, 0.0},
    {kAltitudeReference, 0.0},
    {"A:AUTOPILOT AIRSPEED HOLD, bool", 0.0},
    {"A:GPS DRIVES NAV1, bool", 0.0},
    {"A:AUTO COORDINATION, bool", 0.0},
    {"A:AUTOPILOT YAW DAMPER, bool", 0.0},
    {"A:ELEVATOR DEFLECTION PCT, percent", 0.0},
    {kPitch, 0.0},
    {kBank, 0.0},
    {"A:ATTITUDE INDICATOR PITCH DEGREES, degrees", 0.0},
    {"A:ATTITUDE INDICATOR BANK DEGREES, degrees", 0.0},
};

using K = KeyAction;

constexpr KeyRow kKeys[] = {
    {65695, "AILERON_SET", K::Custom, kAileron,
     [](Context& c, std::uint32_t p) {
         c.set(kAileron, std::clamp(static_cast<double>(static_cast<std::int32_t>(p)) / kAxisFull, -1.0, 1.0));
     }},
    {65791, "AUTOPILOT_OFF", K::Off, kMaster},
    {65792, "AUTOPILOT_ON", K::On, kMaster},
    {65806, "AP_APR_HOLD_ON", K::On, kApproachHold},
    {65807, "AP_HDG_HOLD_ON", K::On, kHeadingLock},
    {65808, "AP_ALT_HOLD_ON", K::On, kAltitudeLock},
    {65811, "AP_NAV1_HOLD_ON", K::On, kNav1Lock},
    {65814, "AP_APR_HOLD_OFF", K::Off, kApproachHold},
    {65815, "AP_HDG_HOLD_OFF", K::Off, kHeadingLock},
    {65816, "AP_ALT_HOLD_OFF", K::Off, kAltitudeLock},
    {65819, "AP_NAV1_HOLD_OFF", K::Off, kNav1Lock},
    {65859, "AP_AIRSPEED_HOLD", K::Toggle, "A:AUTOPILOT AIRSPEED HOLD, bool"},
    {65952, "AUTO_COORDINATION_OFF", K::Off, "A:AUTO COORDINATION, bool"},
    {65953, "AUTO_COORDINATION_ON", K::On, "A:AUTO COORDINATION, bool"},
    {66069, "YAW_DAMPER_ON", K::On, "A:AUTOPILOT YAW DAMPER, bool"},
    {66070, "YAW_DAMPER_OFF", K::Off, "A:AUTOPILOT YAW DAMPER, bool"},
    {66124, "AP_ALT_VAR_SET_ENGLISH", K::SetTo, kAltitudeReference},
    {66375, "TOGGLE_GPS_DRIVES_NAV1", K::Toggle, "A:GPS DRIVES NAV1, bool"},
};

// From value towards target by at most step.
double towards(double value, double target, double step) {
    return value < target ? std::min(value + step, target) : std::max(value - step, target);
}

// Degrees from a to b the short way round, -180 to 180.
double heading_error(double from, double to) {
    double d = std::fmod(to - from, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d < -180.0) d += 360.0;
    return d;
}

// Heading lock within half a degree of the bug: the heading is the bug's (north reads 360).
bool heading_captured(Context& c) {
    if (c.get(kHeadingLock) == 0.0) return false;
    if (std::fabs(heading_error(c.get(kHeading), c.get(kHeadingBug))) >= 0.5) return false;
    const double bug = std::fmod(c.get(kHeadingBug), 360.0);
    c.set(kHeading, bug <= 0.0 ? bug + 360.0 : bug);
    return true;
}

double bank_step(Context& c, double bank, double dt) {
    if (c.get(kHeadingLock) != 0.0) {
        const double error = heading_error(c.get(kHeading), c.get(kHeadingBug));
        const double wanted = std::clamp(-2.0 * error, -kAutopilotMaxBank, kAutopilotMaxBank);
        return towards(bank, wanted, kAutopilotRollRate * dt);
    }
    if (c.get(kNav1Lock) != 0.0 || c.get(kApproachHold) != 0.0) return towards(bank, 0.0, kAutopilotRollRate * dt);
    return bank + kRollRateAtFullAileron * std::clamp(c.get(kAileron), -1.0, 1.0) * dt;
}

double pitch_step(Context& c, double pitch, double dt) {
    if (c.get(kAltitudeLock) != 0.0) {
        const double above = c.get("A:PLANE ALTITUDE, feet") - c.get(kAltitudeReference);
        return towards(pitch, std::clamp(above / 100.0, -5.0, 5.0), kAutopilotPitchRate * dt);
    }
    if (c.get(kApproachHold) != 0.0) return towards(pitch, 3.0, kAutopilotPitchRate * dt);
    const double trimmed = -kPitchPerTrimDegree * c.get(kElevatorTrim);
    return pitch + (trimmed - pitch) * std::min(dt / kPitchTimeConstant, 1.0);
}

void step(Context& c, double dt) {
    if (c.get(kMaster) == 0.0 || dt <= 0.0) return;
    const double bank = bank_step(c, c.get(kBank), dt);
    const double pitch = pitch_step(c, c.get(kPitch), dt);
    // A bank written as 0 to 360 (358 for 2 degrees right) stays so; it turns as -180 to 180.
    const double signed_bank = bank > 180.0 ? bank - 360.0 : bank;
    c.set(kBank, bank);
    c.set(kPitch, pitch);
    c.set("A:ATTITUDE INDICATOR BANK DEGREES, degrees", bank);
    c.set("A:ATTITUDE INDICATOR PITCH DEGREES, degrees", pitch);

    if (!heading_captured(c)) {
        double heading = c.get(kHeading) - kTurnPerBankDegree * signed_bank * dt;
        heading = std::fmod(heading, 360.0);
        if (heading <= 0.0) heading += 360.0;
        c.set(kHeading, heading);
    }

    const double climb = c.get("A:AIRSPEED INDICATED, knots") * kFeetPerSecondPerKnot * std::sin(-pitch * kRadiansPerDegree);
    c.set("A:VERTICAL SPEED, feet per second", climb);
    c.set("A:PLANE ALTITUDE, feet", c.get("A:PLANE ALTITUDE, feet") + climb * dt);
    c.set("A:INDICATED ALTITUDE, feet", c.get("A:INDICATED ALTITUDE, feet") + climb * dt);
}

}  // namespace

const System kAutopilot{"autopilot", kAtRest, {}, kKeys, {}, step};

}  // namespace bench::sim
