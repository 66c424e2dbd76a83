// Module-wide fields of the engines.
#pragma once

#include <cstdint>

namespace tarmelon {

struct EngineState {
    std::uint8_t hpCock1Open;  // HP cock open (throttle lever at or above its idle gate)
    std::uint8_t hpCock2Open;
    std::int32_t electricStartVolts;  // from the configuration file, at every initial state
};

}  // namespace tarmelon
