// Start states: the aircraft ready to fly, or cold and dark, reached through the module as a
// pilot reaches them, so that scripts and tests begin from the same places.
#include <string>

#include "impl.h"

namespace bench {

namespace {

constexpr double kLimitSeconds = 120.0;

bool engine_running(const Bench& b, int engine) {
    const std::string n = std::to_string(engine);
    return b.get("A:GENERAL ENG COMBUSTION:" + n + ", bool") != 0.0;
}

bool engine_stopped(const Bench& b, int engine) {
    const std::string n = std::to_string(engine);
    return !engine_running(b, engine) && b.get("A:TURB ENG CORRECTED N1:" + n + ", percent") < 1.0;
}

// Runs whole simulated seconds until the condition holds; the seconds it took.
template <typename Condition>
double run_until(Bench& b, Condition done, const char* what) {
    double waited = 0.0;
    while (!done()) {
        if (waited >= kLimitSeconds)
            throw ExpectationFailed(std::string("start: ") + what + " within " +
                                    std::to_string(static_cast<int>(kLimitSeconds)) + " simulated seconds");
        b.seconds(1.0);
        waited += 1.0;
    }
    return waited;
}

void press(Bench& b, const char* gauge, int x, int y, const char* what) {
    if (b.click(gauge, x, y, sdk::MOUSE_LEFTSINGLE) < 0)
        throw ExpectationFailed(std::string("start: the ") + what + " took no click");
    b.frames(1);
}

}  // namespace

std::string Bench::start(const std::string& which) {
    if (which != "ready" && which != "cold-and-dark")
        throw ScriptError("start what? ready or cold-and-dark");
    if (!loaded()) throw ScriptError("the module is not loaded");
    std::string out;
    // Initial state, ready preset at +3 ticks, panel state from +5: one second covers them.
    seconds(1.0);
    out += "start: start-up sequence settled\n";
    if (which == "ready") {
        const double t = run_until(*this, [&] { return engine_running(*this, 1) && engine_running(*this, 2); },
                                   "both engines running");
        out += "start: both engines running after " + std::to_string(static_cast<int>(t)) + " s more\n";
        return out;
    }
    press(*this, "Panel_Selector_Arrow", 15, 20, "panel selector's arrow");
    press(*this, "Panel_Selector", 98, 106, "panel selector's Power button");
    press(*this, "Panel_Selector", 14, 14, "panel selector's close button");
    out += "start: Power pressed on the panel selector (cold and dark preset)\n";
    const double t = run_until(*this, [&] { return engine_stopped(*this, 1) && engine_stopped(*this, 2); },
                               "both engines stopped");
    out += "start: both engines stopped after " + std::to_string(static_cast<int>(t)) + " s more\n";
    return out;
}

}  // namespace bench
