// The simulator link: what the module registers when SimConnect answers, which inputs it
// takes from the simulator, the add-on menu, the SquawkBox link, exhaust effects, and
// messages that are short, long or malformed.
#include <cstring>

#include "bench/simconnect/standin.h"
#include "scenario.h"
#include "sdk/simconnect.h"

namespace {

using scenario::count_key;
using scenario::count_lines;
using scenario::count_prefix;
using scenario::in_order;

TEST(Registration, OpenRegistersEverythingInOrder) {
    bench::Bench b;
    b.frames(1);
    const auto log = b.simconnect_log();
    EXPECT_EQ(count_prefix(log, "SimConnect_AddToDataDefinition("), 35u);
    EXPECT_EQ(count_prefix(log, "SimConnect_RequestDataOnSimObject("), 30u);
    EXPECT_EQ(count_prefix(log, "SimConnect_SubscribeToSystemEvent("), 7u);
    EXPECT_EQ(count_prefix(log, "SimConnect_MapInputEventToClientEvent("), 42u);
    EXPECT_EQ(count_prefix(log, "SimConnect_AddToClientDataDefinition("), 11u);
    EXPECT_TRUE(in_order(log, {
        "SimConnect_AddToDataDefinition(6, \"FUEL TANK CENTER CAPACITY\", \"Gallons\", 4, 0, 4294967295)",
        "SimConnect_AddToDataDefinition(6, \"FUEL TANK RIGHT AUX CAPACITY\", \"Gallons\", 4, 0, 4294967295)",
        "SimConnect_AddToDataDefinition(1, \"FUEL TANK CENTER QUANTITY\", \"Gallons\", 4, 0, 4294967295)",
        "SimConnect_AddToDataDefinition(7, \"TURB ENG FUEL FLOW PPH:2\", \"Pounds per hour\", 4, 0, 4294967295)",
        "SimConnect_AddToDataDefinition(22, \"SIM ON GROUND\", \"bool\", 1, 0, 4294967295)",
        "SimConnect_AddToDataDefinition(26, \"AUTOPILOT MASTER\", \"bool\", 1, 0, 4294967295)",
        "SimConnect_AddToDataDefinition(24, \"GENERAL ENG STARTER:1\", \"bool\", 1, 0, 4294967295)",
        "SimConnect_AddToDataDefinition(0, \"ELECTRICAL BATTERY VOLTAGE\", \"Volts\", 4, 0, 4294967295)",
        "SimConnect_RequestDataOnSimObject(6, 6, 0, 1, 0, 0, 0, 0)",
        "SimConnect_RequestDataOnSimObject(1, 1, 0, 3, 1, 0, 0, 0)",
        "SimConnect_RequestDataOnSimObject(10, 10, 0, 3, 0, 0, 0, 0)",
        "SimConnect_RequestDataOnSimObject(22, 22, 0, 4, 1, 0, 0, 0)",
        "SimConnect_RequestDataOnSimObject(27, 27, 0, 3, 0, 0, 0, 0)",
        "SimConnect_RequestDataOnSimObject(0, 0, 0, 4, 1, 0, 0, 0)",
        "SimConnect_SubscribeToSystemEvent(64, \"6Hz\")",
        "SimConnect_SubscribeToSystemEvent(65, \"1sec\")",
        "SimConnect_SubscribeToSystemEvent(67, \"View\")",
        "SimConnect_SubscribeToSystemEvent(68, \"FlightLoaded\")",
        "SimConnect_SubscribeToSystemEvent(69, \"FlightSaved\")",
        "SimConnect_SubscribeToSystemEvent(66, \"Frame\")",
        "SimConnect_SubscribeToSystemEvent(70, \"Pause\")",
        "SimConnect_RequestSystemState(32, \"FlightLoaded\")",
        "SimConnect_MapClientEventToSimEvent(43, \"FUEL_SELECTOR_SET\")",
        "SimConnect_MapClientEventToSimEvent(65, \"AXIS_RIGHT_BRAKE_SET\")",
        "SimConnect_MapClientEventToSimEvent(62, \"TOGGLE_TAIL_HOOK_HANDLE\")",
        "SimConnect_AddClientEventToNotificationGroup(79, 62, 1)",
        "SimConnect_SetNotificationGroupPriority(79, 10000000)",
        "SimConnect_MapInputEventToClientEvent(77, \"\", 62, 0, 4294967295, 0, 0)",
        "SimConnect_SetInputGroupPriority(77, 10000000)",
        "SimConnect_SetInputGroupState(77, 1)",
        "SimConnect_MapClientEventToSimEvent(3, \"AXIS_THROTTLE1_SET\")",
        "SimConnect_MapClientEventToSimEvent(37, \"FLAPS_UP\")",
        "SimConnect_MapClientEventToSimEvent(14, \"AXIS_AILERONS_SET\")",
        "SimConnect_MapClientEventToSimEvent(22, \"ELEV_DOWN\")",
        "SimConnect_MapClientEventToSimEvent(21, \"ELEV_UP\")",
        "SimConnect_MapClientEventToSimEvent(24, \"SPOILERS_TOGGLE\")",
        "SimConnect_MapClientEventToSimEvent(25, \"BRAKES\")",
        "SimConnect_MapClientEventToSimEvent(29, \"GEAR_TOGGLE\")",
        "SimConnect_MapClientEventToSimEvent(36, \"AP_NAV1_HOLD\")",
        "SimConnect_SetInputGroupState(74, 1)",
        "SimConnect_MapClientEventToSimEvent(50, \"\")",
        "SimConnect_MenuAddItem(\"Halvorn Tarmelon\", 50, 0)",
        "SimConnect_MenuAddSubItem(50, \"*Ground Equipment*\", 54, 0)",
        "SimConnect_MenuAddSubItem(50, \"    Toggle All External Objects On/Off\", 59, 0)",
        "SimConnect_AddClientEventToNotificationGroup(76, 50, 0)",
        "SimConnect_SetNotificationGroupPriority(76, 1)",
        "SimConnect_MapClientDataNameToID(\"SquawkBox Data\", 0)",
        "SimConnect_AddToClientDataDefinition(0, 1, 1, 0, 4294967295)",
        "SimConnect_AddToClientDataDefinition(2, 17, 1, 0, 4294967295)",
        "SimConnect_AddToClientDataDefinition(10, 26, 1, 0, 4294967295)",
        "SimConnect_RequestClientData(0, 0, 2, 3, 1, 0, 0, 1)",
    }));
}

TEST(Registration, AFailedDefinitionStopsTheDataChainButNotTheRest) {
    bench::Bench b;
    scstandin::fail_call("SimConnect_AddToDataDefinition", 3);
    b.frames(1);
    const auto log = b.simconnect_log();
    EXPECT_EQ(count_prefix(log, "SimConnect_AddToDataDefinition("), 4u);  // the failing one is the last
    EXPECT_EQ(count_prefix(log, "SimConnect_RequestDataOnSimObject("), 0u);
    EXPECT_EQ(count_prefix(log, "SimConnect_SubscribeToSystemEvent("), 7u);
    EXPECT_EQ(count_prefix(log, "SimConnect_MenuAddSubItem("), 6u);
    EXPECT_EQ(count_prefix(log, "SimConnect_RequestClientData("), 1u);
}

TEST(Registration, BatteryTopUpWaitsForAReading) {
    {
        // No data requests, so no voltage ever arrives: nothing is written.
        bench::Bench b;
        scstandin::fail_call("SimConnect_RequestDataOnSimObject");
        b.seconds(3);
        EXPECT_EQ(count_prefix(b.simconnect_log(), "SimConnect_SetDataOnSimObject(0,"), 0u);
    }
    // Once a low voltage has arrived, one volt more is written every frame until it is
    // above 20 volts (the resting battery recovers a little before the first reading).
    bench::Bench b;
    b.set("A:ELECTRICAL BATTERY VOLTAGE, volts", 15);
    b.seconds(8);
    EXPECT_GT(count_prefix(b.simconnect_log(), "SimConnect_SetDataOnSimObject(0, 0, 0, 0, 8, 16."), 0u);
    EXPECT_GT(b.get("A:ELECTRICAL BATTERY VOLTAGE, volts"), 20);
    b.mark();
    b.seconds(3);
    EXPECT_EQ(count_prefix(b.simconnect_log(), "SimConnect_SetDataOnSimObject(0,"), 0u);
}

TEST(Registration, InterceptedInputsReachTheModuleNotTheSimulator) {
    bench::Bench b;
    b.frames(2);
    EXPECT_TRUE(b.pilot_event("AXIS_THROTTLE1_SET", 0));
    EXPECT_TRUE(b.pilot_event("GEAR_UP", 0));
    EXPECT_TRUE(b.pilot_event("AP_MASTER", 0));
    EXPECT_TRUE(b.pilot_event("ALL_LIGHTS_TOGGLE", 0));
    // Not intercepted: the simulator acts on it.
    EXPECT_FALSE(b.pilot_event("TOGGLE_NAV_LIGHTS", 0));
    EXPECT_FALSE(b.pilot_event("PITOT_HEAT_TOGGLE", 0));
}

TEST(Registration, NoConnectionRegistersNothing) {
    bench::Options options;
    options.simconnect = false;
    bench::Bench b(options);
    b.frames(10);
    EXPECT_EQ(count_prefix(b.simconnect_log(), "SimConnect_AddToDataDefinition("), 0u);
    EXPECT_FALSE(b.pilot_event("AXIS_THROTTLE1_SET", 0));
}

// Waits for the once-a-second "SIM ON GROUND" data to arrive.
void wait_for_ground_state(bench::Bench& b) { b.seconds(2.5); }

TEST(Menu, GroundEquipmentTogglesOnTheGround) {
    bench::Bench b;
    scenario::settle(b);
    b.mark();
    b.exec("menu 55");
    b.frames(1);
    EXPECT_EQ(b.get("L:TarmelonSignTabsVis, bool"), 1);
    EXPECT_EQ(b.get("L:Signtugged, bool"), 1);
    EXPECT_EQ(count_prefix(b.simconnect_log(), "SimConnect_AICreateSimulatedObject(\"VK_Tarmelon_Sign\""), 1u);
    b.exec("menu 55");
    b.frames(1);
    EXPECT_EQ(b.get("L:TarmelonSignTabsVis, bool"), 0);
    EXPECT_EQ(count_prefix(b.simconnect_log(), "SimConnect_AICreateSimulatedObject(\"VK_Tarmelon_Sign\""), 1u);

    b.exec("menu 56");
    b.exec("menu 57");
    b.frames(1);
    EXPECT_EQ(b.get("L:TarmelonLadder, bool"), 1);
    EXPECT_EQ(b.get("L:TarmelonEngineCover, bool"), 1);

    // Ground power units: created once, toggled with the ground power connection.
    b.exec("menu 58");
    b.frames(1);
    b.exec("menu 58");
    b.frames(1);
    b.exec("menu 58");
    b.frames(1);
    EXPECT_EQ(b.get("L:GroundUnitsShow, bool"), 1);
    EXPECT_EQ(b.get("L:TarmelonGroundPower, bool"), 1);
    EXPECT_EQ(count_prefix(b.simconnect_log(), "SimConnect_AICreateSimulatedObject(\"VK_Tarmelon_GPU\""), 1u);
    EXPECT_EQ(count_prefix(b.simconnect_log(), "SimConnect_AICreateSimulatedObject(\"VK_Tarmelon_BCU\""), 1u);

    // All objects: units already shown but the flag clear, so everything is shown; then hidden.
    b.exec("menu 59");
    b.frames(1);
    for (const char* v : {"L:TarmelonSignTabsVis, bool", "L:TarmelonLadder, bool", "L:TarmelonEngineCover, bool",
                          "L:GroundUnitsShow, bool", "L:TarmelonGroundPower, bool"})
        EXPECT_EQ(b.get(v), 1) << v;
    b.exec("menu 59");
    b.frames(1);
    for (const char* v : {"L:TarmelonSignTabsVis, bool", "L:TarmelonLadder, bool", "L:GroundUnitsShow, bool"})
        EXPECT_EQ(b.get(v), 0) << v;
}

TEST(Menu, InTheAirEquipmentCanBeTakenAwayButNotPutOut) {
    bench::Bench b;
    scenario::settle(b);
    b.exec("menu 55");
    b.frames(1);
    ASSERT_EQ(b.get("L:TarmelonSignTabsVis, bool"), 1);
    b.set("A:SIM ON GROUND, bool", 0);
    wait_for_ground_state(b);
    b.exec("menu 55");
    b.frames(1);
    EXPECT_EQ(b.get("L:TarmelonSignTabsVis, bool"), 0);
    b.exec("menu 55");
    b.exec("menu 56");
    b.frames(1);
    EXPECT_EQ(b.get("L:TarmelonSignTabsVis, bool"), 0);
    EXPECT_EQ(b.get("L:TarmelonLadder, bool"), 0);
    // Ground power units follow the menu in the air too.
    b.exec("menu 58");
    b.frames(1);
    EXPECT_EQ(b.get("L:TarmelonGroundPower, bool"), 1);
}

TEST(Exhaust, ContrailsAndEngineSmokeFollowThresholds) {
    bench::Bench b;
    scenario::settle(b);
    b.mark();
    b.set("A:PLANE ALTITUDE, feet", 35000);
    b.set("A:AMBIENT TEMPERATURE, celsius", -29);
    b.frames(2);
    EXPECT_EQ(count_key(b, 66049, 1), 0u);
    b.set("A:AMBIENT TEMPERATURE, celsius", -31);
    b.frames(2);
    EXPECT_EQ(count_key(b, 66049, 1), 1u);
    EXPECT_EQ(count_key(b, 66049, 2), 1u);
    EXPECT_EQ(b.get("L:SmokeOn1,bool"), 1);
    b.set("A:PLANE ALTITUDE, feet", 30000);  // exactly 30000: nothing changes
    b.frames(2);
    EXPECT_EQ(count_key(b, 66050, 1), 0u);
    b.set("A:PLANE ALTITUDE, feet", 29999);
    b.frames(2);
    EXPECT_EQ(count_key(b, 66050, 1), 1u);
    EXPECT_EQ(b.get("L:SmokeOn2,bool"), 0);

    b.mark();
    b.set("A:TURB ENG1 N1, percent", 32);
    b.set("A:TURB ENG2 N1, percent", 32);
    b.frames(1);
    EXPECT_EQ(b.get("L:SmokeOn7,bool"), 0);
    EXPECT_EQ(b.get("L:SmokeOn8,bool"), 0);
    b.set("A:TURB ENG1 N1, percent", 33);
    b.set("A:TURB ENG2 N1, percent", 33);
    b.frames(1);
    EXPECT_EQ(b.get("L:SmokeOn7,bool"), 1);
    EXPECT_EQ(b.get("L:SmokeOn8,bool"), 1);
    EXPECT_EQ(count_key(b, 66049, 7), 1u);
    b.frames(3);
    EXPECT_EQ(count_key(b, 66049, 7), 1u);  // sent only on a change
    b.set("A:TURB ENG1 N1, percent", 86);
    b.set("A:TURB ENG2 N1, percent", 86);
    b.frames(1);
    EXPECT_EQ(b.get("L:SmokeOn3,bool"), 1);
    EXPECT_EQ(b.get("L:SmokeOn4,bool"), 1);
}

TEST(SquawkBox, StandbyReportSwitchesTheTransponderOnOnce) {
    bench::Bench b;
    b.frames(2);
    b.mark();
    scstandin::set_client_data("SquawkBox Data", 17, {0});
    b.frames(2);
    EXPECT_EQ(count_lines(b.simconnect_log(), "SimConnect_SetClientData(0, 2, 0, 0, 1, [01])"), 1u);
    EXPECT_EQ(scstandin::client_data("SquawkBox Data").at(17), 1);
}

TEST(SquawkBox, ModeOnReportWritesNothing) {
    bench::Bench b;
    b.frames(2);
    b.mark();
    scstandin::set_client_data("SquawkBox Data", 17, {1});
    b.frames(2);
    EXPECT_EQ(count_prefix(b.simconnect_log(), "SimConnect_SetClientData("), 0u);
}

// Builds a message of the given kind whose claimed and delivered sizes the test chooses.
std::vector<unsigned char> message(sdk::DWORD_T id, std::size_t size, sdk::DWORD_T claimed) {
    std::vector<unsigned char> m(size < 12 ? 12 : size, 0);
    sdk::SIMCONNECT_RECV header{claimed, 4, id};
    std::memcpy(m.data(), &header, sizeof header);
    m.resize(size);
    return m;
}

TEST(Messages, SimulationRateGoesToTheConsoleWhenItChanges) {
    bench::Bench b;
    b.frames(5);
    scstandin::set_sim_speed(4);
    b.frames(5);
    scstandin::set_sim_speed(1);
    b.frames(2);
    EXPECT_EQ(b.console(), (std::vector<std::string>{"Sim Speed:  1", "Sim Speed:  4", "Sim Speed:  1"}));
}

TEST(Messages, ShortLongAndMalformedMessagesAreHandledSafely) {
    bench::Bench b;
    scenario::settle(b);
    b.mark();
    for (sdk::DWORD_T id = 0; id < 20; ++id) {
        for (std::size_t size : {0u, 4u, 11u, 12u, 16u, 23u, 24u, 40u, 43u, 44u, 100u, 287u, 288u, 300u, 600u}) {
            auto m = message(id, size, static_cast<sdk::DWORD_T>(size));
            scstandin::deliver_raw(m.data(), static_cast<std::uint32_t>(m.size()));
            auto lying = message(id, size, 0xFFFFFFFFu);  // claims far more than it has
            scstandin::deliver_raw(lying.data(), static_cast<std::uint32_t>(lying.size()));
        }
    }
    b.frames(2);
    // A "FlightSaved" whose name fills the whole field without a terminator.
    sdk::SIMCONNECT_RECV_EVENT_FILENAME saved{};
    saved.dwSize = sizeof saved;
    saved.dwID = sdk::SIMCONNECT_RECV_ID_EVENT_FILENAME;
    saved.uEventID = 69;
    std::memset(saved.szFileName, 'A', sizeof saved.szFileName);
    saved.dwFlags = 0xFFFFFFFFu;
    scstandin::deliver_raw(&saved, sizeof saved);
    b.frames(30);
    EXPECT_TRUE(b.faults().empty()) << b.faults().front();
}

}  // namespace
