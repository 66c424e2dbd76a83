// The electrical system as a pilot works it: battery, ground power and generators on the
// busbar, the generator lamps and busbar needle, the inverters and their one-update lags,
// the inverter meters, the voltmeter and its virtual-cockpit readout, the guarded switches
// from the 2D panels and the virtual cockpit, and the simulator's own switches kept in step
// (also when the simulator applies a toggle a frame late).
#include <fstream>
#include <string>
#include <vector>

#include "scenario.h"

namespace {

using scenario::count_key;

constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t RIGHT = 0x80000000;

constexpr std::uint32_t KEY_TOGGLE_MASTER_BATTERY = 66241;
constexpr std::uint32_t KEY_TOGGLE_ALTERNATOR1 = 66363;
constexpr std::uint32_t KEY_TOGGLE_ALTERNATOR2 = 66364;

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
constexpr Spot BATTERY_SWITCH{"TO_Panel", 1140, 140};
constexpr Spot GROUND_POWER{"Trim_Panel", 1740, 900};
constexpr Spot GENERATOR_1{"Elec_Panel", 220, 150};
constexpr Spot BREAKER_1{"Elec_Panel", 1545, 705};
constexpr Spot BREAKER_2{"Elec_Panel", 1650, 705};
constexpr Spot METER_SELECTOR{"Elec_Panel", 600, 620};
constexpr Spot INVERTER_SELECTOR{"Elec_Panel", 160, 420};
constexpr Spot EMERGENCY_AVIONICS{"Avionics_Panel", 580, 80};
constexpr Spot DVM_BREAKER{"Avionics_Panel", 490, 155};
constexpr Spot READ_VOLTAGE{"Avionics_Panel", 520, 655};
constexpr Spot AVIONICS_MASTER{"Avionics_Panel", 100, 150};
constexpr Spot RESTORE_VOLTS{"Avionics_Panel", 775, 5};

int click(bench::Bench& b, const Spot& s, std::uint32_t flags = LEFT) { return b.click(s.gauge, s.x, s.y, flags); }

// The click sound a control made: which trigger went to 1 (the sound player clears them)
// and its pan.
struct Sound {
    int click;
    double pan;
    bool operator==(const Sound&) const = default;
};
void quiet(bench::Bench& b) {
    for (int n = 1; n <= 3; ++n) b.set("L:Tarmelon_Click" + std::to_string(n) + ", number", 0);
}
Sound heard(const bench::Bench& b) {
    for (int n = 1; n <= 3; ++n)
        if (b.get("L:Tarmelon_Click" + std::to_string(n) + ", number") == 1)
            return {n, b.get("L:Tarmelon_Click" + std::to_string(n) + "Pan, number")};
    return {0, 0};
}
Sound click_heard(bench::Bench& b, const Spot& s, std::uint32_t flags = LEFT) {
    quiet(b);
    EXPECT_GE(click(b, s, flags), 0) << s.gauge << " " << s.x << "," << s.y;
    return heard(b);
}
Sound vc_heard(bench::Bench& b, std::uint32_t event) {
    quiet(b);
    b.key(event);
    return heard(b);
}

// The engines' RPM percent (tokens 624 and 643) a test wants, imposed before every frame:
// the generators depend on nothing else of the engines, and the simulated engines would
// otherwise spool up or run down by themselves.
double wanted_rpm[2] = {0, 0};

void engine_rpm(bench::Bench&, double engine1, double engine2) {
    wanted_rpm[0] = engine1;
    wanted_rpm[1] = engine2;
}

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
    engine_rpm(b, 0, 0);
    frames(b, 20);
}

