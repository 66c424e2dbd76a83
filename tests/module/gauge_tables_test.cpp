// The hydraulics, gear and flaps, takeoff and trim panels as the simulator reads them: every
// element (kind, bitmap, position, frames) in drawing order, and every mouse rectangle
// (tooltip group, its text, its click areas with cursor and mask), row by row against the
// panels' drawings.
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "gauge_tables.h"
#include "scenario.h"

namespace {

using tables::Area;
using tables::check_elements;
using tables::check_mouse;
using tables::ElementRow;
using tables::MouseRow;

constexpr int UP = 1, DOWN = 2, HAND = 5, GRAB = 7;
constexpr std::uint32_t CLICK = 0x20000000, HELD = 0x20220000, GUARDED = 0xA0000000;

const std::vector<ElementRow> GEAR_FLAPS_ELEMENTS = {
    {"static", 6550, 0, 0, 0},    {"icon", 6532, 507, 453, 3},  {"icon", 6400, 459, 501, 3},
    {"icon", 5644, 345, 453, 3},  {"icon", 6528, 519, 387, 3},  {"icon", 5664, 391, 501, 3},
    {"icon", 5632, 331, 387, 3},  {"icon", 6544, 484, 333, 3},  {"icon", 16896, 425, 310, 3},
    {"icon", 5648, 365, 333, 3},  {"icon", 4480, 379, 406, 2},  {"icon", 4487, 422, 370, 2},
    {"icon", 4357, 0, 643, 3},    {"icon", 4372, 464, 43, 3},   {"needle", 292, 443, 736, 0},
    {"static", 6549, 394, 689, 0}, {"icon", 4364, 672, 618, 2}, {"icon", 4380, 745, 410, 2},
    {"icon", 4492, 764, 246, 2},
};

const std::vector<MouseRow> GEAR_FLAPS_MOUSE = {
    {"Day/Night lamp selector", 375, 369, 148, 61, {{375, 369, 74, 61, DOWN, HELD}, {449, 369, 74, 61, UP, HELD}}},
    {"Lamp A/B selector", 375, 435, 148, 61, {{375, 435, 74, 61, DOWN, HELD}, {449, 435, 74, 61, UP, HELD}}},
    {"Gear UP Button", 746, 246, 114, 110, {{746, 246, 114, 110, HAND, CLICK}}},
    {"Gear Down Button", 745, 410, 162, 147, {{745, 410, 162, 147, HAND, CLICK}}},
    {"Flaps lever up/down", 672, 618, 258, 437, {{672, 618, 258, 437, HAND, CLICK}}},
    {"Flaps position [%1!d! degrees]", 286, 595, 324, 292, {}},
    {"Jettison Tip Tanks", 464, 43, 215, 228, {{464, 43, 215, 228, GRAB, GUARDED}}},
    {"Canopy lift", 0, 643, 127, 250, {{0, 643, 127, 250, GRAB, GUARDED}}},
};

const std::vector<ElementRow> HYDRAULICS_ELEMENTS = {{"static", 16777, 0, 0, 0}};

const std::vector<ElementRow> TO_ELEMENTS = {
    {"static", 4356, 0, 0, 0},     {"needle", 1799, 501, 528, 0}, {"needle", 1799, 809, 521, 0},
    {"needle", 1799, 1119, 527, 0}, {"needle", 1799, 202, 586, 0}, {"icon", 1832, 48, 184, 2},
    {"icon", 1840, 155, 158, 2},    {"icon", 1846, 320, 185, 2},   {"icon", 1842, 425, 158, 2},
    {"icon", 1844, 1076, 158, 2},   {"icon", 1808, 1133, 136, 4},  {"icon", 1824, 973, 713, 3},
    {"icon", 1834, 363, 711, 2},    {"icon", 1836, 579, 711, 2},   {"icon", 1838, 710, 711, 2},
    {"icon", 16640, 541, 44, 3},    {"icon", 16644, 807, 44, 3},
};

const std::vector<MouseRow> TO_MOUSE = {
    {"Canopy Heat", 48, 184, 96, 100, {{48, 184, 96, 100, HAND, CLICK}}},
    {"Pitot Heat", 155, 158, 116, 161, {{155, 158, 116, 161, HAND, CLICK}}},
    {"Vent Valves", 320, 185, 93, 99, {{320, 185, 93, 99, HAND, CLICK}}},
    {"Port wing to rear tank fuel transfer", 425, 158, 116, 161, {{425, 158, 116, 161, HAND, CLICK}}},
    {"Cabin Air", 973, 713, 175, 95, {{928, 687, 117, 134, DOWN, HELD}, {1061, 687, 117, 134, UP, HELD}}},
    {"Compass / Gyro Mode", 363, 711, 98, 102, {{363, 711, 98, 102, HAND, CLICK}}},
    {"Starboard wing to rear tank fuel transfer", 1076, 158, 82, 160, {{1076, 158, 82, 160, HAND, CLICK}}},
    {"Engine air to cabin (Eng 1)", 579, 711, 98, 102, {{579, 711, 98, 102, HAND, CLICK}}},
    {"Engine air to cabin (Eng 2)", 710, 711, 98, 102, {{710, 711, 98, 102, HAND, CLICK}}},
    {"Aircraft Battery", 1133, 136, 237, 146, {{1133, 136, 237, 146, GRAB, GUARDED}}},
    {"ENG1 Master LP Cock", 541, 44, 266, 253, {{541, 44, 266, 253, GRAB, GUARDED}}},
    {"ENG2 Master LP Cock", 807, 44, 269, 253, {{807, 44, 269, 253, GRAB, GUARDED}}},
    {"Main Hydraulic Pressure [%1!d! PSI]", 376, 401, 256, 256, {}},
    {"Wheelbrakes Hydraulic Pressure [%1!d! PSI]", 681, 397, 256, 256, {}},
    {"Cabin Altitude [%1!d! Feet]", 78, 461, 256, 256, {}},
};

const std::vector<ElementRow> TRIM_ELEMENTS = {
    {"static", 56768, 0, 0, 0},   {"icon", 524, 0, 890, 2},     {"icon", 516, 78, 484, 3},
    {"icon", 1412, 424, 95, 3},   {"icon", 1416, 363, 330, 2},  {"icon", 2564, 637, 850, 3},
    {"icon", 2560, 7, 9, 3},      {"icon", 17024, 363, 836, 3}, {"icon", 520, 789, 836, 2},
    {"icon", 41432, 945, 122, 2}, {"icon", 1428, 693, 122, 2},  {"icon", 41424, 899, 403, 2},
    {"icon", 1421, 645, 403, 2},  {"icon", 1544, 241, 851, 2},  {"icon", 42580, 119, 851, 2},
    {"icon", 512, 1395, 645, 3},  {"icon", 41408, 1395, 354, 3}, {"icon", 1536, 1361, 168, 3},
    {"icon", 2572, 1736, 892, 2},
};

const std::vector<MouseRow> TRIM_MOUSE = {
    {"Reset Trims", 1794, 0, 125, 125, {{1794, 0, 125, 125, HAND, CLICK}}},
    {"Aileron Trim [%1!d! degrees]", 1395, 645, 208, 248, {{1395, 645, 104, 248, DOWN, HELD}, {1499, 645, 104, 248, UP, HELD}}},
    {"Rudder Trim [%1!d! degrees]", 1395, 354, 208, 248, {{1395, 354, 104, 248, DOWN, HELD}, {1499, 354, 104, 248, UP, HELD}}},
    {"Nosewheel Mode [%1!s!]", 1306, 356, 61, 100, {{1306, 356, 61, 100, HAND, CLICK}}},
    {"Tail Trim [%1!d! degrees]", 1361, 168, 283, 151, {{1361, 168, 283, 75, DOWN, HELD}, {1361, 243, 283, 75, UP, HELD}}},
    {"CDL light test", 0, 890, 110, 121, {{0, 890, 110, 121, HAND, CLICK}}},
    {"Photoflash lever", 363, 330, 266, 361, {{363, 330, 266, 361, HAND, CLICK}}},
    {"External lights master", 789, 836, 227, 213, {{789, 836, 227, 213, HAND, CLICK}}},
    {"Taxi lights", 241, 851, 116, 198, {{241, 851, 116, 198, HAND, CLICK}}},
    {"Navigation lights", 119, 851, 116, 198, {{119, 851, 116, 198, HAND, CLICK}}},
    {"Ground power", 1736, 892, 113, 167, {{1736, 892, 113, 167, HAND, CLICK}}},
    {"Starboard engine anti-ice", 899, 403, 227, 214, {{899, 403, 227, 214, HAND, CLICK}}},
    {"Port engine anti-ice", 645, 403, 227, 214, {{645, 403, 227, 214, HAND, CLICK}}},
    {"CDL voice", 78, 484, 173, 173, {{78, 484, 173, 86, UP, CLICK}, {78, 570, 173, 86, DOWN, CLICK}}},
    {"Identification lights", 637, 850, 116, 198, {{637, 850, 116, 99, UP, CLICK}, {637, 949, 116, 99, DOWN, CLICK}}},
    {"Flare emergency jettison", 66, 140, 162, 242, {{66, 140, 162, 242, GRAB, GUARDED}}},
    {"Landing lights", 363, 836, 227, 212, {{363, 836, 227, 212, HAND, GUARDED}}},
};

TEST(GaugeTables, GearFlapsHydraulicsTakeoffAndTrimPanelsMatchTheirDrawings) {
    bench::Bench b;
    check_elements(b, "GearFlaps_Panel", GEAR_FLAPS_ELEMENTS);
    check_mouse(b, "GearFlaps_Panel", GEAR_FLAPS_MOUSE);
    check_elements(b, "Hydraulics", HYDRAULICS_ELEMENTS);
    check_mouse(b, "Hydraulics", {});
    check_elements(b, "TO_Panel", TO_ELEMENTS);
    check_mouse(b, "TO_Panel", TO_MOUSE);
    check_elements(b, "Trim_Panel", TRIM_ELEMENTS);
    check_mouse(b, "Trim_Panel", TRIM_MOUSE);
}

// What a few rows show, read through the bench: the flap needle and its tooltip, the gear
// buttons and lever pictures, the pressure needles and their tooltips.
TEST(GaugeTables, TheRowsShowTheirValues) {
    bench::Bench b;
    b.start("ready");
    b.window("open", 1200);
    b.window("open", 500);
    b.seconds(4);
    b.set("A:TRAILING EDGE FLAPS LEFT PERCENT, percent", 37.8);
    b.frames(1);
    EXPECT_EQ(b.element("GearFlaps_Panel", 14).value, 37);
    EXPECT_EQ(b.tooltip("GearFlaps_Panel", 300, 600), "Flaps position [37 degrees]");
    EXPECT_EQ(b.element("GearFlaps_Panel", 16).frame, 1);  // flap lever up
    EXPECT_EQ(b.element("GearFlaps_Panel", 17).frame, 1);  // gear down pressed
    EXPECT_EQ(b.element("GearFlaps_Panel", 18).frame, 0);
    EXPECT_EQ(b.element("TO_Panel", 1).value, 2750);
    EXPECT_EQ(b.element("TO_Panel", 2).value, 2750);
    EXPECT_EQ(b.tooltip("TO_Panel", 700, 420), "Wheelbrakes Hydraulic Pressure [2750 PSI]");
    EXPECT_EQ(b.tooltip("GearFlaps_Panel", 470, 50), "Jettison Tip Tanks");
    EXPECT_EQ(b.tooltip("GearFlaps_Panel", 10, 650), "Canopy lift");
}

}  // namespace
