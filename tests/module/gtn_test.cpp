// The GTN6XX navigator as a pilot works it on the 2D panel and in the virtual cockpit: its
// pages and keys touched by pixel, the bezel knobs, COM1, NAV1 and the transponder tuned by
// keypad, the COM1/NAV1 memory, the fuel entry, power, and its screen fields at their edges,
// over the bench's GPS and its flight plan.
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "gauge_tables.h"
#include "scenario.h"

namespace {

using tables::matches;
using tables::mouse;

constexpr const char* GTN = "RadioGPS_GTN6XX";
constexpr std::uint32_t LEFT = 0x20000000, RIGHT = 0x80000000, WHEEL_UP = 0x4000, WHEEL_DOWN = 0x2000;

struct Point {
    int x, y;
};
constexpr Point VOLUME{370, 400}, LARGE_DOWN{1255, 680}, LARGE_UP{1320, 680}, SMALL_DOWN{1270, 700},
    SMALL_UP{1305, 700}, DIRECT_TO{1290, 540}, HOME{1290, 420}, TERR{500, 715};

// The screen spans 454,405 to 1186,707: u is 1 at its left edge, v 1 at its top.
Point screen(double u, double v) {
    return {454 + static_cast<int>((1.0 - u) * 732.0), 405 + static_cast<int>((1.0 - v) * 302.0)};
}

void press(bench::Bench& b, Point p, std::uint32_t flags = LEFT) { b.click(GTN, p.x, p.y, flags); }
void touch(bench::Bench& b, double u, double v) {
    press(b, screen(u, v));
    b.frames(1);
}

// Keys by their centres.
constexpr double ENTER_U = 0.10, ENTER_V = 0.13;  // also Continue and Map on page 3
constexpr double BACK_U = 0.93, BACK_V = 0.13;
void home_key(bench::Bench& b, double u, double v) {
    press(b, HOME);
    b.frames(1);
    touch(b, u, v);
}
void com_page(bench::Bench& b) { home_key(b, 0.62, 0.65); }
void nav_page(bench::Bench& b) { home_key(b, 0.46, 0.65); }
void xpdr_page(bench::Bench& b) { home_key(b, 0.30, 0.65); }
void fuel_page(bench::Bench& b) { home_key(b, 0.29, 0.20); }

// The digit keys of the fuel, COM and NAV keypads: 1 to 5 above, 6 to 0 below.
void digit(bench::Bench& b, int d) {
    const double columns[5] = {0.80, 0.68, 0.535, 0.405, 0.275};
    const int at = d == 0 ? 9 : d - 1;
    touch(b, columns[at % 5], at < 5 ? 0.50 : 0.17);
}
void digits(bench::Bench& b, const std::vector<int>& ds) {
    for (int d : ds) digit(b, d);
}
// The transponder keypad: 0 to 3 above, 4 to 7 below.
void xpdr_digit(bench::Bench& b, int d) {
    const double columns[4] = {0.80, 0.68, 0.535, 0.405};
    touch(b, columns[d % 4], d < 4 ? 0.50 : 0.17);
}

std::string text(bench::Bench& b, int n) { return b.element(GTN, n).text; }
bool shown(bench::Bench& b, int n) { return !b.element(GTN, n).hidden; }
int page(bench::Bench& b) {
    // The page image lit: elements 4 to 12 show pages 1 to 9, 47 to 49 pages 10 to 12.
    for (int n = 4; n <= 12; ++n)
        if (b.element(GTN, n).frame == 0) return n - 3;
    for (int n = 47; n <= 49; ++n)
        if (b.element(GTN, n).frame == 0) return n - 37;
    return 0;
}

void open_unit(bench::Bench& b) {
    scenario::settle(b);
    b.window("open", 1000);
    b.frames(2);
}
// Past the start-up page, on the home page.
void on_home(bench::Bench& b) {
    open_unit(b);
    touch(b, ENTER_U, ENTER_V);
}

std::filesystem::path config_file(const scenario::TempRoot& root) {
    return root.path() / "SimObjects" / "Airplanes" / "VK_Tarmelon" / "panel" / "Tarmelon.cfg";
}

TEST(Gtn, StartsOnTheStartUpPageAndContinuesHome) {
    bench::Bench b;
    open_unit(b);
    EXPECT_EQ(page(b), 4);
    // The right column does not show on the start-up page.
    EXPECT_FALSE(shown(b, 13));
    EXPECT_FALSE(shown(b, 15));
    EXPECT_TRUE(shown(b, 39));
    touch(b, ENTER_U, ENTER_V);
    EXPECT_EQ(page(b), 9);
    EXPECT_TRUE(shown(b, 13));
    EXPECT_EQ(text(b, 15), "118.50");
    EXPECT_EQ(text(b, 14), "121.50");
    EXPECT_EQ(text(b, 13), "7000");
    EXPECT_EQ(text(b, 32), "STBY");
    EXPECT_EQ(b.get("L:TarmelonGPSVis, bool"), 0);
}

TEST(Gtn, TouchPointIsNormalisedFromTheLeftAndTop) {
    bench::Bench b;
    open_unit(b);
    b.click(GTN, 454, 405, LEFT);  // the top left corner: u 1, v 1
    EXPECT_EQ(b.get("L:Mouse_Data_X, number"), 1);
    EXPECT_EQ(b.get("L:Mouse_Data_Y, number"), 1);
    b.click(GTN, 455, 600, LEFT);
    EXPECT_EQ(b.get("L:Mouse_Data_X, number"), 0);
    EXPECT_EQ(b.get("L:Mouse_Data_Y, number"), 0);
    b.frames(1);
    EXPECT_EQ(page(b), 4);  // neither touch was on Continue
}

TEST(Gtn, HomeKeysOpenTheirPagesAndBackReturns) {
    bench::Bench b;
    on_home(b);
    struct Case {
        double u, v;
        int page;
    };
    const Case cases[] = {{0.79, 0.66, 1}, {0.62, 0.65, 6}, {0.46, 0.66, 8}, {0.30, 0.66, 7},
                          {0.79, 0.21, 3}, {0.29, 0.20, 5}};
    for (const Case& c : cases) {
        touch(b, c.u, c.v);
        EXPECT_EQ(page(b), c.page) << c.u << "," << c.v;
        EXPECT_EQ(b.get("L:TarmelonGPSVis, bool"), c.page == 1 ? 1 : 0);
        EXPECT_EQ(b.get("L:Garmin_LCD_C, bool"), c.page == 1 ? 1 : 0);
        touch(b, BACK_U, BACK_V);
        EXPECT_EQ(page(b), 9);
    }
    // The map page from the navigation page; Back to the navigation page.
    touch(b, 0.79, 0.21);
    touch(b, ENTER_U, ENTER_V);
    EXPECT_EQ(page(b), 1);
    touch(b, BACK_U, BACK_V);
    EXPECT_EQ(page(b), 3);
    // Between two keys nothing happens.
    touch(b, 0.50, 0.50);
    EXPECT_EQ(page(b), 3);
}

TEST(Gtn, ComKeypadTunesTheStandbyAndRefusesOutOfBandDigits) {
    bench::Bench b;
    on_home(b);
    com_page(b);
    EXPECT_TRUE(shown(b, 25));
    EXPECT_FALSE(shown(b, 27));
    EXPECT_EQ(text(b, 25), "121.50");
    digit(b, 2);  // only 1 starts an entry
    EXPECT_FALSE(shown(b, 27));
    digits(b, {1, 2, 1, 5});
    EXPECT_TRUE(shown(b, 27));
    EXPECT_EQ(text(b, 27), "121.5[0]");
    b.mark();
    touch(b, ENTER_U, ENTER_V);
    EXPECT_EQ(scenario::count_key(b, 66371, 0x2150), 1u);
    EXPECT_FALSE(shown(b, 27));
    // With 13 the third digit cannot be 7, 8 or 9.
    digits(b, {1, 3, 7, 8, 9});
    EXPECT_EQ(text(b, 27), "13[6].00");  // 138 became 136 when 3 was written second
    digits(b, {6, 2, 7});
    EXPECT_EQ(text(b, 27), "136.2[7]");
    b.mark();
    touch(b, ENTER_U, ENTER_V);
    EXPECT_EQ(scenario::count_key(b, 66371, 0x3627), 1u);
    // XFER swaps COM1.
    touch(b, 0.80, 0.84);
    EXPECT_EQ(scenario::count_key(b, 66372, 1), 1u);
    b.frames(1);
    EXPECT_EQ(text(b, 15), "136.27");
    EXPECT_EQ(text(b, 14), "118.50");
}

TEST(Gtn, BackspaceCannotLeaveAFrequencyOutsideTheBand) {
    bench::Bench b;
    on_home(b);
    com_page(b);
    digits(b, {1, 3, 6});
    touch(b, 0.28, 0.83);  // BKSP twice: back to the second digit
    touch(b, 0.28, 0.83);
    EXPECT_EQ(text(b, 27), "1[3]6.00");
    digit(b, 1);  // 116 is no COM frequency: the nearest is 118
    EXPECT_EQ(text(b, 27), "11[8].00");
    b.mark();
    touch(b, ENTER_U, ENTER_V);
    EXPECT_EQ(scenario::count_key(b, 66371, 0x1800), 1u);

    nav_page(b);
    digits(b, {1, 0, 9});
    touch(b, 0.28, 0.83);
    touch(b, 0.28, 0.83);
    digit(b, 1);  // 119 would be refused: 118, the nearest the keypad takes
    EXPECT_EQ(text(b, 35), "11[8].00");
    digit(b, 0);
    digit(b, 0);
    touch(b, 0.28, 0.83);
    touch(b, 0.28, 0.83);
    touch(b, 0.28, 0.83);
    digit(b, 0);  // 108 again: the third digit stands
    EXPECT_EQ(text(b, 35), "10[8].00");
}

TEST(Gtn, NavKeypadTunesNav1AndTheFocusFollowsThePage) {
    bench::Bench b;
    on_home(b);
    nav_page(b);
    EXPECT_TRUE(shown(b, 50));  // the NAV box replaces the COM one
    EXPECT_TRUE(shown(b, 55));
    EXPECT_EQ(text(b, 52), "111.50");
    EXPECT_EQ(text(b, 53), "110.30");
    EXPECT_EQ(text(b, 14), "");
    digits(b, {1, 1, 9});
    EXPECT_EQ(text(b, 35), "11[8].00");  // 9 refused after 11
    digits(b, {8, 5, 5});
    EXPECT_EQ(text(b, 35), "118.5[5]");
    digits(b, {3, 0});  // 3 is refused at the last digit, 0 taken
    EXPECT_EQ(text(b, 35), "118.5[0]");
    b.mark();
    touch(b, ENTER_U, ENTER_V);
    EXPECT_EQ(scenario::count_key(b, 66447, 0x1850), 1u);
    touch(b, 0.80, 0.84);
    EXPECT_EQ(scenario::count_key(b, 66448, 1), 1u);
    // The swap arrow acts on the focused radio: NAV here, COM after the COM page.
    b.mark();
    touch(b, 0.10, 0.75);
    EXPECT_EQ(scenario::count_key(b, 66448, 1), 1u);
    com_page(b);
    b.mark();
    touch(b, 0.10, 0.75);
    EXPECT_EQ(scenario::count_key(b, 66372, 1), 1u);
    EXPECT_FALSE(shown(b, 50));
}

TEST(Gtn, TransponderKeypadModeAndIdent) {
    bench::Bench b;
    on_home(b);
    xpdr_page(b);
    EXPECT_TRUE(shown(b, 29));
    EXPECT_TRUE(shown(b, 31));
    xpdr_digit(b, 5);  // any digit starts the entry at 7000, written first
    EXPECT_EQ(text(b, 30), "5[0]00");
    touch(b, 0.28, 0.83);  // Backspace
    for (int d : {1, 2, 3, 4}) xpdr_digit(b, d);
    EXPECT_EQ(text(b, 30), "123[4]");
    b.mark();
    touch(b, ENTER_U, ENTER_V);
    EXPECT_EQ(scenario::count_key(b, 65715, 0x1234), 1u);
    b.frames(1);
    EXPECT_EQ(text(b, 29), "1234");  // the simulator's packed code, shown as four digits
    EXPECT_EQ(text(b, 13), "1234");
    // VFR: 7000 at once.
    touch(b, 0.27, 0.50);
    EXPECT_EQ(scenario::count_key(b, 65715, 0x7000), 1u);
    // Mode: STBY, GND, ON, ALT, STBY; the SquawkBox byte goes on at GND and off at STBY.
    b.mark();
    const char* modes[] = {"GND", "ON", "ALT", "STBY"};
    for (const char* m : modes) {
        touch(b, 0.27, 0.17);
        EXPECT_EQ(text(b, 31), m);
        EXPECT_EQ(text(b, 32), m);
    }
    const auto log = b.simconnect_log();
    EXPECT_TRUE(scenario::in_order(log, {"SimConnect_SetClientData(0, 2, 0, 0, 1, [01])",
                                         "SimConnect_SetClientData(0, 2, 0, 0, 1, [00])"}));
    EXPECT_EQ(scenario::count_prefix(log, "SimConnect_SetClientData(0, 2,"), 2u);
    touch(b, ENTER_U, 0.39);  // IDENT
    EXPECT_EQ(scenario::count_lines(b.simconnect_log(), "SimConnect_SetClientData(0, 4, 0, 0, 1, [02])"), 1u);
}

TEST(Gtn, FuelPageLoadsTheEnteredPounds) {
    bench::Bench b;
    on_home(b);
    fuel_page(b);
    EXPECT_TRUE(shown(b, 24));
    EXPECT_FALSE(shown(b, 13));  // no right column on the fuel page
    touch(b, 0.80, 0.84);        // Full
    EXPECT_EQ(text(b, 26), "[2]2183LB");  // the cursor stays where it was
    touch(b, ENTER_U, ENTER_V);
    b.frames(2);
    EXPECT_FALSE(shown(b, 26));
    EXPECT_EQ(text(b, 24), "22183 LB");
    // Typed: any digit starts the entry; then 1 and 0 go anywhere, other digits not first.
    digits(b, {9, 5});
    EXPECT_EQ(text(b, 26), "95[0]00LB");
    touch(b, 0.28, 0.83);
    touch(b, 0.28, 0.83);
    digits(b, {2, 1, 2, 0, 0, 0});
    EXPECT_EQ(text(b, 26), "1200[0]LB");
    touch(b, ENTER_U, ENTER_V);
    b.frames(2);
    EXPECT_EQ(text(b, 24), "12000 LB");
}

TEST(Gtn, MemoryStoresTheActiveFrequencyAndRecallsItByRow) {
    scenario::TempRoot root;
    {
        bench::Bench b(root.options());
        on_home(b);
        com_page(b);
        touch(b, 0.93, 0.71);  // Find
        EXPECT_EQ(page(b), 10);
        touch(b, 0.41, 0.54);  // Store
        EXPECT_EQ(page(b), 12);
        EXPECT_EQ(text(b, 60), "118.50");
        EXPECT_EQ(text(b, 58), "store as TWR");
        press(b, SMALL_UP);
        press(b, SMALL_UP, WHEEL_UP);
        b.frames(1);
        EXPECT_EQ(text(b, 58), "store as ATS");
        touch(b, ENTER_U, ENTER_V);
        EXPECT_EQ(text(b, 63), "Frequency Stored");
        b.seconds(3);
        EXPECT_EQ(text(b, 63), "");
        EXPECT_EQ(b.get("L:comGTNType_indexNum, number"), 1);
        // NAV: the right button swaps the focus and the type back to the first.
        press(b, SMALL_UP, RIGHT);
        b.frames(1);
        EXPECT_EQ(text(b, 58), "store as LOC");
        EXPECT_EQ(text(b, 60), "110.30");
        press(b, SMALL_UP);
        press(b, SMALL_UP);  // only two NAV types: no wrap
        b.frames(1);
        EXPECT_EQ(text(b, 58), "store as ILS");
        touch(b, ENTER_U, ENTER_V);
    }
    std::ifstream in(config_file(root));
    std::stringstream read;
    read << in.rdbuf();
    std::string file_text = read.str();
    std::erase(file_text, '\r');
    const std::string_view file(file_text);
    EXPECT_NE(file.find("[COM1]\n1=118.50"), std::string::npos) << file;
    EXPECT_NE(file.find("[NAV1]\n1=110.30"), std::string::npos) << file;

    bench::Bench b(root.options());
    on_home(b);
    com_page(b);
    touch(b, 0.93, 0.71);
    touch(b, 0.64, 0.54);  // User
    EXPECT_EQ(page(b), 11);
    EXPECT_EQ(text(b, 57), "118.50 ATS");
    EXPECT_EQ(text(b, 61), "Memory empty");
    EXPECT_EQ(b.element(GTN, 65).frame, -1);  // no earlier list page
    EXPECT_EQ(b.element(GTN, 64).frame, 0);
    b.mark();
    touch(b, 0.51, 0.55);  // the empty second row tunes nothing
    EXPECT_EQ(scenario::count_key(b, 66371), 0u);
    touch(b, 0.51, 0.84);
    EXPECT_EQ(scenario::count_key(b, 66371, 0x1850), 1u);
    touch(b, 0.05, 0.13);  // Down: slots 4 to 6
    EXPECT_EQ(text(b, 57), "Memory empty");
    EXPECT_EQ(b.element(GTN, 65).frame, 0);
    press(b, SMALL_UP, RIGHT);  // NAV's list
    touch(b, 0.15, 0.13);       // Up
    EXPECT_EQ(text(b, 57), "110.30 ILS");
    b.mark();
    touch(b, 0.51, 0.84);
    EXPECT_EQ(scenario::count_key(b, 66447, 0x1030), 1u);
}

TEST(Gtn, AFullMemoryStoresNothingAndSaysSo) {
    scenario::TempRoot root;
    std::filesystem::create_directories(config_file(root).parent_path());
    {
        std::ofstream out(config_file(root));
        out << "[COM1]\n";
        for (int slot = 1; slot <= 10; ++slot) out << slot << "=" << 118 + slot << ".00\n";
        out << "[NAV1]\n1=999.99\n";  // not a NAV frequency: an empty slot
    }
    bench::Bench b(root.options());
    on_home(b);
    com_page(b);
    touch(b, 0.93, 0.71);
    touch(b, 0.41, 0.54);
    EXPECT_EQ(text(b, 56), "");
    EXPECT_TRUE(shown(b, 63));
    touch(b, ENTER_U, ENTER_V);  // every slot taken: the search ends past slot 10
    b.frames(1);
    EXPECT_EQ(b.get("L:comGTN_indexNum, number"), 11);
    EXPECT_EQ(text(b, 56), "Database Full");
    EXPECT_EQ(text(b, 63), "");
    b.frames(1);
    EXPECT_FALSE(shown(b, 63));
    // NAV's memory is not full: its damaged slot 1 takes the store.
    press(b, SMALL_UP, RIGHT);
    b.frames(2);
    EXPECT_EQ(text(b, 56), "");
    EXPECT_TRUE(shown(b, 63));
    touch(b, ENTER_U, ENTER_V);
    EXPECT_EQ(text(b, 63), "Frequency Stored");
}

TEST(Gtn, KnobsTuneTheFocusedRadioOrWorkTheGps) {
    bench::Bench b;
    on_home(b);
    b.mark();
    press(b, LARGE_UP);
    press(b, LARGE_DOWN, WHEEL_UP);  // each half turns its own way, wheel or click
    press(b, SMALL_UP);
    press(b, SMALL_DOWN, WHEEL_DOWN);
    EXPECT_EQ(scenario::count_key(b, 65637, 1), 1u);
    EXPECT_EQ(scenario::count_key(b, 65636, 1), 1u);
    EXPECT_EQ(scenario::count_key(b, 65639, 1), 1u);
    EXPECT_EQ(scenario::count_key(b, 65638, 1), 1u);
    EXPECT_EQ(b.get("L:GTN6XX_RKNOB_L_Inc, bool"), 1);
    EXPECT_EQ(b.get("L:GTN6XX_RKNOB_L_Inc_POS, bool"), 1);
    // NAV focus, from the virtual cockpit's small-knob events too.
    press(b, SMALL_DOWN, RIGHT);
    b.mark();
    b.key(69958);
    b.key(69958);
    b.key(69959);
    b.key(69960);
    b.key(69961);
    EXPECT_EQ(scenario::count_key(b, 65641, 1), 2u);
    EXPECT_EQ(scenario::count_key(b, 65640, 1), 1u);
    EXPECT_EQ(scenario::count_key(b, 65643, 1), 1u);
    EXPECT_EQ(scenario::count_key(b, 65642, 1), 1u);
    b.frames(1);
    EXPECT_EQ(text(b, 52), "112.50");  // NAV1 standby 111.50: a MHz up, the 50 kHz step up and down
    // On the map page the knobs are the GPS's; on the fuel page the large one does nothing.
    touch(b, 0.79, 0.66);
    b.mark();
    press(b, LARGE_UP);
    press(b, LARGE_DOWN);
    press(b, SMALL_UP);
    press(b, SMALL_DOWN);
    EXPECT_EQ(scenario::count_key(b, 66627, 1) + scenario::count_key(b, 66628, 1) +
                  scenario::count_key(b, 66625, 1) + scenario::count_key(b, 66626, 1),
              4u);
    EXPECT_EQ(scenario::count_key(b, 65641) + scenario::count_key(b, 65643), 0u);
    fuel_page(b);
    b.mark();
    press(b, LARGE_UP);
    EXPECT_TRUE(b.key_log().empty());
}

TEST(Gtn, MsgKeySequenceAndItsSecondTestOnTheKeypads) {
    bench::Bench b;
    on_home(b);
    com_page(b);
    b.mark();
    touch(b, 0.93, 0.43);  // one touch, two steps
    EXPECT_EQ(scenario::count_key(b, 66606, 1), 2u);
    touch(b, 0.93, 0.43);  // steps 3 and 4: OFF on, then off again
    EXPECT_EQ(text(b, 41), "");
    touch(b, BACK_U, BACK_V);
    touch(b, 0.93, 0.43);  // on the home page a single step
    EXPECT_EQ(scenario::count_key(b, 66606, 1), 3u);
    touch(b, 0.93, 0.43);
    EXPECT_EQ(scenario::count_key(b, 66606, 1), 4u);
    EXPECT_EQ(text(b, 41), "");
    touch(b, 0.93, 0.43);
    EXPECT_EQ(text(b, 41), "OFF");
}

TEST(Gtn, DirectToThroughTheMapPageFliesToTheChosenWaypoint) {
    bench::Bench b;
    on_home(b);
    b.mark();
    b.key(69889);  // Direct-To, from the virtual cockpit
    b.frames(1);
    EXPECT_EQ(scenario::count_key(b, 66617, 1), 1u);
    EXPECT_EQ(page(b), 1);
    EXPECT_EQ(b.get("L:GTN6XX_DCT_BUTTON, bool"), 1);
    EXPECT_TRUE(shown(b, 67));  // the Enter key is offered
    press(b, SMALL_UP);         // the GPS's cursor: waypoint 2, then 3
    press(b, SMALL_UP);
    touch(b, ENTER_U, ENTER_V);
    EXPECT_EQ(scenario::count_key(b, 66623, 1), 1u);
    EXPECT_EQ(scenario::count_key(b, 66615), 0u);  // not the zoom key while Enter shows
    b.frames(2);
    EXPECT_EQ(b.get("A:GPS IS DIRECTTO FLIGHTPLAN, bool"), 1);
    EXPECT_EQ(text(b, 42), "    KLO");
    EXPECT_TRUE(shown(b, 42));
    // Home clears the offer; on the map page again the zoom keys work.
    b.key(69888);
    EXPECT_EQ(b.get("L:GTN6XX_HOME_BUTTON_POS, bool"), 1);
    touch(b, 0.79, 0.66);
    EXPECT_FALSE(shown(b, 67));
    b.mark();
    touch(b, 0.15, 0.13);
    touch(b, 0.05, 0.13);
    EXPECT_EQ(scenario::count_key(b, 66615, 1), 1u);
    EXPECT_EQ(scenario::count_key(b, 66616, 1), 1u);
    // The navigation page: the direct-to arrow, the KLO leg's fields.
    touch(b, BACK_U, BACK_V);
    touch(b, 0.79, 0.21);
    EXPECT_TRUE(shown(b, 38));
    EXPECT_FALSE(shown(b, 37));
    EXPECT_EQ(text(b, 23), "    KLO");
    EXPECT_EQ(text(b, 22), "       ");
    EXPECT_EQ(text(b, 39), "ENR");
}

TEST(Gtn, ProcAndFlightPlanKeysAndBackOnTheMapPage) {
    bench::Bench b;
    on_home(b);
    b.mark();
    touch(b, 0.46, 0.20);  // PROC
    EXPECT_EQ(scenario::count_key(b, 66612, 1), 1u);
    EXPECT_EQ(page(b), 1);
    touch(b, BACK_U, BACK_V);
    EXPECT_EQ(scenario::count_key(b, 66612, 0), 1u);
    EXPECT_EQ(page(b), 1);
    touch(b, BACK_U, BACK_V);  // the flag is gone: back to the page before
    EXPECT_EQ(page(b), 4);
    touch(b, ENTER_U, ENTER_V);
    b.mark();
    touch(b, 0.62, 0.20);  // Flight Plan
    EXPECT_EQ(scenario::count_key(b, 66609, 1), 1u);
    b.frames(1);
    EXPECT_EQ(b.get("A:GPS IS ACTIVE FLIGHT PLAN, bool"), 1);
    EXPECT_EQ(text(b, 42), "    TMV");
    touch(b, BACK_U, BACK_V);  // Home's action, then the map page again
    EXPECT_EQ(scenario::count_key(b, 66620, 0), 1u);
    EXPECT_EQ(page(b), 1);
    // OBS from the navigation page suspends the GPS; the bar's key hides the bar.
    press(b, HOME);
    touch(b, 0.79, 0.21);
    EXPECT_TRUE(shown(b, 36));
    touch(b, 0.275, 0.13);  // OBS
    b.frames(1);
    EXPECT_EQ(text(b, 40), "SUSP");
    touch(b, 0.80, 0.13);  // CDI
    EXPECT_FALSE(shown(b, 36));
    b.mark();
    press(b, TERR);
    EXPECT_EQ(scenario::count_key(b, 66611, 1), 1u);
}

TEST(Gtn, AnApproachShowsVectorsToFinalAndTheLastWaypointArrives) {
    bench::Bench b;
    on_home(b);
    touch(b, 0.62, 0.20);  // Flight Plan: the plan is active
    press(b, HOME);
    b.frames(1);
    b.mark();
    touch(b, 0.46, 0.20);  // PROC offers Enter on the map page
    EXPECT_TRUE(shown(b, 67));
    touch(b, ENTER_U, ENTER_V);
    EXPECT_EQ(scenario::count_key(b, 66612, 1), 1u);
    EXPECT_EQ(scenario::count_key(b, 66623, 1), 1u);
    b.frames(1);
    EXPECT_EQ(text(b, 39), "APR");
    press(b, HOME);
    touch(b, 0.79, 0.21);
    EXPECT_TRUE(shown(b, 46));
    EXPECT_EQ(text(b, 46), "VTF");
    EXPECT_FALSE(shown(b, 37));
    EXPECT_FALSE(shown(b, 38));
    EXPECT_TRUE(shown(b, 36));
    // Around the plan: TMV, BOXER, KLO, and the field, where it arrives.
    const double route[][2] = {{52.30, -0.20}, {52.55, -0.10}, {52.70, -0.90}, {52.36, -0.48}};
    for (const auto& at : route) {
        b.set("A:PLANE LATITUDE, degrees", at[0]);
        b.set("A:PLANE LONGITUDE, degrees", at[1]);
        b.frames(2);
    }
    EXPECT_EQ(b.get("L:GPS_VAR3, number"), 1);
    EXPECT_EQ(text(b, 23), "  TMFLD");
    EXPECT_EQ(text(b, 22), "    KLO");
    EXPECT_EQ(text(b, 16), "0.0 NM");
}

TEST(Gtn, PowerKnobAndDcPower) {
    bench::Bench b;
    on_home(b);
    press(b, VOLUME);
    b.mark();
    b.frames(3);
    EXPECT_EQ(b.get("L:GTN6XX_LKNOB, bool"), 1);
    for (int n = 4; n <= 71; ++n) EXPECT_FALSE(shown(b, n)) << n;
    EXPECT_EQ(scenario::count_key(b, 66620, 0), 3u);  // every frame while off
    EXPECT_EQ(b.get("L:TarmelonGPSVis, bool"), 0);
    b.key(69957);  // on again, from the virtual cockpit: the start-up page
    b.frames(1);
    EXPECT_EQ(page(b), 4);
    EXPECT_EQ(b.get("L:GTN6XX_LKNOB, bool"), 0);
    // Direct-To while off changes the page but sends nothing.
    press(b, VOLUME);
    b.frames(1);
    b.mark();
    press(b, DIRECT_TO);
    EXPECT_EQ(scenario::count_key(b, 66617), 0u);
}

TEST(Gtn, WithoutDcPowerTheUnitStaysOff) {
    bench::Bench cold;
    cold.start("cold-and-dark");
    cold.window("open", 1000);
    cold.frames(2);
    EXPECT_TRUE(cold.element(GTN, 7).hidden);
    cold.click(GTN, VOLUME.x, VOLUME.y, LEFT);
    cold.frames(2);
    EXPECT_TRUE(cold.element(GTN, 7).hidden);
}

// The GPS's values set by hand after the plan is active: the fields at their edges.
TEST(Gtn, FieldsNeverOverflow) {
    bench::Bench b;
    on_home(b);
    touch(b, 0.62, 0.20);  // Flight Plan: the plan is active
    press(b, HOME);
    touch(b, 0.79, 0.21);  // the navigation page
    struct Distance {
        double nm;
        const char* text;
    };
    const Distance distances[] = {{0.0, "0.0 NM"},       {99.94, "99.9 NM"},  {99.95, "100 NM"},
                                  {999.9, "999 NM"},     {1000.0, "1000 NM"}, {25000.0, "9999 NM"},
                                  {-3.0, "0.0 NM"}};
    for (const Distance& d : distances) {
        b.set("A:GPS WP DISTANCE, meters", d.nm / 5.4e-4);
        b.frames(1);
        EXPECT_EQ(text(b, 16), d.text) << d.nm;
    }
    struct Time {
        double seconds;
        const char* text;
    };
    const Time times[] = {{0, "00:00"}, {3599, "00:59"}, {359999, "99:59"}, {360000, "99:99"},
                          {1e12, "99:99"}, {-60, "--:--"}};
    for (const Time& t : times) {
        b.set("A:GPS ETE, seconds", t.seconds);
        b.set("A:GPS ETA, seconds", t.seconds);
        b.frames(1);
        EXPECT_EQ(text(b, 17), t.text) << t.seconds;
        EXPECT_EQ(text(b, 45), t.text) << t.seconds;
    }
    b.exec("set \"A:GPS WP NEXT ID, string\" \"WAYPOINT12\"");
    b.exec("set \"A:GPS WP PREV ID, string\" \"AB\"");
    b.set("A:GPS WP DESIRED TRACK, degrees", 12345);
    b.set("A:GPS WP BEARING, degrees", -90);
    b.set("A:GPS GROUND SPEED, m/s", 1e9);
    b.frames(1);
    EXPECT_EQ(text(b, 23), "WAYPOIN");
    EXPECT_EQ(text(b, 42), "WAYPOIN");
    EXPECT_EQ(text(b, 22), "     AB");
    EXPECT_EQ(text(b, 18), "105");
    EXPECT_EQ(text(b, 21), "270");
    EXPECT_EQ(text(b, 19), "9999KT");
    // A code that is no transponder code prints dashes; fuel beyond the field its most.
    b.set("A:TRANSPONDER CODE:1, number", 0x1289);
    b.frames(1);
    EXPECT_EQ(text(b, 13), "----");
    // Without an active flight plan the navigation fields are empty, the speed is not.
    b.set("A:GPS IS ACTIVE FLIGHT PLAN, bool", 0);
    b.frames(1);
    EXPECT_EQ(text(b, 16), "");
    EXPECT_EQ(text(b, 23), "");
    EXPECT_EQ(text(b, 19), "9999KT");
}

// Cold and dark, the unit on the emergency avionics supply; the engines burn nothing, so
// the fuel quantity holds as set.
TEST(Gtn, FuelFieldShowsAtMostFiveDigits) {
    bench::Bench b;
    b.start("cold-and-dark");
    b.window("open", 1000);
    b.set("L:ElecStart_EMGAv_position, number", 2);
    b.frames(1);
    press(b, VOLUME);
    b.frames(1);
    touch(b, ENTER_U, ENTER_V);
    fuel_page(b);
    b.set_token(386, 1e9);
    b.frames(1);
    EXPECT_EQ(text(b, 24), "99999 LB");
    b.set_token(386, -5);
    b.frames(1);
    EXPECT_EQ(text(b, 24), "    0 LB");
}

TEST(Gtn, DeviationBarFollowsTheCrossTrackBackToCentre) {
    bench::Bench b;
    on_home(b);
    touch(b, 0.62, 0.20);
    press(b, HOME);
    touch(b, 0.79, 0.21);
    struct Case {
        double token, bar;
    };
    const Case cases[] = {{5000, 5000}, {0, 0}, {-25000, -10190}, {20000, 10190}, {0, 0}};
    for (const Case& c : cases) {
        b.set_token(837, c.token);
        b.frames(1);
        EXPECT_NEAR(b.element(GTN, 36).value, c.bar * 0.0124, 1e-9) << c.token;  // pixels
        EXPECT_TRUE(shown(b, 36));
        EXPECT_EQ(b.get("L:GPS_MV_WPXTRK, number"), static_cast<int>(c.token) / 100);
    }
}

TEST(Gtn, PublishesTheGpsValuesAlongTheLeg) {
    bench::Bench b;
    on_home(b);
    touch(b, 0.62, 0.20);
    b.set("A:AIRSPEED INDICATED, knots", 240);  // 240 kt true on the ground
    b.frames(2);
    EXPECT_EQ(b.get("L:GPS_VAR1, number"), 1);
    EXPECT_EQ(b.get("L:GPS_VAR2, number"), 1);
    EXPECT_EQ(b.get("L:GPS_DIS, number"), 10);  // TMV, 10.9 NM east-south-east
    EXPECT_EQ(b.get("L:GPS_BRG, number"), 109);
    EXPECT_EQ(b.get("L:GPS_DTK, number"), 109);
    EXPECT_EQ(b.get("L:GPS_GS, number"), 241);  // 241.2 kt true at 250 ft: whole m/s (124) times 1.944
    EXPECT_EQ(b.get("L:GPS_ETE, number"), 162);
    EXPECT_EQ(b.get("L:GPS_MV_WPDIS, number"), 10);
    // Flown to TMV, the next leg: BOXER.
    b.set("A:PLANE LATITUDE, degrees", 52.30);
    b.set("A:PLANE LONGITUDE, degrees", -0.20);
    b.frames(2);
    b.set("A:PLANE LATITUDE, degrees", 52.31);
    b.frames(2);
    EXPECT_EQ(b.get("A:GPS FLIGHT PLAN WP INDEX, number"), 2);
    touch(b, 0.79, 0.66);
    EXPECT_EQ(text(b, 42), "  BOXER");
}

// The navigator's tables as the simulator reads them, row by row.
// The navigator's elements are a chain: each the child of the one before.
std::string element(int index, const char* kind, int bitmap, int x, int y, int frames, int flags) {
    return tables::element(index, index - 1, kind, bitmap, x, y, frames, flags);
}
TEST(Gtn, ElementsAndMouseAreasRowByRow) {
    bench::Bench b;
    const std::string line = tables::description(b, GTN);
    ASSERT_FALSE(line.empty());
    EXPECT_NE(line.find("\"size_mm\": 98, \"has_callback\": true"), std::string::npos);
    std::vector<std::string> rows = {element(0, "static", 21026, 0, 0, 0, 1) + "}",
                                     element(1, "static", 21035, 1249, 676, 0, 3) + "}",
                                     element(2, "static", 21034, 1261, 687, 0, 3) + "}",
                                     element(3, "static", 21034, 350, 386, 0, 3) + "}"};
    auto icon = [&](int bitmap, int x, int y) {
        const int n = static_cast<int>(rows.size());
        rows.push_back(element(n, "icon", bitmap, x, y, 1, 3) + "}");
    };
    struct Str {
        int x, y, w, h, chars;
        int colour;
        const char* font;
    };
    auto strings = [&](std::initializer_list<Str> list) {
        for (const Str& s : list) {
            const int n = static_cast<int>(rows.size());
            rows.push_back(element(n, "string", -1, s.x, s.y, 0, 7) + ", \"box\": [" + std::to_string(s.w) + ", " +
                           std::to_string(s.h) + "], \"colour\": " + std::to_string(s.colour) +
                           ", \"background\": 6052956, \"font\": \"" + s.font +
                           "\", \"weight\": 700, \"chars\": " + std::to_string(s.chars) + "}");
        }
    };
    constexpr int G = 0x45BC67, Y = 0xDACA67, W = 0xFFFFFF, T = 0xBDB573, P = 0x953BAC, A = 0xCEBDB5;
    for (int bitmap : {14622, 14623, 14617, 14618, 14621, 14619, 18048, 14620, 14627}) icon(bitmap, 454, 405);
    strings({{1066, 585, 94, 35, 4, G, "estre"},   {1049, 511, 128, 45, 6, Y, "estre"},
             {1049, 440, 128, 45, 6, G, "estre"},  {574, 466, 120, 40, 7, W, "estre"},
             {891, 535, 120, 40, 5, W, "estre"},   {734, 466, 120, 40, 4, W, "estre"},
             {574, 535, 120, 40, 6, W, "estre"},   {734, 535, 120, 40, 4, W, "estre"},
             {891, 466, 120, 40, 4, W, "estre"},   {622, 584, 111, 30, 7, W, "estre"},
             {846, 584, 111, 30, 7, W, "estre"},   {748, 447, 182, 47, 8, W, "estre"},
             {748, 447, 182, 47, 6, W, "estre"},   {748, 447, 182, 47, 10, W, "estre"},
             {748, 447, 182, 47, 10, W, "estre"}});
    icon(14626, 662, 477);
    strings({{702, 426, 172, 58, 4, W, "estre"}, {702, 426, 172, 58, 6, W, "estre"}, {957, 655, 53, 21, 4, T, "estre"},
             {1124, 560, 53, 21, 4, T, "estre"}, {1124, 492, 53, 21, 3, G, "estre"}, {748, 447, 182, 47, 6, W, "estre"},
             {748, 447, 182, 47, 10, W, "estre"}});
    rows.push_back(element(36, "slider", 18052, 787, 646, 0, 3) + ", \"scale\": [0.0124, 0]}");
    icon(18054, 766, 585);
    icon(18055, 766, 585);
    strings({{599, 708, 67, 25, 3, G, "estre"}, {759, 708, 67, 25, 4, G, "estre"}, {851, 708, 67, 25, 3, G, "estre"},
             {551, 416, 130, 36, 7, G, "estre"}, {560, 501, 111, 27, 4, G, "estre"}, {560, 583, 111, 27, 4, G, "estre"},
             {560, 664, 111, 27, 5, G, "estre"}, {766, 585, 58, 26, 3, P, "estre"}});
    icon(18056, 454, 405);
    icon(18057, 454, 405);
    icon(18068, 454, 405);
    icon(18064, 1040, 407);
    icon(18065, 463, 408);
    strings({{1049, 511, 128, 45, 6, Y, "estre"}, {1049, 440, 128, 45, 6, G, "estre"}});
    icon(18067, 977, 707);
    icon(18066, 977, 707);
    strings({{636, 607, 322, 42, 13, A, "Arial"}, {706, 430, 211, 51, 12, A, "Arial"}, {576, 540, 201, 37, 12, Y, "Arial"},
             {556, 415, 94, 55, 8, A, "Arial"}, {846, 535, 128, 45, 6, Y, "Arial"}, {706, 520, 211, 51, 12, A, "Arial"},
             {706, 609, 211, 51, 12, A, "Arial"}, {636, 607, 322, 42, 16, A, "Arial"}});
    icon(18070, 600, 613);
    icon(18069, 600, 435);
    icon(18071, 1071, 587);
    icon(18072, 1040, 625);
    icon(18075, 592, 639);
    icon(18074, 592, 474);
    icon(18073, 591, 556);
    strings({{487, 708, 67, 25, 4, G, "estre"}});
    ASSERT_EQ(rows.size(), 72u);
    EXPECT_EQ(matches(line, R"(\{"index": [^}]*\})"), rows);

    constexpr int HAND = 5, UP = 1, DOWN = 2;
    const std::vector<std::string> mice = {
        mouse(1, 0, 0, 0, 0, -1, 0, nullptr),
        mouse(1, 350, 386, 59, 59, -1, 0, nullptr), mouse(4, 0, 0, 0, 0, -1, 0, "Volume, Squelch on/off, Nav ID on/off"),
        mouse(3, 0, 0, 0, 0, -1, 0, nullptr),       mouse(2, 350, 386, 59, 59, HAND, 0x20000000, nullptr),
        mouse(1, 1249, 676, 82, 82, -1, 0, nullptr), mouse(4, 0, 0, 0, 0, -1, 0, "Large knob"),
        mouse(3, 0, 0, 0, 0, -1, 0, nullptr),       mouse(2, 1249, 676, 40, 40, DOWN, 0x20006000, nullptr),
        mouse(2, 1289, 676, 40, 40, UP, 0x20006000, nullptr),
        mouse(1, 1261, 687, 59, 59, -1, 0, nullptr), mouse(4, 0, 0, 0, 0, -1, 0, "Small knob"),
        mouse(3, 0, 0, 0, 0, -1, 0, nullptr),       mouse(2, 1261, 687, 28, 28, DOWN, 0xA0006000, nullptr),
        mouse(2, 1291, 687, 28, 28, UP, 0xA0006000, nullptr),
        mouse(1, 1266, 525, 56, 38, -1, 0, nullptr), mouse(4, 0, 0, 0, 0, -1, 0, "Direct-To button"),
        mouse(3, 0, 0, 0, 0, -1, 0, nullptr),       mouse(2, 1266, 525, 56, 38, HAND, 0x20000000, nullptr),
        mouse(1, 1268, 403, 56, 38, -1, 0, nullptr), mouse(4, 0, 0, 0, 0, -1, 0, "Home button"),
        mouse(3, 0, 0, 0, 0, -1, 0, nullptr),       mouse(2, 1268, 403, 56, 38, HAND, 0x20000000, nullptr),
        mouse(2, 454, 405, 732, 302, HAND, 0x20000000, nullptr),
        mouse(1, 487, 708, 67, 25, -1, 0, nullptr), mouse(3, 0, 0, 0, 0, -1, 0, nullptr),
        mouse(2, 487, 708, 67, 25, HAND, 0x20000000, nullptr),
        mouse(3, 0, 0, 0, 0, -1, 0, nullptr),
    };
    EXPECT_EQ(matches(line, R"(\{"type": [^}]*\})"), mice);
    EXPECT_EQ(b.tooltip(GTN, HOME.x, HOME.y), std::optional<std::string>("Home button"));
}

}  // namespace
