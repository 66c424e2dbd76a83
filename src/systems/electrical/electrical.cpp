#include "systems/electrical/electrical.h"

#include <cstdlib>
#include <ctime>

#include "core/host.h"
#include "core/numeric.h"
#include "core/tokens.h"
#include "core/toggle_sync.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr std::uint32_t KEY_TOGGLE_MASTER_BATTERY = 66241;
constexpr std::uint32_t KEY_TOGGLE_ALTERNATOR[2] = {66363, 66364};

constexpr const char* ENGINE_MASTER[2] = {"L:Engine1_MasterPos, bool", "L:Engine2_MasterPos, bool"};
constexpr const char* GEN_BREAKER[2] = {"L:Gen1CircuitBreaker, bool", "L:Gen2CircuitBreaker, bool"};
constexpr const char* GEN_SWITCH[2] = {"L:GEN1OnOffPos, number", "L:GEN2OnOffPos, number"};
constexpr const char* SIM_ALTERNATOR[2] = {"A:GENERAL ENG MASTER ALTERNATOR:1, bool",
                                           "A:GENERAL ENG MASTER ALTERNATOR:2, bool"};
constexpr const char* GEN_FAIL_LIGHT[2] = {"L:Gen1FailLight,bool", "L:Gen2FailLight,bool"};

constexpr char INVERTER4_START[] = "L:Tarmelon_Inverter4Start, number";
constexpr char INVERTER4_RUN_LOOP[] = "L:Tarmelon_Inverter4RunLoop, number";
constexpr char INVERTER4_SHUTDOWN[] = "L:Tarmelon_Inverter4Shutdown, number";

constexpr std::int32_t GENERATOR_MIN_RPM = 20;       // percent
constexpr std::uint32_t INVERTER4_START_SECONDS = 3;  // start sound, then the run loop
constexpr std::int32_t START_BATTERY_CHARGED = 124;   // what ground power charges it to

std::int32_t on_line(bool b) { return b ? 1 : 0; }

bool cockpit_view() { return state.electrical.viewMode == 1.0 || state.electrical.viewMode == 2.0; }

std::uint32_t now_seconds() { return truncate_u32(read_token(TOKEN_SECONDS)); }

std::uint32_t seconds_after(std::uint32_t now, std::uint32_t seconds) {
    return now > UINT32_MAX - seconds ? UINT32_MAX : now + seconds;
}

void write_inverter4_sounds(std::int32_t start, std::int32_t run_loop, std::int32_t shutdown) {
    set_int(INVERTER4_START, start);
    set_int(INVERTER4_RUN_LOOP, run_loop);
    set_int(INVERTER4_SHUTDOWN, shutdown);
}

// Keeps a simulator switch that only toggles in step with what the aircraft wants.
void follow_by_toggle(std::uint8_t& wait, bool wanted, bool actual, std::uint32_t key) {
    if (toggle_needed(wait, wanted, actual)) host_trigger_key_event(key, 1);
}

// Inverter 4 and its sounds: Start for three seconds after it starts, then the run loop
// until it stops, which sounds Shutdown once. Outside the cockpit views the sounds are
// silenced, and the run loop comes back three seconds after a cockpit view returns.
void update_inverter4(bool run) {
    ElectricalState& e = state.electrical;
    if (!run) {
        e.inverter4Running = 0;
        if (e.inv4ShutdownDone == 0) {
            set_int(INVERTER4_START, 0);
            set_int(INVERTER4_RUN_LOOP, 0);
            set_int(INVERTER4_SHUTDOWN, 1);
            e.inv4ShutdownDone = 1;
        }
        e.inv4Started = 0;
        e.inv4RunLoop = 0;
        // A timer left armed would cut the start sound of the next start short.
        e.inv4TimerArmed = 0;
    } else {
        e.inverter4Running = 1;
        if (e.inv4Started == 0) {
            set_int(INVERTER4_SHUTDOWN, 0);
            set_int(INVERTER4_RUN_LOOP, 0);
            set_int(INVERTER4_START, 1);
            e.inv4Started = 1;
            // Whatever ran before, this start ends with its own shutdown sound (which also
            // silences the start sound of a start shorter than three seconds).
            e.inv4ShutdownDone = 0;
        }
        if (e.inv4RunLoop == 0 || (e.inv4RunLoop == 1 && e.inv4ViewCut == 1)) {
            const std::uint32_t now = now_seconds();
            // Armed anew when it was not, or when the clock has gone back (a reloaded flight).
            if (e.inv4TimerArmed == 0 || now < e.inv4Deadline - INVERTER4_START_SECONDS) {
                e.inv4Deadline = seconds_after(now, INVERTER4_START_SECONDS);
                e.inv4TimerArmed = 1;
            }
            if (now >= e.inv4Deadline) {
                write_inverter4_sounds(0, 2, 0);
                e.inv4TimerArmed = 0;
                e.inv4RunLoop = 1;
                e.inv4ShutdownDone = 0;
                e.inv4ViewCut = 0;
            }
        }
    }
    if (!cockpit_view()) {
        e.inv4ViewCut = 1;
        write_inverter4_sounds(0, 0, 0);
    }
    set_int("L:Elec_STATUS_inv4, bool", e.inverter4Running);
}

