// The engines as the simulator drives them: the pilot's throttle axis and keys through the
// aircraft's levers and HP cocks, the 2D throttle levers, push starts with the spool the
// module imposes on the ground, auto start and shutdown, the throttle and engine start
// panels' switches, the virtual cockpit's engine events, and the engine cockpit kept with a
// flight and set by the presets.
#include <cmath>
#include <fstream>
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
const char* const SIM_EGT[] = {"A:GENERAL ENG EXHAUST GAS TEMPERATURE:1, rankine",
                               "A:GENERAL ENG EXHAUST GAS TEMPERATURE:2, rankine"};
constexpr const char* START_VOLTS = "L:ElecStartVolts, number";

struct Point {
    int x, y;
};
constexpr Point NO1_ELECTRIC_START{60, 110}, NO2_ELECTRIC_START{870, 110}, CHANGEOVER{470, 110};
constexpr Point ENGINE1_PUSH_START{400, 590}, ENGINE2_PUSH_START{560, 590};
constexpr Point ENGINE1_MASTER{350, 400}, ENGINE2_MASTER{610, 400}, ENGINE1_IGNITION{200, 400}, ENGINE2_IGNITION{750, 400};
constexpr Point PORT_LEVER{670, 500}, STBD_LEVER{860, 500};  // the lever areas are 1036 pixels high
constexpr Point ABANDON{150, 300}, PRESSURE_DUMP{380, 300};
constexpr Point PORT_JPT_MAX{150, 750}, STBD_JPT_MAX{430, 750}, PORT_JPT_ON{150, 560}, STBD_JPT_ON{430, 560};
constexpr int PORT_SLIDER = 7, STBD_AT_REST = 9, PORT_AT_REST = 10;

// A started cockpit (both engines running on the ready preset) whose configuration gives the
// start battery this voltage.
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

double sim_throttle(const bench::Bench& b, int engine) { return b.get(SIM_THROTTLE[engine - 1]); }

// Client events transmitted since the mark: 45 TOGGLE_STARTER1, 46 TOGGLE_STARTER2.
std::size_t transmitted(const bench::Bench& b, int event, int data) {
    return count_lines(b.simconnect_log(), "SimConnect_TransmitClientEvent(0, " + std::to_string(event) + ", " +
                                               std::to_string(data) + ", 1900000000, 16)");
}
std::size_t transmitted(const bench::Bench& b, int event) {
    return count_prefix(b.simconnect_log(), "SimConnect_TransmitClientEvent(0, " + std::to_string(event) + ", ");
}

// The pilot's input of a simulator event; the module handles it in the next frame.
void pilot(bench::Bench& b, const std::string& name, std::int32_t value) {
    ASSERT_TRUE(b.pilot_event(name, static_cast<std::uint32_t>(value))) << name << " reached the simulator";
    b.frames(1);
}

void click(bench::Bench& b, const std::string& gauge, Point p, std::uint32_t flags = LEFT) {
    ASSERT_GE(b.click(gauge, p.x, p.y, flags), 0) << gauge << " " << p.x << "," << p.y;
}

// An engine stopped as a pilot stops it: its HP cock shut at the idle gate (the fuel system
// then feeds it from no tank) until it has run down, then opened again.
void stop_engine(bench::Bench& b, int engine) {
    const bool shown = b.window_open(THROTTLE_WINDOW);
    b.window("open", THROTTLE_WINDOW);
    const Point lever = engine == 1 ? PORT_LEVER : STBD_LEVER;
    click(b, THROTTLES, lever, RIGHT);
    b.seconds(14);
    ASSERT_EQ(b.get(SIM_N1[engine - 1]), 0);
    click(b, THROTTLES, lever, RIGHT);
    if (!shown) b.window("close", THROTTLE_WINDOW);
    b.seconds(2);
}

template <typename Condition>
double run_until(bench::Bench& b, Condition condition, double limit) {
    const double start = b.sim_seconds();
    while (!condition()) {
        if (b.sim_seconds() - start > limit) return -1.0;
        b.frames(1);
    }
    return b.sim_seconds() - start;
}

// The click sounded since the last call: its sound and pan (0, 0 for none). The triggers are
// then cleared, as the sound player does, and the pans left at a value no control uses, so
// that a click that sets no pan shows.
struct Sounded {
    int sound;
    double pan;
};
Sounded heard(bench::Bench& b) {
    Sounded s{0, 0};
    for (int n = 1; n <= 3; ++n) {
        const std::string trigger = "L:Tarmelon_Click" + std::to_string(n) + ", number";
        const std::string pan = "L:Tarmelon_Click" + std::to_string(n) + "Pan, number";
        if (b.get(trigger) == 1 && s.sound == 0) s = {n, b.get(pan)};
        b.set(trigger, 0);
        b.set(pan, 12345);
    }
    return s;
}
#define EXPECT_HEARD(b, sound_, pan_, what)  \
    do {                                     \
        const Sounded s_ = heard(b);         \
        EXPECT_EQ(s_.sound, sound_) << what; \
        EXPECT_EQ(s_.pan, pan_) << what;     \
    } while (0)