TEST(Electrical, BusbarNeedleAndGeneratorLampsFollowTheSources) {
    bench::Bench b;
    started(b);
    // Battery alone: 24 V, and a generator lamp reads 0 while it is off line with DC power.
    EXPECT_EQ(b.get(DC), 1);
    EXPECT_EQ(b.get(BUSBAR), 102);
    EXPECT_EQ(b.get("L:Gen1FailLight,bool"), 0);
    EXPECT_EQ(b.get("L:Gen2FailLight,bool"), 0);

    // 19.9 % is 19 %: still off line. 20 % brings generator 1 on line: 28 V.
    engine_rpm(b, 19.9, 0);
    frames(b, 2);
    EXPECT_EQ(b.get(BUSBAR), 102);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1), 0);
    engine_rpm(b, 20, 0);
    frames(b, 2);
    EXPECT_EQ(b.get(BUSBAR), 120);
    EXPECT_EQ(b.get("L:Gen1FailLight,bool"), 1);
    EXPECT_EQ(b.get("L:Gen2FailLight,bool"), 0);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1), 1);
    EXPECT_EQ(b.get(SIM_ALTERNATOR2), 0);

    // Battery off (3, 2, 1, 0 by right, left, right clicks): the generator still holds the bus.
    click(b, BATTERY_SWITCH, RIGHT);
    click(b, BATTERY_SWITCH, LEFT);
    click(b, BATTERY_SWITCH, RIGHT);
    EXPECT_EQ(b.get(BATTERY), 0);
    frames(b, 2);
    EXPECT_EQ(b.get(BUSBAR), 120);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);

    // Generator off line too: nothing on the bus, both lamps 1.
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
    engine_rpm(b, 60, 60);
    frames(b, 2);
    ASSERT_EQ(b.get(SIM_ALTERNATOR1), 1);
    ASSERT_EQ(b.get(SIM_ALTERNATOR2), 1);
    EXPECT_EQ(b.tooltip(BREAKER_1.gauge, BREAKER_1.x, BREAKER_1.y), "Circuit Breaker 1");

    b.mark();
    EXPECT_EQ(click_heard(b, BREAKER_1), (Sound{3, 10000}));  // pulled
    seconds(b, 1);
    EXPECT_EQ(b.get("L:Gen1CircuitBreaker, bool"), 1);
    EXPECT_EQ(count_key(b, KEY_TOGGLE_ALTERNATOR1, 1), 1u);
    EXPECT_EQ(count_key(b, KEY_TOGGLE_ALTERNATOR2), 0u);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1), 0);
    EXPECT_EQ(b.get("L:Gen1FailLight,bool"), 0);

    b.mark();
    EXPECT_EQ(click_heard(b, BREAKER_1), (Sound{2, 10000}));  // reset
    seconds(b, 1);
    EXPECT_EQ(count_key(b, KEY_TOGGLE_ALTERNATOR1, 1), 1u);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1), 1);

    // The switch works the same from the virtual cockpit; the generator goes off line and
    // its lamp follows on the next frame.
    b.mark();
    b.key(69665);  // "No.2 Generator On/Off"
    seconds(b, 1);
    EXPECT_EQ(b.get("L:GEN2OnOffPos, number"), 0);
    EXPECT_EQ(count_key(b, KEY_TOGGLE_ALTERNATOR2, 1), 1u);
    EXPECT_EQ(b.get(SIM_ALTERNATOR2), 0);
    click(b, BREAKER_2);
    EXPECT_EQ(b.get("L:Gen2CircuitBreaker, bool"), 1);
}

