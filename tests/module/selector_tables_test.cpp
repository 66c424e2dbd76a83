// The frame driver and the panel selector as the simulator reads them: every element (kind,
// bitmap, position, frames) in drawing order and every mouse rectangle (tooltip groups, then
// the click areas with cursor and mask), row by row against the selector's drawing.
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "gauge_tables.h"
#include "scenario.h"

namespace {

using tables::Area;
using tables::check_elements;
using tables::description;
using tables::ElementRow;
using tables::records;
using tables::area_json;
using tables::end_json;
using tables::expect_mouse_records;
using tables::group_json;
using tables::tooltip_json;

struct TooltipRow {
    const char* tooltip;
    int x, y, w, h;
};

constexpr int NO_CURSOR = -1, HAND = 5;
constexpr std::uint32_t CLICK = 0x20000000, CLICK_OR_MOVE = 0x20400000, MOVE = 0x00400000;

const std::vector<ElementRow> SYSTEM_WATCH_ELEMENTS = {{"static", 0, 0, 0, 0}, {"needle", 0, 0, 0, 0}};

// Background, the 17 highlights, the 16 open markers (none for "Close All"), the caption.
const std::vector<ElementRow> SELECTOR_ELEMENTS = {
    {"static", 10753, 0, 0, 0},
    {"icon", 17928, 172, 82, 1},  {"icon", 14881, 83, 91, 1},   {"icon", 14872, 83, 157, 1},
    {"icon", 14860, 83, 124, 1},  {"icon", 12546, 172, 165, 1}, {"icon", 12673, 149, 165, 1},
    {"icon", 12549, 140, 79, 1},  {"icon", 12801, 137, 87, 1},  {"icon", 13570, 137, 123, 1},
    {"icon", 13580, 5, 52, 1},    {"icon", 13592, 167, 107, 1}, {"icon", 13596, 137, 144, 1},
    {"icon", 13599, 137, 189, 1}, {"icon", 10755, 46, 4, 1},    {"icon", 13700, 161, 147, 1},
    {"icon", 13706, 4, 103, 1},   {"icon", 13709, 4, 148, 1},
    {"icon", 17929, 172, 82, 1},  {"icon", 14884, 83, 91, 1},   {"icon", 14876, 83, 157, 1},
    {"icon", 14864, 83, 124, 1},  {"icon", 12547, 172, 165, 1}, {"icon", 12674, 149, 165, 1},
    {"icon", 12550, 140, 79, 1},  {"icon", 12802, 137, 87, 1},  {"icon", 13572, 137, 123, 1},
    {"icon", 13584, 5, 52, 1},    {"icon", 13594, 167, 107, 1}, {"icon", 13597, 137, 144, 1},
    {"icon", 13610, 137, 189, 1}, {"icon", 13704, 161, 147, 1}, {"icon", 13707, 4, 103, 1},
    {"icon", 13824, 4, 148, 1},
    {"string", -1, 5, 189, 0},
};

// The buttons with a tooltip, in the buttons' order (the checklist button has none).
const std::vector<TooltipRow> SELECTOR_TOOLTIPS = {
    {"Toggle Power", 83, 91, 30, 30},          {"Toggle Nav Hatch", 83, 157, 30, 30},
    {"Toggle Canopy", 83, 124, 30, 30},        {"Autopilot Panel", 172, 165, 24, 21},
    {"Avionics Panel", 149, 165, 22, 21},      {"Engine Start Panel", 140, 79, 21, 7},
    {"Fuel Panel", 137, 87, 27, 34},           {"Radio/GPS Panel", 137, 123, 28, 19},
    {"Gear and Flaps Panel", 5, 52, 42, 50},   {"Takeoff Panel", 167, 107, 26, 38},
    {"Electrical Panel", 137, 144, 22, 19},    {"Lights Panel", 137, 189, 59, 29},
    {"Close all 2D panels", 46, 4, 137, 75},   {"Oxygen Panel", 161, 147, 31, 17},
    {"Throttles Panel", 4, 103, 57, 44},       {"Trim Panel", 4, 148, 56, 37},
    {"Close Panel Selector", 7, 7, 15, 15},
};

// The whole selector (mouse movement only), then the 17 buttons in their order.
const std::vector<Area> SELECTOR_CLICKS = {
    {0, 0, 200, 222, NO_CURSOR, MOVE},
    {172, 82, 22, 21, HAND, CLICK_OR_MOVE},  {83, 91, 30, 30, HAND, CLICK_OR_MOVE},
    {83, 157, 30, 30, HAND, CLICK_OR_MOVE},  {83, 124, 30, 30, HAND, CLICK_OR_MOVE},
    {172, 165, 24, 21, HAND, CLICK_OR_MOVE}, {149, 165, 22, 21, HAND, CLICK_OR_MOVE},
    {140, 79, 21, 7, HAND, CLICK_OR_MOVE},   {137, 87, 27, 34, HAND, CLICK_OR_MOVE},
    {137, 123, 28, 19, HAND, CLICK_OR_MOVE}, {5, 52, 42, 50, HAND, CLICK_OR_MOVE},
    {167, 107, 26, 38, HAND, CLICK_OR_MOVE}, {137, 144, 22, 19, HAND, CLICK_OR_MOVE},
    {137, 189, 59, 29, HAND, CLICK_OR_MOVE}, {46, 4, 137, 75, HAND, CLICK_OR_MOVE},
    {161, 147, 31, 17, HAND, CLICK_OR_MOVE}, {4, 103, 57, 44, HAND, CLICK_OR_MOVE},
    {4, 148, 56, 37, HAND, CLICK_OR_MOVE},   {7, 7, 15, 15, HAND, CLICK},
};

const std::vector<ElementRow> ARROW_ELEMENTS = {{"static", 14852, 0, 0, 0}};
const std::vector<TooltipRow> ARROW_TOOLTIPS = {{"Open Panel Selector", 0, 0, 31, 38}};
const std::vector<Area> ARROW_CLICKS = {{0, 0, 31, 38, HAND, CLICK}};

// ---- the gauge as the bench describes it ------------------------------------------------

// The tooltip groups first, then the click areas, all inside the outermost parent.
void check_mouse(const bench::Bench& b, const std::string& gauge, const std::vector<TooltipRow>& tips,
                 const std::vector<Area>& clicks) {
    std::vector<std::string> inner;
    for (const TooltipRow& t : tips) {
        inner.push_back(group_json(t.x, t.y, t.w, t.h));
        inner.push_back(tooltip_json(t.tooltip));
        inner.push_back(end_json());
    }
    for (const Area& a : clicks) inner.push_back(area_json(a));
    expect_mouse_records(b, gauge, inner);
}

}  // namespace

