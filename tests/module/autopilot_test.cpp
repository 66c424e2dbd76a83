// The autopilot through the bench: POWER and the warm-up, ENGAGE and its ways out, the
// channel and mode switches, the heading push button and selector, the bank and pitch
// selectors, the reset button, supervision, and the bank-hold and pitch-hold laws settling
// the bench aircraft's attitude.
#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "gauge_tables.h"
#include "scenario.h"

namespace {

using scenario::count_key;

constexpr std::uint32_t LEFT = 0x20000000;
constexpr std::uint32_t REPEAT = 0x00200000;
constexpr std::uint32_t RELEASE = 0x00020000;
constexpr int AUTOPILOT_WINDOW = 900;
constexpr int ELECTRICAL_WINDOW = 100;
constexpr const char* PANEL = "Autopilot_Switch_Panel";

// Click spots of the autopilot panel and the electrical panel's autopilot controls.
struct Spot {
    int x, y;
};
constexpr Spot POWER{100, 690};
constexpr Spot ENGAGE{650, 700};
constexpr Spot AILERON{370, 350};
constexpr Spot ELEVATOR{495, 350};
constexpr Spot RUDDER{250, 350};
constexpr Spot ALT{650, 530};
constexpr Spot BOMB{650, 340};
constexpr Spot GLIDE{120, 530};
constexpr Spot TRACK{120, 350};
constexpr Spot RDU_DIMMER{570, 150};
constexpr Spot SLIP_DIMMER{240, 160};
constexpr Spot AIRSPEED_HOLD{700, 30};
constexpr Spot NAV_GPS{30, 850};
constexpr Spot READY{250, 600};
constexpr Spot IN{490, 600};
constexpr Spot AP_RESET{780, 940};
constexpr Spot BANK_UP{280, 740};
constexpr Spot BANK_DOWN{280, 880};
constexpr Spot PITCH_DOWN{460, 800};
constexpr Spot PITCH_UP{540, 800};

// Element indices of the autopilot panel.
constexpr int TRACK_ICON = 1, POWER_ICON = 2, GLIDE_ICON = 3, ENGAGE_ICON = 4, BOMB_ICON = 5, ALT_ICON = 6;
constexpr int AILERON_ICON = 9, IN_ICON = 10, READY_ICON = 11;

// The click heard (sound, pan), the triggers cleared first.
template <typename Act>
std::vector<double> heard(bench::Bench& b, Act act) {
    for (const char* t : {"L:Tarmelon_Click1, number", "L:Tarmelon_Click2, number", "L:Tarmelon_Click3, number"})
        b.set(t, 0);
    act();
    for (int n : {1, 2, 3}) {
        const std::string sound = "L:Tarmelon_Click" + std::to_string(n);
        if (b.get(sound + ", number") == 1) return {static_cast<double>(n), b.get(sound + "Pan, number")};
    }
    return {0, 0};
}

std::vector<long long> transmitted(const bench::Bench& b, int event) {
    const std::string head = "SimConnect_TransmitClientEvent(0, " + std::to_string(event) + ", ";
    std::vector<long long> data;
    for (const std::string& line : b.simconnect_log())
        if (line.rfind(head, 0) == 0) data.push_back(std::stoll(line.substr(head.size())));
    return data;
}

// The started aircraft (engines and generators running) with the autopilot panel open and,
// unless asked otherwise, the three channels switched IN.
class Autopilot {
public:
    explicit Autopilot(bool channels_in = true) {
        b.start("ready");
        b.window("open", AUTOPILOT_WINDOW);
        b.frames(2);
        if (!channels_in) return;
        // The preset shows the channel switches up, but the gauge's install left the
        // autopilot's channels OUT: each switch is clicked down and up again.
        for (Spot s : {AILERON, ELEVATOR, RUDDER}) {
            click(s);
            click(s);
        }
    }
    int click(Spot s, std::uint32_t flags = LEFT) { return b.click(PANEL, s.x, s.y, flags); }
    int elec(Spot s, std::uint32_t flags = LEFT) { return b.click("Elec_Panel", s.x, s.y, flags); }
    std::string tip(Spot s) { return b.tooltip(PANEL, s.x, s.y).value_or("(none)"); }
    int shown(int element) { return static_cast<int>(b.element(PANEL, element).frame); }
    // POWER from the preset's (switch up, autopilot off) to on, then the warm-up.
    void power_on() {
        if (b.get("L:AP_POWER_SWITCH, bool") > 0) click(POWER);
        click(POWER);
    }
    void warmed_up() {
        power_on();
        b.seconds(61);
    }
    void engaged() {
        warmed_up();
        click(ENGAGE);
        b.frames(2);
    }
    bench::Bench b;
};

TEST(AutopilotPower, AfterLoadTheSwitchesShowThePresetButTheAutopilotIsOff) {
    Autopilot ap(false);
    for (const char* s : {"L:AP_POWER_SWITCH, bool", "L:AP_AIL_SWITCH, bool", "L:AP_ELV_SWITCH, bool", "L:AP_RUD_SWITCH, bool"})
        EXPECT_EQ(ap.b.get(s), 1) << s;
    EXPECT_EQ(ap.tip(AILERON), "Autopilot aileron channel switch [OUT]");
    EXPECT_EQ(ap.tip(POWER), "Autopilot POWER switch [OFF]");
    EXPECT_EQ(ap.shown(AILERON_ICON), 1);  // the switch variable is up
    EXPECT_EQ(ap.shown(READY_ICON), 0);
    EXPECT_EQ(ap.b.get("L:AP_ready_light,bool"), 1);
    EXPECT_EQ(ap.b.get("L:AP_engaged_light,bool"), 1);
    // The first click moves the switch down (still OUT), the second brings the channel IN.
    ap.click(AILERON);
    EXPECT_EQ(ap.b.get("L:AP_AIL_SWITCH, bool"), 0);
    ap.click(AILERON);
    EXPECT_EQ(ap.tip(AILERON), "Autopilot aileron channel switch [IN]");
}

TEST(AutopilotPower, PowerWarmsUpForSixtySecondsBeforeReady) {
    Autopilot ap;
    // The ready preset puts the switch up, but the autopilot has not been switched on.
    EXPECT_EQ(ap.b.get("L:AP_POWER_SWITCH, bool"), 1);
    EXPECT_EQ(ap.tip(POWER), "Autopilot POWER switch [OFF]");
    EXPECT_EQ(heard(ap.b, [&] { ap.click(POWER); }), (std::vector<double>{1, 10000}));
    EXPECT_EQ(ap.b.get("L:ApReadyLight_setFalse, bool"), 1);
    ap.click(POWER);
    EXPECT_EQ(ap.b.get("L:AP_POWER_SWITCH_POS, bool"), 1);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_TimerCall, bool"), 1);
    EXPECT_EQ(ap.tip(POWER), "Autopilot POWER switch [WAIT]");
    ap.b.seconds(58);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 0);
    EXPECT_EQ(ap.shown(READY_ICON), 0);
    ap.b.seconds(3);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 1);
    EXPECT_EQ(ap.shown(READY_ICON), 1);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_stat, bool"), 1);
    EXPECT_EQ(ap.b.get("L:AP_ready_light,bool"), 0);  // the virtual cockpit's magnetic indicator
    EXPECT_EQ(ap.tip(POWER), "Autopilot POWER switch [ON]");
    EXPECT_EQ(ap.tip(READY), "Autopilot READY magnetic indicator");
    EXPECT_EQ(ap.click(READY), -1);  // an indicator takes no clicks
}

