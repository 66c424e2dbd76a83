// The panel-state loader fed any ".save" file: the bytes become the saved state of flight
// "Fuzz.FLT" beside the flights, the simulator reports that flight as loaded (its
// FlightLoaded reply, as it answers the module's request), and the next frame loads it
// through the Win32 stand-in's profile functions. Whatever the file holds, the state is
// loaded ("Panel state loaded" on screen) and nothing the bench watches goes wrong.
//   build/fuzz/bin/panel_state_fuzz tests/fuzz/corpus/panel_state -runs=1000000 -detect_leaks=0
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/simconnect/standin.h"
#include "fuzz_bench.h"
#include "sdk/simconnect.h"

namespace {

// The request id the module gave its RequestSystemState("FlightLoaded"), from its calls.
std::uint32_t flight_loaded_request(const bench::Bench& b) {
    const std::string call = "SimConnect_RequestSystemState(";
    for (const std::string& line : b.simconnect_log())
        if (line.rfind(call, 0) == 0 && line.find("\"FlightLoaded\"") != std::string::npos)
            return static_cast<std::uint32_t>(std::strtoul(line.c_str() + call.size(), nullptr, 10));
    std::fprintf(stderr, "the module never asked which flight is loaded\n");
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) return 0;
    bench::Bench& b = fuzzbench::settled_bench();
    static const std::uint32_t request = flight_loaded_request(b);
    static const std::filesystem::path file = std::filesystem::path(b.options().root) / "SimObjects" / "Airplanes" /
                                              "VK_Tarmelon" / "panel" / "PanelSave" / "Fuzz.FLT.save";
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    sdk::SIMCONNECT_RECV_SYSTEM_STATE reply{};
    reply.dwSize = sizeof reply;
    reply.dwVersion = 4;
    reply.dwID = sdk::SIMCONNECT_RECV_ID_SYSTEM_STATE;
    reply.dwRequestID = request;
    std::snprintf(reply.szString, sizeof reply.szString, "%s", "C:\\Flights\\Fuzz.FLT");
    b.mark();
    scstandin::deliver_raw(&reply, sizeof reply);
    b.frames(1);
    bool loaded = false;
    for (const std::string& text : b.texts()) loaded = loaded || text == "Panel state loaded";
    if (!loaded) {
        std::fprintf(stderr, "a readable panel-state file was not loaded\n");
        std::abort();
    }
    fuzzbench::after_input(b);
    return 0;
}
