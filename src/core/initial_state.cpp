#include "core/initial_state.h"

#include "core/numeric.h"
#include "core/state.h"
#include "core/vars.h"

namespace tarmelon {

void apply_initial_state() {
    state.core.initialStateApplied = 1;
    state.frame.currentTick = truncate_u32(read_token(1));
    state.frame.baseTick = state.frame.currentTick;
}

}  // namespace tarmelon
