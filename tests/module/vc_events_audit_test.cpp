// Every virtual-cockpit click spot, row by row in the order of the handler's table: each
// custom key event reaches its control's routine and does what that routine does (the
// variables it writes, the key events and SimConnect events it sends, the lamps that show on
// the next frame), with its own click sound and pan or none, and every id in the custom range
// that no click spot sends leaves the cockpit as it was.
//
// One cockpit, ready on the ground with the external-lights, autopilot, gear and radio
// panels drawn (their gauges finish some controls' work on their next update), takes the
// rows in turn. A row may first bring the cockpit to where its routine shows its effect ("before":
// other click spots, a simulator value, frames); its effect is then checked step by step:
//   VAR == V          the variable reads V
//   VAR toggles       0 became 1, anything else 0 (against its value just before the event)
//   VAR += D [mod M]  it moved by D (wrapping at M)
//   VAR unchanged     it kept its value
//   key ID [PARAM]    the key event was sent (with that parameter)
//   nokey ID          it was not
//   sc TEXT, nosc TEXT  a SimConnect call containing TEXT was made, or none
//   shown G N, hidden G N, text G N == S, drawn G N, undrawn G N   element N of gauge G
//                     after its last update (drawn: an icon's frame is not negative)
//   click before VAR, click after VAR   the row's click is written before (after) VAR
//   nothing           no variable moved and no key event but the click spot's own
//   frames N, ev ID, set VAR=V, token N=V, start STATE   steps in between (ev: another
//                     click spot; start: the bench's start state, reached as a pilot does)
// Sound n/p: click n at pan p, the other two silent (n2: a second click at the same pan);
// 0: no click at all.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scenario.h"

