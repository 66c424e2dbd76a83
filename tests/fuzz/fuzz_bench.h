// What the fuzz targets share: one bench for the whole run, the module loaded and settled
// (connected, initial state and ready preset applied), its logs kept short, and a stop at
// the first fault the bench notices in the module's behaviour.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench.h"
#include "bench/simconnect/standin.h"
#include "bench/win32/standin.h"

namespace fuzzbench {

inline bench::Bench& settled_bench() {
    static std::unique_ptr<bench::Bench> b = [] {
        auto created = std::make_unique<bench::Bench>();
        created->frames(18);
        return created;
    }();
    return *b;
}

// After each input: a fault the bench saw ends the run (libFuzzer keeps the input), and
// every 256 inputs the logs start afresh so that a long run does not grow them.
inline void after_input(bench::Bench& b) {
    const auto faults = b.faults();
    if (!faults.empty()) {
        std::fprintf(stderr, "bench fault: %s\n", faults.front().c_str());
        std::abort();
    }
    static unsigned inputs = 0;
    if (++inputs % 256 == 0) {
        scstandin::clear_logs();
        w32standin::clear_call_log();
        b.mark();
    }
}

}  // namespace fuzzbench
