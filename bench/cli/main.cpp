// tarmelon-bench: loads the Tarmelon module in the stand-in simulator and runs scripts
// against it, or flies the demo flight when no script is given.
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "bench.h"
#include "demo.h"
#include "plot.h"
#include "text.h"
#if defined(TARMELON_BENCH_SERVE)
#include "serve.h"
#endif

namespace {

constexpr const char* kUsage =
    "usage: tarmelon-bench [options] [SCRIPT...]     no SCRIPT: the demo flight; \"-\": standard input\n"
    "  --root DIR       simulator folder (default: a fresh temporary one, removed at exit)\n"
    "  --module PATH    module library to load (default: the one built beside the bench)\n"
    "  --fps N          frames per simulated second (default 18: one frame per tick)\n"
    "  --flight PATH    loaded flight reported to the module at connection\n"
    "  --no-simconnect  the connection never opens\n"
    "  --no-simconnect-library  there is no SimConnect library at all (Linux)\n"
    "  --simconnect-silent  the connection opens and every call succeeds, but the simulator never answers\n"
    "  --late-toggles   the simulator applies the master battery, alternator and light toggles a frame late\n"
    "  --fly            the bench aircraft flies itself: rolls with thrust, lifts off, climbs, descends, lands\n"
    "  --serve PORT     the workbench: the bench in a browser at http://127.0.0.1:PORT/ (0: any free port),\n"
    "                   until Ctrl-C; the SCRIPTs run on it first\n"
    "   or: tarmelon-bench plot FOLDER [--output FILE.svg]\n"
    "                   a recorded flight (a folder of the flight data recorder) drawn as SVG: its six\n"
    "                   quantities against time (default output FOLDER/flight.svg)\n"
    "exit status: 0 all held; 1 an expectation failed; 2 a script or usage error\n";

int usage_error(const std::string& why) {
    std::cerr << "tarmelon-bench: " << bench::printable(why) << "\n" << kUsage;
    return 2;
}

// The whole script file; false with the system's reason when it cannot be read (a folder
// opens on some systems but gives "Is a directory" at the first read).
bool read_script(const std::string& path, std::string& text, std::string& why) {
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        why = std::strerror(errno != 0 ? errno : ENOENT);
        return false;
    }
    char buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, f);
        text.append(buffer, n);
        if (n < sizeof buffer) break;
    }
    const bool failed = std::ferror(f) != 0;
    const int error = errno;
    std::fclose(f);
    if (failed) why = std::strerror(error != 0 ? error : EIO);
    return !failed;
}

// The workbench over one bench, the scripts run on it first.
int serve(const bench::Options& options, const std::vector<std::string>& scripts, int port) {
#if defined(TARMELON_BENCH_SERVE)
    bench::serve::ServeOptions serve_options;
    serve_options.port = port;
    for (const auto& path : scripts) {
        std::string text;
        std::string why;
        if (path == "-") {
            std::ostringstream all;
            all << std::cin.rdbuf();
            text = all.str();
        } else if (!read_script(path, text, why)) {
            std::cerr << bench::printable(path) << ": cannot read the script: " << why << "\n";
            return 2;
        }
        serve_options.scripts.emplace_back(path == "-" ? "<stdin>" : path, std::move(text));
    }
    serve_options.plot = [](const std::string& folder, std::string& svg, std::string& why) {
        // Drawn as `tarmelon-bench plot` draws it, into a file beside the recording's folder.
        static std::atomic<unsigned> drawings{0};
        const std::string out = folder + ".workbench-" + std::to_string(++drawings) + ".svg";
        if (run_plot({folder, "--output", out}) != 0) {
            why = "the recording in " + folder + " cannot be drawn";
            return false;
        }
        std::string error;
        const bool read = read_script(out, svg, error);
        std::remove(out.c_str());
        if (!read) why = "cannot read the drawing: " + error;
        return read;
    };
    return bench::serve::serve(options, serve_options);
#else
    (void)scripts;
    (void)port;
    (void)options;
    return usage_error("this bench was built without the workbench (cpp-httplib and nlohmann-json were missing)");
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "plot") {
        try {
            return run_plot(std::vector<std::string>(argv + 2, argv + argc));
        } catch (const std::exception& e) {
            std::cerr << "tarmelon-bench plot: " << bench::printable(e.what()) << "\n";
            return 2;
        }
    }
    bench::Options options;
    std::vector<std::string> scripts;
    int serve_port = -1;
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
            else if (arg == "--no-simconnect-library") options.simconnect_library = false;
            else if (arg == "--simconnect-silent") options.simconnect_silent = true;
            else if (arg == "--late-toggles") options.late_toggles = true;
            else if (arg == "--fly") options.flying = true;
            else if (arg == "--serve") {
                auto n = bench::parse_integer(value("--serve"));
                if (!n || *n < 0 || *n > 65535) return usage_error("--serve takes a port number 0 to 65535");
                serve_port = static_cast<int>(*n);
            }
            else if (arg == "--fps") {
                auto n = bench::parse_integer(value("--fps"));
                if (!n || *n < 1 || *n > 1000) return usage_error("--fps takes a whole number 1 to 1000");
                options.fps = static_cast<int>(*n);
            } else if (arg == "--help" || arg == "-h") {
                std::cout << kUsage
                          << "script commands, one a line ('#' starts a comment; variable names and texts in "
                             "double quotes):\n"
                          << bench::script_commands_help();
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

    if (serve_port >= 0) return serve(options, scripts, serve_port);

    try {
        if (scripts.empty()) return run_demo(options);
        int status = 0;
        // Each script is its own scenario: a fresh bench (and a fresh module) per script.
        for (const auto& path : scripts) {
            std::istringstream file;
            std::istream* in = &std::cin;
            if (path != "-") {
                std::string text;
                std::string why;
                if (!read_script(path, text, why)) {
                    std::cerr << bench::printable(path) << ": cannot read the script: " << why << "\n";
                    return 2;
                }
                file.str(std::move(text));
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
        std::cerr << "tarmelon-bench: " << bench::printable(e.what()) << "\n";
        return 2;
    }
}
