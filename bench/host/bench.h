// The bench: a stand-in simulator that loads the module exactly as the simulator does
// (Linkage, ImportTable, the gauge function table, SimConnect and Win32) and runs it frame
// by frame, headless. One Bench exists at a time in a process; each loads a fresh copy of
// the module, so every bench starts from a module state of zero.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

struct Options {
    std::string root;         // simulator folder; empty: a fresh temporary one, removed at the end
    std::string module_path;  // empty: the module built beside the running executable
    int fps = 18;             // frames per simulated second
    std::string flight;       // flight reported to the module as loaded
    bool simconnect = true;   // false: SimConnect_Open fails
    bool simconnect_library = true;  // false: there is no SimConnect library to load at all
    bool simconnect_silent = false;  // true: the connection opens but the simulator never answers
    // true: the simulator applies the toggle key events of the master battery (66241), the
    // alternators (66363, 66364) and the lights (66060, 66239, 66240, 66376, 66377, 66378,
    // 66379, 66579) one frame late: the aircraft changes at the end of the next frame, so
    // the module's next update still reads the old state. Handlers see the event at once.
    bool late_toggles = false;
    // true: the bench aircraft flies itself (bench/aircraft/flying.cpp): it rolls with its
    // engines' thrust, lifts off when rotated, climbs and descends with its attitude and
    // lands on the runway; false: it stays where scripts put it.
    bool flying = false;
};

// A bad script command or argument (exit status 2).
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failed expectation (exit status 1); what() says what was expected and what was found.
class ExpectationFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The last update of one element of a gauge instance.
struct ElementState {
    int index = 0;
    int kind = 0;             // 0 static, 1 needle, 2 string, 3 slider, 4 icon
    bool updated = false;     // its callback ran at least once
    double value = 0.0;       // icon: returned value; needle: value; slider: x offset
    std::int32_t frame = 0;   // icon: truncated value (negative: hidden)
    double y = 0.0;           // slider: y offset
    std::string text;         // string
    bool hidden = false;      // image flag 0x40000000 after the update
};

// The script commands, one per line: usage and what each does (for --help).
std::string script_commands_help();

class Bench {
public:
    explicit Bench(Options options = {});
    ~Bench();
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    // One script command; returns what it printed. Throws ScriptError or ExpectationFailed.
    std::string exec(std::string_view line);
    // Runs a whole script; failures are reported on err as "FILE:LINE: message".
    // Returns 0 when every expectation held, 1 when one failed, 2 on a script error.
    int run_script(std::istream& in, const std::string& file_name, std::ostream& out, std::ostream& err);

