// The workbench: the bench served to a browser on this computer (loopback only). The page
// shows every panel window drawn from the gauges' live element results, sends real mouse
// events to their click areas, and has the variable inspector, the timeline, the logs, the
// flight recorder's plots and the run controls. Requests run on the bench's own thread.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bench.h"

namespace bench::serve {

struct ServeOptions {
    int port = 8080;  // 0: any free port
    // Scripts run on the served bench before the page is served: (name, text).
    std::vector<std::pair<std::string, std::string>> scripts;
    // Draws a recorded flight (a folder of the flight data recorder) as SVG; false and why
    // when it cannot.
    std::function<bool(const std::string& folder, std::string& svg, std::string& why)> plot;
};

// Serves until Ctrl-C (SIGINT) or SIGTERM; prints the address first. Returns the exit
// status: 0 stopped, 2 the bench or the port could not be had (the reason on standard
// error).
int serve(const Options& options, const ServeOptions& serve_options);

}  // namespace bench::serve