// Moves a shown meter reading one unit towards its target.
std::int32_t step_towards(std::int32_t& shown, std::int32_t target) {
    if (shown < target) ++shown;
    else if (shown > target) --shown;
    return shown;
}

// The shown reading of the inverter the meter selector picks: 1 inverter 1, 0 inverter 2.
std::int32_t* selected_reading(std::int32_t& inverter1, std::int32_t& inverter2, int& inverter) {
    const std::int32_t selector = get_int("L:Inverter_MeterSel_pos, number");
    if (selector == 1) {
        inverter = 1;
        return &inverter1;
    }
    if (selector == 0) {
        inverter = 2;
        return &inverter2;
    }
    return nullptr;
}

bool inverter_running(int inverter) {
    if (inverter == 1) return state.electrical.inverter1Running == 1;
    if (inverter == 2) return state.electrical.inverter2Running == 1;
    return false;
}

// One draw from a generator seeded with the clock second: the same all through a second.
std::int32_t jitter() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    return std::rand() % 5;
}

}  // namespace

void update_electrical() {
    ElectricalState& e = state.electrical;

    // 1. Switches and the simulator's alternators.
    const std::int32_t engine_master[2] = {get_int(ENGINE_MASTER[0]), get_int(ENGINE_MASTER[1])};
    const std::int32_t breaker[2] = {get_int(GEN_BREAKER[0]), get_int(GEN_BREAKER[1])};
    const std::int32_t ground_power = get_int("L:TarmelonGroundPower, bool");
    const std::int32_t gen_switch[2] = {get_int(GEN_SWITCH[0]), get_int(GEN_SWITCH[1])};
    const std::int32_t alternator[2] = {get_int(SIM_ALTERNATOR[0]), get_int(SIM_ALTERNATOR[1])};

    // 2. Ground power, on the ground only.
    e.groundPowerOn = on_line(ground_power == 1 && state.simdata.simOnGround == 1);
    set_int("L:GroundUnitsShow, bool", e.groundPowerOn);

    // 3. Battery: the switch on (guard open or shut over it) or ground power.
    const bool master_battery = get_int("A:ELECTRICAL MASTER BATTERY, bool") != 0;
    const std::int32_t battery = get_int("L:AircraftBattPos, number");
    e.batteryOn = on_line(battery == 2 || battery == 3 || e.groundPowerOn == 1);
    follow_by_toggle(e.masterBatteryToggleWait, e.batteryOn == 1, master_battery, KEY_TOGGLE_MASTER_BATTERY);

    // 4, 5. Inverter switches; engine RPM.
    const std::int32_t inverter_selector = get_int("L:inv12SelPos, number");
    const std::int32_t inverter6_switch = get_int("L:Inverter6, number");
    const std::int32_t ground_test = get_int("L:GroundTestPos, number");
    e.eng1RpmPercent = truncate_i32(read_token(TOKEN_ENGINE1_RPM));
    e.eng2RpmPercent = truncate_i32(read_token(TOKEN_ENGINE2_RPM));

    // 6. Generators, and the simulator's alternators after them.
    const std::int32_t rpm[2] = {e.eng1RpmPercent, e.eng2RpmPercent};
    std::int32_t* const online[2] = {&e.gen1Online, &e.gen2Online};
    for (int g = 0; g < 2; ++g) {
        *online[g] = on_line(rpm[g] >= GENERATOR_MIN_RPM && breaker[g] == 0 && gen_switch[g] == 1);
        follow_by_toggle(e.alternatorToggleWait[g], *online[g] == 1, alternator[g] != 0, KEY_TOGGLE_ALTERNATOR[g]);
    }
    const bool any_generator = e.gen1Online == 1 || e.gen2Online == 1;

    // 7. Stiction, while a generator runs and a cockpit view is shown.
    set_int("L:Tarmelon_Stiction, number", any_generator ? 2 : 0);
    if (!cockpit_view()) set_int("L:Tarmelon_Stiction, number", 0);

    // 8. Inverter 1, on the previous update's DC power and inverter 2.
    set_int("L:Elec_STATUS_invSelector, bool", inverter_selector);
    e.inverter1Running = on_line(engine_master[0] == 1 && e.dcPowerAvailable == 1 &&
                                 (e.inverter2Running == 0 || inverter_selector == 2));

    // 9. Inverter 2: a generator, or the ground test switch.
    e.inverter2Running = on_line(any_generator || ground_test == 2);
    set_int("L:Elec_STATUS_inv2, bool", e.inverter2Running);

    // 10. Inverter 4, on the previous update's DC power.
    update_inverter4(engine_master[1] == 1 && e.dcPowerAvailable == 1 && any_generator);

    // 11. Inverter 6, on the previous update's DC power.
    e.inverter6Running = on_line(inverter6_switch == 1 && e.dcPowerAvailable == 1);

    // 12. DC power on the busbar.
    e.dcPowerAvailable = any_generator || e.groundPowerOn == 1 || e.batteryOn == 1 ? 1 : 0;
    set_int("L:DCpowerAvailable, bool", e.dcPowerAvailable);

    // 13. The radio altimeter's limit light.
    e.radaltLimitLit = get_int("L:radalt_limit_on,bool") == 1 && e.dcPowerAvailable == 1 ? 1 : 0;

    // 14. Ground power charges the start battery.
    if (e.groundPowerOn == 1 && get_int("L:ElecStartVolts, number") < START_BATTERY_CHARGED)
        set_int("L:ElecStartVolts, number", START_BATTERY_CHARGED);
}

