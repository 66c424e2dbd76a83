// What the workbench shows of the module's gauges: each gauge's placeholder art worked out
// once from its element and mouse records (sizes, needle dials, boxes), and the live state
// of every gauge instance, both as JSON for the page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "bench.h"

namespace bench::serve {

// A needle's dial: its value to angle rows, each angle in degrees clockwise from straight up,
// unwrapped so that the needle sweeps the short way from one row to the next.
struct DialRow {
    double value;
    double degrees;
};

// The dial of a needle turning about (pivot_x, pivot_y) on its gauge from its scale rows
// (value, dial point x, y, degrees): a row's angle is that of its dial point seen from the
// pivot; a point on the pivot itself gives the row's own degrees.
std::vector<DialRow> needle_dial(const nlohmann::json& scale, double pivot_x, double pivot_y);
// The angle the dial gives a value: straight between rows, held at the ends. Without rows
// the value is the angle. Not a number reads 0.
double needle_angle(const std::vector<DialRow>& dial, double value);

struct ElementView {
    int kind = 0;  // 0 static, 1 needle, 2 string, 3 slider, 4 icon
    std::vector<DialRow> dial;
};

struct GaugeView {
    std::string name;
    int width = 0;
    int height = 0;
    std::vector<ElementView> elements;
};

struct InstanceView {
    std::string key;  // "Elec_Panel@100": the gauge and the window it is placed in
    std::size_t gauge;
    std::uint32_t window;
};

struct Layout {
    bool loaded = false;
    std::vector<GaugeView> gauges;
    std::vector<InstanceView> instances;
    nlohmann::json json;  // what the page draws from
};

// Everything the page needs to draw the panels: every window that holds gauges (the main
// view first), its gauges with their size, elements (each with its box) and mouse records.
Layout make_layout(const Bench& bench);

// The last update of every element of every instance:
//   [{"key": "Elec_Panel@100", "ran": true, "elements": [{"v": .., "f": .., "t": .., "h": ..,
//     "a": .., "y": ..}, ...]}, ...]
nlohmann::json instance_states(const Bench& bench, const Layout& layout);

// A colour of the gauge records (0x00BBGGRR) as the page writes it: "#rrggbb".
std::string css_colour(std::uint32_t bgr);

}  // namespace bench::serve
