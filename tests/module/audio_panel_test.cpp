// The audio panel from the 2D panel and the virtual cockpit: COM transmit and receive
// selection as the simulator sees it, the ident audio selections (NAV 2 shared with the
// nav/com's ID button), the exclusive buttons, the annunciator test, marker lamps, the
// knobs and the panel's power.
#include <string>
#include <vector>

#include "scenario.h"

namespace {

constexpr const char* PANEL = "RadioGPS_GMA340";
constexpr std::uint32_t LEFT = 0x20000000;

struct Point {
    int x, y;
};
constexpr Point MARKER{500, 200}, SENSITIVITY{500, 330}, COM1{600, 210}, COM2{690, 210}, COM3{770, 210},
    COM1_MIC{600, 300}, COM2_MIC{690, 300}, COM3_MIC{770, 300}, NAV1{890, 210}, NAV2{970, 210}, DME{1050, 210},
    ADF{1130, 210}, SPLIT{890, 300}, SPEAKER{990, 270}, PILOT{1120, 270}, PA{990, 330}, CREW{1120, 330},
    TEST{1260, 210}, PILOT_SQUELCH_DOWN{355, 250}, PILOT_SQUELCH_UP{440, 300}, POWER_DOWN{380, 270},
    POWER_UP{410, 270}, COPILOT_SQUELCH_DOWN{1228, 250}, COPILOT_VOLUME_UP{1285, 270};

// Element places of the LEDs and lamps.
enum Led { L_MARKER = 1, L_COM1, L_COM1_MIC, L_COM2, L_COM2_MIC, L_COM3, L_COM3_MIC, L_NAV1, L_NAV2, L_DME, L_ADF,
           L_SPLIT, L_SPEAKER, L_PA, L_PILOT, L_CREW, LAMP_A, LAMP_O, LAMP_M, L_HI, L_LO };

void press(bench::Bench& b, Point p) { b.click(PANEL, p.x, p.y, LEFT); }

// The LEDs lit after a frame, by element place.
std::vector<int> lit(bench::Bench& b) {
    b.frames(1);
    std::vector<int> on;
    for (int n = L_MARKER; n <= L_LO; ++n)
        if (b.element(PANEL, n).frame == 0) on.push_back(n);
    return on;
}

std::vector<std::uint32_t> keys_since(const bench::Bench& b, std::size_t from) {
    std::vector<std::uint32_t> out;
    const auto& log = b.key_log();
    for (std::size_t i = from; i < log.size(); ++i)
        if (log[i].id < 69632) out.push_back(log[i].id * 10 + (log[i].param > 9 ? 9 : log[i].param));
    return out;
}

bench::Bench& ready(bench::Bench& b) {
    scenario::settle(b);
    b.window("open", 1000);
    b.frames(1);
    return b;
}

TEST(AudioPanel, ComButtonsSelectTransmitAndReceiveBoth) {
    bench::Bench b;
    ready(b);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_LO}));  // as the panel starts
    EXPECT_EQ(b.get("L:Garmin_com1_led, bool"), 1);
    // COM2 added: both received.
    std::size_t at = b.key_log().size();
    press(b, COM2);
    EXPECT_EQ(keys_since(b, at), (std::vector<std::uint32_t>{664661}));
    EXPECT_EQ(b.get("A:COM RECIEVE ALL, bool"), 1);
    // COM1 dropped with COM2 on: COM2 transmits, receive-both off.
    at = b.key_log().size();
    press(b, COM1);
    EXPECT_EQ(keys_since(b, at), (std::vector<std::uint32_t>{664641, 664660}));
    EXPECT_EQ(b.get("A:COM TRANSMIT:2, bool"), 1);
    EXPECT_EQ(b.get("A:COM TRANSMIT:1, bool"), 0);
    EXPECT_EQ(b.get("A:COM RECIEVE ALL, bool"), 0);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1_MIC, L_COM2, L_LO}));
    // COM2 dropped alone: COM1 transmit is selected.
    at = b.key_log().size();
    press(b, COM2);
    EXPECT_EQ(keys_since(b, at), (std::vector<std::uint32_t>{664631}));
    // Only COM1, pressed: it drops and 66463 is sent.
    press(b, COM1);
    at = b.key_log().size();
    press(b, COM1);
    EXPECT_EQ(keys_since(b, at), (std::vector<std::uint32_t>{664631}));
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1_MIC, L_LO}));
}

