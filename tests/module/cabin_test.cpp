// The cabin as the crew lives in it: the cabin altitude following the pressurisation schedule
// or the dump valve, the cabin temperature control, the heating, ventilation and anti-ice
// switches, and the oxygen regulator with its flow indicators and contents.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "scenario.h"

namespace {

namespace fs = std::filesystem;
constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t RIGHT = 0x80000000;
constexpr std::uint32_t RELEASE = 0x00020000;
constexpr std::uint32_t REPEAT = 0x00200000;

// The cabin altitude the take-off panel's needle shows, in feet.
double cabin_feet(const bench::Bench& b) { return b.element("TO_Panel", 4).value * 1000.0; }

// A ready aircraft with the take-off panel open (its update runs the cabin).
void ready_with_takeoff_panel(bench::Bench& b) {
    scenario::settle(b);
    b.window("open", 500);
    b.frames(1);
}

TEST(Cabin, PressurisedCabinJumpsToTheScheduleClimbingAndSinksTenFeetAnUpdateDescending) {
    bench::Bench b;
    ready_with_takeoff_panel(b);
    b.set("A:PLANE ALTITUDE, feet", 40000);
    b.frames(2);
    EXPECT_NEAR(cabin_feet(b), 22000, 1e-6);
    EXPECT_EQ(b.tooltip("TO_Panel", 100, 500), "Cabin Altitude [22000 Feet]");
    EXPECT_EQ(b.get("L:CabinAltNeedleVC, number"), 349);  // between 10000 (91) and 30000 (522)
    EXPECT_EQ(b.get("L:Cabin_pressure_fail_light, bool"), 0);

    b.set("A:PLANE ALTITUDE, feet", 4000);
    b.frames(100);
    EXPECT_NEAR(cabin_feet(b), 21000, 0.5);
    b.frames(1800);  // down to the schedule, then on it
    EXPECT_NEAR(cabin_feet(b), 4000, 1e-6);

    // The warning lamp: dark with the cabin at exactly 34000 ft, lit above.
    b.set("A:PLANE ALTITUDE, feet", 64000);
    b.frames(2);
    EXPECT_NEAR(cabin_feet(b), 34000, 1e-6);
    EXPECT_EQ(b.get("L:Cabin_pressure_fail_light, bool"), 0);
    b.set("A:PLANE ALTITUDE, feet", 64100);
    b.frames(2);
    EXPECT_EQ(b.get("L:Cabin_pressure_fail_light, bool"), 1);
    // Beyond the altimeter's 50000 ft the needle stays where it was.
    const double needle = b.get("L:CabinAltNeedleVC, number");
    b.set("A:PLANE ALTITUDE, feet", 120000);
    b.frames(2);
    EXPECT_EQ(b.get("L:CabinAltNeedleVC, number"), needle);
}

TEST(Cabin, DumpValveClimbsTheCabinTowardsTheAircraftAndLightsItsLamp) {
    bench::Bench b;
    ready_with_takeoff_panel(b);
    b.window("open", 1100);
    b.set("A:PLANE ALTITUDE, feet", 30000);
    b.frames(2);
    ASSERT_NEAR(cabin_feet(b), 17000, 1e-6);
    // Guard open, switch off: no dump.
    b.click("Throttles_Panel", 300, 300, RIGHT);
    ASSERT_EQ(b.get("L:PressureDump_SwitchPos, number"), 1);
    b.frames(5);
    EXPECT_NEAR(cabin_feet(b), 17000, 1e-6);
    EXPECT_EQ(b.get("L:Dump_Valve_Light, bool"), 0);
    // Dumping: 100 ft an update up towards the aircraft.
    b.click("Throttles_Panel", 300, 300, LEFT);
    ASSERT_EQ(b.get("L:PressureDump_SwitchPos, number"), 2);
    b.frames(10);
    EXPECT_NEAR(cabin_feet(b), 18000, 1.0);
    EXPECT_EQ(b.get("L:Dump_Valve_Light, bool"), 1);
    // The aircraft descends below the cabin: the cabin drops to it at once.
    b.set("A:PLANE ALTITUDE, feet", 10000);
    b.frames(1);
    EXPECT_NEAR(cabin_feet(b), 10000, 1e-6);
    // Closed again: the schedule takes over.
    b.click("Throttles_Panel", 300, 300, LEFT);
    b.frames(2);
    EXPECT_NEAR(cabin_feet(b), 9980, 1.0);
    EXPECT_EQ(b.get("L:Dump_Valve_Light, bool"), 0);
    // The lamp test lights it.
    b.set("L:dump_valve_press,bool", 1);
    b.frames(1);
    EXPECT_EQ(b.get("L:Dump_Valve_Light, bool"), 1);
}

TEST(Cabin, TemperatureControlStepsWhileHeldSpringsBackAndNeedsEngineAir) {
    bench::Bench b;
    ready_with_takeoff_panel(b);
    ASSERT_EQ(b.get("L:EngineAir1_switch, bool"), 1);  // the ready preset's engine air
    b.set("L:Tarmelon_Click1, number", 0);
    b.click("TO_Panel", 1100, 700, LEFT);  // warmer: selector to 2, one step
    EXPECT_EQ(b.get("L:cabinAirSelPos, number"), 2);
    EXPECT_EQ(b.get("L:tempSelChange, bool"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Click1Pan, number"), 9000);
    for (int i = 0; i < 5; ++i) b.click("TO_Panel", 1100, 700, REPEAT);
    b.frames(40);  // held: no spring-back
    EXPECT_EQ(b.get("L:cabinAirSelPos, number"), 2);
    EXPECT_EQ(b.element("TO_Panel", 3).value, 6);
    b.click("TO_Panel", 1100, 700, RELEASE);
    b.frames(1);
    EXPECT_EQ(b.element("TO_Panel", 3).value, 7);
    EXPECT_EQ(b.get("L:tempSelChange, bool"), 0);
    b.frames(18);
    EXPECT_EQ(b.get("L:cabinAirSelPos, number"), 1);
    EXPECT_EQ(b.element("TO_Panel", 11).frame, 1);
    // The virtual cockpit's needle creeps towards 7 x 1000 / 120 = 58: 5 a frame, 1 near it.
    EXPECT_EQ(b.get("L:cabinTempValNeedleVC,number"), 58);

    // The virtual cockpit's hot/cold switch runs the setting up while held at hot.
    b.set("L:TO_HotColdVC,enum", 0);
    b.frames(200);
    b.set("L:TO_HotColdVC,enum", 1);
    b.frames(2);
    EXPECT_EQ(b.element("TO_Panel", 3).value, 120);
    // Both engine air switches off hold the setting at 0; each click sounds 2, then 3.
    b.set("L:Tarmelon_Click2, number", 0);
    b.set("L:Tarmelon_Click3, number", 0);
    b.click("TO_Panel", 600, 720, LEFT);
    EXPECT_EQ(b.get("L:Tarmelon_Click2, number"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Click3, number"), 1);
    b.key(69697);
    EXPECT_EQ(b.get("L:EngineAir2_switch, bool"), 0);
    b.frames(2);
    EXPECT_EQ(b.element("TO_Panel", 3).value, 0);
    b.click("TO_Panel", 1100, 700, LEFT);
    b.frames(2);
    EXPECT_EQ(b.element("TO_Panel", 3).value, 0);
}

TEST(Cabin, HeatingVentilationAndAntiIceSwitchesWorkFromBothCockpits) {
    bench::Bench b;
    ready_with_takeoff_panel(b);
    b.mark();
    // Canopy heat (on after the ready preset): off also clears its output.
    b.set("L:Canopy Heat, bool", 1);
    b.click("TO_Panel", 60, 200, LEFT);
    EXPECT_EQ(b.get("L:Canopy Heat Position, bool"), 0);
    EXPECT_EQ(b.get("L:Canopy Heat, bool"), 0);
    b.key(69684);
    EXPECT_EQ(b.get("L:Canopy Heat Position, bool"), 1);
    // Pitot heat: switching on sends 66074 [1]; switching off sends nothing.
    b.key(69685);
    EXPECT_EQ(b.get("L:Pitot Heat Position, bool"), 1);
    EXPECT_EQ(scenario::count_key(b, 66074, 1), 1u);
    EXPECT_EQ(b.get("A:PITOT HEAT, bool"), 1);
    b.click("TO_Panel", 160, 160, LEFT);
    EXPECT_EQ(scenario::count_key(b, 66074), 1u);
    // Vent valves: off clears the output.
    b.key(69686);
    b.set("L:VentValves, bool", 1);
    b.key(69686);
    EXPECT_EQ(b.get("L:VentValves, bool"), 0);
    // Compass / gyro: both variables.
    b.key(69689);
    EXPECT_EQ(b.get("L:CompassGyro_switch, bool"), 1);
    EXPECT_EQ(b.get("L:CompassGyro_switch_pos, bool"), 1);
    b.frames(1);
    EXPECT_EQ(b.element("TO_Panel", 12).frame, 1);
    // Anti-ice on the trim panel: the simulator's engine anti-ice follows, click 3 left.
    b.window("open", 200);
    b.set("L:Tarmelon_Click3, number", 0);
    b.click("Trim_Panel", 700, 450, LEFT);
    EXPECT_EQ(b.get("L:Tarmelon_Click3Pan, number"), -10000);
    EXPECT_EQ(scenario::count_key(b, 66488, 1), 1u);
    EXPECT_EQ(b.get("A:ENG ANTI ICE:1, bool"), 1);
    b.key(69651);
    b.key(69651);
    EXPECT_EQ(scenario::count_key(b, 66489, 1), 1u);
    EXPECT_EQ(scenario::count_key(b, 66489, 0), 1u);
    EXPECT_EQ(b.get("A:ENG ANTI ICE:2, bool"), 0);
}

// The oxygen panel open on a ready aircraft.
void ready_with_oxygen_panel(bench::Bench& b) {
    scenario::settle(b);
    b.window("open", 600);
    b.frames(1);
}

TEST(Oxygen, RegulatorShowsTheSupplyWithPowerAndTheValveOpen) {
    bench::Bench b;
    ready_with_oxygen_panel(b);
    const double psi = b.element("Oxygen_Panel", 2).value;
    EXPECT_GE(psi, 200);
    EXPECT_LE(psi, 399);
    EXPECT_EQ(b.tooltip("Oxygen_Panel", 200, 200), "Regulator Pressure Gauge [" + std::to_string(int(psi)) + " PSI]");
    EXPECT_EQ(b.get("L:OxyPanel_Pressure, number"), psi);
    EXPECT_EQ(b.get("L:Oxypan_oxygen_needle,number"), int(psi) * 1000 / 500);
    EXPECT_EQ(b.element("Oxygen_Panel", 1).frame, 0);  // valve lamp lit
    b.set("L:Tarmelon_Click1, number", 0);
    b.click("Oxygen_Panel", 150, 560, LEFT);
    EXPECT_EQ(b.get("L:Tarmelon_Click1Pan, number"), 10000);
    EXPECT_EQ(b.get("L:OxySelectorSwitch, bool"), 0);
    EXPECT_EQ(b.get("L:OxySelectorSwitchPos, bool"), 0);
    b.frames(1);
    EXPECT_EQ(b.element("Oxygen_Panel", 2).value, 0);
    EXPECT_EQ(b.element("Oxygen_Panel", 1).frame, -1);
    EXPECT_EQ(b.get("L:Oxypan_oxygen_needle,number"), 0);
    b.key(69730);
    b.frames(1);
    EXPECT_EQ(b.element("Oxygen_Panel", 2).value, psi);
    // The air inlet: 100 % lights its lamp; the virtual cockpit's copy is the inverse.
    b.key(69729);
    EXPECT_EQ(b.get("L:OxyPercentSwitch, bool"), 1);
    EXPECT_EQ(b.get("L:OxyPercentSwitchPos, bool"), 1);
    EXPECT_EQ(b.get("L:OxyPercentSwitchVC, bool"), 0);
    b.frames(1);
    EXPECT_EQ(b.element("Oxygen_Panel", 3).frame, 0);
}

TEST(Oxygen, ManualSelectorStepsByTwoAndNamesOnlyItsOwnPositions) {
    bench::Bench b;
    ready_with_oxygen_panel(b);
    std::vector<double> seen;
    for (int i = 0; i < 4; ++i) {  // lower half: 2, 4, 6, then stays at 6
        b.click("Oxygen_Panel", 150, 450, LEFT);
        b.frames(1);
        seen.push_back(b.get("L:OxyPanel_ModeSelectorPos, number"));
    }
    EXPECT_EQ(seen, (std::vector<double>{2, 4, 6, 6}));
    EXPECT_EQ(b.get("L:Oxypan_rotary_test,number"), 100);
    EXPECT_EQ(b.element("Oxygen_Panel", 4).frame, 6);
    b.click("Oxygen_Panel", 150, 370, LEFT);  // upper half
    b.frames(1);
    EXPECT_EQ(b.get("L:Oxypan_rotary_test,number"), 66);
    EXPECT_EQ(b.get("L:OxyPanel_ModeSelectorPos_new,number"), 4);
    // Values it never takes (a hand-edited state): the picture stays within its eight
    // frames and the animation keeps its last position.
    b.set("L:OxyPanel_ModeSelectorPos, number", 99);
    b.frames(1);
    EXPECT_EQ(b.element("Oxygen_Panel", 4).frame, 7);
    EXPECT_EQ(b.get("L:Oxypan_rotary_test,number"), 66);
    b.set("L:OxyPanel_ModeSelectorPos, number", -3);
    b.frames(1);
    EXPECT_EQ(b.element("Oxygen_Panel", 4).frame, 0);
    EXPECT_EQ(b.get("L:Oxypan_rotary_test,number"), 66);
}

// Each value a variable takes over some frames, once per change.
std::vector<double> changes(bench::Bench& b, const char* variable, int frames) {
    std::vector<double> seen{b.get(variable)};
    for (int i = 0; i < frames; ++i) {
        b.frames(1);
        if (b.get(variable) != seen.back()) seen.push_back(b.get(variable));
    }
    return seen;
}

TEST(Oxygen, FlowIndicatorsBlinkAtNormalBreathingAndTheNavigatorsNeedsHimAboard) {
    scenario::TempRoot root;
    bench::Bench b(root.options());
    ready_with_oxygen_panel(b);
    ASSERT_EQ(b.get("L:OxyPanel_ModeSelectorPos, number"), 0);
    // Pilot: every 20 ticks; the navigator's compartment is not manned: dark.
    const auto pilot = changes(b, "L:OxyLight_norm, bool", 100);
    EXPECT_GE(pilot.size(), 5u);
    EXPECT_EQ(b.get("L:NavOxyLight, bool"), 0);
    EXPECT_EQ(b.get("L:PilotsOxyLight,number"), b.get("L:OxyLight_norm, bool") * 100);
    // Another position: steady.
    b.click("Oxygen_Panel", 150, 450, LEFT);
    b.frames(21);
    EXPECT_EQ(changes(b, "L:OxyLight_norm, bool", 60), std::vector<double>{1});
    EXPECT_EQ(b.element("Oxygen_Panel", 5).frame, 0);
    // Valve shut: out.
    b.key(69730);
    b.frames(21);
    EXPECT_EQ(b.get("L:OxyLight_norm, bool"), 0);
    EXPECT_EQ(b.get("L:PilotsOxyLight,number"), 0);

    // With the compartment manned, the navigator's indicator blinks every 26 ticks.
    b.unload();
    const fs::path cfg = root.path() / "SimObjects" / "Airplanes" / "VK_Tarmelon" / "aircraft.cfg";
    fs::create_directories(cfg.parent_path());
    std::ofstream(cfg) << "[WEIGHT_AND_BALANCE]\r\nNavCompartmentStatus=Manned\r\n";
    b.load();
    ready_with_oxygen_panel(b);
    std::vector<int> at;  // frames at which it changed
    double last = b.get("L:NavOxyLight, bool");
    for (int i = 0; i < 80; ++i) {
        b.frames(1);
        if (b.get("L:NavOxyLight, bool") != last) at.push_back(i), last = b.get("L:NavOxyLight, bool");
    }
    ASSERT_GE(at.size(), 2u);
    EXPECT_EQ(at[1] - at[0], 26);
    EXPECT_EQ(b.get("L:NavigatorOxyLight,number"), last * 100);
}

TEST(Oxygen, ContentsFallOneOrTwoEveryFifteenSecondsAndNeverBelowEmpty) {
    bench::Options slow;
    slow.fps = 1;  // a frame a simulated second: the long run stays quick
    bench::Bench b(slow);
    b.frames(10);
    b.window("open", 600);
    ASSERT_EQ(b.get("L:OXY_needle1,number"), 2250);
    ASSERT_EQ(b.get("L:OXY_needle2,number"), 2250);
    b.seconds(600);  // normal: 40 steps of 1
    const double after_normal = b.get("L:OXY_needle1,number");
    EXPECT_NEAR(after_normal, 2250 - 40, 1);
    EXPECT_EQ(b.get("L:OXY_needle2,number"), after_normal);
    b.key(69729);  // 100 %: 2 a step
    b.seconds(600);
    EXPECT_NEAR(b.get("L:OXY_needle1,number"), after_normal - 80, 2);
    b.seconds(17000);  // long enough to empty both bottles
    EXPECT_EQ(b.get("L:OXY_needle1,number"), 0);
    EXPECT_EQ(b.get("L:OXY_needle2,number"), 0);
}

TEST(Oxygen, WithoutDcPowerTheGaugesReadZeroAndNothingIsUsed) {
    bench::Bench b;
    b.start("cold-and-dark");
    b.window("open", 600);
    b.key(69730);  // the cold preset shut the valve; open it
    ASSERT_EQ(b.get("L:OxySelectorSwitch, bool"), 1);
    b.seconds(60);
    EXPECT_EQ(b.get("L:OXY_needle1,number"), 0);
    EXPECT_EQ(b.get("L:OXY_needle2,number"), 0);
    EXPECT_EQ(b.element("Oxygen_Panel", 2).value, 0);
    EXPECT_EQ(b.get("L:CabinAltNeedleVC, number"), 0);
    b.set("L:dump_valve_press,bool", 1);  // the dump valve lamp's test needs power too
    b.frames(1);
    EXPECT_EQ(b.get("L:Dump_Valve_Light, bool"), 0);
    // Power back (ground power): the bottles are as full as they were.
    b.window("open", 200);
    b.click("Trim_Panel", 1740, 900, LEFT);
    b.seconds(2);
    EXPECT_EQ(b.get("L:OXY_needle1,number"), 2250);
}

}  // namespace