namespace {

struct Row {
    std::uint32_t id;
    const char* control;
    const char* before;  // steps that bring the cockpit where the effect shows ("" none)
    const char* effect;  // the checks, " | " between them
    int sound, sound2, pan;
};

// clang-format off
constexpr Row VC_TABLE[] = {
 {69632, "Taxi lights", "",
  "L:Lights_taxi_POS, bool toggles | frames 1 | key 66240 1", 2, 0, -10000},
 {69633, "Navigation lights", "",
  "L:Lights_nav_POS, bool toggles | key 66379 1", 2, 0, -10000},
 {69634, "Identification lights, one position down", "",
  "L:Lights_ident_POS, number == 0 | nokey 66239 | click after L:Lights_ident_POS, number", 3, 0, -10000},
 {69635, "Identification lights, one position up", "",
  "L:Lights_ident_POS, number == 1 | key 66239 1", 3, 0, -10000},
 {69636, "External lights master", "",
  "L:Lights_Master, bool == 0 | frames 1 | sc SimConnect_TransmitClientEvent(0, 1, 0,", 3, 0, -10000},
 {69637, "Landing lights (left click, +1)", "ev 69636 | frames 1 | set L:Lights_landing_POS, number=1",
  "L:Lights_landing_POS, number == 2 | click after L:Lights_landing_POS, number | L:Land_Light_Anim, number == 100 | sc SimConnect_TransmitClientEvent(0, 1, 0,", 3, 0, -10000},
 {69638, "Landing lights (right click, -1)", "set L:Lights_landing_POS, number=1",
  "L:Lights_landing_POS, number == 0 | L:Land_Light_Anim, number == 0 | sc SimConnect_TransmitClientEvent(0, 1, 0,", 3, 0, -10000},
 {69639, "Aileron Trim, one position down", "",
  "L:aileronTrimSelPos, number == 0 | L:ailTrimChange, bool == 1 | key 66276 1 | click after L:aileronTrimSelPos, number", 1, 0, -10000},
 {69640, "Aileron Trim, one position up", "",
  "L:aileronTrimSelPos, number == 1 | nokey 66277", 1, 0, -10000},
 {69641, "Photoflash lever", "",
  "L:Photoflash_lever_POS, bool == 1 | click before L:Photoflash_lever_POS, bool | sc SimConnect_TransmitClientEvent(0, 63, 1,", 3, 0, -10000},
 {69648, "flare jettison guard", "",
  "L:Tarmelon_Trimpan_flarejetguard,bool == 1 | L:Flare_Switch_POS, number == 1", 1, 0, -10000},
 {69649, "flare jettison switch", "",
  "L:Tarmelon_Trimpan_flarejet,bool == 1 | L:Flare_Switch_POS, number unchanged", 1, 0, -10000},
 {69650, "Port engine anti-ice", "",
  "L:AntiIce_port_switch_POS, bool == 1 | key 66488 1", 3, 0, -10000},
 {69651, "Starboard engine anti-ice", "",
  "L:AntiIce_stbd_switch_POS, bool == 1 | key 66489 1", 3, 0, -10000},
 {69652, "Aileron Trim, one position down", "",
  "L:aileronTrimSelPos, number == 0 | key 66276 1", 1, 0, -10000},
 {69653, "Aileron Trim, one position up", "",
  "L:aileronTrimSelPos, number == 1", 1, 0, -10000},
 {69654, "Tail Trim, one position down", "",
  "L:tailTrimSelPos, number == 0 | L:tailTrimChange, bool == 1 | key 65607 1 | click after L:tailTrimSelPos, number", 1, 0, -10000},
 {69655, "Tail Trim, one position up", "",
  "L:tailTrimSelPos, number == 1 | nokey 65615", 1, 0, -10000},
 {69656, "Rudder Trim, one position down", "",
  "L:rudderTrimSelPos, number == 0 | L:rudTrimChange, bool == 1 | key 66278 1 | click after L:rudderTrimSelPos, number", 1, 0, -10000},
 {69657, "Rudder Trim, one position up", "",
  "L:rudderTrimSelPos, number == 1 | nokey 66279", 1, 0, -10000},
 {69664, "Ground power", "",
  "L:TarmelonGroundPower, bool toggles | L:GPUtugged, bool == 1 | sc SimConnect_AICreateSimulatedObject(\"VK_Tarmelon_GPU\" | sc SimConnect_AICreateSimulatedObject(\"VK_Tarmelon_BCU\"", 2, 0, -10000},
 {69665, "No.2 Generator On/Off", "",
  "L:GEN2OnOffPos, number toggles", 1, 0, 10000},
 {69666, "No.1 Generator On/Off", "",
  "L:GEN1OnOffPos, number toggles", 1, 0, 10000},
 {69667, "Inverter 6 On/Off", "",
  "L:Inverter6, number toggles", 1, 0, 10000},
 {69669, "Inverter 1/2 meters selector", "",
  "L:Inverter_MeterSel_pos, number toggles", 1, 0, 10000},
 {69670, "Auto Pilot Reset", "",
  "L:APresetOnOff, number == 1 | click before L:APresetOnOff, number | key 65791 1 | key 65819 1 | key 65814 1 | key 65816 0 | L:AP_AIL_SWITCH, bool == 0", 1, 0, 10000},
 {69671, "attitude indicator action", "set L:AIpitch,number=0 | set L:AIbank,number=0",
  "L:AIpitch,number == 500 | L:AIbank,number == 1800", 0, 0, 0},
 {69672, "airbrake switch, one position up", "",
  "L:Dive_brake_switch, number == 1 | key 65786 8191 | L:Dive_brake_switch_pos, number == 50 | click after L:Dive_brake_switch, number", 3, 0, -8000},
 {69673, "airbrake switch, one position down", "",
  "L:Dive_brake_switch, number == 0 | nokey 65786", 3, 0, -8000},
 {69680, "low/high altitude switch", "",
  "L:Low_high_alt_switch,bool toggles", 2, 0, -5000},
 {69681, "Engine 1 Ignition", "",
  "L:Engine1_Ignition, bool toggles", 2, 0, 5000},
 {69682, "top-to-belly transfer guard", "",
  "L:Fuelpan_Topbelly_transfer_guard,bool == 1 | L:Top2BellyTransCockPos, number == 2", 3, 0, 3000},
 {69683, "top-to-belly transfer switch", "",
  "L:Fuelpan_Topbelly_transfer_switch,bool == 0 | L:Top2BellyTransCockPos, number == 1", 3, 0, 3000},
 {69684, "Canopy Heat", "",
  "L:Canopy Heat Position, bool == 0 | L:Canopy Heat, bool == 0", 2, 0, 9000},
 {69685, "Pitot Heat", "",
  "L:Pitot Heat Position, bool == 1 | key 66074 1", 2, 0, 9000},
 {69686, "Vent Valves", "",
  "L:VentValves Position, bool == 1", 2, 0, 9000},
 {69687, "Port wing to rear tank fuel transfer", "",
  "L:PortTrans2RearTankPos, bool toggles", 2, 0, 9000},
 {69688, "Starboard wing to rear tank fuel transfer", "",
  "L:StbdTrans2RearTankPos, bool toggles", 2, 0, 9000},
 {69689, "Compass / Gyro Mode", "",
  "L:CompassGyro_switch, bool == 1 | L:CompassGyro_switch_pos, bool == 1", 2, 0, 9000},
 {69696, "Engine air to cabin (Eng 1)", "",
  "L:EngineAir1_switch, bool toggles", 2, 3, 9000},
 {69697, "Engine air to cabin (Eng 2)", "",
  "L:EngineAir2_switch, bool toggles", 2, 3, 9000},
 {69698, "battery switch guard", "",
  "L:Hydpan_batteryguard,bool == 0 | L:AircraftBattPos, number == 3", 0, 0, 0},
 {69699, "battery switch", "ev 69698",
  "L:Hydpan_aircraft_battery,bool == 0 | L:AircraftBattPos, number == 1 | ev 69699", 0, 0, 0},
 {69700, "port fuel cocks cover", "",
  "L:PortFuelCocksCover,bool == 0 | L:portLPCockPos, number == 1", 3, 0, 3000},
 {69701, "port fuel cocks", "",
  "L:Hydpan_port_fuelcocks,bool == 0 | L:portLPCockPos, number == 0 | ev 69701", 3, 0, 3000},
 {69702, "starboard fuel cocks cover", "",
  "L:StrbFuelCocksCover,bool == 0 | L:stbdLPCockPos, number == 1", 3, 0, 3000},
 {69703, "starboard fuel cocks", "",
  "L:Hydpan_stbd_fuelcocks,bool == 0 | L:stbdLPCockPos, number == 0 | ev 69703", 3, 0, 3000},
 {69704, "VOR 1 course knob, decrease", "frames 8 | set L:VOR1_obs,number=1 | set A:NAV OBS:1, degrees=0",
  "L:VOR1_obs,number == 100 | key 65716 359 | A:NAV OBS:1, degrees == 359", 0, 0, 0},
 {69705, "VOR 1 course knob, increase (fast, within 7 ticks of the last turn)", "",
  "L:VOR1_obs,number += 1 | key 65716 2 | A:NAV OBS:1, degrees == 2", 0, 0, 0},
 {69712, "G-meter reset", "set L:MIN_GFORCE, number=20 | set L:MAX_GFORCE, number=80 | set L:G_meter_set,bool=1",
  "L:MIN_GFORCE, number == 50 | L:MAX_GFORCE, number == 50 | L:G_meter_set,bool == 0", 0, 0, 0},
 {69713, "gyro heading knob, decrease", "set L:Gyro_heading_knob,number=100 | set L:Gyro_pointer_calc,number=1800",
  "L:Gyro_heading_knob,number == 99 | L:Gyro_pointer_calc,number == 1790", 0, 0, 0},
 {69714, "gyro heading knob, increase", "set L:Gyro_heading_knob,number=199 | set L:Gyro_pointer_calc,number=3600",
  "L:Gyro_heading_knob,number == 100 | L:Gyro_pointer_calc,number == 10", 0, 0, 0},
 {69715, "none", "",
  "nothing", 0, 0, 0},
 {69716, "none", "",
  "nothing", 0, 0, 0},
 {69717, "VOR 2 course knob, decrease", "frames 8 | set L:VOR2_obs,number=1",
  "L:VOR2_obs,number == 100 | key 65717 | A:NAV OBS:2, degrees += -1 mod 360", 0, 0, 0},
 {69718, "VOR 2 course knob, increase", "frames 8",
  "L:VOR2_obs,number += 1 | key 65717 | A:NAV OBS:2, degrees += 1 mod 360", 0, 0, 0},
 {69719, "HSI course knob, decrease", "frames 8 | set L:HSI_course_knob,number=1",
  "L:HSI_course_knob,number == 100 | key 65716 | A:NAV OBS:1, degrees += -1 mod 360", 0, 0, 0},
 {69720, "HSI course knob, increase", "frames 8",
  "L:HSI_course_knob,number += 1 | key 65716 | A:NAV OBS:1, degrees += 1 mod 360", 0, 0, 0},
 {69721, "HSI heading knob, decrease", "frames 8 | set L:HSI_heading_bug_knob,number=1",
  "L:HSI_heading_bug_knob,number == 100 | key 66042 | A:AUTOPILOT HEADING LOCK DIR, degrees += -1 mod 360", 0, 0, 0},
 {69728, "HSI heading knob, increase", "frames 8",
  "L:HSI_heading_bug_knob,number += 1 | key 66042 | A:AUTOPILOT HEADING LOCK DIR, degrees += 1 mod 360", 0, 0, 0},
 {69729, "Air Inlet Switch (Normal/100%)", "",
  "L:OxyPercentSwitch, bool == 1 | L:OxyPercentSwitchPos, bool == 1 | L:OxyPercentSwitchVC, bool == 0", 1, 0, 10000},
 {69730, "Oxygen ON/OFF Valve", "",
  "L:OxySelectorSwitch, bool == 0 | L:OxySelectorSwitchPos, bool == 0", 1, 0, 10000},
 {69731, "Read voltage", "",
  "L:ElecStart_Push2ReadPos, bool toggles", 2, 0, 10000},
 {69732, "emergency avionics switch", "",
  "L:Avpan_emergency_avionics,bool == 1 | L:ElecStart_EMGAv_position, number unchanged", 2, 0, 10000},
 {69733, "emergency avionics guard", "",
  "L:Avpan_emerg_avionics_guard,bool == 1 | L:ElecStart_EMGAv_position, number == 2", 3, 0, 10000},
 {69734, "inverter 2 test guard", "",
  "L:lightpan_Inv2_test_guard,number == 50 | L:GroundTestPos, number == 1", 2, 0, 10000},
 {69735, "inverter 2 test switch", "",
  "L:Lightpan_inv2_test,bool == 1 | L:GroundTestPos, number == 2", 2, 0, 10000},
 {69736, "Autopilot TRACK switch", "ev 69745",
  "L:AP_TRACK_SWITCH, bool == 1 | key 65811 1 | click after L:AP_TRACK_SWITCH, bool", 1, 0, 10000},
 {69737, "Autopilot GLIDE switch", "",
  "L:AP_GLIDE_SWITCH, bool == 0 | L:AP_GLIDE_SWITCH_POS, bool == 0 | key 65814 1 | key 65811 1", 1, 0, 10000},
 {69744, "Autopilot POWER switch", "",
  "L:AP_POWER_SWITCH, bool == 0 | L:AP_POWER_SWITCH_POS, bool == 0 | L:ApReadyLight_setFalse, bool == 1 | key 65791 1", 1, 0, 10000},
 {69745, "Autopilot aileron channel switch", "",
  "L:AP_AIL_SWITCH, bool == 0 | L:AP_AIL_SWITCH_POS, bool == 0", 1, 0, 10000},
 {69746, "Autopilot rudder channel switch", "",
  "L:AP_RUD_SWITCH, bool == 1 | L:AP_RUD_SWITCH_POS, bool == 1 | click after L:AP_RUD_SWITCH, bool", 1, 0, 10000},
 {69747, "Autopilot elevator channel switch", "",
  "L:AP_ELV_SWITCH, bool == 1 | L:AP_ELV_SWITCH_POS, bool == 1", 1, 0, 10000},
 {69748, "Autopilot BOMB switch", "",
  "L:AP_BOMB_SWITCH, bool == 1 | L:AP_BOMB_SWITCH_POS, bool == 1 | L:AP_RUD_SWITCH, bool == 0 | L:AP_ELV_SWITCH, bool == 0 | key 65791 1 | key 65816 0", 1, 0, 10000},
 {69749, "Autopilot ALT switch", "ev 69751",
  "L:AP_ALT_SWITCH, bool == 1 | key 65808 1 | key 66124", 1, 0, 10000},
 {69750, "Autopilot ENGAGE switch", "",
  "L:AP_ENGAGE_SWITCH, bool == 1 | L:AP_ENGAGE_SWITCH_POS, bool == 1 | nokey 65792 | click after L:AP_ENGAGE_SWITCH, bool", 1, 0, 10000},
 {69751, "Autopilot elevator channel switch", "",
  "L:AP_ELV_SWITCH, bool == 0 | L:AP_ELV_SWITCH_POS, bool == 0", 1, 0, 10000},
 {69752, "Autopilot elevator channel switch", "",
  "L:AP_ELV_SWITCH, bool == 1 | L:AP_ELV_SWITCH_POS, bool == 1", 1, 0, 10000},
 {69753, "Gear UP Button", "",
  "L:GearUpButton, bool == 1 | L:GearDownButton, bool == 0 | nokey 65700", 3, 0, -10000},
 {69760, "Gear Down Button", "",
  "L:GearDownButton, bool == 1 | L:GearUpButton, bool == 0 | key 65700 1", 3, 0, -10000},
 {69761, "Flaps lever up/down", "",
  "L:FlapLever Position, bool == 0 | click before L:FlapLever Position, bool | key 65603 0", 3, 0, -10000},
 {69762, "Marker beacon audio select/mute button", "",
  "key 66477 1 | frames 1 | L:Garmin_mkr_mute_led,bool == 1", 0, 0, 0},
 {69763, "Marker beacon sensitivity button", "",
  "frames 1 | L:Garmin_hi_led,bool == 1 | L:Garmin_lo_led,bool == 0", 0, 0, 0},
 {69764, "COM 1 transceiver audio select button", "",
  "key 66463 1 | frames 1 | L:Garmin_com1_led, bool == 0", 0, 0, 0},
 {69765, "COM 1 MIC transmitter select button", "",
  "nokey 66463 | frames 1 | L:Garmin_com1_mic_led, bool == 0", 0, 0, 0},
 {69766, "COM 2 transceiver audio select button", "",
  "key 66464 1 | frames 1 | L:Garmin_com2_led, bool == 1", 0, 0, 0},
 {69767, "COM 2 MIC transmitter select button", "frames 1",
  "nokey 66463 | frames 1 | L:Garmin_com2_mic_led, bool == 1 | L:Garmin_com1_mic_led, bool == 0", 0, 0, 0},
 {69768, "COM 3 transceiver audio select button (INOP)", "",
  "nokey 66463 | frames 1 | L:Garmin_com3_led, bool == 1", 0, 0, 0},
 {69769, "COM 3 MIC transmitter select button (INOP)", "ev 69768 | frames 1",
  "frames 1 | L:Garmin_com3_mic_led, bool == 1 | L:Garmin_com2_mic_led, bool == 0 | L:Garmin_com3_led, bool == 1", 0, 0, 0},
 {69776, "NAV 1 radio audio select button", "",
  "L:GMA340_NAV1_BUTTON, bool == 1 | key 65842 1 | frames 1 | L:Garmin_nav1_led, bool == 1", 0, 0, 0},
 {69777, "NAV 2 radio audio select button", "",
  "key 65843 1 | frames 1 | L:Garmin_nav2_led, bool == 1", 0, 0, 0},
 {69778, "DME radio audio select button", "",
  "key 65844 1 | frames 1 | L:Garmin_dme_led, bool == 1", 0, 0, 0},
 {69779, "ADF radio audio select button", "",
  "key 65846 1 | frames 1 | L:Garmin_adf_led, bool == 1", 0, 0, 0},
 {69780, "Split COM button", "",
  "frames 1 | L:Garmin_com1/2_led, bool == 1 | L:Garmin_com1_mic_led, bool == 1 | L:Garmin_com2_mic_led, bool == 1", 0, 0, 0},
 {69781, "Speaker function button", "",
  "frames 1 | L:Garmin_spkr_led, bool == 1 | L:Garmin_pa_led, bool == 0", 0, 0, 0},
 {69782, "Passenger address function button", "",
  "frames 1 | L:Garmin_pa_led, bool == 1 | L:Garmin_spkr_led, bool == 0", 0, 0, 0},
 {69783, "Pilot isolation intercom button", "",
  "frames 1 | L:Garmin_pilot_led, bool == 1 | L:Garmin_crew_led, bool == 0", 0, 0, 0},
 {69784, "Crew isolation intercom button", "",
  "frames 1 | L:Garmin_crew_led, bool == 1 | L:Garmin_pilot_led, bool == 0", 0, 0, 0},
 {69785, "Annunicator test button", "",
  "frames 1 | L:Garmin_lo_led,bool == 1 | L:Garmin_pilot_led, bool == 1 | L:Garmin_O, bool == 1 | ev 69785", 0, 0, 0},
 {69888, "GPS Home button", "",
  "L:GTN6XX_HOME_BUTTON, bool toggles | L:GTN6XX_HOME_BUTTON_POS, bool == 1 | key 66620 0 | frames 1 | drawn RadioGPS_GTN6XX 12 | undrawn RadioGPS_GTN6XX 4", 0, 0, 0},
 {69889, "GPS Direct-To button", "",
  "L:GTN6XX_DCT_BUTTON, bool toggles | L:GTN6XX_DCT_BUTTON_POS, bool == 1 | key 66617 1 | frames 1 | drawn RadioGPS_GTN6XX 4 | undrawn RadioGPS_GTN6XX 12 | shown RadioGPS_GTN6XX 67", 0, 0, 0},
 {69890, "nav/com Frequency flip/flop button", "",
  "key 66444", 0, 0, 0},
 {69891, "nav/com COM radio button", "ev 69892 | frames 1",
  "frames 1 | L:SL30_COM_Status, bool == 1 | L:SL30_NAV_Status, bool == 0 | shown RadioGPS_SL30 20 | hidden RadioGPS_SL30 19", 0, 0, 0},
 {69892, "nav/com NAV radio button", "",
  "frames 1 | L:SL30_NAV_Status, bool == 1 | L:SL30_COM_Status, bool == 0 | shown RadioGPS_SL30 19 | hidden RadioGPS_SL30 20", 0, 0, 0},
 {69893, "nav/com System settings button", "",
  "frames 1 | shown RadioGPS_SL30 18 | text RadioGPS_SL30 22 == System Info | ev 69893", 0, 0, 0},
 {69894, "nav/com OBS select button", "",
  "frames 1 | shown RadioGPS_SL30 17 | shown RadioGPS_SL30 26", 0, 0, 0},
 {69895, "nav/com To/From button", "",
  "token 58=1 | token 52=1 | token 50=40 | frames 1 | shown RadioGPS_SL30 25 | text RadioGPS_SL30 25 == to", 0, 0, 0},
 {69896, "nav/com Ident button", "",
  "L:SL30_ID_BUTTON, bool toggles | key 65843 1", 0, 0, 0},
 {69897, "nav/com Select button", "",
  "L:SL30_SEL_BUTTON, bool toggles | frames 1 | L:SL30_navRecallMode, bool == 1 | L:SL30_SelButtonStatus, bool == 1 | ev 69897", 0, 0, 0},
 {69904, "nav/com Enter button", "",
  "L:SL30_ENT_BUTTON, bool toggles | L:SL30_SL30_ENT_STATUS, bool == 1 | frames 1 | L:SL30_navStoreMode, bool == 1 | ev 69897", 0, 0, 0},
 {69905, "L:Garmin_rotary3_small knob action", "set L:Garmin_rotary3_small,number=0",
  "L:Garmin_rotary3_small,number == 50", 0, 0, 0},
 {69906, "fuel tank jettison guard", "",
  "L:Gearpan_Fueltank_jet_guard,bool == 1 | L:TankJettison_Switch_POS, number == 1", 3, 0, -8000},
 {69907, "fuel tank jettison switch", "",
  "L:Gearpan_fueltank_jettison,bool == 1 | L:TankJettison_Switch_POS, number == 2", 2, 0, -8000},
 {69908, "canopy switch guard", "",
  "L:Gearpan_canopy_guard,bool == 1 | L:CanopyLift_Switch_POS, number == 1", 3, 0, -8000},
 {69909, "canopy open switch", "",
  "L:Gearpan_canopy_open,bool == 1 | L:Canopy_Locked_Indicator, bool == 0 | L:CanopyLift_Switch_POS, number == 2", 2, 0, -8000},
 {69910, "port engine relight", "ev 69681",
  "L:Throttle_port_relight,bool == 1 | sc SimConnect_TransmitClientEvent(0, 45, 1,", 0, 0, 0},
 {69911, "starboard engine relight", "",
  "L:Throttle_stbd_relight,bool == 1 | sc SimConnect_TransmitClientEvent(0, 46, 0,", 0, 0, 0},
 {69912, "abandon aircraft guard", "",
  "L:Throtpan_abandon_ac_guard,bool == 1 | L:Abandon_SwitchPos, number == 1", 3, 0, -8000},
 {69913, "abandon aircraft switch", "",
  "L:Throtpan_abandon_ac,bool == 1 | L:Abandon_SwitchPos, number == 2", 2, 0, -8000},
 {69920, "dump valve guard", "",
  "L:Throtpan_dump_valve_guard,bool == 1 | L:PressureDump_SwitchPos, number == 1", 3, 0, -8000},
 {69921, "dump valve switch", "",
  "L:Throtpan_dump_valve,bool == 1 | L:PressureDump_SwitchPos, number == 2", 2, 0, -8000},
 {69922, "airbrake lever", "",
  "L:DivebrakePos,bool == 1", 0, 0, 0},
 {69923, "port engine fire extinguisher", "",
  "L:Port_engine_fire,bool == 1 | key 66708 11", 3, 0, 1000},
 {69924, "starboard engine fire extinguisher", "",
  "L:Stbd_engine_fire,bool == 1 | key 66708 22", 3, 0, 1000},
 {69925, "tank fire extinguisher", "",
  "L:Tank_fire,bool == 1 | key 66826 0", 3, 0, 1000},
 {69926, "autopilot course knob, decrease", "frames 8 | set L:Autopilot_course_knob,number=1",
  "L:Autopilot_course_knob,number == 100 | key 66042 | A:AUTOPILOT HEADING LOCK DIR, degrees += -1 mod 360", 0, 0, 0},
 {69927, "autopilot course knob, increase", "frames 8",
  "L:Autopilot_course_knob,number += 1 | key 66042 | A:AUTOPILOT HEADING LOCK DIR, degrees += 1 mod 360", 0, 0, 0},
 {69928, "autopilot course knob, increase (fast)", "set L:Autopilot_course_knob,number=199",
  "L:Autopilot_course_knob,number == 100 | key 66042 | A:AUTOPILOT HEADING LOCK DIR, degrees += 2 mod 360", 0, 0, 0},
 {69929, "Engine 1 Push Start", "",
  "L:Eng1PushStart, bool == 1 | nokey 66300", 0, 0, 0},
 {69936, "Engine 2 Push Start", "",
  "L:Eng2PushStart, bool == 1 | nokey 66301", 0, 0, 0},
 {69937, "yoke camera guard", "",
  "L:Tarmelon_Yoke_CameraGuard,bool == 1", 2, 0, 0},
 {69938, "yoke camera button", "",
  "L:Tarmelon_Yoke_Camera,bool == 1 | key 66049 9", 3, 0, 0},
 {69939, "flare button", "set L:ChaffFlareArm, bool=1",
  "L:FlareButtonSwitch, bool == 1 | key 66049 5 | key 66049 6 | set L:ChaffFlareArm, bool=0", 0, 0, 0},
 {69940, "yoke press-to-transmit", "",
  "L:Tarmelon_Yoke_PushTransmit,bool toggles | key 65564 0", 0, 0, 0},
 {69941, "canopy handles (taxi prop)", "ev 69975 | ev 69976",
  "L:CanopyTaxiProp, bool == 1 | frames 2 | L:canopy_animation, number == 60", 0, 0, 0},
 {69942, "canopy action (close if open)", "frames 72",
  "key 66389 0", 0, 0, 0},
 {69943, "Photoflash lever", "",
  "L:Photoflash_lever_POS, bool == 0 | click before L:Photoflash_lever_POS, bool | sc SimConnect_TransmitClientEvent(0, 63, 0,", 3, 0, -10000},
 {69945, "canopy jettison lever", "",
  "L:Canopy_jettison_lever,bool == 1", 0, 0, 0},
 {69952, "Copilot intercom squelch level knob, increase", "set L:Garmin_rotary4_big,number=4",
  "L:GMA340_RKNOB_L_Inc, bool toggles | L:Garmin_rotary4_big,number == 0", 0, 0, 0},
 {69953, "Copilot intercom squelch level knob, decrease", "",
  "L:GMA340_RKNOB_L_Dec, bool toggles | L:Garmin_rotary4_big,number == 4", 0, 0, 0},
 {69954, "Copilot intercom volume knob, increase", "set L:Garmin_rotary4_small,number=4",
  "L:GMA340_RKNOB_S_Inc, bool toggles | L:Garmin_rotary4_small,number == 0", 0, 0, 0},
 {69955, "Copilot intercom volume knob, decrease", "",
  "L:GMA340_RKNOB_S_Dec, bool toggles | L:Garmin_rotary4_small,number == 4", 0, 0, 0},
 {69957, "GPS Volume, Squelch on/off, Nav ID on/off", "",
  "L:GTN6XX_LKNOB, bool toggles | key 66620 0 | L:TarmelonGPSVis, bool == 0 | L:Garmin_LCD_C, bool == 0", 0, 0, 0},
 {69958, "GPS Large knob, increase", "ev 69957 | ev 69888",
  "L:GTN6XX_RKNOB_L_Inc, bool toggles | key 65637 1", 0, 0, 0},
 {69959, "GPS Large knob, decrease", "",
  "L:GTN6XX_RKNOB_L_Dec, bool toggles | key 65636 1", 0, 0, 0},
 {69960, "GPS Small knob, increase", "",
  "L:GTN6XX_RKNOB_S_Inc, bool toggles | key 65639 1", 0, 0, 0},
 {69961, "GPS Small knob, decrease", "",
  "L:GTN6XX_RKNOB_S_Dec, bool toggles | key 65638 1", 0, 0, 0},
 {69962, "Pilot intercom squelch level knob, increase", "set L:Garmin_rotary3_big,number=4",
  "L:GMA340_LKNOB_L_Inc, bool toggles | L:Garmin_rotary3_big,number == 0", 0, 0, 0},
 {69963, "Pilot intercom squelch level knob, decrease", "",
  "L:GMA340_LKNOB_L_Dec, bool toggles | L:Garmin_rotary3_big,number == 4", 0, 0, 0},
 {69964, "ON/OFF and pilot intercom volume knob, increase", "ev 69965 | frames 1",
  "L:GMA340_LKNOB_S_Inc, bool toggles | frames 1 | L:Garmin_com2_led, bool == 1", 0, 0, 0},
 {69965, "ON/OFF and pilot intercom volume knob, decrease", "set L:GMA340_POWER_setOff, bool=0",
  "L:GMA340_LKNOB_S_Dec, bool toggles | L:GMA340_POWER_setOff, bool == 1 | frames 1 | L:Garmin_com2_led, bool == 0", 0, 0, 0},
 {69968, "nav/com Power/volume/squelch knob", "",
  "L:SL30_LKNOB, bool toggles | frames 1 | hidden RadioGPS_SL30 19 | hidden RadioGPS_SL30 17", 0, 0, 0},
 {69969, "nav/com Large knob, decrease", "",
  "L:SL30_RKNOB_L_Dec, bool toggles | key 65664 1 | A:NAV OBS:2, degrees += -1 mod 360", 0, 0, 0},
 {69970, "nav/com Large knob, increase", "",
  "L:SL30_RKNOB_L_Inc, bool toggles | key 65665 1 | A:NAV OBS:2, degrees += 1 mod 360", 0, 0, 0},
 {69971, "nav/com Small knob, decrease", "",
  "L:SL30_RKNOB_S_Dec, bool toggles | key 65717 | A:NAV OBS:2, degrees += -1 mod 360", 0, 0, 0},
 {69972, "nav/com Small knob, increase", "",
  "L:SL30_RKNOB_S_Inc, bool toggles | key 65717 | A:NAV OBS:2, degrees += 1 mod 360", 0, 0, 0},
 {69975, "left canopy handle", "frames 72",
  "L:Canopy_Handle_L,bool == 0 | nokey 66389", 0, 0, 0},
 {69976, "right canopy handle", "",
  "L:Canopy_Handle_R,bool == 0 | L:Canopy_Locked_Indicator, bool == 1 | nokey 66389", 0, 0, 0},
};
// clang-format on

// Click spots in the cockpit's other states, each from the one before.
// clang-format off
constexpr Row EDGE_CASES[] = {
 {69634, "Identification lights down at 0: no move, no sound", "set L:Lights_ident_POS, number=0",
  "L:Lights_ident_POS, number == 0 | nokey 66239", 0, 0, 0},
 {69635, "Identification lights up to 2 with the beacon off: the beacon on", "set L:Lights_ident_POS, number=1 | set A:LIGHT BEACON, bool=0",
  "L:Lights_ident_POS, number == 2 | key 66239 1", 3, 0, -10000},
 {69648, "flare jettison guard shut again", "set L:Tarmelon_Trimpan_flarejetguard,bool=1",
  "L:Tarmelon_Trimpan_flarejetguard,bool == 0 | L:Flare_Switch_POS, number == 0", 1, 0, -10000},
 {69664, "Ground power a second time: units already there", "ev 69664",
  "L:TarmelonGroundPower, bool toggles | L:GPUtugged, bool == 1 | nosc SimConnect_AICreateSimulatedObject", 2, 0, -10000},
 {69672, "airbrake switch up at 2: no move, no sound, the brakes held out", "ev 69672 | ev 69672",
  "L:Dive_brake_switch, number == 2 | key 65786 0 | L:Dive_brake_switch_pos, number == 100", 0, 0, 0},
 {69673, "airbrake switch down to 1", "",
  "L:Dive_brake_switch, number == 1 | key 65786 8191 | L:Dive_brake_switch_pos, number == 50 | click after L:Dive_brake_switch, number", 3, 0, -8000},
 {69699, "battery switch under its shut guard: held", "set L:Hydpan_batteryguard,bool=0",
  "L:Hydpan_aircraft_battery,bool unchanged | L:AircraftBattPos, number == 3", 0, 0, 0},
 {69698, "battery switch guard lifted", "",
  "L:Hydpan_batteryguard,bool == 1 | L:AircraftBattPos, number == 2", 0, 0, 0},
 {69683, "top-to-belly transfer switch under a shut guard", "set L:Fuelpan_Topbelly_transfer_guard,bool=0",
  "L:Fuelpan_Topbelly_transfer_switch,bool unchanged", 3, 0, 3000},
 {69700, "port fuel cocks cover shut over a shut lever stays", "set L:Hydpan_port_fuelcocks,bool=0 | set L:PortFuelCocksCover,bool=0 | set L:portLPCockPos, number=0",
  "L:PortFuelCocksCover,bool == 0 | L:portLPCockPos, number == 0", 3, 0, 3000},
 {69701, "port fuel cocks opened", "",
  "L:Hydpan_port_fuelcocks,bool == 1 | L:portLPCockPos, number == 1", 3, 0, 3000},
 {69700, "port fuel cocks cover over the open lever", "",
  "L:PortFuelCocksCover,bool == 1 | L:portLPCockPos, number == 2", 3, 0, 3000},
 {69701, "port fuel cocks held by their cover", "",
  "L:Hydpan_port_fuelcocks,bool == 1 | L:portLPCockPos, number == 2", 3, 0, 3000},
 {69732, "emergency avionics switch with its guard open", "set L:Avpan_emerg_avionics_guard,bool=1 | set L:Avpan_emergency_avionics,bool=0",
  "L:Avpan_emergency_avionics,bool == 1 | L:ElecStart_EMGAv_position, number == 2", 2, 0, 10000},
 {69735, "inverter 2 test switch under a shut guard: the position stays", "set L:lightpan_Inv2_test_guard,number=0 | set L:Lightpan_inv2_test,bool=0 | set L:GroundTestPos, number=0",
  "L:Lightpan_inv2_test,bool == 1 | L:GroundTestPos, number == 0", 2, 0, 10000},
 {69753, "Gear UP Button already in: sound only", "set L:GearUpButton, bool=1 | set L:GearDownButton, bool=0",
  "L:GearUpButton, bool == 1 | L:GearDownButton, bool == 0 | nokey 65700", 3, 0, -10000},
 {69762, "Marker beacon button with the audio panel off", "ev 69965 | frames 1",
  "nokey 66477 | ev 69964", 0, 0, 0},
 {69905, "L:Garmin_rotary3_small between its stops stays", "set L:Garmin_rotary3_small,number=25",
  "L:Garmin_rotary3_small,number == 25", 0, 0, 0},
 {69905, "L:Garmin_rotary3_small back to 0", "set L:Garmin_rotary3_small,number=50",
  "L:Garmin_rotary3_small,number == 0", 0, 0, 0},
 {69907, "fuel tank jettison switch with its guard shut: the position stays", "set L:Gearpan_Fueltank_jet_guard,bool=0 | set L:Gearpan_fueltank_jettison,bool=0 | set L:TankJettison_Switch_POS, number=0",
  "L:Gearpan_fueltank_jettison,bool == 1 | L:TankJettison_Switch_POS, number == 0", 2, 0, -8000},
 {69909, "canopy open switch with its guard shut", "set L:Gearpan_canopy_guard,bool=0 | set L:Gearpan_canopy_open,bool=0 | set L:CanopyLift_Switch_POS, number=0",
  "L:Gearpan_canopy_open,bool == 0 | L:CanopyLift_Switch_POS, number == 0", 2, 0, -8000},
 {69910, "port engine relight with the ignition off: no starter", "set L:Engine1_Ignition, bool=0 | set L:Throttle_port_relight,bool=1",
  "L:Throttle_port_relight,bool == 0 | nosc SimConnect_TransmitClientEvent(0, 45,", 0, 0, 0},
 {69913, "abandon aircraft switch with its guard shut: the position stays", "set L:Throtpan_abandon_ac_guard,bool=0 | set L:Throtpan_abandon_ac,bool=0 | set L:Abandon_SwitchPos, number=0",
  "L:Throtpan_abandon_ac,bool == 1 | L:Abandon_SwitchPos, number == 0", 2, 0, -8000},
 {69925, "tank fire extinguisher back from any value", "set L:Tank_fire,bool=3",
  "L:Tank_fire,bool == 0 | key 66826 0", 3, 0, 1000},
 {69937, "yoke camera guard held while the camera runs", "set L:Tarmelon_Yoke_CameraGuard,bool=1 | set L:Tarmelon_Yoke_Camera,bool=1",
  "L:Tarmelon_Yoke_CameraGuard,bool == 1", 0, 0, 0},
 {69938, "yoke camera button stops the camera", "set A:TAILHOOK POSITION, percent=0",
  "L:Tarmelon_Yoke_Camera,bool == 0 | nokey 66049", 3, 0, 0},
 {69938, "yoke camera button under a shut guard, photoflash doors open: output 9 only", "set L:Tarmelon_Yoke_CameraGuard,bool=0 | set A:TAILHOOK POSITION, percent=100",
  "L:Tarmelon_Yoke_Camera,bool == 0 | key 66049 9", 0, 0, 0},
 {69939, "flare button pressed again before its timer: off, flares stopped", "ev 69939 | frames 1",
  "L:FlareButtonSwitch, bool == 0 | key 66050 5 | key 66050 6", 0, 0, 0},
 {69671, "attitude indicator action with the aircraft banked: nothing", "token 80=20 | set L:AIpitch,number=0 | set L:AIbank,number=0",
  "L:AIpitch,number == 0 | L:AIbank,number == 0", 0, 0, 0},
 {69926, "autopilot course knob down fast at 1 degree", "set A:AUTOPILOT HEADING LOCK DIR, degrees=1 | frames 8 | ev 69927",
  "key 66042 358", 0, 0, 0},
 {69975, "left canopy handle with the canopy moving: held", "set L:Canopy_Handle_L,bool=1 | set A:CANOPY OPEN, percent=50",
  "L:Canopy_Handle_L,bool == 1 | nokey 66389", 0, 0, 0},
 {69929, "Engine 1 Push Start, engine stopped, master, ignition and start switch on", "start cold-and-dark | set L:Engine1_MasterPos, bool=1 | set L:Engine1_Ignition, bool=1 | set L:EngStart_startSwitch, bool=1 | set L:ElecStartVolts, number=124",
  "L:Eng1PushStart, bool == 1 | key 66300 1 | L:ElecStartVolts, number == 123", 0, 0, 0},
 {69929, "Engine 1 Push Start pressed again: released, no start", "",
  "L:Eng1PushStart, bool == 0 | nokey 66300", 0, 0, 0},
 {69936, "Engine 2 Push Start with the volts at 114: no start", "set L:Engine2_MasterPos, bool=1 | set L:Engine2_Ignition, bool=1 | set L:EngStart2_startSwitch, bool=1 | set L:ElecStartVolts, number=114 | set L:Eng2PushStart, bool=0",
  "L:Eng2PushStart, bool == 1 | nokey 66301 | L:ElecStartVolts, number == 114", 0, 0, 0},
 {69936, "Engine 2 Push Start at 115 volts", "set L:Eng2PushStart, bool=0 | set L:ElecStartVolts, number=115",
  "L:Eng2PushStart, bool == 1 | key 66301 1 | L:ElecStartVolts, number == 114", 0, 0, 0},
};

// In flight, the gear buttons move the gear.
constexpr Row IN_FLIGHT[] = {
 {69760, "Gear Down Button in flight", "start cruise",
  "L:GearDownButton, bool == 1 | L:GearUpButton, bool == 0 | key 65700 1", 3, 0, -10000},
 {69753, "Gear UP Button in flight above 74 knots", "",
  "L:GearUpButton, bool == 1 | L:GearDownButton, bool == 0 | key 65700 0", 3, 0, -10000},
};
// clang-format on

constexpr std::uint32_t FIRST_CUSTOM = 69632;
constexpr std::uint32_t LAST_CUSTOM = 69976;
const char* const CLICK_TRIGGERS[] = {"L:Tarmelon_Click1, number", "L:Tarmelon_Click2, number",
                                      "L:Tarmelon_Click3, number"};
const char* const CLICK_PANS[] = {"L:Tarmelon_Click1Pan, number", "L:Tarmelon_Click2Pan, number",
                                  "L:Tarmelon_Click3Pan, number"};
constexpr double UNSET_PAN = 12345;

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return s;
}

