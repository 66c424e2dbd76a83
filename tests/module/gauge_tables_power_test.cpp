// The electrical, avionics, fuel, engine start and throttle panels (and the invisible gauges
// that run the electrical and fuel models) as the simulator reads them: every element (kind,
// bitmap, position, frames; a needle's pivot and dial, a string's box and font) in drawing
// order, and every mouse rectangle (tooltip group, its text and argument count, its click
// areas with cursor and mask), row by row against the panels' drawings. Then a click on each
// control's area works the control that row names, with its click sound.
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "gauge_tables.h"
#include "scenario.h"

namespace {

using scenario::count_key;
using tables::description;
using tables::records;
using tables::rect_json;

// ---- the rows ---------------------------------------------------------------------------

struct Mark {
    int value, x, y;  // a needle's dial: this value points at x,y of the background
};

struct ElementRow {
    const char* kind;
    int bitmap, x, y, frames;
    std::vector<std::string> detail;  // needles: the pivot inside the bitmap; strings: box, colour, font, weight, chars
    std::vector<Mark> dial;           // needles
};

ElementRow stat(int bitmap, int x, int y) { return {"static", bitmap, x, y, 0, {}, {}}; }
ElementRow icon(int bitmap, int x, int y, int frames) { return {"icon", bitmap, x, y, frames, {}, {}}; }
ElementRow slider(int bitmap, int x, int y) { return {"slider", bitmap, x, y, 0, {}, {}}; }

ElementRow needle(int bitmap, int x, int y, int pivot_x, int pivot_y, std::vector<Mark> dial) {
    return {"needle", bitmap, x, y, 0, {"\"pivot\": [" + std::to_string(pivot_x) + ", " + std::to_string(pivot_y) + "]"},
            std::move(dial)};
}

ElementRow text(int x, int y, int w, int h, int chars, const char* font, int weight, std::uint32_t colour) {
    return {"string", -1, x, y, 0,  // a string draws no bitmap
            {"\"box\": [" + std::to_string(w) + ", " + std::to_string(h) + "], \"colour\": " + std::to_string(colour) + ", ",
             "\"font\": \"" + std::string(font) + "\", \"weight\": " + std::to_string(weight) +
                 ", \"chars\": " + std::to_string(chars) + "}"},
            {}};
}

struct Area {
    int x, y, w, h, cursor;
    std::uint32_t mask;
};

struct MouseRow {
    const char* tooltip;  // null: a group without a tooltip record
    int x, y, w, h;
    std::vector<Area> clicks;
};

constexpr int UP = 1, DOWN = 2, HAND = 5, GRAB = 7;
constexpr std::uint32_t CLICK = 0x20000000, HELD = 0x20220000, GUARDED = 0xA0000000, LEVER = 0xA0800000;

// ---- Elec_Panel ---------------------------------------------------------------------------

const std::vector<ElementRow> ELEC_ELEMENTS = {
    stat(384, 0, 0),
    icon(21760, 155, 681, 9),
    icon(412, 428, 738, 3),
    icon(387, 697, 888, 2),
    icon(1696, 1643, 700, 2),
    icon(1693, 1540, 700, 2),
    needle(385, 1161, 794, 11, 9, {{0, 1309, 894}, {360, 1010, 721}, {370, 1031, 681}, {380, 1063, 646},
                                   {390, 1106, 626}, {400, 1156, 617}, {410, 1206, 623}, {420, 1251, 641},
                                   {430, 1289, 669}, {440, 1325, 713}}),
    stat(389, 1124, 757),
    needle(386, 632, 380, 8, 8, {{0, 557, 456}, {50, 564, 301}, {100, 712, 318}, {115, 730, 356}, {150, 745, 490}}),
    icon(400, 598, 617, 2),
    icon(391, 232, 252, 3),
    icon(395, 585, 25, 2),
    icon(407, 216, 38, 2),
    icon(403, 216, 140, 2),
};

const std::vector<MouseRow> ELEC_MOUSE = {
    {"Inverter 1/2 meters selector", 598, 617, 307, 109, {{598, 617, 307, 109, HAND, CLICK}}},
    {"Inverter 6 On/Off", 585, 25, 232, 103, {{585, 25, 232, 103, HAND, CLICK}}},
    {"No.1 Generator On/Off", 216, 140, 198, 89, {{216, 140, 198, 89, HAND, CLICK}}},
    {"No.2 Generator On/Off", 216, 38, 198, 95, {{216, 38, 198, 95, HAND, CLICK}}},
    {"Inverter Selector Switch", 155, 409, 270, 170, {{155, 409, 270, 170, GRAB, GUARDED}}},
    {"Auto Pilot Reset", 697, 888, 169, 107, {{697, 888, 169, 107, HAND, CLICK}}},
    {"Circuit Breaker 1", 1540, 700, 77, 69, {{1540, 700, 77, 69, HAND, CLICK}}},
    {"Circuit Breaker 2", 1643, 700, 77, 69, {{1643, 700, 77, 69, HAND, CLICK}}},
    {"Bank Selector", 155, 681, 267, 267, {{155, 681, 267, 133, UP, CLICK}, {155, 814, 267, 133, DOWN, CLICK}}},
    {"Pitch selection [%1!d! degrees]", 428, 738, 145, 130, {{428, 738, 72, 130, DOWN, HELD}, {500, 738, 72, 130, UP, HELD}}},
};

// ---- Electrical, Fuel_Selector_SYS, LCD_VC -------------------------------------------------

const std::vector<ElementRow> ELECTRICAL_ELEMENTS = {stat(16784, 0, 0)};
const std::vector<ElementRow> FUEL_SELECTOR_ELEMENTS = {stat(1801, 0, 0)};

const std::vector<ElementRow> LCD_ELEMENTS = {
    stat(21000, 0, 0),
    text(0, 0, 166, 77, 5, "quartz", 400, 0x0000FF),
};
const std::vector<MouseRow> LCD_MOUSE = {
    {"Jet Pipe Temp", 0, 0, 256, 256, {}},
};

// ---- Avionics_Panel -----------------------------------------------------------------------

const std::vector<ElementRow> AVIONICS_ELEMENTS = {
    stat(14604, 0, 0),
    icon(14728, 96, 148, 2),
    icon(14666, 513, 649, 2),
    icon(14736, 484, 151, 1),
    icon(14745, 387, 151, 1),
    icon(14742, 589, 6, 3),
    icon(14704, 314, 716, 1),
    icon(14688, 325, 665, 1),
    icon(14688, 206, 665, 10),
    icon(14688, 246, 665, 10),
    icon(14688, 286, 665, 10),
};

const std::vector<MouseRow> AVIONICS_MOUSE = {
    {"Emergency Avionics", 576, 73, 120, 200, {{576, 73, 120, 200, GRAB, GUARDED}}},
    {"Instrument Lights circuit breaker", 387, 151, 97, 93, {{387, 151, 97, 93, HAND, CLICK}}},
    {"DVM circuit breaker", 484, 151, 100, 93, {{484, 151, 100, 93, HAND, CLICK}}},
    {"Read voltage", 513, 649, 102, 107, {{513, 649, 102, 107, HAND, CLICK}}},
    {"Avionics master switch", 96, 148, 104, 99, {{96, 148, 104, 99, HAND, CLICK}}},
    {"Restore volts", 770, 0, 76, 76, {{770, 0, 76, 76, HAND, CLICK}}},
};

// ---- Fuel_System_Overview -----------------------------------------------------------------

constexpr std::uint32_t QUARTZ_GREY = 0x636363;

const std::vector<ElementRow> OVERVIEW_ELEMENTS = {
    stat(14885, 0, 0),
    icon(16772, 27, 355, 1),
    icon(16773, 87, 300, 1),
    icon(16772, 629, 359, 1),
    icon(16773, 590, 303, 1),
    icon(16776, 381, 536, 1),
    icon(16772, 462, 536, 1),
    icon(16772, 554, 537, 1),
    icon(16772, 170, 755, 1),
    icon(16768, 40, 859, 1),
    icon(16772, 488, 758, 1),
    icon(16768, 616, 864, 1),
    text(34, 182, 145, 40, 4, "Quartz", 400, QUARTZ_GREY),
    text(524, 182, 145, 40, 4, "Quartz", 400, QUARTZ_GREY),
    text(114, 400, 62, 30, 4, "Quartz", 400, QUARTZ_GREY),
    text(199, 400, 62, 30, 4, "Quartz", 400, QUARTZ_GREY),
    text(283, 400, 62, 30, 4, "Quartz", 400, QUARTZ_GREY),
    text(368, 400, 62, 30, 4, "Quartz", 400, QUARTZ_GREY),
    text(454, 423, 145, 40, 4, "Quartz", 400, QUARTZ_GREY),
    text(176, 584, 145, 40, 4, "Quartz", 400, QUARTZ_GREY),
};

const std::vector<MouseRow> OVERVIEW_MOUSE = {
    {"Close Panel", 6, 6, 17, 17, {{6, 6, 17, 17, HAND, CLICK}}},
};

// ---- Fuel_Panel ---------------------------------------------------------------------------

const std::vector<ElementRow> FUEL_ELEMENTS = {
    stat(1801, 0, 0),
    icon(1792, 640, 53, 2),
    icon(1712, 110, 53, 2),
    icon(1564, 687, 856, 2),
    icon(1556, 75, 856, 2),
    icon(41685, 158, 601, 2),
    icon(1701, 48, 601, 2),
    icon(44368, 562, 591, 4),
    icon(41552, 434, 53, 2),
    icon(41541, 321, 53, 2),
    needle(292, 160, 340, 11, 9, {{0, 78, 394}, {1000, 92, 274}, {2000, 231, 280}, {3000, 255, 370}, {3424, 244, 390}}),
    stat(1717, 114, 302),
    needle(292, 426, 340, 11, 9, {{0, 345, 394}, {500, 339, 304}, {1000, 384, 255}, {2000, 497, 276},
                                  {3000, 522, 372}, {3336, 511, 392}}),
    stat(41540, 380, 302),
    needle(292, 691, 340, 11, 9, {{0, 611, 394}, {1000, 625, 271}, {2000, 763, 276}, {3000, 786, 372}, {3424, 776, 392}}),
    stat(1800, 645, 302),
    needle(292, 426, 632, 11, 9, {{0, 341, 690}, {1000, 344, 592}, {2000, 385, 552}, {4000, 479, 555},
                                  {6000, 527, 633}, {7680, 505, 691}}),
    stat(41664, 380, 593),
    needle(292, 426, 936, 11, 9, {{0, 344, 991}, {500, 330, 931}, {1000, 350, 877}, {2000, 422, 843},
                                  {3000, 502, 879}, {4000, 516, 966}, {4320, 508, 985}}),
    stat(20992, 380, 896),
};

const std::vector<MouseRow> FUEL_MOUSE = {
    {"Port Wing Tank Quantity [%1!d! lbs]", 45, 228, 232, 232, {}},
    {"Belly Tank Quantity [%1!d! lbs]", 311, 228, 232, 232, {}},
    {"Starboard Wing Tank Quantity [%1!d! lbs]", 576, 228, 232, 232, {}},
    {"Top Tanks Quantity [%1!d! lbs]", 311, 519, 232, 232, {}},
    {"Rear Tank Quantity [%1!d! lbs]", 311, 822, 232, 232, {}},
    {"Open fuel system overview", 0, 0, 78, 78, {{0, 0, 78, 78, HAND, CLICK}}},
    {"Toggle auto-fuel management [%1!s!]", 768, 0, 78, 78, {{768, 0, 78, 78, HAND, CLICK}}},
    {"Starboard Wing Pump", 640, 53, 98, 175, {{640, 53, 98, 175, HAND, CLICK}}},
    {"Port Wing Pump", 110, 53, 98, 175, {{110, 53, 98, 175, HAND, CLICK}}},
    {"Starboard Rear Pump", 687, 856, 98, 175, {{687, 856, 98, 175, HAND, CLICK}}},
    {"Port Rear Pump", 75, 856, 98, 175, {{75, 856, 98, 175, HAND, CLICK}}},
    {"Rear Tank Starboard Fuel Cock", 158, 601, 103, 122, {{158, 601, 103, 122, HAND, CLICK}}},
    {"Rear Tank Port Fuel Cock", 48, 601, 110, 122, {{48, 601, 110, 122, HAND, CLICK}}},
    {"Top tanks to bottom tank transfer cock", 656, 596, 140, 165, {{656, 596, 140, 165, GRAB, GUARDED}}},
    {"Belly Tank Starboard Pump", 434, 53, 98, 175, {{434, 53, 98, 175, HAND, CLICK}}},
    {"Belly Tank Port Pump", 321, 53, 98, 175, {{321, 53, 98, 175, HAND, CLICK}}},
};

// ---- EngStart_Controls --------------------------------------------------------------------

const std::vector<ElementRow> ENGSTART_ELEMENTS = {
    stat(14888, 0, 0),
    icon(14981, 579, 83, 1),
    icon(14977, 696, 83, 1),
    icon(14896, 826, 68, 2),
    icon(14899, 429, 66, 2),
    icon(14980, 297, 81, 1),
    icon(14976, 178, 83, 1),
    icon(14892, 22, 68, 2),
    icon(1672, 493, 529, 2),
    icon(1680, 699, 317, 2),
    icon(1670, 562, 317, 2),
    icon(1666, 335, 529, 2),
    icon(1668, 155, 318, 2),
    icon(1664, 297, 318, 2),
};

const std::vector<MouseRow> ENGSTART_MOUSE = {
    {"No 1 Electric Start", 22, 68, 96, 96, {{22, 68, 96, 96, HAND, CLICK}}},
    {"CHANGEOVER/NORMAL switch", 429, 66, 93, 100, {{429, 66, 93, 100, HAND, CLICK}}},
    {"No 2 Electric Start", 826, 68, 96, 96, {{826, 68, 96, 96, HAND, CLICK}}},
    {nullptr, 696, 83, 72, 78, {{696, 83, 72, 78, HAND, CLICK}}},
    {nullptr, 579, 83, 72, 78, {{579, 83, 72, 78, HAND, CLICK}}},
    {nullptr, 178, 83, 72, 78, {{178, 83, 72, 78, HAND, CLICK}}},
    {nullptr, 297, 81, 72, 78, {{297, 81, 72, 78, HAND, CLICK}}},
    {"Engine 2 Push Start", 493, 529, 135, 135, {{493, 529, 135, 135, HAND, CLICK}}},
    {"Engine 2 Ignition", 699, 317, 108, 200, {{699, 317, 108, 200, HAND, CLICK}}},
    {"Engine 2 Master", 562, 317, 108, 200, {{562, 317, 108, 200, HAND, CLICK}}},
    {"Engine 1 Push Start", 335, 529, 135, 135, {{335, 529, 135, 135, HAND, CLICK}}},
    {"Engine 1 Ignition", 155, 318, 108, 200, {{155, 318, 108, 200, HAND, CLICK}}},
    {"Engine 1 Master", 297, 318, 108, 200, {{297, 318, 108, 200, HAND, CLICK}}},
};

// ---- Throttles_Panel ----------------------------------------------------------------------

const std::vector<ElementRow> THROTTLES_ELEMENTS = {
    stat(8456, 0, 0),
    icon(8468, 253, 205, 3),
    icon(8464, 87, 205, 3),
    icon(8472, 103, 675, 2),
    icon(8448, 389, 675, 2),
    icon(6656, 103, 480, 2),
    icon(8452, 388, 477, 2),
    slider(8454, 618, 635),
    slider(8455, 784, 635),
    icon(8455, 784, 702, 1),
    icon(8454, 618, 702, 1),
};

const std::vector<MouseRow> THROTTLES_MOUSE = {
    {"Cabin pressure dump switch", 253, 205, 254, 230, {{253, 205, 254, 230, GRAB, GUARDED}}},
    {"Abandon aircraft", 87, 205, 166, 230, {{87, 205, 166, 230, GRAB, GUARDED}}},
    {"Port engine JPT CRZ/MAX selector", 103, 675, 100, 173, {{103, 675, 100, 173, HAND, CLICK}}},
    {"Starboard engine JPT CRZ/MAX selector", 389, 675, 99, 173, {{389, 675, 99, 173, HAND, CLICK}}},
    {"Port engine JPT ON/OFF selector", 103, 480, 99, 173, {{103, 480, 99, 173, HAND, CLICK}}},
    {"Starboard engine JPT ON/OFF selector", 388, 477, 99, 173, {{388, 477, 99, 173, HAND, CLICK}}},
    {"Port engine throttle", 582, 0, 177, 1036, {{582, 0, 177, 1036, HAND, LEVER}}},
    {"Starboard engine throttle", 780, 0, 177, 1036, {{780, 0, 177, 1036, HAND, LEVER}}},
};

// ---- the gauge as the bench describes it ------------------------------------------------

// A needle's dial as described: value, x, y of each row.
std::vector<Mark> dial_of(const std::string& record) {
    std::vector<Mark> marks;
    const auto from = record.find("\"scale\": [");
    if (from == std::string::npos) return marks;
    const std::string part = record.substr(from);
    const std::regex re(R"(\[(-?\d+), (-?\d+), (-?\d+), [^\]]*\])");
    for (auto it = std::sregex_iterator(part.begin(), part.end(), re); it != std::sregex_iterator(); ++it)
        marks.push_back({std::stoi((*it)[1]), std::stoi((*it)[2]), std::stoi((*it)[3])});
    return marks;
}

void check_elements(const bench::Bench& b, const std::string& gauge, const std::vector<ElementRow>& rows) {
    const auto found = records(description(b, gauge), "elements");
    ASSERT_EQ(found.size(), rows.size()) << gauge;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ElementRow& row = rows[i];
        const std::string head = tables::element_head(row.kind, row.bitmap, row.x, row.y, row.frames);
        EXPECT_NE(found[i].find(head), std::string::npos) << gauge << " element " << i << ": " << found[i];
        for (const std::string& part : row.detail)
            EXPECT_NE(found[i].find(part), std::string::npos) << gauge << " element " << i << ": " << found[i];
        if (std::string(row.kind) != "needle") continue;
        const std::vector<Mark> dial = dial_of(found[i]);
        ASSERT_EQ(dial.size(), row.dial.size()) << gauge << " element " << i << ": " << found[i];
        for (std::size_t k = 0; k < dial.size(); ++k)
            EXPECT_TRUE(dial[k].value == row.dial[k].value && dial[k].x == row.dial[k].x && dial[k].y == row.dial[k].y)
                << gauge << " element " << i << " dial row " << k << ": " << found[i];
    }
}

