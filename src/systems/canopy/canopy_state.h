// Module-wide fields of the canopy and of its misting.
#pragma once

#include <cstdint>

namespace tarmelon {

struct CanopyState {
    std::uint8_t canopyClosed;         // the canopy was last seen fully closed
    std::uint8_t canopyFullyOpenSeen;  // the canopy was last seen fully open
    // Misting.
    std::int32_t mistThreshold;        // feet, drawn at the initial state
    std::uint8_t aboveMistThreshold;
    std::uint32_t aboveSince;
    std::uint8_t mistPending;
    std::uint8_t mistStepArmed;
    std::uint32_t mistNextStep;
    std::int32_t mistLevel;            // 0 to 7
    // The cockpit around it.
    std::int32_t canopyWasOpen;        // seen more than 10 % open since it last closed
    std::uint8_t liftSpringArmed;      // the canopy-lift switch's spring-back clock
    std::uint32_t liftSpringDue;       // whole seconds (token 604)
    std::uint8_t noseConeOpen;         // toggled with the navigator's hatch
};

}  // namespace tarmelon
