// Module-wide fields of the engines: HP cocks, the pilot's throttle demand and what reaches
// the simulator, the JPT controllers and the engine start.
#pragma once

#include <cstdint>

namespace tarmelon {

// Kinds of throttle input whose last parameter is kept (read by the autopilot).
enum ThrottleInput {
    INPUT_AXIS_THROTTLE1, INPUT_AXIS_THROTTLE2, INPUT_THROTTLE1, INPUT_THROTTLE2, INPUT_AXIS_THROTTLE,
    INPUT_THROTTLE_CUT, INPUT_THROTTLE_DECR, INPUT_THROTTLE_INCR_SMALL, INPUT_THROTTLE_FULL, THROTTLE_INPUT_COUNT,
};

struct EngineState {
    std::uint8_t hpCock1Open;  // HP cock open (throttle lever at or above its idle gate)
    std::uint8_t hpCock2Open;
    std::int32_t electricStartVolts;  // from the configuration file, at every initial state
    // Per engine, index 0 engine 1 (port), 1 engine 2 (starboard).
    double throttleDemand[2];   // 0 at the idle gate, 100 at full, negative below the gate
    double throttleLever[2];    // lever position written to the lever variable, 15 to 200
    double throttleSent[2];     // last value written to the simulator's throttle lever, 0 to 100
    double throttleInput[THROTTLE_INPUT_COUNT];
    std::int32_t startAttempts[2];
    std::int32_t jptControllerActive[2];
    std::int32_t jptMaxSelected[2];   // the CRZ/MAX selector: 1 picks the 705 degree limit
    std::uint8_t jptTrimming[2];      // the controller has cut the throttle below the demand
    double startN1[2];                // N1 imposed during a ground start
    double startTemperatureRankine[2];
    std::uint8_t pushStartArmed[2];   // a start was accepted and its starter not yet cut
    std::uint8_t freshStart[2];       // a ground start began: the next spool step restarts
    std::uint8_t starterCutSent[2];   // an in-air cut went out; no other until the starter reports again
    double engineRpmPercent[2];       // tokens 624 / 643
    std::int32_t starterLampInput[2]; // "A:GENERAL ENG STARTER:n, bool", for the start lamps
    // The push-start buttons spring back on an 18-tick clock of their own.
    std::uint8_t pushReleaseArmed[2];
    std::uint32_t pushReleaseArmedAt[2];  // tick when the deadline was last set
    std::uint32_t pushReleaseDeadline[2];
    double fuelFlowNeedle[2];         // last fuel flow needle value (held above the scale)
};

}  // namespace tarmelon
