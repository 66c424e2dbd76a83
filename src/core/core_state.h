// Module-wide fields of the module core: the library's identity and the start-up flags.
#pragma once

#include <cstdint>

#include "sdk/win32.h"

namespace tarmelon {

struct CoreState {
    HINSTANCE moduleInstance;         // stored at process attach
    char modulePath[MAX_PATH];        // the module's full path; the SimConnect client name
    std::uint8_t initialStateApplied; // 0 while the initial state is being applied
};

struct FrameState {
    std::uint32_t currentTick;  // token 1, refreshed first thing every frame
    std::uint32_t baseTick;     // currentTick when the initial state was last applied
};

}  // namespace tarmelon
