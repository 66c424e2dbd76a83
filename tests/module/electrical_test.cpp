// The electrical system as a pilot works it: sources on the busbar, generator lamps and
// needle, inverters and their one-update lags, inverter meters, the voltmeter and its
// virtual-cockpit readout, guarded switches from the panels and the virtual cockpit, ground
// power, and the simulator's own switches kept in step (also when it applies toggles late).
#include <fstream>
#include <string>
#include <vector>

#include "scenario.h"

namespace {

using scenario::count_key;

constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t RIGHT = 0x80000000;
constexpr std::uint32_t TOGGLE_BATTERY = 66241, TOGGLE_ALTERNATOR1 = 66363, TOGGLE_ALTERNATOR2 = 66364;

const char* const BATTERY = "L:AircraftBattPos, number";
const char* const BATTERY_LEVER = "L:Hydpan_aircraft_battery,bool";
const char* const BATTERY_GUARD = "L:Hydpan_batteryguard,bool";
const char* const SIM_BATTERY = "A:ELECTRICAL MASTER BATTERY, bool";
const char* const SIM_ALTERNATOR1 = "A:GENERAL ENG MASTER ALTERNATOR:1, bool";
const char* const SIM_ALTERNATOR2 = "A:GENERAL ENG MASTER ALTERNATOR:2, bool";
const char* const DC = "L:DCpowerAvailable, bool";
const char* const BUSBAR = "L:BusbarNeedle,number";
const char* const START_VOLTS = "L:ElecStartVolts, number";

// Where a pilot clicks.
struct Spot {
    const char* gauge;
    int x, y;
};
constexpr Spot BATTERY_SWITCH{"TO_Panel", 1140, 140}, GROUND_POWER{"Trim_Panel", 1740, 900};
constexpr Spot GENERATOR_1{"Elec_Panel", 220, 150}, BREAKER_1{"Elec_Panel", 1545, 705}, BREAKER_2{"Elec_Panel", 1650, 705};
constexpr Spot METER_SELECTOR{"Elec_Panel", 600, 620}, INVERTER_SELECTOR{"Elec_Panel", 160, 420};
constexpr Spot EMERGENCY_AVIONICS{"Avionics_Panel", 580, 80}, DVM_BREAKER{"Avionics_Panel", 490, 155};
constexpr Spot READ_VOLTAGE{"Avionics_Panel", 520, 655}, AVIONICS_MASTER{"Avionics_Panel", 100, 150};
constexpr Spot RESTORE_VOLTS{"Avionics_Panel", 775, 5};

void click(bench::Bench& b, const Spot& s, std::uint32_t flags = LEFT) {
    EXPECT_GE(b.click(s.gauge, s.x, s.y, flags), 0) << s.gauge << " " << s.x << "," << s.y;
}

// The click sound a control made: which trigger went to 1 (the sound player clears them),
// and its pan.
struct Sound {
    int click;
    double pan;
    bool operator==(const Sound&) const = default;
};
std::string click_var(int n, const char* what) { return "L:Tarmelon_Click" + std::to_string(n) + what + ", number"; }
template <typename Act>
Sound heard(bench::Bench& b, Act act) {
    for (int n = 1; n <= 3; ++n) b.set(click_var(n, ""), 0);
    act();
    for (int n = 1; n <= 3; ++n)
        if (b.get(click_var(n, "")) == 1) return {n, b.get(click_var(n, "Pan"))};
    return {0, 0};
}
Sound click_heard(bench::Bench& b, const Spot& s, std::uint32_t flags = LEFT) {
    return heard(b, [&] { click(b, s, flags); });
}
Sound vc_heard(bench::Bench& b, std::uint32_t event) { return heard(b, [&] { b.key(event); }); }

// The engines' RPM percent (tokens 624 and 643) a test wants, imposed before every frame:
// the generators depend on nothing else of the engines, and the simulated engines would
// otherwise spool up or run down by themselves.
double wanted_rpm[2] = {0, 0};
void engine_rpm(double engine1, double engine2) { wanted_rpm[0] = engine1, wanted_rpm[1] = engine2; }
void frames(bench::Bench& b, int n) {
    for (int i = 0; i < n; ++i) {
        b.set_token(624, wanted_rpm[0]);
        b.set_token(643, wanted_rpm[1]);
        b.frames(1);
    }
}
void seconds(bench::Bench& b, double s) { frames(b, static_cast<int>(s * 18 + 0.5)); }

// The started cockpit (the ready preset: battery 3, generator switches on, breakers in)
// with both engines stopped.
void started(bench::Bench& b) {
    engine_rpm(0, 0);
    frames(b, 20);
}

TEST(Electrical, BusbarNeedleAndGeneratorLampsFollowTheSources) {
    bench::Bench b;
    started(b);
    // Battery alone: 24 V; a generator lamp reads 0 while off line with DC power.
    EXPECT_EQ(b.get(DC), 1);
    EXPECT_EQ(b.get(BUSBAR), 102);
    EXPECT_EQ(b.get("L:Gen1FailLight,bool"), 0);
    // 19.9 % is 19 %: still off line. 20 % brings generator 1 on line: 28 V.
    engine_rpm(19.9, 0);
    frames(b, 2);
    EXPECT_EQ(b.get(BUSBAR), 102);
    engine_rpm(20, 0);
    frames(b, 2);
    EXPECT_EQ(b.get(BUSBAR), 120);
    EXPECT_EQ(b.get("L:Gen1FailLight,bool"), 1);
    EXPECT_EQ(b.get("L:Gen2FailLight,bool"), 0);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1), 1);
    EXPECT_EQ(b.get(SIM_ALTERNATOR2), 0);  // on at rest, toggled off with its generator
    // Battery off (3, 2, 1, 0): the generator holds the bus; without it, nothing.
    click(b, BATTERY_SWITCH, RIGHT), click(b, BATTERY_SWITCH, LEFT), click(b, BATTERY_SWITCH, RIGHT);
    frames(b, 2);
    EXPECT_EQ(b.get(BUSBAR), 120);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);
    click(b, GENERATOR_1);
    frames(b, 2);
    EXPECT_EQ(b.get(DC), 0);
    EXPECT_EQ(b.get(BUSBAR), 0);
    EXPECT_EQ(b.get("L:Gen1FailLight,bool"), 1);
    EXPECT_EQ(b.get("L:Gen2FailLight,bool"), 1);
    // Position 3 (guard shut over the switch) powers the bus like 2.
    b.set(BATTERY, 3);
    frames(b, 2);
    EXPECT_EQ(b.get(BUSBAR), 102);
    EXPECT_EQ(b.get(SIM_BATTERY), 1);
}

