// Module-wide fields of the autopilot that other systems read.
#pragma once

#include <cstdint>

namespace tarmelon {

struct AutopilotState {
    std::uint8_t apAirspeedHoldOn;  // the autopilot holds the airspeed with the throttles
    std::uint8_t apAileronEngaged;  // the autopilot flies that axis
    std::uint8_t apElevatorEngaged;
    std::uint8_t apRudderEngaged;
    std::int32_t pitchSetCache;     // degrees: the pitch selection as last read by its selector
    std::uint32_t headingKnobDue;   // tick before which a heading or course knob click is a fast turn
};

}  // namespace tarmelon