std::map<std::string, double> snapshot(const bench::Bench& b) {
    std::map<std::string, double> out;
    for (const auto& v : b.variables()) out[lower(v.name)] = v.value;
    return out;
}

// The names whose values differ (or appeared) between two snapshots.
std::vector<std::string> changed(const std::map<std::string, double>& before,
                                 const std::map<std::string, double>& after) {
    std::vector<std::string> out;
    for (const auto& [name, value] : after) {
        auto at = before.find(name);
        if (at == before.end() || at->second != value) out.push_back(name);
    }
    return out;
}

// Click triggers at 0 and pans at a value no control writes, so that each sound shows.
void quiet_triggers(bench::Bench& b) {
    for (const char* t : CLICK_TRIGGERS) b.set(t, 0);
    for (const char* p : CLICK_PANS) b.set(p, UNSET_PAN);
}

std::vector<std::string> split(std::string_view text) {
    std::vector<std::string> out;
    while (!text.empty()) {
        const auto bar = text.find(" | ");
        out.emplace_back(text.substr(0, bar));
        if (bar == std::string_view::npos) break;
        text.remove_prefix(bar + 3);
    }
    return out;
}

bool starts(const std::string& s, std::string_view prefix) { return s.rfind(prefix, 0) == 0; }

double number(const std::string& s) { return std::strtod(s.c_str(), nullptr); }

