// The transponder: its code's four digit cells, the navigator's XPDR keypad that edits them,
// the mode, the ident request, and the code the simulator reports for the navigator's
// display. It has no panel of its own: the navigator's XPDR page (its touch handler and
// its display strings) calls these.
//
// Reads: "A:TRANSPONDER CODE:1, number" (the simulator's 16-bit register, packed: 0x7000 is
// code 7000).
// Writes: the transponder state (digits, entry, cursor, `gtnXpdrMode`, the code shown); the
// SquawkBox area's mode byte (offset 17) and ident byte (offset 19).
// Key events: 65715 (transponder code set) with the code packed four bits a digit.
//
// Example: the entry inactive, the pilot types 1, 2, 0, 0: the first 1 starts the entry at
// 7000 and writes itself at the cursor, so the entry reads "1[0]00", then "12[0]0",
// "120[0]", "1200"; Enter ends the entry and sends 65715 with 4608 (0x1200). Mode from STBY
// to GND writes 1 to the SquawkBox mode byte; on to ON and ALT writes nothing; ALT back to
// STBY writes 0. IDENT writes 2 to the ident byte.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tarmelon {

// Module start: no entry in progress, cursor on the first digit, mode STBY. The digits
// keep their code.
void reset_transponder_entry();

// The XPDR keypad.
void transponder_digit(std::int32_t digit);  // 0 to 7; anything else is refused
void transponder_backspace();                // cursor one digit back, within an entry
void transponder_enter();                    // ends an entry and sends its code
void transponder_vfr();                      // 7000 at once, the entry left as it is
void transponder_mode_key();                 // STBY, GND, ON, ALT, STBY ...
void transponder_ident();                    // the ident request to SquawkBox

// The XPDR page's keys, by touch: u and v as the navigator normalises them (u 1 at the
// screen's left edge, v 1 at its top), zones bounds included. Runs the key's action and
// returns which key it was, or NONE.
enum class XpdrKey : std::int32_t {
    NONE = -1,
    DIGIT_0, DIGIT_1, DIGIT_2, DIGIT_3, DIGIT_4, DIGIT_5, DIGIT_6, DIGIT_7,
    BACKSPACE, ENTER, IDENT, VFR, MODE,
};
XpdrKey transponder_keypad_touch(double u, double v);

// Every frame (the navigator's gauge callback): reads the simulator's code for the display.
// A register that holds no transponder code (a digit above 7, or not a 16-bit value) leaves
// the last code shown.
void read_transponder_code();

// The navigator's texts: the code ("7000", always four digits), the entry with the cursor's
// digit in brackets ("1[2]00"), the mode ("STBY", "GND", "ON", "ALT").
void transponder_code_text(char* out, std::size_t size);
void transponder_entry_text(char* out, std::size_t size);
const char* transponder_mode_text();

}  // namespace tarmelon
