// The fuel controls of the takeoff panel: the two engine master LP cocks and the two wing
// to rear tank transfer switches. The fuel model reads their variables.
//
// Reads and writes: "L:portLPCockPos, number" and "L:stbdLPCockPos, number" (0 shut; 1
// open; 2 open with the cover shut over it), their virtual-cockpit levers
// "L:Hydpan_port_fuelcocks,bool" / "L:Hydpan_stbd_fuelcocks,bool" and covers
// "L:PortFuelCocksCover,bool" / "L:StrbFuelCocksCover,bool" (1 shut over the lever);
// "L:PortTrans2RearTankPos, bool" and "L:StbdTrans2RearTankPos, bool" (1 feed the engine,
// 0 transfer to the rear tank). Sends no key events.
// Example: the port cock at 0: a left click opens it (1: lever 1, cover 0), a right click
// shuts the cover over it (2: lever 1, cover 1). In the virtual cockpit the lever cannot
// move under a shut cover, and a cover cannot be shut over a shut cock.
// The click sounds are the panels'; these are the controls' rules.
#pragma once

namespace tarmelon {

// "ENG1 Master LP Cock", "ENG2 Master LP Cock": left 0 <-> 1, right 1 <-> 2, then the
// lever and cover follow the position.
void port_lp_cock_click(bool right);
void stbd_lp_cock_click(bool right);
// The virtual cockpit's cover and lever of each cock; the position follows them.
void port_lp_cock_cover_vc();
void port_lp_cock_lever_vc();
void stbd_lp_cock_cover_vc();
void stbd_lp_cock_lever_vc();

// "Port wing to rear tank fuel transfer", "Starboard wing to rear tank fuel transfer".
void toggle_port_wing_transfer();
void toggle_stbd_wing_transfer();

// Both cocks' levers and covers rewritten from their positions (after a restored cockpit).
void sync_lp_cock_mirrors();

}  // namespace tarmelon
