// The panel selector and its opening arrow, worked with the mouse as the simulator would:
// windows opened and closed, open markers and the published open-window variables,
// highlights and caption, the canopy, hatch and power buttons, tooltips.
#include <optional>
#include <utility>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "scenario.h"

namespace {

using scenario::count_key;

constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t RIGHT = 0x80000000;
constexpr std::uint32_t MOVE = 0x00400000;

constexpr std::uint32_t KEY_TOGGLE = 66506;
constexpr std::uint32_t KEY_OPEN = 66507;
constexpr std::uint32_t KEY_CLOSE = 66508;

const std::string SELECTOR = "Panel_Selector";
const std::string ARROW = "Panel_Selector_Arrow";

// A point inside each button, and the element indexes of its highlight and open marker.
struct Button {
    int x, y;
    int highlight;
    int marker;  // -1: none
};
constexpr Button CHECKLIST{180, 90, 1, 18};
constexpr Button POWER{95, 100, 2, 19};
constexpr Button NAV_HATCH{95, 170, 3, 20};
constexpr Button CANOPY{95, 135, 4, 21};
constexpr Button AUTOPILOT{180, 175, 5, 22};
constexpr Button ENGINE_START{150, 82, 7, 24};
constexpr Button FUEL{150, 100, 8, 25};
constexpr Button GEAR_FLAPS{20, 70, 10, 27};
constexpr Button ELECTRICAL{145, 150, 12, 29};
constexpr Button CLOSE_ALL{100, 40, 14, -1};
constexpr Button TRIM{30, 160, 17, 33};
constexpr int CAPTION = 34;
constexpr int CLOSE_SELECTOR_X = 12, CLOSE_SELECTOR_Y = 12;
constexpr int NO_BUTTON_X = 30, NO_BUTTON_Y = 30;  // inside the selector, over no button

const std::string NO_CAPTION(10, ' ');

// A started cockpit with the selector opened from its arrow and drawn once.
void open_selector(bench::Bench& b) {
    scenario::settle(b);
    ASSERT_FALSE(b.window_open(1300));
    ASSERT_TRUE(b.window_open(1400));
    ASSERT_GE(b.click(ARROW, 15, 20, LEFT), 0);
    ASSERT_TRUE(b.window_open(1300));
    ASSERT_FALSE(b.window_open(1400));
    b.frames(1);
}

int frame_of(const bench::Bench& b, int element) { return b.element(SELECTOR, element).frame; }
std::string caption(const bench::Bench& b) { return b.element(SELECTOR, CAPTION).text; }

// Highlight elements showing (frame 0), by index.
std::vector<int> lit_highlights(const bench::Bench& b) {
    std::vector<int> lit;
    for (int e = 1; e <= 17; ++e)
        if (frame_of(b, e) == 0) lit.push_back(e);
    return lit;
}

TEST(PanelSelector, WindowButtonsOpenTheWindowThenMarkAndPublishIt) {
    bench::Bench b;
    open_selector(b);
    b.mark();
    EXPECT_GE(b.click(SELECTOR, FUEL.x, FUEL.y, LEFT), 0);
    EXPECT_EQ(count_key(b, KEY_TOGGLE, 400), 1u);
    EXPECT_TRUE(b.window_open(400));
    EXPECT_EQ(frame_of(b, FUEL.marker), -1);
    b.frames(1);  // the marker follows at the next update, the variable one update later
    EXPECT_EQ(frame_of(b, FUEL.marker), 0);
    EXPECT_EQ(b.get("L:PANELSEL_FUEL_active"), 0);
    b.frames(1);
    EXPECT_EQ(b.get("L:PANELSEL_FUEL_active"), 1);
    EXPECT_EQ(b.get("L:PANELSEL_active"), 1);
    b.click(SELECTOR, FUEL.x, FUEL.y, LEFT);  // and closes it again, with the same lag
    EXPECT_FALSE(b.window_open(400));
    b.frames(1);
    EXPECT_EQ(frame_of(b, FUEL.marker), -1);
    EXPECT_EQ(b.get("L:PANELSEL_FUEL_active"), 1);
    b.frames(1);
    EXPECT_EQ(b.get("L:PANELSEL_FUEL_active"), 0);

    // Each button works its own window, marker and variable, the checklist's included.
    struct Case {
        Button button;
        std::uint32_t window;
        const char* variable;
    };
    for (const Case& c : {Case{CHECKLIST, 1800, "L:PANELSEL_CHECKLIST_active"}, Case{AUTOPILOT, 900, "L:PANELSEL_AP_active"},
                          Case{ENGINE_START, 300, "L:PANELSEL_ENG_active"}, Case{ELECTRICAL, 100, "L:PANELSEL_INV_active"},
                          Case{TRIM, 200, "L:PANELSEL_TRIM_active"}}) {
        b.click(SELECTOR, c.button.x, c.button.y, LEFT);
        EXPECT_TRUE(b.window_open(c.window)) << c.window;
        b.frames(2);
        EXPECT_EQ(frame_of(b, c.button.marker), 0) << c.window;
        if (c.variable != nullptr) {
            EXPECT_EQ(b.get(c.variable), 1) << c.window;
        }
    }
    EXPECT_EQ(b.get("L:PANELSEL_GEAR_active"), 0);
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

// The start-up window cycling opens and closes every panel, but none stays open: the
// virtual cockpit's selector must show every panel closed.
TEST(PanelSelector, StartsWithEveryPanelPublishedClosed) {
    bench::Bench b;
    scenario::settle(b);
    b.frames(18);
    for (const char* name : {"AP", "AVI", "ENG", "FUEL", "RADGPS", "GEAR", "HYD", "INV", "LIGHTS", "OXY", "THR",
                             "TRIM", "CHECKLIST"}) {
        const std::string variable = std::string("L:PANELSEL_") + name + "_active";
        EXPECT_EQ(b.get(variable), 0) << variable;
    }
    EXPECT_EQ(b.get("L:PANELSEL_active"), 0);
    for (int e = 18; e <= 33; ++e) EXPECT_EQ(frame_of(b, e), -1) << "open marker " << e;

    // The checklist window is published like the others, one update after the selector saw
    // it open (the selector publishes while its own window is open).
    open_selector(b);
    b.frames(2);
    EXPECT_EQ(b.get("L:PANELSEL_CHECKLIST_active"), 0);
    b.window("open", 1800);
    b.frames(1);
    EXPECT_EQ(b.get("L:PANELSEL_CHECKLIST_active"), 0);
    b.frames(1);
    EXPECT_EQ(b.get("L:PANELSEL_CHECKLIST_active"), 1);
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

TEST(PanelSelector, CloseAllClosesThePanelsAndLeavesTheOtherWindows) {
    bench::Bench b;
    open_selector(b);
    const std::vector<std::uint32_t> panels{100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1800};
    const std::vector<std::uint32_t> others{1300, 1400, 1500, 1600, 1700, 1900};
    for (auto list : {panels, others})
        for (std::uint32_t w : list) b.window("open", w);
    b.frames(2);
    b.mark();
    b.click(SELECTOR, CLOSE_ALL.x, CLOSE_ALL.y, LEFT);
    std::vector<std::uint32_t> closed;
    for (const auto& k : b.key_log())
        if (k.id == KEY_CLOSE) closed.push_back(k.param);
    EXPECT_EQ(closed, panels);
    for (std::uint32_t w : panels) EXPECT_FALSE(b.window_open(w)) << w;
    for (std::uint32_t w : others) EXPECT_TRUE(b.window_open(w)) << w;
    b.frames(2);
    EXPECT_EQ(frame_of(b, FUEL.marker), -1);
    EXPECT_EQ(frame_of(b, CHECKLIST.marker), -1);
    EXPECT_EQ(b.get("L:PANELSEL_GEAR_active"), 0);
    EXPECT_EQ(b.get("L:PANELSEL_active"), 1);
}

TEST(PanelSelector, CloseButtonAndArrowHandTheWindowBackAndForth) {
    bench::Bench b;
    open_selector(b);
    // Until its own close button is used, the open selector asks to be open on every update.
    b.mark();
    b.frames(3);
    EXPECT_EQ(count_key(b, KEY_OPEN, 1300), 3u);

    b.click(SELECTOR, CLOSE_SELECTOR_X, CLOSE_SELECTOR_Y, MOVE);  // passing over it does nothing
    EXPECT_TRUE(b.window_open(1300));
    b.mark();
    EXPECT_GE(b.click(SELECTOR, CLOSE_SELECTOR_X, CLOSE_SELECTOR_Y, LEFT), 0);
    EXPECT_FALSE(b.window_open(1300));
    EXPECT_TRUE(b.window_open(1400));
    EXPECT_EQ(count_key(b, KEY_TOGGLE, 1300), 1u);
    EXPECT_EQ(count_key(b, KEY_OPEN, 1400), 1u);

    b.click(ARROW, 5, 5, LEFT);
    EXPECT_TRUE(b.window_open(1300));
    EXPECT_FALSE(b.window_open(1400));

    b.mark();  // reopened from the arrow, it no longer asks
    b.frames(3);
    EXPECT_EQ(count_key(b, KEY_OPEN, 1300), 0u);
    EXPECT_TRUE(b.window_open(1300));
}

TEST(PanelSelector, HoverMovesHighlightAndCaptionTogether) {
    bench::Bench b;
    open_selector(b);
    EXPECT_TRUE(lit_highlights(b).empty());
    EXPECT_EQ(caption(b), NO_CAPTION);
    struct Case {
        Button button;
        const char* caption;
    };
    for (const Case& c : {Case{FUEL, "Fuel"}, Case{AUTOPILOT, "Autopilot"}, Case{GEAR_FLAPS, "Gear/Flaps"},
                          Case{CLOSE_ALL, "Close All"}, Case{NAV_HATCH, "Nav Hatch"}, Case{CHECKLIST, "Checklist"}}) {
        b.click(SELECTOR, c.button.x, c.button.y, MOVE);
        b.frames(1);
        EXPECT_EQ(lit_highlights(b), std::vector<int>{c.button.highlight}) << c.caption;
        EXPECT_EQ(caption(b), c.caption);
    }
    EXPECT_FALSE(b.window_open(400));  // hovering opens nothing

    // Leaving the buttons but not the selector clears both; the close button's corner,
    // which takes no movement of its own, too.
    for (auto [x, y] : {std::pair{NO_BUTTON_X, NO_BUTTON_Y}, std::pair{CLOSE_SELECTOR_X, CLOSE_SELECTOR_Y}}) {
        b.click(SELECTOR, TRIM.x, TRIM.y, MOVE);
        b.click(SELECTOR, x, y, MOVE);
        b.frames(1);
        EXPECT_TRUE(lit_highlights(b).empty());
        EXPECT_EQ(caption(b), NO_CAPTION);
    }
}

TEST(PanelSelector, PowerButtonSwapsColdAndDarkWithReady) {
    bench::Bench b;
    open_selector(b);
    EXPECT_EQ(frame_of(b, POWER.marker), 0);  // started ready
    b.mark();
    b.click(SELECTOR, POWER.x, POWER.y, LEFT);
    EXPECT_EQ(b.get("L:Lights_nav_POS, bool"), 0);
    EXPECT_EQ(b.get("L:AircraftBattPos, number"), 0);
    EXPECT_EQ(b.get("L:Gen1CircuitBreaker, bool"), 1);
    EXPECT_EQ(b.get("L:NoseConePos,number"), 100);
    EXPECT_EQ(count_key(b, 66701, 0), 1u);
    EXPECT_EQ(count_key(b, 66701, 1), 0u);
    b.frames(1);
    EXPECT_EQ(frame_of(b, POWER.marker), -1);
    EXPECT_EQ(frame_of(b, NAV_HATCH.marker), 0);  // cold and dark opens the nose cone

    b.set("A:SIM ON GROUND, bool", 0);  // airborne, the ready preset still lowers the gear
    b.seconds(2);
    b.mark();
    b.click(SELECTOR, POWER.x, POWER.y, LEFT);
    EXPECT_EQ(b.get("L:GearDownButton, bool"), 1);
    EXPECT_EQ(count_key(b, 65700, 1), 1u);
    EXPECT_EQ(b.get("L:Lights_nav_POS, bool"), 1);
    EXPECT_EQ(b.get("L:AircraftBattPos, number"), 3);
    EXPECT_EQ(b.get("L:Gen1CircuitBreaker, bool"), 0);
    EXPECT_EQ(b.get("L:NoseConePos,number"), 0);
    EXPECT_EQ(count_key(b, 66701, 1), 1u);
    EXPECT_EQ(count_key(b, 66701, 0), 0u);
    b.frames(1);
    EXPECT_EQ(frame_of(b, POWER.marker), 0);
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

TEST(PanelSelector, CanopyAndHatchButtons) {
    bench::Bench b;
    open_selector(b);
    ASSERT_EQ(b.get("A:CANOPY OPEN, percent"), 0);
    b.mark();
    b.click(SELECTOR, CANOPY.x, CANOPY.y, LEFT);  // closed: unlock and open
    EXPECT_EQ(count_key(b, 66389, 1), 1u);
    EXPECT_EQ(b.get("L:Canopy_Handle_L,bool"), 1);
    EXPECT_EQ(b.get("L:Canopy_Handle_R,bool"), 1);
    EXPECT_EQ(b.get("L:Canopy_Locked_Indicator, bool"), 0);
    EXPECT_EQ(frame_of(b, CANOPY.marker), -1);
    b.seconds(5);
    EXPECT_EQ(b.get("A:CANOPY OPEN, percent"), 100);
    EXPECT_EQ(frame_of(b, CANOPY.marker), 0);
    b.mark();
    b.click(SELECTOR, CANOPY.x, CANOPY.y, LEFT);  // open: close and lock
    EXPECT_EQ(count_key(b, 66389, 1), 1u);
    EXPECT_EQ(b.get("L:Canopy_Handle_L,bool"), 0);
    EXPECT_EQ(b.get("L:Canopy_Handle_R,bool"), 0);
    EXPECT_EQ(b.get("L:Canopy_Locked_Indicator, bool"), 1);
    b.seconds(5);
    EXPECT_EQ(b.get("A:CANOPY OPEN, percent"), 0);
    EXPECT_EQ(frame_of(b, CANOPY.marker), -1);

    ASSERT_EQ(b.get("L:NoseConePos,number"), 0);
    b.click(SELECTOR, NAV_HATCH.x, NAV_HATCH.y, LEFT);
    EXPECT_EQ(b.get("L:NoseConePos,number"), 100);
    b.frames(1);
    EXPECT_EQ(frame_of(b, NAV_HATCH.marker), 0);
    b.click(SELECTOR, NAV_HATCH.x, NAV_HATCH.y, LEFT);
    EXPECT_EQ(b.get("L:NoseConePos,number"), 0);
    b.set("L:NoseConePos,number", 50);  // stopped half way: no marker, the next click closes it
    b.frames(1);
    EXPECT_EQ(frame_of(b, NAV_HATCH.marker), -1);
    b.click(SELECTOR, NAV_HATCH.x, NAV_HATCH.y, LEFT);
    EXPECT_EQ(b.get("L:NoseConePos,number"), 0);
}

TEST(PanelSelector, TooltipsNameEveryButtonButTheChecklist) {
    bench::Bench b;
    scenario::settle(b);
    const std::pair<Button, std::optional<std::string>> cases[] = {
        {POWER, "Toggle Power"},         {NAV_HATCH, "Toggle Nav Hatch"},  {CANOPY, "Toggle Canopy"},
        {AUTOPILOT, "Autopilot Panel"},  {{155, 170, 0, 0}, "Avionics Panel"}, {ENGINE_START, "Engine Start Panel"},
        {FUEL, "Fuel Panel"},            {{145, 130, 0, 0}, "Radio/GPS Panel"}, {GEAR_FLAPS, "Gear and Flaps Panel"},
        {{180, 120, 0, 0}, "Takeoff Panel"}, {ELECTRICAL, "Electrical Panel"}, {{160, 200, 0, 0}, "Lights Panel"},
        {CLOSE_ALL, "Close all 2D panels"}, {{170, 155, 0, 0}, "Oxygen Panel"}, {{20, 120, 0, 0}, "Throttles Panel"},
        {TRIM, "Trim Panel"}, {{CLOSE_SELECTOR_X, CLOSE_SELECTOR_Y, 0, 0}, "Close Panel Selector"},
        {CHECKLIST, std::nullopt},       {{NO_BUTTON_X, NO_BUTTON_Y, 0, 0}, std::nullopt},
    };
    for (const auto& [button, text] : cases)
        EXPECT_EQ(b.tooltip(SELECTOR, button.x, button.y), text) << button.x << "," << button.y;
    EXPECT_EQ(b.tooltip(ARROW, 15, 20), std::optional<std::string>("Open Panel Selector"));
}

TEST(PanelSelector, OtherMouseEventsAndPlacesChangeNothing) {
    bench::Bench b;
    scenario::settle(b);
    b.mark();
    EXPECT_EQ(b.click(ARROW, 15, 20, RIGHT), -1);
    EXPECT_EQ(b.click(ARROW, 15, 20, MOVE), -1);
    EXPECT_EQ(b.click(ARROW, 40, 20, LEFT), -1);  // beside the arrow
    EXPECT_FALSE(b.window_open(1300));
    open_selector(b);
    b.mark();
    for (std::uint32_t flags : {RIGHT, 0x00004000u, 0x00002000u, 0x00020000u})
        for (const Button& button : {FUEL, POWER, CANOPY, NAV_HATCH, CLOSE_ALL})
            EXPECT_EQ(b.click(SELECTOR, button.x, button.y, flags), -1);
    EXPECT_EQ(b.click(SELECTOR, CLOSE_SELECTOR_X, CLOSE_SELECTOR_Y, RIGHT), -1);
    EXPECT_EQ(b.click(SELECTOR, 250, 100, LEFT), -1);  // outside the bitmap
    EXPECT_EQ(b.click(SELECTOR, -5, 10, MOVE), -1);
    EXPECT_TRUE(b.key_log().empty());
    EXPECT_EQ(b.get("L:AircraftBattPos, number"), 3);
    EXPECT_EQ(b.get("L:NoseConePos,number"), 0);
    EXPECT_TRUE(b.window_open(1300));
}

// The selector's line of the bench's gauge description.
std::string selector_description(const bench::Bench& b) {
    std::istringstream in(b.describe_gauges());
    std::string line;
    while (std::getline(in, line))
        if (line.find("{\"name\": \"Panel_Selector\",") != std::string::npos) return line;
    return {};
}

std::vector<std::string> matches(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}

TEST(PanelSelector, DrawsAndHitTestsAsTheSimulatorReadsIt) {
    bench::Bench b;
    const std::string line = selector_description(b);
    ASSERT_FALSE(line.empty());
    // Icons erase their place; only the electrical panel's two images keep transparency.
    const auto icons = matches(line, R"(\{"index": \d+, "parent": \d+, "kind": "icon"[^}]*\})");
    ASSERT_EQ(icons.size(), 33u);
    for (const std::string& icon : icons) {
        const bool electrical = icon.find("\"bitmap\": 13596,") != std::string::npos ||
                                icon.find("\"bitmap\": 13597,") != std::string::npos;
        EXPECT_NE(icon.find(electrical ? "\"flags\": 3}" : "\"flags\": 2}"), std::string::npos) << icon;
    }
    EXPECT_NE(line.find(R"({"index": 25, "parent": 24, "kind": "icon", "bitmap": 12802, "x": 137, "y": 87, "frames": 1)"),
              std::string::npos);
    EXPECT_NE(line.find(R"({"index": 33, "parent": 32, "kind": "icon", "bitmap": 13824, "x": 4, "y": 148, "frames": 1)"),
              std::string::npos);
    EXPECT_NE(line.find(R"({"index": 34, "parent": 33, "kind": "string", "bitmap": -1, "x": 5, "y": 189, "frames": 0, "flags": 7, )"
                        R"("box": [129, 28], "colour": 6513507, "background": 6052956, "font": "ariblk", "weight": 400, )"
                        R"("chars": 10})"),
              std::string::npos);

    // The whole-selector hover area comes first, then the buttons: hand cursor, click and
    // movement, but the close button, which takes left clicks only.
    const auto areas = matches(line, R"(\{"type": 2, [^}]*\})");
    ASSERT_EQ(areas.size(), 19u);
    EXPECT_EQ(areas.front(), R"({"type": 2, "x": 0, "y": 0, "w": 200, "h": 222, "cursor": -1, "mask": 4194304, "tooltip": null, "args": 0})");
    for (std::size_t i = 1; i + 1 < areas.size(); ++i)
        EXPECT_NE(areas[i].find(R"("cursor": 5, "mask": 541065216,)"), std::string::npos) << areas[i];
    EXPECT_EQ(areas.back(), R"({"type": 2, "x": 7, "y": 7, "w": 15, "h": 15, "cursor": 5, "mask": 536870912, "tooltip": null, "args": 0})");
}

}  // namespace
