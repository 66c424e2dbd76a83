// Simulated fuel system: the tank selectors of both engines.
//
// Keeps: A:FUEL TANK SELECTOR:1 and :2 (enum; 1, all tanks, at rest).
// Moved by: key events FUEL_SELECTOR_SET (65962) and FUEL_SELECTOR_2_SET (66523), each
// setting its selector to the event's parameter.
#include "systems.h"

namespace bench::sim {
namespace {

constexpr RestValue kAtRest[] = {
    {"A:FUEL TANK SELECTOR:1, enum", 1.0},
    {"A:FUEL TANK SELECTOR:2, enum", 1.0},
};

constexpr KeyRow kKeys[] = {
    {65962, "FUEL_SELECTOR_SET", KeyAction::SetTo, "A:FUEL TANK SELECTOR:1, enum"},
    {66523, "FUEL_SELECTOR_2_SET", KeyAction::SetTo, "A:FUEL TANK SELECTOR:2, enum"},
};

}  // namespace

const System kFuel{"fuel", kAtRest, {}, kKeys, {}, nullptr};

}  // namespace bench::sim
