// The checklist panel's model: 14 checklists shown one at a time, 19 items to a page, each
// item ticked off by a click on its row; the page and checklist buttons; the sideways
// scrolling of an item longer than the 40 characters a row shows, once the mouse has passed
// over its row.
//
// Reads: token 1 (the 18-per-second tick) for the scrolling; the content tables.
// Writes: state.checklist only (the ticks live in memory; nothing saves them).
// Key events: none.
// Example: "Internal" has 57 items, so 3 pages (1 + one more for each slot 19, 38 that holds
// an item). On page 3 the first item is slot 38, and row 11 shows item 50, "Rear tank LP
// pumps - ON, check fuel pump warning lights ON" (58 characters): hovered, it moves one
// character every 2 ticks through offsets 1 to 18 (58 - 40), holds its end 50 ticks and
// jumps back to its start. "Next Checklist" from "Shutdown" (13) shows "Initial" (0),
// page 1 of 1.
#pragma once

#include <cstddef>

#include "checklist/checklist_state.h"  // CHECKLIST_ROWS, CHECKLIST_ROW_WIDTH

namespace tarmelon {

// The texts loaded, every tick cleared; checklist 0, page 1 shown.
void load_checklists();

// Pages of the current checklist, counted afresh.
void checklist_count_pages();
// The first slot shown, from the current page (every update, before the rows are drawn).
void checklist_set_first_item();

// Navigation buttons.
void next_checklist();
void previous_checklist();
void next_page();
void previous_page();
bool previous_page_available();  // the page is above 1
bool next_page_available();      // the page is below the page count

// The mouse over row 0..18: a movement arms its scrolling, a left click ticks its item or
// takes the tick off (a slot whose tick is neither 0 nor 1 is left alone).
void checklist_row_mouse(int row, bool moved, bool left_click);

// The tick of the slot on row 0..18: 0 or 1 (-1 for a row outside 0..18).
int checklist_row_tick(int row);

// The text of row 0..18 for this update, after its scroll step: exactly 40 characters
// (padded with spaces), or empty for a slot without an item. The buffer always ends up
// terminated.
constexpr std::size_t CHECKLIST_ROW_BUFFER = 41;
void checklist_row_text(int row, char (&text)[CHECKLIST_ROW_BUFFER]);

// The current checklist's title; null when the current index is outside 0..13.
const char* checklist_title();
int checklist_page();
int checklist_page_count();

}  // namespace tarmelon
