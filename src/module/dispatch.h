// The dispatch procedure: SimConnect calls it for every message. It checks each message's size,
// decodes it and hands it on: registrations and received data to the connection service,
// events and flight files to the routing of sim_events.
#pragma once

#include "sdk/simconnect.h"

namespace tarmelon {

void TM_STDCALL simconnect_dispatch(sdk::SIMCONNECT_RECV* message, sdk::DWORD_T size, void* context);

}  // namespace tarmelon
