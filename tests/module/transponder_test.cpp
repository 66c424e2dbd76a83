// The radio rack's breakers and spare switches as the simulator reads and clicks them, and
// the transponder: the code sent at start and across a reload, the navigator's XPDR keypad
// (entry, Backspace, VFR, Enter, mode, ident), the code shown, and the SquawkBox bytes the
// network client receives.
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "bench/simconnect/standin.h"
#include "gauge_tables.h"
#include "scenario.h"
#include "sdk/simconnect.h"

namespace {

using tables::matches;
using tables::mouse;

constexpr const char* PANEL = "RadioGPS_Panel";
constexpr std::uint32_t LEFT = 0x20000000, RIGHT = 0x80000000;

struct Control {
    const char* tooltip;
    const char* variable;
    const char* mirror;
    int x, y, w, h;  // the click area
    int lamp;        // its element
    int lamp_bitmap, overlay_bitmap;
    bool clicks;     // sounds click 1 at pan 9000
};

// clang-format off
const Control CONTROLS[] = {
    {"Altitude encoder circuit breaker", "L:RAD_ALTENC_BREAKER, bool", "L:RAD_ALTENC_BREAKER_POS, bool", 916, 67, 103, 94, 1, 21019, 21018, false},
    {"Transponder circuit breaker", "L:RAD_TXPR_BREAKER, bool", "L:RAD_TXPR_BREAKER_POS, bool", 784, 67, 103, 94, 3, 9728, 21042, false},
    {"Audio panel circuit breaker", "L:RAD_AUDIOPANEL_BREAKER, bool", "L:RAD_AUDIOPANEL_BREAKER_POS, bool", 651, 66, 103, 94, 5, 21021, 21020, false},
    {"COM1 circuit breaker", "L:RAD_COM1_BREAKER, bool", "L:RAD_COM1_BREAKER_POS, bool", 95, 244, 104, 90, 7, 21023, 21022, false},
    {"COM2 circuit breaker", "L:RAD_COM2_BREAKER, bool", "L:RAD_COM2_BREAKER_POS, bool", 94, 555, 103, 93, 9, 21025, 21024, false},
    {"NAV1 circuit breaker", "L:RAD_NAV1_BREAKER, bool", "L:RAD_NAV1_BREAKER_POS, bool", 94, 402, 103, 92, 11, 21030, 21029, false},
    {"NAV2 circuit breaker", "L:RAD_NAV2_BREAKER, bool", "L:RAD_NAV2_BREAKER_POS, bool", 94, 706, 103, 93, 13, 21032, 21031, false},
    {"Switch A", "L:RAD_SWITCH_A, bool", "L:RAD_SWITCH_A_POS, bool", 1408, 241, 108, 166, 15, 21038, 21039, true},
    {"Switch B", "L:RAD_SWITCH_B, bool", "L:RAD_SWITCH_B_POS, bool", 1409, 686, 108, 166, 17, 21040, 21041, true},
};
// clang-format on

// The rack's elements are all children of its background.
std::string element(int index, const char* kind, int bitmap, int x, int y, int frames, int flags) {
    return tables::element(index, index == 0 ? -1 : 0, kind, bitmap, x, y, frames, flags) + "}";
}

bench::Bench& open_rack(bench::Bench& b) {
    scenario::settle(b);
    b.window("open", 1000);
    b.frames(1);
    return b;
}

void press(bench::Bench& b, const Control& c, std::uint32_t flags = LEFT) {
    b.click(PANEL, c.x + c.w / 2, c.y + c.h / 2, flags);
    b.frames(1);
}

bool lamp_lit(const bench::Bench& b, const Control& c) { return !b.element(PANEL, c.lamp).hidden && b.element(PANEL, c.lamp).frame == 0; }

std::vector<std::string> writes_of(const bench::Bench& b, const std::string& needle) {
    std::vector<std::string> out;
    for (const std::string& code : b.calculator_log())
        if (code.find(needle) != std::string::npos && code.find("(>") != std::string::npos) out.push_back(code);
    return out;
}

TEST(RadioPanel, ElementsAndMouseAreasRowByRow) {
    bench::Bench b;
    const std::string line = tables::description(b, PANEL);
    ASSERT_FALSE(line.empty());
    EXPECT_NE(line.find("\"size_mm\": 98, \"has_callback\": false"), std::string::npos);

    // Every element a child of the background: each lamp, then its fixed overlay.
    std::vector<std::string> elements = {element(0, "static", 21026, 0, 0, 0, 1)};
    for (const Control& c : CONTROLS) {
        elements.push_back(element(c.lamp, "icon", c.lamp_bitmap, c.x, c.y, 1, 3));
        elements.push_back(element(c.lamp + 1, "static", c.overlay_bitmap, c.x, c.y, 0, 3));
    }
    ASSERT_EQ(elements.size(), 19u);
    EXPECT_EQ(matches(line, R"(\{"index": [^}]*\})"), elements);

    // A tooltip group and one hand click area per control, the area the group's.
    std::vector<std::string> rows = {mouse(1, 0, 0, 0, 0, -1, 0, nullptr)};
    for (const Control& c : CONTROLS) {
        rows.push_back(mouse(1, c.x, c.y, c.w, c.h, -1, 0, nullptr));
        rows.push_back(mouse(4, 0, 0, 0, 0, -1, 0, c.tooltip));
        rows.push_back(mouse(3, 0, 0, 0, 0, -1, 0, nullptr));
        rows.push_back(mouse(2, c.x, c.y, c.w, c.h, 5, LEFT, nullptr));
    }
    rows.push_back(mouse(3, 0, 0, 0, 0, -1, 0, nullptr));
    EXPECT_EQ(matches(line, R"(\{"type": [^}]*\})"), rows);

    for (const Control& c : CONTROLS) EXPECT_EQ(b.tooltip(PANEL, c.x + 1, c.y + 1), c.tooltip);
}

TEST(RadioPanel, EachClickTogglesTheControlAndItsMirrorAndItsLampFollows) {
    bench::Bench b;
    open_rack(b);
    for (const Control& c : CONTROLS) {
        SCOPED_TRACE(c.tooltip);
        // Nothing sets them at start: dark, as the simulator's 0.
        EXPECT_FALSE(lamp_lit(b, c));
        EXPECT_EQ(b.get(c.variable), 0);
        press(b, c);
        EXPECT_EQ(b.get(c.variable), 1);
        EXPECT_EQ(b.get(c.mirror), 1);
        EXPECT_TRUE(lamp_lit(b, c));
        press(b, c);
        EXPECT_EQ(b.get(c.variable), 0);
        EXPECT_EQ(b.get(c.mirror), 0);
        EXPECT_FALSE(lamp_lit(b, c));
    }
    // Only the left button works them.
    press(b, CONTROLS[3], RIGHT);
    EXPECT_EQ(b.get(CONTROLS[3].variable), 0);
}

TEST(RadioPanel, BreakersAreSilentAndTheSwitchesClickAfterMoving) {
    bench::Bench b;
    open_rack(b);
    for (const Control& c : CONTROLS) {
        SCOPED_TRACE(c.tooltip);
        b.mark();
        b.click(PANEL, c.x + c.w / 2, c.y + c.h / 2, LEFT);  // what the click alone writes
        // Each write named by its value and what it writes ("1 RAD_SWITCH_A"): the state,
        // its mirror, then for the switches the pan and the trigger of click 1.
        std::vector<std::string> order;
        for (const std::string& code : b.calculator_log()) {
            const std::size_t store = code.find("(>L:");
            if (store == std::string::npos) continue;
            const std::size_t comma = code.find(',', store);
            order.push_back(code.substr(0, code.find(' ')) + " " + code.substr(store + 4, comma - store - 4));
        }
        const std::string state = std::string(c.variable).substr(2, std::string(c.variable).find(',') - 2);
        std::vector<std::string> expected = {"1 " + state, "1 " + state + "_POS"};
        if (c.clicks) expected.insert(expected.end(), {"9000 Tarmelon_Click1Pan", "1 Tarmelon_Click1"});
        EXPECT_EQ(order, expected);
    }
}

TEST(RadioPanel, OnlyExactlyOneLightsALampAndAnyOtherValueClicksToTheOtherSide) {
    bench::Bench b;
    open_rack(b);
    const Control& com1 = CONTROLS[3];
    // Another gauge wrote 2: dark, and a click pulls it to 0 with its mirror.
    b.set(com1.variable, 2);
    b.set(com1.mirror, 2);
    b.frames(1);
    EXPECT_FALSE(lamp_lit(b, com1));
    press(b, com1);
    EXPECT_EQ(b.get(com1.variable), 0);
    EXPECT_EQ(b.get(com1.mirror), 0);
    // A negative value: dark, and a click sets 1.
    const Control& switch_b = CONTROLS[8];
    b.set(switch_b.variable, -1);
    b.frames(1);
    EXPECT_FALSE(lamp_lit(b, switch_b));
    press(b, switch_b);
    EXPECT_EQ(b.get(switch_b.variable), 1);
    EXPECT_EQ(b.get(switch_b.mirror), 1);
    EXPECT_TRUE(lamp_lit(b, switch_b));
    // 0.7 reads as 0: a click sets 1.
    const Control& nav2 = CONTROLS[6];
    b.set(nav2.variable, 0.7);
    press(b, nav2);
    EXPECT_EQ(b.get(nav2.variable), 1);
}

TEST(RadioPanel, TheRadiosWorkWhateverTheBreakersShow) {
    for (int pulled : {0, 1}) {
        SCOPED_TRACE(pulled ? "every breaker at 1" : "every breaker at 0");
        bench::Bench b;
        open_rack(b);
        if (pulled)
            for (const Control& c : CONTROLS) press(b, c);
        b.mark();
        // The nav/com's large knob tunes COM2, its flip-flop swaps.
        b.click("RadioGPS_SL30", 1295, 880, LEFT);
        b.click("RadioGPS_SL30", 500, 930, LEFT);
        // The audio panel selects COM2.
        b.click("RadioGPS_GMA340", 690, 210, LEFT);
        b.frames(2);
        EXPECT_EQ(scenario::count_key(b, 66437, 1), 1u);
        EXPECT_EQ(scenario::count_key(b, 66444), 1u);
        EXPECT_EQ(b.get("L:Garmin_com2_led, bool"), 1);
        // A reload still sends the code to the transponder.
        b.set("A:TRANSPONDER CODE:1, bco16", 0x1200);
        b.mark();
        b.unload();
        b.load();
        b.frames(2);
        EXPECT_GE(scenario::count_key(b, 65715, 0x7000), 1u);
        EXPECT_EQ(b.get("A:TRANSPONDER CODE:1, bco16"), 0x7000);
    }
}

// They are breaker and switch positions, not lamps: cold and dark, they show as set.
TEST(RadioPanel, ThePicturesFollowTheControlsWithoutPower) {
    bench::Bench b;
    b.start("cold-and-dark");
    b.window("open", 1000);
    b.frames(2);
    ASSERT_EQ(b.get("L:DCpowerAvailable, bool"), 0);
    for (const Control& c : CONTROLS) {
        SCOPED_TRACE(c.tooltip);
        press(b, c);
        EXPECT_TRUE(lamp_lit(b, c));
        EXPECT_EQ(b.get(c.mirror), 1);
    }
    b.seconds(2);
    for (const Control& c : CONTROLS) EXPECT_TRUE(lamp_lit(b, c)) << c.tooltip;
}

// The rack is the pilot's alone: the presets, a saved flight and its reload leave it be.
TEST(RadioPanel, NeitherPresetsNorSavedFlightsNorAReloadMoveTheRack) {
    scenario::TempRoot root;
    bench::Bench b(root.options("C:/Flights/Rack.FLT"));
    open_rack(b);
    press(b, CONTROLS[3]);  // COM1 breaker
    press(b, CONTROLS[7]);  // switch A
    b.mark();
    ASSERT_GE(b.click("Panel_Selector_Arrow", 15, 20, LEFT), 0);
    b.frames(1);
    ASSERT_GE(b.click("Panel_Selector", 95, 100, LEFT), 0);  // Power: cold and dark
    b.frames(2);
    ASSERT_GE(b.click("Panel_Selector", 95, 100, LEFT), 0);  // and ready again
    b.frames(2);
    b.exec("save \"C:/Flights/Rack.FLT\"");
    b.frames(2);
    b.load("C:/Flights/Rack.FLT");
    b.seconds(2);
    // Both presets ran, and the saved panel state was loaded again.
    EXPECT_EQ(scenario::count_key(b, 66701, 0), 1u);
    EXPECT_GE(scenario::count_key(b, 66701, 1), 1u);
    EXPECT_EQ(scenario::count_lines(b.simconnect_log(), "SimConnect_Text(258, 5, 0, 19, \"Panel state loaded\")"), 1u);
    EXPECT_EQ(writes_of(b, "RAD_"), std::vector<std::string>{});
    for (const Control& c : CONTROLS) {
        const double expected = (&c == &CONTROLS[3] || &c == &CONTROLS[7]) ? 1 : 0;
        EXPECT_EQ(b.get(c.variable), expected) << c.variable;
        EXPECT_EQ(b.get(c.mirror), expected) << c.mirror;
    }
}

TEST(Transponder, ModuleStartSquawksSevenThousandAndTheSimulatorKeepsIt) {
    bench::Bench b;
    EXPECT_EQ(b.get("A:TRANSPONDER CODE:1, bco16"), 0x7000);  // module start sent 28672
    EXPECT_EQ(scenario::count_key(b, 65715, 28672), 1u);
    scenario::settle(b);
    EXPECT_EQ(scenario::count_key(b, 65715), 1u);  // once: the ready preset sends none
    // The SquawkBox client reports standby once: the module switches it to mode C, byte 17.
    scstandin::set_client_data("SquawkBox Data", 17, {0});
    b.frames(2);
    EXPECT_EQ(scstandin::client_data("SquawkBox Data").at(17), 1);
    EXPECT_EQ(scstandin::client_data("SquawkBox Data").at(19), 0);  // no ident asked
}

// The area's replies as the simulator would deliver them, one byte of data (the mode byte).
void deliver_squawkbox_reply(sdk::DWORD_T request, std::uint8_t mode) {
    sdk::SIMCONNECT_RECV_CLIENT_DATA m{};
    m.dwSize = sizeof m;
    m.dwVersion = 4;
    m.dwID = sdk::SIMCONNECT_RECV_ID_CLIENT_DATA;
    m.dwRequestID = request;
    m.dwDefineID = 2;
    m.dwDefineCount = 1;
    m.dwData = mode;
    scstandin::deliver_raw(&m, sizeof m);
}

TEST(Transponder, EveryStandbyReplyOfTheModeRequestSwitchesSquawkBoxOn) {
    bench::Bench b;
    scenario::settle(b);
    b.mark();
    deliver_squawkbox_reply(0, 0);
    b.frames(1);
    deliver_squawkbox_reply(0, 0);  // the request's limit normally prevents a second one
    b.frames(1);
    deliver_squawkbox_reply(0, 1);  // already on
    deliver_squawkbox_reply(5, 0);  // not the mode request
    b.frames(1);
    EXPECT_EQ(scenario::count_prefix(b.simconnect_log(), "SimConnect_SetClientData("), 2u);
    EXPECT_EQ(scenario::count_lines(b.simconnect_log(), "SimConnect_SetClientData(0, 2, 0, 0, 1, [01])"), 2u);
    EXPECT_EQ(scstandin::client_data("SquawkBox Data").at(17), 1);
}

// ---- The transponder through the navigator's XPDR page ------------------------------------
//
// The screen area is 454,405, 732 by 302 pixels; a key at u, v (u 1 at the left edge, v 1 at
// the top) is touched at x = 454 + (1 - u) * 732, y = 405 + (1 - v) * 302.
constexpr const char* GTN = "RadioGPS_GTN6XX";
enum GtnElement { CODE_RIGHT_COLUMN = 13, CODE_ON_PAGE = 29, ENTRY = 30, MODE_ON_PAGE = 31, MODE_RIGHT_COLUMN = 32 };

struct Touch {
    int x, y;
};
Touch at(double u, double v) {
    return {454 + static_cast<int>((1.0 - u) * 732.0), 405 + static_cast<int>((1.0 - v) * 302.0)};
}
const Touch CONTINUE = at(0.10, 0.13), HOME_XPDR = at(0.30, 0.66), ENTER = at(0.10, 0.13), IDENT = at(0.10, 0.39),
            VFR = at(0.275, 0.50), MODE = at(0.275, 0.17), BACKSPACE = at(0.28, 0.83);
Touch digit_key(int d) {
    const double u[4] = {0.80, 0.68, 0.535, 0.405};
    return at(u[d % 4], d < 4 ? 0.50 : 0.17);
}

void touch(bench::Bench& b, Touch t) {
    ASSERT_GE(b.click(GTN, t.x, t.y, LEFT), 0);
    b.frames(1);
}
void type(bench::Bench& b, std::initializer_list<int> digits) {
    for (int d : digits) touch(b, digit_key(d));
}
std::string shown_text(const bench::Bench& b, int n) {
    const bench::ElementState e = b.element(GTN, n);
    return e.hidden ? "(hidden)" : e.text;
}

// Ready, the radio window open, the navigator past its start-up page and on the XPDR keypad.
bench::Bench& on_xpdr_page(bench::Bench& b) {
    open_rack(b);
    touch(b, CONTINUE);
    touch(b, HOME_XPDR);
    return b;
}

std::vector<std::string> squawkbox_writes(const bench::Bench& b) {
    std::vector<std::string> out;
    for (const std::string& call : b.simconnect_log())
        if (call.rfind("SimConnect_SetClientData(", 0) == 0) out.push_back(call);
    return out;
}

TEST(TransponderKeypad, DigitsTypedShowBracketedAndReachTheSimulatorOnlyOnEnter) {
    bench::Bench b;
    on_xpdr_page(b);
    EXPECT_EQ(shown_text(b, CODE_ON_PAGE), "7000");
    EXPECT_EQ(shown_text(b, ENTRY), "(hidden)");
    b.mark();
    // The first digit starts the entry at 7000 and writes itself first.
    type(b, {1});
    EXPECT_EQ(shown_text(b, ENTRY), "1[0]00");
    EXPECT_EQ(shown_text(b, CODE_ON_PAGE), "(hidden)");
    type(b, {2, 0});
    EXPECT_EQ(shown_text(b, ENTRY), "120[0]");
    type(b, {0, 5});  // the cursor stays on the last digit
    EXPECT_EQ(shown_text(b, ENTRY), "120[5]");
    EXPECT_EQ(scenario::count_key(b, 65715), 0u);
    EXPECT_EQ(b.get("A:TRANSPONDER CODE:1, bco16"), 0x7000);
    touch(b, ENTER);
    EXPECT_EQ(scenario::count_key(b, 65715), 1u);
    EXPECT_EQ(scenario::count_key(b, 65715, 0x1205), 1u);
    b.frames(1);
    EXPECT_EQ(b.get("A:TRANSPONDER CODE:1, bco16"), 0x1205);
    EXPECT_EQ(shown_text(b, ENTRY), "(hidden)");
    EXPECT_EQ(shown_text(b, CODE_ON_PAGE), "1205");
    EXPECT_EQ(shown_text(b, CODE_RIGHT_COLUMN), "1205");
    // Enter again without an entry sends nothing.
    touch(b, ENTER);
    EXPECT_EQ(scenario::count_key(b, 65715), 1u);
    // Every digit of the keypad, 7777 at the top.
    type(b, {7, 7, 7, 7});
    touch(b, ENTER);
    EXPECT_EQ(scenario::count_key(b, 65715, 30583), 1u);
    type(b, {0, 1, 2, 3});
    touch(b, ENTER);
    type(b, {4, 5, 6});
    touch(b, ENTER);
    EXPECT_EQ(scenario::count_key(b, 65715, 0x0123), 1u);
    EXPECT_EQ(scenario::count_key(b, 65715, 0x4560), 1u);
}

TEST(TransponderKeypad, BackspaceStepsTheCursorBackWithinTheEntryOnly) {
    bench::Bench b;
    on_xpdr_page(b);
    touch(b, BACKSPACE);  // no entry: nothing
    EXPECT_EQ(shown_text(b, ENTRY), "(hidden)");
    type(b, {1, 2});
    touch(b, BACKSPACE);
    EXPECT_EQ(shown_text(b, ENTRY), "1[2]00");
    type(b, {5});
    EXPECT_EQ(shown_text(b, ENTRY), "15[0]0");
    touch(b, BACKSPACE);
    touch(b, BACKSPACE);
    touch(b, BACKSPACE);  // at the first digit already
    EXPECT_EQ(shown_text(b, ENTRY), "[1]500");
    type(b, {6});
    touch(b, ENTER);
    EXPECT_EQ(scenario::count_key(b, 65715, 0x6500), 1u);
}

TEST(TransponderKeypad, VfrSendsSevenThousandAtOnceAndLeavesTheEntryWhereItWas) {
    bench::Bench b;
    on_xpdr_page(b);
    type(b, {1, 2});
    b.mark();
    touch(b, VFR);
    EXPECT_EQ(scenario::count_key(b, 65715, 28672), 1u);
    EXPECT_EQ(b.get("A:TRANSPONDER CODE:1, bco16"), 0x7000);
    EXPECT_EQ(shown_text(b, ENTRY), "70[0]0");  // still entering, the cursor kept
    type(b, {3});
    touch(b, ENTER);
    EXPECT_EQ(scenario::count_key(b, 65715, 0x7030), 1u);
    // Without an entry VFR still sends, and starts none.
    touch(b, VFR);
    EXPECT_EQ(scenario::count_key(b, 65715, 28672), 2u);
    EXPECT_EQ(shown_text(b, ENTRY), "(hidden)");
}

TEST(TransponderKeypad, ModeStepsRoundAndTellsSquawkBoxOnlyOnLeavingAndReturningToStandby) {
    bench::Bench b;
    on_xpdr_page(b);
    EXPECT_EQ(shown_text(b, MODE_ON_PAGE), "STBY");
    EXPECT_EQ(shown_text(b, MODE_RIGHT_COLUMN), "STBY");
    b.mark();
    const char* modes[] = {"GND", "ON", "ALT", "STBY", "GND"};
    const std::vector<std::vector<std::string>> writes = {
        {"SimConnect_SetClientData(0, 2, 0, 0, 1, [01])"},
        {"SimConnect_SetClientData(0, 2, 0, 0, 1, [01])"},
        {"SimConnect_SetClientData(0, 2, 0, 0, 1, [01])"},
        {"SimConnect_SetClientData(0, 2, 0, 0, 1, [01])", "SimConnect_SetClientData(0, 2, 0, 0, 1, [00])"},
        {"SimConnect_SetClientData(0, 2, 0, 0, 1, [01])", "SimConnect_SetClientData(0, 2, 0, 0, 1, [00])",
         "SimConnect_SetClientData(0, 2, 0, 0, 1, [01])"},
    };
    const int network[] = {1, 1, 1, 0, 1};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(modes[i]);
        touch(b, MODE);
        EXPECT_EQ(shown_text(b, MODE_ON_PAGE), modes[i]);
        EXPECT_EQ(shown_text(b, MODE_RIGHT_COLUMN), modes[i]);
        EXPECT_EQ(squawkbox_writes(b), writes[i]);
        EXPECT_EQ(scstandin::client_data("SquawkBox Data").at(17), network[i]);
    }
    // The mode is the module's own: the simulator's transponder code is not touched.
    EXPECT_EQ(scenario::count_key(b, 65715), 0u);
    EXPECT_EQ(b.get("A:TRANSPONDER CODE:1, bco16"), 0x7000);
}

