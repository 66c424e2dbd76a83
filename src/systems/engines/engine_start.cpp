// The electric start: push starts and relights, the spool-up the module imposes on the
// simulator's engine during a ground start, the starter cut-off, the throttle that reaches
// the simulator and the JPT controllers that trim it, and the start panel's lamps.
#include <cmath>

#include "core/host.h"
#include "core/numeric.h"
#include "core/vars.h"
#include "simlink/aircraft_data.h"
#include "simlink/connection.h"
#include "simlink/ids.h"
#include "state.h"
#include "systems/engines/engine_names.h"
#include "systems/engines/engines.h"

namespace tarmelon {

namespace {

constexpr double SPOOL_STEP = 0.003;      // N1 percent per object-data message
constexpr double STARTER_CUT_N1 = 40.0;   // with fuel the spool stops here and the starter is cut
constexpr double DRY_N1 = 13.0;           // without fuel the starter alone holds the engine here
constexpr double DRY_SETTLE_STEP = 0.01;
constexpr double RANKINE_PER_N1 = 38.7;   // exhaust temperature imposed during the spool
constexpr double LEAST_START_VOLTS = 114;  // a start needs more than this on the start battery
constexpr std::uint32_t PUSH_RELEASE_TICKS = 18;

constexpr sdk::DWORD_T STARTER_EVENT[2] = {EV_TOGGLE_STARTER1, EV_TOGGLE_STARTER2};
constexpr sdk::DWORD_T N1_DEFINITION[2] = {DEF_N1_1, DEF_N1_2};
constexpr sdk::DWORD_T EGT_DEFINITION[2] = {DEF_EGT_1, DEF_EGT_2};

EngineState& engines() { return state.engines; }

bool combusting(int index) {
    return (index == 0 ? state.fuel.engine1Combusting : state.fuel.engine2Combusting) != 0;
}

void spool_start(int i) {
    EngineState& e = engines();
    if (e.freshStart[i]) {
        e.startN1[i] = 0.0;
        e.startTemperatureRankine[i] = 0.0;
        e.freshStart[i] = 0;
    }
    const double n1 = state.simdata.simN1[i];
    if (get_int(ENGINE_NAMES[i].fuel_selector) != 0) {
        // Fuel available: the engine lights and the spool runs on to the cut-off.
        if (n1 < STARTER_CUT_N1) e.startN1[i] += SPOOL_STEP;
        else e.startN1[i] = STARTER_CUT_N1;
    } else {
        // No fuel: the starter alone turns the engine.
        if (n1 < DRY_N1) e.startN1[i] += SPOOL_STEP;
        else if (n1 > DRY_N1) e.startN1[i] -= DRY_SETTLE_STEP;
        else e.startN1[i] = DRY_N1;
    }
    write_definition(N1_DEFINITION[i], e.startN1[i]);
    e.startTemperatureRankine[i] = n1 * RANKINE_PER_N1;
    write_definition(EGT_DEFINITION[i], e.startTemperatureRankine[i]);
}

void jpt_control(int i) {
    EngineState& e = engines();
    const double jpt = state.simdata.jptCelsius[i];
    const double n1 = state.simdata.simN1[i];
    const double throttle = state.simdata.simThrottlePercent[i];
    const double limit = e.jptMaxSelected[i] == 1 ? 705.0 : 750.0;
    const double step = std::fabs(jpt - limit) / 500.0;
    const bool governing = n1 >= 35.0 && n1 < 100.0;
    if (jpt > limit && governing) {
        e.jptTrimming[i] = 1;
        if (throttle >= step) write_throttle(i, throttle - step);
    } else if (jpt < limit && governing) {
        if (throttle <= 100.0 - step) write_throttle(i, throttle + step);
    }
    // Never beyond the pilot's demand; back to it once the trim has recovered.
    if (e.throttleSent[i] > e.throttleDemand[i]) {
        e.jptTrimming[i] = 0;
        write_throttle(i, e.throttleDemand[i]);
    }
    if (e.throttleDemand[i] > e.throttleSent[i] && e.jptTrimming[i] == 0) write_throttle(i, e.throttleDemand[i]);
}

}  // namespace

// ---- after object data ------------------------------------------------------------------------

void on_starter_data(int engine) {
    const int i = engine_index(engine);
    if (i < 0) return;
    EngineState& e = engines();
    // A fresh reading: the starter's state is known again.
    e.starterCutSent[i] = 0;
    if (state.simdata.simOnGround == 1 && state.simdata.starterEngaged[i] == 1 && state.simdata.simN1[i] < 5.0) {
        e.startN1[i] = 0.0;
        e.startTemperatureRankine[i] = 0.0;
        e.freshStart[i] = 1;
    }
}

void update_engine_start() {
    EngineState& e = engines();
    const SimData& d = state.simdata;
    for (int i = 0; i < 2; ++i) {
        const bool starter = d.starterEngaged[i] == 1;
        if (d.simOnGround == 1) {
            if (e.startN1[i] >= STARTER_CUT_N1 && starter && e.pushStartArmed[i] == 1) {
                transmit_event(STARTER_EVENT[i], 0);
                e.pushStartArmed[i] = 0;
            } else if (starter) {
                spool_start(i);
            }
        } else if (starter && combusting(i) && e.engineRpmPercent[i] >= STARTER_CUT_N1 && e.starterCutSent[i] == 0) {
            // Once: the starter reading comes once a second, and a second toggle before it
            // would engage the starter again.
            transmit_event(STARTER_EVENT[i], 0);
            e.starterCutSent[i] = 1;
        }
    }
    for (int i = 0; i < 2; ++i) {
        if (e.jptControllerActive[i] == 0 || d.starterEngaged[i] == 1) write_throttle(i, e.throttleDemand[i]);
        else if (d.simAutothrottleActive != 1) jpt_control(i);
    }
}

// ---- the start panel -------------------------------------------------------------------------

void read_engine_start_inputs() {
    for (int i = 0; i < 2; ++i) {
        engines().engineRpmPercent[i] = read_token(ENGINE_NAMES[i].rpm_token);
        engines().starterLampInput[i] = get_int(ENGINE_NAMES[i].starter);
    }
}

void toggle_engine_master(int engine) {
    if (const int i = engine_index(engine); i >= 0) toggle_switch(ENGINE_NAMES[i].master);
}

void toggle_ignition(int engine) {
    if (const int i = engine_index(engine); i >= 0) toggle_switch(ENGINE_NAMES[i].ignition);
}

void toggle_start_switch(int engine) {
    if (const int i = engine_index(engine); i >= 0) toggle_switch(ENGINE_NAMES[i].start_switch);
}

void toggle_changeover() { toggle_switch("L:EngStart_CHGNORM_switch, bool"); }

void toggle_ebld_lamp_test(int engine) {
    if (const int i = engine_index(engine); i >= 0) toggle_switch(ENGINE_NAMES[i].ebld_press);
}

void toggle_eng_lamp_test(int engine) {
    if (const int i = engine_index(engine); i >= 0) toggle_switch(ENGINE_NAMES[i].eng_press);
}

void push_start(int engine) {
    const int i = engine_index(engine);
    if (i < 0) return;
    const EngineNames& n = ENGINE_NAMES[i];
    if (get_int(n.push_start) > 0) {
        set_int(n.push_start, 0);
        return;
    }
    set_int(n.push_start, 1);
    const std::int32_t volts = get_int("L:ElecStartVolts, number");
    if (get_int(n.master) == 1 && get_int(n.ignition) == 1 && get_int(n.start_switch) == 1 &&
        volts > LEAST_START_VOLTS && engines().engineRpmPercent[i] < 3.0) {
        set_int("L:ElecStartVolts, number", volts - 1);
        host_trigger_key_event(n.starter_key, 1);
        engines().pushStartArmed[i] = 1;
    }
}

void relight(int engine) {
    const int i = engine_index(engine);
    if (i < 0) return;
    const EngineNames& n = ENGINE_NAMES[i];
    toggle_switch(n.relight);
    if (get_int(n.master) == 1 && get_int(n.ignition) == 1) transmit_event(STARTER_EVENT[i], i == 0 ? 1 : 0);
}

double push_start_button(int engine) {
    const int i = engine_index(engine);
    if (i < 0) return 0.0;
    EngineState& e = engines();
    const EngineNames& n = ENGINE_NAMES[i];
    const std::uint32_t tick = state.frame.currentTick;
    // Armed on the first update, and again when the clock went back (a flight reloaded).
    if (e.pushReleaseArmed[i] == 0 || tick < e.pushReleaseArmedAt[i]) {
        e.pushReleaseArmed[i] = 1;
        e.pushReleaseArmedAt[i] = tick;
        e.pushReleaseDeadline[i] = tick + PUSH_RELEASE_TICKS;
    } else if (tick >= e.pushReleaseDeadline[i]) {
        if (get_int(n.push_start) == 1) set_int(n.push_start, 0);
        e.pushReleaseArmedAt[i] = tick;
        e.pushReleaseDeadline[i] = tick + PUSH_RELEASE_TICKS;
    }
    return get_int(n.push_start) > 0 ? 1.0 : 0.0;
}

// A start switch's ENG lamp condition: its start switch made and its starter turning (the
// other engine's starter with the changeover switch made).
namespace {
bool starter_watched(int i) {
    const std::int32_t changeover = get_int("L:EngStart_CHGNORM_switch, bool");
    const bool own = engines().starterLampInput[i] == 1;
    const bool other = engines().starterLampInput[1 - i] == 1;
    return get_int(ENGINE_NAMES[i].start_switch) == 1 && ((changeover == 0 && own) || (changeover == 1 && other));
}
}  // namespace

bool start_engaged_lamp(int engine) {
    const int i = engine_index(engine);
    if (i < 0 || state.electrical.dcPowerAvailable != 1) return false;
    return get_int(ENGINE_NAMES[i].eng_press) == 1 || starter_watched(i);
}

bool start_enabled_lamp(int engine) {
    const int i = engine_index(engine);
    if (i < 0 || state.electrical.dcPowerAvailable != 1) return false;
    const EngineNames& n = ENGINE_NAMES[i];
    return get_int(n.ebld_press) == 1 || get_int(n.start_switch) > 0;
}

// The virtual cockpit's start lamps, every frame, from the same conditions as the panel's,
// so that a lamp test lasts as long as its push and no lamp depends on the 2D panel being
// shown.
void update_start_lamps() {
    for (int i = 0; i < 2; ++i) engines().starterLampInput[i] = get_int(ENGINE_NAMES[i].starter);
    for (int i = 0; i < 2; ++i) {
        const EngineNames& n = ENGINE_NAMES[i];
        if (state.electrical.dcPowerAvailable != 1) {
            set_int(n.enabled_light, 0);
            set_int(n.engaged_light, 0);
            continue;
        }
        set_int(n.enabled_light, get_int(n.enabled_push) == 1 || get_int(n.start_switch) == 1 ? 1 : 0);
        set_int(n.engaged_light, get_int(n.engaged_push) == 1 || starter_watched(i) ? 1 : 0);
    }
}

}  // namespace tarmelon
