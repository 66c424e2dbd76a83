// The cockpit around the canopy: handles, lock, taxi prop, lift switch, jettison, the close
// sound, destruction by speed; and the navigator's hatch.
#include <cstdint>

#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "simlink/connection.h"
#include "state.h"
#include "systems/canopy/canopy.h"

namespace tarmelon {

namespace {

constexpr char DESTROYED_TEXT[] = "Canopy destroyed due to taxi speed exceeding safe limits";
constexpr sdk::DWORD_T DESTROYED_TEXT_EVENT = 61;
constexpr std::int32_t PROP_ANIMATION = 60;
constexpr std::int32_t SAFE_OPEN_PERCENT = 65;
constexpr std::int32_t SAFE_KNOTS = 49;
constexpr std::int32_t WAS_OPEN_PERCENT = 10;
constexpr std::int32_t CLOSE_IF_OPEN_PERCENT = 91;
constexpr std::uint32_t LIFT_SPRING_SECONDS = 3;

constexpr const char* HANDLE_L = "L:Canopy_Handle_L,bool";
constexpr const char* HANDLE_R = "L:Canopy_Handle_R,bool";
constexpr const char* LOCKED = "L:Canopy_Locked_Indicator, bool";
constexpr const char* PROP = "L:CanopyTaxiProp,bool";
constexpr const char* JETTISON = "L:Canopy_jettison_lever,bool";
constexpr const char* LIFT = "L:CanopyLift_Switch_POS, number";
constexpr const char* LIFT_GUARD = "L:Gearpan_canopy_guard,bool";
constexpr const char* LIFT_LEVER = "L:Gearpan_canopy_open,bool";

std::int32_t canopy_percent() { return get_int("A:CANOPY OPEN,Percent"); }

// One handle clicked, the other as it stands.
void handle(const char* mine, const char* other) {
    const std::int32_t a = canopy_percent();
    const std::int32_t was = get_int(mine);
    const std::int32_t other_handle = get_int(other);
    const std::int32_t locked = get_int(LOCKED);
    const bool closed = state.canopy.canopyClosed == 1;
    if (a == 100) host_trigger_key_event(KEY_CANOPY_TOGGLE, 1);
    if (a == 0) set_int(mine, was > 0 ? 0 : 1);
    // Both handles unlocked with the canopy closed: it opens.
    if (other_handle == 1 && was == 0 && locked == 0 && closed) host_trigger_key_event(KEY_CANOPY_TOGGLE, 1);
    // Both handles back in the locked position: the canopy is locked again.
    if (locked == 0 && closed && was == 1 && other_handle == 0) set_int(LOCKED, 1);
}

void write_lift_mirrors(std::int32_t position) {
    set_int(LIFT_GUARD, position >= 1 ? 1 : 0);
    set_int(LIFT_LEVER, position == 2 ? 1 : 0);
}

void derive_lift_position() {
    const std::int32_t lever = get_int(LIFT_LEVER);
    const std::int32_t guard = get_int(LIFT_GUARD);
    if (lever == 0) set_int(LIFT, guard == 0 ? 0 : 1);
    else if (guard == 1) set_int(LIFT, 2);
    // the lever up with the guard shut leaves the position
}

}  // namespace

void canopy_animation_step() {
    const double p = state.simdata.canopyOpenPercent;
    if (get_int(PROP) != 1) {
        if (get_double("L:canopy_animation,number") != p) set_double("L:canopy_animation,number", p);
    } else if (get_int("L:canopy_animation,number") != PROP_ANIMATION) {
        set_int("L:canopy_animation,number", PROP_ANIMATION);
    }
}

void update_canopy() {
    CanopyState& c = state.canopy;
    const std::int32_t open = canopy_percent();
    if (open > WAS_OPEN_PERCENT) c.canopyWasOpen = 1;
    if (open == 0 && c.canopyWasOpen != 0) {
        set_int("L:Tarmelon_CanopyClose, number", 1);
        c.canopyWasOpen = 0;
    }
    const bool exposed = get_int(PROP) == 1 || open > SAFE_OPEN_PERCENT;
    if (exposed && get_int("A:AIRSPEED INDICATED,Knots") > SAFE_KNOTS) {
        set_int(JETTISON, 1);
        show_white_text(DESTROYED_TEXT, sizeof DESTROYED_TEXT, 0.0f, DESTROYED_TEXT_EVENT);
    }
}

void canopy_handle_left() { handle(HANDLE_L, HANDLE_R); }
void canopy_handle_right() { handle(HANDLE_R, HANDLE_L); }

void canopy_taxi_prop() {
    const bool propped = get_int(PROP) == 1;
    const bool unlocked_on_ground = get_int("A:SIM ON GROUND,bool") == 1 && get_int(HANDLE_L) == 1 &&
                                    get_int(HANDLE_R) == 1 && get_int(LOCKED) == 0;
    if (!propped && unlocked_on_ground) set_int(PROP, 1);
    else if (propped) set_int(PROP, 0);
}

void canopy_close_if_open() {
    if (canopy_percent() >= CLOSE_IF_OPEN_PERCENT) host_trigger_key_event(KEY_CANOPY_TOGGLE, 0);
}

void canopy_jettison_lever() { set_int(JETTISON, 1); }

void canopy_lift_click(bool right) {
    std::int32_t position = get_int(LIFT);
    if (!right) {
        if (position == 1) {
            position = 2;
            set_int(LIFT, position);
            if (state.canopy.canopyClosed == 1) set_int(LOCKED, 0);
        }
    } else if (position == 0 || position == 1) {
        position = 1 - position;
        set_int(LIFT, position);
    }
    write_lift_mirrors(position);
}

void canopy_lift_lever_vc() {
    if (get_int(LIFT_LEVER) == 1 || get_int(LIFT_GUARD) != 1) {
        set_int(LIFT_LEVER, 0);
    } else {
        set_int(LIFT_LEVER, 1);
        set_int(LOCKED, 0);
    }
    derive_lift_position();
}

void canopy_lift_guard_vc() {
    set_int(LIFT_GUARD, get_int(LIFT_GUARD) > 0 ? 0 : 1);
    derive_lift_position();
}

double canopy_lift_icon() {
    CanopyState& c = state.canopy;
    const std::uint32_t now = truncate_u32(read_token(TOKEN_SECONDS));
    if (c.liftSpringArmed == 0) {
        c.liftSpringDue = now + LIFT_SPRING_SECONDS;
        c.liftSpringArmed = 1;
    }
    if (now >= c.liftSpringDue) {
        if (get_int(LIFT) == 2) {
            set_int(LIFT, 1);
            set_int(LIFT_LEVER, 0);
        }
        c.liftSpringDue = now + LIFT_SPRING_SECONDS;
    }
    const std::int32_t position = get_int(LIFT);
    if (position < 0) return 0.0;
    return position > 2 ? 2.0 : static_cast<double>(position);
}

void sync_canopy_lift_mirrors() {
    const std::int32_t position = get_int(LIFT);
    if (position >= 0 && position <= 2) write_lift_mirrors(position);
}

void nose_cone_toggle() {
    set_int("L:NoseConePos,number", get_int("L:NoseConePos,number") == 0 ? 100 : 0);
    state.canopy.noseConeOpen = state.canopy.noseConeOpen != 0 ? 0 : 1;
}

void reset_canopy_working_values() {
    CanopyState& c = state.canopy;
    c.canopyWasOpen = 0;
    c.liftSpringArmed = 0;
    c.liftSpringDue = 0;
    c.noseConeOpen = 0;
}

}  // namespace tarmelon
