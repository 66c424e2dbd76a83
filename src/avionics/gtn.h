// The GTN6XX navigator: its touch screen of eleven pages over the simulator's own GPS, the
// bezel knobs and keys, COM1 and NAV1 standby tuning by keypad and knob, a COM1/NAV1
// frequency memory, the transponder keypad and mode, and a fuel-on-board entry.
//
// Reads: tokens 23 and 617 (COM1 active, standby), 24 and 872 (NAV1), all BCD; 386 (fuel,
// gallons); 837 (GPS cross track, hundredths); 832 to 838, 846, 847 (the GPS's moving-map
// values); 604 (clock); the GPS's A: variables (waypoint distance, bearing, tracks, ETE,
// ETA, waypoint identifiers, the flight-plan flags), "A:TRANSPONDER CODE:1, number",
// "L:DCpowerAvailable, bool", "L:ElecStart_EMGAv_position, number".
// Writes: "L:GPS_..." navigation values, "L:TarmelonGPSVis, bool", "L:Garmin_LCD_B, bool",
// "L:Garmin_LCD_C, bool", the bezel pictures ("L:GTN6XX_..."), "L:Mouse_Data_X, number" and
// "L:Mouse_Data_Y, number"; the memory's sections "COM1", "COM1_TYPE", "NAV1", "NAV1_TYPE".
// Key events: 66372 / 66448 swap COM1 / NAV1; 66371 / 66447 COM1 / NAV1 standby set (BCD);
// 65636 to 65643 COM1 and NAV1 whole and fraction down, up; 66605 to 66628 the GPS unit's
// keys and knobs; 65715 the transponder code; the SquawkBox mode and ident bytes.
//
// Example: on the home page (9) a touch at u 0.62, v 0.65 (the COM key) opens the COM
// keypad (6). Touching 1, 2, 1, 5 there: the first 1 starts the entry at 118.00 and is
// written first, so the entry reads 121.50; Enter sends 66371 with 0x2150.
//
// The screen's touch point is normalised: u = 1 - x / width (1 at the left edge), v = 1 -
// y / height (1 at the top); each key is a u-range by v-range, bounds inclusive.
#pragma once

#include <cstdint>

#include "avionics/frequency_memory.h"

namespace tarmelon {

extern const MemoryRadio COM1_MEMORY;
extern const MemoryRadio NAV1_MEMORY;

// Starting values: on, start-up page, COM focus, transponder STBY, deviation bar on, every
// entry inactive, list page 1, memory indexes 1. The DC latch is kept.
void reset_gtn();

// A touch at (x, y) of the screen area of width by height pixels; left: the left button
// (anything else touches at u = v = 0).
void gtn_touch(int x, int y, int width, int height, bool left);

// The bezel.
void gtn_volume_knob();                     // "Volume, Squelch on/off, Nav ID on/off"
void gtn_large_knob(bool up);               // "Large knob"
void gtn_small_knob(bool up, bool right);   // "Small knob": right swaps COM and NAV focus
void gtn_direct_to_button();                // "Direct-To button"
void gtn_home_button();                     // "Home button"
void gtn_terrain_key();                     // the TERR spot

// Which elements of the screen show: 0 show, 1 hide, -1 keep the element's flag.
constexpr int GTN_ELEMENTS = 72;
struct GtnVisibility {
    std::int8_t hidden[GTN_ELEMENTS];
    void show_if(int n, bool shown) { set(n, n, shown ? 0 : 1); }
    void set(int from, int to, std::int8_t value) {
        for (int n = from; n <= to; ++n)
            if (n >= 0 && n < GTN_ELEMENTS) hidden[n] = value;
    }
};

// Once per frame, before the screen is drawn: power, which elements show, the published
// navigation values, the frequencies, the highlight and "Frequency Stored" timers.
GtnVisibility gtn_frame();

// What element n draws: an icon's image (true) or nothing; a string's text; the course
// deviation bar's offset.
bool gtn_icon_lit(int element);
struct GtnText {
    char text[24];
};
GtnText gtn_text(int element);
double gtn_deviation_bar();

}  // namespace tarmelon