// ---- throttles -----------------------------------------------------------------------------

TEST(Throttles, AxisAndKeysMoveTheLeversAndTheEnginesFollowTheLevers) {
    Cockpit b;
    struct Step {
        const char* event;
        std::int32_t value;
        double lever1, lever2;
    };
    for (const Step& s : {Step{"AXIS_THROTTLE1_SET", 0, 107, 15}, Step{"AXIS_THROTTLE1_SET", -16383, 15, 15},
                          Step{"AXIS_THROTTLE2_SET", 16383, 15, 200}, Step{"AXIS_THROTTLE1_SET", -20000, 15, 200},
                          Step{"AXIS_THROTTLE_SET", -16383, 15, 15},  // engine 2 stops at 0.39 %: still the gate
                          Step{"AXIS_THROTTLE_SET", 0, 107, 107}, Step{"THROTTLE_DECR", 0, 105, 105},
                          Step{"THROTTLE_INCR_SMALL", 0, 106, 106}, Step{"THROTTLE1_SET", 16383, 200, 106},
                          Step{"THROTTLE_INCR_SMALL", 0, 200, 107}, Step{"THROTTLE_FULL", 0, 200, 200},
                          Step{"THROTTLE_CUT", 0, 15, 15}, Step{"THROTTLE_DECR", 0, 15, 15},
                          Step{"THROTTLE2_SET", 0, 15, 107}}) {
        pilot(*b, s.event, s.value);
        EXPECT_EQ(b->get(LEVER[0]), s.lever1) << s.event << " " << s.value;
        EXPECT_EQ(b->get(LEVER[1]), s.lever2) << s.event << " " << s.value;
    }
    // The engine gets the lever's demand: (107 - 15) / 185.
    b->frames(1);
    EXPECT_NEAR(sim_throttle(*b, 2), 49.73, 0.01);
    EXPECT_EQ(sim_throttle(*b, 1), 0);
    // Beyond the axis' end the lever goes past full; the engine never gets more than 100 %.
    pilot(*b, "AXIS_THROTTLE2_SET", 20000);
    EXPECT_EQ(b->get(LEVER[1]), 220);
    b->frames(1);
    EXPECT_EQ(sim_throttle(*b, 2), 100);
}

TEST(Throttles, AShutHpCockOrAnEngagedStarterTakesNoAxisAndNoEngineGetsAReverse) {
    Cockpit b;
    b->window("open", THROTTLE_WINDOW);
    click(*b, THROTTLES, PORT_LEVER, RIGHT);  // at the gate: HP cock 1 shuts
    b->mark();
    b->frames(2);
    EXPECT_EQ(b->get("L:ENG1_HPcock, bool"), 0);
    // The lever's demand is -8.1 %; what reaches the simulator is 0, every time.
    EXPECT_GT(count_prefix(b->simconnect_log(), "SimConnect_SetDataOnSimObject(12, 0, 0, 0, 8, 0)"), 0u);
    EXPECT_EQ(count_prefix(b->simconnect_log(), "SimConnect_SetDataOnSimObject(12, 0, 0, 0, 8, -"), 0u);
    pilot(*b, "AXIS_THROTTLE_SET", 16383);  // engine 2 alone takes it
    EXPECT_EQ(b->get(LEVER[0]), 0);
    EXPECT_EQ(b->get(LEVER[1]), 200);

    // Engine 2 on its starter: no axis, and full throttle moves engine 1's lever only.
    click(*b, THROTTLES, PORT_LEVER, RIGHT);
    b->set(SIM_STARTER[1], 1);
    b->seconds(1.5);  // the starter reading arrives once a second
    pilot(*b, "AXIS_THROTTLE2_SET", -16383);
    EXPECT_EQ(b->get(LEVER[1]), 200);
    pilot(*b, "THROTTLE_FULL", 0);
    EXPECT_EQ(b->get(LEVER[0]), 200);
    pilot(*b, "THROTTLE_CUT", 0);
    EXPECT_EQ(b->get(LEVER[0]), 15);
    EXPECT_EQ(b->get(LEVER[1]), 200);
}

