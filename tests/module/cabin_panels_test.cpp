// The oxygen and lighting panels as the simulator reads them: every element and every mouse
// area, row by row, in the aircraft's drawing and table order.
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "scenario.h"

namespace {

std::string gauge_line(const bench::Bench& b, const std::string& gauge) {
    std::istringstream in(b.describe_gauges());
    std::string line;
    while (std::getline(in, line))
        if (line.find("{\"name\": \"" + gauge + "\",") != std::string::npos) return line;
    return {};
}

// "kind bitmap x,y frames" for each element in tree order.
std::vector<std::string> elements(const std::string& line) {
    std::vector<std::string> rows;
    const std::regex re(R"re("kind": "(\w+)", "bitmap": (-?\d+), "x": (-?\d+), "y": (-?\d+), "frames": (\d+))re");
    for (auto it = std::sregex_iterator(line.begin(), line.end(), re); it != std::sregex_iterator(); ++it)
        rows.push_back((*it)[1].str() + " " + (*it)[2].str() + " " + (*it)[3].str() + "," + (*it)[4].str() + " " +
                       (*it)[5].str());
    return rows;
}

// Each tooltip group as "TOOLTIP @ x,y,w,h" followed by its click areas as
// "  x,y,w,h cursor mask" (hex).
std::vector<std::string> mouse_rows(const std::string& line) {
    std::vector<std::string> rows;
    const std::regex re(
        R"re(\{"type": (\d), "x": (\d+), "y": (\d+), "w": (\d+), "h": (\d+), "cursor": (-?\d+), "mask": (\d+), "tooltip": (null|"[^"]*"))re");
    std::string box;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), re); it != std::sregex_iterator(); ++it) {
        const auto& m = *it;
        const std::string rect = m[2].str() + "," + m[3].str() + "," + m[4].str() + "," + m[5].str();
        const int type = std::stoi(m[1].str());
        if (type == 1) box = rect;  // a group opens
        if (type == 4) rows.push_back(m[8].str().substr(1, m[8].str().size() - 2) + " @ " + box);
        if (type == 2) {
            std::ostringstream area;
            area << "  " << rect << " " << m[6].str() << " 0x" << std::hex << std::uppercase << std::stoul(m[7].str());
            rows.push_back(area.str());
        }
    }
    return rows;
}

constexpr const char* HAND = "5";
constexpr const char* GRAB = "7";
constexpr const char* UP = "1";
constexpr const char* DOWN = "2";

std::string area(const char* rect, const char* cursor, const char* mask) {
    return std::string("  ") + rect + " " + cursor + " " + mask;
}

TEST(CabinPanels, OxygenPanelElementsAndAreasAreTheAircraftsTables) {
    bench::Bench b;
    const std::string line = gauge_line(b, "Oxygen_Panel");
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(elements(line), (std::vector<std::string>{
                                  "static 14600 0,0 0",
                                  "icon 13844 148,553 1",
                                  "needle 13828 275,270 0",
                                  "icon 13837 384,27 1",
                                  "icon 14592 0,257 8",
                                  "icon 13832 55,50 1",
                              }));
    EXPECT_EQ(mouse_rows(line), (std::vector<std::string>{
                                    "Oxygen ON/OFF Valve @ 148,553,183,83",
                                    area("148,553,183,83", HAND, "0x20000000"),
                                    "Regulator Pressure Gauge [%1!d! PSI] @ 178,175,190,180",
                                    "Air Inlet Switch (Normal/100%) @ 384,27,111,32",
                                    area("384,27,111,32", HAND, "0x20000000"),
                                    "Manual Selector Control @ 105,360,120,130",
                                    area("105,360,120,65", DOWN, "0x20000000"),
                                    area("105,425,120,65", UP, "0x20000000"),
                                    "Magnetic Flow Indicator @ 55,50,95,97",
                                }));
}

