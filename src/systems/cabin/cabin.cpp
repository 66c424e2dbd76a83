#include "systems/cabin/cabin.h"

#include <cstring>

#include "core/files.h"
#include "core/host.h"
#include "core/numeric.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "sdk/win32.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr char DUMP_SWITCH[] = "L:PressureDump_SwitchPos, number";
constexpr char CABIN_AIR_SELECTOR[] = "L:cabinAirSelPos, number";
constexpr char ENGINE_AIR_1[] = "L:EngineAir1_switch, bool";
constexpr char ENGINE_AIR_2[] = "L:EngineAir2_switch, bool";
constexpr char OXYGEN_VALVE[] = "L:OxySelectorSwitch, bool";
constexpr char AIR_INLET[] = "L:OxyPercentSwitch, bool";
constexpr char OXYGEN_SELECTOR[] = "L:OxyPanel_ModeSelectorPos, number";

constexpr std::int32_t TEMP_SETTING_MAX = 120;
constexpr std::uint32_t CABIN_AIR_SPRING_TICKS = 18;
constexpr std::uint32_t PILOT_FLOW_TICKS = 20;
constexpr std::uint32_t NAV_FLOW_TICKS = 26;
constexpr std::uint32_t CONTENTS_SECONDS = 15;
constexpr std::int32_t OXYGEN_CONTENTS_FULL = 2250;
constexpr std::int32_t REGULATOR_SCALE_PSI = 500;

constexpr std::uint32_t KEY_PITOT_HEAT = 66074;
constexpr std::uint32_t KEY_ENGINE1_ANTI_ICE_SET = 66488;
constexpr std::uint32_t KEY_ENGINE2_ANTI_ICE_SET = 66489;

bool dc_power() { return state.electrical.dcPowerAvailable == 1; }
std::uint32_t ticks() { return truncate_u32(read_token(TOKEN_TICK18)); }
std::uint32_t seconds() { return truncate_u32(read_token(TOKEN_SECONDS)); }

// A two-position switch: above 0 becomes 0, anything else 1. Returns the new position.
std::int32_t toggle(const char* variable) {
    const std::int32_t now = get_int(variable) > 0 ? 0 : 1;
    set_int(variable, now);
    return now;
}

// The cabin altimeter's scale: cabin altitude in feet to needle units.
struct ScalePoint {
    double feet;
    double needle;
};
constexpr ScalePoint CABIN_ALTIMETER[] = {{0, 0}, {10000, 91}, {30000, 522}, {40000, 822}, {50000, 1000}};

void cabin_air_step(std::uint32_t flags, bool warmer) {
    constexpr std::uint32_t LEFT = 0x20000000;
    constexpr std::uint32_t RELEASE = 0x00020000;
    CabinState& c = state.cabin;
    if ((flags & LEFT) != 0) c.cabinAirHeld = 1;
    else if ((flags & RELEASE) != 0) c.cabinAirHeld = 0;
    set_int("L:tempSelChange, bool", c.cabinAirHeld);

    std::int32_t selector = get_int(CABIN_AIR_SELECTOR);
    if (warmer && selector < 2) set_int(CABIN_AIR_SELECTOR, ++selector);
    if (!warmer && selector > 0) set_int(CABIN_AIR_SELECTOR, --selector);
    if (warmer && selector == 2 && c.cabinTempSetting < TEMP_SETTING_MAX) ++c.cabinTempSetting;
    if (!warmer && selector == 0 && c.cabinTempSetting > 0) --c.cabinTempSetting;
}

// One magnetic flow indicator step: steady with the selector off normal breathing,
// blinking at normal breathing, out with the valve shut (or nobody to breathe).
void flow_indicator_step(const char* indicator, bool breathing) {
    if (get_int(OXYGEN_VALVE) == 1 && breathing) {
        if (get_int(OXYGEN_SELECTOR) != 0) set_int(indicator, 1);
        else set_int(indicator, get_int(indicator) == 1 ? 0 : 1);
    } else {
        set_int(indicator, 0);
    }
}

void oxygen_contents_step(int gauge, const char* needle) {
    CabinClock& clock = state.cabin.oxygenContentsClock[gauge];
    std::int32_t& contents = state.cabin.oxygenContents[gauge];
    const std::uint32_t now = seconds();
    if (clock.armed == 0) {
        clock.next = now + CONTENTS_SECONDS;
        clock.armed = 1;
    }
    if (now >= clock.next) {
        if (get_int(OXYGEN_VALVE) == 1 && dc_power()) {
            const std::int32_t use = get_int(AIR_INLET) == 1 ? 2 : 1;
            contents = contents > use ? contents - use : 0;  // an empty bottle stays empty
        }
        clock.next = now + CONTENTS_SECONDS;
    }
    set_int(needle, dc_power() ? contents : 0);
}

}  // namespace

// ---- cabin air and pressurisation ---------------------------------------------------

