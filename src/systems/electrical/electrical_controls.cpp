#include "systems/electrical/electrical_controls.h"

#include "core/host.h"
#include "simlink/ground_equipment.h"
#include "state.h"
#include "core/vars.h"

namespace tarmelon {

namespace {

constexpr std::uint32_t KEY_AVIONICS_MASTER_SET = 66701;

constexpr char BATTERY[] = "L:AircraftBattPos, number";
constexpr char BATTERY_LEVER[] = "L:Hydpan_aircraft_battery,bool";
constexpr char BATTERY_GUARD[] = "L:Hydpan_batteryguard,bool";
constexpr char GROUND_TEST[] = "L:GroundTestPos, number";
constexpr char GROUND_TEST_LEVER[] = "L:Lightpan_inv2_test,bool";
constexpr char GROUND_TEST_GUARD[] = "L:lightpan_Inv2_test_guard,number";
constexpr char EMERGENCY_AVIONICS[] = "L:ElecStart_EMGAv_position, number";
constexpr char EMERGENCY_AVIONICS_LEVER[] = "L:Avpan_emergency_avionics,bool";
constexpr char EMERGENCY_AVIONICS_GUARD[] = "L:Avpan_emerg_avionics_guard,bool";
constexpr char START_VOLTS[] = "L:ElecStartVolts, number";

constexpr std::int32_t GROUND_TEST_GUARD_OPEN = 50;
constexpr std::int32_t START_BATTERY_CHARGED = 124;

// A two-position switch: above 0 becomes 0, anything else 1.
std::int32_t toggled(std::int32_t value) { return value > 0 ? 0 : 1; }
std::int32_t toggle(const char* name) {
    const std::int32_t now = toggled(get_int(name));
    set_int(name, now);
    return now;
}
bool set(const char* name) { return get_int(name) > 0; }

// One click of a guarded switch: the button's pairs of neighbouring positions swap.
struct Swap {
    std::int32_t a, b;
};
template <std::size_t L, std::size_t R>
void step(const char* position, bool right, const Swap (&left_swaps)[L], const Swap (&right_swaps)[R]) {
    const std::int32_t now = get_int(position);
    const Swap* swaps = right ? right_swaps : left_swaps;
    const std::size_t count = right ? R : L;
    for (std::size_t i = 0; i < count; ++i) {
        if (now == swaps[i].a) return set_int(position, swaps[i].b);
        if (now == swaps[i].b) return set_int(position, swaps[i].a);
    }
}

// Lever and guard for each position; a position outside the table leaves them.
struct Mirrors {
    std::int32_t lever, guard;
};
template <std::size_t N>
void write_mirrors(const char* position, const char* lever, const char* guard, const Mirrors (&table)[N]) {
    const std::int32_t now = get_int(position);
    if (now < 0 || static_cast<std::size_t>(now) >= N) return;
    set_int(lever, table[now].lever);
    set_int(guard, table[now].guard);
}

constexpr Mirrors BATTERY_MIRRORS[] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
constexpr Mirrors GROUND_TEST_MIRRORS[] = {{0, 0}, {0, GROUND_TEST_GUARD_OPEN}, {1, GROUND_TEST_GUARD_OPEN}};
constexpr Mirrors EMERGENCY_AVIONICS_MIRRORS[] = {{0, 0}, {0, 1}, {1, 1}};

void battery_mirrors() { write_mirrors(BATTERY, BATTERY_LEVER, BATTERY_GUARD, BATTERY_MIRRORS); }
void ground_test_mirrors() { write_mirrors(GROUND_TEST, GROUND_TEST_LEVER, GROUND_TEST_GUARD, GROUND_TEST_MIRRORS); }
void emergency_avionics_mirrors() {
    write_mirrors(EMERGENCY_AVIONICS, EMERGENCY_AVIONICS_LEVER, EMERGENCY_AVIONICS_GUARD, EMERGENCY_AVIONICS_MIRRORS);
}

// The positions from the virtual cockpit's lever and guard.
void derive_battery_position() {
    const bool lever = set(BATTERY_LEVER);
    const bool guard = set(BATTERY_GUARD);
    set_int(BATTERY, lever ? (guard ? 2 : 3) : (guard ? 1 : 0));
}

// A lever thrown with the guard shut leaves the position.
void derive_guarded_position(const char* position, bool lever, bool guard) {
    if (!guard && lever) return;
    set_int(position, lever ? 2 : (guard ? 1 : 0));
}

bool toggle_breaker(const char* name) { return toggle(name) == 1; }

}  // namespace

void battery_switch_click(bool right) {
    step(BATTERY, right, {Swap{1, 2}}, {Swap{0, 1}, Swap{2, 3}});
    battery_mirrors();
}

void battery_guard_vc() {
    toggle(BATTERY_GUARD);
    derive_battery_position();
}

void battery_lever_vc() {
    if (set(BATTERY_GUARD)) toggle(BATTERY_LEVER);
    derive_battery_position();
}

void ground_power_click() {
    create_ground_units();
    toggle("L:TarmelonGroundPower, bool");
}

void toggle_generator_1_switch() { toggle("L:GEN1OnOffPos, number"); }
void toggle_generator_2_switch() { toggle("L:GEN2OnOffPos, number"); }
bool toggle_generator_1_breaker() { return toggle_breaker("L:Gen1CircuitBreaker, bool"); }
bool toggle_generator_2_breaker() { return toggle_breaker("L:Gen2CircuitBreaker, bool"); }

void inverter_selector_click(bool right) { step("L:inv12SelPos, number", right, {Swap{1, 2}}, {Swap{0, 1}}); }
void toggle_inverter_6() { toggle("L:Inverter6, number"); }
void toggle_inverter_meter_selector() { toggle("L:Inverter_MeterSel_pos, number"); }

void ground_test_click(bool right) {
    step(GROUND_TEST, right, {Swap{1, 2}}, {Swap{0, 1}});
    ground_test_mirrors();
}

void ground_test_guard_vc() {
    set_int(GROUND_TEST_GUARD, set(GROUND_TEST_GUARD) ? 0 : GROUND_TEST_GUARD_OPEN);
    derive_guarded_position(GROUND_TEST, set(GROUND_TEST_LEVER), set(GROUND_TEST_GUARD));
}

void ground_test_lever_vc() {
    toggle(GROUND_TEST_LEVER);
    derive_guarded_position(GROUND_TEST, set(GROUND_TEST_LEVER), set(GROUND_TEST_GUARD));
}

void emergency_avionics_click(bool right) {
    step(EMERGENCY_AVIONICS, right, {Swap{1, 2}}, {Swap{0, 1}});
    emergency_avionics_mirrors();
}

void emergency_avionics_lever_vc() {
    toggle(EMERGENCY_AVIONICS_LEVER);
    derive_guarded_position(EMERGENCY_AVIONICS, set(EMERGENCY_AVIONICS_LEVER), set(EMERGENCY_AVIONICS_GUARD));
}

void emergency_avionics_guard_vc() {
    toggle(EMERGENCY_AVIONICS_GUARD);
    derive_guarded_position(EMERGENCY_AVIONICS, set(EMERGENCY_AVIONICS_LEVER), set(EMERGENCY_AVIONICS_GUARD));
}

void toggle_avionics_master() {
    const std::int32_t now = toggle("L:ElecStart_AvsOnOffPos, bool");
    host_trigger_key_event(KEY_AVIONICS_MASTER_SET, static_cast<std::uint32_t>(now));
}

void toggle_read_voltage() { toggle("L:ElecStart_Push2ReadPos, bool"); }
void toggle_dvm_breaker() { toggle("L:ElecStart_DVMonoffPos, bool"); }
void toggle_instrument_lights_breaker() { toggle("L:ElecStart_InstLightsPos, bool"); }
void restore_start_volts() { set_int(START_VOLTS, START_BATTERY_CHARGED); }

bool voltmeter_readout_shown() {
    return get_int("L:ElecStart_Push2ReadPos, bool") == 1 && state.electrical.dcPowerAvailable == 1;
}

bool voltmeter_shown() { return voltmeter_readout_shown() && get_int("L:ElecStart_DVMonoffPos, bool") == 0; }

std::int32_t voltmeter_digit(std::int32_t place) {
    if (place <= 0) return 0;
    const std::int32_t volts = get_int(START_VOLTS);
    return volts < 0 ? 0 : volts / place % 10;
}

void sync_battery_mirrors() { battery_mirrors(); }
void sync_emergency_avionics_mirrors() { emergency_avionics_mirrors(); }
void sync_ground_test_mirrors() { ground_test_mirrors(); }

}  // namespace tarmelon
