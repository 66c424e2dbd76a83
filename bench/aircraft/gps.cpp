// The simulator's own GPS: a stored flight plan of five waypoints around the field, the
// navigation values it reports along the active leg, and the keys and knobs of its unit.
//
// The flight plan (flat earth, no magnetic variation, so magnetic and true agree):
//   0 TMFLD 52.36 N 0.48 W (the field), 1 TMV 52.30 N 0.20 W, 2 BOXER 52.55 N 0.10 W,
//   3 KLO 52.70 N 0.90 W, 4 TMFLD again.
// At rest the plan is stored but not active: the first step writes the values below as 0
// (no identifiers), and afterwards an inactive GPS writes nothing, so scripts may set its
// variables freely (as the nav instruments' tests do).
// While the plan is active it keeps, recomputed whenever the aircraft moves, turns, changes
// speed, or the plan's state changes (so a script's `set` or `token` holds until then):
//   A:GPS IS ACTIVE FLIGHT PLAN 1, A:GPS IS ACTIVE WAY POINT 1, A:GPS IS DIRECTTO FLIGHTPLAN,
//   A:GPS IS ARRIVED (the last waypoint reached), A:GPS IS APPROACH ACTIVE, A:GPS OBS ACTIVE
//   and A:GPS IS ACTIVE WP LOCKED (both 1 while OBS holds the waypoint);
//   A:GPS WP PREV ID and A:GPS WP NEXT ID (strings: the leg's origin, "" for a direct-to, and
//   its waypoint); A:GPS FLIGHT PLAN WP INDEX (the active waypoint), A:GPS FLIGHT PLAN WP
//   COUNT (5);
//   A:GPS WP DISTANCE (metres; token 835 in NM), A:GPS WP BEARING and A:GPS WP TRUE BEARING
//   (to the waypoint; tokens 836 and 856, 846), A:GPS WP DESIRED TRACK (the leg's course;
//   token 838), A:GPS WP TRUE REQ HDG and A:GPS COURSE TO STEER (the bearing to the
//   waypoint; token 847), A:GPS WP CROSS TRK (metres right of the leg, negative left;
//   token 837), A:GPS GROUND SPEED (m/s from A:AIRSPEED TRUE, no wind; token 832 in knots),
//   A:GPS GROUND TRUE HEADING, A:GPS GROUND TRUE TRACK and A:GPS GROUND MAGNETIC TRACK (the
//   aircraft's heading; tokens 833, 834 and 107), A:GPS ETE (seconds to the waypoint at the
//   ground speed, 0 below 1 knot) and A:GPS ETA (E:LOCAL TIME + ETE, seconds).
//   Within 0.5 NM of the active waypoint the next leg becomes active (not while OBS holds it).
// Once active the plan stays active (66620 clears only what the keys armed). The GPS also
// keeps A:FUEL TOTAL QUANTITY (gallons, token 386): the five tanks' sum, written when the sum
// changes.
// Moved by the GPS unit's key events:
//   66609 flight plan: activates the stored plan from its first leg (0 to 1) if it is not
//     active; 66617 Direct-To: arms a direct-to to the selected waypoint (the active one, or
//     waypoint 1); 66625 / 66626 small knob: selects the next / previous waypoint (wrapping);
//     66627 / 66628 large knob: selects the last / first waypoint; 66623 Enter: completes
//     what was armed (the direct-to: a leg from the present position to the selected
//     waypoint; the procedure: the approach becomes active); 66612 procedure: 1 arms the
//     approach, 0 disarms it; 66620 reset: disarms both; 66605 OBS: toggles OBS;
//   66606 MSG, 66611 terrain, 66615 / 66616 zoom, 66618 menu: pages of the GPS's own screen,
//     which the bench does not draw: taken, and nothing changes.
#include <cmath>
#include <cstddef>
#include <iterator>

#include "systems.h"