TEST(Electrical, ABreakerTakesItsGeneratorOffLineWithOneAlternatorToggleEachWay) {
    bench::Bench b;
    started(b);
    engine_rpm(60, 60);
    frames(b, 2);
    EXPECT_EQ(b.tooltip(BREAKER_1.gauge, BREAKER_1.x, BREAKER_1.y), "Circuit Breaker 1");
    b.mark();
    EXPECT_EQ(click_heard(b, BREAKER_1), (Sound{3, 10000}));  // pulled
    seconds(b, 1);
    EXPECT_EQ(count_key(b, TOGGLE_ALTERNATOR1, 1), 1u);
    EXPECT_EQ(count_key(b, TOGGLE_ALTERNATOR2), 0u);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1), 0);
    b.mark();
    EXPECT_EQ(click_heard(b, BREAKER_1), (Sound{2, 10000}));  // reset
    seconds(b, 1);
    EXPECT_EQ(count_key(b, TOGGLE_ALTERNATOR1, 1), 1u);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1), 1);
    // The generator switch from the virtual cockpit.
    EXPECT_EQ(vc_heard(b, 69665), (Sound{1, 10000}));  // "No.2 Generator On/Off"
    seconds(b, 1);
    EXPECT_EQ(b.get(SIM_ALTERNATOR2), 0);
}

