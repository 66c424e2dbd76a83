// Simulated radios and navigation: transponder, VOR courses, heading bug, compass and GPS.
//
// Keeps: A:TRANSPONDER CODE:1 (bco16, 1200 at rest), A:NAV OBS:1 and :2 (270 at rest,
// tokens 854 and 45 for course 1, 54 for course 2), A:AUTOPILOT HEADING LOCK DIR (270, token
// 855), A:WHISKEY COMPASS INDICATION DEGREES (270, token 83) and A:GPS GROUND MAGNETIC TRACK
// (270, token 107).
// Moved by: key events XPNDR_SET (65715), VOR1_SET (65716), VOR2_SET (65717) and
// HEADING_BUG_SET (66042), each setting its value to the event's parameter; `token N VALUE`.
#include "systems.h"

namespace bench::sim {
namespace {

constexpr RestValue kAtRest[] = {
    {"A:AUTOPILOT HEADING LOCK DIR, degrees", 270.0},
    {"A:NAV OBS:1, degrees", 270.0},
    {"A:NAV OBS:2, degrees", 270.0},
    {"A:WHISKEY COMPASS INDICATION DEGREES, degrees", 270.0},
    {"A:GPS GROUND MAGNETIC TRACK, degrees", 270.0},
    {"A:TRANSPONDER CODE:1, bco16", 0x1200},
};

constexpr TokenRow kTokens[] = {
    {854, "A:NAV OBS:1, degrees", 1.0},
    {855, "A:AUTOPILOT HEADING LOCK DIR, degrees", 1.0},
    {83, "A:WHISKEY COMPASS INDICATION DEGREES, degrees", 1.0},
    {45, "A:NAV OBS:1, degrees", 1.0},
    {54, "A:NAV OBS:2, degrees", 1.0},
    {107, "A:GPS GROUND MAGNETIC TRACK, degrees", 1.0},
};

constexpr KeyRow kKeys[] = {
    {65715, "XPNDR_SET", KeyAction::SetTo, "A:TRANSPONDER CODE:1, bco16"},
    {65716, "VOR1_SET", KeyAction::SetTo, "A:NAV OBS:1, degrees"},
    {65717, "VOR2_SET", KeyAction::SetTo, "A:NAV OBS:2, degrees"},
    {66042, "HEADING_BUG_SET", KeyAction::SetTo, "A:AUTOPILOT HEADING LOCK DIR, degrees"},
};

}  // namespace

const System kRadios{"radios", kAtRest, kTokens, kKeys, {}, nullptr};

}  // namespace bench::sim
