#include "core/host.h"

#include <type_traits>

namespace tarmelon {

sdk::PANELS* host() { return ImportTable.PANELSentry.fnptr; }

namespace {
// Calls one slot of the host table when the table and the slot are there.
template <typename Slot, typename... Args>
auto call(Slot sdk::PANELS::*slot, Args... args) {
    sdk::PANELS* table = host();
    using Result = decltype((table->*slot)(args...));
    if constexpr (std::is_void_v<Result>) {
        if (table != nullptr && (table->*slot) != nullptr) (table->*slot)(args...);
    } else {
        if (table == nullptr || (table->*slot) == nullptr) return Result{};
        return (table->*slot)(args...);
    }
}
}  // namespace

bool host_execute_calculator_code(const char* code, double* fvalue, std::int32_t* ivalue,
                                  const char** svalue) {
    return call(&sdk::PANELS::execute_calculator_code, code, fvalue, ivalue, svalue) != 0;
}

void host_trigger_key_event(std::uint32_t event_id, std::uint32_t parameter) {
    call(&sdk::PANELS::trigger_key_event, event_id, parameter);
}

void host_lookup_var(sdk::MODULE_VAR* var) { call(&sdk::PANELS::lookup_var, var); }

void host_register_key_event_handler(sdk::GAUGE_KEY_EVENT_HANDLER handler) {
    call(&sdk::PANELS::register_key_event_handler, handler, static_cast<void*>(nullptr));
}

void host_unregister_key_event_handler(sdk::GAUGE_KEY_EVENT_HANDLER handler) {
    call(&sdk::PANELS::unregister_key_event_handler, handler, static_cast<void*>(nullptr));
}

bool host_is_panel_window_visible(std::uint32_t panel_id) {
    return call(&sdk::PANELS::is_panel_window_visible_ident, panel_id) != 0;
}

sdk::ID host_register_named_variable(const char* name) {
    return call(&sdk::PANELS::register_named_variable, name);
}

sdk::ID host_check_named_variable(const char* name) {
    return call(&sdk::PANELS::check_named_variable, name);
}

void host_set_named_variable_value(sdk::ID id, double value) {
    call(&sdk::PANELS::set_named_variable_value, id, value);
}

void host_element_list_query(sdk::ELEMENT_HEADER* element) {
    call(&sdk::PANELS::element_list_query, element);
}
void host_element_list_install(sdk::ELEMENT_HEADER* element, void* resource_file_handle) {
    call(&sdk::PANELS::element_list_install, element, resource_file_handle);
}
void host_element_list_initialize(sdk::ELEMENT_HEADER* element) {
    call(&sdk::PANELS::element_list_initialize, element);
}
void host_element_list_update(sdk::ELEMENT_HEADER* element) {
    call(&sdk::PANELS::element_list_update, element);
}
void host_element_list_generate(sdk::ELEMENT_HEADER* element, std::uint32_t phase) {
    call(&sdk::PANELS::element_list_generate, element, phase);
}
void host_element_list_plot(sdk::ELEMENT_HEADER* element) {
    call(&sdk::PANELS::element_list_plot, element);
}
void host_element_list_kill(sdk::ELEMENT_HEADER* element) {
    call(&sdk::PANELS::element_list_kill, element);
}

}  // namespace tarmelon