std::string plain(int type, int x = 0, int y = 0, int w = 0, int h = 0, int cursor = -1, std::uint32_t mask = 0) {
    return rect_json(type, x, y, w, h, cursor, mask) + "null, \"args\": 0}";
}

// A tooltip carries one argument per placeholder ("%1!d!", "%2!s!").
std::string tooltip_json(const std::string& text) {
    int args = 0;
    while (text.find("%" + std::to_string(args + 1) + "!") != std::string::npos) ++args;
    return rect_json(4, 0, 0, 0, 0, -1, 0) + "\"" + text + "\", \"args\": " + std::to_string(args) + "}";
}

void check_mouse(const bench::Bench& b, const std::string& gauge, const std::vector<MouseRow>& rows) {
    const auto found = records(description(b, gauge), "mouse");
    std::vector<std::string> wanted;
    wanted.push_back(plain(1));
    for (const MouseRow& row : rows) {
        wanted.push_back(plain(1, row.x, row.y, row.w, row.h));
        if (row.tooltip != nullptr) wanted.push_back(tooltip_json(row.tooltip));
        wanted.push_back(plain(3));
        for (const Area& a : row.clicks) wanted.push_back(plain(2, a.x, a.y, a.w, a.h, a.cursor, a.mask));
    }
    wanted.push_back(plain(3));
    ASSERT_EQ(found.size(), wanted.size()) << gauge;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        EXPECT_EQ(found[i], wanted[i]) << gauge << " mouse record " << i;
}

