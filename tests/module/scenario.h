// Shared helpers of the module's scenario tests: a bench with the built module, and
// searches in what the module did.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
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

// A simulator folder that outlives several benches (each of which would otherwise make and
// remove its own), removed at the end of the test.
class TempRoot {
public:
    TempRoot() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() / ("tarmelon-test-" + std::to_string(stamp));
        std::filesystem::create_directories(path_);
    }
    ~TempRoot() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;
    const std::filesystem::path& path() const { return path_; }
    bench::Options options(const std::string& flight = "") const {
        bench::Options o;
        o.root = path_.string();
        o.flight = flight;
        return o;
    }

private:
    std::filesystem::path path_;
};

// Frames until the start-up sequence has applied the ready preset and settled.
inline void settle(bench::Bench& b) { b.frames(18); }

}  // namespace scenario
