#include "systems/fuel/fuel_panel.h"

#include <cstddef>

#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/vars.h"
#include "state.h"
#include "systems/fuel/fuel_variables.h"

namespace tarmelon {

namespace {

constexpr double LBS_PER_GALLON = 6.7;
constexpr std::uint32_t OVERVIEW_WINDOW = 1500;

void toggle(const char* variable) { set_int(variable, get_int(variable) > 0 ? 0 : 1); }

// Position 0 guard shut, off; 1 guard open, off; 2 guard open, on; 3 guard shut, on.
constexpr std::int32_t LEVER_OF_POSITION[4] = {0, 0, 1, 1};
constexpr std::int32_t GUARD_OF_POSITION[4] = {0, 1, 1, 0};

void write_top_belly(std::int32_t position) {
    set_int(fuelvar::TOP_BELLY_COCK, position);
    if (position < 0 || position > 3) return;
    set_int(fuelvar::TOP_BELLY_LEVER, LEVER_OF_POSITION[position]);
    set_int(fuelvar::TOP_BELLY_GUARD, GUARD_OF_POSITION[position]);
    state.fuel.topBellyMirroredPos = position;
}

// The virtual cockpit's lever and guard give the position: (lever, guard) (0,0) 0, (0,1) 1,
// (1,1) 2, (1,0) 3.
void derive_top_belly(bool lever, bool guard) {
    set_int(fuelvar::TOP_BELLY_LEVER, lever ? 1 : 0);
    set_int(fuelvar::TOP_BELLY_GUARD, guard ? 1 : 0);
    const std::int32_t position = lever ? (guard ? 2 : 3) : (guard ? 1 : 0);
    set_int(fuelvar::TOP_BELLY_COCK, position);
    state.fuel.topBellyMirroredPos = position;
}

struct PanelNeedle {
    FuelTankIndex tank;
    double maximum;
};

// In the order of PanelTank.
constexpr PanelNeedle PANEL_NEEDLES[PANEL_TANK_COUNT] = {
    {TANK_PORT_WING, 3424.0}, {TANK_STBD_WING, 3424.0}, {TANK_BELLY, 3336.0}, {TANK_TOP, 7680.0}, {TANK_REAR, 4320.0},
};

bool valid(PanelTank tank) { return tank >= 0 && tank < PANEL_TANK_COUNT; }

double tank_lbs(PanelTank tank) {
    return get_double(fuelvar::TANK_QUANTITY[PANEL_NEEDLES[tank].tank]) * LBS_PER_GALLON;
}

std::int32_t four_digits(double lbs) {
    const std::int32_t whole = truncate_i32(lbs);
    return whole < 0 ? 0 : whole > 9999 ? 9999 : whole;
}

}  // namespace

void toggle_belly_pump_port() { toggle(fuelvar::BELLY_PUMP_PORT); }
void toggle_belly_pump_stbd() { toggle(fuelvar::BELLY_PUMP_STBD); }
void toggle_wing_pump_port() { toggle(fuelvar::WING_PUMP_PORT); }
void toggle_wing_pump_stbd() { toggle(fuelvar::WING_PUMP_STBD); }
void toggle_rear_pump_port() { toggle(fuelvar::REAR_PUMP_PORT); }
void toggle_rear_pump_stbd() { toggle(fuelvar::REAR_PUMP_STBD); }
void toggle_rear_cock_port() { toggle(fuelvar::REAR_COCK_PORT); }
void toggle_rear_cock_stbd() { toggle(fuelvar::REAR_COCK_STBD); }

void top_belly_cock_click(bool right) {
    const std::int32_t position = get_int(fuelvar::TOP_BELLY_COCK);
    std::int32_t next = position;
    if (!right) {
        if (position == 1) next = 2;
        else if (position == 2) next = 1;
    } else {
        if (position == 0) next = 1;
        else if (position == 1) next = 0;
        else if (position == 2) next = 3;
        else if (position == 3) next = 2;
    }
    write_top_belly(next);
}

void top_belly_guard_vc() {
    const bool lever = get_int(fuelvar::TOP_BELLY_LEVER) != 0;
    const bool guard = get_int(fuelvar::TOP_BELLY_GUARD) != 0;
    derive_top_belly(lever, !guard);
}

void top_belly_lever_vc() {
    const bool lever = get_int(fuelvar::TOP_BELLY_LEVER) != 0;
    const bool guard = get_int(fuelvar::TOP_BELLY_GUARD) != 0;
    derive_top_belly(guard ? !lever : lever, guard);
}

void toggle_auto_fuel_management() { state.fuel.autoFuelManagement = state.fuel.autoFuelManagement == 1 ? 0 : 1; }

const char* auto_fuel_management_text() { return state.fuel.autoFuelManagement == 1 ? "ON" : "OFF"; }

void open_fuel_overview() { host_trigger_key_event(KEY_PANEL_OPEN, OVERVIEW_WINDOW); }
void close_fuel_overview() { host_trigger_key_event(KEY_PANEL_CLOSE, OVERVIEW_WINDOW); }

double panel_tank_needle(PanelTank tank) {
    if (!valid(tank)) return 0.0;
    const double lbs = tank_lbs(tank);
    state.fuel.panelTankLbs[tank] = lbs;
    const double maximum = PANEL_NEEDLES[tank].maximum;
    if (lbs > maximum) return maximum;
    return lbs > 0.0 ? lbs : 0.0;  // empty, negative or unreadable
}

double panel_tank_lbs(PanelTank tank) { return valid(tank) ? state.fuel.panelTankLbs[tank] : 0.0; }

void take_overview_copies() {
    FuelSwitches& c = state.fuel.overview;
    c.portTransferPos = get_int(fuelvar::PORT_TRANSFER);
    c.stbdTransferPos = get_int(fuelvar::STBD_TRANSFER);
    c.bellyPumpStbd = get_int(fuelvar::BELLY_PUMP_STBD);
    c.bellyPumpPort = get_int(fuelvar::BELLY_PUMP_PORT);
    c.wingPumpPort = get_int(fuelvar::WING_PUMP_PORT);
    c.wingPumpStbd = get_int(fuelvar::WING_PUMP_STBD);
    c.rearPumpPort = get_int(fuelvar::REAR_PUMP_PORT);
    c.rearPumpStbd = get_int(fuelvar::REAR_PUMP_STBD);
    c.rearCockPort = get_int(fuelvar::REAR_COCK_PORT);
    c.rearCockStbd = get_int(fuelvar::REAR_COCK_STBD);
    c.portLPCockPos = get_int(fuelvar::PORT_LP_COCK);
    c.stbdLPCockPos = get_int(fuelvar::STBD_LP_COCK);
    c.topBellyCockPos = get_int(fuelvar::TOP_BELLY_COCK);
    // The pounds the overview prints are those the needles compute, kept current here too so
    // that the overview reads right while the fuel panel is closed.
    constexpr PanelTank ORDER[] = {PANEL_TOP, PANEL_BELLY, PANEL_REAR, PANEL_PORT_WING, PANEL_STBD_WING};
    for (PanelTank tank : ORDER) state.fuel.panelTankLbs[tank] = tank_lbs(tank);
}

std::int32_t overview_tank_lbs(PanelTank tank) { return four_digits(panel_tank_lbs(tank)); }

std::int32_t overview_top_quarter_lbs() { return four_digits(panel_tank_lbs(PANEL_TOP) / 4.0); }

}  // namespace tarmelon
