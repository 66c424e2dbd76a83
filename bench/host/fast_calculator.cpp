#include "fast_calculator.h"

#include <cmath>

#include "calculator.h"
#include "text.h"

namespace bench {

namespace {

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

FastCalculator::Slot* FastCalculator::slot(std::string_view inner) {
    auto it = slots_.find(inner);
    if (it != slots_.end()) return &it->second;
    auto name = parse_variable_name(inner);
    if (!name) return nullptr;
    Slot s;
    s.name = std::move(*name);
    return &slots_.emplace(std::string(inner), std::move(s)).first->second;
}

Variables::Entry* FastCalculator::entry(Slot& s, Variables& vars) {
    if (s.entry != nullptr && s.generation == vars.generation()) return s.entry;
    s.entry = vars.find_mutable(s.name.key);
    s.generation = vars.generation();
    return s.entry;
}

bool FastCalculator::run(std::string_view code, Variables& vars, FastResult& out) {
    struct Item {
        double number;
        const std::optional<std::string>* text;
    };
    Item stack[kMaxCalculatorStack];
    std::size_t depth = 0;
    // Writes wait until the whole string has been read, so that a string handed on to the
    // full evaluator has done nothing here.
    struct Write {
        Slot* slot;
        double value;
    };
    constexpr std::size_t kMaxWrites = 8;
    Write writes[kMaxWrites];
    std::size_t write_count = 0;
    // Two spellings of one variable ("L:X, bool" and "L:X,number") are one variable.
    const auto written = [&](const Slot* s) {
        for (std::size_t i = 0; i < write_count; ++i)
            if (writes[i].slot->name.key == s->name.key) return true;
        return false;
    };
    out = FastResult{};
    std::size_t pos = 0;
    while (pos < code.size()) {
        while (pos < code.size() && is_space(code[pos])) ++pos;
        if (pos >= code.size()) break;
        if (code[pos] == '(') {
            const std::size_t close = code.find(')', pos);
            if (close == std::string_view::npos) return false;
            std::string_view inner = code.substr(pos + 1, close - pos - 1);
            pos = close + 1;
            if (inner.find('(') != std::string_view::npos) return false;
            const bool assign = !inner.empty() && inner.front() == '>';
            Slot* s = slot(assign ? inner.substr(1) : inner);
            if (s == nullptr || s->name.key[0] == 'K') return false;
            if (assign) {
                if (s->name.key[0] != 'L' || depth == 0 || write_count == kMaxWrites) return false;
                writes[write_count++] = Write{s, stack[--depth].number};
                continue;
            }
            if (depth >= kMaxCalculatorStack || written(s)) return false;
            const Variables::Entry* e = entry(*s, vars);
            stack[depth++] = Item{e != nullptr ? e->value : 0.0, e != nullptr ? &e->text : nullptr};
            continue;
        }
        std::size_t end = pos;
        while (end < code.size() && !is_space(code[end]) && code[end] != '(') ++end;
        const std::string_view word = code.substr(pos, end - pos);
        pos = end;
        const CalculatorOp op = calculator_op(word);
        if (is_unary(op)) {
            if (depth == 0) return false;
            stack[depth - 1] = Item{apply_unary(op, stack[depth - 1].number), nullptr};
            continue;
        }
        if (op != CalculatorOp::None) {
            if (depth < 2) return false;
            const double b = stack[--depth].number;
            const double a = stack[depth - 1].number;
            stack[depth - 1] = Item{apply_binary(op, a, b), nullptr};
            continue;
        }
        const auto number = parse_double(word);
        if (!number || depth >= kMaxCalculatorStack) return false;  // blocks, unknown words, ...
        stack[depth++] = Item{*number, nullptr};
    }
    for (std::size_t i = 0; i < write_count; ++i) {
        if (Variables::Entry* e = entry(*writes[i].slot, vars)) e->value = writes[i].value;
        else vars.set(writes[i].slot->name, writes[i].value);
    }
    out.writes = write_count > 0;
    if (depth > 0) {
        out.value = stack[depth - 1].number;
        out.text = stack[depth - 1].text;
    }
    return true;
}

}  // namespace bench
