// The stand-in SimConnect as a client sees it: calls, the call log and the messages that
// reach the dispatch procedure.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench/simconnect/standin.h"
#include "sdk/simconnect.h"

#define TM_SC_DECLARE(name, params) extern "C" sdk::HRESULT_T TM_STDCALL name params;
TM_SIMCONNECT_FUNCTIONS(TM_SC_DECLARE)
#undef TM_SC_DECLARE

namespace {

using namespace sdk;

std::vector<std::vector<unsigned char>> g_received;

void TM_STDCALL dispatch(SIMCONNECT_RECV* data, DWORD_T size, void*) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    g_received.emplace_back(bytes, bytes + size);
}

template <class Record>
Record as(const std::vector<unsigned char>& m) {
    Record r{};
    std::memcpy(&r, m.data(), std::min(sizeof r, m.size()));
    return r;
}

DWORD_T id_of(const std::vector<unsigned char>& m) { return as<SIMCONNECT_RECV>(m).dwID; }

class SimConnect : public ::testing::Test {
protected:
    void SetUp() override { start(true); }

    void start(bool accept) {
        g_received.clear();
        vars_.clear();
        writes_.clear();
        sim_events_.clear();
        scstandin::Host host;
        host.read_var = [this](const std::string& datum, const std::string&) { return vars_[datum]; };
        host.write_var = [this](const std::string& datum, const std::string& units, double v) {
            writes_.push_back(datum + "," + units + "=" + std::to_string(v));
        };
        host.sim_event = [this](const std::string& name, std::uint32_t data) {
            sim_events_.push_back(name + " " + std::to_string(data));
        };
        scstandin::reset(host, accept);
    }

    // Opened and dispatching, OPEN delivered, logs cleared.
    void connect() {
        ASSERT_EQ(SimConnect_Open(&h_, "client", nullptr, 0, nullptr, SIMCONNECT_OPEN_CONFIGINDEX_LOCAL), SC_S_OK);
        ASSERT_EQ(SimConnect_CallDispatch(h_, dispatch, nullptr), SC_S_OK);
        frame();
        ASSERT_EQ(g_received.size(), 1u);
        g_received.clear();
        scstandin::clear_logs();
    }

    void frame() {
        t_ += 1.0 / 18.0;
        scstandin::frame(t_);
    }

    SC_HANDLE h_ = nullptr;
    double t_ = 0.0;
    std::map<std::string, double> vars_;
    std::vector<std::string> writes_;
    std::vector<std::string> sim_events_;
};

TEST_F(SimConnect, CallLogHasTheAgreedFormat) {
    SC_HANDLE h = nullptr;
    ASSERT_EQ(SimConnect_Open(&h, "C:\\Sim\\Tarmelon.dll", nullptr, 0, nullptr, 0xFFFFFFFFu), SC_S_OK);
    SimConnect_AddToDataDefinition(h, 6, "FUEL TANK CENTER CAPACITY", "Gallons",
                                   SIMCONNECT_DATATYPE_FLOAT64, 0.25f, SIMCONNECT_UNUSED);
    SimConnect_MapInputEventToClientEvent(h, 77, "", 62, 0, SIMCONNECT_UNUSED, 0, 0);
    const char text[] = "SimConnect has failed to connect. Please restart Flight Simulator.";
    SimConnect_Text(h, SIMCONNECT_TEXT_TYPE_PRINT_RED, 0.0f, 0, sizeof text, const_cast<char*>(text));
    SimConnect_MapClientEventToSimEvent(h, 9, "say \"hi\"\\\x01");
    SimConnect_AddToDataDefinition(h, 1, "X", "Gallons", SIMCONNECT_DATATYPE_FLOAT64, 0, SIMCONNECT_UNUSED);
    double gallons[2] = {497.5, -1.25};
    SimConnect_SetDataOnSimObject(h, 1, 0, 0, 0, 16, gallons);
    unsigned char mode = 1;
    SimConnect_SetClientData(h, 0, 2, 0, 0, 1, &mode);
    SimConnect_Close(h);
    SimConnect_Close(h);  // no longer a connection: refused, still logged
    SimConnect_Close(nullptr);

    const std::vector<std::string> expected = {
        R"(SimConnect_Open("C:\\Sim\\Tarmelon.dll", null, 0, null, 4294967295))",
        R"(SimConnect_AddToDataDefinition(6, "FUEL TANK CENTER CAPACITY", "Gallons", 4, 0.25, 4294967295))",
        R"(SimConnect_MapInputEventToClientEvent(77, "", 62, 0, 4294967295, 0, 0))",
        R"(SimConnect_Text(258, 0, 0, 67, "SimConnect has failed to connect. Please restart Flight Simulator."))",
        R"(SimConnect_MapClientEventToSimEvent(9, "say \"hi\"\\\x01"))",
        R"(SimConnect_AddToDataDefinition(1, "X", "Gallons", 4, 0, 4294967295))",
        R"(SimConnect_SetDataOnSimObject(1, 0, 0, 0, 16, 497.5, -1.25))",
        R"(SimConnect_SetClientData(0, 2, 0, 0, 1, [01]))",
        R"(SimConnect_Close())",
        R"(SimConnect_Close())",
        R"(SimConnect_Close())",
    };
    EXPECT_EQ(scstandin::call_log(), expected);
    EXPECT_EQ(scstandin::texts(), std::vector<std::string>{text});
}

