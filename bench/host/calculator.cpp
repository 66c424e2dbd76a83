#include "calculator.h"

#include <cmath>
#include <vector>

#include "text.h"

namespace bench {

namespace {

struct Value {
    double number = 0.0;
    std::optional<std::string> text;
};

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

class Evaluator {
public:
    Evaluator(std::string_view code, CalculatorHost& host) : code_(code), host_(host) {}

    CalculatorResult run() {
        CalculatorResult result;
        if (code_.size() > kMaxCalculatorCode) {
            result.ok = false;
            result.error = "calculator string longer than " + std::to_string(kMaxCalculatorCode) + " bytes";
            return result;
        }
        while (ok_ && pos_ < code_.size()) step();
        if (ok_ && open_blocks_ > 0) fail("block without its closing '}'");
        result.ok = ok_;
        result.error = error_;
        if (ok_ && !stack_.empty()) {
            result.value = stack_.back().number;
            result.text = stack_.back().text;
        }
        return result;
    }

private:
    void fail(std::string why) {
        if (ok_) {
            ok_ = false;
            error_ = std::move(why) + " at offset " + std::to_string(token_start_);
        }
    }

    bool push(Value v) {
        if (stack_.size() >= kMaxCalculatorStack) {
            fail("stack overflow");
            return false;
        }
        stack_.push_back(std::move(v));
        return true;
    }

    std::optional<double> pop(std::string_view op) {
        if (stack_.empty()) {
            fail("stack empty for '" + std::string(op) + "'");
            return std::nullopt;
        }
        double v = stack_.back().number;
        stack_.pop_back();
        return v;
    }

    void step() {
        while (pos_ < code_.size() && is_space(code_[pos_])) ++pos_;
        if (pos_ >= code_.size()) return;
        token_start_ = pos_;
        if (code_[pos_] == '(') {
            after_close_ = false;
            auto close = code_.find(')', pos_);
            if (close == std::string_view::npos) return fail("unclosed '('");
            std::string_view inner = code_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            if (inner.find('(') != std::string_view::npos) return fail("'(' inside a variable reference");
            return variable(inner);
        }
        std::string_view token = next_word(true);
        bool was_after_close = after_close_;
        after_close_ = false;
        if (token == "els{" && !was_after_close) return fail("'els{' without 'if{'");
        word(token);
    }

    void variable(std::string_view inner) {
        bool assign = !inner.empty() && inner.front() == '>';
        if (assign) inner.remove_prefix(1);
        auto name = parse_variable_name(inner);
        if (!name) return fail("bad variable reference '(" + std::string(assign ? ">" : "") + std::string(inner) + ")'");
        if (name->key[0] == 'K') {
            if (!assign) return fail("key event read");
            std::uint32_t parameter = 0;
            if (!stack_.empty()) {
                parameter = static_cast<std::uint32_t>(to_int32(stack_.back().number));
                stack_.pop_back();
            }
            if (!host_.key_event(name->key.substr(2), parameter))
                return fail("unknown key event '" + name->display + "'");
            return;
        }
        if (assign) {
            auto v = pop(">" + name->display);
            if (!v) return;
            if (!host_.write(*name, *v)) fail(name->display + " cannot be written");
            return;
        }
        Value v;
        v.number = host_.read(*name);
        v.text = host_.read_text(*name);
        push(std::move(v));
    }

    // Reads the next word without evaluating it; empty at the end.
    std::string_view next_word(bool consume) {
        std::size_t p = pos_;
        while (p < code_.size() && is_space(code_[p])) ++p;
        std::size_t end = p;
        while (end < code_.size() && !is_space(code_[end]) && code_[end] != '(') ++end;
        if (consume) pos_ = end;
        return code_.substr(p, end - p);
    }

    // Skips forward past the block that is not taken, up to and including its closing "}".
    // After a skipped "if{" block, a following "els{" opens the block that runs instead.
    void skip_block(bool else_may_follow) {
        int depth = 0;
        while (pos_ < code_.size()) {
            while (pos_ < code_.size() && is_space(code_[pos_])) ++pos_;
            if (pos_ >= code_.size()) break;
            if (code_[pos_] == '(') {
                auto close = code_.find(')', pos_);
                if (close == std::string_view::npos) return fail("unclosed '('");
                pos_ = close + 1;
                continue;
            }
            std::string_view token = next_word(true);
            if (token == "if{" || token == "els{") {
                ++depth;
            } else if (token == "}") {
                if (depth > 0) {
                    --depth;
                    continue;
                }
                if (else_may_follow && next_word(false) == "els{") {
                    next_word(true);
                    ++open_blocks_;
                }
                return;
            }
        }
        fail("block without its closing '}'");
    }

