// Module-wide fields of the flight controls, trims, airbrakes and nosewheel.
#pragma once

#include <cstdint>

namespace tarmelon {

enum TrimAxis { TRIM_AILERON, TRIM_RUDDER, TRIM_TAIL, TRIM_AXIS_COUNT };

// One trim selector's hold by the mouse and its spring-back clock (token 1).
struct TrimSelectorState {
    std::uint8_t trimChangeHeld;
    std::uint8_t springArmed;
    std::uint32_t springNextTick;
    std::uint32_t springCurrentTick;
};

struct FlightControlsState {
    TrimSelectorState trims[TRIM_AXIS_COUNT];
    double trimDegrees[TRIM_AXIS_COUNT];  // the simulator's trims, read by the trim panel
    std::int32_t aileronIndicator;        // "L:ailPosVC,number", 0 to 100
    std::int32_t rudderIndicator;         // "L:rudPosVC,number"
    std::int32_t aileronGearSwitch;       // 1 halves the aileron input
    std::int32_t nosewheelSteeringOn;     // the rudder steers the nosewheel on the ground
    std::uint8_t rudderBrakingOn;         // full rudder brakes a wheel on the ground
};

}  // namespace tarmelon
