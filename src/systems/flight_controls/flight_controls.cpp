#include "systems/flight_controls/flight_controls.h"

#include "core/config.h"
#include "core/files.h"
#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/vars.h"
#include "simlink/aircraft_data.h"
#include "simlink/connection.h"
#include "simlink/ids.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr std::int32_t RUDDER_BRAKE_THRESHOLD = 8000;
constexpr std::int32_t DIVE_PRESSURE = 10;  // PSI above which a pump works the dive brakes
constexpr std::int32_t SPOILERS_OUT = 16383;
constexpr std::int32_t SPOILERS_HALF = 8191;
constexpr std::int32_t SPOILERS_IN = 0;

FlightControlsState& fc() { return state.flightControls; }

std::int32_t percent_of_axis(std::int32_t v) {
    return truncate_i32((static_cast<double>(v) + 16383.0) / 32766.0 * -100.0 + 100.0);
}

void write_aileron_indicator(std::int32_t value) {
    fc().aileronIndicator = value;
    set_int("L:ailPosVC,number", value);
}
void write_rudder_indicator(std::int32_t value) {
    fc().rudderIndicator = value;
    set_int("L:rudPosVC,number", value);
}

bool dive_pressure() {
    return state.hydraulics.pumpPressure[0] > DIVE_PRESSURE || state.hydraulics.pumpPressure[1] > DIVE_PRESSURE;
}

// The spoilers and the lever for a selector position.
void dive_brakes_to(std::int32_t selector) {
    static constexpr std::int32_t SPOILERS[] = {SPOILERS_OUT, SPOILERS_HALF, SPOILERS_IN};
    static constexpr std::int32_t LEVER[] = {0, 50, 100};
    if (selector < 0 || selector > 2) return;
    if (dive_pressure()) host_trigger_key_event(KEY_SPOILERS_SET, static_cast<std::uint32_t>(SPOILERS[selector]));
    set_int("L:Dive_brake_switch_pos, number", LEVER[selector]);
}

std::int32_t nosegear_setting() {
    const CfgText text = read_cfg("NOSEGEAR", "NOSEGEAR");
    return text_to_int(text.text);
}

}  // namespace

void ailerons_axis_input(std::int32_t v) {
    write_aileron_indicator(percent_of_axis(v));
    if (state.hydraulics.aileronPowerLost != 0 || state.autopilot.apAileronEngaged != 0) return;
    transmit_event(EV_AXIS_AILERONS_SET, fc().aileronGearSwitch == 1 ? v / 2 : v);
}

void ailerons_step_input(bool right) {
    if (state.autopilot.apAileronEngaged != 0) return;
    if (state.hydraulics.aileronPowerLost == 0) {
        double step = 0.0;
        if (fc().aileronGearSwitch == 1) step = 0.5;
        else if (fc().aileronGearSwitch == 0) step = 1.0;
        else return;
        const double x = state.simdata.simAileronPercent + (right ? step : -step);
        write_aileron_indicator(truncate_i32((x + 100.0) / 200.0 * 100.0));
        write_definition(DEF_AILERON_POSITION, x / 100.0);
    } else if (state.hydraulics.aileronPowerLost == 1) {
        // Without power the stick moves, the surfaces do not.
        std::int32_t value = fc().aileronIndicator;
        if (right && value < 100) ++value;
        if (!right && value > 0) --value;
        write_aileron_indicator(value);
    }
}

void rudder_axis_input(std::int32_t v) {
    write_rudder_indicator(truncate_i32((static_cast<double>(v) - 16383.0) / 32766.0 * -100.0));
    if (state.hydraulics.allPressureLost == 0 && state.autopilot.apRudderEngaged == 0) {
        const bool steer = state.simdata.simOnGround == 1 && fc().nosewheelSteeringOn == 1;
        transmit_event(steer ? EV_STEERING_SET : EV_AXIS_RUDDER_SET, v);
    }
    if (fc().rudderBrakingOn == 1 && state.simdata.simOnGround == 1) {
        if (v < -RUDDER_BRAKE_THRESHOLD) transmit_event(EV_BRAKES_RIGHT, 1);
        else if (v > RUDDER_BRAKE_THRESHOLD) transmit_event(EV_BRAKES_LEFT, 1);
    }
}

