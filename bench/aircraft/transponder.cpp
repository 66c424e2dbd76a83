// Simulated transponder: the code the simulator keeps, and what the online-network client
// (SquawkBox) is told of its mode and ident.
//
// Keeps, at rest:
// - A:TRANSPONDER CODE:1 (bco16): 1200, packed four bits a digit as the simulator keeps it
//   (0x1200, 4608); the module reads it as "A:TRANSPONDER CODE:1, number".
// Moved by:
// - XPNDR_SET (65715) loads the code from the event's parameter, its low 16 bits (the
//   register's width); `set`.
// The mode and the ident request are not the simulator's: the module writes them into the
// SquawkBox client-data area, bytes 17 (mode: 0 standby, 1 on) and 19 (ident: 2), which the
// bench's stand-in SimConnect keeps as the network client would read them
// (`expect-client-data "SquawkBox Data" 17 1`, `scstandin::client_data`); the SquawkBox
// client's own reports are written there with `client-data "SquawkBox Data" 17 0`.
#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kCode = "A:TRANSPONDER CODE:1, bco16";

constexpr RestValue kAtRest[] = {
    {kCode, 0x1200},
};

void set_code(Context& c, std::uint32_t parameter) { c.set(kCode, static_cast<double>(parameter & 0xFFFFu)); }

constexpr KeyRow kKeys[] = {
    {65715, "XPNDR_SET", KeyAction::Custom, kCode, set_code},
};

}  // namespace

const System kTransponder{"transponder", kAtRest, {}, kKeys, {}, nullptr};

}  // namespace bench::sim