// ---- what a click works -------------------------------------------------------------------

constexpr std::uint32_t LEFT = 0x20000000, RIGHT = 0x80000000;

struct Sound {
    int click = 0, pan = 0;  // click 0: none
    bool operator==(const Sound&) const = default;
};

std::string click_var(int n, const char* what) { return "L:Tarmelon_Click" + std::to_string(n) + what + ", number"; }

// A click at x,y with the variable at `from` leaves it at `to` and sounds its click.
struct Press {
    int x, y;
    std::uint32_t flags;
    const char* variable;
    double from, to;
    Sound sound;
};

void check_presses(bench::Bench& b, const std::string& gauge, const std::vector<Press>& presses) {
    for (const Press& p : presses) {
        b.set(p.variable, p.from);
        for (int n = 1; n <= 3; ++n) b.set(click_var(n, ""), 0);
        EXPECT_GE(b.click(gauge, p.x, p.y, p.flags), 0) << gauge << " " << p.x << "," << p.y;
        EXPECT_EQ(b.get(p.variable), p.to) << gauge << " " << p.x << "," << p.y << " " << p.variable;
        Sound heard;
        for (int n = 3; n >= 1; --n)
            if (b.get(click_var(n, "")) == 1) heard = {n, static_cast<int>(b.get(click_var(n, "Pan")))};
        EXPECT_EQ(heard, p.sound) << gauge << " " << p.variable << ": click " << heard.click << " at " << heard.pan;
    }
}