void update_busbar_meter() {
    const ElectricalState& e = state.electrical;
    double volts = 0.0;
    if (e.gen1Online == 1 || e.gen2Online == 1) volts = 28.0;
    if (e.batteryOn == 1 && volts < 24.0) volts = 24.0;
    if (e.groundPowerOn == 1 && volts < 28.0) volts = 28.0;
    set_int("L:BusbarNeedle,number", truncate_i32(volts / 35.0 * 150.0));
}

void update_generator_fail_lights() {
    const ElectricalState& e = state.electrical;
    const std::int32_t online[2] = {e.gen1Online, e.gen2Online};
    for (int g = 0; g < 2; ++g)
        set_int(GEN_FAIL_LIGHT[g], online[g] == 0 && e.dcPowerAvailable == 1 ? 0 : 1);
}

void update_standby_inverter_indicator() {
    set_int("L:standby_inverter_mi,bool", state.electrical.inverter1Running);
}

std::int32_t inverter_volts_target(int inverter) { return inverter_running(inverter) ? 115 + jitter() : 0; }

std::int32_t inverter_cycles_target(int inverter) { return inverter_running(inverter) ? 400 + jitter() : 0; }

double update_volts_meter() {
    ElectricalState& e = state.electrical;
    int inverter = 0;
    std::int32_t* shown = selected_reading(e.inv1VoltsShown, e.inv2VoltsShown, inverter);
    if (shown == nullptr) return 0.0;
    const std::int32_t reading = step_towards(*shown, inverter_volts_target(inverter));
    set_int("L:VoltsNeedleVC,number", reading);
    return reading;
}

double update_cycles_meter() {
    ElectricalState& e = state.electrical;
    int inverter = 0;
    std::int32_t* shown = selected_reading(e.inv1CyclesShown, e.inv2CyclesShown, inverter);
    if (shown == nullptr) return 0.0;
    const std::int32_t reading = step_towards(*shown, inverter_cycles_target(inverter));
    set_int("L:CyclesNeedleVC,number", reading <= 360 ? 150 : reading * 100 / 440);
    return reading;
}

void publish_inverter_readings() {
    set_int("L:tempVolts_inv1, number", state.electrical.inv1VoltsShown);
    set_int("L:tempVolts_inv2, number", state.electrical.inv2VoltsShown);
    set_int("L:get_inverter1_volts, number", inverter_volts_target(1));
    set_int("L:get_inverter2_volts, number", inverter_volts_target(2));
}

void reset_electrical() {
    ElectricalState& e = state.electrical;
    // The view and the toggles on their way belong to the simulator, not to the cockpit.
    const double view = e.viewMode;
    const std::uint8_t battery_wait = e.masterBatteryToggleWait;
    const std::uint8_t alternator_wait[2] = {e.alternatorToggleWait[0], e.alternatorToggleWait[1]};
    e = ElectricalState{};
    e.viewMode = view;
    e.masterBatteryToggleWait = battery_wait;
    e.alternatorToggleWait[0] = alternator_wait[0];
    e.alternatorToggleWait[1] = alternator_wait[1];
}

void note_cockpit_view(std::uint32_t view) { state.electrical.viewMode = static_cast<double>(view); }

}  // namespace tarmelon
