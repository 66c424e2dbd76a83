// The simulator's key events the module sends, by number (simulator key events are
// numbered from 65536; the aircraft's own from 69632).
#pragma once

#include <cstdint>

namespace tarmelon {

constexpr std::uint32_t KEY_FLAPS_UP = 65595;           // parameter 0
constexpr std::uint32_t KEY_FLAPS_DOWN = 65603;         // parameter 0
constexpr std::uint32_t KEY_ELEVATOR_TRIM_DOWN = 65607;  // the tail trim selector at 0
constexpr std::uint32_t KEY_ELEVATOR_TRIM_UP = 65615;    // the tail trim selector at 2
constexpr std::uint32_t KEY_COM1_WHOLE_DEC = 65636;
constexpr std::uint32_t KEY_COM1_WHOLE_INC = 65637;
constexpr std::uint32_t KEY_COM1_FRACT_DEC = 65638;
constexpr std::uint32_t KEY_COM1_FRACT_INC = 65639;
constexpr std::uint32_t KEY_NAV1_WHOLE_DEC = 65640;
constexpr std::uint32_t KEY_NAV1_WHOLE_INC = 65641;
constexpr std::uint32_t KEY_NAV1_FRACT_DEC = 65642;
constexpr std::uint32_t KEY_NAV1_FRACT_INC = 65643;
constexpr std::uint32_t KEY_NAV2_WHOLE_DEC = 65644;
constexpr std::uint32_t KEY_NAV2_WHOLE_INC = 65645;
constexpr std::uint32_t KEY_NAV2_FRACT_DEC = 65646;
constexpr std::uint32_t KEY_NAV2_FRACT_INC = 65647;
constexpr std::uint32_t KEY_VOR2_OBS_DEC = 65664;
constexpr std::uint32_t KEY_VOR2_OBS_INC = 65665;
constexpr std::uint32_t KEY_GEAR_SET = 65700;
constexpr std::uint32_t KEY_XPNDR_SET = 65715;
constexpr std::uint32_t KEY_VOR1_COURSE_SET = 65716;
constexpr std::uint32_t KEY_VOR2_COURSE_SET = 65717;
constexpr std::uint32_t KEY_PARKING_BRAKE = 65752;
constexpr std::uint32_t KEY_65774 = 65774;  // sent at start, by the initial state and the ready preset
constexpr std::uint32_t KEY_65778 = 65778;  // sent while negative g lasts with an engine running
constexpr std::uint32_t KEY_SPOILERS_SET = 65786;       // 16383 out, 8191 half, 0 in
constexpr std::uint32_t KEY_NAV1_IDENT_TOGGLE = 65842;
constexpr std::uint32_t KEY_NAV2_IDENT_TOGGLE = 65843;
constexpr std::uint32_t KEY_DME_IDENT_TOGGLE = 65844;
constexpr std::uint32_t KEY_ADF_IDENT_TOGGLE = 65846;
constexpr std::uint32_t KEY_GEAR_PUMP = 65852;          // the emergency gear lever on the hand pump
constexpr std::uint32_t KEY_FUEL_SELECTOR_SET = 65962;    // engine 1; 1 = all tanks
constexpr std::uint32_t KEY_HEADING_SELECTOR_SET = 66042;
constexpr std::uint32_t KEY_SMOKE_ON = 66049;             // parameter: the effect
constexpr std::uint32_t KEY_SMOKE_OFF = 66050;
constexpr std::uint32_t KEY_STROBES_ON = 66052;
constexpr std::uint32_t KEY_STROBES_OFF = 66053;
constexpr std::uint32_t KEY_LANDING_LIGHTS_TOGGLE = 66060;
constexpr std::uint32_t KEY_PITOT_HEAT_SET = 66074;
constexpr std::uint32_t KEY_ENGINE_START = 66224;
constexpr std::uint32_t KEY_BEACON_TOGGLE = 66239;
constexpr std::uint32_t KEY_TAXI_LIGHTS_TOGGLE = 66240;
constexpr std::uint32_t KEY_AILERON_TRIM_LEFT = 66276;
constexpr std::uint32_t KEY_AILERON_TRIM_RIGHT = 66277;
constexpr std::uint32_t KEY_RUDDER_TRIM_LEFT = 66278;
constexpr std::uint32_t KEY_RUDDER_TRIM_RIGHT = 66279;
constexpr std::uint32_t KEY_HYDRAULIC_TOGGLE = 66309;    // the simulator's hydraulic state (token 824)
constexpr std::uint32_t KEY_LOGO_LIGHTS_TOGGLE = 66376;
constexpr std::uint32_t KEY_RECOGNITION_LIGHTS_TOGGLE = 66377;
constexpr std::uint32_t KEY_WING_LIGHTS_TOGGLE = 66378;
constexpr std::uint32_t KEY_NAV_LIGHTS_TOGGLE = 66379;
constexpr std::uint32_t KEY_COM1_FREQUENCY_SET = 66371;  // parameter: BCD frequency
constexpr std::uint32_t KEY_COM1_SWAP = 66372;
constexpr std::uint32_t KEY_CANOPY_TOGGLE = 66389;        // parameter 1
constexpr std::uint32_t KEY_COM2_WHOLE_DEC = 66436;
constexpr std::uint32_t KEY_COM2_WHOLE_INC = 66437;
constexpr std::uint32_t KEY_COM2_FRACT_DEC = 66438;
constexpr std::uint32_t KEY_COM2_FRACT_INC = 66440;
constexpr std::uint32_t KEY_COM2_FREQUENCY_SET = 66443;  // parameter: BCD frequency
constexpr std::uint32_t KEY_COM2_SWAP = 66444;
constexpr std::uint32_t KEY_NAV2_FREQUENCY_SET = 66451;  // parameter: BCD frequency
constexpr std::uint32_t KEY_NAV2_SWAP = 66452;
constexpr std::uint32_t KEY_NAV1_FREQUENCY_SET = 66447;  // parameter: BCD frequency
constexpr std::uint32_t KEY_NAV1_SWAP = 66448;
constexpr std::uint32_t KEY_COM1_TRANSMIT_SELECT = 66463;
constexpr std::uint32_t KEY_COM2_TRANSMIT_SELECT = 66464;
constexpr std::uint32_t KEY_COM_RECEIVE_ALL_SET = 66466;  // 1 both COM radios heard, 0 one
constexpr std::uint32_t KEY_MARKER_SOUND_TOGGLE = 66477;
constexpr std::uint32_t KEY_PANEL_TOGGLE = 66506;         // parameter: the window's ident
constexpr std::uint32_t KEY_PANEL_OPEN = 66507;
constexpr std::uint32_t KEY_PANEL_CLOSE = 66508;
constexpr std::uint32_t KEY_FUEL_SELECTOR_2_SET = 66523;  // engine 2; 1 = all tanks
constexpr std::uint32_t KEY_CABIN_LIGHTS_TOGGLE = 66579;
// The simulator's GPS unit: its keys and knobs, as the navigator's screen works them.
constexpr std::uint32_t KEY_GPS_OBS = 66605;
constexpr std::uint32_t KEY_GPS_MSG = 66606;
constexpr std::uint32_t KEY_GPS_FLIGHT_PLAN = 66609;
constexpr std::uint32_t KEY_GPS_TERRAIN = 66611;
constexpr std::uint32_t KEY_GPS_PROCEDURE = 66612;  // 1 opens, 0 leaves the procedure page
constexpr std::uint32_t KEY_GPS_ZOOM_IN = 66615;
constexpr std::uint32_t KEY_GPS_ZOOM_OUT = 66616;
constexpr std::uint32_t KEY_GPS_DIRECT_TO = 66617;
constexpr std::uint32_t KEY_GPS_MENU = 66618;
constexpr std::uint32_t KEY_GPS_RESET = 66620;      // parameter 0
constexpr std::uint32_t KEY_GPS_ENTER = 66623;
constexpr std::uint32_t KEY_GPS_SMALL_KNOB_INC = 66625;
constexpr std::uint32_t KEY_GPS_SMALL_KNOB_DEC = 66626;
constexpr std::uint32_t KEY_GPS_LARGE_KNOB_INC = 66627;
constexpr std::uint32_t KEY_GPS_LARGE_KNOB_DEC = 66628;
constexpr std::uint32_t KEY_AVIONICS_MASTER_SET = 66701;
constexpr std::uint32_t KEY_66720 = 66720;  // sent by the initial state
constexpr std::uint32_t KEY_TAIL_HOOK_HANDLE = 66881;    // 1 lowers, 0 raises (the photoflash doors)

}  // namespace tarmelon