// With the variable at `value`, the element shows `frame` (-1: hidden).
struct Picture {
    int element;
    const char* variable;
    double value;
    int frame;
};

// The pictures update while the gauge's window is open.
void check_pictures(bench::Bench& b, const std::string& gauge, const std::vector<Picture>& pictures) {
    for (const auto& g : b.gauges())
        if (g.name == gauge)
            for (std::uint32_t window : g.windows)
                if (window != 0) b.window("open", window);
    for (const Picture& p : pictures) {
        b.set(p.variable, p.value);
        b.frames(1);
        EXPECT_EQ(b.element(gauge, p.element).frame, p.frame) << gauge << " element " << p.element << " at " << p.variable
                                                              << " " << p.value;
    }
}

bench::Bench& settled(bench::Bench& b) {
    scenario::settle(b);
    return b;
}

// ---- the panels ---------------------------------------------------------------------------

TEST(GaugeTablesPower, ElecPanel) {
    bench::Bench b;
    check_elements(b, "Elec_Panel", ELEC_ELEMENTS);
    check_mouse(b, "Elec_Panel", ELEC_MOUSE);
    // The autopilot's reset switch, bank and pitch selectors work the autopilot (its own tests).
    constexpr Sound PANEL{1, 10000};
    check_presses(settled(b), "Elec_Panel",
                  {
                      {700, 650, LEFT, "L:Inverter_MeterSel_pos, number", 0, 1, PANEL},
                      {600, 50, LEFT, "L:Inverter6, number", 1, 0, PANEL},
                      {300, 180, LEFT, "L:GEN1OnOffPos, number", 1, 0, PANEL},
                      {300, 80, LEFT, "L:GEN2OnOffPos, number", 1, 0, PANEL},
                      {200, 450, RIGHT, "L:inv12SelPos, number", 0, 1, PANEL},
                      {200, 450, LEFT, "L:inv12SelPos, number", 1, 2, PANEL},
                      {1560, 720, LEFT, "L:Gen1CircuitBreaker, bool", 0, 1, {3, 10000}},
                      {1560, 720, LEFT, "L:Gen1CircuitBreaker, bool", 1, 0, {2, 10000}},
                      {1660, 720, LEFT, "L:Gen2CircuitBreaker, bool", 0, 1, {3, 10000}},
                      {1660, 720, LEFT, "L:Gen2CircuitBreaker, bool", 1, 0, {2, 10000}},
                  });
    check_pictures(b, "Elec_Panel",
                   {
                       {4, "L:Gen2CircuitBreaker, bool", 1, 1}, {4, "L:Gen2CircuitBreaker, bool", 0, 0},
                       {5, "L:Gen1CircuitBreaker, bool", 1, 1}, {5, "L:Gen1CircuitBreaker, bool", 0, 0},
                       {9, "L:Inverter_MeterSel_pos, number", 1, 1}, {9, "L:Inverter_MeterSel_pos, number", 0, 0},
                       {10, "L:inv12SelPos, number", 2, 2}, {10, "L:inv12SelPos, number", 1, 1},
                       {10, "L:inv12SelPos, number", 0, 0},
                       {11, "L:Inverter6, number", 0, 0}, {11, "L:Inverter6, number", 1, 1},
                       {12, "L:GEN2OnOffPos, number", 0, 0}, {12, "L:GEN2OnOffPos, number", 1, 1},
                       {13, "L:GEN1OnOffPos, number", 0, 0}, {13, "L:GEN1OnOffPos, number", 1, 1},
                   });
}

