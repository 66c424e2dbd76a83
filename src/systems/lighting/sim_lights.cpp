#include "systems/lighting/sim_lights.h"

#include "core/host.h"
#include "core/sim_keys.h"
#include "core/toggle_sync.h"
#include "core/vars.h"
#include "simlink/connection.h"
#include "simlink/ids.h"
#include "state.h"

namespace tarmelon {

const SimLight SIM_NAV_LIGHT = {"A:LIGHT NAV, bool", {KEY_NAV_LIGHTS_TOGGLE, 1}, {KEY_NAV_LIGHTS_TOGGLE, 1}};
const SimLight SIM_TAXI_LIGHT = {"A:LIGHT TAXI, bool", {KEY_TAXI_LIGHTS_TOGGLE, 1}, {KEY_TAXI_LIGHTS_TOGGLE, 1}};
const SimLight SIM_BEACON_LIGHT = {"A:LIGHT BEACON, bool", {KEY_BEACON_TOGGLE, 1}, {KEY_BEACON_TOGGLE, 1}};

namespace {
constexpr SimLight STROBE = {"A:LIGHT STROBE, bool", {KEY_STROBES_ON, 1}, {KEY_STROBES_OFF, 0}};
constexpr SimLight WING = {"A:LIGHT WING, bool", {KEY_WING_LIGHTS_TOGGLE, 1}, {KEY_WING_LIGHTS_TOGGLE, 1}};
constexpr SimLight LOGO = {"A:LIGHT LOGO, bool", {KEY_LOGO_LIGHTS_TOGGLE, 1}, {KEY_LOGO_LIGHTS_TOGGLE, 1}};
constexpr SimLight CABIN = {"A:LIGHT CABIN, bool", {KEY_CABIN_LIGHTS_TOGGLE, 1}, {KEY_CABIN_LIGHTS_TOGGLE, 1}};

// A light switched by a toggle, every frame: a toggle the simulator has not applied yet is
// not sent again (it would switch the light back).
void follow_by_toggle(const SimLight& light, Want want, bool lit, std::uint8_t& wait) {
    if (want == Want::KEEP) return;
    if (toggle_needed(wait, want == Want::ON, lit)) host_trigger_key_event(light.on.id, light.on.parameter);
}
}  // namespace

void sim_light_set(const SimLight& light, Want want, bool lit) {
    if (want == Want::ON && !lit) host_trigger_key_event(light.on.id, light.on.parameter);
    if (want == Want::OFF && lit) host_trigger_key_event(light.off.id, light.off.parameter);
}

bool sim_light_follow(const SimLight& light, Want want) {
    if (want == Want::KEEP) return false;
    const bool lit = get_int(light.lit_variable) != 0;
    if ((want == Want::ON) == lit) return false;
    sim_light_set(light, want, lit);
    return true;
}

bool landing_light_follow(Want want) {
    if (want == Want::KEEP) return false;
    const bool lit = get_int("A:LIGHT LANDING, bool") != 0;
    if ((want == Want::ON) == lit) return false;
    transmit_event(EV_LANDING_LIGHTS_TOGGLE, 0);
    return true;
}

void strobe_and_beacon_lights() {
    const std::int32_t s1 = get_int("L:StrobeSwitch1,number");
    const std::int32_t s2 = get_int("L:StrobeSwitch2,number");
    const std::int32_t master = get_int("L:Lights_Master, bool");
    const bool logo = get_int(LOGO.lit_variable) != 0;
    const bool strobe = get_int(STROBE.lit_variable) != 0;
    const bool wing = get_int(WING.lit_variable) != 0;
    const bool cabin = get_int(CABIN.lit_variable) != 0;

    Want want_strobe = Want::KEEP, want_wing = Want::KEEP, want_logo = Want::KEEP, want_cabin = Want::KEEP;
    if (master == 0) {
        want_strobe = want_wing = want_logo = want_cabin = Want::OFF;
    } else {
        if (s1 == 0) want_strobe = Want::ON, want_wing = Want::OFF;
        if (s1 == 1) want_strobe = Want::OFF, want_wing = Want::OFF;
        if (s1 == 2) want_strobe = Want::OFF, want_wing = Want::ON;
        if (s2 == 0) want_logo = Want::ON, want_cabin = Want::OFF;
        if (s2 == 1) want_logo = Want::OFF, want_cabin = Want::OFF;
        if (s2 == 2) want_logo = Want::OFF, want_cabin = Want::ON;
        // With the photoflash doors fully open the photoflash indicator keeps the logo light
        // out; the two must not switch it back and forth every frame.
        if (get_int("A:TAILHOOK POSITION, percent") == 100) want_logo = Want::KEEP;
    }
    sim_light_set(STROBE, want_strobe, strobe);
    follow_by_toggle(WING, want_wing, wing, state.lighting.wingToggleWait);
    follow_by_toggle(LOGO, want_logo, logo, state.lighting.logoToggleWait);
    follow_by_toggle(CABIN, want_cabin, cabin, state.lighting.cabinToggleWait);
}

}  // namespace tarmelon
