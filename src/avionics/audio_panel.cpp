#include "avionics/audio_panel.h"

#include <iterator>

#include "avionics/navcom.h"
#include "avionics/radio_power.h"
#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

namespace {

AudioPanelState& panel() { return state.audio; }
bool powered() { return panel().gmaPowerOn != 0; }

void send(std::uint32_t key, std::uint32_t parameter = 1) { host_trigger_key_event(key, parameter); }
void toggle(std::uint8_t& flag) { flag = flag != 0 ? 0 : 1; }
// Sets one of two exclusive selections, or clears it when it is set.
void exclusive(std::uint8_t& flag, std::uint8_t& other) {
    if (flag != 0) {
        flag = 0;
    } else {
        flag = 1;
        other = 0;
    }
}

void com1_logic() {
    AudioPanelState& p = panel();
    const bool com2 = p.gmaCom2 != 0;
    if (p.gmaCom1 == 0) {
        p.gmaCom1 = 1;
        if (com2) send(KEY_COM_RECEIVE_ALL_SET, 1);
        else send(KEY_COM1_TRANSMIT_SELECT);
    } else {
        p.gmaCom1 = 0;
        if (com2) {
            send(KEY_COM2_TRANSMIT_SELECT);
            send(KEY_COM_RECEIVE_ALL_SET, 0);
        } else {
            send(KEY_COM1_TRANSMIT_SELECT);
        }
    }
}

void com2_logic() {
    AudioPanelState& p = panel();
    const bool com1 = p.gmaCom1 != 0;
    if (p.gmaCom2 == 0) {
        p.gmaCom2 = 1;
        if (com1) send(KEY_COM_RECEIVE_ALL_SET, 1);
        else send(KEY_COM2_TRANSMIT_SELECT);
    } else {
        p.gmaCom2 = 0;
        send(KEY_COM1_TRANSMIT_SELECT);
        if (com1) send(KEY_COM_RECEIVE_ALL_SET, 0);
    }
}

// A knob half's picture: off when it is above 0, else it and its twin on.
void knob_pair(const char* variable, const char* twin) {
    if (get_int(variable) > 0) {
        set_int(variable, 0);
    } else {
        set_int(variable, 1);
        set_int(twin, 1);
    }
}
// A squelch or volume position 0 to 4, wrapping at both ends.
void step_position(const char* variable, bool up) {
    const std::int32_t at = get_int(variable);
    if (up) set_int(variable, at >= 4 ? 0 : at + 1);
    else set_int(variable, at <= 0 ? 4 : at - 1);
}

struct LedRow {
    const char* variable;
    std::uint8_t AudioPanelState::* flag;  // null: the nav/com's NAV2 ident selection
};
// In GmaLed order.
constexpr LedRow LEDS[] = {
    {"L:Garmin_mkr_mute_led,bool", &AudioPanelState::gmaMarkerAudio},
    {"L:Garmin_com1_led, bool", &AudioPanelState::gmaCom1},
    {"L:Garmin_com1_mic_led, bool", &AudioPanelState::gmaCom1Mic},
    {"L:Garmin_com2_led, bool", &AudioPanelState::gmaCom2},
    {"L:Garmin_com2_mic_led, bool", &AudioPanelState::gmaCom2Mic},
    {"L:Garmin_com3_led, bool", &AudioPanelState::gmaCom3},
    {"L:Garmin_com3_mic_led, bool", &AudioPanelState::gmaCom3Mic},
    {"L:Garmin_nav1_led, bool", &AudioPanelState::gmaNav1},
    {"L:Garmin_nav2_led, bool", nullptr},
    {"L:Garmin_dme_led, bool", &AudioPanelState::gmaDme},
    {"L:Garmin_adf_led, bool", &AudioPanelState::gmaAdf},
    {"L:Garmin_com1/2_led, bool", &AudioPanelState::gmaSplitCom},
    {"L:Garmin_spkr_led, bool", &AudioPanelState::gmaSpeaker},
    {"L:Garmin_pa_led, bool", &AudioPanelState::gmaPa},
    {"L:Garmin_pilot_led, bool", &AudioPanelState::gmaPilotIso},
    {"L:Garmin_crew_led, bool", &AudioPanelState::gmaCrewIso},
    {"L:Garmin_hi_led,bool", &AudioPanelState::gmaHiSens},
    {"L:Garmin_lo_led,bool", &AudioPanelState::gmaLoSens},
};

struct MarkerRow {
    const char* variable;
    std::int32_t received;  // token 354
};
constexpr MarkerRow MARKERS[] = {{"L:Garmin_A, bool", 3}, {"L:Garmin_O, bool", 1}, {"L:Garmin_M, bool", 2}};

}  // namespace

