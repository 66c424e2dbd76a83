#include "systems/canopy/canopy.h"

#include <cstdint>

#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr std::uint32_t MIST_CLIMB_SECONDS = 1800;
constexpr std::uint32_t MIST_STEP_SECONDS = 5;

struct MistLevel {
    std::int32_t light, medium, heavy, step, light_external, heavy_external;
};
constexpr MistLevel MIST_LEVELS[8] = {
    {0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 1, 0}, {1, 0, 0, 1, 1, 0}, {0, 1, 0, 0, 1, 0},
    {0, 1, 0, 1, 1, 0}, {0, 0, 1, 1, 0, 1}, {1, 0, 1, 1, 0, 1}, {1, 1, 1, 1, 0, 1},
};

// One step of misting or clearing while the canopy is misting or being cleared.
void mist_step(std::uint32_t now) {
    CanopyState& c = state.canopy;
    const bool demist = get_int("L:Pull_Demist,number") != 0;
    const bool heat = get_int("L:Canopy Heat Position, bool") != 0;
    if (c.mistStepArmed == 0) {
        c.mistNextStep = now + MIST_STEP_SECONDS;
        c.mistStepArmed = 1;
    }
    if (c.canopyClosed != 1) {
        c.mistLevel = 0;
        return;
    }
    if (!demist || !heat) {
        if (c.mistLevel < 7 && now >= c.mistNextStep) {
            ++c.mistLevel;
            c.mistNextStep = now + MIST_STEP_SECONDS;
        }
    } else if (c.mistLevel < 1) {
        c.mistPending = 0;
    } else if (now >= c.mistNextStep) {
        --c.mistLevel;
        c.mistNextStep = now + MIST_STEP_SECONDS;
    }
}

}  // namespace

void canopy_toggle() {
    host_trigger_key_event(KEY_CANOPY_TOGGLE, 1);
    const bool open = state.canopy.canopyFullyOpenSeen == 1;
    set_int("L:Canopy_Handle_R,bool", open ? 0 : 1);
    set_int("L:Canopy_Handle_L,bool", open ? 0 : 1);
    set_int("L:Canopy_Locked_Indicator, bool", open ? 1 : 0);
}

void note_canopy_position() {
    state.canopy.canopyFullyOpenSeen = state.simdata.canopyOpenPercent != 0.0 ? 1 : 0;
}

void note_canopy_closed_or_open(int percent) {
    if (percent == 0) {
        state.canopy.canopyClosed = 1;
        state.canopy.canopyFullyOpenSeen = 0;
    } else if (percent == 100) {
        state.canopy.canopyClosed = 0;
        state.canopy.canopyFullyOpenSeen = 1;
    }
}

void canopy_misting() {
    CanopyState& c = state.canopy;
    const std::uint32_t now = truncate_u32(read_token(TOKEN_SECONDS));
    const std::int32_t altitude = truncate_i32(read_token(TOKEN_ALTITUDE));

    if (c.mistThreshold < altitude && c.aboveMistThreshold == 0) {
        c.aboveSince = now;
        c.aboveMistThreshold = 1;
    }
    if (altitude < c.mistThreshold && c.aboveMistThreshold == 1) {
        if (now >= c.aboveSince + MIST_CLIMB_SECONDS) c.mistPending = 1;
        c.aboveMistThreshold = 0;
    }
    if (c.mistPending == 1) mist_step(now);

    const MistLevel& m = MIST_LEVELS[c.mistLevel < 0 ? 0 : c.mistLevel > 7 ? 7 : c.mistLevel];
    set_int("L:Tarmelon_Mist_Light,number", m.light);
    set_int("L:Tarmelon_Mist_Medium,number", m.medium);
    set_int("L:Tarmelon_Mist_Heavy,number", m.heavy);
    set_int("L:Tarmelon_Mist_Step,number", m.step);
    set_int("L:Tarmelon_Mist_Light_External,number", m.light_external);
    set_int("L:Tarmelon_Mist_Heavy_External,number", m.heavy_external);
}

}  // namespace tarmelon