TEST(ThrottleLevers, RightClickAtTheGateWorksTheHpCockAndDragSetsTheLever) {
    Cockpit b;
    b->window("open", THROTTLE_WINDOW);
    ASSERT_GE(b->click(THROTTLES, PORT_LEVER.x, 1036 / 4, DRAG), 0);  // a quarter down: 75 %
    EXPECT_EQ(b->get(LEVER[0]), 153);
    b->frames(2);
    EXPECT_NEAR(b->element(THROTTLES, PORT_SLIDER).y, 74.59 / 100 * -579, 0.1);
    EXPECT_NEAR(sim_throttle(*b, 1), 74.59, 0.01);
    click(*b, THROTTLES, PORT_LEVER, RIGHT);  // above 2 %: nothing
    EXPECT_EQ(b->get(LEVER[0]), 153);
    ASSERT_GE(b->click(THROTTLES, PORT_LEVER.x, 1035, DRAG), 0);  // the bottom is the gate
    EXPECT_EQ(b->get(LEVER[0]), 15);
    b->frames(1);
    click(*b, THROTTLES, PORT_LEVER, RIGHT);
    EXPECT_EQ(b->get(LEVER[0]), 0);
    ASSERT_GE(b->click(THROTTLES, PORT_LEVER.x, 10, DRAG), 0);  // a shut cock's lever stays
    EXPECT_EQ(b->get(LEVER[0]), 0);
    b->frames(1);
    EXPECT_EQ(b->element(THROTTLES, PORT_SLIDER).y, 0);
    EXPECT_EQ(b->element(THROTTLES, PORT_AT_REST).frame, 0);
    EXPECT_EQ(b->element(THROTTLES, STBD_AT_REST).frame, -1);
    click(*b, THROTTLES, PORT_LEVER, RIGHT);
    EXPECT_EQ(b->get(LEVER[0]), 15);
    EXPECT_EQ(heard(*b).sound, 0);  // the levers make no click
}

// ---- engine start ------------------------------------------------------------------------------

// The engine start panel open, the engine stopped and its electric start switch on.
void ready_to_start(bench::Bench& b, int engine) {
    stop_engine(b, engine);
    b.window("open", START_WINDOW);
    click(b, START_PANEL, engine == 1 ? NO1_ELECTRIC_START : NO2_ELECTRIC_START);
    b.frames(1);
}

TEST(EngineStart, APushStartSpoolsTheEngineToFortyPercentAndCutsTheStarterOnce) {
    Cockpit b(120);
    ready_to_start(*b, 1);
    b->mark();
    click(*b, START_PANEL, ENGINE1_PUSH_START);
    EXPECT_EQ(count_key(*b, 66300, 1), 1u);
    EXPECT_EQ(b->get(START_VOLTS), 119);  // each start costs a volt
    b->seconds(20);
    // The module imposes the spool; the RPM needle shows it.
    const double n1 = b->get(SIM_N1[0]);
    EXPECT_GT(n1, 3);
    EXPECT_LT(n1, 20);
    EXPECT_NEAR(b->get("L:ENG1RPMMainND,number"), n1 * 15, 2);
    EXPECT_NEAR(b->get("L:ENG1RPMSmallND,number"), static_cast<int>(n1 * 100) % 1000, 30);
    EXPECT_GT(count_prefix(b->simconnect_log(), "SimConnect_SetDataOnSimObject(14, "), 0u);  // and the exhaust
    ASSERT_GT(run_until(*b, [&] { return b->get(SIM_STARTER[0]) == 0; }, 200), 0) << "the starter was never cut";
    EXPECT_NEAR(b->get(SIM_N1[0]), 40, 0.5);
    b->seconds(10);  // the engine runs up to idle on its own
    EXPECT_EQ(b->get(SIM_COMBUSTION[0]), 1);
    EXPECT_EQ(b->get(SIM_N1[0]), 48);
    EXPECT_EQ(b->get("L:ENG1RPMMainND,number"), 720);
    EXPECT_EQ(transmitted(*b, 45), 1u);
    EXPECT_EQ(b->faults(), std::vector<std::string>{});
}

TEST(EngineStart, WithoutFuelTheSpoolSettlesAtThirteenPercentAndTheStarterStays) {
    Cockpit b(120);
    ready_to_start(*b, 2);
    b->window("open", THROTTLE_WINDOW);
    click(*b, THROTTLES, STBD_LEVER, RIGHT);  // HP cock shut: the fuel system feeds nothing
    b->mark();
    click(*b, START_PANEL, ENGINE2_PUSH_START);
    EXPECT_EQ(count_key(*b, 66301, 1), 1u);
    b->seconds(120);
    EXPECT_NEAR(b->get(SIM_N1[1]), 13, 0.1);
    EXPECT_EQ(b->get(SIM_COMBUSTION[1]), 0);
    EXPECT_EQ(b->get(SIM_STARTER[1]), 1);
    EXPECT_EQ(transmitted(*b, 46), 0u);
}

