// Per-frame cost of the module in the bench, and the host calls it makes per frame.
//   build/dev/bin/frame_benchmark
// "frame" runs one whole bench frame (clock, aircraft, SimConnect delivery, every live gauge,
// timers) after start-up has settled; the counters give the module's host calls per frame.
#include <benchmark/benchmark.h>

#include "bench.h"

namespace {

void frame(benchmark::State& st) {
    bench::Bench b;
    b.frames(36);  // start-up done: connection, initial state, ready preset
    b.mark();
    std::size_t calculator = 0, keys = 0, frames = 0;
    const std::size_t sc_before = b.simconnect_log().size();
    for (auto _ : st) {
        b.frames(1);
        ++frames;
        if (frames % 256 == 0) {  // keep the bench's logs short
            calculator += b.calculator_log().size();
            keys += b.key_log().size();
            b.mark();
        }
    }
    calculator += b.calculator_log().size();
    keys += b.key_log().size();
    const double n = static_cast<double>(frames);
    st.counters["calculator_strings_per_frame"] = static_cast<double>(calculator) / n;
    st.counters["key_events_per_frame"] = static_cast<double>(keys) / n;
    st.counters["simconnect_calls_per_frame"] =
        static_cast<double>(b.simconnect_log().size() - sc_before) / n;
}
BENCHMARK(frame)->Unit(benchmark::kMicrosecond);

void load_and_unload(benchmark::State& st) {
    for (auto _ : st) {
        bench::Bench b;
        b.frames(1);
    }
}
BENCHMARK(load_and_unload)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