TEST(Electrical, InvertersStartOnTheUpdateAfterTheirPowerAndInverterOneDefersToTwo) {
    bench::Bench b;
    started(b);
    b.set(BATTERY, 0);
    seconds(b, 1);
    // Generator 2 comes on line on a dead bus: inverter 2 runs at once, inverter 4 on the
    // next update (it sees the DC power of the update before).
    engine_rpm(0, 50);
    frames(b, 1);
    EXPECT_EQ(b.get(DC), 1);
    EXPECT_EQ(b.get("L:Elec_STATUS_inv2, bool"), 1);
    EXPECT_EQ(b.get("L:Elec_STATUS_inv4, bool"), 0);
    frames(b, 1);
    EXPECT_EQ(b.get("L:Elec_STATUS_inv4, bool"), 1);
    // With inverter 2 running, inverter 1 (the standby indicator) runs only at selector 2.
    click(b, INVERTER_SELECTOR, RIGHT);  // 0 to 1
    frames(b, 3);
    EXPECT_EQ(b.get("L:standby_inverter_mi,bool"), 0);
    EXPECT_EQ(click_heard(b, INVERTER_SELECTOR, LEFT), (Sound{1, 10000}));  // 1 to 2
    frames(b, 3);
    EXPECT_EQ(b.get("L:standby_inverter_mi,bool"), 1);
    click(b, INVERTER_SELECTOR, LEFT);  // back to 1
    b.set(BATTERY, 3);
    frames(b, 3);
    ASSERT_EQ(b.get("L:standby_inverter_mi,bool"), 0);
    // Generator off line: inverter 2 stops at once, inverter 1 starts an update later, and
    // the standby indicator shows it on the frame after that.
    engine_rpm(0, 0);
    frames(b, 1);
    EXPECT_EQ(b.get("L:Elec_STATUS_inv2, bool"), 0);
    frames(b, 1);
    EXPECT_EQ(b.get("L:standby_inverter_mi,bool"), 0);
    frames(b, 1);
    EXPECT_EQ(b.get("L:standby_inverter_mi,bool"), 1);
    // The ground test runs inverter 2 with the engines stopped (the lighting panel's
    // virtual-cockpit guard and lever, click 2); the guard shut over the lever keeps it.
    EXPECT_EQ(vc_heard(b, 69734), (Sound{2, 10000}));
    EXPECT_EQ(b.get("L:lightpan_Inv2_test_guard,number"), 50);
    b.key(69735);
    EXPECT_EQ(b.get("L:GroundTestPos, number"), 2);
    frames(b, 1);
    EXPECT_EQ(b.get("L:Elec_STATUS_inv2, bool"), 1);
    b.key(69734);
    EXPECT_EQ(b.get("L:GroundTestPos, number"), 2);
    b.key(69735);
    EXPECT_EQ(b.get("L:GroundTestPos, number"), 0);
}

