#include "module/sim_events.h"

#include "autopilot/autopilot.h"
#include "core/vars.h"
#include "module/initial_state.h"
#include "panels/gauges/Autopilot_Switch_Panel.h"
#include "panels/gauges/GearFlaps_Panel.h"
#include "panels/gauges/Trim_Panel.h"
#include "panels/mouse.h"
#include "persist/flight_names.h"
#include "persist/panel_state.h"
#include "simlink/ground_equipment.h"
#include "simlink/ids.h"
#include "state.h"
#include "systems/electrical/electrical.h"
#include "systems/engines/engines.h"
#include "systems/flight_controls/flight_controls.h"
#include "systems/fuel/fuel.h"
#include "systems/hydraulics/hydraulics.h"
#include "systems/lighting/lighting.h"

namespace tarmelon {

namespace {

// The gear inputs press the cockpit's gear buttons, as a left click does.
void press_gear_up() { gear_up_mouse(nullptr, MOUSE_LEFT); }
void press_gear_down() { gear_down_mouse(nullptr, MOUSE_LEFT); }

// The gear toggle presses the other button; with both (or neither) pressed it does nothing.
void gear_toggle_input() {
    const std::int32_t up = get_int("L:GearUpButton, bool");
    const std::int32_t down = get_int("L:GearDownButton, bool");
    if (up == 0 && down == 1) press_gear_up();
    else if (up == 1 && down == 0) press_gear_down();
}
// The landing-lights switch's click handler, left or right, as the pilot's light inputs
// work it.
void landing_lights_handler(bool right) { landing_lights_mouse(nullptr, right ? MOUSE_RIGHT : MOUSE_LEFT); }

void landing_lights_input() { landing_lights_handler(get_int("L:Lights_landing_POS, number") >= 1); }

}  // namespace

void handle_sim_event(sdk::DWORD_T event, sdk::DWORD_T data) {
    // Axis and throttle values are signed 32-bit.
    const auto v = static_cast<std::int32_t>(data);
    switch (event) {
        case EV_ALL_LIGHTS_TOGGLE: all_lights_toggle(landing_lights_handler); break;
        case EV_LANDING_LIGHTS_TOGGLE: landing_lights_input(); break;
        case EV_AXIS_THROTTLE1_SET: throttle_axis(1, v); break;
        case EV_AXIS_THROTTLE2_SET: throttle_axis(2, v); break;
        case EV_THROTTLE1_SET: throttle_set(1, v); break;
        case EV_THROTTLE2_SET: throttle_set(2, v); break;
        case EV_AXIS_THROTTLE_SET: throttle_axis_both(v); break;
        case EV_ENGINE_AUTO_START: engine_auto_start(); break;
        case EV_ENGINE_AUTO_SHUTDOWN: engine_auto_shutdown(); break;
        case EV_THROTTLE_CUT: throttle_cut(v); break;
        case EV_THROTTLE_DECR: throttle_decrease(v); break;
        case EV_THROTTLE_INCR_SMALL: throttle_increase_small(v); break;
        case EV_THROTTLE_FULL: throttle_full(v); break;
        case EV_AXIS_AILERONS_SET: ailerons_axis_input(v); break;
        case EV_AILERONS_LEFT: ailerons_step_input(false); break;
        case EV_AILERONS_RIGHT: ailerons_step_input(true); break;
        case EV_AXIS_RUDDER_SET: rudder_axis_input(v); break;
        case EV_RUDDER_LEFT: rudder_step_input(false); break;
        case EV_RUDDER_RIGHT: rudder_step_input(true); break;
        case EV_AXIS_ELEVATOR_SET: elevator_axis_input(v); break;
        case EV_ELEV_UP: elevator_step_input(true); break;
        case EV_ELEV_DOWN: elevator_step_input(false); break;
        case EV_AXIS_SPOILER_SET: spoiler_axis_input(v); break;
        case EV_SPOILERS_TOGGLE: spoilers_toggle_input(v); break;
        case EV_BRAKES: brakes_input(v); break;
        case EV_BRAKES_LEFT: differential_brake_input(false, v); break;
        case EV_BRAKES_RIGHT: differential_brake_input(true, v); break;
        case EV_PARKING_BRAKES: parking_brakes_input(v); break;
        case EV_GEAR_TOGGLE: gear_toggle_input(); break;
        case EV_GEAR_UP: press_gear_up(); break;
        case EV_GEAR_DOWN: press_gear_down(); break;
        case EV_AP_MASTER: ap_engage_switch_mouse(nullptr, MOUSE_LEFT); break;
        case EV_AP_ALT_HOLD: ap_alt_switch_mouse(nullptr, MOUSE_LEFT); break;
        case EV_AP_HDG_HOLD: heading_push_button(); break;
        case EV_AP_APR_HOLD: ap_glide_switch_mouse(nullptr, MOUSE_LEFT); break;
        case EV_AP_NAV1_HOLD: ap_track_switch_mouse(nullptr, MOUSE_LEFT); break;
        case EV_FLAPS_UP: flaps_input(FlapInput::UP, v); break;
        case EV_FLAPS_DOWN: flaps_input(FlapInput::DOWN, v); break;
        case EV_FLAPS_INCR: flaps_input(FlapInput::INCREASE, v); break;
        case EV_FLAPS_DECR: flaps_input(FlapInput::DECREASE, v); break;
        case EV_TOGGLE_TAIL_HOOK_HANDLE: photoflash_lever_mouse(nullptr, MOUSE_LEFT); break;
        case EV_SET_TAIL_HOOK_HANDLE: set_photoflash_command(v); break;
        case EV_MENU_SIGN: toggle_sign(); break;
        case EV_MENU_LADDER: toggle_ladder(); break;
        case EV_MENU_ENGINE_COVERS: toggle_engine_covers(); break;
        case EV_MENU_GROUND_POWER: toggle_ground_units(); break;
        case EV_MENU_ALL_OBJECTS: toggle_all_objects(); break;
        case EVENT_6HZ:
            // Until the cockpit's panels are live, the initial state is reapplied.
            if (state.selector.arrowGaugeUpdated == 0) apply_initial_state();
            break;
        case EVENT_1SEC: note_fuel_second(); break;
        case EVENT_VIEW: note_cockpit_view(data); break;
        case EVENT_PAUSE: break;  // changes nothing
        default: break;
    }
}

void on_flight_saved(const char* path) {
    // Saves made while the module is still starting are ignored.
    if (state.frame.currentTick < state.frame.baseTick + 5) return;
    const char* name = flight_file_name(path);
    if (is_excluded_flight(name)) return;
    if (save_panel_state(name)) state.frame.panelStateSavedPending = 1;
}

}  // namespace tarmelon
