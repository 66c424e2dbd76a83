// Radio navigation aids placed in the bench world, and the aircraft's two nav receivers and
// marker receiver that listen to them.
//
// The world holds three stations around the airfield (the aircraft rests at 52.36 N,
// 0.48 W, heading 270, on runway 27, field elevation 250 ft):
//   TMV  VOR 113.60 MHz at 52.30 N, 0.20 W (12 NM east-south-east of the field), 130 NM range;
//   KLO  VOR 116.20 MHz at 52.70 N, 0.90 W (25 NM north-west), 130 NM range;
//   ITM  ILS 109.50 MHz, runway 27: localiser at 52.36 N, 0.50 W (the far end), front course
//        270, 25 NM range within 35 degrees of the centreline, 2.5 degrees full scale;
//        glide path 3 degrees from 52.36 N, 0.47 W (the threshold), 10 NM range within 8
//        degrees of the centreline, 0.7 degrees full scale; outer, middle and inner markers
//        on the extended centreline 4.5, 0.6 and 0.15 NM east of the threshold, received
//        within 0.4, 0.2 and 0.08 NM of them.
// Receiver n listens to the station whose frequency "A:NAV ACTIVE FREQUENCY:n" names, in
// MHz (113.6, within 5 kHz) or as the radios keep it, 16-bit BCD without the leading 1
// (0x1360); tuned to anything else it receives nothing.
//
// Keeps (per receiver n = 1, 2; recomputed every step from A:PLANE LATITUDE, LONGITUDE,
// ALTITUDE, A:PLANE HEADING DEGREES MAGNETIC and A:NAV OBS:n):
//   A:NAV SIGNAL:n (tokens 49, 58): 0 out of range, else 256 up to 30256 close to the station;
//   A:NAV CDI:n (tokens 40, 50): -127 full left to 127 full right (10 degrees off the OBS
//     radial for a VOR, 2.5 degrees off the centreline for a localiser), 0 without signal;
//   A:NAV TOFROM:n (tokens 43, 52): 0 none (no signal, a localiser, or abeam the station
//     within 1 degree), 1 TO, 2 FROM;
//   A:NAV HAS GLIDE SLOPE:n (tokens 44, 53) and A:NAV GSI:n (tokens 41, 882): -119 to 119,
//     positive while the aircraft is below the glide path (the path is above), 0 without;
//   A:NAV DME:1 (token 860, nautical miles to the NAV1 station, 0 without signal);
//   A:NAV RELATIVE BEARING TO STATION:1 (token 550, 0 to 360 from the nose, 0 without);
//   A:MARKER BEACON STATE (token 354: 0 none, 1 outer, 2 middle, 3 inner);
//   A:HSI CDI NEEDLE VALID (token 851) and A:HSI GSI NEEDLE VALID (token 852): NAV1's signal
//     and glide slope while VLOC drives the HSI, the GPS's active waypoint while the GPS does.
// Tokens over values the scripts (or the GPS) set: A:GPS DRIVES NAV1 (token 848, 0 VLOC,
// 1 GPS), A:GPS WP CROSS TRK (token 837, in the module's hundredths), A:GPS WP BEARING (token
// 856), A:GPS WP BEARING VALID (token 857), A:GPS IS ACTIVE FLIGHT PLAN and WAY POINT.
// Moved by: the aircraft's position, altitude and heading (`set "A:PLANE LATITUDE, degrees"
// 52.30` flies it), the OBS (key events 65716 and 65717, radios.cpp), the tuned frequency.
// The receivers work only when one of these has changed since the last step, so a script's
// `token` on a computed value holds until the aircraft moves or is retuned.
#include <cmath>
#include <cstddef>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFeetPerNm = 6076.12;

enum class Kind { Vor, Ils };

struct Station {
    const char* ident;
    Kind kind;
    double mhz;
    double lat, lon;      // the VOR, or the localiser antenna
    double range_nm;
    double course;        // a localiser's front course (inbound)
    double gs_lat, gs_lon, gs_elevation_ft;
};

constexpr Station kStations[] = {
    {"TMV", Kind::Vor, 113.60, 52.30, -0.20, 130.0, 0.0, 0.0, 0.0, 0.0},
    {"KLO", Kind::Vor, 116.20, 52.70, -0.90, 130.0, 0.0, 0.0, 0.0, 0.0},
    {"ITM", Kind::Ils, 109.50, 52.36, -0.50, 25.0, 270.0, 52.36, -0.47, 250.0},
};

constexpr double kLocaliserWidth = 35.0;   // degrees either side of the centreline received
constexpr double kLocaliserFullScale = 2.5;
constexpr double kVorFullScale = 10.0;
constexpr double kGlidePath = 3.0;
constexpr double kGlideFullScale = 0.7;
constexpr double kGlideRangeNm = 10.0;
constexpr double kGlideWidth = 8.0;

// Markers on runway 27's extended centreline, east of the threshold.
struct Marker {
    int state;
    double nm_from_threshold;
    double radius_nm;
};
constexpr Marker kMarkers[] = {{1, 4.5, 0.4}, {2, 0.6, 0.2}, {3, 0.15, 0.08}};

