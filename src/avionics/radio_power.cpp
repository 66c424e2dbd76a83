#include "avionics/radio_power.h"

#include "avionics/audio_panel.h"
#include "avionics/navcom.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

void switch_radio_units(bool on) {
    switch_audio_panel(on);
    state.gtnPower.gtnPowerOn = on ? 1 : 0;
    switch_navcom(on);
}

void follow_dc_power(std::uint8_t& power_on, std::uint8_t& dc_latch) {
    const std::int32_t dc = get_int("L:DCpowerAvailable, bool");
    const std::int32_t emergency = get_int("L:ElecStart_EMGAv_position, number");
    if (dc == 1 && dc_latch == 0) {
        power_on = 1;
        dc_latch = 1;
    }
    if (dc == 0 && emergency != 2) power_on = 0;
}

}  // namespace tarmelon