    // ---- typed helpers --------------------------------------------------------------
    void frames(int n);
    void seconds(double s);
    // A start state, reached as a pilot reaches it, from a freshly loaded module:
    //   "ready"          the start-up sequence settles (the module applies its ready preset
    //                    and the simulator starts the engines), then runs until both
    //                    engines are running;
    //   "cold-and-dark"  the start-up sequence settles, the panel selector's Power button
    //                    is pressed (arrow, Power, close), then runs until both engines
    //                    have stopped.
    //   "cruise"         start_cruise at 25000 ft and 300 kt.
    // Returns what it did, one line per step. Throws ScriptError for another name and
    // ExpectationFailed when the state is not reached within two simulated minutes.
    std::string start(const std::string& state);
    // "ready", then in the air: parking brake off, the aircraft placed at 1000 ft and 160 kt,
    // the gear up button and (when the flaps are out) the flap lever clicked, the throttle
    // axis at cruise power (8000: about 86 % N1); once gear and flaps are up, the aircraft is
    // placed level (pitch, bank, vertical speed 0) at altitude_ft and speed_kt indicated
    // (Mach from the true airspeed and the outside air there), and runs until both engines
    // are steady. Throws ScriptError for an altitude outside 1000 to 50000 ft or a speed
    // outside 100 to 500 kt.
    static constexpr double kCruiseAltitudeFeet = 25000.0, kCruiseSpeedKnots = 300.0;
    static constexpr double kCruiseAltitudeLowest = 1000.0, kCruiseAltitudeHighest = 50000.0;
    static constexpr double kCruiseSpeedLowest = 100.0, kCruiseSpeedHighest = 500.0;
    std::string start_cruise(double altitude_ft, double speed_kt);
    // The simulator's clocks (tokens 1 and 604) start again from 0, as when it loads another
    // flight while the aircraft and the module stay loaded.
    void restart_clocks();
    // From the next frame on, run at this many frames a second (1 to 1000); the simulator's
    // clocks (tokens 1 and 604, the wall clock) keep simulated time across the change.
    void set_frame_rate(int fps);
    double get(std::string_view var) const;
    // Every variable the simulator holds (L:, A:, E:, P:) whose name starts with prefix
    // (letter case ignored), in name order, as `dump` prints them; each may be `set`.
    struct Variable {
        std::string name;  // "L:Lights_nav_POS", as first written
        double value = 0.0;
        std::optional<std::string> text;  // string variables
    };
    std::vector<Variable> variables(std::string_view prefix = {}) const;
    void set(std::string_view var, double value);
    double token(int id) const;
    void set_token(int id, double value);
    void key(std::uint32_t id, std::uint32_t param = 0);  // the simulator processes a key event
    bool pilot_event(const std::string& name, std::uint32_t value);  // true when masked
    // The pilot changes the view: the simulator's View event with that view (1 2D cockpit,
    // 2 virtual cockpit, 4 outside), delivered at the next frame.
    void view(std::uint32_t mode);
    // The simulated aircraft or a SimConnect client knows simulator event NAME.
    bool knows_sim_event(const std::string& name) const;
    // The file the module names by this path (a Windows path; relative to the simulator
    // folder) cannot be read from now on, across loads, even by root. Throws ScriptError
    // when there is no such file, or where the real Win32 calls run.
    void make_unreadable(const std::string& path);
    // From now on the computer's wall clock (the module's GetLocalTime) reads this date and
    // time, and runs on with the bench clock, across loads. Throws ScriptError for a date or
    // time that does not exist, or where the real Win32 calls run.
    void set_wall_clock(int year, int month, int day, int hour, int minute, int second);
    // Mouse event at pixel x,y of the gauge; returns the index of the mouse record that
    // received it, or -1 when none did. Throws ScriptError for an unknown gauge.
    int click(const std::string& gauge, int x, int y, std::uint32_t flags);
    // The tooltip shown at x,y, arguments substituted; nothing when there is none.
    std::optional<std::string> tooltip(const std::string& gauge, int x, int y);
    bool window_open(std::uint32_t ident) const;
    void window(const std::string& action, std::uint32_t ident);
    void unload();
    void load(const std::string& flight = "");
    bool loaded() const;
    std::string describe_gauges() const;
    ElementState element(const std::string& gauge, int index) const;
    std::vector<std::string> gauge_names() const;  // Linkage order
    struct GaugeSummary {
        std::string name;
        int elements = 0;
        int mouse_records = 0;
        bool has_callback = false;
        std::vector<std::uint32_t> windows;  // where it is placed (0: the main view)
    };
    std::vector<GaugeSummary> gauges() const;  // Linkage order
    int instance_count() const;

    // ---- what the module did (since the last mark) ----------------------------------
    // A mark holds across unload and load: the logs then go on with the fresh module.
    void mark();
    std::vector<std::string> calculator_log() const;  // every string evaluated since the mark
    const std::vector<std::string>& calculator_failures() const;
    struct KeyEvent {
        std::uint32_t id, param;
    };
    const std::vector<KeyEvent>& key_log() const;  // every key event the simulator processed
    std::vector<std::string> element_list_log() const;  // "element_list_update Elec_Panel"
    std::vector<std::string> simconnect_log() const;
    std::vector<std::string> texts() const;
    // What the module wrote to standard output (it has no console in the simulator), one
    // entry per line, kept out of the bench's own output.
    const std::vector<std::string>& console() const;
    // Faults the bench noticed in the module's behaviour (overruns, failed calculator
    // strings, unexpected host calls, ...), each once, in order of first occurrence.
    std::vector<std::string> faults() const;
    // Also print each new fault there as it happens ("bench: ..."); null to stop.
    void set_fault_stream(std::ostream* stream);

    bool simconnect_open() const;  // the module's SimConnect connection is open

    // What the module has asked of its host since it was loaded, by kind. Calculator
    // strings that store a value ("... (>L:x)") are writes, the others reads.
    struct HostCallCounts {
        std::uint64_t calculator_reads = 0;
        std::uint64_t calculator_writes = 0;
        std::uint64_t key_events = 0;
        std::uint64_t token_reads = 0;
        std::uint64_t named_variables = 0;  // register, check, get and set by id
        std::uint64_t window_queries = 0;
        std::uint64_t element_lists = 0;
        std::uint64_t simconnect_calls = 0;
    };
    HostCallCounts host_call_counts() const;
    double sim_seconds() const;
    const Options& options() const;

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace bench
