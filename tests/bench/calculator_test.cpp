// The calculator and the variable store, driven the way the module drives them: strings in,
// variables and outputs out.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calculator.h"
#include "fast_calculator.h"
#include "text.h"
#include "variables.h"

namespace {

class Store : public bench::CalculatorHost {
public:
    bench::Variables vars;
    std::vector<std::pair<std::string, std::uint32_t>> events;

    double read(const bench::VariableName& name) override { return vars.get(name.key); }
    std::optional<std::string> read_text(const bench::VariableName& name) override {
        auto* e = vars.find(name.key);
        return e ? e->text : std::nullopt;
    }
    bool write(const bench::VariableName& name, double value) override {
        if (name.key[0] != 'L') return false;
        vars.set(name, value);
        return true;
    }
    bool key_event(std::string_view name, std::uint32_t param) override {
        if (name != "TOGGLE_NAV_LIGHTS") return false;
        events.emplace_back(std::string(name), param);
        return true;
    }
    bench::CalculatorResult run(std::string_view code) { return bench::evaluate_calculator(code, *this); }
    double value(std::string_view var) { return vars.get(bench::parse_variable_name(var)->key); }
};

TEST(VariableNames, CaseSpacingAndUnitDoNotChangeTheVariable) {
    auto a = bench::parse_variable_name("L:Throttle1Position,number");
    auto b = bench::parse_variable_name("  l:throttle1position , bool ");
    auto c = bench::parse_variable_name("L:Throttle1Position");
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(a->key, b->key);
    EXPECT_EQ(a->key, c->key);
    EXPECT_EQ(a->unit, "number");
    EXPECT_EQ(b->unit, "bool");
    // Inner spaces are part of the name, and the prefix separates the kinds.
    EXPECT_NE(bench::parse_variable_name("A:LIGHT NAV, bool")->key, bench::parse_variable_name("A:LIGHTNAV, bool")->key);
    EXPECT_NE(bench::parse_variable_name("L:X")->key, bench::parse_variable_name("A:X")->key);
}

TEST(VariableNames, RejectsWhatIsNotAVariable) {
    for (const char* bad : {"", "L:", "L: , bool", "X:Name", "Name", "L:a(b)", "L:\x01"})
        EXPECT_FALSE(bench::parse_variable_name(bad)) << bad;
    EXPECT_FALSE(bench::parse_variable_name("L:" + std::string(300, 'x')));
}

TEST(Calculator, WritesAndReadsOneVariableWhateverTheSpelling) {
    Store s;
    EXPECT_TRUE(s.run("1 (>L:Lights_nav_POS, bool)").ok);
    auto r = s.run("(L:lights_nav_pos,number)");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.value, 1.0);
    // Values are raw doubles: a bool unit does not squash 0.5.
    s.run("0.500000 (>L:Half, bool)");
    EXPECT_EQ(s.value("L:Half"), 0.5);
    EXPECT_EQ(s.run("(L:Never_Written, number)").value, 0.0);
    EXPECT_EQ(s.run("").value, 0.0);
}

TEST(Calculator, NumbersAndOperators) {
    Store s;
    EXPECT_EQ(s.run("-1.5e2").value, -150.0);
    EXPECT_EQ(s.run("+3 4 *").value, 12.0);
    EXPECT_EQ(s.run("7 2 -").value, 5.0);
    EXPECT_EQ(s.run("7 2 /").value, 3.5);
    EXPECT_EQ(s.run("7 0 /").value, 0.0);  // no infinities from a division by zero
    EXPECT_EQ(s.run("7 3 %").value, 1.0);
    EXPECT_EQ(s.run("3 neg abs").value, 3.0);
    EXPECT_EQ(s.run("3 9 min 4 max").value, 4.0);
    EXPECT_EQ(s.run("2 2 == 1 3 > or").value, 1.0);
    EXPECT_EQ(s.run("2 2 != 1 3 <= and").value, 0.0);
    EXPECT_EQ(s.run("0 ! 5 not +").value, 1.0);
    EXPECT_EQ(s.run("1 if{ 10 } els{ 20 }").value, 10.0);
    EXPECT_EQ(s.run("0 if{ 10 } els{ 20 }").value, 20.0);
    EXPECT_EQ(s.run("0 if{ 1 if{ 5 } els{ 6 } } els{ 7 }").value, 7.0);
    EXPECT_EQ(s.run("5 0 if{ 1 (>L:Skipped, number) }").value, 5.0);
    EXPECT_EQ(s.value("L:Skipped"), 0.0);
}

TEST(Calculator, TakesTheLargestNumbersTheModuleWritesWithSixDecimals) {
    // The module hands the simulator's values back as "%f": a huge one has hundreds of digits.
    Store s;
    char code[512];
    std::snprintf(code, sizeof code, "%f (>L:Big, number)", -std::numeric_limits<double>::max());
    EXPECT_TRUE(s.run(code).ok) << code;
    EXPECT_EQ(s.value("L:Big"), -std::numeric_limits<double>::max());
}

