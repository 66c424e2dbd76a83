// The one module state record: one part per subsystem, each defined next to the code that
// owns it. Zero at load; apply_initial_state gives it its starting values.
#pragma once

#include "core/core_state.h"
#include "simlink/simlink_state.h"

namespace tarmelon {

struct ModuleState {
    CoreState core;
    FrameState frame;
    SimlinkState simlink;
};

extern ModuleState state;

}  // namespace tarmelon