TEST_F(SimConnect, NullOrUnknownHandlesAreRefused) {
    int not_a_handle = 0;
    EXPECT_EQ(SimConnect_MapClientEventToSimEvent(nullptr, 1, "GEAR_UP"), SC_E_FAIL);
    EXPECT_EQ(SimConnect_SubscribeToSystemEvent(&not_a_handle, 1, "6Hz"), SC_E_FAIL);
    const char text[] = "hello";
    EXPECT_EQ(SimConnect_Text(nullptr, 0x102, 0.0f, 0, sizeof text, const_cast<char*>(text)), SC_E_FAIL);
    EXPECT_EQ(scstandin::call_log().size(), 3u);
    EXPECT_TRUE(scstandin::texts().empty());  // nothing reaches the screen without a connection
}

TEST_F(SimConnect, RefusedOpenLeavesNoHandleAndDeliversNothing) {
    start(false);
    SC_HANDLE h = reinterpret_cast<SC_HANDLE>(0x1234);
    EXPECT_EQ(SimConnect_Open(&h, "client", nullptr, 0, nullptr, SIMCONNECT_OPEN_CONFIGINDEX_LOCAL), SC_E_FAIL);
    EXPECT_EQ(h, nullptr);
    EXPECT_FALSE(scstandin::is_open());
    EXPECT_EQ(SimConnect_CallDispatch(h, dispatch, nullptr), SC_E_FAIL);
    scstandin::frame(1.0);
    EXPECT_TRUE(g_received.empty());
}

TEST_F(SimConnect, ASilentSimulatorTakesEveryCallButNeverAnswers) {
    scstandin::set_silent(true);
    ASSERT_EQ(SimConnect_Open(&h_, "client", nullptr, 0, nullptr, SIMCONNECT_OPEN_CONFIGINDEX_LOCAL), SC_S_OK);
    EXPECT_NE(h_, nullptr);
    EXPECT_TRUE(scstandin::is_open());
    EXPECT_EQ(SimConnect_CallDispatch(h_, dispatch, nullptr), SC_S_OK);
    EXPECT_EQ(SimConnect_SubscribeToSystemEvent(h_, 7, "1sec"), SC_S_OK);
    EXPECT_EQ(SimConnect_RequestSystemState(h_, 32, "FlightLoaded"), SC_S_OK);
    EXPECT_EQ(SimConnect_MapClientEventToSimEvent(h_, 29, "GEAR_TOGGLE"), SC_S_OK);
    EXPECT_EQ(SimConnect_AddClientEventToNotificationGroup(h_, 51, 29, 1), SC_S_OK);
    EXPECT_EQ(SimConnect_SetNotificationGroupPriority(h_, 51, SIMCONNECT_GROUP_PRIORITY_HIGHEST_MASKABLE), SC_S_OK);
    const char text[] = "hello";
    EXPECT_EQ(SimConnect_Text(h_, 258, 0.0f, 67, sizeof text, const_cast<char*>(text)), SC_S_OK);
    EXPECT_EQ(scstandin::texts(), std::vector<std::string>{"hello"});
    // The pilot's masked event is not taken by a client that never hears anything.
    EXPECT_FALSE(scstandin::pilot_event("GEAR_TOGGLE", 0));
    EXPECT_EQ(sim_events_, std::vector<std::string>{"GEAR_TOGGLE 0"});
    scstandin::system_event("FlightSaved", 0, "C:\\x.FLT");
    for (int i = 0; i < 40; ++i) frame();
    EXPECT_TRUE(g_received.empty());  // no OPEN, no state, no events, ever

    // reset ends it: the next connection is answered.
    start(true);
    ASSERT_EQ(SimConnect_Open(&h_, "client", nullptr, 0, nullptr, SIMCONNECT_OPEN_CONFIGINDEX_LOCAL), SC_S_OK);
    ASSERT_EQ(SimConnect_CallDispatch(h_, dispatch, nullptr), SC_S_OK);
    frame();
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(id_of(g_received[0]), SIMCONNECT_RECV_ID_OPEN);
}

