// tarmelon-bench plot: a recorded flight (the flight data recorder's folder of seven text
// files) drawn as one SVG picture: the six recorded quantities against time, one panel and
// one colour each, with their units, a time axis in minutes:seconds and a legend.
#pragma once

#include <string>
#include <vector>

// The arguments after "plot": FOLDER [--output FILE]. Returns the exit status: 0 drawn,
// 2 a usage error or a folder without a recording (the reason on standard error).
int run_plot(const std::vector<std::string>& args);
