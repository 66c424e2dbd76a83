#include "views.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

namespace bench::serve {

namespace {

using nlohmann::json;

constexpr double kPi = 3.14159265358979323846;
constexpr int kDefaultBox = 48;     // an element whose size nothing tells
constexpr int kMinGaugeSize = 16;
constexpr int kMaxGaugeSize = 16384;

double number(const json& j, double fallback = 0.0) {
    return j.is_number() ? j.get<double>() : fallback;
}

int whole(const json& j) {
    const double v = number(j);
    if (!(v > -1e9 && v < 1e9)) return 0;
    return static_cast<int>(v);
}

struct Box {
    int x, y, w, h;
};

// The size of an element that has no size of its own (bitmaps are not in the bench): the
// smallest click or tooltip area whose corner is the element's, else the smallest around it.
Box guess_box(int x, int y, const json& mouse, int gauge_w, int gauge_h) {
    const Box none{x, y, 0, 0};
    Box exact = none, around = none;
    long exact_area = std::numeric_limits<long>::max(), around_area = exact_area;
    for (const json& r : mouse) {
        const int type = whole(r["type"]);
        if (type != 1 && type != 2) continue;  // groups and click areas
        const Box b{whole(r["x"]), whole(r["y"]), whole(r["w"]), whole(r["h"])};
        if (b.w <= 0 || b.h <= 0 || (b.w >= gauge_w && b.h >= gauge_h)) continue;
        const long area = static_cast<long>(b.w) * b.h;
        if (b.x == x && b.y == y && area < exact_area) {
            exact = b;
            exact_area = area;
        }
        if (x >= b.x && x < b.x + b.w && y >= b.y && y < b.y + b.h && area < around_area) {
            around = b;
            around_area = area;
        }
    }
    if (exact.w > 0) return exact;
    if (around.w > 0) return {x, y, std::max(1, around.x + around.w - x), std::max(1, around.y + around.h - y)};
    return {x, y, kDefaultBox, kDefaultBox};
}

// How far the records of a gauge reach: its size.
void extent(const json& gauge, int& w, int& h) {
    int right = 0, bottom = 0;
    auto reach = [&](int x, int y) {
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    };
    for (const json& r : gauge["mouse"]) {
        const int rw = whole(r["w"]), rh = whole(r["h"]);
        if (rw > 0 && rh > 0) reach(whole(r["x"]) + rw, whole(r["y"]) + rh);
    }
    for (const json& e : gauge["elements"]) {
        const int x = whole(e["x"]), y = whole(e["y"]);
        if (e.contains("box")) reach(x + whole(e["box"][0]), y + whole(e["box"][1]));
        else reach(x + 8, y + 8);
        if (e.contains("scale") && e["kind"] == "needle")
            for (const json& row : e["scale"]) reach(whole(row[1]) + 4, whole(row[2]) + 4);
    }
    w = std::clamp(right, kMinGaugeSize, kMaxGaugeSize);
    h = std::clamp(bottom, kMinGaugeSize, kMaxGaugeSize);
}

int kind_number(const json& kind) {
    static const std::map<std::string, int> kinds = {
        {"static", 0}, {"needle", 1}, {"string", 2}, {"slider", 3}, {"icon", 4}};
    if (!kind.is_string()) return -1;
    auto it = kinds.find(kind.get<std::string>());
    return it == kinds.end() ? -1 : it->second;
}

double needle_length(const json& scale, double px, double py) {
    double sum = 0.0;
    int n = 0;
    for (const json& row : scale) {
        const double d = std::hypot(number(row[1]) - px, number(row[2]) - py);
        if (d > 0.0) {
            sum += d;
            ++n;
        }
    }
    return n > 0 ? sum / n : 40.0;
}

std::string window_title(std::uint32_t ident, const std::vector<std::string>& gauges) {
    if (ident == 0) return "Main view";
    std::string title = "Window " + std::to_string(ident);
    for (std::size_t i = 0; i < gauges.size(); ++i) title += (i ? ", " : ": ") + gauges[i];
    return title;
}

}  // namespace

std::string css_colour(std::uint32_t bgr) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", bgr & 0xFFu, (bgr >> 8) & 0xFFu, (bgr >> 16) & 0xFFu);
    return text;
}

std::vector<DialRow> needle_dial(const json& scale, double pivot_x, double pivot_y) {
    std::vector<DialRow> dial;
    if (!scale.is_array()) return dial;
    for (const json& row : scale) {
        if (!row.is_array() || row.size() < 4) continue;
        const double value = number(row[0], std::nan(""));
        if (!std::isfinite(value)) continue;
        const double dx = number(row[1]) - pivot_x, dy = number(row[2]) - pivot_y;
        double degrees = (dx == 0.0 && dy == 0.0) ? number(row[3]) : std::atan2(dx, -dy) * 180.0 / kPi;
        if (!dial.empty()) {
            // The short way round from the row before.
            const double before = dial.back().degrees;
            while (degrees - before > 180.0) degrees -= 360.0;
            while (degrees - before < -180.0) degrees += 360.0;
        }
        dial.push_back({value, degrees});
    }
    return dial;
}

