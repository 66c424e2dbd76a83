// The public Bench API: creating and ending a bench (a simulator folder, the module loaded
// in it), running frames, reading and writing variables and tokens, the pilot's inputs,
// panel windows, loading and unloading, and what the module did since the last mark.
#include "bench.h"

#include <cmath>
#include <filesystem>

#include "bench/simconnect/standin.h"
#include "console.h"
#include "impl.h"
#include "text.h"
#if !defined(_WIN32)
#include "bench/win32/standin.h"
#endif

namespace bench {


Bench::Bench(Options options) : impl_(std::make_unique<Impl>()) {
    if (active_bench() != nullptr) throw std::logic_error("only one bench can run at a time in a process");
    benchplatform::quiet_error_dialogs();
    if (options.fps < 1 || options.fps > 1000) throw std::invalid_argument("fps must be 1 to 1000");
    namespace fs = std::filesystem;
    if (options.root.empty()) {
        options.root = make_temp_dir("tarmelon-bench-");
        if (options.root.empty()) throw std::runtime_error("cannot create a temporary simulator folder");
        impl_->own_root = true;
    } else {
        std::error_code ec;
        fs::create_directories(options.root, ec);
        options.root = fs::absolute(options.root, ec).string();
    }
    if (options.module_path.empty())
        options.module_path = (fs::path(executable_dir()) / default_module_file_name()).string();
    impl_->options = options;
    impl_->aircraft.reset();
    impl_->aircraft.set_flying(options.flying);
    set_active_bench(impl_.get());
    try {
        ConsoleCapture capture(impl_->console_lines, impl_->console_pending);
        impl_->load_module(options.flight);
    } catch (...) {
        set_active_bench(nullptr);
        if (impl_->own_root) {
            std::error_code ec;
            fs::remove_all(impl_->options.root, ec);
        }
        throw;
    }
}

Bench::~Bench() {
    if (!impl_) return;
    impl_->unload_module();
    impl_->release_standins();
    set_active_bench(nullptr);
    if (impl_->own_root) {
        std::error_code ec;
        std::filesystem::remove_all(impl_->options.root, ec);
    }
}

void Bench::frames(int n) {
    if (n < 0) throw ScriptError("frame count must not be negative");
    ConsoleCapture capture(impl_->console_lines, impl_->console_pending);
    for (int i = 0; i < n; ++i) impl_->run_frame();
}

void Bench::restart_clocks() { impl_->clock_origin = impl_->now_ns(); }

void Bench::set_frame_rate(int fps) {
    if (fps < 1 || fps > 1000) throw ScriptError("fps must be 1 to 1000");
    impl_->rate_ns = impl_->now_ns();
    impl_->rate_frame = impl_->frame_count;
    impl_->options.fps = fps;
}

void Bench::seconds(double s) {
    if (!(s >= 0) || s > 1e6) throw ScriptError("seconds must be 0 to 1000000");
    frames(static_cast<int>(std::llround(s * impl_->options.fps)));
}

double Bench::get(std::string_view var) const {
    auto name = parse_variable_name(var);
    if (!name || name->key[0] == 'K') throw ScriptError("not a variable name: " + std::string(var));
    return impl_->vars.get(name->key);
}

std::vector<Bench::Variable> Bench::variables(std::string_view prefix) const {
    const std::string key = upper(prefix);
    std::vector<Variable> out;
    for (const auto& [name, entry] : impl_->vars.all())
        if (name.compare(0, key.size(), key) == 0) out.push_back({entry.display, entry.value, entry.text});
    return out;
}

void Bench::set(std::string_view var, double value) {
    auto name = parse_variable_name(var);
    if (!name || name->key[0] == 'K') throw ScriptError("not a variable name: " + std::string(var));
    impl_->vars.set(*name, value);
}

double Bench::token(int id) const { return impl_->read_token(id); }

void Bench::set_token(int id, double value) {
    if (id == 1 || id == 604) throw ScriptError("token " + std::to_string(id) + " is the clock; run frames instead");
    if (!impl_->aircraft.set_token(id, value))
        throw ScriptError("token " + std::to_string(id) + " has no simulated value in the bench");
}

void Bench::key(std::uint32_t id, std::uint32_t param) { impl_->process_key(id, param); }

bool Bench::pilot_event(const std::string& name, std::uint32_t value) { return scstandin::pilot_event(name, value); }

void Bench::view(std::uint32_t mode) { scstandin::system_event("View", mode); }

bool Bench::knows_sim_event(const std::string& name) const {
    return Aircraft::knows_sim_event(name) || scstandin::maps_sim_event(name);
}

void Bench::make_unreadable(const std::string& path) {
#if defined(_WIN32)
    (void)path;
    throw ScriptError("files are made unreadable by the Win32 stand-in, and this bench runs the real Win32 calls");
#else
    const std::string file = w32standin::host_path(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) throw ScriptError("no file " + path + " (" + file + ")");
    impl_->unreadable_files.push_back(file);
    w32standin::deny_read(file);
#endif
}

void Bench::set_wall_clock(int year, int month, int day, int hour, int minute, int second) {
#if defined(_WIN32)
    (void)year, (void)month, (void)day, (void)hour, (void)minute, (void)second;
    throw ScriptError("the wall clock is set in the Win32 stand-in, and this bench runs the real Win32 calls");
#else
    const std::uint64_t at = impl_->clock_ms();
    if (!w32standin::set_local_time({year, month, day, hour, minute, second}, at))
        throw ScriptError("no such date and time: " + std::to_string(year) + "-" + std::to_string(month) + "-" +
                          std::to_string(day) + " " + std::to_string(hour) + ":" + std::to_string(minute) + ":" +
                          std::to_string(second));
    impl_->wall_clock = Impl::WallClock{year, month, day, hour, minute, second, at};
#endif
}

int Bench::click(const std::string& gauge, int x, int y, std::uint32_t flags) {
    sdk::GAUGEHDR* h = impl_->header_by_name(gauge);
    if (h == nullptr) throw ScriptError("no gauge named " + gauge);
    return impl_->click(h, x, y, flags);
}

std::optional<std::string> Bench::tooltip(const std::string& gauge, int x, int y) {
    sdk::GAUGEHDR* h = impl_->header_by_name(gauge);
    if (h == nullptr) throw ScriptError("no gauge named " + gauge);
    return impl_->tooltip(h, x, y);
}

bool Bench::window_open(std::uint32_t ident) const { return impl_->windows.is_open(ident); }

void Bench::window(const std::string& action, std::uint32_t ident) {
    if (!impl_->windows.exists(ident)) throw ScriptError("no panel window " + std::to_string(ident));
    if (action == "open") impl_->windows.open(ident);
    else if (action == "close") impl_->windows.close(ident);
    else if (action == "toggle") impl_->windows.toggle(ident);
    else throw ScriptError("window action must be open, close or toggle, not " + action);
}

void Bench::unload() {
    ConsoleCapture capture(impl_->console_lines, impl_->console_pending);
    impl_->unload_module();
}

const std::vector<std::string>& Bench::console() const { return impl_->console_lines; }

void Bench::load(const std::string& flight) {
    ConsoleCapture capture(impl_->console_lines, impl_->console_pending);
    impl_->unload_module();
    if (!flight.empty()) impl_->options.flight = flight;
    impl_->load_module(impl_->options.flight);
}

bool Bench::loaded() const { return impl_->module_loaded; }

std::string Bench::describe_gauges() const { return impl_->describe(); }

ElementState Bench::element(const std::string& gauge, int index) const {
    const GaugeInstance* inst = impl_->instance_for(gauge);
    if (inst == nullptr) throw ScriptError("no gauge instance " + gauge);
    if (index < 0 || static_cast<std::size_t>(index) >= inst->results.size())
        throw ScriptError(gauge + " has no element " + std::to_string(index) + " (it has " +
                          std::to_string(inst->results.size()) + ")");
    return inst->results[static_cast<std::size_t>(index)];
}

std::vector<std::string> Bench::gauge_names() const { return impl_->header_names; }

std::vector<Bench::GaugeSummary> Bench::gauges() const {
    std::vector<GaugeSummary> out;
    for (std::size_t g = 0; g < impl_->headers.size(); ++g) {
        GaugeSummary s;
        s.name = impl_->header_names[g];
        s.elements = static_cast<int>(impl_->walk_elements(impl_->headers[g]).size());
        s.mouse_records = static_cast<int>(impl_->mouse_records(impl_->headers[g]).size());
        s.has_callback = impl_->headers[g]->gauge_callback != nullptr;
        for (const auto& inst : impl_->instances)
            if (inst.header == impl_->headers[g]) s.windows.push_back(inst.window);
        out.push_back(std::move(s));
    }
    return out;
}

int Bench::instance_count() const { return static_cast<int>(impl_->instances.size()); }

void Bench::mark() {
    impl_->calc_log.clear();
    impl_->calc_failures.clear();
    impl_->keys.clear();
    impl_->element_list_calls.clear();
    impl_->simconnect_carried.clear();
    impl_->texts_carried.clear();
    impl_->mark_simconnect = scstandin::call_log_size();
    impl_->mark_texts = scstandin::text_count();
}

std::vector<std::string> Bench::calculator_log() const { return impl_->calc_log.lines(); }
const std::vector<std::string>& Bench::calculator_failures() const { return impl_->calc_failures; }
const std::vector<Bench::KeyEvent>& Bench::key_log() const { return impl_->keys; }
std::vector<std::string> Bench::element_list_log() const { return impl_->element_list_calls; }

namespace {
// What was carried over earlier loads, then the stand-in's log from the mark on.
std::vector<std::string> since(std::vector<std::string> carried, const std::vector<std::string>& now,
                               std::size_t mark) {
    if (mark < now.size()) carried.insert(carried.end(), now.begin() + static_cast<std::ptrdiff_t>(mark), now.end());
    return carried;
}
}  // namespace

Bench::HostCallCounts Bench::host_call_counts() const {
    HostCallCounts counts = impl_->host_calls;
    counts.simconnect_calls = scstandin::calls_made() - impl_->simconnect_calls_at_load;
    return counts;
}

std::vector<std::string> Bench::simconnect_log() const {
    return since(impl_->simconnect_carried, scstandin::call_log(), impl_->mark_simconnect);
}
std::vector<std::string> Bench::texts() const { return since(impl_->texts_carried, scstandin::texts(), impl_->mark_texts); }
std::vector<std::string> Bench::faults() const { return impl_->fault_list; }
bool Bench::simconnect_open() const { return scstandin::is_open(); }
double Bench::sim_seconds() const { return impl_->now_seconds(); }
const Options& Bench::options() const { return impl_->options; }
void Bench::set_fault_stream(std::ostream* stream) { impl_->fault_stream = stream; }

std::string Bench::exec(std::string_view line) { return impl_->exec(*this, line); }

}  // namespace bench
