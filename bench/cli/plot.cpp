#include "plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Quantity {
    const char* file;
    const char* name;
    const char* unit;
    const char* colour;
};

// The recorder's six quantity files, in its order.
constexpr Quantity kQuantities[] = {
    {"GeForce.txt", "G load", "g", "#d62728"},
    {"Height.txt", "Indicated altitude", "ft", "#1f77b4"},
    {"indspeed.txt", "Indicated airspeed", "kt", "#2ca02c"},
    {"truespeed.txt", "True airspeed", "kt", "#9467bd"},
    {"fuelfloweng1.txt", "Fuel flow, engine 1", "lb/h", "#ff7f0e"},
    {"fuelfloweng2.txt", "Fuel flow, engine 2", "lb/h", "#8c564b"},
};
constexpr int kQuantityCount = static_cast<int>(sizeof kQuantities / sizeof kQuantities[0]);

// One value a line; line n (from 1) is the sample n seconds after the start. A line that is
// not a number leaves a gap.
struct Series {
    bool found = false;
    std::vector<double> times;
    std::vector<double> values;
};

Series read_series(const fs::path& file) {
    Series s;
    std::ifstream in(file);
    if (!in) return s;
    s.found = true;
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        char* end = nullptr;
        const double v = std::strtod(line.c_str(), &end);
        if (end == line.c_str() || !std::isfinite(v)) continue;
        s.times.push_back(n);
        s.values.push_back(v);
    }
    return s;
}

// The summary file's keys, as a profile file holds them.
std::string summary_value(const fs::path& file, const std::string& key) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto eq = line.find('=');
        if (eq != std::string::npos && line.substr(0, eq) == key) return line.substr(eq + 1);
    }
    return {};
}

std::string xml(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
        }
    }
    return out;
}

std::string number(double v, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    return buffer;
}

// "m:ss" (minutes may go past 59).
std::string minutes_seconds(double seconds) {
    const long s = std::lround(seconds);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%ld:%02ld", s / 60, s % 60);
    return buffer;
}

// A step of 1, 2, 2.5 or 5 times a power of ten giving about `wanted` intervals.
double nice_step(double range, int wanted) {
    const double raw = range / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * power >= raw) return m * power;
    return 10.0 * power;
}

int decimals_for(double step) { return step >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9)); }

// The time steps an axis may take, in seconds.
double time_step(double span) {
    for (double s : {5.0, 10.0, 15.0, 30.0, 60.0, 120.0, 300.0, 600.0, 900.0, 1800.0, 3600.0, 7200.0})
        if (span / s <= 10.0) return s;
    return std::ceil(span / 10.0 / 3600.0) * 3600.0;
}

constexpr double kWidth = 1000, kLeft = 90, kRight = 30, kTop = 120, kPanel = 130, kGap = 45, kBottom = 50;

void draw_panel(std::ostream& o, const Quantity& q, const Series& s, double top, double t_end) {
    const double plot_w = kWidth - kLeft - kRight;
    double lo = 0, hi = 1;
    if (!s.values.empty()) {
        lo = *std::min_element(s.values.begin(), s.values.end());
        hi = *std::max_element(s.values.begin(), s.values.end());
    }
    if (hi - lo < 1e-9) {  // a steady value: a band around it
        const double pad = std::max(1.0, std::fabs(lo) * 0.1);
        lo -= pad;
        hi += pad;
    }
    const double step = nice_step(hi - lo, 4);
    lo = std::floor(lo / step) * step;
    hi = std::ceil(hi / step) * step;
    const auto x_of = [&](double t) { return kLeft + t / t_end * plot_w; };
    const auto y_of = [&](double v) { return top + kPanel - (v - lo) / (hi - lo) * kPanel; };

    o << "<g class=\"panel\">\n";
    o << "<text x=\"" << kLeft << "\" y=\"" << top - 8 << "\" font-size=\"14\" font-weight=\"bold\" fill=\"" << q.colour
      << "\">" << xml(q.name) << " (" << xml(q.unit) << ")</text>\n";
    o << "<rect x=\"" << kLeft << "\" y=\"" << top << "\" width=\"" << plot_w << "\" height=\"" << kPanel
      << "\" fill=\"none\" stroke=\"#888\"/>\n";
    const int decimals = decimals_for(step);
    for (double v = lo; v <= hi + step / 2; v += step) {
        const double y = y_of(v);
        o << "<line x1=\"" << kLeft << "\" y1=\"" << y << "\" x2=\"" << kLeft + plot_w << "\" y2=\"" << y
          << "\" stroke=\"#e4e4e4\"/>\n";
        o << "<text x=\"" << kLeft - 6 << "\" y=\"" << y + 4 << "\" font-size=\"11\" text-anchor=\"end\">"
          << number(v, decimals) << "</text>\n";
    }
    o << "<text x=\"16\" y=\"" << top + kPanel / 2 << "\" font-size=\"12\" text-anchor=\"middle\" transform=\"rotate(-90 16 "
      << top + kPanel / 2 << ")\">" << xml(q.unit) << "</text>\n";
    const double tstep = time_step(t_end);
    for (double t = 0; t <= t_end + 1e-9; t += tstep) {
        const double x = x_of(t);
        o << "<line x1=\"" << x << "\" y1=\"" << top << "\" x2=\"" << x << "\" y2=\"" << top + kPanel
          << "\" stroke=\"#e4e4e4\"/>\n";
        o << "<text x=\"" << x << "\" y=\"" << top + kPanel + 14 << "\" font-size=\"11\" text-anchor=\"middle\">"
          << minutes_seconds(t) << "</text>\n";
    }
    o << "<polyline class=\"series\" data-file=\"" << q.file << "\" data-unit=\"" << xml(q.unit) << "\" data-points=\""
      << s.values.size() << "\" fill=\"none\" stroke=\"" << q.colour << "\" stroke-width=\"1.5\" points=\"";
    for (std::size_t i = 0; i < s.values.size(); ++i)
        o << (i ? " " : "") << number(x_of(s.times[i]), 2) << "," << number(y_of(s.values[i]), 2);
    o << "\"/>\n";
    if (s.values.empty())
        o << "<text x=\"" << kLeft + plot_w / 2 << "\" y=\"" << top + kPanel / 2 << "\" font-size=\"12\" "
          << "text-anchor=\"middle\" fill=\"#888\">" << (s.found ? "no samples" : "no file") << "</text>\n";
    o << "</g>\n";
}

}  // namespace

