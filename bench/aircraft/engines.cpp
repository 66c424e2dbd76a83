// Simulated engines: two turbojets that spool with starter, fuel and throttle.
//
// Keeps, per engine n = 1, 2:
// - A:GENERAL ENG STARTER:n (0 at rest). Moved by TOGGLE_STARTER1 / TOGGLE_STARTER2 (the
//   module's client events 45 and 46) and by key events 66300 / 66301, which engage it.
//   It stays engaged until toggled again.
// - A:GENERAL ENG COMBUSTION:n. The engine lights while its starter turns it at 12 % N1 or
//   more with fuel reaching it; it flames out once no fuel has reached it for a second, the
//   fuel in its lines burnt (whether fuel reaches an engine, by its selector, its fuel
//   cut-off and the tanks' contents, is fuel.cpp's).
// - A:TURB ENG CORRECTED N1:n (percent; tokens 624 / 643 serve it as the engine's RPM
//   percent). Running, it moves at 8 % a second towards 48 % (idle) plus 0.52 x the
//   throttle; turned by the starter alone, at 2 % a second towards 25 %; otherwise it runs
//   down at 6 % a second. A value written from outside since the last step (the module
//   imposes N1 during a ground start through its data definitions 10 and 11) holds for
//   that step.
// - A:GENERAL ENG EXHAUST GAS TEMPERATURE:n (Rankine; degrees Celsius = (R - 491.67) x
//   0.55). Running, it moves at 100 degrees a second towards 200 + 0.06 x N1 squared
//   degrees (338 at idle, 800 at full throttle); otherwise towards 15 degrees. Written
//   from outside (definitions 14 and 15), it holds like N1.
// - A:ENG FUEL FLOW PPH:n (tokens 638 / 657) and A:TURB ENG FUEL FLOW PPH:n (the module's
//   data definition 7), the same value: 0.8 x N1 squared pounds an hour while running (1843
//   at idle), else 0.
// - A:ENG OIL PRESSURE:n (psi; tokens 562 / 572 serve it in pounds per square foot,
//   x 144): 0.8 psi per percent N1 (38 psi at idle).
//   Fuel flow and oil pressure set from outside (`token 638 1800`) also hold for one step.
// - A:GENERAL ENG THROTTLE LEVER POSITION:n (percent): written by the module (definitions
//   12 and 13); without the module's interception also moved by AXIS_THROTTLE1_SET,
//   AXIS_THROTTLE2_SET, AXIS_THROTTLE_SET (axis -16383..16383 over 0..100 %) and
//   THROTTLE1_SET, THROTTLE2_SET, THROTTLE_SET (0..16383 over 0..100 %).
// - A:ENG ON FIRE:n (tokens 887 / 888): 0 at rest, set by `token 887 1`; key event 66708
//   with 11 (engine 1) or 22 (engine 2), the fire extinguisher, puts it out.
// Key event 66224 (ENGINE_AUTO_START, sent by the ready preset) starts every engine that
// has fuel at once: running at idle, starter off. ENGINE_AUTO_SHUTDOWN, when no client
// masks it, cuts both engines' fuel.
#include <algorithm>
#include <cstdint>

#include "systems.h"