    void binary(CalculatorOp op, std::string_view token) {
        auto b = pop(token);
        if (!b) return;
        auto a = pop(token);
        if (!a) return;
        push(Value{apply_binary(op, *a, *b), std::nullopt});
    }

    void word(std::string_view token) {
        if (const CalculatorOp op = calculator_op(token); op != CalculatorOp::None) {
            if (!is_unary(op)) return binary(op, token);
            auto a = pop(token);
            if (!a) return;
            push(Value{apply_unary(op, *a), std::nullopt});
            return;
        }
        if (token == "if{") {
            auto cond = pop(token);
            if (!cond) return;
            if (*cond == 0.0) skip_block(true);
            else ++open_blocks_;
            return;
        }
        if (token == "els{") {
            // Reached at the end of a taken "if{" block: the else block does not run.
            skip_block(false);
            return;
        }
        if (token == "}") {
            if (open_blocks_ == 0) return fail("'}' without 'if{'");
            --open_blocks_;
            after_close_ = true;
            return;
        }
        if (auto number = parse_double(token)) {
            push(Value{*number, std::nullopt});
            return;
        }
        fail("unknown word '" + std::string(token.substr(0, 64)) + "'");
    }

    std::string_view code_;
    CalculatorHost& host_;
    std::vector<Value> stack_;
    std::size_t pos_ = 0;
    std::size_t token_start_ = 0;
    bool ok_ = true;
    std::string error_;
    int open_blocks_ = 0;       // "if{" / "els{" blocks being run
    bool after_close_ = false;  // the previous word was a "}"
};

}  // namespace

CalculatorResult evaluate_calculator(std::string_view code, CalculatorHost& host) {
    return Evaluator(code, host).run();
}

CalculatorOp calculator_op(std::string_view w) {
    using Op = CalculatorOp;
    switch (w.size()) {
        case 1:
            switch (w[0]) {
                case '+': return Op::Add;
                case '-': return Op::Sub;
                case '*': return Op::Mul;
                case '/': return Op::Div;
                case '%': return Op::Mod;
                case '<': return Op::Lt;
                case '>': return Op::Gt;
                case '!': return Op::Not;
                default: return Op::None;
            }
        case 2:
            if (w == "==") return Op::Eq;
            if (w == "!=") return Op::Ne;
            if (w == "<=") return Op::Le;
            if (w == ">=") return Op::Ge;
            if (w == "&&") return Op::And;
            if (w == "||" || w == "or") return Op::Or;
            return Op::None;
        case 3:
            if (w == "min") return Op::Min;
            if (w == "max") return Op::Max;
            if (w == "and") return Op::And;
            if (w == "neg") return Op::Neg;
            if (w == "abs") return Op::Abs;
            if (w == "not") return Op::Not;
            return Op::None;
        default: return Op::None;
    }
}

double apply_unary(CalculatorOp op, double a) {
    if (op == CalculatorOp::Neg) return -a;
    if (op == CalculatorOp::Abs) return std::fabs(a);
    return a == 0.0 ? 1.0 : 0.0;  // not, !
}

double apply_binary(CalculatorOp op, double a, double b) {
    using Op = CalculatorOp;
    switch (op) {
        case Op::Add: return a + b;
        case Op::Sub: return a - b;
        case Op::Mul: return a * b;
        case Op::Div: return b == 0.0 ? 0.0 : a / b;
        case Op::Mod: return b == 0.0 ? 0.0 : std::fmod(a, b);
        case Op::Min: return std::fmin(a, b);
        case Op::Max: return std::fmax(a, b);
        case Op::Eq: return a == b;
        case Op::Ne: return a != b;
        case Op::Lt: return a < b;
        case Op::Gt: return a > b;
        case Op::Le: return a <= b;
        case Op::Ge: return a >= b;
        case Op::And: return (a != 0.0) && (b != 0.0);
        case Op::Or: return (a != 0.0) || (b != 0.0);
        default: return 0.0;
    }
}

}  // namespace bench
