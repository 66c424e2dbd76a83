// Module-wide fields of the hydraulic system: the engine pump pressures and what derives
// from them, read by the flight controls, the photoflash doors and the warning lamps.
#pragma once

#include <cstdint>

namespace tarmelon {

struct HydraulicsState {
    std::int32_t pumpPressure[2];          // engine 1 and 2 pumps, PSI, 0 to 2750
    std::int32_t aileronServoPressure[2];  // aileron circuits of engine 1 and 2, PSI, 0 to 2750
    std::uint8_t mainPressureLost;         // 1 while the main hydraulic pressure is 0
};

}  // namespace tarmelon
