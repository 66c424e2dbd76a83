// The frame-rate soak: the aircraft in cruise with every panel window open, flown once at a
// fixed 18 frames a second and once at a frame rate drawn afresh every frame between 5 and 83,
// through the same flight for the same simulated time. The flight uses the clocks: engines at
// cruise burning fuel (the one-second transfers and the selector rotation), the oxygen on at
// 100 % (a step every 15 seconds), a long spell above the canopy-misting height and a descent
// (misting in 5-second steps, then the demist clearing it), a trim selector clicked (its
// spring-back on the tick counter), the audio panel's annunciator test, the flight recorder
// writing a line a second.
//
// Checked through the run, every simulated second: no variable NaN or infinite, every
// variable family of RANGES within its range, every icon drawn within its picture's frames,
// every needle's value finite, every spring-back clock of SPRING_CLOCKS 1 to 18 ticks ahead.
// Period by period: no growth in the host calls the module makes per simulated second, no
// bench fault. Every 30 s and at the end: the values of CLOCKED agree between the two runs;
// at the end the clocks themselves agree and the recording (RECORDED) is whole in both.
//
// Then a short check that what the cockpit does once per update stays once per update: the
// cabin temperature needle, the cabin altitude needle and the hydraulic pump pressure step by
// the same amount per frame at 18 and at 72 frames a second, so at 72 they arrive in a quarter
// of the time.
//
//   build/dev/bin/soak_frame_rates [SIMULATED_SECONDS]     (default an hour, 3600)
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "bench.h"
#include "bench/simconnect/standin.h"
#if !defined(_WIN32)
#include "bench/win32/standin.h"
#endif