void cabin_altitude_step() {
    CabinState& c = state.cabin;
    const double aircraft = get_double("A:PLANE ALTITUDE, Feet") / 1000.0;
    if (get_int(DUMP_SWITCH) == 2) {
        if (aircraft > c.cabinAltitude) c.cabinAltitude += 0.1;
        else c.cabinAltitude = aircraft;
    } else {
        const double target = aircraft / 2.0 + 2.0;
        if (c.cabinAltitude > target) c.cabinAltitude -= 0.01;
        else c.cabinAltitude = target;
    }
    if (get_int(ENGINE_AIR_1) == 0 && get_int(ENGINE_AIR_2) == 0) c.cabinTempSetting = 0;
}

double cabin_altitude() { return state.cabin.cabinAltitude; }
double cabin_temp_setting() { return state.cabin.cabinTempSetting; }

void cabin_air_warmer(std::uint32_t flags) { cabin_air_step(flags, true); }
void cabin_air_cooler(std::uint32_t flags) { cabin_air_step(flags, false); }

double cabin_air_selector_frame() {
    CabinClock& clock = state.cabin.cabinAirClock;
    if (clock.armed == 0) {
        clock.next = ticks() + CABIN_AIR_SPRING_TICKS;
        clock.armed = 1;
    }
    clock.current = ticks();
    std::int32_t selector = get_int(CABIN_AIR_SELECTOR);
    if (clock.current >= clock.next) {
        if ((selector == 0 || selector == 2) && state.cabin.cabinAirHeld == 0) {
            selector = 1;
            set_int(CABIN_AIR_SELECTOR, selector);
        }
        clock.next = ticks() + CABIN_AIR_SPRING_TICKS;
    }
    set_int("L:cabinAir_timer_start, bool", clock.armed);
    set_int("L:cabinAirTemp_time_check, number", truncate_i32(clock.next));
    set_int("L:cabinAirTemp_time_cur, number", truncate_i32(clock.current));
    if (selector < 0) return 0.0;
    return selector > 2 ? 2.0 : static_cast<double>(selector);
}

void update_cabin_altitude_needle() {
    if (!dc_power()) {
        set_int("L:CabinAltNeedleVC, number", 0);
        return;
    }
    const double feet = state.cabin.cabinAltitude * 1000.0;
    if (feet > CABIN_ALTIMETER[4].feet) return;  // beyond the scale the needle keeps its place
    double needle = 0.0;
    for (std::size_t i = 1; i < sizeof CABIN_ALTIMETER / sizeof CABIN_ALTIMETER[0]; ++i) {
        const ScalePoint& lo = CABIN_ALTIMETER[i - 1];
        const ScalePoint& hi = CABIN_ALTIMETER[i];
        if (feet <= hi.feet) {
            if (feet > lo.feet) needle = lo.needle + (feet - lo.feet) / (hi.feet - lo.feet) * (hi.needle - lo.needle);
            else needle = lo.needle;
            break;
        }
    }
    set_int("L:CabinAltNeedleVC, number", truncate_i32(needle));
}

void update_dump_valve_light() {
    const bool lit = dc_power() && (get_int(DUMP_SWITCH) == 2 || get_int("L:dump_valve_press,bool") == 1);
    set_int("L:Dump_Valve_Light, bool", lit ? 1 : 0);
}

void update_hot_cold_switch() {
    std::int32_t& setting = state.cabin.cabinTempSetting;
    const std::int32_t position = get_int("L:TO_HotColdVC,enum");
    if (position == 0 && setting < TEMP_SETTING_MAX) ++setting;
    if (position == 2 && setting > 0) --setting;
}

void update_cabin_temperature_needle() {
    const std::int32_t target = state.cabin.cabinTempSetting * 1000 / TEMP_SETTING_MAX;
    std::int32_t needle = get_int("L:cabinTempValNeedleVC,number");
    const std::int32_t gap = target - needle;
    const std::int32_t step = (gap >= -5 && gap <= 5) ? 1 : 5;
    if (gap > 0) needle += gap < step ? gap : step;
    if (gap < 0) needle -= -gap < step ? -gap : step;
    set_int("L:cabinTempValNeedleVC,number", needle);
}

// ---- take-off panel and anti-ice switches ------------------------------------------

void toggle_canopy_heat() {
    if (toggle("L:Canopy Heat Position, bool") == 0) set_int("L:Canopy Heat, bool", 0);
}

void toggle_pitot_heat() {
    if (toggle("L:Pitot Heat Position, bool") == 1) host_trigger_key_event(KEY_PITOT_HEAT, 1);
}

void toggle_vent_valves() {
    if (toggle("L:VentValves Position, bool") == 0) set_int("L:VentValves, bool", 0);
}

void toggle_compass_gyro() {
    const std::int32_t now = toggle("L:CompassGyro_switch, bool");
    set_int("L:CompassGyro_switch_pos, bool", now);
}

void toggle_engine_air_1() { set_int(ENGINE_AIR_1, get_int(ENGINE_AIR_1) <= 0 ? 1 : 0); }
void toggle_engine_air_2() { set_int(ENGINE_AIR_2, get_int(ENGINE_AIR_2) <= 0 ? 1 : 0); }

void toggle_port_anti_ice() {
    host_trigger_key_event(KEY_ENGINE1_ANTI_ICE_SET,
                           static_cast<std::uint32_t>(toggle("L:AntiIce_port_switch_POS, bool")));
}

