// The cockpit's files survive what a pilot's computer may do to them: a save cut off at any
// of its writes (the simulator crashing, the power failing), a comma-decimal locale, and
// names and paths at and beyond the 260-character limit.
#include <clocale>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "bench/simconnect/standin.h"
#include "bench/win32/standin.h"
#include "sdk/simconnect.h"
#include "scenario.h"

namespace fs = std::filesystem;

namespace {

using scenario::count_lines;

// A second OPEN on the same connection registers nothing again: otherwise each one would
// add every data request once more, and the simulator would send ever more data a frame.
TEST(Reliability, ARepeatedOpenMessageRegistersNothingTwice) {
    bench::Bench b;
    scenario::settle(b);
    b.mark();
    sdk::SIMCONNECT_RECV open{};
    open.dwSize = sizeof open;
    open.dwVersion = 4;
    open.dwID = sdk::SIMCONNECT_RECV_ID_OPEN;
    for (int i = 0; i < 3; ++i) scstandin::deliver_raw(&open, sizeof open);
    b.frames(2);
    EXPECT_EQ(scenario::count_prefix(b.simconnect_log(), "SimConnect_AddToDataDefinition("), 0u);
    EXPECT_EQ(scenario::count_prefix(b.simconnect_log(), "SimConnect_RequestDataOnSimObject("), 0u);
    EXPECT_EQ(scenario::count_prefix(b.simconnect_log(), "SimConnect_MenuAddItem("), 0u);
    EXPECT_TRUE(b.faults().empty());
}

// The rest sets the computer's clock and interrupts writes in the Win32 stand-in (Linux
// only); the Windows build runs the real calls.
#if !defined(_WIN32)

std::string file_bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool shown(const bench::Bench& b, const std::string& text) {
    for (const std::string& t : b.texts())
        if (t == text) return true;
    return false;
}

fs::path panel_folder(const fs::path& root) { return root / "SimObjects" / "Airplanes" / "VK_Tarmelon" / "panel"; }

// Two cockpits told apart by a light, a generator switch and a dimmer.
void set_cockpit(bench::Bench& b, int which) {
    b.set("L:Lights_nav_POS, bool", which == 0 ? 1 : 0);
    b.set("L:GEN1OnOffPos, number", which == 0 ? 0 : 1);
    b.set("L:DimmerPanelPos, number", which == 0 ? 3 : 7);
}

void expect_cockpit(const bench::Bench& b, int which, const std::string& when) {
    EXPECT_EQ(b.get("L:Lights_nav_POS, bool"), which == 0 ? 1 : 0) << when;
    EXPECT_EQ(b.get("L:GEN1OnOffPos, number"), which == 0 ? 0 : 1) << when;
    EXPECT_EQ(b.get("L:DimmerPanelPos, number"), which == 0 ? 3 : 7) << when;
}

// The simulator dies after each write of a save in turn: the state saved before stays
// byte for byte, the cut-off save is never reported as saved, and the next start of the
// simulator loads the earlier cockpit whole. Only the complete save brings the new one.
TEST(Reliability, ASaveCutOffAtAnyOfItsWritesKeepsThePreviousPanelState) {
    scenario::TempRoot root;
    const std::string flight = "C:\\Flights\\Crash.FLT";
    const fs::path file = panel_folder(root.path()) / "PanelSave" / "Crash.FLT.save";
    bench::Bench b(root.options(flight));
    scenario::settle(b);
    set_cockpit(b, 0);
    b.frames(1);
    const std::uint64_t before = w32standin::writes_made();
    b.exec("save \"" + flight + "\"");
    b.frames(2);
    const std::uint64_t writes = w32standin::writes_made() - before;
    const std::string previous = file_bytes(file);
    ASSERT_TRUE(shown(b, "Panel state saved"));
    ASSERT_GT(writes, 100u) << "a save writes each item";

    for (std::uint64_t n = 0; n < writes; ++n) {
        const std::string when = "died after write " + std::to_string(n) + " of " + std::to_string(writes);
        set_cockpit(b, 1);
        b.frames(1);
        b.mark();
        w32standin::die_after_writes(n);
        b.exec("save \"" + flight + "\"");
        b.frames(2);
        EXPECT_FALSE(shown(b, "Panel state saved")) << when;
        ASSERT_EQ(file_bytes(file), previous) << when;
        b.unload();
        b.load(flight);  // the simulator started again
        scenario::settle(b);
        ASSERT_TRUE(shown(b, "Panel state loaded")) << when;
        expect_cockpit(b, 0, when);
    }
    set_cockpit(b, 1);
    b.frames(1);
    b.exec("save \"" + flight + "\"");
    b.frames(2);
    b.unload();
    b.load(flight);
    scenario::settle(b);
    expect_cockpit(b, 1, "after a whole save");
    EXPECT_TRUE(b.faults().empty());
}

// Every file under the folder, by its path below it, with its bytes.
std::map<std::string, std::string> files_under(const fs::path& folder) {
    std::map<std::string, std::string> out;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) out[fs::relative(entry.path(), folder).generic_string()] = file_bytes(entry.path());
    return out;
}

