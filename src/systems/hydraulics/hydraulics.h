// The hydraulics: one pump on each engine, the main and wheel-brake pressures they give,
// the pressure that flap, gear and brake movements take, the hand pump with the emergency
// gear and the photoflash doors, the feel simulator, and the simulator's hydraulic state
// kept in step with the main pressure. Also the pilot's brake and flap inputs, which need
// that pressure.
//
// Reads: tokens 1 (ticks), 61 (airspeed), 624 and 643 (engine RPM), 824 (the simulator's
// hydraulic state); "A:TRAILING EDGE FLAPS LEFT ANGLE, degrees", "A:GEAR LEFT POSITION,
// degrees", "A:BRAKE INDICATOR, degrees", "A:TAILHOOK POSITION, percent",
// "L:Photoflash_lever_POS, bool", "L:Gearpan_emergency_u, enum", "L:landing_gear_hand_pump,
// enum", "L:Flare_door_emergency_lever, enum", "L:GearDownButton, bool";
// state.electrical.dcPowerAvailable.
// Writes: state.hydraulics; "L:RPM_ENG1, number", "L:RPM_ENG2, number", "L:FeelSim_1,
// number", "L:FeelSim_2, number", "L:HydrNeedleVC, number", "L:HydrBrakeNeedleVC, number",
// "L:toeBrakeLeft,number", "L:toeBrakeRight,number"; the gear buttons on an emergency
// lowering; definition 30 (tail hook percent).
// Key events: 66309 [1] (hydraulic state), 65700 [1] (emergency gear), 65852 [1] (gear pump),
// 66881 [1]/[0] (photoflash doors).
// Example: engine 1 at 21 % from cold: +50 PSI an update, 2750 PSI after 55 updates; a flap
// selection then shows 2020 PSI from the next slow tick (20 ticks) until the flaps stop.
#pragma once

#include <cstdint>

namespace tarmelon {

// The Hydraulics gauge's update: pumps, pressures, watches, hand pump.
void update_hydraulics();

// Every frame: the virtual cockpit's main and brake pressure needles.
void update_hydraulic_needles_vc();
// Every frame: the toe brake positions.
void update_toe_brakes();

// The larger of the two pump pressures.
std::int32_t larger_pump_pressure();

// The pilot's brake inputs: re-sent while the accumulator holds pressure; each application
// on the hand pump costs some of it.
void brakes_input(std::int32_t v);                   // "BRAKES"
void differential_brake_input(bool right, std::int32_t v);  // "BRAKES_LEFT" / "BRAKES_RIGHT"
void parking_brakes_input(std::int32_t v);           // "PARKING_BRAKES"

// The pilot's flap inputs: the lever follows; the flaps move only with main pressure.
enum class FlapInput { UP, DOWN, INCREASE, DECREASE };
void flaps_input(FlapInput input, std::int32_t v);

}  // namespace tarmelon
