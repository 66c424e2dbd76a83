// Module-wide fields of the SimConnect link.
#pragma once

#include <cstdint>

#include "sdk/simconnect.h"

namespace tarmelon {

struct SimlinkState {
    sdk::SC_HANDLE simHandle;      // the connection opened by module_init
    sdk::HRESULT_T simResult;      // result of the latest call that records one
    std::uint8_t simOpenReceived;  // 1 once the simulator answered with OPEN
};

}  // namespace tarmelon