TEST(EngineStart, APushStartNeedsVoltsMasterIgnitionStartSwitchAndAStillEngine) {
    Cockpit b(115);
    b->window("open", START_WINDOW);
    click(*b, START_PANEL, NO1_ELECTRIC_START);
    b->mark();
    click(*b, START_PANEL, ENGINE1_PUSH_START);  // engine 1 is running
    EXPECT_EQ(count_key(*b, 66300), 0u);

    stop_engine(*b, 2);
    click(*b, START_PANEL, NO2_ELECTRIC_START);
    for (Point off : {ENGINE2_MASTER, ENGINE2_IGNITION, NO2_ELECTRIC_START}) {
        click(*b, START_PANEL, off);
        b->seconds(1.5);  // the button has sprung back
        click(*b, START_PANEL, ENGINE2_PUSH_START);
        EXPECT_EQ(count_key(*b, 66301), 0u) << off.x << "," << off.y;
        click(*b, START_PANEL, off);
        b->seconds(1.5);
    }
    EXPECT_EQ(b->get(START_VOLTS), 115);
    click(*b, START_PANEL, ENGINE2_PUSH_START);
    EXPECT_EQ(count_key(*b, 66301, 1), 1u);
    EXPECT_EQ(b->get(START_VOLTS), 114);
    // At 114 V the next start is refused: the button goes in, nothing else happens.
    stop_engine(*b, 1);
    click(*b, START_PANEL, ENGINE1_PUSH_START);
    EXPECT_EQ(b->get("L:Eng1PushStart, bool"), 1);
    EXPECT_EQ(count_key(*b, 66300), 0u);
    EXPECT_EQ(b->get(START_VOLTS), 114);
}

TEST(EngineStart, ThePushButtonSpringsBackWithinASecondEvenAfterTheClockWentBack) {
    Cockpit b;
    b->window("open", START_WINDOW);
    b->seconds(30);
    for (int restarted = 0; restarted < 2; ++restarted) {
        click(*b, START_PANEL, ENGINE1_PUSH_START);
        const double held = run_until(*b, [&] { return b->get("L:Eng1PushStart, bool") == 0; }, 5);
        EXPECT_GE(held, 0) << "restarted " << restarted;
        EXPECT_LE(held, 1.0 + 1e-9) << "restarted " << restarted;
        b->restart_clocks();  // another flight loaded: the ticks count from 0 again
        b->frames(1);
    }
    // A press while the button is in only lets it out.
    click(*b, START_PANEL, ENGINE2_PUSH_START);
    b->mark();
    click(*b, START_PANEL, ENGINE2_PUSH_START);
    EXPECT_EQ(b->get("L:Eng2PushStart, bool"), 0);
    EXPECT_EQ(count_key(*b, 66301), 0u);
}

TEST(AutoStartAndShutdown, StartOpensTheCocksAndStartsStillEnginesShutdownShutsTheCocks) {
    Cockpit b;
    stop_engine(*b, 2);
    b->window("open", THROTTLE_WINDOW);
    click(*b, THROTTLES, STBD_LEVER, RIGHT);  // HP cock 2 shut
    b->set("L:stbdLPCockPos, bool", 0);
    b->mark();
    pilot(*b, "ENGINE_AUTO_START", 0);
    EXPECT_EQ(b->get(LEVER[1]), 15);
    EXPECT_EQ(b->get("L:portLPCockPos, bool"), 2);
    EXPECT_EQ(b->get("L:stbdLPCockPos, bool"), 2);
    EXPECT_EQ(transmitted(*b, 46, 1), 1u);  // the still engine's starter only
    EXPECT_EQ(transmitted(*b, 45), 0u);
    b->frames(2);
    EXPECT_EQ(b->get("L:ENG2_HPcock, bool"), 1);
    EXPECT_GE(run_until(*b, [&] { return b->get(SIM_COMBUSTION[1]) == 1 && b->get(SIM_STARTER[1]) == 0; }, 200), 0);
    EXPECT_EQ(transmitted(*b, 46), 2u);  // engaged, then cut at 40 %

    pilot(*b, "AXIS_THROTTLE_SET", 0);
    pilot(*b, "ENGINE_AUTO_SHUTDOWN", 0);
    EXPECT_EQ(b->get(LEVER[0]), 0);
    EXPECT_EQ(b->get(LEVER[1]), 0);
    b->frames(2);
    EXPECT_EQ(b->get("L:ENG1_HPcock, bool"), 0);
    EXPECT_EQ(b->get("L:ENG2_HPcock, bool"), 0);
    EXPECT_EQ(sim_throttle(*b, 1), 0);
    EXPECT_EQ(b->element(THROTTLES, STBD_AT_REST).frame, 0);
}

// ---- switches ------------------------------------------------------------------------------------

