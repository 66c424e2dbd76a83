// Simulated exterior and cabin lights.
//
// Keeps: A:LIGHT STROBE, LANDING, BEACON, TAXI (and TAXI ON, which follows it), LOGO,
// RECOGNITION, WING, NAV and CABIN (all off at rest).
// Moved by: key events STROBES_ON (66052), STROBES_OFF (66053), LANDING_LIGHTS_TOGGLE
// (66060), TOGGLE_BEACON_LIGHTS (66239), TOGGLE_TAXI_LIGHTS (66240), TOGGLE_LOGO_LIGHTS
// (66376), TOGGLE_RECOGNITION_LIGHTS (66377), TOGGLE_WING_LIGHTS (66378),
// TOGGLE_NAV_LIGHTS (66379) and TOGGLE_CABIN_LIGHTS (66579).
#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kTaxi = "A:LIGHT TAXI, bool";

constexpr KeyRow kKeys[] = {
    {66052, "STROBES_ON", KeyAction::On, "A:LIGHT STROBE, bool"},
    {66053, "STROBES_OFF", KeyAction::Off, "A:LIGHT STROBE, bool"},
    {66060, "LANDING_LIGHTS_TOGGLE", KeyAction::Toggle, "A:LIGHT LANDING, bool"},
    {66239, "TOGGLE_BEACON_LIGHTS", KeyAction::Toggle, "A:LIGHT BEACON, bool"},
    {66240, "TOGGLE_TAXI_LIGHTS", KeyAction::Custom, kTaxi,
     [](Context& c, std::uint32_t) {
         c.toggle(kTaxi);
         c.set("A:LIGHT TAXI ON, bool", c.get(kTaxi));
     }},
    {66376, "TOGGLE_LOGO_LIGHTS", KeyAction::Toggle, "A:LIGHT LOGO, bool"},
    {66377, "TOGGLE_RECOGNITION_LIGHTS", KeyAction::Toggle, "A:LIGHT RECOGNITION, bool"},
    {66378, "TOGGLE_WING_LIGHTS", KeyAction::Toggle, "A:LIGHT WING, bool"},
    {66379, "TOGGLE_NAV_LIGHTS", KeyAction::Toggle, "A:LIGHT NAV, bool"},
    {66579, "TOGGLE_CABIN_LIGHTS", KeyAction::Toggle, "A:LIGHT CABIN, bool"},
};

}  // namespace

const System kLights{"lights", {}, {}, kKeys, {}, nullptr};

}  // namespace bench::sim
