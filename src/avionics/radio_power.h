// The radio stack's power switches as the presets set them: the audio panel, the GPS
// navigator and the nav/com all on (ready) or all off (cold and dark). DC power switches
// each unit on once after the module starts; afterwards only their own knobs and these
// presets do.
#pragma once

#include <cstdint>

namespace tarmelon {

void switch_radio_units(bool on);

// The rule each unit's power follows every update: DC power switches the unit on the first
// time it is present; once DC has powered the unit (on at start with DC present, too), only
// the knob and the presets switch it, so a unit switched off with DC present stays off.
// Without DC (and the emergency avionics switch not on its battery) the unit is off.
void follow_dc_power(std::uint8_t& power_on, std::uint8_t& dc_latch);

}  // namespace tarmelon
