// The dispatch procedure: SimConnect calls it for every message.
#pragma once

#include "sdk/simconnect.h"

namespace tarmelon {

void TM_STDCALL simconnect_dispatch(sdk::SIMCONNECT_RECV* message, sdk::DWORD_T size, void* context);

// Copies at most the given number of bytes of a text field, stopping at its terminator; the
// copy is always terminated.
void copy_text_field(char* destination, std::size_t destination_size, const char* source,
                     std::size_t source_size);

}  // namespace tarmelon