namespace {

// ---- ranges --------------------------------------------------------------------------------
// One row per family of the module's variables: the first row whose pattern matches a name
// (letter case ignored) gives its range. Patterns are regular expressions over the name as the
// bench lists it ("L:Lights_nav_POS"). A variable that no row matches is still checked for
// NaN and infinity.
struct RangeRow {
    const char* family;
    const char* pattern;
    double low, high;
};

const RangeRow RANGES[] = {
    // family                                   pattern                                                  low       high
    {"oxygen flow animations",                  "^L:(PilotsOxyLight|NavigatorOxyLight)$",                0,        100},
    {"landing lamp extension",                  "^L:Land_Light_Anim$",                                   0,        100},
    {"click sound pans",                        "^L:Tarmelon_Click[123]Pan$",                            -10000,   10000},
    {"click sounds",                            "^L:Tarmelon_Click[123]$",                               0,        1},
    {"canopy mist layers",                      "^L:Tarmelon_Mist_",                                     0,        1},
    {"panel selector buttons",                  "^L:PANELSEL_",                                          0,        1},
    {"audio panel LEDs",                        "^L:Garmin_.*_led$",                                     0,        1},
    {"gear indicator lamps",                    "^L:Gearpan_.*_(bright|dim)$",                           0,        1},
    {"warning, status and marker lamps",        "(light|Light_OnOff|_light_on|_on|FailLight|_fail|PWRFail100|OilPressEng1Fail)$", 0, 1},
    {"instrument flags",                        "(_flag|Flag)$",                                         0,        1},
    {"oxygen contents gauges",                  "^L:OXY_needle[12]$",                                    0,        2250},
    {"fuel contents needles",                   "^L:(PortWing|StrbWing|Belly|Top|Rear)Tanks?NeedleVC$",  0,        1000},
    {"hydraulic and brake pressure needles",    "^L:Hydr(Brake)?NeedleVC$",                              0,        1000},
    {"cabin temperature needle",                "^L:cabinTempValNeedleVC$",                              0,        1000},
    {"cabin altitude needle",                   "^L:CabinAltNeedleVC$",                                  0,        1000},
    {"engine speed, percent",                   "^L:RPM_ENG[12]$",                                       0,        110},
    {"throttle levers",                         "^L:Throttle[12]Position$",                              0,        200},
    {"throttle demand, percent",                "^L:ENG[12]_thrPerc$",                                   0,        100},
    {"trim and spoiler needles",                "^L:(Ail|Rud|Elev|AirBrake)TrimNeedle$",                 0,        100},
    {"trim selectors",                          "^L:(aileron|rudder|tail)TrimSelPos$",                   0,        2},
    {"G-meter hands",                           "^L:(GFORCE|MIN_GFORCE|MAX_GFORCE)$",                    0,        1500},
    {"vertical speed needle",                   "^L:VSIneedle$",                                         0,        2000},
    {"attitude indicators",                     "^L:(STBY)?AI(pitch|bank)$",                             0,        3600},
    {"compass cards and heading pointers",      "^L:(HSI_compass_card|APGyro_compasscard|Autopilot_compass_card|WhiskeyCompass|AP_HeadingSelectorPointer|Gyro_pointer|Autopilot_pointer|HSI_course_centre)$", 0, 3600},
    {"heading bug",                             "^L:HSI_heading_bug$",                                   0,        1000},
    {"slip ball",                               "^L:SlipballPos$",                                       0,        1000},
    {"Mach needle",                             "^L:MACHneedle$",                                        0,        1000},
    {"altimeter needle",                        "^L:AltNeedle$",                                         -999,     999},
    {"altimeter drums",                         "^L:(TenThou|Thou|Hun)Spinner$",                         0,        90},
    {"canopy misting inputs",                   "^L:Pull_Demist$",                                       0,        1},
    {"fuel selector clock",                     "^L:fuelSelSwap_time_(cur|check)$",                      0,        4294967296.0},
    {"automatic fuel management status",        "^L:AutoFuelStatus$",                                    0,        2},
};

// The spring-back clocks of the selectors count 18 ticks of token 1 from the update that
// armed them: after every update the next tick lies 1 to 18 ticks past the current one.
struct SpringClockRow {
    const char* current;
    const char* next;
};

const SpringClockRow SPRING_CLOCKS[] = {
    // current tick                              next tick
    {"L:aileronTrimTemp_time_cur, number",       "L:aileronTrimTemp_time_check, number"},
    {"L:rudderTrimTemp_time_cur, number",        "L:rudderTrimTemp_time_check, number"},
    {"L:tailTrimTemp_time_cur, number",          "L:tailTrimTemp_time_check, number"},
    {"L:cabinAirTemp_time_cur, number",          "L:cabinAirTemp_time_check, number"},
    {"L:pitchKnobTemp_time_cur, number",         "L:pitchKnobTemp_time_check, number"},
};
constexpr double kSpringTicks = 18;

bool finite(double v) { return std::isfinite(v); }

struct CompiledRange {
    const RangeRow* row;
    std::regex re;
};

std::vector<CompiledRange> compile_ranges() {
    std::vector<CompiledRange> out;
    for (const RangeRow& r : RANGES) out.push_back({&r, std::regex(r.pattern, std::regex::icase)});
    return out;
}

// ---- the variables timed on the clocks, compared at the end -------------------------------
// Both runs end within the same whole second (the flight ends half a second past one, the
// slowest frame is a fifth of a second), and every action of the flight happens half a second
// past a whole second, so what counts whole seconds of token 604 must end exactly alike. The
// tick counter (token 1, 18 a second) moves up to 4 ticks in the slowest frame, so what holds a
// reading of it may differ by that much.
struct ClockedRow {
    const char* variable;
    const char* clock;
    double tolerance;
    const char* why;
};

const ClockedRow CLOCKED[] = {
    // variable                                       clock     tolerance  why
    {"L:fuelSelSwap_time_cur, number",                "604",    0,   "the whole second of the last update: both runs end in the same second"},
    {"L:fuelSelSwap_time_check, number",              "604",    0,   "the next rotation second, one on from it"},
    {"A:FUEL TANK SELECTOR:1, enum",                  "604",    0,   "the selector rotates once a whole second"},
    {"A:FUEL TANK SELECTOR:2, enum",                  "604",    0,   "as engine 1's"},
    {"L:OXY_needle1, number",                         "604",    0,   "oxygen falls 2 every 15 whole seconds from the valve on"},
    {"L:OXY_needle2, number",                         "604",    0,   "as the pilot's gauge, its own clock"},
    {"L:Tarmelon_Mist_Light, number",                 "604",    0,   "misting: 1800 s above the threshold, then a step every 5 s"},
    {"L:Tarmelon_Mist_Medium, number",                "604",    0,   "as the light layer"},
    {"L:Tarmelon_Mist_Heavy, number",                 "604",    0,   "as the light layer"},
    {"L:Tarmelon_Mist_Step, number",                  "604",    0,   "as the light layer"},
    {"L:Tarmelon_Mist_Light_External, number",        "604",    0,   "as the light layer"},
    {"L:Tarmelon_Mist_Heavy_External, number",        "604",    0,   "as the light layer"},
    {"L:Garmin_pilot_led, bool",                      "604",    0,   "the 3-second annunciator test: lit at the 60 s reading, out at the 90 s"},
    {"L:aileronTrimSelPos, number",                   "1",      0,   "clicked, it springs back to centre on the next 18-tick check"},
    {"L:aileronTrimTemp_time_cur, number",            "1",      4,   "the tick of the last update: the runs end up to one slow frame apart"},
    {"L:cabinAirTemp_time_cur, number",               "1",      4,   "as the trim selector's"},
    {"L:tailTrimTemp_time_cur, number",               "1",      4,   "as the trim selector's"},
    // The fuel the engines burn is integrated over each frame's length by the simulated
    // aircraft, from whichever tank the rotating selector names in that frame; the module's
    // transfers between the tanks run once a one-second event, on the quantities last
    // received. Frames of other lengths burn a little more or less from each tank: through
    // an hour the needles (0 to 1000) were seen up to 2.4 apart, 0.24 % of the scale.
    {"L:PortWingNeedleVC, number",                    "604",    5,   "fuel burnt in frames of any length, transfers once a second"},
    {"L:StrbWingNeedleVC, number",                    "604",    5,   "as the port wing"},
    {"L:BellyTankNeedleVC, number",                   "604",    5,   "as the port wing"},
    {"L:TopTanksNeedleVC, number",                    "604",    5,   "as the port wing"},
    {"L:RearTanksNeedleVC, number",                   "604",    5,   "as the port wing"},
};

// ---- the flight recorder -------------------------------------------------------------------
// The recorder is on: it appends a line a second to each quantity's file and counts whole
// minutes in its summary, on window timers that run on simulated time. Nothing may be lost at
// any frame rate. Its timers run from the moment the recording started, a fraction of a second
// off the whole seconds, and the runs end up to a fifth of a second apart, so one timer
// expiry more or less is allowed. Linux builds: on Windows the bench's window timers are the
// system's own.
struct RecordedRow {
    const char* file;  // in the recording's folder; "FlightDuration" is the summary's minutes
    double tolerance;
};

const RecordedRow RECORDED[] = {
    // file                 tolerance
    {"GeForce.txt",         1},
    {"Height.txt",          1},
    {"indspeed.txt",        1},
    {"truespeed.txt",       1},
    {"fuelfloweng1.txt",    1},
    {"fuelfloweng2.txt",    1},
    {"FlightDuration",      1},
};

#if !defined(_WIN32)
constexpr bool kRecorder = true;
#else
constexpr bool kRecorder = false;
#endif

std::filesystem::path aircraft_folder(const bench::Bench& b) {
    return std::filesystem::path(b.options().root) / "SimObjects" / "Airplanes" / "VK_Tarmelon";
}

// What the recording holds: lines per file, and the summary's minutes. -1 for what is missing.
std::map<std::string, double> recorded(const bench::Bench& b) {
    std::map<std::string, double> out;
    for (const RecordedRow& row : RECORDED) out[row.file] = -1;
    const auto analysis = aircraft_folder(b) / "panel" / "FlightAnalysis";
    std::error_code error;
    for (const auto& folder : std::filesystem::directory_iterator(analysis, error)) {
        for (const RecordedRow& row : RECORDED) {
            std::ifstream in(folder.path() / row.file);
            if (!in) continue;
            double lines = 0;
            for (std::string line; std::getline(in, line);) ++lines;
            out[row.file] = lines;
        }
        std::ifstream summary(folder.path() / "staticdata.txt");
        for (std::string line; std::getline(summary, line);)
            if (line.rfind("FlightDuration=", 0) == 0) out["FlightDuration"] = std::atof(line.c_str() + 15);
    }
    return out;
}

// ---- the run -------------------------------------------------------------------------------

// CLOCKED is read every kSampleSeconds through the flight as well as at its end, at the
// first frame at or past the second and a half, so both runs are read within the same
// whole second.
constexpr double kSampleSeconds = 30;

struct Run {
    double seconds = 0;
    double token604 = 0, token1 = 0;
    std::map<std::string, double> clocked;
    std::vector<std::vector<double>> samples;  // per sample, CLOCKED's values in its order
    std::map<std::string, double> recording;   // RECORDED's counts at the end
    bool failed = false;
    long checks = 0;
};

std::uint64_t total_calls(const bench::Bench::HostCallCounts& c) {
    return c.calculator_reads + c.calculator_writes + c.token_reads + c.key_events + c.named_variables +
           c.window_queries + c.element_lists + c.simconnect_calls;
}

// The icons of every gauge with their frame counts, from the gauges' descriptions.
struct Icon {
    std::string gauge;
    int index, frames;
};

std::vector<Icon> icons(const bench::Bench& b) {
    std::vector<Icon> out;
    std::istringstream in(b.describe_gauges());
    const std::regex name_re("\\{\"name\": \"([^\"]+)\"");
    const std::regex icon_re("\\{\"index\": (\\d+), \"parent\": [^,]+, \"kind\": \"icon\", [^{}]*?\"frames\": (\\d+)");
    std::string line;
    while (std::getline(in, line)) {
        std::smatch name;
        if (!std::regex_search(line, name, name_re)) continue;
        for (auto it = std::sregex_iterator(line.begin(), line.end(), icon_re); it != std::sregex_iterator(); ++it)
            out.push_back({name[1].str(), std::stoi((*it)[1].str()), std::stoi((*it)[2].str())});
    }
    return out;
}

// Every range and picture invariant, once. Prints each broken one the first time it is seen.
class Invariants {
public:
    explicit Invariants(const bench::Bench& b) : ranges_(compile_ranges()), icons_(icons(b)) {}