TEST(AutopilotPower, WithoutAGeneratorSwitchTheWarmUpNeverStarts) {
    Autopilot ap;
    ap.click(POWER);  // off
    ap.b.set("L:ApReadyLight_TimerCall, bool", 0);
    ap.b.set("L:GEN1OnOffPos, number", 0);
    ap.b.set("L:GEN2OnOffPos, number", 0);
    ap.click(POWER);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_TimerCall, bool"), 0);
    ap.b.set("L:GEN1OnOffPos, number", 1);
    ap.b.set("L:GEN2OnOffPos, number", 1);
    ap.b.seconds(65);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 0);
    EXPECT_EQ(ap.tip(POWER), "Autopilot POWER switch [WAIT]");
}

TEST(AutopilotPower, AWarmUpAcrossAReloadedFlightsClockStillEnds) {
    Autopilot ap;
    ap.b.seconds(200);  // the clock well on
    ap.power_on();
    ap.b.seconds(30);
    ap.b.restart_clocks();  // another flight loaded: the clock counts from 0 again
    ap.b.seconds(62);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 1);
    // The pitch selector still springs back.
    ap.b.window("open", ELECTRICAL_WINDOW);
    ap.b.frames(20);
    ap.b.seconds(100);
    ap.b.restart_clocks();
    ap.elec(PITCH_UP, LEFT);
    ap.elec(PITCH_UP, RELEASE);
    ap.b.frames(40);
    EXPECT_EQ(ap.b.get("L:pitchSelPos, number"), 1);
}

TEST(AutopilotEngage, EngageDuringTheWarmUpOnlyMovesTheSwitchAndLeavesThePilotTheControls) {
    Autopilot ap;
    ap.power_on();
    ap.b.mark();
    ap.click(ENGAGE);
    EXPECT_EQ(ap.b.get("L:AP_ENGAGE_SWITCH, bool"), 1);
    EXPECT_EQ(ap.tip(ENGAGE), "Autopilot ENGAGE switch [ENGAGED]");
    EXPECT_EQ(count_key(ap.b, 65792), 0u);
    ap.b.seconds(62);
    // READY stays dark, the simulator's autopilot is off, and the pilot still flies.
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 0);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT MASTER, bool"), 0);
    ap.b.mark();
    ap.b.pilot_event("AXIS_AILERONS_SET", 4000);
    ap.b.pilot_event("AXIS_ELEVATOR_SET", 3000);
    ap.b.frames(1);
    EXPECT_EQ(transmitted(ap.b, 14).size() + transmitted(ap.b, 20).size(), 2u);
}

TEST(AutopilotEngage, EngageAndDisengageByTheSwitchTheSimulatorAndPower) {
    Autopilot ap;
    ap.warmed_up();
    ap.b.set_token(77, -3);  // three degrees nose up
    ap.b.mark();
    ap.click(ENGAGE);
    EXPECT_EQ(count_key(ap.b, 65792, 1), 1u);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT MASTER, bool"), 1);
    EXPECT_EQ(ap.b.get("L:curPitchSetVal,number"), -3);
    ap.b.frames(1);
    EXPECT_EQ(ap.shown(IN_ICON), 1);
    EXPECT_EQ(ap.shown(READY_ICON), 0);
    EXPECT_EQ(ap.shown(ENGAGE_ICON), 1);
    EXPECT_EQ(ap.b.get("L:Autopilot_engaged_VC, bool"), 1);
    EXPECT_EQ(ap.b.get("L:AP_engaged_light,bool"), 0);
    // The autopilot flies: the pilot's aileron, elevator and rudder inputs are held back.
    ap.b.mark();
    ap.b.pilot_event("AXIS_AILERONS_SET", 4000);
    ap.b.pilot_event("AXIS_ELEVATOR_SET", 3000);
    ap.b.pilot_event("AXIS_RUDDER_SET", 3000);
    ap.b.frames(1);
    EXPECT_TRUE(transmitted(ap.b, 14).empty());
    EXPECT_TRUE(transmitted(ap.b, 20).empty());
    EXPECT_TRUE(transmitted(ap.b, 17).empty());
    // The switch down: 65791, IN dark, READY lit at once.
    ap.b.mark();
    ap.click(ENGAGE);
    EXPECT_EQ(count_key(ap.b, 65791, 1), 1u);
    EXPECT_EQ(ap.b.get("L:ApInLight_OnOff, bool"), 0);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 1);
    EXPECT_EQ(ap.tip(ENGAGE), "Autopilot ENGAGE switch [DISENGAGED]");
    // The simulator's AP_MASTER input works the ENGAGE switch.
    ap.b.pilot_event("AP_MASTER", 0);
    ap.b.frames(1);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT MASTER, bool"), 1);
    EXPECT_EQ(ap.b.get("L:AP_ENGAGE_SWITCH, bool"), 1);
    // POWER off disengages and darkens both indicators.
    ap.b.mark();
    ap.click(POWER);
    ap.b.frames(1);
    EXPECT_EQ(count_key(ap.b, 65791, 1), 1u);
    EXPECT_EQ(ap.b.get("L:ApInLight_OnOff, bool"), 0);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 0);
    EXPECT_EQ(ap.b.get("L:AP_engaged_light,bool"), 1);
    EXPECT_EQ(ap.shown(IN_ICON), 0);
}

TEST(AutopilotChannels, EachChannelSwitchWithItsClickTooltipAndVirtualCockpitEvent) {
    Autopilot ap;
    struct Channel {
        Spot spot;
        const char* variable;
        const char* text;
        std::uint32_t vc_event;
    };
    const Channel channels[] = {
        {AILERON, "L:AP_AIL_SWITCH", "Autopilot aileron channel switch", 69745},
        {ELEVATOR, "L:AP_ELV_SWITCH", "Autopilot elevator channel switch", 69747},
        {RUDDER, "L:AP_RUD_SWITCH", "Autopilot rudder channel switch", 69746},
    };
    for (const Channel& c : channels) {
        SCOPED_TRACE(c.variable);
        const std::string var = std::string(c.variable) + ", bool";
        const std::string pos = std::string(c.variable) + "_POS, bool";
        EXPECT_EQ(ap.tip(c.spot), std::string(c.text) + " [IN]");
        EXPECT_EQ(heard(ap.b, [&] { ap.click(c.spot); }), (std::vector<double>{1, 10000}));
        EXPECT_EQ(ap.b.get(var), 0);
        EXPECT_EQ(ap.b.get(pos), 0);
        EXPECT_EQ(ap.tip(c.spot), std::string(c.text) + " [OUT]");
        ap.b.key(c.vc_event, 0);
        EXPECT_EQ(ap.b.get(var), 1);
        EXPECT_EQ(ap.b.get(pos), 1);
        EXPECT_EQ(ap.tip(c.spot), std::string(c.text) + " [IN]");
    }
    // The virtual cockpit's two further elevator events are the elevator switch.
    ap.b.key(69751, 0);
    EXPECT_EQ(ap.b.get("L:AP_ELV_SWITCH, bool"), 0);
    ap.b.key(69752, 0);
    EXPECT_EQ(ap.b.get("L:AP_ELV_SWITCH, bool"), 1);
}

