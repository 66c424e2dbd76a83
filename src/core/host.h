// The simulator's gauge function table, as the module uses it. The simulator writes the
// table's address into ImportTable before module_init; until then (or if it never does)
// every call here does nothing and reads as zero.
#pragma once

#include "sdk/gauges.h"

extern "C" {
// The simulator writes its gauge function table into the first entry before module_init.
// Exported beside Linkage by the module's entry layer.
extern TM_EXPORT sdk::GAUGESIMPORT ImportTable;
}

namespace tarmelon {

sdk::PANELS* host();

bool host_execute_calculator_code(const char* code, double* fvalue, std::int32_t* ivalue,
                                  const char** svalue);
void host_trigger_key_event(std::uint32_t event_id, std::uint32_t parameter);
void host_lookup_var(sdk::MODULE_VAR* var);
void host_register_key_event_handler(sdk::GAUGE_KEY_EVENT_HANDLER handler);
void host_unregister_key_event_handler(sdk::GAUGE_KEY_EVENT_HANDLER handler);
bool host_is_panel_window_visible(std::uint32_t panel_id);
sdk::ID host_register_named_variable(const char* name);
sdk::ID host_check_named_variable(const char* name);
void host_set_named_variable_value(sdk::ID id, double value);

void host_element_list_query(sdk::ELEMENT_HEADER* element);
void host_element_list_install(sdk::ELEMENT_HEADER* element, void* resource_file_handle);
void host_element_list_initialize(sdk::ELEMENT_HEADER* element);
void host_element_list_update(sdk::ELEMENT_HEADER* element);
void host_element_list_generate(sdk::ELEMENT_HEADER* element, std::uint32_t phase);
void host_element_list_plot(sdk::ELEMENT_HEADER* element);
void host_element_list_kill(sdk::ELEMENT_HEADER* element);

}  // namespace tarmelon