TEST(GuardedSwitches, TheGuardOpensWithTheRightButtonTheSwitchWithTheLeftAndTheVirtualCockpitFollows) {
    Cockpit b;
    b->window("open", THROTTLE_WINDOW);
    struct Switch {
        Point at;
        int element;
        const char* position;
        const char* guard;
        const char* lever;
        std::uint32_t guard_event, lever_event;
    };
    for (const Switch& s :
         {Switch{ABANDON, 2, "L:Abandon_SwitchPos, number", "L:Throtpan_abandon_ac_guard, bool",
                 "L:Throtpan_abandon_ac, bool", 69912, 69913},
          Switch{PRESSURE_DUMP, 1, "L:PressureDump_SwitchPos, number", "L:Throtpan_dump_valve_guard, bool",
                 "L:Throtpan_dump_valve, bool", 69920, 69921}}) {
        heard(*b);
        struct Step {
            std::uint32_t button;
            double position, guard, lever;
        };
        // Left on a shut guard does nothing; right opens it; left works the switch both ways;
        // right on a made switch does nothing; right shuts the guard over the switch off.
        for (const Step& step : {Step{LEFT, 0, 0, 0}, Step{RIGHT, 1, 1, 0}, Step{LEFT, 2, 1, 1}, Step{RIGHT, 2, 1, 1},
                                 Step{LEFT, 1, 1, 0}, Step{RIGHT, 0, 0, 0}}) {
            click(*b, THROTTLES, s.at, step.button);
            EXPECT_HEARD(*b, 3, 10000, s.position);
            EXPECT_EQ(b->get(s.position), step.position) << s.position;
            EXPECT_EQ(b->get(s.guard), step.guard) << s.position;
            EXPECT_EQ(b->get(s.lever), step.lever) << s.position;
            b->frames(1);
            EXPECT_EQ(b->element(THROTTLES, s.element).frame, step.position) << s.position;
        }
        // The virtual cockpit: the lever alone under the shut guard leaves the position.
        b->key(s.lever_event);
        EXPECT_HEARD(*b, 2, -8000, s.position);
        EXPECT_EQ(b->get(s.position), 0) << s.position;
        b->key(s.guard_event);
        EXPECT_HEARD(*b, 3, -8000, s.position);
        EXPECT_EQ(b->get(s.position), 2) << s.position;
        b->key(s.lever_event);
        EXPECT_EQ(b->get(s.position), 1) << s.position;
        click(*b, THROTTLES, s.at, LEFT);  // and the 2D switch goes on from there
        EXPECT_EQ(b->get(s.position), 2) << s.position;
        EXPECT_EQ(b->get(s.lever), 1) << s.position;
    }
}

TEST(PanelSwitches, EachTogglesWithItsOwnClickAndPicture) {
    Cockpit b;
    b->window("open", START_WINDOW);
    b->window("open", THROTTLE_WINDOW);
    b->frames(1);
    struct Switch {
        const std::string& gauge;
        Point at;
        int element;  // -1: no picture of its own
        const char* variable;
        int sound, pan;
    };
    // Every switch of the engine start panel sounds at its pan, engine 2's master included.
    for (const Switch& s : {Switch{START_PANEL, NO1_ELECTRIC_START, 7, "L:EngStart_startSwitch, bool", 3, 5000},
                            Switch{START_PANEL, NO2_ELECTRIC_START, 3, "L:EngStart2_startSwitch, bool", 3, 5000},
                            Switch{START_PANEL, CHANGEOVER, 4, "L:EngStart_CHGNORM_switch, bool", 3, 5000},
                            Switch{START_PANEL, ENGINE1_MASTER, 13, "L:Engine1_MasterPos, bool", 2, 5000},
                            Switch{START_PANEL, ENGINE2_MASTER, 10, "L:Engine2_MasterPos, bool", 2, 5000},
                            Switch{START_PANEL, ENGINE1_IGNITION, 12, "L:Engine1_Ignition, bool", 2, 5000},
                            Switch{START_PANEL, ENGINE2_IGNITION, 9, "L:Engine2_Ignition, bool", 2, 5000},
                            Switch{START_PANEL, {730, 120}, -1, "L:EngStart2_EBLD_light_press, bool", 3, 5000},
                            Switch{START_PANEL, {610, 120}, -1, "L:EngStart2_ENG_light_press, bool", 3, 5000},
                            Switch{START_PANEL, {210, 120}, -1, "L:EngStart_EBLD_light_press, bool", 3, 5000},
                            Switch{START_PANEL, {330, 120}, -1, "L:EngStart_ENG_light_press, bool", 3, 5000},
                            Switch{THROTTLES, PORT_JPT_MAX, 3, "L:JPT_port_Max, bool", 2, 10000},
                            Switch{THROTTLES, STBD_JPT_MAX, 4, "L:JPT_strb_Max, bool", 2, 10000},
                            Switch{THROTTLES, PORT_JPT_ON, 5, "L:JPT_port_OnOff, bool", 2, 10000},
                            Switch{THROTTLES, STBD_JPT_ON, 6, "L:JPT_strb_OnOff, bool", 2, 10000}}) {
        const double before = b->get(s.variable);
        for (int turn = 0; turn < 2; ++turn) {
            heard(*b);
            click(*b, s.gauge, s.at);
            EXPECT_HEARD(*b, s.sound, s.pan, s.variable);
            const double now = turn == 0 ? 1 - before : before;
            EXPECT_EQ(b->get(s.variable), now) << s.variable;
            b->frames(1);
            if (s.element >= 0) {
                EXPECT_EQ(b->element(s.gauge, s.element).frame, now) << s.variable;
            }
        }
    }
    heard(*b);
    click(*b, START_PANEL, ENGINE1_PUSH_START);  // the push starts make no click
    EXPECT_EQ(heard(*b).sound, 0);
}

