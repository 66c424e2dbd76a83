#include "aircraft.h"

#include <algorithm>
#include <cmath>

#include "text.h"

namespace bench {

namespace {

struct Rest {
    const char* name;
    double value;
};

// The aircraft parked on the airfield, cold: what the A: and P: variables read at load.
constexpr Rest kAtRest[] = {
    {"A:PLANE ALTITUDE, feet", 250.0},
    {"A:INDICATED ALTITUDE, feet", 250.0},
    {"A:PLANE HEADING DEGREES MAGNETIC, degrees", 270.0},
    {"A:PLANE LATITUDE, degrees", 52.36},
    {"A:PLANE LONGITUDE, degrees", -0.48},
    {"A:SIM ON GROUND, bool", 1.0},
    {"A:ELECTRICAL BATTERY VOLTAGE, volts", 24.0},
    {"A:KOHLSMAN SETTING MB, millibars", 1013.25},
    {"A:G FORCE, gforce", 1.0},
    {"A:AUTOPILOT HEADING LOCK DIR, degrees", 270.0},
    {"A:NAV OBS:1, degrees", 270.0},
    {"A:NAV OBS:2, degrees", 270.0},
    {"A:WHISKEY COMPASS INDICATION DEGREES, degrees", 270.0},
    {"A:GPS GROUND MAGNETIC TRACK, degrees", 270.0},
    {"A:GEAR HANDLE POSITION, bool", 1.0},
    {"A:BRAKE PARKING POSITION, bool", 1.0},
    {"A:FUEL TANK SELECTOR:1, enum", 1.0},
    {"A:FUEL TANK SELECTOR:2, enum", 1.0},
    {"A:TRANSPONDER CODE:1, bco16", 0x1200},
    {"P:SIMULATION RATE, number", 1.0},
};

// Token numbers and the aircraft variable behind each, with the token's scale.
struct TokenRow {
    int id;
    const char* name;
    double scale;
};

constexpr TokenRow kTokens[] = {
    {74, "A:PLANE ALTITUDE, feet", 1.0},
    {81, "A:PLANE HEADING DEGREES MAGNETIC, degrees", 1.0},
    {854, "A:NAV OBS:1, degrees", 1.0},
    {855, "A:AUTOPILOT HEADING LOCK DIR, degrees", 1.0},
    {71, "A:PLANE LATITUDE, degrees", 1.0},
    {72, "A:PLANE LONGITUDE, degrees", 1.0},
    {61, "A:AIRSPEED INDICATED, knots", 1.0},
    {64, "A:AIRSPEED MACH, mach", 1.0},
    {75, "A:KOHLSMAN SETTING MB, millibars", 1.0},
    {69, "A:TURN COORDINATOR BALL, position", 1.0},
    {83, "A:WHISKEY COMPASS INDICATION DEGREES, degrees", 1.0},
    {351, "A:G FORCE, gforce", 624.0},
    {45, "A:NAV OBS:1, degrees", 1.0},
    {54, "A:NAV OBS:2, degrees", 1.0},
    {78, "A:ATTITUDE INDICATOR PITCH DEGREES, degrees", 1.0},
    {80, "A:ATTITUDE INDICATOR BANK DEGREES, degrees", 1.0},
    {77, "A:PLANE PITCH DEGREES, degrees", 1.0},
    {79, "A:PLANE BANK DEGREES, degrees", 1.0},
    {107, "A:GPS GROUND MAGNETIC TRACK, degrees", 1.0},
    {109, "A:INDICATED ALTITUDE, feet", 1.0},
    {562, "A:ENG OIL PRESSURE:1, psi", 1.0},
    {572, "A:ENG OIL PRESSURE:2, psi", 1.0},
    {624, "A:GENERAL ENG RPM:1, rpm", 1.0},
    {643, "A:GENERAL ENG RPM:2, rpm", 1.0},
    {638, "A:ENG FUEL FLOW PPH:1, pounds per hour", 1.0},
    {657, "A:ENG FUEL FLOW PPH:2, pounds per hour", 1.0},
};

// Key events the aircraft reacts to: number, name where known, and what it does.
enum class Action { SetTo, Toggle, On, Off, Canopy };
struct KeyRow {
    std::uint32_t id;
    const char* name;
    Action action;
    const char* variable;
};

constexpr KeyRow kKeys[] = {
    {65700, "GEAR_SET", Action::SetTo, "A:GEAR HANDLE POSITION, bool"},
    {65715, "XPNDR_SET", Action::SetTo, "A:TRANSPONDER CODE:1, bco16"},
    {65716, "VOR1_SET", Action::SetTo, "A:NAV OBS:1, degrees"},
    {65717, "VOR2_SET", Action::SetTo, "A:NAV OBS:2, degrees"},
    {65752, "PARKING_BRAKES", Action::Toggle, "A:BRAKE PARKING POSITION, bool"},
    {65962, "FUEL_SELECTOR_SET", Action::SetTo, "A:FUEL TANK SELECTOR:1, enum"},
    {66523, "FUEL_SELECTOR_2_SET", Action::SetTo, "A:FUEL TANK SELECTOR:2, enum"},
    {66042, "HEADING_BUG_SET", Action::SetTo, "A:AUTOPILOT HEADING LOCK DIR, degrees"},
    {66052, "STROBES_ON", Action::On, "A:LIGHT STROBE, bool"},
    {66053, "STROBES_OFF", Action::Off, "A:LIGHT STROBE, bool"},
    {66060, "LANDING_LIGHTS_TOGGLE", Action::Toggle, "A:LIGHT LANDING, bool"},
    {66239, "TOGGLE_BEACON_LIGHTS", Action::Toggle, "A:LIGHT BEACON, bool"},
    {66240, "TOGGLE_TAXI_LIGHTS", Action::Toggle, "A:LIGHT TAXI, bool"},
    {66376, "TOGGLE_LOGO_LIGHTS", Action::Toggle, "A:LIGHT LOGO, bool"},
    {66377, "TOGGLE_RECOGNITION_LIGHTS", Action::Toggle, "A:LIGHT RECOGNITION, bool"},
    {66378, "TOGGLE_WING_LIGHTS", Action::Toggle, "A:LIGHT WING, bool"},
    {66379, "TOGGLE_NAV_LIGHTS", Action::Toggle, "A:LIGHT NAV, bool"},
    {66579, "TOGGLE_CABIN_LIGHTS", Action::Toggle, "A:LIGHT CABIN, bool"},
    {66389, "TOGGLE_AIRCRAFT_EXIT", Action::Canopy, "A:CANOPY OPEN, percent"},
    {66701, "AVIONICS_MASTER_SET", Action::SetTo, "A:AVIONICS MASTER SWITCH, bool"},
    {66074, "PITOT_HEAT_SET", Action::SetTo, "A:PITOT HEAT, bool"},
};

// SimConnect events without a key number here, applied by name.
enum class Axis { Throttle1, Throttle2, ThrottleBoth };

double axis_to_percent(std::uint32_t data) {
    // Axis events carry -16383..16383 as a signed 32-bit value.
    double v = static_cast<std::int32_t>(data);
    return std::clamp((v + 16383.0) / 32766.0 * 100.0, 0.0, 100.0);
}

constexpr double kCanopyPercentPerSecond = 25.0;

}  // namespace

double Aircraft::get(std::string_view name) const {
    auto parsed = parse_variable_name(name);
    return parsed ? vars_.get(parsed->key) : 0.0;
}

void Aircraft::set(std::string_view name, double value) {
    if (auto parsed = parse_variable_name(name)) vars_.set(*parsed, value);
}

void Aircraft::toggle(std::string_view name) { set(name, get(name) != 0.0 ? 0.0 : 1.0); }

void Aircraft::reset() {
    for (const auto& row : kAtRest) set(row.name, row.value);
    canopy_target_ = 0.0;
}

void Aircraft::step(double dt_seconds) {
    constexpr const char* kCanopy = "A:CANOPY OPEN, percent";
    double canopy = get(kCanopy);
    if (canopy != canopy_target_) {
        double delta = kCanopyPercentPerSecond * dt_seconds;
        canopy = canopy < canopy_target_ ? std::min(canopy + delta, canopy_target_)
                                         : std::max(canopy - delta, canopy_target_);
        set(kCanopy, canopy);
    }
}

bool Aircraft::apply_key(std::uint32_t id, std::uint32_t parameter) {
    for (const auto& row : kKeys) {
        if (row.id != id) continue;
        switch (row.action) {
            case Action::SetTo: set(row.variable, static_cast<double>(parameter)); break;
            case Action::Toggle:
                toggle(row.variable);
                if (id == 66240) set("A:LIGHT TAXI ON, bool", get(row.variable));
                break;
            case Action::On: set(row.variable, 1.0); break;
            case Action::Off: set(row.variable, 0.0); break;
            case Action::Canopy: canopy_target_ = canopy_target_ > 0.0 ? 0.0 : 100.0; break;
        }
        return true;
    }
    return false;
}

bool Aircraft::apply_sim_event(std::string_view name, std::uint32_t data) {
    if (auto id = key_event_id(name)) return apply_key(*id, data);
    struct AxisRow {
        const char* name;
        Axis axis;
        bool full_range;
    };
    static constexpr AxisRow kAxes[] = {
        {"AXIS_THROTTLE1_SET", Axis::Throttle1, true}, {"AXIS_THROTTLE2_SET", Axis::Throttle2, true},
        {"AXIS_THROTTLE_SET", Axis::ThrottleBoth, true}, {"THROTTLE1_SET", Axis::Throttle1, false},
        {"THROTTLE2_SET", Axis::Throttle2, false},     {"THROTTLE_SET", Axis::ThrottleBoth, false},
    };
    for (const auto& row : kAxes) {
        if (name != row.name) continue;
        double percent = row.full_range
                             ? axis_to_percent(data)
                             : std::clamp(static_cast<std::int32_t>(data) / 16383.0 * 100.0, 0.0, 100.0);
        if (row.axis != Axis::Throttle2) set("A:GENERAL ENG THROTTLE LEVER POSITION:1, percent", percent);
        if (row.axis != Axis::Throttle1) set("A:GENERAL ENG THROTTLE LEVER POSITION:2, percent", percent);
        return true;
    }
    if (name == "GEAR_UP") return set("A:GEAR HANDLE POSITION, bool", 0.0), true;
    if (name == "GEAR_DOWN") return set("A:GEAR HANDLE POSITION, bool", 1.0), true;
    if (name == "GEAR_TOGGLE") return toggle("A:GEAR HANDLE POSITION, bool"), true;
    if (name == "TOGGLE_STARTER1") return toggle("A:GENERAL ENG STARTER:1, bool"), true;
    if (name == "TOGGLE_STARTER2") return toggle("A:GENERAL ENG STARTER:2, bool"), true;
    return false;
}

std::optional<std::uint32_t> Aircraft::key_event_id(std::string_view name) {
    std::string wanted = upper(name);
    for (const auto& row : kKeys)
        if (wanted == row.name) return row.id;
    return std::nullopt;
}

std::optional<double> Aircraft::token(int id) const {
    for (const auto& row : kTokens)
        if (row.id == id) return get(row.name) * row.scale;
    return std::nullopt;
}

bool Aircraft::set_token(int id, double value) {
    for (const auto& row : kTokens) {
        if (row.id != id) continue;
        set(row.name, value / row.scale);
        return true;
    }
    return false;
}

}  // namespace bench
