// Simulated electrical system: the battery and the switches the simulator itself keeps.
//
// Keeps: A:ELECTRICAL BATTERY VOLTAGE (24 V at rest; the module's battery top-up writes it
// through SimConnect), A:AVIONICS MASTER SWITCH and A:PITOT HEAT.
// Moved by: key events AVIONICS_MASTER_SET (66701) and PITOT_HEAT_SET (66074), each setting
// its switch to the event's parameter; SimConnect data writes of the battery voltage.
#include "systems.h"

namespace bench::sim {
namespace {

constexpr RestValue kAtRest[] = {
    {"A:ELECTRICAL BATTERY VOLTAGE, volts", 24.0},
};

constexpr KeyRow kKeys[] = {
    {66701, "AVIONICS_MASTER_SET", KeyAction::SetTo, "A:AVIONICS MASTER SWITCH, bool"},
    {66074, "PITOT_HEAT_SET", KeyAction::SetTo, "A:PITOT HEAT, bool"},
};

}  // namespace

const System kElectrical{"electrical", kAtRest, {}, kKeys, {}, nullptr};

}  // namespace bench::sim
