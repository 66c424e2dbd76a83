// Module-wide fields of the autopilot that other systems read, and the autopilot's own
// working values (switch requests, indicators, warm-up, rate sampler, selectors, laws).
#pragma once

#include <cstdint>

namespace tarmelon {

// One position law's parameters (the bank law's and the pitch law's).
struct ServoLawParams {
    double maxRate;     // rate demanded at full error, degrees per rate unit
    double errorLimit;  // error, degrees, at which the demanded rate saturates
    double gain;        // position units per unit of rate difference, before the rate scale
    double minPos;      // clamps of the returned position, offset units
    double maxPos;
};

struct AutopilotState {
    std::uint8_t apAirspeedHoldOn;  // the autopilot holds the airspeed with the throttles
    std::uint8_t apAileronEngaged;  // the autopilot flies that axis
    std::uint8_t apElevatorEngaged;
    std::uint8_t apRudderEngaged;
    std::int32_t pitchSetCache;     // degrees: the pitch selection as last read by its selector
    std::uint32_t headingKnobDue;   // tick before which a heading or course knob click is a fast turn

    // The last request given to each switch operation (not whether the mode is active).
    std::uint8_t apPowerOn;
    std::uint8_t apEngaged;
    std::uint8_t apTrackOn;
    std::uint8_t apHeadingOn;
    std::uint8_t apGlideOn;
    std::uint8_t apBombOn;
    std::uint8_t apAltitudeOn;
    std::uint8_t apRudderIn;
    std::uint8_t apAileronIn;
    std::uint8_t apElevatorIn;

    // The magnetic indicators and the READY warm-up.
    std::uint8_t apReadyLit;
    std::uint8_t apInLit;
    std::uint8_t apReadyTimerArmed;
    std::uint8_t apReadyTimerStarted;
    std::uint32_t apReadyDeadline;  // clock second at which the warm-up ends
    std::int32_t apInverter2Live;   // inverter 2 as read in the previous frame

    // Roll rate over the last one-second sample, whole degrees per second, never negative.
    std::int32_t rollRate;
    std::int32_t rateSample;
    std::int32_t ratePreviousSample;
    std::uint32_t rateDue;
    std::uint8_t rateStarted;

    // The pitch selector's spring return.
    std::uint8_t pitchKnobHeld;
    std::uint8_t pitchTimerStarted;
    std::uint32_t pitchKnobDue;
    std::int32_t pitchKnobLastTick;

    std::int32_t headingKnobLastTick;
    std::int32_t bankTarget;  // degrees, the bank selector's last valid target

    // The control laws.
    ServoLawParams bankLaw;
    ServoLawParams pitchLaw;
    double previousPitch;  // degrees, the pitch at the pitch law's last call
};

}  // namespace tarmelon
