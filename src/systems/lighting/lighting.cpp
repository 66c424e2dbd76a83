// The external lights, the cockpit lighting buttons and the warning lamps.
#include "systems/lighting/lighting.h"

#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/toggle_sync.h"
#include "core/vars.h"
#include "simlink/connection.h"
#include "simlink/ids.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr char MASTER[] = "L:Lights_Master, bool";
constexpr char NAV_SWITCH[] = "L:Lights_nav_POS, bool";
constexpr char TAXI_SWITCH[] = "L:Lights_taxi_POS, bool";
constexpr char LANDING_SWITCH[] = "L:Lights_landing_POS, number";
constexpr char LANDING_ANIMATION[] = "L:Land_Light_Anim,number";
constexpr char IDENT_SWITCH[] = "L:Lights_ident_POS, number";
constexpr char COCKPIT_LIGHTING[] = "L:Lightpan_CockpitLighting, bool";
constexpr std::int32_t LANDING_LIGHT_SPEED_KNOTS = 200;
constexpr std::uint32_t KEY_PANEL_LIGHTS_TOGGLE = 65750;

std::int32_t master() { return get_int(MASTER); }
std::int32_t sim_nav() { return get_int("A:LIGHT NAV, bool"); }
std::int32_t sim_taxi() { return get_int("A:LIGHT TAXI, bool"); }
std::int32_t sim_landing() { return get_int("A:LIGHT LANDING, bool"); }
std::int32_t sim_beacon() { return get_int("A:LIGHT BEACON, bool"); }
std::uint32_t seconds() { return truncate_u32(read_token(TOKEN_SECONDS)); }
bool dc_power() { return state.electrical.dcPowerAvailable == 1; }

// A toggle sent on a click: the per-update rules then wait for the simulator to show it
// before they would send another.
void toggle_now(std::uint32_t key, std::uint8_t& wait) {
    host_trigger_key_event(key, 1);
    wait = TOGGLE_SETTLE_UPDATES;
}
void toggle_landing_now() {
    transmit_event(EV_LANDING_LIGHTS_TOGGLE, 0);
    state.lighting.landingToggleWait = TOGGLE_SETTLE_UPDATES;
}

// The landing rule, after a click has moved the switch.
void landing_rule() {
    const std::int32_t position = get_int(LANDING_SWITCH);
    const std::int32_t m = master();
    const std::int32_t l = sim_landing();
    if (m == 0 || position == 0) {
        if (l == 1) toggle_landing_now();
        if (get_int(LANDING_ANIMATION) == 100) set_int(LANDING_ANIMATION, 0);
    } else if (m == 1 && position > 0) {
        if (l == 0) toggle_landing_now();
        if (get_int(LANDING_ANIMATION) == 0) set_int(LANDING_ANIMATION, 100);
    }
}

// The beacon rule, after a click has moved the identification switch.
void beacon_rule(std::int32_t position, std::int32_t beacon_before) {
    if (master() != 1) return;
    if ((position == 2 && beacon_before == 0) || (position == 1 && beacon_before == 1))
        toggle_now(KEY_BEACON_TOGGLE, state.lighting.beaconToggleWait);
}

bool ident_step(int by) {
    const std::int32_t beacon = sim_beacon();
    const std::int32_t before = get_int(IDENT_SWITCH);
    std::int32_t position = before;
    if (by < 0 && position > 0) set_int(IDENT_SWITCH, --position);
    if (by > 0 && position < 2) set_int(IDENT_SWITCH, ++position);
    beacon_rule(position, beacon);
    return position != before;
}

// A lamp's value from its condition and DC power.
void lamp(const char* variable, bool powered_lit, std::int32_t lit, std::int32_t dark, std::int32_t unpowered) {
    set_int(variable, !dc_power() ? unpowered : (powered_lit ? lit : dark));
}
bool test_pressed(const char* variable) { return get_int(variable) == 1; }

}  // namespace

// ---- external lights ----------------------------------------------------------------

