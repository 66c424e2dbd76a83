// HP cocks, the electric-start setting, the starting values of the engine models and the
// helpers the engine files share.
#include "systems/engines/engines.h"

#include "core/config.h"
#include "core/files.h"
#include "core/vars.h"
#include "simlink/aircraft_data.h"
#include "simlink/ids.h"
#include "state.h"
#include "systems/engines/engine_names.h"

namespace tarmelon {

namespace {
std::uint8_t* hp_cock(int engine) {
    if (engine == 1) return &state.engines.hpCock1Open;
    if (engine == 2) return &state.engines.hpCock2Open;
    return nullptr;
}
}  // namespace

void set_hp_cock(int engine, bool open) {
    std::uint8_t* cock = hp_cock(engine);
    if (cock == nullptr) return;
    *cock = open ? 1 : 0;
    // The lever carries the cock: below the idle gate it is shut. A lever on the wrong side
    // of the gate goes to the gate (open) or to its stop (shut), so that the next frame's
    // reading of the lever keeps the cock as set (a restored panel state, for one).
    const EngineNames& n = ENGINE_NAMES[engine - 1];
    const double lever = get_double(n.lever);
    if (open && !(lever >= 15.0)) set_int(n.lever_written, 15);
    if (!open && lever >= 15.0) set_int(n.lever_written, 0);
}

void note_hp_cock(int engine, bool open) {
    if (std::uint8_t* cock = hp_cock(engine)) *cock = open ? 1 : 0;
}

std::uint8_t hp_cock_open(int engine) {
    const std::uint8_t* cock = hp_cock(engine);
    return cock != nullptr ? *cock : 0;
}

void read_electric_start_setting() {
    state.engines.electricStartVolts = text_to_int(read_cfg("ElectricStart", "Volts").text);
    set_int("L:ElecStartVolts, number", state.engines.electricStartVolts);
}

void toggle_switch(const char* variable) { set_int(variable, get_int(variable) > 0 ? 0 : 1); }

void write_throttle(int index, double percent) {
    if (index < 0 || index > 1) return;
    // Never a reverse range (a shut HP cock gives a negative demand), never past full, and
    // nothing that is not a number.
    if (!(percent > 0.0)) percent = 0.0;
    if (percent > 100.0) percent = 100.0;
    state.engines.throttleSent[index] = percent;
    write_definition(index == 0 ? DEF_THROTTLE_1 : DEF_THROTTLE_2, percent);
}

void reset_engine_start() {
    EngineState& e = state.engines;
    for (int i = 0; i < 2; ++i) {
        e.startN1[i] = 0.0;
        e.startTemperatureRankine[i] = 0.0;
        e.pushStartArmed[i] = 0;
        e.freshStart[i] = 0;
        e.starterCutSent[i] = 0;
        e.pushReleaseArmed[i] = 0;
        e.pushReleaseArmedAt[i] = 0;
        e.pushReleaseDeadline[i] = 0;
    }
}

void reset_engine_values() {
    EngineState& e = state.engines;
    for (int i = 0; i < 2; ++i) {
        e.throttleDemand[i] = 0.0;
        e.throttleLever[i] = 15.0;
        e.throttleSent[i] = 0.0;
        e.jptControllerActive[i] = 0;
        e.jptMaxSelected[i] = 0;
        e.jptTrimming[i] = 0;
        e.startAttempts[i] = 0;
    }
    for (double& input : e.throttleInput) input = 0.0;
}

void reset_engine_instruments() {
    EngineState& e = state.engines;
    for (int i = 0; i < 2; ++i) {
        e.engineRpmPercent[i] = 0.0;
        e.starterLampInput[i] = 0;
        e.fuelFlowNeedle[i] = 0.0;
    }
}

}  // namespace tarmelon
