// Shared helpers of the module's scenario tests: a bench with the built module, and
// searches in what the module did.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "bench.h"

namespace scenario {

inline std::size_t count_key(const bench::Bench& b, std::uint32_t id, std::uint32_t param) {
    const auto& keys = b.key_log();
    return static_cast<std::size_t>(std::count_if(keys.begin(), keys.end(), [&](const bench::Bench::KeyEvent& k) {
        return k.id == id && k.param == param;
    }));
}

inline std::size_t count_key(const bench::Bench& b, std::uint32_t id) {
    const auto& keys = b.key_log();
    return static_cast<std::size_t>(
        std::count_if(keys.begin(), keys.end(), [&](const bench::Bench::KeyEvent& k) { return k.id == id; }));
}

inline std::size_t count_lines(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

inline std::size_t count_prefix(const std::vector<std::string>& lines, const std::string& prefix) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

// True when `wanted` occurs in `lines` in this order (other lines may come between).
inline bool in_order(const std::vector<std::string>& lines, const std::vector<std::string>& wanted) {
    auto at = lines.begin();
    for (const std::string& w : wanted) {
        at = std::find(at, lines.end(), w);
        if (at == lines.end()) return false;
        ++at;
    }
    return true;
}

// Frames until the start-up sequence has applied the ready preset and settled.
inline void settle(bench::Bench& b) { b.frames(18); }

}  // namespace scenario
