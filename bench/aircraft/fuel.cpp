// Simulated fuel system: the tank selectors of both engines and what the tanks hold.
//
// Keeps: A:FUEL TANK SELECTOR:1 and :2 (enum; 1, all tanks, at rest); the quantities of the
// five tanks in gallons, A:FUEL TANK CENTER QUANTITY (1040 at rest), CENTER2 (445),
// CENTER3 (595), LEFT AUX (445) and RIGHT AUX (445), which the engines read to know whether
// their selected tank has fuel. The module's fuel writes (data definitions 1 to 5) move them.
// Moved by: key events FUEL_SELECTOR_SET (65962) and FUEL_SELECTOR_2_SET (66523), each
// setting its selector to the event's parameter.
#include "systems.h"

namespace bench::sim {
namespace {

constexpr RestValue kAtRest[] = {
    {"A:FUEL TANK SELECTOR:1, enum", 1.0},
    {"A:FUEL TANK SELECTOR:2, enum", 1.0},
    {"A:FUEL TANK CENTER QUANTITY, gallons", 1040.0},
    {"A:FUEL TANK CENTER2 QUANTITY, gallons", 445.0},
    {"A:FUEL TANK CENTER3 QUANTITY, gallons", 595.0},
    {"A:FUEL TANK LEFT AUX QUANTITY, gallons", 445.0},
    {"A:FUEL TANK RIGHT AUX QUANTITY, gallons", 445.0},
};

constexpr KeyRow kKeys[] = {
    {65962, "FUEL_SELECTOR_SET", KeyAction::SetTo, "A:FUEL TANK SELECTOR:1, enum"},
    {66523, "FUEL_SELECTOR_2_SET", KeyAction::SetTo, "A:FUEL TANK SELECTOR:2, enum"},
};

}  // namespace

const System kFuel{"fuel", kAtRest, {}, kKeys, {}, nullptr};

}  // namespace bench::sim
