// The frame-rate soak: the ready aircraft with every panel window open, run once at a fixed 18
// frames a second and once at a frame rate drawn afresh every frame between 5 and 83, for the
// same simulated time. Watched period by period for growth in the host calls the module makes
// per simulated second and for faults; at the end the simulated clocks of both runs must agree.
//   build/dev/bin/soak_frame_rates [SIMULATED_SECONDS]     (default an hour, 3600)
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "bench.h"
#include "bench/simconnect/standin.h"
#include "bench/win32/standin.h"

namespace {

struct Run {
    double seconds = 0;
    bool failed = false;
};

std::uint64_t total_calls(const bench::Bench::HostCallCounts& c) {
    return c.calculator_reads + c.calculator_writes + c.token_reads + c.key_events + c.named_variables +
           c.window_queries + c.element_lists + c.simconnect_calls;
}

Run fly(double total, bool random_rates) {
    bench::Bench b;
    b.start("ready");
    for (std::uint32_t w = 100; w <= 1900; w += 100) b.window("open", w);
    b.seconds(10);
    std::mt19937 draw(14);
    std::uniform_int_distribution<int> rate(5, 83);
    const double period = total / 10;
    double first_per_second = 0;
    Run run;
    for (int p = 0; p < 10; ++p) {
        const auto before = b.host_call_counts();
        const double start = b.sim_seconds();
        double next_clear = start + 60;
        while (b.sim_seconds() < start + period) {
            if (random_rates) b.set_frame_rate(rate(draw));
            b.frames(1);
            if (b.sim_seconds() >= next_clear) {  // the bench's own logs, not the module's memory
                scstandin::clear_logs();
                w32standin::clear_call_log();
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
    for (const auto& f : b.faults()) {
        std::printf("fault: %s\n", f.c_str());
        run.failed = true;
    }
    run.seconds = b.sim_seconds();
    return run;
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
    // The random run stops at the first frame past each period: at most a fifth of a second late.
    const bool clocks_agree = std::fabs(random.seconds - fixed.seconds) < 10 * 0.2 + 1e-6;
    const bool ok = !fixed.failed && !random.failed && clocks_agree;
    std::printf("%s\n", ok ? "frame-rate independent" : "GROWTH, FAULT OR CLOCK DRIFT");
    return ok ? 0 : 1;
}
