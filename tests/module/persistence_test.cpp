// The cockpit kept beside every saved flight, the configuration file, and the presets.
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "scenario.h"

namespace fs = std::filesystem;

namespace {

using scenario::count_key;
using scenario::count_lines;

fs::path panel_folder(const bench::Bench& b) {
    return fs::path(b.options().root) / "SimObjects" / "Airplanes" / "VK_Tarmelon" / "panel";
}

fs::path save_file(const bench::Bench& b, const std::string& flight) {
    return panel_folder(b) / "PanelSave" / (flight + ".save");
}

// The keys of section PANELSTATE of a saved state, as written.
std::map<int, std::string> read_state(const fs::path& file) {
    std::ifstream in(file);
    std::map<int, std::string> keys;
    std::string line;
    bool in_section = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '[') {
            in_section = line == "[PANELSTATE]";
            continue;
        }
        const auto eq = line.find('=');
        if (in_section && eq != std::string::npos) keys[std::stoi(line.substr(0, eq))] = line.substr(eq + 1);
    }
    return keys;
}

void write_file(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

const std::string kSaved = "SimConnect_Text(258, 5, 0, 18, \"Panel state saved\")";
const std::string kLoaded = "SimConnect_Text(258, 5, 0, 19, \"Panel state loaded\")";

TEST(PanelState, SavingAFlightWritesAllItemsBesideIt) {
    bench::Bench b;
    scenario::settle(b);
    b.set("L:Lights_nav_POS, bool", 1);
    b.set("L:GEN1OnOffPos, number", 0);
    b.mark();
    b.exec("save \"C:/Flights/My Flight.FLT\"");
    b.frames(2);
    const auto keys = read_state(save_file(b, "My Flight.FLT"));
    ASSERT_EQ(keys.size(), 103u);
    EXPECT_EQ(keys.at(1), "1");
    EXPECT_EQ(keys.at(81), "0");
    EXPECT_EQ(count_lines(b.simconnect_log(), kSaved), 1u);
    EXPECT_FALSE(fs::exists(panel_folder(b) / "PanelSave" / "My Flight.FLT.sav~"));

    // Saving again keeps one file, the later values winning.
    b.set("L:Lights_nav_POS, bool", 0);
    b.exec("save \"D:\\\\Flights\\\\My Flight.FLT\"");
    b.frames(2);
    EXPECT_EQ(read_state(save_file(b, "My Flight.FLT")).at(1), "0");
    EXPECT_EQ(count_lines(b.simconnect_log(), kSaved), 2u);
}

TEST(PanelState, EarlyAndAutomaticSavesAreIgnored) {
    bench::Bench b;
    b.exec("save \"C:/Flights/Early.FLT\"");  // before base tick + 5
    b.frames(1);
    EXPECT_FALSE(fs::exists(save_file(b, "Early.FLT")));
    scenario::settle(b);
    for (const char* name : {"C:/x/fltsim.flt", "C:/x/Previous Flight.FLT", "Program generated temporary flight.FLT"}) {
        b.exec(std::string("save \"") + name + "\"");
        b.frames(1);
    }
    EXPECT_FALSE(fs::exists(panel_folder(b) / "PanelSave") && !fs::is_empty(panel_folder(b) / "PanelSave"));
    EXPECT_EQ(count_lines(b.simconnect_log(), kSaved), 0u);
}

TEST(PanelState, AnOverlongFlightNameWritesNothingAnywhere) {
    bench::Bench b;
    scenario::settle(b);
    // The flight's path fits the simulator's 260 bytes; the panel-state path would not.
    const std::string name(240, 'N');
    b.exec("save \"C:/F/" + name + ".FLT\"");
    b.frames(2);
    EXPECT_EQ(count_lines(b.simconnect_log(), kSaved), 0u);
    const fs::path saves = panel_folder(b) / "PanelSave";
    if (fs::exists(saves)) {
        EXPECT_TRUE(fs::is_empty(saves));
    }
    EXPECT_TRUE(b.faults().empty());
}

// A flight whose state file just fits the path limit is saved and restored: the temporary
// file of the careful replace is never longer than the state file itself.
TEST(PanelState, AFlightNameAtThePathLimitIsSavedAndRestored) {
    scenario::TempRoot root;
    const std::string folder = root.path().string() + "\\SimObjects\\Airplanes\\VK_Tarmelon\\panel\\PanelSave\\";
    const std::string name = std::string(259 - folder.size() - std::string(".FLT.save").size(), 'L') + ".FLT";
    ASSERT_EQ((folder + name + ".save").size(), 259u);
    {
        bench::Bench b(root.options());
        scenario::settle(b);
        b.set("L:GEN1OnOffPos, number", 0);
        b.exec("save \"C:/F/" + name + "\"");
        b.frames(2);
        EXPECT_EQ(count_lines(b.simconnect_log(), kSaved), 1u);
        EXPECT_EQ(read_state(save_file(b, name)).size(), 103u);
        for (const auto& entry : fs::directory_iterator(panel_folder(b) / "PanelSave"))
            EXPECT_EQ(entry.path().filename().string(), name + ".save");
    }
    bench::Bench b(root.options("C:\\F\\" + name));
    scenario::settle(b);
    EXPECT_EQ(count_lines(b.simconnect_log(), kLoaded), 1u);
    EXPECT_EQ(b.get("L:GEN1OnOffPos, number"), 0);
}

// When the new state cannot replace the old file, the save is not reported and its
// temporary file does not stay behind.
TEST(PanelState, AFailedReplaceLeavesNoTemporaryFile) {
    bench::Bench b;
    scenario::settle(b);
    fs::create_directories(save_file(b, "Blocked.FLT"));  // a folder where the file would go
    b.exec("save \"C:/Flights/Blocked.FLT\"");
    b.frames(2);
    EXPECT_EQ(count_lines(b.simconnect_log(), kSaved), 0u);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(panel_folder(b) / "PanelSave"))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"Blocked.FLT.save"});
}

