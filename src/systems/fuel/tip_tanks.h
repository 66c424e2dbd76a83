// The guarded tip-tank jettison switch on the gear and flaps panel. It animates only: no
// fuel leaves the aircraft, and the switch springs back from jettison within two seconds.
//
// Reads and writes: "L:TankJettison_Switch_POS, number" (0 guard shut, 1 guard open, 2
// jettison), its guard "L:Gearpan_Fueltank_jet_guard,bool" and lever
// "L:Gearpan_fueltank_jettison,bool". Reads token 604 (seconds). Sends no key events.
// Example: right click (guard open, 1), left click (jettison, 2); at the next two-second
// boundary of the icon's clock the switch is back at 1 with the lever down.
#pragma once

namespace tarmelon {

// "Jettison Tip Tanks": left 1 to 2 only; right 0 to 1 and 1 to 0.
void tip_tank_jettison_click(bool right);
// The virtual cockpit's guard and lever.
void tip_tank_guard_vc();
void tip_tank_lever_vc();
// The switch icon's spring-back; returns the position.
double tip_tank_jettison_icon();
// The guard and lever rewritten from the position (after a restore or a preset).
void sync_tip_tank_mirrors();

}  // namespace tarmelon