TEST(CabinPanels, LightingPanelElementsAndAreasAreTheAircraftsTables) {
    bench::Bench b;
    const std::string line = gauge_line(b, "Lighting_Panel");
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(elements(line), (std::vector<std::string>{
                                  "static 16786 0,0 0",
                                  "icon 17668 297,0 3",
                                  "icon 17664 184,287 1",
                                  "icon 17920 250,185 2",
                                  "icon 17920 49,442 2",
                                  "icon 17920 205,442 2",
                                  "icon 17920 51,700 2",
                                  "icon 17920 205,700 2",
                                  "icon 17920 69,948 2",
                                  "icon 17665 45,172 2",
                                  "static 17667 88,217 0",
                              }));
    EXPECT_EQ(mouse_rows(line), (std::vector<std::string>{
                                    "Ground Test @ 297,0,155,82",
                                    area("297,0,155,82", GRAB, "0xA0000000"),
                                    "Accelerometer/Cockpit Lighting @ 184,287,75,97",
                                    area("184,287,75,97", HAND, "0x20000000"),
                                    "Starboard Console/Cockpit Lighting @ 250,185,115,117",
                                    area("250,185,115,117", HAND, "0x20000000"),
                                    "Coaming/Cockpit Lighting @ 49,442,115,117",
                                    area("49,442,115,117", HAND, "0x20000000"),
                                    "VHF Selector/Cockpit Lighting @ 205,442,115,117",
                                    area("205,442,115,117", HAND, "0x20000000"),
                                    "Gauge lighting @ 51,700,115,117",
                                    area("51,700,115,117", HAND, "0x20000000"),
                                    "Port Console/Cockpit Lighting @ 205,700,115,117",
                                    area("205,700,115,117", HAND, "0x20000000"),
                                    "Remote Pilots Indicator/Cockpit Lighting @ 69,948,115,117",
                                    area("69,948,115,117", HAND, "0x20000000"),
                                    "E2B Compass/Cockpit Lighting @ 45,172,134,134",
                                    area("45,172,134,134", HAND, "0x20000000"),
                                }));
}

// What each lighting panel button does, with the picture it shows and the click it makes.
TEST(CabinPanels, LightingPanelButtonsWorkTheCockpitLighting) {
    bench::Bench b;
    scenario::settle(b);
    b.window("open", 800);
    b.frames(1);
    b.mark();
    b.click("Lighting_Panel", 260, 200, 0x20000000);  // starboard console
    EXPECT_EQ(b.get("L:Lightpan_CockpitLighting, bool"), 1);
    b.click("Lighting_Panel", 75, 960, 0x20000000);  // remote pilots indicator: off again
    EXPECT_EQ(b.get("L:Lightpan_CockpitLighting, bool"), 0);
    EXPECT_EQ(scenario::count_key(b, 65750, 0), 2u);
    EXPECT_EQ(b.get("A:LIGHT PANEL, bool"), 0);  // the simulator's panel lights toggled twice
    // The port console button decides on the cockpit lighting but writes its own output.
    b.click("Lighting_Panel", 210, 710, 0x20000000);
    b.click("Lighting_Panel", 210, 710, 0x20000000);
    EXPECT_EQ(b.get("L:Lightpan_port_console, bool"), 1);
    EXPECT_EQ(b.get("L:Lightpan_CockpitLighting, bool"), 0);
    EXPECT_EQ(scenario::count_key(b, 65750, 0), 4u);
    // A value the buttons do not know (a hand-edited state) is left alone and sends nothing.
    b.set("L:Lightpan_CockpitLighting, bool", 7);
    b.click("Lighting_Panel", 60, 450, 0x20000000);
    EXPECT_EQ(b.get("L:Lightpan_CockpitLighting, bool"), 7);
    EXPECT_EQ(scenario::count_key(b, 65750, 0), 4u);
    b.set("L:Lightpan_CockpitLighting, bool", 1);
    b.frames(1);
    for (int i : {3, 4, 5, 7, 8, 9}) EXPECT_EQ(b.element("Lighting_Panel", i).frame, 1) << i;
    EXPECT_EQ(b.element("Lighting_Panel", 6).frame, 0);  // gauge lighting has its own
    b.click("Lighting_Panel", 60, 710, 0x20000000);
    b.frames(1);
    EXPECT_EQ(b.element("Lighting_Panel", 6).frame, 1);
    // The accelerometer lamp: click 1 at pan 10000, shown while lit, hidden otherwise.
    EXPECT_EQ(b.element("Lighting_Panel", 2).frame, -1);
    b.set("L:Tarmelon_Click1, number", 0);
    b.click("Lighting_Panel", 190, 300, 0x20000000);
    EXPECT_EQ(b.get("L:Tarmelon_Click1, number"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Click1Pan, number"), 10000);
    b.frames(1);
    EXPECT_EQ(b.element("Lighting_Panel", 2).frame, 0);
    // The ground test switch's guard opens from here as from the electrical panel.
    b.click("Lighting_Panel", 300, 10, 0x80000000);
    EXPECT_EQ(b.get("L:GroundTestPos, number"), 1);
}

}  // namespace
