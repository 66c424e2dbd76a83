// The aircraft's lights as the crew works them: the external lights with their master and
// the simulator's lights kept in step (also when the simulator applies a toggle a frame
// late), the photoflash doors, the flares, the yoke's buttons, the CDL switch and the
// warning lamps.
#include <string>
#include <vector>

#include "bench/win32/standin.h"
#include "scenario.h"

namespace {

constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t RIGHT = 0x80000000;
const std::string kLandingToggle = "SimConnect_TransmitClientEvent(0, 1, 0, 1900000000, 16)";
const std::string kDoorsOpen = "SimConnect_TransmitClientEvent(0, 63, 1, 1900000000, 16)";
const std::string kDoorsShut = "SimConnect_TransmitClientEvent(0, 63, 0, 1900000000, 16)";

std::size_t landing_toggles(const bench::Bench& b) { return scenario::count_lines(b.simconnect_log(), kLandingToggle); }

std::vector<double> sim_lights(const bench::Bench& b) {
    return {b.get("A:LIGHT NAV, bool"), b.get("A:LIGHT LANDING, bool"), b.get("A:LIGHT BEACON, bool"),
            b.get("A:LIGHT TAXI, bool")};
}

// A ready aircraft (its lights on) with the trim panel open.
void ready_with_trim_panel(bench::Bench& b) {
    scenario::settle(b);
    b.window("open", 200);
    b.frames(2);
}

class ExternalLights : public ::testing::TestWithParam<bool> {
protected:
    bench::Options options() const {
        bench::Options o;
        o.late_toggles = GetParam();
        return o;
    }
};

TEST_P(ExternalLights, MasterOffPutsEveryLightOutOnceAndTheSwitchesKeepTheirPlaces) {
    bench::Bench b(options());
    ready_with_trim_panel(b);
    ASSERT_EQ(sim_lights(b), (std::vector<double>{1, 1, 1, 1}));
    b.mark();
    b.click("Trim_Panel", 800, 850, LEFT);
    b.frames(36);  // the simulator may be late; nothing is sent twice meanwhile
    EXPECT_EQ(sim_lights(b), (std::vector<double>{0, 0, 0, 0}));
    EXPECT_EQ(scenario::count_key(b, 66379, 1), 1u);
    EXPECT_EQ(scenario::count_key(b, 66239, 1), 1u);
    EXPECT_EQ(scenario::count_key(b, 66240, 1), 1u);
    EXPECT_EQ(landing_toggles(b), 1u);
    EXPECT_EQ(b.get("L:Lights_nav_POS, bool"), 1);
    EXPECT_EQ(b.get("L:Lights_taxi_POS, bool"), 1);
    EXPECT_EQ(b.get("L:Lights_landing_POS, number"), 2);
    EXPECT_EQ(b.get("L:lightTaxiState, bool"), 0);

    // Master on again: the taxi light follows its switch at once; the navigation light
    // waits for its switch to be worked: off (nothing sent), then on.
    b.mark();
    b.key(69636);
    b.frames(18);
    EXPECT_EQ(b.get("A:LIGHT TAXI, bool"), 1);
    EXPECT_EQ(scenario::count_key(b, 66240, 1), 1u);
    EXPECT_EQ(b.get("A:LIGHT NAV, bool"), 0);
    b.click("Trim_Panel", 130, 900, LEFT);
    EXPECT_EQ(scenario::count_key(b, 66379), 0u);
    b.click("Trim_Panel", 130, 900, LEFT);
    b.frames(18);
    EXPECT_EQ(scenario::count_key(b, 66379, 1), 1u);
    EXPECT_EQ(b.get("A:LIGHT NAV, bool"), 1);
    // The taxi switch off: the light follows, once.
    b.key(69632);
    b.frames(18);
    EXPECT_EQ(b.get("A:LIGHT TAXI, bool"), 0);
    EXPECT_EQ(scenario::count_key(b, 66240, 1), 2u);
}

TEST_P(ExternalLights, LandingLightsRetractAboveTwoHundredKnotsWithOneToggle) {
    bench::Bench b(options());
    ready_with_trim_panel(b);
    b.mark();
    b.set_token(61, 200);
    b.frames(18);
    EXPECT_EQ(landing_toggles(b), 0u);
    EXPECT_EQ(b.get("L:Land_Light_Anim,number"), 100);
    b.set_token(61, 201);
    b.frames(18);
    EXPECT_EQ(landing_toggles(b), 1u);
    EXPECT_EQ(b.get("A:LIGHT LANDING, bool"), 0);
    EXPECT_EQ(b.get("L:Land_Light_Anim,number"), 0);
    EXPECT_EQ(b.get("L:Lights_landing_POS, number"), 2);
    b.set_token(61, 150);
    b.frames(18);
    EXPECT_EQ(b.get("A:LIGHT LANDING, bool"), 0);
    EXPECT_EQ(landing_toggles(b), 1u);
}

INSTANTIATE_TEST_SUITE_P(OnTimeAndLate, ExternalLights, ::testing::Bool());

TEST(Lights, LandingSwitchClicksAndThePilotsLightInputs) {
    bench::Bench b;
    ready_with_trim_panel(b);
    b.mark();
    b.set("L:Lights_landing_POS, number", 1);
    b.set("L:Tarmelon_Click3, number", 0);
    b.key(69637);  // 1 to 2 with the light on: no event, the lamp stays out
    EXPECT_EQ(b.get("L:Lights_landing_POS, number"), 2);
    EXPECT_EQ(b.get("L:Tarmelon_Click3, number"), 1);
    EXPECT_EQ(landing_toggles(b), 0u);
    EXPECT_EQ(b.get("L:Land_Light_Anim,number"), 100);
    b.click("Trim_Panel", 400, 900, RIGHT);
    b.key(69638);  // down to 0: off and retracted
    EXPECT_EQ(b.get("L:Lights_landing_POS, number"), 0);
    EXPECT_EQ(landing_toggles(b), 1u);
    EXPECT_EQ(b.get("L:Land_Light_Anim,number"), 0);
    b.frames(1);
    EXPECT_EQ(b.get("A:LIGHT LANDING, bool"), 0);
    // The simulator's landing-light input works the switch: up from 0, down from above.
    EXPECT_TRUE(b.pilot_event("LANDING_LIGHTS_TOGGLE", 0));
    b.frames(1);
    EXPECT_EQ(b.get("L:Lights_landing_POS, number"), 1);
    EXPECT_EQ(b.get("A:LIGHT LANDING, bool"), 1);
    EXPECT_EQ(b.get("L:Land_Light_Anim,number"), 100);
    b.pilot_event("LANDING_LIGHTS_TOGGLE", 0);
    b.frames(1);
    EXPECT_EQ(b.get("L:Lights_landing_POS, number"), 0);
    EXPECT_EQ(b.get("A:LIGHT LANDING, bool"), 0);
}

TEST(Lights, AllLightsInputFlipsEverySwitchAndItsLight) {
    bench::Bench b;
    ready_with_trim_panel(b);
    b.set("L:StrobeSwitch1,number", 1);
    b.set("L:StrobeSwitch2,number", 0);
    b.pilot_event("ALL_LIGHTS_TOGGLE", 0);
    b.frames(2);
    EXPECT_EQ(b.get("L:StrobeSwitch1,number"), 0);
    EXPECT_EQ(b.get("L:StrobeSwitch2,number"), 1);
    EXPECT_EQ(b.get("L:Lights_nav_POS, bool"), 0);
    EXPECT_EQ(b.get("L:Lights_taxi_POS, bool"), 0);
    EXPECT_EQ(b.get("L:Lights_landing_POS, number"), 1);  // the right-click branch from 2
    EXPECT_EQ(b.get("L:Lights_ident_POS, number"), 0);
    EXPECT_EQ(sim_lights(b), (std::vector<double>{0, 1, 0, 0}));
}

TEST(Lights, IdentificationSwitchSpringsBackFromFlashAndWorksTheBeacon) {
    bench::Bench b;
    ready_with_trim_panel(b);
    b.key(69634);  // 1 to 0: the beacon stays as it is
    b.key(69635);  // 0 to 1 with the beacon on: off
    b.frames(1);
    ASSERT_EQ(b.get("A:LIGHT BEACON, bool"), 0);
    b.mark();
    b.click("Trim_Panel", 650, 1000, LEFT);  // lower half: 2, on
    EXPECT_EQ(b.get("L:Lights_ident_POS, number"), 2);
    EXPECT_EQ(scenario::count_key(b, 66239, 1), 1u);
    b.seconds(1.1);
    EXPECT_EQ(b.get("L:Lights_ident_POS, number"), 1);
    EXPECT_EQ(b.get("A:LIGHT BEACON, bool"), 1);
    b.click("Trim_Panel", 650, 860, LEFT);  // upper half: 0, the beacon stays on
    EXPECT_EQ(b.get("A:LIGHT BEACON, bool"), 1);
    // At 0 the upper half has nowhere to go: no click heard.
    b.set("L:Tarmelon_Click3, number", 0);
    b.click("Trim_Panel", 650, 860, LEFT);
    EXPECT_EQ(b.get("L:Tarmelon_Click3, number"), 0);
    b.click("Trim_Panel", 650, 1000, LEFT);  // 0 to 1: off
    b.frames(1);
    EXPECT_EQ(b.get("A:LIGHT BEACON, bool"), 0);
    EXPECT_EQ(b.get("L:Tarmelon_Click3, number"), 1);
}

TEST(Photoflash, LeverOpensTheDoorsAndTheIndicatorFollowsThemWithoutFightingTheLogoLight) {
    bench::Options late;
    late.late_toggles = true;
    bench::Bench b(late);
    ready_with_trim_panel(b);
    b.set("L:StrobeSwitch2,number", 0);  // the logo light wanted on
    b.frames(18);
    ASSERT_EQ(b.get("A:LIGHT LOGO, bool"), 1);
    EXPECT_EQ(b.element("Trim_Panel", 3).frame, 0);
    EXPECT_EQ(b.get("L:PhotoflashOff, bool"), 1);
    b.mark();
    b.click("Trim_Panel", 400, 400, LEFT);
    EXPECT_EQ(scenario::count_lines(b.simconnect_log(), kDoorsOpen), 1u);
    EXPECT_EQ(b.get("L:Photoflash_lever_POS, bool"), 1);
    b.seconds(1);
    EXPECT_EQ(b.element("Trim_Panel", 3).frame, 2);
    EXPECT_EQ(b.get("L:PhotoflashTransit, bool"), 1);
    b.seconds(4);
    EXPECT_EQ(b.get("A:TAILHOOK POSITION, percent"), 100);
    EXPECT_EQ(b.element("Trim_Panel", 3).frame, 1);
    EXPECT_EQ(b.get("L:PhotoflashOn, bool"), 1);
    EXPECT_EQ(b.get("L:PhotoflashOff, bool") + b.get("L:PhotoflashTransit, bool"), 0);
    // Doors open: the logo light out, once; the strobe mapping does not switch it back.
    b.seconds(3);
    EXPECT_EQ(b.get("A:LIGHT LOGO, bool"), 0);
    EXPECT_EQ(scenario::count_key(b, 66376, 1), 1u);
    // Closed again from the simulator's tail-hook input: the logo light comes back.
    EXPECT_TRUE(b.pilot_event("TOGGLE_TAIL_HOOK_HANDLE", 0));
    b.frames(1);
    EXPECT_EQ(b.get("L:Photoflash_lever_POS, bool"), 0);
    EXPECT_EQ(scenario::count_lines(b.simconnect_log(), kDoorsShut), 1u);
    b.seconds(5);
    EXPECT_EQ(b.get("L:PhotoflashOff, bool"), 1);
    EXPECT_EQ(b.get("A:LIGHT LOGO, bool"), 1);
    EXPECT_EQ(scenario::count_key(b, 66376, 1), 2u);
}

TEST(Photoflash, WithoutDcPowerTheLeverMovesButCommandsNothing) {
    bench::Bench b;
    b.start("cold-and-dark");
    b.window("open", 200);
    b.mark();
    b.click("Trim_Panel", 400, 400, LEFT);
    EXPECT_EQ(b.get("L:Photoflash_lever_POS, bool"), 1);
    b.seconds(5);
    EXPECT_EQ(scenario::count_prefix(b.simconnect_log(), "SimConnect_TransmitClientEvent(0, 63,"), 0u);
    EXPECT_EQ(b.get("A:TAILHOOK POSITION, percent"), 0);
    // The camera flash needs the doors more than 70 % open.
    b.key(69938);
    EXPECT_EQ(scenario::count_key(b, 66049, 9), 0u);
    b.set("A:TAILHOOK POSITION, percent", 71);
    b.key(69938);
    EXPECT_EQ(scenario::count_key(b, 66049, 9), 1u);
    EXPECT_EQ(b.get("L:Tarmelon_Yoke_Camera,bool"), 0);  // the guard is shut
}

TEST(Flares, JettisonSwitchGuardLeverAndSpringBack) {
    bench::Bench b;
    ready_with_trim_panel(b);
    auto sw = [&] {
        return std::vector<double>{b.get("L:Flare_Switch_POS, number"), b.get("L:Tarmelon_Trimpan_flarejetguard,bool"),
                                   b.get("L:Tarmelon_Trimpan_flarejet,bool")};
    };
    b.click("Trim_Panel", 100, 200, LEFT);  // guard shut: a left click does nothing
    EXPECT_EQ(sw(), (std::vector<double>{0, 0, 0}));
    b.click("Trim_Panel", 100, 200, RIGHT);
    EXPECT_EQ(sw(), (std::vector<double>{1, 1, 0}));
    b.click("Trim_Panel", 100, 200, LEFT);
    EXPECT_EQ(sw(), (std::vector<double>{2, 1, 1}));
    b.seconds(2.1);
    EXPECT_EQ(sw(), (std::vector<double>{1, 1, 0}));
    b.click("Trim_Panel", 100, 200, RIGHT);
    EXPECT_EQ(sw(), (std::vector<double>{0, 0, 0}));
    // The virtual cockpit: guard, then lever; the position follows on the next frame.
    b.set("L:Tarmelon_Click1, number", 0);
    b.key(69648);
    EXPECT_EQ(b.get("L:Tarmelon_Click1, number"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Click1Pan, number"), -10000);
    b.key(69649);
    b.frames(1);
    EXPECT_EQ(sw(), (std::vector<double>{2, 1, 1}));
    b.seconds(2.1);
    EXPECT_EQ(sw(), (std::vector<double>{1, 1, 0}));
    // Flares armed: output 5 on with the guard open, off with it shut, every frame.
    b.set("L:ChaffFlareArm,bool", 1);
    b.mark();
    b.frames(5);
    EXPECT_EQ(scenario::count_key(b, 66049, 5), 5u);
    b.key(69648);
    b.mark();
    b.frames(5);
    EXPECT_EQ(scenario::count_key(b, 66050, 5), 5u);
    EXPECT_EQ(scenario::count_key(b, 66049, 5), 0u);
}

// The timer calls and the missing main window are the Win32 stand-in's (Linux only).
#if !defined(_WIN32)
TEST(Flares, FlareButtonFiresAndReturnsOnTheSimulatorsWindowTimer) {
    bench::Bench b;
    ready_with_trim_panel(b);
    b.set("L:ChaffFlareArm,bool", 1);
    b.key(69648);  // guard open: the per-frame output does not switch the flares off
    b.mark();
    b.key(69939);
    EXPECT_EQ(b.get("L:FlareButtonSwitch, bool"), 1);
    EXPECT_EQ(scenario::count_key(b, 66049, 5), 1u);
    EXPECT_EQ(scenario::count_key(b, 66049, 6), 1u);
    EXPECT_EQ(scenario::count_lines(w32standin::call_log(), "SetTimer(main, 4, 3000)"), 1u);
    b.seconds(3.1);
    EXPECT_EQ(b.get("L:FlareButtonSwitch, bool"), 0);
    EXPECT_EQ(scenario::count_key(b, 66050), 0u);
    // Twice within three seconds: the second press switches both outputs off.
    b.key(69939);
    b.key(69939);
    EXPECT_EQ(scenario::count_key(b, 66050, 5), 1u);
    EXPECT_EQ(scenario::count_key(b, 66050, 6), 1u);
    EXPECT_EQ(b.get("L:FlareButtonSwitch, bool"), 0);
}

TEST(Flares, WithoutTheSimulatorsWindowTheFlareButtonSetsNoTimer) {
    bench::Bench b;
    scenario::settle(b);
    w32standin::set_main_window_exists(false);
    const auto timers_before = scenario::count_prefix(w32standin::call_log(), "SetTimer(");
    b.key(69939);
    EXPECT_EQ(scenario::count_prefix(w32standin::call_log(), "SetTimer("), timers_before);
    b.seconds(4);
    EXPECT_EQ(b.get("L:FlareButtonSwitch, bool"), 1);  // in until pressed again
    b.key(69939);
    EXPECT_EQ(b.get("L:FlareButtonSwitch, bool"), 0);
    w32standin::set_main_window_exists(true);
}
#endif

TEST(Lights, YokeButtonsTankFireAndCdlSwitch) {
    bench::Bench b;
    ready_with_trim_panel(b);
    b.mark();
    // Camera: the guard opens, the button toggles the camera, click 3 at pan 0.
    b.key(69937);
    EXPECT_EQ(b.get("L:Tarmelon_Yoke_CameraGuard,bool"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Click2Pan, number"), 0);
    b.key(69938);
    EXPECT_EQ(b.get("L:Tarmelon_Yoke_Camera,bool"), 1);
    b.key(69937);  // the guard cannot shut over a pressed camera button
    EXPECT_EQ(b.get("L:Tarmelon_Yoke_CameraGuard,bool"), 1);
    b.key(69938);
    EXPECT_EQ(b.get("L:Tarmelon_Yoke_Camera,bool"), 0);
    // Push to transmit: a key event on every toggle.
    b.key(69940);
    b.key(69940);
    EXPECT_EQ(scenario::count_key(b, 65564, 0), 2u);
    EXPECT_EQ(b.get("L:Tarmelon_Yoke_PushTransmit,bool"), 0);
    // Tank fire button.
    b.set("L:Tarmelon_Click3, number", 0);
    b.key(69925);
    EXPECT_EQ(b.get("L:Tank_fire,bool"), 1);
    EXPECT_EQ(scenario::count_key(b, 66826, 0), 1u);
    EXPECT_EQ(b.get("L:Tarmelon_Click3Pan, number"), 1000);

    // CDL voice: both variables move; at 0 the mute lamp lights.
    b.click("Trim_Panel", 100, 500, LEFT);
    b.click("Trim_Panel", 100, 500, LEFT);
    b.click("Trim_Panel", 100, 500, LEFT);
    EXPECT_EQ(b.get("L:CDLVoiceSwitch_POS, number"), 0);
    EXPECT_EQ(b.get("L:Tarmelon_Trimpan_cdlvoice, number"), 0);
    b.frames(1);
    EXPECT_EQ(b.element("Trim_Panel", 1).frame, 1);
    EXPECT_EQ(b.get("L:Trimpan_CDLmuteon, bool"), 1);
    // The virtual cockpit's master copy moves the switch.
    b.set("L:Tarmelon_Trimpan_cdlvoice, number", 2);
    b.frames(1);
    EXPECT_EQ(b.get("L:CDLVoiceSwitch_POS, number"), 2);
    b.frames(1);
    EXPECT_EQ(b.get("L:Trimpan_CDLmuteon, bool"), 0);
    b.click("Trim_Panel", 50, 900, LEFT);  // lamp test
    b.frames(1);
    EXPECT_EQ(b.get("L:Trimpan_CDLmuteon, bool"), 1);
}

TEST(Lights, WarningLampsFollowPowerPressuresFireAndTheirTests) {
    bench::Bench b;
    b.start("ready");
    b.seconds(5);  // both engine pumps at full pressure: every lamp dark
    EXPECT_EQ(b.get("L:RudderPWRFail100,bool"), 1);
    EXPECT_EQ(b.get("L:Rudder_power_fail50_light,bool"), 1);
    EXPECT_EQ(b.get("L:Aileron_power_fail_100_light, bool"), 0);
    EXPECT_EQ(b.get("L:Aileron_power_fail_50_light, bool"), 0);
    EXPECT_EQ(b.get("L:TankFireLight, bool"), 0);
    b.set_token(980, 1);
    b.frames(1);
    EXPECT_EQ(b.get("L:TankFireLight, bool"), 1);
    b.set_token(980, 0);
    for (const char* test : {"L:Rudder_power_fail50,bool", "L:Aileron_power_fail_50,bool", "L:TankFirePressTest,bool",
                             "L:Cabin_pressure_fail,bool"})
        b.set(test, 1);
    b.frames(1);
    EXPECT_EQ(b.get("L:Rudder_power_fail50_light,bool"), 0);
    EXPECT_EQ(b.get("L:Aileron_power_fail_50_light, bool"), 1);
    EXPECT_EQ(b.get("L:TankFireLight, bool"), 1);
    EXPECT_EQ(b.get("L:Cabin_pressure_fail_light, bool"), 1);
    // Without DC power every lamp takes its unpowered value, tests or not.
    b.start("cold-and-dark");
    b.seconds(5);
    EXPECT_EQ(b.get("L:RudderPWRFail100,bool"), 1);
    EXPECT_EQ(b.get("L:Rudder_power_fail50_light,bool"), 1);
    EXPECT_EQ(b.get("L:Aileron_power_fail_50_light, bool"), 0);
    EXPECT_EQ(b.get("L:Aileron_power_fail_100_light, bool"), 0);
    EXPECT_EQ(b.get("L:TankFireLight, bool"), 0);
    EXPECT_EQ(b.get("L:Cabin_pressure_fail_light, bool"), 0);
    // Ground power, engines stopped: no pump pressure, so the both-pump rudder lamp and the
    // both-circuit aileron lamp light; the one-pump and one-circuit lamps stay dark.
    for (const char* test : {"L:Rudder_power_fail50,bool", "L:Aileron_power_fail_50,bool", "L:TankFirePressTest,bool",
                             "L:Cabin_pressure_fail,bool"})
        b.set(test, 0);
    b.window("open", 200);
    b.click("Trim_Panel", 1740, 900, LEFT);
    b.seconds(2);
    EXPECT_EQ(b.get("L:RudderPWRFail100,bool"), 0);
    EXPECT_EQ(b.get("L:Rudder_power_fail50_light,bool"), 1);
    EXPECT_EQ(b.get("L:Aileron_power_fail_100_light, bool"), 1);
    EXPECT_EQ(b.get("L:Aileron_power_fail_50_light, bool"), 0);
}

}  // namespace

namespace {

// The virtual cockpit's click events reach the same controls as the 2D panels.
TEST(Lights, VirtualCockpitEventsWorkTheSameControls) {
    bench::Bench b;
    ready_with_trim_panel(b);
    b.key(69633);
    EXPECT_EQ(b.get("L:Lights_nav_POS, bool"), 0);
    b.frames(1);
    EXPECT_EQ(b.get("A:LIGHT NAV, bool"), 0);
    b.key(69641);
    EXPECT_EQ(b.get("L:Photoflash_lever_POS, bool"), 1);
    b.key(69943);  // the yoke's photoflash switch: the same lever
    EXPECT_EQ(b.get("L:Photoflash_lever_POS, bool"), 0);
    b.key(69650);
    EXPECT_EQ(b.get("L:AntiIce_port_switch_POS, bool"), 1);
    b.key(69696);
    EXPECT_EQ(b.get("L:EngineAir1_switch, bool"), 0);
    b.key(69636);
    EXPECT_EQ(b.get("L:Lights_Master, bool"), 0);
    b.frames(1);
    EXPECT_EQ(b.element("Trim_Panel", 8).frame, 0);
}

}  // namespace

namespace {

// A position written straight to a switch's variable (a restored panel state, a preset) is
// taken up by its virtual-cockpit copies rather than undone by them on the next frame.
TEST(Lights, RestoredCdlAndFlarePositionsHoldAndTheirCopiesFollow) {
    bench::Bench b;
    ready_with_trim_panel(b);
    b.set("L:CDLVoiceSwitch_POS, number", 0);
    b.set("L:Flare_Switch_POS, number", 1);
    b.frames(3);
    EXPECT_EQ(b.get("L:CDLVoiceSwitch_POS, number"), 0);
    EXPECT_EQ(b.get("L:Tarmelon_Trimpan_cdlvoice, number"), 0);
    EXPECT_EQ(b.get("L:Flare_Switch_POS, number"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Trimpan_flarejetguard,bool"), 1);
    EXPECT_EQ(b.get("L:Tarmelon_Trimpan_flarejet,bool"), 0);
    // The copies still work the switches afterwards.
    b.set("L:Tarmelon_Trimpan_cdlvoice, number", 1);
    b.key(69648);  // guard shut
    b.frames(1);
    EXPECT_EQ(b.get("L:CDLVoiceSwitch_POS, number"), 1);
    EXPECT_EQ(b.get("L:Flare_Switch_POS, number"), 0);
    // The virtual cockpit's lever pulled with the guard shut leaves the position alone.
    b.key(69649);
    b.frames(2);
    EXPECT_EQ(b.get("L:Flare_Switch_POS, number"), 0);
    EXPECT_EQ(b.get("L:Tarmelon_Trimpan_flarejet,bool"), 1);
}

}  // namespace
