#include "systems/fuel/tip_tanks.h"

#include <cstdint>

#include "core/numeric.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr const char* POSITION = "L:TankJettison_Switch_POS, number";
constexpr const char* GUARD = "L:Gearpan_Fueltank_jet_guard,bool";
constexpr const char* LEVER = "L:Gearpan_fueltank_jettison,bool";
constexpr std::uint32_t SPRING_SECONDS = 2;

void write_mirrors(std::int32_t position) {
    set_int(GUARD, position >= 1 ? 1 : 0);
    set_int(LEVER, position == 2 ? 1 : 0);
}

void derive_position() {
    const std::int32_t lever = get_int(LEVER);
    const std::int32_t guard = get_int(GUARD);
    if (lever == 0) set_int(POSITION, guard == 0 ? 0 : 1);
    else if (guard == 1) set_int(POSITION, 2);
    // the lever alone leaves the position
}

}  // namespace

void tip_tank_jettison_click(bool right) {
    std::int32_t position = get_int(POSITION);
    if (!right && position == 1) position = 2;
    else if (right && (position == 0 || position == 1)) position = 1 - position;
    else {
        sync_tip_tank_mirrors();
        return;
    }
    set_int(POSITION, position);
    write_mirrors(position);
}

void tip_tank_guard_vc() {
    set_int(GUARD, get_int(GUARD) > 0 ? 0 : 1);
    derive_position();
}

void tip_tank_lever_vc() {
    set_int(LEVER, get_int(LEVER) > 0 ? 0 : 1);
    derive_position();
}

double tip_tank_jettison_icon() {
    FuelState& f = state.fuel;
    const std::uint32_t now = truncate_u32(read_token(TOKEN_SECONDS));
    if (f.tipTankSpringArmed == 0) {
        f.tipTankSpringDue = now + SPRING_SECONDS;
        f.tipTankSpringArmed = 1;
    }
    if (now >= f.tipTankSpringDue) {
        f.tipTankSpringDue = now + SPRING_SECONDS;
        if (get_int(POSITION) == 2) {
            set_int(POSITION, 1);
            set_int(LEVER, 0);
        }
    }
    const std::int32_t position = get_int(POSITION);
    if (position < 0) return 0.0;
    return position > 2 ? 2.0 : static_cast<double>(position);
}

void sync_tip_tank_mirrors() {
    const std::int32_t position = get_int(POSITION);
    if (position >= 0 && position <= 2) write_mirrors(position);
}

}  // namespace tarmelon
