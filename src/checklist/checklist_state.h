// Module-wide fields of the checklist panel: the ticks of every item slot, the checklist and
// page shown, and what each of the 19 rows keeps for its sideways scrolling.
#pragma once

#include <cstdint>

#include "checklist/checklist_content.h"

namespace tarmelon {

constexpr int CHECKLIST_ROWS = 19;       // items to a page
constexpr int CHECKLIST_ROW_WIDTH = 40;  // characters a row shows

struct ChecklistRow {
    std::int32_t scrollOffset;  // characters of the text skipped at its start
    std::uint32_t nextTick;     // tick (token 1) from which the row may scroll again
    std::int32_t textLength;    // length of the text last shown
    std::uint8_t hoverFlag;     // the mouse has passed over the row
};

struct ChecklistState {
    std::uint8_t ticks[CHECKLIST_COUNT][CHECKLIST_SLOTS];  // 0 not ticked, 1 ticked
    std::int32_t currentChecklist;  // 0..13
    std::int32_t currentPage;       // from 1
    std::int32_t pageCount;
    std::int32_t firstItem;         // slot shown on row 1: 0, 19, 38, 57 or 76
    ChecklistRow rows[CHECKLIST_ROWS];
};

}  // namespace tarmelon
