// Loading and unloading the module, the frame driver's start-up sequence, and the cockpit's
// initial state, as the simulator drives them.
#include <cmath>

#include "scenario.h"

namespace {

using scenario::count_key;
using scenario::count_lines;
using scenario::count_prefix;

TEST(Startup, ModuleInitConnectsAndSetsTheFuelSelectors) {
    bench::Bench b;
    const auto& keys = b.key_log();
    ASSERT_GE(keys.size(), 3u);
    EXPECT_EQ(keys[0].id, 65774u);
    EXPECT_EQ(keys[1].id, 65962u);
    EXPECT_EQ(keys[1].param, 1u);
    EXPECT_EQ(keys[2].id, 66523u);
    EXPECT_EQ(keys[2].param, 1u);
    const auto log = b.simconnect_log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0].rfind("SimConnect_Open(\"", 0), 0u) << log[0];
    EXPECT_NE(log[0].find("\", null, 0, null, 4294967295)"), std::string::npos) << log[0];
    EXPECT_EQ(log[1].rfind("SimConnect_CallDispatch(", 0), 0u) << log[1];
}

TEST(Startup, UnloadRunsEveryStopStepInOrder) {
    for (bool connected : {true, false}) {
        bench::Options options;
        options.simconnect = connected;
        bench::Bench b(options);
        b.frames(2);
        b.mark();
        b.unload();
        const auto log = b.simconnect_log();
        EXPECT_TRUE(scenario::in_order(log, {"SimConnect_MenuDeleteSubItem(50, 54)", "SimConnect_MenuDeleteSubItem(50, 55)",
                                             "SimConnect_MenuDeleteSubItem(50, 56)", "SimConnect_MenuDeleteSubItem(50, 57)",
                                             "SimConnect_MenuDeleteSubItem(50, 58)", "SimConnect_MenuDeleteSubItem(50, 59)",
                                             "SimConnect_MenuDeleteItem(50)", "SimConnect_Close()"}))
            << "connected " << connected;
        const auto& keys = b.key_log();
        ASSERT_GE(keys.size(), 2u);
        EXPECT_EQ(keys[0].id, 65962u);
        EXPECT_EQ(keys[1].id, 66523u);
    }
}

TEST(Startup, NoConnectionIsReportedFromBaseTickPlusFive) {
    bench::Options options;
    options.simconnect = false;
    bench::Bench b(options);
    const std::string text =
        "SimConnect_Text(258, 0, 0, 67, \"SimConnect has failed to connect. Please restart Flight Simulator.\")";
    b.frames(4);
    EXPECT_EQ(count_lines(b.simconnect_log(), text), 0u);
    b.frames(1);
    EXPECT_EQ(count_lines(b.simconnect_log(), text), 1u);
    b.frames(3);
    EXPECT_EQ(count_lines(b.simconnect_log(), text), 4u);  // every frame while it lasts
}

#if !defined(_WIN32)
TEST(Startup, WithoutAnySimConnectLibraryTheCockpitStillRuns) {
    bench::Options options;
    options.simconnect_library = false;
    bench::Bench b(options);
    b.frames(30);
    EXPECT_TRUE(b.simconnect_log().empty());   // nothing could be called
    EXPECT_EQ(b.get("L:Lights_nav_POS, bool"), 1);  // the ready preset ran at base + 3
    b.unload();
    EXPECT_TRUE(b.faults().empty()) << b.faults().front();
}
#endif

TEST(Startup, ConnectedModuleShowsNoFailure) {
    bench::Bench b;
    b.frames(30);
    EXPECT_EQ(count_prefix(b.simconnect_log(), "SimConnect_Text(258, 0, 0, 67"), 0u);
}

