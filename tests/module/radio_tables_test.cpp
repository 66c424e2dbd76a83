// The audio panel and the nav/com as the simulator reads them: every element and every
// mouse record, row by row, in the order the panel's drawings and click spots give them.
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "gauge_tables.h"
#include "scenario.h"

namespace {

using tables::matches;
using tables::mouse;

using tables::element;

std::string display_string(int index, int x, int y, int w, int h, int chars) {
    return element(index, index - 1, "string", -1, x, y, 0, 7) + ", \"box\": [" + std::to_string(w) + ", " +
           std::to_string(h) + "], \"colour\": " + std::to_string(0x01F3FE) +
           ", \"background\": 6052956, \"font\": \"epson1\", \"weight\": 700, \"chars\": " + std::to_string(chars) + "}";
}

constexpr int HAND = 5, UP_ARROW = 1, DOWN_ARROW = 2;
constexpr std::uint32_t LEFT = 0x20000000, WHEEL_DOWN = 0x2000, WHEEL_UP = 0x4000;

struct Rect {
    int x, y, w, h;
};
struct Button {
    const char* tooltip;
    Rect area;
};
struct Knob {
    const char* tooltip;
    Rect area, down, up;
};

// A control's tooltip group, then its click areas.
void add_button(std::vector<std::string>& rows, const Button& b) {
    rows.push_back(mouse(1, b.area.x, b.area.y, b.area.w, b.area.h, -1, 0, nullptr));
    rows.push_back(mouse(4, 0, 0, 0, 0, -1, 0, b.tooltip));
    rows.push_back(mouse(3, 0, 0, 0, 0, -1, 0, nullptr));
    rows.push_back(mouse(2, b.area.x, b.area.y, b.area.w, b.area.h, HAND, LEFT, nullptr));
}
void add_knob(std::vector<std::string>& rows, const Knob& k, int args = 0) {
    rows.push_back(mouse(1, k.area.x, k.area.y, k.area.w, k.area.h, -1, 0, nullptr));
    rows.push_back(mouse(4, 0, 0, 0, 0, -1, 0, k.tooltip, args));
    rows.push_back(mouse(3, 0, 0, 0, 0, -1, 0, nullptr));
    rows.push_back(mouse(2, k.down.x, k.down.y, k.down.w, k.down.h, DOWN_ARROW, LEFT | WHEEL_DOWN, nullptr));
    rows.push_back(mouse(2, k.up.x, k.up.y, k.up.w, k.up.h, UP_ARROW, LEFT | WHEEL_UP, nullptr));
}

TEST(RadioTables, AudioPanelElementsAndMouseAreasRowByRow) {
    bench::Bench b;
    const std::string line = tables::description(b, "RadioGPS_GMA340");
    ASSERT_FALSE(line.empty());
    EXPECT_NE(line.find("\"size_mm\": 98, \"has_callback\": true"), std::string::npos);

    // Every element a child of the background: 16 LEDs, the marker lamps, two more LEDs,
    // the knobs' overlays.
    std::vector<std::string> elements = {element(0, -1, "static", 21026, 0, 0, 0, 1) + "}"};
    struct At {
        int x, y;
    };
    const std::vector<At> leds = {{501, 196}, {591, 195}, {591, 264}, {674, 195}, {674, 264}, {758, 195},
                                  {758, 264}, {874, 195}, {957, 195}, {1040, 195}, {1123, 195}, {874, 264},
                                  {946, 268}, {948, 328}, {1077, 268}, {1077, 328}};
    int index = 1;
    for (const At& at : leds) elements.push_back(element(index++, 0, "icon", 21027, at.x, at.y, 1, 3) + "}");
    elements.push_back(element(index++, 0, "icon", 21008, 347, 198, 1, 3) + "}");
    elements.push_back(element(index++, 0, "icon", 21033, 389, 198, 1, 3) + "}");
    elements.push_back(element(index++, 0, "icon", 21028, 434, 198, 1, 3) + "}");
    elements.push_back(element(index++, 0, "icon", 21027, 486, 266, 1, 3) + "}");
    elements.push_back(element(index++, 0, "icon", 21027, 486, 288, 1, 3) + "}");
    elements.push_back(element(index++, 0, "static", 21036, 352, 244, 0, 3) + "}");
    elements.push_back(element(index++, 0, "static", 21037, 365, 258, 0, 3) + "}");
    elements.push_back(element(index++, 0, "static", 21036, 1224, 244, 0, 3) + "}");
    elements.push_back(element(index++, 0, "static", 21037, 1238, 257, 0, 3) + "}");
    ASSERT_EQ(elements.size(), 26u);
    EXPECT_EQ(matches(line, R"(\{"index": [^}]*\})"), elements);

    std::vector<std::string> rows = {mouse(1, 0, 0, 0, 0, -1, 0, nullptr)};
    const Button buttons[] = {
        {"Marker beacon audio select/mute button", {485, 190, 70, 54}},
        {"Marker beacon sensitivity button", {484, 317, 70, 35}},
        {"COM 1 transceiver audio select button", {576, 190, 70, 54}},
        {"COM 2 transceiver audio select button", {660, 190, 70, 54}},
        {"COM 3 transceiver audio select button (INOP)", {742, 190, 70, 54}},
        {"COM 1 MIC transmitter select button", {575, 255, 71, 98}},
        {"COM 2 MIC transmitter select button", {659, 255, 71, 98}},
        {"COM 3 MIC transmitter select button (INOP)", {743, 255, 71, 98}},
        {"NAV 1 radio audio select button", {860, 190, 70, 54}},
        {"NAV 2 radio audio select button", {942, 190, 70, 54}},
        {"DME radio audio select button", {1026, 190, 70, 54}},
        {"ADF radio audio select button", {1109, 190, 70, 54}},
        {"Split COM button", {859, 256, 71, 98}},
        {"Speaker function button", {943, 258, 106, 38}},
        {"Pilot isolation intercom button", {1071, 258, 106, 38}},
        {"Passenger address function button", {943, 317, 106, 38}},
        {"Crew isolation intercom button", {1071, 317, 106, 38}},
        {"Annunicator test button", {1236, 198, 70, 35}},
    };
    for (const Button& button : buttons) add_button(rows, button);
    add_knob(rows, {"Pilot intercom squelch level knob", {352, 244, 94, 94}, {352, 244, 47, 47}, {400, 258, 47, 47}});
    add_knob(rows, {"ON/OFF and pilot intercom volume knob - Power: [%1!s!]", {365, 258, 67, 67}, {365, 258, 33, 33},
                    {400, 258, 33, 33}},
             1);
    add_knob(rows, {"Copilot intercom squelch level knob", {1224, 244, 94, 94}, {1224, 244, 47, 47}, {1274, 258, 47, 47}});
    add_knob(rows, {"Copilot intercom volume knob", {1237, 257, 67, 67}, {1237, 258, 33, 33}, {1272, 258, 33, 33}});
    rows.push_back(mouse(3, 0, 0, 0, 0, -1, 0, nullptr));
    EXPECT_EQ(matches(line, R"(\{"type": [^}]*\})"), rows);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), mouse(4, 0, 0, 0, 0, -1, 0, "Split COM button")), 1);
}

