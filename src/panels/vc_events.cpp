#include "panels/vc_events.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "autopilot/autopilot.h"
#include "avionics/audio_panel.h"
#include "instruments/flight_instruments.h"
#include "instruments/nav_instruments.h"
#include "panels/adaptors.h"
#include "panels/gauges/Autopilot_Switch_Panel.h"
#include "panels/gauges/Avionics_Panel.h"
#include "panels/gauges/Elec_Panel.h"
#include "panels/gauges/EngStart_Controls.h"
#include "panels/gauges/GearFlaps_Panel.h"
#include "panels/gauges/Oxygen_Panel.h"
#include "panels/gauges/RadioGPS_GMA340.h"
#include "panels/gauges/RadioGPS_GTN6XX.h"
#include "panels/gauges/RadioGPS_SL30.h"
#include "panels/gauges/TO_Panel.h"
#include "panels/gauges/Trim_Panel.h"
#include "panels/mouse.h"
#include "systems/canopy/canopy.h"
#include "systems/electrical/electrical_controls.h"
#include "systems/engines/engines.h"
#include "systems/flight_controls/flight_controls.h"
#include "systems/fuel/fuel_controls.h"
#include "systems/fuel/fuel_panel.h"
#include "systems/fuel/tip_tanks.h"
#include "systems/lighting/lighting.h"

