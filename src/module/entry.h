// Module start and stop, and the seven generic gauge routines every header carries.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

void TM_STDCALL module_init();
// Links every gauge's elements into their tree (the registry does it at load too).
void link_gauge_elements();
void TM_STDCALL module_deinit();

// Each makes exactly one host call, on the element list of the first gauge in the linkage
// record (Elec_Panel), whatever gauge it was called for.
void TM_STDCALL gauge_query();
void TM_STDCALL gauge_install(void* resource_file_handle);
void TM_STDCALL gauge_initialize();
void TM_STDCALL gauge_update();
void TM_STDCALL gauge_generate(sdk::UINT32 phase);
void TM_STDCALL gauge_draw();
void TM_STDCALL gauge_kill();

}  // namespace tarmelon
