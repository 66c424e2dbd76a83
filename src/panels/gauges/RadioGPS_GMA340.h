// The audio panel's click areas that the virtual cockpit's click events also reach.
#pragma once

#include "sdk/gauges.h"

namespace tarmelon {

sdk::GBOOL TM_STDCALL gma_marker_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);        // "Marker beacon audio select/mute button"
sdk::GBOOL TM_STDCALL gma_sensitivity_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);   // "Marker beacon sensitivity button"
sdk::GBOOL TM_STDCALL gma_com1_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);          // "COM 1 transceiver audio select button"
sdk::GBOOL TM_STDCALL gma_com2_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);          // "COM 2 transceiver audio select button"
sdk::GBOOL TM_STDCALL gma_com3_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);          // "COM 3 transceiver audio select button (INOP)"
sdk::GBOOL TM_STDCALL gma_com1_mic_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);      // "COM 1 MIC transmitter select button"
sdk::GBOOL TM_STDCALL gma_com2_mic_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);      // "COM 2 MIC transmitter select button"
sdk::GBOOL TM_STDCALL gma_com3_mic_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);      // "COM 3 MIC transmitter select button (INOP)"
sdk::GBOOL TM_STDCALL gma_nav1_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);          // "NAV 1 radio audio select button"
sdk::GBOOL TM_STDCALL gma_nav2_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);          // "NAV 2 radio audio select button"
sdk::GBOOL TM_STDCALL gma_dme_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);           // "DME radio audio select button"
sdk::GBOOL TM_STDCALL gma_adf_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);           // "ADF radio audio select button"
sdk::GBOOL TM_STDCALL gma_split_com_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);     // "Split COM button"
sdk::GBOOL TM_STDCALL gma_speaker_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);       // "Speaker function button"
sdk::GBOOL TM_STDCALL gma_pa_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);            // "Passenger address function button"
sdk::GBOOL TM_STDCALL gma_pilot_iso_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);     // "Pilot isolation intercom button"
sdk::GBOOL TM_STDCALL gma_crew_iso_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);      // "Crew isolation intercom button"
sdk::GBOOL TM_STDCALL gma_test_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);          // "Annunicator test button"
sdk::GBOOL TM_STDCALL gma_pilot_squelch_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);      // "Pilot intercom squelch level knob"
sdk::GBOOL TM_STDCALL gma_pilot_squelch_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);
sdk::GBOOL TM_STDCALL gma_power_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);              // "ON/OFF and pilot intercom volume knob"
sdk::GBOOL TM_STDCALL gma_power_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);
sdk::GBOOL TM_STDCALL gma_copilot_squelch_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);    // "Copilot intercom squelch level knob"
sdk::GBOOL TM_STDCALL gma_copilot_squelch_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);
sdk::GBOOL TM_STDCALL gma_copilot_volume_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);     // "Copilot intercom volume knob"
sdk::GBOOL TM_STDCALL gma_copilot_volume_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags);

}  // namespace tarmelon
