// The records the simulator looks up by name in the library: Linkage here, ImportTable
// beside the host table it carries (core/host.h).
#pragma once

#include "core/host.h"
#include "sdk/gauges.h"

namespace tarmelon {
constexpr std::size_t GAUGE_COUNT = 24;
}

extern "C" {
// Start and stop routines and the 24 gauge headers, null-terminated.
extern TM_EXPORT sdk::GAUGESLINKAGE<tarmelon::GAUGE_COUNT + 1> Linkage;
}
