#include <chrono>
#include <thread>

#include "platform.h"

namespace benchplatform {

std::uint64_t monotonic_ms() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

FramePacer::FramePacer(bool real_time) : real_time_(real_time), start_ms_(monotonic_ms()) {}

int FramePacer::frame(std::uint64_t sim_ms) {
    int dispatched = pump_messages();
    if (!real_time_) return dispatched;
    while (monotonic_ms() - start_ms_ < sim_ms) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        dispatched += pump_messages();
    }
    return dispatched;
}

}  // namespace benchplatform
