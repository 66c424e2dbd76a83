// The calculator the module hands its variable accesses to: reverse-Polish strings such as
// "1 (>L:Lights_nav_POS, bool)" or "(A:LIGHT NAV, bool)". The evaluator never trusts the
// string: it parses within bounds and stops at the first fault, having done only what came
// before it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "variables.h"

namespace bench {

class CalculatorHost {
public:
    virtual ~CalculatorHost() = default;
    virtual double read(const VariableName& name) = 0;
    virtual std::optional<std::string> read_text(const VariableName& name) = 0;
    // false when the variable cannot be written (aircraft variables change only through events)
    virtual bool write(const VariableName& name, double value) = 0;
    // "(>K:EVENT_NAME)": false when the event name is unknown.
    virtual bool key_event(std::string_view event_name, std::uint32_t parameter) = 0;
};

struct CalculatorResult {
    bool ok = true;
    double value = 0.0;               // stack top, 0 when empty
    std::optional<std::string> text;  // the string value when the top came from a string variable
    std::string error;                // why it failed
};

constexpr std::size_t kMaxCalculatorCode = 4096;
constexpr std::size_t kMaxCalculatorStack = 256;

CalculatorResult evaluate_calculator(std::string_view code, CalculatorHost& host);

// The calculator's operators, shared by the full evaluator and the fast path.
enum class CalculatorOp : unsigned char {
    None, Add, Sub, Mul, Div, Mod, Min, Max, Eq, Ne, Lt, Gt, Le, Ge, And, Or, Neg, Abs, Not
};
CalculatorOp calculator_op(std::string_view word);  // None for any other word
inline bool is_unary(CalculatorOp op) {
    return op == CalculatorOp::Neg || op == CalculatorOp::Abs || op == CalculatorOp::Not;
}
double apply_unary(CalculatorOp op, double a);
double apply_binary(CalculatorOp op, double a, double b);  // division and modulo by 0 give 0

}  // namespace bench
