#include "module/entry.h"

#include "core/host.h"
#include "core/sim_keys.h"
#include "core/sim_window.h"
#include "module/dispatch.h"
#include "module/exports.h"
#include "module/initial_state.h"
#include "panels/vc_events.h"
#include "sdk/win32.h"
#include "simlink/connection.h"
#include "state.h"

namespace tarmelon {

ModuleState state{};

namespace {

constexpr std::uint32_t FUEL_SELECTOR_ALL = 1;

// Timers on the simulator's main window, in the order they are killed at shutdown:
// 4 the flare button, 1 to 3 the flight data recorder.
constexpr UINT_PTR TIMERS_AT_SHUTDOWN[] = {4, 1, 2, 3};

sdk::ELEMENT_HEADER* first_gauge_elements() {
    sdk::GAUGEHDR* first = Linkage.gauge_header_ptr[0];
    return first != nullptr && first->elements_list != nullptr ? *first->elements_list : nullptr;
}

}  // namespace

void TM_STDCALL module_init() {
    link_gauge_elements();
    host_register_key_event_handler(key_event_handler);

    const DWORD length = GetModuleFileNameA(static_cast<HMODULE>(state.core.moduleInstance),
                                            state.core.modulePath, sizeof state.core.modulePath);
    // Always terminated, even when the path filled the buffer or the call failed.
    if (length >= sizeof state.core.modulePath) state.core.modulePath[sizeof state.core.modulePath - 1] = '\0';
    else state.core.modulePath[length] = '\0';

    open_connection(state.core.modulePath, simconnect_dispatch);

    host_trigger_key_event(KEY_65774, 1);
    host_trigger_key_event(KEY_FUEL_SELECTOR_SET, FUEL_SELECTOR_ALL);
    host_trigger_key_event(KEY_FUEL_SELECTOR_2_SET, FUEL_SELECTOR_ALL);

    state.core.initialStateApplied = 0;
    apply_initial_state();
}

void TM_STDCALL module_deinit() {
    delete_addon_menu();

    host_trigger_key_event(KEY_FUEL_SELECTOR_SET, FUEL_SELECTOR_ALL);
    host_trigger_key_event(KEY_FUEL_SELECTOR_2_SET, FUEL_SELECTOR_ALL);

    close_connection();

    HWND main_window = simulator_window();
    for (UINT_PTR timer : TIMERS_AT_SHUTDOWN) KillTimer(main_window, timer);

    host_unregister_key_event_handler(key_event_handler);
}

void TM_STDCALL gauge_query() { host_element_list_query(first_gauge_elements()); }
void TM_STDCALL gauge_install(void* resource_file_handle) {
    host_element_list_install(first_gauge_elements(), resource_file_handle);
}
void TM_STDCALL gauge_initialize() { host_element_list_initialize(first_gauge_elements()); }
void TM_STDCALL gauge_update() { host_element_list_update(first_gauge_elements()); }
void TM_STDCALL gauge_generate(sdk::UINT32 phase) {
    host_element_list_generate(first_gauge_elements(), phase);
}
void TM_STDCALL gauge_draw() { host_element_list_plot(first_gauge_elements()); }
void TM_STDCALL gauge_kill() { host_element_list_kill(first_gauge_elements()); }

}  // namespace tarmelon

// Process attach: keep the instance handle; every reason code succeeds.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) tarmelon::state.core.moduleInstance = instance;
    return TRUE;
}

TM_PROCESS_ATTACH_SHIM(DllMain)
