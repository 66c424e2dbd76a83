// The checklists' content: fixed data, one table per checklist (checklist_content.cpp).
#pragma once

#include <cstddef>

namespace tarmelon {

constexpr int CHECKLIST_COUNT = 14;
// Item slots of one checklist; slots are filled from 0 upward, the rest are empty.
constexpr std::size_t CHECKLIST_SLOTS = 100;

struct Checklist {
    const char* title;
    const char* const* items;  // `count` texts
    int count;
};

// Indexed 0 ("Initial") to 13 ("Shutdown").
extern const Checklist CHECKLISTS[CHECKLIST_COUNT];

}  // namespace tarmelon