void update_external_lights() {
    LightingState& s = state.lighting;
    const std::int32_t m = master();
    const std::int32_t n = sim_nav();
    const std::int32_t l = sim_landing();
    const std::int32_t b = sim_beacon();
    const std::int32_t t = sim_taxi();
    set_int("L:lightTaxiState, bool", t);

    // The simulator applies a toggle when it will; one on its way is not sent again.
    if (m == 0) {
        if (toggle_needed(s.navToggleWait, false, n == 1)) host_trigger_key_event(KEY_NAV_LIGHTS_TOGGLE, 1);
        if (toggle_needed(s.beaconToggleWait, false, b == 1)) host_trigger_key_event(KEY_BEACON_TOGGLE, 1);
        if (toggle_needed(s.taxiToggleWait, false, t == 1)) host_trigger_key_event(KEY_TAXI_LIGHTS_TOGGLE, 1);
    }
    const bool too_fast = truncate_i32(read_token(TOKEN_AIRSPEED)) > LANDING_LIGHT_SPEED_KNOTS;
    // One landing toggle at most, for the master and the speed together.
    if ((m == 0 || too_fast) && toggle_needed(s.landingToggleWait, false, l == 1))
        transmit_event(EV_LANDING_LIGHTS_TOGGLE, 0);
    if (too_fast) set_int(LANDING_ANIMATION, 0);
}

void toggle_lights_master() { set_int(MASTER, get_int(MASTER) > 0 ? 0 : 1); }

void toggle_nav_lights() {
    const std::int32_t n = sim_nav();
    const std::int32_t now = get_int(NAV_SWITCH) > 0 ? 0 : 1;
    set_int(NAV_SWITCH, now);
    if (master() == 1 && ((now == 1 && n == 0) || (now == 0 && n == 1)))
        toggle_now(KEY_NAV_LIGHTS_TOGGLE, state.lighting.navToggleWait);
}

void toggle_taxi_lights() { set_int(TAXI_SWITCH, get_int(TAXI_SWITCH) > 0 ? 0 : 1); }

double taxi_switch_frame() {
    const std::int32_t position = get_int(TAXI_SWITCH);
    if (master() == 1 && (position == 0 || position == 1) &&
        toggle_needed(state.lighting.taxiToggleWait, position == 1, sim_taxi() == 1))
        host_trigger_key_event(KEY_TAXI_LIGHTS_TOGGLE, 1);
    return position > 0 ? 1.0 : 0.0;
}

void landing_lights_click(bool right) {
    const std::int32_t position = get_int(LANDING_SWITCH);
    if (!right && position < 2) set_int(LANDING_SWITCH, position + 1);
    if (right && position > 0) set_int(LANDING_SWITCH, position - 1);
    landing_rule();
}

bool ident_lights_upper() { return ident_step(-1); }
bool ident_lights_lower() { return ident_step(+1); }

double ident_switch_frame() {
    SecondsClock& clock = state.lighting.identClock;
    const std::int32_t position = get_int(IDENT_SWITCH);
    if (position == 2) {
        clock.last = seconds();
        if (clock.armed == 0) {
            clock.deadline = clock.last + 1;
            clock.armed = 1;
        }
        if (clock.last >= clock.deadline) {
            set_int(IDENT_SWITCH, 1);
            clock.armed = 0;
        }
    }
    if (position < 0) return 0.0;
    return position > 2 ? 2.0 : static_cast<double>(position);
}

void all_lights_toggle(void (*landing_handler)(bool right)) {
    LightingState& s = state.lighting;
    set_int("L:StrobeSwitch1, number", get_int("L:StrobeSwitch1,number") == 1 ? 0 : 1);
    set_int("L:StrobeSwitch2, number", get_int("L:StrobeSwitch2,number") == 1 ? 0 : 1);

    set_int(NAV_SWITCH, get_int("L:Lights_nav_POS, number") == 0 ? 1 : 0);
    const std::int32_t n = get_int("A:LIGHT NAV, bool");
    if (n == 0 || n == 1) toggle_now(KEY_NAV_LIGHTS_TOGGLE, s.navToggleWait);

    set_int(TAXI_SWITCH, get_int("L:Lights_taxi_POS, number") == 0 ? 1 : 0);
    const std::int32_t t = get_int("A:LIGHT TAXI, bool");
    if (t == 0 || t == 1) toggle_now(KEY_TAXI_LIGHTS_TOGGLE, s.taxiToggleWait);

    if (landing_handler != nullptr) landing_handler(get_int(LANDING_SWITCH) >= 1);

    if (get_int(IDENT_SWITCH) == 1) set_int("L:Lights_ident_POS, bool", 0);
    else set_int(IDENT_SWITCH, 1);
    const std::int32_t b = get_int("A:LIGHT BEACON, bool");
    if (b == 0 || b == 1) toggle_now(KEY_BEACON_TOGGLE, s.beaconToggleWait);
}

