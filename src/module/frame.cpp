// The frame driver: everything that runs every frame, whichever panels are open, driven by
// the invisible SystemWatch gauge. Its pre-update service runs the start-up sequence and the
// cockpit's per-frame work; its needle runs the per-frame updates of the systems. Both are
// tables: one row per step, in the fixed order.
#include <cstdint>

#include "autopilot/autopilot.h"
#include "core/numeric.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "module/initial_state.h"
#include "panels/frame_hooks.h"
#include "panels/windows.h"
#include "persist/flight_names.h"
#include "persist/panel_state.h"
#include "persist/presets.h"
#include "recorder/recorder.h"
#include "simlink/connection.h"
#include "simlink/ground_equipment.h"
#include "state.h"
#include "systems/cabin/cabin.h"
#include "systems/canopy/canopy.h"
#include "systems/electrical/battery.h"
#include "systems/electrical/electrical.h"
#include "systems/engines/engines.h"
#include "systems/flight_controls/trims.h"
#include "systems/fuel/fuel.h"
#include "systems/hydraulics/hydraulics.h"
#include "systems/lighting/lighting.h"
#include "systems/lighting/sim_lights.h"
#include "instruments/flight_instruments.h"
#include "instruments/heading_repeaters.h"
#include "instruments/nav_instruments.h"

