// Simulated landing gear, wheel brakes, the simulator's hydraulic state and the tail hook
// (which this aircraft uses for its photoflash doors).
//
// Keeps: A:GEAR HANDLE POSITION (1, down, at rest); A:GEAR LEFT POSITION, A:GEAR CENTER
// POSITION and A:GEAR RIGHT POSITION (percent, 100 down and locked at rest; the bench keeps
// no units, so the module's "degrees" reading of the left leg reads the same number);
// A:HYDRAULIC SWITCH (1 at rest, token 824); A:BRAKE PARKING POSITION (1, set, at rest);
// A:BRAKE LEFT POSITION and A:BRAKE RIGHT POSITION (percent, 0 at rest) and A:BRAKE
// INDICATOR (the larger of the two); A:TAILHOOK HANDLE (0) and A:TAILHOOK POSITION (percent, 0).
// Moved by: key events GEAR_SET (65700, the handle to the parameter), GEAR_PUMP (65852, one
// stroke of the hand pump: the legs move 5 % towards the handle), the hydraulic toggle
// (66309), PARKING_BRAKES (65752, toggles), the tail hook handle (66881, to the parameter);
// simulator events GEAR_UP, GEAR_DOWN, GEAR_TOGGLE, BRAKES (both pedals fully down),
// BRAKES_LEFT and BRAKES_RIGHT (one pedal). Each step the legs travel 20 % a second towards
// the handle (5 s end to end) and the tail hook 25 % a second towards its handle, but only
// while the hydraulic switch is on; released pedals come up 200 % a second (half a second
// after the last brake event). On the ground the brakes slow the aircraft: A:AIRSPEED
// INDICATED falls by up to 10 kt a second with the pedals fully down.
#include <algorithm>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kGearHandle = "A:GEAR HANDLE POSITION, bool";
constexpr const char* kLegs[] = {"A:GEAR LEFT POSITION, percent", "A:GEAR CENTER POSITION, percent",
                                 "A:GEAR RIGHT POSITION, percent"};
constexpr const char* kHydraulics = "A:HYDRAULIC SWITCH, bool";
constexpr const char* kBrakeLeft = "A:BRAKE LEFT POSITION, percent";
constexpr const char* kBrakeRight = "A:BRAKE RIGHT POSITION, percent";
constexpr const char* kBrakeIndicator = "A:BRAKE INDICATOR, degrees";
constexpr const char* kHookHandle = "A:TAILHOOK HANDLE, bool";
constexpr const char* kHook = "A:TAILHOOK POSITION, percent";
constexpr const char* kAirspeed = "A:AIRSPEED INDICATED, knots";

constexpr double kGearPercentPerSecond = 20.0;
constexpr double kPumpStrokePercent = 5.0;
constexpr double kHookPercentPerSecond = 25.0;
constexpr double kPedalReleasePerSecond = 200.0;
constexpr double kBrakingKnotsPerSecond = 10.0;

constexpr RestValue kAtRest[] = {
    {kGearHandle, 1.0},
    {kLegs[0], 100.0},
    {kLegs[1], 100.0},
    {kLegs[2], 100.0},
    {kHydraulics, 1.0},
    {"A:BRAKE PARKING POSITION, bool", 1.0},
    {kBrakeLeft, 0.0},
    {kBrakeRight, 0.0},
    {kBrakeIndicator, 0.0},
    {kHookHandle, 0.0},
    {kHook, 0.0},
};

constexpr TokenRow kTokens[] = {
    {824, kHydraulics, 1.0},
};

double towards(double value, double target, double delta) {
    return value < target ? std::min(value + delta, target) : std::max(value - delta, target);
}

void move_legs(Context& c, double delta) {
    const double target = c.get(kGearHandle) != 0.0 ? 100.0 : 0.0;
    for (const char* leg : kLegs) c.set(leg, towards(c.get(leg), target, delta));
}

void press(Context& c, bool left, bool right) {
    if (left) c.set(kBrakeLeft, 100.0);
    if (right) c.set(kBrakeRight, 100.0);
    c.set(kBrakeIndicator, std::max(c.get(kBrakeLeft), c.get(kBrakeRight)));
}

constexpr KeyRow kKeys[] = {
    {65700, "GEAR_SET", KeyAction::SetTo, kGearHandle},
    {65752, "PARKING_BRAKES", KeyAction::Toggle, "A:BRAKE PARKING POSITION, bool"},
    {65852, "GEAR_PUMP", KeyAction::Custom, nullptr, [](Context& c, std::uint32_t) { move_legs(c, kPumpStrokePercent); }},
    {66309, "HYDRAULIC_SWITCH_TOGGLE", KeyAction::Toggle, kHydraulics},
    {66881, "SET_TAILHOOK_HANDLE", KeyAction::SetTo, kHookHandle},
};

constexpr SimEventRow kSimEvents[] = {
    {"GEAR_UP", [](Context& c, std::uint32_t) { c.set(kGearHandle, 0.0); }},
    {"GEAR_DOWN", [](Context& c, std::uint32_t) { c.set(kGearHandle, 1.0); }},
    {"GEAR_TOGGLE", [](Context& c, std::uint32_t) { c.toggle(kGearHandle); }},
    {"BRAKES", [](Context& c, std::uint32_t) { press(c, true, true); }},
    {"BRAKES_LEFT", [](Context& c, std::uint32_t) { press(c, true, false); }},
    {"BRAKES_RIGHT", [](Context& c, std::uint32_t) { press(c, false, true); }},
};

void step(Context& c, double dt) {
    if (c.get(kHydraulics) != 0.0) {
        move_legs(c, kGearPercentPerSecond * dt);
        const double hook_target = c.get(kHookHandle) != 0.0 ? 100.0 : 0.0;
        c.set(kHook, towards(c.get(kHook), hook_target, kHookPercentPerSecond * dt));
    }
    const double braking = c.get(kBrakeIndicator) / 100.0;
    if (braking > 0.0 && c.get("A:SIM ON GROUND, bool") != 0.0)
        c.set(kAirspeed, std::max(0.0, c.get(kAirspeed) - kBrakingKnotsPerSecond * braking * dt));
    for (const char* pedal : {kBrakeLeft, kBrakeRight})
        c.set(pedal, std::max(0.0, c.get(pedal) - kPedalReleasePerSecond * dt));
    c.set(kBrakeIndicator, std::max(c.get(kBrakeLeft), c.get(kBrakeRight)));
}

}  // namespace

const System kGear{"gear", kAtRest, kTokens, kKeys, kSimEvents, step};

}  // namespace bench::sim
