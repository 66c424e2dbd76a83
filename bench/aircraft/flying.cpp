// The bench aircraft's own flight, for a whole flight from the runway and back (the demo
// flight's): it rolls with its engines' thrust, lifts off when rotated, climbs and
// descends with its attitude, gains and loses speed with power, drag and pitch, and meets
// the runway again. It moves only while the bench flies it (Options::flying, `--fly`);
// otherwise the aircraft stays where scripts put it, as everywhere else in this folder.
//
// Reads: each engine's A:TURB ENG CORRECTED N1 and A:GENERAL ENG COMBUSTION (engines.cpp);
//   A:BRAKE PARKING POSITION, the gear legs (gear.cpp); the flaps, spoilers, elevator trim
//   and A:ELEVATOR POSITION (controls.cpp); A:AUTOPILOT MASTER (autopilot.cpp).
// Writes: A:AIRSPEED INDICATED, A:SIM ON GROUND, A:PLANE ALTITUDE and A:INDICATED ALTITUDE,
//   A:RADIO HEIGHT, A:VERTICAL SPEED (feet per second), A:PLANE PITCH DEGREES and the
//   attitude indicator's pitch (the simulator's sign: positive nose down).
//
// Every step of dt seconds:
// - thrust: each running engine gives (N1 - 48) / 52 of its full thrust (0 at idle, 1 at
//   100 % N1); the aircraft's thrust f is the mean of both;
// - on the runway the speed moves towards 220 x f squared knots (taxi power at 61 % N1,
//   f 0.25: 14 kt; full power: 220 kt) with a time constant of 20 seconds; with the parking
//   brake set it falls by 20 kt a second to a stop (the wheel brakes' pedals are gear.cpp's);
//   below 120 kt the nose wheel holds the pitch at 0; from 120 kt the pilot's attitude
//   (below) applies, at most 12 degrees nose up; at 130 kt or more with 3 degrees nose up
//   or more the aircraft lifts off (A:SIM ON GROUND 0);
// - in the air the speed moves, with the same time constant, towards 140 + 250 x f knots,
//   10 kt more per degree nose down (less nose up), 20 kt less with the gear down, 0.3 kt
//   less per percent of flap and of spoiler, never below 100 kt (cruise power at 86 % N1,
//   level and clean: 323 kt);
// - with the autopilot master off the pitch settles, with a time constant of a second, on
//   the pilot's attitude: 2 degrees nose up per degree of elevator trim and 15 degrees nose
//   up at the elevator fully back (A:ELEVATOR POSITION -1, AXIS_ELEVATOR_SET -16383); the
//   aircraft then climbs at its speed times the sine of the nose-up pitch (with the master
//   on, autopilot.cpp moves pitch and altitude);
// - the runway is at 250 ft: reaching it the aircraft is on the ground again (A:SIM ON
//   GROUND 1, altitude 250, vertical speed 0); A:RADIO HEIGHT is the height above it.
#include <algorithm>
#include <cmath>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kAirspeed = "A:AIRSPEED INDICATED, knots";
constexpr const char* kOnGround = "A:SIM ON GROUND, bool";
constexpr const char* kAltitude = "A:PLANE ALTITUDE, feet";
constexpr const char* kIndicatedAltitude = "A:INDICATED ALTITUDE, feet";
constexpr const char* kPitch = "A:PLANE PITCH DEGREES, degrees";
constexpr const char* kVerticalSpeed = "A:VERTICAL SPEED, feet per second";

constexpr double kRunwayFeet = 250.0;
constexpr double kIdleN1 = 48.0;
constexpr double kN1AboveIdleAtFull = 52.0;
constexpr double kGroundKnotsAtFullThrust = 220.0;
constexpr double kSpeedTimeConstant = 20.0;  // seconds
constexpr double kParkingBrakeKnotsPerSecond = 20.0;
constexpr double kRotateKnots = 120.0;
constexpr double kLiftOffKnots = 130.0;
constexpr double kLiftOffPitch = -3.0;  // degrees, nose up
constexpr double kMostNoseUpOnGround = -12.0;
constexpr double kAirKnotsAtNoThrust = 140.0;
constexpr double kAirKnotsPerThrust = 250.0;
constexpr double kKnotsPerDegreeNoseDown = 10.0;
constexpr double kGearDownKnots = 20.0;
constexpr double kKnotsPerFlapPercent = 0.3;
constexpr double kKnotsPerSpoilerPercent = 0.3;
constexpr double kSlowestInAir = 100.0;
constexpr double kPitchPerTrimDegree = 2.0;
constexpr double kPitchAtFullElevator = 15.0;
constexpr double kPitchTimeConstant = 1.0;
constexpr double kFeetPerSecondPerKnot = 1.68781;
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

