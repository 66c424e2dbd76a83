// The throttle panel's switches: the JPT controller switches and selectors, the abandon
// aircraft and cabin pressure dump switches under their guards, and the virtual cockpit's
// engine fire extinguisher buttons.
#include "core/host.h"
#include "core/numeric.h"
#include "core/vars.h"
#include "state.h"
#include "systems/engines/engine_names.h"
#include "systems/engines/engines.h"

namespace tarmelon {

namespace {

constexpr std::uint32_t KEY_FIRE_EXTINGUISHER = 66708;

// A guarded switch's variables: the 2D switch's position and mirrors, and the virtual
// cockpit's guard and lever as its click events name them.
struct Guarded {
    const char* position;
    const char* guard;
    const char* lever;
    const char* vc_guard;
    const char* vc_lever;
};

constexpr Guarded ABANDON = {"L:Abandon_SwitchPos, number", "L:Throtpan_abandon_ac_guard, bool",
                             "L:Throtpan_abandon_ac, bool", "L:Throtpan_abandon_ac_guard,bool",
                             "L:Throtpan_abandon_ac,bool"};
constexpr Guarded PRESSURE_DUMP = {"L:PressureDump_SwitchPos, number", "L:Throtpan_dump_valve_guard, bool",
                                   "L:Throtpan_dump_valve, bool", "L:Throtpan_dump_valve_guard,bool",
                                   "L:Throtpan_dump_valve,bool"};

const Guarded& guarded(GuardedSwitch which) { return which == GuardedSwitch::ABANDON ? ABANDON : PRESSURE_DUMP; }

// Guard and lever of each position: 0 both shut, 1 guard open, 2 guard open and switch on.
constexpr std::int32_t GUARD_OF[3] = {0, 1, 1};
constexpr std::int32_t LEVER_OF[3] = {0, 0, 1};

// The position from the virtual cockpit's lever and guard; a lever on under a shut guard
// leaves it as it was.
void derive_position(const Guarded& g) {
    const bool lever = get_int(g.vc_lever) > 0;
    const bool guard = get_int(g.vc_guard) > 0;
    if (!lever && !guard) set_int(g.position, 0);
    else if (!lever && guard) set_int(g.position, 1);
    else if (lever && guard) set_int(g.position, 2);
}

}  // namespace

void publish_throttle_panel() {
    for (int i = 0; i < 2; ++i) {
        const EngineNames& n = ENGINE_NAMES[i];
        set_int(n.hp_cock, hp_cock_open(i + 1));
        set_int(n.jpt_temp, truncate_i32(state.simdata.jptCelsius[i]));
    }
}

void toggle_jpt_on(int engine) {
    if (const int i = engine_index(engine); i >= 0) toggle_switch(ENGINE_NAMES[i].jpt_on);
}

void toggle_jpt_max(int engine) {
    const int i = engine_index(engine);
    if (i < 0) return;
    toggle_switch(ENGINE_NAMES[i].jpt_max);
    state.engines.jptMaxSelected[i] = get_int(ENGINE_NAMES[i].jpt_max) > 0 ? 1 : 0;
}

bool jpt_on_switch(int engine) {
    const int i = engine_index(engine);
    if (i < 0) return false;
    const bool on = get_int(ENGINE_NAMES[i].jpt_on) == 1;
    state.engines.jptControllerActive[i] =
        on && state.electrical.inverter4Running == 1 && state.autopilot.apAirspeedHoldOn == 0;
    return get_int(ENGINE_NAMES[i].jpt_on) > 0;
}

void guarded_switch_click(GuardedSwitch which, bool right) {
    const Guarded& g = guarded(which);
    std::int32_t position = get_int(g.position);
    if (!right) {
        if (position == 1) position = 2;
        else if (position == 2) position = 1;
    } else {
        if (position == 0) position = 1;
        else if (position == 1) position = 0;
    }
    set_int(g.position, position);
    if (position < 0 || position > 2) return;
    set_int(g.guard, GUARD_OF[position]);
    set_int(g.lever, LEVER_OF[position]);
}

void guarded_switch_guard(GuardedSwitch which) {
    const Guarded& g = guarded(which);
    toggle_switch(g.vc_guard);
    derive_position(g);
}

void guarded_switch_lever(GuardedSwitch which) {
    const Guarded& g = guarded(which);
    toggle_switch(g.vc_lever);
    derive_position(g);
}

void fire_button(int engine) {
    const int i = engine_index(engine);
    if (i < 0) return;
    toggle_switch(ENGINE_NAMES[i].fire_button);
    host_trigger_key_event(KEY_FIRE_EXTINGUISHER, ENGINE_NAMES[i].extinguisher_parameter);
}

}  // namespace tarmelon