TEST(Electrical, InverterFourSoundsStartThenRunLoopAndShutdownOnceInACockpitView) {
    bench::Bench b;
    started(b);
    b.view(2);  // virtual cockpit
    const std::string start = "L:Tarmelon_Inverter4Start, number", loop = "L:Tarmelon_Inverter4RunLoop, number",
                      shutdown = "L:Tarmelon_Inverter4Shutdown, number";
    const auto sounds = [&] { return std::vector<double>{b.get(start), b.get(loop), b.get(shutdown)}; };
    const auto never_loops = [&](int n) {
        for (int f = 0; f < n; ++f, frames(b, 1)) EXPECT_NE(b.get(loop), 2);
    };
    engine_rpm(0, 50);
    frames(b, 3);
    EXPECT_EQ(sounds(), (std::vector<double>{1, 0, 0}));
    EXPECT_EQ(b.get("L:Tarmelon_Stiction, number"), 2);
    never_loops(36);
    seconds(b, 2);
    EXPECT_EQ(sounds(), (std::vector<double>{0, 2, 0}));
    engine_rpm(0, 0);
    frames(b, 2);
    EXPECT_EQ(sounds(), (std::vector<double>{0, 0, 1}));
    // Started and stopped within three seconds: Start, then Shutdown, never the loop.
    engine_rpm(0, 50);
    frames(b, 3);
    EXPECT_EQ(sounds(), (std::vector<double>{1, 0, 0}));
    never_loops(18);
    engine_rpm(0, 0);
    frames(b, 2);
    EXPECT_EQ(sounds(), (std::vector<double>{0, 0, 1}));
    never_loops(90);
    // A restart long after gets its whole start sound again.
    engine_rpm(0, 50);
    seconds(b, 2);
    EXPECT_EQ(b.get(start), 1);
    seconds(b, 2);
    EXPECT_EQ(b.get(loop), 2);
    // An outside view silences everything; back in a cockpit view the loop returns three
    // seconds later.
    b.view(4);
    frames(b, 2);
    EXPECT_EQ(sounds(), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(b.get("L:Tarmelon_Stiction, number"), 0);
    b.view(1);
    seconds(b, 1);
    EXPECT_EQ(b.get(loop), 0);
    seconds(b, 3);
    EXPECT_EQ(b.get(loop), 2);
}

TEST(Electrical, InverterMetersSlewOneStepPerUpdateToTheSelectedInverter) {
    bench::Bench b;
    started(b);
    engine_rpm(50, 50);
    b.window("open", 100);
    frames(b, 3);
    const auto volts = [&] { return b.element("Elec_Panel", 8).value; };
    const auto cycles = [&] { return b.element("Elec_Panel", 6).value; };
    // The selector at 0 shows inverter 2, which runs on the generators.
    const double v = volts(), c = cycles();
    frames(b, 1);
    EXPECT_EQ(volts(), v + 1);
    EXPECT_EQ(cycles(), c + 1);
    EXPECT_EQ(b.get("L:VoltsNeedleVC,number"), v + 1);
    EXPECT_EQ(b.get("L:CyclesNeedleVC,number"), 150);  // below 360 Hz
    EXPECT_EQ(b.get("L:tempVolts_inv2, number"), v);   // as shown before this update
    EXPECT_GE(b.get("L:get_inverter2_volts, number"), 115);
    EXPECT_EQ(b.get("L:get_inverter1_volts, number"), 0);  // inverter 1 defers to 2
    seconds(b, 30);
    EXPECT_GE(volts(), 115);
    EXPECT_LE(volts(), 119);
    EXPECT_GE(cycles(), 400);
    EXPECT_LE(cycles(), 404);
    EXPECT_GE(b.get("L:CyclesNeedleVC,number"), 90);
    EXPECT_LE(b.get("L:CyclesNeedleVC,number"), 91);
    // The selector at 1 shows inverter 1, stopped: its own reading, 0; back at 0 (from the
    // virtual cockpit) inverter 2's reading was kept.
    EXPECT_EQ(click_heard(b, METER_SELECTOR), (Sound{1, 10000}));
    frames(b, 1);
    EXPECT_EQ(b.element("Elec_Panel", 9).value, 1);
    EXPECT_EQ(volts(), 0);
    b.key(69669);
    frames(b, 1);
    EXPECT_GE(volts(), 114);
}

TEST(Electrical, VoltmeterAndItsVirtualCockpitReadoutShowTheStartBatteryWhileRead) {
    scenario::TempRoot root;
    const auto folder = root.path() / "SimObjects" / "Airplanes" / "VK_Tarmelon" / "panel";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Tarmelon.cfg") << "[ElectricStart]\nVolts=28\n";
    bench::Bench b(root.options());
    started(b);
    b.window("open", 700);
    const auto digits = [&] {
        frames(b, 1);
        std::vector<int> d;
        for (int e : {8, 9, 10, 7}) d.push_back(b.element("Avionics_Panel", e).frame);
        return d;
    };
    const auto readout = [&] { return b.element("LCD_VC", 1).text; };
    const std::vector<int> blank{-1, -1, -1, -1};
    EXPECT_EQ(digits(), blank);
    EXPECT_EQ(readout(), "");
    EXPECT_EQ(click_heard(b, READ_VOLTAGE), (Sound{2, 10000}));
    EXPECT_EQ(digits(), (std::vector<int>{0, 2, 8, 0}));
    EXPECT_EQ(readout(), "028.0");
    // The breaker pulled blanks the panel's digits, not the virtual cockpit's readout.
    click(b, DVM_BREAKER);
    EXPECT_EQ(digits(), blank);
    EXPECT_EQ(b.element("Avionics_Panel", 3).frame, 0);  // the pulled breaker shows
    EXPECT_EQ(readout(), "028.0");
    click(b, DVM_BREAKER);
    // Without DC power both are blank.
    b.set(BATTERY, 0);
    frames(b, 1);
    EXPECT_EQ(digits(), blank);
    EXPECT_EQ(readout(), "");
    // Ground power charges the start battery to 124 V (a higher voltage stays).
    click(b, GROUND_POWER);
    frames(b, 1);
    EXPECT_EQ(digits(), (std::vector<int>{1, 2, 4, 0}));
    EXPECT_EQ(readout(), "124.0");
    b.set(START_VOLTS, 130);
    frames(b, 2);
    EXPECT_EQ(b.get(START_VOLTS), 130);
    // Without ground power, "Restore volts" does it, silently.
    click(b, GROUND_POWER);
    b.set(START_VOLTS, 20);
    frames(b, 2);
    EXPECT_EQ(b.get(START_VOLTS), 20);
    EXPECT_EQ(click_heard(b, RESTORE_VOLTS), (Sound{0, 0}));
    EXPECT_EQ(b.get(START_VOLTS), 124);
    b.key(69731);  // "Read voltage" let go from the virtual cockpit
    frames(b, 1);
    EXPECT_EQ(readout(), "");
}

TEST(Electrical, GuardedSwitchesWorkAlikeFromThePanelsAndTheVirtualCockpit) {
    bench::Bench b;
    started(b);
    b.window("open", 500);
    // The battery from 3: guard open, off, guard shut; a left click at 0 does nothing. The
    // click sounds after each change, and the virtual cockpit's lever and guard follow.
    struct Step {
        std::uint32_t button;
        double position, lever, guard;
    };
    for (const Step& s : {Step{RIGHT, 2, 1, 1}, Step{LEFT, 1, 0, 1}, Step{RIGHT, 0, 0, 0}, Step{LEFT, 0, 0, 0}}) {
        EXPECT_EQ(click_heard(b, BATTERY_SWITCH, s.button), (Sound{3, 9000}));
        EXPECT_EQ(std::vector<double>({b.get(BATTERY), b.get(BATTERY_LEVER), b.get(BATTERY_GUARD)}),
                  std::vector<double>({s.position, s.lever, s.guard}));
    }
    frames(b, 2);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);
    // In the virtual cockpit (no click) the lever does not move under the shut guard; guard
    // open, lever on, guard shut over it.
    EXPECT_EQ(vc_heard(b, 69699), (Sound{0, 0}));
    EXPECT_EQ(b.get(BATTERY), 0);
    for (auto [event, position] : {std::pair{69698u, 1.0}, {69699u, 2.0}, {69698u, 3.0}}) {
        b.key(event);
        EXPECT_EQ(b.get(BATTERY), position);
    }
    frames(b, 2);
    EXPECT_EQ(b.element("TO_Panel", 10).frame, 3);
    EXPECT_EQ(b.get(SIM_BATTERY), 1);

    // Emergency avionics: right opens the guard, left switches on; both mirrors follow.
    const char* position = "L:ElecStart_EMGAv_position, number";
    EXPECT_EQ(click_heard(b, EMERGENCY_AVIONICS, RIGHT), (Sound{3, 10000}));
    click(b, EMERGENCY_AVIONICS, LEFT);
    EXPECT_EQ(b.get(position), 2);
    EXPECT_EQ(b.get("L:Avpan_emergency_avionics,bool") + b.get("L:Avpan_emerg_avionics_guard,bool"), 2);
    click(b, EMERGENCY_AVIONICS, LEFT), click(b, EMERGENCY_AVIONICS, RIGHT);
    EXPECT_EQ(b.get(position), 0);
    // The lever thrown with the guard shut moves but the switch stays; the guard opened
    // then gives 2.
    EXPECT_EQ(vc_heard(b, 69732), (Sound{2, 10000}));
    EXPECT_EQ(b.get("L:Avpan_emergency_avionics,bool"), 1);
    EXPECT_EQ(b.get(position), 0);
    EXPECT_EQ(vc_heard(b, 69733), (Sound{3, 10000}));
    EXPECT_EQ(b.get(position), 2);

    // The avionics master sets the simulator's switch to its own position.
    b.mark();
    EXPECT_EQ(click_heard(b, AVIONICS_MASTER), (Sound{2, 10000}));
    EXPECT_EQ(count_key(b, 66701, 0), 1u);
    EXPECT_EQ(b.get("A:AVIONICS MASTER SWITCH, bool"), 0);
}

