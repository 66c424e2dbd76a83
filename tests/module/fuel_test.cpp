// The fuel system as the simulator drives it: which tanks feed each engine and the rotation
// of its selector, fuel moved between tanks once a second, negative g, the automatic fuel
// management, the fuel panel's controls, needles and tooltips from the 2D panel and the
// virtual cockpit, and the overview window.
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "scenario.h"

namespace {

using scenario::count_key;

constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t RIGHT = 0x80000000;
constexpr std::uint32_t SELECTOR_1 = 65962;
constexpr std::uint32_t SELECTOR_2 = 66523;
constexpr double LBS_PER_GALLON = 6.7;

const std::string PANEL = "Fuel_Panel";
const std::string OVERVIEW = "Fuel_System_Overview";

constexpr const char* TOP = "A:FUEL TANK CENTER QUANTITY, gallons";
constexpr const char* BELLY = "A:FUEL TANK CENTER2 QUANTITY, gallons";
constexpr const char* REAR = "A:FUEL TANK CENTER3 QUANTITY, gallons";
constexpr const char* PORT_WING = "A:FUEL TANK LEFT AUX QUANTITY, gallons";
constexpr const char* STBD_WING = "A:FUEL TANK RIGHT AUX QUANTITY, gallons";

double lbs(const bench::Bench& b, const char* tank) { return b.get(tank) * LBS_PER_GALLON; }
void set_lbs(bench::Bench& b, const char* tank, double pounds) { b.set(tank, pounds / LBS_PER_GALLON); }

// A point inside each control of the fuel panel.
struct Point {
    int x, y;
};
constexpr Point WING_PUMP_PORT{150, 100}, BELLY_PUMP_PORT{360, 100}, REAR_PUMP_PORT{110, 900};
constexpr Point REAR_COCK_PORT{90, 650}, TOP_BELLY_COCK{700, 650}, OPEN_OVERVIEW{20, 20}, AUTO_FUEL{800, 20};
constexpr Point PORT_WING_GAUGE{160, 300}, BELLY_GAUGE{426, 300}, TOP_GAUGE{426, 600};

void click(bench::Bench& b, Point p, std::uint32_t flags = LEFT) { ASSERT_GE(b.click(PANEL, p.x, p.y, flags), 0); }

// The ready cockpit (every pump on, both LP cocks open) with the fuel panel open.
void ready_with_fuel_panel(bench::Bench& b) {
    scenario::settle(b);
    b.window("open", 400);
    b.frames(1);
}

// The codes an engine's selector was set to since the mark.
std::vector<std::uint32_t> selections(const bench::Bench& b, std::uint32_t key) {
    std::vector<std::uint32_t> codes;
    for (const auto& k : b.key_log())
        if (k.id == key) codes.push_back(k.param);
    return codes;
}

// Each code follows the one before in the turn rear, wing, belly.
void expect_turns(const std::vector<std::uint32_t>& codes, std::uint32_t wing) {
    const std::map<std::uint32_t, std::uint32_t> next = {{8, wing}, {wing, 7}, {7, 8}};
    ASSERT_GE(codes.size(), 3u);
    for (std::size_t i = 1; i < codes.size(); ++i) EXPECT_EQ(codes[i], next.at(codes[i - 1])) << "turn " << i;
}

// Only the wing pumps run, and both transfer to the rear tank: no tank feeds an engine and
// no fuel moves but by the transfers asked for.
void only_wing_transfers(bench::Bench& b) {
    for (const char* v : {"L:BellyTankPortPump, bool", "L:BellyTankStbPump, bool", "L:RearPumpPort, bool",
                          "L:RearPumpStbd, bool"})
        b.set(v, 0);
    b.set("L:PortTrans2RearTankPos, bool", 0);
    b.set("L:StbdTrans2RearTankPos, bool", 0);
    b.set("L:Top2BellyTransCockPos, number", 1);
    b.seconds(1);
    b.frames(1);
}

TEST(FuelFeed, EachEngineTakesTheTanksThatCanFeedItInTurnOneSecondEach) {
    bench::Bench b;
    ready_with_fuel_panel(b);
    b.mark();
    b.seconds(6);
    const auto port = selections(b, SELECTOR_1);
    EXPECT_EQ(port.size(), 6u);
    expect_turns(port, 4);
    expect_turns(selections(b, SELECTOR_2), 5);

    // Engine 1 left with its belly pump: it stays there; engine 2 goes on turning.
    click(b, WING_PUMP_PORT);
    click(b, REAR_PUMP_PORT);
    b.frames(1);
    b.mark();
    b.seconds(3);
    EXPECT_EQ(selections(b, SELECTOR_1), (std::vector<std::uint32_t>{7, 7, 7}));
    expect_turns(selections(b, SELECTOR_2), 5);

    // The LP cock feeds as well at 1 (cover open) as at 2; shut, the engine starves.
    for (const auto& [lp, code] : {std::pair{1, 7u}, std::pair{0, 0u}, std::pair{2, 7u}}) {
        b.set("L:portLPCockPos, number", lp);
        b.seconds(1);
        b.mark();
        b.seconds(1);
        EXPECT_EQ(selections(b, SELECTOR_1), std::vector<std::uint32_t>{code}) << "LP cock at " << lp;
    }
}

TEST(FuelFeed, AnEmptyTankIsPassedOverAndAStrangeSelectorCodeDoesNotStopTheTurns) {
    bench::Bench b;
    ready_with_fuel_panel(b);
    b.set("L:Top2BellyTransCockPos, number", 1);  // nothing flows into the belly
    b.set(BELLY, 0);
    b.frames(1);
    b.mark();
    b.seconds(4);
    const auto port = selections(b, SELECTOR_1);
    ASSERT_EQ(port.size(), 4u);
    for (std::size_t i = 1; i < port.size(); ++i) EXPECT_NE(port[i], port[i - 1]);
    for (std::uint32_t code : port) EXPECT_TRUE(code == 8 || code == 4) << code;

    // The simulator's selectors put on tanks the turn does not know (the centre tank, the
    // other engine's wing): the next second goes on with a tank that feeds.
    b.set("A:FUEL TANK SELECTOR:1, enum", 6);
    b.set("A:FUEL TANK SELECTOR:2, enum", 4);
    b.frames(1);
    b.mark();
    b.seconds(1);
    EXPECT_EQ(selections(b, SELECTOR_1), std::vector<std::uint32_t>{8});
    EXPECT_EQ(selections(b, SELECTOR_2), std::vector<std::uint32_t>{8});
}

TEST(FuelTransfers, WingsDrainIntoTheRearTankAtOnePointSixPoundsASecondEachWithoutFeedingTheEngines) {
    bench::Bench b;
    scenario::settle(b);
    only_wing_transfers(b);
    set_lbs(b, PORT_WING, 1000);
    set_lbs(b, STBD_WING, 2000);
    set_lbs(b, REAR, 3000);
    b.frames(1);
    b.mark();
    b.seconds(5);
    EXPECT_NEAR(lbs(b, PORT_WING), 1000 - 8.0, 1e-6);
    EXPECT_NEAR(lbs(b, STBD_WING), 2000 - 8.0, 1e-6);
    EXPECT_NEAR(lbs(b, REAR), 3000 + 16.0, 1e-6);
    EXPECT_EQ(selections(b, SELECTOR_1), (std::vector<std::uint32_t>(5, 0)));
    EXPECT_EQ(selections(b, SELECTOR_2), (std::vector<std::uint32_t>(5, 0)));
    // Three quantity writes a second: definitions 4, 5, then 3.
    EXPECT_EQ(scenario::count_prefix(b.simconnect_log(), "SimConnect_SetDataOnSimObject(4,"), 5u);
    EXPECT_EQ(scenario::count_prefix(b.simconnect_log(), "SimConnect_SetDataOnSimObject(3,"), 5u);

    // An empty wing gives nothing but does not hold the other back.
    b.set(PORT_WING, 0);
    b.frames(1);
    b.seconds(5);
    EXPECT_EQ(lbs(b, PORT_WING), 0.0);
    EXPECT_NEAR(lbs(b, STBD_WING), 2000 - 16.0, 1e-6);
    EXPECT_NEAR(lbs(b, REAR), 3000 + 24.0, 1e-6);

    // Nothing moves when the rear tank would overflow.
    set_lbs(b, PORT_WING, 1000);
    set_lbs(b, REAR, 4320 - 3);
    b.frames(1);
    b.seconds(3);
    EXPECT_NEAR(lbs(b, PORT_WING), 1000, 1e-6);
    EXPECT_NEAR(lbs(b, REAR), 4320 - 3, 1e-6);
}

TEST(FuelTransfers, TopTanksFeedTheBellyThroughTheTransferCockUntilTheBellyIsFull) {
    bench::Bench b;
    ready_with_fuel_panel(b);
    only_wing_transfers(b);
    b.set("L:WingPumpPort, bool", 0);
    b.set("L:WingPumpStbd, bool", 0);
    set_lbs(b, TOP, 5000);
    set_lbs(b, BELLY, 3336 - 10);
    click(b, TOP_BELLY_COCK);  // guard open at 1: on
    b.frames(1);
    b.seconds(4);
    EXPECT_NEAR(lbs(b, TOP), 5000 - 6.4, 1e-6);
    EXPECT_NEAR(lbs(b, BELLY), 3336 - 10 + 6.4, 1e-6);
    b.seconds(4);  // the next would pass the belly's 3336 lbs
    EXPECT_NEAR(lbs(b, TOP), 5000 - 9.6, 1e-6);
    EXPECT_NEAR(lbs(b, BELLY), 3336 - 0.4, 1e-6);
}

// Negative g from the first frame of a whole second of the clock.
void push_over(bench::Bench& b) {
    const double second = b.token(604);
    while (b.token(604) == second) b.frames(1);
    b.set("A:G FORCE, gforce", -0.5);
}

TEST(NegativeG, TwelveSecondsWithAnEngineRunningCutTheEnginesEveryUpdateUntilGIsPositive) {
    bench::Bench b;
    scenario::settle(b);
    b.set("A:GENERAL ENG COMBUSTION:1, bool", 1);
    push_over(b);
    b.mark();
    b.seconds(11);
    EXPECT_EQ(count_key(b, 65778), 0u);
    b.seconds(1);
    EXPECT_EQ(count_key(b, 65778, 1), 1u);
    b.frames(5);
    EXPECT_GE(count_key(b, 65778, 1), 2u);
    b.set("A:G FORCE, gforce", 1.0);
    b.mark();
    b.seconds(2);
    EXPECT_EQ(count_key(b, 65778), 0u);
    EXPECT_EQ(count_key(b, 65774, 1), 1u);

    // With neither engine running a long push cuts nothing, but its end is still told.
    b.set("A:GENERAL ENG COMBUSTION:1, bool", 0);
    b.set("A:GENERAL ENG COMBUSTION:2, bool", 0);
    push_over(b);
    b.mark();
    b.seconds(15);
    b.set("A:G FORCE, gforce", 0.0);
    b.frames(1);
    EXPECT_EQ(count_key(b, 65778), 0u);
    EXPECT_EQ(count_key(b, 65774, 1), 1u);
}

// Another flight loaded while the module stays: the simulator's clocks count from 0 again,
// and what waits on them must not wait for the old time to come round.
TEST(ClocksGoingBack, TheSelectorsGoOnTurningAndANegativeGPushIsCountedAfresh) {
    bench::Bench b;
    ready_with_fuel_panel(b);
    b.seconds(30);
    b.restart_clocks();
    b.mark();
    b.seconds(3);
    EXPECT_GE(selections(b, SELECTOR_1).size(), 3u) << "the rotation waits for the old second";
    expect_turns(selections(b, SELECTOR_2), 5);

    // A push begun before the clocks went back counts from the new clock, in whole seconds.
    b.set("A:GENERAL ENG COMBUSTION:1, bool", 1);
    push_over(b);
    b.seconds(5);
    b.restart_clocks();
    b.mark();
    b.seconds(11);
    EXPECT_EQ(count_key(b, 65778), 0u) << "the push counted the seconds of the old clock";
    b.seconds(1.5);
    EXPECT_GE(count_key(b, 65778, 1), 1u) << "the push was never counted again";
    b.set("A:G FORCE, gforce", 1.0);
    b.frames(2);
}

std::map<std::string, double> fuel_switches(const bench::Bench& b) {
    std::map<std::string, double> s;
    for (const char* v : {"L:Top2BellyTransCockPos, number", "L:BellyTankPortPump, bool", "L:BellyTankStbPump, bool",
                          "L:RearPumpPort, bool", "L:RearPumpStbd, bool", "L:RearFuelCockPort, bool",
                          "L:RearFuelCockStbd, bool", "L:WingPumpPort, bool", "L:WingPumpStbd, bool",
                          "L:PortTrans2RearTankPos, bool", "L:StbdTrans2RearTankPos, bool"})
        s[v] = b.get(v);
    return s;
}

void expect_switches(const bench::Bench& b, int cock, std::vector<int> port, std::vector<int> stbd) {
    // belly pump, rear pump, rear cock, wing pump, transfer switch
    const auto s = fuel_switches(b);
    EXPECT_EQ(s.at("L:Top2BellyTransCockPos, number"), cock);
    const std::vector<int> got_port = {int(s.at("L:BellyTankPortPump, bool")), int(s.at("L:RearPumpPort, bool")),
                                       int(s.at("L:RearFuelCockPort, bool")), int(s.at("L:WingPumpPort, bool")),
                                       int(s.at("L:PortTrans2RearTankPos, bool"))};
    const std::vector<int> got_stbd = {int(s.at("L:BellyTankStbPump, bool")), int(s.at("L:RearPumpStbd, bool")),
                                       int(s.at("L:RearFuelCockStbd, bool")), int(s.at("L:WingPumpStbd, bool")),
                                       int(s.at("L:StbdTrans2RearTankPos, bool"))};
    EXPECT_EQ(got_port, port);
    EXPECT_EQ(got_stbd, stbd);
}

TEST(AutoFuelManagement, StagesFollowTheTanksRealContentsWithTheFuelPanelClosed) {
    bench::Bench b;
    ready_with_fuel_panel(b);
    EXPECT_EQ(b.tooltip(PANEL, AUTO_FUEL.x, AUTO_FUEL.y), "Toggle auto-fuel management [OFF]");
    set_lbs(b, TOP, 7000);
    set_lbs(b, BELLY, 3000);
    set_lbs(b, REAR, 3000);
    set_lbs(b, PORT_WING, 2000);
    set_lbs(b, STBD_WING, 2000);
    b.set("L:BellyTankPortPump, bool", 0);
    b.set("L:PortTrans2RearTankPos, bool", 0);
    b.set_token(61, 80);  // take-off roll
    click(b, AUTO_FUEL);
    EXPECT_EQ(b.tooltip(PANEL, AUTO_FUEL.x, AUTO_FUEL.y), "Toggle auto-fuel management [ON]");
    b.window("close", 400);
    b.frames(2);
    EXPECT_EQ(b.get("L:AutoFuelStatus, number"), 3);
    expect_switches(b, 3, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1});

