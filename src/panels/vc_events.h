// The virtual cockpit's click spots send the aircraft's own key events from 69632 on; the
// handler turns each into the same action as the matching 2D control.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

constexpr std::uint32_t CUSTOM_EVENT_FIRST = 69632;  // 0x11000
constexpr std::uint32_t CUSTOM_EVENT_COUNT = 345;    // 69632 .. 69976
constexpr std::uint32_t CLICK_SOUND_EVENT_FIRST = 73729;  // 0x12001 .. 0x12003

// Called by the simulator for every key event it processes; never consumes one.
void TM_CDECL key_event_handler(sdk::ID32 event, sdk::UINT32 parameter, void* user_data);

}  // namespace tarmelon