    bool check(const bench::Bench& b, Run& run) {
        bool ok = true;
        for (const auto& v : b.variables()) {
            if (v.text) continue;
            if (!finite(v.value)) ok &= report(v.name, "is not a finite number", v.value, b);
            const RangeRow* row = range_of(v.name);
            if (row && (v.value < row->low || v.value > row->high)) {
                char why[160];
                std::snprintf(why, sizeof why, "outside %g to %g (%s)", row->low, row->high, row->family);
                ok &= report(v.name, why, v.value, b);
            }
        }
        for (const Icon& icon : icons_) {
            const auto e = b.element(icon.gauge, icon.index);
            if (!e.updated) continue;
            if (!finite(e.value)) ok &= report(icon.gauge + " element " + std::to_string(icon.index), "returned no number", e.value, b);
            else if (e.frame >= icon.frames)
                ok &= report(icon.gauge + " element " + std::to_string(icon.index),
                             ("drew frame past its " + std::to_string(icon.frames)).c_str(), e.frame, b);
        }
        for (const auto& g : b.gauges())
            for (int i = 0; i < g.elements; ++i) {
                const auto e = b.element(g.name, i);
                if (e.updated && (e.kind == 1 || e.kind == 3) && (!finite(e.value) || !finite(e.y)))
                    ok &= report(g.name + " element " + std::to_string(i), "moved to no number", e.value, b);
            }
        for (const SpringClockRow& clock : SPRING_CLOCKS) {
            const double ahead = b.get(clock.next) - b.get(clock.current);
            if (!(ahead >= 1 && ahead <= kSpringTicks))
                ok &= report(clock.next, "is not 1 to 18 ticks past the current tick", ahead, b);
        }
        ++run.checks;
        if (!ok) run.failed = true;
        return ok;
    }

