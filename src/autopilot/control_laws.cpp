#include "autopilot/control_laws.h"

#include <cstdint>

#include "core/host.h"
#include "core/numeric.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr std::uint32_t KEY_AILERON_SET = 65695;
constexpr std::uint32_t KEY_ELEVATOR_TRIM_DOWN = 65607;
constexpr std::uint32_t KEY_ELEVATOR_TRIM_UP = 65615;

constexpr double AILERON_OFFSET = 16384.0;
constexpr double ELEVATOR_OFFSET = 16383.0;
constexpr double BANK_SHIFT = 180.0;   // angles made positive before they enter the law
constexpr double PITCH_SHIFT = 160.0;
constexpr double TRIM_CENTRE = 16384.0;  // the elevator position at which the trim command changes sign
// The aileron-set event's range: full deflection either way. The law's position clamps
// allow -15384 to 14616 and the positive side is scaled by 1.5 (up to 21924), so the
// command is held to full deflection.
constexpr std::int32_t AILERON_FULL = 16383;

}  // namespace

double rateServoLaw(double target, double current, double lagged, double rateScale, double errorLimit,
                    double position, double minPos, double maxPos, double gain) {
    double error = current - target;
    const double rate = current - lagged;
    if (error > errorLimit) error = errorLimit;
    if (error < -errorLimit) error = -errorLimit;
    const double demanded = 0.75 * rateScale * -error / errorLimit;
    if (error > -errorLimit / 100.0 && error < errorLimit / 100.0) return position;
    double next = position + (demanded - rate) * gain / rateScale;
    if (next > maxPos) next = maxPos;
    else if (next < minPos) next = minPos;
    return next;
}

void bankHoldLaw(double targetBank) {
    const ServoLawParams& p = state.autopilot.bankLaw;
    double bank = read_token(TOKEN_BANK);
    if (bank > 180.0) bank -= 360.0;
    double target = targetBank;
    if (target >= 180.0) target -= 360.0;

    const std::int32_t simRate = get_int("P:SIMULATION RATE, Number");
    set_int("L:SimRate, number", simRate);
    double rateScale = p.maxRate;
    if (simRate >= 4) rateScale /= 4.0;
    else if (simRate >= 2) rateScale /= 2.0;

    const std::int32_t aileron = get_int("A:AILERON POSITION, number");
    set_int("L:AileronPos, number", aileron);

    const double next = rateServoLaw(target + BANK_SHIFT, bank + BANK_SHIFT,
                                     bank - state.autopilot.rollRate + BANK_SHIFT, rateScale, p.errorLimit,
                                     aileron + AILERON_OFFSET, p.minPos, p.maxPos, p.gain);
    std::int32_t command = truncate_i32(next - AILERON_OFFSET);
    if (command > 0) command = truncate_i32(command * 1.5);
    if (command > AILERON_FULL) command = AILERON_FULL;
    if (command < -AILERON_FULL) command = -AILERON_FULL;

    set_double("L:TargetInput, number", next);
    set_int("L:ailVal, number", command);
    host_trigger_key_event(KEY_AILERON_SET, static_cast<std::uint32_t>(command));
}

void pitchTrimLaw(double targetPitch) {
    const ServoLawParams& p = state.autopilot.pitchLaw;
    set_int("L:Altitude, number", truncate_i32(read_token(TOKEN_ALTITUDE)));
    const double pitch = read_token(TOKEN_PITCH);
    set_int("L:Pitch, number", truncate_i32(pitch));
    const std::int32_t elevator = get_int("A:ELEVATOR POSITION, number");
    set_int("L:ElevatorTrim, number", elevator);

    const double next = rateServoLaw(targetPitch + PITCH_SHIFT, PITCH_SHIFT + pitch,
                                     PITCH_SHIFT + state.autopilot.previousPitch, p.maxRate * 0.5, p.errorLimit,
                                     elevator + ELEVATOR_OFFSET, p.minPos, p.maxPos, p.gain);
    const std::int32_t trim = truncate_i32((next - TRIM_CENTRE) * 2.0);
    host_trigger_key_event(trim > 0 ? KEY_ELEVATOR_TRIM_DOWN : KEY_ELEVATOR_TRIM_UP, 1);
    state.autopilot.previousPitch = pitch;
}

}  // namespace tarmelon
