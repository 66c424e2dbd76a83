// Simulated radios and navigation: COM1, COM2, NAV1 and NAV2 with their active and standby
// frequencies, the audio selections, VOR courses, heading bug, compass and GPS track (the
// transponder is transponder.cpp's).
//
// Keeps, at rest:
// - frequencies as the simulator keeps them, BCD without the leading 1 and the last digit
//   (0x2345 is 123.45 MHz; a last digit 2 or 7 stands for 25 or 75 kHz):
//   A:COM ACTIVE FREQUENCY:1 118.50 (token 23), A:COM STANDBY FREQUENCY:1 121.50 (617),
//   A:COM ACTIVE FREQUENCY:2 123.90 (870), A:COM STANDBY FREQUENCY:2 122.80 (871),
//   A:NAV ACTIVE FREQUENCY:1 110.30 (24), A:NAV STANDBY FREQUENCY:1 111.50 (872),
//   A:NAV ACTIVE FREQUENCY:2 110.90 (27), A:NAV STANDBY FREQUENCY:2 113.70 (873);
// - A:COM TRANSMIT:1 1, A:COM TRANSMIT:2 0, A:COM RECIEVE ALL 0; A:MARKER SOUND, A:NAV
//   SOUND:1 and :2, A:DME SOUND, A:ADF SOUND:1 all 0;
// - the NAV receivers and the marker receiver are navaids.cpp's;
// - A:NAV OBS:1 and :2 (270; tokens 854 and 45 for
//   course 1, 54 for course 2), A:AUTOPILOT HEADING LOCK DIR (270, token 855), A:WHISKEY
//   COMPASS INDICATION DEGREES (270, token 83), A:GPS GROUND MAGNETIC TRACK (270, token 107).
// Moved by:
// - whole-MHz and fraction knobs tune the standby frequency, wrapping within the band (COM
//   118 to 136 MHz in 25 kHz steps, NAV 108 to 117 MHz in 50 kHz steps): COM1 65636 / 65637
//   (whole down / up), 65638 / 65639 (fraction); NAV1 65640 / 65641, 65642 / 65643; NAV2
//   65644 / 65645, 65646 / 65647; COM2 66436 / 66437, 66438 / 66440;
// - swaps exchange active and standby: COM1 66372, COM2 66444, NAV1 66448, NAV2 66452;
// - frequency sets load the standby with the event's BCD: COM1 66371, COM2 66443, NAV1
//   66447, NAV2 66451;
// - audio: 66463 transmits on COM1 (COM TRANSMIT:1 1, :2 0), 66464 on COM2; 66466 sets
//   receive-all to its parameter; 66477 toggles the marker sound; 65842, 65843, 65844 and
//   65846 toggle the NAV1, NAV2, DME and ADF ident sounds;
// - VOR1_SET (65716), VOR2_SET (65717) and HEADING_BUG_SET (66042) set
//   their value to the event's parameter; 65664 / 65665 turn NAV OBS:2 down / up a degree
//   (0 to 359); `token N VALUE`.
#include "systems.h"

