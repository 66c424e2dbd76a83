// The simulated world and the aircraft's place in it: position, attitude, air data and the
// simulation rate.
//
// Keeps: A:PLANE ALTITUDE and A:INDICATED ALTITUDE (250 ft at rest, tokens 74 and 109),
// A:PLANE HEADING DEGREES MAGNETIC (270, token 81), A:PLANE LATITUDE and LONGITUDE (52.36,
// -0.48 degrees; tokens 71 and 72 in the simulator's raw units: latitude degrees x
// 40007000 / 360, longitude degrees x 2^48 / 360, so 45 N reads 5000875 and 90 W reads
// -2^46), A:SIM ON GROUND (1), A:KOHLSMAN SETTING MB (1013.25,
// token 75), A:G FORCE (1; token 351 in 1/624 g), A:AIRSPEED INDICATED and MACH (tokens 61
// and 64, the latter in 20000ths of Mach: 0.8 reads 16000), the attitude indicator and the aircraft's pitch and bank (tokens 78, 80, 77, 79),
// the turn coordinator ball (token 69), A:RADIO HEIGHT (0 ft, standing on the runway),
// A:VERTICAL SPEED (0 feet per second), A:PITOT ICE PCT (0 %) and P:SIMULATION RATE (1).
// Moved by: nothing but scripts (`set`, `token N VALUE`): the aircraft does not fly.
// (Unless the bench flies it, --fly: then flying.cpp moves its altitude, speed, pitch and
// ground contact.)
#include "systems.h"

namespace bench::sim {
namespace {

constexpr RestValue kAtRest[] = {
    {"A:PLANE ALTITUDE, feet", 250.0},
    {"A:INDICATED ALTITUDE, feet", 250.0},
    {"A:PLANE HEADING DEGREES MAGNETIC, degrees", 270.0},
    {"A:PLANE LATITUDE, degrees", 52.36},
    {"A:PLANE LONGITUDE, degrees", -0.48},
    {"A:SIM ON GROUND, bool", 1.0},
    {"A:KOHLSMAN SETTING MB, millibars", 1013.25},
    {"A:G FORCE, gforce", 1.0},
    {"A:RADIO HEIGHT, feet", 0.0},
    {"A:VERTICAL SPEED, feet per second", 0.0},
    {"A:PITOT ICE PCT, percent", 0.0},
    {"P:SIMULATION RATE, number", 1.0},
};

// The raw units of the position tokens: a whole turn of latitude is 40007000 units (the
// meridian's length in metres), a whole turn of longitude 2^48.
constexpr double kLatitudeUnitsPerDegree = 40007000.0 / 360.0;
constexpr double kLongitudeUnitsPerDegree = 281474976710656.0 / 360.0;

// Token 64 gives the Mach number in 20000ths: Mach 0.5 reads 10000, Mach 1 reads 20000.
constexpr double kMachUnits = 20000.0;

constexpr TokenRow kTokens[] = {
    {74, "A:PLANE ALTITUDE, feet", 1.0},
    {81, "A:PLANE HEADING DEGREES MAGNETIC, degrees", 1.0},
    {71, "A:PLANE LATITUDE, degrees", kLatitudeUnitsPerDegree},
    {72, "A:PLANE LONGITUDE, degrees", kLongitudeUnitsPerDegree},
    {61, "A:AIRSPEED INDICATED, knots", 1.0},
    {64, "A:AIRSPEED MACH, mach", kMachUnits},
    {75, "A:KOHLSMAN SETTING MB, millibars", 1.0},
    {69, "A:TURN COORDINATOR BALL, position", 1.0},
    {351, "A:G FORCE, gforce", 624.0},
    {78, "A:ATTITUDE INDICATOR PITCH DEGREES, degrees", 1.0},
    {80, "A:ATTITUDE INDICATOR BANK DEGREES, degrees", 1.0},
    {77, "A:PLANE PITCH DEGREES, degrees", 1.0},
    {79, "A:PLANE BANK DEGREES, degrees", 1.0},
    {109, "A:INDICATED ALTITUDE, feet", 1.0},
};

}  // namespace

const System kWorld{"world", kAtRest, kTokens, {}, {}, nullptr};

}  // namespace bench::sim