namespace bench::sim {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMetresPerNm = 1852.0;
constexpr double kKnotsPerMs = 1.944;
constexpr double kSequenceNm = 0.5;

struct Waypoint {
    const char* ident;
    double lat, lon;
};
constexpr Waypoint kPlan[] = {
    {"TMFLD", 52.36, -0.48}, {"TMV", 52.30, -0.20}, {"BOXER", 52.55, -0.10}, {"KLO", 52.70, -0.90}, {"TMFLD", 52.36, -0.48},
};
constexpr int kCount = static_cast<int>(std::size(kPlan));

constexpr const char* kLatitude = "A:PLANE LATITUDE, degrees";
constexpr const char* kLongitude = "A:PLANE LONGITUDE, degrees";
constexpr const char* kHeading = "A:PLANE HEADING DEGREES MAGNETIC, degrees";
constexpr const char* kTrueAirspeed = "A:AIRSPEED TRUE, knots";
constexpr const char* kActivePlan = "A:GPS IS ACTIVE FLIGHT PLAN, bool";
constexpr const char* kActiveWaypoint = "A:GPS IS ACTIVE WAY POINT, bool";
constexpr const char* kDirectTo = "A:GPS IS DIRECTTO FLIGHTPLAN, bool";
constexpr const char* kArrived = "A:GPS IS ARRIVED, bool";
constexpr const char* kApproach = "A:GPS IS APPROACH ACTIVE, bool";
constexpr const char* kObs = "A:GPS OBS ACTIVE, bool";
constexpr const char* kLocked = "A:GPS IS ACTIVE WP LOCKED, bool";
constexpr const char* kPrevId = "A:GPS WP PREV ID, string";
constexpr const char* kNextId = "A:GPS WP NEXT ID, string";
constexpr const char* kIndex = "A:GPS FLIGHT PLAN WP INDEX, number";
constexpr const char* kWpCount = "A:GPS FLIGHT PLAN WP COUNT, number";
constexpr const char* kDistance = "A:GPS WP DISTANCE, meters";
constexpr const char* kBearing = "A:GPS WP BEARING, degrees";
constexpr const char* kTrueBearing = "A:GPS WP TRUE BEARING, degrees";
constexpr const char* kDesiredTrack = "A:GPS WP DESIRED TRACK, degrees";
constexpr const char* kRequiredHeading = "A:GPS WP TRUE REQ HDG, degrees";
constexpr const char* kCourseToSteer = "A:GPS COURSE TO STEER, degrees";
constexpr const char* kCrossTrack = "A:GPS WP CROSS TRK, number";
constexpr const char* kGroundSpeed = "A:GPS GROUND SPEED, m/s";
constexpr const char* kTrueHeading = "A:GPS GROUND TRUE HEADING, degrees";
constexpr const char* kTrueTrack = "A:GPS GROUND TRUE TRACK, degrees";
constexpr const char* kMagneticTrack = "A:GPS GROUND MAGNETIC TRACK, degrees";
constexpr const char* kEte = "A:GPS ETE, seconds";
constexpr const char* kEta = "A:GPS ETA, seconds";
constexpr const char* kLocalTime = "E:LOCAL TIME, seconds";
constexpr const char* kFuelTotal = "A:FUEL TOTAL QUANTITY, gallons";
constexpr const char* kTanks[] = {
    "A:FUEL TANK CENTER QUANTITY, gallons",   "A:FUEL TANK CENTER2 QUANTITY, gallons",
    "A:FUEL TANK CENTER3 QUANTITY, gallons",  "A:FUEL TANK LEFT AUX QUANTITY, gallons",
    "A:FUEL TANK RIGHT AUX QUANTITY, gallons",
};

double wrap360(double a) {
    a = std::fmod(a, 360.0);
    return a < 0.0 ? a + 360.0 : a;
}

// From one point to another, flat earth: nautical miles and degrees from north.
struct Leg {
    double nm;
    double course;
};
Leg leg_between(double lat, double lon, double to_lat, double to_lon) {
    const double north = (to_lat - lat) * 60.0;
    const double east = (to_lon - lon) * 60.0 * std::cos(lat * kPi / 180.0);
    return {std::hypot(north, east), wrap360(std::atan2(east, north) * 180.0 / kPi)};
}

GpsMemory& gps(Context& c) { return c.memory.gps; }

void write(Context& c) {
    GpsMemory& g = gps(c);
    const double lat = c.get(kLatitude), lon = c.get(kLongitude);
    if (!g.plan_active) {
        for (const char* name : {kActivePlan, kActiveWaypoint, kDirectTo, kArrived, kApproach, kLocked, kIndex,
                                 kDistance, kCrossTrack, kEte, kEta})
            c.set(name, 0.0);
        c.set_text(kPrevId, "");
        c.set_text(kNextId, "");
        return;
    }
    const Waypoint& to = kPlan[g.leg];
    const double from_lat = g.direct_to ? g.origin_lat : kPlan[g.leg - 1].lat;
    const double from_lon = g.direct_to ? g.origin_lon : kPlan[g.leg - 1].lon;
    const Leg ahead = leg_between(lat, lon, to.lat, to.lon);
    const double desired = leg_between(from_lat, from_lon, to.lat, to.lon).course;
    const double off = std::sin((desired - ahead.course) * kPi / 180.0) * ahead.nm;  // right of the leg
    const double knots = c.get(kTrueAirspeed);
    const double ete = knots >= 1.0 ? std::floor(ahead.nm / knots * 3600.0) : 0.0;
    const double heading = c.get(kHeading);
    c.set(kActivePlan, 1.0);
    c.set(kActiveWaypoint, 1.0);
    c.set(kDirectTo, g.direct_to ? 1.0 : 0.0);
    c.set(kArrived, g.arrived ? 1.0 : 0.0);
    c.set(kApproach, g.approach ? 1.0 : 0.0);
    c.set(kObs, g.obs ? 1.0 : 0.0);
    c.set(kLocked, g.obs ? 1.0 : 0.0);
    c.set_text(kPrevId, g.direct_to ? "" : kPlan[g.leg - 1].ident);
    c.set_text(kNextId, to.ident);
    c.set(kIndex, g.leg);
    c.set(kWpCount, kCount);
    c.set(kDistance, ahead.nm * kMetresPerNm);
    c.set(kBearing, ahead.course);
    c.set(kTrueBearing, ahead.course);
    c.set(kDesiredTrack, desired);
    c.set(kRequiredHeading, ahead.course);
    c.set(kCourseToSteer, ahead.course);
    c.set(kCrossTrack, std::round(off * kMetresPerNm));
    c.set(kGroundSpeed, knots / kKnotsPerMs);
    c.set(kTrueHeading, heading);
    c.set(kTrueTrack, heading);
    c.set(kMagneticTrack, heading);
    c.set(kEte, ete);
    c.set(kEta, c.get(kLocalTime) + ete);
}

// The next leg once the waypoint is reached; the last waypoint is the arrival.
void sequence(Context& c) {
    GpsMemory& g = gps(c);
    if (!g.plan_active || g.obs || g.arrived) return;
    const Waypoint& to = kPlan[g.leg];
    if (leg_between(c.get(kLatitude), c.get(kLongitude), to.lat, to.lon).nm > kSequenceNm) return;
    if (g.leg + 1 < kCount) {
        ++g.leg;
        g.direct_to = false;
    } else {
        g.arrived = true;
    }
    g.changed = true;
}

void fuel_total(Context& c) {
    double total = 0.0;
    for (const char* tank : kTanks) total += c.get(tank);
    if (total != gps(c).fuel_total) {
        c.set(kFuelTotal, total);
        gps(c).fuel_total = total;
    }
}

void step(Context& c, double) {
    fuel_total(c);
    GpsMemory& g = gps(c);
    const double now[4] = {c.get(kLatitude), c.get(kLongitude), c.get(kHeading), c.get(kTrueAirspeed)};
    bool moved = false;
    for (int i = 0; i < 4; ++i)
        if (now[i] != g.inputs[i]) moved = true;
    for (int i = 0; i < 4; ++i) g.inputs[i] = now[i];
    if (moved) sequence(c);
    if (g.changed || (moved && g.plan_active)) write(c);
    g.changed = false;
}

void flight_plan(Context& c, std::uint32_t) {
    GpsMemory& g = gps(c);
    if (g.plan_active) return;
    g.plan_active = true;
    g.leg = 1;
    g.cursor = 1;
    g.direct_to = g.arrived = false;
    g.changed = true;
}

void direct_to(Context& c, std::uint32_t) {
    GpsMemory& g = gps(c);
    g.direct_to_armed = true;
    g.cursor = g.plan_active ? g.leg : 1;
}

template <int Step>
void small_knob(Context& c, std::uint32_t) {
    GpsMemory& g = gps(c);
    g.cursor = ((g.cursor + Step) % kCount + kCount) % kCount;
}

template <bool Last>
void large_knob(Context& c, std::uint32_t) {
    gps(c).cursor = Last ? kCount - 1 : 0;
}

void enter(Context& c, std::uint32_t) {
    GpsMemory& g = gps(c);
    if (g.direct_to_armed) {
        g.plan_active = true;
        g.direct_to = true;
        g.arrived = false;
        // A direct-to the first waypoint flies to it as to any other: the leg starts here.
        g.leg = g.cursor >= 1 ? g.cursor : 1;
        g.origin_lat = c.get(kLatitude);
        g.origin_lon = c.get(kLongitude);
        g.changed = true;
    }
    if (g.procedure_armed) {
        g.approach = true;
        g.changed = true;
    }
    g.direct_to_armed = g.procedure_armed = false;
}

void procedure(Context& c, std::uint32_t parameter) { gps(c).procedure_armed = parameter != 0; }

void reset(Context& c, std::uint32_t) {
    gps(c).direct_to_armed = false;
    gps(c).procedure_armed = false;
}

void obs(Context& c, std::uint32_t) {
    gps(c).obs = !gps(c).obs;
    gps(c).changed = true;
}

void page_only(Context&, std::uint32_t) {}

constexpr TokenRow kTokens[] = {
    {832, kGroundSpeed, kKnotsPerMs},
    {833, kTrueHeading, 1.0},
    {834, kTrueTrack, 1.0},
    {835, kDistance, 1.0 / kMetresPerNm},
    {836, kBearing, 1.0},
    {838, kDesiredTrack, 1.0},
    {846, kTrueBearing, 1.0},
    {847, kRequiredHeading, 1.0},
    {386, kFuelTotal, 1.0},
};

using K = KeyAction;
constexpr KeyRow kKeys[] = {
    {66605, "GPS_OBS_BUTTON", K::Custom, kObs, obs},
    {66606, "GPS_MSG_BUTTON", K::Custom, nullptr, page_only},
    {66609, "GPS_FLIGHTPLAN_BUTTON", K::Custom, kActivePlan, flight_plan},
    {66611, "GPS_TERRAIN_BUTTON", K::Custom, nullptr, page_only},
    {66612, "GPS_PROCEDURE_BUTTON", K::Custom, kApproach, procedure},
    {66615, "GPS_ZOOMIN_BUTTON", K::Custom, nullptr, page_only},
    {66616, "GPS_ZOOMOUT_BUTTON", K::Custom, nullptr, page_only},
    {66617, "GPS_DIRECTTO_BUTTON", K::Custom, kDirectTo, direct_to},
    {66618, "GPS_MENU_BUTTON", K::Custom, nullptr, page_only},
    {66620, "GPS_CLEAR_ALL_BUTTON", K::Custom, nullptr, reset},
    {66623, "GPS_ENTER_BUTTON", K::Custom, kNextId, enter},
    {66625, "GPS_BUTTON1", K::Custom, nullptr, small_knob<1>},
    {66626, "GPS_BUTTON2", K::Custom, nullptr, small_knob<-1>},
    {66627, "GPS_BUTTON3", K::Custom, nullptr, large_knob<true>},
    {66628, "GPS_BUTTON4", K::Custom, nullptr, large_knob<false>},
};

}  // namespace

const System kGps{"gps", {}, kTokens, kKeys, {}, step};

}  // namespace bench::sim
