// The real module through the bench: what the simulator reads from its exports, its
// generic gauge routines, and a fresh module state for every bench.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "bench.h"
#include "library.h"

namespace {

std::string module_path() {
    return (std::filesystem::path(bench::executable_dir()) / bench::default_module_file_name()).string();
}

#define REQUIRE_MODULE()                                                        \
    if (!std::filesystem::exists(module_path())) GTEST_SKIP() << "module not built: " << module_path()

const char* const kGauges[] = {
    "Elec_Panel",      "SystemWatch",       "Autopilot_Switch_Panel", "RadioGPS_Panel",       "RadioGPS_GMA340",
    "RadioGPS_GTN6XX", "RadioGPS_SL30",     "Panel_Selector",         "Panel_Selector_Arrow", "Fuel_System_Overview",
    "EngStart_Controls", "Hydraulics",      "TO_Panel",               "Fuel_Selector_SYS",    "GearFlaps_Panel",
    "Electrical",      "Avionics_Panel",    "Trim_Panel",             "Fuel_Panel",           "Oxygen_Panel",
    "Throttles_Panel", "Lighting_Panel",    "Checklist_Panel",        "LCD_VC",
};

TEST(Module, DescribeListsThe24GaugesInLinkageOrder) {
    REQUIRE_MODULE();
    bench::Bench b;
    auto names = b.gauge_names();
    ASSERT_EQ(names.size(), 24u);
    for (std::size_t i = 0; i < 24; ++i) EXPECT_EQ(names[i], kGauges[i]);
    std::string json = b.describe_gauges();
    EXPECT_EQ(json.rfind("{\"gauges\": [", 0), 0u);
    std::size_t at = 0;
    for (const char* name : kGauges) {
        std::size_t found = json.find(std::string("{\"name\": \"") + name + "\"", at);
        ASSERT_NE(found, std::string::npos) << name;
        at = found;
    }
    EXPECT_NE(json.find("{\"name\": \"Elec_Panel\", \"size_mm\": 1080, \"has_callback\": true"), std::string::npos);
    EXPECT_NE(json.find("{\"name\": \"RadioGPS_Panel\", \"size_mm\": 98, \"has_callback\": false"), std::string::npos);
}

TEST(Module, EveryBenchStartsAFreshModule) {
    REQUIRE_MODULE();
    for (int round = 0; round < 2; ++round) {
        bench::Bench b;
        // module_init ran on this load: both fuel selectors to all tanks, once each.
        const auto& keys = b.key_log();
        auto count = [&](std::uint32_t id) {
            return std::count_if(keys.begin(), keys.end(), [&](const auto& k) { return k.id == id && k.param == 1; });
        };
        EXPECT_EQ(count(65962), 1) << round;
        EXPECT_EQ(count(66523), 1) << round;
        EXPECT_EQ(b.get("L:Bench_Left_Over"), 0) << round;
        b.set("L:Bench_Left_Over", 1);
    }
}

TEST(Module, GenericRoutinesActOnTheFirstGaugesElementList) {
    REQUIRE_MODULE();
    bench::Bench b;
    b.mark();
    b.frames(1);
    auto log = b.element_list_log();
    ASSERT_FALSE(log.empty());
    for (const auto& line : log) EXPECT_NE(line.find(" Elec_Panel"), std::string::npos) << line;
    EXPECT_NE(std::find(log.begin(), log.end(), "element_list_update Elec_Panel"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "element_list_plot Elec_Panel"), log.end());
}

TEST(Module, LoadsRunsAndUnloadsWithoutSimConnect) {
    REQUIRE_MODULE();
    bench::Options o;
    o.simconnect = false;
    bench::Bench b(o);
    b.frames(18);
    b.unload();
    EXPECT_FALSE(b.loaded());
}

// Failed negative expectations on what the module showed and called say what they found.
TEST(Module, NegativeExpectationsOnTextsAndCallsSayWhatTheyFound) {
    REQUIRE_MODULE();
    bench::Options o;
    o.simconnect_silent = true;
    bench::Bench b(o);
    std::istringstream in(
        "seconds 1\n"
        "expect-no-text \"Panel state loaded\"\n"
        "expect-no-text \"SimConnect has failed to connect. Please restart Flight Simulator.\"\n"
        "expect-no-simconnect \"SimConnect_Open(\"\n"
        "expect-no-simconnect \"SimConnect_Text(258\"\n"
        "mark\n"
        "expect-no-simconnect \"SimConnect_Open(\"\n");
    std::ostringstream out, err;
    EXPECT_EQ(b.run_script(in, "t.bench", out, err), 1);
    const std::string e = err.str();
    EXPECT_NE(e.find("t.bench:3: expected no text \"SimConnect has failed to connect. Please restart Flight "
                     "Simulator.\" since the mark, found it ("),
              std::string::npos)
        << e;
    EXPECT_NE(e.find("t.bench:4: expected no SimConnect call containing \"SimConnect_Open(\" since the mark, found "
                     "SimConnect_Open(\""),
              std::string::npos)
        << e;
    EXPECT_NE(e.find("t.bench:5: expected no SimConnect call containing \"SimConnect_Text(258\" since the mark, found "
                     "SimConnect_Text(258, 0, 0, 67, \"SimConnect has failed to connect. Please restart Flight "
                     "Simulator.\") and "),
              std::string::npos)
        << e;
    EXPECT_EQ(e.find("t.bench:2:"), std::string::npos) << e;
    EXPECT_EQ(e.find("t.bench:7:"), std::string::npos) << e;
}

// The event names a script may give: the simulated aircraft's, and those the module maps.
TEST(Module, PilotEventsTheModuleMapsAreKnownOnceItIsConnected) {
    REQUIRE_MODULE();
    bench::Bench b;
    EXPECT_TRUE(b.knows_sim_event("GEAR_UP"));  // the aircraft's
    EXPECT_FALSE(b.knows_sim_event("NO_SUCH_EVENT"));
    EXPECT_FALSE(b.knows_sim_event("AP_MASTER"));  // not before the module has mapped it
    b.seconds(1);
    EXPECT_TRUE(b.knows_sim_event("ap_master"));  // the module maps it; the aircraft has no autopilot
    EXPECT_EQ(b.exec("event AP_MASTER"), "");
    EXPECT_THROW(b.exec("event NO_SUCH_EVENT"), bench::ScriptError);
}

}  // namespace
