// Simulated canopy (the aircraft's exit).
//
// Keeps: A:CANOPY OPEN (percent, 0 at rest), A:EXIT OPEN:1 (the same: the canopy is the
// first exit) and, in the aircraft's memory, the position it
// travels towards.
// Moved by: key event TOGGLE_AIRCRAFT_EXIT (66389), which sends the canopy fully open or
// closed; it then travels 25 % a simulated second (4 s end to end).
#include <algorithm>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kCanopy = "A:CANOPY OPEN, percent";
constexpr double kPercentPerSecond = 25.0;

constexpr KeyRow kKeys[] = {
    {66389, "TOGGLE_AIRCRAFT_EXIT", KeyAction::Custom, kCanopy,
     [](Context& c, std::uint32_t) {
         double& target = c.memory.canopy_target;
         target = target > 0.0 ? 0.0 : 100.0;
     }},
};

void travel(Context& c, double dt_seconds) {
    const double target = c.memory.canopy_target;
    double canopy = c.get(kCanopy);
    if (canopy != target) {
        const double delta = kPercentPerSecond * dt_seconds;
        canopy = canopy < target ? std::min(canopy + delta, target) : std::max(canopy - delta, target);
        c.set(kCanopy, canopy);
    }
    // The canopy is the aircraft's first exit.
    c.set("A:EXIT OPEN:1, percent", canopy);
}

}  // namespace

const System kCanopy{"canopy", {}, {}, kKeys, {}, &travel};

}  // namespace bench::sim
