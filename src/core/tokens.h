// The simulator's numbered token variables the module reads with read_token, by role.
#pragma once

#include <cstdint>

namespace tarmelon {

enum Token : std::int32_t {
    TOKEN_TICK18 = 1,                // tick counter, 18 a second: the clock of all short timers
    TOKEN_SECONDS = 604,             // clock in whole seconds: the time base of slow timers
    TOKEN_ALTITUDE = 74,             // aircraft altitude, feet
    TOKEN_HEADING = 81,              // aircraft heading, 1 to 360
    TOKEN_COURSE = 854,              // selected course (HSI course)
    TOKEN_HEADING_SELECTOR = 855,    // autopilot heading selector
    TOKEN_LATITUDE = 71,             // aircraft latitude, in 40007000ths of a turn
    TOKEN_LONGITUDE = 72,            // aircraft longitude, in 2^48ths of a turn
    TOKEN_AIRSPEED = 61,             // indicated airspeed, knots
    TOKEN_MACH = 64,
    TOKEN_KOHLSMAN_MB = 75,          // altimeter pressure setting, millibars
    TOKEN_SLIP_BALL = 69,
    TOKEN_MAGNETIC_COMPASS = 83,
    TOKEN_G_LOAD = 351,              // G load in 1/624 g
    TOKEN_VOR1_COURSE = 45,
    TOKEN_VOR2_COURSE = 54,
    TOKEN_MARKER_BEACON = 354,
    TOKEN_ENGINE1_OIL_PRESSURE = 562,
    TOKEN_ENGINE2_OIL_PRESSURE = 572,
    TOKEN_ENGINE1_RPM = 624,
    TOKEN_ENGINE2_RPM = 643,
    TOKEN_ENGINE1_FUEL_FLOW = 638,
    TOKEN_ENGINE2_FUEL_FLOW = 657,
    TOKEN_HYDRAULIC_PANEL = 824,
    TOKEN_THROTTLE_PANEL = 868,
    TOKEN_ENGINE1_FIRE = 887,
    TOKEN_ENGINE2_FIRE = 888,
    TOKEN_TANK_FIRE = 980,
    TOKEN_PITCH = 78,                // pitch and bank angle, degrees
    TOKEN_BANK = 80,
    TOKEN_AP_PITCH_REFERENCE = 77,   // pitch and bank angle as autopilot references
    TOKEN_AP_BANK_REFERENCE = 79,
    TOKEN_TRACK = 107,               // track, degrees (autopilot tooltip)
    TOKEN_AP_ALTITUDE = 109,         // altitude, feet (autopilot tooltip)
    TOKEN_COM2_ACTIVE = 870,         // radio frequencies, BCD (0x2345 is 123.45 MHz)
    TOKEN_COM2_STANDBY = 871,
    TOKEN_NAV2_ACTIVE = 27,
    TOKEN_NAV2_STANDBY = 873,
    TOKEN_NAV2_DEVIATION = 50,       // NAV2 course deviation, -127 to 127
    TOKEN_NAV2_TO_FROM = 52,         // 1 TO, 2 FROM
    TOKEN_NAV2_SIGNAL = 58,          // 0 when no station is received
    TOKEN_COM1_ACTIVE = 23,          // BCD, as COM2's
    TOKEN_COM1_STANDBY = 617,
    TOKEN_NAV1_ACTIVE = 24,
    TOKEN_NAV1_STANDBY = 872,
    TOKEN_FUEL_QUANTITY = 386,       // fuel on board, gallons
    TOKEN_GPS_GROUND_SPEED = 832,    // the GPS's moving-map values
    TOKEN_GPS_GROUND_HEADING = 833,
    TOKEN_GPS_GROUND_TRACK = 834,
    TOKEN_GPS_WP_DISTANCE = 835,
    TOKEN_GPS_WP_BEARING = 836,
    TOKEN_GPS_CROSS_TRACK = 837,     // hundredths
    TOKEN_GPS_REQUIRED_HEADING = 838,
    TOKEN_GPS_WP_TRUE_BEARING = 846,
    TOKEN_GPS_WP_TRUE_REQUIRED = 847,
};

}  // namespace tarmelon
