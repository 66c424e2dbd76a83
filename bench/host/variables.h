// The simulator's variables as the bench keeps them: local (L:), aircraft (A:), environment
// (E:) and program (P:) variables. A variable is known by its prefix and name, matched
// without regard to letter case or to spaces around the comma; the unit after the comma
// is not part of its identity and never converts the value.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace bench {

struct VariableName {
    std::string key;      // "L:LIGHTS_NAV_POS": prefix and name, upper case, trimmed
    std::string display;  // "L:Lights_nav_POS" as first written
    std::string unit;     // "bool" (informative only)
};

// Splits "L:Lights_nav_POS, bool" into its identity and unit. Nothing when the text has no
// known prefix (L, A, E, P, K), no name, or is unreasonably long.
std::optional<VariableName> parse_variable_name(std::string_view text);
// The same, remembered by spelling: the simulated aircraft and the host ask for the same few
// hundred spellings every frame. Null when the text is no variable. The pointer holds until
// the next call on this thread.
const VariableName* cached_variable_name(std::string_view text);

class Variables {
public:
    struct Entry {
        std::string display;
        double value = 0.0;
        std::optional<std::string> text;  // string variables (A:ATC ID, ...)
    };

    // Unknown variables read 0.
    double get(std::string_view key) const;
    const Entry* find(std::string_view key) const;
    Entry* find_mutable(std::string_view key);
    // Entries stay where they are until clear(), which counts up the generation.
    std::uint64_t generation() const { return generation_; }
    void set(const VariableName& name, double value);
    void set_text(const VariableName& name, std::string text);
    bool contains(std::string_view key) const;

    // Named-variable ids (register_named_variable): ids index a table of L: keys.
    int named_id(const std::string& key) const;  // -1 when never registered
    int register_named(const VariableName& name);
    const std::string* named_key(int id) const;
    const std::string* named_display(int id) const;

    const std::map<std::string, Entry, std::less<>>& all() const { return entries_; }
    void clear();

private:
    Entry& emplace(const VariableName& name);

    std::map<std::string, Entry, std::less<>> entries_;  // in name order, for dump and the workbench
    // The same entries by key, for the lookups of every frame; the keys are the map's own,
    // which stay where they are until clear().
    std::unordered_map<std::string_view, Entry*> index_;
    std::vector<std::string> named_;
    std::uint64_t generation_ = 0;
};

}  // namespace bench
