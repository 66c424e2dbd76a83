// The simulator's tail hook inputs, which this aircraft uses for its photoflash doors (the
// handle and the doors' travel are kept by gear.cpp: 25 % a second towards the handle while
// the hydraulic switch is on).
//
// Moved by: simulator events SET_TAIL_HOOK_HANDLE (data 0 puts the handle up, anything else
// down, opening the doors) and TOGGLE_TAIL_HOOK_HANDLE, on A:TAILHOOK HANDLE.
#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kHandle = "A:TAILHOOK HANDLE, bool";

constexpr SimEventRow kSimEvents[] = {
    {"SET_TAIL_HOOK_HANDLE", [](Context& c, std::uint32_t data) { c.set(kHandle, data != 0 ? 1.0 : 0.0); }},
    {"TOGGLE_TAIL_HOOK_HANDLE", [](Context& c, std::uint32_t) { c.toggle(kHandle); }},
};

}  // namespace

const System kPhotoflash{"photoflash", {}, {}, {}, kSimEvents, nullptr};

}  // namespace bench::sim