namespace tarmelon {

namespace {

constexpr char CONNECTION_FAILED_TEXT[] =
    "SimConnect has failed to connect. Please restart Flight Simulator.";
constexpr char PANEL_STATE_LOADED_TEXT[] = "Panel state loaded";
constexpr char PANEL_STATE_SAVED_TEXT[] = "Panel state saved";

void read_tick() { state.frame.currentTick = truncate_u32(read_token(TOKEN_TICK18)); }

void connection_watch() {
    if (state.frame.currentTick >= state.frame.baseTick + 5 && state.simlink.simOpenReceived == 0)
        show_text(CONNECTION_FAILED_TEXT, sizeof CONNECTION_FAILED_TEXT, 0.0f);
}

void load_flight_panel_state() {
    state.frame.flightPathPending = 0;
    const char* name = flight_file_name(state.frame.loadedFlightPath);
    if (is_excluded_flight(name) || !panel_state_exists(name)) return;
    if (!load_panel_state(name)) return;
    cycle_panel_windows();
    show_text(PANEL_STATE_LOADED_TEXT, sizeof PANEL_STATE_LOADED_TEXT, 5.0f);
}

// The initial state if it has not run, then the ready preset, then the loaded flight's
// panel state, each timed from the base tick.
void startup_sequence() {
    const std::uint32_t tick = state.frame.currentTick;
    const std::uint32_t base = state.frame.baseTick;
    if (state.core.initialStateApplied == 0 && tick >= base + 2) {
        apply_initial_state();
        return;
    }
    if (state.core.initialStateApplied != 1) return;
    if (tick >= base + 3 && state.frame.readyPresetApplied == 0) {
        state.presets.readyPresetActive = 0;
        apply_state_preset(1, 1);
        state.frame.readyPresetApplied = 1;
    } else if (tick >= base + 5 && state.frame.readyPresetApplied == 1 && state.frame.flightPathPending == 1) {
        load_flight_panel_state();
    }
}

void saved_message() {
    if (state.frame.currentTick >= state.frame.baseTick + 5 && state.frame.panelStateSavedPending == 1) {
        state.frame.panelStateSavedPending = 0;
        show_text(PANEL_STATE_SAVED_TEXT, sizeof PANEL_STATE_SAVED_TEXT, 5.0f);
    }
}

// One recording a load, once the start-up sequence has settled (the ready preset applied and
// the panel state's turn come), when the aircraft's option asks for it.
void flight_recording() {
    if (state.recorder.recordingFlag == 1 && state.recorder.recordingStarted == 0 &&
        state.frame.readyPresetApplied == 1 && state.frame.currentTick >= state.frame.baseTick + 5)
        start_recording();
}

struct FrameStep {
    const char* what;
    void (*run)();
};

// SystemWatch's pre-update service, in this order.
constexpr FrameStep PRE_UPDATE[] = {
    {"tick", read_tick},
    {"battery top-up", battery_top_up},
    {"connection watch", connection_watch},
    {"start-up sequence", startup_sequence},
    {"panel state saved message", saved_message},
    {"flight data recording", flight_recording},
    {"heading-selector and course repeaters", heading_repeaters},
    {"canopy misting", canopy_misting},
    {"strobe and beacon lights", strobe_and_beacon_lights},
};

// SystemWatch's needle: the per-frame updates of the systems and instruments, in this order.
constexpr FrameStep UPDATE_LIST[] = {
    {"aileron trim switches and trim timers", update_trim_switches_vc},
    {"G-meter", update_g_meter},
    {"JPT 1 and 2", update_jpt_needles},
    {"RPM 1 and 2", update_rpm_needles},
    {"fuel flow 1 and 2", update_fuel_flow_needles},
    {"fuel-pressure failure lights", update_fuel_pressure_lights},
    {"oil pressures", update_oil_pressures},
    {"altimeter and standby altimeter", update_altimeters},
    {"airspeed", update_airspeed_indicator},
    {"sideslip ball", update_slip_ball},
    {"standby attitude", update_standby_attitude},
    {"vertical speed", update_vertical_speed},
    {"attitude indicator", update_attitude_indicator},
    {"Mach", update_mach_meter},
    {"trim and spoiler needles", update_trim_needles},
    {"oxygen flow lights", update_oxygen_flow_animations},
    {"busbar voltmeter", update_busbar_meter},
    {"generator 1 and 2 failure lights", update_generator_fail_lights},
    {"autopilot ready and engaged lights", update_autopilot_magnetic_indicators},
    {"rudder power-failure lights (100 and 50)", update_rudder_power_lamps},
    {"autopilot light mirrors", update_autopilot_light_mirrors},
    {"tank fire light", update_tank_fire_lamp},
    {"engine fire lights", update_engine_fire_lights},
    {"elevator servo load", update_elevator_servo_load},
    {"autopilot heading selector pointer", update_heading_selector_pointer},
    {"dump valve light", update_dump_valve_light},
    {"fuel contents needles (port wing, belly, starboard wing, top, rear)", update_tank_gauges_vc},
    {"take-off hot/cold selector", update_hot_cold_switch},
    {"cabin temperature needle", update_cabin_temperature_needle},
    {"cabin altitude needle", update_cabin_altitude_needle},
    {"hydraulic and brake pressure needles", update_hydraulic_needles_vc},
    {"bank selector", update_bank_selector_sync},
    {"VOR 1 card", update_vor1_compass_card},
    {"VOR 1 lights", update_vor1_source_lights},
    {"VOR 1 flags", update_vor1_flags},
    {"VOR 1 localiser", update_vor1_localiser_needle},
    {"VOR 1 glideslope", update_vor1_glideslope_needle},
    {"VOR 1 to/from", update_vor1_to_from},
    {"magnetic compass", update_magnetic_compass},
    {"autopilot compass card (flight instruments)", update_autopilot_compass_card},
    {"autopilot compass card", update_autopilot_gyro_compass_card},
    {"autopilot heading selector pointer again", update_heading_selector_pointer},
    {"gyro pointer knob", update_gyro_heading_pointer},
    {"VOR 2 card", update_vor2_compass_card},
    {"VOR 2 lights", update_vor2_source_lights},
    {"VOR 2 flags", update_vor2_flags},
    {"VOR 2 glideslope", update_vor2_glideslope_needle},
    {"VOR 2 localiser", update_vor2_localiser_needle},
    {"VOR 2 to/from", update_vor2_to_from},
    {"HSI", update_hsi},
    {"radio-altimeter limit selector", update_radalt_limit_selector},
    {"radio altimeter", update_radalt_indicator},
    {"radio altimeter lights", update_radalt_lights},
    {"marker lights", update_marker_lights},
    {"standby inverter indicator", update_standby_inverter_indicator},
    {"CDL voice and flare switches", update_cdl_voice_and_flare_switches},
    {"aileron power-failure lights (50 and 100)", update_aileron_power_lamps},
    {"oxygen contents needles 2 and 1", update_oxygen_contents},
    {"autostabiliser and roll damper", update_autostabiliser_and_roll_damper},
    {"throttle lever positions", update_throttle_levers},
    {"rudder, tail and aileron trim selectors", update_trim_drives},
    {"canopy", update_canopy},
    {"electric-start lights", update_start_lamps},
    {"gyro pointer", update_gyro_pointer},
    {"cabin pressure failure light", update_cabin_pressure_lamp},
    {"toe brakes", update_toe_brakes},
    {"flare jettison", derive_flare_jettison_position},
    {"smoke and contrails", update_exhaust_effects},
};

}  // namespace

void frame_pre_update() {
    for (const FrameStep& step : PRE_UPDATE) step.run();
}

void frame_update_list() {
    for (const FrameStep& step : UPDATE_LIST) step.run();
}

}  // namespace tarmelon