TEST(AudioPanel, MicButtonsChangeOnlyTheirFlagsWhileTheSimulatorAlreadyTransmits) {
    bench::Bench b;
    ready(b);
    b.frames(1);  // the panel has read COM TRANSMIT:1 = 1
    press(b, COM1_MIC);  // clears COM1 MIC
    std::size_t at = b.key_log().size();
    press(b, COM1_MIC);  // sets it; the simulator transmits on COM1 already
    EXPECT_EQ(keys_since(b, at), (std::vector<std::uint32_t>{}));
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_LO}));
    // COM2 MIC while COM2 does not transmit: runs COM 2's selection (receive both).
    at = b.key_log().size();
    press(b, COM2_MIC);
    EXPECT_EQ(keys_since(b, at), (std::vector<std::uint32_t>{664661}));
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM2, L_COM2_MIC, L_LO}));
    // COM3 MIC selects COM3 too; split COM puts both mics on, and off again drops COM2's.
    press(b, COM3_MIC);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM2, L_COM3, L_COM3_MIC, L_LO}));
    press(b, SPLIT);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_COM2, L_COM2_MIC, L_COM3, L_COM3_MIC, L_SPLIT, L_LO}));
    press(b, SPLIT);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_COM2, L_COM3, L_COM3_MIC, L_LO}));
    press(b, COM3);
    b.frames(1);
    EXPECT_EQ(b.element(PANEL, L_COM3).frame, -1);
}

TEST(AudioPanel, IdentButtonsToggleTheSimulatorsSoundsAndNav2IsOneSelectionWithTheNavcom) {
    bench::Bench b;
    ready(b);
    press(b, NAV1);
    press(b, DME);
    press(b, ADF);
    press(b, MARKER);
    EXPECT_EQ(b.get("A:NAV SOUND:1, bool"), 1);
    EXPECT_EQ(b.get("A:DME SOUND, bool"), 1);
    EXPECT_EQ(b.get("A:ADF SOUND:1, bool"), 1);
    EXPECT_EQ(b.get("A:MARKER SOUND, bool"), 1);
    EXPECT_EQ(b.get("L:GMA340_NAV1_BUTTON, bool"), 1);
    EXPECT_EQ(lit(b), (std::vector<int>{L_MARKER, L_COM1, L_COM1_MIC, L_NAV1, L_DME, L_ADF, L_LO}));
    press(b, NAV1);
    EXPECT_EQ(b.get("L:GMA340_NAV1_BUTTON, bool"), 0);
    EXPECT_EQ(b.get("A:NAV SOUND:1, bool"), 0);

    // NAV 2 on the audio panel, then off at the nav/com's ID button: the simulator's NAV2
    // ident, both lamps and both buttons' variables agree at every step.
    struct Step {
        bool from_audio_panel;
        double on;
    };
    for (const Step& s : {Step{true, 1}, Step{false, 0}, Step{false, 1}, Step{true, 0}}) {
        if (s.from_audio_panel) press(b, NAV2);
        else b.click("RadioGPS_SL30", 1040, 930, LEFT);
        b.frames(1);
        EXPECT_EQ(b.get("A:NAV SOUND:2, bool"), s.on);
        EXPECT_EQ(b.element(PANEL, L_NAV2).frame, s.on == 1 ? 0 : -1);
        EXPECT_EQ(b.element("RadioGPS_SL30", 16).frame, s.on == 1 ? 0 : -1);
        EXPECT_EQ(b.get("L:SL30_ID_BUTTON, bool"), s.on);
        EXPECT_EQ(b.get("L:GMA340_NAV2_BUTTON, bool"), s.on);
        EXPECT_EQ(b.get("L:Garmin_nav2_led, bool"), s.on);
    }
    // The virtual cockpit reaches the same buttons.
    b.key(69777);
    EXPECT_EQ(b.get("A:NAV SOUND:2, bool"), 1);
    b.key(69762);
    EXPECT_EQ(b.get("A:MARKER SOUND, bool"), 0);
}

