// Simulated flight controls: flaps, spoilers, trims and the control surfaces.
//
// Keeps: A:TRAILING EDGE FLAPS LEFT PERCENT (0 at rest) and A:TRAILING EDGE FLAPS LEFT
// ANGLE (degrees, 70 at 100 %), and in the aircraft's memory the percent they travel
// towards; A:SPOILERS LEFT POSITION and A:SPOILERS RIGHT POSITION (percent, 0 in);
// A:AILERON TRIM PCT and A:RUDDER TRIM PCT (percent, 0) with A:AILERON TRIM and A:RUDDER
// TRIM (degrees, 20 at 100 %), A:ELEVATOR TRIM POSITION (degrees, 0); A:AILERON POSITION,
// A:RUDDER POSITION and A:ELEVATOR POSITION (-1 to 1, 0).
// Moved by: key events FLAPS_UP (65595, fully up) and FLAPS_DOWN (65603, fully down),
// simulator events FLAPS_INCR and FLAPS_DECR (50 % a notch); the flaps travel 10 % a second
// (10 s end to end) while the hydraulic switch (gear.cpp) is on. Key event SPOILERS_SET
// (65786: 16383 fully out, 8191 half, 0 in), simulator events AXIS_SPOILER_SET (-16383 in to
// 16383 out) and SPOILERS_TOGGLE (in to out, anything else in). Trim key events: aileron
// 66276 left / 66277 right and rudder 66278 left / 66279 right move their trim 0.5 % each,
// tail 65607 down / 65615 up 0.05 degrees each, within 100 % and 15 degrees; the module's
// trim writes set them directly. Simulator events AXIS_AILERONS_SET, AXIS_RUDDER_SET,
// STEERING_SET and AXIS_ELEVATOR_SET set their surface to the value / 16383.
#include <algorithm>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kFlapsPercent = "A:TRAILING EDGE FLAPS LEFT PERCENT, percent";
constexpr const char* kFlapsAngle = "A:TRAILING EDGE FLAPS LEFT ANGLE, degrees";
constexpr const char* kSpoilersLeft = "A:SPOILERS LEFT POSITION, percent";
constexpr const char* kSpoilersRight = "A:SPOILERS RIGHT POSITION, percent";
constexpr const char* kAileronTrimPct = "A:AILERON TRIM PCT, percent";
constexpr const char* kRudderTrimPct = "A:RUDDER TRIM PCT, percent";
constexpr const char* kElevatorTrim = "A:ELEVATOR TRIM POSITION, degrees";

constexpr double kFlapsPercentPerSecond = 10.0;
constexpr double kFlapsDegreesAtFull = 70.0;
constexpr double kFlapNotch = 50.0;
constexpr double kTrimPctStep = 0.5;
constexpr double kTrimDegreesAtFull = 20.0;
constexpr double kElevatorTrimStep = 0.05;
constexpr double kElevatorTrimLimit = 15.0;
constexpr double kAxisFull = 16383.0;

constexpr RestValue kAtRest[] = {
    {kFlapsPercent, 0.0}, {kFlapsAngle, 0.0},     {kSpoilersLeft, 0.0},
    {kSpoilersRight, 0.0}, {kAileronTrimPct, 0.0}, {kRudderTrimPct, 0.0},
    {kElevatorTrim, 0.0},  {"A:AILERON POSITION, position", 0.0}, {"A:RUDDER POSITION, position", 0.0},
    {"A:ELEVATOR POSITION, position", 0.0},
};

double signed_axis(std::uint32_t data) { return static_cast<double>(static_cast<std::int32_t>(data)); }

void spoilers_to(Context& c, double percent) {
    percent = std::clamp(percent, 0.0, 100.0);
    c.set(kSpoilersLeft, percent);
    c.set(kSpoilersRight, percent);
}

void trim_by(Context& c, const char* name, double delta, double limit) {
    c.set(name, std::clamp(c.get(name) + delta, -limit, limit));
}

void flaps_to(Context& c, double target) { c.memory.flaps_target = std::clamp(target, 0.0, 100.0); }