TEST(AutopilotChannels, SupervisionWatchesTheChannelsWhileEngaged) {
    Autopilot ap;
    ap.engaged();
    ap.click(ALT);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT ALTITUDE LOCK, bool"), 1);
    // One channel OUT relights READY; all IN again darkens it.
    ap.click(RUDDER);
    ap.b.frames(1);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 1);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT MASTER, bool"), 1);
    // The rudder is the pilot's again, the aileron still the autopilot's.
    ap.b.mark();
    ap.b.pilot_event("AXIS_RUDDER_SET", 3000);
    ap.b.pilot_event("AXIS_AILERONS_SET", 3000);
    ap.b.frames(1);
    EXPECT_EQ(transmitted(ap.b, 17).size(), 1u);
    EXPECT_TRUE(transmitted(ap.b, 14).empty());
    ap.click(RUDDER);
    ap.b.frames(1);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 0);
    // All three OUT: disengaged, READY lit, ALT, TRACK and GLIDE dropped.
    ap.click(RUDDER);
    ap.click(AILERON);
    ap.click(ELEVATOR);
    ap.b.mark();
    ap.b.frames(1);
    EXPECT_EQ(count_key(ap.b, 65791, 1), 1u);
    EXPECT_EQ(count_key(ap.b, 65816, 0), 1u);
    EXPECT_EQ(count_key(ap.b, 65819, 1), 1u);
    EXPECT_EQ(count_key(ap.b, 65814, 1), 1u);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT MASTER, bool"), 0);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT ALTITUDE LOCK, bool"), 0);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 1);
    EXPECT_EQ(ap.tip(ENGAGE), "Autopilot ENGAGE switch [DISENGAGED]");
}

TEST(AutopilotSupervision, LosingInverter2DisengagesAndRemovesPowerUntilPowerIsCycled) {
    Autopilot ap;
    ap.engaged();
    ap.b.mark();
    // The generators off line: inverter 2 stops.
    ap.b.set("L:GEN1OnOffPos, number", 0);
    ap.b.set("L:GEN2OnOffPos, number", 0);
    ap.b.frames(6);
    EXPECT_EQ(ap.b.get("L:Elec_STATUS_inv2, bool"), 0);
    EXPECT_GE(count_key(ap.b, 65791, 1), 1u);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT MASTER, bool"), 0);
    EXPECT_EQ(ap.b.get("L:ApInLight_OnOff, bool"), 0);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 0);
    EXPECT_EQ(ap.b.get("L:AP_POWER_SWITCH, bool"), 1);  // the switch stays up
    EXPECT_EQ(ap.tip(POWER), "Autopilot POWER switch [OFF]");
    // Inverter 2 back: nothing until POWER is cycled, then the warm-up again.
    ap.b.set("L:GEN1OnOffPos, number", 1);
    ap.b.set("L:GEN2OnOffPos, number", 1);
    ap.b.seconds(62);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 0);
    ap.power_on();
    ap.b.seconds(61);
    EXPECT_EQ(ap.b.get("L:ApReadyLight_OnOff, bool"), 1);
}

TEST(AutopilotModes, TrackHeadingAltitudeAndGlideNeedTheirChannels) {
    Autopilot ap;
    ap.engaged();
    ap.b.set_token(107, 95);
    ap.b.set_token(74, 12345);
    // TRACK with the aileron channel OUT: refused with 65819, shown up, tooltip ON.
    ap.click(AILERON);
    ap.b.mark();
    ap.click(TRACK);
    EXPECT_EQ(count_key(ap.b, 65819, 1), 1u);
    EXPECT_EQ(count_key(ap.b, 65811), 0u);
    EXPECT_EQ(ap.b.get("L:AP_TRACK_SWITCH, bool"), 0);
    EXPECT_EQ(ap.tip(TRACK), "Autopilot TRACK switch [ON], [95 deg]");
    ap.b.frames(1);
    EXPECT_EQ(ap.shown(TRACK_ICON), 1);
    // The aileron channel IN: the switch is still down, so the next click asks again.
    ap.click(AILERON);
    ap.b.mark();
    ap.click(TRACK);
    EXPECT_EQ(count_key(ap.b, 65811, 1), 1u);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT NAV1 LOCK, bool"), 1);
    // ALT: altitude hold with the altitude as its reference.
    ap.b.mark();
    ap.click(ALT);
    EXPECT_EQ(count_key(ap.b, 65808, 1), 1u);
    EXPECT_EQ(count_key(ap.b, 66124, 12345), 1u);
    EXPECT_EQ(ap.b.get("L:AP_ALT_SWITCH, bool"), 1);
    ap.b.set_token(109, 12300);
    EXPECT_EQ(ap.tip(ALT), "Autopilot ALT switch [ON], [12300ft]");
    // GLIDE with both channels IN: ALT off (pitch reference retaken), approach hold on.
    ap.b.set_token(77, 2);
    ap.b.mark();
    ap.click(GLIDE);
    EXPECT_EQ(count_key(ap.b, 65816, 0), 1u);
    EXPECT_EQ(count_key(ap.b, 65806, 1), 1u);
    EXPECT_EQ(ap.b.get("L:curPitchSetVal,number"), 2);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT ALTITUDE LOCK, bool"), 0);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT APPROACH HOLD, bool"), 1);
    EXPECT_EQ(ap.tip(GLIDE), "Autopilot GLIDE switch [ON]");
    // GLIDE off while TRACK is on goes back to NAV1 hold.
    ap.b.mark();
    ap.click(GLIDE);
    EXPECT_EQ(count_key(ap.b, 65814, 1), 1u);
    EXPECT_EQ(count_key(ap.b, 65811, 1), 1u);
    // GLIDE with the elevator OUT: refused again every frame while the panel shows it.
    ap.click(ELEVATOR);
    ap.click(GLIDE);
    ap.b.mark();
    ap.b.frames(3);
    EXPECT_GE(count_key(ap.b, 65814, 1), 3u);
    EXPECT_EQ(count_key(ap.b, 65806), 0u);
    EXPECT_EQ(ap.shown(GLIDE_ICON), 1);
}

