// The nav/com from the 2D panel and the virtual cockpit: its system menu, the OBS page and
// its course deviation display, power, and the frequency memory in the configuration file
// as the pilot fills it, as a hand-edited or damaged file leaves it, and when it is full.
#include <clocale>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scenario.h"

namespace {

constexpr const char* UNIT = "RadioGPS_SL30";
constexpr std::uint32_t LEFT = 0x20000000;

struct Point {
    int x, y;
};
constexpr Point POWER{400, 910}, FLIP{500, 930}, COM{640, 930}, NAV{730, 930}, SYS{790, 930}, OBS{880, 930},
    TO_FROM{960, 930}, SEL{1110, 930}, ENT{1200, 1000}, LARGE_DOWN{1225, 880}, LARGE_UP{1295, 880},
    SMALL_DOWN{1245, 900}, SMALL_UP{1275, 900};

void press(bench::Bench& b, Point p, int times = 1) {
    for (int i = 0; i < times; ++i) b.click(UNIT, p.x, p.y, LEFT);
}

// The elements shown after a frame, from 4 on.
std::vector<int> shown(bench::Bench& b) {
    b.frames(1);
    std::vector<int> out;
    for (int n = 4; n <= 34; ++n)
        if (!b.element(UNIT, n).hidden) out.push_back(n);
    return out;
}
std::string text(bench::Bench& b, int n) { return b.element(UNIT, n).text; }

void open_unit(bench::Bench& b) {
    scenario::settle(b);
    b.window("open", 1000);
    b.frames(1);
}

std::filesystem::path config_file(const scenario::TempRoot& root) {
    return root.path() / "SimObjects" / "Airplanes" / "VK_Tarmelon" / "panel" / "Tarmelon.cfg";
}
void write_config(const scenario::TempRoot& root, const std::string& content) {
    std::filesystem::create_directories(config_file(root).parent_path());
    std::ofstream(config_file(root)) << content;
}
std::string read_config(const scenario::TempRoot& root) {
    std::ifstream in(config_file(root));
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(Navcom, SystemMenuListsItsMenusAndItemsWithoutWrapping) {
    bench::Bench b;
    open_unit(b);
    EXPECT_EQ(shown(b), (std::vector<int>{20, 23, 27, 28}));
    press(b, SYS);
    EXPECT_EQ(shown(b), (std::vector<int>{15, 18, 22}));
    EXPECT_EQ(text(b, 22), "System Info");
    EXPECT_EQ(b.element(UNIT, 15).frame, 0);  // the ENT lamp asks for ENT
    press(b, LARGE_DOWN);  // already at the first menu
    b.frames(1);
    EXPECT_EQ(text(b, 22), "System Info");
    const char* titles[] = {"Nav Options", "Comm Options", "VOR Equipment Test", "VOR Equipment Test"};
    for (const char* title : titles) {
        b.key(69970);  // the large knob up, from the virtual cockpit
        b.frames(1);
        EXPECT_EQ(text(b, 22), title);
    }
    // The large knob tunes nothing in the menus.
    EXPECT_EQ(scenario::count_key(b, 66437) + scenario::count_key(b, 66436), 0u);
    press(b, ENT);
    EXPECT_EQ(shown(b), (std::vector<int>{18, 21}));
    EXPECT_EQ(text(b, 21), "Date of Last Test");
    EXPECT_EQ(b.get("L:SL30_SL30_subMenuIndex, number"), 4);
    press(b, LARGE_UP, 7);
    b.frames(1);
    EXPECT_EQ(text(b, 21), "Last Name");
    press(b, LARGE_DOWN);
    b.frames(1);
    EXPECT_EQ(text(b, 21), "First Name");
    // The small knob still tunes COM2 with the menu showing.
    press(b, SMALL_UP);
    EXPECT_EQ(scenario::count_key(b, 66440, 1), 1u);
    // Out of the menu: the frequencies again; in again, the menu list from where it was.
    press(b, SYS);
    b.seconds(2);  // the ENT status has gone out
    EXPECT_EQ(shown(b), (std::vector<int>{20, 23, 27, 28}));
    press(b, SYS);
    b.frames(1);
    EXPECT_EQ(text(b, 22), "VOR Equipment Test");
    press(b, SYS);
    // Menu 1's items.
    press(b, SYS);
    press(b, LARGE_DOWN, 3);
    b.frames(1);  // drawing the menu list picks the menu whose items ENT opens
    press(b, ENT);
    b.frames(2);
    EXPECT_EQ(text(b, 21), "Software Versions");
    press(b, LARGE_UP, 3);
    b.frames(1);
    EXPECT_EQ(text(b, 21), "High Display Intensity");
}

TEST(Navcom, ObsPageShowsDeviationBarsFlagAndCourse) {
    bench::Bench b;
    open_unit(b);
    press(b, OBS);
    // No station: flagged.
    EXPECT_EQ(shown(b), (std::vector<int>{17, 20, 23, 26, 27, 28, 29}));
    EXPECT_EQ(text(b, 29), "---flagged---");
    EXPECT_EQ(text(b, 26), "270");
    b.set_token(58, 1);
    struct Case {
        double d;
        std::vector<int> bars;  // with the centre mark 4 unless full scale
    };
    const Case cases[] = {
        {30, {4, 8}},    {25.4, {4, 9}}, {5, {4}},       {5.1, {4, 9}},   {101.7, {4, 5}}, {127, {5, 30}},
        {0, {4}},        {-60, {4, 12}}, {-127, {10, 30}}, {-5, {4}},     {-25.4, {4, 14}}, {-110, {4, 10}},
    };
    for (const Case& c : cases) {
        b.set_token(50, c.d);
        std::vector<int> want = c.bars;
        for (int n : {17, 20, 23, 26, 27, 28}) want.push_back(n);
        std::sort(want.begin(), want.end());
        EXPECT_EQ(shown(b), want) << "deviation " << c.d;
    }
    EXPECT_EQ(text(b, 30), "+");
    // A centred needle after a deflection shows no bar at all.
    b.set_token(50, 80);
    b.frames(1);
    b.set_token(50, 0);
    EXPECT_EQ(shown(b), (std::vector<int>{4, 17, 20, 23, 26, 27, 28}));
    // TO/FROM stands away from the deflection.
    press(b, TO_FROM);
    b.set_token(52, 1);
    b.set_token(50, 40);
    std::vector<int> s = shown(b);
    EXPECT_NE(std::find(s.begin(), s.end(), 25), s.end());
    EXPECT_EQ(std::find(s.begin(), s.end(), 24), s.end());
    EXPECT_EQ(text(b, 25), "to");
    b.set_token(52, 2);
    b.set_token(50, -40);
    s = shown(b);
    EXPECT_NE(std::find(s.begin(), s.end(), 24), s.end());
    EXPECT_EQ(std::find(s.begin(), s.end(), 25), s.end());
    EXPECT_EQ(text(b, 24), "from");
    // The knobs on the OBS page turn the course: the large one a degree by event, the small
    // one sets it, wrapping 0 and 360.
    press(b, LARGE_UP);
    EXPECT_EQ(scenario::count_key(b, 65665, 1), 1u);
    b.set_token(54, 0);
    press(b, SMALL_DOWN);
    EXPECT_EQ(scenario::count_key(b, 65717, 359), 1u);
    b.set_token(54, 360);
    press(b, SMALL_UP);
    EXPECT_EQ(scenario::count_key(b, 65717, 1), 1u);
    b.set_token(54, 0);
    b.frames(1);
    EXPECT_EQ(text(b, 26), "360");
    b.set_token(54, 95);
    b.frames(1);
    EXPECT_EQ(text(b, 26), "095");
    press(b, OBS);
    EXPECT_EQ(shown(b), (std::vector<int>{20, 23, 27, 28}));
}

TEST(Navcom, PowerKnobSwitchesTheDisplayAndFlipFlopNeedsPower) {
    bench::Bench b;
    open_unit(b);
    b.key(69968);
    EXPECT_EQ(shown(b), (std::vector<int>{}));
    EXPECT_EQ(b.get("L:SL30_LKNOB, bool"), 1);
    press(b, FLIP);
    EXPECT_EQ(scenario::count_key(b, 66444), 0u);
    press(b, POWER);
    EXPECT_EQ(shown(b), (std::vector<int>{20, 23, 27, 28}));
    press(b, FLIP);
    b.frames(1);
    EXPECT_EQ(scenario::count_key(b, 66444, 1), 1u);
    EXPECT_EQ(text(b, 28), "122.80");
    EXPECT_EQ(b.get("L:SL30_COM_Status, bool"), 1);
    press(b, NAV);
    press(b, FLIP);
    b.frames(1);
    EXPECT_EQ(scenario::count_key(b, 66452, 1), 1u);
    EXPECT_EQ(text(b, 28), "113.70");
    EXPECT_EQ(b.get("L:SL30_NAV_Status, bool"), 1);
    EXPECT_EQ(b.get("L:SL30_COM_Status, bool"), 0);
    // NAV fraction: 50 kHz steps, wrapping in the MHz.
    press(b, SMALL_DOWN, 2);
    b.frames(1);
    EXPECT_EQ(text(b, 27), "110.80");
    press(b, LARGE_DOWN, 3);  // 110 -> 109 -> 108 -> 117
    b.frames(1);
    EXPECT_EQ(text(b, 27), "117.80");
    // COM at the top of its band: the fraction wraps in its MHz, the MHz from 136 to 118.
    press(b, COM);
    b.set("A:COM STANDBY FREQUENCY:2, Frequency BCD16", 0x3697);  // 136.975
    b.frames(1);
    EXPECT_EQ(text(b, 27), "136.97");
    press(b, SMALL_UP);
    b.frames(1);
    EXPECT_EQ(text(b, 27), "136.00");
    press(b, LARGE_UP);
    b.frames(1);
    EXPECT_EQ(text(b, 27), "118.00");
}

TEST(Navcom, StoreSearchesOnFromItsIndexAndTypesStayWithTheirSlot) {
    scenario::TempRoot root;
    // Slots 1 and 2 taken; slot 3 holds damaged text; the type of slot 4 left from an
    // older entry.
    write_config(root, "[COM2]\n1=118.00\n2=119.25\n3=1e300\n5=abc\n[COM2_TYPE]\n1=99\n4=7\n");
    bench::Bench b(root.options());
    open_unit(b);
    press(b, SEL);  // browse
    b.frames(1);
    EXPECT_EQ(text(b, 32), "118.00    ");  // a type out of range shows no name
    press(b, SMALL_UP);
    b.frames(1);
    EXPECT_EQ(text(b, 32), "119.25    ");
    press(b, SMALL_UP);
    b.frames(1);
    EXPECT_EQ(text(b, 32), "Slot empty");  // not a frequency
    press(b, SEL);
    // Store 123.90 as ARR (type 6): slot 3, its type beside it.
    press(b, ENT);
    press(b, SMALL_DOWN, 8);  // 1 -> 13 -> ... -> 6
    b.frames(1);
    EXPECT_EQ(text(b, 33), "store as ARR");
    press(b, ENT);
    b.frames(1);
    EXPECT_EQ(b.get("L:SL30_com_indexNum, number"), 3);
    EXPECT_EQ(b.get("L:comType_indexNum, number"), 3);
    std::string cfg = read_config(root);
    EXPECT_NE(cfg.find("3=123.90"), std::string::npos) << cfg;
    EXPECT_NE(cfg.find("3=6"), std::string::npos) << cfg;
    EXPECT_NE(cfg.find("4=7"), std::string::npos) << cfg;
    // Slot 1 emptied by hand: the next store still starts at 3 and takes 4, type with it.
    cfg.replace(cfg.find("1=118.00\n"), 9, "");
    std::ofstream(config_file(root)) << cfg;
    press(b, FLIP);
    b.frames(1);
    press(b, ENT);  // store mode still on: store 122.80
    b.frames(1);
    cfg = read_config(root);
    EXPECT_NE(cfg.find("4=122.80"), std::string::npos) << cfg;
    EXPECT_EQ(b.get("L:SL30_com_indexNum, number"), 4);
    EXPECT_EQ(read_config(root).find("1=122.80"), std::string::npos);
    press(b, SEL);
    press(b, SEL);
    press(b, SMALL_UP, 3);
    b.frames(1);
    EXPECT_EQ(text(b, 32), "122.80 ARR");
    EXPECT_EQ(text(b, 34), "[04]");
    // Slot 5's damaged text recalls nothing.
    press(b, SMALL_UP);
    const std::size_t sent = scenario::count_key(b, 66443);
    press(b, ENT);
    EXPECT_EQ(scenario::count_key(b, 66443), sent);
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

TEST(Navcom, FullMemoryStoresNothingAndSaysSo) {
    scenario::TempRoot root;
    std::string cfg = "[COM2]\n";
    for (int i = 1; i <= 10; ++i) cfg += std::to_string(i) + "=12" + std::to_string(i % 10) + ".50\n";
    write_config(root, cfg);
    bench::Bench b(root.options());
    open_unit(b);
    press(b, ENT);  // store mode: the index is 1
    b.seconds(2);
    press(b, ENT);  // every slot taken: the index runs to 11
    b.frames(1);
    EXPECT_EQ(b.get("L:SL30_com_indexNum, number"), 11);
    EXPECT_EQ(b.get("L:SL30_comStoreMode, bool"), 1);
    EXPECT_EQ(read_config(root), cfg);
    EXPECT_FALSE(b.element(UNIT, 31).hidden);
    EXPECT_EQ(text(b, 31), "Database Full");
    // The ENT status goes out a second later and the message with it.
    b.seconds(2.5);
    EXPECT_TRUE(b.element(UNIT, 31).hidden);
    EXPECT_EQ(b.get("L:SL30_SL30_ENT_STATUS, bool"), 1);  // as last written by ENT
    press(b, SEL);
    EXPECT_EQ(shown(b), (std::vector<int>{20, 23, 27, 28}));
}

TEST(Navcom, NumbersInTheFileDoNotDependOnTheLocale) {
    scenario::TempRoot root;
    write_config(root, "[NAV2]\n1=110.5\n");
    const char* locales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"};
    bool comma = false;
    for (const char* name : locales)
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            comma = true;
            break;
        }
    {
        bench::Bench b(root.options());
        open_unit(b);
        press(b, NAV);
        press(b, SEL);
        b.frames(1);
        EXPECT_EQ(text(b, 32), "110.50    ");
        press(b, ENT);
        EXPECT_EQ(scenario::count_key(b, 66451, 0x1050), 1u);
        press(b, SEL);
        press(b, ENT);
        press(b, SMALL_UP);  // ILS
        press(b, ENT);
        b.frames(1);
        EXPECT_EQ(text(b, 28), "110.90");
    }
    std::setlocale(LC_NUMERIC, "C");
    const std::string cfg = read_config(root);
    EXPECT_NE(cfg.find("2=110.90"), std::string::npos) << cfg;
    EXPECT_NE(cfg.find("2=2"), std::string::npos) << cfg;
    // (Where the machine has no locale with a decimal comma, this checks the C locale only.)
    (void)comma;
}

}  // namespace