int run_plot(const std::vector<std::string>& args) {
    std::string folder_arg;
    std::string output_arg;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--output" || args[i] == "-o") {
            if (i + 1 >= args.size()) {
                std::cerr << "tarmelon-bench plot: --output needs a file\n";
                return 2;
            }
            output_arg = args[++i];
        } else if (folder_arg.empty() && (args[i].empty() || args[i][0] != '-')) {
            folder_arg = args[i];
        } else {
            std::cerr << "tarmelon-bench plot: unexpected argument " << args[i]
                      << "\nusage: tarmelon-bench plot FOLDER [--output FILE.svg]\n";
            return 2;
        }
    }
    if (folder_arg.empty()) {
        std::cerr << "usage: tarmelon-bench plot FOLDER [--output FILE.svg]\n";
        return 2;
    }
    const fs::path folder(folder_arg);
    std::vector<Series> series;
    bool any = false;
    double t_end = 0;
    for (const Quantity& q : kQuantities) {
        series.push_back(read_series(folder / q.file));
        any = any || series.back().found;
        if (!series.back().times.empty()) t_end = std::max(t_end, series.back().times.back());
    }
    if (!any) {
        std::cerr << "tarmelon-bench plot: " << folder_arg << " holds no recording (none of GeForce.txt, Height.txt, "
                  << "indspeed.txt, truespeed.txt, fuelfloweng1.txt, fuelfloweng2.txt)\n";
        return 2;
    }
    t_end = std::max(t_end, 10.0);
    const fs::path output = output_arg.empty() ? folder / "flight.svg" : fs::path(output_arg);

    const fs::path summary = folder / "staticdata.txt";
    const std::string start = summary_value(summary, "StartTime");
    const std::string duration = summary_value(summary, "FlightDuration");
    const std::string fuel = summary_value(summary, "FuelBurn");
    std::string name = fs::absolute(folder).lexically_normal().filename().string();
    if (name.empty()) name = fs::absolute(folder).lexically_normal().parent_path().filename().string();

    const double height = kTop + kQuantityCount * (kPanel + kGap) + kBottom;
    std::ostringstream o;
    o << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    o << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kWidth << "\" height=\"" << height << "\" viewBox=\"0 0 "
      << kWidth << " " << height << "\" font-family=\"sans-serif\">\n";
    o << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    o << "<text x=\"" << kLeft << "\" y=\"28\" font-size=\"18\" font-weight=\"bold\">Tarmelon flight recording "
      << xml(name) << "</text>\n";
    std::string facts = "start " + (start.empty() ? std::string("?") : start) + " (simulator time), duration " +
                        (duration.empty() ? std::string("?") : duration) + " min";
    if (!fuel.empty()) facts += ", fuel used " + fuel + " lb";
    facts += "; time axis in minutes:seconds since the start";
    o << "<text x=\"" << kLeft << "\" y=\"48\" font-size=\"12\">" << xml(facts) << "</text>\n";
    // The legend: one swatch per quantity.
    o << "<g class=\"legend\">\n";
    for (int i = 0; i < kQuantityCount; ++i) {  // two rows of three
        const double x = kLeft + (i % 3) * 280.0;
        const double y = 62 + (i / 3) * 18.0;
        o << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"14\" height=\"8\" fill=\"" << kQuantities[i].colour
          << "\"/>\n";
        o << "<text x=\"" << x + 20 << "\" y=\"" << y + 8 << "\" font-size=\"12\">" << xml(kQuantities[i].name) << " ("
          << xml(kQuantities[i].unit) << ")</text>\n";
    }
    o << "</g>\n";
    for (int i = 0; i < kQuantityCount; ++i) draw_panel(o, kQuantities[i], series[i], kTop + i * (kPanel + kGap), t_end);
    o << "<text x=\"" << kLeft + (kWidth - kLeft - kRight) / 2 << "\" y=\"" << height - 12
      << "\" font-size=\"12\" text-anchor=\"middle\">time since the start (minutes:seconds)</text>\n";
    o << "</svg>\n";

    std::ofstream out(output, std::ios::binary);
    out << o.str();
    out.close();
    if (!out) {
        std::cerr << "tarmelon-bench plot: cannot write " << output.string() << "\n";
        return 2;
    }
    std::size_t samples = 0;
    for (const Series& s : series) samples = std::max(samples, s.values.size());
    std::cout << "wrote " << output.string() << ": " << kQuantityCount << " quantities, " << samples
              << " samples (" << minutes_seconds(static_cast<double>(samples)) << ")\n";
    return 0;
}