TEST(AutopilotModes, VirtualCockpitEventsAndTheSimulatorsInputsWorkTheSameSwitches) {
    Autopilot ap;
    ap.warmed_up();
    struct Row {
        std::uint32_t event;
        const char* variable;
    };
    const Row rows[] = {
        {69736, "L:AP_TRACK_SWITCH_POS, bool"}, {69737, "L:AP_GLIDE_SWITCH_POS, bool"},
        {69749, "L:AP_ALT_SWITCH_POS, bool"},   {69750, "L:AP_ENGAGE_SWITCH_POS, bool"},
        {69748, "L:AP_BOMB_SWITCH_POS, bool"},  {69744, "L:AP_POWER_SWITCH_POS, bool"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.variable);
        const double before = ap.b.get(r.variable);
        EXPECT_EQ(heard(ap.b, [&] { ap.b.key(r.event, 0); }), (std::vector<double>{1, 10000}));
        EXPECT_NE(ap.b.get(r.variable), before);
    }
}

TEST(AutopilotModes, TheSimulatorsAutopilotInputsWorkTheAltGlideAndTrackSwitches) {
    Autopilot fresh;
    fresh.engaged();
    fresh.b.mark();
    EXPECT_TRUE(fresh.b.pilot_event("AP_ALT_HOLD", 0));
    fresh.b.frames(1);
    EXPECT_EQ(count_key(fresh.b, 65808, 1), 1u);
    EXPECT_TRUE(fresh.b.pilot_event("AP_NAV1_HOLD", 0));
    fresh.b.frames(1);
    EXPECT_EQ(count_key(fresh.b, 65811, 1), 1u);
    EXPECT_TRUE(fresh.b.pilot_event("AP_APR_HOLD", 0));
    fresh.b.frames(1);
    EXPECT_GE(count_key(fresh.b, 65806, 1), 1u);  // and again each frame the switch shows
    fresh.b.frames(1);
    EXPECT_EQ(fresh.b.get("A:AUTOPILOT APPROACH HOLD, bool"), 1);
    EXPECT_EQ(fresh.b.get("A:AUTOPILOT ALTITUDE LOCK, bool"), 0);
}

TEST(AutopilotModes, ThePanelPublishesTheThrottleInputs) {
    Autopilot ap;
    ap.b.pilot_event("AXIS_THROTTLE1_SET", static_cast<std::uint32_t>(-8000));
    ap.b.pilot_event("THROTTLE_CUT", 0);
    ap.b.frames(2);
    EXPECT_EQ(ap.b.get("L:ENG1_axisEvent,number"), -8000);
    EXPECT_EQ(ap.b.get("L:ENG1_axisEvent_counter,number"), 0);
    EXPECT_EQ(ap.b.get("L:ENG1thrpos_user,number"), 0);  // the cut brought the demand to idle
    EXPECT_EQ(ap.b.get("L:ENG2thrpos_user,number"), 0);
}

TEST(AutopilotModes, BombResetsEverythingButLeavesItsSwitchUp) {
    Autopilot ap;
    ap.engaged();
    ap.click(ALT);
    ap.b.mark();
    ap.click(BOMB);
    EXPECT_EQ(ap.b.get("L:AP_BOMB_SWITCH, bool"), 1);
    EXPECT_EQ(ap.tip(BOMB), "Autopilot BOMB switch [OFF]");
    EXPECT_EQ(count_key(ap.b, 65791, 1), 1u);
    EXPECT_EQ(ap.b.get("L:AP_AIL_SWITCH, bool"), 0);
    EXPECT_EQ(ap.b.get("L:AP_ALT_SWITCH, bool"), 0);
    EXPECT_EQ(ap.b.get("L:ApInLight_OnOff, bool"), 0);
    EXPECT_EQ(ap.tip(POWER), "Autopilot POWER switch [OFF]");
    EXPECT_EQ(ap.tip(AILERON), "Autopilot aileron channel switch [OUT]");
    ap.b.frames(1);
    EXPECT_EQ(ap.shown(BOMB_ICON), 1);      // the switch variable is still up
    EXPECT_EQ(ap.shown(POWER_ICON), 1);     // so is POWER's
    EXPECT_EQ(ap.shown(AILERON_ICON), 0);
    EXPECT_EQ(ap.shown(ALT_ICON), 0);
}

TEST(AutopilotModes, DimmersAirspeedHoldAndNavGpsMakeNoClick) {
    Autopilot ap;
    EXPECT_EQ(ap.tip(RDU_DIMMER), "RDU dimmer switch [OFF]");
    EXPECT_EQ(heard(ap.b, [&] { ap.click(RDU_DIMMER); }), (std::vector<double>{0, 0}));
    EXPECT_EQ(ap.b.get("L:AP_RDU_DIM_SWITCH_POS, bool"), 1);
    EXPECT_EQ(ap.tip(RDU_DIMMER), "RDU dimmer switch [ON]");
    EXPECT_EQ(heard(ap.b, [&] { ap.click(SLIP_DIMMER); }), (std::vector<double>{0, 0}));
    EXPECT_EQ(ap.tip(SLIP_DIMMER), "Slip ball dimmer switch [ON]");

    ap.b.mark();
    EXPECT_EQ(heard(ap.b, [&] { ap.click(AIRSPEED_HOLD); }), (std::vector<double>{0, 0}));
    EXPECT_EQ(count_key(ap.b, 65859, 1), 1u);
    EXPECT_EQ(ap.b.get("L:AP_ATHR, bool"), 1);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT AIRSPEED HOLD, bool"), 1);
    EXPECT_EQ(ap.tip(AIRSPEED_HOLD), "Airspeed hold [ON]");
    ap.click(AIRSPEED_HOLD);
    EXPECT_EQ(ap.b.get("L:AP_ATHR, bool"), 0);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT AIRSPEED HOLD, bool"), 0);
    EXPECT_EQ(count_key(ap.b, 65859, 1), 2u);

    EXPECT_EQ(ap.tip(NAV_GPS), "NAV/GPS toggle [NAV]");
    EXPECT_EQ(heard(ap.b, [&] { ap.click(NAV_GPS); }), (std::vector<double>{0, 0}));
    EXPECT_EQ(count_key(ap.b, 66375, 1), 1u);
    EXPECT_EQ(ap.tip(NAV_GPS), "NAV/GPS toggle [GPS]");
    EXPECT_EQ(ap.tip(IN), "Autopilot IN magnetic indicator");
}

TEST(AutopilotHeading, PushButtonTurnsOntoTheBugAndDropsOutThereNorthIncluded) {
    Autopilot ap;
    ap.b.set("A:AIRSPEED INDICATED, knots", 250);
    ap.engaged();
    ap.b.set_token(855, 300);
    ap.b.mark();
    ap.b.pilot_event("AP_HDG_HOLD", 0);
    ap.b.frames(2);
    EXPECT_EQ(count_key(ap.b, 65807, 1), 1u);
    EXPECT_EQ(ap.b.get("L:Autopilot_PushButton, bool"), 0);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT HEADING LOCK, bool"), 1);
    ap.b.seconds(60);
    // Captured: heading-select dropped, the bank law levels the wings.
    EXPECT_EQ(ap.b.get("A:AUTOPILOT HEADING LOCK, bool"), 0);
    EXPECT_NEAR(ap.b.token(81), 300, 2.0);
    ap.b.seconds(20);
    EXPECT_NEAR(ap.b.token(79), 0, 1.0);
    // North: the simulator's heading reads 360 there, the bug 0; still captured.
    ap.b.set_token(855, 0);
    ap.b.pilot_event("AP_HDG_HOLD", 0);
    ap.b.seconds(60);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT HEADING LOCK, bool"), 0);
    const double north = ap.b.token(81);
    EXPECT_TRUE(north > 358 || north < 2) << north;
    // With TRACK on, a push only clears the request.
    ap.click(TRACK);
    ap.b.mark();
    ap.b.pilot_event("AP_HDG_HOLD", 0);
    ap.b.frames(2);
    EXPECT_EQ(count_key(ap.b, 65807), 0u);
    EXPECT_EQ(ap.b.get("L:Autopilot_PushButton, bool"), 0);
}