// A recorded minute and a saved cockpit, in a fresh simulator folder: every file the module
// writes, with numbers that have decimals.
std::map<std::string, std::string> files_of_a_flight() {
    scenario::TempRoot root;
    const fs::path aircraft = root.path() / "SimObjects" / "Airplanes" / "VK_Tarmelon";
    fs::create_directories(aircraft / "panel" / "FlightAnalysis");
    std::ofstream(aircraft / "aircraft.cfg") << "[General]\nFlightDataRecording=Active\n";
    {
        bench::Bench b(root.options());
        b.set_wall_clock(2026, 12, 8, 14, 5, 0);
        b.set("E:LOCAL TIME, seconds", 32700.5);
        b.set("A:AIRSPEED INDICATED, knots", 240.25);
        b.set("A:G FORCE, gforce", -0.375);
        b.set("A:INDICATED ALTITUDE, feet", 1234.5);
        b.seconds(65);
        b.exec("save \"C:\\Flights\\Locale.FLT\"");
        b.frames(2);
        EXPECT_TRUE(b.faults().empty()) << b.faults().front();
    }
    return files_under(root.path());
}

// Numbers go to files with a point before their decimals whatever the C runtime's locale:
// a flight under a comma-decimal locale writes exactly the files it writes under "C".
TEST(Reliability, FilesWrittenUnderACommaDecimalLocaleAreTheSameAsUnderC) {
    const auto plain = files_of_a_flight();
    bool decimals = false;
    for (const auto& [name, bytes] : plain) decimals = decimals || bytes.find("-0.375000\n") != std::string::npos;
    ASSERT_TRUE(decimals) << "the recording holds the G load with its decimals";
    ASSERT_TRUE(plain.count("SimObjects/Airplanes/VK_Tarmelon/panel/PanelSave/Locale.FLT.save"));

    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr && std::setlocale(LC_ALL, "de_DE.utf8") == nullptr)
        GTEST_SKIP() << "no de_DE.UTF-8 locale here (scripts/deps.sh makes one)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const auto comma = files_of_a_flight();
    std::setlocale(LC_ALL, "C");
    ASSERT_EQ(comma.size(), plain.size());
    for (const auto& [name, bytes] : plain) {
        ASSERT_TRUE(comma.count(name)) << name;
        EXPECT_EQ(comma.at(name), bytes) << name;
    }
}


// Simulator folders of every length around the 260-character limit: the configuration
// file, the panel state and the recording are each used where their whole path fits and
// skipped where it does not; no file ever lands under a name cut short, and nothing fails.
TEST(Reliability, PathsNearAndBeyondTheLimitAreUsedWholeOrNotAtAll) {
    const std::set<std::string> known = {"aircraft.cfg",    "Tarmelon.cfg",     "Long.FLT.save",     "GeForce.txt",
                                         "Height.txt",      "indspeed.txt",     "truespeed.txt",     "fuelfloweng1.txt",
                                         "fuelfloweng2.txt", "staticdata.txt"};
    scenario::TempRoot base;
    for (std::size_t length = 180; length <= 272; ++length) {
        // A simulator folder of exactly `length` characters, in components the host allows.
        std::string root = base.path().string();
        ASSERT_LT(root.size() + 2, 180u);
        for (int part = 0; root.size() < length; ++part) {
            const std::size_t room = std::min<std::size_t>(100, length - root.size() - 1);
            if (room == 0) {
                root += "x";
                break;
            }
            root += "/" + std::string(room, static_cast<char>('a' + part));
        }
        ASSERT_EQ(root.size(), length);
        const std::string when = "simulator folder of " + std::to_string(length) + " characters";
        const fs::path aircraft = fs::path(root) / "SimObjects" / "Airplanes" / "VK_Tarmelon";
        fs::create_directories(aircraft / "panel" / "FlightAnalysis");
        std::ofstream(aircraft / "aircraft.cfg") << "[General]\nFlightDataRecording=Active\n";
        std::ofstream(aircraft / "panel" / "Tarmelon.cfg") << "[ElectricStart]\nVolts=27\n";

        bench::Options options;
        options.root = root;
        bench::Bench b(options);
        b.set_wall_clock(2026, 12, 8, 14, 5, 0);
        b.seconds(4);
        b.exec("save \"C:\\Flights\\Long.FLT\"");
        b.frames(2);
        EXPECT_TRUE(b.faults().empty()) << when;

        const std::string panel = root + "\\SimObjects\\Airplanes\\VK_Tarmelon\\panel";
        const bool config_fits = (panel + "\\Tarmelon.cfg").size() < 260;
        EXPECT_EQ(b.get("L:ElecStartVolts, number"), config_fits ? 27 : 0) << when;
        const bool save_fits = (panel + "\\PanelSave\\Long.FLT.save").size() < 260;
        EXPECT_EQ(fs::exists(aircraft / "panel" / "PanelSave" / "Long.FLT.save"), save_fits) << when;
        EXPECT_EQ(shown(b, "Panel state saved"), save_fits) << when;
        const std::string recording = panel + "\\FlightAnalysis\\08-12-2026_14-05";
        for (const char* name : {"GeForce.txt", "Height.txt", "indspeed.txt", "truespeed.txt", "fuelfloweng1.txt",
                                 "fuelfloweng2.txt", "staticdata.txt"})
            EXPECT_EQ(fs::exists(aircraft / "panel" / "FlightAnalysis" / "08-12-2026_14-05" / name),
                      (recording + "\\" + name).size() < 260)
                << when << ": " << name;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            if (entry.is_regular_file()) {
                EXPECT_TRUE(known.count(entry.path().filename().string())) << when << ": " << entry.path();
            }
        }
        b.unload();
        std::error_code ec;
        fs::remove_all(base.path() / "a", ec);
    }
}

#endif  // !_WIN32

}  // namespace