// The electrical and fuel models' gauges: a background and nothing to click.
TEST(GaugeTablesPower, Electrical) {
    bench::Bench b;
    check_elements(b, "Electrical", ELECTRICAL_ELEMENTS);
    check_mouse(b, "Electrical", {});
    settled(b);
    EXPECT_EQ(b.click("Electrical", 10, 10, LEFT), -1);
    EXPECT_EQ(b.tooltip("Electrical", 10, 10), std::nullopt);
}

TEST(GaugeTablesPower, FuelSelectorSys) {
    bench::Bench b;
    check_elements(b, "Fuel_Selector_SYS", FUEL_SELECTOR_ELEMENTS);
    check_mouse(b, "Fuel_Selector_SYS", {});
    settled(b);
    EXPECT_EQ(b.click("Fuel_Selector_SYS", 10, 10, LEFT), -1);
    EXPECT_EQ(b.tooltip("Fuel_Selector_SYS", 10, 10), std::nullopt);
}

TEST(GaugeTablesPower, LcdVc) {
    bench::Bench b;
    check_elements(b, "LCD_VC", LCD_ELEMENTS);
    check_mouse(b, "LCD_VC", LCD_MOUSE);
    // A tooltip and nothing to click.
    settled(b);
    EXPECT_EQ(b.tooltip("LCD_VC", 255, 255), "Jet Pipe Temp");
    EXPECT_EQ(b.click("LCD_VC", 80, 40, LEFT), -1);
}