void reset_audio_panel() {
    AudioPanelState& p = panel();
    const std::uint8_t latch = p.gmaAutoPowerLatch;
    p = AudioPanelState{};
    p.gmaAutoPowerLatch = latch;
    p.gmaPowerOn = 1;
    p.gmaLoSens = 1;
    p.gmaCom1 = 1;
    p.gmaCom1Mic = 1;
}

void switch_audio_panel(bool on) { panel().gmaPowerOn = on ? 1 : 0; }

void audio_panel_frame() {
    AudioPanelState& p = panel();
    follow_dc_power(p.gmaPowerOn, p.gmaAutoPowerLatch);

    if (p.gmaTest != 0) {
        const std::uint32_t now = truncate_u32(read_token(TOKEN_SECONDS));
        if (p.gmaTestTimerStarted == 0) {
            p.gmaTestDueSecond = now + 3;
            p.gmaTestTimerStarted = 1;
        }
        if (now >= p.gmaTestDueSecond) {
            p.gmaTest = 0;
            p.gmaTestTimerStarted = 0;
        }
    }

    p.comTransmit1 = get_int("A:COM TRANSMIT:1, bool");
    p.comTransmit2 = get_int("A:COM TRANSMIT:2, bool");
    p.comReceiveAll = get_int("A:COM RECIEVE ALL, bool");
}

void gma_marker_button() {
    if (!powered()) return;
    toggle(panel().gmaMarkerAudio);
    send(KEY_MARKER_SOUND_TOGGLE);
}

void gma_sensitivity_button() {
    if (!powered()) return;
    AudioPanelState& p = panel();
    const bool lo = p.gmaLoSens == 1;
    p.gmaLoSens = lo ? 0 : 1;
    p.gmaHiSens = lo ? 1 : 0;
}

void gma_com1_button() {
    if (powered()) com1_logic();
}
void gma_com2_button() {
    if (powered()) com2_logic();
}
void gma_com3_button() {
    if (powered()) toggle(panel().gmaCom3);
}

void gma_com1_mic_button() {
    if (!powered()) return;
    AudioPanelState& p = panel();
    if (p.gmaCom1Mic == 1) {
        p.gmaCom1Mic = 0;
        return;
    }
    p.gmaCom1Mic = 1;
    p.gmaCom2Mic = 0;
    p.gmaCom3Mic = 0;
    if (p.comTransmit1 == 0 && p.comReceiveAll == 0) com1_logic();
}

void gma_com2_mic_button() {
    if (!powered()) return;
    AudioPanelState& p = panel();
    if (p.gmaCom2Mic == 1) {
        p.gmaCom2Mic = 0;
        return;
    }
    p.gmaCom2Mic = 1;
    p.gmaCom1Mic = 0;
    p.gmaCom3Mic = 0;
    if (p.comTransmit2 == 0 && p.comReceiveAll == 0) com2_logic();
}

void gma_com3_mic_button() {
    if (!powered()) return;
    AudioPanelState& p = panel();
    if (p.gmaCom3Mic == 1) {
        p.gmaCom3Mic = 0;
        return;
    }
    p.gmaCom3Mic = 1;
    p.gmaCom1Mic = 0;
    p.gmaCom2Mic = 0;
    if (p.gmaCom3 == 0) p.gmaCom3 = 1;
}

void gma_nav1_button() {
    if (!powered()) return;
    toggle(panel().gmaNav1);
    set_bool("L:GMA340_NAV1_BUTTON, bool", panel().gmaNav1);
    send(KEY_NAV1_IDENT_TOGGLE);
}
void gma_nav2_button() {
    if (powered()) toggle_nav2_ident();
}
void gma_dme_button() {
    if (!powered()) return;
    toggle(panel().gmaDme);
    send(KEY_DME_IDENT_TOGGLE);
}
void gma_adf_button() {
    if (!powered()) return;
    toggle(panel().gmaAdf);
    send(KEY_ADF_IDENT_TOGGLE);
}

