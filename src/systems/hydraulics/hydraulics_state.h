// Module-wide fields of the hydraulics, the gear and the flaps.
#pragma once

#include <cstdint>

namespace tarmelon {

// A surface watched on the slow tick for the pressure its movement takes.
struct SurfaceWatch {
    std::uint8_t started;  // the first look has been taken
    std::uint8_t moving;
    std::int32_t last;     // whole degrees at the last look
};

struct HydraulicsState {
    std::int32_t pumpPressure[2];          // PSI per engine pump, 0 to 2750 in steps of 50
    std::int32_t aileronServoPressure[2];  // PSI, moves with its pump
    std::int32_t mainHydraulicPressure;    // PSI; 2020 while a flap or gear movement lasts
    std::int32_t brakePressure;            // PSI of the accumulator; 1520 while the brakes are on
    std::uint8_t handPumpInUse;            // the hand pump charges the brakes
    std::int32_t engineRpm[2];             // whole percent (tokens 624, 643)
    std::uint8_t mainPressureLost;
    std::uint8_t aileronPowerLost;
    std::uint8_t allPressureLost;
    SurfaceWatch flapWatch;
    SurfaceWatch gearWatch;
    std::uint8_t slowTickArmed;
    std::uint32_t slowTickDeadline;        // token 1
    std::uint8_t emergencyGearLowered;
    // The gear panel's copies, refreshed by its callback and the lamp selectors.
    std::int32_t gearDownButton;
    std::int32_t noseGearPercent;
    std::int32_t portGearPercent;
    std::int32_t stbdGearPercent;
    std::int32_t throttlePercent[2];
    std::int32_t dayNightLamp;
    std::int32_t abLamp;
};

}  // namespace tarmelon
