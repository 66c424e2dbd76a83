// The simulator's own exterior and cabin lights, made to follow the aircraft's switches.
//
// Reads: the simulator's light variables ("A:LIGHT NAV, bool" and the others), "L:StrobeSwitch1,number",
// "L:StrobeSwitch2,number", "L:Lights_Master, bool".
// Key events: the simulator's light toggles (66379 nav, 66240 taxi, 66239 beacon, 66376 logo,
// 66378 wing, 66579 cabin, 66377 recognition, 66060 landing), strobes on 66052 [1] / off 66053.
// SimConnect: LANDING_LIGHTS_TOGGLE for the landing light.
// Example: master on and strobe switch 1 at 0 with the simulator's strobe off sends 66052 [1].
#pragma once

#include <cstdint>

namespace tarmelon {

enum class Want : std::uint8_t { OFF, ON, KEEP };

struct KeyPress {
    std::uint32_t id;
    std::uint32_t parameter;
};

// A simulator light: the variable that says whether it is lit (spelled as each place of use
// gives it) and the key events that switch it on and off (a toggle is both).
struct SimLight {
    const char* lit_variable;
    KeyPress on;
    KeyPress off;
};

// The lights the cockpit's switches drive.
extern const SimLight SIM_NAV_LIGHT;
extern const SimLight SIM_TAXI_LIGHT;
extern const SimLight SIM_BEACON_LIGHT;

// Sends the light's key when it is lit and should be off, or dark and should be on.
void sim_light_set(const SimLight& light, Want want, bool lit);
// The same, reading the simulator's light first. True when a key was sent.
bool sim_light_follow(const SimLight& light, Want want);
// The landing light, switched through SimConnect. True when it was toggled.
bool landing_light_follow(Want want);

// Every frame: the two strobe switches and the lighting master drive the simulator's strobe,
// wing, logo and cabin lights.
void strobe_and_beacon_lights();

}  // namespace tarmelon
