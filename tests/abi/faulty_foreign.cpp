// A library that is neither a system library nor SimConnect; the faulty module imports it.
// The platform tests also load it as a probe: it has one export and a known answer.
#include "sdk/platform.h"

extern "C" TM_EXPORT int TM_STDCALL abi_foreign_answer() { return 42; }
