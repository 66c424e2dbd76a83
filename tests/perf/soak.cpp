// The soak: a long flight with every panel window open and the flight recorder on, at 18
// frames a second, watched hour by hour for growth in the process's memory, in the host
// calls the module makes per frame and in open file handles.
//   build/dev/bin/soak [SIMULATED_SECONDS]     (default a day, 86400)
// Prints one line an hour (or per tenth of a shorter run) and exits 1 when, over the run
// after its first period: resident memory grows by more than 4 MB, any kind of host call per
// frame grows by more than 5 % (plus one), or a file handle stays open.
#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench.h"
#include "bench/simconnect/standin.h"
#include "bench/win32/standin.h"

namespace {

long resident_kb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

int open_handles() {
    int n = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (const dirent* entry = ::readdir(dir))
            if (entry->d_name[0] != '.') ++n;
        ::closedir(dir);
        --n;  // the one this count opened
    }
    return n;
}

struct PerFrame {
    double calculator = 0, tokens = 0, keys = 0, variables = 0, windows = 0, elements = 0, simconnect = 0;
};

PerFrame per_frame(const bench::Bench::HostCallCounts& a, const bench::Bench::HostCallCounts& b, double frames) {
    auto d = [&](std::uint64_t x, std::uint64_t y) { return static_cast<double>(y - x) / frames; };
    return {d(a.calculator_reads + a.calculator_writes, b.calculator_reads + b.calculator_writes),
            d(a.token_reads, b.token_reads),
            d(a.key_events, b.key_events),
            d(a.named_variables, b.named_variables),
            d(a.window_queries, b.window_queries),
            d(a.element_lists, b.element_lists),
            d(a.simconnect_calls, b.simconnect_calls)};
}

bool grew(double first, double now) { return now > first * 1.05 + 1.0; }

}  // namespace

int main(int argc, char** argv) {
    const double total = argc > 1 ? std::atof(argv[1]) : 86400.0;
    if (!(total >= 60)) {
        std::fprintf(stderr, "usage: soak [SIMULATED_SECONDS, at least 60]\n");
        return 2;
    }
    const double period = total >= 7200 ? 3600 : total / 10;
    const int fps = 18;
    const auto frames_per_period = static_cast<int>(period * fps);

    bench::Bench b;
    const auto aircraft = std::filesystem::path(b.options().root) / "SimObjects" / "Airplanes" / "VK_Tarmelon";
    std::filesystem::create_directories(aircraft / "panel" / "FlightAnalysis");
    std::ofstream(aircraft / "aircraft.cfg") << "[General]\nFlightDataRecording=Active\n";
    b.unload();
    b.load();  // the recorder's option is read at load
    b.start("ready");
    for (std::uint32_t w = 100; w <= 1900; w += 100) b.window("open", w);
    b.seconds(10);

    long first_kb = 0;
    int first_handles = 0;
    PerFrame first{};
    bool failed = false;
    std::printf("%8s %10s %8s %8s %8s %8s %8s %8s %8s %8s\n", "hour", "rss_kb", "handles", "calc/f", "token/f",
                "keys/f", "vars/f", "win/f", "elem/f", "sc/f");
    for (int p = 0; p * period < total; ++p) {
        const auto before = b.host_call_counts();
        // The bench's own logs are emptied a simulated minute at a time: they are the
        // bench's memory, not the module's.
        for (int done = 0; done < frames_per_period;) {
            const int n = std::min(fps * 60, frames_per_period - done);
            b.frames(n);
            done += n;
            scstandin::clear_logs();
            w32standin::clear_call_log();
            b.mark();
        }
        const PerFrame now = per_frame(before, b.host_call_counts(), frames_per_period);
        const long kb = resident_kb();
        const int handles = open_handles();
        std::printf("%8.2f %10ld %8d %8.1f %8.1f %8.2f %8.1f %8.1f %8.1f %8.2f\n", (p + 1) * period / 3600, kb,
                    handles, now.calculator, now.tokens, now.keys, now.variables, now.windows, now.elements,
                    now.simconnect);
        std::fflush(stdout);
        if (p == 0) {
            first_kb = kb;
            first_handles = handles;
            first = now;
            continue;
        }
        if (kb > first_kb + 4096 || handles != first_handles || grew(first.calculator, now.calculator) ||
            grew(first.tokens, now.tokens) || grew(first.keys, now.keys) || grew(first.variables, now.variables) ||
            grew(first.windows, now.windows) || grew(first.elements, now.elements) ||
            grew(first.simconnect, now.simconnect))
            failed = true;
    }
    const auto faults = b.faults();
    for (const auto& f : faults) std::printf("fault: %s\n", f.c_str());
    std::printf("%s\n", failed || !faults.empty() ? "GROWTH OR FAULT" : "no growth");
    return failed || !faults.empty() ? 1 : 0;
}
