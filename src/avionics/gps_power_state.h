// The GPS navigator's power switch, which the ready and cold-and-dark presets set with the
// audio panel's and the nav/com's (avionics/radio_power.h).
#pragma once

#include <cstdint>

namespace tarmelon {

struct GpsPowerState {
    std::uint8_t gtnPowerOn;  // the navigator is switched on
};

}  // namespace tarmelon
