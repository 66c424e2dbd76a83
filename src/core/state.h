// The one module state record: one part per subsystem, each defined next to the code that
// owns it. Zero at load (but for the transponder's code); apply_initial_state gives it its
// starting values.
#pragma once

#include "avionics/transponder_state.h"
#include "core/core_state.h"
#include "panels/selector_state.h"
#include "simlink/simlink_state.h"
#include "systems/cabin_state.h"
#include "systems/canopy_state.h"
#include "systems/engines_state.h"

namespace tarmelon {

struct ModuleState {
    CoreState core;
    FrameState frame;
    SimlinkState simlink;
    SimData simdata;
    EngineState engines;
    CanopyState canopy;
    SelectorState selector;
    CabinState cabin;
    TransponderState transponder;
};

extern ModuleState state;

}  // namespace tarmelon
