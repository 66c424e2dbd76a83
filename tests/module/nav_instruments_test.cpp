// The radio navigation instruments as the receivers drive them: VOR 1 on its VLOC and GPS
// sources, VOR 2, the HSI's drums, flags, pointer and bars, the radio altimeter's limit
// selector, needle and lamps, the marker lamps with and without power; the OBS, HSI course
// and heading-bug knobs slow and fast; and a VOR radial flown in the bench's world.
#include <cmath>

#include "instruments_power.h"

namespace {

using instruments::Cockpit;
using instruments::Supply;
using scenario::count_key;

constexpr int NAV1_CDI = 40, NAV1_GSI = 41, NAV1_TO_FROM = 43, NAV1_HAS_GS = 44, NAV1_OBS = 45, NAV1_SIGNAL = 49;
constexpr int NAV2_CDI = 50, NAV2_TO_FROM = 52, NAV2_HAS_GS = 53, NAV2_OBS = 54, NAV2_SIGNAL = 58, NAV2_GSI = 882;
constexpr int SOURCE = 848, GPS_XTK = 837, REL_BEARING = 550, HSI_NAV_VALID = 851, HSI_GS_VALID = 852;
constexpr int HSI_COURSE = 854, HEADING_BUG = 855, GPS_BEARING = 856, GPS_BEARING_VALID = 857, DISTANCE = 860;
constexpr int MARKER = 354;
constexpr std::uint32_t VOR1_SET = 65716, VOR2_SET = 65717, HEADING_BUG_SET = 66042;
constexpr std::uint32_t VOR1_DEC = 69704, VOR1_INC = 69705, VOR2_DEC = 69717, VOR2_INC = 69718;
constexpr std::uint32_t HSI_COURSE_DEC = 69719, HSI_COURSE_INC = 69720, BUG_DEC = 69721, BUG_INC = 69728;

const char* const GPS_PLAN = "A:GPS IS ACTIVE FLIGHT PLAN, bool";
const char* const GPS_WAYPOINT = "A:GPS IS ACTIVE WAY POINT, bool";
const char* const HEADING = "A:PLANE HEADING DEGREES MAGNETIC, degrees";

// NAV1 receiving a station, the aircraft still (the bench's receivers then keep what a test gives).
void nav1_receiving(Cockpit& c, double cdi) {
    c.token(SOURCE, 0);
    c.token(NAV1_SIGNAL, 300);
    c.token(NAV1_CDI, cdi);
}

TEST(NavInstruments, Vor1OnVlocAndOnGps) {
    Cockpit c;
    nav1_receiving(c, 0);
    c.token(NAV1_TO_FROM, 2);
    c.run(1);
    EXPECT_EQ(c.get("L:VOR1_vloclight_on, bool"), 1);
    EXPECT_EQ(c.get("L:VOR1_navlight_on, bool"), 0);
    EXPECT_EQ(c.get("L:VOR1_localiser_flag, bool"), 0);
    EXPECT_EQ(c.get("L:VOR1_localiser_needle,number"), 498);
    EXPECT_EQ(c.get("L:VOR1_from_flag,bool"), 1);
    EXPECT_EQ(c.get("L:VOR1_to_flag,bool"), 0);
    EXPECT_EQ(c.get("L:HSI_course_dev,number"), 500);
    c.token(NAV1_CDI, 127);
    EXPECT_EQ(c.after("L:VOR1_localiser_needle,number"), 996);
    EXPECT_EQ(c.get("L:HSI_course_dev,number"), 1000);
    c.token(NAV1_CDI, -127);
    EXPECT_EQ(c.after("L:VOR1_localiser_needle,number"), 0);
    EXPECT_EQ(c.get("L:HSI_course_dev,number"), 0);
    c.token(NAV1_TO_FROM, 1);
    EXPECT_EQ(c.after("L:VOR1_to_flag,bool"), 1);
    EXPECT_EQ(c.get("L:VOR1_from_flag,bool"), 0);
    // A signal of 255 is no signal: the flag drops, the needle parks, the HSI bar centres.
    c.token(NAV1_SIGNAL, 255);
    c.token(NAV1_CDI, 60);
    c.run(1);
    EXPECT_EQ(c.get("L:VOR1_localiser_flag, bool"), 1);
    EXPECT_EQ(c.get("L:VOR1_localiser_needle,number"), 0);
    EXPECT_EQ(c.get("L:HSI_course_dev,number"), 500);
    EXPECT_EQ(c.get("L:HSI_miles_flag,bool"), 1);
    // GPS source without a flight plan: the needle parks at 0 and the miles flag shows.
    c.set(GPS_PLAN, 0), c.set(GPS_WAYPOINT, 0);
    c.token(SOURCE, 1);
    c.token(NAV1_SIGNAL, 300);
    c.token(GPS_XTK, 500);
    c.run(1);
    EXPECT_EQ(c.get("L:VOR1_navlight_on, bool"), 1);
    EXPECT_EQ(c.get("L:VOR1_vloclight_on, bool"), 0);
    EXPECT_EQ(c.get("L:VOR1_localiser_needle,number"), 0);
    EXPECT_EQ(c.get("L:HSI_miles_flag,bool"), 1);
    EXPECT_EQ(c.get("L:HSI_course_dev,number"), 500);
    c.set(GPS_PLAN, 1);
    c.run(1);
    EXPECT_EQ(c.get("L:HSI_miles_flag,bool"), 0);  // a plan alone clears the miles flag
    EXPECT_EQ(c.get("L:VOR1_localiser_needle,number"), 0);
    // With a waypoint too the bars follow the GPS's cross-track (500 here; a simulated GPS
    // may give its own from the aircraft's place: the bars follow what it gives).
    c.set(GPS_WAYPOINT, 1);
    c.token(GPS_XTK, 500);
    c.run(1);
    const double xtk = c.b().token(GPS_XTK) / 100.0;
    EXPECT_EQ(c.get("L:VOR1_localiser_needle,number"), std::trunc((xtk * 10 + 740) * 100 / 149));
    EXPECT_NEAR(c.get("L:HSI_course_dev,number"), (xtk + 100) / 200 * 1000, 1e-5);
    if (xtk == 5) {
        EXPECT_EQ(c.get("L:VOR1_localiser_needle,number"), 530);
        EXPECT_EQ(c.get("L:HSI_course_dev,number"), 525);
    }
}

TEST(NavInstruments, GlideslopeNeedlesAndFlags) {
    Cockpit c;
    nav1_receiving(c, 0);
    c.token(NAV1_HAS_GS, 1), c.token(NAV1_GSI, 0), c.token(HSI_GS_VALID, 1);
    c.run(1);
    EXPECT_EQ(c.get("L:VOR1_glidescope_flag, bool"), 0);
    EXPECT_EQ(c.get("L:VOR1_glidescope_needle,number"), 497);
    EXPECT_EQ(c.get("L:HSI_gs_flag,bool"), 0);
    EXPECT_EQ(c.get("L:HSI_glide_needle,number"), 50);
    c.token(NAV1_GSI, 60);
    c.run(1);
    EXPECT_EQ(c.get("L:VOR1_glidescope_needle,number"), 746);
    EXPECT_EQ(c.get("L:HSI_glide_needle,number"), 25);
    c.token(NAV1_HAS_GS, 0), c.token(HSI_GS_VALID, 0);
    c.run(1);
    EXPECT_EQ(c.get("L:VOR1_glidescope_flag, bool"), 1);
    EXPECT_EQ(c.get("L:VOR1_glidescope_needle,number"), 0);
    EXPECT_EQ(c.get("L:HSI_gs_flag,bool"), 1);
    EXPECT_EQ(c.get("L:HSI_glide_needle,number"), 100);
    // NAV2's glideslope on VOR 2.
    c.token(NAV2_HAS_GS, 1), c.token(NAV2_GSI, -120);
    c.run(1);
    EXPECT_EQ(c.get("L:VOR2_glidescope_flag, bool"), 0);
    EXPECT_EQ(c.get("L:VOR2_glidescope_needle,number"), 0);
    c.token(NAV2_GSI, 121);
    EXPECT_EQ(c.after("L:VOR2_glidescope_needle,number"), 1000);
}

TEST(NavInstruments, Vor2AndWhatInverter2Takes) {
    Cockpit c;
    c.token(NAV2_OBS, 123.7);
    c.run(1);  // the receiver works on the new course; the test then gives its reading
    c.token(NAV2_SIGNAL, 400), c.token(NAV2_CDI, 25.5), c.token(NAV2_TO_FROM, 1);
    c.run(1);
    EXPECT_EQ(c.get("L:VOR2_compass_card,number"), 123);
    EXPECT_EQ(c.get("L:VOR2_vloclight_on, bool"), 1);
    EXPECT_EQ(c.get("L:VOR2_navlight_on, bool"), 0);
    EXPECT_EQ(c.get("L:VOR2_localisor_flag, bool"), 0);
    EXPECT_EQ(c.get("L:VOR2_localisor_needle,number"), 598);
    EXPECT_EQ(c.get("L:VOR2_to_flag,bool"), 1);
    nav1_receiving(c, 30);
    c.token(NAV1_TO_FROM, 2);
    c.token(NAV1_HAS_GS, 1), c.token(HSI_GS_VALID, 1), c.token(HSI_NAV_VALID, -1);
    c.run(1);
    EXPECT_EQ(c.get("L:HSI_nav_flag,bool"), 0);
    EXPECT_EQ(c.get("L:HSI_power_flag,bool"), 0);
    // Inverter 2 stops (battery only): flags show, needles and VOR 2's TO flag stay, VOR 1's
    // TO/FROM clear, the HSI's pointer parks at 500.
    c.set_supply(Supply::Battery);
    c.token(NAV2_CDI, -100), c.token(NAV1_CDI, -100), c.token(NAV2_TO_FROM, 2);
    c.run(2);
    EXPECT_EQ(c.get("L:VOR2_vloclight_on, bool"), 0);
    EXPECT_EQ(c.get("L:VOR2_localisor_flag, bool"), 1);
    EXPECT_EQ(c.get("L:VOR2_glidescope_flag, bool"), 1);
    EXPECT_EQ(c.get("L:VOR2_localisor_needle,number"), 598);
    EXPECT_EQ(c.get("L:VOR2_to_flag,bool"), 1);
    EXPECT_EQ(c.get("L:VOR2_from_flag,bool"), 0);
    EXPECT_EQ(c.get("L:VOR1_vloclight_on, bool"), 0);
    EXPECT_EQ(c.get("L:VOR1_localiser_flag, bool"), 1);
    EXPECT_EQ(c.get("L:VOR1_glidescope_flag, bool"), 1);
    EXPECT_EQ(c.get("L:VOR1_localiser_needle,number"), 615);
    EXPECT_EQ(c.get("L:VOR1_from_flag,bool"), 0);
    EXPECT_EQ(c.get("L:HSI_power_flag,bool"), 1);
    EXPECT_EQ(c.get("L:HSI_nav_flag,bool"), 1);
    EXPECT_EQ(c.get("L:HSI_gs_flag,bool"), 1);
    EXPECT_EQ(c.get("L:HSI_miles_flag,bool"), 1);
    EXPECT_EQ(c.get("L:HSI_green_pointer,number"), 500);
    EXPECT_EQ(c.get("L:HSI_from_flag,bool"), 0);
}

TEST(NavInstruments, HsiDrumsCardAndBearingPointer) {
    Cockpit c;
    nav1_receiving(c, 0);
    const struct {
        double miles;
        int units, tens, hundreds;
    } drums[] = {{9.9, 90, 0, 0}, {57, 70, 50, 0}, {305, 50, 0, 30}, {999, 90, 90, 90}, {1234, 90, 90, 90}, {-4, 0, 0, 0}};
    for (const auto& d : drums) {
        c.token(DISTANCE, d.miles);
        c.run(1);
        EXPECT_EQ(c.get("L:HSI_miles1,number"), d.units) << d.miles;
        EXPECT_EQ(c.get("L:HSI_miles10,number"), d.tens) << d.miles;
        EXPECT_EQ(c.get("L:HSI_miles100,number"), d.hundreds) << d.miles;
    }
    c.token(HSI_COURSE, 245);
    c.run(1);
    EXPECT_EQ(c.get("L:HSI_course1,number"), 50);
    EXPECT_EQ(c.get("L:HSI_course10,number"), 40);
    EXPECT_EQ(c.get("L:HSI_course100,number"), 20);
    // A course of 360 shows 360 and sends the simulator's course round to 0.
    c.b().mark();
    c.token(HSI_COURSE, 360);
    c.run(1);
    EXPECT_EQ(c.get("L:HSI_course1,number"), 0);
    EXPECT_EQ(c.get("L:HSI_course10,number"), 60);
    EXPECT_EQ(c.get("L:HSI_course100,number"), 30);
    EXPECT_EQ(count_key(c.b(), VOR1_SET, 0), 1u);
    EXPECT_EQ(c.b().token(HSI_COURSE), 0);
    c.run(2);
    EXPECT_EQ(count_key(c.b(), VOR1_SET, 0), 1u);
    EXPECT_EQ(c.get("L:HSI_course100,number"), 0);

    c.set(HEADING, 355);
    c.run(1);  // the receiver works on the new heading; the test then gives its reading
    nav1_receiving(c, 0);
    c.token(REL_BEARING, 10);  // the station 5 degrees east of north
    c.run(1);
    EXPECT_EQ(c.get("L:HSI_compass_card,number"), 3550);
    EXPECT_EQ(c.get("L:HSI_green_pointer,number"), 25);
    c.set(HEADING, 90);
    c.run(1);
    nav1_receiving(c, 0);
    c.token(REL_BEARING, 90);
    EXPECT_EQ(c.after("L:HSI_green_pointer,number"), 250);
    // Losing the station leaves the pointer where it was; the GPS's bearing then moves it.
    c.token(NAV1_SIGNAL, 0);
    c.token(REL_BEARING, 0);
    EXPECT_EQ(c.after("L:HSI_green_pointer,number"), 250);
    c.token(SOURCE, 1);
    c.token(GPS_BEARING, 270), c.token(GPS_BEARING_VALID, 1);
    EXPECT_EQ(c.after("L:HSI_green_pointer,number"), 501);
    c.token(HSI_NAV_VALID, 0);
    EXPECT_EQ(c.after("L:HSI_nav_flag,bool"), 1);
    c.token(HSI_NAV_VALID, 1);
    EXPECT_EQ(c.after("L:HSI_nav_flag,bool"), 0);
}

TEST(NavInstruments, KnobsTurnSlowThenFastAndWrapThroughNorth) {
    Cockpit c;
    c.run(10);  // past any knob's fast window
    c.b().key(VOR1_SET, 100);
    c.b().mark();
    c.b().key(VOR1_INC);
    EXPECT_EQ(c.b().token(NAV1_OBS), 101);
    EXPECT_EQ(c.get("L:VOR1_obs,number"), 101);
    c.b().key(VOR1_INC);  // within 7 ticks: two degrees
    EXPECT_EQ(c.b().token(NAV1_OBS), 103);
    c.run(6);
    c.b().key(VOR1_DEC);  // still within 7 ticks of the last click
    EXPECT_EQ(c.b().token(NAV1_OBS), 101);
    c.run(8);
    c.b().key(VOR1_DEC);
    EXPECT_EQ(c.b().token(NAV1_OBS), 100);
    EXPECT_EQ(c.get("L:VOR1_obs,number"), 100);
    // Through north, slow and fast.
    c.run(8);
    c.b().key(VOR2_SET, 0);
    c.b().key(VOR2_DEC);
    EXPECT_EQ(c.b().token(NAV2_OBS), 359);
    c.b().key(VOR2_INC);  // fast
    EXPECT_EQ(c.b().token(NAV2_OBS), 2);
    c.b().key(VOR2_DEC);
    EXPECT_EQ(c.b().token(NAV2_OBS), 358);
    c.b().key(VOR2_DEC);
    EXPECT_EQ(c.b().token(NAV2_OBS), 356);
    c.b().key(VOR2_INC);
    EXPECT_EQ(c.b().token(NAV2_OBS), 358);
    c.b().key(VOR2_INC);  // fast from 358 jumps north to 2
    EXPECT_EQ(c.b().token(NAV2_OBS), 2);
    c.run(8);
    c.b().key(VOR2_SET, 360);
    c.b().key(VOR2_INC);
    EXPECT_EQ(c.b().token(NAV2_OBS), 1);
    EXPECT_GE(count_key(c.b(), VOR2_SET, 359), 1u);
    // A click on another knob within 7 ticks is fast too.
    c.run(8);
    c.b().key(HEADING_BUG_SET, 90);
    c.b().key(BUG_INC);
    EXPECT_EQ(c.b().token(HEADING_BUG), 91);
    c.b().key(HSI_COURSE_INC);
    EXPECT_EQ(c.b().token(HSI_COURSE), 102);  // the HSI's course is VOR 1's, at 100
    c.b().key(BUG_DEC);
    EXPECT_EQ(c.b().token(HEADING_BUG), 89);
    c.run(8);
    c.b().key(HSI_COURSE_DEC);
    EXPECT_EQ(c.b().token(HSI_COURSE), 101);
    EXPECT_EQ(c.b().token(NAV1_OBS), 101);
    EXPECT_EQ(count_key(c.b(), HEADING_BUG_SET, 89), 1u);
    // The animation counters turn within 1 to 199: from 0 or either end back to 100.
    c.set("L:HSI_course_knob,number", 199);
    c.b().key(HSI_COURSE_INC);
    EXPECT_EQ(c.get("L:HSI_course_knob,number"), 100);
    c.set("L:HSI_heading_bug_knob,number", 1);
    c.b().key(BUG_DEC);
    EXPECT_EQ(c.get("L:HSI_heading_bug_knob,number"), 100);
    c.set("L:VOR2_obs,number", 0);
    c.b().key(VOR2_DEC);
    EXPECT_EQ(c.get("L:VOR2_obs,number"), 100);
}

TEST(NavInstruments, RadioAltimeterLimitsNeedleAndLamps) {
    Cockpit c;
    const char* const POSITION = "L:radalt_limit_selrpos,enum";
    const char* const RED = "L:radalt_redlight_on, bool";
    const char* const AMBER = "L:radalt_amberlight_on, bool";
    const char* const GREEN = "L:radalt_greenlight_on, bool";
    const char* const NEEDLE = "L:Radio_alt_needle,number";
    const char* const HEIGHT = "A:RADIO HEIGHT, feet";
    const int drives[] = {0, 86, 168, 268, 357, 456, 535, 626, 716, 807, 895};
    for (int p = 0; p <= 10; ++p) {
        c.set(POSITION, p);
        EXPECT_EQ(c.after("L:radalt_limit_selr,number"), drives[p]) << p;
    }
    c.set(POSITION, 8);  // 200 ft
    const struct {
        double feet;
        int red, amber, green;
    } lamps[] = {{260, 0, 1, 0}, {251, 0, 1, 0}, {250, 0, 0, 1}, {230, 0, 0, 1}, {150, 0, 0, 1}, {149, 1, 0, 0}, {140, 1, 0, 0}};
    for (const auto& l : lamps) {
        c.set(HEIGHT, l.feet);
        c.run(1);
        EXPECT_EQ(c.get(RED), l.red) << l.feet;
        EXPECT_EQ(c.get(AMBER), l.amber) << l.feet;
        EXPECT_EQ(c.get(GREEN), l.green) << l.feet;
    }
    // A position off the selector keeps the 200 ft limit.
    c.set(POSITION, 11);
    c.set(HEIGHT, 230);
    c.run(1);
    EXPECT_EQ(c.get(GREEN), 1);
    EXPECT_EQ(c.get("L:radalt_limit_selr,number"), 716);
    // Range 1 is full scale at 500 ft (and reads beyond it), range 0 at 5000 ft; test is 1000.
    c.set("L:radalt_limit_range,bool", 1);
    c.set(HEIGHT, 600);
    EXPECT_EQ(c.after(NEEDLE), 1200);
    EXPECT_EQ(c.get("L:radalt_scale_unit,number"), 0);
    EXPECT_EQ(c.get("L:Radalt_off_flag,number"), 0);
    c.set("L:radalt_limit_range,bool", 0);
    EXPECT_EQ(c.after(NEEDLE), 120);
    EXPECT_EQ(c.get("L:radalt_scale_unit,number"), 100);
    c.set("L:radalt_limit_test,bool", 1);
    EXPECT_EQ(c.after(NEEDLE), 1000);
    c.set("L:radalt_limit_test,bool", 0);
    // A height beyond any scale stops the needle at its largest value, never wraps it.
    c.set("L:radalt_limit_range,bool", 1);
    c.set(HEIGHT, 2.0e9);
    EXPECT_EQ(c.after(NEEDLE), 2147483647);
    c.set(HEIGHT, 600);
    c.run(1);
    // Inverter 6 off: off flag, lamps dark, the needle stays.
    c.set("L:Inverter6, number", 0);
    c.run(3);
    c.set(HEIGHT, 100);
    c.run(3);
    EXPECT_EQ(c.get("L:Radalt_off_flag,bool"), 1);
    EXPECT_EQ(c.get(NEEDLE), 1200);
    EXPECT_EQ(c.get(RED) + c.get(AMBER) + c.get(GREEN), 0);
    // The limit switch off (or no DC power): the needle drops to 0.
    c.set("L:Inverter6, number", 1);
    c.run(3);
    EXPECT_EQ(c.get(RED), 1);
    c.set("L:radalt_limit_on,bool", 0);
    c.run(2);
    EXPECT_EQ(c.get(NEEDLE), 0);
    EXPECT_EQ(c.get("L:Radalt_off_flag,bool"), 1);
    EXPECT_EQ(c.get(RED) + c.get(AMBER) + c.get(GREEN), 0);
}

TEST(NavInstruments, MarkerLampsWithAndWithoutPower) {
    Cockpit c(Supply::Battery);
    const char* const BLUE = "L:Marker_blue_on, bool";
    const char* const AMBER = "L:Marker_amber_on, bool";
    const char* const WHITE = "L:Marker_white_on, bool";
    const struct {
        double marker;
        int blue, amber, white;
    } rows[] = {{1, 1, 0, 0}, {2, 0, 1, 0}, {3, 0, 0, 1}, {0, 0, 0, 0}, {4, 0, 0, 0}};
    for (const auto& r : rows) {
        c.token(MARKER, r.marker);
        c.run(1);
        EXPECT_EQ(c.get(BLUE), r.blue) << r.marker;
        EXPECT_EQ(c.get(AMBER), r.amber) << r.marker;
        EXPECT_EQ(c.get(WHITE), r.white) << r.marker;
    }
    c.set("L:LampTest,bool", 1);
    c.run(1);
    EXPECT_EQ(c.get(BLUE) + c.get(AMBER) + c.get(WHITE), 3);
    c.set("L:LampTest,bool", 0);
    c.token(MARKER, 2);
    c.run(1);
    // Without DC power the lamps keep what they showed.
    c.set_supply(Supply::None);
    c.token(MARKER, 3);
    c.set("L:LampTest,bool", 1);
    c.run(3);
    EXPECT_EQ(c.get(BLUE), 0);
    EXPECT_EQ(c.get(AMBER), 1);
    EXPECT_EQ(c.get(WHITE), 0);
}

// Places east of the bench's TMV beacon (52.30 N, 0.20 W): so many miles out on a radial.
void fly_to(Cockpit& c, double radial, double nm) {
    const double pi = 3.14159265358979323846;
    const double lat = 52.30 + nm * std::cos(radial * pi / 180) / 60.0;
    const double lon = -0.20 + nm * std::sin(radial * pi / 180) / (60.0 * std::cos(52.30 * pi / 180));
    c.set("A:PLANE LATITUDE, degrees", lat);
    c.set("A:PLANE LONGITUDE, degrees", lon);
    c.run(1);
}

TEST(NavInstruments, FlyingTheBenchVorRadialMovesTheNeedles) {
    Cockpit c;
    c.set("A:NAV ACTIVE FREQUENCY:1, MHz", 0x1360);  // 113.60, as the radio keeps it
    c.b().key(VOR1_SET, 90);
    c.set(HEADING, 90);
    fly_to(c, 90, 20);
    EXPECT_EQ(c.get("L:VOR1_localiser_flag, bool"), 0);
    EXPECT_EQ(c.get("L:VOR1_localiser_needle,number"), 498);  // on the radial
    EXPECT_EQ(c.get("L:VOR1_from_flag,bool"), 1);
    EXPECT_EQ(c.get("L:HSI_course_dev,number"), 500);
    EXPECT_EQ(c.get("L:HSI_miles10,number"), 20);
    EXPECT_EQ(c.get("L:HSI_green_pointer,number"), 501);  // the station behind
    // North of the radial, flying east: the course lies to the right.
    fly_to(c, 87, 20);
    EXPECT_NEAR(c.get("L:VOR1_localiser_needle,number"), (3.0 / 10 * 127 * 10 + 1270) * 100 / 255, 3);
    EXPECT_GT(c.get("L:HSI_course_dev,number"), 640);
    // Turned inbound on 270: TO, and the same position now reads to the left.
    c.b().key(VOR1_SET, 270);
    c.set(HEADING, 270);
    c.run(1);
    EXPECT_EQ(c.get("L:VOR1_to_flag,bool"), 1);
    EXPECT_LT(c.get("L:HSI_course_dev,number"), 360);
    EXPECT_GT(c.get("L:HSI_green_pointer,number"), 980);  // the station ahead, a little left
    // Retuned to nothing, or out of range: flags.
    c.set("A:NAV ACTIVE FREQUENCY:1, MHz", 0x1370);
    c.run(1);
    EXPECT_EQ(c.get("L:VOR1_localiser_flag, bool"), 1);
    c.set("A:NAV ACTIVE FREQUENCY:1, MHz", 113.6);  // the same station by MHz
    c.run(1);
    EXPECT_EQ(c.get("L:VOR1_localiser_flag, bool"), 0);
    fly_to(c, 90, 140);
    EXPECT_EQ(c.get("L:VOR1_localiser_flag, bool"), 1);
    EXPECT_EQ(c.get("L:HSI_miles_flag,bool"), 1);
    EXPECT_EQ(c.get("L:VOR1_to_flag,bool") + c.get("L:VOR1_from_flag,bool"), 0);
}

}  // namespace