// Every item goes through a load and comes back out of the next save unchanged, negative
// values included: restore and gather are inverse for every one of the 103 items.
TEST(PanelState, RoundTripRestoresEveryItem) {
    scenario::TempRoot root;
    std::map<int, std::string> written;
    {
        bench::Bench b(root.options());
        std::ostringstream file;
        file << "[PANELSTATE]\r\n";
        for (int i = 0; i < 103; ++i) {
            int value = i * 7 - 300;            // plenty of negatives
            if (i == 11 || i == 12) value = 1;  // HP cocks are flags
            if (i >= 95 && i <= 97) value = 10 + i;  // courses and heading are key parameters
            if (i == 99) value = 0;             // parking brake: on or off
            file << i << "=" << value << "\r\n";
            written[i] = std::to_string(value);
        }
        write_file(save_file(b, "Round Trip.FLT"), file.str());
    }
    bench::Bench b(root.options("C:\\Flights\\Round Trip.FLT"));
    scenario::settle(b);
    EXPECT_EQ(count_lines(b.simconnect_log(), kLoaded), 1u);
    b.exec("save \"C:/Flights/Copy.FLT\"");
    b.frames(2);
    const auto saved = read_state(save_file(b, "Copy.FLT"));
    ASSERT_EQ(saved.size(), 103u);
    for (int i = 0; i < 103; ++i) EXPECT_EQ(saved.at(i), written.at(i)) << "item " << i;
    EXPECT_EQ(b.get("L:AircraftBattPos, number"), 47 * 7 - 300);
}

TEST(PanelState, HandEditedFileLoadsWhatItHolds) {
    scenario::TempRoot root;
    {
        bench::Bench b(root.options());
        write_file(save_file(b, "Edited.FLT"),
                   "; edited by hand\n[panelstate]\n  1 = 1\ngarbage line\n5=abc\n19=  -3xyz\n20=99999999999999999\n[OTHER]\n2=1\n");
    }
    bench::Bench b(root.options("C:/Flights/Edited.FLT"));
    scenario::settle(b);
    EXPECT_EQ(count_lines(b.simconnect_log(), kLoaded), 1u);
    EXPECT_EQ(b.get("L:Lights_nav_POS, bool"), 1);
    EXPECT_EQ(b.get("L:Lights_taxi_POS, bool"), 0);  // [OTHER] is not the panel state
    EXPECT_EQ(b.get("L:Lights_Master, bool"), 0);
    EXPECT_EQ(b.get("L:GearUpButton, bool"), -3);
    EXPECT_EQ(b.get("L:GearDownButton, bool"), 2147483647);
    EXPECT_EQ(b.get("L:BellyTankPortPump, bool"), 0);
    EXPECT_EQ(b.get("L:TarmelonGroundPower, bool"), 0);
}

TEST(PanelState, TruncatedFileAndMissingFile) {
    scenario::TempRoot root;
    {
        bench::Bench b(root.options());
        write_file(save_file(b, "Cut.FLT"), "[PANELSTATE]\r\n0=1\r\n1=1\r\n2=");
    }
    {
        bench::Bench b(root.options("C:/Flights/Cut.FLT"));
        scenario::settle(b);
        EXPECT_EQ(b.get("L:TarmelonGroundPower, bool"), 1);
        EXPECT_EQ(b.get("L:Lights_taxi_POS, bool"), 0);
    }
    bench::Bench b(root.options("C:/Flights/Nothing Saved.FLT"));
    scenario::settle(b);
    EXPECT_EQ(count_lines(b.simconnect_log(), kLoaded), 0u);
}

TEST(PanelState, ExcludedLoadedFlightIsNotRestored) {
    scenario::TempRoot root;
    {
        bench::Bench b(root.options());
        write_file(save_file(b, "FLTSIM.FLT"), "[PANELSTATE]\n1=1\n");
    }
    bench::Bench b(root.options("C:/x/fltsim.FLT"));
    scenario::settle(b);
    EXPECT_EQ(count_lines(b.simconnect_log(), kLoaded), 0u);
}

