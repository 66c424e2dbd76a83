// The radio stack's power switches as the presets set them: the audio panel, the GPS
// navigator and the nav/com all on (ready) or all off (cold and dark). DC power switches
// each unit on once after the module starts; afterwards only their own knobs and these
// presets do.
#pragma once

namespace tarmelon {

void switch_radio_units(bool on);

}  // namespace tarmelon
