#include "core/frame.h"

#include "core/numeric.h"
#include "core/state.h"
#include "core/vars.h"
#include "simlink/connection.h"

namespace tarmelon {

namespace {
constexpr std::int32_t TOKEN_TICK18 = 1;
constexpr char CONNECTION_FAILED_TEXT[] =
    "SimConnect has failed to connect. Please restart Flight Simulator.";
}  // namespace

void frame_pre_update() {
    // 1. Tick.
    state.frame.currentTick = truncate_u32(read_token(TOKEN_TICK18));

    // 3. Connection watch: repeats every frame while the simulator has not answered.
    if (state.frame.currentTick >= state.frame.baseTick + 5 && state.simlink.simOpenReceived == 0)
        show_text(CONNECTION_FAILED_TEXT, sizeof CONNECTION_FAILED_TEXT, 0.0f);
}

sdk::FLOAT64 TM_STDCALL frame_update_list(sdk::ELEMENT_NEEDLE*) { return 0.0; }

}  // namespace tarmelon
