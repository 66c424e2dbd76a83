// The flight data recorder, through the bench: an aircraft whose aircraft.cfg asks for a
// recording gets one folder per start under panel\FlightAnalysis, named by the computer's
// clock, with a line a second in each quantity file and the summary file kept up to date;
// what happens without the folder, without the simulator's window and with paths too long.
// The computer's clock and the main window are the Win32 stand-in's (Linux only).
#if !defined(_WIN32)

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/win32/standin.h"
#include "scenario.h"

namespace {

namespace fs = std::filesystem;

const char* const QUANTITY_FILES[] = {"GeForce.txt",   "Height.txt",       "indspeed.txt",
                                      "truespeed.txt", "fuelfloweng1.txt", "fuelfloweng2.txt"};

fs::path aircraft_folder(const fs::path& root) { return root / "SimObjects" / "Airplanes" / "VK_Tarmelon"; }
fs::path analysis_folder(const fs::path& root) { return aircraft_folder(root) / "panel" / "FlightAnalysis"; }

// The aircraft installed in the simulator folder: its aircraft.cfg with this [General] line
// (none when empty), and its FlightAnalysis folder unless told otherwise.
void install(const fs::path& root, const std::string& general_line, bool with_analysis_folder = true) {
    fs::create_directories(aircraft_folder(root) / "panel");
    if (with_analysis_folder) fs::create_directories(analysis_folder(root));
    std::ofstream(aircraft_folder(root) / "aircraft.cfg", std::ios::binary)
        << "[General]\r\natc_type=TARMELON\r\n" << general_line << (general_line.empty() ? "" : "\r\n")
        << "[WEIGHT_AND_BALANCE]\r\nNavCompartmentStatus=1\r\n";
}

std::vector<std::string> lines_of(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

std::string content_of(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::size_t count_calls(const std::string& call) {
    return scenario::count_lines(w32standin::call_log(), call);
}

// Runs frames until this load's recording has started (its sampling timer set) in `folder`,
// at most two simulated seconds; false when it does not.
bool run_to_start(bench::Bench& b, const fs::path& folder) {
    for (int i = 0; i < 36 && count_calls("SetTimer(main, 1, 1000)") == 0; ++i) b.frames(1);
    return count_calls("SetTimer(main, 1, 1000)") == 1 && fs::exists(folder / "staticdata.txt");
}

TEST(Recorder, WritesEachQuantityOnceASecondWithItsSummaryFile) {
    scenario::TempRoot root;
    install(root.path(), "FlightDataRecording=Active");
    bench::Bench b(root.options());
    b.set_wall_clock(2026, 12, 8, 14, 5, 20);
    b.set("E:LOCAL TIME, seconds", 9 * 3600 + 5 * 60);  // 9:05:00
    b.set("A:G FORCE, gforce", 1.5);
    b.set("A:PLANE ALTITUDE, feet", 10000);
    b.set("A:INDICATED ALTITUDE, feet", 10020);
    b.set("A:AIRSPEED INDICATED, knots", 250);
    // Both engines run at idle on the ready preset: 1843.2 pounds an hour each.

    const fs::path folder = analysis_folder(root.path()) / "08-12-2026_14-05";
    ASSERT_TRUE(run_to_start(b, folder));
    EXPECT_EQ(entries(analysis_folder(root.path())), std::vector<std::string>{"08-12-2026_14-05"});
    EXPECT_EQ(count_calls("SetTimer(main, 1, 1000)"), 1u);
    EXPECT_EQ(count_calls("SetTimer(main, 2, 60000)"), 1u);
    EXPECT_EQ(count_calls("SetTimer(main, 3, 30000)"), 1u);

    b.seconds(100);
    b.set("A:G FORCE, gforce", 2.25);
    b.set("A:INDICATED ALTITUDE, feet", 12000.5);
    b.set("A:AIRSPEED INDICATED, knots", 260.9);  // whole knots: 260
    b.set("L:Throttle2Position,number", 0);  // HP cock 2 shut: engine 2 starves within 2 s
    b.seconds(110);  // 3 minutes 30 seconds in all

    struct Wanted {
        const char* file;
        std::string first_100, last_110;
    };
    const Wanted wanted[] = {
        {"GeForce.txt", "1.500000", "2.250000"},
        {"Height.txt", "10020.000000", "12000.500000"},
        {"indspeed.txt", "250", "260"},
        {"truespeed.txt", "300", "313"},  // 260.9 kt at 10000 ft: 313.08 kt true
        {"fuelfloweng1.txt", "1843", "1843"},
        {"fuelfloweng2.txt", "1843", "0"},
    };
    for (const Wanted& w : wanted) {
        const auto lines = lines_of(folder / w.file);
        ASSERT_EQ(lines.size(), 210u) << w.file;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool running_down = std::string(w.file) == "fuelfloweng2.txt" && i >= 100 && i < 103;
            if (running_down && lines[i] == w.first_100) continue;  // engine 2 still burning
            EXPECT_EQ(lines[i], i < 100 ? w.first_100 : w.last_110) << w.file << " line " << i + 1;
        }
        EXPECT_EQ(content_of(folder / w.file).back(), '\n') << w.file;
    }

    // The summary: the start at 9:05:00, three whole minutes, and the fuel used as one
    // value on its own line (no empty line after it).
    const auto summary = lines_of(folder / "staticdata.txt");
    ASSERT_EQ(summary.size(), 4u) << content_of(folder / "staticdata.txt");
    EXPECT_EQ(summary[0], "[StaticValues]\r");
    EXPECT_EQ(summary[1], "StartTime=9:5:0\r");
    EXPECT_EQ(summary[2], "FlightDuration=3\r");
    ASSERT_EQ(summary[3].rfind("FuelBurn=", 0), 0u);
    const double fuel_burn = std::stod(summary[3].substr(9));
    EXPECT_NEAR(fuel_burn, b.get("A:GENERAL ENG FUEL USED SINCE START, pounds"), 0.2);
    EXPECT_GT(fuel_burn, 150.0);
    EXPECT_NE(summary[3].find('.'), std::string::npos);  // six decimals

    b.unload();
    EXPECT_EQ(count_calls("KillTimer(main, 1)"), 1u);
    EXPECT_EQ(count_calls("KillTimer(main, 2)"), 1u);
    EXPECT_EQ(count_calls("KillTimer(main, 3)"), 1u);
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

TEST(Recorder, OnlyTheExactValueActiveStartsARecording) {
    struct Case {
        std::string line;  // in [General]; empty: no such key
        bool config_file;
        bool records;
    };
    const Case cases[] = {
        {"FlightDataRecording=Active", true, true},
        {"flightdatarecording = Active", true, true},  // key names ignore case and blanks
        {"FlightDataRecording=active", true, false},
        {"FlightDataRecording=ACTIVE", true, false},
        {"FlightDataRecording=\"Active \"", true, false},  // Active followed by a space
        {"FlightDataRecording=Inactive", true, false},
        {"FlightDataRecording=", true, false},
        {"", true, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.config_file ? c.line : "no aircraft.cfg");
        scenario::TempRoot root;
        install(root.path(), c.line);
        if (!c.config_file) fs::remove(aircraft_folder(root.path()) / "aircraft.cfg");
        bench::Bench b(root.options());
        b.seconds(3);
        EXPECT_EQ(entries(analysis_folder(root.path())).size(), c.records ? 1u : 0u);
        EXPECT_EQ(count_calls("SetTimer(main, 1, 1000)"), c.records ? 1u : 0u);
        if (c.records) {
            const auto folders = entries(analysis_folder(root.path()));
            ASSERT_EQ(folders.size(), 1u);
            EXPECT_EQ(lines_of(analysis_folder(root.path()) / folders[0] / "Height.txt").size(), 2u);
        }
    }
}

TEST(Recorder, TwoStartsInTheSameMinuteShareOneFolderAndAppend) {
    scenario::TempRoot root;
    install(root.path(), "FlightDataRecording=Active");
    bench::Bench b(root.options());
    b.set_wall_clock(2026, 3, 1, 9, 7, 5);
    const fs::path folder = analysis_folder(root.path()) / "01-03-2026_09-07";
    ASSERT_TRUE(run_to_start(b, folder));
    b.seconds(20);
    b.unload();

    b.set_wall_clock(2026, 3, 1, 9, 7, 40);
    b.set("E:LOCAL TIME, seconds", 13 * 3600 + 30);  // 13:00:30
    b.load();
    ASSERT_TRUE(run_to_start(b, folder));
    EXPECT_EQ(entries(analysis_folder(root.path())), std::vector<std::string>{"01-03-2026_09-07"});
    b.seconds(15);
    for (const char* file : QUANTITY_FILES) EXPECT_EQ(lines_of(folder / file).size(), 35u) << file;
    // The second start wrote its own start time and began its count again.
    const std::string summary = content_of(folder / "staticdata.txt");
    EXPECT_NE(summary.find("StartTime=13:0:30\r\n"), std::string::npos) << summary;
    EXPECT_NE(summary.find("FlightDuration=0\r\n"), std::string::npos) << summary;
    b.unload();

    // The next minute makes a folder of its own.
    b.set_wall_clock(2026, 3, 1, 9, 8, 0);
    b.load();
    const fs::path next = analysis_folder(root.path()) / "01-03-2026_09-08";
    ASSERT_TRUE(run_to_start(b, next));
    b.seconds(5);
    EXPECT_EQ(lines_of(next / "GeForce.txt").size(), 5u);
    EXPECT_EQ(lines_of(folder / "GeForce.txt").size(), 35u);
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

TEST(Recorder, WithoutTheFlightAnalysisFolderNothingIsRecordedAndTheRestCarriesOn) {
    scenario::TempRoot root;
    install(root.path(), "FlightDataRecording=Active", false);
    bench::Bench b(root.options());
    b.seconds(65);
    EXPECT_FALSE(fs::exists(analysis_folder(root.path())));  // the module makes only its own folder
    EXPECT_EQ(count_calls("SetTimer(main, 1, 1000)"), 0u);
    EXPECT_EQ(count_calls("SetTimer(main, 2, 60000)"), 0u);
    EXPECT_EQ(count_calls("SetTimer(main, 3, 30000)"), 0u);

    // Saving the flight still keeps the cockpit beside it.
    b.mark();
    b.exec(R"(save "C:\Flights\Recorded.FLT")");
    b.frames(3);
    EXPECT_TRUE(fs::exists(aircraft_folder(root.path()) / "panel" / "PanelSave" / "Recorded.FLT.save"));
    EXPECT_EQ(scenario::count_lines(b.texts(), "Panel state saved"), 1u);
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

TEST(Recorder, SetsNoTimerWithoutTheSimulatorsWindow) {
    scenario::TempRoot root;
    install(root.path(), "FlightDataRecording=Active");
    bench::Bench b(root.options());
    w32standin::set_main_window_exists(false);
    b.seconds(3);
    EXPECT_EQ(scenario::count_prefix(w32standin::call_log(), "SetTimer("), 0u);
    EXPECT_TRUE(entries(analysis_folder(root.path())).empty());
    w32standin::set_main_window_exists(true);
    b.seconds(3);  // one start a load: none later either
    EXPECT_EQ(scenario::count_prefix(w32standin::call_log(), "SetTimer("), 0u);
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

// A simulator folder whose recording folder path has exactly `length` characters.
fs::path root_for_folder_length(const fs::path& base, std::size_t length) {
    const std::size_t tail = std::string("/SimObjects/Airplanes/VK_Tarmelon/panel/FlightAnalysis/01-01-2027_00-00").size();
    const fs::path root = base / std::string(length - tail - base.string().size() - 1, 'p');
    EXPECT_EQ(root.string().size() + tail, length);
    return root;
}

TEST(Recorder, FilePathsThatDoNotFitAreSkippedNeverCutShort) {
    scenario::TempRoot base;
    {
        // 246 characters of folder: a file name of up to 12 characters still fits in 259.
        const fs::path root = root_for_folder_length(base.path(), 246);
        install(root, "FlightDataRecording=Active");
        bench::Options options;
        options.root = root.string();
        bench::Bench b(options);
        b.set_wall_clock(2027, 1, 1, 0, 0, 30);
        const fs::path folder = analysis_folder(root) / "01-01-2027_00-00";
        for (int i = 0; i < 36 && !fs::exists(folder); ++i) b.frames(1);
        ASSERT_TRUE(fs::exists(folder));
        b.seconds(10);
        EXPECT_EQ(entries(folder), (std::vector<std::string>{"GeForce.txt", "Height.txt", "indspeed.txt"}));
        for (const char* file : {"GeForce.txt", "Height.txt", "indspeed.txt"})
            EXPECT_EQ(lines_of(folder / file).size(), 10u) << file;
        EXPECT_EQ(b.faults(), std::vector<std::string>{});
    }
    {
        // 260 characters: the folder itself does not fit, so there is no recording at all.
        const fs::path root = root_for_folder_length(base.path(), 260);
        install(root, "FlightDataRecording=Active");
        bench::Options options;
        options.root = root.string();
        bench::Bench b(options);
        b.set_wall_clock(2027, 1, 1, 0, 0, 30);
        b.seconds(3);
        EXPECT_TRUE(entries(analysis_folder(root)).empty());
        EXPECT_EQ(count_calls("SetTimer(main, 1, 1000)"), 0u);
    }
}

}  // namespace

#endif
