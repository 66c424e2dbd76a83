// Simulated fuel system: five tanks, each engine's tank selector and fuel cut-off, and the
// fuel the engines burn.
//
// Keeps:
// - A:FUEL TANK CENTER, CENTER2, CENTER3, LEFT AUX and RIGHT AUX QUANTITY (gallons), the
//   aircraft's top tanks, belly, rear, port wing and starboard wing tanks. At rest 1040,
//   445, 595, 445 and 445 gallons (6968, 2981.5, 3986.5, 2981.5 and 2981.5 lbs at 6.7 lbs a
//   gallon).
//   Moved by: the engines' burn (below); the module's writes through its data definitions
//   1 to 5, and scripts (`set`). Every step holds each tank within 0 and its capacity, as
//   the simulator does.
// - A:FUEL TANK <tank> CAPACITY (gallons): 1146.27, 497.91, 644.78, 511.04 and 511.04
//   (7680, 3336, 4320, 3424 and 3424 lbs). Moved by scripts only (`set`), as another
//   aircraft configuration would give other tanks.
// - A:FUEL TANK SELECTOR:1 and :2 (enum; 1, all tanks, at rest): 0 off, 1 all, 4 LEFT AUX,
//   5 RIGHT AUX, 6 CENTER, 7 CENTER2, 8 CENTER3; other codes name tanks this aircraft has
//   not. Moved by: key events FUEL_SELECTOR_SET (65962) and FUEL_SELECTOR_2_SET (66523),
//   each setting its selector to the event's parameter.
// - A:GENERAL ENG MIXTURE LEVER POSITION:1 and :2 (percent; 100 at rest): on this jet the
//   fuel cut-offs. Moved by: key events MIXTURE_RICH (65774), both to 100, and MIXTURE_LEAN
//   (65778), both to 0.
// Burn: each engine takes A:TURB ENG FUEL FLOW PPH:n (pounds per hour, moved by the engines
// file) from the tank its selector names; on "all" in equal shares from the tanks that hold
// fuel. fuel_reaches_engine() tells the engines file whether fuel reaches an engine at all:
// not with the selector off, the fuel cut, or the selected tank (every tank, on "all")
// empty; the engine then starves.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr double kLbsPerGallon = 6.7;

struct Tank {
    std::int32_t code;  // the simulator's tank-selector code
    const char* quantity;
    const char* capacity;
    double capacity_gallons;
    double at_rest_gallons;
};

constexpr Tank kTanks[] = {
    {6, "A:FUEL TANK CENTER QUANTITY, gallons", "A:FUEL TANK CENTER CAPACITY, gallons", 7680 / kLbsPerGallon, 1040},
    {7, "A:FUEL TANK CENTER2 QUANTITY, gallons", "A:FUEL TANK CENTER2 CAPACITY, gallons", 3336 / kLbsPerGallon, 445},
    {8, "A:FUEL TANK CENTER3 QUANTITY, gallons", "A:FUEL TANK CENTER3 CAPACITY, gallons", 4320 / kLbsPerGallon, 595},
    {4, "A:FUEL TANK LEFT AUX QUANTITY, gallons", "A:FUEL TANK LEFT AUX CAPACITY, gallons", 3424 / kLbsPerGallon, 445},
    {5, "A:FUEL TANK RIGHT AUX QUANTITY, gallons", "A:FUEL TANK RIGHT AUX CAPACITY, gallons", 3424 / kLbsPerGallon, 445},
};

constexpr std::int32_t kOff = 0;
constexpr std::int32_t kAll = 1;

constexpr const char* kSelector[2] = {"A:FUEL TANK SELECTOR:1, enum", "A:FUEL TANK SELECTOR:2, enum"};
constexpr const char* kMixture[2] = {"A:GENERAL ENG MIXTURE LEVER POSITION:1, percent",
                                     "A:GENERAL ENG MIXTURE LEVER POSITION:2, percent"};
