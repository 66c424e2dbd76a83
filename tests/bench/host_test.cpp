// The bench as a host, seen through a small test gauge library: gauge lifecycle, element
// results, clocks, key events, panel windows, mouse routing and tooltips.
#include <gtest/gtest.h>

#include <algorithm>

#include "bench.h"

namespace {

bench::Options test_gauges() {
    bench::Options o;
    o.module_path = BENCH_TEST_GAUGES;
    return o;
}

bool has_fault(const bench::Bench& b, const std::string& part) {
    auto f = b.faults();
    return std::any_of(f.begin(), f.end(), [&](const std::string& s) { return s.find(part) != std::string::npos; });
}

TEST(Lifecycle, EachBenchAndEachLoadGetsAFreshModule) {
    {
        bench::Bench b(test_gauges());
        EXPECT_EQ(b.get("L:Test_Module_Loads"), 1);
        b.set("L:Left_Over", 5);
        b.load();
        // Same bench, variables kept, but the library was loaded afresh: its own count restarts.
        EXPECT_EQ(b.get("L:Test_Module_Loads"), 1);
        EXPECT_EQ(b.get("L:Test_Init"), 2);
        EXPECT_EQ(b.get("L:Left_Over"), 5);
    }
    bench::Bench next(test_gauges());
    EXPECT_EQ(next.get("L:Left_Over"), 0);
    EXPECT_EQ(next.get("L:Test_Init"), 1);
}

TEST(Lifecycle, OnlyOneBenchAtATimeAndAMissingModuleIsAClearError) {
    bench::Options o = test_gauges();
    o.module_path = "/nonexistent/libNothing.so";
    EXPECT_THROW(bench::Bench{o}, std::runtime_error);
    bench::Bench b(test_gauges());
    EXPECT_THROW(bench::Bench{test_gauges()}, std::logic_error);
}

TEST(Lifecycle, GaugeServicesInOrderAndNullPartsTolerated) {
    bench::Bench b(test_gauges());
    for (int s : {0, 1, 2, 3, 4, 5, 14}) EXPECT_EQ(b.get("L:Test_Service_" + std::to_string(s)), 1) << s;
    EXPECT_EQ(b.get("L:Test_Window"), 0);  // unplaced test gauges sit on the main view
    b.frames(3);
    for (int s : {6, 7, 10, 11}) EXPECT_EQ(b.get("L:Test_Service_" + std::to_string(s)), 3) << s;
    EXPECT_EQ(b.get("L:Test_Service_12"), 0);
    b.unload();
    EXPECT_FALSE(b.loaded());
    b.frames(2);  // frames without a module still run the aircraft and clock
    EXPECT_EQ(b.get("L:Test_Service_12"), 1);
    EXPECT_EQ(b.get("L:Test_Service_13"), 1);
    EXPECT_TRUE(b.faults().empty()) << b.faults().front();
}

TEST(Lifecycle, NamedVariablesAreLocalVariables) {
    bench::Bench b(test_gauges());
    EXPECT_EQ(b.get("L:Test_Named, number"), 42);
    EXPECT_EQ(b.get("L:Test_Named_Id_Matches"), 1);
    EXPECT_EQ(b.get("L:Test_Unknown_Named_Id"), -1);
}

TEST(Elements, ResultsOfEveryKindInTreeOrder) {
    bench::Bench b(test_gauges());
    b.set("L:Test_Icon", 2.7);
    b.set("L:Test_Needle", 12.5);
    b.set("L:Test_StrLen", 5);
    b.set("L:Test_Slider", 2);
    b.frames(1);
    EXPECT_EQ(b.element("Element_Test", 0).kind, 0);
    auto icon = b.element("Element_Test", 1);
    EXPECT_EQ(icon.kind, 4);
    EXPECT_EQ(icon.frame, 2);
    EXPECT_FALSE(icon.hidden);
    EXPECT_EQ(b.element("Element_Test", 2).value, 12.5);
    EXPECT_EQ(b.element("Element_Test", 3).text, "ABCDE");
    EXPECT_EQ(b.element("Element_Test", 3).value, 1.0);
    EXPECT_EQ(b.element("Element_Test", 4).value, 6.0);  // 2 times the x scale of 3
    b.set("L:Test_Icon", -1);
    b.set("L:Test_Hide", 1);
    b.frames(1);
    EXPECT_EQ(b.element("Element_Test", 1).frame, -1);
    EXPECT_TRUE(b.element("Element_Test", 1).hidden);
    EXPECT_EQ(b.element("Element_Test", 3).value, 0.0);  // the string's redraw toggle
    EXPECT_THROW(b.element("Element_Test", 5), bench::ScriptError);
    EXPECT_THROW(b.element("No_Such_Gauge", 0), bench::ScriptError);
}

TEST(Elements, AStringWrittenPastItsLengthIsReportedAndCut) {
    bench::Bench b(test_gauges());
    b.set("L:Test_StrLen", 8);
    b.frames(1);
    EXPECT_EQ(b.element("Element_Test", 3).text, "ABCDEFGH");
    EXPECT_TRUE(b.faults().empty());
    b.set("L:Test_StrLen", 9);
    b.frames(1);
    EXPECT_EQ(b.element("Element_Test", 3).text, "ABCDEFGH");
    EXPECT_TRUE(has_fault(b, "wrote past its 8-character buffer"));
}

TEST(Clock, TicksAndSecondsFollowTheFrames) {
    bench::Options o = test_gauges();
    o.fps = 36;
    bench::Bench b(o);
    b.frames(35);
    EXPECT_EQ(b.get("L:Test_Tick"), 17);
    EXPECT_EQ(b.get("L:Test_Seconds"), 0);
    b.frames(1);
    EXPECT_EQ(b.get("L:Test_Tick"), 18);
    EXPECT_EQ(b.get("L:Test_Seconds"), 1);
    EXPECT_EQ(b.token(1), 18);
    b.seconds(2.5);
    EXPECT_EQ(b.token(604), 3);
    EXPECT_EQ(b.token(1), 63);
}

TEST(Tokens, AircraftTokensUnknownTokensAndTheClockGuard) {
    bench::Bench b(test_gauges());
    b.set_token(74, 31000);
    EXPECT_EQ(b.get("A:PLANE ALTITUDE, feet"), 31000);
    EXPECT_EQ(b.token(74), 31000);
    b.set("A:G FORCE, gforce", 2);
    EXPECT_EQ(b.token(351), 1248);  // 1/624 g units
    EXPECT_EQ(b.token(99999), 0);
    EXPECT_THROW(b.set_token(1, 5), bench::ScriptError);
    EXPECT_THROW(b.set_token(99999, 5), bench::ScriptError);
}

TEST(KeyEvents, HandlersSeeEveryEventAndReentrantTriggersWaitTheirTurn) {
    bench::Bench b(test_gauges());
    b.mark();
    b.key(70000, 5);
    // The handler of 70000 triggered 70001 with 6; it ran after 70000 finished, not inside it.
    EXPECT_EQ(b.get("L:Test_Seq"), 12);
    EXPECT_EQ(b.get("L:Test_Reentered"), 0);
    EXPECT_EQ(b.get("L:Test_Param"), 6);
    ASSERT_EQ(b.key_log().size(), 2u);
    EXPECT_EQ(b.key_log()[0].id, 70000u);
    EXPECT_EQ(b.key_log()[1].id, 70001u);
    EXPECT_EQ(b.key_log()[1].param, 6u);
}

TEST(KeyEvents, AHandlerThatNeverStopsIsCutOffAndReported) {
    bench::Bench b(test_gauges());
    b.key(70002, 0);
    EXPECT_TRUE(has_fault(b, "keep triggering each other"));
    EXPECT_LT(b.key_log().size(), 10000u);
    b.key(70000, 1);  // the bench still works afterwards
    EXPECT_EQ(b.get("L:Test_Param"), 2);
}

TEST(KeyEvents, PanelWindowEventsAndTheAircraftReact) {
    bench::Bench b(test_gauges());
    EXPECT_TRUE(b.window_open(1400));
    EXPECT_FALSE(b.window_open(600));
    b.key(66507, 600);
    EXPECT_TRUE(b.window_open(600));
    b.key(66506, 600);
    EXPECT_FALSE(b.window_open(600));
    b.key(66507, 12345);  // no such window: nothing happens
    b.key(66052, 1);
    EXPECT_EQ(b.get("A:LIGHT STROBE, bool"), 1);
    b.key(66378, 1);
    b.key(66378, 1);
    b.key(66378, 1);
    EXPECT_EQ(b.get("A:LIGHT WING, bool"), 1);
    EXPECT_THROW(b.window("open", 2000), bench::ScriptError);
}

TEST(Windows, PanelGaugesRunWhileOpenAndOnceAfterBeingCycled) {
    bench::Bench b(test_gauges());
    b.frames(2);
    EXPECT_EQ(b.get("L:Test_Panel_Updates"), 0);  // window 600 starts closed
    b.key(66507, 600);
    b.key(66508, 600);
    b.frames(3);
    EXPECT_EQ(b.get("L:Test_Panel_Updates"), 1);
    b.window("open", 600);
    b.frames(3);
    EXPECT_EQ(b.get("L:Test_Panel_Updates"), 4);
    b.window("close", 600);
    b.frames(2);
    EXPECT_EQ(b.get("L:Test_Panel_Updates"), 4);
}

TEST(Mouse, TheLastMatchingAreaGetsTheEventAndOnlyIt) {
    bench::Bench b(test_gauges());
    constexpr std::uint32_t left = 0x20000000, right = 0x80000000, move = 0x00400000;
    // (15,15) lies in the big area and, later in the table, the small one.
    EXPECT_EQ(b.click("Mouse_Test", 15, 15, left), 8);
    EXPECT_EQ(b.get("L:Test_Click"), 2);
    EXPECT_EQ(b.get("L:Test_Click_Count"), 1);
    EXPECT_EQ(b.get("L:Test_RelX"), 5);
    EXPECT_EQ(b.get("L:Test_RelY"), 5);
    EXPECT_EQ(b.get("L:Test_Flags"), left);
    // The small area does not take mouse movement: the big one does.
    EXPECT_EQ(b.click("Mouse_Test", 15, 15, move), 4);
    EXPECT_EQ(b.get("L:Test_Click"), 1);
    EXPECT_EQ(b.get("L:Test_Click_Count"), 2);
    EXPECT_EQ(b.get("L:Test_Gauge_Ok"), 1);
    EXPECT_EQ(b.get("L:Test_Area_H"), 100);
    // Right button: only the right-click area takes it.
    EXPECT_EQ(b.click("Mouse_Test", 55, 55, right), 9);
    EXPECT_EQ(b.get("L:Test_Click"), 3);
    EXPECT_EQ(b.click("Mouse_Test", 5, 5, right), -1);
    EXPECT_EQ(b.get("L:Test_Click_Count"), 3);
}

TEST(Mouse, RectanglesAreHalfOpen) {
    bench::Bench b(test_gauges());
    constexpr std::uint32_t left = 0x20000000;
    EXPECT_EQ(b.click("Mouse_Test", 10, 10, left), 8);   // top-left corner is inside
    EXPECT_EQ(b.click("Mouse_Test", 29, 29, left), 8);
    EXPECT_EQ(b.click("Mouse_Test", 30, 15, left), 4);   // x + w is outside the small area
    EXPECT_EQ(b.click("Mouse_Test", 15, 30, left), 4);
    EXPECT_EQ(b.click("Mouse_Test", 99, 99, left), 4);
    EXPECT_EQ(b.click("Mouse_Test", 100, 50, left), -1);
    EXPECT_EQ(b.click("Mouse_Test", -1, 50, left), -1);
    EXPECT_EQ(b.click("Quiet", 1, 1, left), -1);  // no mouse table at all
    EXPECT_THROW(b.click("Nope", 1, 1, left), bench::ScriptError);
}

TEST(Mouse, ATableWithoutTerminatorIsWalkedSafelyAndReported) {
    bench::Bench b(test_gauges());
    EXPECT_EQ(b.click("Endless_Mouse", 1, 1, 0x20000000), 4095);
    EXPECT_TRUE(has_fault(b, "mouse table without terminator"));
}

TEST(Tooltips, InnermostGroupArgumentsSubstituted) {
    bench::Bench b(test_gauges());
    EXPECT_EQ(b.tooltip("Mouse_Test", 15, 15).value(), "Small [OFF], [0 ft]");
    b.set("L:Test_Tip_Switch", 1);
    b.set("L:Test_Tip_Number", -7.8);
    EXPECT_EQ(b.tooltip("Mouse_Test", 15, 15).value(), "Small [ON], [-7 ft]");
    b.set("L:Test_Tip_Number", 1234.9);
    EXPECT_EQ(b.tooltip("Mouse_Test", 50, 50).value(), "Big area [1234]");
    EXPECT_EQ(b.tooltip("Mouse_Test", 30, 30).value(), "Big area [1234]");
    EXPECT_FALSE(b.tooltip("Mouse_Test", 150, 150));
    EXPECT_FALSE(b.tooltip("Quiet", 0, 0));
}

TEST(Tooltips, ANullStringPrintsNothingAndOverlongTextsAreFlagged) {
    bench::Bench b(test_gauges());
    auto text = b.tooltip("Mouse_Test", 205, 5);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("shows []"), std::string::npos);
    EXPECT_GT(text->size(), 80u);
    EXPECT_TRUE(has_fault(b, "tooltip longer than 80 characters"));
}

}  // namespace
