#include "module_allocations.h"

#if defined(__linux__) && defined(__GLIBC__) && !defined(TARMELON_NO_ALLOCATION_HOOKS)

#include <dlfcn.h>
#include <execinfo.h>

#include <atomic>
#include <cstddef>
#include <cstring>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
}

namespace {

std::atomic<bool> counting{false};
std::atomic<std::uint64_t> module_count{0};
std::atomic<std::uint64_t> all_count{0};
thread_local bool in_hook = false;

bool is_runtime(const char* file) {
    if (file == nullptr) return true;
    const char* base = std::strrchr(file, '/');
    base = base != nullptr ? base + 1 : file;
    return std::strncmp(base, "libc.so", 7) == 0 || std::strncmp(base, "libstdc++", 9) == 0 ||
           std::strncmp(base, "libgcc_s", 8) == 0 || std::strncmp(base, "ld-linux", 8) == 0 ||
           std::strncmp(base, "libm.so", 7) == 0;
}

bool is_module(const char* file) { return file != nullptr && std::strstr(file, "libTarmelon") != nullptr; }

void note_allocation() {
    if (!counting.load(std::memory_order_relaxed) || in_hook) return;
    in_hook = true;
    all_count.fetch_add(1, std::memory_order_relaxed);
    void* frames[24];
    const int n = backtrace(frames, 24);
    // frames[0] is this function, frames[1] the hook.
    for (int i = 2; i < n; ++i) {
        Dl_info info{};
        if (dladdr(frames[i], &info) == 0) continue;
        if (is_runtime(info.dli_fname)) continue;
        if (is_module(info.dli_fname)) module_count.fetch_add(1, std::memory_order_relaxed);
        break;
    }
    in_hook = false;
}

}  // namespace

extern "C" {
void* malloc(std::size_t size) {
    note_allocation();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    note_allocation();
    return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size) {
    note_allocation();
    return __libc_realloc(p, size);
}
}

namespace perf {

bool allocation_hooks_available() { return true; }

void start_counting_module_allocations() {
    // The first stack walk loads the unwinder, which allocates: do it before counting.
    void* frames[4];
    backtrace(frames, 4);
    module_count = 0;
    all_count = 0;
    counting = true;
}
void stop_counting_module_allocations() { counting = false; }
std::uint64_t module_allocations() { return module_count; }
std::uint64_t all_allocations() { return all_count; }

}  // namespace perf

#else

namespace perf {
bool allocation_hooks_available() { return false; }
void start_counting_module_allocations() {}
void stop_counting_module_allocations() {}
std::uint64_t module_allocations() { return 0; }
std::uint64_t all_allocations() { return 0; }
}  // namespace perf

#endif
