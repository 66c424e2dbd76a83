// Module-wide fields of the module core: the library's identity, the frame driver and the
// start-up sequence.
#pragma once

#include <cstdint>

#include "sdk/win32.h"

namespace tarmelon {

constexpr std::size_t FLIGHT_PATH_SIZE = 260;

struct CoreState {
    HINSTANCE moduleInstance;          // stored at process attach
    char modulePath[MAX_PATH];         // the module's full path; the SimConnect client name
    std::uint8_t initialStateApplied;  // 0 while the initial state is being applied
    std::uint8_t applyingInitialState; // guards against re-entry while windows are cycled
};

struct FrameState {
    std::uint32_t currentTick;          // token 1, refreshed first thing every frame
    std::uint32_t baseTick;             // currentTick when the initial state was last applied
    std::uint8_t readyPresetApplied;    // the start-up ready preset has been applied
    std::uint8_t flightPathPending;     // a loaded flight's path arrived and waits
    char loadedFlightPath[FLIGHT_PATH_SIZE];
    std::uint8_t panelStateSavedPending;  // a panel state was written: show it
};

}  // namespace tarmelon