TEST(Electrical, InvertersStartOnTheUpdateAfterTheirPowerAndInverterOneDefersToTwo) {
    bench::Bench b;
    started(b);
    // Nothing on the bus; then generator 2 comes on line by itself.
    b.set(BATTERY, 0);
    seconds(b, 1);
    ASSERT_EQ(b.get(DC), 0);
    engine_rpm(b, 0, 50);
    frames(b, 1);
    EXPECT_EQ(b.get(DC), 1);
    EXPECT_EQ(b.get("L:Elec_STATUS_inv2, bool"), 1);  // on the generator at once
    EXPECT_EQ(b.get("L:Elec_STATUS_inv4, bool"), 0);  // waits for DC power seen last update
    frames(b, 1);
    EXPECT_EQ(b.get("L:Elec_STATUS_inv4, bool"), 1);

    // With inverter 2 running, inverter 1 (the standby indicator) runs only at selector 2.
    frames(b, 3);
    EXPECT_EQ(b.get("L:standby_inverter_mi,bool"), 0);
    click(b, INVERTER_SELECTOR, RIGHT);  // 0 to 1
    frames(b, 3);
    EXPECT_EQ(b.get("L:Elec_STATUS_invSelector, bool"), 1);
    EXPECT_EQ(b.get("L:standby_inverter_mi,bool"), 0);
    quiet(b);
    click(b, INVERTER_SELECTOR, LEFT);  // 1 to 2
    EXPECT_EQ(heard(b), (Sound{1, 10000}));
    frames(b, 3);
    EXPECT_EQ(b.get("L:standby_inverter_mi,bool"), 1);
    click(b, INVERTER_SELECTOR, LEFT);  // back to 1
    b.set(BATTERY, 3);
    frames(b, 3);
    ASSERT_EQ(b.get("L:standby_inverter_mi,bool"), 0);

    // Generator off line: inverter 2 stops at once, inverter 1 starts an update later, and
    // the standby indicator shows it on the frame after that.
    engine_rpm(b, 0, 0);
    frames(b, 1);
    EXPECT_EQ(b.get("L:Elec_STATUS_inv2, bool"), 0);
    EXPECT_EQ(b.get("L:Elec_STATUS_inv4, bool"), 0);
    frames(b, 1);
    EXPECT_EQ(b.get("L:standby_inverter_mi,bool"), 0);
    frames(b, 1);
    EXPECT_EQ(b.get("L:standby_inverter_mi,bool"), 1);

    // The ground test runs inverter 2 with both engines stopped: guard open, then the lever
    // (the lighting panel's virtual-cockpit events, click 2).
    EXPECT_EQ(vc_heard(b, 69734), (Sound{2, 10000}));
    EXPECT_EQ(b.get("L:lightpan_Inv2_test_guard,number"), 50);
    EXPECT_EQ(b.get("L:GroundTestPos, number"), 1);
    b.key(69735);
    EXPECT_EQ(b.get("L:GroundTestPos, number"), 2);
    frames(b, 1);
    EXPECT_EQ(b.get("L:Elec_STATUS_inv2, bool"), 1);
    // Guard shut over the thrown lever: the position stays; the lever back off gives 0.
    b.key(69734);
    EXPECT_EQ(b.get("L:GroundTestPos, number"), 2);
    b.key(69735);
    EXPECT_EQ(b.get("L:GroundTestPos, number"), 0);
}

TEST(Electrical, InverterFourSoundsStartThenRunLoopAndShutdownOnceInACockpitView) {
    bench::Bench b;
    started(b);
    b.view(2);  // virtual cockpit
    frames(b, 2);
    const char* start = "L:Tarmelon_Inverter4Start, number";
    const char* run_loop = "L:Tarmelon_Inverter4RunLoop, number";
    const char* shutdown = "L:Tarmelon_Inverter4Shutdown, number";
    EXPECT_EQ(b.get(shutdown), 0);  // stopped since the start, its sound silenced then
    EXPECT_EQ(b.get("L:Tarmelon_Stiction, number"), 0);

    engine_rpm(b, 0, 50);
    frames(b, 3);
    EXPECT_EQ(b.get(start), 1);
    EXPECT_EQ(b.get(shutdown), 0);
    EXPECT_EQ(b.get("L:Tarmelon_Stiction, number"), 2);
    seconds(b, 1.5);
    EXPECT_EQ(b.get(run_loop), 0);
    seconds(b, 2);
    EXPECT_EQ(b.get(start), 0);
    EXPECT_EQ(b.get(run_loop), 2);

    // Stopped: Shutdown once. Started and stopped again within three seconds: Start, then
    // Shutdown, never the run loop.
    engine_rpm(b, 0, 0);
    frames(b, 2);
    EXPECT_EQ(b.get(shutdown), 1);
    EXPECT_EQ(b.get(run_loop), 0);
    engine_rpm(b, 0, 50);
    frames(b, 3);
    EXPECT_EQ(b.get(start), 1);
    for (int f = 0; f < 18; ++f) {
        frames(b, 1);
        EXPECT_NE(b.get(run_loop), 2);
    }
    engine_rpm(b, 0, 0);
    frames(b, 2);
    EXPECT_EQ(b.get(start), 0);
    EXPECT_EQ(b.get(shutdown), 1);
    for (int f = 0; f < 90; ++f) {
        frames(b, 1);
        EXPECT_NE(b.get(run_loop), 2);
    }

    // A restart long after gets its whole start sound again.
    engine_rpm(b, 0, 50);
    seconds(b, 2);
    EXPECT_EQ(b.get(start), 1);
    seconds(b, 2);
    EXPECT_EQ(b.get(run_loop), 2);

    // An outside view silences everything; back in the cockpit the run loop returns three
    // seconds later.
    b.view(4);
    frames(b, 2);
    EXPECT_EQ(b.get(run_loop), 0);
    EXPECT_EQ(b.get("L:Tarmelon_Stiction, number"), 0);
    b.view(1);
    seconds(b, 1);
    EXPECT_EQ(b.get(run_loop), 0);
    EXPECT_EQ(b.get("L:Tarmelon_Stiction, number"), 2);
    seconds(b, 3);
    EXPECT_EQ(b.get(run_loop), 2);
}