TEST_F(SimConnect, KnowsWhichSimulatorEventsAClientMapped) {
    EXPECT_FALSE(scstandin::maps_sim_event("GEAR_TOGGLE"));
    connect();
    SimConnect_MapClientEventToSimEvent(h_, 29, "GEAR_TOGGLE");
    SimConnect_MapClientEventToSimEvent(h_, 30, "");  // a private event names none
    EXPECT_TRUE(scstandin::maps_sim_event("gear_toggle"));
    EXPECT_FALSE(scstandin::maps_sim_event("FLAPS_UP"));
    EXPECT_FALSE(scstandin::maps_sim_event(""));
    SimConnect_Close(h_);
    EXPECT_FALSE(scstandin::maps_sim_event("GEAR_TOGGLE"));  // the connection is gone
}

TEST_F(SimConnect, OpenArrivesOnceAfterCallDispatchThenTheLoadedFlight) {
    scstandin::set_loaded_flight("C:\\Flights\\My Flight.FLT");
    ASSERT_EQ(SimConnect_Open(&h_, "client", nullptr, 0, nullptr, SIMCONNECT_OPEN_CONFIGINDEX_LOCAL), SC_S_OK);
    frame();
    EXPECT_TRUE(g_received.empty());  // no dispatch procedure yet
    ASSERT_EQ(SimConnect_CallDispatch(h_, dispatch, nullptr), SC_S_OK);
    EXPECT_EQ(SimConnect_RequestSystemState(h_, 32, "FlightLoaded"), SC_S_OK);
    EXPECT_EQ(SimConnect_RequestSystemState(h_, 33, "NoSuchState"), SC_E_FAIL);
    frame();
    ASSERT_EQ(g_received.size(), 2u);
    EXPECT_EQ(id_of(g_received[0]), SIMCONNECT_RECV_ID_OPEN);
    EXPECT_EQ(g_received[0].size(), sizeof(SIMCONNECT_RECV_OPEN));
    EXPECT_EQ(as<SIMCONNECT_RECV>(g_received[0]).dwSize, sizeof(SIMCONNECT_RECV_OPEN));
    const auto state = as<SIMCONNECT_RECV_SYSTEM_STATE>(g_received[1]);
    EXPECT_EQ(state.dwID, SIMCONNECT_RECV_ID_SYSTEM_STATE);
    EXPECT_EQ(state.dwRequestID, 32u);
    EXPECT_STREQ(state.szString, "C:\\Flights\\My Flight.FLT");
    frame();
    EXPECT_EQ(g_received.size(), 2u);  // neither repeats
}

