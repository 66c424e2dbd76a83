// The frame driver: everything that runs every frame, whichever panels are open, driven by
// the SystemWatch gauge.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

// SystemWatch's pre-update service: tick, start-up sequence, connection watch, messages.
void frame_pre_update();

// Opens and closes every hidden panel window once, so that its gauges run once.
void cycle_panel_windows();

// SystemWatch's needle update callback: the fixed list of per-frame updates. Returns 0.
sdk::FLOAT64 TM_STDCALL frame_update_list(sdk::ELEMENT_NEEDLE* element);

}  // namespace tarmelon
