// The two records the simulator looks up by name in the library.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {
constexpr std::size_t GAUGE_COUNT = 24;
}

extern "C" {
// The simulator writes its gauge function table into the first entry before module_init.
extern TM_EXPORT sdk::GAUGESIMPORT ImportTable;
// Start and stop routines and the 24 gauge headers, null-terminated.
extern TM_EXPORT sdk::GAUGESLINKAGE<tarmelon::GAUGE_COUNT + 1> Linkage;
}
