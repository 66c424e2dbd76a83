// tarmelon-bench: loads the Tarmelon module in the stand-in simulator and runs scripts
// against it, or flies the demo flight when no script is given.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "bench.h"
#include "text.h"

namespace {

constexpr const char* kUsage =
    "usage: tarmelon-bench [options] [SCRIPT...]     no SCRIPT: the demo flight; \"-\": standard input\n"
    "  --root DIR       simulator folder (default: a fresh temporary one, removed at exit)\n"
    "  --module PATH    module library to load (default: the one built beside the bench)\n"
    "  --fps N          frames per simulated second (default 18: one frame per tick)\n"
    "  --flight PATH    loaded flight reported to the module at connection\n"
    "  --no-simconnect  the connection never opens\n"
    "exit status: 0 all held; 1 an expectation failed; 2 a script or usage error\n";

int usage_error(const std::string& why) {
    std::cerr << "tarmelon-bench: " << why << "\n" << kUsage;
    return 2;
}

int demo(bench::Options options) {
    std::cout << "Tarmelon bench: demo flight\n";
    bench::Bench b(options);
    b.set_fault_stream(&std::cerr);
    std::cout << "module " << b.options().module_path << "\nsimulator folder " << b.options().root << "\n";
    auto gauges = b.gauges();
    std::cout << "loaded: " << gauges.size() << " gauges, " << b.instance_count() << " gauge instances\n";
    for (const auto& g : gauges) {
        std::string where;
        for (auto w : g.windows) where += (where.empty() ? "" : ",") + (w == 0 ? std::string("main view") : std::to_string(w));
        char line[200];
        std::snprintf(line, sizeof line, "  %-24s %3d elements %3d mouse records  %-11s in %s\n", g.name.c_str(),
                      g.elements, g.mouse_records, g.has_callback ? "callback" : "no callback",
                      where.empty() ? "no window" : where.c_str());
        std::cout << line;
    }
    std::size_t texts_seen = 0;
    bool was_open = false;
    const int fps = b.options().fps;
    auto stamp = [&] {
        char t[32];
        std::snprintf(t, sizeof t, "t=%5.2fs ", b.sim_seconds());
        return std::string(t);
    };
    for (int frame = 1; frame <= 5 * fps; ++frame) {
        b.frames(1);
        if (b.simconnect_open() != was_open) {
            was_open = b.simconnect_open();
            std::cout << stamp() << "SimConnect connection " << (was_open ? "open" : "closed") << " ("
                      << b.simconnect_log().size() << " SimConnect calls so far)\n";
        }
        auto texts = b.texts();
        for (; texts_seen < texts.size(); ++texts_seen) std::cout << stamp() << "on screen: " << texts[texts_seen] << "\n";
        if (frame % fps == 0)
            std::cout << stamp() << b.calculator_log().size() << " calculator strings, " << b.key_log().size()
                      << " key events, " << b.simconnect_log().size() << " SimConnect calls so far\n";
    }
    std::cout << "window 1400 (selector arrow) " << (b.window_open(1400) ? "open" : "closed") << "\n";
    b.unload();
    auto faults = b.faults();
    std::cout << "unloaded; " << (faults.empty() ? "no faults" : std::to_string(faults.size()) + " distinct faults") << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    bench::Options options;
    std::vector<std::string> scripts;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](const char* what) -> std::string {
            if (i + 1 >= argc) throw std::invalid_argument(std::string(what) + " needs a value");
            return argv[++i];
        };
        try {
            if (arg == "--root") options.root = value("--root");
            else if (arg == "--module") options.module_path = value("--module");
            else if (arg == "--flight") options.flight = value("--flight");
            else if (arg == "--no-simconnect") options.simconnect = false;
            else if (arg == "--fps") {
                auto n = bench::parse_integer(value("--fps"));
                if (!n || *n < 1 || *n > 1000) return usage_error("--fps takes a whole number 1 to 1000");
                options.fps = static_cast<int>(*n);
            } else if (arg == "--help" || arg == "-h") {
                std::cout << kUsage;
                return 0;
            } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
                return usage_error("unknown option " + arg);
            } else {
                scripts.push_back(arg);
            }
        } catch (const std::invalid_argument& e) {
            return usage_error(e.what());
        }
    }

    try {
        if (scripts.empty()) return demo(options);
        int status = 0;
        // Each script is its own scenario: a fresh bench (and a fresh module) per script.
        for (const auto& path : scripts) {
            std::ifstream file;
            std::istream* in = &std::cin;
            if (path != "-") {
                file.open(path);
                if (!file) {
                    std::cerr << path << ": cannot open\n";
                    return 2;
                }
                in = &file;
            }
            bench::Bench b(options);
            b.set_fault_stream(&std::cerr);
            int result = b.run_script(*in, path == "-" ? "<stdin>" : path, std::cout, std::cerr);
            if (result == 2) return 2;
            if (result > status) status = result;
        }
        return status;
    } catch (const std::exception& e) {
        std::cerr << "tarmelon-bench: " << e.what() << "\n";
        return 2;
    }
}
