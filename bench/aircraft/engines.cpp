// Simulated engines: throttle levers, starters and the engine readings behind the tokens.
//
// Keeps: A:GENERAL ENG THROTTLE LEVER POSITION:1 and :2 (percent), A:GENERAL ENG STARTER:1
// and :2, and serves A:ENG OIL PRESSURE, A:GENERAL ENG RPM and A:ENG FUEL FLOW PPH of both
// engines as tokens 562/572, 624/643 and 638/657 (0 until something sets them).
// Moved by: simulator events AXIS_THROTTLE1_SET, AXIS_THROTTLE2_SET, AXIS_THROTTLE_SET (axis
// -16383..16383 over 0..100 %), THROTTLE1_SET, THROTTLE2_SET, THROTTLE_SET (0..16383 over
// 0..100 %), TOGGLE_STARTER1 and TOGGLE_STARTER2; `token N VALUE` for the readings.
#include <algorithm>
#include <cstdint>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kLever1 = "A:GENERAL ENG THROTTLE LEVER POSITION:1, percent";
constexpr const char* kLever2 = "A:GENERAL ENG THROTTLE LEVER POSITION:2, percent";

constexpr TokenRow kTokens[] = {
    {562, "A:ENG OIL PRESSURE:1, psi", 1.0},
    {572, "A:ENG OIL PRESSURE:2, psi", 1.0},
    {624, "A:GENERAL ENG RPM:1, rpm", 1.0},
    {643, "A:GENERAL ENG RPM:2, rpm", 1.0},
    {638, "A:ENG FUEL FLOW PPH:1, pounds per hour", 1.0},
    {657, "A:ENG FUEL FLOW PPH:2, pounds per hour", 1.0},
};

// Axis events carry -16383..16383 as a signed 32-bit value.
double axis_percent(std::uint32_t data) {
    const double v = static_cast<std::int32_t>(data);
    return std::clamp((v + 16383.0) / 32766.0 * 100.0, 0.0, 100.0);
}

// The older throttle events carry 0..16383.
double lever_percent(std::uint32_t data) {
    return std::clamp(static_cast<std::int32_t>(data) / 16383.0 * 100.0, 0.0, 100.0);
}

constexpr SimEventRow kSimEvents[] = {
    {"AXIS_THROTTLE1_SET", [](Context& c, std::uint32_t d) { c.set(kLever1, axis_percent(d)); }},
    {"AXIS_THROTTLE2_SET", [](Context& c, std::uint32_t d) { c.set(kLever2, axis_percent(d)); }},
    {"AXIS_THROTTLE_SET",
     [](Context& c, std::uint32_t d) {
         c.set(kLever1, axis_percent(d));
         c.set(kLever2, axis_percent(d));
     }},
    {"THROTTLE1_SET", [](Context& c, std::uint32_t d) { c.set(kLever1, lever_percent(d)); }},
    {"THROTTLE2_SET", [](Context& c, std::uint32_t d) { c.set(kLever2, lever_percent(d)); }},
    {"THROTTLE_SET",
     [](Context& c, std::uint32_t d) {
         c.set(kLever1, lever_percent(d));
         c.set(kLever2, lever_percent(d));
     }},
    {"TOGGLE_STARTER1", [](Context& c, std::uint32_t) { c.toggle("A:GENERAL ENG STARTER:1, bool"); }},
    {"TOGGLE_STARTER2", [](Context& c, std::uint32_t) { c.toggle("A:GENERAL ENG STARTER:2, bool"); }},
};

}  // namespace

const System kEngines{"engines", {}, kTokens, {}, kSimEvents, nullptr};

}  // namespace bench::sim
