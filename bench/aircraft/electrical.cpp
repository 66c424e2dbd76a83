// Simulated electrical system: the battery and the switches the simulator itself keeps.
//
// Keeps:
// - A:ELECTRICAL BATTERY VOLTAGE (volts; 24 at rest, served to the module by data
//   definition 0): it sags while a starter is engaged (A:GENERAL ENG STARTER:1 and :2, kept
//   by engines.cpp), 1.5 V a second for each engaged starter down to 16 V, and recovers
//   0.5 V a second up to 24 V once no starter turns. The module's battery top-up writes it
//   through SimConnect.
// - A:ELECTRICAL MASTER BATTERY (1 at rest): toggled by TOGGLE_MASTER_BATTERY (66241).
// - A:GENERAL ENG MASTER ALTERNATOR:1 and :2 (1 at rest): toggled by TOGGLE_ALTERNATOR1
//   (66363) and TOGGLE_ALTERNATOR2 (66364).
// - A:AVIONICS MASTER SWITCH and A:PITOT HEAT: set to the parameter of AVIONICS_MASTER_SET
//   (66701) and PITOT_HEAT_SET (66074).
// The engine RPM behind tokens 624 and 643, which the generators need, is engines.cpp's.
#include <algorithm>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kVoltage = "A:ELECTRICAL BATTERY VOLTAGE, volts";
constexpr double kRestVolts = 24.0;
constexpr double kFlatVolts = 16.0;
constexpr double kSagPerStarter = 1.5;  // volts a second
constexpr double kRecovery = 0.5;       // volts a second

constexpr RestValue kAtRest[] = {
    {kVoltage, kRestVolts},
    {"A:ELECTRICAL MASTER BATTERY, bool", 1.0},
    {"A:GENERAL ENG MASTER ALTERNATOR:1, bool", 1.0},
    {"A:GENERAL ENG MASTER ALTERNATOR:2, bool", 1.0},
};

constexpr KeyRow kKeys[] = {
    {66241, "TOGGLE_MASTER_BATTERY", KeyAction::Toggle, "A:ELECTRICAL MASTER BATTERY, bool"},
    {66363, "TOGGLE_ALTERNATOR1", KeyAction::Toggle, "A:GENERAL ENG MASTER ALTERNATOR:1, bool"},
    {66364, "TOGGLE_ALTERNATOR2", KeyAction::Toggle, "A:GENERAL ENG MASTER ALTERNATOR:2, bool"},
    {66701, "AVIONICS_MASTER_SET", KeyAction::SetTo, "A:AVIONICS MASTER SWITCH, bool"},
    {66074, "PITOT_HEAT_SET", KeyAction::SetTo, "A:PITOT HEAT, bool"},
};

// A starter draws the battery down; without one it recovers towards its rest voltage.
void step(Context& c, double dt) {
    const int starters = (c.get("A:GENERAL ENG STARTER:1, bool") != 0.0 ? 1 : 0) +
                         (c.get("A:GENERAL ENG STARTER:2, bool") != 0.0 ? 1 : 0);
    const double volts = c.get(kVoltage);
    if (starters > 0) {
        if (volts > kFlatVolts) c.set(kVoltage, std::max(kFlatVolts, volts - kSagPerStarter * starters * dt));
    } else if (volts < kRestVolts) {
        c.set(kVoltage, std::min(kRestVolts, volts + kRecovery * dt));
    }
}

}  // namespace

const System kElectrical{"electrical", kAtRest, {}, kKeys, {}, step};

}  // namespace bench::sim
