// Fuzzing the module's outside inputs through the bench, under the address and
// undefined-behaviour sanitizers: SimConnect messages of any size and content handed to the
// dispatch procedure, and panel-state files of any content loaded with a flight.
//   build/asan/bin/module_fuzz -runs=100000        (CTest runs a short, seeded pass)
// First input byte: even = a SimConnect message (the rest, as is), odd = a panel-state file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>

#include "bench.h"
#include "bench/simconnect/standin.h"

namespace {

bench::Bench& the_bench() {
    static std::unique_ptr<bench::Bench> b = [] {
        auto created = std::make_unique<bench::Bench>();
        created->frames(12);  // connected and started
        return created;
    }();
    return *b;
}

void panel_state_file(bench::Bench& b, const std::uint8_t* data, std::size_t size) {
    const auto file = std::filesystem::path(b.options().root) / "SimObjects" / "Airplanes" / "VK_Tarmelon" /
                      "panel" / "PanelSave" / "Fuzz.FLT.save";
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    b.unload();
    b.load("C:/Flights/Fuzz.FLT");
    b.frames(8);  // the load happens from base + 5
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    bench::Bench& b = the_bench();
    if (data[0] % 2 == 0) {
        scstandin::deliver_raw(data + 1, static_cast<std::uint32_t>(size - 1));
        b.frames(1);
    } else {
        panel_state_file(b, data + 1, size - 1);
    }
    b.mark();  // keep the logs short
    return 0;
}
