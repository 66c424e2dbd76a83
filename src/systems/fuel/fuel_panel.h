// The fuel panel's controls and readings, and what the fuel system overview window shows.
//
// Reads: the pump, cock and switch variables of the fuel panel and the take-off panel,
// "A:FUEL TANK <tank> QUANTITY,gallon", state.fuel.
// Writes: the pump and rear-cock variables, "L:Top2BellyTransCockPos, number" with its
// virtual-cockpit lever and guard, state.fuel.autoFuelManagement, state.fuel.panelTankLbs
// (each tank's pounds as a needle or the overview last computed them), state.fuel.overview.
// Key events: 66507 [1500] opens, 66508 [1500] closes the fuel system overview window.
//
// Example: the top-to-belly cock at 1 (guard open, off): a left click turns it on (2), lever
// 1 and guard 1; a right click then shuts the guard over it (3), lever 1 and guard 0. In the
// virtual cockpit, opening the guard (69682) from there gives lever 1, guard 1: position 2.
// A belly tank of 500 gallons reads 3350 lbs: its needle shows 3336, the top of its scale,
// and its tooltip "Belly Tank Quantity [3350 lbs]".
#pragma once

#include <cstdint>

#include "systems/fuel/fuel_state.h"

namespace tarmelon {

// Pumps and rear cocks: each toggles (on becomes off, anything else on).
void toggle_belly_pump_port();
void toggle_belly_pump_stbd();
void toggle_wing_pump_port();
void toggle_wing_pump_stbd();
void toggle_rear_pump_port();
void toggle_rear_pump_stbd();
void toggle_rear_cock_port();
void toggle_rear_cock_stbd();

// The guarded top-to-belly transfer cock. The panel's click: left turns it on and off under
// the open guard (1 and 2), right opens and shuts the guard (0 and 1, 2 and 3). The
// virtual cockpit works the guard, and the lever while the guard is open.
void top_belly_cock_click(bool right);
void top_belly_guard_vc();
void top_belly_lever_vc();

void toggle_auto_fuel_management();
const char* auto_fuel_management_text();  // "ON" or "OFF"

void open_fuel_overview();
void close_fuel_overview();

// A Fuel_Panel needle: the tank's pounds now, kept for its tooltip and the overview, shown
// within the scale (0 to 3424 for a wing, 3336 belly, 7680 top tanks, 4320 rear).
double panel_tank_needle(PanelTank tank);
// The pounds a needle or the overview last computed.
double panel_tank_lbs(PanelTank tank);

// The overview window's gauge callback: copies the switches and the tanks' pounds.
void take_overview_copies();
// Its four-digit quantity fields: the pounds, truncated, within 0 .. 9999; the top tanks
// shown as four quarters.
std::int32_t overview_tank_lbs(PanelTank tank);
std::int32_t overview_top_quarter_lbs();

}  // namespace tarmelon