TEST(GaugeTablesPower, AvionicsPanel) {
    bench::Bench b;
    check_elements(b, "Avionics_Panel", AVIONICS_ELEMENTS);
    check_mouse(b, "Avionics_Panel", AVIONICS_MOUSE);
    constexpr Sound PANEL{2, 10000};
    settled(b).mark();
    check_presses(b, "Avionics_Panel",
                  {
                      {620, 150, RIGHT, "L:ElecStart_EMGAv_position, number", 0, 1, {3, 10000}},
                      {620, 150, LEFT, "L:ElecStart_EMGAv_position, number", 1, 2, {3, 10000}},
                      {400, 200, LEFT, "L:ElecStart_InstLightsPos, bool", 0, 1, PANEL},
                      {500, 200, LEFT, "L:ElecStart_DVMonoffPos, bool", 0, 1, PANEL},
                      {560, 700, LEFT, "L:ElecStart_Push2ReadPos, bool", 0, 1, PANEL},
                      {150, 200, LEFT, "L:ElecStart_AvsOnOffPos, bool", 1, 0, PANEL},
                      {800, 40, LEFT, "L:ElecStartVolts, number", 100, 124, {}},
                  });
    EXPECT_EQ(b.get("L:Avpan_emerg_avionics_guard, bool"), 1);
    EXPECT_EQ(b.get("L:Avpan_emergency_avionics, bool"), 1);
    EXPECT_EQ(count_key(b, 66701, 0), 1u);  // the avionics master off, to the simulator
    check_pictures(b, "Avionics_Panel",
                   {
                       {1, "L:ElecStart_AvsOnOffPos, bool", 0, 0}, {1, "L:ElecStart_AvsOnOffPos, bool", 1, 1},
                       {3, "L:ElecStart_DVMonoffPos, bool", 1, 0}, {3, "L:ElecStart_DVMonoffPos, bool", 0, -1},
                       {4, "L:ElecStart_InstLightsPos, bool", 1, 0}, {4, "L:ElecStart_InstLightsPos, bool", 0, -1},
                       {5, "L:ElecStart_EMGAv_position, number", 0, 0}, {5, "L:ElecStart_EMGAv_position, number", 2, 2},
                       {5, "L:ElecStart_EMGAv_position, number", 1, 1},
                       // The voltmeter reads 124 while its button is held, its breaker in.
                       {2, "L:ElecStart_Push2ReadPos, bool", 0, 0}, {8, "L:ElecStartVolts, number", 124, -1},
                       {2, "L:ElecStart_Push2ReadPos, bool", 1, 1},
                       {8, "L:ElecStartVolts, number", 124, 1}, {9, "L:ElecStartVolts, number", 124, 2},
                       {10, "L:ElecStartVolts, number", 124, 4}, {6, "L:ElecStartVolts, number", 124, 0},
                       {7, "L:ElecStartVolts, number", 124, 0},
                       {10, "L:ElecStart_DVMonoffPos, bool", 1, -1}, {7, "L:ElecStart_DVMonoffPos, bool", 1, -1},
                       {2, "L:ElecStart_Push2ReadPos, bool", 0, 0},
                   });
}