TEST(Startup, InitialStateWritesTheCockpit) {
    bench::Options options;
    options.simconnect = false;  // no ready preset interferes with the initial values
    bench::Bench b(options);
    EXPECT_EQ(b.get("L:Canopy_Locked_Indicator, bool"), 1);
    EXPECT_EQ(b.get("L:ailPosVC,number"), 50);
    EXPECT_EQ(b.get("L:Throttle1Position,number"), 15);
    EXPECT_EQ(b.get("L:VSIneedle,number"), 1000);
    EXPECT_EQ(b.get("L:AutoFuelStatus, number"), 2);
    EXPECT_EQ(b.get("L:portLPCockPos, number"), 2);
    EXPECT_EQ(b.get("L:Dive_brake_switch_pos, number"), 100);
    // Mirrors derived from the positions: bank 4, LP cocks 2, battery 3, cabin air 1.
    EXPECT_EQ(b.get("L:BankPosVC,number"), 50);
    EXPECT_EQ(b.get("L:BankPos,number"), 4);
    EXPECT_EQ(b.get("L:Hydpan_port_fuelcocks,bool"), 1);
    EXPECT_EQ(b.get("L:PortFuelCocksCover,bool"), 1);
    EXPECT_EQ(b.get("L:Hydpan_aircraft_battery,bool"), 1);
    EXPECT_EQ(b.get("L:Hydpan_batteryguard,bool"), 0);
    EXPECT_EQ(b.get("L:TO_HotColdVC,enum"), 1);
    EXPECT_EQ(b.get("L:OxyPercentSwitchVC, bool"), 1);
    // The transponder starts on 7000; the VOR 1 course is set to 360.
    EXPECT_EQ(count_key(b, 65715, 0x7000), 1u);
    EXPECT_EQ(count_key(b, 65716, 360), 1u);
    // Every hidden window is cycled open and closed once, and the arrow window is left open.
    EXPECT_EQ(count_key(b, 66507, 100), 1u);
    EXPECT_EQ(count_key(b, 66508, 1900), 1u);
    EXPECT_EQ(count_key(b, 66507, 1400), 0u);  // the arrow window is already open
    EXPECT_TRUE(b.window_open(1400));
}

// Every switch position and needle value the load writes, as the cockpit reads them before the
// first frame, and the load's own key events in the order the simulator receives them.
TEST(Startup, InitialStateWritesEverySwitchInItsOrder) {
    bench::Options options;
    options.simconnect = false;
    bench::Bench b(options);
    struct Row {
        const char* variable;
        double value;
    };
    const Row rows[] = {
        {"L:Lights_taxi_POS, bool", 0},       {"L:rudPosVC,number", 50},
        {"L:Throttle2Position,number", 15},   {"L:FlapLever Position, bool", 1},
        {"L:GearUpButton, bool", 0},          {"L:GearDownButton, bool", 1},
        {"L:TarmelonGroundPower, bool", 0},   {"L:OxySelectorSwitch, bool", 1},
        {"L:OxySelectorSwitchPos, bool", 1},  {"L:bankSelPos, number", 4},
        {"L:pitchSelPos, number", 1},         {"L:AircraftBattPos, number", 3},
        {"L:Inverter6, number", 1},           {"L:Lights_ident_POS, number", 1},
        {"L:Lights_Master, bool", 1},         {"L:CDLVoiceSwitch_POS, number", 2},
        {"L:aileronTrimSelPos, number", 1},   {"L:rudderTrimSelPos, number", 1},
        {"L:tailTrimSelPos, number", 1},      {"L:cabinTempValNeedleVC,number", 0},
        // electrical and engine switches
        {"L:Inverter12_Cycles, number", 0},   {"L:ElecStart_AvsOnOffPos, bool", 1},
        {"L:GEN1OnOffPos, number", 1},        {"L:GEN2OnOffPos, number", 1},
        {"L:Inverter_MeterSel_pos, number", 0}, {"L:Engine1_Ignition, bool", 1},
        {"L:Engine1_MasterPos, bool", 1},     {"L:Engine2_Ignition, bool", 1},
        {"L:Engine2_MasterPos, bool", 1},
        // the fuel panel
        {"L:PortTrans2RearTankPos, bool", 1}, {"L:StbdTrans2RearTankPos, bool", 1},
        {"L:BellyTankStbPump, bool", 1},      {"L:BellyTankPortPump, bool", 1},
        {"L:WingPumpPort, bool", 0},          {"L:WingPumpStbd, bool", 0},
        {"L:RearPumpPort, bool", 0},          {"L:RearPumpStbd, bool", 0},
        {"L:RearFuelCockPort, bool", 1},      {"L:RearFuelCockStbd, bool", 1},
        {"L:stbdLPCockPos, bool", 2},         {"L:FUELTRANCOCK Position, bool", 0},
        // canopy, voice and lights, cabin air, late settings
        {"L:CDLVoice Switch position, number", 1}, {"L:LIGHT Ident position, number", 1},
        {"L:cabinAirSelPos, number", 1},      {"L:MIN_GFORCE, number", 50},
        {"L:MAX_GFORCE, number", 50},         {"L:VOR1_obs,number", 100},
        // the remaining mirrors
        {"L:Hydpan_stbd_fuelcocks,bool", 1},  {"L:StrbFuelCocksCover,bool", 1},
        {"L:Gyro_pointer_knob,enum", 1},      {"L:radalt_limit_on,bool", 1},
    };
    for (const Row& row : rows) EXPECT_EQ(b.get(row.variable), row.value) << row.variable;

    // The load's own key events, in order: VOR 1 course, window cycling, 66720, the squawk, 65774.
    std::vector<std::uint32_t> ids;
    for (const auto& k : b.key_log()) ids.push_back(k.id);
    const std::uint32_t wanted[] = {65716, 66507, 66508, 66720, 65715, 65774};
    auto at = ids.begin();
    for (std::uint32_t id : wanted) {
        at = std::find(at, ids.end(), id);
        ASSERT_NE(at, ids.end()) << id;
        ++at;
    }
    EXPECT_EQ(count_key(b, 66720, 1), 1u);
    // 65774 is also one of the module's start-up keys, sent before the initial state runs.
    EXPECT_EQ(count_key(b, 65774, 1), 2u);
}

