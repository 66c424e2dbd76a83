// Start states: the aircraft ready to fly, cold and dark, or in cruise, reached through the
// module as a pilot reaches them, so that scripts and tests begin from the same places.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "impl.h"

namespace bench {

namespace {

constexpr double kLimitSeconds = 120.0;

bool engine_running(const Bench& b, int engine) {
    const std::string n = std::to_string(engine);
    return b.get("A:GENERAL ENG COMBUSTION:" + n + ", bool") != 0.0;
}

bool engine_stopped(const Bench& b, int engine) {
    const std::string n = std::to_string(engine);
    return !engine_running(b, engine) && b.get("A:TURB ENG CORRECTED N1:" + n + ", percent") < 1.0;
}

// Runs whole simulated seconds until the condition holds; the seconds it took.
template <typename Condition>
double run_until(Bench& b, Condition done, const char* what) {
    double waited = 0.0;
    while (!done()) {
        if (waited >= kLimitSeconds)
            throw ExpectationFailed(std::string("start: ") + what + " within " +
                                    std::to_string(static_cast<int>(kLimitSeconds)) + " simulated seconds");
        b.seconds(1.0);
        waited += 1.0;
    }
    return waited;
}

void press(Bench& b, const char* gauge, int x, int y, const char* what) {
    if (b.click(gauge, x, y, sdk::MOUSE_LEFTSINGLE) < 0)
        throw ExpectationFailed(std::string("start: the ") + what + " took no click");
    b.frames(1);
}

// The cruise: the throttle axis at 8000 of -16383..16383 (about three quarters of the travel)
// holds both engines near 86 % N1.
constexpr std::int32_t kCruiseThrottleAxis = 8000;
constexpr double kFieldElevationFeet = 250.0;
constexpr double kGearUpAltitudeFeet = 1000.0;
constexpr double kGearUpSpeedKnots = 160.0;
constexpr std::uint32_t kGearWindow = 500;
constexpr std::uint32_t kParkingBrakeToggle = 65752;

std::string format(const char* pattern, double a, double b = 0.0) {
    char line[160];
    std::snprintf(line, sizeof line, pattern, a, b);
    return line;
}

// Puts the aircraft where the simulator's flight model would have it: at this altitude and
// indicated airspeed, wings and nose level, no climb. True airspeed and the outside air follow
// the altitude in the simulated aircraft; Mach follows from them.
void place(Bench& b, double altitude_ft, double speed_kt) {
    b.set("A:SIM ON GROUND, bool", 0);
    b.set("A:PLANE ALTITUDE, feet", altitude_ft);
    b.set("A:INDICATED ALTITUDE, feet", altitude_ft);
    b.set("A:RADIO HEIGHT, feet", altitude_ft - kFieldElevationFeet);
    b.set("A:AIRSPEED INDICATED, knots", speed_kt);
    b.set("A:VERTICAL SPEED, feet per second", 0);
    for (int token : {77, 78, 79, 80}) b.set_token(token, 0);
    b.frames(1);
    // The speed of sound: 38.97 kt per square root of kelvin.
    const double kelvin = b.get("A:AMBIENT TEMPERATURE, celsius") + 273.15;
    const double sound_kt = 38.967854 * std::sqrt(std::max(kelvin, 1.0));
    b.set("A:AIRSPEED MACH, mach", b.get("A:AIRSPEED TRUE, knots") / sound_kt);
}

bool engines_steady(Bench& b, double& last1, double& last2) {
    const double n1 = b.get("A:TURB ENG CORRECTED N1:1, percent");
    const double n2 = b.get("A:TURB ENG CORRECTED N1:2, percent");
    const bool steady = std::fabs(n1 - last1) < 0.1 && std::fabs(n2 - last2) < 0.1;
    last1 = n1;
    last2 = n2;
    return steady;
}

}  // namespace

std::string Bench::start(const std::string& which) {
    if (which == "cruise") return start_cruise(kCruiseAltitudeFeet, kCruiseSpeedKnots);
    if (which != "ready" && which != "cold-and-dark")
        throw ScriptError("start what? ready, cold-and-dark or cruise");
    if (!loaded()) throw ScriptError("the module is not loaded");
    std::string out;
    // Initial state, ready preset at +3 ticks, panel state from +5: one second covers them.
    seconds(1.0);
    out += "start: start-up sequence settled\n";
    if (which == "ready") {
        const double t = run_until(*this, [&] { return engine_running(*this, 1) && engine_running(*this, 2); },
                                   "both engines running");
        out += "start: both engines running after " + std::to_string(static_cast<int>(t)) + " s more\n";
        return out;
    }
    press(*this, "Panel_Selector_Arrow", 15, 20, "panel selector's arrow");
    press(*this, "Panel_Selector", 98, 106, "panel selector's Power button");
    press(*this, "Panel_Selector", 14, 14, "panel selector's close button");
    out += "start: Power pressed on the panel selector (cold and dark preset)\n";
    const double t = run_until(*this, [&] { return engine_stopped(*this, 1) && engine_stopped(*this, 2); },
                               "both engines stopped");
    out += "start: both engines stopped after " + std::to_string(static_cast<int>(t)) + " s more\n";
    return out;
}

std::string Bench::start_cruise(double altitude_ft, double speed_kt) {
    if (!(altitude_ft >= kCruiseAltitudeLowest && altitude_ft <= kCruiseAltitudeHighest))
        throw ScriptError(format("start cruise: the altitude is %g to %g feet", kCruiseAltitudeLowest,
                                 kCruiseAltitudeHighest));
    if (!(speed_kt >= kCruiseSpeedLowest && speed_kt <= kCruiseSpeedHighest))
        throw ScriptError(format("start cruise: the speed is %g to %g knots", kCruiseSpeedLowest,
                                 kCruiseSpeedHighest));
    std::string out = start("ready");
    if (get("A:BRAKE PARKING POSITION, bool") != 0.0) key(kParkingBrakeToggle, 1);
    // Off the ground, clean: the gear comes up at a gear speed, then the aircraft goes on to
    // its cruise.
    place(*this, kGearUpAltitudeFeet, kGearUpSpeedKnots);
    out += "start: airborne, parking brake off\n";
    const bool was_open = window_open(kGearWindow);
    if (!was_open) window("open", kGearWindow);
    if (get("A:GEAR HANDLE POSITION, bool") != 0.0) press(*this, "GearFlaps_Panel", 760, 260, "gear up button");
    if (get("A:TRAILING EDGE FLAPS LEFT PERCENT, percent") > 0.0 && get("L:FlapLever Position, bool") == 0.0)
        press(*this, "GearFlaps_Panel", 700, 700, "flap lever");
    if (!was_open) window("close", kGearWindow);
    pilot_event("AXIS_THROTTLE_SET", static_cast<std::uint32_t>(kCruiseThrottleAxis));
    double t = run_until(*this, [&] {
        return get("A:GEAR LEFT POSITION, percent") == 0.0 && get("A:GEAR CENTER POSITION, percent") == 0.0 &&
               get("A:GEAR RIGHT POSITION, percent") == 0.0 &&
               get("A:TRAILING EDGE FLAPS LEFT PERCENT, percent") == 0.0;
    }, "gear and flaps up");
    out += "start: gear and flaps up after " + std::to_string(static_cast<int>(t)) + " s more, cruise power set\n";
    place(*this, altitude_ft, speed_kt);
    double last1 = -1.0, last2 = -1.0;
    t = run_until(*this, [&] { return engines_steady(*this, last1, last2); }, "steady cruise power");
    out += format("start: level at %.0f ft, %.0f kt", altitude_ft, speed_kt) +
           format(" (Mach %.2f), engines steady at %.1f %% N1", get("A:AIRSPEED MACH, mach"),
                  get("A:TURB ENG CORRECTED N1:1, percent")) +
           " after " + std::to_string(static_cast<int>(t)) + " s more\n";
    return out;
}

}  // namespace bench
