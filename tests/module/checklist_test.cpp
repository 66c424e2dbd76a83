// The checklist panel worked with the mouse as the simulator would: every list's texts page
// by page against the aircraft's checklist card, ticks that stay with their own slot, the
// navigation buttons, the sideways scrolling of long items, and the gauge's tables as the
// simulator reads them.
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "scenario.h"

namespace {

constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t MOVE = 0x00400000;

const std::string PANEL = "Checklist_Panel";
constexpr std::uint32_t CHECKLIST_WINDOW = 1800;

// Element indexes in drawing order.
constexpr int PREVIOUS_PAGE_ICON = 1, PREVIOUS_CHECKLIST_ICON = 2, NEXT_PAGE_ICON = 3, NEXT_CHECKLIST_ICON = 4;
constexpr int TITLE = 5, PAGE_INDICATOR = 44;
constexpr int green(int row) { return 6 + 2 * row; }
constexpr int red(int row) { return 7 + 2 * row; }

constexpr int ROWS = 19;
constexpr int WIDTH = 40;

struct Point {
    int x, y;
};
constexpr Point PREVIOUS_CHECKLIST{150, 675}, NEXT_CHECKLIST{300, 675}, PREVIOUS_PAGE{150, 650}, NEXT_PAGE{300, 650};
constexpr Point row_point(int row) { return {200, 48 + 31 * row + 15}; }

struct Card {
    std::string title;
    std::vector<std::string> items;
};
const std::vector<Card> CARD = {
#include "checklist_card.inc"
};

int pages_of(const Card& card) { return card.items.empty() ? 1 : (static_cast<int>(card.items.size()) + ROWS - 1) / ROWS; }

// What a row shows of an item that has not scrolled: its first 40 characters, padded.
std::string row_of(const std::string& item) {
    std::string shown = item.substr(0, WIDTH);
    shown.resize(WIDTH, ' ');
    return shown;
}

void press(bench::Bench& b, Point p, std::uint32_t flags = LEFT) {
    ASSERT_GE(b.click(PANEL, p.x, p.y, flags), 0) << p.x << "," << p.y;
}

// A started cockpit with the checklist window open and drawn once.
void open_checklists(bench::Bench& b) {
    scenario::settle(b);
    b.window("open", CHECKLIST_WINDOW);
    b.frames(1);
}

std::string row_text(const bench::Bench& b, int row) { return b.element(PANEL, red(row)).text; }

// Green shown and red hidden for a ticked item, the other way round for an unticked one.
bool shows_ticked(const bench::Bench& b, int row) {
    return !b.element(PANEL, green(row)).hidden && b.element(PANEL, red(row)).hidden;
}
bool shows_unticked(const bench::Bench& b, int row) {
    return b.element(PANEL, green(row)).hidden && !b.element(PANEL, red(row)).hidden;
}

// Steps to checklist `index` with "Next Checklist" from wherever the panel is.
void go_to(bench::Bench& b, int index) {
    for (int i = 0; i < 14 && b.element(PANEL, TITLE).text != CARD[index].title; ++i) {
        press(b, NEXT_CHECKLIST);
        b.frames(1);
    }
    ASSERT_EQ(b.element(PANEL, TITLE).text, CARD[index].title);
}

TEST(Checklist, EveryListShowsItsCardPageByPage) {
    bench::Bench b;
    open_checklists(b);
    ASSERT_EQ(CARD.size(), 14u);
    for (std::size_t list = 0; list < CARD.size(); ++list) {
        const Card& card = CARD[list];
        const int pages = pages_of(card);
        EXPECT_EQ(b.element(PANEL, TITLE).text, card.title);
        for (int page = 1; page <= pages; ++page) {
            SCOPED_TRACE(card.title + " page " + std::to_string(page));
            EXPECT_EQ(b.element(PANEL, PAGE_INDICATOR).text, "PG " + std::to_string(page) + "/" + std::to_string(pages));
            EXPECT_EQ(b.element(PANEL, PREVIOUS_PAGE_ICON).frame, page > 1 ? 1 : 0);
            EXPECT_EQ(b.element(PANEL, NEXT_PAGE_ICON).frame, page < pages ? 1 : 0);
            EXPECT_EQ(b.element(PANEL, PREVIOUS_CHECKLIST_ICON).frame, 1);
            EXPECT_EQ(b.element(PANEL, NEXT_CHECKLIST_ICON).frame, 1);
            for (int row = 0; row < ROWS; ++row) {
                const std::size_t slot = static_cast<std::size_t>((page - 1) * ROWS + row);
                const std::string wanted = slot < card.items.size() ? row_of(card.items[slot]) : std::string();
                EXPECT_EQ(row_text(b, row), wanted) << "row " << row;
                EXPECT_EQ(b.element(PANEL, green(row)).text, wanted) << "row " << row;
                EXPECT_TRUE(shows_unticked(b, row)) << "row " << row;  // nothing ticked yet, blank rows too
            }
            press(b, NEXT_PAGE);
            b.frames(1);
        }
        // "Next Page" on the last page changes nothing.
        EXPECT_EQ(b.element(PANEL, PAGE_INDICATOR).text, "PG " + std::to_string(pages) + "/" + std::to_string(pages));
        press(b, NEXT_CHECKLIST);
        b.frames(1);
    }
    EXPECT_EQ(b.element(PANEL, TITLE).text, "Initial");  // round again
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

TEST(Checklist, TheTrailingSpaceItemKeepsItsSpaceAndFitsWithoutScrolling) {
    bench::Bench b;
    open_checklists(b);
    go_to(b, 10);  // "Before Descent"
    const int row = 15;
    EXPECT_EQ(row_text(b, row), std::string("Airspeed - Hold 250kts/0.75M ") + std::string(11, ' '));
    press(b, row_point(row), MOVE);
    for (int i = 0; i < 150; ++i) {
        b.frames(1);
        ASSERT_EQ(row_text(b, row), std::string("Airspeed - Hold 250kts/0.75M ") + std::string(11, ' '));
    }
}

TEST(Checklist, NavigationWrapsRoundAndStartsEachListOnItsFirstPage) {
    bench::Bench b;
    open_checklists(b);
    press(b, PREVIOUS_PAGE);  // already on page 1: nothing
    b.frames(1);
    EXPECT_EQ(b.element(PANEL, PAGE_INDICATOR).text, "PG 1/1");
    press(b, PREVIOUS_CHECKLIST);
    b.frames(1);
    EXPECT_EQ(b.element(PANEL, TITLE).text, "Shutdown");
    press(b, NEXT_PAGE);
    b.frames(1);
    EXPECT_EQ(b.element(PANEL, PAGE_INDICATOR).text, "PG 2/2");
    press(b, NEXT_CHECKLIST);
    b.frames(1);
    EXPECT_EQ(b.element(PANEL, TITLE).text, "Initial");
    EXPECT_EQ(b.element(PANEL, PAGE_INDICATOR).text, "PG 1/1");

    go_to(b, 2);  // "Internal": page 3 shows items 39 to 57 on all 19 rows
    press(b, NEXT_PAGE);
    press(b, NEXT_PAGE);
    b.frames(1);
    EXPECT_EQ(b.element(PANEL, PAGE_INDICATOR).text, "PG 3/3");
    EXPECT_EQ(row_text(b, 0), row_of(CARD[2].items[38]));
    EXPECT_EQ(row_text(b, 18), row_of(CARD[2].items[56]));
    press(b, PREVIOUS_PAGE);
    b.frames(1);
    EXPECT_EQ(b.element(PANEL, PAGE_INDICATOR).text, "PG 2/3");
    EXPECT_EQ(row_text(b, 0), row_of(CARD[2].items[19]));
    press(b, PREVIOUS_CHECKLIST);
    b.frames(1);
    EXPECT_EQ(b.element(PANEL, TITLE).text, "External");
    EXPECT_EQ(b.element(PANEL, PAGE_INDICATOR).text, "PG 1/1");

    // "After Start" page 2: items 20 to 26, then 12 blank rows drawn red with nothing in them.
    go_to(b, 4);
    press(b, NEXT_PAGE);
    b.frames(1);
    EXPECT_EQ(row_text(b, 6), row_of("Taxy clearance - Obtained"));
    for (int row = 7; row < ROWS; ++row) {
        EXPECT_EQ(row_text(b, row), "") << row;
        EXPECT_EQ(b.element(PANEL, green(row)).text, "") << row;
        EXPECT_TRUE(shows_unticked(b, row)) << row;
    }
    // A click on a blank row shows nothing either.
    press(b, row_point(10));
    b.frames(1);
    EXPECT_EQ(row_text(b, 10), "");
    EXPECT_EQ(b.element(PANEL, green(10)).text, "");
}

TEST(Checklist, EachSlotKeepsItsOwnTickAcrossPagesAndLists) {
    bench::Bench b;
    open_checklists(b);

    // One item ticked in every list, and the last item of every list with more pages; and
    // "Battery - OFF" of "Initial", a text that "Internal" and "Shutdown" also have.
    std::set<std::pair<int, int>> ticked;
    for (int list = 0; list < 14; ++list) {
        const int count = static_cast<int>(CARD[list].items.size());
        ticked.insert({list, (list * 5) % count});
        if (count > ROWS) ticked.insert({list, count - 1});
    }
    ticked.insert({0, 4});
    ASSERT_EQ(CARD[0].items[4], "Battery - OFF");

    for (int list = 0; list < 14; ++list) {
        go_to(b, list);
        for (int page = 1; page <= pages_of(CARD[list]); ++page) {
            for (int row = 0; row < ROWS; ++row)
                if (ticked.count({list, (page - 1) * ROWS + row}) != 0) press(b, row_point(row));
            press(b, NEXT_PAGE);
            b.frames(1);
        }
    }

    // Round all lists again, every page both ways: exactly those slots show ticked.
    const auto check_page = [&](int list, int page) {
        for (int row = 0; row < ROWS; ++row) {
            const bool tick = ticked.count({list, (page - 1) * ROWS + row}) != 0;
            EXPECT_TRUE(tick ? shows_ticked(b, row) : shows_unticked(b, row))
                << CARD[list].title << " page " << page << " row " << row;
        }
    };
    for (int list = 0; list < 14; ++list) {
        go_to(b, list);
        const int pages = pages_of(CARD[list]);
        for (int page = 1; page <= pages; ++page) {
            check_page(list, page);
            press(b, NEXT_PAGE);
            b.frames(1);
        }
        for (int page = pages; page >= 1; --page) {
            check_page(list, page);
            press(b, PREVIOUS_PAGE);
            b.frames(1);
        }
    }

    // A second click takes the tick off again, and only there.
    go_to(b, 0);
    press(b, row_point(4));
    b.frames(1);
    EXPECT_TRUE(shows_unticked(b, 4));
    EXPECT_TRUE(shows_ticked(b, 0));
    go_to(b, 13);
    EXPECT_TRUE(shows_unticked(b, 4));  // Shutdown's own "Battery - OFF" is item 25
    press(b, NEXT_PAGE);
    b.frames(1);
    EXPECT_EQ(row_text(b, 5), row_of("Battery - OFF"));
    EXPECT_TRUE(shows_ticked(b, 5));  // ticked above as Shutdown's last item
}

// The offset a row's text shows an item at, or -1 when it shows something else.
int offset_of(const std::string& shown, const std::string& item) {
    for (std::size_t offset = 0; offset <= item.size(); ++offset)
        if (shown == row_of(item.substr(offset))) return static_cast<int>(offset);
    return -1;
}

// Hovers a row and follows its text frame by frame until it has scrolled back to its start
// (or `frames` have passed): the offsets shown, one per frame.
std::vector<int> follow_scroll(bench::Bench& b, int row, const std::string& item, int frames) {
    press(b, row_point(row), MOVE);
    std::vector<int> offsets;
    bool moved = false;
    for (int i = 0; i < frames; ++i) {
        b.frames(1);
        offsets.push_back(offset_of(row_text(b, row), item));
        if (offsets.back() > 0) moved = true;
        if (moved && offsets.back() == 0) break;
    }
    return offsets;
}

TEST(Checklist, TheLongestItemScrollsThroughEighteenPositionsAndNeverOverflowsItsRow) {
    bench::Bench b;
    open_checklists(b);
    go_to(b, 2);
    press(b, NEXT_PAGE);
    press(b, NEXT_PAGE);
    b.frames(1);
    const int row = 11;  // item 50
    const std::string item = "Rear tank LP pumps - ON, check fuel pump warning lights ON";
    ASSERT_EQ(item.size(), 58u);
    ASSERT_EQ(row_text(b, row), row_of(item));

    const std::vector<int> offsets = follow_scroll(b, row, item, 400);
    ASSERT_FALSE(offsets.empty());
    EXPECT_EQ(offsets.back(), 0);
    // Each offset once, in order, one every 2 ticks (a frame is a tick at 18 frames a second).
    std::vector<int> steps;
    std::vector<int> lasting;
    for (int o : offsets) {
        if (steps.empty() || steps.back() != o) {
            steps.push_back(o);
            lasting.push_back(0);
        }
        ++lasting.back();
    }
    std::vector<int> wanted{0};
    for (int o = 1; o <= 18; ++o) wanted.push_back(o);
    wanted.push_back(0);
    ASSERT_EQ(steps, wanted);
    for (std::size_t i = 1; i + 2 < lasting.size(); ++i) EXPECT_EQ(lasting[i], 2) << "offset " << steps[i];
    EXPECT_EQ(lasting[lasting.size() - 2], 52);  // its end held 50 ticks after its step

    // Hovered again at once, it holds 50 ticks past its last step before it moves.
    const std::vector<int> again = follow_scroll(b, row, item, 400);
    int held = 0;
    while (held < static_cast<int>(again.size()) && again[held] == 0) ++held;
    EXPECT_EQ(held, 51);
    EXPECT_EQ(again.back(), 0);

    // Back at its start the row rests until the mouse passes again; long after, it moves at once.
    for (int i = 0; i < 100; ++i) {
        b.frames(1);
        ASSERT_EQ(row_text(b, row), row_of(item));
    }
    const std::vector<int> later = follow_scroll(b, row, item, 400);
    ASSERT_FALSE(later.empty());
    EXPECT_EQ(later.front(), 1);
    EXPECT_EQ(b.faults(), std::vector<std::string>{});  // the 40-character row never overran
}

TEST(Checklist, LongItemsScrollTheirWholeTextIntoViewAndShortOnesStayPut) {
    bench::Bench b;
    open_checklists(b);
    // Every item of every list read back through its row: the first 40 characters, then
    // one more character each step of the scroll.
    int long_items = 0;
    for (int list = 0; list < 14; ++list) {
        go_to(b, list);
        const Card& card = CARD[list];
        for (int page = 1; page <= pages_of(card); ++page) {
            for (int row = 0; row < ROWS; ++row) {
                const std::size_t slot = static_cast<std::size_t>((page - 1) * ROWS + row);
                if (slot >= card.items.size()) break;
                const std::string& item = card.items[slot];
                if (item.size() <= static_cast<std::size_t>(WIDTH)) continue;
                ++long_items;
                std::string seen = row_text(b, row);
                press(b, row_point(row), MOVE);
                std::string previous = seen;
                for (int i = 0; i < 300; ++i) {
                    b.frames(1);
                    const std::string now = row_text(b, row);
                    ASSERT_EQ(now.size(), static_cast<std::size_t>(WIDTH));
                    if (now == row_of(item) && previous != now) break;  // back at its start
                    if (now != previous) seen += now.back();
                    previous = now;
                }
                EXPECT_EQ(seen, item) << card.title << " item " << slot + 1;
            }
            press(b, NEXT_PAGE);
            b.frames(1);
        }
    }
    EXPECT_EQ(long_items, 27);

    // Exactly 40 characters ("Internal" item 41, page 3 row 2) never scrolls.
    go_to(b, 2);
    press(b, NEXT_PAGE);
    press(b, NEXT_PAGE);
    b.frames(1);
    ASSERT_EQ(row_text(b, 2), "Hydraulic pressures - check reading ZERO");
    press(b, row_point(2), MOVE);
    for (int i = 0; i < 150; ++i) {
        b.frames(1);
        ASSERT_EQ(row_text(b, 2), "Hydraulic pressures - check reading ZERO");
    }
    EXPECT_EQ(b.faults(), std::vector<std::string>{});
}

TEST(Checklist, ChangingPageOrListStartsAScrolledRowAgain) {
    bench::Bench b;
    open_checklists(b);
    go_to(b, 5);  // "Taxy": item 2 has 57 characters
    const std::string item = "Brakes (on moving) - check drop and then rise to 2750 PSI";
    press(b, row_point(1), MOVE);
    for (int i = 0; i < 60 && offset_of(row_text(b, 1), item) < 3; ++i) b.frames(1);
    ASSERT_GE(offset_of(row_text(b, 1), item), 3);
    press(b, NEXT_CHECKLIST);
    press(b, PREVIOUS_CHECKLIST);
    b.frames(1);
    // The row starts from the beginning; still hovered, it scrolls again after its hold.
    EXPECT_EQ(offset_of(row_text(b, 1), item), 0);
    b.frames(60);
    EXPECT_GT(offset_of(row_text(b, 1), item), 0);
}

// ---- the gauge as the simulator reads it ----------------------------------------------------

std::string panel_description(const bench::Bench& b) {
    std::istringstream in(b.describe_gauges());
    std::string line;
    while (std::getline(in, line))
        if (line.find("{\"name\": \"Checklist_Panel\",") != std::string::npos) return line;
    return {};
}

std::vector<std::string> matches(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}

std::string element_json(int index, const char* kind, int bitmap, int x, int y, int frames, std::uint32_t flags) {
    return "{\"index\": " + std::to_string(index) + ", \"parent\": " +
           (index == 0 ? std::string("null") : std::to_string(index - 1)) + ", \"kind\": \"" + kind +
           "\", \"bitmap\": " + std::to_string(bitmap) + ", \"x\": " + std::to_string(x) + ", \"y\": " +
           std::to_string(y) + ", \"frames\": " + std::to_string(frames) + ", \"flags\": " + std::to_string(flags);
}

std::string string_json(int index, int x, int y, int w, int h, std::uint32_t flags, std::uint32_t colour, int weight,
                        int chars) {
    return element_json(index, "string", -1, x, y, 0, flags) + ", \"box\": [" + std::to_string(w) + ", " +
           std::to_string(h) + "], \"colour\": " + std::to_string(colour) +
           ", \"background\": 6052956, \"font\": \"COURIER NEW\", \"weight\": " + std::to_string(weight) +
           ", \"chars\": " + std::to_string(chars) + "}";
}

std::string mouse_json(int type, int x, int y, int w, int h, int cursor, std::uint32_t mask, const char* tooltip) {
    return "{\"type\": " + std::to_string(type) + ", \"x\": " + std::to_string(x) + ", \"y\": " + std::to_string(y) +
           ", \"w\": " + std::to_string(w) + ", \"h\": " + std::to_string(h) + ", \"cursor\": " +
           std::to_string(cursor) + ", \"mask\": " + std::to_string(mask) + ", \"tooltip\": " +
           (tooltip ? "\"" + std::string(tooltip) + "\"" : std::string("null")) + ", \"args\": 0}";
}

TEST(Checklist, DrawsAndHitTestsAsTheSimulatorReadsIt) {
    bench::Bench b;
    scenario::settle(b);  // the window cycling at start has drawn every row red once
    const std::string line = panel_description(b);
    ASSERT_FALSE(line.empty());
    EXPECT_NE(line.find("\"size_mm\": 98, \"has_callback\": true"), std::string::npos);

    constexpr std::uint32_t HIDDEN = 0x40000000, STRING = 0x87;
    std::vector<std::string> elements = {
        element_json(0, "static", 17792, 0, 0, 0, 0x1) + "}",
        element_json(1, "icon", 17793, 76, 643, 2, 0x3) + "}",
        element_json(2, "icon", 17795, 76, 668, 2, 0x3) + "}",
        element_json(3, "icon", 17797, 233, 643, 2, 0x3) + "}",
        element_json(4, "icon", 17799, 233, 668, 2, 0x3) + "}",
        string_json(5, 9, 7, 300, 33, STRING, 0x0A0A0A, 700, 30),
    };
    for (int row = 0; row < ROWS; ++row) {
        const int y = 48 + 31 * row;
        elements.push_back(string_json(green(row), 8, y, 391, 30, STRING | HIDDEN, 0x007F26, 700, 40));
        elements.push_back(string_json(red(row), 8, y, 391, 30, STRING, 0x0000B2, 700, 40));
    }
    elements.push_back(string_json(44, 393, 635, 57, 33, STRING, 0x636363, 400, 6));
    EXPECT_EQ(matches(line, R"(\{"index": [^}]*\})"), elements);

    constexpr int HAND = 5;
    std::vector<std::string> mouse = {mouse_json(1, 0, 0, 0, 0, -1, 0, nullptr)};
    struct Button {
        int x, y;
        const char* tooltip;
    };
    for (const Button& button : {Button{76, 668, "Previous Checklist"}, Button{233, 668, "Next Checklist"},
                                 Button{76, 643, "Previous Page"}, Button{233, 643, "Next Page"}}) {
        mouse.push_back(mouse_json(1, button.x, button.y, 151, 20, -1, 0, nullptr));
        mouse.push_back(mouse_json(4, 0, 0, 0, 0, -1, 0, button.tooltip));
        mouse.push_back(mouse_json(3, 0, 0, 0, 0, -1, 0, nullptr));
        mouse.push_back(mouse_json(2, button.x, button.y, 151, 20, HAND, LEFT, nullptr));
    }
    for (int row = 0; row < ROWS; ++row) {
        mouse.push_back(mouse_json(1, 8, 48 + 31 * row, 391, 30, -1, 0, nullptr));
        mouse.push_back(mouse_json(3, 0, 0, 0, 0, -1, 0, nullptr));
        mouse.push_back(mouse_json(2, 8, 48 + 31 * row, 391, 30, HAND, LEFT | MOVE, nullptr));
    }
    mouse.push_back(mouse_json(3, 0, 0, 0, 0, -1, 0, nullptr));  // then the end of the table
    EXPECT_EQ(matches(line, R"(\{"type": [^}]*\})"), mouse);

    // Tooltips on the four buttons only; and no control clicks.
    b.window("open", CHECKLIST_WINDOW);
    b.frames(1);
    EXPECT_EQ(b.tooltip(PANEL, PREVIOUS_CHECKLIST.x, PREVIOUS_CHECKLIST.y), std::optional<std::string>("Previous Checklist"));
    EXPECT_EQ(b.tooltip(PANEL, NEXT_CHECKLIST.x, NEXT_CHECKLIST.y), std::optional<std::string>("Next Checklist"));
    EXPECT_EQ(b.tooltip(PANEL, PREVIOUS_PAGE.x, PREVIOUS_PAGE.y), std::optional<std::string>("Previous Page"));
    EXPECT_EQ(b.tooltip(PANEL, NEXT_PAGE.x, NEXT_PAGE.y), std::optional<std::string>("Next Page"));
    EXPECT_EQ(b.tooltip(PANEL, row_point(3).x, row_point(3).y), std::nullopt);
    b.mark();
    for (Point p : {NEXT_CHECKLIST, NEXT_PAGE, PREVIOUS_PAGE, PREVIOUS_CHECKLIST, row_point(0), row_point(18)}) press(b, p);
    press(b, row_point(5), MOVE);
    b.frames(2);
    for (const std::string& s : b.calculator_log()) EXPECT_EQ(s.find("Tarmelon_Click"), std::string::npos) << s;
    EXPECT_TRUE(b.key_log().empty());
    // Right clicks, releases and wheel turns reach no checklist control.
    for (std::uint32_t flags : {0x80000000u, 0x00020000u, 0x00004000u})
        EXPECT_EQ(b.click(PANEL, row_point(2).x, row_point(2).y, flags), -1);
}

}  // namespace