TEST(Startup, SimulatorLightsAreSwitchedOffOnlyWhereOn) {
    bench::Bench b;
    b.set("A:LIGHT STROBE, bool", 1);
    b.set("A:LIGHT NAV, bool", 1);
    b.unload();
    // The aircraft keeps its lights across a reload of the module.
    b.mark();
    b.load();
    EXPECT_EQ(count_key(b, 66053, 1), 1u);
    EXPECT_EQ(count_key(b, 66379, 1), 1u);
    EXPECT_EQ(count_key(b, 66060), 0u);
    EXPECT_EQ(count_key(b, 66377), 0u);
}

TEST(Startup, ReadyPresetFollowsTheInitialState) {
    bench::Bench b;
    b.frames(2);
    EXPECT_EQ(b.get("L:Lights_nav_POS, bool"), 0);
    scenario::settle(b);
    // Ready: switches on, the simulator's engines started once, avionics and pitot heat on.
    EXPECT_EQ(b.get("L:Lights_nav_POS, bool"), 1);
    EXPECT_EQ(b.get("L:AP_POWER_SWITCH, bool"), 1);
    EXPECT_EQ(b.get("L:Top2BellyTransCockPos, number"), 3);
    EXPECT_EQ(count_key(b, 66701, 1), 1u);
    EXPECT_EQ(count_key(b, 66074, 1), 1u);
    EXPECT_EQ(count_key(b, 66224, 1), 1u);
    // On the ground the gear stays down.
    EXPECT_EQ(b.get("L:GearDownButton, bool"), 1);
    EXPECT_EQ(count_key(b, 65700, 1), 1u);
    // Applied once only.
    b.frames(40);
    EXPECT_EQ(count_key(b, 66701, 1), 1u);
}

