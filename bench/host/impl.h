// Inside the bench: the state behind Bench, shared by the host function table, the frame
// loop and the script runner.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "aircraft.h"
#include "bench.h"
#include "calculator.h"
#include "fast_calculator.h"
#include "library.h"
#include "panels.h"
#include "platform.h"
#include "sdk/gauges.h"
#include "text_log.h"
#include "variables.h"

namespace bench {

struct ElementNode {
    sdk::ELEMENT_HEADER* element;
    int parent;  // index of the parent, -1 for the root
};

struct GaugeInstance {
    sdk::GAUGEHDR* header = nullptr;
    std::string name;
    std::uint32_t window = 0;
    std::vector<ElementNode> elements;
    std::vector<ElementState> results;
    std::vector<std::vector<char>> string_buffers;  // per element (empty unless a string)
    std::uint64_t last_frame = 0;
    bool ran = false;
};

constexpr std::size_t kStringGuardBytes = 16;
constexpr unsigned char kGuardByte = 0xA5;
constexpr std::size_t kMaxMouseRecords = 4096;
constexpr std::size_t kMaxElements = 4096;
constexpr std::size_t kMaxGauges = 256;
constexpr std::size_t kKeyQueueLimit = 256;
constexpr std::size_t kMaxLog = 200000;
constexpr std::size_t kMaxTooltipText = 1024;

// A log the bench keeps grows to kMaxLog entries, then drops its older half.
template <typename T>
void trim_log(std::vector<T>& log) {
    if (log.size() > kMaxLog) log.erase(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(kMaxLog / 2));
}

struct Bench::Impl : CalculatorHost {
    Options options;
    bool own_root = false;
    Variables vars;
    Aircraft aircraft{vars};
    PanelWindows windows;
    ModuleLibrary library;
    bool module_loaded = false;
    sdk::GAUGESIMPORT* import_table = nullptr;
    sdk::GAUGESLINKAGE_VIEW* linkage = nullptr;
    std::vector<sdk::GAUGEHDR*> headers;
    std::vector<std::string> header_names;
    std::vector<GaugeInstance> instances;
    sdk::PANELS table{};
    std::uint64_t frame_count = 0;
    // The simulated clock. The frame rate (options.fps) may change between frames: the time at
    // the last change is kept in nanoseconds and the frames since then count at the new rate.
    std::uint64_t rate_frame = 0;    // frame_count when the rate last changed
    std::uint64_t rate_ns = 0;       // simulated nanoseconds at that frame
    std::uint64_t clock_origin = 0;  // the simulated nanosecond from which tokens 1 and 604 count
    std::uint64_t rate() const { return static_cast<std::uint64_t>(options.fps); }
    // Now, in units of 1 / (1e9 x rate) seconds: exact for the frames at the current rate.
    std::uint64_t now_scaled() const { return rate_ns * rate() + (frame_count - rate_frame) * 1000000000ull; }
    std::uint64_t now_ns() const { return now_scaled() / rate(); }
    double now_seconds() const { return static_cast<double>(now_scaled()) / (1e9 * options.fps); }
#if defined(_WIN32)
    // The simulator's main window, whose messages run the module's window timers.
    std::unique_ptr<benchplatform::MainWindow> main_window;
    benchplatform::FramePacer pacer{false};
#endif

    struct Handler {
        sdk::GAUGE_KEY_EVENT_HANDLER fn;
        void* user;
    };
    std::vector<Handler> handlers;
    int key_depth = 0;
    std::deque<KeyEvent> key_queue;
    // Toggles the simulator applies late (Options::late_toggles), with the frame they came in.
    struct LateToggle {
        std::uint32_t id, param;
        std::uint64_t frame;
    };
    std::vector<LateToggle> late_toggles;