TEST(Electrical, InverterMetersSlewOneStepPerUpdateToTheSelectedInverter) {
    bench::Bench b;
    started(b);
    engine_rpm(b, 50, 50);
    b.window("open", 100);
    frames(b, 3);
    // Selector at 0 shows inverter 2, which runs on the generators.
    const double volts = b.element("Elec_Panel", 8).value;
    const double cycles = b.element("Elec_Panel", 6).value;
    frames(b, 1);
    EXPECT_EQ(b.element("Elec_Panel", 8).value, volts + 1);
    EXPECT_EQ(b.element("Elec_Panel", 6).value, cycles + 1);
    EXPECT_EQ(b.get("L:VoltsNeedleVC,number"), volts + 1);
    EXPECT_EQ(b.get("L:CyclesNeedleVC,number"), 150);  // below 360 Hz
    EXPECT_EQ(b.get("L:tempVolts_inv2, number"), volts);  // as shown before this update
    EXPECT_GE(b.get("L:get_inverter2_volts, number"), 115);
    EXPECT_LE(b.get("L:get_inverter2_volts, number"), 119);
    EXPECT_EQ(b.get("L:get_inverter1_volts, number"), 0);  // inverter 1 defers to 2

    seconds(b, 30);
    EXPECT_GE(b.element("Elec_Panel", 8).value, 115);
    EXPECT_LE(b.element("Elec_Panel", 8).value, 119);
    EXPECT_GE(b.element("Elec_Panel", 6).value, 400);
    EXPECT_LE(b.element("Elec_Panel", 6).value, 404);
    EXPECT_GE(b.get("L:CyclesNeedleVC,number"), 90);
    EXPECT_LE(b.get("L:CyclesNeedleVC,number"), 91);
    EXPECT_EQ(b.element("Elec_Panel", 9).value, 0);

    // The selector at 1 shows inverter 1, stopped: its own reading, from 0.
    EXPECT_EQ(click_heard(b, METER_SELECTOR), (Sound{1, 10000}));
    frames(b, 1);
    EXPECT_EQ(b.element("Elec_Panel", 9).value, 1);
    EXPECT_EQ(b.element("Elec_Panel", 8).value, 0);
    EXPECT_EQ(b.get("L:VoltsNeedleVC,number"), 0);
    // And back to inverter 2 from the virtual cockpit: its reading was kept.
    b.key(69669);
    frames(b, 1);
    EXPECT_GE(b.element("Elec_Panel", 8).value, 114);
}

// A simulator folder whose configuration gives the electric-start battery 28 V.
void configure_start_volts(const scenario::TempRoot& root, int volts) {
    const auto folder = root.path() / "SimObjects" / "Airplanes" / "VK_Tarmelon" / "panel";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Tarmelon.cfg") << "[ElectricStart]\nVolts=" << volts << "\n";
}