namespace bench::sim {
namespace {

constexpr const char* kCom1Active = "A:COM ACTIVE FREQUENCY:1, Frequency BCD16";
constexpr const char* kCom1Standby = "A:COM STANDBY FREQUENCY:1, Frequency BCD16";
constexpr const char* kCom2Active = "A:COM ACTIVE FREQUENCY:2, Frequency BCD16";
constexpr const char* kCom2Standby = "A:COM STANDBY FREQUENCY:2, Frequency BCD16";
constexpr const char* kNav1Active = "A:NAV ACTIVE FREQUENCY:1, Frequency BCD16";
constexpr const char* kNav1Standby = "A:NAV STANDBY FREQUENCY:1, Frequency BCD16";
constexpr const char* kNav2Active = "A:NAV ACTIVE FREQUENCY:2, Frequency BCD16";
constexpr const char* kNav2Standby = "A:NAV STANDBY FREQUENCY:2, Frequency BCD16";
constexpr const char* kObs2 = "A:NAV OBS:2, degrees";

constexpr RestValue kAtRest[] = {
    {"A:AUTOPILOT HEADING LOCK DIR, degrees", 270.0},
    {"A:NAV OBS:1, degrees", 270.0},
    {kObs2, 270.0},
    {"A:WHISKEY COMPASS INDICATION DEGREES, degrees", 270.0},
    {"A:GPS GROUND MAGNETIC TRACK, degrees", 270.0},
    {kCom1Active, 0x1850},
    {kCom1Standby, 0x2150},
    {kCom2Active, 0x2390},
    {kCom2Standby, 0x2280},
    {kNav1Active, 0x1030},
    {kNav1Standby, 0x1150},
    {kNav2Active, 0x1090},
    {kNav2Standby, 0x1370},
    {"A:COM TRANSMIT:1, bool", 1.0},
    {"A:COM TRANSMIT:2, bool", 0.0},
    {"A:COM RECIEVE ALL, bool", 0.0},
};

constexpr TokenRow kTokens[] = {
    {854, "A:NAV OBS:1, degrees", 1.0},
    {855, "A:AUTOPILOT HEADING LOCK DIR, degrees", 1.0},
    {83, "A:WHISKEY COMPASS INDICATION DEGREES, degrees", 1.0},
    {45, "A:NAV OBS:1, degrees", 1.0},
    {54, kObs2, 1.0},
    {107, "A:GPS GROUND MAGNETIC TRACK, degrees", 1.0},
    {23, kCom1Active, 1.0},
    {617, kCom1Standby, 1.0},
    {870, kCom2Active, 1.0},
    {871, kCom2Standby, 1.0},
    {24, kNav1Active, 1.0},
    {872, kNav1Standby, 1.0},
    {27, kNav2Active, 1.0},
    {873, kNav2Standby, 1.0},
};

// A BCD frequency in kHz and back (the simulator's registers).
int bcd_to_khz(int bcd) {
    const int d1 = (bcd >> 12) & 0xF, d2 = (bcd >> 8) & 0xF, d3 = (bcd >> 4) & 0xF, d4 = bcd & 0xF;
    int khz = 100000 + d1 * 10000 + d2 * 1000 + d3 * 100 + d4 * 10;
    if (d4 == 2 || d4 == 7) khz += 5;
    return khz;
}
int khz_to_bcd(int khz) {
    const int m = (khz / 10) % 10000;
    return (m / 1000) * 4096 + ((m / 100) % 10) * 256 + ((m / 10) % 10) * 16 + m % 10;
}

struct Band {
    int low_mhz, high_mhz;  // whole MHz, both inclusive
    int step_khz;
};
constexpr Band kCom{118, 136, 25};
constexpr Band kNav{108, 117, 50};

// The frequency's whole MHz (step_mhz) or fraction (step_fraction) moves, wrapping.
void tune(Context& c, const char* name, const Band& band, int step_mhz, int step_fraction) {
    const int khz = bcd_to_khz(static_cast<int>(c.get(name)));
    int mhz = khz / 1000;
    int fraction = khz % 1000;
    if (mhz < band.low_mhz || mhz > band.high_mhz) mhz = band.low_mhz;
    fraction -= fraction % band.step_khz;
    const int span = band.high_mhz - band.low_mhz + 1;
    mhz = band.low_mhz + ((mhz - band.low_mhz + step_mhz) % span + span) % span;
    fraction = ((fraction + step_fraction * band.step_khz) % 1000 + 1000) % 1000;
    c.set(name, khz_to_bcd(mhz * 1000 + fraction));
}

template <const char* const* Name, const Band* B, int Mhz, int Fraction>
void tuned(Context& c, std::uint32_t) {
    tune(c, *Name, *B, Mhz, Fraction);
}

template <const char* const* Active, const char* const* Standby>
void swapped(Context& c, std::uint32_t) {
    const double active = c.get(*Active);
    c.set(*Active, c.get(*Standby));
    c.set(*Standby, active);
}

void transmit_com1(Context& c, std::uint32_t) {
    c.set("A:COM TRANSMIT:1, bool", 1);
    c.set("A:COM TRANSMIT:2, bool", 0);
}
void transmit_com2(Context& c, std::uint32_t) {
    c.set("A:COM TRANSMIT:1, bool", 0);
    c.set("A:COM TRANSMIT:2, bool", 1);
}
void receive_all(Context& c, std::uint32_t parameter) { c.set("A:COM RECIEVE ALL, bool", parameter != 0 ? 1 : 0); }

template <int Step>
void obs2_step(Context& c, std::uint32_t) {
    const int at = static_cast<int>(c.get(kObs2));
    c.set(kObs2, ((at + Step) % 360 + 360) % 360);
}

using K = KeyAction;
constexpr KeyRow kKeys[] = {
    {65636, "COM_RADIO_WHOLE_DEC", K::Custom, kCom1Standby, tuned<&kCom1Standby, &kCom, -1, 0>},
    {65637, "COM_RADIO_WHOLE_INC", K::Custom, kCom1Standby, tuned<&kCom1Standby, &kCom, 1, 0>},
    {65638, "COM_RADIO_FRACT_DEC", K::Custom, kCom1Standby, tuned<&kCom1Standby, &kCom, 0, -1>},
    {65639, "COM_RADIO_FRACT_INC", K::Custom, kCom1Standby, tuned<&kCom1Standby, &kCom, 0, 1>},
    {65640, "NAV1_RADIO_WHOLE_DEC", K::Custom, kNav1Standby, tuned<&kNav1Standby, &kNav, -1, 0>},
    {65641, "NAV1_RADIO_WHOLE_INC", K::Custom, kNav1Standby, tuned<&kNav1Standby, &kNav, 1, 0>},
    {65642, "NAV1_RADIO_FRACT_DEC", K::Custom, kNav1Standby, tuned<&kNav1Standby, &kNav, 0, -1>},
    {65643, "NAV1_RADIO_FRACT_INC", K::Custom, kNav1Standby, tuned<&kNav1Standby, &kNav, 0, 1>},
    {65644, "NAV2_RADIO_WHOLE_DEC", K::Custom, kNav2Standby, tuned<&kNav2Standby, &kNav, -1, 0>},
    {65645, "NAV2_RADIO_WHOLE_INC", K::Custom, kNav2Standby, tuned<&kNav2Standby, &kNav, 1, 0>},
    {65646, "NAV2_RADIO_FRACT_DEC", K::Custom, kNav2Standby, tuned<&kNav2Standby, &kNav, 0, -1>},
    {65647, "NAV2_RADIO_FRACT_INC", K::Custom, kNav2Standby, tuned<&kNav2Standby, &kNav, 0, 1>},
    {65664, "VOR2_OBI_DEC", K::Custom, kObs2, obs2_step<-1>},
    {65665, "VOR2_OBI_INC", K::Custom, kObs2, obs2_step<1>},
    {65716, "VOR1_SET", K::SetTo, "A:NAV OBS:1, degrees"},
    {65717, "VOR2_SET", K::SetTo, kObs2},
    {65842, "RADIO_VOR1_IDENT_TOGGLE", K::Toggle, "A:NAV SOUND:1, bool"},
    {65843, "RADIO_VOR2_IDENT_TOGGLE", K::Toggle, "A:NAV SOUND:2, bool"},
    {65844, "RADIO_DME1_IDENT_TOGGLE", K::Toggle, "A:DME SOUND, bool"},
    {65846, "RADIO_ADF_IDENT_TOGGLE", K::Toggle, "A:ADF SOUND:1, bool"},
    {66042, "HEADING_BUG_SET", K::SetTo, "A:AUTOPILOT HEADING LOCK DIR, degrees"},
    {66371, "COM_STBY_RADIO_SET", K::SetTo, kCom1Standby},
    {66372, "COM_STBY_RADIO_SWAP", K::Custom, kCom1Active, swapped<&kCom1Active, &kCom1Standby>},
    {66436, "COM2_RADIO_WHOLE_DEC", K::Custom, kCom2Standby, tuned<&kCom2Standby, &kCom, -1, 0>},
    {66437, "COM2_RADIO_WHOLE_INC", K::Custom, kCom2Standby, tuned<&kCom2Standby, &kCom, 1, 0>},
    {66438, "COM2_RADIO_FRACT_DEC", K::Custom, kCom2Standby, tuned<&kCom2Standby, &kCom, 0, -1>},
    {66440, "COM2_RADIO_FRACT_INC", K::Custom, kCom2Standby, tuned<&kCom2Standby, &kCom, 0, 1>},
    {66443, "COM2_STBY_RADIO_SET", K::SetTo, kCom2Standby},
    {66444, "COM2_RADIO_SWAP", K::Custom, kCom2Active, swapped<&kCom2Active, &kCom2Standby>},
    {66447, "NAV1_STBY_SET", K::SetTo, kNav1Standby},
    {66448, "NAV1_RADIO_SWAP", K::Custom, kNav1Active, swapped<&kNav1Active, &kNav1Standby>},
    {66451, "NAV2_STBY_SET", K::SetTo, kNav2Standby},
    {66452, "NAV2_RADIO_SWAP", K::Custom, kNav2Active, swapped<&kNav2Active, &kNav2Standby>},
    {66463, "COM1_TRANSMIT_SELECT", K::Custom, "A:COM TRANSMIT:1, bool", transmit_com1},
    {66464, "COM2_TRANSMIT_SELECT", K::Custom, "A:COM TRANSMIT:2, bool", transmit_com2},
    {66466, "COM_RECEIVE_ALL_SET", K::Custom, "A:COM RECIEVE ALL, bool", receive_all},
    {66477, "MARKER_SOUND_TOGGLE", K::Toggle, "A:MARKER SOUND, bool"},
};

}  // namespace

const System kRadios{"radios", kAtRest, kTokens, kKeys, {}, nullptr};

}  // namespace bench::sim