// ---- the virtual cockpit ------------------------------------------------------------------------

TEST(VirtualCockpit, EngineEventsWorkWithoutAnyPanelShown) {
    Cockpit b(120);
    heard(*b);
    b->key(69681);
    EXPECT_HEARD(*b, 2, 5000, "ignition");
    EXPECT_EQ(b->get("L:Engine1_Ignition, bool"), 0);
    b->mark();
    b->key(69910);  // relight without ignition: the button moves, the starter does not
    EXPECT_EQ(b->get("L:Throttle_port_relight,bool"), 1);
    EXPECT_EQ(transmitted(*b, 45), 0u);
    b->key(69681);
    heard(*b);
    b->key(69910);
    EXPECT_EQ(transmitted(*b, 45, 1), 1u);
    b->key(69911);
    EXPECT_EQ(transmitted(*b, 46, 0), 1u);
    EXPECT_EQ(heard(*b).sound, 0);  // the relights make no click
    b->key(69910);  // engaged again: both starters off
    b->key(69911);

    // A push start from the virtual cockpit alone; engine 1 runs and is refused.
    stop_engine(*b, 2);
    b->set("L:EngStart2_startSwitch, bool", 1);
    b->mark();
    b->key(69936);
    EXPECT_EQ(count_key(*b, 66301, 1), 1u);
    b->key(69929);
    EXPECT_EQ(b->get("L:Eng1PushStart, bool"), 1);
    EXPECT_EQ(count_key(*b, 66300), 0u);
    EXPECT_GE(run_until(*b, [&] { return b->get(SIM_COMBUSTION[1]) == 1 && b->get(SIM_STARTER[1]) == 0; }, 200), 0);

    // The fire buttons: toggled, the extinguisher fired, the fire out.
    b->set_token(887, 1);
    b->mark();
    b->key(69923);
    EXPECT_HEARD(*b, 3, 1000, "port fire button");
    EXPECT_EQ(b->get("L:Port_engine_fire,bool"), 1);
    EXPECT_EQ(count_key(*b, 66708, 11), 1u);
    EXPECT_EQ(b->token(887), 0);
    b->key(69924);
    EXPECT_EQ(b->get("L:Stbd_engine_fire,bool"), 1);
    EXPECT_EQ(count_key(*b, 66708, 22), 1u);
}

// ---- kept and preset ------------------------------------------------------------------------------

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
    b.window("open", THROTTLE_WINDOW);
    b.frames(2);
    ASSERT_EQ(count_prefix(b.simconnect_log(), "SimConnect_Text(258, 5, 0, 19, \"Panel state loaded\")"), 1u);
    EXPECT_EQ(b.get(LEVER[1]), 0);  // the shut cock holds: its lever stays below the gate
    EXPECT_EQ(b.get(LEVER[0]), 15);
    EXPECT_EQ(b.get("L:ENG2_HPcock, bool"), 0);
    EXPECT_EQ(b.get("L:JPT_port_OnOff, bool"), 1);
    EXPECT_EQ(b.get("L:JPT_strb_Max, bool"), 1);
    EXPECT_EQ(b.element(THROTTLES, STBD_AT_REST).frame, 0);

    // The Power button: cold and dark shuts both cocks, ready opens them.
    ASSERT_GE(b.click("Panel_Selector_Arrow", 15, 20, LEFT), 0);
    for (double open : {0, 1}) {
        ASSERT_GE(b.click("Panel_Selector", 98, 106, LEFT), 0);
        b.frames(2);
        EXPECT_EQ(b.get(LEVER[0]), open ? 15 : 0);
        EXPECT_EQ(b.get(LEVER[1]), open ? 15 : 0);
        EXPECT_EQ(b.get("L:ENG1_HPcock, bool"), open);
        EXPECT_EQ(b.get("L:Engine1_MasterPos, bool"), open);
    }
    pilot(b, "AXIS_THROTTLE1_SET", 16383);
    EXPECT_EQ(b.get(LEVER[0]), 200);
}

