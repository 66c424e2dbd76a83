// Trims, airbrakes, the nosewheel mode and the pilot's control inputs, through the bench:
// trim selectors with their timed spring-back, the dive-brake selector and lever, steering
// and rudder braking by configuration, gating by hydraulic pressure and the gearing switch.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "scenario.h"

namespace {

using scenario::count_key;

constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t REPEAT = 0x00200000;
constexpr std::uint32_t RELEASE = 0x00020000;
constexpr int TRIM_WINDOW = 200;

std::vector<long long> transmitted(const bench::Bench& b, int event) {
    const std::string head = "SimConnect_TransmitClientEvent(0, " + std::to_string(event) + ", ";
    std::vector<long long> data;
    for (const std::string& line : b.simconnect_log())
        if (line.rfind(head, 0) == 0) data.push_back(std::stoll(line.substr(head.size())));
    return data;
}

// The click heard last (sound, pan), the triggers cleared first.
template <typename Act>
std::vector<double> heard(bench::Bench& b, Act act) {
    for (const char* t : {"L:Tarmelon_Click1, number", "L:Tarmelon_Click2, number", "L:Tarmelon_Click3, number"})
        b.set(t, 0);
    act();
    for (int n : {1, 2, 3}) {
        const std::string sound = "L:Tarmelon_Click" + std::to_string(n);
        if (b.get(sound + ", number") == 1) return {static_cast<double>(n), b.get(sound + "Pan, number")};
    }
    return {0, 0};
}

std::filesystem::path panel_folder(const scenario::TempRoot& root) {
    const auto folder = root.path() / "SimObjects" / "Airplanes" / "VK_Tarmelon" / "panel";
    std::filesystem::create_directories(folder);
    return folder;
}

TEST(Trims, AHeldSelectorTrimsEveryFrameAndSpringsBackWithinASecondOfRelease) {
    bench::Bench b;
    b.start("ready");
    b.window("open", TRIM_WINDOW);
    b.frames(20);  // the spring-back clocks armed
    b.mark();
    // A click on the aileron decrease half: one trim event at once, with its click.
    EXPECT_EQ(heard(b, [&] { b.click("Trim_Panel", 1400, 700, LEFT); }), (std::vector<double>{1, -10000}));
    EXPECT_EQ(b.get("L:aileronTrimSelPos, number"), 0);
    EXPECT_EQ(b.get("L:ailTrimChange, bool"), 1);
    EXPECT_EQ(count_key(b, 66276, 1), 1u);
    // Held (repeats) for two seconds: it stays at its end and trims every frame.
    for (int i = 0; i < 36; ++i) {
        b.click("Trim_Panel", 1400, 700, REPEAT);
        b.frames(1);
    }
    EXPECT_EQ(b.get("L:aileronTrimSelPos, number"), 0);
    EXPECT_EQ(b.get("L:Tarmelon_Trimpan_Aileron, number"), 0);
    EXPECT_GE(count_key(b, 66276, 1), 72u);
    EXPECT_LT(b.get("A:AILERON TRIM, degrees"), -5);
    // Released: the event again, then back to centre within a second, and no more trimming.
    b.click("Trim_Panel", 1400, 700, RELEASE);
    EXPECT_EQ(b.get("L:ailTrimChange, bool"), 0);
    b.frames(19);
    EXPECT_EQ(b.get("L:aileronTrimSelPos, number"), 1);
    EXPECT_EQ(b.element("Trim_Panel", 15).frame, 1);
    b.mark();
    b.frames(5);
    EXPECT_EQ(count_key(b, 66276), 0u);
    EXPECT_EQ(b.get("L:Tarmelon_Trimpan_Aileron, number"), 1);
    // The timer's variables show its clock.
    EXPECT_EQ(b.get("L:aileronTrim_timer_start, bool"), 1);
    EXPECT_GT(b.get("L:aileronTrimTemp_time_check, number"), b.get("L:aileronTrimTemp_time_cur, number"));
    // Clicking the decrease half already at its end sends the event again.
    b.click("Trim_Panel", 1400, 700, LEFT);
    b.mark();
    b.click("Trim_Panel", 1400, 700, LEFT);
    EXPECT_EQ(count_key(b, 66276, 1), 1u);
    b.click("Trim_Panel", 1400, 700, RELEASE);
    // Rudder and tail: their own events at their own ends.
    b.mark();
    b.click("Trim_Panel", 1550, 400, LEFT);
    b.click("Trim_Panel", 1550, 400, RELEASE);
    b.click("Trim_Panel", 1400, 280, LEFT);
    b.click("Trim_Panel", 1400, 280, RELEASE);
    EXPECT_EQ(count_key(b, 66279, 1), 2u);
    EXPECT_EQ(count_key(b, 65615, 1), 2u);
    EXPECT_EQ(b.get("L:tailTrimSelPos, number"), 2);
    b.seconds(2);
    EXPECT_EQ(b.get("L:rudderTrimSelPos, number"), 1);
    EXPECT_EQ(b.get("L:tailTrimSelPos, number"), 1);
    EXPECT_GT(b.get("A:ELEVATOR TRIM POSITION, degrees"), 0);
    // Reset Trims: every trim back to neutral.
    b.click("Trim_Panel", 1800, 50, LEFT);
    b.frames(2);
    EXPECT_EQ(b.get("A:AILERON TRIM, degrees"), 0);
    EXPECT_EQ(b.get("A:ELEVATOR TRIM POSITION, degrees"), 0);
    EXPECT_EQ(b.tooltip("Trim_Panel", 1400, 650), "Aileron Trim [0 degrees]");
}

TEST(Trims, AVirtualCockpitClickHoldsTheSelectorUntilClickedBack) {
    bench::Bench b;
    b.start("ready");
    b.window("open", TRIM_WINDOW);
    b.key(69652);  // aileron, one position down
    b.seconds(3);
    EXPECT_EQ(b.get("L:aileronTrimSelPos, number"), 0);
    b.mark();
    b.frames(10);
    EXPECT_EQ(count_key(b, 66276, 1), 10u);
    b.key(69653);  // back to centre: it stops
    b.mark();
    b.frames(10);
    EXPECT_EQ(count_key(b, 66276), 0u);
    EXPECT_EQ(count_key(b, 66277), 0u);
    // Tail and rudder from the virtual cockpit.
    b.key(69655);
    EXPECT_EQ(b.get("L:tailTrimSelPos, number"), 2);
    b.key(69654);
    b.key(69656);
    EXPECT_EQ(b.get("L:rudderTrimSelPos, number"), 0);
    b.key(69657);
    EXPECT_EQ(b.get("L:rudderTrimSelPos, number"), 1);
    // The model's trim switches: right wins, centre while neither.
    b.set("L:AileronTrimLeft, bool", 1);
    b.frames(1);
    EXPECT_EQ(b.get("L:AileronPos,number"), 0);
    EXPECT_EQ(b.get("L:AileronTrimCentre, bool"), 0);
    b.set("L:AileronTrimRight, bool", 1);
    b.set("L:TailNoseUp, bool", 1);
    b.frames(1);
    EXPECT_EQ(b.get("L:AileronPos,number"), 2);
    EXPECT_EQ(b.get("L:TailTrimCentre, bool"), 0);
    EXPECT_EQ(b.get("L:RudderTrimCentre, bool"), 1);
}

TEST(Airbrakes, TheSelectorMovesTheLeverAlwaysAndTheSpoilersOnlyWithPressure) {
    bench::Bench b;
    b.start("ready");
    b.seconds(4);
    ASSERT_EQ(b.get("L:Dive_brake_switch, number"), 0);
    b.mark();
    // Up from 0: half, then in; each step its click and spoiler event.
    EXPECT_EQ(heard(b, [&] { b.key(69672); }), (std::vector<double>{3, -8000}));
    EXPECT_EQ(b.get("L:Dive_brake_switch_pos, number"), 50);
    EXPECT_EQ(count_key(b, 65786, 8191), 1u);
    b.key(69672);
    EXPECT_EQ(b.get("L:Dive_brake_switch_pos, number"), 100);
    EXPECT_EQ(count_key(b, 65786, 0), 1u);
    // At the end: no click, but the event again.
    EXPECT_EQ(heard(b, [&] { b.key(69672); }), (std::vector<double>{0, 0}));
    EXPECT_EQ(count_key(b, 65786, 0), 2u);
    // Down to 0 sends "fully out" only with the brakes selected out.
    b.key(69673);
    b.key(69673);
    EXPECT_EQ(count_key(b, 65786, 16383), 0u);
    EXPECT_EQ(b.get("L:Dive_brake_switch, number"), 0);
    b.key(69922);  // the out/in flag: with the lever at 0 it is set
    EXPECT_EQ(b.get("L:DivebrakePos, bool"), 1);
    b.key(69672);
    b.key(69673);
    EXPECT_EQ(count_key(b, 65786, 16383), 1u);
    EXPECT_EQ(b.get("L:Dive_brake_switch_pos, number"), 0);
    b.frames(2);
    EXPECT_EQ(b.get("A:SPOILERS LEFT POSITION, percent"), 100);
    b.key(69922);  // lever 0 and out: left alone
    EXPECT_EQ(b.get("L:DivebrakePos, bool"), 1);
    b.key(69672);
    b.key(69922);  // lever 50 and out: in
    EXPECT_EQ(b.get("L:DivebrakePos, bool"), 0);
    // The pilot's spoiler axis: lever and flag follow, the axis goes on.
    b.pilot_event("AXIS_SPOILER_SET", 16383);
    b.frames(1);
    EXPECT_EQ(b.get("L:Dive_brake_switch_pos, number"), 0);
    EXPECT_EQ(b.get("L:DivebrakePos, bool"), 1);
    EXPECT_EQ(transmitted(b, 23), (std::vector<long long>{16383}));
    b.pilot_event("SPOILERS_TOGGLE", 0);
    b.frames(1);
    EXPECT_EQ(b.get("L:Dive_brake_switch_pos, number"), 100);
    EXPECT_EQ(b.get("A:SPOILERS LEFT POSITION, percent"), 0);

    // Engines stopped, pumps bled: the lever moves, no spoiler event, no axis.
    b.start("cold-and-dark");
    b.seconds(5);
    b.mark();
    b.key(69672);
    b.key(69673);
    EXPECT_EQ(count_key(b, 65786), 0u);
    b.pilot_event("AXIS_SPOILER_SET", 0);
    b.frames(1);
    EXPECT_TRUE(transmitted(b, 23).empty());
}

TEST(FlightControls, AileronsAndRudderNeedPressureAndTheGearingSwitchHalvesTheAilerons) {
    bench::Bench b;
    b.start("ready");
    b.seconds(4);
    b.mark();
    b.pilot_event("AXIS_AILERONS_SET", 16000);
    b.frames(1);
    EXPECT_EQ(transmitted(b, 14), (std::vector<long long>{16000}));
    EXPECT_EQ(b.get("L:ailPosVC,number"), 1);
    EXPECT_EQ(heard(b, [&] { b.key(69680); }), (std::vector<double>{2, -5000}));
    EXPECT_EQ(b.get("L:Low_high_alt_switch,bool"), 1);
    b.pilot_event("AXIS_AILERONS_SET", 16000);
    b.pilot_event("AXIS_AILERONS_SET", -16001);
    b.frames(1);
    EXPECT_EQ(transmitted(b, 14), (std::vector<long long>{16000, 8000, 4294959296LL}));  // -8000 as sent
    b.pilot_event("AXIS_ELEVATOR_SET", 1200);
    b.pilot_event("AXIS_RUDDER_SET", 3000);
    b.frames(1);
    EXPECT_EQ(transmitted(b, 20), (std::vector<long long>{1200}));
    EXPECT_EQ(transmitted(b, 17), (std::vector<long long>{3000}));
    EXPECT_EQ(b.get("L:rudPosVC,number"), 40);
    EXPECT_NEAR(b.get("A:RUDDER POSITION, position"), 3000.0 / 16383.0, 1e-9);
    // The stick keys: half steps with the gearing switch at 1.
    b.pilot_event("AILERONS_RIGHT", 0);
    b.frames(1);
    EXPECT_NEAR(b.get("A:AILERON POSITION, position") * 100.0, 100.0 * -8000.0 / 16383.0 + 0.5, 1e-6);

    // No pressure: the indicators move, the surfaces are not told.
    b.start("cold-and-dark");
    b.seconds(5);
    b.mark();
    b.pilot_event("AXIS_AILERONS_SET", -16383);
    b.pilot_event("AXIS_RUDDER_SET", 16383);
    b.frames(1);
    EXPECT_TRUE(transmitted(b, 14).empty());
    EXPECT_TRUE(transmitted(b, 17).empty());
    EXPECT_EQ(b.get("L:ailPosVC,number"), 100);
    EXPECT_EQ(b.get("L:rudPosVC,number"), 0);
    b.pilot_event("AILERONS_LEFT", 0);
    b.frames(1);
    EXPECT_EQ(b.get("L:ailPosVC,number"), 99);
    // The elevator is not powered: it goes on.
    b.pilot_event("AXIS_ELEVATOR_SET", 100);
    b.frames(1);
    EXPECT_EQ(transmitted(b, 20), (std::vector<long long>{100}));
}

TEST(Nosewheel, TheSwitchConnectsRudderBrakingOrSteeringAsConfigured) {
    // Without the key: rudder braking.
    {
        bench::Bench b;
        b.start("ready");
        b.window("open", TRIM_WINDOW);
        b.seconds(4);
        EXPECT_EQ(heard(b, [&] { b.click("Trim_Panel", 1310, 360, LEFT); }), (std::vector<double>{0, 0}));
        EXPECT_EQ(b.tooltip("Trim_Panel", 1310, 360), "Nosewheel Mode [ON]");
        b.mark();
        b.pilot_event("AXIS_RUDDER_SET", static_cast<std::uint32_t>(-9000));
        b.frames(1);
        EXPECT_EQ(transmitted(b, 17).size(), 1u);
        EXPECT_EQ(transmitted(b, 27), (std::vector<long long>{1}));  // full left rudder brakes the right wheel
        b.pilot_event("AXIS_RUDDER_SET", 7999);
        b.frames(1);
        EXPECT_TRUE(transmitted(b, 26).empty());
        b.click("Trim_Panel", 1310, 360, LEFT);
        EXPECT_EQ(b.tooltip("Trim_Panel", 1310, 360), "Nosewheel Mode [OFF]");
        b.mark();
        b.pilot_event("AXIS_RUDDER_SET", 9000);
        b.frames(1);
        EXPECT_TRUE(transmitted(b, 26).empty());
    }
    // NOSEGEAR 1: steering on the ground, the rudder in the air; kept after a reload.
    scenario::TempRoot root;
    std::ofstream(panel_folder(root) / "Tarmelon.cfg") << "[NOSEGEAR]\nNOSEGEAR=1\n";
    bench::Bench b(root.options());
    b.start("ready");
    b.window("open", TRIM_WINDOW);
    b.seconds(4);
    b.click("Trim_Panel", 1310, 360, LEFT);
    b.mark();
    b.pilot_event("AXIS_RUDDER_SET", 2000);
    b.frames(1);
    EXPECT_EQ(transmitted(b, 47), (std::vector<long long>{2000}));
    EXPECT_TRUE(transmitted(b, 17).empty());
    EXPECT_TRUE(transmitted(b, 27).empty());
    b.set("A:SIM ON GROUND, bool", 0);
    b.seconds(2);
    b.pilot_event("AXIS_RUDDER_SET", 2000);
    b.frames(1);
    EXPECT_EQ(transmitted(b, 17), (std::vector<long long>{2000}));
    b.set("A:SIM ON GROUND, bool", 1);
    // The module loaded afresh with the switch still on: steering follows the switch.
    b.load();
    b.seconds(6);
    EXPECT_EQ(b.get("L:nosewheel_Isolate, bool"), 1);
    b.mark();
    b.pilot_event("AXIS_RUDDER_SET", 2000);
    b.frames(1);
    EXPECT_EQ(transmitted(b, 47), (std::vector<long long>{2000}));
    // Any other setting leaves the switch.
    std::ofstream(panel_folder(root) / "Tarmelon.cfg") << "[NOSEGEAR]\nNOSEGEAR=2\n";
    b.click("Trim_Panel", 1310, 360, LEFT);
    EXPECT_EQ(b.get("L:nosewheel_Isolate, bool"), 1);
}

TEST(FlightControls, TheGearingSwitchRestoredWithAFlightHalvesTheAileronsAgain) {
    scenario::TempRoot root;
    bench::Bench b(root.options("C:\\Flights\\Gearing.FLT"));
    b.start("ready");
    b.key(69680);
    ASSERT_EQ(b.get("L:Low_high_alt_switch,bool"), 1);
    b.exec("save \"C:\\Flights\\Gearing.FLT\"");
    b.frames(2);
    b.load();
    b.seconds(6);
    ASSERT_EQ(b.get("L:Low_high_alt_switch,bool"), 1);  // restored after the ready preset
    b.mark();
    b.pilot_event("AXIS_AILERONS_SET", 10000);
    b.frames(1);
    EXPECT_EQ(transmitted(b, 14), (std::vector<long long>{5000}));
}

}  // namespace