TEST(TransponderKeypad, IdentAsksSquawkBoxEveryTimeAndSendsNoKeyEvent) {
    bench::Bench b;
    on_xpdr_page(b);
    b.mark();
    touch(b, IDENT);
    touch(b, IDENT);
    // The first write to the area brings the one reply of the module's request on the mode
    // byte: still 0, so the module switches SquawkBox on, whatever its own mode shows.
    EXPECT_EQ(squawkbox_writes(b), (std::vector<std::string>{"SimConnect_SetClientData(0, 4, 0, 0, 1, [02])",
                                                             "SimConnect_SetClientData(0, 2, 0, 0, 1, [01])",
                                                             "SimConnect_SetClientData(0, 4, 0, 0, 1, [02])"}));
    EXPECT_EQ(scstandin::client_data("SquawkBox Data").at(19), 2);
    EXPECT_EQ(scstandin::client_data("SquawkBox Data").at(17), 1);
    EXPECT_EQ(shown_text(b, MODE_ON_PAGE), "STBY");
    EXPECT_EQ(scenario::count_key(b, 65715), 0u);
}

TEST(TransponderKeypad, EveryRadioBreakerSetOrPulledLeavesTheTransponderWorking) {
    for (double value : {1.0, 2.0}) {
        SCOPED_TRACE(value);
        bench::Bench b;
        on_xpdr_page(b);
        for (const Control& c : CONTROLS) {
            b.set(c.variable, value);
            b.set(c.mirror, value);
        }
        b.mark();
        type(b, {1, 2, 0, 0});
        touch(b, ENTER);
        touch(b, MODE);
        touch(b, IDENT);
        EXPECT_EQ(scenario::count_key(b, 65715, 0x1200), 1u);
        EXPECT_EQ(b.get("A:TRANSPONDER CODE:1, bco16"), 0x1200);
        EXPECT_EQ(shown_text(b, MODE_ON_PAGE), "GND");
        EXPECT_EQ(scstandin::client_data("SquawkBox Data").at(17), 1);
        EXPECT_EQ(scstandin::client_data("SquawkBox Data").at(19), 2);
    }
}

// The simulator keeps the code packed four bits a digit; shown, it is always four digits, and
// a register that holds no transponder code cannot overflow the field.
TEST(TransponderKeypad, TheSimulatorsPackedCodeIsShownAsFourDigits) {
    bench::Bench b;
    on_xpdr_page(b);
    struct Case {
        double packed;
        const char* shown;
    };
    const Case cases[] = {{0x7000, "7000"}, {0x7777, "7777"}, {0x0000, "0000"}, {0x0017, "0017"}, {0x1200, "1200"},
                          {0x1280, "----"}, {65535, "----"}, {0x17000, "----"}, {-1, "----"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        b.set("A:TRANSPONDER CODE:1, bco16", c.packed);
        b.frames(1);
        EXPECT_EQ(shown_text(b, CODE_ON_PAGE), c.shown);
        EXPECT_EQ(shown_text(b, CODE_RIGHT_COLUMN), c.shown);
    }
}

}  // namespace
