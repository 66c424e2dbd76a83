// A library shaped like the module but with two faults the export and import checks must
// report: a stray exported routine (decorated on 32-bit Windows) and a foreign library import.
#include "sdk/gauges.h"

extern "C" int TM_STDCALL abi_foreign_answer();

extern "C" {
TM_EXPORT sdk::GAUGESIMPORT ImportTable = {};
TM_EXPORT sdk::GAUGESLINKAGE_VIEW Linkage = {};
TM_EXPORT int TM_STDCALL stray_routine(int value) { return value + abi_foreign_answer(); }
}