void rudder_step_input(bool right) {
    if (state.hydraulics.allPressureLost != 0 || state.autopilot.apRudderEngaged != 0) return;
    const double x = state.simdata.simRudderPercent + (right ? 1.0 : -1.0);
    write_rudder_indicator(truncate_i32((x + 100.0) / 200.0 * 100.0));
    write_definition(DEF_RUDDER_POSITION, x / 100.0);
}

void elevator_axis_input(std::int32_t v) {
    if (state.autopilot.apElevatorEngaged == 0) transmit_event(EV_AXIS_ELEVATOR_SET, v);
}

void elevator_step_input(bool up) {
    if (state.autopilot.apElevatorEngaged != 0) return;
    write_definition(DEF_ELEVATOR_POSITION, (state.simdata.simElevatorPercent + (up ? 1.0 : -1.0)) / 100.0);
}

void spoiler_axis_input(std::int32_t v) {
    if (state.hydraulics.mainPressureLost != 0) return;
    const double x = (static_cast<double>(v) + 16383.0) / 32766.0 * -100.0 + 100.0;
    set_int("L:Dive_brake_switch_pos, number", truncate_i32(x));
    set_int("L:DivebrakePos, bool", x >= 50.0 ? 0 : 1);
    transmit_event(EV_AXIS_SPOILER_SET, v);
}

void spoilers_toggle_input(std::int32_t v) {
    if (state.hydraulics.mainPressureLost != 0) return;
    const bool retracted = get_int("A:SPOILERS LEFT POSITION, Percent") == 0;
    set_int("L:Dive_brake_switch_pos, number", retracted ? 0 : 100);
    set_int("L:DivebrakePos, bool", retracted ? 1 : 0);
    transmit_event(EV_SPOILERS_TOGGLE, v);
}

bool dive_brake_selector_up() {
    const std::int32_t before = get_int("L:Dive_brake_switch, number");
    std::int32_t selector = before;
    if (selector < 2) set_int("L:Dive_brake_switch, number", ++selector);
    dive_brakes_to(selector);
    return selector != before;
}

bool dive_brake_selector_down() {
    const std::int32_t before = get_int("L:Dive_brake_switch, number");
    std::int32_t selector = before;
    if (selector > 0) set_int("L:Dive_brake_switch, number", --selector);
    // Fully out is sent only while the brakes are selected out.
    if (selector != 0 || get_int("L:DivebrakePos, bool") == 1) dive_brakes_to(selector);
    return selector != before;
}

void dive_brake_lever() {
    const std::int32_t lever = get_int("L:Dive_brake_switch_pos, number");
    const std::int32_t out = get_int("L:DivebrakePos, bool");
    if (lever != 0 && out == 1) set_int("L:DivebrakePos, bool", 0);
    else if (out == 0) set_int("L:DivebrakePos, bool", 1);
}

void nosewheel_mode_switch() {
    const std::int32_t now = get_int("L:nosewheel_Isolate, bool") > 0 ? 0 : 1;
    switch (nosegear_setting()) {
        case 1:
            fc().nosewheelSteeringOn = now;
            set_int("L:nosewheel_Isolate, bool", now);
            break;
        case 0:
            fc().rudderBrakingOn = static_cast<std::uint8_t>(now);
            set_int("L:nosewheel_Isolate, bool", now);
            break;
        default: break;  // an unknown setting leaves the switch
    }
}

void aileron_gearing_switch() {
    const std::int32_t now = get_int("L:Low_high_alt_switch,bool") > 0 ? 0 : 1;
    set_int("L:Low_high_alt_switch,bool", now);
    fc().aileronGearSwitch = now;
}

void sync_flight_control_flags() {
    fc().aileronGearSwitch = get_int("L:Low_high_alt_switch,bool") > 0 ? 1 : 0;
    const std::int32_t isolate = get_int("L:nosewheel_Isolate, bool") > 0 ? 1 : 0;
    switch (nosegear_setting()) {
        case 1: fc().nosewheelSteeringOn = isolate; break;
        case 0: fc().rudderBrakingOn = static_cast<std::uint8_t>(isolate); break;
        default: break;
    }
}

void reset_control_indicators() {
    fc().aileronIndicator = 50;
    fc().rudderIndicator = 50;
}

}  // namespace tarmelon
