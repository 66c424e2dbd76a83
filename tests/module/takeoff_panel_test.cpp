// The takeoff panel's fuel controls and the rows of the takeoff and trim panels that only
// show: the engine master LP cocks and the wing-to-rear transfer switches from the 2D
// panel and the virtual cockpit, the pictures of their positions, and the tooltips whose
// arguments read the simulator.
#include <string>

#include "scenario.h"

namespace {

constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t RIGHT = 0x80000000;

const char* const PORT_COCK = "L:portLPCockPos, number";
const char* const PORT_LEVER = "L:Hydpan_port_fuelcocks,bool";
const char* const PORT_COVER = "L:PortFuelCocksCover,bool";

void quiet(bench::Bench& b) { b.set("L:Tarmelon_Click3, number", 0), b.set("L:Tarmelon_Click2, number", 0); }

TEST(TakeoffPanel, LpCockClicksStepThePositionAndSetLeverAndCover) {
    bench::Bench b;
    scenario::settle(b);
    b.window("open", 500);
    ASSERT_EQ(b.get(PORT_COCK), 2);  // open under its cover, from the ready preset
    EXPECT_EQ(b.tooltip("TO_Panel", 550, 50), "ENG1 Master LP Cock");

    struct Step {
        std::uint32_t button;
        double position, lever, cover;
    };
    // A left click at 2 does nothing; the right opens the cover, the left shuts the cock.
    for (const Step& s : {Step{LEFT, 2, 1, 1}, Step{RIGHT, 1, 1, 0}, Step{LEFT, 0, 0, 0}, Step{RIGHT, 0, 0, 0},
                          Step{LEFT, 1, 1, 0}}) {
        quiet(b);
        ASSERT_GE(b.click("TO_Panel", 550, 50, s.button), 0);
        EXPECT_EQ(b.get("L:Tarmelon_Click3, number"), 1);
        EXPECT_EQ(b.get("L:Tarmelon_Click3Pan, number"), 9000);
        EXPECT_EQ(b.get(PORT_COCK), s.position);
        EXPECT_EQ(b.get(PORT_LEVER), s.lever);
        EXPECT_EQ(b.get(PORT_COVER), s.cover);
    }
    b.frames(1);
    EXPECT_EQ(b.element("TO_Panel", 15).frame, 1);
    // The starboard cock is its own.
    b.click("TO_Panel", 810, 50, RIGHT);
    EXPECT_EQ(b.get("L:stbdLPCockPos, number"), 1);
    EXPECT_EQ(b.get("L:StrbFuelCocksCover,bool"), 0);
    EXPECT_EQ(b.get(PORT_COCK), 1);
    b.frames(1);
    EXPECT_EQ(b.element("TO_Panel", 16).frame, 1);
}

TEST(TakeoffPanel, LpCockCoverHoldsTheLeverInTheVirtualCockpit) {
    bench::Bench b;
    scenario::settle(b);
    b.click("TO_Panel", 550, 50, RIGHT);
    b.click("TO_Panel", 550, 50, LEFT);
    ASSERT_EQ(b.get(PORT_COCK), 0);

    // A cover cannot shut over a shut cock.
    quiet(b);
    b.key(69700);
    EXPECT_EQ(b.get(PORT_COVER), 0);
    EXPECT_EQ(b.get(PORT_COCK), 0);
    EXPECT_EQ(b.get("L:Tarmelon_Click3, number"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Click3Pan, number"), 3000);
    b.key(69701);  // lever open
    EXPECT_EQ(b.get(PORT_COCK), 1);
    b.key(69700);  // cover shut over it
    EXPECT_EQ(b.get(PORT_COCK), 2);
    b.key(69701);  // held by the cover
    EXPECT_EQ(b.get(PORT_LEVER), 1);
    EXPECT_EQ(b.get(PORT_COCK), 2);
    b.key(69700);
    b.key(69701);
    EXPECT_EQ(b.get(PORT_COCK), 0);

    // The starboard cock's events work the starboard cock only.
    b.key(69703);
    EXPECT_EQ(b.get("L:Hydpan_stbd_fuelcocks,bool"), 1);  // held under its shut cover (ready preset)
    EXPECT_EQ(b.get("L:stbdLPCockPos, number"), 2);
    b.key(69702);
    EXPECT_EQ(b.get("L:stbdLPCockPos, number"), 1);
    b.key(69703);
    EXPECT_EQ(b.get("L:stbdLPCockPos, number"), 0);
    EXPECT_EQ(b.get(PORT_COCK), 0);
}

TEST(TakeoffPanel, WingTransferSwitchesToggleFromBothCockpits) {
    bench::Bench b;
    scenario::settle(b);
    b.window("open", 500);
    ASSERT_EQ(b.get("L:PortTrans2RearTankPos, bool"), 1);
    quiet(b);
    b.click("TO_Panel", 430, 160, LEFT);
    EXPECT_EQ(b.get("L:PortTrans2RearTankPos, bool"), 0);
    EXPECT_EQ(b.get("L:Tarmelon_Click2, number"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Click2Pan, number"), 9000);
    b.frames(1);
    EXPECT_EQ(b.element("TO_Panel", 8).frame, 0);
    b.key(69687);
    EXPECT_EQ(b.get("L:PortTrans2RearTankPos, bool"), 1);
    b.key(69688);
    EXPECT_EQ(b.get("L:StbdTrans2RearTankPos, bool"), 0);
    b.click("TO_Panel", 1080, 160, LEFT);
    EXPECT_EQ(b.get("L:StbdTrans2RearTankPos, bool"), 1);
    EXPECT_EQ(b.tooltip("TO_Panel", 1080, 160), "Starboard wing to rear tank fuel transfer");
}

TEST(TakeoffPanel, RowsOfLaterSystemsShowTheirSwitchesAndTooltipsButTakeNoAction) {
    bench::Bench b;
    scenario::settle(b);
    b.window("open", 500);
    b.window("open", 200);
    b.set("L:Canopy Heat Position, bool", 1);
    b.set("L:cabinAirSelPos, number", 2);
    b.set("L:Lights_landing_POS, number", 7);  // beyond the switch's three positions
    b.set("A:AILERON TRIM, degrees", -3.6);
    b.set("L:nosewheel_Isolate, bool", 1);
    b.frames(1);
    EXPECT_EQ(b.element("TO_Panel", 5).frame, 1);
    EXPECT_EQ(b.element("TO_Panel", 11).frame, 2);
    EXPECT_EQ(b.element("Trim_Panel", 7).frame, 2);  // the nearest, not a frame it lacks
    EXPECT_EQ(b.tooltip("Trim_Panel", 1400, 650), "Aileron Trim [-3 degrees]");
    EXPECT_EQ(b.tooltip("Trim_Panel", 1310, 360), "Nosewheel Mode [ON]");
    EXPECT_EQ(b.tooltip("TO_Panel", 400, 420), "Main Hydraulic Pressure [0 PSI]");
    EXPECT_EQ(b.tooltip("Elec_Panel", 430, 740), "Pitch selection [0 degrees]");

    // Clicked, they take the event and change nothing yet.
    b.mark();
    EXPECT_GE(b.click("TO_Panel", 50, 190, LEFT), 0);
    EXPECT_GE(b.click("Trim_Panel", 800, 840, LEFT), 0);
    EXPECT_GE(b.click("Elec_Panel", 160, 690, LEFT), 0);
    EXPECT_EQ(b.get("L:Canopy Heat Position, bool"), 1);
    EXPECT_EQ(b.get("L:bankSelPos, number"), 4);
    EXPECT_TRUE(b.key_log().empty());
}

}  // namespace