// ---- cockpit lighting ---------------------------------------------------------------

void cockpit_lighting_button() {
    const std::int32_t lighting = get_int(COCKPIT_LIGHTING);
    if (lighting != 0 && lighting != 1) return;
    set_int(COCKPIT_LIGHTING, lighting == 0 ? 1 : 0);
    host_trigger_key_event(KEY_PANEL_LIGHTS_TOGGLE, 0);
}

void port_console_lighting_button() {
    const std::int32_t lighting = get_int(COCKPIT_LIGHTING);
    if (lighting != 0 && lighting != 1) return;
    set_int("L:Lightpan_port_console, bool", lighting == 0 ? 1 : 0);
    host_trigger_key_event(KEY_PANEL_LIGHTS_TOGGLE, 0);
}

void toggle_gauge_lighting() {
    const std::int32_t lighting = get_int("L:gaugelight, bool");
    if (lighting == 0 || lighting == 1) set_int("L:gaugelight, bool", lighting == 0 ? 1 : 0);
}

void toggle_accelerometer_lighting() {
    set_int("L:Lightpan_accelerometer, bool", get_int("L:Lightpan_accelerometer, bool") > 0 ? 0 : 1);
}

// ---- warning lamps ------------------------------------------------------------------

void update_rudder_power_lamps() {
    const std::int32_t p1 = state.hydraulics.pumpPressure[0];
    const std::int32_t p2 = state.hydraulics.pumpPressure[1];
    // These two are lit at 0.
    lamp("L:RudderPWRFail100,bool", (p1 < 10 && p2 < 10) || test_pressed("L:Rudder_power_fail100,bool"), 0, 1, 1);
    lamp("L:Rudder_power_fail50_light,bool",
         (p1 < 10 && p2 > 10) || (p1 > 10 && p2 < 10) || test_pressed("L:Rudder_power_fail50,bool"), 0, 1, 1);
}

void update_tank_fire_lamp() {
    lamp("L:TankFireLight, bool",
         truncate_i32(read_token(TOKEN_TANK_FIRE)) == 1 || test_pressed("L:TankFirePressTest,bool"), 1, 0, 0);
}

void update_aileron_power_lamps() {
    constexpr std::int32_t FULL = 2750;
    const std::int32_t a1 = state.hydraulics.aileronServoPressure[0];
    const std::int32_t a2 = state.hydraulics.aileronServoPressure[1];
    lamp("L:Aileron_power_fail_50_light, bool",
         (a1 == 0 && a2 == FULL) || (a1 == FULL && a2 == 0) || test_pressed("L:Aileron_power_fail_50,bool"), 1, 0, 0);
    lamp("L:Aileron_power_fail_100_light, bool", (a1 == 0 && a2 == 0) || test_pressed("L:Aileron_power_fail_100,bool"),
         1, 0, 0);
}

void update_cabin_pressure_lamp() {
    lamp("L:Cabin_pressure_fail_light, bool",
         state.cabin.cabinAltitude * 1000.0 > 34000.0 || test_pressed("L:Cabin_pressure_fail,bool"), 1, 0, 0);
}

void reset_lighting() {
    LightingState& s = state.lighting;
    s.identClock = {};
    s.flareClock.armed = 0;
    s.navToggleWait = s.taxiToggleWait = s.beaconToggleWait = s.landingToggleWait = 0;
    s.derivationsSeen = 0;
}

}  // namespace tarmelon
