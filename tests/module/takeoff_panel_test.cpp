// The takeoff panel's fuel controls from the 2D panel and the virtual cockpit: the engine
// master LP cocks with their levers and covers, and the wing-to-rear transfer switches;
// and the tooltips of the takeoff and trim panels whose arguments read the simulator.
#include <string>
#include <vector>

#include "scenario.h"

namespace {

constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t RIGHT = 0x80000000;

// Position, lever and cover of the port cock, and the click heard (sound, pan) getting there.
std::vector<double> port_cock(const bench::Bench& b) {
    return {b.get("L:portLPCockPos, number"), b.get("L:Hydpan_port_fuelcocks,bool"), b.get("L:PortFuelCocksCover,bool")};
}
template <typename Act>
std::vector<double> heard(bench::Bench& b, Act act) {
    for (const char* trigger : {"L:Tarmelon_Click2, number", "L:Tarmelon_Click3, number"}) b.set(trigger, 0);
    act();
    if (b.get("L:Tarmelon_Click3, number") == 1) return {3, b.get("L:Tarmelon_Click3Pan, number")};
    if (b.get("L:Tarmelon_Click2, number") == 1) return {2, b.get("L:Tarmelon_Click2Pan, number")};
    return {0, 0};
}

TEST(TakeoffPanel, LpCocksStepFromThePanelAndTheirCoverHoldsTheLeverInTheVirtualCockpit) {
    bench::Bench b;
    scenario::settle(b);
    b.window("open", 500);
    ASSERT_EQ(port_cock(b), (std::vector<double>{2, 1, 1}));  // open under its cover (ready preset)
    // A left click at 2 does nothing; the right opens the cover, the left shuts the cock.
    struct Step {
        std::uint32_t button;
        std::vector<double> cock;
    };
    for (const Step& s : {Step{LEFT, {2, 1, 1}}, Step{RIGHT, {1, 1, 0}}, Step{LEFT, {0, 0, 0}}, Step{RIGHT, {0, 0, 0}}}) {
        EXPECT_EQ(heard(b, [&] { b.click("TO_Panel", 550, 50, s.button); }), (std::vector<double>{3, 9000}));
        EXPECT_EQ(port_cock(b), s.cock);
    }
    // The virtual cockpit: a cover cannot shut over a shut cock; lever open, cover shut over
    // it, and the lever held under it.
    EXPECT_EQ(heard(b, [&] { b.key(69700); }), (std::vector<double>{3, 3000}));
    EXPECT_EQ(port_cock(b), (std::vector<double>{0, 0, 0}));
    b.key(69701);
    EXPECT_EQ(port_cock(b), (std::vector<double>{1, 1, 0}));
    b.key(69700);
    b.key(69701);
    EXPECT_EQ(port_cock(b), (std::vector<double>{2, 1, 1}));
    b.frames(1);
    EXPECT_EQ(b.element("TO_Panel", 15).frame, 2);
    // The starboard cock's events and click work the starboard cock only.
    b.key(69702);
    b.key(69703);
    EXPECT_EQ(b.get("L:stbdLPCockPos, number"), 0);
    b.click("TO_Panel", 810, 50, LEFT);
    EXPECT_EQ(b.get("L:stbdLPCockPos, number"), 1);
    EXPECT_EQ(port_cock(b), (std::vector<double>{2, 1, 1}));
}

TEST(TakeoffPanel, WingTransferSwitchesToggleFromBothCockpits) {
    bench::Bench b;
    scenario::settle(b);
    b.window("open", 500);
    EXPECT_EQ(heard(b, [&] { b.click("TO_Panel", 430, 160, LEFT); }), (std::vector<double>{2, 9000}));
    EXPECT_EQ(b.get("L:PortTrans2RearTankPos, bool"), 0);
    b.frames(1);
    EXPECT_EQ(b.element("TO_Panel", 8).frame, 0);
    b.key(69687);
    EXPECT_EQ(b.get("L:PortTrans2RearTankPos, bool"), 1);
    b.key(69688);
    EXPECT_EQ(b.get("L:StbdTrans2RearTankPos, bool"), 0);
    b.click("TO_Panel", 1080, 160, LEFT);
    EXPECT_EQ(b.get("L:StbdTrans2RearTankPos, bool"), 1);
}

TEST(TakeoffPanel, TooltipArgumentsReadTheSimulator) {
    bench::Bench b;
    scenario::settle(b);
    b.set("A:AILERON TRIM, degrees", -3.6);
    b.set("A:ELEVATOR TRIM POSITION, degrees", 2);
    b.set("L:nosewheel_Isolate, bool", 1);
    EXPECT_EQ(b.tooltip("Trim_Panel", 1400, 650), "Aileron Trim [-3 degrees]");
    EXPECT_EQ(b.tooltip("Trim_Panel", 1400, 200), "Tail Trim [2 degrees]");
    EXPECT_EQ(b.tooltip("Trim_Panel", 1310, 360), "Nosewheel Mode [ON]");
    b.set("L:nosewheel_Isolate, bool", 0);
    EXPECT_EQ(b.tooltip("Trim_Panel", 1310, 360), "Nosewheel Mode [OFF]");
    EXPECT_EQ(b.tooltip("TO_Panel", 1140, 140), "Aircraft Battery");
}

}  // namespace