TEST(AutopilotHeading, SelectorKnobTurnsSlowlyOrFastAndWrapsAtNorth) {
    Autopilot ap;
    struct Turn {
        std::uint32_t event;
        double from;
        bool fast;
        double to;
    };
    const Turn turns[] = {
        {69928, 359, true, 2}, {69926, 1, true, 358}, {69927, 0, false, 1}, {69927, 100, false, 101},
        {69926, 0, false, 359}, {69926, 100, true, 98}, {69927, 200, true, 202},
    };
    for (const Turn& t : turns) {
        SCOPED_TRACE(t.to);
        ap.b.frames(10);  // past any fast-turn window
        ap.b.set_token(855, t.from);
        if (t.fast) {
            ap.b.key(t.event, 0);  // a first click opens the fast window
            ap.b.set_token(855, t.from);
        }
        ap.b.mark();
        ap.b.key(t.event, 0);
        EXPECT_EQ(count_key(ap.b, 66042, static_cast<std::uint32_t>(t.to)), 1u);
    }
    // The knob's animation counter stays within 1 to 199.
    ap.b.set("L:Autopilot_course_knob,number", 199);
    ap.b.key(69927, 0);
    EXPECT_EQ(ap.b.get("L:Autopilot_course_knob,number"), 100);
    ap.b.set("L:Autopilot_course_knob,number", 1);
    ap.b.key(69926, 0);
    EXPECT_EQ(ap.b.get("L:Autopilot_course_knob,number"), 100);
    // The pointer and the compass card follow the bug and the heading in tenths.
    ap.b.set_token(855, 123.4);
    ap.b.set_token(81, 250);
    ap.b.frames(1);
    EXPECT_NEAR(ap.b.get("L:AP_HeadingSelectorPointer, number"), 1234, 0.01);
    EXPECT_EQ(ap.b.get("L:APGyro_compasscard, number"), 2500);
}

TEST(AutopilotSelectors, BankSelectorStepsWithinItsNinePositions) {
    Autopilot ap;
    ap.b.window("open", ELECTRICAL_WINDOW);
    EXPECT_EQ(ap.b.get("L:bankSelPos, number"), 4);
    EXPECT_EQ(ap.b.tooltip("Elec_Panel", BANK_UP.x, BANK_UP.y).value_or(""), "Bank Selector");
    EXPECT_EQ(heard(ap.b, [&] { ap.elec(BANK_UP); }), (std::vector<double>{1, 10000}));
    EXPECT_EQ(ap.b.get("L:bankSelPos, number"), 5);
    EXPECT_EQ(ap.b.get("L:BankPosVC,number"), 63);
    EXPECT_EQ(ap.b.get("L:BankPos,number"), 5);
    for (int i = 0; i < 5; ++i) ap.elec(BANK_UP);
    EXPECT_EQ(ap.b.get("L:bankSelPos, number"), 8);
    EXPECT_EQ(ap.b.get("L:BankPosVC,number"), 100);
    // Beyond the end the position stays, the click still sounds.
    EXPECT_EQ(heard(ap.b, [&] { ap.elec(BANK_UP); }), (std::vector<double>{1, 10000}));
    EXPECT_EQ(ap.b.get("L:bankSelPos, number"), 8);
    for (int i = 0; i < 10; ++i) ap.elec(BANK_DOWN);
    EXPECT_EQ(ap.b.get("L:bankSelPos, number"), 0);
    EXPECT_EQ(ap.b.get("L:BankPosVC,number"), 0);
    ap.b.frames(1);
    EXPECT_EQ(ap.b.element("Elec_Panel", 1).frame, 0);
    // The virtual cockpit's selector moves the 2D one.
    ap.b.set("L:BankPos, enum", 6);
    ap.b.frames(1);
    EXPECT_EQ(ap.b.get("L:bankSelPos, number"), 6);
    EXPECT_EQ(ap.b.get("L:BankPosVC,number"), 74);
    // A position outside the table moves nothing.
    ap.b.set("L:BankPos, enum", 12);
    ap.b.frames(1);
    EXPECT_EQ(ap.b.get("L:bankSelPos, number"), 6);
}

TEST(AutopilotSelectors, BankTargetKeepsItsLastValidPosition) {
    Autopilot ap;
    ap.engaged();
    ap.b.window("open", ELECTRICAL_WINDOW);
    ap.elec(BANK_DOWN);  // position 3: 10 degrees left
    ap.b.frames(2);
    EXPECT_EQ(ap.b.get("L:selBank, bool"), 10);
    ap.b.set("L:BankPos, enum", 40);  // no sync from an impossible position
    ap.b.set("L:bankSelPos, number", 40);
    ap.b.frames(2);
    EXPECT_EQ(ap.b.get("L:selBank, bool"), 10);
    ap.b.set("L:bankSelPos, number", -3);
    ap.b.frames(2);
    EXPECT_EQ(ap.b.get("L:selBank, bool"), 10);
}

TEST(AutopilotSelectors, PitchSelectorHeldAtItsEndThenSpringsBack) {
    Autopilot ap;
    ap.b.window("open", ELECTRICAL_WINDOW);
    ap.b.set("L:curPitchSetVal,number", 0);
    ap.b.frames(20);  // the spring-return clock armed
    // A press from the centre moves it and changes the reference at once.
    EXPECT_EQ(heard(ap.b, [&] { ap.elec(PITCH_DOWN, LEFT); }), (std::vector<double>{1, 10000}));
    EXPECT_EQ(ap.b.get("L:pitchSelPos, number"), 0);
    EXPECT_EQ(ap.b.get("L:pitchKnobChange, bool"), 1);
    EXPECT_EQ(ap.b.get("L:curPitchSetVal,number"), -1);
    // Held: each repeat one more degree, and no spring return.
    for (int i = 0; i < 3; ++i) {
        ap.elec(PITCH_DOWN, REPEAT);
        ap.b.frames(18);
    }
    EXPECT_EQ(ap.b.get("L:pitchSelPos, number"), 0);
    EXPECT_EQ(ap.b.get("L:curPitchSetVal,number"), -4);
    auto tip = [&] { return ap.b.tooltip("Elec_Panel", PITCH_UP.x, PITCH_UP.y).value_or(""); };
    EXPECT_EQ(tip(), "Pitch selection [4 degrees]");
    // Released: the release moves it once more, then it returns to the centre.
    ap.elec(PITCH_DOWN, RELEASE);
    EXPECT_EQ(ap.b.get("L:pitchKnobChange, bool"), 0);
    EXPECT_EQ(ap.b.get("L:curPitchSetVal,number"), -5);
    ap.b.frames(19);
    EXPECT_EQ(ap.b.get("L:pitchSelPos, number"), 1);
    EXPECT_EQ(ap.b.get("L:pitchKnob_timer_start, bool"), 1);
    EXPECT_GT(ap.b.get("L:pitchKnobTemp_time_check, number"), ap.b.get("L:pitchKnobTemp_time_cur, number"));
    // The up half, the other way.
    ap.elec(PITCH_UP, LEFT);
    ap.elec(PITCH_UP, RELEASE);
    EXPECT_EQ(ap.b.get("L:pitchSelPos, number"), 2);
    EXPECT_EQ(ap.b.get("L:curPitchSetVal,number"), -3);
    ap.b.frames(19);
    EXPECT_EQ(ap.b.get("L:pitchSelPos, number"), 1);
    EXPECT_EQ(tip(), "Pitch selection [3 degrees]");
    // A position the switch does not have (a hand-edited state) goes back to the centre.
    ap.b.set("L:pitchSelPos, number", 7);
    ap.b.frames(19);
    EXPECT_EQ(ap.b.get("L:pitchSelPos, number"), 1);
}