TEST(AudioPanel, ExclusiveButtonsAndSensitivity) {
    bench::Bench b;
    ready(b);
    press(b, SPEAKER);
    press(b, PILOT);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_SPEAKER, L_PILOT, L_LO}));
    press(b, PA);
    press(b, CREW);
    press(b, SENSITIVITY);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_PA, L_CREW, L_HI}));
    b.key(69781);  // speaker from the virtual cockpit
    b.key(69783);  // pilot isolation
    b.key(69763);  // sensitivity
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_SPEAKER, L_PILOT, L_LO}));
    press(b, PILOT);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_SPEAKER, L_LO}));
}

TEST(AudioPanel, AnnunciatorTestLightsEverythingForThreeSecondsAndMarkersFollowTheBeacon) {
    bench::Bench b;
    ready(b);
    b.set_token(354, 1);
    b.frames(1);
    EXPECT_EQ(b.element(PANEL, LAMP_O).frame, 0);
    EXPECT_EQ(b.element(PANEL, LAMP_A).frame, -1);
    EXPECT_EQ(b.get("L:Garmin_O, bool"), 1);
    b.set_token(354, 3);
    b.frames(1);
    EXPECT_EQ(b.get("L:Garmin_A, bool"), 1);
    EXPECT_EQ(b.get("L:Garmin_O, bool"), 0);
    b.set_token(354, 0);
    press(b, TEST);
    std::vector<int> all;
    for (int n = L_MARKER; n <= L_LO; ++n) all.push_back(n);
    EXPECT_EQ(lit(b), all);
    b.seconds(2);
    EXPECT_EQ(lit(b), all);
    b.seconds(1.5);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_LO}));
    // Pressed again within its three seconds the test ends at once; the next test then
    // ends in its first frame (its timer kept the old due second).
    press(b, TEST);
    b.frames(1);
    press(b, TEST);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_LO}));
    b.frames(40);
    b.key(69785);
    b.frames(1);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_LO}));
}

