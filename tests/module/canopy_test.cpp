// The canopy, its lift switch and handles, the taxi prop and its destruction by speed, the
// navigator's hatch, and the tip-tank jettison switch, through the bench.
#include <string>
#include <vector>

#include "scenario.h"

namespace {

using scenario::count_key;
using scenario::count_lines;

constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t RIGHT = 0x80000000;
constexpr int GEAR_WINDOW = 1200;
const std::string DESTROYED = "Canopy destroyed due to taxi speed exceeding safe limits";

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

std::vector<double> lift(const bench::Bench& b) {
    return {b.get("L:CanopyLift_Switch_POS, number"), b.get("L:Gearpan_canopy_guard,bool"),
            b.get("L:Gearpan_canopy_open,bool")};
}
std::vector<double> tip_tanks(const bench::Bench& b) {
    return {b.get("L:TankJettison_Switch_POS, number"), b.get("L:Gearpan_Fueltank_jet_guard,bool"),
            b.get("L:Gearpan_fueltank_jettison,bool")};
}

// The canopy unlocked by the lift switch and opened by its two handles.
void unlock_and_open(bench::Bench& b) {
    b.click("GearFlaps_Panel", 50, 700, RIGHT);
    b.click("GearFlaps_Panel", 50, 700, LEFT);
    b.key(69975);
    b.key(69976);
    b.seconds(5);
}

TEST(Canopy, TheLiftSwitchUnlocksItTheHandlesOpenCloseAndLockIt) {
    bench::Bench b;
    b.start("ready");
    b.window("open", GEAR_WINDOW);
    b.frames(2);
    ASSERT_EQ(b.get("L:Canopy_Locked_Indicator, bool"), 1);
    // Locked: the handles move, but the second one does not open it.
    b.mark();
    b.key(69975);
    b.key(69976);
    EXPECT_EQ(count_key(b, 66389), 0u);
    b.key(69975);
    b.key(69976);
    // The lift switch: guard open, lifted (unlocked), with its click.
    EXPECT_EQ(heard(b, [&] { b.click("GearFlaps_Panel", 50, 700, RIGHT); }), (std::vector<double>{3, -10000}));
    EXPECT_EQ(lift(b), (std::vector<double>{1, 1, 0}));
    b.click("GearFlaps_Panel", 50, 700, LEFT);
    EXPECT_EQ(lift(b), (std::vector<double>{2, 1, 1}));
    EXPECT_EQ(b.get("L:Canopy_Locked_Indicator, bool"), 0);
    // It springs back to 1 within three seconds.
    b.seconds(3.2);
    EXPECT_EQ(lift(b), (std::vector<double>{1, 1, 0}));
    EXPECT_EQ(b.element("GearFlaps_Panel", 12).frame, 1);
    // Left handle, right handle: the canopy opens.
    b.key(69975);
    EXPECT_EQ(count_key(b, 66389), 0u);
    b.key(69976);
    EXPECT_EQ(count_key(b, 66389, 1), 1u);
    b.seconds(2);
    // Half open: a handle click does not move the handle.
    b.key(69975);
    EXPECT_EQ(b.get("L:Canopy_Handle_L,bool"), 1);
    b.seconds(3);
    EXPECT_EQ(b.get("A:CANOPY OPEN, percent"), 100);
    EXPECT_EQ(b.get("L:canopy_animation,number"), 100);
    EXPECT_EQ(b.get("L:tempCanopy, number"), 100);
    EXPECT_EQ(b.get("A:EXIT OPEN:1, percent"), 100);
    // A handle at fully open closes it; the close sound once.
    b.set("L:Tarmelon_CanopyClose, number", 0);
    b.key(69976);
    EXPECT_EQ(count_key(b, 66389, 1), 2u);
    b.seconds(5);
    EXPECT_EQ(b.get("A:CANOPY OPEN, percent"), 0);
    EXPECT_EQ(b.get("L:Tarmelon_CanopyClose, number"), 1);
    b.set("L:Tarmelon_CanopyClose, number", 0);
    b.seconds(1);
    EXPECT_EQ(b.get("L:Tarmelon_CanopyClose, number"), 0);
    // Both handles back down with it closed: locked again.
    b.key(69975);
    b.key(69976);
    EXPECT_EQ(b.get("L:Canopy_Handle_L,bool"), 0);
    EXPECT_EQ(b.get("L:Canopy_Handle_R,bool"), 0);
    EXPECT_EQ(b.get("L:Canopy_Locked_Indicator, bool"), 1);
    EXPECT_EQ(count_key(b, 66389), 2u);
}

TEST(Canopy, TheVirtualCockpitLiftSwitchNeedsItsGuardOpen) {
    bench::Bench b;
    b.start("ready");
    EXPECT_EQ(heard(b, [&] { b.key(69909); }), (std::vector<double>{2, -8000}));
    EXPECT_EQ(lift(b), (std::vector<double>{0, 0, 0}));  // guard shut: the lever stays down
    EXPECT_EQ(heard(b, [&] { b.key(69908); }), (std::vector<double>{3, -8000}));
    EXPECT_EQ(lift(b), (std::vector<double>{1, 1, 0}));
    b.key(69909);
    EXPECT_EQ(lift(b), (std::vector<double>{2, 1, 1}));
    EXPECT_EQ(b.get("L:Canopy_Locked_Indicator, bool"), 0);
    b.key(69908);  // guard shut over the lever: the position stays
    EXPECT_EQ(lift(b), (std::vector<double>{2, 0, 1}));
}

TEST(Canopy, PropOrWideOpenAboveFortyNineKnotsDestroysIt) {
    bench::Bench b;
    b.start("ready");
    b.window("open", GEAR_WINDOW);
    unlock_and_open(b);
    ASSERT_EQ(b.get("A:CANOPY OPEN, percent"), 100);
    b.mark();
    b.set("A:AIRSPEED INDICATED, knots", 49);
    b.seconds(1);
    EXPECT_EQ(count_lines(b.texts(), DESTROYED), 0u);
    // Closed to the taxi prop at 91 % or more.
    b.key(69942);
    EXPECT_EQ(count_key(b, 66389, 0), 1u);
    b.seconds(5);
    ASSERT_EQ(b.get("A:CANOPY OPEN, percent"), 0);
    b.key(69942);  // closed: nothing
    EXPECT_EQ(count_key(b, 66389, 0), 1u);
    // The prop holds the animation at 60 %; at 49 kn it is safe, at 50 it is lost.
    b.key(69941);
    EXPECT_EQ(b.get("L:CanopyTaxiProp,bool"), 1);
    b.frames(2);
    EXPECT_EQ(b.get("L:canopy_animation,number"), 60);
    b.seconds(1);
    EXPECT_EQ(count_lines(b.texts(), DESTROYED), 0u);
    EXPECT_EQ(b.get("L:Canopy_jettison_lever,bool"), 0);
    b.set("A:AIRSPEED INDICATED, knots", 50);
    b.frames(3);
    EXPECT_EQ(count_lines(b.texts(), DESTROYED), 3u);  // every frame while it lasts
    EXPECT_EQ(b.get("L:Canopy_jettison_lever,bool"), 1);
    bool white = false;
    for (const std::string& call : b.simconnect_log())
        if (call.rfind("SimConnect_Text(257, 0, 61, 57, ", 0) == 0) white = true;
    EXPECT_TRUE(white);
    // Off the prop and slow again: no more texts; the canopy stays jettisoned.
    b.key(69941);
    b.set("A:AIRSPEED INDICATED, knots", 10);
    b.frames(2);
    b.mark();
    b.frames(5);
    EXPECT_EQ(count_lines(b.texts(), DESTROYED), 0u);
    EXPECT_EQ(b.get("L:Canopy_jettison_lever,bool"), 1);
}

TEST(Canopy, WideOpenAtFiftyKnotsIsDestroyed) {
    bench::Bench b;
    b.start("ready");
    b.window("open", GEAR_WINDOW);
    unlock_and_open(b);
    b.mark();
    b.set("A:AIRSPEED INDICATED, knots", 50);
    b.frames(1);
    EXPECT_EQ(count_lines(b.texts(), DESTROYED), 1u);
    EXPECT_EQ(b.get("L:Canopy_jettison_lever,bool"), 1);
}

TEST(Canopy, TheTaxiPropNeedsTheHandlesUnlockedOnTheGroundAndTheJettisonLeverSticks) {
    bench::Bench b;
    b.start("ready");
    b.key(69941);  // locked: no prop
    EXPECT_EQ(b.get("L:CanopyTaxiProp,bool"), 0);
    b.key(69945);
    EXPECT_EQ(b.get("L:Canopy_jettison_lever,bool"), 1);
    b.frames(5);
    EXPECT_EQ(b.get("L:Canopy_jettison_lever,bool"), 1);
}

TEST(Hatch, TheSelectorsHatchButtonOpensAClosedNoseConeAndClosesAnyOther) {
    bench::Bench b;
    scenario::settle(b);
    ASSERT_GE(b.click("Panel_Selector_Arrow", 15, 20, LEFT), 0);
    b.frames(1);
    b.click("Panel_Selector", 95, 170, LEFT);
    EXPECT_EQ(b.get("L:NoseConePos,number"), 100);
    b.set("L:NoseConePos,number", 50);
    b.click("Panel_Selector", 95, 170, LEFT);
    EXPECT_EQ(b.get("L:NoseConePos,number"), 0);
}

TEST(TipTanks, TheJettisonSwitchIsGuardedAndSpringsBackWithinTwoSeconds) {
    bench::Bench b;
    b.start("ready");
    b.window("open", GEAR_WINDOW);
    b.frames(2);
    b.mark();
    // A left click with the guard shut does nothing but its click.
    EXPECT_EQ(heard(b, [&] { b.click("GearFlaps_Panel", 500, 100, LEFT); }), (std::vector<double>{3, -10000}));
    EXPECT_EQ(tip_tanks(b), (std::vector<double>{0, 0, 0}));
    b.click("GearFlaps_Panel", 500, 100, RIGHT);
    EXPECT_EQ(tip_tanks(b), (std::vector<double>{1, 1, 0}));
    b.click("GearFlaps_Panel", 500, 100, LEFT);
    EXPECT_EQ(tip_tanks(b), (std::vector<double>{2, 1, 1}));
    b.frames(1);
    EXPECT_EQ(b.element("GearFlaps_Panel", 13).frame, 2);
    b.seconds(2.1);
    EXPECT_EQ(tip_tanks(b), (std::vector<double>{1, 1, 0}));
    b.click("GearFlaps_Panel", 500, 100, RIGHT);
    EXPECT_EQ(tip_tanks(b), (std::vector<double>{0, 0, 0}));
    // The virtual cockpit: the lever alone leaves the position, with the guard open it jettisons.
    EXPECT_EQ(heard(b, [&] { b.key(69907); }), (std::vector<double>{2, -8000}));
    EXPECT_EQ(tip_tanks(b), (std::vector<double>{0, 0, 1}));
    EXPECT_EQ(heard(b, [&] { b.key(69906); }), (std::vector<double>{3, -8000}));
    EXPECT_EQ(tip_tanks(b), (std::vector<double>{2, 1, 1}));
    // The switch alone sends nothing to the simulator.
    EXPECT_TRUE(b.key_log().empty() || count_key(b, 66389) == 0u);
}

// A restored cockpit keeps the guarded switches' positions; their guards and levers follow, so
// the next virtual-cockpit click starts from what the panel shows.
TEST(TipTanks, RestoredGuardedSwitchesBringTheirGuardsAndLevers) {
    scenario::TempRoot root;
    bench::Bench b(root.options("C:\\Flights\\Guards.FLT"));
    b.start("ready");
    b.window("open", GEAR_WINDOW);
    b.click("GearFlaps_Panel", 500, 100, RIGHT);
    b.click("GearFlaps_Panel", 50, 700, RIGHT);
    b.exec("save \"C:\\Flights\\Guards.FLT\"");
    b.frames(2);
    // Elsewhere the guards were shut in the model alone.
    b.set("L:Gearpan_Fueltank_jet_guard,bool", 0);
    b.set("L:Gearpan_canopy_guard,bool", 0);
    b.load();
    b.seconds(6);
    EXPECT_EQ(tip_tanks(b), (std::vector<double>{1, 1, 0}));
    EXPECT_EQ(lift(b), (std::vector<double>{1, 1, 0}));
    b.key(69907);  // the lever under the open guard: jettison
    EXPECT_EQ(tip_tanks(b), (std::vector<double>{2, 1, 1}));
}

}  // namespace
