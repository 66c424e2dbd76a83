// The aircraft's lights and the crew controls that go with them: the external lights
// (master, navigation, taxi, landing with its extension animation, identification), the
// cockpit lighting buttons, the photoflash lever and door indicator, the flare jettison
// switch and flare button, the yoke's camera and push-to-transmit buttons, the CDL voice
// switch and mute lamp, the tank fire button, and the warning lamps no other system owns.
//
// Reads: the switch variables, the simulator's lights ("A:LIGHT NAV, bool", "A:LIGHT TAXI,
// bool", "A:LIGHT LANDING, bool", "A:LIGHT BEACON, bool", "A:LIGHT LOGO ON,bool"), "A:TAILHOOK
// POSITION, percent", tokens 61 (airspeed), 604 (seconds) and 980 (tank fire),
// `dcPowerAvailable`, `pumpPressure`, `aileronServoPressure`, `mainPressureLost`,
// `cabinAltitude`, "L:ChaffFlareArm,bool" and the lamp test inputs.
// Writes: the switch variables and mirrors, "L:Land_Light_Anim,number", "L:lightTaxiState,
// bool", the photoflash indicator outputs, `photoflashCommand`, the lamp variables.
// Key events: 66379 / 66240 / 66239 / 66376 [1] nav, taxi, beacon, logo toggles; 65750 [0]
// panel lights; 66049 / 66050 [5, 6, 9] switch outputs on / off; 66826 [0] tank fire;
// 65564 [0] push to transmit. SimConnect: "LANDING_LIGHTS_TOGGLE" [0],
// "SET_TAIL_HOOK_HANDLE" [1 or 0]. Window timer 4 on the simulator's window (flare button).
// Example: master off with the simulator's nav light on: the next Trim_Panel update sends
// 66379 [1] once, and no more until the simulator shows the light off (or half a second
// has passed, should it have dropped the toggle).
#pragma once

#include <cstdint>

namespace tarmelon {

// ---- external lights (Trim_Panel) ----------------------------------------------------
void update_external_lights();            // Trim_Panel pre-update
void toggle_lights_master();              // "External lights master"
void toggle_nav_lights();                 // "Navigation lights", then the navigation rule
void toggle_taxi_lights();                // "Taxi lights"
double taxi_switch_frame();               // the taxi icon: runs the taxi rule
void landing_lights_click(bool right);    // "Landing lights": left +1, right -1, then the rule
bool ident_lights_upper();                // "Identification lights" upper half; true when it moved
bool ident_lights_lower();                // lower half
double ident_switch_frame();              // the icon: the spring-back from 2
// The simulator's "ALL_LIGHTS_TOGGLE": strobes, nav, taxi, the landing handler, ident.
void all_lights_toggle(void (*landing_handler)(bool right));

// ---- cockpit lighting (Lighting_Panel) ------------------------------------------------
void cockpit_lighting_button();           // the five "…/Cockpit Lighting" buttons
void port_console_lighting_button();      // "Port Console/Cockpit Lighting"
void toggle_gauge_lighting();             // "Gauge lighting"
void toggle_accelerometer_lighting();     // "Accelerometer/Cockpit Lighting"

// ---- photoflash, flares, yoke, CDL, tank fire ---------------------------------------
void photoflash_lever();                  // "Photoflash lever" (and "TOGGLE_TAIL_HOOK_HANDLE")
void set_photoflash_command(std::int32_t value);  // "SET_TAIL_HOOK_HANDLE"
double photoflash_indicator_frame();
void flare_jettison_click(bool right);    // "Flare emergency jettison" 2D
void flare_jettison_guard_vc();
void flare_jettison_lever_vc();
double flare_switch_frame();              // the icon: the spring-back from 2
void flare_button();                      // yoke flare button (VC)
bool camera_guard();                      // yoke camera guard; true when it moved
bool camera_button();                     // yoke camera button; true when the camera moved
void push_to_transmit();
void cdl_voice_upper();                   // "CDL voice" upper half: one position less
void cdl_voice_lower();                   // lower half: one more
void toggle_cdl_light_test();             // "CDL light test"
double cdl_mute_lamp_frame();
void tank_fire_button();                  // tank fire extinguisher (VC)

// ---- per frame, in the frame driver's order -----------------------------------------
void update_rudder_power_lamps();         // 100, then 50
void update_tank_fire_lamp();
void update_cdl_voice_mirror();
void update_chaff_flare_output();
void update_cdl_voice_and_flare_switches();  // the two above, in this order
void update_aileron_power_lamps();        // 50, then 100
void update_cabin_pressure_lamp();
void derive_flare_jettison_position();

// The initial state's reset of the spring-back clocks and the toggles on their way.
void reset_lighting();

}  // namespace tarmelon
