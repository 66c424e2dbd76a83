// The gauges' tables as the simulator reads them, through the bench's `describe gauges`:
// what the row-by-row table tests share. A gauge's description is one line of JSON; its
// "elements" and "mouse" lists hold one {...} record each.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "bench.h"

namespace tables {

// The description line of one gauge, empty when the bench has no such gauge.
inline std::string description(const bench::Bench& b, const std::string& gauge) {
    std::istringstream in(b.describe_gauges());
    std::string line;
    while (std::getline(in, line))
        if (line.find("{\"name\": \"" + gauge + "\",") != std::string::npos) return line;
    return {};
}

// Every match of a pattern in a text, in order.
inline std::vector<std::string> matches(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}

// The records of one list ("elements" or "mouse") of a description. A needle's dial holds
// brackets but no braces, so each record is one {...}.
inline std::vector<std::string> records(const std::string& line, const char* list) {
    const auto from = line.find(std::string("\"") + list + "\": [");
    if (from == std::string::npos) return {};
    const auto to = line.find("}]", from);
    return matches(line.substr(from, to == std::string::npos ? std::string::npos : to - from + 1), R"(\{[^{}]*\})");
}

// The part of an element record that names its kind, picture, place and frames.
inline std::string element_head(const char* kind, int bitmap, int x, int y, int frames) {
    return "\"kind\": \"" + std::string(kind) + "\", \"bitmap\": " + std::to_string(bitmap) +
           ", \"x\": " + std::to_string(x) + ", \"y\": " + std::to_string(y) + ", \"frames\": " + std::to_string(frames) +
           ", ";
}

// An element record up to its flags: its index, its parent (-1: none), its head.
inline std::string element(int index, int parent, const char* kind, int bitmap, int x, int y, int frames, int flags) {
    return "{\"index\": " + std::to_string(index) + ", \"parent\": " +
           (parent < 0 ? std::string("null") : std::to_string(parent)) + ", " + element_head(kind, bitmap, x, y, frames) +
           "\"flags\": " + std::to_string(flags);
}

// A mouse record up to its tooltip.
inline std::string rect_json(int type, int x, int y, int w, int h, int cursor, std::uint32_t mask) {
    return "{\"type\": " + std::to_string(type) + ", \"x\": " + std::to_string(x) + ", \"y\": " + std::to_string(y) +
           ", \"w\": " + std::to_string(w) + ", \"h\": " + std::to_string(h) + ", \"cursor\": " + std::to_string(cursor) +
           ", \"mask\": " + std::to_string(mask) + ", \"tooltip\": ";
}

// A whole mouse record; a null tooltip is none.
inline std::string mouse(int type, int x, int y, int w, int h, int cursor, std::uint32_t mask, const char* tooltip,
                         int args = 0) {
    return rect_json(type, x, y, w, h, cursor, mask) +
           (tooltip ? "\"" + std::string(tooltip) + "\"" : std::string("null")) + ", \"args\": " + std::to_string(args) +
           "}";
}

// ---- the simple row form: elements by kind, picture, place and frames; mouse rows as a
// tooltip group followed by its click areas -------------------------------------------------

struct ElementRow {
    const char* kind;
    int bitmap, x, y, frames;
};

struct Area {
    int x, y, w, h, cursor;
    std::uint32_t mask;
};

struct MouseRow {
    const char* tooltip;
    int x, y, w, h;
    std::vector<Area> clicks;
};

inline void check_elements(const bench::Bench& b, const std::string& gauge, const std::vector<ElementRow>& rows) {
    const auto found = records(description(b, gauge), "elements");
    ASSERT_EQ(found.size(), rows.size()) << gauge;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ElementRow& r = rows[i];
        EXPECT_NE(found[i].find(element_head(r.kind, r.bitmap, r.x, r.y, r.frames)), std::string::npos)
            << gauge << " element " << i << ": " << found[i];
    }
}

// The records of one mouse group and one click area, as each record begins.
inline std::string group_json(int x, int y, int w, int h) { return rect_json(1, x, y, w, h, -1, 0) + "null"; }
inline std::string tooltip_json(const std::string& text) { return rect_json(4, 0, 0, 0, 0, -1, 0) + "\"" + text + "\""; }
inline std::string end_json() { return rect_json(3, 0, 0, 0, 0, -1, 0) + "null"; }
inline std::string area_json(const Area& a) { return rect_json(2, a.x, a.y, a.w, a.h, a.cursor, a.mask) + "null"; }

// The gauge's mouse records, inside the outermost parent, each beginning as wanted.
inline void expect_mouse_records(const bench::Bench& b, const std::string& gauge, const std::vector<std::string>& inner) {
    const auto found = records(description(b, gauge), "mouse");
    std::vector<std::string> wanted;
    wanted.push_back(group_json(0, 0, 0, 0));
    wanted.insert(wanted.end(), inner.begin(), inner.end());
    wanted.push_back(end_json());
    ASSERT_EQ(found.size(), wanted.size()) << gauge;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        EXPECT_EQ(found[i].rfind(wanted[i], 0), 0u) << gauge << " mouse record " << i << ": " << found[i];
}

inline void check_mouse(const bench::Bench& b, const std::string& gauge, const std::vector<MouseRow>& rows) {
    std::vector<std::string> inner;
    for (const MouseRow& row : rows) {
        inner.push_back(group_json(row.x, row.y, row.w, row.h));
        inner.push_back(tooltip_json(row.tooltip));
        inner.push_back(end_json());
        for (const Area& a : row.clicks) inner.push_back(area_json(a));
    }
    expect_mouse_records(b, gauge, inner);
}

}  // namespace tables