TEST_F(SimConnect, DataRequestsPackEachDatumByType) {
    connect();
    vars_ = {{"A", 1.5}, {"B", -7.9}, {"C", 0.25}, {"D", 42}};
    SimConnect_AddToDataDefinition(h_, 3, "A", "feet", SIMCONNECT_DATATYPE_FLOAT64, 0, SIMCONNECT_UNUSED);
    SimConnect_AddToDataDefinition(h_, 3, "B", "bool", SIMCONNECT_DATATYPE_INT32, 0, SIMCONNECT_UNUSED);
    SimConnect_AddToDataDefinition(h_, 3, "C", "percent", SIMCONNECT_DATATYPE_FLOAT32, 0, SIMCONNECT_UNUSED);
    SimConnect_AddToDataDefinition(h_, 3, "D", nullptr, SIMCONNECT_DATATYPE_STRING8, 0, SIMCONNECT_UNUSED);
    EXPECT_EQ(SimConnect_AddToDataDefinition(h_, 3, "E", "x", 99, 0, SIMCONNECT_UNUSED), SC_E_FAIL);
    EXPECT_EQ(SimConnect_RequestDataOnSimObject(h_, 9, 3, 0, SIMCONNECT_PERIOD_ONCE, 0, 0, 0, 0), SC_S_OK);
    EXPECT_EQ(SimConnect_RequestDataOnSimObject(h_, 10, 77, 0, SIMCONNECT_PERIOD_ONCE, 0, 0, 0, 0), SC_E_FAIL);
    frame();
    frame();
    ASSERT_EQ(g_received.size(), 1u);
    const auto& m = g_received[0];
    ASSERT_EQ(m.size(), 40u + 8 + 4 + 4 + 8);
    const auto data = as<SIMCONNECT_RECV_SIMOBJECT_DATA>(m);
    EXPECT_EQ(data.dwSize, m.size());
    EXPECT_EQ(data.dwID, SIMCONNECT_RECV_ID_SIMOBJECT_DATA);
    EXPECT_EQ(data.dwRequestID, 9u);
    EXPECT_EQ(data.dwDefineID, 3u);
    EXPECT_EQ(data.dwDefineCount, 4u);
    double a;
    std::int32_t b;
    float c;
    std::memcpy(&a, &m[40], 8);
    std::memcpy(&b, &m[48], 4);
    std::memcpy(&c, &m[52], 4);
    EXPECT_EQ(a, 1.5);
    EXPECT_EQ(b, -7);
    EXPECT_EQ(c, 0.25f);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&m[56])), "42");
}

TEST_F(SimConnect, ChangedOnlyAndPerSecondRequests) {
    connect();
    SimConnect_AddToDataDefinition(h_, 1, "Q", "Gallons", SIMCONNECT_DATATYPE_FLOAT64, 0, SIMCONNECT_UNUSED);
    SimConnect_AddToDataDefinition(h_, 22, "SIM ON GROUND", "bool", SIMCONNECT_DATATYPE_INT32, 0, SIMCONNECT_UNUSED);
    SimConnect_RequestDataOnSimObject(h_, 1, 1, 0, SIMCONNECT_PERIOD_SIM_FRAME, SIMCONNECT_DATA_REQUEST_FLAG_CHANGED, 0, 0, 0);
    SimConnect_RequestDataOnSimObject(h_, 22, 22, 0, SIMCONNECT_PERIOD_SECOND, 0, 0, 0, 0);
    vars_["Q"] = 100;
    std::map<DWORD_T, int> count;
    for (int i = 0; i < 36; ++i) {  // two simulated seconds
        if (i == 10) vars_["Q"] = 99.5;
        frame();
        for (const auto& m : g_received) ++count[as<SIMCONNECT_RECV_SIMOBJECT_DATA>(m).dwRequestID];
        g_received.clear();
    }
    EXPECT_EQ(count[1], 2);   // the first value, then the one change
    EXPECT_EQ(count[22], 2);  // once a second
}

