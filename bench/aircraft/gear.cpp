// Simulated landing gear and brakes.
//
// Keeps: A:GEAR HANDLE POSITION (1, down, at rest) and A:BRAKE PARKING POSITION (1, set, at
// rest).
// Moved by: key events GEAR_SET (65700, the handle to the parameter) and PARKING_BRAKES
// (65752, toggles); simulator events GEAR_UP, GEAR_DOWN and GEAR_TOGGLE.
#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kGearHandle = "A:GEAR HANDLE POSITION, bool";

constexpr RestValue kAtRest[] = {
    {kGearHandle, 1.0},
    {"A:BRAKE PARKING POSITION, bool", 1.0},
};

constexpr KeyRow kKeys[] = {
    {65700, "GEAR_SET", KeyAction::SetTo, kGearHandle},
    {65752, "PARKING_BRAKES", KeyAction::Toggle, "A:BRAKE PARKING POSITION, bool"},
};

constexpr SimEventRow kSimEvents[] = {
    {"GEAR_UP", [](Context& c, std::uint32_t) { c.set(kGearHandle, 0.0); }},
    {"GEAR_DOWN", [](Context& c, std::uint32_t) { c.set(kGearHandle, 1.0); }},
    {"GEAR_TOGGLE", [](Context& c, std::uint32_t) { c.toggle(kGearHandle); }},
};

}  // namespace

const System kGear{"gear", kAtRest, {}, kKeys, kSimEvents, nullptr};

}  // namespace bench::sim
