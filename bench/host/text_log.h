// A log of short texts kept in one growing buffer: appending costs no allocation once the
// buffer has grown to its working size (the calculator strings, hundreds a frame). At most
// `limit` entries are kept; past it the older half is dropped.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

class TextLog {
public:
    explicit TextLog(std::size_t limit) : limit_(limit) {}

    void append(std::string_view text) {
        if (ends_.size() >= limit_) drop_older_half();
        chars_.insert(chars_.end(), text.begin(), text.end());
        ends_.push_back(chars_.size());
    }

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view at(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(chars_.data() + begin, ends_[i] - begin);
    }
    std::string_view back() const { return at(ends_.size() - 1); }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        out.reserve(ends_.size());
        for (std::size_t i = 0; i < ends_.size(); ++i) out.emplace_back(at(i));
        return out;
    }
    void clear() {
        chars_.clear();
        ends_.clear();
    }

private:
    void drop_older_half() {
        const std::size_t keep_from = ends_.size() / 2;
        const std::size_t offset = ends_[keep_from - 1];
        chars_.erase(chars_.begin(), chars_.begin() + static_cast<std::ptrdiff_t>(offset));
        ends_.erase(ends_.begin(), ends_.begin() + static_cast<std::ptrdiff_t>(keep_from));
        for (std::size_t& e : ends_) e -= offset;
    }

    std::size_t limit_;
    std::vector<char> chars_;
    std::vector<std::size_t> ends_;
};

}  // namespace bench
