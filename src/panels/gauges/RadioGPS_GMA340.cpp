// RadioGPS_GMA340: the GMA340 audio panel.
#include "panels/gauges/RadioGPS_GMA340.h"

#include "avionics/audio_panel.h"
#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"

namespace tarmelon {

// The panel's controls make no click.
// clang-format off
sdk::GBOOL TM_STDCALL gma_marker_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_marker_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_sensitivity_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_sensitivity_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_com1_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_com1_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_com2_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_com2_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_com3_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_com3_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_com1_mic_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_com1_mic_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_com2_mic_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_com2_mic_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_com3_mic_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_com3_mic_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_nav1_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_nav1_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_nav2_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_nav2_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_dme_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_dme_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_adf_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_adf_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_split_com_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_split_com_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_speaker_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_speaker_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_pa_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_pa_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_pilot_iso_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_pilot_iso_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_crew_iso_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_crew_iso_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_test_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_test_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_pilot_squelch_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_pilot_squelch_up, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_pilot_squelch_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_pilot_squelch_down, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_power_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_power_knob_up, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_power_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_power_knob_down, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_copilot_squelch_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_copilot_squelch_up, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_copilot_squelch_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_copilot_squelch_down, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_copilot_volume_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_copilot_volume_up, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gma_copilot_volume_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gma_copilot_volume_down, NO_CLICK>(at, flags); }
// clang-format on

namespace {

template <GmaLed L>
sdk::FLOAT64 TM_STDCALL led(sdk::ELEMENT_ICON*) {
    return lit_while(gma_led(L));
}
template <int Marker>
sdk::FLOAT64 TM_STDCALL marker_lamp(sdk::ELEMENT_ICON*) {
    return lit_while(gma_marker_lamp(Marker));
}

// Every element a child of the background. constinit: the registry links the elements
// during static initialisation.
// clang-format off
constinit struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(21026, 0, 0);
    sdk::ELEMENT_ICON marker_led = icon(21027, 501, 196, 1, led<GmaLed::MARKER>);
    sdk::ELEMENT_ICON com1_led = icon(21027, 591, 195, 1, led<GmaLed::COM1>);
    sdk::ELEMENT_ICON com1_mic_led = icon(21027, 591, 264, 1, led<GmaLed::COM1_MIC>);
    sdk::ELEMENT_ICON com2_led = icon(21027, 674, 195, 1, led<GmaLed::COM2>);
    sdk::ELEMENT_ICON com2_mic_led = icon(21027, 674, 264, 1, led<GmaLed::COM2_MIC>);
    sdk::ELEMENT_ICON com3_led = icon(21027, 758, 195, 1, led<GmaLed::COM3>);
    sdk::ELEMENT_ICON com3_mic_led = icon(21027, 758, 264, 1, led<GmaLed::COM3_MIC>);
    sdk::ELEMENT_ICON nav1_led = icon(21027, 874, 195, 1, led<GmaLed::NAV1>);
    sdk::ELEMENT_ICON nav2_led = icon(21027, 957, 195, 1, led<GmaLed::NAV2>);
    sdk::ELEMENT_ICON dme_led = icon(21027, 1040, 195, 1, led<GmaLed::DME>);
    sdk::ELEMENT_ICON adf_led = icon(21027, 1123, 195, 1, led<GmaLed::ADF>);
    sdk::ELEMENT_ICON split_com_led = icon(21027, 874, 264, 1, led<GmaLed::SPLIT_COM>);
    sdk::ELEMENT_ICON speaker_led = icon(21027, 946, 268, 1, led<GmaLed::SPEAKER>);
    sdk::ELEMENT_ICON pa_led = icon(21027, 948, 328, 1, led<GmaLed::PA>);
    sdk::ELEMENT_ICON pilot_iso_led = icon(21027, 1077, 268, 1, led<GmaLed::PILOT_ISO>);
    sdk::ELEMENT_ICON crew_iso_led = icon(21027, 1077, 328, 1, led<GmaLed::CREW_ISO>);
    sdk::ELEMENT_ICON marker_a = icon(21008, 347, 198, 1, marker_lamp<0>);
    sdk::ELEMENT_ICON marker_o = icon(21033, 389, 198, 1, marker_lamp<1>);
    sdk::ELEMENT_ICON marker_m = icon(21028, 434, 198, 1, marker_lamp<2>);
    sdk::ELEMENT_ICON hi_sens_led = icon(21027, 486, 266, 1, led<GmaLed::HI_SENS>);
    sdk::ELEMENT_ICON lo_sens_led = icon(21027, 486, 288, 1, led<GmaLed::LO_SENS>);
    sdk::ELEMENT_STATIC_IMAGE left_knob_large = static_image(21036, 352, 244, ICON_FLAGS);
    sdk::ELEMENT_STATIC_IMAGE left_knob_small = static_image(21037, 365, 258, ICON_FLAGS);
    sdk::ELEMENT_STATIC_IMAGE right_knob_large = static_image(21036, 1224, 244, ICON_FLAGS);
    sdk::ELEMENT_STATIC_IMAGE right_knob_small = static_image(21037, 1238, 257, ICON_FLAGS);
} elements;
// clang-format on