TEST(Electrical, VoltmeterAndItsVirtualCockpitReadoutShowTheStartBatteryWhileRead) {
    scenario::TempRoot root;
    configure_start_volts(root, 28);
    bench::Bench b(root.options());
    started(b);
    b.window("open", 700);
    frames(b, 1);
    ASSERT_EQ(b.get(START_VOLTS), 28);
    const auto digits = [&] {
        return std::vector<int>{b.element("Avionics_Panel", 8).frame, b.element("Avionics_Panel", 9).frame,
                                b.element("Avionics_Panel", 10).frame, b.element("Avionics_Panel", 7).frame};
    };
    const auto readout = [&] { return b.element("LCD_VC", 1).text; };
    EXPECT_EQ(digits(), (std::vector<int>{-1, -1, -1, -1}));
    EXPECT_EQ(readout(), "");

    EXPECT_EQ(click_heard(b, READ_VOLTAGE), (Sound{2, 10000}));
    frames(b, 1);
    EXPECT_EQ(digits(), (std::vector<int>{0, 2, 8, 0}));
    EXPECT_EQ(b.element("Avionics_Panel", 6).frame, 0);  // the DVM symbol
    EXPECT_EQ(readout(), "028.0");

    // The breaker pulled blanks the panel's digits, not the virtual cockpit's readout.
    click(b, DVM_BREAKER);
    frames(b, 1);
    EXPECT_EQ(b.element("Avionics_Panel", 3).frame, 0);  // the pulled breaker shows
    EXPECT_EQ(digits(), (std::vector<int>{-1, -1, -1, -1}));
    EXPECT_EQ(readout(), "028.0");
    click(b, DVM_BREAKER);

    // Without DC power both are blank.
    b.set(BATTERY, 0);
    frames(b, 2);
    EXPECT_EQ(digits(), (std::vector<int>{-1, -1, -1, -1}));
    EXPECT_EQ(readout(), "");

    // Ground power charges the start battery to 124 V; "Restore volts" does so too.
    click(b, GROUND_POWER);
    frames(b, 2);
    EXPECT_EQ(b.get(START_VOLTS), 124);
    EXPECT_EQ(digits(), (std::vector<int>{1, 2, 4, 0}));
    EXPECT_EQ(readout(), "124.0");
    b.set(START_VOLTS, 130);  // a higher voltage is left alone
    frames(b, 2);
    EXPECT_EQ(b.get(START_VOLTS), 130);
    click(b, GROUND_POWER);
    b.set(START_VOLTS, 20);
    b.set(BATTERY, 2);
    frames(b, 2);
    EXPECT_EQ(b.get(START_VOLTS), 20);
    EXPECT_EQ(click_heard(b, RESTORE_VOLTS), (Sound{0, 0}));
    EXPECT_EQ(b.get(START_VOLTS), 124);

    // "Read voltage" from the virtual cockpit lets go of the button.
    b.key(69731);
    frames(b, 1);
    EXPECT_EQ(readout(), "");
}

TEST(Electrical, BatterySwitchWorksAlikeFromTheTakeoffPanelAndTheVirtualCockpit) {
    bench::Bench b;
    started(b);
    b.window("open", 500);
    EXPECT_EQ(b.tooltip(BATTERY_SWITCH.gauge, BATTERY_SWITCH.x, BATTERY_SWITCH.y), "Aircraft Battery");
    struct Step {
        std::uint32_t button;
        double position, lever, guard;
    };
    // From 3 (guard shut over the switch): guard open, off, guard shut; a left click at 0
    // does nothing.
    for (const Step& s : {Step{RIGHT, 2, 1, 1}, Step{LEFT, 1, 0, 1}, Step{RIGHT, 0, 0, 0}, Step{LEFT, 0, 0, 0}}) {
        EXPECT_EQ(click_heard(b, BATTERY_SWITCH, s.button), (Sound{3, 9000}));
        EXPECT_EQ(b.get(BATTERY), s.position);
        EXPECT_EQ(b.get(BATTERY_LEVER), s.lever);
        EXPECT_EQ(b.get(BATTERY_GUARD), s.guard);
    }
    frames(b, 2);
    EXPECT_EQ(b.element("TO_Panel", 10).frame, 0);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);

    // The virtual cockpit: the lever does not move under the shut guard; guard open, lever
    // on, guard shut over it. No click of its own.
    EXPECT_EQ(vc_heard(b, 69699), (Sound{0, 0}));
    EXPECT_EQ(b.get(BATTERY), 0);
    b.key(69698);
    EXPECT_EQ(b.get(BATTERY), 1);
    b.key(69699);
    EXPECT_EQ(b.get(BATTERY), 2);
    b.key(69698);
    EXPECT_EQ(b.get(BATTERY), 3);
    frames(b, 2);
    EXPECT_EQ(b.element("TO_Panel", 10).frame, 3);
    EXPECT_EQ(b.get(SIM_BATTERY), 1);
    // The 2D switch goes on from where the virtual cockpit left it.
    click(b, BATTERY_SWITCH, RIGHT);
    EXPECT_EQ(b.get(BATTERY), 2);
    EXPECT_EQ(b.get(BATTERY_GUARD), 1);
}