TEST(AutopilotSelectors, ResetButtonResetsTheAutopilotOnItsWayDown) {
    Autopilot ap;
    ap.engaged();
    ap.b.window("open", ELECTRICAL_WINDOW);
    EXPECT_EQ(ap.b.tooltip("Elec_Panel", AP_RESET.x, AP_RESET.y).value_or(""), "Auto Pilot Reset");
    ap.b.mark();
    EXPECT_EQ(heard(ap.b, [&] { ap.elec(AP_RESET); }), (std::vector<double>{1, 10000}));
    EXPECT_EQ(ap.b.get("L:APresetOnOff, number"), 1);
    EXPECT_EQ(count_key(ap.b, 65791, 1), 1u);
    EXPECT_EQ(ap.b.get("L:AP_AIL_SWITCH, bool"), 0);
    EXPECT_EQ(ap.b.get("L:AP_POWER_SWITCH, bool"), 1);  // POWER keeps its position
    ap.b.frames(1);
    EXPECT_EQ(ap.b.element("Elec_Panel", 3).frame, 1);
    // The virtual cockpit's event is the same button; back up it resets nothing.
    ap.b.mark();
    ap.b.key(69670, 0);
    EXPECT_EQ(ap.b.get("L:APresetOnOff, number"), 0);
    EXPECT_EQ(count_key(ap.b, 65791), 0u);
}

// ---- the laws ------------------------------------------------------------------------

// Engaged in level flight at 250 kt; the electrical panel open for the selectors.
class Flying : public Autopilot {
public:
    Flying() {
        b.set("A:SIM ON GROUND, bool", 0);
        b.set("A:AIRSPEED INDICATED, knots", 250);
        b.set("A:PLANE ALTITUDE, feet", 10000);
        b.window("open", ELECTRICAL_WINDOW);
        engaged();
    }
    double bank() { return b.token(79); }
    double pitch() { return b.token(77); }
};

TEST(AutopilotLaws, BankHoldSettlesOnEachSelectedBankAndAfterAStep) {
    Flying f;
    f.b.seconds(5);
    EXPECT_NEAR(f.bank(), 0, 0.5);
    // Two clicks down: 20 degrees left.
    f.elec(BANK_DOWN);
    f.elec(BANK_DOWN);
    f.b.seconds(30);
    EXPECT_NEAR(f.bank(), 20, 0.5);
    EXPECT_NEAR(f.b.token(80), 20, 0.5);
    const double heading = f.b.token(81);
    f.b.seconds(1);
    EXPECT_LT(f.b.token(81), heading);  // a left bank turns left
    // 20 degrees right.
    for (int i = 0; i < 4; ++i) f.elec(BANK_UP);
    f.b.seconds(30);
    EXPECT_NEAR(f.bank(), -20, 0.5);
    // A gust steps the bank by 15 degrees: back within 30 seconds.
    f.b.set_token(79, -5);
    f.b.seconds(30);
    EXPECT_NEAR(f.bank(), -20, 0.5);
    // Wings level again.
    for (int i = 0; i < 2; ++i) f.elec(BANK_DOWN);
    f.b.seconds(30);
    EXPECT_NEAR(f.bank(), 0, 0.5);
    EXPECT_EQ(f.b.get("L:selBank, bool"), 0);
}

TEST(AutopilotLaws, BankLawCommandsWithinTheAileronRange) {
    Flying f;
    // Far off the target (40 degrees right of 40 left) the command is full left, no more.
    for (int i = 0; i < 4; ++i) f.elec(BANK_DOWN);
    f.b.set_token(79, -40);
    f.b.set_token(80, -40);
    double highest = 0, lowest = 0;
    for (int i = 0; i < 90; ++i) {
        f.b.frames(1);
        highest = std::max(highest, f.b.get("L:ailVal, number"));
        lowest = std::min(lowest, f.b.get("L:ailVal, number"));
    }
    EXPECT_LE(highest, 16383);
    EXPECT_GE(lowest, -16383);
    EXPECT_GT(highest, 2000);
    EXPECT_EQ(f.b.get("L:SimRate, number"), 1);
    // An aileron already read at full deflection (held still first, so that the roll rate
    // is 0): the position clamps at 31000, and the command (14616, scaled by 1.5 on the
    // positive side) stays at full deflection, 16383.
    auto hold = [&](double bank) {
        for (int i = 0; i < 40; ++i) {
            f.b.set_token(79, bank);
            f.b.set_token(80, bank);
            f.b.frames(1);
        }
        f.b.set_token(79, bank);
        f.b.set_token(80, bank);
    };
    hold(-40);
    f.b.set("A:AILERON POSITION, number", 16383);
    f.b.mark();
    f.b.frames(1);
    EXPECT_EQ(f.b.get("L:TargetInput, number"), 31000);
    EXPECT_EQ(f.b.get("L:ailVal, number"), 16383);
    EXPECT_EQ(count_key(f.b, 65695, 16383), 1u);
    // Full right, the bank 40 degrees beyond the target: the lower clamp, -15384.
    hold(80);
    f.b.set("A:AILERON POSITION, number", -16000);
    f.b.frames(1);
    EXPECT_EQ(f.b.get("L:TargetInput, number"), 1000);
    EXPECT_EQ(f.b.get("L:ailVal, number"), -15384);
}

TEST(AutopilotLaws, TheBankStepIsTheSameAtEverySimulationRate) {
    Flying f;
    // Held 5 degrees left of wings level, still: 150 units a degree to the right.
    auto command_at = [&](double rate) {
        f.b.set("P:SIMULATION RATE, number", rate);
        for (int i = 0; i < 40; ++i) {
            f.b.set_token(79, 5);
            f.b.set_token(80, 5);
            f.b.frames(1);
        }
        return f.b.get("L:ailVal, number");
    };
    for (double rate : {1.0, 2.0, 4.0, 0.0}) {
        SCOPED_TRACE(rate);
        EXPECT_NEAR(command_at(rate), -740, 30);
        EXPECT_EQ(f.b.get("L:SimRate, number"), rate);
    }
}

