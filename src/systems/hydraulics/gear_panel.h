// The gear and flaps panel: the gear up and down buttons, the flap lever, the nine gear
// position lamps with their day/night and A/B selectors, and the positions the panel
// publishes for the virtual cockpit.
//
// Reads: "A:GEAR LEFT POSITION, percent", "A:GEAR CENTER POSITION, percent", "A:GEAR RIGHT
// POSITION, percent", "A:GENERAL ENG THROTTLE LEVER POSITION:1, percent" and ":2",
// "A:CANOPY OPEN, percent", "A:SIM ON GROUND, bool", token 61 (airspeed);
// state.electrical.dcPowerAvailable.
// Writes: "L:GearUpButton, bool", "L:GearDownButton, bool", "L:FlapLever Position, bool",
// "L:gear_DayNight_lampPos, number", "L:gear_AB_lampPos, number", the lamps'
// "L:Gearpan_<gear>_<lamp>_bright,bool" and "_dim,bool", "L:tempCanopy, number",
// "L:ENG1_thrPerc, number", "L:ENG2_thrPerc, number", "L:curGearPos_nose, number",
// "L:curGearPos_left, number", "L:curGearPos_right, number"; the canopy's flags.
// Key events: 65700 [0] raises and [1] lowers the gear; 65595 [0] raises and 65603 [0]
// lowers the flaps.
// Example: gear down and locked (100 %), day, A/B at 0, DC power: the port and nose
// "greena" and the starboard "greenb" lamps light bright (frame 1), the reds stay dark.
#pragma once

namespace tarmelon {

// "Gear UP Button": raises the gear only airborne above 74 kn with DC power.
void gear_up_button();
// "Gear Down Button": lowers the gear with DC power.
void gear_down_button();
// "Flaps lever up/down".
void flap_lever();

// "Day/Night lamp selector" and "Lamp A/B selector": the left half raises to 1, the right
// half lowers to 0.
void day_night_selector_raise();
void day_night_selector_lower();
void ab_selector_raise();
void ab_selector_lower();

// The panel's update: copies the gear, throttle and lamp selector positions, publishes
// them and sets the canopy's closed and fully-open flags.
void update_gear_panel();

// The nine lamps: 0 dark, 1 bright, 2 dim; each writes its two variables.
enum class GearLeg { PORT, NOSE, STBD };
double gear_red_lamp(GearLeg leg);
// Set A: the port and nose "greena" lamps and the starboard "greenb"; set B the others.
double gear_green_lamp(GearLeg leg, bool set_b);

}  // namespace tarmelon