void gma_split_com_button() {
    if (!powered()) return;
    AudioPanelState& p = panel();
    if (p.gmaSplitCom == 1) {
        p.gmaSplitCom = 0;
        p.gmaCom2Mic = 0;
    } else {
        p.gmaSplitCom = 1;
        p.gmaCom1Mic = 1;
        p.gmaCom2Mic = 1;
    }
}

void gma_speaker_button() {
    if (powered()) exclusive(panel().gmaSpeaker, panel().gmaPa);
}
void gma_pa_button() {
    if (powered()) exclusive(panel().gmaPa, panel().gmaSpeaker);
}
void gma_pilot_iso_button() {
    if (powered()) exclusive(panel().gmaPilotIso, panel().gmaCrewIso);
}
void gma_crew_iso_button() {
    if (powered()) exclusive(panel().gmaCrewIso, panel().gmaPilotIso);
}
void gma_test_button() {
    if (powered()) toggle(panel().gmaTest);
}

void gma_pilot_squelch_up() {
    knob_pair("L:GMA340_LKNOB_L_Inc, bool", "L:GMA340_LKNOB_L_Inc_POS, bool");
    step_position("L:Garmin_rotary3_big,number", true);
}
void gma_pilot_squelch_down() {
    knob_pair("L:GMA340_LKNOB_L_Dec, bool", "L:GMA340_LKNOB_L_Dec_POS, bool");
    step_position("L:Garmin_rotary3_big,number", false);
}
void gma_power_knob_up() {
    knob_pair("L:GMA340_LKNOB_S_Inc, bool", "L:GMA340_LKNOB_S_Inc_POS, bool");
    panel().gmaPowerOn = 1;
}
void gma_power_knob_down() {
    knob_pair("L:GMA340_LKNOB_S_Dec, bool", "L:GMA340_LKNOB_S_Dec_POS, bool");
    if (panel().gmaPowerOn != 0) {
        panel().gmaPowerOn = 0;
        set_int("L:GMA340_POWER_setOff, bool", 1);
    }
}
void gma_copilot_squelch_up() {
    knob_pair("L:GMA340_RKNOB_L_Inc, bool", "L:GMA340_RKNOB_L_Inc_POS, bool");
    step_position("L:Garmin_rotary4_big,number", true);
}
void gma_copilot_squelch_down() {
    knob_pair("L:GMA340_RKNOB_L_Dec, bool", "L:GMA340_RKNOB_L_Dec_POS, bool");
    step_position("L:Garmin_rotary4_big,number", false);
}
void gma_copilot_volume_up() {
    knob_pair("L:GMA340_RKNOB_S_Inc, bool", "L:GMA340_RKNOB_S_Inc_POS, bool");
    step_position("L:Garmin_rotary4_small,number", true);
}
void gma_copilot_volume_down() {
    knob_pair("L:GMA340_RKNOB_S_Dec, bool", "L:GMA340_RKNOB_S_Dec_POS, bool");
    step_position("L:Garmin_rotary4_small,number", false);
}

void gma_pilot_volume_vc() {
    const std::int32_t at = get_int("L:Garmin_rotary3_small,number");
    if (at == 0) set_int("L:Garmin_rotary3_small,number", 50);
    else if (at == 50) set_int("L:Garmin_rotary3_small,number", 0);
}

bool gma_led(GmaLed led) {
    const auto index = static_cast<std::size_t>(led);
    if (index >= std::size(LEDS)) return false;
    const AudioPanelState& p = panel();
    const LedRow& row = LEDS[index];
    const bool selected = row.flag != nullptr ? p.*row.flag != 0 : state.navcom.sl30IdentOn != 0;
    const bool lit = powered() && (selected || p.gmaTest != 0);
    set_int(row.variable, lit ? 1 : 0);
    return lit;
}

bool gma_marker_lamp(int marker) {
    if (marker < 0 || marker >= static_cast<int>(std::size(MARKERS))) return false;
    const MarkerRow& row = MARKERS[marker];
    const bool received = truncate_i32(read_token(TOKEN_MARKER_BEACON)) == row.received;
    const bool lit = powered() && (received || panel().gmaTest != 0);
    set_int(row.variable, lit ? 1 : 0);
    return lit;
}

const char* gma_power_text() { return powered() ? "ON" : "OFF"; }

}  // namespace tarmelon
