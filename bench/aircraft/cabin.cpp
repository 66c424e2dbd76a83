// The air around the aircraft and the engines' anti-icing.
//
// Keeps: A:AMBIENT TEMPERATURE (celsius) and A:AMBIENT PRESSURE (inches of mercury), which
// follow A:PLANE ALTITUDE every step by the standard atmosphere (15 C and 29.92 inHg at sea
// level, 2 C colder per 1000 ft up to -56.5 C at 36089 ft; at 250 ft 14.5 C and 29.65 inHg,
// at 40000 ft -56.5 C and 5.54 inHg); A:ENG ANTI ICE:1 and :2 (0 at rest); the fuel tank
// fire input A:FUEL TANK ON FIRE (token 980, 0 at rest; `token 980 1` starts a fire).
// Moved by: the altitude (scripts `set "A:PLANE ALTITUDE, feet" 40000` or `token 74
// 40000`), until a script sets the temperature or pressure itself, which then stays as set; key events ANTI_ICE_SET_ENG1 (66488) and ANTI_ICE_SET_ENG2 (66489), each setting
// its engine's anti-ice to the parameter (0 off, anything else on).
#include <algorithm>
#include <cmath>
#include <optional>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kAltitude = "A:PLANE ALTITUDE, feet";
constexpr const char* kTemperature = "A:AMBIENT TEMPERATURE, celsius";
constexpr const char* kPressure = "A:AMBIENT PRESSURE, inHg";

constexpr RestValue kAtRest[] = {
    {kTemperature, 14.505},
    {kPressure, 29.65},
    {"A:ENG ANTI ICE:1, bool", 0.0},
    {"A:ENG ANTI ICE:2, bool", 0.0},
    {"A:FUEL TANK ON FIRE, bool", 0.0},
};

constexpr TokenRow kTokens[] = {
    {980, "A:FUEL TANK ON FIRE, bool", 1.0},
};

constexpr KeyRow kKeys[] = {
    {66488, "ANTI_ICE_SET_ENG1", KeyAction::Custom, "A:ENG ANTI ICE:1, bool",
     [](Context& c, std::uint32_t on) { c.set("A:ENG ANTI ICE:1, bool", on != 0 ? 1.0 : 0.0); }},
    {66489, "ANTI_ICE_SET_ENG2", KeyAction::Custom, "A:ENG ANTI ICE:2, bool",
     [](Context& c, std::uint32_t on) { c.set("A:ENG ANTI ICE:2, bool", on != 0 ? 1.0 : 0.0); }},
};

// One outside value: written from outside since the last step, it stays as written.
void follow(Context& c, const char* name, double value, std::optional<double>& after_step, bool& set_outside) {
    if (after_step && c.get(name) != *after_step) set_outside = true;
    if (!set_outside) c.set(name, value);
    after_step = c.get(name);
}

void atmosphere(Context& c, double) {
    constexpr double kTropopauseFeet = 36089.0;
    const double feet = std::clamp(c.get(kAltitude), -2000.0, 80000.0);
    const double kelvin = 288.15 - 0.0019812 * std::min(feet, kTropopauseFeet);
    double inhg = 29.92126 * std::pow(kelvin / 288.15, 5.25588);
    if (feet > kTropopauseFeet) inhg *= std::exp(-(feet - kTropopauseFeet) / 20806.0);
    Memory& m = c.memory;
    follow(c, kTemperature, kelvin - 273.15, m.ambient_temperature_after_step, m.ambient_temperature_set);
    follow(c, kPressure, inhg, m.ambient_pressure_after_step, m.ambient_pressure_set);
}

}  // namespace

const System kCabin{"cabin", kAtRest, kTokens, kKeys, {}, &atmosphere};

}  // namespace bench::sim