    // Lifted off, stage 3's settings stay until a quantity rule applies.
    b.set("A:RADIO HEIGHT, feet", 300);
    b.frames(2);
    EXPECT_EQ(b.get("L:AutoFuelStatus, number"), 3);
    set_lbs(b, TOP, 5900);
    b.frames(2);
    EXPECT_EQ(b.get("L:AutoFuelStatus, number"), 4);
    expect_switches(b, 3, {0, 1, 1, 0, 1}, {0, 1, 1, 0, 1});

    // A low port wing: that side takes from everything and its wing pump transfers.
    set_lbs(b, TOP, 7000);
    set_lbs(b, PORT_WING, 400);
    b.frames(2);
    EXPECT_EQ(b.get("L:AutoFuelStatus, number"), 7);
    expect_switches(b, 3, {1, 1, 1, 1, 0}, {0, 1, 1, 0, 1});
    b.set(PORT_WING, 0);
    b.frames(2);
    expect_switches(b, 3, {1, 1, 1, 0, 0}, {0, 1, 1, 0, 1});

    // The reserve rule overrides it; with the rear tank dry its pumps and cocks shut.
    set_lbs(b, BELLY, 1700);
    b.frames(2);
    EXPECT_EQ(b.get("L:AutoFuelStatus, number"), 8);
    expect_switches(b, 3, {1, 1, 1, 0, 0}, {1, 1, 1, 0, 0});
    b.set(REAR, 0);
    b.frames(2);
    expect_switches(b, 3, {1, 0, 0, 0, 0}, {1, 0, 0, 0, 0});

