#include "avionics/frequency_memory.h"

#include <cmath>
#include <cstdio>
#include <iterator>

#include "core/codecs.h"
#include "core/config.h"
#include "core/files.h"
#include "core/host.h"
#include "core/vars.h"

namespace tarmelon {

namespace {

constexpr const char* COM_TYPES[] = {"TWR", "GND", "ATS", "ATF", "APP", "ARR", "AWS",
                                     "CLR", "CTF", "DEP", "FSS", "RFS", "UNI"};
constexpr const char* NAV_TYPES[] = {"LOC", "ILS"};

// The bands in hundredths of a MHz, as the unit shows them.
struct Band {
    std::int32_t low, high;
};
constexpr Band COM_BAND{11800, 13699};
constexpr Band NAV_BAND{10800, 11795};

Band band_of(StationKind kind) { return kind == StationKind::COM ? COM_BAND : NAV_BAND; }

struct SlotKey {
    char text[4];
};
SlotKey key_of(std::int32_t slot) {
    SlotKey key{};
    std::snprintf(key.text, sizeof key.text, "%d", static_cast<int>(slot));
    return key;
}

// The slot's frequency in hundredths, 0 when empty or not a frequency of the band.
std::int32_t slot_hundredths(const MemoryRadio& radio, std::int32_t slot) {
    const std::int32_t h = parse_mhz_hundredths(read_cfg(radio.section, key_of(slot).text).text);
    const Band band = band_of(radio.kind);
    return h >= band.low && h <= band.high ? h : 0;
}

}  // namespace

void reset_memory_cursor(MemoryCursor& cursor) {
    cursor.freqIndex = 1;
    cursor.typeIndex = 1;
    cursor.freqStoreDone = 0;
    cursor.typeStoreDone = 0;
}

std::int32_t store_frequency(const MemoryRadio& radio, MemoryCursor& cursor, double active_mhz) {
    cursor.freqStoreDone = 1;
    std::int32_t written = 0;
    while (cursor.freqIndex >= 1 && cursor.freqIndex <= MEMORY_SLOTS) {
        const std::int32_t slot = cursor.freqIndex;
        if (slot_hundredths(radio, slot) != 0) {
            ++cursor.freqIndex;
            set_int(radio.indexVariable, cursor.freqIndex);
            continue;
        }
        // The configuration file's folder is made where missing; a write that does not read
        // back (a read-only file) stores nothing and leaves the store to be tried again.
        const MhzText value = format_mhz(active_mhz);
        ensure_panel_folder("");
        write_cfg(radio.section, key_of(slot).text, value.text);
        if (parse_mhz_hundredths(read_cfg(radio.section, key_of(slot).text).text) == parse_mhz_hundredths(value.text))
            written = slot;
        break;
    }
    cursor.freqStoreDone = 0;
    return written;
}

void store_station_type(const MemoryRadio& radio, MemoryCursor& cursor, std::int32_t slot, std::int32_t type) {
    if (slot < 1 || slot > MEMORY_SLOTS) return;
    cursor.typeStoreDone = 1;
    char value[4];
    std::snprintf(value, sizeof value, "%1d", static_cast<int>(type));
    write_cfg(radio.typeSection, key_of(slot).text, value);
    cursor.typeIndex = slot;
    set_int(radio.typeIndexVariable, cursor.typeIndex);
    cursor.typeStoreDone = 0;
}

double read_slot(const MemoryRadio& radio, MemoryCursor& cursor, std::int32_t slot) {
    cursor.lastFreqMhz = 0.0;
    cursor.lastType = 0;
    if (slot < 1 || slot > MEMORY_SLOTS) return 0.0;
    const std::int32_t h = slot_hundredths(radio, slot);
    if (h == 0) return 0.0;
    cursor.lastFreqMhz = h / 100.0;
    const std::int32_t type = text_to_int(read_cfg(radio.typeSection, key_of(slot).text).text);
    cursor.lastType = type >= 1 && type <= station_type_count(radio.kind) ? type : 0;
    return cursor.lastFreqMhz;
}

bool recall_frequency(const MemoryRadio& radio, MemoryCursor& cursor, std::int32_t slot) {
    const double mhz = read_slot(radio, cursor, slot);
    if (mhz == 0.0) return false;
    host_trigger_key_event(radio.recallKey, static_cast<std::uint32_t>(khz_to_bcd(mhz_to_khz(mhz))));
    return true;
}

const char* station_type_name(StationKind kind, std::int32_t type) {
    if (type < 1 || type > station_type_count(kind)) return "";
    return kind == StationKind::COM ? COM_TYPES[type - 1] : NAV_TYPES[type - 1];
}

std::int32_t station_type_count(StationKind kind) {
    return kind == StationKind::COM ? static_cast<std::int32_t>(std::size(COM_TYPES))
                                    : static_cast<std::int32_t>(std::size(NAV_TYPES));
}

MhzText format_mhz(double mhz) {
    MhzText out{};
    if (!(mhz >= 0.0 && mhz < 999.995)) {
        std::snprintf(out.text, sizeof out.text, "---.--");
        return out;
    }
    const int hundredths = static_cast<int>(std::lround(mhz * 100.0)) % 100000;
    std::snprintf(out.text, sizeof out.text, "%3d.%02d", hundredths / 100 % 1000, hundredths % 100);
    return out;
}

std::int32_t parse_mhz_hundredths(const char* text) {
    const char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    std::int32_t whole = 0;
    int digits = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (++digits > 4) return 0;  // no frequency has five whole digits
        whole = whole * 10 + (*p - '0');
    }
    std::int32_t fraction = 0;  // thousandths
    int decimals = 0;
    if (*p == '.') {
        for (++p; *p >= '0' && *p <= '9'; ++p) {
            if (decimals < 3) fraction = fraction * 10 + (*p - '0');
            ++decimals;
        }
    }
    if (digits == 0) return 0;
    for (int d = decimals; d < 3; ++d) fraction *= 10;
    while (*p == ' ' || *p == '\t') ++p;
    if (*p != '\0') return 0;
    return whole * 100 + (fraction + 5) / 10;
}

}  // namespace tarmelon