TEST(FrameDriver, HeadingRepeaters) {
    bench::Bench b;
    struct Case {
        double heading, selector, course;
        double bug, pointer, centre;
    };
    const Case cases[] = {
        {1, 0, 0, 0, 0, 0},
        {181, 90, 90, 748, 2692, 2694},
        {360, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        b.set_token(81, c.heading);
        b.set_token(855, c.selector);
        b.set_token(854, c.course);
        b.frames(1);
        EXPECT_EQ(b.get("L:HSI_heading_bug,number"), c.bug) << c.heading << " " << c.selector;
        EXPECT_EQ(b.get("L:Autopilot_pointer,number"), c.pointer) << c.heading;
        EXPECT_EQ(b.get("L:HSI_course_centre,number"), c.centre) << c.heading;
    }
}

TEST(FrameDriver, StrobeSwitchesDriveFourLights) {
    bench::Bench b;
    scenario::settle(b);
    b.set("L:Lights_Master, bool", 1);
    b.set("L:StrobeSwitch1,number", 0);
    b.set("L:StrobeSwitch2,number", 2);
    b.frames(2);
    EXPECT_EQ(b.get("A:LIGHT STROBE, bool"), 1);
    EXPECT_EQ(b.get("A:LIGHT WING, bool"), 0);
    EXPECT_EQ(b.get("A:LIGHT LOGO, bool"), 0);
    EXPECT_EQ(b.get("A:LIGHT CABIN, bool"), 1);

    b.set("L:StrobeSwitch1,number", 2);
    b.set("L:StrobeSwitch2,number", 0);
    b.frames(2);
    EXPECT_EQ(b.get("A:LIGHT STROBE, bool"), 0);
    EXPECT_EQ(b.get("A:LIGHT WING, bool"), 1);
    EXPECT_EQ(b.get("A:LIGHT LOGO, bool"), 1);
    EXPECT_EQ(b.get("A:LIGHT CABIN, bool"), 0);

    // Switch value 3 changes nothing; the master off puts every light out.
    b.mark();
    b.set("L:StrobeSwitch1,number", 3);
    b.frames(2);
    EXPECT_EQ(count_key(b, 66053), 0u);
    EXPECT_EQ(count_key(b, 66378), 0u);
    b.set("L:Lights_Master, bool", 0);
    b.frames(2);
    EXPECT_EQ(b.get("A:LIGHT WING, bool"), 0);
    EXPECT_EQ(b.get("A:LIGHT LOGO, bool"), 0);
}

// Misting needs a long cruise above the threshold (30000 to 36999 feet) and a descent. One
// frame a simulated second keeps the half-hour cruise short to run.
TEST(FrameDriver, CanopyMistsAfterALongHighCruiseAndClears) {
    bench::Options options;
    options.fps = 1;
    bench::Bench b(options);
    b.frames(5);
    b.set("L:Canopy Heat Position, bool", 0);
    b.set("L:Pull_Demist,number", 0);

    // 1799 seconds above the highest threshold, then down: no mist.
    b.set_token(74, 37000);
    b.frames(1799);
    b.set_token(74, 20000);
    b.frames(60);
    EXPECT_EQ(b.get("L:Tarmelon_Mist_Light,number"), 0);

    // 1800 seconds: the canopy mists up in five-second steps to level 7.
    b.set_token(74, 37000);
    b.frames(1800);
    b.set_token(74, 20000);
    b.frames(1);
    b.frames(5);
    EXPECT_EQ(b.get("L:Tarmelon_Mist_Light,number"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Mist_Light_External,number"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Mist_Medium,number"), 0);
    b.frames(30);
    EXPECT_EQ(b.get("L:Tarmelon_Mist_Heavy,number"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Mist_Medium,number"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Mist_Heavy_External,number"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Mist_Light_External,number"), 0);

    // Both demist controls on: it clears step by step.
    b.set("L:Canopy Heat Position, bool", 1);
    b.set("L:Pull_Demist,number", 1);
    b.frames(20);
    EXPECT_EQ(b.get("L:Tarmelon_Mist_Heavy,number"), 0);
    EXPECT_EQ(b.get("L:Tarmelon_Mist_Medium,number"), 1);
    b.frames(25);
    EXPECT_EQ(b.get("L:Tarmelon_Mist_Light,number"), 0);
    EXPECT_EQ(b.get("L:Tarmelon_Mist_Step,number"), 0);
}

}  // namespace
