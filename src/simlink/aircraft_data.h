// Aircraft data arriving from the data requests, keyed by request id.
#pragma once

#include <cstddef>

#include "sdk/simconnect.h"

namespace tarmelon {

// payload: the data words of the message, size: how many bytes of them the message holds.
void on_aircraft_data(sdk::DWORD_T request, const unsigned char* payload, std::size_t size);

// Writes one 64-bit value through a data definition on the user aircraft.
void write_definition(sdk::DWORD_T definition, double value);

// Fills the simulator's tanks with a total in pounds, in the aircraft's fixed order.
void write_fuel_load(std::int32_t total_lbs);

}  // namespace tarmelon