TEST(Calculator, KeyEventsTakeTheirParameterFromTheStack) {
    Store s;
    EXPECT_TRUE(s.run("1 (>K:TOGGLE_NAV_LIGHTS)").ok);
    ASSERT_EQ(s.events.size(), 1u);
    EXPECT_EQ(s.events[0].second, 1u);
    EXPECT_FALSE(s.run("(>K:NO_SUCH_EVENT)").ok);
}

TEST(Calculator, StopsAtTheFirstFaultHavingDoneOnlyWhatCameBefore) {
    Store s;
    auto r = s.run("1 (>L:A, number) 2 (>L:B, number) bogus 3 (>L:C, number)");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("bogus"), std::string::npos);
    EXPECT_EQ(s.value("L:A"), 1.0);
    EXPECT_EQ(s.value("L:B"), 2.0);
    EXPECT_EQ(s.value("L:C"), 0.0);

    for (const char* bad : {"(>L:A, number)", "1 (>L:A, number", "1 (>Q:A)", "+", "1 if{ 2", "0 if{ 2", "1 }",
                            "els{ 1 }", "1 (L:(x))",
                            "1 (>A:PLANE ALTITUDE, feet)", "nan", "1e999"})
        EXPECT_FALSE(s.run(bad).ok) << bad;
    EXPECT_FALSE(s.run(std::string(bench::kMaxCalculatorCode + 1, '1')).ok);
    std::string deep;
    for (int i = 0; i < 300; ++i) deep += "1 ";
    EXPECT_FALSE(s.run(deep).ok);
}

TEST(Calculator, StringVariablesGiveTheirText) {
    Store s;
    s.vars.set_text(*bench::parse_variable_name("A:ATC ID, string"), "G-TARM");
    auto r = s.run("(A:ATC ID, string)");
    ASSERT_TRUE(r.text);
    EXPECT_EQ(*r.text, "G-TARM");
}

TEST(IntegerConversion, TruncatesSaturatesAndMapsNanToZero) {
    EXPECT_EQ(bench::to_int32(2.9), 2);
    EXPECT_EQ(bench::to_int32(-2.9), -2);
    EXPECT_EQ(bench::to_int32(1e20), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(bench::to_int32(-1e20), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(bench::to_int32(std::nan("")), 0);
    EXPECT_EQ(bench::format_number(0.1), "0.1");
    EXPECT_EQ(bench::format_number(-16383), "-16383");
}

}  // namespace

// The fast path takes the straight-line strings the module sends every frame; whatever it
// takes must come out exactly as the full evaluator gives it, and whatever it leaves must
// have done nothing.
TEST(FastCalculator, GivesTheFullEvaluatorsAnswerOrLeavesTheStringAlone) {
    const char* strings[] = {
        "1 (>L:Lights_nav_POS, bool)",
        "(L:Lights_nav_POS, bool)",
        "(A:LIGHT NAV, bool) 2 * 1 - (>L:Out,number) (L:Out,number)",
        "3 4 min 7 max 2 / 5 % neg abs",
        "1 0 / (>L:Div,number)",
        "(L:Name) 0 == ! (>L:Flag, bool)",
        "(L:Flag, bool) (L:FLAG,number) and 1 or 2 >= 3 <= 4 != 5 < 6 > 0 && 1 ||",
        "5 (>L:Twice) (L:twice, bool) 1 + (>L:Twice)",  // read after a write: full evaluator
        "1 if{ 2 } els{ 3 } (>L:Branch)",
        "(L:Text)",
        "(>L:Nothing)",
        "1 (>A:LIGHT NAV, bool)",
        "(>K:TOGGLE_NAV_LIGHTS)",
        "unknown 1 +",
        "1 2",
        "",
    };
    Store full;
    Store fast_store;
    bench::FastCalculator fast;
    full.vars.set(*bench::parse_variable_name("A:LIGHT NAV, bool"), 1);
    fast_store.vars.set(*bench::parse_variable_name("A:LIGHT NAV, bool"), 1);
    full.vars.set_text(*bench::parse_variable_name("L:Text"), "abc");
    fast_store.vars.set_text(*bench::parse_variable_name("L:Text"), "abc");
    int taken = 0;
    for (const char* code : strings) {
        auto expected = full.run(code);
        bench::FastResult got;
        if (fast.run(code, fast_store.vars, got)) {
            ++taken;
            ASSERT_TRUE(expected.ok) << code;
            EXPECT_EQ(got.value, expected.value) << code;
            EXPECT_EQ(got.text != nullptr && got.text->has_value(), expected.text.has_value()) << code;
            if (expected.text) {
                EXPECT_EQ(**got.text, *expected.text) << code;
            }
        } else {
            // Left alone: the full evaluator runs it on the same store.
            fast_store.run(code);
        }
        // Both stores hold the same values after every string.
        for (const char* var : {"L:Lights_nav_POS", "L:Out", "L:Div", "L:Flag", "L:Twice", "L:Branch"})
            EXPECT_EQ(full.value(var), fast_store.value(var)) << code << " / " << var;
    }
    EXPECT_GE(taken, 9);
}