TEST(GroundPower, OnTheGroundItPowersTheBusInTheAirNothingAndTheMenuCanDisconnectItThere) {
    bench::Bench b;
    started(b);
    b.set(BATTERY, 0);
    frames(b, 2);
    b.mark();
    EXPECT_EQ(click_heard(b, GROUND_POWER), (Sound{2, -10000}));
    frames(b, 2);
    EXPECT_EQ(b.get("L:GPUtugged, bool"), 1);
    EXPECT_EQ(b.get("L:GroundUnitsShow, bool"), 1);
    EXPECT_EQ(b.get(BUSBAR), 120);
    EXPECT_EQ(b.get(SIM_BATTERY), 1);  // the battery is on line with ground power
    b.key(69664);                      // off and on again from the virtual cockpit
    frames(b, 2);
    EXPECT_EQ(b.get(DC), 0);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);
    b.key(69664);
    frames(b, 2);
    EXPECT_EQ(b.get(DC), 1);
    for (const char* unit : {"VK_Tarmelon_GPU", "VK_Tarmelon_BCU"})  // put out once
        EXPECT_EQ(scenario::count_prefix(b.simconnect_log(),
                                         std::string("SimConnect_AICreateSimulatedObject(\"") + unit + "\""), 1u);

    // Airborne (as the once-a-second report says), the connected switch powers nothing.
    b.set("A:SIM ON GROUND, bool", 0);
    seconds(b, 2);
    EXPECT_EQ(b.get("L:TarmelonGroundPower, bool"), 1);
    EXPECT_EQ(b.get("L:GroundUnitsShow, bool"), 0);
    EXPECT_EQ(b.get(DC), 0);
    // The menu's ground power units item disconnects it there, so the aircraft lands without.
    b.exec("menu 58");
    frames(b, 1);
    EXPECT_EQ(b.get("L:TarmelonGroundPower, bool"), 0);
    b.set("A:SIM ON GROUND, bool", 1);
    seconds(b, 2);
    EXPECT_EQ(b.get(DC), 0);
    b.exec("menu 58");  // on the ground it connects with the units
    frames(b, 2);
    EXPECT_EQ(b.get("L:GroundUnitsShow, bool"), 1);
    EXPECT_EQ(b.get(DC), 1);
}