double needle_angle(const std::vector<DialRow>& dial, double value) {
    if (!std::isfinite(value)) return 0.0;
    if (dial.empty()) return value;
    if (dial.size() == 1) return dial.front().degrees;
    const bool rising = dial.back().value >= dial.front().value;
    auto before = [&](double a, double b) { return rising ? a <= b : a >= b; };
    if (before(value, dial.front().value)) return dial.front().degrees;
    for (std::size_t i = 1; i < dial.size(); ++i) {
        const DialRow& a = dial[i - 1];
        const DialRow& b = dial[i];
        if (before(value, b.value)) {
            if (b.value == a.value) return b.degrees;
            return a.degrees + (value - a.value) / (b.value - a.value) * (b.degrees - a.degrees);
        }
    }
    return dial.back().degrees;
}

Layout make_layout(const Bench& bench) {
    Layout layout;
    layout.loaded = bench.loaded();
    layout.json = {{"loaded", layout.loaded}, {"fps", bench.options().fps}, {"windows", json::array()},
                   {"gauges", json::object()}, {"instances", json::array()}};
    if (!layout.loaded) return layout;
    const json described = json::parse(bench.describe_gauges(), nullptr, false);
    if (described.is_discarded() || !described.contains("gauges")) return layout;

    std::map<std::string, std::size_t> by_name;
    for (const json& g : described["gauges"]) {
        if (!g.contains("name") || !g["name"].is_string()) continue;
        GaugeView view;
        view.name = g["name"].get<std::string>();
        extent(g, view.width, view.height);
        json elements = json::array();
        for (const json& e : g["elements"]) {
            json out = e;
            ElementView ev;
            ev.kind = kind_number(e["kind"]);
            const int x = whole(e["x"]), y = whole(e["y"]);
            if (ev.kind == 1) {
                const json scale = e.value("scale", json::array());
                ev.dial = needle_dial(scale, x, y);
                out["length"] = needle_length(scale, x, y);
            } else if (ev.kind == 2) {
                out["box"] = {x, y, whole(e["box"][0]), whole(e["box"][1])};
                out["colour"] = css_colour(static_cast<std::uint32_t>(number(e["colour"])));
                out["background"] = css_colour(static_cast<std::uint32_t>(number(e["background"])));
            } else if (e["parent"].is_null()) {
                out["box"] = {x, y, std::max(1, view.width - x), std::max(1, view.height - y)};
            } else {
                const Box b = guess_box(x, y, g["mouse"], view.width, view.height);
                out["box"] = {b.x, b.y, b.w, b.h};
            }
            view.elements.push_back(std::move(ev));
            elements.push_back(std::move(out));
        }
        layout.json["gauges"][view.name] = {
            {"width", view.width}, {"height", view.height}, {"size_mm", g.value("size_mm", 0)},
            {"elements", std::move(elements)}, {"mouse", g.value("mouse", json::array())}};
        by_name[view.name] = layout.gauges.size();
        layout.gauges.push_back(std::move(view));
    }

    // Windows in their idents' order, the main view first; gauges in Linkage order.
    std::map<std::uint32_t, std::vector<std::string>> windows;
    for (const Bench::GaugeSummary& s : bench.gauges()) {
        auto it = by_name.find(s.name);
        if (it == by_name.end()) continue;
        for (std::uint32_t w : s.windows) {
            InstanceView inst{s.name + "@" + std::to_string(w), it->second, w};
            layout.json["instances"].push_back({{"key", inst.key}, {"gauge", s.name}, {"window", w}});
            layout.instances.push_back(std::move(inst));
            windows[w].push_back(s.name);
        }
    }
    for (const auto& [ident, gauges] : windows) {
        json keys = json::array();
        for (const std::string& g : gauges) keys.push_back(g + "@" + std::to_string(ident));
        layout.json["windows"].push_back({{"ident", ident}, {"title", window_title(ident, gauges)}, {"gauges", keys}});
    }
    return layout;
}

json instance_states(const Bench& bench, const Layout& layout) {
    json out = json::array();
    if (!bench.loaded()) return out;
    for (const InstanceView& inst : layout.instances) {
        const GaugeView& gauge = layout.gauges[inst.gauge];
        json elements = json::array();
        bool ran = false;
        for (std::size_t i = 0; i < gauge.elements.size(); ++i) {
            ElementState s;
            try {
                s = bench.element(inst.key, static_cast<int>(i));
            } catch (const ScriptError&) {
                break;  // the module changed under the layout; the next layout catches up
            }
            ran = ran || s.updated;
            json e = {{"h", s.hidden}, {"u", s.updated}};
            switch (gauge.elements[i].kind) {
                case 1:
                    e["v"] = std::isfinite(s.value) ? s.value : 0.0;
                    e["a"] = needle_angle(gauge.elements[i].dial, s.value);
                    break;
                case 2: e["t"] = s.text; break;
                case 3:
                    e["v"] = std::isfinite(s.value) ? s.value : 0.0;
                    e["y"] = std::isfinite(s.y) ? s.y : 0.0;
                    break;
                case 4:
                    e["v"] = std::isfinite(s.value) ? s.value : 0.0;
                    e["f"] = s.frame;
                    break;
                default: break;
            }
            elements.push_back(std::move(e));
        }
        out.push_back({{"key", inst.key}, {"ran", ran}, {"elements", std::move(elements)}});
    }
    return out;
}

}  // namespace bench::serve
