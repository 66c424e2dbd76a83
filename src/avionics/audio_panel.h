// The GMA340 audio panel: COM1/COM2 transmit and receive selection, the ident audio of
// NAV1, NAV2, DME and ADF, marker beacon audio and its three lamps, an annunciator test,
// and intercom, speaker, passenger-address and isolation selections that only light
// their LEDs.
//
// Reads: "L:DCpowerAvailable, bool", "L:ElecStart_EMGAv_position, number", "A:COM
// TRANSMIT:1, bool", "A:COM TRANSMIT:2, bool", "A:COM RECIEVE ALL, bool", token 354 (the
// marker received: 1 outer, 2 middle, 3 inner), token 604 (clock).
// Writes: one LED variable per button ("L:Garmin_com1_led, bool" ...), the marker lamps
// "L:Garmin_A, bool", "L:Garmin_O, bool", "L:Garmin_M, bool", the knobs' pictures.
// Key events: 66477 marker audio; 66463, 66464 COM1, COM2 transmit; 66466 receive both
// (1 on, 0 off); 65842, 65844, 65846 NAV1, DME, ADF ident; NAV2 ident through the nav/com
// (65843), whose ID button shares that selection.
//
// Example: COM1 and COM2 both selected; COM 1 pressed: COM1 drops, 66464 selects COM2 for
// transmit and 66466 with 0 stops receiving both.
#pragma once

#include <cstdint>

namespace tarmelon {

void reset_audio_panel();
void switch_audio_panel(bool on);

// Once per frame: the power rule, the annunciator test timer, the simulator's COM
// selections.
void audio_panel_frame();

// The buttons; each does nothing while the panel is off.
void gma_marker_button();
void gma_sensitivity_button();
void gma_com1_button();
void gma_com2_button();
void gma_com3_button();
void gma_com1_mic_button();
void gma_com2_mic_button();
void gma_com3_mic_button();
void gma_nav1_button();
void gma_nav2_button();
void gma_dme_button();
void gma_adf_button();
void gma_split_com_button();
void gma_speaker_button();
void gma_pa_button();
void gma_pilot_iso_button();
void gma_crew_iso_button();
void gma_test_button();

// The knobs' halves (they animate; only the power knob acts).
void gma_pilot_squelch_up();
void gma_pilot_squelch_down();
void gma_power_knob_up();    // switches the panel on
void gma_power_knob_down();  // switches it off
void gma_copilot_squelch_up();
void gma_copilot_squelch_down();
void gma_copilot_volume_up();
void gma_copilot_volume_down();
// The virtual cockpit's pilot volume knob: "L:Garmin_rotary3_small,number" 0 <-> 50.
void gma_pilot_volume_vc();

// The panel's LEDs in drawing order, and the marker lamps.
enum class GmaLed : std::uint8_t {
    MARKER, COM1, COM1_MIC, COM2, COM2_MIC, COM3, COM3_MIC, NAV1, NAV2, DME, ADF,
    SPLIT_COM, SPEAKER, PA, PILOT_ISO, CREW_ISO, HI_SENS, LO_SENS,
};
// Lit while the panel is on and its selection is made, or the test runs; writes the LED's
// variable (1 lit, 0 dark).
bool gma_led(GmaLed led);
// Marker lamps: token 354 at 3 (A), 1 (O), 2 (M), or the test; writes the lamp's variable.
bool gma_marker_lamp(int marker);
// "ON" or "OFF" for the power knob's tooltip.
const char* gma_power_text();

}  // namespace tarmelon