// "VAR=V" (the variable's name may hold spaces and commas, never '=').
std::pair<std::string, double> assignment(const std::string& s) {
    const auto eq = s.rfind('=');
    return {s.substr(0, eq), number(s.substr(eq + 1))};
}

// Steps that move the cockpit: another click spot, frames, a simulator value.
bool step(bench::Bench& b, const std::string& s) {
    if (starts(s, "ev ")) {
        b.key(static_cast<std::uint32_t>(number(s.substr(3))));
    } else if (starts(s, "frames ")) {
        b.frames(static_cast<int>(number(s.substr(7))));
    } else if (starts(s, "set ")) {
        const auto [var, value] = assignment(s.substr(4));
        b.set(var, value);
    } else if (starts(s, "start ")) {
        b.start(s.substr(6));
    } else if (starts(s, "token ")) {
        const auto [id, value] = assignment(s.substr(6));
        b.set_token(static_cast<int>(number(id)), value);
    } else {
        return false;
    }
    return true;
}

// The variable a check reads, or "" for checks of another kind.
std::string checked_variable(const std::string& s) {
    for (const char* op : {" == ", " += ", " toggles", " unchanged"}) {
        const auto at = s.find(op);
        if (at != std::string::npos && (s[0] == 'L' || s[0] == 'A') && s[1] == ':') return s.substr(0, at);
    }
    return "";
}

