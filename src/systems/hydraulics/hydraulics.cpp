#include "systems/hydraulics/hydraulics.h"

#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "simlink/aircraft_data.h"
#include "simlink/connection.h"
#include "simlink/ids.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr std::int32_t PUMP_STEP = 50;
constexpr std::int32_t PUMP_TOP = 2700;           // a pump at or below this still climbs
constexpr std::int32_t HAND_PUMP_LIMIT = 2750;
constexpr std::int32_t ENGINE_RUNNING_RPM = 20;   // percent; above it the pump delivers
constexpr std::int32_t MOVING_MARKER = 2020;      // main pressure while a surface moves
constexpr std::int32_t BRAKES_ON_MARKER = 1520;   // brake pressure while the brakes are on
constexpr std::uint32_t SLOW_TICK = 20;           // ticks of token 1
constexpr std::int32_t FLAPS_END_UP = 0;
constexpr std::int32_t FLAPS_END_DOWN = 70;

HydraulicsState& hyd() { return state.hydraulics; }

void pump(int engine) {
    HydraulicsState& h = hyd();
    if (h.engineRpm[engine] > ENGINE_RUNNING_RPM) {
        h.handPumpInUse = 0;
        if (h.pumpPressure[engine] <= PUMP_TOP) {
            h.pumpPressure[engine] += PUMP_STEP;
            h.aileronServoPressure[engine] += PUMP_STEP;
        }
    } else if (h.pumpPressure[engine] >= PUMP_STEP) {
        h.pumpPressure[engine] -= PUMP_STEP;
        h.aileronServoPressure[engine] -= PUMP_STEP;
    }
}

// A movement shows as a drop to the marker pressure. It ends at an end position, when the
// main pressure is lost (flaps), or as soon as the surface is seen standing still between
// two slow ticks: a surface stopped short of its ends (a flap selection between detents, a
// gear leg held by its lock) must not pin the main pressure at the marker for good.
void watch(SurfaceWatch& w, std::int32_t angle, bool ends_on_pressure_loss) {
    HydraulicsState& h = hyd();
    if (w.moving == 0) {
        if (w.started == 0) w.last = angle;
        if (angle != w.last) {
            w.moving = 1;
            h.mainHydraulicPressure = MOVING_MARKER;
        }
        w.started = 1;
        w.last = angle;
        return;
    }
    const bool at_end = angle == FLAPS_END_UP || angle == FLAPS_END_DOWN;
    const bool stopped = angle == w.last;
    if (at_end || stopped || (ends_on_pressure_loss && h.mainPressureLost == 1)) {
        h.mainHydraulicPressure = larger_pump_pressure();
        w.moving = 0;
    }
    w.last = angle;
}

void brake_watch() {
    const std::int32_t b = get_int("A:BRAKE INDICATOR, degrees");
    if (b > 0) hyd().brakePressure = BRAKES_ON_MARKER;
    else if (b == 0) hyd().brakePressure = larger_pump_pressure();
}

void slow_tick() {
    HydraulicsState& h = hyd();
    const std::uint32_t now = truncate_u32(read_token(TOKEN_TICK18));
    if (now < h.slowTickDeadline) return;
    const bool moving_pressure = h.pumpPressure[0] >= MOVING_MARKER || h.pumpPressure[1] >= MOVING_MARKER;
    if (moving_pressure) {
        watch(h.flapWatch, get_int("A:TRAILING EDGE FLAPS LEFT ANGLE, degrees"), true);
        watch(h.gearWatch, get_int("A:GEAR LEFT POSITION, degrees"), false);
    }
    if (h.pumpPressure[0] >= BRAKES_ON_MARKER || h.pumpPressure[1] >= BRAKES_ON_MARKER) brake_watch();
    h.slowTickDeadline = now + SLOW_TICK;
}

void hydraulic_state() {
    HydraulicsState& h = hyd();
    const std::int32_t sim_state = truncate_i32(read_token(TOKEN_HYDRAULIC_PANEL));
    if (h.mainHydraulicPressure == 0) {
        h.mainPressureLost = 1;
        if (sim_state != 0) host_trigger_key_event(KEY_HYDRAULIC_TOGGLE, 1);
    } else {
        h.mainPressureLost = 0;
        if (sim_state == 0) host_trigger_key_event(KEY_HYDRAULIC_TOGGLE, 1);
    }
}

constexpr std::int32_t TAIL_HOOK_STEP = 10;

// With both engines stopped the hand pump is the only source of pressure.
void hand_pump(std::int32_t photoflash_lever, std::int32_t tail_hook, std::int32_t emergency_lever) {
    HydraulicsState& h = hyd();
    if (emergency_lever == 1 && h.emergencyGearLowered == 0) {
        host_trigger_key_event(KEY_GEAR_SET, 1);
        if (get_int("L:GearDownButton, bool") == 0) {
            set_int("L:GearUpButton, bool", 0);
            set_int("L:GearDownButton, bool", 1);
        }
        h.emergencyGearLowered = 1;
    }
    if (emergency_lever == 1) host_trigger_key_event(KEY_GEAR_PUMP, 1);
    if (photoflash_lever == 1 && tail_hook <= 90) {
        host_trigger_key_event(KEY_TAIL_HOOK_HANDLE, 1);
        write_definition(DEF_TAILHOOK, tail_hook + TAIL_HOOK_STEP);
    } else if (photoflash_lever == 0 && tail_hook >= 10) {
        host_trigger_key_event(KEY_TAIL_HOOK_HANDLE, 0);
        write_definition(DEF_TAILHOOK, tail_hook - TAIL_HOOK_STEP);
    }
    if (h.brakePressure < HAND_PUMP_LIMIT) {
        h.handPumpInUse = 1;
        h.brakePressure += PUMP_STEP;
    }
}

}  // namespace

