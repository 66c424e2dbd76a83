// Every identifier the module registers with SimConnect, as static tables in registration
// order. Client event ids and system-event subscription ids share one number space.
#pragma once

#include "sdk/simconnect.h"

namespace tarmelon {

// ---- aircraft data ----------------------------------------------------------------------
enum DataDefinition : sdk::DWORD_T {
    DEF_BATTERY_VOLTAGE = 0,
    DEF_FUEL_CENTER = 1,
    DEF_FUEL_CENTER2 = 2,
    DEF_FUEL_CENTER3 = 3,
    DEF_FUEL_LEFT_AUX = 4,
    DEF_FUEL_RIGHT_AUX = 5,
    DEF_FUEL_CAPACITIES = 6,
    DEF_FUEL_FLOW = 7,
    DEF_N1_1 = 10,
    DEF_N1_2 = 11,
    DEF_THROTTLE_1 = 12,
    DEF_THROTTLE_2 = 13,
    DEF_EGT_1 = 14,
    DEF_EGT_2 = 15,
    DEF_AILERON_POSITION = 16,
    DEF_RUDDER_POSITION = 17,
    DEF_ELEVATOR_POSITION = 18,
    DEF_AILERON_TRIM = 19,
    DEF_RUDDER_TRIM = 20,
    DEF_ELEVATOR_TRIM = 21,
    DEF_SIM_ON_GROUND = 22,
    DEF_AUTOTHROTTLE = 23,
    DEF_STARTER_1 = 24,
    DEF_STARTER_2 = 25,
    DEF_AUTOPILOT_MASTER = 26,
    DEF_CANOPY_OPEN = 27,
    DEF_BRAKE_LEFT = 28,
    DEF_BRAKE_RIGHT = 29,
    DEF_TAILHOOK = 30,
    DEF_EXIT_OPEN = 31,
};

struct Datum {
    sdk::DWORD_T definition;
    const char* name;
    const char* units;
    sdk::DWORD_T type;  // FLOAT64, or INT32 for the booleans
};

struct DataRequest {
    sdk::DWORD_T definition;  // the request id is the definition id
    sdk::DWORD_T period;
    sdk::DWORD_T flags;
};

constexpr sdk::DWORD_T F64 = sdk::SIMCONNECT_DATATYPE_FLOAT64;
constexpr sdk::DWORD_T I32 = sdk::SIMCONNECT_DATATYPE_INT32;
constexpr sdk::DWORD_T ONCE = sdk::SIMCONNECT_PERIOD_ONCE;
constexpr sdk::DWORD_T EVERY_FRAME = sdk::SIMCONNECT_PERIOD_SIM_FRAME;
constexpr sdk::DWORD_T EVERY_SECOND = sdk::SIMCONNECT_PERIOD_SECOND;
constexpr sdk::DWORD_T ALWAYS = 0;
constexpr sdk::DWORD_T CHANGED = sdk::SIMCONNECT_DATA_REQUEST_FLAG_CHANGED;

constexpr Datum DATA_DEFINITIONS[] = {
    {DEF_FUEL_CAPACITIES, "FUEL TANK CENTER CAPACITY", "Gallons", F64},
    {DEF_FUEL_CAPACITIES, "FUEL TANK CENTER2 CAPACITY", "Gallons", F64},
    {DEF_FUEL_CAPACITIES, "FUEL TANK CENTER3 CAPACITY", "Gallons", F64},
    {DEF_FUEL_CAPACITIES, "FUEL TANK LEFT AUX CAPACITY", "Gallons", F64},
    {DEF_FUEL_CAPACITIES, "FUEL TANK RIGHT AUX CAPACITY", "Gallons", F64},
    {DEF_FUEL_CENTER, "FUEL TANK CENTER QUANTITY", "Gallons", F64},
    {DEF_FUEL_CENTER2, "FUEL TANK CENTER2 QUANTITY", "Gallons", F64},
    {DEF_FUEL_CENTER3, "FUEL TANK CENTER3 QUANTITY", "Gallons", F64},
    {DEF_FUEL_LEFT_AUX, "FUEL TANK LEFT AUX QUANTITY", "Gallons", F64},
    {DEF_FUEL_RIGHT_AUX, "FUEL TANK RIGHT AUX QUANTITY", "Gallons", F64},
    {DEF_FUEL_FLOW, "TURB ENG FUEL FLOW PPH:1", "Pounds per hour", F64},
    {DEF_FUEL_FLOW, "TURB ENG FUEL FLOW PPH:2", "Pounds per hour", F64},
    {DEF_N1_1, "TURB ENG CORRECTED N1:1", "percent", F64},
    {DEF_N1_2, "TURB ENG CORRECTED N1:2", "percent", F64},
    {DEF_THROTTLE_1, "GENERAL ENG THROTTLE LEVER POSITION:1", "percent", F64},
    {DEF_THROTTLE_2, "GENERAL ENG THROTTLE LEVER POSITION:2", "percent", F64},
    {DEF_EGT_1, "GENERAL ENG EXHAUST GAS TEMPERATURE:1", "Rankine", F64},
    {DEF_EGT_2, "GENERAL ENG EXHAUST GAS TEMPERATURE:2", "Rankine", F64},
    {DEF_AILERON_POSITION, "AILERON POSITION", "Position", F64},
    {DEF_RUDDER_POSITION, "RUDDER POSITION", "Position", F64},
    {DEF_ELEVATOR_POSITION, "ELEVATOR POSITION", "Position", F64},
    {DEF_AILERON_TRIM, "AILERON TRIM PCT", "percent", F64},
    {DEF_RUDDER_TRIM, "RUDDER TRIM PCT", "percent", F64},
    {DEF_ELEVATOR_TRIM, "ELEVATOR TRIM POSITION", "degrees", F64},
    {DEF_SIM_ON_GROUND, "SIM ON GROUND", "bool", I32},
    {DEF_AUTOTHROTTLE, "AUTOTHROTTLE ACTIVE", "bool", I32},
    {DEF_AUTOPILOT_MASTER, "AUTOPILOT MASTER", "bool", I32},
    {DEF_STARTER_1, "GENERAL ENG STARTER:1", "bool", I32},
    {DEF_STARTER_2, "GENERAL ENG STARTER:2", "bool", I32},
    {DEF_CANOPY_OPEN, "CANOPY OPEN", "percent", F64},
    {DEF_EXIT_OPEN, "EXIT OPEN:1", "percent", F64},
    {DEF_TAILHOOK, "TAILHOOK POSITION", "percent", F64},
    {DEF_BRAKE_LEFT, "BRAKE LEFT POSITION", "percent", F64},
    {DEF_BRAKE_RIGHT, "BRAKE RIGHT POSITION", "percent", F64},
    {DEF_BATTERY_VOLTAGE, "ELECTRICAL BATTERY VOLTAGE", "Volts", F64},
};

constexpr DataRequest DATA_REQUESTS[] = {
    {DEF_FUEL_CAPACITIES, ONCE, ALWAYS},
    {DEF_FUEL_CENTER, EVERY_FRAME, CHANGED},
    {DEF_FUEL_CENTER2, EVERY_FRAME, CHANGED},
    {DEF_FUEL_CENTER3, EVERY_FRAME, CHANGED},
    {DEF_FUEL_LEFT_AUX, EVERY_FRAME, CHANGED},
    {DEF_FUEL_RIGHT_AUX, EVERY_FRAME, CHANGED},
    {DEF_FUEL_FLOW, EVERY_FRAME, CHANGED},
    {DEF_N1_1, EVERY_FRAME, ALWAYS},
    {DEF_N1_2, EVERY_FRAME, ALWAYS},
    {DEF_THROTTLE_1, EVERY_FRAME, ALWAYS},
    {DEF_THROTTLE_2, EVERY_FRAME, ALWAYS},
    {DEF_EGT_1, EVERY_FRAME, CHANGED},
    {DEF_EGT_2, EVERY_FRAME, CHANGED},
    {DEF_AILERON_POSITION, EVERY_FRAME, CHANGED},
    {DEF_RUDDER_POSITION, EVERY_FRAME, CHANGED},
    {DEF_ELEVATOR_POSITION, EVERY_FRAME, CHANGED},
    {DEF_AILERON_TRIM, EVERY_FRAME, CHANGED},
    {DEF_RUDDER_TRIM, EVERY_FRAME, CHANGED},
    {DEF_ELEVATOR_TRIM, EVERY_FRAME, CHANGED},
    {DEF_SIM_ON_GROUND, EVERY_SECOND, CHANGED},
    {DEF_AUTOTHROTTLE, EVERY_SECOND, CHANGED},
    {DEF_AUTOPILOT_MASTER, EVERY_SECOND, CHANGED},
    {DEF_STARTER_1, EVERY_SECOND, CHANGED},
    {DEF_STARTER_2, EVERY_SECOND, CHANGED},
    {DEF_CANOPY_OPEN, EVERY_FRAME, ALWAYS},
    {DEF_EXIT_OPEN, EVERY_FRAME, ALWAYS},
    {DEF_TAILHOOK, EVERY_SECOND, CHANGED},
    {DEF_BRAKE_LEFT, EVERY_SECOND, CHANGED},
    {DEF_BRAKE_RIGHT, EVERY_SECOND, CHANGED},
    {DEF_BATTERY_VOLTAGE, EVERY_SECOND, CHANGED},
};

// ---- system events and state ---------------------------------------------------------------
enum SystemEvent : sdk::DWORD_T {
    EVENT_6HZ = 64,
    EVENT_1SEC = 65,
    EVENT_FRAME = 66,
    EVENT_VIEW = 67,
    EVENT_FLIGHT_LOADED = 68,
    EVENT_FLIGHT_SAVED = 69,
    EVENT_PAUSE = 70,
};

struct Subscription {
    sdk::DWORD_T id;
    const char* name;
};

constexpr Subscription SYSTEM_EVENTS[] = {
    {EVENT_6HZ, "6Hz"},
    {EVENT_1SEC, "1sec"},
    {EVENT_VIEW, "View"},
    {EVENT_FLIGHT_LOADED, "FlightLoaded"},
    {EVENT_FLIGHT_SAVED, "FlightSaved"},
    {EVENT_FRAME, "Frame"},
    {EVENT_PAUSE, "Pause"},
};

constexpr sdk::DWORD_T REQUEST_FLIGHT_LOADED = 32;
constexpr char SYSTEM_STATE_FLIGHT_LOADED[] = "FlightLoaded";

// ---- client events -----------------------------------------------------------------------------
enum ClientEvent : sdk::DWORD_T {
    EV_ALL_LIGHTS_TOGGLE = 0,
    EV_LANDING_LIGHTS_TOGGLE = 1,
    EV_AXIS_THROTTLE1_SET = 3,
    EV_AXIS_THROTTLE2_SET = 4,
    EV_THROTTLE1_SET = 5,
    EV_THROTTLE2_SET = 6,
    EV_AXIS_THROTTLE_SET = 7,
    EV_ENGINE_AUTO_START = 8,
    EV_ENGINE_AUTO_SHUTDOWN = 9,
    EV_THROTTLE_CUT = 10,
    EV_THROTTLE_DECR = 11,
    EV_THROTTLE_INCR_SMALL = 12,
    EV_THROTTLE_FULL = 13,
    EV_AXIS_AILERONS_SET = 14,
    EV_AILERONS_LEFT = 15,
    EV_AILERONS_RIGHT = 16,
    EV_AXIS_RUDDER_SET = 17,
    EV_RUDDER_LEFT = 18,
    EV_RUDDER_RIGHT = 19,
    EV_AXIS_ELEVATOR_SET = 20,
    EV_ELEV_UP = 21,
    EV_ELEV_DOWN = 22,
    EV_AXIS_SPOILER_SET = 23,
    EV_SPOILERS_TOGGLE = 24,
    EV_BRAKES = 25,
    EV_BRAKES_LEFT = 26,
    EV_BRAKES_RIGHT = 27,
    EV_PARKING_BRAKES = 28,
    EV_GEAR_TOGGLE = 29,
    EV_GEAR_UP = 30,
    EV_GEAR_DOWN = 31,
    EV_AP_MASTER = 32,
    EV_AP_ALT_HOLD = 33,
    EV_AP_HDG_HOLD = 34,
    EV_AP_APR_HOLD = 35,
    EV_AP_NAV1_HOLD = 36,
    EV_FLAPS_UP = 37,
    EV_FLAPS_DOWN = 38,
    EV_FLAPS_INCR = 39,
    EV_FLAPS_DECR = 40,
    EV_FUEL_SELECTOR_SET = 43,
    EV_FUEL_SELECTOR_2_SET = 44,
    EV_TOGGLE_STARTER1 = 45,
    EV_TOGGLE_STARTER2 = 46,
    EV_STEERING_SET = 47,
    EV_MENU = 50,
    EV_MENU_GROUND_EQUIPMENT = 54,
    EV_MENU_SIGN = 55,
    EV_MENU_LADDER = 56,
    EV_MENU_ENGINE_COVERS = 57,
    EV_MENU_GROUND_POWER = 58,
    EV_MENU_ALL_OBJECTS = 59,
    EV_TOGGLE_TAIL_HOOK_HANDLE = 62,
    EV_SET_TAIL_HOOK_HANDLE = 63,
    EV_AXIS_LEFT_BRAKE_SET = 64,   // shares its number with the "6Hz" subscription; never sent
    EV_AXIS_RIGHT_BRAKE_SET = 65,  // shares its number with the "1sec" subscription; never sent
};

struct SendOnlyEvent {
    sdk::DWORD_T id;
    const char* sim_event;
};

constexpr SendOnlyEvent SEND_ONLY_EVENTS[] = {
    {EV_FUEL_SELECTOR_SET, "FUEL_SELECTOR_SET"},
    {EV_FUEL_SELECTOR_2_SET, "FUEL_SELECTOR_2_SET"},
    {EV_TOGGLE_STARTER1, "TOGGLE_STARTER1"},
    {EV_TOGGLE_STARTER2, "TOGGLE_STARTER2"},
    {EV_STEERING_SET, "STEERING_SET"},
    {EV_AXIS_LEFT_BRAKE_SET, "AXIS_LEFT_BRAKE_SET"},
    {EV_AXIS_RIGHT_BRAKE_SET, "AXIS_RIGHT_BRAKE_SET"},
};

// Intercepted inputs: masked in their notification group at the highest maskable priority, so
// the simulator leaves them to the module, which re-sends what the aircraft allows.
struct InterceptedEvent {
    sdk::DWORD_T id;
    const char* sim_event;
    sdk::DWORD_T group;
    sdk::DWORD_T input_group;
};

constexpr InterceptedEvent INTERCEPTED_EVENTS[] = {
    {EV_TOGGLE_TAIL_HOOK_HANDLE, "TOGGLE_TAIL_HOOK_HANDLE", 79, 77},
    {EV_SET_TAIL_HOOK_HANDLE, "SET_TAIL_HOOK_HANDLE", 79, 78},
    {EV_ALL_LIGHTS_TOGGLE, "ALL_LIGHTS_TOGGLE", 82, 80},
    {EV_LANDING_LIGHTS_TOGGLE, "LANDING_LIGHTS_TOGGLE", 82, 81},
    {EV_ENGINE_AUTO_START, "ENGINE_AUTO_START", 9, 10},
    {EV_ENGINE_AUTO_SHUTDOWN, "ENGINE_AUTO_SHUTDOWN", 9, 12},
    {EV_AXIS_THROTTLE1_SET, "AXIS_THROTTLE1_SET", 1, 2},
    {EV_AXIS_THROTTLE2_SET, "AXIS_THROTTLE2_SET", 1, 4},
    {EV_THROTTLE1_SET, "THROTTLE1_SET", 1, 7},
    {EV_THROTTLE2_SET, "THROTTLE2_SET", 1, 8},
    {EV_AXIS_THROTTLE_SET, "AXIS_THROTTLE_SET", 1, 6},
    {EV_THROTTLE_CUT, "THROTTLE_CUT", 1, 14},
    {EV_THROTTLE_DECR, "THROTTLE_DECR", 1, 16},
    {EV_THROTTLE_INCR_SMALL, "THROTTLE_INCR_SMALL", 1, 18},
    {EV_THROTTLE_FULL, "THROTTLE_FULL", 1, 20},
    {EV_FLAPS_UP, "FLAPS_UP", 61, 62},
    {EV_FLAPS_DOWN, "FLAPS_DOWN", 61, 64},
    {EV_FLAPS_INCR, "FLAPS_INCR", 61, 66},
    {EV_FLAPS_DECR, "FLAPS_DECR", 61, 68},
    {EV_AXIS_AILERONS_SET, "AXIS_AILERONS_SET", 21, 22},
    {EV_AILERONS_LEFT, "AILERONS_LEFT", 21, 24},
    {EV_AILERONS_RIGHT, "AILERONS_RIGHT", 21, 26},
    {EV_AXIS_RUDDER_SET, "AXIS_RUDDER_SET", 27, 28},
    {EV_RUDDER_LEFT, "RUDDER_LEFT", 27, 30},
    {EV_RUDDER_RIGHT, "RUDDER_RIGHT", 27, 32},
    {EV_AXIS_ELEVATOR_SET, "AXIS_ELEVATOR_SET", 33, 34},
    {EV_ELEV_DOWN, "ELEV_DOWN", 33, 38},
    {EV_ELEV_UP, "ELEV_UP", 33, 36},
    {EV_SPOILERS_TOGGLE, "SPOILERS_TOGGLE", 39, 40},
    {EV_AXIS_SPOILER_SET, "AXIS_SPOILER_SET", 39, 42},
    {EV_BRAKES, "BRAKES", 43, 44},
    {EV_BRAKES_LEFT, "BRAKES_LEFT", 43, 46},
    {EV_BRAKES_RIGHT, "BRAKES_RIGHT", 43, 48},
    {EV_PARKING_BRAKES, "PARKING_BRAKES", 43, 50},
    {EV_GEAR_TOGGLE, "GEAR_TOGGLE", 51, 52},
    {EV_GEAR_UP, "GEAR_UP", 51, 54},
    {EV_GEAR_DOWN, "GEAR_DOWN", 51, 56},
    {EV_AP_MASTER, "AP_MASTER", 69, 70},
    {EV_AP_ALT_HOLD, "AP_ALT_HOLD", 69, 71},
    {EV_AP_HDG_HOLD, "AP_HDG_HOLD", 69, 72},
    {EV_AP_APR_HOLD, "AP_APR_HOLD", 69, 73},
    {EV_AP_NAV1_HOLD, "AP_NAV1_HOLD", 69, 74},
};

constexpr sdk::DWORD_T INTERCEPT_PRIORITY = sdk::SIMCONNECT_GROUP_PRIORITY_HIGHEST_MASKABLE;
constexpr sdk::DWORD_T TRANSMIT_PRIORITY = sdk::SIMCONNECT_GROUP_PRIORITY_STANDARD;

// ---- add-on menu ---------------------------------------------------------------------------------
constexpr sdk::DWORD_T MENU_GROUP = 76;
constexpr sdk::DWORD_T MENU_GROUP_PRIORITY = sdk::SIMCONNECT_GROUP_PRIORITY_HIGHEST;
constexpr char MENU_TEXT[] = "Halvorn Tarmelon";

struct MenuSubItem {
    sdk::DWORD_T id;
    const char* text;
};

constexpr MenuSubItem MENU_SUB_ITEMS[] = {
    {EV_MENU_GROUND_EQUIPMENT, "*Ground Equipment*"},
    {EV_MENU_SIGN, "    Toggle Sign, Tabs, Flap Guards"},
    {EV_MENU_LADDER, "    Toggle Ladder"},
    {EV_MENU_ENGINE_COVERS, "    Toggle Engine Covers"},
    {EV_MENU_GROUND_POWER, "    Toggle Ground Power Units"},
    {EV_MENU_ALL_OBJECTS, "    Toggle All External Objects On/Off"},
};

// ---- SquawkBox client data --------------------------------------------------------------------------
constexpr char SQUAWKBOX_AREA_NAME[] = "SquawkBox Data";
constexpr sdk::DWORD_T SQUAWKBOX_AREA = 0;
constexpr sdk::DWORD_T SQUAWKBOX_REQUEST = 0;
constexpr sdk::DWORD_T SQUAWKBOX_DEF_MODE = 2;
constexpr sdk::DWORD_T SQUAWKBOX_DEF_IDENT = 4;

struct ClientDatum {
    sdk::DWORD_T definition;
    sdk::DWORD_T offset;
};

constexpr ClientDatum SQUAWKBOX_DATA[] = {
    {0, 1}, {1, 2},
    {2, 17}, {3, 18}, {4, 19}, {5, 20}, {6, 21}, {7, 22},
    {8, 24}, {9, 25}, {10, 26},
};

}  // namespace tarmelon