void element_check(const bench::Bench& b, const std::string& s) {
    // "shown G N", "hidden G N", "text G N == S"
    const auto sp1 = s.find(' ');
    const auto sp2 = s.find(' ', sp1 + 1);
    const std::string kind = s.substr(0, sp1);
    const std::string gauge = s.substr(sp1 + 1, sp2 - sp1 - 1);
    const int index = static_cast<int>(number(s.substr(sp2 + 1)));
    const bench::ElementState e = b.element(gauge, index);
    if (kind == "drawn") {
        EXPECT_GE(e.frame, 0) << s;
    } else if (kind == "undrawn") {
        EXPECT_LT(e.frame, 0) << s;
    } else if (kind == "shown") {
        EXPECT_FALSE(e.hidden) << s;
    } else if (kind == "hidden") {
        EXPECT_TRUE(e.hidden) << s;
    } else {
        EXPECT_EQ(e.text, s.substr(s.find(" == ") + 4)) << s;
    }
}

bool has_call(const bench::Bench& b, const std::string& text) {
    for (const auto& line : b.simconnect_log())
        if (line.find(text) != std::string::npos) return true;
    return false;
}

// Where in the module's writes since the mark a variable is first written (-1: never).
long first_write(const std::vector<std::string>& log, const std::string& target) {
    for (std::size_t i = 0; i < log.size(); ++i)
        if (lower(log[i]).find("(>" + target) != std::string::npos) return static_cast<long>(i);
    return -1;
}