constexpr const char* kLatitude = "A:PLANE LATITUDE, degrees";
constexpr const char* kLongitude = "A:PLANE LONGITUDE, degrees";
constexpr const char* kAltitude = "A:PLANE ALTITUDE, feet";
constexpr const char* kHeading = "A:PLANE HEADING DEGREES MAGNETIC, degrees";

struct Names {
    const char* frequency;
    const char* obs;
    const char* signal;
    const char* cdi;
    const char* to_from;
    const char* has_glide_slope;
    const char* gsi;
};
constexpr Names kReceiver[2] = {
    {"A:NAV ACTIVE FREQUENCY:1, MHz", "A:NAV OBS:1, degrees", "A:NAV SIGNAL:1, number", "A:NAV CDI:1, number",
     "A:NAV TOFROM:1, enum", "A:NAV HAS GLIDE SLOPE:1, bool", "A:NAV GSI:1, number"},
    {"A:NAV ACTIVE FREQUENCY:2, MHz", "A:NAV OBS:2, degrees", "A:NAV SIGNAL:2, number", "A:NAV CDI:2, number",
     "A:NAV TOFROM:2, enum", "A:NAV HAS GLIDE SLOPE:2, bool", "A:NAV GSI:2, number"},
};
constexpr const char* kDme1 = "A:NAV DME:1, nautical miles";
constexpr const char* kRelativeBearing1 = "A:NAV RELATIVE BEARING TO STATION:1, degrees";
constexpr const char* kMarkerState = "A:MARKER BEACON STATE, enum";
constexpr const char* kGpsDrivesNav1 = "A:GPS DRIVES NAV1, bool";
constexpr const char* kHsiCdiValid = "A:HSI CDI NEEDLE VALID, bool";
constexpr const char* kHsiGsiValid = "A:HSI GSI NEEDLE VALID, bool";
constexpr const char* kGpsWaypointActive = "A:GPS IS ACTIVE WAY POINT, bool";

double wrap360(double a) {
    a = std::fmod(a, 360.0);
    return a < 0.0 ? a + 360.0 : a;
}
double wrap180(double a) {
    a = wrap360(a);
    return a > 180.0 ? a - 360.0 : a;
}
double clamp(double v, double lo, double hi) { return v < lo ? lo : v > hi ? hi : v; }

// From a point to the aircraft, flat earth (nautical miles and degrees from north).
struct Leg {
    double nm;
    double bearing;  // from the point to the aircraft: the radial
};
Leg leg_from(double lat, double lon, double at_lat, double at_lon) {
    const double north = (at_lat - lat) * 60.0;
    const double east = (at_lon - lon) * 60.0 * std::cos(lat * kPi / 180.0);
    return {std::hypot(north, east), wrap360(std::atan2(east, north) * 180.0 / kPi)};
}

// A frequency in MHz as the radios keep it: 16-bit BCD of the tens of MHz down to the
// hundredths, the leading 1 dropped (113.60 is 0x1360).
double bcd16(double mhz) {
    const long hundredths = std::lround(mhz * 100.0) - 10000;
    return static_cast<double>((hundredths / 1000) * 4096 + (hundredths / 100 % 10) * 256 + (hundredths / 10 % 10) * 16 +
                               hundredths % 10);
}

const Station* tuned(const Context& c, int n) {
    const double f = c.get(kReceiver[n].frequency);
    for (const Station& s : kStations)
        if (std::fabs(f - s.mhz) < 0.005 || f == bcd16(s.mhz)) return &s;
    return nullptr;
}

struct Reception {
    bool signal = false;
    double nm = 0.0, radial = 0.0;
    double strength = 0.0, cdi = 0.0;
    int to_from = 0;
    bool glide_slope = false;
    double gsi = 0.0;
};

Reception receive(const Context& c, int n) {
    Reception r;
    const Station* station = tuned(c, n);
    if (station == nullptr) return r;
    const Station& s = *station;
    const double lat = c.get(kLatitude), lon = c.get(kLongitude);
    const Leg leg = leg_from(s.lat, s.lon, lat, lon);
    r.nm = leg.nm;
    r.radial = leg.bearing;
    if (s.kind == Kind::Vor) {
        if (leg.nm > s.range_nm) return r;
        const double off = wrap180(c.get(kReceiver[n].obs) - leg.bearing);  // FROM side: OBS - radial
        if (std::fabs(std::fabs(off) - 90.0) <= 1.0) r.to_from = 0;
        else r.to_from = std::fabs(off) < 90.0 ? 2 : 1;
        const double deviation = std::fabs(off) < 90.0 ? off : wrap180(leg.bearing + 180.0 - c.get(kReceiver[n].obs));
        r.cdi = clamp(deviation / kVorFullScale * 127.0, -127.0, 127.0);
    } else {
        // Approaching on the front course the aircraft is on the localiser's back radial.
        const double off = wrap180(leg.bearing + 180.0 - s.course);
        if (leg.nm > s.range_nm || std::fabs(off) > kLocaliserWidth) return r;
        r.cdi = clamp(off / kLocaliserFullScale * 127.0, -127.0, 127.0);
        const Leg to_gs = leg_from(s.gs_lat, s.gs_lon, lat, lon);
        const double gs_off = wrap180(to_gs.bearing + 180.0 - s.course);
        if (to_gs.nm <= kGlideRangeNm && std::fabs(gs_off) <= kGlideWidth && to_gs.nm > 0.0) {
            const double height = c.get(kAltitude) - s.gs_elevation_ft;
            const double angle = std::atan2(height, to_gs.nm * kFeetPerNm) * 180.0 / kPi;
            r.glide_slope = true;
            r.gsi = clamp((kGlidePath - angle) / kGlideFullScale * 120.0, -119.0, 119.0);
        }
    }
    r.signal = true;
    r.strength = std::floor(256.0 + 30000.0 * (1.0 - leg.nm / s.range_nm));
    return r;
}

