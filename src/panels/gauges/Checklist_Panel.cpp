// Checklist_Panel: the interactive checklists. A title line, 19 item rows each drawn twice
// at the same place (green for a ticked item, red for an unticked one: the gauge hides the
// one that does not apply), page and checklist buttons, and the page indicator. The rows
// follow the mouse, so that a long item scrolls sideways once the mouse has passed over it.
#include <array>
#include <cstddef>
#include <utility>

#include "checklist/checklist.h"
#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {

constexpr sdk::FLAGS CHECKLIST_STRING_FLAGS = STRING_FLAGS | DRAW_BILINEAR;
constexpr StringStyle TITLE_STYLE = {0x0A0A0A, "COURIER NEW", 700};
constexpr StringStyle TICKED_STYLE = {0x007F26, "COURIER NEW", 700};
constexpr StringStyle UNTICKED_STYLE = {0x0000B2, "COURIER NEW", 700};
constexpr StringStyle PAGE_STYLE = {0x636363, "COURIER NEW", 400};

constexpr int ROW_X = 8, ROW_Y = 48, ROW_PITCH = 31, ROW_W = 391, ROW_H = 30;
constexpr int row_y(int row) { return ROW_Y + ROW_PITCH * row; }

// Row k's green element is 6 + 2k in the drawing order, its red one 7 + 2k.
constexpr int FIRST_ROW_ELEMENT = 6;
constexpr int ticked_element(int row) { return FIRST_ROW_ELEMENT + 2 * row; }
constexpr int unticked_element(int row) { return FIRST_ROW_ELEMENT + 2 * row + 1; }

// ---- element callbacks -------------------------------------------------------------------

double previous_page_frame() { return on_while(previous_page_available()); }
double next_page_frame() { return on_while(next_page_available()); }
double always_frame_1() { return 1.0; }

sdk::FLOAT64 TM_STDCALL title_text(sdk::ELEMENT_STRING* element) {
    if (const char* title = checklist_title()) write_text(element, "%s", title);
    return string_redraw(element);
}

template <int ROW>
sdk::FLOAT64 TM_STDCALL row_text(sdk::ELEMENT_STRING* element) {
    char text[CHECKLIST_ROW_BUFFER];
    checklist_row_text(ROW, text);
    write_text(element, "%s", text);
    return string_redraw(element);
}

sdk::FLOAT64 TM_STDCALL page_text(sdk::ELEMENT_STRING* element) {
    write_text(element, "PG %1d/%1d", checklist_page(), checklist_page_count());
    return string_redraw(element);
}

// Both elements of a row, at the same place, running the row's callback.
template <std::size_t ROW>
constexpr std::array<sdk::ELEMENT_STRING, 2> row_pair() {
    constexpr int k = static_cast<int>(ROW);
    return {text(ROW_X, row_y(k), ROW_W, ROW_H, TICKED_STYLE, CHECKLIST_ROW_WIDTH, row_text<k>, CHECKLIST_STRING_FLAGS),
            text(ROW_X, row_y(k), ROW_W, ROW_H, UNTICKED_STYLE, CHECKLIST_ROW_WIDTH, row_text<k>, CHECKLIST_STRING_FLAGS)};
}

template <std::size_t... ROW>
constexpr std::array<std::array<sdk::ELEMENT_STRING, 2>, sizeof...(ROW)> row_pairs(std::index_sequence<ROW...>) {
    return {row_pair<ROW>()...};
}

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(17792, 0, 0);
    sdk::ELEMENT_ICON previous_page = icon(17793, 76, 643, 2, icon_value<previous_page_frame>);
    sdk::ELEMENT_ICON previous_checklist = icon(17795, 76, 668, 2, icon_value<always_frame_1>);
    sdk::ELEMENT_ICON next_page = icon(17797, 233, 643, 2, icon_value<next_page_frame>);
    sdk::ELEMENT_ICON next_checklist = icon(17799, 233, 668, 2, icon_value<always_frame_1>);
    sdk::ELEMENT_STRING title = text(9, 7, 300, 33, TITLE_STYLE, 30, title_text, CHECKLIST_STRING_FLAGS);
    std::array<std::array<sdk::ELEMENT_STRING, 2>, CHECKLIST_ROWS> rows =
        row_pairs(std::make_index_sequence<CHECKLIST_ROWS>{});
    sdk::ELEMENT_STRING page = text(393, 635, 57, 33, PAGE_STYLE, 6, page_text, CHECKLIST_STRING_FLAGS);
} elements;