    // The number of variable rows that matched some variable at least once.
    std::size_t families_seen() const { return seen_.size(); }
    std::size_t icon_count() const { return icons_.size(); }

private:
    const RangeRow* range_of(const std::string& name) {
        auto cached = cache_.find(name);
        if (cached != cache_.end()) return cached->second;
        const RangeRow* found = nullptr;
        for (const auto& r : ranges_)
            if (std::regex_search(name, r.re)) {
                found = r.row;
                seen_[r.row->family] = true;
                break;
            }
        cache_[name] = found;
        return found;
    }

    bool report(const std::string& what, const char* why, double value, const bench::Bench& b) {
        if (reported_[what]++ == 0) std::printf("at %.1f s: %s %s: %g\n", b.sim_seconds(), what.c_str(), why, value);
        return false;
    }

    std::vector<CompiledRange> ranges_;
    std::vector<Icon> icons_;
    std::map<std::string, const RangeRow*> cache_;
    std::map<std::string, bool> seen_;
    std::map<std::string, int> reported_;
};

// The flight's actions, at their second after the soak begins (each happens at the first
// frame at or after that second and a half).
struct Action {
    double at;  // fraction of the flight (0 to 1), or seconds before its end when negative
    const char* what;
};

constexpr double kCruiseFeet = 38000.0;   // above any misting threshold (30000 to 36999 ft)
constexpr double kDescentFeet = 25000.0;  // below any

void act(bench::Bench& b, const std::string& what) {
    if (what == "oxygen") {  // the oxygen on, air inlet at 100 %
        b.set("L:OxySelectorSwitch, bool", 1);
        b.set("L:OxyPercentSwitch, bool", 1);
    } else if (what == "trim") {  // the aileron trim selector pushed to one side and let go
        b.set("L:aileronTrimSelPos, number", 0);
    } else if (what == "annunciator test") {  // the audio panel's test button (window 1000)
        b.click("RadioGPS_GMA340", 1270, 215, 0x20000000);
    } else if (what == "descend") {
        b.set("A:PLANE ALTITUDE, feet", kDescentFeet);
        b.set("A:INDICATED ALTITUDE, feet", kDescentFeet);
    } else if (what == "demist") {
        b.set("L:Pull_Demist, number", 1);
    }
}

Run fly(double total, bool random_rates) {
    bench::Bench b;
    if (kRecorder) {
        std::filesystem::create_directories(aircraft_folder(b) / "panel" / "FlightAnalysis");
        std::ofstream(aircraft_folder(b) / "aircraft.cfg") << "[General]\nFlightDataRecording=Active\n";
        b.unload();
        b.load();  // the recorder's option is read at load
    }
    b.start_cruise(kCruiseFeet, 300);
    for (std::uint32_t w = 100; w <= 1900; w += 100) b.window("open", w);
    b.seconds(10);
    b.set("L:Pull_Demist, number", 0);
    Invariants invariants(b);
    std::mt19937 draw(14);
    std::uniform_int_distribution<int> rate(5, 83);
    const double begin = std::floor(b.sim_seconds()) + 0.5;
    const double end = begin + std::floor(total);
    // Misting needs 1800 s above the threshold before the descent; a short run descends at
    // its middle and never mists, but still runs every check.
    const double descent = begin + std::max(std::floor(total * 0.55), std::floor(total / 2));
    struct Timed {
        double at;
        const char* what;
        bool done;
    } plan[] = {
        {begin, "oxygen", false},
        {begin + 20, "trim", false},
        // Read 2.5 s and 3.5 s after a press by the samples at 60 and 90 s: lit, then out.
        {begin + 58, "annunciator test", false},
        {begin + 87, "annunciator test", false},
        {descent, "descend", false},
        {end - 12, "demist", false},  // two steps of clearing before the end: level 5 of 7
        {end - 40, "trim", false},
    };
    const double period = (end - b.sim_seconds()) / 10;
    double first_per_second = 0;
    Run run;
    double next_check = b.sim_seconds();
    double next_sample = begin + kSampleSeconds;
    for (int p = 0; p < 10; ++p) {
        const auto before = b.host_call_counts();
        const double start = b.sim_seconds();
        const double stop = p == 9 ? end : start + period;
        double next_clear = start + 60;
        while (b.sim_seconds() < stop) {
            for (auto& t : plan)
                if (!t.done && b.sim_seconds() >= t.at) {
                    act(b, t.what);
                    t.done = true;
                }
            if (random_rates) b.set_frame_rate(rate(draw));
            b.frames(1);
            if (b.sim_seconds() >= next_check) {
                invariants.check(b, run);
                next_check += 1;
            }
            if (b.sim_seconds() >= next_sample && b.sim_seconds() < end) {
                std::vector<double> values;
                for (const ClockedRow& row : CLOCKED) values.push_back(b.get(row.variable));
                run.samples.push_back(std::move(values));
                next_sample += kSampleSeconds;
            }
            if (b.sim_seconds() >= next_clear) {  // the bench's own logs, not the module's memory
                scstandin::clear_logs();
#if !defined(_WIN32)
                w32standin::clear_call_log();  // the real Win32 calls keep no log
#endif
                b.mark();
                next_clear += 60;
            }
        }
        const double per_second =
            static_cast<double>(total_calls(b.host_call_counts()) - total_calls(before)) / (b.sim_seconds() - start);
        std::printf("%s %6.0f s  host calls/s %10.1f\n", random_rates ? "random" : "fixed ", b.sim_seconds(), per_second);
        if (p == 0) first_per_second = per_second;
        // Per-frame work scales with the frame count; at random rates the mean rate is 44 a second.
        else if (per_second > first_per_second * 1.25 + 1.0) run.failed = true;
    }
    invariants.check(b, run);
    std::printf("%s: %ld invariant checks over %zu variable families and %zu icons\n", random_rates ? "random" : "fixed ",
                run.checks, invariants.families_seen(), invariants.icon_count());
    // A row that matches nothing has lost its variables (renamed or gone): the table must follow.
    if (invariants.families_seen() != std::size(RANGES)) run.failed = true;
    for (const auto& f : b.faults()) {
        std::printf("fault: %s\n", f.c_str());
        run.failed = true;
    }
    run.seconds = b.sim_seconds();
    run.token604 = b.token(604);
    run.token1 = b.token(1);
    for (const ClockedRow& row : CLOCKED) run.clocked[row.variable] = b.get(row.variable);
    if (kRecorder) run.recording = recorded(b);
    return run;
}

// ---- once per update -----------------------------------------------------------------------
// The take-off hot/cold selector held at 0 raises the cabin temperature setting by one each
// update, and the needle follows it by five each update (one within five): both are counted in
// updates, not seconds. After the same number of frames at 18 and at 72 frames a second the
// needle reads the same; at 72 that took a quarter of the time.
struct Stepped {
    double needle = 0, seconds = 0;
};

Stepped hot_cold_steps(int fps, int frames) {
    bench::Bench b;
    b.start("ready");
    b.set_frame_rate(fps);
    b.frames(1);
    b.set("L:cabinTempValNeedleVC, number", 0);
    b.set("L:TO_HotColdVC, enum", 0);
    const double from = b.sim_seconds();
    b.frames(frames);
    return {b.get("L:cabinTempValNeedleVC, number"), b.sim_seconds() - from};
}

// In a descent the cabin altitude falls 10 ft an update towards its schedule (half the
// aircraft's altitude plus 2000 ft), with the take-off panel (window 500) open: from 38000 ft
// (cabin 21000 ft) to 25000 ft, 180 updates take it down 1800 ft, the needle from 328 to 289
// by the cabin altimeter's scale, at 18 frames a second in 10 s, at 72 in 2.5 s.
Stepped descent_steps(int fps, int frames) {
    bench::Bench b;
    b.start_cruise(38000, 300);
    b.window("open", 500);
    b.seconds(2);
    b.set_frame_rate(fps);
    b.frames(1);
    b.set("A:PLANE ALTITUDE, feet", 25000);
    b.set("A:INDICATED ALTITUDE, feet", 25000);
    const double from = b.sim_seconds();
    b.frames(frames);
    return {b.get("L:CabinAltNeedleVC, number"), b.sim_seconds() - from};
}

// With both throttle levers pulled back past the idle gate the HP cocks shut and the engines
// run down (in seconds, the simulated engines' own time); once an engine is below 20 % its
// hydraulic pump bleeds 50 PSI an update. From 2750 PSI the main pressure reads 0 after 55
// updates, the same number of frames at 18 and at 72 frames a second.
Stepped pump_bleed(int fps) {
    bench::Bench b;
    b.start("ready");
    b.set_frame_rate(fps);
    b.seconds(5);  // the pumps at their top, 2750 PSI
    const double full = b.get("L:HydrNeedleVC, number");
    b.set("L:Throttle1Position, number", 0);
    b.set("L:Throttle2Position, number", 0);
    int frames = 0;
    double falling_since = -1;
    for (int f = 0; f < 120 * fps; ++f) {
        b.frames(1);
        const double needle = b.get("L:HydrNeedleVC, number");
        if (falling_since < 0 && needle < full) falling_since = b.sim_seconds();
        if (falling_since >= 0) ++frames;
        if (needle == 0) break;
    }
    return {static_cast<double>(frames), falling_since < 0 ? 0 : b.sim_seconds() - falling_since};
}

bool per_update_stays_per_update() {
    bool ok = true;
    const auto compare = [&ok](const char* what, int frames, const Stepped& slow, const Stepped& fast, double wanted) {
        std::printf("%s after %d frames: %g at 18 fps (%.2f s), %g at 72 fps (%.2f s), %g wanted\n", what, frames,
                    slow.needle, slow.seconds, fast.needle, fast.seconds, wanted);
        ok &= slow.needle == wanted && fast.needle == wanted && std::fabs(fast.seconds * 4 - slow.seconds) < 1e-6;
    };
    // 30 updates raise the setting to 30 (target 250) and the needle by 5 an update: 150.
    compare("cabin temperature needle", 30, hot_cold_steps(18, 30), hot_cold_steps(72, 30), 150);
    compare("cabin altitude needle", 180, descent_steps(18, 180), descent_steps(72, 180), 289);
    const Stepped slow = pump_bleed(18), fast = pump_bleed(72);
    std::printf("hydraulic pressure from full to 0: %g frames at 18 fps (%.2f s), %g at 72 fps (%.2f s)\n", slow.needle,
                slow.seconds, fast.needle, fast.seconds);
    ok &= slow.needle == 55 && fast.needle == 55 && std::fabs(fast.seconds * 4 - slow.seconds) < 1e-6;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const double total = argc > 1 ? std::atof(argv[1]) : 3600.0;
    if (!(total >= 60)) {
        std::fprintf(stderr, "usage: soak_frame_rates [SIMULATED_SECONDS, at least 60]\n");
        return 2;
    }
    const Run fixed = fly(total, false);
    const Run random = fly(total, true);
    bool ok = !fixed.failed && !random.failed;
    // Both runs stop at the first frame at or past the same second and a half.
    const bool clocks_agree = std::fabs(random.seconds - fixed.seconds) < 0.2 + 1e-6 && random.token604 == fixed.token604 &&
                              std::fabs(random.token1 - fixed.token1) <= 4;
    if (!clocks_agree)
        std::printf("clocks: fixed %.3f s (token 604 %g, token 1 %g), random %.3f s (%g, %g)\n", fixed.seconds,
                    fixed.token604, fixed.token1, random.seconds, random.token604, random.token1);
    ok &= clocks_agree;
    for (const ClockedRow& row : CLOCKED) {
        const double a = fixed.clocked.at(row.variable), c = random.clocked.at(row.variable);
        const bool same = std::fabs(a - c) <= row.tolerance;
        std::printf("%-44s token %-3s fixed %12.3f random %12.3f %s\n", row.variable, row.clock, a, c,
                    same ? "" : "DIFFERENT");
        ok &= same;
    }
    for (const RecordedRow& row : RECORDED) {
        if (!kRecorder) break;
        const double a = fixed.recording.at(row.file), c = random.recording.at(row.file);
        // An hour records a line a second and a minute a minute: the files must be there and full.
        const double wanted = std::string(row.file) == "FlightDuration" ? std::floor(total / 60) : std::floor(total);
        const bool same = std::fabs(a - c) <= row.tolerance && a >= wanted && c >= wanted;
        std::printf("recorded %-34s fixed %12.0f random %12.0f %s\n", row.file, a, c, same ? "" : "DIFFERENT OR SHORT");
        ok &= same;
    }
    if (fixed.samples.size() != random.samples.size()) {
        std::printf("samples: %zu in the fixed run, %zu in the random run\n", fixed.samples.size(), random.samples.size());
        ok = false;
    } else {
        for (std::size_t i = 0; i < fixed.samples.size(); ++i)
            for (std::size_t r = 0; r < std::size(CLOCKED); ++r)
                if (std::fabs(fixed.samples[i][r] - random.samples[i][r]) > CLOCKED[r].tolerance) {
                    std::printf("at sample %zu (%.0f s in): %s fixed %g random %g DIFFERENT\n", i,
                                (i + 1) * kSampleSeconds, CLOCKED[r].variable, fixed.samples[i][r], random.samples[i][r]);
                    ok = false;
                }
        std::printf("%zu samples of the clocked values through the flight compared\n", fixed.samples.size());
        // The flight did use the annunciator test's clock: lit 2.5 s after a press, out 3.5 s after.
        std::size_t led = 0;
        while (std::string(CLOCKED[led].variable) != "L:Garmin_pilot_led, bool") ++led;
        if (fixed.samples.size() >= 3 && !(fixed.samples[1][led] == 1 && fixed.samples[2][led] == 0)) {
            std::printf("%s read %g at 60 s and %g at 90 s, not 1 and 0\n", CLOCKED[led].variable, fixed.samples[1][led],
                        fixed.samples[2][led]);
            ok = false;
        }
    }
    ok &= per_update_stays_per_update();
    std::printf("%s\n", ok ? "frame-rate independent" : "RANGE, GROWTH, FAULT, CLOCK OR VALUE DIFFERENCE");
    return ok ? 0 : 1;
}
