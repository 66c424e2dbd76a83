// Module-wide fields of the cockpit presets.
#pragma once

#include <cstdint>

namespace tarmelon {

struct PresetState {
    std::uint8_t readyPresetActive;  // the last preset applied was the ready preset
};

}  // namespace tarmelon