    HostCallCounts host_calls;  // what the module asked of the host since load
    std::uint64_t simconnect_calls_at_load = 0;
    TextLog calc_log{kMaxLog};  // every calculator string evaluated since the mark
    FastCalculator fast_calculator;
    std::vector<std::string> calc_failures;
    std::vector<KeyEvent> keys;
    std::vector<std::string> element_list_calls;
    std::vector<std::string> fault_list;
    std::vector<std::string> console_lines;  // the module's standard output
    std::string console_pending;
    std::map<std::string, int> fault_counts;
    std::ostream* fault_stream = nullptr;
    // The stand-in SimConnect's logs start afresh at every load: what they held since the
    // mark is carried here first, and the marks then count from the fresh logs' start.
    std::vector<std::string> simconnect_carried;
    std::vector<std::string> texts_carried;
    std::size_t mark_simconnect = 0;
    std::size_t mark_texts = 0;
    int loads = 0;
    std::vector<std::string> unreadable_files;  // host paths, kept across loads
    // The wall clock set by a test or script, kept across loads: what it read at bench clock
    // at_ms.
    struct WallClock {
        int year, month, day, hour, minute, second;
        std::uint64_t at_ms;
    };
    std::optional<WallClock> wall_clock;
    std::uint64_t clock_ms() const { return now_scaled() / (1000000ull * rate()); }
    std::string svalue;
    std::map<std::string, std::uint32_t> gauge_flags;

    Impl();
    ~Impl() override;

    // lifecycle (module.cpp)
    void load_module(const std::string& flight);
    void unload_module();
    void release_standins();  // the stand-ins' state back to nothing, as the bench ends
    void carry_logs();        // the stand-in SimConnect's logs since the mark, before a reset
    void prepare_host();      // fresh stand-ins, windows and handlers for a load
    void bind_exports();      // ImportTable filled, Linkage read
    void read_gauge_headers();
    void create_instances();
    GaugeInstance make_instance(std::size_t gauge, std::uint32_t window) const;
    void install_instance(GaugeInstance& inst);

    // frames (frames.cpp)
    void run_frame();
    void run_instance(GaugeInstance& inst);
    void update_element(GaugeInstance& inst, std::size_t index);
    void update_string(GaugeInstance& inst, std::size_t index);
    void call_gauge(GaugeInstance& inst, sdk::SINT32 service, sdk::UINT32 extra);

    // a fault the bench noticed in the module's behaviour, reported once (module.cpp)
    void fault(const std::string& message);

    // the simulator's side of things (keys.cpp, elements.cpp)
    void process_key(std::uint32_t id, std::uint32_t param);
    void apply_key(std::uint32_t id, std::uint32_t param);
    void apply_late_toggles();  // those that came in before this frame (frames.cpp)
    bool execute(const char* code, double* fvalue, std::int32_t* ivalue, const char** svalue);
    bool failed_calculation(const char* code, double* fvalue, std::int32_t* ivalue, const char** svalue);
    double read_token(int id) const;
    void log_element_list(const char* operation, sdk::ELEMENT_HEADER* element);

    // gauges and their elements (elements.cpp)
    sdk::GAUGEHDR* header_by_name(const std::string& name) const;
    const GaugeInstance* instance_for(const std::string& which) const;
    std::vector<ElementNode> walk_elements(sdk::GAUGEHDR* header) const;
    std::vector<sdk::MOUSERECT*> mouse_records(sdk::GAUGEHDR* header) const;
    std::string describe() const;

    // mouse routing and tooltips (mouse.cpp)
    int click(sdk::GAUGEHDR* header, int x, int y, std::uint32_t flags);
    std::optional<std::string> tooltip(sdk::GAUGEHDR* header, int x, int y);
    std::string format_tooltip(sdk::GAUGEHDR* header, const sdk::MOUSERECT& record);
    std::string tooltip_argument(sdk::GAUGEHDR* header, const std::string& text, std::size_t number, char kind,
                                 sdk::MOUSE_ARG* args, std::size_t arg_count);

    // CalculatorHost (keys.cpp)
    double read(const VariableName& name) override;
    std::optional<std::string> read_text(const VariableName& name) override;
    bool write(const VariableName& name, double value) override;
    bool key_event(std::string_view event_name, std::uint32_t parameter) override;

    // script (script.cpp)
    std::string exec(Bench& bench, std::string_view line);
};

// The bench instance whose module is running (the gauge function table has no context).
Bench::Impl* active_bench();
void set_active_bench(Bench::Impl* bench);

// The gauge function table the bench hands the module (host_table.cpp).
void fill_host_table(sdk::PANELS& table);

}  // namespace bench
