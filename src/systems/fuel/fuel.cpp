#include "systems/fuel/fuel.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>

#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "simlink/aircraft_data.h"
#include "simlink/ids.h"
#include "state.h"
#include "systems/fuel/fuel_variables.h"

namespace tarmelon {

namespace {

constexpr double LBS_PER_GALLON = 6.7;
constexpr double TRANSFER_LBS_PER_SECOND = 1.6;  // per transfer path, at simulation rate 1
constexpr std::uint32_t NEGATIVE_G_SECONDS = 12;

// The simulator's fuel-tank-selector codes of the aircraft's tanks.
constexpr std::int32_t CODE_OFF = 0;
constexpr std::int32_t CODE_PORT_WING = 4;
constexpr std::int32_t CODE_STBD_WING = 5;
constexpr std::int32_t CODE_BELLY = 7;
constexpr std::int32_t CODE_REAR = 8;

constexpr std::int32_t selector_code(FuelTankIndex tank) {
    switch (tank) {
        case TANK_BELLY: return CODE_BELLY;
        case TANK_REAR: return CODE_REAR;
        case TANK_PORT_WING: return CODE_PORT_WING;
        case TANK_STBD_WING: return CODE_STBD_WING;
        default: return CODE_OFF;  // the top tanks are never selected
    }
}

// ---- reading the cockpit -----------------------------------------------------------------

struct SwitchVariable {
    const char* name;
    std::int32_t FuelSwitches::*field;
};

constexpr SwitchVariable SWITCH_VARIABLES[] = {
    {fuelvar::PORT_TRANSFER, &FuelSwitches::portTransferPos},
    {fuelvar::STBD_TRANSFER, &FuelSwitches::stbdTransferPos},
    {fuelvar::BELLY_PUMP_STBD, &FuelSwitches::bellyPumpStbd},
    {fuelvar::BELLY_PUMP_PORT, &FuelSwitches::bellyPumpPort},
    {fuelvar::WING_PUMP_PORT, &FuelSwitches::wingPumpPort},
    {fuelvar::WING_PUMP_STBD, &FuelSwitches::wingPumpStbd},
    {fuelvar::REAR_PUMP_PORT, &FuelSwitches::rearPumpPort},
    {fuelvar::REAR_PUMP_STBD, &FuelSwitches::rearPumpStbd},
    {fuelvar::REAR_COCK_PORT, &FuelSwitches::rearCockPort},
    {fuelvar::REAR_COCK_STBD, &FuelSwitches::rearCockStbd},
    {fuelvar::PORT_LP_COCK, &FuelSwitches::portLPCockPos},
    {fuelvar::STBD_LP_COCK, &FuelSwitches::stbdLPCockPos},
    {fuelvar::TOP_BELLY_COCK, &FuelSwitches::topBellyCockPos},
};

constexpr bool on(std::int32_t value) { return value > 0; }
constexpr bool lp_open(std::int32_t position) { return position == 1 || position == 2; }

double tank_lbs(FuelTankIndex tank) { return get_double(fuelvar::TANK_QUANTITY[tank]) * LBS_PER_GALLON; }

// ---- the top-to-belly cock's guard and lever ---------------------------------------------

// Position 0 guard shut, off; 1 guard open, off; 2 guard open, on; 3 guard shut, on.
void follow_top_belly_position(std::int32_t position) {
    if (position < 0 || position > 3 || position == state.fuel.topBellyMirroredPos) return;
    set_int(fuelvar::TOP_BELLY_LEVER, position >= 2 ? 1 : 0);
    set_int(fuelvar::TOP_BELLY_GUARD, position == 1 || position == 2 ? 1 : 0);
    state.fuel.topBellyMirroredPos = position;
}

// ---- feeds -------------------------------------------------------------------------------

void update_feeds() {
    FuelState& f = state.fuel;
    const FuelSwitches& s = f.switches;
    const bool port_lp = lp_open(s.portLPCockPos) && state.engines.hpCock1Open == 1;
    const bool stbd_lp = lp_open(s.stbdLPCockPos) && state.engines.hpCock2Open == 1;

    FuelTank& top = f.tanks[TANK_TOP];
    top.feedsPort = 0;
    top.feedsStbd = 0;

    FuelTank& rear = f.tanks[TANK_REAR];
    const bool rear_has_fuel = rear.lbs > 0.0;
    rear.feedsPort = rear_has_fuel && port_lp && on(s.rearPumpPort) && on(s.rearCockPort);
    rear.feedsStbd = rear_has_fuel && stbd_lp && on(s.rearPumpStbd) && on(s.rearCockStbd);

    FuelTank& belly = f.tanks[TANK_BELLY];
    const bool belly_has_fuel = belly.lbs > 0.0;
    belly.feedsPort = belly_has_fuel && port_lp && on(s.bellyPumpPort);
    belly.feedsStbd = belly_has_fuel && stbd_lp && on(s.bellyPumpStbd);

    // A wing feeds its own engine, or with its transfer switch away from 1 its pump
    // transfers to the rear tank instead. An empty wing feeds nothing and keeps its
    // transfer flag.
    FuelTank& port = f.tanks[TANK_PORT_WING];
    port.feedsStbd = 0;
    if (port.lbs > 0.0) {
        if (s.portTransferPos == 1) {
            port.feedsPort = port_lp && on(s.wingPumpPort);
            port.transferToRear = 0;
        } else {
            port.feedsPort = 0;
            port.transferToRear = on(s.wingPumpPort);
        }
    } else {
        port.feedsPort = 0;
    }

    FuelTank& stbd = f.tanks[TANK_STBD_WING];
    stbd.feedsPort = 0;
    if (stbd.lbs > 0.0) {
        if (s.stbdTransferPos == 1) {
            stbd.feedsStbd = stbd_lp && on(s.wingPumpStbd);
            stbd.transferToRear = 0;
        } else {
            stbd.feedsStbd = 0;
            stbd.transferToRear = on(s.wingPumpStbd);
        }
    } else {
        stbd.feedsStbd = 0;
    }
}

// ---- selector rotation -------------------------------------------------------------------

// Which tanks an engine tries next, by the code its selector shows now: the first that can
// feed it is selected.
struct RotationRow {
    std::int32_t current;
    FuelTankIndex order[3];
};

constexpr RotationRow ENGINE1_ROTATION[] = {
    {0, {TANK_REAR, TANK_PORT_WING, TANK_BELLY}},
    {1, {TANK_REAR, TANK_PORT_WING, TANK_BELLY}},
    {CODE_BELLY, {TANK_REAR, TANK_PORT_WING, TANK_BELLY}},
    {CODE_REAR, {TANK_PORT_WING, TANK_BELLY, TANK_REAR}},
    {CODE_PORT_WING, {TANK_BELLY, TANK_REAR, TANK_PORT_WING}},
};
constexpr RotationRow ENGINE2_ROTATION[] = {
    {0, {TANK_REAR, TANK_STBD_WING, TANK_BELLY}},
    {1, {TANK_REAR, TANK_STBD_WING, TANK_BELLY}},
    {CODE_BELLY, {TANK_REAR, TANK_STBD_WING, TANK_BELLY}},
    {CODE_REAR, {TANK_STBD_WING, TANK_BELLY, TANK_REAR}},
    {CODE_STBD_WING, {TANK_BELLY, TANK_REAR, TANK_STBD_WING}},
};

struct EngineFeed {
    const RotationRow* rotation;
    std::size_t rows;
    std::int32_t FuelTank::*feeds;
    std::uint32_t selector_key;
};

constexpr EngineFeed ENGINE_FEEDS[2] = {
    {ENGINE1_ROTATION, std::size(ENGINE1_ROTATION), &FuelTank::feedsPort, KEY_FUEL_SELECTOR_SET},
    {ENGINE2_ROTATION, std::size(ENGINE2_ROTATION), &FuelTank::feedsStbd, KEY_FUEL_SELECTOR_2_SET},
};

// A code the table does not list (a tank this aircraft has not, or another engine's wing)
// starts the rotation afresh, as from off, so the selector never sticks there.
const RotationRow& rotation_after(const EngineFeed& engine, std::int32_t current) {
    for (std::size_t i = 0; i < engine.rows; ++i)
        if (engine.rotation[i].current == current) return engine.rotation[i];
    return engine.rotation[0];
}

void rotate_selector(int engine_index) {
    const EngineFeed& engine = ENGINE_FEEDS[engine_index];
    const RotationRow& row = rotation_after(engine, state.fuel.selectorCode[engine_index]);
    std::int32_t code = CODE_OFF;
    for (FuelTankIndex tank : row.order) {
        if (state.fuel.tanks[tank].*engine.feeds == 1) {
            code = selector_code(tank);
            break;
        }
    }
    host_trigger_key_event(engine.selector_key, static_cast<std::uint32_t>(code));
}

void rotate_both_selectors() {
    rotate_selector(0);
    rotate_selector(1);
}

constexpr std::uint32_t next_second(std::uint32_t now) {
    return now < std::numeric_limits<std::uint32_t>::max() ? now + 1 : now;
}

std::int32_t as_variable(std::uint32_t seconds) { return truncate_i32(static_cast<double>(seconds)); }

void selector_rotation_clock() {
    FuelState& f = state.fuel;
    const std::uint32_t now = truncate_u32(read_token(TOKEN_SECONDS));
    if (f.rotationStarted == 0) {
        rotate_both_selectors();
        f.rotationNextSecond = next_second(now);
        f.rotationStarted = 1;
    }
    f.rotationCurrentSecond = now;
    set_int("L:fuelSelSwap_time_cur, number", as_variable(now));
    // A clock that went back (a reloaded flight) re-arms the rotation at once.
    if (now >= f.rotationNextSecond || next_second(now) < f.rotationNextSecond) {
        f.rotationNextSecond = next_second(now);
        set_int("L:fuelSelSwap_time_check, number", as_variable(f.rotationNextSecond));
        rotate_both_selectors();
    }
}

// ---- automatic fuel management ---------------------------------------------------------

// One side's switches as the management sets them.
struct SideSettings {
    std::int32_t bellyPump, rearPump, rearCock, wingPump, transferPos;
};

struct AutoSettings {
    std::int32_t stage;  // 0: no rule held
    std::int32_t topBellyCock;
    SideSettings side[2];  // port, starboard
};

// A whole row of the schedule, the same on both sides.
struct StageRow {
    std::int32_t stage;
    std::int32_t topBellyCock;
    SideSettings both;
};

constexpr std::int32_t PUMP_ON = 1, PUMP_OFF = 0, COCK_OPEN = 1, COCK_SHUT = 0, TO_ENGINE = 1, TO_REAR = 0;

constexpr StageRow TAKE_OFF_ROLL = {3, 3, {PUMP_ON, PUMP_ON, COCK_OPEN, PUMP_ON, TO_ENGINE}};
constexpr StageRow TOP_TANKS_LOW = {4, 3, {PUMP_OFF, PUMP_ON, COCK_OPEN, PUMP_OFF, TO_ENGINE}};
constexpr StageRow REAR_TANK_LOW = {5, 3, {PUMP_ON, PUMP_OFF, COCK_OPEN, PUMP_OFF, TO_ENGINE}};
constexpr StageRow TOP_AND_BELLY_LOW = {6, 3, {PUMP_OFF, PUMP_OFF, COCK_OPEN, PUMP_ON, TO_ENGINE}};
constexpr StageRow REAR_OR_BELLY_RESERVE = {8, 3, {PUMP_ON, PUMP_ON, COCK_OPEN, PUMP_OFF, TO_REAR}};

void apply(AutoSettings& s, const StageRow& row) {
    s.stage = row.stage;
    s.topBellyCock = row.topBellyCock;
    s.side[0] = row.both;
    s.side[1] = row.both;
}

struct AutoVariables {
    const char* bellyPump;
    const char* rearPump;
    const char* rearCock;
    const char* wingPump;
    const char* transfer;
    std::int32_t FuelSwitches::*bellyPumpNow;
    std::int32_t FuelSwitches::*rearPumpNow;
    std::int32_t FuelSwitches::*rearCockNow;
    std::int32_t FuelSwitches::*wingPumpNow;
    std::int32_t FuelSwitches::*transferNow;
};

constexpr AutoVariables AUTO_SIDES[2] = {
    {fuelvar::BELLY_PUMP_PORT, fuelvar::REAR_PUMP_PORT, fuelvar::REAR_COCK_PORT, fuelvar::WING_PUMP_PORT,
     fuelvar::PORT_TRANSFER, &FuelSwitches::bellyPumpPort, &FuelSwitches::rearPumpPort,
     &FuelSwitches::rearCockPort, &FuelSwitches::wingPumpPort, &FuelSwitches::portTransferPos},
    {fuelvar::BELLY_PUMP_STBD, fuelvar::REAR_PUMP_STBD, fuelvar::REAR_COCK_STBD, fuelvar::WING_PUMP_STBD,
     fuelvar::STBD_TRANSFER, &FuelSwitches::bellyPumpStbd, &FuelSwitches::rearPumpStbd,
     &FuelSwitches::rearCockStbd, &FuelSwitches::wingPumpStbd, &FuelSwitches::stbdTransferPos},
};

void write_if_changed(const char* name, std::int32_t wanted, std::int32_t now) {
    if (wanted != now) set_int(name, wanted);
}

// The rules are tried in stage order and each that holds sets its whole row, so a later
// one overrides an earlier one; only the final settings are written, and only where they
// differ from what the cockpit shows. The quantities are the tanks' contents as this
// update read them, whether or not a fuel panel is shown.
void automatic_fuel_management() {
    const FuelState& f = state.fuel;
    const FuelSwitches& now = f.switches;
    const double top = f.tanks[TANK_TOP].lbs;
    const double belly = f.tanks[TANK_BELLY].lbs;
    const double rear = f.tanks[TANK_REAR].lbs;
    const double wing[2] = {f.tanks[TANK_PORT_WING].lbs, f.tanks[TANK_STBD_WING].lbs};

    AutoSettings s{};
    s.topBellyCock = now.topBellyCockPos;
    for (int side = 0; side < 2; ++side) {
        const AutoVariables& v = AUTO_SIDES[side];
        s.side[side] = {now.*v.bellyPumpNow, now.*v.rearPumpNow, now.*v.rearCockNow, now.*v.wingPumpNow,
                        now.*v.transferNow};
    }

    const double radio_height = get_double("A:RADIO HEIGHT, Feet");
    const std::int32_t airspeed = truncate_i32(read_token(TOKEN_AIRSPEED));
    if (radio_height <= 20.0 && airspeed >= 60) apply(s, TAKE_OFF_ROLL);
    if (top <= 6000.0) apply(s, TOP_TANKS_LOW);
    if (rear <= 1000.0) apply(s, REAR_TANK_LOW);
    if (top + belly <= 3000.0) apply(s, TOP_AND_BELLY_LOW);
    if (wing[0] <= 500.0 || wing[1] <= 500.0) {
        s.stage = 7;
        s.topBellyCock = 3;
        for (int side = 0; side < 2; ++side) {
            s.side[side].rearCock = COCK_OPEN;
            if (wing[side] > 500.0) continue;
            s.side[side].rearPump = PUMP_ON;
            s.side[side].bellyPump = PUMP_ON;
            s.side[side].wingPump = wing[side] <= 0.0 ? PUMP_OFF : PUMP_ON;
            s.side[side].transferPos = TO_REAR;
        }
    }
    if (rear <= 750.0 || belly <= 1750.0) {
        apply(s, REAR_OR_BELLY_RESERVE);
        if (rear <= 0.0) {
            for (SideSettings& side : s.side) {
                side.rearPump = PUMP_OFF;
                side.rearCock = COCK_SHUT;
            }
        }
    }
    if (s.stage == 0) return;

    write_if_changed(fuelvar::TOP_BELLY_COCK, s.topBellyCock, now.topBellyCockPos);
    for (int side = 0; side < 2; ++side) {
        const AutoVariables& v = AUTO_SIDES[side];
        const SideSettings& want = s.side[side];
        write_if_changed(v.bellyPump, want.bellyPump, now.*v.bellyPumpNow);
        write_if_changed(v.rearPump, want.rearPump, now.*v.rearPumpNow);
        write_if_changed(v.rearCock, want.rearCock, now.*v.rearCockNow);
        write_if_changed(v.wingPump, want.wingPump, now.*v.wingPumpNow);
        write_if_changed(v.transfer, want.transferPos, now.*v.transferNow);
    }
    set_int(fuelvar::AUTO_FUEL_STATUS, s.stage);
}

// ---- negative g ----------------------------------------------------------------------------

// Negative g counts whole seconds of the clock from the second it was first seen: after 12
// of them, with an engine running, the engines are cut on every update until g is positive
// again, and then restored once.
void negative_g() {
    FuelState& f = state.fuel;
    const double g = get_double("A:G FORCE, GForce");
    const std::uint32_t now = truncate_u32(read_token(TOKEN_SECONDS));
    if (g < 0.0) {
        // A clock that went back (a reloaded flight) starts the count again.
        if (f.negativeGActive == 0 || now < f.negativeGSince) {
            f.negativeGSince = now;
            f.negativeGActive = 1;
        }
        if (now - f.negativeGSince >= NEGATIVE_G_SECONDS && (f.engine1Combusting == 1 || f.engine2Combusting == 1))
            host_trigger_key_event(KEY_65778, 1);
    } else if (g >= 0.0 && f.negativeGActive == 1) {
        f.negativeGActive = 0;
        host_trigger_key_event(KEY_65774, 1);
    }
}

// ---- transfers -----------------------------------------------------------------------------

double received_lbs(SimTank tank) { return state.simdata.fuelQuantityGallons[tank] * LBS_PER_GALLON; }
double capacity_lbs(SimTank tank) { return state.simdata.fuelCapacityGallons[tank] * LBS_PER_GALLON; }

void send_lbs(DataDefinition definition, double lbs) { write_definition(definition, lbs / LBS_PER_GALLON); }

// ---- contents gauges of the virtual cockpit -----------------------------------------------

struct Breakpoint {
    double lbs;
    double needle;
};

constexpr Breakpoint WING_GAUGE[] = {
    {0, 0}, {250, 62}, {500, 143}, {1000, 321}, {1500, 518}, {2000, 708}, {2500, 837}, {3000, 953}, {3500, 1000},
};
constexpr Breakpoint BELLY_GAUGE[] = {
    {0, 0}, {500, 236}, {1000, 404}, {1500, 579}, {2000, 712}, {2500, 838}, {3000, 951}, {3500, 999},
};
constexpr Breakpoint TOP_GAUGE[] = {
    {0, 0}, {1000, 238}, {2000, 396}, {3000, 522}, {4000, 644}, {5000, 756}, {6000, 857}, {7000, 955}, {7500, 997},
};
constexpr Breakpoint REAR_GAUGE[] = {
    {0, 0},      {500, 152},  {1000, 300}, {1500, 400}, {2000, 504},
    {2500, 626}, {3000, 730}, {3500, 836}, {4000, 950}, {4500, 1000},
};

struct VcGauge {
    const char* variable;
    FuelTankIndex tank;
    const Breakpoint* points;
    std::size_t count;
    double beyond;  // shown at and past the last breakpoint
};

// In the order they are written.
constexpr VcGauge VC_GAUGES[] = {
    {"L:PortWingNeedleVC, number", TANK_PORT_WING, WING_GAUGE, std::size(WING_GAUGE), 1000},
    {"L:BellyTankNeedleVC, number", TANK_BELLY, BELLY_GAUGE, std::size(BELLY_GAUGE), 1000},
    {"L:StrbWingNeedleVC, number", TANK_STBD_WING, WING_GAUGE, std::size(WING_GAUGE), 1000},
    {"L:TopTanksNeedleVC, number", TANK_TOP, TOP_GAUGE, std::size(TOP_GAUGE), 997},
    {"L:RearTanksNeedleVC, number", TANK_REAR, REAR_GAUGE, std::size(REAR_GAUGE), 1000},
};

double gauge_needle(const VcGauge& gauge, double lbs) {
    if (!(lbs > gauge.points[0].lbs)) return gauge.points[0].needle;  // empty, negative or unreadable
    for (std::size_t i = 1; i < gauge.count; ++i) {
        const Breakpoint& a = gauge.points[i - 1];
        const Breakpoint& b = gauge.points[i];
        if (lbs < b.lbs) return a.needle + (lbs - a.lbs) / (b.lbs - a.lbs) * (b.needle - a.needle);
    }
    return gauge.beyond;
}

}  // namespace

void update_fuel_system() {
    FuelState& f = state.fuel;

    f.engine1Combusting = get_int("A:GENERAL ENG COMBUSTION:1,bool") != 0 ? 1 : 0;
    f.engine2Combusting = get_int("A:GENERAL ENG COMBUSTION:2,bool") != 0 ? 1 : 0;

    for (const SwitchVariable& v : SWITCH_VARIABLES) f.switches.*v.field = get_int(v.name);
    for (int tank = 0; tank < FUEL_TANK_COUNT; ++tank) f.tanks[tank].lbs = tank_lbs(static_cast<FuelTankIndex>(tank));
    f.selectorCode[0] = get_int("A:FUEL TANK SELECTOR:1, enum");
    f.selectorCode[1] = get_int("A:FUEL TANK SELECTOR:2, enum");
    follow_top_belly_position(f.switches.topBellyCockPos);

    update_feeds();
    selector_rotation_clock();

    f.portWingTransferActive = f.tanks[TANK_PORT_WING].transferToRear;
    f.stbdWingTransferActive = f.tanks[TANK_STBD_WING].transferToRear;
    const std::int32_t cock = f.switches.topBellyCockPos;
    f.topToBellyTransferActive = cock == 2 || cock == 3 ? 1 : 0;

    if (f.autoFuelManagement == 1) automatic_fuel_management();

    negative_g();
}

bool fuel_transfers_due() {
    const SimData& d = state.simdata;
    for (std::uint8_t received : d.fuelQuantityReceived)
        if (received == 0) return false;
    return d.fuelFlowReceived == 1 && state.fuel.transferTick == 1;
}

void note_fuel_second() { state.fuel.transferTick = 1; }

// A path moves fuel only when the receiving tank stays within its capacity and the giving
// tank keeps more than nothing, so the last fraction is never moved.
void run_fuel_transfers() {
    FuelState& f = state.fuel;
    const double x = TRANSFER_LBS_PER_SECOND * state.simlink.simSpeed;
    if (std::isfinite(x) && x > 0.0) {
        if (f.topToBellyTransferActive == 1) {
            const double top = received_lbs(TANK_CENTER) - x;
            const double belly = received_lbs(TANK_CENTER2) + x;
            if (belly <= capacity_lbs(TANK_CENTER2) && top > 0.0) {
                send_lbs(DEF_FUEL_CENTER, top);
                send_lbs(DEF_FUEL_CENTER2, belly);
            }
        }
        // Each transferring wing that keeps fuel gives x; an empty wing gives nothing but
        // does not hold back the other.
        const double port = received_lbs(TANK_LEFT_AUX) - x;
        const double stbd = received_lbs(TANK_RIGHT_AUX) - x;
        const bool port_gives = f.portWingTransferActive == 1 && port > 0.0;
        const bool stbd_gives = f.stbdWingTransferActive == 1 && stbd > 0.0;
        const double rear = received_lbs(TANK_CENTER3) + x * ((port_gives ? 1 : 0) + (stbd_gives ? 1 : 0));
        if ((port_gives || stbd_gives) && rear <= capacity_lbs(TANK_CENTER3)) {
            if (port_gives) send_lbs(DEF_FUEL_LEFT_AUX, port);
            if (stbd_gives) send_lbs(DEF_FUEL_RIGHT_AUX, stbd);
            send_lbs(DEF_FUEL_CENTER3, rear);
        }
    }
    f.transferTick = 0;
}

void update_fuel_pressure_lights() {
    std::int32_t fail1 = 0, fail2 = 0;
    if (state.electrical.dcPowerAvailable == 1) {
        const FuelSwitches& s = state.fuel.switches;
        fail1 = on(s.bellyPumpPort) || on(s.wingPumpPort) || (on(s.rearPumpPort) && on(s.rearCockPort)) ? 0 : 1;
        fail2 = on(s.bellyPumpStbd) || on(s.wingPumpStbd) || (on(s.rearPumpStbd) && on(s.rearCockStbd)) ? 0 : 1;
    }
    set_int("L:Engine1_fuel_pres_fail, bool", fail1);
    set_int("L:Engine2_fuel_pres_fail, bool", fail2);
}

void update_tank_gauges_vc() {
    const bool powered = state.electrical.dcPowerAvailable == 1;
    for (const VcGauge& gauge : VC_GAUGES)
        set_double(gauge.variable, powered ? gauge_needle(gauge, tank_lbs(gauge.tank)) : 0.0);
}

void reset_fuel_timers() {
    FuelState& f = state.fuel;
    f.rotationStarted = 0;
    f.rotationNextSecond = 0;
    f.rotationCurrentSecond = 0;
    f.negativeGActive = 0;
    f.negativeGSince = 0;
    f.transferTick = 0;
}

void reset_fuel_working_values() {
    FuelState& f = state.fuel;
    f.autoFuelManagement = 0;
    for (FuelTank& tank : f.tanks) tank = FuelTank{};
    for (double& lbs : f.panelTankLbs) lbs = 0.0;
    f.portWingTransferActive = 0;
    f.stbdWingTransferActive = 0;
    f.topToBellyTransferActive = 0;
    f.topBellyMirroredPos = -1;
}

}  // namespace tarmelon
