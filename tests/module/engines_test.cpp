// The engines as the simulator drives them: the pilot's throttle axis and keys through the
// aircraft's levers and HP cocks, the 2D throttle levers, electric and push starts with the
// spool the module imposes on the ground, auto start and shutdown, the throttle panel's
// guarded switches and JPT switches, the engine start panel, and the virtual cockpit's
// engine events.
#include <cmath>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "scenario.h"

namespace {

using scenario::count_key;
using scenario::count_lines;
using scenario::count_prefix;

constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t RIGHT = 0x80000000;
constexpr std::uint32_t DRAG = 0x00800000;

const std::string START_PANEL = "EngStart_Controls";
const std::string THROTTLES = "Throttles_Panel";
constexpr std::uint32_t START_WINDOW = 300;
constexpr std::uint32_t THROTTLE_WINDOW = 1100;

const char* const LEVER[] = {"L:Throttle1Position,number", "L:Throttle2Position,number"};
const char* const SIM_THROTTLE[] = {"A:GENERAL ENG THROTTLE LEVER POSITION:1, percent",
                                    "A:GENERAL ENG THROTTLE LEVER POSITION:2, percent"};
const char* const SIM_N1[] = {"A:TURB ENG CORRECTED N1:1, percent", "A:TURB ENG CORRECTED N1:2, percent"};
const char* const SIM_STARTER[] = {"A:GENERAL ENG STARTER:1, bool", "A:GENERAL ENG STARTER:2, bool"};
const char* const SIM_COMBUSTION[] = {"A:GENERAL ENG COMBUSTION:1, bool", "A:GENERAL ENG COMBUSTION:2, bool"};
const char* const SIM_SELECTOR[] = {"A:FUEL TANK SELECTOR:1, enum", "A:FUEL TANK SELECTOR:2, enum"};
constexpr const char* START_VOLTS = "L:ElecStartVolts, number";

// Points inside the controls of the two panels.
struct Point {
    int x, y;
};
constexpr Point NO1_ELECTRIC_START{60, 110};
constexpr Point NO2_ELECTRIC_START{870, 110};
constexpr Point ENGINE1_PUSH_START{400, 590};
constexpr Point ENGINE2_PUSH_START{560, 590};
constexpr Point ENGINE1_MASTER{350, 400};
constexpr Point ENGINE2_MASTER{610, 400};
constexpr Point ENGINE1_IGNITION{200, 400};
constexpr Point ENGINE2_IGNITION{750, 400};
constexpr Point CHANGEOVER{470, 110};
constexpr Point PORT_LEVER{670, 500};   // the lever areas span the panel's height, 1036 pixels
constexpr Point STBD_LEVER{860, 500};
constexpr Point ABANDON{150, 300};
constexpr Point PRESSURE_DUMP{380, 300};
constexpr Point PORT_JPT_MAX{150, 750};
constexpr Point STBD_JPT_MAX{430, 750};
constexpr Point PORT_JPT_ON{150, 560};
constexpr Point STBD_JPT_ON{430, 560};
constexpr int LEVER_HEIGHT = 1036;

// A simulator folder whose configuration gives the start battery this voltage.
class Cockpit {
public:
    explicit Cockpit(int start_volts = 120) {
        const auto panel = root_.path() / "SimObjects" / "Airplanes" / "VK_Tarmelon" / "panel";
        std::filesystem::create_directories(panel);
        std::ofstream(panel / "Tarmelon.cfg") << "[ElectricStart]\nVolts=" << start_volts << "\n";
        bench_ = std::make_unique<bench::Bench>(root_.options());
        scenario::settle(*bench_);
    }
    bench::Bench& operator*() { return *bench_; }
    bench::Bench* operator->() { return bench_.get(); }

private:
    scenario::TempRoot root_;
    std::unique_ptr<bench::Bench> bench_;
};

// The simulator's throttle of an engine, to a hundredth.
double sim_throttle(const bench::Bench& b, int engine) { return b.get(SIM_THROTTLE[engine - 1]); }

// The values written to a data definition since the mark.
std::vector<double> writes(const bench::Bench& b, int definition) {
    std::vector<double> values;
    const std::string prefix = "SimConnect_SetDataOnSimObject(" + std::to_string(definition) + ", 0, 0, 0, 8, ";
    for (const std::string& line : b.simconnect_log())
        if (line.rfind(prefix, 0) == 0) values.push_back(std::stod(line.substr(prefix.size())));
    return values;
}

// Client events transmitted since the mark: 45 TOGGLE_STARTER1, 46 TOGGLE_STARTER2.
std::size_t transmitted(const bench::Bench& b, int event, int data) {
    return count_lines(b.simconnect_log(), "SimConnect_TransmitClientEvent(0, " + std::to_string(event) + ", " +
                                               std::to_string(data) + ", 1900000000, 16)");
}
std::size_t transmitted(const bench::Bench& b, int event) {
    return count_prefix(b.simconnect_log(), "SimConnect_TransmitClientEvent(0, " + std::to_string(event) + ", ");
}

// The pilot's input of a simulator event, handled by the module in the next frame, whose
// lever the per-frame update then reads.
void pilot(bench::Bench& b, const std::string& name, std::int32_t value) {
    ASSERT_TRUE(b.pilot_event(name, static_cast<std::uint32_t>(value))) << name << " reached the simulator";
    b.frames(1);
}

// The simulator's engine stops: its fuel selector is shut until it has run down, then
// opened again (the fuel system may set it from the feeding tanks as it likes).
void stop_engine(bench::Bench& b, int engine) {
    b.set(SIM_SELECTOR[engine - 1], 0);
    b.seconds(12);
    ASSERT_EQ(b.get(SIM_COMBUSTION[engine - 1]), 0);
    ASSERT_EQ(b.get(SIM_N1[engine - 1]), 0);
    b.set(SIM_SELECTOR[engine - 1], 1);
    b.seconds(2);  // the RPM reading settles at 0
}

// Frames until the condition holds, at most `limit` simulated seconds; the seconds taken.
template <typename Condition>
double run_until(bench::Bench& b, Condition condition, double limit) {
    const double start = b.sim_seconds();
    while (!condition()) {
        if (b.sim_seconds() - start > limit) return -1.0;
        b.frames(1);
    }
    return b.sim_seconds() - start;
}

void click(bench::Bench& b, const std::string& gauge, Point p, std::uint32_t flags = LEFT) {
    ASSERT_GE(b.click(gauge, p.x, p.y, flags), 0) << gauge << " " << p.x << "," << p.y;
}

// ---- throttle inputs ------------------------------------------------------------------------

TEST(Throttles, TheAxisMovesTheLeverAndTheEngineFollowsTheLever) {
    Cockpit b;
    struct Case {
        std::int32_t axis;
        double lever;
        double throttle;  // what the simulator's engine gets: the lever's demand
    };
    for (const Case& c : {Case{-16383, 15, 0}, Case{0, 107, 49.73}, Case{16383, 200, 100}, Case{-20000, 15, 0}}) {
        pilot(*b, "AXIS_THROTTLE1_SET", c.axis);
        EXPECT_EQ(b->get(LEVER[0]), c.lever) << c.axis;
        b->frames(1);
        EXPECT_NEAR(sim_throttle(*b, 1), c.throttle, 0.01) << c.axis;
        EXPECT_EQ(b->get(LEVER[1]), 15) << "engine 2 stays";
    }
    // Beyond the axis' end the lever goes past full, but the simulator never gets more than 100 %.
    pilot(*b, "AXIS_THROTTLE2_SET", 20000);
    EXPECT_EQ(b->get(LEVER[1]), 220);
    b->frames(1);
    EXPECT_EQ(sim_throttle(*b, 2), 100);
    EXPECT_EQ(b->faults(), std::vector<std::string>{});
}

TEST(Throttles, TheCombinedAxisWorksBothLeversAndStopsEngineTwoAboveTheEnd) {
    Cockpit b;
    pilot(*b, "AXIS_THROTTLE_SET", 0);
    EXPECT_EQ(b->get(LEVER[0]), 107);
    EXPECT_EQ(b->get(LEVER[1]), 107);
    pilot(*b, "AXIS_THROTTLE_SET", -16383);
    EXPECT_EQ(b->get(LEVER[0]), 15);
    EXPECT_EQ(b->get(LEVER[1]), 15);  // engine 2 stops at a demand of about 0.39: still the gate
    // The older set events map the same range.
    pilot(*b, "THROTTLE1_SET", 0);
    pilot(*b, "THROTTLE2_SET", 16383);
    EXPECT_EQ(b->get(LEVER[0]), 107);
    EXPECT_EQ(b->get(LEVER[1]), 200);
}

TEST(Throttles, KeysCutStepAndOpenBothThrottles) {
    Cockpit b;
    pilot(*b, "AXIS_THROTTLE_SET", 0);  // both levers at 107, demand 49.73 %
    pilot(*b, "THROTTLE_DECR", 0);
    EXPECT_EQ(b->get(LEVER[0]), 105);  // 48.73 % gives 105.15
    EXPECT_EQ(b->get(LEVER[1]), 105);
    pilot(*b, "THROTTLE_INCR_SMALL", 0);
    pilot(*b, "THROTTLE_INCR_SMALL", 0);
    EXPECT_EQ(b->get(LEVER[0]), 107);  // each step starts from the whole-numbered lever
    pilot(*b, "THROTTLE_FULL", 0);
    EXPECT_EQ(b->get(LEVER[0]), 200);
    EXPECT_EQ(b->get(LEVER[1]), 200);
    b->frames(1);
    EXPECT_EQ(sim_throttle(*b, 1), 100);
    pilot(*b, "THROTTLE_INCR_SMALL", 0);  // already full
    EXPECT_EQ(b->get(LEVER[0]), 200);
    pilot(*b, "THROTTLE_CUT", 0);
    EXPECT_EQ(b->get(LEVER[0]), 15);
    EXPECT_EQ(b->get(LEVER[1]), 15);
    pilot(*b, "THROTTLE_DECR", 0);  // already at the gate
    EXPECT_EQ(b->get(LEVER[0]), 15);
    b->frames(1);
    EXPECT_EQ(sim_throttle(*b, 1), 0);
    EXPECT_EQ(sim_throttle(*b, 2), 0);
}

TEST(Throttles, AShutHpCockTakesNoAxisAndGivesTheEngineNoReverse) {
    Cockpit b;
    b->window("open", THROTTLE_WINDOW);
    click(*b, THROTTLES, PORT_LEVER, RIGHT);  // at the gate: the HP cock shuts
    EXPECT_EQ(b->get(LEVER[0]), 0);
    b->mark();
    b->frames(2);
    EXPECT_EQ(b->get("L:ENG1_HPcock, bool"), 0);
    EXPECT_EQ(b->get("L:ENG2_HPcock, bool"), 1);
    // The lever's demand is -8.1 %, but what reaches the simulator is never below 0.
    const auto port = writes(*b, 12);
    ASSERT_FALSE(port.empty());
    for (double v : port) EXPECT_EQ(v, 0) << "throttle written with the HP cock shut";
    EXPECT_EQ(sim_throttle(*b, 1), 0);

    pilot(*b, "AXIS_THROTTLE1_SET", 16383);
    EXPECT_EQ(b->get(LEVER[0]), 0);
    pilot(*b, "AXIS_THROTTLE_SET", 16383);  // engine 2 alone takes it
    EXPECT_EQ(b->get(LEVER[0]), 0);
    EXPECT_EQ(b->get(LEVER[1]), 200);
}

TEST(Throttles, AnEngineOnItsStarterTakesNoThrottleInput) {
    Cockpit b;
    b->set(SIM_STARTER[0], 1);
    b->seconds(1.5);  // the starter reading arrives once a second
    pilot(*b, "AXIS_THROTTLE1_SET", 0);
    EXPECT_EQ(b->get(LEVER[0]), 15);
    pilot(*b, "AXIS_THROTTLE_SET", 0);
    EXPECT_EQ(b->get(LEVER[0]), 15);
    EXPECT_EQ(b->get(LEVER[1]), 107);
    pilot(*b, "THROTTLE_FULL", 0);  // only engine 2's lever moves
    EXPECT_EQ(b->get(LEVER[0]), 15);
    EXPECT_EQ(b->get(LEVER[1]), 200);
    pilot(*b, "THROTTLE_CUT", 0);
    EXPECT_EQ(b->get(LEVER[1]), 15);
}

// ---- the 2D levers ---------------------------------------------------------------------------

TEST(ThrottleLevers, RightClickAtTheGateWorksTheHpCockAndDragSetsTheLever) {
    Cockpit b;
    b->window("open", THROTTLE_WINDOW);
    b->frames(1);
    const int port_slider = 7, stbd_slider = 8, stbd_at_rest = 9, port_at_rest = 10;
    EXPECT_EQ(b->element(THROTTLES, port_at_rest).frame, -1);  // the lever is live

    // Drag to a quarter of the way down: three quarters of full throttle.
    ASSERT_GE(b->click(THROTTLES, PORT_LEVER.x, LEVER_HEIGHT / 4, DRAG), 0);
    EXPECT_EQ(b->get(LEVER[0]), 153);  // 75 % gives 153.75
    b->frames(2);
    EXPECT_NEAR(b->element(THROTTLES, port_slider).y, 74.59 / 100 * -579, 0.1);
    EXPECT_NEAR(sim_throttle(*b, 1), 74.59, 0.01);

    // Above 2 % the right button does nothing.
    click(*b, THROTTLES, PORT_LEVER, RIGHT);
    EXPECT_EQ(b->get(LEVER[0]), 153);
    // Dragged to the bottom, then past it: the gate, and no further.
    ASSERT_GE(b->click(THROTTLES, PORT_LEVER.x, LEVER_HEIGHT - 1, DRAG), 0);
    EXPECT_EQ(b->get(LEVER[0]), 15);
    b->frames(1);
    click(*b, THROTTLES, PORT_LEVER, RIGHT);
    EXPECT_EQ(b->get(LEVER[0]), 0);
    b->frames(1);
    EXPECT_EQ(b->element(THROTTLES, port_slider).y, 0);
    EXPECT_EQ(b->element(THROTTLES, port_at_rest).frame, 0);
    EXPECT_EQ(b->element(THROTTLES, stbd_at_rest).frame, -1);
    // A shut cock's lever does not drag.
    ASSERT_GE(b->click(THROTTLES, PORT_LEVER.x, 10, DRAG), 0);
    EXPECT_EQ(b->get(LEVER[0]), 0);
    click(*b, THROTTLES, PORT_LEVER, RIGHT);
    EXPECT_EQ(b->get(LEVER[0]), 15);
    // The starboard lever is its own.
    ASSERT_GE(b->click(THROTTLES, STBD_LEVER.x, 0, DRAG), 0);
    EXPECT_EQ(b->get(LEVER[1]), 200);
    b->frames(1);
    EXPECT_NEAR(b->element(THROTTLES, stbd_slider).y, -579, 1e-9);
    // The levers make no click.
    EXPECT_EQ(b->get("L:Tarmelon_Click1, number") + b->get("L:Tarmelon_Click2, number") +
                  b->get("L:Tarmelon_Click3, number"),
              0);
}

// ---- engine start -------------------------------------------------------------------------------

// The engine start panel open, engine 1 stopped and its electric start switch on.
void ready_to_start(bench::Bench& b, int engine) {
    stop_engine(b, engine);
    b.window("open", START_WINDOW);
    click(b, START_PANEL, engine == 1 ? NO1_ELECTRIC_START : NO2_ELECTRIC_START);
    b.frames(1);
}

TEST(EngineStart, APushStartSpoolsTheEngineToFortyPercentThenCutsTheStarter) {
    Cockpit b(120);
    ready_to_start(*b, 1);
    b->mark();
    click(*b, START_PANEL, ENGINE1_PUSH_START);
    EXPECT_EQ(count_key(*b, 66300, 1), 1u);
    EXPECT_EQ(b->get(START_VOLTS), 119);  // each start costs a volt
    EXPECT_EQ(b->get(SIM_STARTER[0]), 1);

    // The spool climbs in steps the module imposes; the RPM needle shows it.
    b->seconds(20);
    const double n1 = b->get(SIM_N1[0]);
    EXPECT_GT(n1, 3);
    EXPECT_LT(n1, 20);
    EXPECT_NEAR(b->get("L:ENG1RPMMainND,number"), n1 * 15, 2);
    const auto egt = writes(*b, 14);
    ASSERT_FALSE(egt.empty());
    EXPECT_EQ(transmitted(*b, 45), 0u);

    const double took = run_until(*b, [&] { return b->get(SIM_STARTER[0]) == 0; }, 200);
    ASSERT_GT(took, 0) << "the starter was never cut";
    EXPECT_EQ(transmitted(*b, 45), 1u);  // cut once
    EXPECT_NEAR(b->get(SIM_N1[0]), 40, 0.5);
    // The engine runs up to idle by itself and stays alight.
    b->seconds(10);
    EXPECT_EQ(b->get(SIM_COMBUSTION[0]), 1);
    EXPECT_EQ(b->get(SIM_N1[0]), 48);
    EXPECT_EQ(b->get(SIM_STARTER[0]), 0);
    EXPECT_EQ(transmitted(*b, 45), 1u);
    EXPECT_EQ(b->faults(), std::vector<std::string>{});
}

TEST(EngineStart, WithoutFuelTheSpoolSettlesAtThirteenPercentAndTheStarterStays) {
    Cockpit b(120);
    ready_to_start(*b, 2);
    b->set(SIM_SELECTOR[1], 0);
    b->mark();
    click(*b, START_PANEL, ENGINE2_PUSH_START);
    EXPECT_EQ(count_key(*b, 66301, 1), 1u);
    b->seconds(120);
    EXPECT_NEAR(b->get(SIM_N1[1]), 13, 0.1);
    EXPECT_EQ(b->get(SIM_COMBUSTION[1]), 0);
    EXPECT_EQ(b->get(SIM_STARTER[1]), 1);
    EXPECT_EQ(transmitted(*b, 46), 0u);
}

TEST(EngineStart, TheStartBatteryRefusesAStartAtOneHundredAndFourteenVolts) {
    Cockpit b(115);
    ready_to_start(*b, 1);
    b->mark();
    click(*b, START_PANEL, ENGINE1_PUSH_START);
    EXPECT_EQ(count_key(*b, 66300, 1), 1u);
    EXPECT_EQ(b->get(START_VOLTS), 114);
    // The other engine's start is refused: the button goes in, nothing else happens.
    stop_engine(*b, 2);
    click(*b, START_PANEL, NO2_ELECTRIC_START);
    b->mark();
    click(*b, START_PANEL, ENGINE2_PUSH_START);
    EXPECT_EQ(b->get("L:Eng2PushStart, bool"), 1);
    EXPECT_EQ(count_key(*b, 66301), 0u);
    EXPECT_EQ(b->get(START_VOLTS), 114);
    EXPECT_EQ(b->get(SIM_STARTER[1]), 0);
}

TEST(EngineStart, APushStartNeedsMasterIgnitionStartSwitchAndAStillEngine) {
    Cockpit b(124);
    // The engine is running: refused.
    b->window("open", START_WINDOW);
    click(*b, START_PANEL, NO1_ELECTRIC_START);
    b->frames(20);
    b->mark();
    click(*b, START_PANEL, ENGINE1_PUSH_START);
    EXPECT_EQ(count_key(*b, 66300), 0u);

    stop_engine(*b, 1);
    struct Case {
        Point control;
        const char* what;
    };
    for (const Case& c : {Case{ENGINE1_MASTER, "master"}, Case{ENGINE1_IGNITION, "ignition"},
                          Case{NO1_ELECTRIC_START, "start switch"}}) {
        click(*b, START_PANEL, c.control);  // off
        b->seconds(1.5);                    // the button has sprung back
        ASSERT_EQ(b->get("L:Eng1PushStart, bool"), 0);
        b->mark();
        click(*b, START_PANEL, ENGINE1_PUSH_START);
        EXPECT_EQ(count_key(*b, 66300), 0u) << c.what;
        EXPECT_EQ(b->get(START_VOLTS), 124) << c.what;
        click(*b, START_PANEL, c.control);  // on again
        b->seconds(1.5);
    }
    b->mark();
    click(*b, START_PANEL, ENGINE1_PUSH_START);
    EXPECT_EQ(count_key(*b, 66300, 1), 1u);
}

TEST(EngineStart, ThePushStartButtonSpringsBackWithinASecond) {
    Cockpit b(124);
    b->window("open", START_WINDOW);
    b->frames(1);
    const int engine1_button = 11, engine2_button = 8;
    click(*b, START_PANEL, ENGINE1_PUSH_START);
    b->frames(1);
    EXPECT_EQ(b->element(START_PANEL, engine1_button).frame, 1);
    EXPECT_EQ(b->element(START_PANEL, engine2_button).frame, 0);
    const double held = run_until(*b, [&] { return b->get("L:Eng1PushStart, bool") == 0; }, 5);
    EXPECT_GE(held, 0);
    EXPECT_LE(held, 1.0 + 1e-9);
    b->frames(1);
    EXPECT_EQ(b->element(START_PANEL, engine1_button).frame, 0);
    // A press while it is still in only lets it out.
    b->seconds(0.2);
    click(*b, START_PANEL, ENGINE2_PUSH_START);
    b->mark();
    click(*b, START_PANEL, ENGINE2_PUSH_START);
    EXPECT_EQ(b->get("L:Eng2PushStart, bool"), 0);
    EXPECT_EQ(count_key(*b, 66301), 0u);
}

TEST(EngineStart, TheButtonStillSpringsBackAfterTheClockWentBack) {
    scenario::TempRoot root;
    bench::Bench b(root.options());
    scenario::settle(b);
    b.window("open", START_WINDOW);
    b.seconds(30);  // the button's clock runs on the ticks
    // A reload of the flight: the module is loaded afresh and the ticks start again at 0,
    // while the simulator keeps its windows.
    b.unload();
    b.load();
    scenario::settle(b);
    b.window("open", START_WINDOW);
    b.frames(1);
    click(b, START_PANEL, ENGINE1_PUSH_START);
    EXPECT_GE(run_until(b, [&] { return b.get("L:Eng1PushStart, bool") == 0; }, 1.1), 0);
}

// ---- auto start and shutdown ---------------------------------------------------------------------

TEST(AutoStart, OpensTheCocksAndStartsEveryStillEngineOnItsStarter) {
    Cockpit b;
    stop_engine(*b, 2);
    b->window("open", THROTTLE_WINDOW);
    click(*b, THROTTLES, STBD_LEVER, RIGHT);  // HP cock 2 shut
    b->set("L:stbdLPCockPos, bool", 0);
    b->frames(1);
    b->mark();
    pilot(*b, "ENGINE_AUTO_START", 0);
    EXPECT_EQ(b->get(LEVER[0]), 15);
    EXPECT_EQ(b->get(LEVER[1]), 15);
    EXPECT_EQ(b->get("L:portLPCockPos, bool"), 2);
    EXPECT_EQ(b->get("L:stbdLPCockPos, bool"), 2);
    EXPECT_EQ(transmitted(*b, 46, 1), 1u);  // the still engine's starter
    EXPECT_EQ(transmitted(*b, 45), 0u);     // engine 1 runs
    b->frames(2);
    EXPECT_EQ(b->get("L:ENG2_HPcock, bool"), 1);
    EXPECT_GE(run_until(*b, [&] { return b->get(SIM_COMBUSTION[1]) == 1 && b->get(SIM_STARTER[1]) == 0; }, 200), 0);
    EXPECT_EQ(transmitted(*b, 46), 2u);  // engaged, then cut at 40 %
    b->seconds(5);
    EXPECT_GT(b->get(SIM_N1[1]), 45);
}

TEST(AutoShutdown, ShutsBothHpCocksAndTheEnginesGetNoThrottle) {
    Cockpit b;
    b->window("open", THROTTLE_WINDOW);
    pilot(*b, "AXIS_THROTTLE_SET", 0);
    b->frames(1);
    ASSERT_NEAR(sim_throttle(*b, 1), 49.73, 0.01);
    pilot(*b, "ENGINE_AUTO_SHUTDOWN", 0);
    EXPECT_EQ(b->get(LEVER[0]), 0);
    EXPECT_EQ(b->get(LEVER[1]), 0);
    b->frames(2);
    EXPECT_EQ(b->get("L:ENG1_HPcock, bool"), 0);
    EXPECT_EQ(b->get("L:ENG2_HPcock, bool"), 0);
    EXPECT_EQ(sim_throttle(*b, 1), 0);
    EXPECT_EQ(sim_throttle(*b, 2), 0);
    EXPECT_EQ(b->element(THROTTLES, 9).frame, 0);  // both levers drawn at rest
    EXPECT_EQ(b->element(THROTTLES, 10).frame, 0);
}

// ---- the throttle panel's switches -----------------------------------------------------------

// The click last sounded: which sound and at which pan. The sound player then clears the
// trigger; the pans are left at a value no control uses, so that a click that sets no pan
// shows.
struct Sounded {
    int sound;
    double pan;
};
constexpr double NO_PAN = 12345;
Sounded last_click(bench::Bench& b) {
    Sounded heard{0, 0};
    for (int n = 1; n <= 3; ++n) {
        const std::string trigger = "L:Tarmelon_Click" + std::to_string(n) + ", number";
        const std::string pan = "L:Tarmelon_Click" + std::to_string(n) + "Pan, number";
        if (b.get(trigger) == 1 && heard.sound == 0) heard = {n, b.get(pan)};
        b.set(trigger, 0);
        b.set(pan, NO_PAN);
    }
    return heard;
}
void expect_click(bench::Bench& b, int sound, double pan, const std::string& what) {
    const Sounded s = last_click(b);
    EXPECT_EQ(s.sound, sound) << what;
    EXPECT_EQ(s.pan, pan) << what;
}

TEST(GuardedSwitches, TheGuardOpensWithTheRightButtonAndTheSwitchWorksWithTheLeft) {
    Cockpit b;
    b->window("open", THROTTLE_WINDOW);
    b->frames(1);
    struct Switch {
        Point at;
        int element;
        const char* position;
        const char* guard;
        const char* lever;
    };
    for (const Switch& s : {Switch{ABANDON, 2, "L:Abandon_SwitchPos, number", "L:Throtpan_abandon_ac_guard, bool",
                                   "L:Throtpan_abandon_ac, bool"},
                            Switch{PRESSURE_DUMP, 1, "L:PressureDump_SwitchPos, number",
                                   "L:Throtpan_dump_valve_guard, bool", "L:Throtpan_dump_valve, bool"}}) {
        last_click(*b);
        struct Step {
            std::uint32_t button;
            double position, guard, lever;
        };
        // Left on a shut guard does nothing; right opens it; left works the switch both ways;
        // right on a made switch does nothing; right shuts the guard over the switch off.
        for (const Step& step : {Step{LEFT, 0, 0, 0}, Step{RIGHT, 1, 1, 0}, Step{LEFT, 2, 1, 1}, Step{RIGHT, 2, 1, 1},
                                 Step{LEFT, 1, 1, 0}, Step{RIGHT, 0, 0, 0}}) {
            click(*b, THROTTLES, s.at, step.button);
            expect_click(*b, 3, 10000, s.position);
            EXPECT_EQ(b->get(s.position), step.position) << s.position;
            EXPECT_EQ(b->get(s.guard), step.guard) << s.position;
            EXPECT_EQ(b->get(s.lever), step.lever) << s.position;
            b->frames(1);
            EXPECT_EQ(b->element(THROTTLES, s.element).frame, step.position) << s.position;
        }
    }
}

TEST(GuardedSwitches, TheVirtualCockpitWorksGuardAndLeverAndThePositionFollows) {
    Cockpit b;
    struct Switch {
        std::uint32_t guard_event, lever_event;
        const char* position;
        const char* guard;
        const char* lever;
    };
    for (const Switch& s : {Switch{69912, 69913, "L:Abandon_SwitchPos, number", "L:Throtpan_abandon_ac_guard,bool",
                                   "L:Throtpan_abandon_ac,bool"},
                            Switch{69920, 69921, "L:PressureDump_SwitchPos, number",
                                   "L:Throtpan_dump_valve_guard,bool", "L:Throtpan_dump_valve,bool"}}) {
        last_click(*b);
        b->key(s.lever_event);  // the lever alone, under the shut guard: the position stays
        expect_click(*b, 2, -8000, s.position);
        EXPECT_EQ(b->get(s.lever), 1);
        EXPECT_EQ(b->get(s.position), 0);
        b->key(s.guard_event);
        expect_click(*b, 3, -8000, s.position);
        EXPECT_EQ(b->get(s.guard), 1);
        EXPECT_EQ(b->get(s.position), 2);
        b->key(s.lever_event);
        EXPECT_EQ(b->get(s.position), 1);
        b->key(s.guard_event);
        EXPECT_EQ(b->get(s.position), 0);
    }
    // The 2D switch follows the position the virtual cockpit made.
    b->key(69912);
    b->key(69913);
    b->window("open", THROTTLE_WINDOW);
    b->frames(1);
    EXPECT_EQ(b->element(THROTTLES, 2).frame, 2);
    click(*b, THROTTLES, ABANDON, LEFT);
    EXPECT_EQ(b->get("L:Abandon_SwitchPos, number"), 1);
    EXPECT_EQ(b->get("L:Throtpan_abandon_ac,bool"), 0);
}

TEST(JptSwitches, EachSwitchAndSelectorTogglesWithItsClick) {
    Cockpit b;
    b->window("open", THROTTLE_WINDOW);
    b->frames(1);
    struct Switch {
        Point at;
        int element;
        const char* variable;
    };
    for (const Switch& s : {Switch{PORT_JPT_MAX, 3, "L:JPT_port_Max, bool"}, Switch{STBD_JPT_MAX, 4, "L:JPT_strb_Max, bool"},
                            Switch{PORT_JPT_ON, 5, "L:JPT_port_OnOff, bool"},
                            Switch{STBD_JPT_ON, 6, "L:JPT_strb_OnOff, bool"}}) {
        last_click(*b);
        click(*b, THROTTLES, s.at);
        expect_click(*b, 2, 10000, s.variable);
        EXPECT_EQ(b->get(s.variable), 1) << s.variable;
        b->frames(1);
        EXPECT_EQ(b->element(THROTTLES, s.element).frame, 1) << s.variable;
        click(*b, THROTTLES, s.at);
        EXPECT_EQ(b->get(s.variable), 0) << s.variable;
        b->frames(1);
        EXPECT_EQ(b->element(THROTTLES, s.element).frame, 0) << s.variable;
    }
}

TEST(ThrottlePanel, TooltipsNameEveryControl) {
    Cockpit b;
    b->window("open", THROTTLE_WINDOW);
    EXPECT_EQ(b->tooltip(THROTTLES, PRESSURE_DUMP.x, PRESSURE_DUMP.y), "Cabin pressure dump switch");
    EXPECT_EQ(b->tooltip(THROTTLES, ABANDON.x, ABANDON.y), "Abandon aircraft");
    EXPECT_EQ(b->tooltip(THROTTLES, PORT_JPT_MAX.x, PORT_JPT_MAX.y), "Port engine JPT CRZ/MAX selector");
    EXPECT_EQ(b->tooltip(THROTTLES, STBD_JPT_MAX.x, STBD_JPT_MAX.y), "Starboard engine JPT CRZ/MAX selector");
    EXPECT_EQ(b->tooltip(THROTTLES, PORT_JPT_ON.x, PORT_JPT_ON.y), "Port engine JPT ON/OFF selector");
    EXPECT_EQ(b->tooltip(THROTTLES, STBD_JPT_ON.x, STBD_JPT_ON.y), "Starboard engine JPT ON/OFF selector");
    EXPECT_EQ(b->tooltip(THROTTLES, PORT_LEVER.x, PORT_LEVER.y), "Port engine throttle");
    EXPECT_EQ(b->tooltip(THROTTLES, STBD_LEVER.x, STBD_LEVER.y), "Starboard engine throttle");
}

// ---- the engine start panel ---------------------------------------------------------------------

TEST(EngineStartPanel, SwitchesToggleWithTheirClicksAndPictures) {
    Cockpit b;
    b->window("open", START_WINDOW);
    b->frames(1);
    struct Switch {
        Point at;
        int element;
        const char* variable;
        int sound;
        double initially;
    };
    // Masters and ignition start on (the initial state and the ready preset).
    for (const Switch& s : {Switch{NO1_ELECTRIC_START, 7, "L:EngStart_startSwitch, bool", 3, 0},
                            Switch{NO2_ELECTRIC_START, 3, "L:EngStart2_startSwitch, bool", 3, 0},
                            Switch{CHANGEOVER, 4, "L:EngStart_CHGNORM_switch, bool", 3, 0},
                            Switch{ENGINE1_MASTER, 13, "L:Engine1_MasterPos, bool", 2, 1},
                            Switch{ENGINE2_MASTER, 10, "L:Engine2_MasterPos, bool", 2, 1},
                            Switch{ENGINE1_IGNITION, 12, "L:Engine1_Ignition, bool", 2, 1},
                            Switch{ENGINE2_IGNITION, 9, "L:Engine2_Ignition, bool", 2, 1}}) {
        EXPECT_EQ(b->element(START_PANEL, s.element).frame, s.initially) << s.variable;
        last_click(*b);
        click(*b, START_PANEL, s.at);
        // Every switch of the panel sounds at the panel's pan, engine 2's master included.
        expect_click(*b, s.sound, 5000, s.variable);
        EXPECT_EQ(b->get(s.variable), 1 - s.initially) << s.variable;
        b->frames(1);
        EXPECT_EQ(b->element(START_PANEL, s.element).frame, 1 - s.initially) << s.variable;
        click(*b, START_PANEL, s.at);
        EXPECT_EQ(b->get(s.variable), s.initially) << s.variable;
    }
    // The four lamp press-to-test areas toggle their test variables and carry no tooltip.
    struct Press {
        Point at;
        const char* variable;
    };
    for (const Press& p : {Press{{730, 120}, "L:EngStart2_EBLD_light_press, bool"},
                           Press{{610, 120}, "L:EngStart2_ENG_light_press, bool"},
                           Press{{210, 120}, "L:EngStart_EBLD_light_press, bool"},
                           Press{{330, 120}, "L:EngStart_ENG_light_press, bool"}}) {
        EXPECT_EQ(b->tooltip(START_PANEL, p.at.x, p.at.y), std::nullopt) << p.variable;
        last_click(*b);
        click(*b, START_PANEL, p.at);
        expect_click(*b, 3, 5000, p.variable);
        EXPECT_EQ(b->get(p.variable), 1) << p.variable;
        click(*b, START_PANEL, p.at);
        EXPECT_EQ(b->get(p.variable), 0) << p.variable;
    }
    // The push starts make no click.
    last_click(*b);
    click(*b, START_PANEL, ENGINE1_PUSH_START);
    expect_click(*b, 0, 0, "push start");
}

TEST(EngineStartPanel, TooltipsNameEveryControl) {
    Cockpit b;
    b->window("open", START_WINDOW);
    EXPECT_EQ(b->tooltip(START_PANEL, NO1_ELECTRIC_START.x, NO1_ELECTRIC_START.y), "No 1 Electric Start");
    EXPECT_EQ(b->tooltip(START_PANEL, NO2_ELECTRIC_START.x, NO2_ELECTRIC_START.y), "No 2 Electric Start");
    EXPECT_EQ(b->tooltip(START_PANEL, CHANGEOVER.x, CHANGEOVER.y), "CHANGEOVER/NORMAL switch");
    EXPECT_EQ(b->tooltip(START_PANEL, ENGINE1_PUSH_START.x, ENGINE1_PUSH_START.y), "Engine 1 Push Start");
    EXPECT_EQ(b->tooltip(START_PANEL, ENGINE2_PUSH_START.x, ENGINE2_PUSH_START.y), "Engine 2 Push Start");
    EXPECT_EQ(b->tooltip(START_PANEL, ENGINE1_MASTER.x, ENGINE1_MASTER.y), "Engine 1 Master");
    EXPECT_EQ(b->tooltip(START_PANEL, ENGINE2_MASTER.x, ENGINE2_MASTER.y), "Engine 2 Master");
    EXPECT_EQ(b->tooltip(START_PANEL, ENGINE1_IGNITION.x, ENGINE1_IGNITION.y), "Engine 1 Ignition");
    EXPECT_EQ(b->tooltip(START_PANEL, ENGINE2_IGNITION.x, ENGINE2_IGNITION.y), "Engine 2 Ignition");
}

// ---- the virtual cockpit's engine events --------------------------------------------------------

TEST(VirtualCockpit, IgnitionAndPushStartsWorkAsTheirPanelButtons) {
    Cockpit b(120);
    last_click(*b);
    b->key(69681);
    expect_click(*b, 2, 5000, "ignition");
    EXPECT_EQ(b->get("L:Engine1_Ignition, bool"), 0);
    b->key(69681);
    EXPECT_EQ(b->get("L:Engine1_Ignition, bool"), 1);

    // From the virtual cockpit alone, with the engine start panel never shown.
    stop_engine(*b, 2);
    b->set("L:EngStart2_startSwitch, bool", 1);  // the 3D start switch animates from it
    b->mark();
    b->key(69936);
    EXPECT_EQ(count_key(*b, 66301, 1), 1u);
    EXPECT_EQ(b->get("L:Eng2PushStart, bool"), 1);
    EXPECT_EQ(b->get(START_VOLTS), 119);
    b->key(69929);  // engine 1 runs: the button goes in, no start
    EXPECT_EQ(count_key(*b, 66300), 0u);
    EXPECT_EQ(b->get("L:Eng1PushStart, bool"), 1);
    EXPECT_GE(run_until(*b, [&] { return b->get(SIM_COMBUSTION[1]) == 1 && b->get(SIM_STARTER[1]) == 0; }, 200), 0);
}

TEST(VirtualCockpit, RelightButtonsEngageTheStarterWithMasterAndIgnitionOn) {
    Cockpit b;
    b->mark();
    b->key(69910);
    EXPECT_EQ(b->get("L:Throttle_port_relight,bool"), 1);
    EXPECT_EQ(transmitted(*b, 45, 1), 1u);
    b->key(69911);
    EXPECT_EQ(b->get("L:Throttle_stbd_relight,bool"), 1);
    EXPECT_EQ(transmitted(*b, 46, 0), 1u);
    b->key(69910);
    EXPECT_EQ(b->get("L:Throttle_port_relight,bool"), 0);
    EXPECT_EQ(transmitted(*b, 45), 2u);
    // Without ignition the button moves but the starter does not.
    b->key(69681);
    b->mark();
    b->key(69910);
    EXPECT_EQ(b->get("L:Throttle_port_relight,bool"), 1);
    EXPECT_EQ(transmitted(*b, 45), 0u);
    // No click from the relights.
    EXPECT_EQ(b->get("L:Tarmelon_Click1, number") + b->get("L:Tarmelon_Click3, number"), 0);
}

TEST(VirtualCockpit, FireButtonsToggleAndFireTheExtinguisher) {
    Cockpit b;
    b->set_token(887, 1);
    b->mark();
    b->key(69923);
    expect_click(*b, 3, 1000, "port fire button");
    EXPECT_EQ(b->get("L:Port_engine_fire,bool"), 1);
    EXPECT_EQ(count_key(*b, 66708, 11), 1u);
    EXPECT_EQ(b->token(887), 0);  // the simulator's fire is out
    b->key(69924);
    EXPECT_EQ(b->get("L:Stbd_engine_fire,bool"), 1);
    EXPECT_EQ(count_key(*b, 66708, 22), 1u);
    b->key(69923);
    EXPECT_EQ(b->get("L:Port_engine_fire,bool"), 0);
    EXPECT_EQ(count_key(*b, 66708, 11), 2u);
}

// ---- instruments ----------------------------------------------------------------------------------

TEST(EngineInstruments, RpmNeedlesShowTheEngineAndTheImposedSpoolDuringAStart) {
    Cockpit b(120);
    b->frames(2);
    EXPECT_EQ(b->get("L:ENG1RPMMainND,number"), 720);  // 48 % at idle
    EXPECT_EQ(b->get("L:ENG1RPMSmallND,number"), 800);  // 4800 in the vernier's thousand
    EXPECT_EQ(b->get("L:oilPress_ENG1,number"), 5529);  // 38.4 psi in pounds a square foot
    ready_to_start(*b, 2);
    EXPECT_EQ(b->get("L:ENG2RPMMainND,number"), 0);
    EXPECT_EQ(b->get("L:oilPress_ENG2,number"), 0);
    click(*b, START_PANEL, ENGINE2_PUSH_START);
    b->seconds(30);
    // On the ground on the starter the needles show the spool the module imposes.
    const double n1 = b->get(SIM_N1[1]);
    EXPECT_NEAR(b->get("L:ENG2RPMMainND,number"), std::trunc(n1 * 15), 1);
    EXPECT_NEAR(b->get("L:ENG2RPMSmallND,number"), static_cast<int>(n1 * 100) % 1000, 2);
}

// ---- the cockpit kept and preset ------------------------------------------------------------------

TEST(EngineCockpitKept, ASavedFlightComesBackWithItsHpCocksAndJptSwitches) {
    scenario::TempRoot root;
    {
        bench::Bench b(root.options());
        scenario::settle(b);
        b.window("open", THROTTLE_WINDOW);
        click(b, THROTTLES, STBD_LEVER, RIGHT);  // HP cock 2 shut
        click(b, THROTTLES, PORT_JPT_ON);
        click(b, THROTTLES, STBD_JPT_MAX);
        b.frames(2);
        b.exec("save \"C:\\Flights\\Kept.FLT\"");
        b.frames(2);
    }
    bench::Bench b(root.options("C:\\Flights\\Kept.FLT"));
    scenario::settle(b);
    b.frames(2);
    ASSERT_EQ(count_prefix(b.simconnect_log(), "SimConnect_Text(258, 5, 0, 19, \"Panel state loaded\")"), 1u);
    EXPECT_EQ(b.get(LEVER[1]), 0);  // the shut cock holds: its lever stays below the gate
    EXPECT_EQ(b.get(LEVER[0]), 15);
    EXPECT_EQ(b.get("L:JPT_port_OnOff, bool"), 1);
    EXPECT_EQ(b.get("L:JPT_strb_Max, bool"), 1);
    EXPECT_EQ(sim_throttle(b, 2), 0);
    b.window("open", THROTTLE_WINDOW);
    b.frames(1);
    EXPECT_EQ(b.get("L:ENG2_HPcock, bool"), 0);
    EXPECT_EQ(b.get("L:ENG1_HPcock, bool"), 1);
    EXPECT_EQ(b.element(THROTTLES, 9).frame, 0);  // the starboard lever at rest
}

TEST(EngineCockpitKept, ThePowerButtonShutsAndOpensTheHpCocks) {
    Cockpit b;
    b->window("open", THROTTLE_WINDOW);
    pilot(*b, "AXIS_THROTTLE_SET", 0);
    ASSERT_GE(b->click("Panel_Selector_Arrow", 15, 20, LEFT), 0);
    ASSERT_GE(b->click("Panel_Selector", 98, 106, LEFT), 0);  // cold and dark
    b->frames(2);
    EXPECT_EQ(b->get(LEVER[0]), 0);
    EXPECT_EQ(b->get(LEVER[1]), 0);
    EXPECT_EQ(b->get("L:ENG1_HPcock, bool"), 0);
    EXPECT_EQ(b->get("L:ENG2_HPcock, bool"), 0);
    EXPECT_EQ(sim_throttle(*b, 1), 0);
    EXPECT_EQ(b->get("L:Engine1_MasterPos, bool"), 0);
    ASSERT_GE(b->click("Panel_Selector", 98, 106, LEFT), 0);  // ready
    b->frames(2);
    EXPECT_EQ(b->get(LEVER[0]), 15);
    EXPECT_EQ(b->get(LEVER[1]), 15);
    EXPECT_EQ(b->get("L:ENG1_HPcock, bool"), 1);
    EXPECT_EQ(b->get("L:Engine1_MasterPos, bool"), 1);
    // Straight after, the axis moves the levers again.
    pilot(*b, "AXIS_THROTTLE1_SET", 16383);
    EXPECT_EQ(b->get(LEVER[0]), 200);
}

TEST(EngineInstruments, WithoutDcPowerEveryLampIsDarkAndTheNeedlesRest) {
    Cockpit b;
    ASSERT_GE(b->click("Panel_Selector_Arrow", 15, 20, LEFT), 0);
    ASSERT_GE(b->click("Panel_Selector", 98, 106, LEFT), 0);  // cold and dark: battery off
    stop_engine(*b, 1);
    stop_engine(*b, 2);
    b->window("open", START_WINDOW);
    click(*b, START_PANEL, NO1_ELECTRIC_START);
    click(*b, START_PANEL, {330, 120});  // ENG lamp 1 press-to-test
    b->set("L:Electric_start_no2_enabled_push, bool", 1);
    b->set("L:EngineFirePressTest,bool", 1);
    b->set_token(887, 1);
    b->frames(2);
    for (const char* lamp : {"L:Port_engine_fire_light, bool", "L:Strb_engine_fire_light, bool",
                             "L:OilPressEng1Fail, bool", "L:Engine2_oil_pres_fail,bool",
                             "L:Electric_start_no1_enabled_light, bool", "L:Electric_start_no1_engaged_light, bool",
                             "L:Electric_start_no2_enabled_light, bool", "L:Electric_start_no2_engaged_light, bool"})
        EXPECT_EQ(b->get(lamp), 0) << lamp;
    EXPECT_EQ(b->get("L:oilPress_ENG1,number"), 0);  // the pressure itself still reads
    for (int lamp_element : {1, 2, 5, 6}) EXPECT_EQ(b->element(START_PANEL, lamp_element).frame, -1) << lamp_element;
    for (const char* needle : {"L:JPT1 Temp_Needle,number", "L:JPT2 Temp_Needle,number", "L:Eng1FuelFlowND,number",
                               "L:Eng2FuelFlowND,number"})
        EXPECT_EQ(b->get(needle), 0) << needle;
    EXPECT_NEAR(b->get("L:JPT1 Temp, number"), 15, 1);  // the jet pipes are cold
}

}  // namespace
