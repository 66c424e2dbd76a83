#include "systems/flight_controls/trims.h"

#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "simlink/aircraft_data.h"
#include "simlink/ids.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr std::uint32_t LEFT_CLICK = 0x20000000;
constexpr std::uint32_t LEFT_RELEASE = 0x00020000;
constexpr std::uint32_t SPRING_TICKS = 18;  // one second of token 1

struct TrimAxisRow {
    const char* selector;
    const char* change;
    const char* timer_start;
    const char* time_check;
    const char* time_current;
    const char* animation;
    std::uint32_t key_at_0;
    std::uint32_t key_at_2;
    const char* reading;  // the simulator's trim
};

constexpr TrimAxisRow AXES[TRIM_AXIS_COUNT] = {
    {"L:aileronTrimSelPos, number", "L:ailTrimChange, bool", "L:aileronTrim_timer_start, bool",
     "L:aileronTrimTemp_time_check, number", "L:aileronTrimTemp_time_cur, number", "L:Tarmelon_Trimpan_Aileron, number",
     KEY_AILERON_TRIM_LEFT, KEY_AILERON_TRIM_RIGHT, "A:AILERON TRIM, degrees"},
    {"L:rudderTrimSelPos, number", "L:rudTrimChange, bool", "L:rudderTrim_timer_start, bool",
     "L:rudderTrimTemp_time_check, number", "L:rudderTrimTemp_time_cur, number", "L:Tarmelon_Trimpan_Rudder, number",
     KEY_RUDDER_TRIM_LEFT, KEY_RUDDER_TRIM_RIGHT, "A:RUDDER TRIM, degrees"},
    {"L:tailTrimSelPos, number", "L:tailTrimChange, bool", "L:tailTrim_timer_start, bool",
     "L:tailTrimTemp_time_check, number", "L:tailTrimTemp_time_cur, number", "L:Tarmelon_Trimpan_Elevator, number",
     KEY_ELEVATOR_TRIM_DOWN, KEY_ELEVATOR_TRIM_UP, "A:ELEVATOR TRIM POSITION, degrees"},
};

bool valid(TrimAxis axis) { return axis >= 0 && axis < TRIM_AXIS_COUNT; }

void note_hold(TrimAxis axis, std::uint32_t flags) {
    TrimSelectorState& t = state.flightControls.trims[axis];
    if ((flags & LEFT_CLICK) != 0) t.trimChangeHeld = 1;
    else if ((flags & LEFT_RELEASE) != 0) t.trimChangeHeld = 0;
    set_int(AXES[axis].change, t.trimChangeHeld);
}

void drive(TrimAxis axis) {
    const TrimAxisRow& row = AXES[axis];
    switch (get_int(row.selector)) {
        case 0:
            host_trigger_key_event(row.key_at_0, 1);
            set_int(row.animation, 0);
            break;
        case 2:
            host_trigger_key_event(row.key_at_2, 1);
            set_int(row.animation, 2);
            break;
        case 1: set_int(row.animation, 1); break;
        default: break;
    }
}

// A direction input of the virtual cockpit's switches.
bool on(const char* input) { return get_int(input) == 1; }

}  // namespace

void trim_selector_decrease(TrimAxis axis, std::uint32_t flags) {
    if (!valid(axis)) return;
    note_hold(axis, flags);
    const TrimAxisRow& row = AXES[axis];
    std::int32_t position = get_int(row.selector);
    if (position > 0) set_int(row.selector, --position);
    if (position == 0) host_trigger_key_event(row.key_at_0, 1);
}

void trim_selector_increase(TrimAxis axis, std::uint32_t flags) {
    if (!valid(axis)) return;
    note_hold(axis, flags);
    const TrimAxisRow& row = AXES[axis];
    std::int32_t position = get_int(row.selector);
    if (position < 2) set_int(row.selector, ++position);
    if (position == 2) host_trigger_key_event(row.key_at_2, 1);
}

double trim_selector_icon(TrimAxis axis) {
    if (!valid(axis)) return 0.0;
    TrimSelectorState& t = state.flightControls.trims[axis];
    const TrimAxisRow& row = AXES[axis];
    if (t.springArmed == 0) {
        t.springNextTick = truncate_u32(read_token(TOKEN_TICK18)) + SPRING_TICKS;
        t.springArmed = 1;
    }
    t.springCurrentTick = truncate_u32(read_token(TOKEN_TICK18));
    if (t.springCurrentTick >= t.springNextTick) {
        const std::int32_t position = get_int(row.selector);
        if ((position == 0 || position == 2) && t.trimChangeHeld == 0) set_int(row.selector, 1);
        t.springNextTick = truncate_u32(read_token(TOKEN_TICK18)) + SPRING_TICKS;
    }
    set_int(row.timer_start, t.springArmed);
    set_int(row.time_check, static_cast<std::int32_t>(t.springNextTick));
    set_int(row.time_current, static_cast<std::int32_t>(t.springCurrentTick));
    const std::int32_t position = get_int(row.selector);
    if (position < 0) return 0.0;
    return position > 2 ? 2.0 : static_cast<double>(position);
}

void update_trim_switches_vc() {
    const bool left = on("L:AileronTrimLeft, bool");
    const bool right = on("L:AileronTrimRight, bool");
    set_int("L:AileronPos,number", right ? 2 : left ? 0 : 1);
    set_int("L:AileronTrimCentre, bool", !left && !right ? 1 : 0);
    set_int("L:TailTrimCentre, bool", !on("L:TailNoseUp, bool") && !on("L:TailNoseDown, bool") ? 1 : 0);
    set_int("L:RudderTrimCentre, bool", !on("L:RudderTrimLeft, bool") && !on("L:RudderTrimRight, bool") ? 1 : 0);
}

void update_trim_drives() {
    drive(TRIM_RUDDER);
    drive(TRIM_TAIL);
    drive(TRIM_AILERON);
}

void reset_trims() {
    write_definition(DEF_AILERON_TRIM, 0.0);
    write_definition(DEF_RUDDER_TRIM, 0.0);
    write_definition(DEF_ELEVATOR_TRIM, 0.0);
}

void read_trim_values() {
    for (int axis = 0; axis < TRIM_AXIS_COUNT; ++axis)
        state.flightControls.trimDegrees[axis] = get_double(AXES[axis].reading);
}

}  // namespace tarmelon
