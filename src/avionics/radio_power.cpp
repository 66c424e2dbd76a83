#include "avionics/radio_power.h"

#include "avionics/audio_panel.h"
#include "avionics/navcom.h"
#include "state.h"

namespace tarmelon {

void switch_radio_units(bool on) {
    switch_audio_panel(on);
    state.gtnPower.gtnPowerOn = on ? 1 : 0;
    switch_navcom(on);
}

}  // namespace tarmelon