constexpr std::size_t ELEMENT_COUNT = 6 + 2 * CHECKLIST_ROWS + 1;

std::array<sdk::ELEMENT_HEADER*, ELEMENT_COUNT> element_order() {
    std::array<sdk::ELEMENT_HEADER*, ELEMENT_COUNT> order{};
    std::size_t n = 0;
    order[n++] = el(elements.background);
    order[n++] = el(elements.previous_page);
    order[n++] = el(elements.previous_checklist);
    order[n++] = el(elements.next_page);
    order[n++] = el(elements.next_checklist);
    order[n++] = el(elements.title);
    for (auto& pair : elements.rows)
        for (auto& e : pair) order[n++] = el(e);
    order[n++] = el(elements.page);
    return order;
}

ElementChain<ELEMENT_COUNT> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) { tree.link(gauge, element_order()); }

// ---- mouse -------------------------------------------------------------------------------

constexpr sdk::FLAGS32 ROW_MASK = MOUSE_LEFT | MOUSE_MOVE;

// Each row: an empty group over the row, then its area.
constexpr sdk::MOUSERECT row_group(int row) { return group(ROW_X, row_y(row), ROW_W, ROW_H); }
template <int ROW>
constexpr sdk::MOUSERECT row_area() {
    return click(ROW_X, row_y(ROW), ROW_W, ROW_H, sdk::CURSOR_HAND, ROW_MASK, on_hover_or_left<checklist_row_mouse, ROW>);
}

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(76, 668, 151, 20), tooltip("Previous Checklist"), group_end(),
    click(76, 668, 151, 20, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<previous_checklist, NO_CLICK>),
    group(233, 668, 151, 20), tooltip("Next Checklist"), group_end(),
    click(233, 668, 151, 20, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<next_checklist, NO_CLICK>),
    group(76, 643, 151, 20), tooltip("Previous Page"), group_end(),
    click(76, 643, 151, 20, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<previous_page, NO_CLICK>),
    group(233, 643, 151, 20), tooltip("Next Page"), group_end(),
    click(233, 643, 151, 20, sdk::CURSOR_HAND, MOUSE_LEFT, on_click<next_page, NO_CLICK>),
    row_group(0), group_end(), row_area<0>(),
    row_group(1), group_end(), row_area<1>(),
    row_group(2), group_end(), row_area<2>(),
    row_group(3), group_end(), row_area<3>(),
    row_group(4), group_end(), row_area<4>(),
    row_group(5), group_end(), row_area<5>(),
    row_group(6), group_end(), row_area<6>(),
    row_group(7), group_end(), row_area<7>(),
    row_group(8), group_end(), row_area<8>(),
    row_group(9), group_end(), row_area<9>(),
    row_group(10), group_end(), row_area<10>(),
    row_group(11), group_end(), row_area<11>(),
    row_group(12), group_end(), row_area<12>(),
    row_group(13), group_end(), row_area<13>(),
    row_group(14), group_end(), row_area<14>(),
    row_group(15), group_end(), row_area<15>(),
    row_group(16), group_end(), row_area<16>(),
    row_group(17), group_end(), row_area<17>(),
    row_group(18), group_end(), row_area<18>(),
    mouse_end(),
    mouse_eol(),
};

// ---- gauge callback ----------------------------------------------------------------------

// A ticked item shows its green element, an unticked one its red element.
void show_row_colours() {
    for (int row = 0; row < CHECKLIST_ROWS; ++row) {
        const int tick = checklist_row_tick(row);
        if (tick == 1) {
            clear_element_flags(root, ticked_element(row), DRAW_HIDDEN);
            set_element_flags(root, unticked_element(row), DRAW_HIDDEN);
        } else if (tick == 0) {
            set_element_flags(root, ticked_element(row), DRAW_HIDDEN);
            clear_element_flags(root, unticked_element(row), DRAW_HIDDEN);
        }
    }
}

void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_INITIALIZE) {
        checklist_count_pages();
    } else if (service == sdk::PANEL_SERVICE_PRE_UPDATE) {
        checklist_set_first_item();
        show_row_colours();
    }
}

}  // namespace

extern const GaugeParts Checklist_Panel = {&root, mouse, callback, link};

}  // namespace tarmelon
