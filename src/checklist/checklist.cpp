#include "checklist/checklist.h"

#include <cstdint>

#include "checklist/checklist_content.h"
#include "core/numeric.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr int LAST_CHECKLIST = CHECKLIST_COUNT - 1;
constexpr std::uint32_t SCROLL_HOLD_TICKS = 50;  // before the first step, and at the end
constexpr std::uint32_t SCROLL_STEP_TICKS = 2;   // between steps
constexpr int MAX_TEXT = 255;                     // longest text a row takes in

ChecklistState& model() { return state.checklist; }

const Checklist* current_list() {
    const int c = model().currentChecklist;
    return c >= 0 && c < CHECKLIST_COUNT ? &CHECKLISTS[c] : nullptr;
}

// The text in a slot of the current checklist; null for an empty slot or one outside it.
const char* slot_text(int slot) {
    const Checklist* list = current_list();
    if (list == nullptr || slot < 0 || slot >= list->count) return nullptr;
    return list->items[slot];
}

std::uint8_t* slot_tick(int slot) {
    const int c = model().currentChecklist;
    if (c < 0 || c >= CHECKLIST_COUNT || slot < 0 || slot >= static_cast<int>(CHECKLIST_SLOTS)) return nullptr;
    return &model().ticks[c][slot];
}

int row_slot(int row) { return model().firstItem + row; }

int text_length(const char* text) {
    int n = 0;
    while (n < MAX_TEXT && text[n] != '\0') ++n;
    return n;
}

std::uint32_t ticks_after(std::uint32_t now, std::uint32_t ticks) {
    return now > UINT32_MAX - ticks ? UINT32_MAX : now + ticks;
}

// Clearing a row starts its text from the beginning again; hover and timing stay.
void clear_row(ChecklistRow& row) { row.scrollOffset = 0; }

void clear_rows() {
    for (ChecklistRow& row : model().rows) clear_row(row);
}

// One scroll step of a hovered row: hold, then one character every two ticks until the end of
// the text is in view, hold again, and back to the start. Nothing moves a text that fits.
void scroll_step(ChecklistRow& row, std::uint32_t now) {
    if (now < row.nextTick || row.hoverFlag == 0) return;
    const bool held_long_enough = static_cast<std::uint64_t>(now) >= static_cast<std::uint64_t>(row.nextTick) + SCROLL_HOLD_TICKS;
    if (row.scrollOffset + CHECKLIST_ROW_WIDTH >= row.textLength) {  // the end is in view
        if (held_long_enough) {
            row.nextTick = ticks_after(now, SCROLL_STEP_TICKS);
            clear_row(row);
            row.hoverFlag = 0;
        }
    } else if (row.scrollOffset == 0) {
        if (held_long_enough) {
            row.scrollOffset = 1;
            row.nextTick = ticks_after(now, SCROLL_STEP_TICKS);
        }
    } else {
        ++row.scrollOffset;
        row.nextTick = ticks_after(now, SCROLL_STEP_TICKS);
    }
}

void show_checklist(int index) {
    model().currentChecklist = index;
    model().currentPage = 1;
    clear_rows();
    checklist_count_pages();
}

}  // namespace

void load_checklists() {
    ChecklistState& m = model();
    for (auto& list : m.ticks)
        for (std::uint8_t& tick : list) tick = 0;
    m.currentChecklist = 0;
    m.currentPage = 1;
    m.firstItem = 0;
    for (ChecklistRow& row : m.rows) row = ChecklistRow{};
    checklist_count_pages();
}

void checklist_count_pages() {
    int count = 1;
    for (int slot = 0; slot_text(slot + CHECKLIST_ROWS) != nullptr; slot += CHECKLIST_ROWS) ++count;
    model().pageCount = count;
}

void checklist_set_first_item() {
    const int page = model().currentPage;
    if (page >= 1 && page <= 5) model().firstItem = (page - 1) * CHECKLIST_ROWS;
}

void next_checklist() {
    show_checklist(model().currentChecklist >= LAST_CHECKLIST ? 0 : model().currentChecklist + 1);
}

void previous_checklist() {
    show_checklist(model().currentChecklist <= 0 ? LAST_CHECKLIST : model().currentChecklist - 1);
}

bool previous_page_available() { return model().currentPage > 1; }
bool next_page_available() { return model().currentPage < model().pageCount; }

void next_page() {
    if (!next_page_available()) return;
    ++model().currentPage;
    clear_rows();
}

void previous_page() {
    if (!previous_page_available()) return;
    --model().currentPage;
    clear_rows();
}

void checklist_row_mouse(int row, bool moved, bool left_click) {
    if (row < 0 || row >= CHECKLIST_ROWS) return;
    if (moved) model().rows[row].hoverFlag = 1;
    if (!left_click) return;
    std::uint8_t* tick = slot_tick(row_slot(row));
    if (tick != nullptr && (*tick == 0 || *tick == 1)) *tick = *tick == 0 ? 1 : 0;
}

int checklist_row_tick(int row) {
    if (row < 0 || row >= CHECKLIST_ROWS) return -1;
    const std::uint8_t* tick = slot_tick(row_slot(row));
    return tick != nullptr ? *tick : -1;
}

void checklist_row_text(int row, char (&text)[CHECKLIST_ROW_BUFFER]) {
    text[0] = '\0';
    if (row < 0 || row >= CHECKLIST_ROWS) return;
    const char* item = slot_text(row_slot(row));
    if (item == nullptr) return;

    ChecklistRow& r = model().rows[row];
    r.textLength = text_length(item);
    scroll_step(r, truncate_u32(read_token(TOKEN_TICK18)));
    if (r.scrollOffset < 0 || r.scrollOffset > r.textLength) r.scrollOffset = 0;

    // At most the 40 characters from the offset, then spaces up to 40.
    int n = 0;
    for (; n < CHECKLIST_ROW_WIDTH && r.scrollOffset + n < r.textLength; ++n) text[n] = item[r.scrollOffset + n];
    for (; n < CHECKLIST_ROW_WIDTH; ++n) text[n] = ' ';
    text[CHECKLIST_ROW_WIDTH] = '\0';
}

const char* checklist_title() {
    const Checklist* list = current_list();
    return list != nullptr ? list->title : nullptr;
}

int checklist_page() { return model().currentPage; }
int checklist_page_count() { return model().pageCount; }

}  // namespace tarmelon
