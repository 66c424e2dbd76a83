// The throttle levers: the pilot's demand from the lever variables, the simulator's throttle
// events turned into lever positions, the 2D levers with their HP-cock gate, and the
// simulator's engine auto start and shutdown.
#include <algorithm>
#include <cmath>

#include "core/numeric.h"
#include "core/vars.h"
#include "simlink/connection.h"
#include "simlink/ids.h"
#include "state.h"
#include "systems/engines/engine_names.h"
#include "systems/engines/engines.h"

namespace tarmelon {

namespace {

constexpr double IDLE_GATE = 15.0;
constexpr double LEVER_TRAVEL = 185.0;  // idle gate to full
constexpr double AXIS_LOW = -16383.0;
constexpr double AXIS_SPAN = 32766.0;

double lever_from_demand(double demand) { return demand / 100.0 * LEVER_TRAVEL + IDLE_GATE; }
double demand_from_lever(double lever) { return (lever - IDLE_GATE) / LEVER_TRAVEL * 100.0; }

EngineState& engines() { return state.engines; }

bool starter_engaged(int index) { return state.simdata.starterEngaged[index] == 1; }

// The demand becomes the lever position, which the lever variable shows.
void set_demand(int index, double demand) {
    engines().throttleDemand[index] = demand;
    engines().throttleLever[index] = lever_from_demand(demand);
    set_int(ENGINE_NAMES[index].lever_written, truncate_i32(engines().throttleLever[index]));
}

void set_lever(int index, double lever) {
    engines().throttleLever[index] = lever;
    set_int(ENGINE_NAMES[index].lever_written, truncate_i32(lever));
}

constexpr ThrottleInput AXIS_INPUT[2] = {INPUT_AXIS_THROTTLE1, INPUT_AXIS_THROTTLE2};
constexpr ThrottleInput SET_INPUT[2] = {INPUT_THROTTLE1, INPUT_THROTTLE2};

// One engine's axis input with its own lower limit; false when the engine does not take it.
bool axis_to_engine(int index, std::int32_t value, double lowest) {
    if (starter_engaged(index) || !hp_cock_open(index + 1)) return false;
    const double input = std::max(static_cast<double>(value), lowest);
    set_demand(index, (input - AXIS_LOW) / AXIS_SPAN * 100.0);
    return true;
}

}  // namespace

// ---- per frame ------------------------------------------------------------------------------

void update_throttle_levers() {
    EngineState& e = engines();
    for (int i = 0; i < 2; ++i) {
        const EngineNames& n = ENGINE_NAMES[i];
        const double lever = get_double(n.lever);
        e.throttleDemand[i] = demand_from_lever(lever);
        note_hp_cock(i + 1, lever >= IDLE_GATE);
        // The selector copy and the controller's activity follow their variables whichever
        // panels are shown, so a restored or preset cockpit takes effect at once.
        e.jptMaxSelected[i] = get_int(n.jpt_max) > 0 ? 1 : 0;
        e.jptControllerActive[i] = get_int(n.jpt_on) == 1 && state.electrical.inverter4Running == 1 &&
                                   state.autopilot.apAirspeedHoldOn == 0;
    }
}

// ---- the simulator's throttle events ------------------------------------------------------

void throttle_axis(int engine, std::int32_t value) {
    const int i = engine_index(engine);
    if (i < 0) return;
    if (starter_engaged(i) || !hp_cock_open(engine)) return;
    engines().throttleInput[AXIS_INPUT[i]] = std::max(static_cast<double>(value), AXIS_LOW);
    axis_to_engine(i, value, AXIS_LOW);
}

void throttle_set(int engine, std::int32_t value) {
    const int i = engine_index(engine);
    if (i < 0) return;
    if (starter_engaged(i) || !hp_cock_open(engine)) return;
    // This event's input and demand are single precision.
    const float input = std::max(static_cast<float>(value), -16383.0f);
    const float demand = (input + 16383.0f) / 32766.0f * 100.0f;
    engines().throttleInput[SET_INPUT[i]] = input;
    set_demand(i, demand);
}

void throttle_axis_both(std::int32_t value) {
    // Engine 2's input stops a little above the axis' end (its lowest demand is about 0.39).
    const bool first = axis_to_engine(0, value, AXIS_LOW);
    const bool second = axis_to_engine(1, value, -16256.0);
    if (first || second) engines().throttleInput[INPUT_AXIS_THROTTLE] = std::max(static_cast<double>(value), AXIS_LOW);
}

void throttle_cut(std::int32_t value) {
    engines().throttleInput[INPUT_THROTTLE_CUT] = value;
    for (int i = 0; i < 2; ++i)
        if (!starter_engaged(i)) set_demand(i, 0.0);
}

void throttle_decrease(std::int32_t value) {
    engines().throttleInput[INPUT_THROTTLE_DECR] = value;
    for (int i = 0; i < 2; ++i)
        if (!starter_engaged(i) && engines().throttleDemand[i] > 0.0)
            set_demand(i, std::max(engines().throttleDemand[i] - 1.0, 0.0));
}

void throttle_increase_small(std::int32_t value) {
    engines().throttleInput[INPUT_THROTTLE_INCR_SMALL] = value;
    for (int i = 0; i < 2; ++i)
        if (!starter_engaged(i) && engines().throttleDemand[i] < 100.0)
            set_demand(i, std::min(engines().throttleDemand[i] + 1.0, 100.0));
}

void throttle_full(std::int32_t value) {
    engines().throttleInput[INPUT_THROTTLE_FULL] = value;
    for (int i = 0; i < 2; ++i) {
        engines().throttleDemand[i] = 100.0;
        if (!starter_engaged(i)) set_lever(i, 200.0);
    }
}

void engine_auto_start() {
    for (int i = 0; i < 2; ++i) set_demand(i, 0.0);
    set_int("L:portLPCockPos, bool", 2);
    set_int("L:stbdLPCockPos, bool", 2);
    set_int("L:Throttle1Position,number", 15);
    set_int("L:Throttle2Position,number", 15);
    set_hp_cock(1, true);
    set_hp_cock(2, true);
    for (int i = 0; i < 2; ++i) {
        if (state.simdata.starterEngaged[i] != 0 || !(state.simdata.simN1[i] < 10.0)) continue;
        engines().pushStartArmed[i] = 1;
        ++engines().startAttempts[i];
        transmit_event(i == 0 ? EV_TOGGLE_STARTER1 : EV_TOGGLE_STARTER2, 1);
    }
}

void engine_auto_shutdown() {
    set_hp_cock(1, false);
    set_hp_cock(2, false);
    set_int("L:Throttle1Position,number", 0);
    set_int("L:Throttle2Position,number", 0);
}

// ---- the 2D levers ----------------------------------------------------------------------------

void throttle_lever_right_click(int engine) {
    const int i = engine_index(engine);
    if (i < 0 || engines().throttleDemand[i] > 2.0) return;
    const bool open = hp_cock_open(engine) != 0;
    note_hp_cock(engine, !open);
    set_lever(i, open ? 0.0 : IDLE_GATE);
    engines().throttleDemand[i] = demand_from_lever(engines().throttleLever[i]);
}

void throttle_lever_drag(int engine, double fraction_from_top) {
    const int i = engine_index(engine);
    if (i < 0 || !hp_cock_open(engine)) return;
    double fraction = 1.0 - fraction_from_top;
    if (!(fraction > 0.0)) fraction = 0.0;
    if (fraction > 1.0) fraction = 1.0;
    engines().throttleDemand[i] = fraction * 100.0;
    set_lever(i, std::trunc(lever_from_demand(engines().throttleDemand[i])));
}

double throttle_lever_travel(int engine) {
    const int i = engine_index(engine);
    if (i < 0 || !hp_cock_open(engine)) return 0.0;
    const double travel = engines().throttleDemand[i] / 100.0;
    if (!(travel > 0.0)) return 0.0;
    return travel > 1.0 ? 1.0 : travel;
}

bool hp_cock_shut(int engine) { return hp_cock_open(engine) == 0; }

}  // namespace tarmelon
