#include "variables.h"

#include <unordered_map>

#include "text.h"

namespace bench {

namespace {

std::string_view trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

constexpr std::size_t kMaxNameLength = 256;

}  // namespace

std::optional<VariableName> parse_variable_name(std::string_view text) {
    text = trim(text);
    if (text.size() < 3 || text.size() > kMaxNameLength || text[1] != ':') return std::nullopt;
    const char prefix = static_cast<char>(text[0] & ~0x20);
    if (prefix != 'L' && prefix != 'A' && prefix != 'E' && prefix != 'P' && prefix != 'K')
        return std::nullopt;
    std::string_view rest = text.substr(2);
    std::string_view unit;
    if (auto comma = rest.find(','); comma != std::string_view::npos) {
        unit = trim(rest.substr(comma + 1));
        rest = rest.substr(0, comma);
    }
    rest = trim(rest);
    if (rest.empty()) return std::nullopt;
    for (char c : rest)
        if (static_cast<unsigned char>(c) < 0x20 || c == '(' || c == ')') return std::nullopt;
    VariableName name;
    name.display = std::string(1, prefix) + ":" + std::string(rest);
    name.key = upper(name.display);
    name.unit = std::string(unit);
    return name;
}

namespace {
// Trivially destructible, so it can still be read while the thread's other objects are destroyed.
thread_local bool cache_gone = false;

struct SpellingHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
}  // namespace

const VariableName* cached_variable_name(std::string_view text) {
    // Bounded: a script that names endless new variables only empties it now and then.
    constexpr std::size_t kMaxSpellings = 8192;
    using Cache = std::unordered_map<std::string, std::optional<VariableName>, SpellingHash, std::equal_to<>>;
    // A bench held in a static is torn down after this thread's cache (unloading the module still sets
    // variables then): once the cache is gone, names are parsed into one slot that lives to the end.
    struct Owner {
        Cache map;
        ~Owner() { cache_gone = true; }
    };
    thread_local Owner owner;
    if (cache_gone) {
        static auto* const late = new std::optional<VariableName>;
        *late = parse_variable_name(text);
        return *late ? &**late : nullptr;
    }
    Cache& cache = owner.map;
    auto it = cache.find(text);
    if (it == cache.end()) {
        if (cache.size() >= kMaxSpellings) cache.clear();
        it = cache.emplace(std::string(text), parse_variable_name(text)).first;
    }
    return it->second ? &*it->second : nullptr;
}

double Variables::get(std::string_view key) const {
    const Entry* e = find(key);
    return e == nullptr ? 0.0 : e->value;
}

const Variables::Entry* Variables::find(std::string_view key) const {
    auto it = index_.find(key);
    return it == index_.end() ? nullptr : it->second;
}

Variables::Entry* Variables::find_mutable(std::string_view key) {
    auto it = index_.find(key);
    return it == index_.end() ? nullptr : it->second;
}

bool Variables::contains(std::string_view key) const { return index_.find(key) != index_.end(); }

Variables::Entry& Variables::emplace(const VariableName& name) {
    if (Entry* e = find_mutable(name.key)) return *e;
    auto it = entries_.try_emplace(name.key).first;
    it->second.display = name.display;
    index_.emplace(std::string_view(it->first), &it->second);
    return it->second;
}

void Variables::set(const VariableName& name, double value) { emplace(name).value = value; }

void Variables::set_text(const VariableName& name, std::string text) { emplace(name).text = std::move(text); }

int Variables::named_id(const std::string& key) const {
    for (std::size_t i = 0; i < named_.size(); ++i)
        if (named_[i] == key) return static_cast<int>(i);
    return -1;
}

int Variables::register_named(const VariableName& name) {
    int id = named_id(name.key);
    if (id >= 0) return id;
    emplace(name);
    named_.push_back(name.key);
    return static_cast<int>(named_.size() - 1);
}

const std::string* Variables::named_key(int id) const {
    if (id < 0 || static_cast<std::size_t>(id) >= named_.size()) return nullptr;
    return &named_[static_cast<std::size_t>(id)];
}

const std::string* Variables::named_display(int id) const {
    const std::string* key = named_key(id);
    if (key == nullptr) return nullptr;
    const Entry* e = find(*key);
    return e == nullptr ? key : &e->display;
}

void Variables::clear() {
    ++generation_;
    index_.clear();
    entries_.clear();
    named_.clear();
}

}  // namespace bench