TEST_F(SimConnect, DataWritesReachTheAircraftOnlyWhenTheBlockFits) {
    connect();
    SimConnect_AddToDataDefinition(h_, 2, "FUEL TANK CENTER2 QUANTITY", "Gallons", SIMCONNECT_DATATYPE_FLOAT64, 0, SIMCONNECT_UNUSED);
    SimConnect_AddToDataDefinition(h_, 24, "GENERAL ENG STARTER:1", "bool", SIMCONNECT_DATATYPE_INT32, 0, SIMCONNECT_UNUSED);
    double gallons = 497.9;
    EXPECT_EQ(SimConnect_SetDataOnSimObject(h_, 2, 0, 0, 0, 8, &gallons), SC_S_OK);
    EXPECT_EQ(SimConnect_SetDataOnSimObject(h_, 2, 0, 0, 0, 4, &gallons), SC_E_FAIL);  // short
    EXPECT_EQ(SimConnect_SetDataOnSimObject(h_, 5, 0, 0, 0, 8, &gallons), SC_E_FAIL);  // no such definition
    EXPECT_EQ(SimConnect_SetDataOnSimObject(h_, 2, 0, 0, 0, 8, nullptr), SC_E_FAIL);
    std::int32_t on = 1;
    EXPECT_EQ(SimConnect_SetDataOnSimObject(h_, 24, 0, 0, 0, 4, &on), SC_S_OK);
    EXPECT_EQ(writes_, (std::vector<std::string>{"FUEL TANK CENTER2 QUANTITY,Gallons=497.900000",
                                                 "GENERAL ENG STARTER:1,bool=1.000000"}));
    EXPECT_EQ(scstandin::call_log().back(), "SimConnect_SetDataOnSimObject(24, 0, 0, 0, 4, [01 00 00 00])");
}

TEST_F(SimConnect, MaskedPilotEventsReachOnlyTheClient) {
    connect();
    SimConnect_MapClientEventToSimEvent(h_, 29, "GEAR_TOGGLE");
    SimConnect_AddClientEventToNotificationGroup(h_, 51, 29, 1);
    SimConnect_SetNotificationGroupPriority(h_, 51, SIMCONNECT_GROUP_PRIORITY_HIGHEST_MASKABLE);
    SimConnect_MapClientEventToSimEvent(h_, 3, "AXIS_THROTTLE1_SET");
    SimConnect_AddClientEventToNotificationGroup(h_, 1, 3, 0);  // not maskable
    SimConnect_SetNotificationGroupPriority(h_, 1, SIMCONNECT_GROUP_PRIORITY_HIGHEST_MASKABLE);

    EXPECT_TRUE(scstandin::pilot_event("gear_toggle", 0));
    EXPECT_FALSE(scstandin::pilot_event("AXIS_THROTTLE1_SET", static_cast<std::uint32_t>(-16383)));
    EXPECT_FALSE(scstandin::pilot_event("FLAPS_UP", 0));  // nobody listens
    EXPECT_EQ(sim_events_, (std::vector<std::string>{"AXIS_THROTTLE1_SET 4294950913", "FLAPS_UP 0"}));
    EXPECT_TRUE(g_received.empty());  // queued for the next frame
    frame();
    ASSERT_EQ(g_received.size(), 2u);
    const auto gear = as<SIMCONNECT_RECV_EVENT>(g_received[0]);
    EXPECT_EQ(gear.dwID, SIMCONNECT_RECV_ID_EVENT);
    EXPECT_EQ(gear.dwSize, sizeof(SIMCONNECT_RECV_EVENT));
    EXPECT_EQ(gear.uGroupID, 51u);
    EXPECT_EQ(gear.uEventID, 29u);
    const auto throttle = as<SIMCONNECT_RECV_EVENT>(g_received[1]);
    EXPECT_EQ(throttle.uEventID, 3u);
    EXPECT_EQ(static_cast<std::int32_t>(throttle.dwData), -16383);

    // The client re-sends below its own groups: performed, not seen again.
    sim_events_.clear();
    g_received.clear();
    EXPECT_EQ(SimConnect_TransmitClientEvent(h_, 0, 29, 0, SIMCONNECT_GROUP_PRIORITY_STANDARD,
                                             SIMCONNECT_EVENT_FLAG_GROUPID_IS_PRIORITY), SC_S_OK);
    EXPECT_EQ(SimConnect_TransmitClientEvent(h_, 0, 1234, 0, SIMCONNECT_GROUP_PRIORITY_STANDARD,
                                             SIMCONNECT_EVENT_FLAG_GROUPID_IS_PRIORITY), SC_E_FAIL);
    frame();
    EXPECT_EQ(sim_events_, std::vector<std::string>{"GEAR_TOGGLE 0"});
    EXPECT_TRUE(g_received.empty());
}

