// Loading and unloading the module as the simulator does: fresh stand-ins, the library
// mapped afresh, ImportTable filled with the bench's gauge function table, the Linkage
// record's gauges read, the start routine run and the gauge instances created and
// installed; at unload the reverse, with a fault for anything the module left behind.
#include <algorithm>
#include <filesystem>
#include <ostream>

#include "bench/simconnect/standin.h"
#include "impl.h"
#include "text.h"
#if !defined(_WIN32)
#include "bench/win32/standin.h"
#endif

namespace bench {

namespace {

Bench::Impl* g_active = nullptr;

constexpr std::size_t kMaxGaugeName = 64;

// The stand-in SimConnect's way into the simulated aircraft.
scstandin::Host standin_host() {
    scstandin::Host host;
    host.read_var = [](const std::string& datum, const std::string&) -> double {
        Bench::Impl* b = active_bench();
        if (b == nullptr) return 0.0;
        thread_local std::string spelling;
        spelling.assign("A:").append(datum);
        const VariableName* name = cached_variable_name(spelling);
        return name ? b->vars.get(name->key) : 0.0;
    };
    host.write_var = [](const std::string& datum, const std::string&, double value) {
        Bench::Impl* b = active_bench();
        if (b == nullptr) return;
        thread_local std::string spelling;
        spelling.assign("A:").append(datum);
        if (const VariableName* name = cached_variable_name(spelling)) b->vars.set(*name, value);
    };
    host.sim_event = [](const std::string& name, std::uint32_t data) {
        Bench::Impl* b = active_bench();
        if (b == nullptr) return;
        if (auto id = Aircraft::key_event_id(name)) {
            b->process_key(*id, data);
        } else {
            b->aircraft.apply_sim_event(name, data);
        }
    };
    return host;
}

}  // namespace

Bench::Impl* active_bench() { return g_active; }
void set_active_bench(Bench::Impl* bench) { g_active = bench; }

Bench::Impl::Impl() { fill_host_table(table); }

Bench::Impl::~Impl() = default;

void Bench::Impl::fault(const std::string& message) {
    auto [it, inserted] = fault_counts.try_emplace(message, 0);
    ++it->second;
    if (inserted) {
        fault_list.push_back(message);
        if (fault_stream != nullptr) *fault_stream << "bench: " << message << '\n';
    }
}

void Bench::Impl::prepare_host() {
#if !defined(_WIN32)
    w32standin::reset(options.root);
    if (!options.simconnect_library) w32standin::hide_library("SimConnect.dll");
#else
    if (!options.simconnect_library) throw std::runtime_error("a missing SimConnect library is played on Linux only");
    // The real Win32 calls: the simulator folder is the process's current directory, and
    // FindWindowA("FS98MAIN") must find a real window.
    std::error_code cd_error;
    std::filesystem::current_path(options.root, cd_error);
    if (cd_error) throw std::runtime_error("cannot enter the simulator folder " + options.root);
    if (!main_window) main_window = std::make_unique<benchplatform::MainWindow>();
    if (!main_window->created()) throw std::runtime_error("cannot create the simulator's main window: " + main_window->error());
#endif
    if (loads++ > 0) carry_logs();
    scstandin::reset(standin_host(), options.simconnect);
    scstandin::set_silent(options.simconnect_silent);
#if !defined(_WIN32)
    for (const auto& path : unreadable_files) w32standin::deny_read(path);
    if (wall_clock)
        w32standin::set_local_time({wall_clock->year, wall_clock->month, wall_clock->day, wall_clock->hour,
                                    wall_clock->minute, wall_clock->second},
                                   wall_clock->at_ms);
#endif
    windows.reset();
    handlers.clear();
    key_queue.clear();
}

void Bench::Impl::carry_logs() {
    const auto calls = scstandin::call_log();
    const auto shown = scstandin::texts();
    if (mark_simconnect < calls.size())
        simconnect_carried.insert(simconnect_carried.end(), calls.begin() + static_cast<std::ptrdiff_t>(mark_simconnect),
                                  calls.end());
    if (mark_texts < shown.size())
        texts_carried.insert(texts_carried.end(), shown.begin() + static_cast<std::ptrdiff_t>(mark_texts), shown.end());
    mark_simconnect = 0;
    mark_texts = 0;
}

void Bench::Impl::release_standins() {
    scstandin::reset(standin_host(), false);
#if !defined(_WIN32)
    w32standin::reset(options.root);
#endif
}

void Bench::Impl::bind_exports() {
    import_table = static_cast<sdk::GAUGESIMPORT*>(library.symbol("ImportTable"));
    linkage = static_cast<sdk::GAUGESLINKAGE_VIEW*>(library.symbol("Linkage"));
    if (import_table == nullptr || linkage == nullptr) {
        library.unload();
        throw std::runtime_error("the module exports no " + std::string(import_table ? "Linkage" : "ImportTable"));
    }
    if (import_table->PANELSentry.fnID != sdk::PANELS_FUNCTION_TABLE_ID)
        fault("ImportTable's first entry has id " + std::to_string(import_table->PANELSentry.fnID) +
              ", not the gauge function table's 15");
    import_table->PANELSentry.fnptr = &table;
}

void Bench::Impl::read_gauge_headers() {
    headers.clear();
    header_names.clear();
    for (std::size_t i = 0; i < kMaxGauges; ++i) {
        sdk::GAUGEHDR* h = linkage->gauge_header_ptr[i];
        if (h == nullptr) break;
        auto name = bounded_c_string(h->gauge_name, kMaxGaugeName);
        if (!name) {
            fault("gauge " + std::to_string(i) + " has no readable name");
            name = "gauge" + std::to_string(i);
        }
        headers.push_back(h);
        header_names.push_back(*name);
        if (i + 1 == kMaxGauges) fault("Linkage gauge table without terminator");
    }
}

void Bench::Impl::load_module(const std::string& flight) {
    prepare_host();
    if (!flight.empty()) scstandin::set_loaded_flight(flight);

    std::string error;
    if (!library.load(options.module_path, error)) throw std::runtime_error(error);
    bind_exports();
    read_gauge_headers();

    module_loaded = true;
    host_calls = {};
    simconnect_calls_at_load = scstandin::calls_made();
    if (linkage->ModuleInit != nullptr) linkage->ModuleInit();
    create_instances();
}

GaugeInstance Bench::Impl::make_instance(std::size_t gauge, std::uint32_t window) const {
    GaugeInstance inst;
    inst.header = headers[gauge];
    inst.name = header_names[gauge];
    inst.window = window;
    inst.elements = walk_elements(inst.header);
    inst.results.resize(inst.elements.size());
    inst.string_buffers.resize(inst.elements.size());
    for (std::size_t i = 0; i < inst.elements.size(); ++i) {
        inst.results[i].index = static_cast<int>(i);
        inst.results[i].kind = inst.elements[i].element->element_type;
        if (inst.elements[i].element->element_type == sdk::ELEMENT_TYPE_STRING) {
            // Room for the declared length and its terminator, then guard bytes that show
            // an overrun.
            auto* s = reinterpret_cast<sdk::ELEMENT_STRING*>(inst.elements[i].element);
            auto& buf = inst.string_buffers[i];
            buf.assign(std::size_t{s->max_string_length} + 1 + kStringGuardBytes, static_cast<char>(kGuardByte));
            std::fill(buf.begin(), buf.begin() + s->max_string_length + 1, '\0');
        }
    }
    return inst;
}

void Bench::Impl::install_instance(GaugeInstance& inst) {
    sdk::GAUGEHDR* h = inst.header;
    call_gauge(inst, sdk::PANEL_SERVICE_PRE_QUERY, 0);
    if (h->query_routine) h->query_routine();
    call_gauge(inst, sdk::PANEL_SERVICE_POST_QUERY, 0);
    call_gauge(inst, sdk::PANEL_SERVICE_PRE_INSTALL, 0);
    if (h->install_routine) h->install_routine(nullptr);
    call_gauge(inst, sdk::PANEL_SERVICE_POST_INSTALL, 0);
    call_gauge(inst, sdk::PANEL_SERVICE_PRE_INITIALIZE, 0);
    if (h->initialize_routine) h->initialize_routine();
    call_gauge(inst, sdk::PANEL_SERVICE_POST_INITIALIZE, 0);
    call_gauge(inst, sdk::PANEL_SERVICE_CONNECT_TO_WINDOW, inst.window);
}

void Bench::Impl::create_instances() {
    instances.clear();
    for (std::size_t g = 0; g < headers.size(); ++g) {
        std::vector<std::uint32_t> placed;
        for (const auto& w : panel_layout())
            for (const char* name : w.gauges)
                if (header_names[g] == name) placed.push_back(w.ident);
        // A gauge the panel configuration does not place (a test gauge library) is put on
        // the main view, so it runs every frame.
        if (placed.empty()) placed.push_back(0);
        for (std::uint32_t window : placed) instances.push_back(make_instance(g, window));
    }
    for (auto& inst : instances) install_instance(inst);
}

void Bench::Impl::unload_module() {
    if (!module_loaded) return;
    for (auto& inst : instances) {
        call_gauge(inst, sdk::PANEL_SERVICE_PRE_KILL, 0);
        if (inst.header->kill_routine) inst.header->kill_routine();
        call_gauge(inst, sdk::PANEL_SERVICE_POST_KILL, 0);
    }
    if (linkage->ModuleDeinit != nullptr) linkage->ModuleDeinit();
    if (!handlers.empty()) {
        fault("key-event handler still registered after module_deinit");
        handlers.clear();
    }
    if (scstandin::is_open()) fault("SimConnect connection left open after module_deinit");
#if !defined(_WIN32)
    if (!w32standin::timers().empty()) fault("window timers left running after module_deinit");
#endif
    instances.clear();
    headers.clear();
    header_names.clear();
    import_table = nullptr;
    linkage = nullptr;
    module_loaded = false;
    library.unload();
}

}  // namespace bench