TEST(Config, ElectricStartVoltsFromTheConfigurationFile) {
    scenario::TempRoot root;
    {
        bench::Bench b(root.options());
        write_file(panel_folder(b) / "Tarmelon.cfg", "[ElectricStart]\r\nVolts= 26 volts\r\n");
    }
    bench::Bench b(root.options());
    EXPECT_EQ(b.get("L:ElecStartVolts, number"), 26);
}

TEST(Presets, ReadyPresetSetsItsTable) {
    bench::Bench b;
    scenario::settle(b);
    const std::pair<const char*, double> ready[] = {
        {"L:TarmelonGroundPower, bool", 0}, {"L:Lights_landing_POS, number", 2}, {"L:Land_Light_Anim,number", 100},
        {"L:CDLVoiceSwitch_POS, number", 2}, {"L:throttle1Position,number", 15}, {"L:Top2BellyTransCockPos, number", 3},
        {"L:stbdLPCockPos, number", 2}, {"L:AircraftBattPos, number", 3}, {"L:Canopy Heat Position, bool", 1},
        {"L:AP_AIL_SWITCH, bool", 1}, {"L:Gen1CircuitBreaker, bool", 0}, {"L:StrobeSwitch1, number", 1},
        {"L:Dive_brake_switch_pos, number", 100}, {"L:radalt_limit_on, number", 1}, {"L:NoseConePos,number", 0},
    };
    for (const auto& [name, value] : ready) EXPECT_EQ(b.get(name), value) << name;
    // The simulator's lights follow the switches.
    EXPECT_EQ(b.get("A:LIGHT NAV, bool"), 1);
    EXPECT_EQ(b.get("A:LIGHT TAXI, bool"), 1);
    EXPECT_EQ(b.get("A:LIGHT BEACON, bool"), 1);
}

struct PresetRow {
    const char* variable;
    double ready;
    double cold;
};
constexpr PresetRow kPresetRows[] = {
#include "preset_rows.inc"
};

// The variables a preset wrote, in order, from the calculator strings the module evaluated.
std::vector<std::string> written_variables(const bench::Bench& b) {
    std::vector<std::string> names;
    for (const std::string& code : b.calculator_log()) {
        const auto at = code.find(" (>");
        if (at != std::string::npos && code.back() == ')') names.push_back(code.substr(at + 3, code.size() - at - 4));
    }
    return names;
}

// Both presets write every row of their table, in their order. The cold-and-dark preset comes
// from the panel selector's Power button, the ready one back from it.
TEST(Presets, BothPresetsWriteEveryRowInOrder) {
    bench::Bench b;
    scenario::settle(b);
    ASSERT_GE(b.click("Panel_Selector_Arrow", 15, 20, 0x20000000), 0);
    b.frames(1);
    for (const PresetRow& row : kPresetRows) b.set(row.variable, 12345);
    b.mark();
    ASSERT_GE(b.click("Panel_Selector", 95, 100, 0x20000000), 0);  // Power: cold and dark
    for (const PresetRow& row : kPresetRows) EXPECT_EQ(b.get(row.variable), row.cold) << row.variable;
    std::vector<std::string> cold_order;
    for (int head : {1, 2, 3, 4, 5, 0, 7, 8, 6}) cold_order.push_back(kPresetRows[head].variable);
    for (std::size_t i = 9; i < std::size(kPresetRows); ++i) cold_order.push_back(kPresetRows[i].variable);
    EXPECT_TRUE(scenario::in_order(written_variables(b), cold_order));

    b.frames(1);
    for (const PresetRow& row : kPresetRows) b.set(row.variable, 12345);
    b.mark();
    ASSERT_GE(b.click("Panel_Selector", 95, 100, 0x20000000), 0);  // Power: ready
    for (const PresetRow& row : kPresetRows) EXPECT_EQ(b.get(row.variable), row.ready) << row.variable;
    std::vector<std::string> ready_order;
    for (const PresetRow& row : kPresetRows) ready_order.push_back(row.variable);
    EXPECT_TRUE(scenario::in_order(written_variables(b), ready_order));
}

TEST(Presets, ReadyPresetInTheAirKeepsTheGearUp) {
    bench::Bench b;
    b.set("A:SIM ON GROUND, bool", 0);
    b.set("A:GENERAL ENG COMBUSTION:1, bool", 1);
    b.set("A:GENERAL ENG COMBUSTION:2, bool", 1);
    b.unload();
    b.mark();
    b.load();
    scenario::settle(b);
    EXPECT_EQ(b.get("L:GearUpButton, bool"), 1);
    EXPECT_EQ(b.get("L:GearDownButton, bool"), 0);
    EXPECT_EQ(count_key(b, 65700, 0), 1u);
    EXPECT_EQ(count_key(b, 66224), 0u);  // both engines running: no start
}

}  // namespace