TEST_F(SimConnect, InputEventsNeedAnActiveGroupAndADefinition) {
    connect();
    SimConnect_MapClientEventToSimEvent(h_, 62, "TOGGLE_TAIL_HOOK_HANDLE");
    SimConnect_AddClientEventToNotificationGroup(h_, 79, 62, 1);
    SimConnect_MapInputEventToClientEvent(h_, 77, "shift+h", 62, 5, SIMCONNECT_UNUSED, 0, 1);
    SimConnect_MapInputEventToClientEvent(h_, 78, "", 62, 0, SIMCONNECT_UNUSED, 0, 0);
    SimConnect_SetInputGroupPriority(h_, 77, SIMCONNECT_GROUP_PRIORITY_HIGHEST_MASKABLE);
    EXPECT_FALSE(scstandin::pilot_input("Shift+H"));  // group still off
    SimConnect_SetInputGroupState(h_, 77, SIMCONNECT_STATE_ON);
    SimConnect_SetInputGroupState(h_, 78, SIMCONNECT_STATE_ON);
    EXPECT_TRUE(scstandin::pilot_input("Shift+H"));
    EXPECT_FALSE(scstandin::pilot_input(""));
    frame();
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(as<SIMCONNECT_RECV_EVENT>(g_received[0]).dwData, 5u);
    EXPECT_TRUE(sim_events_.empty());
}

TEST_F(SimConnect, SystemEventsArriveWhenDue) {
    connect();
    SimConnect_SubscribeToSystemEvent(h_, 64, "6Hz");
    SimConnect_SubscribeToSystemEvent(h_, 65, "1sec");
    SimConnect_SubscribeToSystemEvent(h_, 66, "Frame");
    SimConnect_SubscribeToSystemEvent(h_, 69, "FlightSaved");
    scstandin::set_sim_speed(4.0);
    std::map<DWORD_T, int> count;
    for (int i = 0; i < 36; ++i) {
        frame();
        for (const auto& m : g_received) ++count[as<SIMCONNECT_RECV_EVENT>(m).uEventID];
        if (i == 35) {
            const auto f = as<SIMCONNECT_RECV_EVENT_FRAME>(g_received[0]);
            EXPECT_EQ(f.dwID, SIMCONNECT_RECV_ID_EVENT_FRAME);
            EXPECT_EQ(f.fSimSpeed, 4.0f);
            EXPECT_NEAR(f.fFrameRate, 18.0f, 0.01f);
        }
        g_received.clear();
    }
    EXPECT_EQ(count[66], 36);
    EXPECT_EQ(count[64], 12);
    EXPECT_EQ(count[65], 2);

    scstandin::system_event("FlightSaved", 0, "D:/Flights/My Flight.FLT");
    scstandin::system_event("Crashed", 0);  // nobody subscribed
    frame();
    ASSERT_EQ(g_received.size(), 2u);  // the frame event, then the saved flight
    const auto saved = as<SIMCONNECT_RECV_EVENT_FILENAME>(g_received[1]);
    EXPECT_EQ(saved.dwID, SIMCONNECT_RECV_ID_EVENT_FILENAME);
    EXPECT_EQ(saved.uEventID, 69u);
    EXPECT_STREQ(saved.szFileName, "D:/Flights/My Flight.FLT");
}