std::int32_t larger_pump_pressure() {
    const HydraulicsState& h = hyd();
    return h.pumpPressure[0] > h.pumpPressure[1] ? h.pumpPressure[0] : h.pumpPressure[1];
}

void update_hydraulics() {
    HydraulicsState& h = hyd();
    if (h.slowTickArmed == 0) {
        h.slowTickDeadline = truncate_u32(read_token(TOKEN_TICK18)) + SLOW_TICK;
        h.slowTickArmed = 1;
    }

    const double rpm1 = read_token(TOKEN_ENGINE1_RPM);
    const double rpm2 = read_token(TOKEN_ENGINE2_RPM);
    set_double("L:RPM_ENG1, number", rpm1);
    set_double("L:RPM_ENG2, number", rpm2);
    h.engineRpm[0] = truncate_i32(rpm1);
    h.engineRpm[1] = truncate_i32(rpm2);

    const bool running = h.engineRpm[0] > ENGINE_RUNNING_RPM || h.engineRpm[1] > ENGINE_RUNNING_RPM;
    set_int("L:FeelSim_1, number", running ? 85 : 0);
    set_int("L:FeelSim_2, number", running ? 88 : 0);

    pump(0);
    pump(1);

    const std::int32_t m = larger_pump_pressure();
    if (h.mainHydraulicPressure != MOVING_MARKER || m < h.mainHydraulicPressure) h.mainHydraulicPressure = m;
    if ((h.brakePressure != BRAKES_ON_MARKER || m < h.brakePressure) && h.handPumpInUse == 0) h.brakePressure = m;

    slow_tick();

    h.aileronPowerLost = h.aileronServoPressure[0] == 0 && h.aileronServoPressure[1] == 0 ? 1 : 0;
    hydraulic_state();
    h.allPressureLost =
        h.aileronServoPressure[0] == 0 && h.pumpPressure[0] == 0 && h.pumpPressure[1] == 0 ? 1 : 0;

    const std::int32_t photoflash_lever = get_int("L:Photoflash_lever_POS, bool");
    const std::int32_t tail_hook = get_int("A:TAILHOOK POSITION, percent");
    const std::int32_t emergency_lever = get_int("L:Gearpan_emergency_u, enum");
    const std::int32_t hand_pump_lever = get_int("L:landing_gear_hand_pump, enum");
    const std::int32_t flare_door_lever = get_int("L:Flare_door_emergency_lever, enum");

    if (hand_pump_lever == 1 && h.mainPressureLost == 1) hand_pump(photoflash_lever, tail_hook, emergency_lever);

    if (state.electrical.dcPowerAvailable == 0 && tail_hook != 100 && photoflash_lever == 1 && flare_door_lever == 1)
        host_trigger_key_event(KEY_TAIL_HOOK_HANDLE, 1);
}

void update_hydraulic_needles_vc() {
    set_int("L:HydrNeedleVC, number", hyd().mainHydraulicPressure * 1000 / 4000);
    set_int("L:HydrBrakeNeedleVC, number", hyd().brakePressure * 1000 / 4000);
}

void update_toe_brakes() {
    set_int("L:toeBrakeLeft,number", truncate_i32(state.simdata.brakeLeftPercent));
    set_int("L:toeBrakeRight,number", truncate_i32(state.simdata.brakeRightPercent));
}

void brakes_input(std::int32_t v) {
    if (hyd().brakePressure <= 10) return;
    transmit_event(EV_BRAKES, v);
    if (hyd().handPumpInUse == 1) hyd().brakePressure -= 10;
}

void differential_brake_input(bool right, std::int32_t v) {
    if (hyd().brakePressure <= 5) return;
    transmit_event(right ? EV_BRAKES_RIGHT : EV_BRAKES_LEFT, v);
    if (hyd().handPumpInUse == 1) hyd().brakePressure -= 5;
}

void parking_brakes_input(std::int32_t v) { transmit_event(EV_PARKING_BRAKES, v); }

void flaps_input(FlapInput input, std::int32_t v) {
    static constexpr sdk::DWORD_T EVENTS[] = {EV_FLAPS_UP, EV_FLAPS_DOWN, EV_FLAPS_INCR, EV_FLAPS_DECR};
    static constexpr std::int32_t LEVER[] = {1, 0, 0, 1};
    const auto i = static_cast<int>(input);
    if (hyd().mainPressureLost == 0) transmit_event(EVENTS[i], v);
    set_int("L:FlapLever Position, bool", LEVER[i]);
}

}  // namespace tarmelon
