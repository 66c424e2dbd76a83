// A radio's frequency memory: ten slots of frequency and station type kept in the
// aircraft's configuration file (core/config.h), one instance per radio (the nav/com's
// COM2 and NAV2, the navigator's COM1 and NAV1).
//
// Reads and writes: sections such as "COM2" and "COM2_TYPE", keys "1" to "10"; the
// frequency in MHz written as "118.50" and the type as one digit ("%1d" of 1 to 13, so
// "10" to "13" take two). Publishes the search index to the radio's index variables.
// Key events: the radio's frequency-set event with the recalled frequency in BCD.
//
// A store search starts at the cursor's index and never goes back: with slots 1 to 3 taken
// and the index at 1, a store of 121.50 MHz reads "1", "2", "3", finds "4" empty, writes
// "121.50" there and leaves the index at 4. The slot's station type is written under the
// same key "4" of the type section, so a frequency and its type always share their slot.
// A value that is not a frequency of the radio's band (118.00 to 136.99 MHz for COM,
// 108.00 to 117.95 for NAV) reads as an empty slot, whatever the file holds; numbers are
// read and written with '.' whatever the process's locale.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tarmelon {

constexpr std::int32_t MEMORY_SLOTS = 10;

enum class StationKind : std::uint8_t { COM, NAV };

struct MemoryRadio {
    const char* section;            // "COM2": frequencies
    const char* typeSection;        // "COM2_TYPE": station types
    const char* indexVariable;      // publishes the frequency search index
    const char* typeIndexVariable;  // publishes the slot of the last type written
    std::uint32_t recallKey;        // frequency-set key event, BCD parameter
    StationKind kind;
};

struct MemoryCursor {
    std::int32_t freqIndex;      // slot at which the next store search starts
    std::int32_t typeIndex;      // slot of the last station type written
    std::uint8_t freqStoreDone;  // end markers of the two searches (cleared as they end)
    std::uint8_t typeStoreDone;
    double lastFreqMhz;          // the most recent slot read
    std::int32_t lastType;
};

// Both indexes at slot 1.
void reset_memory_cursor(MemoryCursor& cursor);

// Writes the frequency into the first empty slot from the cursor's index on. Returns the
// slot written, or 0 when every slot up to 10 is taken (the index is then 11) or the file
// cannot be written (the value does not read back).
std::int32_t store_frequency(const MemoryRadio& radio, MemoryCursor& cursor, double active_mhz);
// Writes the station type under the slot store_frequency just wrote; nothing for slot 0.
void store_station_type(const MemoryRadio& radio, MemoryCursor& cursor, std::int32_t slot, std::int32_t type);
// The slot's frequency in MHz (0 for an empty slot, a slot outside 1 to 10 or a value
// outside the band); its station type goes to cursor.lastType (0 when none).
double read_slot(const MemoryRadio& radio, MemoryCursor& cursor, std::int32_t slot);
// Tunes the radio to the slot's frequency. An empty slot tunes nothing (its BCD would be
// 100.00 MHz, outside both bands): returns false.
bool recall_frequency(const MemoryRadio& radio, MemoryCursor& cursor, std::int32_t slot);

// "TWR" .. "UNI" for COM types 1 to 13, "LOC" and "ILS" for NAV 1 and 2; "" otherwise.
const char* station_type_name(StationKind kind, std::int32_t type);
std::int32_t station_type_count(StationKind kind);

// A frequency as "118.50" (two decimals, '.' whatever the locale); "  0.00" style widths
// are kept ("%6.2f"). Values outside 0 to 999.99 give "---.--".
struct MhzText {
    char text[12];
};
MhzText format_mhz(double mhz);
// Hundredths of a MHz from profile text such as "118.50" or " 118.5"; 0 for text that is
// not a plain decimal number (no exponent, no locale).
std::int32_t parse_mhz_hundredths(const char* text);

}  // namespace tarmelon