TEST(EngineInstruments, WithoutDcPowerEveryLampIsDarkAndTheNeedlesRest) {
    Cockpit b;
    ASSERT_GE(b->click("Panel_Selector_Arrow", 15, 20, LEFT), 0);
    ASSERT_GE(b->click("Panel_Selector", 98, 106, LEFT), 0);  // cold and dark: battery off, HP cocks shut
    b->seconds(15);
    ASSERT_EQ(b->get(SIM_N1[0]) + b->get(SIM_N1[1]), 0);
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
    for (int lamp : {1, 2, 5, 6}) EXPECT_EQ(b->element(START_PANEL, lamp).frame, -1) << lamp;
    for (const char* needle : {"L:JPT1 Temp_Needle,number", "L:Eng1FuelFlowND,number", "L:Eng2FuelFlowND,number"})
        EXPECT_EQ(b->get(needle), 0) << needle;
    EXPECT_NEAR(b->get("L:JPT1 Temp, number"), 15, 1);  // the jet pipes are cold
}

// ---- with the electrics and the fuel system live -----------------------------------------------

double jpt_celsius(const bench::Bench& b, int engine) { return (b.get(SIM_EGT[engine - 1]) - 491.67) * 0.55; }

TEST(EngineInstruments, NeedlesAndLampsFollowTheEnginesOnTheirPower) {
    Cockpit b;
    b->frames(2);
    // Idle: 338 degrees in the jet pipe, on inverter 2.
    EXPECT_EQ(b->get("L:JPT1 Temp, number"), std::trunc(jpt_celsius(*b, 1)));
    EXPECT_NEAR(b->get("L:JPT1 Temp_Needle,number"), b->get("L:JPT1 Temp, number") / 800 * 1500, 1e-9);
    // Fuel flow: straight lines between the marks, held above the scale, never below 0.
    struct Flow {
        double pph, needle;
    };
    for (const Flow& f : {Flow{0, 0}, Flow{1800, 218}, Flow{2700, 310}, Flow{9000, 1497}, Flow{4500, 539.5},
                          Flow{9600, 539.5}, Flow{-60, 0}}) {
        b->set_token(638, f.pph);
        b->frames(1);
        EXPECT_NEAR(b->get("L:Eng1FuelFlowND,number"), f.needle, 0.01) << f.pph;
    }
    // Oil pressure lamps below 2880.
    EXPECT_EQ(b->get("L:OilPressEng1Fail, bool"), 0);
    b->set_token(562, 2879);
    b->set_token(572, 2880);
    b->frames(1);
    EXPECT_EQ(b->get("L:OilPressEng1Fail, bool"), 1);
    EXPECT_EQ(b->get("L:Engine2_oil_pres_fail,bool"), 0);

    // Each fire lamp follows its own engine's fire; a lamp test leaves none lit.
    const char* port = "L:Port_engine_fire_light, bool";
    const char* stbd = "L:Strb_engine_fire_light, bool";
    struct Fire {
        double engine1, engine2, test;
        double port, stbd;
    };
    for (const Fire& f : {Fire{0, 1, 0, 0, 1}, Fire{1, 1, 0, 1, 1}, Fire{1, 0, 0, 1, 0}, Fire{1, 0, 1, 1, 1},
                          Fire{1, 0, 0, 1, 0}, Fire{0, 0, 1, 1, 1}, Fire{0, 0, 0, 0, 0}}) {
        b->set_token(887, f.engine1);
        b->set_token(888, f.engine2);
        b->set("L:EngineFirePressTest,bool", f.test);
        b->frames(1);
        EXPECT_EQ(b->get(port), f.port) << f.engine1 << f.engine2 << f.test;
        EXPECT_EQ(b->get(stbd), f.stbd) << f.engine1 << f.engine2 << f.test;
    }
}

TEST(StartLamps, EnabledWithTheStartSwitchEngagedWithItsStarterAndTheChangeoverSwapsThem) {
    Cockpit b;
    b->window("open", START_WINDOW);
    constexpr int NO2_ENG = 1, NO2_EBLD = 2, NO1_ENG = 5, NO1_EBLD = 6;
    click(*b, START_PANEL, NO1_ELECTRIC_START);
    b->frames(1);
    EXPECT_EQ(b->element(START_PANEL, NO1_EBLD).frame, 0);
    EXPECT_EQ(b->get("L:Electric_start_no1_enabled_light, bool"), 1);
    EXPECT_EQ(b->element(START_PANEL, NO1_ENG).frame, -1);
    b->set(SIM_STARTER[0], 1);
    b->frames(1);
    EXPECT_EQ(b->element(START_PANEL, NO1_ENG).frame, 0);
    EXPECT_EQ(b->get("L:Electric_start_no1_engaged_light, bool"), 1);
    click(*b, START_PANEL, CHANGEOVER);  // lamp 1 watches starter 2, lamp 2 starter 1
    click(*b, START_PANEL, NO2_ELECTRIC_START);
    b->frames(1);
    EXPECT_EQ(b->element(START_PANEL, NO1_ENG).frame, -1);
    EXPECT_EQ(b->get("L:Electric_start_no1_engaged_light, bool"), 0);
    EXPECT_EQ(b->element(START_PANEL, NO2_ENG).frame, 0);
    b->set(SIM_STARTER[0], 0);
    b->frames(1);
    EXPECT_EQ(b->element(START_PANEL, NO2_ENG).frame, -1);
    EXPECT_EQ(b->element(START_PANEL, NO2_EBLD).frame, 0);
    // A press-to-test lights its lamp as long as it is pressed, panel shown or not.
    b->window("close", START_WINDOW);
    b->set("L:Electric_start_no2_engaged_push, bool", 1);
    b->frames(1);
    EXPECT_EQ(b->get("L:Electric_start_no2_engaged_light, bool"), 1);
    b->set("L:Electric_start_no2_engaged_push, bool", 0);
    b->frames(1);
    EXPECT_EQ(b->get("L:Electric_start_no2_engaged_light, bool"), 0);
}

