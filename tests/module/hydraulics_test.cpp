// The hydraulics, the gear and flaps panel and the brakes, through the bench: pump pressures
// building and bleeding, the simulator's hydraulic state, gear and flaps with and without
// pressure or power, the gear lamps, the emergency gear on the hand pump, the accumulator.
#include <string>
#include <vector>

#include "scenario.h"

namespace {

using scenario::count_key;

constexpr std::uint32_t LEFT = 0x20000000;
constexpr int GEAR_WINDOW = 1200;
constexpr int TO_WINDOW = 500;

// The data of each event the module sent on to the simulator with this client event id.
std::vector<long long> transmitted(const bench::Bench& b, int event) {
    const std::string head = "SimConnect_TransmitClientEvent(0, " + std::to_string(event) + ", ";
    std::vector<long long> data;
    for (const std::string& line : b.simconnect_log())
        if (line.rfind(head, 0) == 0) data.push_back(std::stoll(line.substr(head.size())));
    return data;
}

double main_needle(const bench::Bench& b) { return b.get("L:HydrNeedleVC, number"); }
double brake_needle(const bench::Bench& b) { return b.get("L:HydrBrakeNeedleVC, number"); }

// Engine 1 held at this whole RPM for n frames (the bench engine holds a value written from
// outside for one step only, so the value written changes a little every frame).
void hold_engine_1(bench::Bench& b, double rpm, int n) {
    static int written = 0;
    for (int i = 0; i < n; ++i) {
        b.set_token(624, rpm + (++written % 2 == 0 ? 0.0 : 0.5));
        b.frames(1);
    }
}

// Cold and dark, the pumps bled to nothing.
void cold_and_bled(bench::Bench& b) {
    b.start("cold-and-dark");
    b.seconds(5);
    ASSERT_EQ(main_needle(b), 0);
}

void battery_on(bench::Bench& b) {
    b.key(69698);
    b.key(69699);
    b.frames(2);
}

TEST(Hydraulics, PumpPressureBuildsAboveTwentyPercentAndBleedsBelowAndTheSimulatorFollowsIt) {
    bench::Bench b;
    cold_and_bled(b);
    // No pressure: the simulator's hydraulics are switched off, the feel simulator idle.
    EXPECT_EQ(b.get("A:HYDRAULIC SWITCH, bool"), 0);
    EXPECT_EQ(b.get("L:FeelSim_1, number"), 0);
    b.window("open", TO_WINDOW);
    b.mark();
    hold_engine_1(b, 21, 1);
    // The first 50 PSI switch the simulator's hydraulics on again, once.
    EXPECT_EQ(count_key(b, 66309, 1), 1u);
    EXPECT_EQ(b.get("A:HYDRAULIC SWITCH, bool"), 1);
    EXPECT_EQ(b.get("L:FeelSim_1, number"), 85);
    EXPECT_EQ(b.get("L:FeelSim_2, number"), 88);
    hold_engine_1(b, 21, 53);
    EXPECT_EQ(b.tooltip("TO_Panel", 400, 420), "Main Hydraulic Pressure [2700 PSI]");
    hold_engine_1(b, 21, 1);  // 55 updates: full pressure, and no more
    EXPECT_EQ(b.tooltip("TO_Panel", 400, 420), "Main Hydraulic Pressure [2750 PSI]");
    EXPECT_EQ(b.tooltip("TO_Panel", 700, 420), "Wheelbrakes Hydraulic Pressure [2750 PSI]");
    hold_engine_1(b, 21, 5);
    EXPECT_EQ(main_needle(b), 687);
    EXPECT_EQ(brake_needle(b), 687);
    // At 20 % the pump gives nothing: 50 PSI a frame bleed off.
    hold_engine_1(b, 20, 10);
    EXPECT_EQ(b.tooltip("TO_Panel", 400, 420), "Main Hydraulic Pressure [2250 PSI]");
    EXPECT_EQ(b.get("L:FeelSim_1, number"), 0);
    EXPECT_EQ(count_key(b, 66309), 1u);
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

TEST(Hydraulics, AMovementHoldsTheMainPressureDownUntilTheSurfaceStops) {
    bench::Bench b;
    b.start("ready");
    b.window("open", GEAR_WINDOW);
    b.seconds(4);
    ASSERT_EQ(main_needle(b), 687);
    b.click("GearFlaps_Panel", 700, 700, LEFT);  // flaps down
    b.seconds(2);
    EXPECT_EQ(main_needle(b), 505);  // 2020 PSI while they move
    // Held half way by the simulator (a flap failure): the movement ends all the same.
    const double held = b.get("A:TRAILING EDGE FLAPS LEFT PERCENT, percent");
    for (int i = 0; i < 18 * 4; ++i) {
        b.set("A:TRAILING EDGE FLAPS LEFT PERCENT, percent", held);
        b.frames(1);
    }
    EXPECT_EQ(main_needle(b), 687);
    // The brakes held show the accumulator at 1520 PSI, and full again when released.
    for (int i = 0; i < 4; ++i) {
        b.pilot_event("BRAKES", 0);
        b.frames(6);
    }
    EXPECT_EQ(brake_needle(b), 380);
    b.seconds(2);
    EXPECT_EQ(brake_needle(b), 687);
}

TEST(Hydraulics, GearAndFlapsMoveOnlyWithPressureAndTheirKeysNeedPower) {
    bench::Bench b;
    cold_and_bled(b);
    b.window("open", GEAR_WINDOW);
    // No DC power: the lever moves, nothing is sent.
    b.mark();
    b.click("GearFlaps_Panel", 700, 700, LEFT);
    EXPECT_EQ(b.get("L:FlapLever Position, bool"), 0);
    EXPECT_EQ(count_key(b, 65603), 0u);
    b.click("GearFlaps_Panel", 700, 700, LEFT);
    EXPECT_EQ(count_key(b, 65595), 0u);
    // With power the key goes, but without pressure the simulator's flaps stay.
    battery_on(b);
    b.click("GearFlaps_Panel", 700, 700, LEFT);
    EXPECT_EQ(count_key(b, 65603, 0), 1u);
    b.seconds(3);
    EXPECT_EQ(b.get("A:TRAILING EDGE FLAPS LEFT PERCENT, percent"), 0);
    // The pilot's flap input is not passed on without main pressure; the lever follows it.
    b.pilot_event("FLAPS_UP", 0);
    b.frames(1);
    EXPECT_EQ(b.get("L:FlapLever Position, bool"), 1);
    EXPECT_TRUE(transmitted(b, 37).empty());
    // Gear up on the ground: the button changes, the gear stays down.
    b.click("GearFlaps_Panel", 760, 260, LEFT);
    EXPECT_EQ(b.get("L:GearUpButton, bool"), 1);
    EXPECT_EQ(b.get("L:GearDownButton, bool"), 0);
    EXPECT_EQ(count_key(b, 65700), 0u);
    // Gear down again, then up airborne but too slow; then fast enough.
    b.click("GearFlaps_Panel", 760, 420, LEFT);
    EXPECT_EQ(count_key(b, 65700, 1), 1u);
    b.set("A:SIM ON GROUND, bool", 0);
    b.set("A:AIRSPEED INDICATED, knots", 74);
    b.click("GearFlaps_Panel", 760, 260, LEFT);
    EXPECT_EQ(count_key(b, 65700, 0), 0u);
    b.click("GearFlaps_Panel", 760, 420, LEFT);
    b.set("A:AIRSPEED INDICATED, knots", 75);
    b.click("GearFlaps_Panel", 760, 260, LEFT);
    EXPECT_EQ(count_key(b, 65700, 0), 1u);
    // The simulator's gear inputs press the same buttons; a toggle presses the other one.
    b.pilot_event("GEAR_TOGGLE", 0);
    b.frames(1);
    EXPECT_EQ(b.get("L:GearDownButton, bool"), 1);
    b.set("L:GearUpButton, bool", 1);  // both lit: the toggle does nothing
    b.mark();
    b.pilot_event("GEAR_TOGGLE", 0);
    b.frames(1);
    EXPECT_EQ(count_key(b, 65700), 0u);
}

// The lamp frames of the panel: stbd greena, nose greenb, port greenb, stbd greenb, nose
// greena, port greena, stbd red, nose red, port red.
std::vector<int> lamps(bench::Bench& b) {
    b.frames(1);
    std::vector<int> frames;
    for (int e = 1; e <= 9; ++e) frames.push_back(b.element("GearFlaps_Panel", e).frame);
    return frames;
}

TEST(Hydraulics, GearLampsShowTheLegsInTheSelectedSetAndBrightness) {
    bench::Bench b;
    b.start("ready");
    b.window("open", GEAR_WINDOW);
    // Down and locked, day, set A: port and nose greena, starboard greenb, bright.
    EXPECT_EQ(lamps(b), (std::vector<int>{0, 0, 0, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(b.get("L:Gearpan_port_greena_bright,bool"), 1);
    EXPECT_EQ(b.get("L:Gearpan_port_greena_dim,bool"), 0);
    // Set B: the other lamps; night: dim (frame 2).
    b.click("GearFlaps_Panel", 380, 440, LEFT);
    EXPECT_EQ(b.get("L:gear_AB_lampPos, number"), 1);
    b.click("GearFlaps_Panel", 380, 375, LEFT);
    EXPECT_EQ(lamps(b), (std::vector<int>{2, 2, 2, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(b.get("L:Gearpan_stbd_greena_dim,bool"), 1);
    EXPECT_EQ(b.get("L:Gearpan_stbd_greena_bright,bool"), 0);
    EXPECT_EQ(b.element("GearFlaps_Panel", 10).frame, 1);
    EXPECT_EQ(b.element("GearFlaps_Panel", 11).frame, 1);
    // The right halves bring both selectors back, and no further.
    for (int i = 0; i < 2; ++i) {
        b.click("GearFlaps_Panel", 460, 440, LEFT);
        b.click("GearFlaps_Panel", 460, 375, LEFT);
    }
    EXPECT_EQ(b.get("L:gear_AB_lampPos, number"), 0);
    EXPECT_EQ(b.get("L:gear_DayNight_lampPos, number"), 0);
    // Gear up in flight: the reds light while the legs travel and go out when they are up.
    b.set("A:SIM ON GROUND, bool", 0);
    b.set("A:AIRSPEED INDICATED, knots", 150);
    b.click("GearFlaps_Panel", 760, 260, LEFT);
    b.seconds(1);
    EXPECT_EQ(lamps(b), (std::vector<int>{0, 0, 0, 0, 0, 0, 1, 1, 1}));
    b.seconds(6);
    EXPECT_EQ(b.get("L:curGearPos_left, number"), 0);
    // Gear up with the throttles at idle: the nose red warns, the others are out.
    EXPECT_EQ(lamps(b), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 1, 0}));
    // Both throttles above 32 %: the warning goes out.
    b.pilot_event("AXIS_THROTTLE1_SET", 0);
    b.pilot_event("AXIS_THROTTLE2_SET", 0);
    b.frames(3);
    EXPECT_GT(b.get("L:ENG1_thrPerc, number"), 32);
    EXPECT_EQ(lamps(b), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(Hydraulics, TheHandPumpLowersTheGearOnceAndChargesTheBrakes) {
    bench::Bench b;
    cold_and_bled(b);
    b.window("open", TO_WINDOW);
    // As if flown with the gear up and the engines lost.
    b.set("A:GEAR HANDLE POSITION, bool", 0);
    for (const char* leg : {"A:GEAR LEFT POSITION, percent", "A:GEAR CENTER POSITION, percent", "A:GEAR RIGHT POSITION, percent"})
        b.set(leg, 0);
    b.set("L:GearUpButton, bool", 1);
    b.set("L:GearDownButton, bool", 0);
    // The emergency lever alone does nothing; pumping does.
    b.set("L:Gearpan_emergency_u, enum", 1);
    b.mark();
    b.frames(3);
    EXPECT_EQ(count_key(b, 65852), 0u);
    b.set("L:landing_gear_hand_pump, enum", 1);
    b.frames(1);
    EXPECT_EQ(count_key(b, 65700, 1), 1u);
    EXPECT_EQ(b.get("L:GearDownButton, bool"), 1);
    EXPECT_EQ(b.get("L:GearUpButton, bool"), 0);
    b.frames(19);
    EXPECT_EQ(count_key(b, 65852, 1), 20u);
    EXPECT_EQ(count_key(b, 65700), 1u);  // once only
    EXPECT_EQ(b.get("A:GEAR LEFT POSITION, percent"), 100);
    // Each stroke put 50 PSI into the brakes; they keep it, and each application costs some.
    EXPECT_EQ(b.tooltip("TO_Panel", 700, 420), "Wheelbrakes Hydraulic Pressure [1000 PSI]");
    b.set("L:landing_gear_hand_pump, enum", 0);
    b.set("L:Gearpan_emergency_u, enum", 0);
    b.frames(5);
    EXPECT_EQ(b.tooltip("TO_Panel", 700, 420), "Wheelbrakes Hydraulic Pressure [1000 PSI]");
    for (int i = 0; i < 99; ++i) b.pilot_event("BRAKES", 0);
    b.frames(1);
    EXPECT_EQ(transmitted(b, 25).size(), 99u);
    EXPECT_EQ(b.tooltip("TO_Panel", 700, 420), "Wheelbrakes Hydraulic Pressure [10 PSI]");
    b.pilot_event("BRAKES", 0);  // 10 PSI: not enough
    b.frames(1);
    EXPECT_EQ(transmitted(b, 25).size(), 99u);
    b.pilot_event("BRAKES_LEFT", 0);  // a single wheel needs more than 5
    b.pilot_event("BRAKES_LEFT", 0);
    b.frames(1);
    EXPECT_EQ(transmitted(b, 26).size(), 1u);
    EXPECT_EQ(b.tooltip("TO_Panel", 700, 420), "Wheelbrakes Hydraulic Pressure [5 PSI]");
    // The parking brake is passed on whatever the pressure.
    b.pilot_event("PARKING_BRAKES", 0);
    b.frames(1);
    EXPECT_EQ(transmitted(b, 28).size(), 1u);
}

TEST(Hydraulics, TheHandPumpWorksThePhotoflashDoors) {
    bench::Bench b;
    cold_and_bled(b);
    b.set("L:Photoflash_lever_POS, bool", 1);
    b.set("L:landing_gear_hand_pump, enum", 1);
    b.mark();
    b.frames(1);
    EXPECT_EQ(count_key(b, 66881, 1), 1u);
    EXPECT_NE(b.simconnect_log().size(), 0u);
    b.frames(12);
    EXPECT_EQ(b.get("A:TAILHOOK POSITION, percent"), 100);  // ten strokes of 10 %
    EXPECT_EQ(count_key(b, 66881, 1), 10u);
    b.set("L:Photoflash_lever_POS, bool", 0);
    b.frames(12);
    EXPECT_EQ(b.get("A:TAILHOOK POSITION, percent"), 0);
    EXPECT_EQ(count_key(b, 66881, 0), 10u);
}

}  // namespace
