// The simulator's key events the module sends, by number (simulator key events are
// numbered from 65536; the aircraft's own from 69632).
#pragma once

#include <cstdint>

namespace tarmelon {

constexpr std::uint32_t KEY_FLAPS_UP = 65595;           // parameter 0
constexpr std::uint32_t KEY_FLAPS_DOWN = 65603;         // parameter 0
constexpr std::uint32_t KEY_ELEVATOR_TRIM_DOWN = 65607;  // the tail trim selector at 0
constexpr std::uint32_t KEY_ELEVATOR_TRIM_UP = 65615;    // the tail trim selector at 2
constexpr std::uint32_t KEY_GEAR_SET = 65700;
constexpr std::uint32_t KEY_XPNDR_SET = 65715;
constexpr std::uint32_t KEY_VOR1_COURSE_SET = 65716;
constexpr std::uint32_t KEY_VOR2_COURSE_SET = 65717;
constexpr std::uint32_t KEY_PARKING_BRAKE = 65752;
constexpr std::uint32_t KEY_65774 = 65774;  // sent at start, by the initial state and the ready preset
constexpr std::uint32_t KEY_65778 = 65778;  // sent while negative g lasts with an engine running
constexpr std::uint32_t KEY_SPOILERS_SET = 65786;       // 16383 out, 8191 half, 0 in
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
constexpr std::uint32_t KEY_CANOPY_TOGGLE = 66389;        // parameter 1
constexpr std::uint32_t KEY_PANEL_TOGGLE = 66506;         // parameter: the window's ident
constexpr std::uint32_t KEY_PANEL_OPEN = 66507;
constexpr std::uint32_t KEY_PANEL_CLOSE = 66508;
constexpr std::uint32_t KEY_FUEL_SELECTOR_2_SET = 66523;  // engine 2; 1 = all tanks
constexpr std::uint32_t KEY_CABIN_LIGHTS_TOGGLE = 66579;
constexpr std::uint32_t KEY_AVIONICS_MASTER_SET = 66701;
constexpr std::uint32_t KEY_66720 = 66720;  // sent by the initial state
constexpr std::uint32_t KEY_TAIL_HOOK_HANDLE = 66881;    // 1 lowers, 0 raises (the photoflash doors)

}  // namespace tarmelon
