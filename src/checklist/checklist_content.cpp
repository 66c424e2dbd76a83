// The 14 checklists of the cockpit, in the order the checklist panel steps through them:
// each one's title as its title line prints it, and its items in slot order, one a line,
// numbered from 1 as the aircraft's checklist card numbers them. The texts are exact,
// trailing spaces included ("Airspeed - Hold 250kts/0.75M " has one).
#include "checklist/checklist_content.h"

namespace tarmelon {

namespace {

// 0. "Initial" (6 items)
constexpr const char* INITIAL[] = {
    /*  1 */ "External power - OFF",
    /*  2 */ "Landing gear selector - DOWN, 3 greens",
    /*  3 */ "Top tanks cock - OFF",
    /*  4 */ "Canopy demist - OFF",
    /*  5 */ "Battery - OFF",
    /*  6 */ "External Power - ON, 28v",
};

// 1. "External" (5 items)
constexpr const char* EXTERNAL[] = {
    /*  1 */ "Engine blanks - REMOVED",
    /*  2 */ "Landing gear locks - REMOVED",
    /*  3 */ "Aileron locks - REMOVED",
    /*  4 */ "Pressure head covers - REMOVED",
    /*  5 */ "Static vent plugs - REMOVED",
};

// 2. "Internal" (57 items)
constexpr const char* INTERNAL[] = {
    /*  1 */ "Dump switch - DUMP, check light, NORMAL",
    /*  2 */ "Battery (if no external power) - ON",
    /*  3 */ "Avionics Master - ON",
    /*  4 */ "Audio Panel - NORMAL, volume set",
    /*  5 */ "Canopy - selected OPEN",
    /*  6 */ "Battery - OFF",
    /*  7 */ "Internal lighting - As required",
    /*  8 */ "Anti-icing - ON",
    /*  9 */ "Canopy jettison handle - Cover flat",
    /* 10 */ "External lights master - ON",
    /* 11 */ "External lights - As required",
    /* 12 */ "Flare doors - OPEN",
    /* 13 */ "Anti-icing - check MIs are WHITE then OFF",
    /* 14 */ "JPT controllers - ON, CRUISE",
    /* 15 */ "Throttle levers - Full and free movement, HP cocks OFF",
    /* 16 */ "Dump switches - NORMAL",
    /* 17 */ "Flaps - selected UP",
    /* 18 */ "Landing gear selector - DOWN, 3 greens",
    /* 19 */ "Emergency gear handle - IN",
    /* 20 */ "Autostabiliser - OFF",
    /* 21 */ "Airbrakes - selected IN",
    /* 22 */ "Emergency lamps - Tested then OFF",
    /* 23 */ "Demist handle - IN",
    /* 24 */ "Aileron gear - LOW ALT, MI black",
    /* 25 */ "Rudder and aileron fail lights - ON",
    /* 26 */ "Cabin pressure warning light - Tested",
    /* 27 */ "Fire warning lights - Tested then OUT",
    /* 28 */ "Standby AI - Test on STANDBY then to NORMAL",
    /* 29 */ "Autopilot trim indicator - Central",
    /* 30 */ "Ready and engage MIs - check BLACK",
    /* 31 */ "Oil pressure MIs - check WHITE",
    /* 32 */ "Generator warning lights - check ON",
    /* 33 */ "Electric starter enabled/engaged lights - TEST",
    /* 34 */ "Roll damper - OFF",
    /* 35 */ "Radio altimeter - OFF",
    /* 36 */ "Pitot heat - As required",
    /* 37 */ "Vent valve heaters - OFF",
    /* 38 */ "Master LP cocks - ON",
    /* 39 */ "Integral tank cocks - NORMAL",
    /* 40 */ "Cabin altimeter - check reading ZERO",
    /* 41 */ "Hydraulic pressures - check reading ZERO",
    /* 42 */ "Compass/DGYRO switch - COMPASS",
    /* 43 */ "Engine air switches - OFF",
    /* 44 */ "Cabin air - HOT",
    /* 45 */ "Autopilot - OFF, channels OUT",
    /* 46 */ "No2 inverter ground test switch - OFF",
    /* 47 */ "Start master/ignition switches - OFF",
    /* 48 */ "Fuel contents - CHECKED",
    /* 49 */ "Rear tank cocks - OFF",
    /* 50 */ "Rear tank LP pumps - ON, check fuel pump warning lights ON",
    /* 51 */ "Rear tank cocks - ON, check fuel pump warning lights OFF",
    /* 52 */ "NAV/COM (1/2) - Frequency selected",
    /* 53 */ "Generator CBs - CLOSED",
    /* 54 */ "Generator switches - ON",
    /* 55 */ "Inverter selector switch - No2, guarded",
    /* 56 */ "AC voltmeter switch - No1",
    /* 57 */ "Rudder feel pressure - check ZERO",
};

// 3. "Starting" (50 items)
constexpr const char* STARTING[] = {
    /*  1 */ "Start clearance - Obtained",
    /*  2 */ "Parking brake - ON, check pressure 1500 PSI",
    /*  3 */ "Strobe lights - Upper RED",
    /*  4 */ "Left engine - Clear",
    /*  5 */ "Left start master switch - ON",
    /*  6 */ "Standby inverter MI - check WHITE",
    /*  7 */ "HGU flag - check BLACK",
    /*  8 */ "Standby AI - check flag clear",
    /*  9 */ "No1 inverter - check 115v, 400Hz",
    /* 10 */ "Right engine - clear",
    /* 11 */ "Right start master switch - ON",
    /* 12 */ "Right electric start enable switch - ON",
    /* 13 */ "Right electric start enable light - check ON",
    /* 14 */ "Voltmeter (avionics panel) - check 124 VDC minimum",
    /* 15 */ "Ignition switches - ON",
    /* 16 */ "HP cocks - OFF",
    /* 17 */ "Belly LP pumps - ON",
    /* 18 */ "Fuel pump warning lights - OUT",
    /* 19 */ "Right HP cock - OFF",
    /* 20 */ "Right starter button - PRESS",
    /* 21 */ "Electric starter motor engaged light - check ON",
    /* 22 */ "Right HP cock - OPEN when RPM 12-14%",
    /* 23 */ "RPM - check rising",
    /* 24 */ "JPT - Below 700C",
    /* 25 */ "Fire warning lights - check OUT",
    /* 26 */ "Oil pressure - MI black",
    /* 27 */ "Generator warning light - check OUT",
    /* 28 */ "Electric starter motor engaged light - check OFF",
    /* 29 */ "Standby inverter MI - check BLACK",
    /* 30 */ "Flare doors - CLOSED",
    /* 31 */ "Idling RPM - 31 to 34%",
    /* 32 */ "JPT - Below 625C",
    /* 33 */ "Hydraulic pressures - 2650 to 2750 PSI",
    /* 34 */ "Rudder/aileron fail lights - check 100% OFF, 50% ON",
    /* 35 */ "Left electric start enable switch - ON",
    /* 36 */ "Left electric start enable light - check ON",
    /* 37 */ "Left HP cock - OFF",
    /* 38 */ "Left starter button - PRESS",
    /* 39 */ "Electric starter motor engaged light - check ON",
    /* 40 */ "Left HP cock - OPEN when RPM 12-14%",
    /* 41 */ "RPM - check rising",
    /* 42 */ "JPT - Below 700C",
    /* 43 */ "Fire warning lights - check OUT",
    /* 44 */ "Oil pressure - MI black",
    /* 45 */ "Generator warning light - check OUT",
    /* 46 */ "Electric starter motor engaged light - check OFF",
    /* 47 */ "Idling RPM - 31 to 34%",
    /* 48 */ "JPT - Below 625C",
    /* 49 */ "Rudder/aileron fail lights - check OFF",
    /* 50 */ "Electric start switches - OFF",
};

// 4. "After Start" (26 items)
constexpr const char* AFTER_START[] = {
    /*  1 */ "External power - DISCONNECT",
    /*  2 */ "AC voltmeter - No2, check 115v, 400Hz",
    /*  3 */ "Battery - ON, check 28v",
    /*  4 */ "Canopy - As required",
    /*  5 */ "Anti-icing - As required",
    /*  6 */ "Flaps - selected UP",
    /*  7 */ "Trims - NEUTRAL",
    /*  8 */ "Airbrakes - IN",
    /*  9 */ "Entrance ladder - Removed",
    /* 10 */ "HGU - Erect, button out and free",
    /* 11 */ "HSI - Power failure flag clear",
    /* 12 */ "No6 inverter - ON",
    /* 13 */ "Compasses - MRG, G4B and E2B checked",
    /* 14 */ "LP pumps - Belly and integrals ON",
    /* 15 */ "Radio altimeter - ON, 50ft selected",
    /* 16 */ "Navigator hatch - CLOSED",
    /* 17 */ "Pitot heat - ON",
    /* 18 */ "Hydraulic pressures - 2650 to 2750 PSI",
    /* 19 */ "Engine air switches - As required",
    /* 20 */ "Feel simulator pressures - 160 to 200 PSI",
    /* 21 */ "Flying controls - Full and free movement",
    /* 22 */ "Autopilot - OFF, channels OUT",
    /* 23 */ "COM2 - Tested",
    /* 24 */ "Altimeter - As required, test STBY and RESET",
    /* 25 */ "Transponder - GROUND",
    /* 26 */ "Taxy clearance - Obtained",
};

// 5. "Taxy" (3 items)
constexpr const char* TAXY[] = {
    /*  1 */ "Taxy lamps - As required",
    /*  2 */ "Brakes (on moving) - check drop and then rise to 2750 PSI",
    /*  3 */ "Flight instruments - All checked",
};

// 6. "Before Takeoff" (40 items)
constexpr const char* BEFORE_TAKEOFF[] = {
    /*  1 */ "Parking brake - ON",
    /*  2 */ "Canopy - Locked",
    /*  3 */ "Taxy lamps - ON",
    /*  4 */ "Flare doors - CLOSED",
    /*  5 */ "Anti-icing - As required",
    /*  6 */ "JPT controllers - OFF and MAX",
    /*  7 */ "Flaps - selected and indicated UP",
    /*  8 */ "Autostabiliser - STANDBY",
    /*  9 */ "Trims - NEUTRAL",
    /* 10 */ "Airbrakes - selected and indicated IN",
    /* 11 */ "Aileron gear - LOW ALT, check MI BLACK",
    /* 12 */ "HGU - Erect, button free, flag BLACK",
    /* 13 */ "Altimeter - STBY",
    /* 14 */ "Standby inverter MI - check BLACK",
    /* 15 */ "Compasses - check readings",
    /* 16 */ "HSI - flags clear, mode selected",
    /* 17 */ "Standby AI - flags clear",
    /* 18 */ "Engine instruments - check",
    /* 19 */ "Oil pressure MIs - check BLACK",
    /* 20 */ "Generators - Lights out, 28v",
    /* 21 */ "Roll damper - OFF",
    /* 22 */ "Radio altimeter - Tested",
    /* 23 */ "Takeoff panel - All switches UP",
    /* 24 */ "Hydraulic pressures - 2650 to 2750 PSI",
    /* 25 */ "Engine air switches - ON",
    /* 26 */ "Cabin air - As required",
    /* 27 */ "Oxygen - As required",
    /* 28 */ "Autopilot - OFF, channels OUT",
    /* 29 */ "AC volts/frequency - check 115v, 400Hz",
    /* 30 */ "Feel simulator pressures - 160 to 200 PSI",
    /* 31 */ "Fuel contents - checked",
    /* 32 */ "Top tanks cock - ON",
    /* 33 */ "Rear tank cocks - ON",
    /* 34 */ "LP pumps - All ON",
    /* 35 */ "Flying controls - check full and free",
    /* 36 */ "Rudder/aileron fail lights - OUT",
    /* 37 */ "Transponder - As required",
    /* 38 */ "Strobe lights - As required",
    /* 39 */ "Pins - Stowed",
    /* 40 */ "Safety speed - 150kts at 90%, 170kts at 100%",
};

// 7. "After Takeoff" (7 items)
constexpr const char* AFTER_TAKEOFF[] = {
    /*  1 */ "Wheelbrakes - ON then OFF",
    /*  2 */ "Landing gear - UP",
    /*  3 */ "Safety speed - climbing RPM set",
    /*  4 */ "170 knots - Landing gear lights out",
    /*  5 */ "Landing lamp - OFF",
    /*  6 */ "JPT controllers - Check JPT, ON and MAX",
    /*  7 */ "Autostabiliser - ON below 250 knots at safe height",
};

// 8. "Transition Altitude" (3 items)
constexpr const char* TRANSITION_ALTITUDE[] = {
    /*  1 */ "Altimeter - STBY",
    /*  2 */ "LP pumps - As required",
    /*  3 */ "Taxy lamps - As required",
};

// 9. "Climbing" (5 items)
constexpr const char* CLIMBING[] = {
    /*  1 */ "Oxygen - Contents and flow checked",
    /*  2 */ "Electrics - Check AC 115v, 400Hz, MI black, DC 28v",
    /*  3 */ "Engines - Within limits",
    /*  4 */ "Fuel distribution - Checked",
    /*  5 */ "Cabin pressure - Checked",
};

// 10. "Before Descent" (16 items)
constexpr const char* BEFORE_DESCENT[] = {
    /*  1 */ "Weather and airfield state - Checked",
    /*  2 */ "Fuel distribution - Checked",
    /*  3 */ "Radios - Frequencies selected",
    /*  4 */ "Altimeter - As required, to STBY",
    /*  5 */ "Radio altimeter - ON, scale and limit set",
    /*  6 */ "Demist controls - As required",
    /*  7 */ "Safety altitude - Checked",
    /*  8 */ "Taxy lamps - As required",
    /*  9 */ "Anti-icing - As required",
    /* 10 */ "JPT controllers - OFF",
    /* 11 */ "Autostabiliser - As required",
    /* 12 */ "Aileron gear - LOW ALT, check MI BLACK",
    /* 13 */ "Roll damper - OFF",
    /* 14 */ "Autopilot - OFF",
    /* 15 */ "Airbrakes - MID",
    /* 16 */ "Airspeed - Hold 250kts/0.75M ",
};

// 11. "Before Landing" (6 items)
constexpr const char* BEFORE_LANDING[] = {
    /*  1 */ "Anti-icing - As required (minimum 70% in icing)",
    /*  2 */ "Airbrakes - IN",
    /*  3 */ "Landing gear - DOWN, 3 greens (190kt MAX)",
    /*  4 */ "Fuel contents - Checked",
    /*  5 */ "LP pumps - Minimum two ON per engine",
    /*  6 */ "Brakes - OFF (2650 PSI minimum)",
};

// 12. "After Landing" (17 items)
constexpr const char* AFTER_LANDING[] = {
    /*  1 */ "Transponder - GROUND",
    /*  2 */ "Strobe lights - Upper RED",
    /*  3 */ "Taxy lamps - As required",
    /*  4 */ "Landing lamp - As required",
    /*  5 */ "Anti-icing - As required",
    /*  6 */ "Trims - As required",
    /*  7 */ "Cabin air - HOT",
    /*  8 */ "Engine air switches - OFF",
    /*  9 */ "Dump switches - Both NORMAL",
    /* 10 */ "Canopy - As required",
    /* 11 */ "Flaps - UP",
    /* 12 */ "Demister - OFF",
    /* 13 */ "Fire warning lights - OUT",
    /* 14 */ "Radio altimeter - OFF",
    /* 15 */ "LP pumps - As required",
    /* 16 */ "Takeoff panel - Heaters as required",
    /* 17 */ "Autopilot - OFF",
};

// 13. "Shutdown" (25 items)
constexpr const char* SHUTDOWN[] = {
    /*  1 */ "Parking brake - ON",
    /*  2 */ "Anti-icing - OFF",
    /*  3 */ "Tailplane - Full nose down, one blip UP",
    /*  4 */ "Right throttle lever - HP cock OFF",
    /*  5 */ "Flare doors - OPEN",
    /*  6 */ "Flaps - DOWN",
    /*  7 */ "Main hydraulic pressure - 2650 to 2750 PSI",
    /*  8 */ "Aileron 50% fail light - check ON",
    /*  9 */ "Left throttle lever - HP cock OFF",
    /* 10 */ "Start master and ignition switches - OFF",
    /* 11 */ "LP pumps, top tanks and rear tank cocks - OFF",
    /* 12 */ "No6 inverter - OFF",
    /* 13 */ "Pitot heat and vent valve heaters - OFF",
    /* 14 */ "NAV/COM (1/2) - OFF",
    /* 15 */ "JPT controllers - OFF",
    /* 16 */ "Autostabiliser - OFF",
    /* 17 */ "Strobe lights - OFF",
    /* 18 */ "External lights - OFF",
    /* 19 */ "E2B light dimmer - OFF",
    /* 20 */ "Parking brake - OFF",
    /* 21 */ "Rudder/aileron fail lights - check ON",
    /* 22 */ "Master LP cocks - OFF",
    /* 23 */ "Internal lights - OFF",
    /* 24 */ "Avionics Master - OFF",
    /* 25 */ "Battery - OFF",
};

// A checklist row: its item count beside its title, checked against the items given.
template <std::size_t COUNT, std::size_t N>
constexpr Checklist list(const char* title, const char* const (&items)[N]) {
    static_assert(COUNT == N && N <= CHECKLIST_SLOTS);
    return {title, items, static_cast<int>(N)};
}

}  // namespace

const Checklist CHECKLISTS[CHECKLIST_COUNT] = {
    list<6>("Initial", INITIAL),
    list<5>("External", EXTERNAL),
    list<57>("Internal", INTERNAL),
    list<50>("Starting", STARTING),
    list<26>("After Start", AFTER_START),
    list<3>("Taxy", TAXY),
    list<40>("Before Takeoff", BEFORE_TAKEOFF),
    list<7>("After Takeoff", AFTER_TAKEOFF),
    list<3>("Transition Altitude", TRANSITION_ALTITUDE),
    list<5>("Climbing", CLIMBING),
    list<16>("Before Descent", BEFORE_DESCENT),
    list<6>("Before Landing", BEFORE_LANDING),
    list<17>("After Landing", AFTER_LANDING),
    list<25>("Shutdown", SHUTDOWN),
};

}  // namespace tarmelon
