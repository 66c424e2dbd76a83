#include "core/frame.h"

#include <cmath>

#include "core/host.h"
#include "core/initial_state.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/state.h"
#include "core/vars.h"
#include "persist/flight_names.h"
#include "persist/panel_state.h"
#include "persist/presets.h"
#include "simlink/aircraft_data.h"
#include "simlink/connection.h"
#include "simlink/ground_equipment.h"
#include "simlink/ids.h"

namespace tarmelon {

namespace {

constexpr std::int32_t TOKEN_TICK18 = 1;
constexpr std::int32_t TOKEN_ALTITUDE = 74;
constexpr std::int32_t TOKEN_HEADING = 81;
constexpr std::int32_t TOKEN_SECONDS = 604;
constexpr std::int32_t TOKEN_COURSE = 854;
constexpr std::int32_t TOKEN_HEADING_SELECTOR = 855;

constexpr char CONNECTION_FAILED_TEXT[] =
    "SimConnect has failed to connect. Please restart Flight Simulator.";
constexpr char PANEL_STATE_LOADED_TEXT[] = "Panel state loaded";
constexpr char PANEL_STATE_SAVED_TEXT[] = "Panel state saved";

constexpr std::uint32_t MIST_CLIMB_SECONDS = 1800;
constexpr std::uint32_t MIST_STEP_SECONDS = 5;

void battery_top_up() {
    // Nothing is written before the simulator has reported a voltage.
    if (state.simdata.batteryVoltageReceived && state.simdata.batteryVoltage <= 20.0)
        write_definition(DEF_BATTERY_VOLTAGE, state.simdata.batteryVoltage + 1.0);
}

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
        state.frame.readyPresetActive = 0;
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

// The HSI's heading bug and course, and the autopilot's pointer, relative to the heading.
void heading_repeaters() {
    const double heading = read_token(TOKEN_HEADING);
    const double course = read_token(TOKEN_COURSE);
    const double selector = read_token(TOKEN_HEADING_SELECTOR);

    const double sel = selector * 1000.0 / 360.0;
    const double hdg = (heading - 1.0) / 359.0 * 1000.0;
    double d = std::fabs(sel - hdg);
    if (sel < hdg) d = 1000.0 - d;
    set_int("L:HSI_heading_bug,number", truncate_i32(d));

    const std::int32_t bug = get_int("L:HSI_heading_bug, number");
    set_int("L:Autopilot_pointer,number", truncate_i32(bug / 1000.0 * 3600.0));

    const double hdg10 = (heading - 1.0) / 359.0 * 3600.0;
    double e = std::fabs(course * 10.0 - hdg10);
    if (course * 10.0 < hdg10) e = 3600.0 - e;
    set_int("L:HSI_course_centre,number", truncate_i32(e));
}

struct MistLevel {
    std::int32_t light, medium, heavy, step, light_external, heavy_external;
};
constexpr MistLevel MIST_LEVELS[8] = {
    {0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 1, 0}, {1, 0, 0, 1, 1, 0}, {0, 1, 0, 0, 1, 0},
    {0, 1, 0, 1, 1, 0}, {0, 0, 1, 1, 0, 1}, {1, 0, 1, 1, 0, 1}, {1, 1, 1, 1, 0, 1},
};

// The canopy mists up after a long time at altitude on the descent, unless both demist
// controls are on.
void canopy_misting() {
    FrameState& f = state.frame;
    const std::uint32_t now = truncate_u32(read_token(TOKEN_SECONDS));
    const std::int32_t altitude = truncate_i32(read_token(TOKEN_ALTITUDE));

    if (f.mistThreshold < altitude && f.aboveMistThreshold == 0) {
        f.aboveSince = now;
        f.aboveMistThreshold = 1;
    }
    if (altitude < f.mistThreshold && f.aboveMistThreshold == 1) {
        if (now >= f.aboveSince + MIST_CLIMB_SECONDS) f.mistPending = 1;
        f.aboveMistThreshold = 0;
    }
    if (f.mistPending == 1) {
        const bool demist = get_int("L:Pull_Demist,number") != 0;
        const bool heat = get_int("L:Canopy Heat Position, bool") != 0;
        if (f.mistStepArmed == 0) {
            f.mistNextStep = now + MIST_STEP_SECONDS;
            f.mistStepArmed = 1;
        }
        if (state.canopy.canopyClosed == 1) {
            if (!demist || !heat) {
                if (f.mistLevel < 7 && now >= f.mistNextStep) {
                    ++f.mistLevel;
                    f.mistNextStep = now + MIST_STEP_SECONDS;
                }
            } else if (f.mistLevel < 1) {
                f.mistPending = 0;
            } else if (now >= f.mistNextStep) {
                --f.mistLevel;
                f.mistNextStep = now + MIST_STEP_SECONDS;
            }
        } else {
            f.mistLevel = 0;
        }
    }

    const MistLevel& m = MIST_LEVELS[f.mistLevel < 0 ? 0 : f.mistLevel > 7 ? 7 : f.mistLevel];
    set_int("L:Tarmelon_Mist_Light,number", m.light);
    set_int("L:Tarmelon_Mist_Medium,number", m.medium);
    set_int("L:Tarmelon_Mist_Heavy,number", m.heavy);
    set_int("L:Tarmelon_Mist_Step,number", m.step);
    set_int("L:Tarmelon_Mist_Light_External,number", m.light_external);
    set_int("L:Tarmelon_Mist_Heavy_External,number", m.heavy_external);
}

// Wanted state of a simulator light: off, on, or left as it is.
enum Wanted { OFF, ON, KEEP };

struct LightKeys {
    std::uint32_t on, on_param, off, off_param;
};
constexpr LightKeys STROBE_KEYS{KEY_STROBES_ON, 1, KEY_STROBES_OFF, 0};
constexpr LightKeys WING_KEYS{KEY_WING_LIGHTS_TOGGLE, 1, KEY_WING_LIGHTS_TOGGLE, 1};  // toggles
constexpr LightKeys LOGO_KEYS{KEY_LOGO_LIGHTS_TOGGLE, 1, KEY_LOGO_LIGHTS_TOGGLE, 1};
constexpr LightKeys CABIN_KEYS{KEY_CABIN_LIGHTS_TOGGLE, 1, KEY_CABIN_LIGHTS_TOGGLE, 1};

void make_light(Wanted wanted, const LightKeys& keys, bool lit) {
    if (wanted == ON && !lit) host_trigger_key_event(keys.on, keys.on_param);
    if (wanted == OFF && lit) host_trigger_key_event(keys.off, keys.off_param);
}

// The two strobe switches drive four simulator lights.
void strobe_and_beacon_lights() {
    const std::int32_t s1 = get_int("L:StrobeSwitch1,number");
    const std::int32_t s2 = get_int("L:StrobeSwitch2,number");
    const std::int32_t master = get_int("L:Lights_Master, bool");
    const bool logo = get_int("A:LIGHT LOGO, bool") != 0;
    const bool strobe = get_int("A:LIGHT STROBE, bool") != 0;
    const bool wing = get_int("A:LIGHT WING, bool") != 0;
    const bool cabin = get_int("A:LIGHT CABIN, bool") != 0;

    Wanted want_strobe = KEEP, want_wing = KEEP, want_logo = KEEP, want_cabin = KEEP;
    if (master == 0) {
        want_strobe = want_wing = want_logo = want_cabin = OFF;
    } else {
        if (s1 == 0) want_strobe = ON, want_wing = OFF;
        if (s1 == 1) want_strobe = OFF, want_wing = OFF;
        if (s1 == 2) want_strobe = OFF, want_wing = ON;
        if (s2 == 0) want_logo = ON, want_cabin = OFF;
        if (s2 == 1) want_logo = OFF, want_cabin = OFF;
        if (s2 == 2) want_logo = OFF, want_cabin = ON;
    }
    make_light(want_strobe, STROBE_KEYS, strobe);
    make_light(want_wing, WING_KEYS, wing);
    make_light(want_logo, LOGO_KEYS, logo);
    make_light(want_cabin, CABIN_KEYS, cabin);
}

}  // namespace

void cycle_panel_windows() {
    constexpr std::uint32_t WINDOWS[] = {1600, 1700, 100, 200, 300, 400, 500, 600, 700, 800,
                                         900, 1000, 1100, 1200, 1300, 1400, 1500, 1800, 1900};
    for (std::uint32_t window : WINDOWS) {
        if (host_is_panel_window_visible(window)) continue;
        host_trigger_key_event(KEY_PANEL_OPEN, window);
        host_trigger_key_event(KEY_PANEL_CLOSE, window);
    }
}

void frame_pre_update() {
    state.frame.currentTick = truncate_u32(read_token(TOKEN_TICK18));
    battery_top_up();
    connection_watch();
    startup_sequence();
    saved_message();
    heading_repeaters();
    canopy_misting();
    strobe_and_beacon_lights();
}

// The per-frame system and instrument updates, in their fixed order.
sdk::FLOAT64 TM_STDCALL frame_update_list(sdk::ELEMENT_NEEDLE*) {
    update_exhaust_effects();
    return 0.0;
}

}  // namespace tarmelon
