// What each gauge file in panels/gauges/ hands the gauge registry: its element list, its
// mouse table, its gauge callback and the routine that links its elements into their tree.
// The registry (src/module) adds the name and size and builds the header the simulator reads.
//
// A gauge file ends with one line:
//   extern const GaugeParts Elec_Panel = {&root, mouse, callback, link};
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

struct GaugeParts {
    sdk::ELEMENT_HEADER** elements;  // the variable holding the root element
    sdk::MOUSERECT* mouse;           // the mouse table
    sdk::GAUGE_CALLBACK callback;    // null where the gauge has none
    void (*link)(sdk::GAUGEHDR* gauge);  // links the element tree; every element records its gauge
};

}  // namespace tarmelon