    // Off, the switches stay where it put them.
    b.window("open", 400);
    b.frames(1);
    click(b, AUTO_FUEL);
    set_lbs(b, REAR, 3000);
    set_lbs(b, BELLY, 3000);
    b.frames(3);
    expect_switches(b, 3, {1, 0, 0, 0, 0}, {1, 0, 0, 0, 0});
    EXPECT_EQ(b.get("L:AutoFuelStatus, number"), 8);
}

TEST(FuelPanel, NeedlesShowEachTankWithinItsScaleAndTooltipsItsPounds) {
    bench::Bench b;
    ready_with_fuel_panel(b);
    // Tanks that hold more than the scales show (another aircraft configuration).
    b.set("A:FUEL TANK LEFT AUX CAPACITY, gallons", 600);
    b.set("A:FUEL TANK CENTER2 CAPACITY, gallons", 600);
    set_lbs(b, PORT_WING, 3551.5);
    set_lbs(b, BELLY, 3350.5);
    set_lbs(b, TOP, 4000.9);
    b.frames(1);
    // Elements 10, 12 and 16: port wing, belly and top tanks' needles.
    EXPECT_DOUBLE_EQ(b.element(PANEL, 10).value, 3424);
    EXPECT_DOUBLE_EQ(b.element(PANEL, 12).value, 3336);
    EXPECT_NEAR(b.element(PANEL, 16).value, 4000.9, 1e-9);
    EXPECT_EQ(b.tooltip(PANEL, PORT_WING_GAUGE.x, PORT_WING_GAUGE.y), "Port Wing Tank Quantity [3551 lbs]");
    EXPECT_EQ(b.tooltip(PANEL, BELLY_GAUGE.x, BELLY_GAUGE.y), "Belly Tank Quantity [3350 lbs]");
    EXPECT_EQ(b.tooltip(PANEL, TOP_GAUGE.x, TOP_GAUGE.y), "Top Tanks Quantity [4000 lbs]");
    b.set(BELLY, 0);
    b.frames(1);
    EXPECT_EQ(b.element(PANEL, 12).value, 0);
}

