// The SL30 nav/com, wired as the aircraft's COM2 and NAV2: COM/NAV selection, flip-flop,
// whole and fractional tuning, the OBS page with its course deviation display, the NAV2
// ident, the system menu, and a frequency memory of ten slots per radio.
//
// Reads: tokens 870 and 871 (COM2 active, standby), 27 and 873 (NAV2 active, standby), all
// BCD; 50 (NAV2 deviation, -127 to 127), 58 (NAV2 signal), 52 (TO 1, FROM 2), 54 (NAV2
// OBS); 604 (clock); "L:DCpowerAvailable, bool", "L:ElecStart_EMGAv_position, number".
// Writes: the unit's lamp, button and status variables ("L:SL30_..."), the memory's
// sections "COM2", "COM2_TYPE", "NAV2", "NAV2_TYPE" of the configuration file.
// Key events: 66444 / 66452 swap COM2 / NAV2; 66436, 66437 COM2 whole MHz down, up; 66438,
// 66440 COM2 fraction down, up; 65644, 65645 and 65646, 65647 the same for NAV2; 65664,
// 65665 NAV2 OBS down, up; 65717 NAV2 OBS set; 65843 NAV2 ident toggle; 66443 / 66451 COM2
// / NAV2 frequency from the memory (BCD).
//
// Example: COM selected, 121.50 active, memory empty. ENT enters store mode; the small knob
// up picks "GND"; ENT writes "121.50" under "COM2" key "1" and "2" under "COM2_TYPE" key
// "1", and the unit stays in store mode. SEL leaves it; SEL again browses: the display
// reads "121.50 GND" and "[01]"; ENT sends 66443 with 0x2150.
#pragma once

#include <cstdint>

#include "avionics/frequency_memory.h"

namespace tarmelon {

extern const MemoryRadio COM2_MEMORY;
extern const MemoryRadio NAV2_MEMORY;

// The unit's starting values: on, COM selected, every page and mode off, cursors at 1.
void reset_navcom();
void switch_navcom(bool on);

// The unit's controls.
void navcom_power_knob();       // "Power/volume/squelch knob"
void navcom_flip_flop();        // "Frequency flip/flop button"
void navcom_com_button();       // "COM radio button"
void navcom_nav_button();       // "NAV radio button"
void navcom_system_button();    // "System settings button"
void navcom_obs_button();       // "OBS select button"
void navcom_to_from_button();   // "To/From button"
void navcom_ident_button();     // "Ident button"
void navcom_select_button();    // "Select button"
void navcom_enter_button();     // "Enter button"
void navcom_large_knob_down();  // "Large knob"
void navcom_large_knob_up();
void navcom_small_knob_down();  // "Small knob"
void navcom_small_knob_up();

// The NAV2 ident audio selection that this unit's ID button and the audio panel's NAV 2
// button share: toggles it, sends 65843 and writes both buttons' variables.
void toggle_nav2_ident();

// Which elements of the unit's display show: 0 show, 1 hide, -1 keep the element's flag.
constexpr int NAVCOM_ELEMENTS = 35;
struct NavcomVisibility {
    std::int8_t hidden[NAVCOM_ELEMENTS];
    void show(int n) { set(n, n, 0); }
    void hide(int n) { set(n, n, 1); }
    void show_if(int n, bool shown) { set(n, n, shown ? 0 : 1); }
    void hide(int from, int to) { set(from, to, 1); }
    void set(int from, int to, std::int8_t value) {
        for (int n = from; n <= to; ++n)
            if (n >= 0 && n < NAVCOM_ELEMENTS) hidden[n] = value;
    }
};

// Once per frame, before the unit is drawn: power, the display's pages, the active
// frequencies, the published variables and the ENT lamp's timers.
NavcomVisibility navcom_frame();

// What element n draws: an icon's image (true) or nothing; a string's text, or nothing
// written (the element keeps its previous text).
bool navcom_icon_lit(int element);
struct NavcomText {
    bool written;
    char text[24];
};
NavcomText navcom_text(int element);

}  // namespace tarmelon