TEST(AutopilotLaws, AtFourTimesTheSimulationRateTheRollIsDampedFourTimesAsHard) {
    Flying f;
    for (int i = 0; i < 4; ++i) f.elec(BANK_DOWN);  // 40 degrees left: the error saturates
    // Still at 0, then rolled to 5 degrees: for the next second the sampled roll rate is
    // about 5 degrees a second. The lowest command in that second:
    auto rolling_command = [&](double rate) {
        f.b.set("P:SIMULATION RATE, number", rate);
        auto hold = [&](double bank, int frames) {
            double lowest = 1e9;
            for (int i = 0; i < frames; ++i) {
                f.b.set_token(79, bank);
                f.b.set_token(80, bank);
                f.b.frames(1);
                lowest = std::min(lowest, f.b.get("L:ailVal, number"));
            }
            return lowest;
        };
        hold(0, 40);
        return hold(5, 20);
    };
    // Rate 1: 250 units per degree a second off the step of 1500 (scaled by 1.5 to the left).
    const double normal = rolling_command(1);
    EXPECT_GT(normal, 0);
    EXPECT_LT(normal, 1500);
    // Rate 4: 1000 units per degree a second: the roll is checked with right aileron.
    EXPECT_LT(rolling_command(4), -1500);
}

TEST(AutopilotLaws, ABankReadingThroughZeroIsASmallRollRate) {
    Flying f;
    f.b.seconds(3);
    // Level and still; then the bank reads 358 (2 degrees right, as 0 to 360).
    f.b.set_token(79, 358);
    f.b.set_token(80, -2);
    double lowest = 0;
    for (int i = 0; i < 40; ++i) {
        f.b.frames(1);
        lowest = std::min(lowest, f.b.get("L:ailVal, number"));
    }
    // A roll rate of 358 degrees a second would have commanded full right aileron.
    EXPECT_GT(lowest, -3000);
    f.b.seconds(20);
    const double level = f.bank();  // still read as 0 to 360
    EXPECT_TRUE(level < 0.5 || level > 359.5) << level;
}

TEST(AutopilotLaws, PitchHoldSettlesOnTheSelectedPitchAndAfterAStep) {
    Flying f;
    f.b.seconds(5);
    EXPECT_NEAR(f.pitch(), 0, 0.3);
    // Three degrees nose up on the pitch selector.
    for (int i = 0; i < 3; ++i) {
        f.elec(PITCH_DOWN, LEFT);
        f.b.frames(1);
    }
    f.elec(PITCH_DOWN, RELEASE);  // the release is one more degree
    EXPECT_EQ(f.b.get("L:curPitchSetVal,number"), -4);
    f.b.seconds(20);
    EXPECT_NEAR(f.pitch(), -4, 0.3);
    EXPECT_GT(f.b.get("A:VERTICAL SPEED, feet per second"), 20);  // climbing
    EXPECT_GT(f.b.get("A:ELEVATOR TRIM POSITION, degrees"), 1.5);  // trimmed nose up
    // A step of 6 degrees nose down: back within 20 seconds.
    f.b.set_token(77, 2);
    f.b.set_token(78, 2);
    f.b.seconds(20);
    EXPECT_NEAR(f.pitch(), -4, 0.3);
    EXPECT_NEAR(f.b.get("L:Pitch, number"), -4, 1);  // whole degrees
}

TEST(AutopilotLaws, OnItsPitchThePitchLawStillStepsTheTrimEveryFrame) {
    Flying f;  // engaged level: the reference is 0
    EXPECT_EQ(f.b.get("L:curPitchSetVal,number"), 0);
    f.b.mark();
    for (int i = 0; i < 5; ++i) {
        f.b.set_token(77, 0);
        f.b.set_token(78, 0);
        f.b.frames(1);
    }
    // Inside the deadband with the elevator at 0 the trim command is -2: trim up each frame.
    EXPECT_EQ(count_key(f.b, 65615, 1), 5u);
    EXPECT_EQ(count_key(f.b, 65607), 0u);
    EXPECT_EQ(f.b.get("L:ElevatorTrim, number"), 0);
}

TEST(AutopilotLaws, TheLawsStandAsideForTheSimulatorsModes) {
    Flying f;
    f.b.seconds(2);
    // Altitude hold flies the pitch: no trim steps from the module.
    f.click(ALT);
    f.b.mark();
    f.b.seconds(2);
    EXPECT_EQ(count_key(f.b, 65607) + count_key(f.b, 65615), 0u);
    EXPECT_GT(count_key(f.b, 65695), 30u);  // the bank law still flies
    // NAV1 hold flies the bank: no aileron commands.
    f.click(TRACK);
    f.b.mark();
    f.b.seconds(2);
    EXPECT_EQ(count_key(f.b, 65695), 0u);
    // Disengaged: neither law runs.
    f.click(TRACK);
    f.click(ALT);
    f.click(ENGAGE);
    f.b.mark();
    f.b.seconds(2);
    EXPECT_EQ(count_key(f.b, 65695) + count_key(f.b, 65607) + count_key(f.b, 65615), 0u);
}

TEST(AutopilotServos, ElevatorLoadAutostabiliserAndRollDamper) {
    Autopilot ap;
    ap.b.set("A:ELEVATOR DEFLECTION PCT, percent", -100);
    ap.b.frames(1);
    EXPECT_EQ(ap.b.get("L:APElevServoLoad,number"), 0);
    ap.b.set("A:ELEVATOR DEFLECTION PCT, percent", 100);
    ap.b.frames(1);
    EXPECT_EQ(ap.b.get("L:APElevServoLoad,number"), 100);
    ap.b.set("A:ELEVATOR DEFLECTION PCT, percent", 500);  // beyond full: still full
    ap.b.frames(1);
    EXPECT_EQ(ap.b.get("L:APElevServoLoad,number"), 100);

    ap.b.mark();
    ap.b.set("L:Gearpan_autosabiliser, enum", 2);
    ap.b.set("L:RollDamper_pointer, enum", 2);
    ap.b.frames(2);
    EXPECT_EQ(count_key(ap.b, 65953, 0), 1u);
    EXPECT_EQ(count_key(ap.b, 66069, 1), 1u);
    EXPECT_EQ(ap.b.get("A:AUTO COORDINATION, bool"), 1);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT YAW DAMPER, bool"), 1);
    ap.b.mark();
    ap.b.set("L:Gearpan_autosabiliser, enum", 1);
    ap.b.set("L:RollDamper_pointer, enum", 0);
    ap.b.frames(2);
    EXPECT_EQ(count_key(ap.b, 65952, 0), 1u);
    EXPECT_EQ(count_key(ap.b, 66070, 0), 1u);
    EXPECT_EQ(ap.b.get("A:AUTO COORDINATION, bool"), 0);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT YAW DAMPER, bool"), 0);
}