namespace tarmelon {

namespace {

// What a custom event does: a 2D control's mouse callback with a left or right click, or a
// virtual-cockpit routine that belongs to the control's system.
struct VcEvent {
    std::uint32_t event;
    sdk::MOUSE_FUNCTION mouse;  // null for a routine
    sdk::FLAGS32 flags;
    void (*routine)();
};

[[maybe_unused]] constexpr VcEvent left_click(std::uint32_t event, sdk::MOUSE_FUNCTION callback) {
    return {event, callback, MOUSE_LEFT, nullptr};
}
[[maybe_unused]] constexpr VcEvent right_click(std::uint32_t event, sdk::MOUSE_FUNCTION callback) {
    return {event, callback, MOUSE_RIGHT, nullptr};
}
[[maybe_unused]] constexpr VcEvent routine(std::uint32_t event, void (*action)()) { return {event, nullptr, 0, action}; }

constexpr Click LP_COCK_CLICK{3, 3000};

// The virtual cockpit's click spots, one row per event in event order, e.g.
//   left_click(69632, taxi_lights_mouse),
// Ids without a row do nothing.
constexpr VcEvent VC_EVENTS[] = {
    left_click(69632, taxi_lights_mouse),
    left_click(69633, nav_lights_mouse),
    left_click(69634, ident_lights_upper_mouse),
    left_click(69635, ident_lights_lower_mouse),
    left_click(69636, lights_master_mouse),
    left_click(69637, landing_lights_mouse),
    right_click(69638, landing_lights_mouse),
    left_click(69639, aileron_trim_decrease_mouse),
    left_click(69640, aileron_trim_increase_mouse),
    left_click(69641, photoflash_lever_mouse),
    routine(69648, with_click<flare_jettison_guard_vc, Click{1, -10000}>),
    routine(69649, with_click<flare_jettison_lever_vc, Click{1, -10000}>),
    left_click(69650, port_anti_ice_mouse),
    left_click(69651, stbd_anti_ice_mouse),
    left_click(69652, aileron_trim_decrease_mouse),
    left_click(69653, aileron_trim_increase_mouse),
    left_click(69654, tail_trim_decrease_mouse),
    left_click(69655, tail_trim_increase_mouse),
    left_click(69656, rudder_trim_decrease_mouse),
    left_click(69657, rudder_trim_increase_mouse),
    left_click(69664, ground_power_mouse),
    left_click(69665, generator_2_mouse),
    left_click(69666, generator_1_mouse),
    left_click(69667, inverter_6_mouse),
    left_click(69670, autopilot_reset_mouse),
    left_click(69669, inverter_meter_selector_mouse),
    routine(69671, attitude_indicator_erect),
    routine(69672, with_click_if<dive_brake_selector_up, Click{3, -8000}>),
    routine(69673, with_click_if<dive_brake_selector_down, Click{3, -8000}>),
    routine(69680, with_click<aileron_gearing_switch, Click{2, -5000}>),
    left_click(69681, engine1_ignition_mouse),
    routine(69682, with_click<top_belly_guard_vc, Click{3, 3000}>),
    routine(69683, with_click<top_belly_lever_vc, Click{3, 3000}>),
    left_click(69684, canopy_heat_mouse),
    left_click(69685, pitot_heat_mouse),
    left_click(69686, vent_valves_mouse),
    left_click(69687, port_wing_transfer_mouse),
    left_click(69688, stbd_wing_transfer_mouse),
    left_click(69689, compass_gyro_mouse),
    left_click(69696, engine_air_1_mouse),
    left_click(69697, engine_air_2_mouse),
    routine(69698, battery_guard_vc),
    routine(69699, battery_lever_vc),
    routine(69700, with_click<port_lp_cock_cover_vc, LP_COCK_CLICK>),
    routine(69701, with_click<port_lp_cock_lever_vc, LP_COCK_CLICK>),
    routine(69702, with_click<stbd_lp_cock_cover_vc, LP_COCK_CLICK>),
    routine(69703, with_click<stbd_lp_cock_lever_vc, LP_COCK_CLICK>),
    routine(69704, vor1_obs_decrease),
    routine(69705, vor1_obs_increase),
    routine(69712, g_meter_reset),
    routine(69713, gyro_knob_decrease),
    routine(69714, gyro_knob_increase),
    // 69715 and 69716 are click spots without an action.
    routine(69717, vor2_obs_decrease),
    routine(69718, vor2_obs_increase),
    routine(69719, hsi_course_decrease),
    routine(69720, hsi_course_increase),
    routine(69721, hsi_heading_bug_decrease),
    routine(69728, hsi_heading_bug_increase),
    left_click(69729, air_inlet_mouse),
    left_click(69730, oxygen_valve_mouse),
    left_click(69731, read_voltage_mouse),
    routine(69732, with_click<emergency_avionics_lever_vc, Click{2, 10000}>),
    routine(69733, with_click<emergency_avionics_guard_vc, Click{3, 10000}>),
    routine(69734, with_click<ground_test_guard_vc, Click{2, 10000}>),
    routine(69735, with_click<ground_test_lever_vc, Click{2, 10000}>),
    left_click(69736, ap_track_switch_mouse),
    left_click(69737, ap_glide_switch_mouse),
    left_click(69744, ap_power_switch_mouse),
    left_click(69745, ap_aileron_switch_mouse),
    left_click(69746, ap_rudder_switch_mouse),
    left_click(69747, ap_elevator_switch_mouse),
    left_click(69748, ap_bomb_switch_mouse),
    left_click(69749, ap_alt_switch_mouse),
    left_click(69750, ap_engage_switch_mouse),
    left_click(69751, ap_elevator_switch_mouse),
    left_click(69752, ap_elevator_switch_mouse),
    left_click(69753, gear_up_mouse),
    left_click(69760, gear_down_mouse),
    left_click(69761, flap_lever_mouse),
    left_click(69762, gma_marker_mouse),
    left_click(69763, gma_sensitivity_mouse),
    left_click(69764, gma_com1_mouse),
    left_click(69765, gma_com1_mic_mouse),
    left_click(69766, gma_com2_mouse),
    left_click(69767, gma_com2_mic_mouse),
    left_click(69768, gma_com3_mouse),
    left_click(69769, gma_com3_mic_mouse),
    left_click(69776, gma_nav1_mouse),
    left_click(69777, gma_nav2_mouse),
    left_click(69778, gma_dme_mouse),
    left_click(69779, gma_adf_mouse),
    left_click(69780, gma_split_com_mouse),
    left_click(69781, gma_speaker_mouse),
    left_click(69782, gma_pa_mouse),
    left_click(69783, gma_pilot_iso_mouse),
    left_click(69784, gma_crew_iso_mouse),
    left_click(69785, gma_test_mouse),
    left_click(69888, gtn_home_mouse),
    left_click(69889, gtn_direct_to_mouse),
    left_click(69890, sl30_flip_flop_mouse),
    left_click(69891, sl30_com_mouse),
    left_click(69892, sl30_nav_mouse),
    left_click(69893, sl30_system_mouse),
    left_click(69894, sl30_obs_mouse),
    left_click(69895, sl30_to_from_mouse),
    left_click(69896, sl30_ident_mouse),
    left_click(69897, sl30_select_mouse),
    left_click(69904, sl30_enter_mouse),
    routine(69905, gma_pilot_volume_vc),
    routine(69906, with_click<tip_tank_guard_vc, Click{3, -8000}>),
    routine(69907, with_click<tip_tank_lever_vc, Click{2, -8000}>),
    routine(69908, with_click<canopy_lift_guard_vc, Click{3, -8000}>),
    routine(69909, with_click<canopy_lift_lever_vc, Click{2, -8000}>),
    routine(69910, relight<1>),
    routine(69911, relight<2>),
    routine(69912, with_click<guarded_switch_guard<GuardedSwitch::ABANDON>, Click{3, -8000}>),
    routine(69913, with_click<guarded_switch_lever<GuardedSwitch::ABANDON>, Click{2, -8000}>),
    routine(69920, with_click<guarded_switch_guard<GuardedSwitch::PRESSURE_DUMP>, Click{3, -8000}>),
    routine(69921, with_click<guarded_switch_lever<GuardedSwitch::PRESSURE_DUMP>, Click{2, -8000}>),
    routine(69922, dive_brake_lever),
    routine(69923, with_click<fire_button<1>, Click{3, 1000}>),
    routine(69924, with_click<fire_button<2>, Click{3, 1000}>),
    routine(69925, with_click<tank_fire_button, Click{3, 1000}>),
    routine(69926, heading_selector_decrease),
    routine(69927, heading_selector_increase),
    routine(69928, heading_selector_increase),
    left_click(69929, engine1_push_start_mouse),
    left_click(69936, engine2_push_start_mouse),
    routine(69937, with_click_if<camera_guard, Click{2, 0}>),
    routine(69938, with_click_if<camera_button, Click{3, 0}>),
    routine(69939, flare_button),
    routine(69940, push_to_transmit),
    routine(69941, canopy_taxi_prop),
    routine(69942, canopy_close_if_open),
    left_click(69943, photoflash_lever_mouse),
    routine(69945, canopy_jettison_lever),
    left_click(69952, gma_copilot_squelch_up_mouse),
    left_click(69953, gma_copilot_squelch_down_mouse),
    left_click(69954, gma_copilot_volume_up_mouse),
    left_click(69955, gma_copilot_volume_down_mouse),
    left_click(69957, gtn_volume_mouse),
    left_click(69958, gtn_large_up_mouse),
    left_click(69959, gtn_large_down_mouse),
    left_click(69960, gtn_small_up_mouse),
    left_click(69961, gtn_small_down_mouse),
    left_click(69962, gma_pilot_squelch_up_mouse),
    left_click(69963, gma_pilot_squelch_down_mouse),
    left_click(69964, gma_power_up_mouse),
    left_click(69965, gma_power_down_mouse),
    left_click(69968, sl30_power_mouse),
    left_click(69969, sl30_large_down_mouse),
    left_click(69970, sl30_large_up_mouse),
    left_click(69971, sl30_small_down_mouse),
    left_click(69972, sl30_small_up_mouse),
    routine(69975, canopy_handle_left),
    routine(69976, canopy_handle_right),
};
constexpr std::size_t VC_EVENT_COUNT = sizeof VC_EVENTS / sizeof VC_EVENTS[0];

// Row of each event id in the range, -1 for none.
constexpr std::array<std::int16_t, CUSTOM_EVENT_COUNT> row_index() {
    std::array<std::int16_t, CUSTOM_EVENT_COUNT> index{};
    for (auto& i : index) i = -1;
    for (std::size_t r = 0; r < VC_EVENT_COUNT; ++r) {
        const std::uint32_t e = VC_EVENTS[r].event;
        if (e >= CUSTOM_EVENT_FIRST && e - CUSTOM_EVENT_FIRST < CUSTOM_EVENT_COUNT)
            index[e - CUSTOM_EVENT_FIRST] = static_cast<std::int16_t>(r);
    }
    return index;
}
constexpr auto ROW_OF_EVENT = row_index();

}  // namespace

void TM_CDECL key_event_handler(sdk::ID32 event, sdk::UINT32, void*) {
    if (event >= CLICK_SOUND_EVENT_FIRST && event < CLICK_SOUND_EVENT_FIRST + 3) {
        click_trigger(static_cast<int>(event - CLICK_SOUND_EVENT_FIRST) + 1);
        return;
    }
    if (event < CUSTOM_EVENT_FIRST || event - CUSTOM_EVENT_FIRST >= CUSTOM_EVENT_COUNT) return;
    const std::int16_t row = ROW_OF_EVENT[event - CUSTOM_EVENT_FIRST];
    if (row < 0) return;
    const VcEvent& target = VC_EVENTS[row];
    if (target.mouse != nullptr) {
        sdk::MOUSECALLBACK at_origin{};
        target.mouse(&at_origin.relative_point, target.flags);
    } else if (target.routine != nullptr) {
        target.routine();
    }
}

}  // namespace tarmelon