TEST(Electrical, EmergencyAvionicsGuardAndLeverFromBothCockpits) {
    bench::Bench b;
    started(b);
    const char* position = "L:ElecStart_EMGAv_position, number";
    const char* lever = "L:Avpan_emergency_avionics,bool";
    const char* guard = "L:Avpan_emerg_avionics_guard,bool";
    ASSERT_EQ(b.get(position), 0);
    EXPECT_EQ(click_heard(b, EMERGENCY_AVIONICS, LEFT), (Sound{3, 10000}));  // a left click at 0: nothing
    EXPECT_EQ(b.get(position), 0);
    click(b, EMERGENCY_AVIONICS, RIGHT);
    EXPECT_EQ(b.get(position), 1);
    click(b, EMERGENCY_AVIONICS, LEFT);
    EXPECT_EQ(b.get(position), 2);
    EXPECT_EQ(b.get(lever), 1);
    EXPECT_EQ(b.get(guard), 1);
    click(b, EMERGENCY_AVIONICS, LEFT);
    click(b, EMERGENCY_AVIONICS, RIGHT);
    EXPECT_EQ(b.get(position), 0);
    EXPECT_EQ(b.get(lever), 0);
    EXPECT_EQ(b.get(guard), 0);

    // The lever thrown with the guard shut moves the lever but not the switch; opening the
    // guard then gives 2.
    EXPECT_EQ(vc_heard(b, 69732), (Sound{2, 10000}));
    EXPECT_EQ(b.get(lever), 1);
    EXPECT_EQ(b.get(position), 0);
    EXPECT_EQ(vc_heard(b, 69733), (Sound{3, 10000}));
    EXPECT_EQ(b.get(position), 2);

    // The avionics master sets the simulator's switch to its own position.
    b.mark();
    EXPECT_EQ(click_heard(b, AVIONICS_MASTER), (Sound{2, 10000}));
    EXPECT_EQ(b.get("L:ElecStart_AvsOnOffPos, bool"), 0);
    EXPECT_EQ(count_key(b, 66701, 0), 1u);
    EXPECT_EQ(b.get("A:AVIONICS MASTER SWITCH, bool"), 0);
    click(b, AVIONICS_MASTER);
    EXPECT_EQ(count_key(b, 66701, 1), 1u);
    EXPECT_EQ(b.get("A:AVIONICS MASTER SWITCH, bool"), 1);
}

TEST(GroundPower, OnTheGroundItPowersTheBusAndPutsOutTheUnitsOnce) {
    bench::Bench b;
    started(b);
    b.set(BATTERY, 0);
    frames(b, 2);
    ASSERT_EQ(b.get(DC), 0);
    b.mark();
    EXPECT_EQ(b.tooltip(GROUND_POWER.gauge, GROUND_POWER.x, GROUND_POWER.y), "Ground power");
    EXPECT_EQ(click_heard(b, GROUND_POWER), (Sound{2, -10000}));
    frames(b, 2);
    EXPECT_EQ(b.get("L:TarmelonGroundPower, bool"), 1);
    EXPECT_EQ(b.get("L:GPUtugged, bool"), 1);
    EXPECT_EQ(b.get("L:GroundUnitsShow, bool"), 1);
    EXPECT_EQ(b.get(DC), 1);
    EXPECT_EQ(b.get(BUSBAR), 120);
    EXPECT_EQ(b.get(SIM_BATTERY), 1);  // the battery is on line with ground power
    b.window("open", 200);
    frames(b, 1);
    EXPECT_EQ(b.element("Trim_Panel", 18).frame, 1);

    b.key(69664);  // off again from the virtual cockpit, and on: the units exist already
    frames(b, 2);
    EXPECT_EQ(b.get(DC), 0);
    EXPECT_EQ(b.get("L:GroundUnitsShow, bool"), 0);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);
    b.key(69664);
    frames(b, 2);
    EXPECT_EQ(b.get(DC), 1);
    EXPECT_EQ(scenario::count_prefix(b.simconnect_log(), "SimConnect_AICreateSimulatedObject(\"VK_Tarmelon_GPU\""), 1u);
    EXPECT_EQ(scenario::count_prefix(b.simconnect_log(), "SimConnect_AICreateSimulatedObject(\"VK_Tarmelon_BCU\""), 1u);
}