TEST(SelectorTables, FrameDriverSelectorAndArrowMatchTheirDrawings) {
    bench::Bench b;
    check_elements(b, "SystemWatch", SYSTEM_WATCH_ELEMENTS);
    check_mouse(b, "SystemWatch", {}, {});
    check_elements(b, "Panel_Selector", SELECTOR_ELEMENTS);
    check_mouse(b, "Panel_Selector", SELECTOR_TOOLTIPS, SELECTOR_CLICKS);
    check_elements(b, "Panel_Selector_Arrow", ARROW_ELEMENTS);
    check_mouse(b, "Panel_Selector_Arrow", ARROW_TOOLTIPS, ARROW_CLICKS);
}

// The caption's font and box, and the tooltips shown where the pilot points.
TEST(SelectorTables, CaptionAndTooltipsReadAsDrawn) {
    bench::Bench b;
    const auto caption = records(description(b, "Panel_Selector"), "elements").back();
    EXPECT_NE(caption.find("\"box\": [129, 28], \"colour\": 6513507"), std::string::npos) << caption;
    EXPECT_NE(caption.find("\"font\": \"ariblk\", \"weight\": 400"), std::string::npos) << caption;
    for (const TooltipRow& t : SELECTOR_TOOLTIPS)
        EXPECT_EQ(b.tooltip("Panel_Selector", t.x + t.w / 2, t.y + t.h / 2), std::optional<std::string>(t.tooltip))
            << t.tooltip;
    EXPECT_EQ(b.tooltip("Panel_Selector", 183, 92), std::nullopt);  // the checklist button
}