namespace bench::sim {
namespace {

struct EngineVars {
    const char* n1;
    const char* egt;
    const char* fuel_flow;
    const char* turbine_fuel_flow;
    const char* oil;
    const char* combustion;
    const char* starter;
    const char* throttle;
    const char* selector;
    const char* fire;
};

constexpr EngineVars kEngineVars[2] = {
    {"A:TURB ENG CORRECTED N1:1, percent", "A:GENERAL ENG EXHAUST GAS TEMPERATURE:1, rankine",
     "A:ENG FUEL FLOW PPH:1, pounds per hour", "A:TURB ENG FUEL FLOW PPH:1, pounds per hour", "A:ENG OIL PRESSURE:1, psi",
     "A:GENERAL ENG COMBUSTION:1, bool", "A:GENERAL ENG STARTER:1, bool",
     "A:GENERAL ENG THROTTLE LEVER POSITION:1, percent", "A:FUEL TANK SELECTOR:1, enum", "A:ENG ON FIRE:1, bool"},
    {"A:TURB ENG CORRECTED N1:2, percent", "A:GENERAL ENG EXHAUST GAS TEMPERATURE:2, rankine",
     "A:ENG FUEL FLOW PPH:2, pounds per hour", "A:TURB ENG FUEL FLOW PPH:2, pounds per hour", "A:ENG OIL PRESSURE:2, psi",
     "A:GENERAL ENG COMBUSTION:2, bool", "A:GENERAL ENG STARTER:2, bool",
     "A:GENERAL ENG THROTTLE LEVER POSITION:2, percent", "A:FUEL TANK SELECTOR:2, enum", "A:ENG ON FIRE:2, bool"},
};

constexpr double kIdleN1 = 48.0;
constexpr double kFlameOutSeconds = 1.0;  // a running engine burns the fuel in its lines
constexpr double kLightOffN1 = 12.0;
constexpr double kStarterN1 = 25.0;
constexpr double kRunningRate = 8.0;   // percent N1 a second
constexpr double kStarterRate = 2.0;
constexpr double kRundownRate = 6.0;
constexpr double kAmbientCelsius = 15.0;
constexpr double kEgtRate = 100.0;      // degrees a second
constexpr double kPsfPerPsi = 144.0;

double to_rankine(double celsius) { return celsius / 0.55 + 491.67; }
double to_celsius(double rankine) { return (rankine - 491.67) * 0.55; }

double approach(double value, double target, double step) {
    if (value < target) return std::min(value + step, target);
    return std::max(value - step, target);
}

double running_n1(const Context& c, int engine) {
    const double throttle = std::clamp(c.get(kEngineVars[engine].throttle), 0.0, 100.0);
    return kIdleN1 + throttle * (100.0 - kIdleN1) / 100.0;
}

double running_egt_celsius(double n1) { return 200.0 + 0.06 * n1 * n1; }

// Fuel flow and oil pressure follow N1 at once, unless written from outside since the last
// step.
void readings(Context& c, int engine, double n1, bool running, bool held) {
    const EngineVars& v = kEngineVars[engine];
    double& flow = c.memory.engine_fuel_flow_after_step[engine];
    double& oil = c.memory.engine_oil_after_step[engine];
    if (!held || c.get(v.fuel_flow) == flow) c.set(v.fuel_flow, running ? 0.8 * n1 * n1 : 0.0);
    c.set(v.turbine_fuel_flow, c.get(v.fuel_flow));
    if (!held || c.get(v.oil) == oil) c.set(v.oil, 0.8 * n1);
    flow = c.get(v.fuel_flow);
    oil = c.get(v.oil);
}

void step_engine(Context& c, int engine, double dt) {
    const EngineVars& v = kEngineVars[engine];
    const bool fuel = fuel_reaches_engine(c, engine + 1);
    const bool starter = c.get(v.starter) != 0.0;
    double n1 = c.get(v.n1);
    double egt = c.get(v.egt);
    const bool n1_written = n1 != c.memory.engine_n1_after_step[engine];
    const bool egt_written = egt != c.memory.engine_egt_after_step[engine];

    bool running = c.get(v.combustion) != 0.0;
    double& starved = c.memory.engine_starved_seconds[engine];
    starved = running && !fuel ? starved + dt : 0.0;
    if (starved >= kFlameOutSeconds) running = false;
    if (!running && starter && fuel && n1 >= kLightOffN1) running = true;

    if (!n1_written) {
        if (running) n1 = approach(n1, running_n1(c, engine), kRunningRate * dt);
        else if (starter) n1 = approach(n1, kStarterN1, (n1 < kStarterN1 ? kStarterRate : kRundownRate) * dt);
        else n1 = approach(n1, 0.0, kRundownRate * dt);
    }
    if (!egt_written) {
        const double target = running ? running_egt_celsius(n1) : kAmbientCelsius;
        egt = to_rankine(approach(to_celsius(egt), target, kEgtRate * dt));
    }
    c.set(v.n1, n1);
    c.set(v.egt, egt);
    c.set(v.combustion, running ? 1.0 : 0.0);
    readings(c, engine, n1, running, true);
    c.memory.engine_n1_after_step[engine] = n1;
    c.memory.engine_egt_after_step[engine] = egt;
}

void step(Context& c, double dt) {
    for (int engine = 0; engine < 2; ++engine) step_engine(c, engine, dt);
}

void auto_start(Context& c, std::uint32_t) {
    for (int engine = 0; engine < 2; ++engine) {
        if (!fuel_reaches_engine(c, engine + 1)) continue;
        const EngineVars& v = kEngineVars[engine];
        const double n1 = running_n1(c, engine);
        const double egt = to_rankine(running_egt_celsius(n1));
        c.set(v.starter, 0.0);
        c.set(v.combustion, 1.0);
        c.set(v.n1, n1);
        c.set(v.egt, egt);
        readings(c, engine, n1, true, false);
        c.memory.engine_n1_after_step[engine] = n1;
        c.memory.engine_egt_after_step[engine] = egt;
    }
}

void extinguish(Context& c, std::uint32_t parameter) {
    if (parameter == 11) c.set(kEngineVars[0].fire, 0.0);
    if (parameter == 22) c.set(kEngineVars[1].fire, 0.0);
}

constexpr RestValue kAtRest[] = {
    {"A:GENERAL ENG EXHAUST GAS TEMPERATURE:1, rankine", 15.0 / 0.55 + 491.67},
    {"A:GENERAL ENG EXHAUST GAS TEMPERATURE:2, rankine", 15.0 / 0.55 + 491.67},
};

constexpr TokenRow kTokens[] = {
    {562, "A:ENG OIL PRESSURE:1, psi", kPsfPerPsi},
    {572, "A:ENG OIL PRESSURE:2, psi", kPsfPerPsi},
    {624, "A:TURB ENG CORRECTED N1:1, percent", 1.0},
    {643, "A:TURB ENG CORRECTED N1:2, percent", 1.0},
    {638, "A:ENG FUEL FLOW PPH:1, pounds per hour", 1.0},
    {657, "A:ENG FUEL FLOW PPH:2, pounds per hour", 1.0},
    {887, "A:ENG ON FIRE:1, bool", 1.0},
    {888, "A:ENG ON FIRE:2, bool", 1.0},
};

constexpr KeyRow kKeys[] = {
    {66224, "ENGINE_AUTO_START", KeyAction::Custom, nullptr, auto_start},
    {66300, "STARTER1_SET", KeyAction::SetTo, "A:GENERAL ENG STARTER:1, bool"},
    {66301, "STARTER2_SET", KeyAction::SetTo, "A:GENERAL ENG STARTER:2, bool"},
    {66708, "ENGINE_FIRE_EXTINGUISH", KeyAction::Custom, nullptr, extinguish},
};

constexpr const char* kLever1 = "A:GENERAL ENG THROTTLE LEVER POSITION:1, percent";
constexpr const char* kLever2 = "A:GENERAL ENG THROTTLE LEVER POSITION:2, percent";

// Axis events carry -16383..16383 as a signed 32-bit value.
double axis_percent(std::uint32_t data) {
    const double v = static_cast<std::int32_t>(data);
    return std::clamp((v + 16383.0) / 32766.0 * 100.0, 0.0, 100.0);
}

// The older throttle events carry 0..16383.
double lever_percent(std::uint32_t data) {
    return std::clamp(static_cast<std::int32_t>(data) / 16383.0 * 100.0, 0.0, 100.0);
}

constexpr SimEventRow kSimEvents[] = {
    {"AXIS_THROTTLE1_SET", [](Context& c, std::uint32_t d) { c.set(kLever1, axis_percent(d)); }},
    {"AXIS_THROTTLE2_SET", [](Context& c, std::uint32_t d) { c.set(kLever2, axis_percent(d)); }},
    {"AXIS_THROTTLE_SET",
     [](Context& c, std::uint32_t d) {
         c.set(kLever1, axis_percent(d));
         c.set(kLever2, axis_percent(d));
     }},
    {"THROTTLE1_SET", [](Context& c, std::uint32_t d) { c.set(kLever1, lever_percent(d)); }},
    {"THROTTLE2_SET", [](Context& c, std::uint32_t d) { c.set(kLever2, lever_percent(d)); }},
    {"THROTTLE_SET",
     [](Context& c, std::uint32_t d) {
         c.set(kLever1, lever_percent(d));
         c.set(kLever2, lever_percent(d));
     }},
    {"TOGGLE_STARTER1", [](Context& c, std::uint32_t) { c.toggle("A:GENERAL ENG STARTER:1, bool"); }},
    {"TOGGLE_STARTER2", [](Context& c, std::uint32_t) { c.toggle("A:GENERAL ENG STARTER:2, bool"); }},
    {"ENGINE_AUTO_SHUTDOWN",
     [](Context& c, std::uint32_t) {
         for (const EngineVars& v : kEngineVars) {
             c.set(v.combustion, 0.0);
             c.set(v.starter, 0.0);
         }
     }},
};

}  // namespace

const System kEngines{"engines", kAtRest, kTokens, kKeys, kSimEvents, step};

}  // namespace bench::sim