void toggle_stbd_anti_ice() {
    host_trigger_key_event(KEY_ENGINE2_ANTI_ICE_SET,
                           static_cast<std::uint32_t>(toggle("L:AntiIce_stbd_switch_POS, bool")));
}

// ---- oxygen -------------------------------------------------------------------------

void toggle_oxygen_valve() { set_int("L:OxySelectorSwitchPos, bool", toggle(OXYGEN_VALVE)); }

void toggle_air_inlet() {
    const std::int32_t now = toggle(AIR_INLET);
    set_int("L:OxyPercentSwitchPos, bool", now);
    set_int("L:OxyPercentSwitchVC, bool", now == 1 ? 0 : 1);
}

void oxygen_selector_upper() {
    const std::int32_t selector = get_int(OXYGEN_SELECTOR);
    if (selector > 1) set_int(OXYGEN_SELECTOR, selector - 2);
}

void oxygen_selector_lower() {
    const std::int32_t selector = get_int(OXYGEN_SELECTOR);
    if (selector <= 5) set_int(OXYGEN_SELECTOR, selector + 2);
}

double oxygen_selector_frame() {
    // The selector's four positions and their animation; any other value (a hand-edited
    // panel state) leaves the animation where it is.
    constexpr std::int32_t ROTARY[] = {0, 33, 66, 100};
    const std::int32_t selector = get_int(OXYGEN_SELECTOR);
    const std::int32_t shown = selector + get_int("L:OxyLight_emer, bool");
    set_int("L:OxyPanel_ModeSelectorPos_new,number", shown);
    set_int(OXYGEN_SELECTOR, selector);
    if (selector >= 0 && selector <= 6 && selector % 2 == 0) set_int("L:Oxypan_rotary_test,number", ROTARY[selector / 2]);
    if (shown < 0) return 0.0;
    return shown > 7 ? 7.0 : static_cast<double>(shown);
}

double regulator_pressure() {
    const std::int32_t pressure = dc_power() && get_int(OXYGEN_VALVE) == 1 ? state.cabin.oxygenRandom : 0;
    state.cabin.regulatorPressure = pressure;
    set_int("L:Oxypan_oxygen_needle,number", pressure * 1000 / REGULATOR_SCALE_PSI);
    return pressure;
}

double regulator_pressure_tooltip() {
    set_int("L:OxyPanel_Pressure, number", state.cabin.regulatorPressure);
    return state.cabin.regulatorPressure;
}

void read_nav_compartment() {
    constexpr DWORD VALUE_BUFFER = 64;
    state.cabin.navCompartmentManned = 0;
    char path[PATH_BUFFER];
    if (!aircraft_file_path(path, "aircraft.cfg")) return;
    char value[VALUE_BUFFER] = {};
    GetPrivateProfileStringA("WEIGHT_AND_BALANCE", "NavCompartmentStatus", "", value, VALUE_BUFFER, path);
    value[VALUE_BUFFER - 1] = '\0';
    state.cabin.navCompartmentManned = std::strcmp(value, "Manned") == 0 ? 1 : 0;
}

void oxygen_flow_indicators() {
    CabinState& c = state.cabin;
    set_int("L:Oxypan_rotary_mi, bool", 0);
    set_int("L:OxyLight_emer, bool", 0);
    const std::uint32_t now = ticks();
    if (c.flowClocksArm == 1) {
        c.pilotFlowNext = now + PILOT_FLOW_TICKS;
        c.navFlowNext = now + NAV_FLOW_TICKS;
        c.flowClocksArm = 0;
    }
    if (now >= c.pilotFlowNext) {
        flow_indicator_step("L:OxyLight_norm, bool", true);
        c.pilotFlowNext = now + PILOT_FLOW_TICKS;
    }
    if (now >= c.navFlowNext) {
        flow_indicator_step("L:NavOxyLight, bool", c.navCompartmentManned == 1);
        c.navFlowNext = now + NAV_FLOW_TICKS;
    }
}

void update_oxygen_flow_animations() {
    set_int("L:PilotsOxyLight,number", get_int("L:OxyLight_norm, bool") == 1 ? 100 : 0);
    set_int("L:NavigatorOxyLight,number", get_int("L:NavOxyLight, bool") == 1 ? 100 : 0);
}

void update_oxygen_contents() {
    oxygen_contents_step(1, "L:OXY_needle2,number");
    oxygen_contents_step(0, "L:OXY_needle1,number");
}

void reset_cabin() {
    CabinState& c = state.cabin;
    c.cabinAltitude = 0.0;
    c.cabinTempSetting = 0;
    c.cabinAirHeld = 0;
    c.cabinAirClock = {};
    c.regulatorPressure = 0;
    for (int gauge = 0; gauge < 2; ++gauge) {
        c.oxygenContents[gauge] = OXYGEN_CONTENTS_FULL;
        c.oxygenContentsClock[gauge] = {};
    }
    c.flowClocksArm = 1;
    c.pilotFlowNext = 0;
    c.navFlowNext = 0;
}

}  // namespace tarmelon
