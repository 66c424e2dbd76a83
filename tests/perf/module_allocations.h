// Heap allocations made by the module, counted by the bench's allocator hooks (Linux): every
// malloc, calloc and realloc of the process passes through the hook; an allocation is the
// module's when the first caller on its stack outside the C and C++ runtimes lies in the
// module's library. Allocations the host makes while serving the module (the bench's logs,
// the stand-in SimConnect's messages) are the host's, not the module's.
#pragma once

#include <cstdint>

namespace perf {

// True where the hooks exist (Linux with glibc); elsewhere counts stay 0.
bool allocation_hooks_available();

// Counting is off until started; while on, each allocation costs a stack walk.
void start_counting_module_allocations();
void stop_counting_module_allocations();
std::uint64_t module_allocations();
std::uint64_t all_allocations();  // every allocation while counting, the host's included

}  // namespace perf