TEST(FuelPanel, PumpsAndCocksToggleWithTheirClickAndShowTheirPosition) {
    bench::Bench b;
    ready_with_fuel_panel(b);
    for (const auto& [at, variable, icon, sound] :
         {std::tuple{BELLY_PUMP_PORT, "L:BellyTankPortPump, bool", 9, 2},
          std::tuple{REAR_PUMP_PORT, "L:RearPumpPort, bool", 4, 2},
          std::tuple{REAR_COCK_PORT, "L:RearFuelCockPort, bool", 6, 3}}) {
        const std::string n = std::to_string(sound);
        b.set("L:Tarmelon_Click" + n + ", number", 0);
        click(b, at);
        b.frames(1);
        EXPECT_EQ(b.get(variable), 0) << variable;
        EXPECT_EQ(b.element(PANEL, icon).frame, 0) << variable;
        EXPECT_EQ(b.get("L:Tarmelon_Click" + n + "Pan, number"), 8500) << variable;
        EXPECT_EQ(b.get("L:Tarmelon_Click" + n + ", number"), 1) << variable;
        click(b, at);
        b.frames(1);
        EXPECT_EQ(b.element(PANEL, icon).frame, 1) << variable;
    }
}

struct Cock {
    int position, lever, guard;
};

Cock cock(const bench::Bench& b) {
    return {int(b.get("L:Top2BellyTransCockPos, number")), int(b.get("L:Fuelpan_Topbelly_transfer_switch,bool")),
            int(b.get("L:Fuelpan_Topbelly_transfer_guard,bool"))};
}

