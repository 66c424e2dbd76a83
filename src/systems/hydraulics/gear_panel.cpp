#include "systems/hydraulics/gear_panel.h"

#include <cstdint>

#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "state.h"
#include "systems/canopy/canopy.h"

namespace tarmelon {

namespace {

constexpr std::int32_t GEAR_UP_MIN_KNOTS = 74;   // the gear rises only above this
constexpr std::int32_t NOSE_WARNING_THROTTLE = 32;

bool dc_power() { return state.electrical.dcPowerAvailable == 1; }

void raise(const char* selector, std::int32_t& copy) {
    const std::int32_t value = get_int(selector);
    if (value <= 0) set_int(selector, value + 1);
    copy = get_int(selector);
}
void lower(const char* selector, std::int32_t& copy) {
    const std::int32_t value = get_int(selector);
    if (value > 0) set_int(selector, value - 1);
    copy = get_int(selector);
}

struct LampVariables {
    const char* bright;
    const char* dim;
};

struct Leg {
    LampVariables red, greena, greenb;
};
constexpr Leg LEGS[] = {
    {{"L:Gearpan_port_red_bright,bool", "L:Gearpan_port_red_dim,bool"},
     {"L:Gearpan_port_greena_bright,bool", "L:Gearpan_port_greena_dim,bool"},
     {"L:Gearpan_port_greenb_bright,bool", "L:Gearpan_port_greenb_dim,bool"}},
    {{"L:Gearpan_nose_red_bright,bool", "L:Gearpan_nose_red_dim,bool"},
     {"L:Gearpan_nose_greena_bright,bool", "L:Gearpan_nose_greena_dim,bool"},
     {"L:Gearpan_nose_greenb_bright,bool", "L:Gearpan_nose_greenb_dim,bool"}},
    {{"L:Gearpan_stbd_red_bright,bool", "L:Gearpan_stbd_red_dim,bool"},
     {"L:Gearpan_stbd_greena_bright,bool", "L:Gearpan_stbd_greena_dim,bool"},
     {"L:Gearpan_stbd_greenb_bright,bool", "L:Gearpan_stbd_greenb_dim,bool"}},
};

std::int32_t leg_percent(GearLeg leg) {
    const HydraulicsState& h = state.hydraulics;
    switch (leg) {
        case GearLeg::PORT: return h.portGearPercent;
        case GearLeg::NOSE: return h.noseGearPercent;
        case GearLeg::STBD: return h.stbdGearPercent;
    }
    return 0;
}

// A lit lamp takes the day/night selector's brightness: day bright (1), night dim (2); a
// selector out of its range shows the lamp dark and leaves its variables as they are.
double lit(const LampVariables& lamp) {
    switch (state.hydraulics.dayNightLamp) {
        case 0:
            set_int(lamp.bright, 1);
            set_int(lamp.dim, 0);
            return 1.0;
        case 1:
            set_int(lamp.bright, 0);
            set_int(lamp.dim, 1);
            return 2.0;
        default: return 0.0;
    }
}
double dark(const LampVariables& lamp) {
    set_int(lamp.bright, 0);
    set_int(lamp.dim, 0);
    return 0.0;
}

}  // namespace

void gear_up_button() {
    if (get_int("L:GearUpButton, bool") <= 0) {
        set_int("L:GearUpButton, bool", 1);
        set_int("L:GearDownButton, bool", 0);
        const bool airborne = get_int("A:SIM ON GROUND, bool") == 0;
        const bool fast = truncate_i32(read_token(TOKEN_AIRSPEED)) > GEAR_UP_MIN_KNOTS;
        if (airborne && fast && dc_power()) host_trigger_key_event(KEY_GEAR_SET, 0);
    }
}

void gear_down_button() {
    if (get_int("L:GearDownButton, bool") <= 0) {
        set_int("L:GearDownButton, bool", 1);
        set_int("L:GearUpButton, bool", 0);
        if (dc_power()) host_trigger_key_event(KEY_GEAR_SET, 1);
    }
}

void flap_lever() {
    if (get_int("L:FlapLever Position, bool") > 0) {
        set_int("L:FlapLever Position, bool", 0);
        if (dc_power()) host_trigger_key_event(KEY_FLAPS_DOWN, 0);
    } else {
        set_int("L:FlapLever Position, bool", 1);
        if (dc_power()) host_trigger_key_event(KEY_FLAPS_UP, 0);
    }
}

void day_night_selector_raise() { raise("L:gear_DayNight_lampPos, number", state.hydraulics.dayNightLamp); }
void day_night_selector_lower() { lower("L:gear_DayNight_lampPos, number", state.hydraulics.dayNightLamp); }
void ab_selector_raise() { raise("L:gear_AB_lampPos, number", state.hydraulics.abLamp); }
void ab_selector_lower() { lower("L:gear_AB_lampPos, number", state.hydraulics.abLamp); }

void update_gear_panel() {
    HydraulicsState& h = state.hydraulics;
    h.gearDownButton = get_int("L:GearDownButton, bool");
    h.noseGearPercent = get_int("A:GEAR CENTER POSITION, percent");
    h.portGearPercent = get_int("A:GEAR LEFT POSITION, percent");
    h.stbdGearPercent = get_int("A:GEAR RIGHT POSITION, percent");
    h.throttlePercent[0] = get_int("A:GENERAL ENG THROTTLE LEVER POSITION:1, percent");
    h.throttlePercent[1] = get_int("A:GENERAL ENG THROTTLE LEVER POSITION:2, percent");
    h.dayNightLamp = get_int("L:gear_DayNight_lampPos, number");
    h.abLamp = get_int("L:gear_AB_lampPos, number");

    const std::int32_t canopy = get_int("A:CANOPY OPEN, percent");
    set_int("L:tempCanopy, number", canopy);
    set_int("L:ENG1_thrPerc, number", h.throttlePercent[0]);
    set_int("L:ENG2_thrPerc, number", h.throttlePercent[1]);
    set_int("L:curGearPos_nose, number", h.noseGearPercent);
    set_int("L:curGearPos_left, number", h.portGearPercent);
    set_int("L:curGearPos_right, number", h.stbdGearPercent);

    note_canopy_closed_or_open(canopy);
}

double gear_red_lamp(GearLeg leg) {
    const HydraulicsState& h = state.hydraulics;
    const LampVariables& lamp = LEGS[static_cast<int>(leg)].red;
    const std::int32_t at = leg_percent(leg);
    const bool down_selected = h.gearDownButton == 1;
    const bool up_selected = h.gearDownButton == 0;
    if (dc_power() && ((down_selected && at != 100) || (up_selected && at != 0))) return lit(lamp);
    if (leg == GearLeg::NOSE) {
        // The nose lamp also warns of the gear not down with the throttles back.
        const bool throttles_up = h.throttlePercent[0] > NOSE_WARNING_THROTTLE && h.throttlePercent[1] > NOSE_WARNING_THROTTLE;
        if (throttles_up || at == 100) return dark(lamp);
        return lit(lamp);
    }
    return dark(lamp);
}

double gear_green_lamp(GearLeg leg, bool set_b) {
    const HydraulicsState& h = state.hydraulics;
    const Leg& l = LEGS[static_cast<int>(leg)];
    // The starboard leg's sets are wired the other way round.
    const bool greena = (leg == GearLeg::STBD) == set_b;
    const LampVariables& lamp = greena ? l.greena : l.greenb;
    const bool locked_down = h.gearDownButton == 1 && leg_percent(leg) == 100;
    if (locked_down && h.abLamp == (set_b ? 1 : 0) && dc_power()) return lit(lamp);
    return dark(lamp);
}

}  // namespace tarmelon