constexpr std::size_t ELEMENT_COUNT = 26;
ElementStar<ELEMENT_COUNT> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    Elements& e = elements;
    tree.link(gauge, {el(e.background), el(e.marker_led), el(e.com1_led), el(e.com1_mic_led), el(e.com2_led),
                      el(e.com2_mic_led), el(e.com3_led), el(e.com3_mic_led), el(e.nav1_led), el(e.nav2_led),
                      el(e.dme_led), el(e.adf_led), el(e.split_com_led), el(e.speaker_led), el(e.pa_led),
                      el(e.pilot_iso_led), el(e.crew_iso_led), el(e.marker_a), el(e.marker_o), el(e.marker_m),
                      el(e.hi_sens_led), el(e.lo_sens_led), el(e.left_knob_large), el(e.left_knob_small),
                      el(e.right_knob_large), el(e.right_knob_small)});
}

sdk::MOUSE_ARG power_args[] = {string_arg(tooltip_text<gma_power_text>)};

constexpr auto HAND = sdk::CURSOR_HAND;

// clang-format off
sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(485, 190, 70, 54), tooltip("Marker beacon audio select/mute button"), group_end(),
    click(485, 190, 70, 54, HAND, MOUSE_LEFT, gma_marker_mouse),
    group(484, 317, 70, 35), tooltip("Marker beacon sensitivity button"), group_end(),
    click(484, 317, 70, 35, HAND, MOUSE_LEFT, gma_sensitivity_mouse),
    group(576, 190, 70, 54), tooltip("COM 1 transceiver audio select button"), group_end(),
    click(576, 190, 70, 54, HAND, MOUSE_LEFT, gma_com1_mouse),
    group(660, 190, 70, 54), tooltip("COM 2 transceiver audio select button"), group_end(),
    click(660, 190, 70, 54, HAND, MOUSE_LEFT, gma_com2_mouse),
    group(742, 190, 70, 54), tooltip("COM 3 transceiver audio select button (INOP)"), group_end(),
    click(742, 190, 70, 54, HAND, MOUSE_LEFT, gma_com3_mouse),
    group(575, 255, 71, 98), tooltip("COM 1 MIC transmitter select button"), group_end(),
    click(575, 255, 71, 98, HAND, MOUSE_LEFT, gma_com1_mic_mouse),
    group(659, 255, 71, 98), tooltip("COM 2 MIC transmitter select button"), group_end(),
    click(659, 255, 71, 98, HAND, MOUSE_LEFT, gma_com2_mic_mouse),
    group(743, 255, 71, 98), tooltip("COM 3 MIC transmitter select button (INOP)"), group_end(),
    click(743, 255, 71, 98, HAND, MOUSE_LEFT, gma_com3_mic_mouse),
    group(860, 190, 70, 54), tooltip("NAV 1 radio audio select button"), group_end(),
    click(860, 190, 70, 54, HAND, MOUSE_LEFT, gma_nav1_mouse),
    group(942, 190, 70, 54), tooltip("NAV 2 radio audio select button"), group_end(),
    click(942, 190, 70, 54, HAND, MOUSE_LEFT, gma_nav2_mouse),
    group(1026, 190, 70, 54), tooltip("DME radio audio select button"), group_end(),
    click(1026, 190, 70, 54, HAND, MOUSE_LEFT, gma_dme_mouse),
    group(1109, 190, 70, 54), tooltip("ADF radio audio select button"), group_end(),
    click(1109, 190, 70, 54, HAND, MOUSE_LEFT, gma_adf_mouse),
    group(859, 256, 71, 98), tooltip("Split COM button"), group_end(),
    click(859, 256, 71, 98, HAND, MOUSE_LEFT, gma_split_com_mouse),
    group(943, 258, 106, 38), tooltip("Speaker function button"), group_end(),
    click(943, 258, 106, 38, HAND, MOUSE_LEFT, gma_speaker_mouse),
    group(1071, 258, 106, 38), tooltip("Pilot isolation intercom button"), group_end(),
    click(1071, 258, 106, 38, HAND, MOUSE_LEFT, gma_pilot_iso_mouse),
    group(943, 317, 106, 38), tooltip("Passenger address function button"), group_end(),
    click(943, 317, 106, 38, HAND, MOUSE_LEFT, gma_pa_mouse),
    group(1071, 317, 106, 38), tooltip("Crew isolation intercom button"), group_end(),
    click(1071, 317, 106, 38, HAND, MOUSE_LEFT, gma_crew_iso_mouse),
    group(1236, 198, 70, 35), tooltip("Annunicator test button"), group_end(),
    click(1236, 198, 70, 35, HAND, MOUSE_LEFT, gma_test_mouse),
    group(352, 244, 94, 94), tooltip("Pilot intercom squelch level knob"), group_end(),
    click(352, 244, 47, 47, sdk::CURSOR_DOWNARROW, MOUSE_STEP_DOWN, gma_pilot_squelch_down_mouse),
    click(400, 258, 47, 47, sdk::CURSOR_UPARROW, MOUSE_STEP_UP, gma_pilot_squelch_up_mouse),
    group(365, 258, 67, 67), tooltip("ON/OFF and pilot intercom volume knob - Power: [%1!s!]", power_args), group_end(),
    click(365, 258, 33, 33, sdk::CURSOR_DOWNARROW, MOUSE_STEP_DOWN, gma_power_down_mouse),
    click(400, 258, 33, 33, sdk::CURSOR_UPARROW, MOUSE_STEP_UP, gma_power_up_mouse),
    group(1224, 244, 94, 94), tooltip("Copilot intercom squelch level knob"), group_end(),
    click(1224, 244, 47, 47, sdk::CURSOR_DOWNARROW, MOUSE_STEP_DOWN, gma_copilot_squelch_down_mouse),
    click(1274, 258, 47, 47, sdk::CURSOR_UPARROW, MOUSE_STEP_UP, gma_copilot_squelch_up_mouse),
    group(1237, 257, 67, 67), tooltip("Copilot intercom volume knob"), group_end(),
    click(1237, 258, 33, 33, sdk::CURSOR_DOWNARROW, MOUSE_STEP_DOWN, gma_copilot_volume_down_mouse),
    click(1272, 258, 33, 33, sdk::CURSOR_UPARROW, MOUSE_STEP_UP, gma_copilot_volume_up_mouse),
    mouse_end(),
    mouse_eol(),
};
// clang-format on

// Pre-update: power, the annunciator test and the simulator's COM selections.
void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) audio_panel_frame();
}

}  // namespace

extern const GaugeParts RadioGPS_GMA340 = {&root, mouse, callback, link};

}  // namespace tarmelon
