// The bench's script language fed any text: every line is tokenized and run as a command
// against a loaded module. Whatever the text, a script ends with status 0, 1 or 2, and a
// bad line says why on the error stream; nothing throws past run_script and nothing the
// bench watches goes wrong in the module.
// Commands that load or unload the module, or run it for long, would make each input cost
// seconds: "load", "unload" and "start" lines are left out, and "frames" and "seconds"
// lines run only with small counts (their words are still parsed as any other line's).
//   build/fuzz/bin/script_fuzz tests/fuzz/corpus/script -runs=1000000 -detect_leaks=0
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "fuzz_bench.h"

namespace {

std::string first_word(const std::string& line, std::string& rest) {
    std::size_t b = line.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    std::size_t e = line.find_first_of(" \t\r#", b);
    if (e == std::string::npos) e = line.size();
    rest = line.substr(e);
    return line.substr(b, e - b);
}

bool quick(const std::string& line) {
    std::string rest;
    const std::string word = first_word(line, rest);
    if (word == "load" || word == "unload" || word == "start") return false;
    if (word == "frames" || word == "seconds") {
        const double n = std::strtod(rest.c_str(), nullptr);
        return n >= -1 && n <= 2;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 8192) return 0;
    bench::Bench& b = fuzzbench::settled_bench();
    std::string script;
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(lines, line);)
        if (quick(line)) script += line + "\n";
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = b.run_script(in, "fuzz.bench", out, err);
    if (status < 0 || status > 2) std::abort();
    if (status != 0 && err.str().rfind("fuzz.bench:", 0) != 0) {
        std::fprintf(stderr, "a failed script did not say where: %s\n", err.str().c_str());
        std::abort();
    }
    // The flights the scripts save pile up: clear them now and then.
    static unsigned inputs = 0;
    if (++inputs % 1024 == 0) {
        std::error_code ec;
        std::filesystem::remove_all(std::filesystem::path(b.options().root) / "SimObjects" / "Airplanes" /
                                        "VK_Tarmelon" / "panel" / "PanelSave",
                                    ec);
    }
    fuzzbench::after_input(b);
    return 0;
}