TEST(JptControllers, HoldTheJetPipeAtItsLimitAndNeverOpenBeyondTheDemand) {
    Cockpit b;
    b->window("open", THROTTLE_WINDOW);
    click(*b, THROTTLES, PORT_JPT_ON);
    pilot(*b, "AXIS_THROTTLE_SET", 16383);  // full throttle: 800 degrees unchecked
    b->seconds(60);
    EXPECT_NEAR(jpt_celsius(*b, 1), 750, 5);
    EXPECT_LT(sim_throttle(*b, 1), 95);
    EXPECT_EQ(sim_throttle(*b, 2), 100);  // engine 2's controller is off: it runs hot
    EXPECT_GT(jpt_celsius(*b, 2), 795);
    click(*b, THROTTLES, PORT_JPT_MAX);  // the MAX limit is 705
    b->seconds(60);
    EXPECT_NEAR(jpt_celsius(*b, 1), 705, 5);
    pilot(*b, "AXIS_THROTTLE1_SET", 0);  // a demand below the limit is what the engine gets
    b->frames(2);
    EXPECT_NEAR(sim_throttle(*b, 1), 49.73, 0.01);
    // With the simulator's autothrottle flying, the controller writes nothing.
    b->set("A:AUTOTHROTTLE ACTIVE, bool", 1);
    b->seconds(1.5);
    b->mark();
    b->frames(5);
    EXPECT_EQ(count_prefix(b->simconnect_log(), "SimConnect_SetDataOnSimObject(12, "), 0u);
    EXPECT_GT(count_prefix(b->simconnect_log(), "SimConnect_SetDataOnSimObject(13, "), 0u);
}

TEST(JptControllers, ARestoredSelectorTakesEffectWithoutBeingTouched) {
    scenario::TempRoot keep;
    const auto folder = keep.path() / "SimObjects" / "Airplanes" / "VK_Tarmelon" / "panel" / "PanelSave";
    std::filesystem::create_directories(folder);
    // HP cocks open (items 11, 12), the port controller on (14) at MAX (16), engines, battery,
    // pumps, LP cocks, generators and inverter 6 on; everything else 0.
    std::ofstream(folder / "Hot.FLT.save") << "[PANELSTATE]\r\n11=1\r\n12=1\r\n14=1\r\n16=1\r\n26=1\r\n27=1\r\n"
                                              "28=1\r\n29=1\r\n33=1\r\n34=1\r\n42=2\r\n43=2\r\n47=3\r\n80=1\r\n"
                                              "81=1\r\n82=1\r\n83=1\r\n";
    bench::Bench b(keep.options("C:\\Flights\\Hot.FLT"));
    scenario::settle(b);
    ASSERT_EQ(b.get("L:JPT_port_Max, bool"), 1);
    pilot(b, "AXIS_THROTTLE_SET", 16383);
    b.seconds(60);
    EXPECT_NEAR(jpt_celsius(b, 1), 705, 5);
}

TEST(Relight, InTheAirTheStarterIsCutOnceWhenTheEngineBurnsAtFortyPercent) {
    Cockpit b;
    b->set("A:SIM ON GROUND, bool", 0);
    stop_engine(*b, 1);  // a flame-out, the HP cock open again
    b->mark();
    b->key(69910);
    EXPECT_EQ(transmitted(*b, 45, 1), 1u);
    ASSERT_GT(run_until(*b, [&] { return b->get(SIM_STARTER[0]) == 0; }, 60), 0) << "the starter was never cut";
    b->seconds(5);  // several once-a-second starter readings later
    EXPECT_EQ(transmitted(*b, 45), 2u);  // engaged, then cut once
    EXPECT_EQ(b->get(SIM_STARTER[0]), 0);
    EXPECT_EQ(b->get(SIM_COMBUSTION[0]), 1);
    EXPECT_EQ(b->get(SIM_N1[0]), 48);
}

}  // namespace
