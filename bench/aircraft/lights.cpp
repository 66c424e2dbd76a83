// Simulated exterior and cabin lights.
//
// Keeps: A:LIGHT STROBE, LANDING, BEACON, TAXI (and TAXI ON, which follows it), LOGO (and
// LOGO ON, which follows it), RECOGNITION, WING, NAV, CABIN and PANEL (all off at rest), and
// the smoke system's switch outputs A:SMOKE ENABLE:n (off at rest), which the module uses for
// the contrails (1, 2), the flares (5, 6) and the camera flash (9).
// Moved by: key events STROBES_ON (66052), STROBES_OFF (66053), LANDING_LIGHTS_TOGGLE
// (66060), TOGGLE_BEACON_LIGHTS (66239), TOGGLE_TAXI_LIGHTS (66240), TOGGLE_LOGO_LIGHTS
// (66376), TOGGLE_RECOGNITION_LIGHTS (66377), TOGGLE_WING_LIGHTS (66378),
// TOGGLE_NAV_LIGHTS (66379), TOGGLE_CABIN_LIGHTS (66579), PANEL_LIGHTS_TOGGLE (65750), and
// SMOKE_ON (66049) / SMOKE_OFF (66050) with the output's number as parameter.
#include <string>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kTaxi = "A:LIGHT TAXI, bool";
constexpr const char* kLogo = "A:LIGHT LOGO, bool";
constexpr std::uint32_t kSmokeOutputs = 16;  // outputs 0 to 15; other parameters do nothing

void smoke(Context& c, std::uint32_t output, double on) {
    if (output < kSmokeOutputs) c.set("A:SMOKE ENABLE:" + std::to_string(output) + ", bool", on);
}

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
    {66376, "TOGGLE_LOGO_LIGHTS", KeyAction::Custom, kLogo,
     [](Context& c, std::uint32_t) {
         c.toggle(kLogo);
         c.set("A:LIGHT LOGO ON, bool", c.get(kLogo));
     }},
    {65750, "PANEL_LIGHTS_TOGGLE", KeyAction::Toggle, "A:LIGHT PANEL, bool"},
    {66049, "SMOKE_ON", KeyAction::Custom, nullptr, [](Context& c, std::uint32_t n) { smoke(c, n, 1.0); }},
    {66050, "SMOKE_OFF", KeyAction::Custom, nullptr, [](Context& c, std::uint32_t n) { smoke(c, n, 0.0); }},
    {66377, "TOGGLE_RECOGNITION_LIGHTS", KeyAction::Toggle, "A:LIGHT RECOGNITION, bool"},
    {66378, "TOGGLE_WING_LIGHTS", KeyAction::Toggle, "A:LIGHT WING, bool"},
    {66379, "TOGGLE_NAV_LIGHTS", KeyAction::Toggle, "A:LIGHT NAV, bool"},
    {66579, "TOGGLE_CABIN_LIGHTS", KeyAction::Toggle, "A:LIGHT CABIN, bool"},
};

}  // namespace

const System kLights{"lights", {}, {}, kKeys, {}, nullptr};

}  // namespace bench::sim