TEST(AudioPanel, KnobsAnimateWrapAndThePowerKnobSwitchesThePanel) {
    bench::Bench b;
    ready(b);
    // Squelch down from 0 shows 4; up from 4 wraps to 0. The knob half's picture toggles.
    b.click(PANEL, PILOT_SQUELCH_DOWN.x, PILOT_SQUELCH_DOWN.y, 0x2000);  // wheel down
    EXPECT_EQ(b.get("L:Garmin_rotary3_big,number"), 4);
    EXPECT_EQ(b.get("L:GMA340_LKNOB_L_Dec, bool"), 1);
    EXPECT_EQ(b.get("L:GMA340_LKNOB_L_Dec_POS, bool"), 1);
    press(b, PILOT_SQUELCH_DOWN);
    EXPECT_EQ(b.get("L:GMA340_LKNOB_L_Dec, bool"), 0);
    EXPECT_EQ(b.get("L:GMA340_LKNOB_L_Dec_POS, bool"), 1);
    EXPECT_EQ(b.get("L:Garmin_rotary3_big,number"), 3);
    press(b, PILOT_SQUELCH_UP);
    press(b, PILOT_SQUELCH_UP);
    EXPECT_EQ(b.get("L:Garmin_rotary3_big,number"), 0);
    press(b, COPILOT_SQUELCH_DOWN);
    EXPECT_EQ(b.get("L:Garmin_rotary4_big,number"), 4);
    b.key(69954);
    press(b, COPILOT_VOLUME_UP);
    EXPECT_EQ(b.get("L:Garmin_rotary4_small,number"), 2);
    b.key(69905);
    EXPECT_EQ(b.get("L:Garmin_rotary3_small,number"), 50);
    b.key(69905);
    EXPECT_EQ(b.get("L:Garmin_rotary3_small,number"), 0);

    // Power off: every LED dark, buttons do nothing, the tooltip says so.
    EXPECT_EQ(b.tooltip(PANEL, 380, 300), std::optional<std::string>("ON/OFF and pilot intercom volume knob - Power: [ON]"));
    press(b, POWER_DOWN);
    EXPECT_EQ(b.get("L:GMA340_POWER_setOff, bool"), 1);
    EXPECT_EQ(lit(b), (std::vector<int>{}));
    EXPECT_EQ(b.get("L:Garmin_com1_led, bool"), 0);
    EXPECT_EQ(b.tooltip(PANEL, 380, 300), std::optional<std::string>("ON/OFF and pilot intercom volume knob - Power: [OFF]"));
    const std::size_t at = b.key_log().size();
    press(b, COM2);
    press(b, NAV1);
    press(b, TEST);
    EXPECT_EQ(keys_since(b, at), (std::vector<std::uint32_t>{}));
    b.key(69964);  // the knob up, from the virtual cockpit
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_LO}));  // selections survive
}

TEST(AudioPanel, ColdAndDarkSwitchesTheRadioStackOffAndItStaysOffWhenDcPowerReturns) {
    bench::Bench b;
    ready(b);  // DC power has powered both units
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_LO}));
    // The panel selector's Power button: the cold-and-dark preset.
    b.click("Panel_Selector_Arrow", 15, 20, LEFT);
    b.click("Panel_Selector", 98, 106, LEFT);
    b.click("Panel_Selector", 14, 14, LEFT);
    b.seconds(2);
    EXPECT_EQ(lit(b), (std::vector<int>{}));
    EXPECT_EQ(b.element("RadioGPS_SL30", 28).hidden, true);
    EXPECT_EQ(b.element("RadioGPS_SL30", 20).hidden, true);
    // The battery on: DC power had already powered both units, which stay switched off
    // until their knobs switch them on.
    b.window("open", 500);
    b.click("TO_Panel", 1200, 200, 0x80000000);  // the guard open
    b.click("TO_Panel", 1200, 200, LEFT);        // the battery on
    b.seconds(1);
    ASSERT_EQ(b.get("L:DCpowerAvailable, bool"), 1);
    EXPECT_EQ(lit(b), (std::vector<int>{}));
    EXPECT_EQ(b.element("RadioGPS_SL30", 28).hidden, true);
    press(b, POWER_UP);
    b.click("RadioGPS_SL30", 400, 910, LEFT);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_LO}));
    EXPECT_EQ(b.element("RadioGPS_SL30", 28).hidden, false);
    EXPECT_EQ(b.element("RadioGPS_SL30", 28).text, "123.90");
    // Both switched off again by their knobs; the ready preset switches them on.
    press(b, POWER_DOWN);
    b.click("RadioGPS_SL30", 400, 910, LEFT);
    EXPECT_EQ(lit(b), (std::vector<int>{}));
    b.click("Panel_Selector_Arrow", 15, 20, LEFT);
    b.click("Panel_Selector", 98, 106, LEFT);
    b.click("Panel_Selector", 14, 14, LEFT);
    b.seconds(1);
    EXPECT_EQ(lit(b), (std::vector<int>{L_COM1, L_COM1_MIC, L_LO}));
    EXPECT_EQ(b.element("RadioGPS_SL30", 28).hidden, false);
}

}  // namespace