void expect_cock(const bench::Bench& b, Cock want, const char* after) {
    const Cock got = cock(b);
    EXPECT_EQ(got.position, want.position) << after;
    EXPECT_EQ(got.lever, want.lever) << after;
    EXPECT_EQ(got.guard, want.guard) << after;
}

TEST(FuelPanel, TheTopToBellyCockWorksFromThePanelAndTheVirtualCockpitAlike) {
    bench::Bench b;
    ready_with_fuel_panel(b);
    expect_cock(b, {3, 1, 0}, "the ready preset");
    click(b, TOP_BELLY_COCK, LEFT);
    expect_cock(b, {3, 1, 0}, "left click with the guard shut");
    click(b, TOP_BELLY_COCK, RIGHT);
    expect_cock(b, {2, 1, 1}, "guard opened");
    click(b, TOP_BELLY_COCK, LEFT);
    expect_cock(b, {1, 0, 1}, "turned off");
    EXPECT_EQ(b.get("L:Tarmelon_Click3Pan, number"), 8500);
    click(b, TOP_BELLY_COCK, RIGHT);
    expect_cock(b, {0, 0, 0}, "guard shut");
    b.frames(1);
    EXPECT_EQ(b.element(PANEL, 7).frame, 0);

    b.key(69683);
    expect_cock(b, {0, 0, 0}, "lever under the shut guard");
    EXPECT_EQ(b.get("L:Tarmelon_Click3Pan, number"), 3000);
    b.key(69682);
    expect_cock(b, {1, 0, 1}, "guard opened in the virtual cockpit");
    b.key(69683);
    expect_cock(b, {2, 1, 1}, "lever on");
    b.key(69682);
    expect_cock(b, {3, 1, 0}, "guard shut over it");
    b.frames(1);
    EXPECT_EQ(b.element(PANEL, 7).frame, 3);

    // The cold-and-dark preset sets the position only; lever and guard follow it.
    b.start("cold-and-dark");
    expect_cock(b, {1, 0, 1}, "cold and dark");
}

