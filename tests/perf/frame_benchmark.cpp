// Per-frame cost of the module in the bench, the host calls it makes per frame, and the heap
// allocations it makes per frame.
//   build/dev/bin/frame_benchmark
// "frame" runs one whole bench frame (clock, aircraft, SimConnect delivery, every live gauge,
// timers) after start-up has settled, with the panel windows the aircraft opens at start;
// "frame_all_windows" the same with all 19 panel windows open. Besides the mean time, each
// reports the median and 95th percentile of single frames (p50_us, p95_us, wall clock), the
// host calls per frame by kind and the module's heap allocations per frame (Linux);
// "systems_hour" flies one simulated hour with no panel window open.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench.h"
#include "module_allocations.h"

namespace {

constexpr std::uint32_t kAllWindows[] = {100,  200,  300,  400,  500,  600,  700,  800,  900, 1000,
                                         1100, 1200, 1300, 1400, 1500, 1600, 1700, 1800, 1900};
constexpr int kCountedFrames = 200;

void keep_logs_short(bench::Bench& b, std::size_t frames) {
    if (frames % 256 == 0) b.mark();
}

void run(benchmark::State& st, bool all_windows) {
    bench::Bench b;
    b.seconds(3);  // start-up done: connection, initial state, ready preset, panel state
    if (all_windows) {
        for (std::uint32_t w : kAllWindows) b.window("open", w);
    }
    b.frames(18);
    b.mark();

    // Allocations first, over a fixed run (each allocation costs a stack walk while counted).
    perf::start_counting_module_allocations();
    b.frames(kCountedFrames);
    perf::stop_counting_module_allocations();
    const double module_allocations = static_cast<double>(perf::module_allocations()) / kCountedFrames;
    b.mark();

    std::vector<double> micros;
    micros.reserve(1 << 20);
    const bench::Bench::HostCallCounts before = b.host_call_counts();
    std::size_t frames = 0;
    for (auto _ : st) {
        const auto t0 = std::chrono::steady_clock::now();
        b.frames(1);
        const auto t1 = std::chrono::steady_clock::now();
        if (micros.size() < micros.capacity())
            micros.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        keep_logs_short(b, ++frames);
    }
    const bench::Bench::HostCallCounts after = b.host_call_counts();

    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) {
        return micros.empty() ? 0.0 : micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))];
    };
    const double n = static_cast<double>(frames);
    const auto per_frame = [&](std::uint64_t a, std::uint64_t z) { return static_cast<double>(z - a) / n; };
    st.counters["p50_us"] = at(0.50);
    st.counters["p95_us"] = at(0.95);
    st.counters["calc_reads"] = per_frame(before.calculator_reads, after.calculator_reads);
    st.counters["calc_writes"] = per_frame(before.calculator_writes, after.calculator_writes);
    st.counters["key_events"] = per_frame(before.key_events, after.key_events);
    st.counters["token_reads"] = per_frame(before.token_reads, after.token_reads);
    st.counters["named_vars"] = per_frame(before.named_variables, after.named_variables);
    st.counters["window_queries"] = per_frame(before.window_queries, after.window_queries);
    st.counters["simconnect"] = per_frame(before.simconnect_calls, after.simconnect_calls);
    st.counters["module_allocs"] = module_allocations;
}

void frame(benchmark::State& st) { run(st, false); }
BENCHMARK(frame)->Unit(benchmark::kMicrosecond);

void frame_all_windows(benchmark::State& st) { run(st, true); }
BENCHMARK(frame_all_windows)->Unit(benchmark::kMicrosecond);

// A headless systems-only flight: every panel window closed, so only the frame driver, the
// model gauges and the simulator link run; one simulated hour at 18 frames a second per
// iteration. "x_real_time" is simulated seconds per wall-clock second (1000 or more: an hour
// in under 3.6 s).
void systems_hour(benchmark::State& st) {
    bench::Bench b;
    b.seconds(3);
    for (std::uint32_t w : kAllWindows)
        if (b.window_open(w)) b.window("close", w);
    b.frames(18);
    b.mark();
    constexpr int kHourFrames = 3600 * 18;
    double wall = 0.0;
    for (auto _ : st) {
        const auto t0 = std::chrono::steady_clock::now();
        for (int f = 0; f < kHourFrames; ++f) {
            b.frames(1);
            keep_logs_short(b, static_cast<std::size_t>(f) + 1);
        }
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    st.counters["x_real_time"] = wall > 0.0 ? 3600.0 * static_cast<double>(st.iterations()) / wall : 0.0;
}
BENCHMARK(systems_hour)->Unit(benchmark::kMillisecond)->Iterations(1);

void load_and_unload(benchmark::State& st) {
    for (auto _ : st) {
        bench::Bench b;
        b.frames(1);
    }
}
BENCHMARK(load_and_unload)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
