#include "simlink/ground_equipment.h"

#include <initializer_list>

#include "core/host.h"
#include "core/sim_keys.h"
#include "state.h"
#include "core/vars.h"
#include "simlink/simconnect_api.h"

namespace tarmelon {

namespace {

constexpr char SIGN_TABS[] = "L:TarmelonSignTabsVis, bool";
constexpr char LADDER[] = "L:TarmelonLadder, bool";
constexpr char ENGINE_COVER[] = "L:TarmelonEngineCover, bool";
constexpr char GROUND_UNITS[] = "L:GroundUnitsShow, bool";
constexpr char GROUND_POWER[] = "L:TarmelonGroundPower, bool";
constexpr char SIGN_CREATED[] = "L:Signtugged, bool";
constexpr char UNITS_CREATED[] = "L:GPUtugged, bool";


constexpr double LATITUDE_UNITS_PER_TURN = 40007000.0;
constexpr double LONGITUDE_UNITS_PER_TURN = 281474976710656.0;  // 2^48

void create_object(const char* title) {
    sdk::SIMCONNECT_DATA_INITPOSITION at{};
    at.Latitude = read_token(71) / LATITUDE_UNITS_PER_TURN * 360.0;
    at.Longitude = read_token(72) / LONGITUDE_UNITS_PER_TURN * 360.0;
    at.Altitude = get_int("A:PLANE ALTITUDE,feet");
    at.Pitch = 0.0;
    at.Bank = 0.0;
    at.Heading = read_token(81);
    at.OnGround = 1;
    at.Airspeed = 0;
    state.simlink.simResult = sc.SimConnect_AICreateSimulatedObject(state.simlink.simHandle, title, at, 0);
}

void create_sign() {
    if (get_int(SIGN_CREATED) != 0) return;
    set_int(SIGN_CREATED, 1);
    create_object("VK_Tarmelon_Sign");
}

// Equipment can be put out only on the ground, but can always be taken away.
void on_ground_toggle(const char* name) {
    set_int(name, get_int(name) != 0 || state.simdata.simOnGround != 1 ? 0 : 1);
}

struct Smoke {
    std::uint32_t effect;
    const char* variable;
};
constexpr Smoke CONTRAIL_1{1, "L:SmokeOn1,bool"};
constexpr Smoke CONTRAIL_2{2, "L:SmokeOn2,bool"};
constexpr Smoke HIGH_POWER_1{3, "L:SmokeOn3,bool"};
constexpr Smoke HIGH_POWER_2{4, "L:SmokeOn4,bool"};
constexpr Smoke LOW_POWER_1{7, "L:SmokeOn7,bool"};
constexpr Smoke LOW_POWER_2{8, "L:SmokeOn8,bool"};

// Switches an effect only on a change of its mirror variable.
void smoke(const Smoke& s, bool on) {
    const std::int32_t shown = get_int(s.variable);
    if (on && shown == 0) {
        host_trigger_key_event(KEY_SMOKE_ON, s.effect);
        set_int(s.variable, 1);
    } else if (!on && shown == 1) {
        host_trigger_key_event(KEY_SMOKE_OFF, s.effect);
        set_int(s.variable, 0);
    }
}

}  // namespace

void create_ground_units() {
    if (get_int(UNITS_CREATED) != 0) return;
    create_object("VK_Tarmelon_GPU");
    create_object("VK_Tarmelon_BCU");
    set_int(UNITS_CREATED, 1);
}

void toggle_sign() {
    create_sign();
    on_ground_toggle(SIGN_TABS);
}

void toggle_ladder() { on_ground_toggle(LADDER); }

void toggle_engine_covers() { on_ground_toggle(ENGINE_COVER); }

// The units go away with the connection. What decides is the connection, not whether the
// units show: the electrical model hides them whenever ground power is off, which it always
// is in the air, so a toggle decided on the units could never disconnect in flight.
void toggle_ground_units() {
    const bool connected = get_int(GROUND_POWER) != 0;
    create_ground_units();
    set_int(GROUND_UNITS, connected ? 0 : 1);
    set_int(GROUND_POWER, connected ? 0 : 1);
}

void toggle_all_objects() {
    create_sign();
    create_ground_units();
    const bool hide = state.simlink.allObjectsShown == 1 || state.simdata.simOnGround != 1;
    for (const char* name : {SIGN_TABS, LADDER, ENGINE_COVER, GROUND_UNITS, GROUND_POWER})
        set_int(name, hide ? 0 : 1);
    state.simlink.allObjectsShown = hide ? 0 : 1;
}

void update_exhaust_effects() {
    const std::int32_t altitude = get_int("A:PLANE ALTITUDE,Feet");
    const std::int32_t temperature = get_int("A:AMBIENT TEMPERATURE,Celsius");
    if (altitude > 30000 && temperature < -30) {
        smoke(CONTRAIL_1, true);
        smoke(CONTRAIL_2, true);
    } else if (altitude < 30000) {
        smoke(CONTRAIL_1, false);
        smoke(CONTRAIL_2, false);
    }

    const std::int32_t n1_engine1 = get_int("A:TURB ENG1 N1,Percent");
    const std::int32_t n1_engine2 = get_int("A:TURB ENG2 N1,Percent");
    smoke(LOW_POWER_1, !(n1_engine1 < 33));
    smoke(LOW_POWER_2, n1_engine2 > 32);
    smoke(HIGH_POWER_1, !(n1_engine1 < 86));
    smoke(HIGH_POWER_2, n1_engine2 > 85);
}

}  // namespace tarmelon
