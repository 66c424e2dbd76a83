// The autopilot's own bank-hold and pitch-hold laws, flown over the simulator's autopilot
// while its master is on and no simulator mode holds that axis (the controller decides).
//
// Reads: tokens 74 (altitude), 78 (pitch) and 80 (bank); "P:SIMULATION RATE, Number",
//   "A:AILERON POSITION, number", "A:ELEVATOR POSITION, number"; the roll rate and the law
//   parameters (state.autopilot).
// Writes: "L:SimRate, number", "L:AileronPos, number", "L:TargetInput, number",
//   "L:ailVal, number", "L:Altitude, number", "L:Pitch, number", "L:ElevatorTrim, number";
//   the previous pitch (state.autopilot).
// Key events: 65695 (aileron position set, -16383 to 16383), one elevator-trim step a frame,
//   65607 or 65615 with 1.
//
// Example: bank 0, target 10 (left wing down), still, simulation rate 1, aileron 0: the
// error saturates at -10, the demanded rate is 6, the new position 16384 + 1500, the command
// 1500 scaled by 1.5 to 2250.
#pragma once

namespace tarmelon {

// The shared position law: moves `position` by the difference between the rate demanded by
// the error (current - target) and the rate current - lagged, scaled by gain / rateScale;
// inside the deadband (a hundredth of the error limit) the position is returned unchanged.
double rateServoLaw(double target, double current, double lagged, double rateScale, double errorLimit,
                    double position, double minPos, double maxPos, double gain);

void bankHoldLaw(double targetBank);    // degrees
void pitchTrimLaw(double targetPitch);  // degrees, in the simulator's sign (nose down positive)

}  // namespace tarmelon