TEST(AutopilotPersistence, RestoredSwitchesShowButTheAutopilotStaysAsItWas) {
    Autopilot ap;
    ap.engaged();
    // A restore writes the switch variables only: POWER and ENGAGE down, ALT up.
    ap.b.set("L:AP_POWER_SWITCH, bool", 0);
    ap.b.set("L:AP_ENGAGE_SWITCH, bool", 0);
    ap.b.set("L:AP_ALT_SWITCH, bool", 1);
    ap.b.frames(2);
    EXPECT_EQ(ap.b.get("A:AUTOPILOT MASTER, bool"), 1);
    EXPECT_EQ(ap.tip(ENGAGE), "Autopilot ENGAGE switch [ENGAGED]");
    EXPECT_EQ(ap.tip(ALT), "Autopilot ALT switch [OFF], [250ft]");
    EXPECT_EQ(ap.shown(ALT_ICON), 1);
    // The next ALT click is a request off.
    ap.b.mark();
    ap.click(ALT);
    EXPECT_EQ(count_key(ap.b, 65816, 0), 1u);
}

// ---- the two panels' tables, row by row ------------------------------------------------

using tables::Area;
using tables::check_elements;
using tables::check_mouse;
using tables::ElementRow;
using tables::MouseRow;


constexpr int CUR_UP = 1, CUR_DOWN = 2, HAND = 5, GRAB = 7;
constexpr std::uint32_t CLICK = 0x20000000, HELD = 0x20220000, GUARDED = 0xA0000000;

const std::vector<ElementRow> AUTOPILOT_ELEMENTS = {
    {"static", 10628, 0, 0, 0}, {"icon", 10624, 52, 299, 2},  {"icon", 10506, 51, 617, 2},
    {"icon", 10504, 53, 466, 2}, {"icon", 10502, 585, 625, 2}, {"icon", 10500, 590, 262, 2},
    {"icon", 10498, 585, 472, 2}, {"icon", 10496, 199, 301, 2}, {"icon", 9738, 446, 301, 2},
    {"icon", 9736, 321, 301, 2}, {"icon", 9734, 437, 544, 2}, {"icon", 9732, 202, 544, 2},
    {"icon", 10629, 177, 101, 2}, {"icon", 10629, 510, 101, 2},
};

const std::vector<MouseRow> AUTOPILOT_MOUSE = {
    {"Autopilot READY magnetic indicator", 202, 544, 112, 115, {}},
    {"Autopilot IN magnetic indicator", 437, 544, 114, 115, {}},
    {"Autopilot aileron channel switch [%1!s!]", 321, 301, 104, 104, {{321, 301, 104, 104, HAND, CLICK}}},
    {"Autopilot elevator channel switch [%1!s!]", 446, 301, 104, 104, {{446, 301, 104, 104, HAND, CLICK}}},
    {"Autopilot rudder channel switch [%1!s!]", 199, 301, 104, 104, {{199, 301, 104, 104, HAND, CLICK}}},
    {"Autopilot ALT switch [%1!s!], [%2!d!ft]", 585, 472, 149, 129, {{585, 472, 149, 129, HAND, CLICK}}},
    {"Autopilot BOMB switch [%1!s!]", 590, 262, 134, 161, {{590, 262, 134, 161, HAND, CLICK}}},
    {"Autopilot ENGAGE switch [%1!s!]", 585, 625, 149, 147, {{585, 625, 149, 147, HAND, CLICK}}},
    {"Autopilot GLIDE switch [%1!s!]", 53, 466, 149, 135, {{53, 466, 149, 135, HAND, CLICK}}},
    {"Autopilot POWER switch [%1!s!]", 51, 617, 150, 148, {{51, 617, 150, 148, HAND, CLICK}}},
    {"Autopilot TRACK switch [%1!s!], [%2!d! deg]", 52, 299, 147, 109, {{52, 299, 147, 109, HAND, CLICK}}},
    {"RDU dimmer switch [%1!s!]", 510, 101, 127, 112, {{510, 101, 127, 112, HAND, CLICK}}},
    {"Slip ball dimmer switch [%1!s!]", 177, 101, 130, 130, {{177, 101, 130, 130, HAND, CLICK}}},
    {"Airspeed hold [%1!s!]", 678, 0, 75, 75, {{678, 0, 75, 75, HAND, CLICK}}},
    {"NAV/GPS toggle [%1!s!]", 0, 816, 75, 75, {{0, 816, 75, 75, HAND, CLICK}}},
};

const std::vector<ElementRow> ELEC_ELEMENTS = {
    {"static", 384, 0, 0, 0},     {"icon", 21760, 155, 681, 9}, {"icon", 412, 428, 738, 3},
    {"icon", 387, 697, 888, 2},   {"icon", 1696, 1643, 700, 2}, {"icon", 1693, 1540, 700, 2},
    {"needle", 385, 1161, 794, 0}, {"static", 389, 1124, 757, 0}, {"needle", 386, 632, 380, 0},
    {"icon", 400, 598, 617, 2},   {"icon", 391, 232, 252, 3},   {"icon", 395, 585, 25, 2},
    {"icon", 407, 216, 38, 2},    {"icon", 403, 216, 140, 2},
};

const std::vector<MouseRow> ELEC_MOUSE = {
    {"Inverter 1/2 meters selector", 598, 617, 307, 109, {{598, 617, 307, 109, HAND, CLICK}}},
    {"Inverter 6 On/Off", 585, 25, 232, 103, {{585, 25, 232, 103, HAND, CLICK}}},
    {"No.1 Generator On/Off", 216, 140, 198, 89, {{216, 140, 198, 89, HAND, CLICK}}},
    {"No.2 Generator On/Off", 216, 38, 198, 95, {{216, 38, 198, 95, HAND, CLICK}}},
    {"Inverter Selector Switch", 155, 409, 270, 170, {{155, 409, 270, 170, GRAB, GUARDED}}},
    {"Auto Pilot Reset", 697, 888, 169, 107, {{697, 888, 169, 107, HAND, CLICK}}},
    {"Circuit Breaker 1", 1540, 700, 77, 69, {{1540, 700, 77, 69, HAND, CLICK}}},
    {"Circuit Breaker 2", 1643, 700, 77, 69, {{1643, 700, 77, 69, HAND, CLICK}}},
    {"Bank Selector", 155, 681, 267, 267, {{155, 681, 267, 133, CUR_UP, CLICK}, {155, 814, 267, 133, CUR_DOWN, CLICK}}},
    {"Pitch selection [%1!d! degrees]", 428, 738, 145, 130,
     {{428, 738, 72, 130, CUR_DOWN, HELD}, {500, 738, 72, 130, CUR_UP, HELD}}},
};

TEST(AutopilotTables, TheAutopilotAndElectricalPanelsMatchTheirDrawings) {
    bench::Bench b;
    check_elements(b, "Autopilot_Switch_Panel", AUTOPILOT_ELEMENTS);
    check_mouse(b, "Autopilot_Switch_Panel", AUTOPILOT_MOUSE);
    check_elements(b, "Elec_Panel", ELEC_ELEMENTS);
    check_mouse(b, "Elec_Panel", ELEC_MOUSE);
}

}  // namespace