TEST_F(SimConnect, MenuSelectionsArriveAsEvents) {
    connect();
    SimConnect_MapClientEventToSimEvent(h_, 50, "");
    EXPECT_EQ(SimConnect_MenuAddItem(h_, "Halvorn Tarmelon", 50, 0), SC_S_OK);
    EXPECT_EQ(SimConnect_MenuAddSubItem(h_, 50, "    Toggle Ladder", 56, 0), SC_S_OK);
    EXPECT_EQ(SimConnect_MenuAddSubItem(h_, 51, "orphan", 57, 0), SC_E_FAIL);
    SimConnect_AddClientEventToNotificationGroup(h_, 76, 50, 0);
    SimConnect_SetNotificationGroupPriority(h_, 76, SIMCONNECT_GROUP_PRIORITY_HIGHEST);
    ASSERT_EQ(scstandin::menu_items().size(), 2u);
    EXPECT_EQ(scstandin::menu_items()[1].text, "    Toggle Ladder");
    scstandin::menu_select(56);
    scstandin::menu_select(999);
    frame();
    ASSERT_EQ(g_received.size(), 1u);
    const auto e = as<SIMCONNECT_RECV_EVENT>(g_received[0]);
    EXPECT_EQ(e.uEventID, 56u);
    EXPECT_EQ(e.uGroupID, 76u);
    EXPECT_EQ(SimConnect_MenuDeleteItem(h_, 50), SC_S_OK);
    EXPECT_TRUE(scstandin::menu_items().empty());
}

TEST_F(SimConnect, ClientDataRepliesOnSetWithinItsLimit) {
    connect();
    SimConnect_MapClientDataNameToID(h_, "SquawkBox Data", 0);
    SimConnect_AddToClientDataDefinition(h_, 2, 17, 1, 0, SIMCONNECT_UNUSED);
    SimConnect_RequestClientData(h_, 0, 0, 2, SIMCONNECT_CLIENT_DATA_PERIOD_ON_SET, 1, 0, 0, 1);
    frame();
    EXPECT_TRUE(g_received.empty());  // nothing set yet
    scstandin::set_client_data("squawkbox data", 17, {0});
    frame();
    ASSERT_EQ(g_received.size(), 1u);
    const auto reply = as<SIMCONNECT_RECV_CLIENT_DATA>(g_received[0]);
    EXPECT_EQ(reply.dwID, SIMCONNECT_RECV_ID_CLIENT_DATA);
    EXPECT_EQ(reply.dwSize, 44u);  // one byte, padded to the record's first data word
    EXPECT_EQ(g_received[0][40], 0);
    unsigned char mode = 1;
    EXPECT_EQ(SimConnect_SetClientData(h_, 0, 2, 0, 0, 1, &mode), SC_S_OK);
    EXPECT_EQ(scstandin::client_data("SquawkBox Data")[17], 1);
    frame();
    EXPECT_EQ(g_received.size(), 1u);  // limit 1: no second reply
}

TEST_F(SimConnect, RawMessagesPassUnchangedEvenWhenTruncated) {
    connect();
    SIMCONNECT_RECV_EVENT e{};
    e.dwSize = sizeof e;
    e.dwID = SIMCONNECT_RECV_ID_EVENT;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&e);
    scstandin::deliver_raw(&e, 10);  // shorter than its own header
    scstandin::deliver_raw(&e, 0);
    ASSERT_EQ(g_received.size(), 2u);
    EXPECT_EQ(g_received[0], std::vector<unsigned char>(bytes, bytes + 10));
    EXPECT_TRUE(g_received[1].empty());
}

TEST_F(SimConnect, TextsAreBoundedByTheirSizeAndInjectedFailuresAreReported) {
    connect();
    char text[] = {'P', 'a', 'n', 'e', 'l', ' ', 's', 't', 'a', 't', 'e'};  // no terminator
    EXPECT_EQ(SimConnect_Text(h_, 0x102, 5.0f, 0, 5, text), SC_S_OK);
    EXPECT_EQ(scstandin::texts(), std::vector<std::string>{"Panel"});
    EXPECT_EQ(scstandin::call_log().back(), R"(SimConnect_Text(258, 5, 0, 5, "Panel"))");

    scstandin::fail_call("SimConnect_AddToDataDefinition", 1);
    EXPECT_EQ(SimConnect_AddToDataDefinition(h_, 6, "A", "x", 4, 0, SIMCONNECT_UNUSED), SC_S_OK);
    EXPECT_EQ(SimConnect_AddToDataDefinition(h_, 6, "B", "x", 4, 0, SIMCONNECT_UNUSED), SC_E_FAIL);
    EXPECT_EQ(SimConnect_AddToDataDefinition(h_, 6, "C", "x", 4, 0, SIMCONNECT_UNUSED), SC_S_OK);
}

}  // namespace