TEST(GaugeTablesPower, FuelSystemOverview) {
    bench::Bench b;
    check_elements(b, "Fuel_System_Overview", OVERVIEW_ELEMENTS);
    check_mouse(b, "Fuel_System_Overview", OVERVIEW_MOUSE);
    settled(b).mark();
    ASSERT_GE(b.click("Fuel_System_Overview", 22, 22, LEFT), 0);
    EXPECT_EQ(count_key(b, 66508, 1500), 1u);
}

TEST(GaugeTablesPower, FuelPanel) {
    bench::Bench b;
    check_elements(b, "Fuel_Panel", FUEL_ELEMENTS);
    check_mouse(b, "Fuel_Panel", FUEL_MOUSE);
    constexpr Sound PUMP{2, 8500}, COCK{3, 8500};
    check_presses(settled(b), "Fuel_Panel",
                  {
                      {680, 100, LEFT, "L:WingPumpStbd, bool", 0, 1, PUMP},
                      {150, 100, LEFT, "L:WingPumpPort, bool", 0, 1, PUMP},
                      {730, 900, LEFT, "L:RearPumpStbd, bool", 0, 1, PUMP},
                      {110, 900, LEFT, "L:RearPumpPort, bool", 0, 1, PUMP},
                      {200, 650, LEFT, "L:RearFuelCockStbd, bool", 1, 0, COCK},
                      {90, 650, LEFT, "L:RearFuelCockPort, bool", 1, 0, COCK},
                      {700, 650, RIGHT, "L:Top2BellyTransCockPos, number", 0, 1, COCK},
                      {470, 100, LEFT, "L:BellyTankStbPump, bool", 1, 0, PUMP},
                      {360, 100, LEFT, "L:BellyTankPortPump, bool", 1, 0, PUMP},
                  });
    check_pictures(b, "Fuel_Panel",
                   {
                       {1, "L:WingPumpStbd, bool", 1, 1}, {1, "L:WingPumpStbd, bool", 0, 0},
                       {2, "L:WingPumpPort, bool", 1, 1}, {2, "L:WingPumpPort, bool", 0, 0},
                       {3, "L:RearPumpStbd, bool", 1, 1}, {3, "L:RearPumpStbd, bool", 0, 0},
                       {4, "L:RearPumpPort, bool", 1, 1}, {4, "L:RearPumpPort, bool", 0, 0},
                       {5, "L:RearFuelCockStbd, bool", 0, 0}, {5, "L:RearFuelCockStbd, bool", 1, 1},
                       {6, "L:RearFuelCockPort, bool", 0, 0}, {6, "L:RearFuelCockPort, bool", 1, 1},
                       {7, "L:Top2BellyTransCockPos, number", 3, 3}, {7, "L:Top2BellyTransCockPos, number", 2, 2},
                       {7, "L:Top2BellyTransCockPos, number", 0, 0},
                       {8, "L:BellyTankStbPump, bool", 0, 0}, {8, "L:BellyTankStbPump, bool", 1, 1},
                       {9, "L:BellyTankPortPump, bool", 0, 0}, {9, "L:BellyTankPortPump, bool", 1, 1},
                   });
    // The tank quantities only show their tooltip; the two corner buttons open the overview
    // and switch automatic management.
    EXPECT_EQ(b.click("Fuel_Panel", 150, 300, LEFT), -1);
    b.mark();
    ASSERT_GE(b.click("Fuel_Panel", 40, 40, LEFT), 0);
    EXPECT_EQ(count_key(b, 66507, 1500), 1u);
    const auto before = b.tooltip("Fuel_Panel", 800, 40);
    ASSERT_TRUE(before == "Toggle auto-fuel management [ON]" || before == "Toggle auto-fuel management [OFF]");
    ASSERT_GE(b.click("Fuel_Panel", 800, 40, LEFT), 0);
    EXPECT_NE(b.tooltip("Fuel_Panel", 800, 40), before);
}

