// Simulated fuel system: the tank selectors of both engines and what the tanks hold.
//
// Keeps: A:FUEL TANK SELECTOR:1 and :2 (enum; 1, all tanks, at rest); the quantities of the
// five tanks in gallons, A:FUEL TANK CENTER QUANTITY (1040 at rest), CENTER2 (445),
// CENTER3 (595), LEFT AUX (445) and RIGHT AUX (445); the module's fuel writes (data
// definitions 1 to 5) move them. fuel_reaches_engine() tells the engines whether an
// engine's selector names a tank that holds fuel (any, on "all").
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

bool fuel_reaches_engine(const Context& c, int engine) {
    if (engine != 1 && engine != 2) return false;
    static constexpr const char* kQuantities[] = {
        "A:FUEL TANK CENTER QUANTITY, gallons",  "A:FUEL TANK CENTER2 QUANTITY, gallons",
        "A:FUEL TANK CENTER3 QUANTITY, gallons", "A:FUEL TANK LEFT AUX QUANTITY, gallons",
        "A:FUEL TANK RIGHT AUX QUANTITY, gallons",
    };
    // Selector codes: 0 off, 1 all, 6 CENTER, 7 CENTER2, 8 CENTER3, 4 LEFT AUX, 5 RIGHT AUX.
    const double code = c.get(engine == 1 ? "A:FUEL TANK SELECTOR:1, enum" : "A:FUEL TANK SELECTOR:2, enum");
    if (code == 1.0) {
        for (const char* q : kQuantities)
            if (c.get(q) > 0.0) return true;
        return false;
    }
    const int tank = code == 6.0 ? 0 : code == 7.0 ? 1 : code == 8.0 ? 2 : code == 4.0 ? 3 : code == 5.0 ? 4 : -1;
    return tank >= 0 && c.get(kQuantities[tank]) > 0.0;
}

const System kFuel{"fuel", kAtRest, {}, kKeys, {}, nullptr};

}  // namespace bench::sim
