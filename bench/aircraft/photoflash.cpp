// Simulated photoflash doors, which the simulator carries as the aircraft's tail hook.
//
// Keeps: A:TAILHOOK HANDLE (0, in, at rest) and A:TAILHOOK POSITION (percent open, 0 at
// rest), and in the aircraft's memory the position the doors travel towards.
// Moved by: simulator events SET_TAIL_HOOK_HANDLE (data 0 closes, anything else opens) and
// TOGGLE_TAIL_HOOK_HANDLE; the doors then travel 25 % a simulated second (4 s end to end).
// A position written from outside (the module's hand pump writes it) is where the doors
// stay until the handle moves again.
#include <algorithm>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kHandle = "A:TAILHOOK HANDLE, bool";
constexpr const char* kPosition = "A:TAILHOOK POSITION, percent";
constexpr double kPercentPerSecond = 25.0;

constexpr RestValue kAtRest[] = {
    {kHandle, 0.0},
    {kPosition, 0.0},
};

void handle_to(Context& c, bool open) {
    c.set(kHandle, open ? 1.0 : 0.0);
    c.memory.tail_hook_target = open ? 100.0 : 0.0;
}

constexpr SimEventRow kSimEvents[] = {
    {"SET_TAIL_HOOK_HANDLE", [](Context& c, std::uint32_t data) { handle_to(c, data != 0); }},
    {"TOGGLE_TAIL_HOOK_HANDLE", [](Context& c, std::uint32_t) { handle_to(c, c.get(kHandle) == 0.0); }},
};

void travel(Context& c, double dt_seconds) {
    Memory& m = c.memory;
    double position = c.get(kPosition);
    if (position != m.tail_hook_after_step) m.tail_hook_target = position;  // written from outside
    const double delta = kPercentPerSecond * dt_seconds;
    const double target = m.tail_hook_target;
    if (position != target)
        position = position < target ? std::min(position + delta, target) : std::max(position - delta, target);
    c.set(kPosition, position);
    m.tail_hook_after_step = position;
}

}  // namespace

const System kPhotoflash{"photoflash", kAtRest, {}, {}, kSimEvents, &travel};

}  // namespace bench::sim
