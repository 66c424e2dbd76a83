#include "systems/fuel/fuel_controls.h"

#include <cstdint>

#include "core/vars.h"

namespace tarmelon {

namespace {

struct LpCock {
    const char* position;
    const char* lever;
    const char* cover;
};
constexpr LpCock PORT_COCK = {"L:portLPCockPos, number", "L:Hydpan_port_fuelcocks,bool", "L:PortFuelCocksCover,bool"};
constexpr LpCock STBD_COCK = {"L:stbdLPCockPos, number", "L:Hydpan_stbd_fuelcocks,bool", "L:StrbFuelCocksCover,bool"};

bool set(const char* name) { return get_int(name) > 0; }

// Lever and cover of each position: 0 shut, 1 open, 2 open under a shut cover.
void write_mirrors(const LpCock& cock) {
    const std::int32_t position = get_int(cock.position);
    if (position < 0 || position > 2) return;
    set_int(cock.lever, position >= 1 ? 1 : 0);
    set_int(cock.cover, position == 2 ? 1 : 0);
}

void click(const LpCock& cock, bool right) {
    const std::int32_t position = get_int(cock.position);
    const std::int32_t low = right ? 1 : 0;  // left swaps 0 and 1, right 1 and 2
    if (position == low) set_int(cock.position, low + 1);
    else if (position == low + 1) set_int(cock.position, low);
    write_mirrors(cock);
}

// (lever, cover): (0, 0) shut, (1, 0) open, (1, 1) open under the cover; a shut cover
// over a shut lever leaves the position.
void derive_position(const LpCock& cock) {
    const bool lever = set(cock.lever);
    const bool cover = set(cock.cover);
    if (cover && !lever) return;
    set_int(cock.position, lever ? (cover ? 2 : 1) : 0);
}

// The cover moves only over an open lever, or away from the lever it holds.
void cover_vc(const LpCock& cock) {
    const bool lever = set(cock.lever);
    const bool cover = set(cock.cover);
    if (cover || lever) set_int(cock.cover, cover ? 0 : 1);
    derive_position(cock);
}

// A shut cover holds the lever; otherwise the lever toggles.
void lever_vc(const LpCock& cock) {
    const bool lever = set(cock.lever);
    const bool cover = set(cock.cover);
    if (!(lever && cover)) set_int(cock.lever, lever || cover ? 0 : 1);
    derive_position(cock);
}

void toggle(const char* name) { set_int(name, get_int(name) > 0 ? 0 : 1); }

}  // namespace

void port_lp_cock_click(bool right) { click(PORT_COCK, right); }
void stbd_lp_cock_click(bool right) { click(STBD_COCK, right); }
void port_lp_cock_cover_vc() { cover_vc(PORT_COCK); }
void port_lp_cock_lever_vc() { lever_vc(PORT_COCK); }
void stbd_lp_cock_cover_vc() { cover_vc(STBD_COCK); }
void stbd_lp_cock_lever_vc() { lever_vc(STBD_COCK); }

void toggle_port_wing_transfer() { toggle("L:PortTrans2RearTankPos, bool"); }
void toggle_stbd_wing_transfer() { toggle("L:StbdTrans2RearTankPos, bool"); }

void sync_lp_cock_mirrors() {
    write_mirrors(PORT_COCK);
    write_mirrors(STBD_COCK);
}

}  // namespace tarmelon