void check(bench::Bench& b, const std::string& s, const std::map<std::string, double>& at_event,
           const std::map<std::string, double>& snapshot_before, int sound) {
    if (step(b, s)) return;
    if (starts(s, "key ") || starts(s, "nokey ")) {
        const bool wanted = starts(s, "key ");
        const std::string args = s.substr(wanted ? 4 : 6);
        const auto sp = args.find(' ');
        const auto key = static_cast<std::uint32_t>(number(args));
        const std::size_t n = sp == std::string::npos
                                  ? scenario::count_key(b, key)
                                  : scenario::count_key(b, key, static_cast<std::uint32_t>(number(args.substr(sp + 1))));
        if (wanted) {
            EXPECT_GE(n, 1u) << s;
        } else {
            EXPECT_EQ(n, 0u) << s;
        }
    } else if (starts(s, "sc ")) {
        EXPECT_TRUE(has_call(b, s.substr(3))) << s;
    } else if (starts(s, "nosc ")) {
        EXPECT_FALSE(has_call(b, s.substr(5))) << s;
    } else if (starts(s, "shown ") || starts(s, "hidden ") || starts(s, "text ") || starts(s, "drawn ") ||
               starts(s, "undrawn ")) {
        element_check(b, s);
    } else if (starts(s, "click before ") || starts(s, "click after ")) {
        const bool first = starts(s, "click before ");
        std::string var = lower(s.substr(first ? 13 : 12));
        var = var.substr(0, var.find(',')) + ",";
        const auto log = b.calculator_log();
        const long click = first_write(log, "l:tarmelon_click" + std::to_string(sound) + ",");
        const long written = first_write(log, var);
        ASSERT_GE(click, 0) << s;
        ASSERT_GE(written, 0) << s;
        if (first) {
            EXPECT_LT(click, written) << s;
        } else {
            EXPECT_GT(click, written) << s;
        }
    } else if (s == "nothing") {
        const auto moved = changed(snapshot_before, snapshot(b));
        EXPECT_TRUE(moved.empty()) << moved.front();
        EXPECT_EQ(b.key_log().size(), 1u) << "only the click spot's own event";
        EXPECT_TRUE(b.simconnect_log().empty());
    } else {
        const std::string var = checked_variable(s);
        ASSERT_FALSE(var.empty()) << "unknown check: " << s;
        const double was = at_event.at(var);
        const double now = b.get(var);
        if (s.find(" == ") != std::string::npos) {
            EXPECT_EQ(now, number(s.substr(s.find(" == ") + 4))) << s;
        } else if (s.find(" toggles") != std::string::npos) {
            EXPECT_EQ(now, was > 0 ? 0 : 1) << s << " (was " << was << ")";
        } else if (s.find(" unchanged") != std::string::npos) {
            EXPECT_EQ(now, was) << s;
        } else {
            const std::string rest = s.substr(s.find(" += ") + 4);
            double want = was + number(rest);
            double seen = now;
            const auto mod = rest.find(" mod ");
            if (mod != std::string::npos) {  // a compass value: 360 and 0 are one heading
                const double m = number(rest.substr(mod + 5));
                want = std::fmod(want + m, m);
                seen = std::fmod(now + m, m);
            }
            EXPECT_EQ(seen, want) << s << " (was " << was << ", now " << now << ")";
        }
    }
}

