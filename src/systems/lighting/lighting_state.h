// Module-wide fields of the lighting system.
#pragma once

#include <cstdint>

namespace tarmelon {

// A spring-back clock on the whole seconds of token 604.
struct SecondsClock {
    std::uint8_t armed;
    std::uint32_t deadline;
    std::uint32_t last;
};

struct LightingState {
    // Toggles of the simulator's lights sent and not yet seen applied (core/toggle_sync.h).
    std::uint8_t wingToggleWait;
    std::uint8_t logoToggleWait;
    std::uint8_t cabinToggleWait;
    std::uint8_t navToggleWait;
    std::uint8_t taxiToggleWait;
    std::uint8_t beaconToggleWait;
    std::uint8_t landingToggleWait;

    double photoflashCommand;  // the photoflash lever's command to the doors, 1.0 or 0.0
    SecondsClock identClock;   // the identification switch's return from 2
    SecondsClock flareClock;   // the flare jettison switch's return from 2

    // What the per-frame derivations last saw, so that a position written straight to its
    // variable (a restored panel state, a preset) is taken up rather than undone.
    std::uint8_t derivationsSeen;  // 0 until the first frame after the initial state
    std::int32_t cdlVoiceSeen;     // the CDL voice position
    std::int32_t flareGuardSeen;   // the flare switch's guard, lever and position
    std::int32_t flareLeverSeen;
    std::int32_t flarePositionSeen;
};

}  // namespace tarmelon