TEST(GroundPower, InTheAirItPowersNothingAndTheMenuCanStillDisconnectIt) {
    bench::Bench b;
    started(b);
    b.set(BATTERY, 0);
    click(b, GROUND_POWER);
    seconds(b, 1);
    ASSERT_EQ(b.get(DC), 1);
    b.set("A:SIM ON GROUND, bool", 0);
    seconds(b, 2);  // the once-a-second report
    EXPECT_EQ(b.get("L:TarmelonGroundPower, bool"), 1);
    EXPECT_EQ(b.get("L:GroundUnitsShow, bool"), 0);
    EXPECT_EQ(b.get(DC), 0);

    // The menu's ground power units item disconnects it in the air ...
    b.exec("menu 58");
    frames(b, 2);
    EXPECT_EQ(b.get("L:TarmelonGroundPower, bool"), 0);
    // ... so that the aircraft lands without it.
    b.set("A:SIM ON GROUND, bool", 1);
    seconds(b, 2);
    EXPECT_EQ(b.get(DC), 0);
    // On the ground the item connects and disconnects it with the units.
    b.exec("menu 58");
    frames(b, 2);
    EXPECT_EQ(b.get("L:GroundUnitsShow, bool"), 1);
    EXPECT_EQ(b.get(DC), 1);
    b.exec("menu 58");
    frames(b, 2);
    EXPECT_EQ(b.get("L:GroundUnitsShow, bool"), 0);
    EXPECT_EQ(b.get(DC), 0);
}

// Every toggle the simulator applies a frame late; the module must send each once.
TEST(LateToggles, TheSimulatorsSwitchesSettleWithOneToggleEach) {
    bench::Options options;
    options.late_toggles = true;
    bench::Bench b(options);
    started(b);
    seconds(b, 2);
    // At rest the simulator had both alternators on; with the engines stopped each went off
    // with one toggle.
    EXPECT_EQ(b.get(SIM_ALTERNATOR1), 0);
    EXPECT_EQ(b.get(SIM_ALTERNATOR2), 0);
    EXPECT_EQ(b.get(SIM_BATTERY), 1);

    b.mark();
    b.set(BATTERY, 0);
    engine_rpm(b, 50, 50);
    b.set("L:StrobeSwitch2, number", 2);  // cabin light on, logo light off
    seconds(b, 3);
    EXPECT_EQ(count_key(b, KEY_TOGGLE_MASTER_BATTERY), 1u);
    EXPECT_EQ(count_key(b, KEY_TOGGLE_ALTERNATOR1), 1u);
    EXPECT_EQ(count_key(b, KEY_TOGGLE_ALTERNATOR2), 1u);
    EXPECT_EQ(count_key(b, 66579), 1u);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1), 1);
    EXPECT_EQ(b.get(SIM_ALTERNATOR2), 1);
    EXPECT_EQ(b.get("A:LIGHT CABIN, bool"), 1);

    // Switched back and forth on consecutive frames: the simulator ends where the cockpit is.
    b.mark();
    click(b, BREAKER_1);
    frames(b, 1);
    click(b, BREAKER_1);
    frames(b, 1);
    click(b, BREAKER_1);
    seconds(b, 3);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1), 0);
    EXPECT_LE(count_key(b, KEY_TOGGLE_ALTERNATOR1), 3u);
    b.mark();
    seconds(b, 3);
    EXPECT_EQ(count_key(b, KEY_TOGGLE_ALTERNATOR1), 0u);
    EXPECT_EQ(count_key(b, KEY_TOGGLE_MASTER_BATTERY), 0u);
}

TEST(LateToggles, AToggleTheSimulatorDroppedIsSentAgain) {
    bench::Bench b;
    started(b);
    b.set(BATTERY, 0);
    seconds(b, 1);
    ASSERT_EQ(b.get(SIM_BATTERY), 0);
    // The simulator's battery comes on by itself (its own key, say): the module switches it
    // off again, once, and once more if that toggle is lost.
    b.mark();
    b.set(SIM_BATTERY, 1);
    frames(b, 1);
    EXPECT_EQ(count_key(b, KEY_TOGGLE_MASTER_BATTERY), 1u);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);
    b.set(SIM_BATTERY, 1);  // as if that toggle had not happened
    seconds(b, 1);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);
    EXPECT_EQ(count_key(b, KEY_TOGGLE_MASTER_BATTERY), 2u);
}