TEST(FuelOverview, ShowsQuantitiesAndFlowsAndKeepsCountingWithTheFuelPanelClosed) {
    bench::Bench b;
    ready_with_fuel_panel(b);
    b.mark();
    click(b, OPEN_OVERVIEW);
    EXPECT_EQ(count_key(b, 66507, 1500), 1u);
    EXPECT_TRUE(b.window_open(1500));
    set_lbs(b, PORT_WING, 1234.9);
    b.set(TOP, 1000);
    b.set(BELLY, 0);
    b.set("L:PortTrans2RearTankPos, bool", 0);
    b.set("L:Top2BellyTransCockPos, number", 2);
    b.set("L:RearFuelCockStbd, bool", 0);
    b.set("L:stbdLPCockPos, number", 0);
    b.window("close", 400);
    b.frames(2);
    EXPECT_EQ(b.element(OVERVIEW, 12).text, "1234");
    for (int quarter = 14; quarter <= 17; ++quarter) EXPECT_EQ(b.element(OVERVIEW, quarter).text, "1675");
    EXPECT_EQ(b.element(OVERVIEW, 19).text, "0000");
    // Flow icons 1 to 11: wing to engine and to rear, each side; top to belly; rear cocks;
    // two LP-cock paths each side.
    std::vector<int> lit;
    for (int icon = 1; icon <= 11; ++icon) lit.push_back(b.element(OVERVIEW, icon).frame == 0 ? 1 : 0);
    EXPECT_EQ(lit, (std::vector<int>{0, 1, 1, 0, 1, 1, 0, 1, 1, 0, 0}));

    b.mark();
    ASSERT_GE(b.click(OVERVIEW, 10, 10, LEFT), 0);
    EXPECT_EQ(count_key(b, 66508, 1500), 1u);
    EXPECT_FALSE(b.window_open(1500));
}

