// The frame path allocates nothing: with every panel window open, after start-up has settled,
// a run of frames makes no heap allocation in the module (the host's own are not counted).
#include <gtest/gtest.h>

#include "bench.h"
#include "module_allocations.h"

namespace {

TEST(SteadyState, TheModuleAllocatesNothingPerFrameWithEveryWindowOpen) {
    if (!perf::allocation_hooks_available()) GTEST_SKIP() << "no allocator hooks on this platform";
    bench::Bench b;
    b.seconds(3);
    for (std::uint32_t w = 100; w <= 1900; w += 100) b.window("open", w);
    b.seconds(1);
    perf::start_counting_module_allocations();
    b.seconds(10);
    perf::stop_counting_module_allocations();
    EXPECT_GT(perf::all_allocations(), 0u) << "the hooks saw none of the host's allocations either";
    EXPECT_EQ(perf::module_allocations(), 0u);
}

}  // namespace
