// The record layouts the simulator reads are pinned by static_asserts in sdk/ on 32-bit
// targets. A 32-bit build that failed to see itself as one would skip them all.
#include "sdk/gauges.h"
#include "sdk/simconnect.h"

#if defined(TARMELON_EXPECT_32BIT)
static_assert(TM_32BIT == 1, "a 32-bit build must check the 32-bit record layouts");
static_assert(sizeof(void*) == 4);
static_assert(sizeof(sdk::GAUGEHDR) == 252, "the gauge header as the simulator reads it");
static_assert(sizeof(sdk::MODULE_VAR) == 28, "token variables are 4-aligned");
#endif
static_assert(sizeof(sdk::SIMCONNECT_RECV_OPEN) == 308, "SimConnect records are byte-packed on every target");

// Keeps the object file from being empty.
int abi_layout_checked() { return 1; }