int marker_state(const Context& c) {
    const Station& ils = kStations[2];
    const double lat = c.get(kLatitude), lon = c.get(kLongitude);
    const double deg_lon_per_nm = 1.0 / (60.0 * std::cos(ils.gs_lat * kPi / 180.0));
    for (const Marker& m : kMarkers) {
        // The centreline runs east from the threshold (the reciprocal of the 270 course).
        const double m_lon = ils.gs_lon + m.nm_from_threshold * deg_lon_per_nm;
        if (leg_from(ils.gs_lat, m_lon, lat, lon).nm <= m.radius_nm) return m.state;
    }
    return 0;
}

// The receivers work again when anything they listen from has changed.
bool inputs_changed(Context& c) {
    const double now[10] = {c.get(kLatitude),          c.get(kLongitude),         c.get(kAltitude),
                            c.get(kHeading),           c.get(kReceiver[0].obs),   c.get(kReceiver[1].obs),
                            c.get(kReceiver[0].frequency), c.get(kReceiver[1].frequency),
                            c.get(kGpsDrivesNav1),     c.get(kGpsWaypointActive)};
    bool changed = !c.memory.navaids_computed;
    for (int i = 0; i < 10; ++i)
        if (now[i] != c.memory.navaid_inputs[i]) changed = true;
    for (int i = 0; i < 10; ++i) c.memory.navaid_inputs[i] = now[i];
    c.memory.navaids_computed = true;
    return changed;
}

void step(Context& c, double) {
    if (!inputs_changed(c)) return;
    for (int n = 0; n < 2; ++n) {
        const Reception r = receive(c, n);
        const Names& v = kReceiver[n];
        c.set(v.signal, r.signal ? r.strength : 0.0);
        c.set(v.cdi, r.signal ? r.cdi : 0.0);
        c.set(v.to_from, r.signal ? r.to_from : 0);
        c.set(v.has_glide_slope, r.glide_slope ? 1.0 : 0.0);
        c.set(v.gsi, r.glide_slope ? r.gsi : 0.0);
        if (n == 0) {
            c.set(kDme1, r.signal ? r.nm : 0.0);
            c.set(kRelativeBearing1, r.signal ? wrap360(r.radial + 180.0 - c.get(kHeading)) : 0.0);
            const bool gps = c.get(kGpsDrivesNav1) == 1.0;
            c.set(kHsiCdiValid, gps ? (c.get(kGpsWaypointActive) == 1.0 ? 1.0 : 0.0) : (r.signal ? 1.0 : 0.0));
            c.set(kHsiGsiValid, !gps && r.glide_slope ? 1.0 : 0.0);
        }
    }
    c.set(kMarkerState, marker_state(c));
}

constexpr TokenRow kTokens[] = {
    {40, "A:NAV CDI:1, number", 1.0},
    {41, "A:NAV GSI:1, number", 1.0},
    {43, "A:NAV TOFROM:1, enum", 1.0},
    {44, "A:NAV HAS GLIDE SLOPE:1, bool", 1.0},
    {49, "A:NAV SIGNAL:1, number", 1.0},
    {50, "A:NAV CDI:2, number", 1.0},
    {52, "A:NAV TOFROM:2, enum", 1.0},
    {53, "A:NAV HAS GLIDE SLOPE:2, bool", 1.0},
    {58, "A:NAV SIGNAL:2, number", 1.0},
    {882, "A:NAV GSI:2, number", 1.0},
    {550, kRelativeBearing1, 1.0},
    {860, kDme1, 1.0},
    {354, kMarkerState, 1.0},
    {851, kHsiCdiValid, 1.0},
    {852, kHsiGsiValid, 1.0},
    {848, kGpsDrivesNav1, 1.0},
    {837, "A:GPS WP CROSS TRK, number", 1.0},
    {856, "A:GPS WP BEARING, degrees", 1.0},
    {857, "A:GPS WP BEARING VALID, bool", 1.0},
};

}  // namespace

// Nothing of its own at rest: the radios keep the frequencies, the GPS its values.
const System kNavaids{"navaids", {}, kTokens, {}, {}, step};

}  // namespace bench::sim
