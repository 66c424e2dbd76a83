// Module-wide fields of the SL30 nav/com (the aircraft's COM2 and NAV2): its power, pages,
// system menu, memory modes and cursors, and the ENT lamp's timers.
#pragma once

#include <cstdint>

#include "avionics/frequency_memory.h"

namespace tarmelon {

struct EnterTimer {
    std::uint8_t started;
    std::uint32_t dueSecond;
};

struct NavcomState {
    std::uint8_t sl30PowerOn;
    std::uint8_t sl30AutoPowerLatch;  // DC power has once switched the unit on (never reset)
    std::uint8_t sl30ComMode, sl30NavMode;
    std::uint8_t sl30SystemMenu;
    std::uint8_t sl30MenuLevel, sl30SubMenuLevel;  // the menu list, or an item list, is showing
    std::int32_t sl30MenuIndex;                    // 1 to 4
    std::int32_t sl30SubMenuSelector;              // menu whose item list shows, 1 to 4
    std::int32_t sl30SubMenuItem[5];               // [1..4]: each menu's item cursor
    std::uint8_t sl30ObsMode;
    std::uint8_t sl30ToFromMode;
    // NAV2 ident audio: one selection that the nav/com's ID button and the audio panel's
    // NAV 2 button both toggle, and both lamps show.
    std::uint8_t sl30IdentOn;
    std::uint8_t sl30SelectPressed;
    std::uint8_t sl30EnterStatus;
    std::uint8_t sl30EnterPending;
    std::uint8_t comStoreMode, navStoreMode;
    std::uint8_t comRecallMode, navRecallMode;
    std::int32_t recallSlot;     // 1 to 10 while browsing
    std::int32_t typeSelection;  // 1 to 13 (COM) or 1 to 2 (NAV) while storing
    MemoryCursor comMemory, navMemory;
    double comActiveMhz, navActiveMhz;  // as displayed: MHz with two decimals
    EnterTimer enterTimers[4];
};

}  // namespace tarmelon
