// The add-on menu's ground equipment toggles, the simulated objects placed beside the
// aircraft, and the exhaust effects.
#pragma once

#include <cstdint>

namespace tarmelon {

void toggle_sign();          // sign, remove-before-flight tabs and flap guards
void toggle_ladder();
void toggle_engine_covers();
void toggle_ground_units();  // ground power units; connects or disconnects ground power
void toggle_all_objects();

// Creates the two ground power unit objects once.
void create_ground_units();

// Contrails and engine smoke, every frame.
void update_exhaust_effects();

}  // namespace tarmelon
