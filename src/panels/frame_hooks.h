// The frame driver's two hooks, which the invisible SystemWatch gauge calls every frame.
// They are declared here, at the gauge, and defined by the frame driver in src/module, the
// one layer that may call every system: the gauge knows only when to call, never what runs.
#pragma once

namespace tarmelon {

// SystemWatch's pre-update service: tick, start-up sequence, connection watch, messages
// and the cockpit's per-frame work.
void frame_pre_update();

// SystemWatch's needle update: the fixed list of per-frame system and instrument updates.
void frame_update_list();

}  // namespace tarmelon
