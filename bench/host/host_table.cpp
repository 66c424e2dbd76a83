// The gauge function table the bench hands the module through ImportTable. Every slot is
// filled: the ones the cockpit uses do the simulator's work; any other call is reported as
// unexpected and answers zero.
#include <exception>
#include <type_traits>

#include "impl.h"
#include "text.h"

namespace bench {

namespace {

constexpr std::size_t kMaxNameBytes = 256;

template <typename F>
auto guarded(const char* slot, F&& body) -> decltype(body()) {
    using R = decltype(body());
    Bench::Impl* b = active_bench();
    if (b == nullptr) {
        if constexpr (std::is_void_v<R>) return;
        else return R{};
    }
    try {
        return body();
    } catch (const std::exception& e) {
        b->fault(std::string("host call ") + slot + " failed: " + e.what());
    } catch (...) {
        b->fault(std::string("host call ") + slot + " failed");
    }
    if constexpr (!std::is_void_v<R>) return R{};
}

template <int Slot, typename R, typename... A>
R TM_STDCALL unexpected_call(A...) {
    if (Bench::Impl* b = active_bench()) b->fault("unexpected host call " + std::to_string(Slot));
    if constexpr (!std::is_void_v<R>) return R{};
}

template <int Slot, typename R, typename... A>
void unexpected(R(TM_STDCALL*& slot)(A...)) {
    slot = &unexpected_call<Slot, R, A...>;
}

std::optional<VariableName> named_variable(const char* name) {
    auto text = bounded_c_string(name, kMaxNameBytes);
    if (!text) return std::nullopt;
    return parse_variable_name("L:" + *text);
}

// ---- slots the cockpit uses ------------------------------------------------------------

sdk::GBOOL TM_STDCALL is_panel_window_visible_ident(sdk::UINT32 panel_id) {
    return guarded("is_panel_window_visible_ident", [&] {
        ++active_bench()->host_calls.window_queries;
        return active_bench()->windows.is_open(panel_id) ? 1 : 0;
    });
}

void TM_STDCALL element_list_query(sdk::ELEMENT_HEADER* e) {
    guarded("element_list_query", [&] { ++active_bench()->host_calls.element_lists; active_bench()->log_element_list("element_list_query", e); });
}
void TM_STDCALL element_list_install(sdk::ELEMENT_HEADER* e, void*) {
    guarded("element_list_install", [&] { ++active_bench()->host_calls.element_lists; active_bench()->log_element_list("element_list_install", e); });
}
void TM_STDCALL element_list_initialize(sdk::ELEMENT_HEADER* e) {
    guarded("element_list_initialize", [&] { ++active_bench()->host_calls.element_lists; active_bench()->log_element_list("element_list_initialize", e); });
}
void TM_STDCALL element_list_update(sdk::ELEMENT_HEADER* e) {
    guarded("element_list_update", [&] { ++active_bench()->host_calls.element_lists; active_bench()->log_element_list("element_list_update", e); });
}
void TM_STDCALL element_list_generate(sdk::ELEMENT_HEADER* e, sdk::UINT32) {
    guarded("element_list_generate", [&] { ++active_bench()->host_calls.element_lists; active_bench()->log_element_list("element_list_generate", e); });
}
void TM_STDCALL element_list_plot(sdk::ELEMENT_HEADER* e) {
    guarded("element_list_plot", [&] { ++active_bench()->host_calls.element_lists; active_bench()->log_element_list("element_list_plot", e); });
}
void TM_STDCALL element_list_erase(sdk::ELEMENT_HEADER* e) {
    guarded("element_list_erase", [&] { ++active_bench()->host_calls.element_lists; active_bench()->log_element_list("element_list_erase", e); });
}
void TM_STDCALL element_list_kill(sdk::ELEMENT_HEADER* e) {
    guarded("element_list_kill", [&] { ++active_bench()->host_calls.element_lists; active_bench()->log_element_list("element_list_kill", e); });
}

sdk::GBOOL TM_STDCALL panel_window_toggle(sdk::UINT32 id) {
    return guarded("panel_window_toggle", [&] { return active_bench()->windows.toggle(id) ? 1 : 0; });
}
sdk::GBOOL TM_STDCALL panel_window_open_ident(sdk::UINT32 id) {
    return guarded("panel_window_open_ident", [&] { return active_bench()->windows.open(id) ? 1 : 0; });
}
sdk::GBOOL TM_STDCALL panel_window_close_ident(sdk::UINT32 id) {
    return guarded("panel_window_close_ident", [&] { return active_bench()->windows.close(id) ? 1 : 0; });
}

sdk::ERR TM_STDCALL trigger_key_event(sdk::ID32 id, sdk::UINT32 value) {
    return guarded("trigger_key_event", [&] {
        ++active_bench()->host_calls.key_events;
        active_bench()->process_key(id, value);
        return sdk::ERR{0};
    });
}

void TM_STDCALL send_key_event(sdk::ID32 id, sdk::UINT32 value) {
    guarded("send_key_event", [&] {
        ++active_bench()->host_calls.key_events;
        active_bench()->process_key(id, value);
    });
}

void TM_STDCALL lookup_var(sdk::MODULE_VAR* var) {
    guarded("lookup_var", [&] {
        if (var == nullptr) return active_bench()->fault("lookup_var with a null record");
        ++active_bench()->host_calls.token_reads;
        var->var_value.n = active_bench()->read_token(var->id);
    });
}

void TM_STDCALL initialize_var(sdk::MODULE_VAR* var) { lookup_var(var); }

sdk::ID TM_STDCALL check_named_variable(const char* name) {
    return guarded("check_named_variable", [&] {
        ++active_bench()->host_calls.named_variables;
        auto parsed = named_variable(name);
        if (!parsed) {
            active_bench()->fault("check_named_variable with a bad name");
            return sdk::ID{-1};
        }
        return sdk::ID{active_bench()->vars.named_id(parsed->key)};
    });
}

sdk::ID TM_STDCALL register_named_variable(const char* name) {
    return guarded("register_named_variable", [&] {
        ++active_bench()->host_calls.named_variables;
        auto parsed = named_variable(name);
        if (!parsed) {
            active_bench()->fault("register_named_variable with a bad name");
            return sdk::ID{-1};
        }
        return sdk::ID{active_bench()->vars.register_named(*parsed)};
    });
}

sdk::FLOAT64 TM_STDCALL get_named_variable_value(sdk::ID id) {
    return guarded("get_named_variable_value", [&] {
        ++active_bench()->host_calls.named_variables;
        const std::string* key = active_bench()->vars.named_key(id);
        return key ? active_bench()->vars.get(*key) : 0.0;
    });
}

sdk::FLOAT64 TM_STDCALL get_named_variable_typed_value(sdk::ID id, sdk::ENUM) {
    return get_named_variable_value(id);
}

void TM_STDCALL set_named_variable_value(sdk::ID id, sdk::FLOAT64 value) {
    guarded("set_named_variable_value", [&] {
        Bench::Impl* b = active_bench();
        ++b->host_calls.named_variables;
        const std::string* display = b->vars.named_display(id);
        if (display == nullptr) return b->fault("set_named_variable_value with unknown id " + std::to_string(id));
        if (const VariableName* parsed = cached_variable_name(*display)) b->vars.set(*parsed, value);
    });
}

void TM_STDCALL set_named_variable_typed_value(sdk::ID id, sdk::FLOAT64 value, sdk::ENUM) {
    set_named_variable_value(id, value);
}

const char* TM_STDCALL get_name_of_named_variable(sdk::ID id) {
    return guarded("get_name_of_named_variable", [&]() -> const char* {
        const std::string* display = active_bench()->vars.named_display(id);
        return display != nullptr && display->size() > 2 ? display->c_str() + 2 : nullptr;
    });
}

sdk::GBOOL TM_STDCALL execute_calculator_code(const char* code, sdk::FLOAT64* fvalue, sdk::SINT32* ivalue,
                                              const char** svalue) {
    return guarded("execute_calculator_code",
                   [&] { return active_bench()->execute(code, fvalue, ivalue, svalue) ? 1 : 0; });
}

void TM_STDCALL register_key_event_handler(sdk::GAUGE_KEY_EVENT_HANDLER handler, void* user) {
    guarded("register_key_event_handler", [&] {
        Bench::Impl* b = active_bench();
        if (handler == nullptr) return b->fault("register_key_event_handler with a null handler");
        for (const auto& h : b->handlers)
            if (h.fn == handler && h.user == user) return;
        b->handlers.push_back({handler, user});
    });
}

void TM_STDCALL unregister_key_event_handler(sdk::GAUGE_KEY_EVENT_HANDLER handler, void* user) {
    guarded("unregister_key_event_handler", [&] {
        Bench::Impl* b = active_bench();
        for (auto it = b->handlers.begin(); it != b->handlers.end(); ++it) {
            if (it->fn == handler && it->user == user) {
                b->handlers.erase(it);
                return;
            }
        }
        b->fault("unregister_key_event_handler for a handler that is not registered");
    });
}

void TM_STDCALL set_gauge_flags(const char* name, sdk::FLAGS32 flags) {
    guarded("set_gauge_flags", [&] {
        if (auto text = bounded_c_string(name, kMaxNameBytes)) active_bench()->gauge_flags[*text] = flags;
    });
}

sdk::FLAGS32 TM_STDCALL get_gauge_flags(const char* name) {
    return guarded("get_gauge_flags", [&] {
        auto text = bounded_c_string(name, kMaxNameBytes);
        if (!text) return sdk::FLAGS32{0};
        auto it = active_bench()->gauge_flags.find(*text);
        return it == active_bench()->gauge_flags.end() ? sdk::FLAGS32{0} : it->second;
    });
}

}  // namespace

void fill_host_table(sdk::PANELS& t) {
    t = sdk::PANELS{};
    t.ModuleID = sdk::GAUGES_MODULE_ID;
    t.ModuleVersion = sdk::GAUGES_MODULE_VERSION;
    unexpected<6>(t.reserved1);
    unexpected<7>(t.reserved2);
    unexpected<8>(t.reserved3);
    unexpected<9>(t.reserved4);
    unexpected<10>(t.reserved5);
    t.is_panel_window_visible_ident = &is_panel_window_visible_ident;
    unexpected<12>(t.tooltip_units_getset);
    unexpected<13>(t.reserved7);
    unexpected<14>(t.reserved8);
    unexpected<15>(t.reserved9);
    unexpected<16>(t.reserved10);
    unexpected<17>(t.reserved11);
    unexpected<18>(t.reserved12);
    unexpected<19>(t.reserved13);
    unexpected<20>(t.reserved14);
    unexpected<21>(t.reserved15);
    unexpected<22>(t.reserved16);
    unexpected<23>(t.reserved17);
    t.element_list_query = &element_list_query;
    t.element_list_install = &element_list_install;
    t.element_list_initialize = &element_list_initialize;
    t.element_list_update = &element_list_update;
    t.element_list_generate = &element_list_generate;
    t.element_list_plot = &element_list_plot;
    t.element_list_erase = &element_list_erase;
    t.element_list_kill = &element_list_kill;
    unexpected<32>(t.mouse_list_install);
    unexpected<33>(t.mouse_list_register);
    unexpected<34>(t.mouse_list_unregister);
    t.panel_window_toggle = &panel_window_toggle;
    t.trigger_key_event = &trigger_key_event;
    unexpected<37>(t.register_var_by_name);
    t.initialize_var = &initialize_var;
    unexpected<39>(t.initialize_var_by_name);
    t.lookup_var = &lookup_var;
    unexpected<41>(t.unregister_var_by_name);
    unexpected<42>(t.unregister_all_named_vars);
    unexpected<43>(t.reserved18);
    unexpected<44>(t.reserved19);
    t.panel_window_close_ident = &panel_window_close_ident;
    t.panel_window_open_ident = &panel_window_open_ident;
    unexpected<47>(t.panel_window_toggle_hud_color);
    unexpected<48>(t.panel_window_toggle_hud_units);
    unexpected<49>(t.radio_stack_popup);
    unexpected<50>(t.radio_stack_autoclose);
    t.check_named_variable = &check_named_variable;
    t.register_named_variable = &register_named_variable;
    t.get_named_variable_value = &get_named_variable_value;
    t.get_named_variable_typed_value = &get_named_variable_typed_value;
    t.set_named_variable_value = &set_named_variable_value;
    t.set_named_variable_typed_value = &set_named_variable_typed_value;
    unexpected<57>(t.reserved26);
    unexpected<58>(t.reserved27);
    t.get_name_of_named_variable = &get_name_of_named_variable;
    unexpected<60>(t.reserved29);
    unexpected<61>(t.panel_resource_string_get);
    unexpected<62>(t.panel_window_toggle_menu_id);
    unexpected<63>(t.reserved30);
    unexpected<64>(t.reserved31);
    unexpected<65>(t.element_use_color);
    t.set_gauge_flags = &set_gauge_flags;
    t.get_gauge_flags = &get_gauge_flags;
    unexpected<68>(t.gauge_calculator_code_precompile);
    t.execute_calculator_code = &execute_calculator_code;
    unexpected<70>(t.format_calculator_string);
    unexpected<71>(t.reserved32);
    unexpected<72>(t.reserved33);
    unexpected<73>(t.get_units_enum);
    unexpected<74>(t.get_aircraft_var_enum);
    unexpected<75>(t.aircraft_varget);
    unexpected<76>(t.panel_register_c_callback);
    unexpected<77>(t.panel_get_registered_c_callback);
    unexpected<78>(t.panel_get_aircraft_c_callback);
    t.send_key_event = &send_key_event;
    t.register_key_event_handler = &register_key_event_handler;
    t.unregister_key_event_handler = &unregister_key_event_handler;
    unexpected<82>(t.reserved34);
    unexpected<83>(t.reserved35);
    unexpected<84>(t.process_shared_event_out);
    unexpected<85>(t.is_master);
}

}  // namespace bench
