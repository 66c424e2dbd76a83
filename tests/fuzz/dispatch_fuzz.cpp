// The module's SimConnect dispatch procedure fed any bytes, of any size and any message id,
// through the stand-in SimConnect exactly as the simulator hands a message over.
//   build/fuzz/bin/dispatch_fuzz tests/fuzz/corpus/dispatch -runs=1000000 -detect_leaks=0
// First byte: bit 0 makes the record's dwSize the real size, bit 1 puts the second byte
// (mod 20) into dwID, so that most inputs pass the size and kind checks and reach the
// handlers; the message is the bytes after the first. Every 32 inputs a frame runs, so
// that what the messages changed is used by the cockpit.
#include <cstdint>
#include <cstring>
#include <vector>

#include "bench/simconnect/standin.h"
#include "fuzz_bench.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 65536) return 0;
    bench::Bench& b = fuzzbench::settled_bench();
    const std::uint8_t mode = data[0];
    std::vector<std::uint8_t> message(data + 1, data + size);
    if ((mode & 1) != 0 && message.size() >= 4) {
        const auto n = static_cast<std::uint32_t>(message.size());
        std::memcpy(message.data(), &n, 4);
    }
    if ((mode & 2) != 0 && message.size() >= 12) {
        const std::uint32_t id = message[1 + 0] % 20u;
        std::memcpy(message.data() + 8, &id, 4);
    }
    scstandin::deliver_raw(message.empty() ? nullptr : message.data(), static_cast<std::uint32_t>(message.size()));
    static unsigned count = 0;
    if (++count % 32 == 0) b.frames(1);
    fuzzbench::after_input(b);
    return 0;
}