// The click as the simulator hears it: each trigger that becomes 1 finds its pan already
// written, the two clicks of a row in their order, and no trigger ever written 0.
void check_sound(const bench::Bench& b, const Row& row) {
    const auto log = b.calculator_log();
    long trigger_at[4] = {-1, -1, -1, -1};
    for (int n = 1; n <= 3; ++n) {
        const bool plays = n == row.sound || n == row.sound2;
        EXPECT_EQ(b.get(CLICK_TRIGGERS[n - 1]), plays ? 1 : 0) << "click " << n;
        EXPECT_EQ(b.get(CLICK_PANS[n - 1]), plays ? row.pan : UNSET_PAN) << "click " << n << " pan";
        const std::string number_of = std::to_string(n);
        trigger_at[n] = first_write(log, "l:tarmelon_click" + number_of + ",");
        if (plays) {
            const long pan_at = first_write(log, "l:tarmelon_click" + number_of + "pan,");
            EXPECT_GE(pan_at, 0) << "click " << n << " pan written";
            EXPECT_LT(pan_at, trigger_at[n]) << "click " << n << " pan written before its trigger";
        }
        for (const std::string& line : log) {
            if (lower(line).find("(>l:tarmelon_click" + number_of + ",") != std::string::npos) {
                EXPECT_EQ(line.rfind("1 ", 0), 0u) << line;
            }
        }
    }
    if (row.sound2 != 0) {
        EXPECT_LT(trigger_at[row.sound], trigger_at[row.sound2]) << "clicks in turn";
    }
}