struct EngineNames {
    const char* combustion;
    const char* n1;
};
constexpr EngineNames kEngines[] = {
    {"A:GENERAL ENG COMBUSTION:1, bool", "A:TURB ENG CORRECTED N1:1, percent"},
    {"A:GENERAL ENG COMBUSTION:2, bool", "A:TURB ENG CORRECTED N1:2, percent"},
};

double thrust(const Context& c) {
    double sum = 0.0;
    for (const EngineNames& engine : kEngines) {
        if (c.get(engine.combustion) == 0.0) continue;
        sum += std::clamp((c.get(engine.n1) - kIdleN1) / kN1AboveIdleAtFull, 0.0, 1.0);
    }
    return sum / 2.0;
}

// The attitude the pilot holds with trim and elevator (simulator sign, positive nose down).
double pilots_pitch(const Context& c) {
    return -kPitchPerTrimDegree * c.get("A:ELEVATOR TRIM POSITION, degrees") +
           kPitchAtFullElevator * std::clamp(c.get("A:ELEVATOR POSITION, position"), -1.0, 1.0);
}

double settle(double value, double target, double dt, double time_constant) {
    return value + (target - value) * std::min(dt / time_constant, 1.0);
}

void set_pitch(Context& c, double pitch) {
    c.set(kPitch, pitch);
    c.set("A:ATTITUDE INDICATOR PITCH DEGREES, degrees", pitch);
}

void set_altitude(Context& c, double feet) {
    c.set(kAltitude, feet);
    c.set(kIndicatedAltitude, feet);
    c.set("A:RADIO HEIGHT, feet", std::max(0.0, feet - kRunwayFeet));
}

void roll(Context& c, double f, double dt) {
    double speed = c.get(kAirspeed);
    if (c.get("A:BRAKE PARKING POSITION, bool") != 0.0)
        speed = std::max(0.0, speed - kParkingBrakeKnotsPerSecond * dt);
    else
        speed = settle(speed, kGroundKnotsAtFullThrust * f * f, dt, kSpeedTimeConstant);
    c.set(kAirspeed, speed);
    const double pitch = speed < kRotateKnots ? 0.0 : std::max(pilots_pitch(c), kMostNoseUpOnGround);
    set_pitch(c, settle(c.get(kPitch), pitch, dt, kPitchTimeConstant));
    set_altitude(c, kRunwayFeet);
    c.set(kVerticalSpeed, 0.0);
    if (speed >= kLiftOffKnots && c.get(kPitch) <= kLiftOffPitch) c.set(kOnGround, 0.0);
}

void fly(Context& c, double f, double dt) {
    const double pitch_now = c.get(kPitch);
    const double gear_down = c.get("A:GEAR LEFT POSITION, percent") / 100.0;
    const double target = kAirKnotsAtNoThrust + kAirKnotsPerThrust * f + kKnotsPerDegreeNoseDown * pitch_now -
                          kGearDownKnots * gear_down -
                          kKnotsPerFlapPercent * c.get("A:TRAILING EDGE FLAPS LEFT PERCENT, percent") -
                          kKnotsPerSpoilerPercent * c.get("A:SPOILERS LEFT POSITION, percent");
    c.set(kAirspeed, settle(c.get(kAirspeed), std::max(target, kSlowestInAir), dt, kSpeedTimeConstant));
    if (c.get("A:AUTOPILOT MASTER, bool") == 0.0) {
        const double pitch = settle(pitch_now, pilots_pitch(c), dt, kPitchTimeConstant);
        set_pitch(c, pitch);
        const double climb = c.get(kAirspeed) * kFeetPerSecondPerKnot * std::sin(-pitch * kRadiansPerDegree);
        c.set(kVerticalSpeed, climb);
        set_altitude(c, c.get(kAltitude) + climb * dt);
    } else {
        set_altitude(c, c.get(kAltitude));
    }
    if (c.get(kAltitude) <= kRunwayFeet) {
        c.set(kOnGround, 1.0);
        set_altitude(c, kRunwayFeet);
        c.set(kVerticalSpeed, 0.0);
    }
}

void step(Context& c, double dt) {
    if (!c.memory.flying || dt <= 0.0) return;
    const double f = thrust(c);
    if (c.get(kOnGround) != 0.0)
        roll(c, f, dt);
    else
        fly(c, f, dt);
}

}  // namespace

const System kFlying{"flying", {}, {}, {}, {}, step};

}  // namespace bench::sim
