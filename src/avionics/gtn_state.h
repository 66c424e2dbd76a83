// Module-wide fields of the GTN6XX navigator (the aircraft's COM1, NAV1, the transponder
// keypad and the screen over the simulator's GPS). Its power switch is GpsPowerState's.
#pragma once

#include <cstdint>

#include "avionics/frequency_memory.h"

namespace tarmelon {

// A keypad entry: its digits from the left, whether it is being edited, the digit edited.
struct GtnEntry {
    std::int32_t digits[5];
    std::uint8_t active;
    std::int32_t cursor;
};

// A timer of whole clock seconds that starts on its first pass.
struct GtnTimer {
    std::uint8_t started;
    std::uint32_t dueSecond;
};

// The soft keys a touch lights, one highlight flag each.
enum GtnKey : std::uint8_t {
    GTN_KEY_SWAP, GTN_KEY_MSG, GTN_KEY_BACK, GTN_KEY_MENU, GTN_KEY_ENTER, GTN_KEY_IN, GTN_KEY_OUT,
    GTN_KEY_CDI, GTN_KEY_OBS, GTN_KEY_MAP, GTN_KEY_CONTINUE, GTN_KEY_COM, GTN_KEY_NAV, GTN_KEY_XPDR,
    GTN_KEY_DEFAULT_NAV, GTN_KEY_FLIGHT_PLAN, GTN_KEY_PROC, GTN_KEY_FUEL, GTN_KEY_USER, GTN_KEY_STORE,
    GTN_KEY_ROW, GTN_KEY_UP, GTN_KEY_DOWN, GTN_KEY_FULL, GTN_KEY_BACKSPACE, GTN_KEY_IDENT, GTN_KEY_FIND,
    GTN_KEY_XFER, GTN_KEY_MON, GTN_KEY_VFR, GTN_KEY_MODE, GTN_KEY_DIGIT,
    GTN_KEY_COUNT
};

struct GtnState {
    std::uint8_t gtnAutoPowerLatch;  // DC power has once switched the unit on (never reset)
    std::int32_t gtnPage;            // 1 map, 3 navigation, 4 start-up, 5 fuel, 6 COM, 7 XPDR,
                                     // 8 NAV, 9 home, 10 find, 11 user list, 12 add frequency
    std::int32_t gtnPreviousPage;    // where Back returns
    std::uint8_t gtnComFocus, gtnNavFocus;
    std::uint8_t gtnMonitor;
    std::int32_t gtnXpdrMode;  // 0 STBY, 1 GND, 2 ON, 3 ALT
    std::int32_t gtnMsgState;
    std::uint8_t gtnMsgOff;
    std::uint8_t gtnCdiShown;
    std::uint8_t gtnDirectPressed;
    std::uint8_t gtnEnterOffered;
    std::uint8_t gtnFlightPlanFlag, gtnProcFlag;
    GtnEntry comEntry, navEntry, fuelEntry;
    std::uint8_t xpdrEntryActive;  // the transponder entry edits TransponderState's digits
    std::int32_t xpdrEntryCursor;
    std::int32_t gtnListPage;       // 1 to 3
    std::int32_t gtnTypeSelection;  // 1 to 13 (COM) or 1 to 2 (NAV)
    MemoryCursor comMemory, navMemory;
    std::int32_t comStored, navStored;  // "Frequency Stored" showing
    GtnTimer comStoredTimer, navStoredTimer;
    std::uint8_t gtnDatabaseFull;
    double gtnTouchU, gtnTouchV;
    std::uint8_t keyHighlight[GTN_KEY_COUNT];
    std::uint8_t highlightPending;
    GtnTimer highlightTimer;
    // Navigation values as last published.
    double distanceNm;
    std::int32_t groundSpeed, desiredTrack, track, bearing, ete, eta;
    double comActiveMhz1, comStandbyMhz1, navActiveMhz1, navStandbyMhz1;
    std::uint8_t activeFlightPlan, activeWaypoint, directTo;
    std::int32_t approachActive, waypointLocked, transponderCode;
};

}  // namespace tarmelon
