// Fast evaluation of the calculator strings the module sends every frame: straight-line
// strings of numbers, variable reads, writes of local variables and arithmetic, such as
// "1 (>L:Lights_nav_POS, bool)" or "(A:LIGHT NAV, bool)". Each variable spelling is parsed
// once and its entry remembered, so that a string costs one scan and no allocation. Anything
// else (blocks, key events, aircraft-variable writes, unknown words, faults) is left to the
// full evaluator, which gives the same answer, or says what is wrong.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "variables.h"

namespace bench {

struct FastResult {
    double value = 0.0;                           // stack top, 0 when empty
    const std::optional<std::string>* text = nullptr;  // the top's text when it came from a string variable
    bool writes = false;                          // the string stored a value
};

class FastCalculator {
public:
    // True when the string was evaluated here (the result is then exactly the full
    // evaluator's); false when it must go to the full evaluator (nothing was done).
    bool run(std::string_view code, Variables& vars, FastResult& out);

private:
    struct Slot {
        VariableName name;
        Variables::Entry* entry = nullptr;  // remembered once the variable exists
        std::uint64_t generation = 0;
    };
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    Slot* slot(std::string_view inner);
    Variables::Entry* entry(Slot& s, Variables& vars);

    std::unordered_map<std::string, Slot, Hash, std::equal_to<>> slots_;
};

}  // namespace bench
