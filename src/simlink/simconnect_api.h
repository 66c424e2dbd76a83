// The SimConnect functions the module calls, looked up by name in the SimConnect library at
// start. The gauges must load even where SimConnect is missing: every function that cannot
// be found is replaced by one that fails, so callers never test for null.
#pragma once

#include "sdk/simconnect.h"

namespace tarmelon {

struct SimConnectApi {
#define TM_SC_MEMBER(name, params) sdk::PFN_##name name;
    TM_SIMCONNECT_FUNCTIONS(TM_SC_MEMBER)
#undef TM_SC_MEMBER
};

extern SimConnectApi sc;

// Loads the library and resolves every function. False when the library or any function
// is missing (the missing ones fail when called).
bool simconnect_load();
void simconnect_unload();

}  // namespace tarmelon
