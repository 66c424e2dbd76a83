// The routing of the simulator's events into the aircraft's systems: intercepted inputs,
// system events and add-on menu selections, and the saved flight's file.
#pragma once

#include <cstdint>

#include "sdk/simconnect.h"

namespace tarmelon {

void handle_sim_event(sdk::DWORD_T event, sdk::DWORD_T data);

// The simulator saved a flight: keep the cockpit beside it.
void on_flight_saved(const char* path);

}  // namespace tarmelon