TEST(RadioTables, NavcomElementsAndMouseAreasRowByRow) {
    bench::Bench b;
    const std::string line = tables::description(b, "RadioGPS_SL30");
    ASSERT_FALSE(line.empty());
    EXPECT_NE(line.find("\"size_mm\": 98, \"has_callback\": true"), std::string::npos);

    // A chain: each element the child of the one before.
    std::vector<std::string> elements = {
        element(0, -1, "static", 21026, 0, 0, 0, 1) + "}",
        element(1, 0, "static", 21034, 375, 889, 0, 3) + "}",
        element(2, 1, "static", 21035, 1220, 877, 0, 3) + "}",
        element(3, 2, "static", 21034, 1232, 888, 0, 3) + "}",
        element(4, 3, "icon", 9729, 1091, 829, 1, 3) + "}",
    };
    int index = 5;
    for (int bitmap : {14720, 14616, 14615, 14614, 14613})
        elements.push_back(element(index, index - 1, "icon", bitmap, 1134, 829, 1, 3) + "}"), ++index;
    const int dots[][2] = {{14612, 991}, {14611, 1010}, {14610, 1029}, {14609, 1048}, {9730, 1067}};
    for (const auto& dot : dots) elements.push_back(element(index, index - 1, "icon", dot[0], dot[1], 829, 1, 3) + "}"), ++index;
    for (int x : {1155, 1020, 830, 761, 693, 625})
        elements.push_back(element(index, index - 1, "icon", 9731, x, 881, 1, 3) + "}"), ++index;
    struct Field {
        int x, y, w, h, chars;
    };
    const Field fields[] = {{417, 829, 450, 50, 22}, {417, 829, 450, 50, 22}, {650, 829, 31, 50, 1},
                            {1184, 829, 97, 50, 4},  {978, 829, 97, 50, 4},   {875, 829, 87, 50, 3},
                            {677, 829, 170, 50, 6},  {417, 829, 170, 50, 6},  {990, 824, 270, 60, 13},
                            {1091, 829, 34, 33, 1},  {990, 824, 270, 50, 13}, {875, 829, 350, 50, 12},
                            {875, 829, 350, 50, 12}, {1230, 829, 50, 50, 4}};
    for (const Field& f : fields) elements.push_back(display_string(index++, f.x, f.y, f.w, f.h, f.chars));
    ASSERT_EQ(elements.size(), 35u);
    EXPECT_EQ(matches(line, R"(\{"index": [^}]*\})"), elements);

    std::vector<std::string> rows = {mouse(1, 0, 0, 0, 0, -1, 0, nullptr)};
    const Button buttons[] = {
        {"Power/volume/squelch knob", {375, 889, 59, 59}}, {"Frequency flip/flop button", {488, 918, 103, 94}},
        {"COM radio button", {610, 918, 103, 94}},         {"NAV radio button", {679, 918, 104, 90}},
        {"System settings button", {747, 918, 103, 93}},   {"OBS select button", {817, 918, 103, 92}},
        {"To/From button", {937, 918, 103, 93}},           {"Ident button", {1005, 918, 108, 166}},
        {"Select button", {1073, 918, 108, 166}},          {"Enter button", {1142, 918, 108, 166}},
    };
    for (const Button& button : buttons) add_button(rows, button);
    add_knob(rows, {"Large knob", {1220, 877, 82, 82}, {1220, 877, 40, 40}, {1260, 877, 40, 40}});
    add_knob(rows, {"Small knob", {1232, 888, 59, 59}, {1232, 888, 28, 28}, {1262, 888, 28, 28}});
    rows.push_back(mouse(3, 0, 0, 0, 0, -1, 0, nullptr));
    EXPECT_EQ(matches(line, R"(\{"type": [^}]*\})"), rows);
}

}  // namespace