// A simulator that applies every toggle a frame late: the module sends each once.
TEST(LateToggles, TheSimulatorsSwitchesSettleWithOneToggleEach) {
    bench::Options options;
    options.late_toggles = true;
    bench::Bench b(options);
    started(b);
    seconds(b, 2);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1) + b.get(SIM_ALTERNATOR2), 0);  // on at rest, off with the engines
    b.mark();
    b.set(BATTERY, 0);
    engine_rpm(50, 50);
    b.set("L:StrobeSwitch2, number", 2);  // the cabin light on
    seconds(b, 3);
    for (std::uint32_t key : {TOGGLE_BATTERY, TOGGLE_ALTERNATOR1, TOGGLE_ALTERNATOR2, 66579u})
        EXPECT_EQ(count_key(b, key), 1u) << key;
    EXPECT_EQ(b.get(SIM_BATTERY), 0);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1) + b.get(SIM_ALTERNATOR2), 2);
    EXPECT_EQ(b.get("A:LIGHT CABIN, bool"), 1);
    // Switched back and forth on consecutive frames, the simulator ends where the cockpit
    // is, and stays there.
    click(b, BREAKER_1);
    frames(b, 1);
    click(b, BREAKER_1);
    frames(b, 1);
    click(b, BREAKER_1);
    seconds(b, 3);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1), 0);
    b.mark();
    seconds(b, 3);
    EXPECT_EQ(count_key(b, TOGGLE_ALTERNATOR1) + count_key(b, TOGGLE_BATTERY), 0u);
    // A toggle the simulator drops is sent again, half a second on.
    b.set(SIM_BATTERY, 1);
    frames(b, 2);
    b.set(SIM_BATTERY, 1);
    seconds(b, 1);
    EXPECT_EQ(count_key(b, TOGGLE_BATTERY), 2u);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);
}

