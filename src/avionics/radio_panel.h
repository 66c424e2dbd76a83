// The radio rack's strip: seven radio circuit breakers and the spare switches A and B
// ("INOP"). Each control is a two-state variable with a position mirror for the virtual
// cockpit; nothing else in the module reads them, so the radios work whatever they show.
//
// Reads and writes: "L:RAD_ALTENC_BREAKER, bool", "L:RAD_TXPR_BREAKER, bool",
// "L:RAD_AUDIOPANEL_BREAKER, bool", "L:RAD_COM1_BREAKER, bool", "L:RAD_COM2_BREAKER, bool",
// "L:RAD_NAV1_BREAKER, bool", "L:RAD_NAV2_BREAKER, bool", "L:RAD_SWITCH_A, bool",
// "L:RAD_SWITCH_B, bool", each with its "_POS" mirror. No key events.
//
// Example: "L:RAD_COM1_BREAKER, bool" reads 2 (another gauge wrote it): the breaker's lamp is
// dark (only exactly 1 lights it); a click writes 0 to the breaker and then to
// "L:RAD_COM1_BREAKER_POS, bool"; a second click writes 1 to both.
#pragma once

namespace tarmelon {

enum class RadioPanelControl {
    ALTITUDE_ENCODER_BREAKER,
    TRANSPONDER_BREAKER,
    AUDIO_PANEL_BREAKER,
    COM1_BREAKER,
    COM2_BREAKER,
    NAV1_BREAKER,
    NAV2_BREAKER,
    SWITCH_A,
    SWITCH_B,
};

// Above 0 becomes 0, anything else 1; the state first, then its mirror.
void toggle_radio_panel_control(RadioPanelControl control);
// The control's lamp or switch picture: drawn while the state reads exactly 1.
bool radio_panel_control_on(RadioPanelControl control);

template <RadioPanelControl C>
void toggle_radio_panel() {
    toggle_radio_panel_control(C);
}
template <RadioPanelControl C>
bool radio_panel_on() {
    return radio_panel_control_on(C);
}

}  // namespace tarmelon