// A cockpit ready on the ground with the panels drawn whose gauges finish a control's work
// on their next update: the external lights, the autopilot switches, gear and canopy, the
// radio stack. Then the rows in turn.
template <std::size_t N>
void run_rows(const Row (&rows)[N]) {
    bench::Bench b;
    scenario::settle(b);
    for (std::uint32_t window : {200u, 900u, 1000u, 1200u}) b.window("open", window);
    b.frames(1);
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.id) + " " + row.control);
        const auto before = split(row.before);
        for (const std::string& s : before) ASSERT_TRUE(step(b, s)) << "unknown step: " << s;
        quiet_triggers(b);
        const auto effect = split(row.effect);
        std::map<std::string, double> at_event;
        for (const std::string& s : effect) {
            const std::string var = checked_variable(s);
            if (!var.empty()) at_event[var] = b.get(var);
        }
        // Every variable, only for a row that must leave them all alone.
        const bool all = std::string_view(row.effect).find("nothing") != std::string_view::npos;
        const auto snapshot_before = all ? snapshot(b) : std::map<std::string, double>{};
        b.mark();
        b.key(row.id);
        check_sound(b, row);
        for (const std::string& s : effect) check(b, s, at_event, snapshot_before, row.sound);
        b.frames(1);
    }
}

}  // namespace

TEST(VcEvents, EveryClickSpotDoesItsOwnControlsWorkWithItsOwnSound) { run_rows(VC_TABLE); }

// The routines' other branches: a control held by its guard or its state, a sound only
// when the control moves, the limits of a selector.
TEST(VcEvents, ClickSpotsHeldByTheirGuardsOrLimits) { run_rows(EDGE_CASES); }

TEST(VcEvents, GearButtonsInFlight) { run_rows(IN_FLIGHT); }

TEST(VcEvents, IdsNoClickSpotSendsDoNothing) {
    std::set<std::uint32_t> listed;
    for (const Row& row : VC_TABLE)
        if (std::string_view(row.effect) != "nothing") listed.insert(row.id);
    bench::Bench b;
    scenario::settle(b);
    quiet_triggers(b);
    std::vector<std::uint32_t> ids = {65774, 73728, 73732};  // a simulator event, around the click events
    for (std::uint32_t id = FIRST_CUSTOM - 4; id <= LAST_CUSTOM + 40; ++id) ids.push_back(id);
    auto before = snapshot(b);
    for (std::uint32_t id : ids) {
        if (listed.count(id)) continue;
        if (id >= 73729 && id <= 73731) continue;
        SCOPED_TRACE(id);
        b.mark();
        b.key(id);
        auto after = snapshot(b);
        const auto moved = changed(before, after);
        before = std::move(after);
        EXPECT_TRUE(moved.empty()) << moved.front();
        EXPECT_LE(b.key_log().size(), 1u);
        EXPECT_TRUE(b.simconnect_log().empty());
    }
}

// The three click-sound events sound their click and nothing else; a click spot's event
// parameter changes nothing in what it does.
TEST(VcEvents, ClickSoundEventsAndTheEventParameter) {
    bench::Bench b;
    scenario::settle(b);
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        quiet_triggers(b);
        const auto before = snapshot(b);
        b.mark();
        b.key(73728 + static_cast<std::uint32_t>(n));
        for (int m = 1; m <= 3; ++m) {
            EXPECT_EQ(b.get(CLICK_TRIGGERS[m - 1]), m == n ? 1 : 0);
            EXPECT_EQ(b.get(CLICK_PANS[m - 1]), UNSET_PAN);
        }
        const auto moved = changed(before, snapshot(b));
        EXPECT_EQ(moved.size(), 1u);
        EXPECT_EQ(b.key_log().size(), 1u);
    }
    for (const std::uint32_t param : {0u, 1u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(param);
        quiet_triggers(b);
        const double taxi = b.get("L:Lights_taxi_POS, bool");
        b.key(69632, param);
        EXPECT_EQ(b.get("L:Lights_taxi_POS, bool"), taxi > 0 ? 0 : 1);
        EXPECT_EQ(b.get("L:Tarmelon_Click2, number"), 1);
        EXPECT_EQ(b.get("L:Tarmelon_Click2Pan, number"), -10000);
    }
}

// Click spots that share a control do the same thing from the same cockpit: one cockpit
// takes the first spot of each pair in turn, a second one the other spot, and each step
// must change the same variables to the same values and send the same key events.
TEST(VcEvents, ClickSpotsOfOneControlDoTheSame) {
    const std::pair<std::uint32_t, std::uint32_t> same[] = {{69639, 69652}, {69640, 69653}, {69641, 69943},
                                                            {69747, 69751}, {69747, 69752}, {69927, 69928}};
    struct Step {
        std::vector<std::string> moved;
        std::map<std::string, double> after;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> keys;  // but the spot's own
    };
    const auto run = [&](bool second_spot) {
        std::vector<Step> steps;
        bench::Bench b;  // one bench at a time in a process
        scenario::settle(b);
        for (const auto& pair : same) {
            const auto before = snapshot(b);
            b.mark();
            b.key(second_spot ? pair.second : pair.first);
            Step st;
            st.after = snapshot(b);
            st.moved = changed(before, st.after);
            for (std::size_t k = 1; k < b.key_log().size(); ++k)
                st.keys.emplace_back(b.key_log()[k].id, b.key_log()[k].param);
            steps.push_back(std::move(st));
            b.frames(1);
        }
        return steps;
    };
    const auto firsts = run(false);
    const auto seconds = run(true);
    for (std::size_t i = 0; i < std::size(same); ++i) {
        SCOPED_TRACE(std::to_string(same[i].first) + " and " + std::to_string(same[i].second));
        // The two cockpits start alike but for values the module draws from the computer's
        // clock second (the inverter meters' jitter): compare what each click changed.
        EXPECT_FALSE(firsts[i].moved.empty());
        EXPECT_EQ(firsts[i].moved, seconds[i].moved);
        EXPECT_EQ(firsts[i].keys, seconds[i].keys);
        for (const std::string& name : firsts[i].moved) {
            if (seconds[i].after.count(name) != 0) {
                EXPECT_EQ(firsts[i].after.at(name), seconds[i].after.at(name)) << name;
            }
        }
    }
}