TEST(ElectricalPersistence, SwitchesComeBackWithTheSavedFlightAndTheVirtualCockpitFollows) {
    scenario::TempRoot root;
    {
        bench::Bench b(root.options());
        started(b);
        click(b, BATTERY_SWITCH, RIGHT), click(b, BATTERY_SWITCH, LEFT);  // 1: guard open, off
        b.key(69665);                                                      // generator 2 off
        click(b, EMERGENCY_AVIONICS, RIGHT), click(b, EMERGENCY_AVIONICS, LEFT);  // 2
        b.key(69734);                                                      // ground test guard: 1
        click(b, BREAKER_1);
        seconds(b, 1);
        b.exec("save \"C:\\Flights\\Electrics.FLT\"");
        frames(b, 3);
    }
    bench::Bench b(root.options("C:\\Flights\\Electrics.FLT"));
    seconds(b, 2);
    ASSERT_EQ(scenario::count_lines(b.texts(), "Panel state loaded"), 1u);
    EXPECT_EQ(b.get(BATTERY), 1);
    EXPECT_EQ(b.get("L:GEN2OnOffPos, number"), 0);
    EXPECT_EQ(b.get("L:ElecStart_EMGAv_position, number"), 2);
    EXPECT_EQ(b.get("L:GroundTestPos, number"), 1);
    EXPECT_EQ(b.get("L:Gen1CircuitBreaker, bool"), 1);
    // The virtual cockpit's levers and guards show the restored switches ...
    EXPECT_EQ(b.get(BATTERY_LEVER), 0);
    EXPECT_EQ(b.get(BATTERY_GUARD), 1);
    EXPECT_EQ(b.get("L:Avpan_emergency_avionics,bool"), 1);
    EXPECT_EQ(b.get("L:lightpan_Inv2_test_guard,number"), 50);
    // ... so shutting the battery guard there leaves the battery off, and the aircraft
    // follows: no source, no DC power, the simulator's battery off.
    b.key(69698);
    EXPECT_EQ(b.get(BATTERY), 0);
    frames(b, 2);
    EXPECT_EQ(b.get(DC), 0);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);
}

// From the selector's Power button to cold and dark, and back to generators on line with
// clicks and the virtual cockpit's events only.
TEST(ElectricalPresets, ColdAndDarkIsBroughtBackUpFromTheCockpit) {
    bench::Bench b;
    started(b);
    ASSERT_GE(b.click("Panel_Selector_Arrow", 15, 20, LEFT), 0);
    frames(b, 1);
    ASSERT_GE(b.click("Panel_Selector", 95, 100, LEFT), 0);  // Power: cold and dark
    frames(b, 2);
    EXPECT_EQ(b.get(BUSBAR), 0);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);
    EXPECT_EQ(b.get("A:AVIONICS MASTER SWITCH, bool"), 0);
    EXPECT_EQ(b.get(BATTERY_LEVER) + b.get(BATTERY_GUARD), 0);
    b.key(69698), b.key(69699);  // battery: guard, lever
    frames(b, 2);
    EXPECT_EQ(b.get(BUSBAR), 102);
    EXPECT_EQ(b.get(SIM_BATTERY), 1);
    b.key(69664);  // ground power
    frames(b, 2);
    EXPECT_EQ(b.get(BUSBAR), 120);
    // Breakers in (on the panel only), generators and inverter 6 on, the avionics master.
    click(b, BREAKER_1), click(b, BREAKER_2);
    b.key(69666), b.key(69665), b.key(69667);
    click(b, AVIONICS_MASTER);
    EXPECT_EQ(b.get("A:AVIONICS MASTER SWITCH, bool"), 1);
    engine_rpm(55, 55);
    frames(b, 2);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1) + b.get(SIM_ALTERNATOR2), 2);
    b.key(69664);  // ground power away: the generators hold the bus
    frames(b, 2);
    EXPECT_EQ(b.get("L:GroundUnitsShow, bool"), 0);
    EXPECT_EQ(b.get(BUSBAR), 120);
    EXPECT_EQ(b.get("L:Gen1FailLight,bool") + b.get("L:Gen2FailLight,bool"), 2);
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

}  // namespace
