// The SquawkBox client-data link: the transponder mode and ident bytes the online-network
// client reads.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sdk/simconnect.h"

namespace tarmelon {

constexpr std::uint8_t SQUAWKBOX_STANDBY = 0;
constexpr std::uint8_t SQUAWKBOX_MODE_C = 1;
constexpr std::int32_t SQUAWKBOX_IDENT = 2;

void squawkbox_set_mode(std::uint8_t mode);
void squawkbox_ident(std::int32_t value);

// The area's reply: the first time SquawkBox reports the transponder on standby, switch it on.
void on_squawkbox_data(sdk::DWORD_T request, const unsigned char* payload, std::size_t size);

}  // namespace tarmelon