constexpr KeyRow kKeys[] = {
    {65595, "FLAPS_UP", KeyAction::Custom, nullptr, [](Context& c, std::uint32_t) { flaps_to(c, 0.0); }},
    {65603, "FLAPS_DOWN", KeyAction::Custom, nullptr, [](Context& c, std::uint32_t) { flaps_to(c, 100.0); }},
    {65607, "ELEV_TRIM_DN", KeyAction::Custom, nullptr,
     [](Context& c, std::uint32_t) { trim_by(c, kElevatorTrim, -kElevatorTrimStep, kElevatorTrimLimit); }},
    {65615, "ELEV_TRIM_UP", KeyAction::Custom, nullptr,
     [](Context& c, std::uint32_t) { trim_by(c, kElevatorTrim, kElevatorTrimStep, kElevatorTrimLimit); }},
    {65786, "SPOILERS_SET", KeyAction::Custom, nullptr,
     [](Context& c, std::uint32_t p) { spoilers_to(c, static_cast<double>(p) / kAxisFull * 100.0); }},
    {66276, "AILERON_TRIM_LEFT", KeyAction::Custom, nullptr,
     [](Context& c, std::uint32_t) { trim_by(c, kAileronTrimPct, -kTrimPctStep, 100.0); }},
    {66277, "AILERON_TRIM_RIGHT", KeyAction::Custom, nullptr,
     [](Context& c, std::uint32_t) { trim_by(c, kAileronTrimPct, kTrimPctStep, 100.0); }},
    {66278, "RUDDER_TRIM_LEFT", KeyAction::Custom, nullptr,
     [](Context& c, std::uint32_t) { trim_by(c, kRudderTrimPct, -kTrimPctStep, 100.0); }},
    {66279, "RUDDER_TRIM_RIGHT", KeyAction::Custom, nullptr,
     [](Context& c, std::uint32_t) { trim_by(c, kRudderTrimPct, kTrimPctStep, 100.0); }},
};

constexpr SimEventRow kSimEvents[] = {
    {"FLAPS_INCR", [](Context& c, std::uint32_t) { flaps_to(c, c.memory.flaps_target + kFlapNotch); }},
    {"FLAPS_DECR", [](Context& c, std::uint32_t) { flaps_to(c, c.memory.flaps_target - kFlapNotch); }},
    {"AXIS_SPOILER_SET", [](Context& c, std::uint32_t v) { spoilers_to(c, (signed_axis(v) + kAxisFull) / (2 * kAxisFull) * 100.0); }},
    {"SPOILERS_TOGGLE", [](Context& c, std::uint32_t) { spoilers_to(c, c.get(kSpoilersLeft) == 0.0 ? 100.0 : 0.0); }},
    {"AXIS_AILERONS_SET", [](Context& c, std::uint32_t v) { c.set("A:AILERON POSITION, position", std::clamp(signed_axis(v) / kAxisFull, -1.0, 1.0)); }},
    {"AXIS_RUDDER_SET", [](Context& c, std::uint32_t v) { c.set("A:RUDDER POSITION, position", std::clamp(signed_axis(v) / kAxisFull, -1.0, 1.0)); }},
    {"STEERING_SET", [](Context& c, std::uint32_t v) { c.set("A:RUDDER POSITION, position", std::clamp(signed_axis(v) / kAxisFull, -1.0, 1.0)); }},
    {"AXIS_ELEVATOR_SET", [](Context& c, std::uint32_t v) { c.set("A:ELEVATOR POSITION, position", std::clamp(signed_axis(v) / kAxisFull, -1.0, 1.0)); }},
};

void step(Context& c, double dt) {
    if (c.get("A:HYDRAULIC SWITCH, bool") != 0.0) {
        const double flaps = c.get(kFlapsPercent);
        const double target = c.memory.flaps_target;
        const double delta = kFlapsPercentPerSecond * dt;
        c.set(kFlapsPercent, flaps < target ? std::min(flaps + delta, target) : std::max(flaps - delta, target));
    }
    c.set(kFlapsAngle, c.get(kFlapsPercent) / 100.0 * kFlapsDegreesAtFull);
    c.set("A:AILERON TRIM, degrees", c.get(kAileronTrimPct) / 100.0 * kTrimDegreesAtFull);
    c.set("A:RUDDER TRIM, degrees", c.get(kRudderTrimPct) / 100.0 * kTrimDegreesAtFull);
}

}  // namespace

const System kControls{"controls", kAtRest, {}, kKeys, kSimEvents, step};

}  // namespace bench::sim