TEST(FuelLamps, LampsAndContentsGaugesAreDarkWithoutPower) {
    bench::Bench b;
    b.start("cold-and-dark");
    b.frames(2);
    for (const char* v : {"L:Engine1_fuel_pres_fail, bool", "L:Engine2_fuel_pres_fail, bool",
                          "L:PortWingNeedleVC, number", "L:BellyTankNeedleVC, number", "L:StrbWingNeedleVC, number",
                          "L:TopTanksNeedleVC, number", "L:RearTanksNeedleVC, number"})
        EXPECT_EQ(b.get(v), 0) << v;
    EXPECT_EQ(b.get("L:BellyTankPortPump, bool"), 0);
}

TEST(FuelLamps, EachEngineLampLightsWhenNothingPumpsFuelToIt) {
    bench::Bench b;
    ready_with_fuel_panel(b);
    EXPECT_EQ(b.get("L:Engine1_fuel_pres_fail, bool"), 0);
    click(b, BELLY_PUMP_PORT);
    click(b, WING_PUMP_PORT);
    b.frames(2);
    EXPECT_EQ(b.get("L:Engine1_fuel_pres_fail, bool"), 0);  // the rear pump through its open cock
    click(b, REAR_COCK_PORT);
    b.frames(2);
    EXPECT_EQ(b.get("L:Engine1_fuel_pres_fail, bool"), 1);
    EXPECT_EQ(b.get("L:Engine2_fuel_pres_fail, bool"), 0);
    click(b, REAR_COCK_PORT);
    b.frames(2);
    EXPECT_EQ(b.get("L:Engine1_fuel_pres_fail, bool"), 0);
}

TEST(FuelLamps, ContentsGaugesFollowTheirScales) {
    bench::Bench b;
    scenario::settle(b);
    only_wing_transfers(b);
    b.set("L:WingPumpPort, bool", 0);
    b.set("L:WingPumpStbd, bool", 0);
    set_lbs(b, PORT_WING, 750);     // halfway from 500 (143) to 1000 (321)
    set_lbs(b, STBD_WING, 3424);    // past 3000 (953): 953 + 424 / 500 x 47
    set_lbs(b, BELLY, 250);         // halfway to 500 (236)
    set_lbs(b, TOP, 7680);          // beyond 7500: 997
    set_lbs(b, REAR, 0);
    b.frames(2);
    EXPECT_NEAR(b.get("L:PortWingNeedleVC, number"), 232, 1e-3);
    EXPECT_NEAR(b.get("L:StrbWingNeedleVC, number"), 953 + 424.0 / 500 * 47, 1e-3);
    EXPECT_NEAR(b.get("L:BellyTankNeedleVC, number"), 118, 1e-3);
    EXPECT_NEAR(b.get("L:TopTanksNeedleVC, number"), 997, 1e-3);
    EXPECT_EQ(b.get("L:RearTanksNeedleVC, number"), 0);
}

TEST(FuelPanelState, PumpsSavedWithAFlightComeBackAndFeedAsSaved) {
    scenario::TempRoot root;
    {
        bench::Bench b(root.options());
        ready_with_fuel_panel(b);
        click(b, WING_PUMP_PORT);
        click(b, REAR_PUMP_PORT);
        click(b, TOP_BELLY_COCK, RIGHT);
        b.frames(1);
        b.exec("save \"C:\\Flights\\Fuel.FLT\"");
        b.frames(2);
    }
    bench::Bench b(root.options("C:\\Flights\\Fuel.FLT"));
    scenario::settle(b);
    EXPECT_EQ(b.get("L:WingPumpPort, bool"), 0);
    EXPECT_EQ(b.get("L:RearPumpPort, bool"), 0);
    expect_cock(b, {2, 1, 1}, "restored");
    b.mark();
    b.seconds(3);
    EXPECT_EQ(selections(b, SELECTOR_1), (std::vector<std::uint32_t>{7, 7, 7}));
}

}  // namespace