constexpr const char* kFuelFlow[2] = {"A:TURB ENG FUEL FLOW PPH:1, pounds per hour",
                                      "A:TURB ENG FUEL FLOW PPH:2, pounds per hour"};

constexpr RestValue kAtRest[] = {
    {kTanks[0].quantity, kTanks[0].at_rest_gallons}, {kTanks[0].capacity, kTanks[0].capacity_gallons},
    {kTanks[1].quantity, kTanks[1].at_rest_gallons}, {kTanks[1].capacity, kTanks[1].capacity_gallons},
    {kTanks[2].quantity, kTanks[2].at_rest_gallons}, {kTanks[2].capacity, kTanks[2].capacity_gallons},
    {kTanks[3].quantity, kTanks[3].at_rest_gallons}, {kTanks[3].capacity, kTanks[3].capacity_gallons},
    {kTanks[4].quantity, kTanks[4].at_rest_gallons}, {kTanks[4].capacity, kTanks[4].capacity_gallons},
    {kSelector[0], 1.0},
    {kSelector[1], 1.0},
    {kMixture[0], 100.0},
    {kMixture[1], 100.0},
};

void both_mixtures(Context& c, double percent) {
    c.set(kMixture[0], percent);
    c.set(kMixture[1], percent);
}

constexpr KeyRow kKeys[] = {
    {65962, "FUEL_SELECTOR_SET", KeyAction::SetTo, kSelector[0]},
    {66523, "FUEL_SELECTOR_2_SET", KeyAction::SetTo, kSelector[1]},
    {65774, "MIXTURE_RICH", KeyAction::Custom, nullptr, [](Context& c, std::uint32_t) { both_mixtures(c, 100.0); }},
    {65778, "MIXTURE_LEAN", KeyAction::Custom, nullptr, [](Context& c, std::uint32_t) { both_mixtures(c, 0.0); }},
};

const Tank* tank_of(std::int32_t code) {
    for (const Tank& t : kTanks)
        if (t.code == code) return &t;
    return nullptr;
}

bool holds_fuel(const Context& c, const Tank& t) { return c.get(t.quantity) > 0.0; }

// The selector's code; -1 for a value that is no code at all.
std::int32_t selector(const Context& c, int engine) {
    const double code = c.get(kSelector[engine - 1]);
    return code >= 0.0 && code <= 255.0 ? static_cast<std::int32_t>(code) : -1;
}

void burn(Context& c, int engine, double dt) {
    if (!fuel_reaches_engine(c, engine)) return;
    const double gallons = std::max(0.0, c.get(kFuelFlow[engine - 1])) * dt / 3600.0 / kLbsPerGallon;
    if (gallons <= 0.0) return;
    const std::int32_t code = selector(c, engine);
    if (code != kAll) {
        if (const Tank* t = tank_of(code)) c.set(t->quantity, c.get(t->quantity) - gallons);
        return;
    }
    int feeding = 0;
    for (const Tank& t : kTanks) feeding += holds_fuel(c, t) ? 1 : 0;
    for (const Tank& t : kTanks)
        if (holds_fuel(c, t)) c.set(t.quantity, c.get(t.quantity) - gallons / feeding);
}

void step(Context& c, double dt) {
    burn(c, 1, dt);
    burn(c, 2, dt);
    for (const Tank& t : kTanks)
        c.set(t.quantity, std::clamp(c.get(t.quantity), 0.0, std::max(0.0, c.get(t.capacity))));
}

}  // namespace

bool fuel_reaches_engine(const Context& c, int engine) {
    if (engine != 1 && engine != 2) return false;
    if (c.get(kMixture[engine - 1]) <= 0.0) return false;
    const std::int32_t code = selector(c, engine);
    if (code == kOff) return false;
    if (code == kAll) return std::any_of(std::begin(kTanks), std::end(kTanks), [&](const Tank& t) { return holds_fuel(c, t); });
    const Tank* t = tank_of(code);
    return t != nullptr && holds_fuel(c, *t);
}

const System kFuel{"fuel", kAtRest, {}, kKeys, {}, step};

}  // namespace bench::sim