TEST(GaugeTablesPower, EngStartControls) {
    bench::Bench b;
    check_elements(b, "EngStart_Controls", ENGSTART_ELEMENTS);
    check_mouse(b, "EngStart_Controls", ENGSTART_MOUSE);
    constexpr Sound START{3, 5000}, ENGINE{2, 5000};
    check_presses(settled(b), "EngStart_Controls",
                  {
                      {60, 110, LEFT, "L:EngStart_startSwitch, bool", 0, 1, START},
                      {470, 110, LEFT, "L:EngStart_CHGNORM_switch, bool", 0, 1, START},
                      {870, 110, LEFT, "L:EngStart2_startSwitch, bool", 0, 1, START},
                      {730, 120, LEFT, "L:EngStart2_EBLD_light_press, bool", 0, 1, START},
                      {610, 120, LEFT, "L:EngStart2_ENG_light_press, bool", 0, 1, START},
                      {210, 120, LEFT, "L:EngStart_EBLD_light_press, bool", 0, 1, START},
                      {330, 120, LEFT, "L:EngStart_ENG_light_press, bool", 0, 1, START},
                      {560, 590, LEFT, "L:Eng2PushStart, bool", 0, 1, {}},
                      {750, 400, LEFT, "L:Engine2_Ignition, bool", 1, 0, ENGINE},
                      {610, 400, LEFT, "L:Engine2_MasterPos, bool", 1, 0, ENGINE},
                      {400, 590, LEFT, "L:Eng1PushStart, bool", 0, 1, {}},
                      {200, 400, LEFT, "L:Engine1_Ignition, bool", 1, 0, ENGINE},
                      {350, 400, LEFT, "L:Engine1_MasterPos, bool", 1, 0, ENGINE},
                  });
    check_pictures(b, "EngStart_Controls",
                   {
                       {3, "L:EngStart2_startSwitch, bool", 1, 1}, {3, "L:EngStart2_startSwitch, bool", 0, 0},
                       {4, "L:EngStart_CHGNORM_switch, bool", 1, 1}, {4, "L:EngStart_CHGNORM_switch, bool", 0, 0},
                       {7, "L:EngStart_startSwitch, bool", 1, 1}, {7, "L:EngStart_startSwitch, bool", 0, 0},
                       {9, "L:Engine2_Ignition, bool", 0, 0}, {9, "L:Engine2_Ignition, bool", 1, 1},
                       {10, "L:Engine2_MasterPos, bool", 0, 0}, {10, "L:Engine2_MasterPos, bool", 1, 1},
                       {12, "L:Engine1_Ignition, bool", 0, 0}, {12, "L:Engine1_Ignition, bool", 1, 1},
                       {13, "L:Engine1_MasterPos, bool", 0, 0}, {13, "L:Engine1_MasterPos, bool", 1, 1},
                       // The lamps with their press-to-test; the EBLD lamps also with the start switch on.
                       {1, "L:EngStart2_ENG_light_press, bool", 1, 0}, {1, "L:EngStart2_ENG_light_press, bool", 0, -1},
                       {5, "L:EngStart_ENG_light_press, bool", 1, 0}, {5, "L:EngStart_ENG_light_press, bool", 0, -1},
                       {2, "L:EngStart2_EBLD_light_press, bool", 1, 0}, {2, "L:EngStart2_EBLD_light_press, bool", 0, -1},
                       {6, "L:EngStart_EBLD_light_press, bool", 1, 0}, {6, "L:EngStart_EBLD_light_press, bool", 0, -1},
                       {2, "L:EngStart2_startSwitch, bool", 1, 0}, {2, "L:EngStart2_startSwitch, bool", 0, -1},
                       {6, "L:EngStart_startSwitch, bool", 1, 0}, {6, "L:EngStart_startSwitch, bool", 0, -1},
                   });
}

TEST(GaugeTablesPower, ThrottlesPanel) {
    bench::Bench b;
    check_elements(b, "Throttles_Panel", THROTTLES_ELEMENTS);
    check_mouse(b, "Throttles_Panel", THROTTLES_MOUSE);
    // (The levers' right click and drag have their own tests with the engines.)
    constexpr Sound GUARD{3, 10000}, JPT{2, 10000};
    check_presses(settled(b), "Throttles_Panel",
                  {
                      {300, 300, RIGHT, "L:PressureDump_SwitchPos, number", 0, 1, GUARD},
                      {150, 300, RIGHT, "L:Abandon_SwitchPos, number", 0, 1, GUARD},
                      {150, 750, LEFT, "L:JPT_port_Max, bool", 0, 1, JPT},
                      {430, 750, LEFT, "L:JPT_strb_Max, bool", 0, 1, JPT},
                      {150, 550, LEFT, "L:JPT_port_OnOff, bool", 0, 1, JPT},
                      {430, 550, LEFT, "L:JPT_strb_OnOff, bool", 0, 1, JPT},
                  });
    check_pictures(b, "Throttles_Panel",
                   {
                       {1, "L:PressureDump_SwitchPos, number", 2, 2}, {1, "L:PressureDump_SwitchPos, number", 0, 0},
                       {2, "L:Abandon_SwitchPos, number", 2, 2}, {2, "L:Abandon_SwitchPos, number", 0, 0},
                       {3, "L:JPT_port_Max, bool", 1, 1}, {3, "L:JPT_port_Max, bool", 0, 0},
                       {4, "L:JPT_strb_Max, bool", 1, 1}, {4, "L:JPT_strb_Max, bool", 0, 0},
                       {5, "L:JPT_port_OnOff, bool", 0, 0}, {5, "L:JPT_port_OnOff, bool", 1, 1},
                       {6, "L:JPT_strb_OnOff, bool", 0, 0}, {6, "L:JPT_strb_OnOff, bool", 1, 1},
                   });
    EXPECT_EQ(b.get("L:Throtpan_dump_valve_guard, bool"), 1);
    EXPECT_EQ(b.get("L:Throtpan_abandon_ac_guard, bool"), 1);
}

}  // namespace
