// The flight's running values the simulator keeps besides the aircraft's own systems: the
// time of day in the simulated world, the true airspeed and the engines' fuel used since the
// start (what a flight data recorder reads).
//
// Keeps: E:LOCAL TIME (seconds since midnight, 36000 = 10:00:00 at rest), A:AIRSPEED TRUE
// (knots) and A:GENERAL ENG FUEL USED SINCE START (pounds, 0 at rest).
// Moved by: the clock (local time runs with simulated time and wraps at midnight); true
// airspeed follows A:AIRSPEED INDICATED and A:PLANE ALTITUDE every step (2 % more per
// 1000 ft: 250 kt at 10000 ft are 300 kt true); the fuel used grows by both engines'
// A:ENG FUEL FLOW PPH (3600 pph for an hour is 3600 lb). Scripts may `set` any of them: the
// local time then runs on from there.
#include <cmath>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kLocalTime = "E:LOCAL TIME, seconds";
constexpr const char* kTrueAirspeed = "A:AIRSPEED TRUE, knots";
constexpr const char* kFuelUsed = "A:GENERAL ENG FUEL USED SINCE START, pounds";
constexpr double kSecondsPerDay = 86400.0;

constexpr RestValue kAtRest[] = {
    {kLocalTime, 36000.0},
    {kTrueAirspeed, 0.0},
    {kFuelUsed, 0.0},
};

void step(Context& c, double dt) {
    c.set(kLocalTime, std::fmod(c.get(kLocalTime) + dt, kSecondsPerDay));
    const double indicated = c.get("A:AIRSPEED INDICATED, knots");
    const double altitude = c.get("A:PLANE ALTITUDE, feet");
    c.set(kTrueAirspeed, indicated * (1.0 + 0.02 * altitude / 1000.0));
    const double flow = c.get("A:ENG FUEL FLOW PPH:1, pounds per hour") + c.get("A:ENG FUEL FLOW PPH:2, pounds per hour");
    c.set(kFuelUsed, c.get(kFuelUsed) + flow * dt / 3600.0);
}

}  // namespace

const System kFlight{"flight", kAtRest, {}, {}, {}, step};

}  // namespace bench::sim
