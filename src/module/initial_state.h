// The cockpit's defined starting state, applied at every load.
#pragma once

namespace tarmelon {

// Ends by setting initialStateApplied and the base tick from which the start-up sequence
// is timed.
void apply_initial_state();

}  // namespace tarmelon