TEST(ElectricalPersistence, SwitchesComeBackWithTheSavedFlightAndTheVirtualCockpitFollows) {
    scenario::TempRoot root;
    {
        bench::Bench b(root.options());
        started(b);
        click(b, BATTERY_SWITCH, RIGHT);  // 3 to 2
        click(b, BATTERY_SWITCH, LEFT);   // 2 to 1: guard open, off
        b.key(69665);                     // generator 2 off
        b.key(69667);                     // inverter 6 off
        click(b, EMERGENCY_AVIONICS, RIGHT);
        click(b, EMERGENCY_AVIONICS, LEFT);  // 2: on
        b.key(69734);                     // ground test guard open: 1
        click(b, BREAKER_1);
        click(b, INVERTER_SELECTOR, RIGHT);  // 1
        seconds(b, 1);
        b.exec("save \"C:\\Flights\\Electrics.FLT\"");
        frames(b, 3);
        ASSERT_EQ(scenario::count_lines(b.texts(), "Panel state saved"), 1u);
    }
    bench::Bench b(root.options("C:\\Flights\\Electrics.FLT"));
    seconds(b, 2);
    ASSERT_EQ(scenario::count_lines(b.texts(), "Panel state loaded"), 1u);
    EXPECT_EQ(b.get(BATTERY), 1);
    EXPECT_EQ(b.get("L:GEN1OnOffPos, number"), 1);
    EXPECT_EQ(b.get("L:GEN2OnOffPos, number"), 0);
    EXPECT_EQ(b.get("L:Inverter6, number"), 0);
    EXPECT_EQ(b.get("L:ElecStart_EMGAv_position, number"), 2);
    EXPECT_EQ(b.get("L:GroundTestPos, number"), 1);
    EXPECT_EQ(b.get("L:Gen1CircuitBreaker, bool"), 1);
    EXPECT_EQ(b.get("L:inv12SelPos, number"), 1);
    // The virtual cockpit's levers and guards show the restored switches ...
    EXPECT_EQ(b.get(BATTERY_LEVER), 0);
    EXPECT_EQ(b.get(BATTERY_GUARD), 1);
    EXPECT_EQ(b.get("L:Avpan_emergency_avionics,bool"), 1);
    EXPECT_EQ(b.get("L:Avpan_emerg_avionics_guard,bool"), 1);
    EXPECT_EQ(b.get("L:lightpan_Inv2_test_guard,number"), 50);
    EXPECT_EQ(b.get("L:Lightpan_inv2_test,bool"), 0);
    // ... so shutting the battery guard there leaves the battery off.
    b.key(69698);
    EXPECT_EQ(b.get(BATTERY), 0);
    // And the aircraft follows: no source, so no DC power, the simulator's battery off.
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
    b.mark();
    ASSERT_GE(b.click("Panel_Selector", 95, 100, LEFT), 0);  // Power: cold and dark
    frames(b, 2);
    EXPECT_EQ(b.get(DC), 0);
    EXPECT_EQ(b.get(BUSBAR), 0);
    EXPECT_EQ(b.get(SIM_BATTERY), 0);
    EXPECT_EQ(b.get("A:AVIONICS MASTER SWITCH, bool"), 0);
    EXPECT_EQ(b.get("L:Gen1CircuitBreaker, bool"), 1);
    EXPECT_EQ(b.get(BATTERY_LEVER), 0);
    EXPECT_EQ(b.get(BATTERY_GUARD), 0);

    // Battery from the virtual cockpit: guard, lever.
    b.key(69698);
    b.key(69699);
    frames(b, 2);
    EXPECT_EQ(b.get(BATTERY), 2);
    EXPECT_EQ(b.get(BUSBAR), 102);
    EXPECT_EQ(b.get(SIM_BATTERY), 1);
    // Ground power from the virtual cockpit.
    b.key(69664);
    frames(b, 2);
    EXPECT_EQ(b.get(BUSBAR), 120);
    // Breakers in (2D only), generators and inverter 6 on from the virtual cockpit, the
    // avionics master on.
    click(b, BREAKER_1);
    click(b, BREAKER_2);
    b.key(69666);
    b.key(69665);
    b.key(69667);
    click(b, AVIONICS_MASTER);
    EXPECT_EQ(b.get("A:AVIONICS MASTER SWITCH, bool"), 1);
    // The engines run: both generators on line, and ground power can go.
    engine_rpm(b, 55, 55);
    frames(b, 2);
    EXPECT_EQ(b.get(SIM_ALTERNATOR1), 1);
    EXPECT_EQ(b.get(SIM_ALTERNATOR2), 1);
    b.key(69664);
    frames(b, 2);
    EXPECT_EQ(b.get("L:GroundUnitsShow, bool"), 0);
    EXPECT_EQ(b.get(BUSBAR), 120);
    EXPECT_EQ(b.get("L:Gen1FailLight,bool"), 1);
    EXPECT_EQ(b.get("L:Gen2FailLight,bool"), 1);
    EXPECT_EQ(b.get("L:Elec_STATUS_inv2, bool"), 1);
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

}  // namespace
