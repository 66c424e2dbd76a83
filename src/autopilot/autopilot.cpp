#include "autopilot/autopilot.h"

#include <cstdint>
#include <initializer_list>

#include "autopilot/control_laws.h"
#include "core/host.h"
#include "core/numeric.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

namespace {

// The simulator's autopilot key events.
constexpr std::uint32_t KEY_AP_ON = 65792;
constexpr std::uint32_t KEY_AP_OFF = 65791;
constexpr std::uint32_t KEY_NAV1_HOLD_ON = 65811;
constexpr std::uint32_t KEY_NAV1_HOLD_OFF = 65819;
constexpr std::uint32_t KEY_HEADING_HOLD_ON = 65807;
constexpr std::uint32_t KEY_HEADING_HOLD_OFF = 65815;
constexpr std::uint32_t KEY_APPROACH_HOLD_ON = 65806;
constexpr std::uint32_t KEY_APPROACH_HOLD_OFF = 65814;
constexpr std::uint32_t KEY_ALTITUDE_HOLD_ON = 65808;
constexpr std::uint32_t KEY_ALTITUDE_REFERENCE_SET = 66124;
constexpr std::uint32_t KEY_ALTITUDE_HOLD_OFF = 65816;
constexpr std::uint32_t KEY_AIRSPEED_HOLD_TOGGLE = 65859;
constexpr std::uint32_t KEY_GPS_NAV_TOGGLE = 66375;
constexpr std::uint32_t KEY_HEADING_BUG_SET = 66042;
constexpr std::uint32_t KEY_AUTO_COORDINATION_OFF = 65952;
constexpr std::uint32_t KEY_AUTO_COORDINATION_ON = 65953;
constexpr std::uint32_t KEY_YAW_DAMPER_OFF = 66070;
constexpr std::uint32_t KEY_YAW_DAMPER_ON = 66069;

constexpr std::uint32_t WARM_UP_SECONDS = 60;
constexpr std::uint32_t PITCH_SPRING_TICKS = 18;
constexpr std::uint32_t HEADING_FAST_TICKS = 7;

constexpr std::uint32_t PRESS = 0x20000000;    // left button pressed
constexpr std::uint32_t RELEASE = 0x00020000;  // left button released

constexpr const char* CUR_PITCH_SET = "L:curPitchSetVal,number";

// A switch variable and its animation twin.
struct SwitchPair {
    const char* position;
    const char* animation;
};
constexpr SwitchPair TRACK_SWITCH{"L:AP_TRACK_SWITCH, bool", "L:AP_TRACK_SWITCH_POS, bool"};
constexpr SwitchPair HDG_SWITCH{"L:AP_HDG_SWITCH, bool", "L:AP_HDG_SWITCH_POS, bool"};
constexpr SwitchPair GLIDE_SWITCH{"L:AP_GLIDE_SWITCH, bool", "L:AP_GLIDE_SWITCH_POS, bool"};
constexpr SwitchPair ALT_SWITCH{"L:AP_ALT_SWITCH, bool", "L:AP_ALT_SWITCH_POS, bool"};
constexpr SwitchPair BOMB_SWITCH{"L:AP_BOMB_SWITCH, bool", "L:AP_BOMB_SWITCH_POS, bool"};
constexpr SwitchPair POWER_SWITCH{"L:AP_POWER_SWITCH, bool", "L:AP_POWER_SWITCH_POS, bool"};
constexpr SwitchPair ENGAGE_SWITCH{"L:AP_ENGAGE_SWITCH, bool", "L:AP_ENGAGE_SWITCH_POS, bool"};
constexpr SwitchPair RDU_DIM_SWITCH{"L:AP_RDU_DIM_SWITCH, bool", "L:AP_RDU_DIM_SWITCH_POS, bool"};
constexpr SwitchPair SLIP_DIM_SWITCH{"L:AP_SLIP_DIM_SWITCH, bool", "L:AP_SLIP_DIM_SWITCH_POS, bool"};
constexpr SwitchPair ATHR_CLICKSPOT{"L:AP_ATHR_clickspot, bool", "L:AP_ATHR_clickspot_pos, bool"};
constexpr SwitchPair CHANNEL_SWITCHES[] = {
    {"L:AP_RUD_SWITCH, bool", "L:AP_RUD_SWITCH_POS, bool"},  // AP_RUDDER
    {"L:AP_AIL_SWITCH, bool", "L:AP_AIL_SWITCH_POS, bool"},  // AP_AILERON
    {"L:AP_ELV_SWITCH, bool", "L:AP_ELV_SWITCH_POS, bool"},  // AP_ELEVATOR
};

// The bank selector's nine positions: the virtual cockpit's animation value and the target
// bank, left wing down positive.
struct BankRow {
    std::int32_t animation;
    std::int32_t target;
};
constexpr BankRow BANK_TABLE[] = {
    {0, 40}, {15, 30}, {30, 20}, {39, 10}, {50, 0}, {63, -10}, {74, -20}, {87, -30}, {100, -40},
};
constexpr std::int32_t BANK_POSITIONS = sizeof BANK_TABLE / sizeof BANK_TABLE[0];

AutopilotState& ap() { return state.autopilot; }

std::uint8_t flag(std::uint8_t on) { return on == 1 ? 1 : 0; }
void key(std::uint32_t id, std::uint32_t parameter) { host_trigger_key_event(id, parameter); }
std::uint32_t clock_seconds() { return truncate_u32(read_token(TOKEN_SECONDS)); }
std::uint32_t tick() { return truncate_u32(read_token(TOKEN_TICK18)); }
std::int32_t whole_pitch() { return truncate_i32(read_token(TOKEN_AP_PITCH_REFERENCE)); }

void set_pair(const SwitchPair& s, std::int32_t value) {
    set_int(s.position, value);
    set_int(s.animation, value);
}

// The common switch click: down if it is up, else up, then the operation with the new state.
void toggle_switch(const SwitchPair& s, void (*operation)(std::uint8_t)) {
    if (get_int(s.position) > 0) {
        set_pair(s, 0);
        if (operation != nullptr) operation(0);
    } else {
        set_pair(s, 1);
        if (operation != nullptr) operation(1);
    }
}

bool any_channel_in() { return ap().apElevatorIn == 1 || ap().apAileronIn == 1 || ap().apRudderIn == 1; }
bool all_channels_in() { return ap().apElevatorIn == 1 && ap().apAileronIn == 1 && ap().apRudderIn == 1; }

// Degrees brought into 0 to 359, so that 360 and 0 both name north.
std::int32_t compass(std::int64_t degrees) { return static_cast<std::int32_t>(((degrees % 360) + 360) % 360); }

// Bank change between two whole-degree samples, the short way round through 0/360.
std::int32_t bank_change(std::int32_t now, std::int32_t before) {
    const std::int64_t d = compass(static_cast<std::int64_t>(now) - before);
    return static_cast<std::int32_t>(d > 180 ? 360 - d : d);
}

void set_bank_mirrors(std::int32_t position) {
    if (position < 0 || position >= BANK_POSITIONS) return;
    set_int("L:BankPosVC,number", BANK_TABLE[position].animation);
    set_int("L:BankPos,number", position);
}

// ---- per-frame supervision steps ---------------------------------------------------------

void sample_roll_rate() {
    const std::int32_t current = truncate_i32(read_token(TOKEN_AP_BANK_REFERENCE));
    ap().rateSample = current;
    if (ap().rateStarted == 0) {
        ap().rateDue = clock_seconds() + 1;
        ap().ratePreviousSample = current;
        ap().rateStarted = 1;
    }
    const std::uint32_t now = clock_seconds();
    // A due second further ahead than one sample: the clock went back (a reloaded flight).
    if (ap().rateDue > now + 1) {
        ap().rateDue = now + 1;
        ap().ratePreviousSample = current;
    }
    if (now >= ap().rateDue) {
        ap().rollRate = bank_change(current, ap().ratePreviousSample);
        ap().rateDue = now + 1;
        ap().ratePreviousSample = current;
    }
}

void ready_warm_up() {
    if (ap().apReadyTimerArmed == 0) return;
    const std::uint32_t now = clock_seconds();
    // Taken on the first pass, and again when the clock went back (a reloaded flight).
    if (ap().apReadyTimerStarted == 0 || ap().apReadyDeadline > now + WARM_UP_SECONDS) {
        ap().apReadyDeadline = now + WARM_UP_SECONDS;
        ap().apReadyTimerStarted = 1;
    }
    if (now >= ap().apReadyDeadline) {
        if (ap().apEngaged == 0 && ap().apPowerOn == 1 && ap().apInverter2Live == 1) setApReadyLight(1);
        ap().apReadyTimerStarted = 0;
        ap().apReadyTimerArmed = 0;
    }
}

void inverter_2_watch() {
    ap().apInverter2Live = get_int("L:ELEC_STATUS_inv2, bool");
    if (ap().apInverter2Live == 0) {
        setApEngage(0);
        setApPower(0);
        setApInLight(0);
        setApReadyLight(0);
    }
}

void channel_supervision() {
    if (ap().apEngaged == 1 && !any_channel_in()) {
        setApEngage(0);
        setApReadyLight(1);
        setApAltitude(0);
        setApTrack(0);
        setApGlide(0);
    }
    if (ap().apEngaged == 1 && !all_channels_in()) setApReadyLight(1);
    if (ap().apEngaged == 1 && ap().apReadyLit == 1 && all_channels_in()) setApReadyLight(0);
}

// The axes the autopilot flies: only while the simulator's autopilot is on as well, so that
// an ENGAGE made during the warm-up (which engages nothing) leaves the pilot the controls.
void channel_engaged_flags(bool master) {
    const bool flying = ap().apEngaged == 1 && master;
    ap().apRudderEngaged = flying ? ap().apRudderIn : 0;
    ap().apAileronEngaged = flying ? ap().apAileronIn : 0;
    ap().apElevatorEngaged = flying ? ap().apElevatorIn : 0;
}

void throttle_diagnostics() {
    const double* input = state.engines.throttleInput;
    set_double("L:ENG1_axisEvent,number", input[INPUT_AXIS_THROTTLE1]);
    set_double("L:ENG2_axisEvent,number", input[INPUT_AXIS_THROTTLE2]);
    set_double("L:ENG1_setEvent,number", input[INPUT_THROTTLE1]);
    set_double("L:ENG2_setEvent,number", input[INPUT_THROTTLE2]);
    set_double("L:ENG_setEventMin,number", input[INPUT_THROTTLE_CUT]);
    set_double("L:ENG_setEventDec,number", input[INPUT_THROTTLE_DECR]);
    set_double("L:ENG_setEventInc,number", input[INPUT_THROTTLE_INCR_SMALL]);
    set_double("L:ENG_setEventFull,number", input[INPUT_THROTTLE_FULL]);
    for (const char* counter : {"L:ENG1_axisEvent_counter,number", "L:ENG2_axisEvent_counter,number",
                                "L:ENG1_setEvent_counter,number", "L:ENG2_setEvent_counter,number",
                                "L:ENG_setEventMin_counter,number", "L:ENG_setEventDec_counter,number",
                                "L:ENG_setEventInc_counter,number", "L:ENG_setEventFull_counter,number"})
        set_int(counter, 0);
    set_double("L:ENG1thrpos_user,number", state.engines.throttleDemand[0]);
    set_double("L:ENG2thrpos_user,number", state.engines.throttleDemand[1]);
    set_double("L:ENG1thrpos_FS,number", state.simdata.simThrottlePercent[0]);
    set_double("L:ENG2thrpos_FS,number", state.simdata.simThrottlePercent[1]);
    set_double("L:ENG1thrpos_FS_new,number", state.engines.throttleSent[0]);
    set_double("L:ENG2thrpos_FS_new,number", state.engines.throttleSent[1]);
}

const char* on_off(bool on) { return on ? "ON" : "OFF"; }
const char* in_out(std::uint8_t in) { return in == 1 ? "IN" : "OUT"; }

}  // namespace

// ---- switch operations -------------------------------------------------------------------

void setApPower(std::uint8_t on) {
    ap().apPowerOn = flag(on);
    if (ap().apPowerOn == 1 && (get_int("L:GEN1OnOffPos, number") == 1 || get_int("L:GEN2OnOffPos, number") == 1)) {
        set_int("L:ApReadyLight_TimerCall, bool", 1);
        ap().apReadyTimerArmed = 1;
    }
}

void setApEngage(std::uint8_t on) {
    ap().apEngaged = flag(on);
    if (ap().apEngaged == 1) {
        if (ap().apReadyLit != 1 || !any_channel_in()) return;
        set_int(CUR_PITCH_SET, whole_pitch());
        key(KEY_AP_ON, 1);
        set_int(ENGAGE_SWITCH.position, 1);
        setApInLight(1);
        setApReadyLight(0);
    } else {
        key(KEY_AP_OFF, 1);
        if (ap().apPowerOn == 1) {
            setApInLight(0);
            setApReadyLight(1);
        }
    }
}

void setApTrack(std::uint8_t on) {
    ap().apTrackOn = flag(on);
    if (ap().apTrackOn == 1 && ap().apAileronIn == 1) {
        set_int(TRACK_SWITCH.position, 1);
        key(KEY_NAV1_HOLD_ON, 1);
    } else {
        key(KEY_NAV1_HOLD_OFF, 1);
        set_pair(TRACK_SWITCH, 0);
    }
}

void setApHeading(std::uint8_t on) {
    ap().apHeadingOn = flag(on);
    if (ap().apHeadingOn == 1 && ap().apAileronIn == 1) {
        set_int(HDG_SWITCH.position, 1);
        key(KEY_HEADING_HOLD_ON, 1);
    } else {
        key(KEY_HEADING_HOLD_OFF, 1);
        set_pair(HDG_SWITCH, 0);
    }
}

void setApGlide(std::uint8_t on) {
    ap().apGlideOn = flag(on);
    if (ap().apGlideOn == 1 && ap().apAileronIn == 1 && ap().apElevatorIn == 1) {
        setApAltitude(0);
        key(KEY_APPROACH_HOLD_ON, 1);
        set_int(GLIDE_SWITCH.position, 1);
    } else {
        key(KEY_APPROACH_HOLD_OFF, 1);
        if (ap().apTrackOn == 1) key(KEY_NAV1_HOLD_ON, 1);
        set_pair(GLIDE_SWITCH, 0);
    }
}

void setApBomb(std::uint8_t on) {
    ap().apBombOn = flag(on);
    if (ap().apBombOn == 1) resetAutopilot();
}

void setApAltitude(std::uint8_t on) {
    ap().apAltitudeOn = flag(on);
    if (ap().apAltitudeOn == 1 && ap().apElevatorIn == 1) {
        key(KEY_ALTITUDE_HOLD_ON, 1);
        key(KEY_ALTITUDE_REFERENCE_SET, static_cast<std::uint32_t>(truncate_i32(read_token(TOKEN_ALTITUDE))));
        set_int(ALT_SWITCH.position, 1);
    } else {
        key(KEY_ALTITUDE_HOLD_OFF, 0);
        set_pair(ALT_SWITCH, 0);
        // The pitch channel then holds the attitude the aircraft has as ALT drops.
        set_int(CUR_PITCH_SET, whole_pitch());
    }
}

void setApChannel(ApChannel channel, std::uint8_t on) {
    std::uint8_t* in = channel == AP_RUDDER ? &ap().apRudderIn
                       : channel == AP_AILERON ? &ap().apAileronIn
                                               : &ap().apElevatorIn;
    *in = flag(on);
    const SwitchPair& s = CHANNEL_SWITCHES[channel == AP_RUDDER ? 0 : channel == AP_AILERON ? 1 : 2];
    if (*in == 1) set_int(s.position, 1);
    else set_pair(s, 0);
}

void setApAirspeedHold(std::uint8_t on) {
    ap().apAirspeedHoldOn = flag(on);
    if (ap().apAirspeedHoldOn == 1) {
        key(KEY_AIRSPEED_HOLD_TOGGLE, 1);
        set_int("L:AP_ATHR, bool", 1);
    } else {
        set_int("L:AP_ATHR, bool", 0);
        key(KEY_AIRSPEED_HOLD_TOGGLE, 1);
    }
}

void setApReadyLight(std::uint8_t on) {
    ap().apReadyLit = flag(on);
    set_int("L:ApReadyLight_OnOff, bool", ap().apReadyLit);
}

void setApInLight(std::uint8_t on) {
    ap().apInLit = flag(on);
    set_int("L:ApInLight_OnOff, bool", ap().apInLit);
}

void resetAutopilot() {
    setApPower(0);
    setApEngage(0);
    setApTrack(0);
    setApGlide(0);
    setApBomb(0);
    setApAltitude(0);
    setApChannel(AP_RUDDER, 0);
    setApChannel(AP_AILERON, 0);
    setApChannel(AP_ELEVATOR, 0);
    setApReadyLight(0);
    setApInLight(0);
}

void reset_autopilot_working_values() {
    ap().bankLaw = {8.0, 10.0, 2000.0, 1000.0, 31000.0};
    ap().pitchLaw = {2.0, 10.0, 2000.0, 1000.0, 32767.0};
    resetAutopilot();
    setApChannel(AP_AILERON, 1);
    setApChannel(AP_ELEVATOR, 1);
    setApChannel(AP_RUDDER, 1);
    ap().apReadyTimerArmed = 0;
    ap().apReadyTimerStarted = 0;
}

void reset_pitch_selector() {
    ap().pitchKnobHeld = 0;
    ap().pitchTimerStarted = 0;
    ap().pitchKnobDue = 0;
    ap().pitchKnobLastTick = 0;
}

// ---- the supervision ---------------------------------------------------------------------

void autopilotFrame() {
    sample_roll_rate();
    ready_warm_up();
    inverter_2_watch();
    channel_supervision();

    const bool master = get_int("A:AUTOPILOT MASTER, bool") == 1;
    channel_engaged_flags(master);

    const bool altitude_lock = get_int("A:AUTOPILOT ALTITUDE LOCK, bool") == 1;
    const bool approach_hold = get_int("A:AUTOPILOT APPROACH HOLD, bool") == 1;
    const bool heading_lock = get_int("A:AUTOPILOT HEADING LOCK, bool") == 1;
    const std::int32_t heading_dir = get_int("A:AUTOPILOT HEADING LOCK DIR, degrees");
    const bool nav1_lock = get_int("A:AUTOPILOT NAV1 LOCK, bool") == 1;
    const bool push_button = get_int("L:Autopilot_PushButton, bool") == 1;

    // The heading push button waits while a heading is still being held.
    if (push_button && !heading_lock) {
        if (ap().apTrackOn != 1) setApHeading(1);
        set_int("L:Autopilot_PushButton, bool", 0);
    }
    // Heading-select drops out once the selected heading is reached (north as 0 or 360).
    if (heading_lock && compass(truncate_i32(read_token(TOKEN_HEADING))) == compass(heading_dir)) setApHeading(0);

    if (master && !altitude_lock && !approach_hold && ap().apElevatorIn == 1) {
        ap().pitchSetCache = get_int(CUR_PITCH_SET);
        pitchTrimLaw(ap().pitchSetCache);
    }
    if (master && !heading_lock && !nav1_lock && ap().apAileronIn == 1) bankHoldLaw(bankTargetFromSelector());

    throttle_diagnostics();
}

// ---- click actions -----------------------------------------------------------------------

void ap_aileron_switch_click() {
    toggle_switch(CHANNEL_SWITCHES[1], [](std::uint8_t on) { setApChannel(AP_AILERON, on); });
}
void ap_elevator_switch_click() {
    toggle_switch(CHANNEL_SWITCHES[2], [](std::uint8_t on) { setApChannel(AP_ELEVATOR, on); });
}
void ap_rudder_switch_click() {
    toggle_switch(CHANNEL_SWITCHES[0], [](std::uint8_t on) { setApChannel(AP_RUDDER, on); });
}
void ap_alt_switch_click() { toggle_switch(ALT_SWITCH, setApAltitude); }
void ap_bomb_switch_click() { toggle_switch(BOMB_SWITCH, setApBomb); }
void ap_glide_switch_click() { toggle_switch(GLIDE_SWITCH, setApGlide); }
void ap_track_switch_click() { toggle_switch(TRACK_SWITCH, setApTrack); }
void ap_rdu_dimmer_click() { toggle_switch(RDU_DIM_SWITCH, nullptr); }
void ap_slip_dimmer_click() { toggle_switch(SLIP_DIM_SWITCH, nullptr); }
void ap_airspeed_hold_click() { toggle_switch(ATHR_CLICKSPOT, setApAirspeedHold); }
void ap_nav_gps_click() { key(KEY_GPS_NAV_TOGGLE, 1); }

void ap_power_switch_click() {
    if (get_int(POWER_SWITCH.position) > 0) {
        set_pair(POWER_SWITCH, 0);
        setApPower(0);
        setApEngage(0);
        setApReadyLight(0);
        // With the power gone the IN indicator drops as well (disengaging leaves it to POWER).
        setApInLight(0);
        set_int("L:ApReadyLight_setFalse, bool", 1);
    } else {
        set_pair(POWER_SWITCH, 1);
        setApPower(1);
    }
}

void ap_engage_switch_click() {
    if (get_int(ENGAGE_SWITCH.position) > 0) {
        set_pair(ENGAGE_SWITCH, 0);
        if (ap().apPowerOn == 1) {
            setApEngage(0);
            setApReadyLight(1);
        }
    } else {
        set_pair(ENGAGE_SWITCH, 1);
        if (ap().apPowerOn == 1) {
            setApEngage(1);
            setApReadyLight(0);
            ap().pitchSetCache = whole_pitch();
        }
    }
}

void autopilot_reset_click() {
    if (get_int("L:APresetOnOff, number") > 0) {
        set_int("L:APresetOnOff, number", 0);
    } else {
        set_int("L:APresetOnOff, number", 1);
        resetAutopilot();
    }
}

void heading_push_button() { set_int("L:Autopilot_PushButton, bool", 1); }

// ---- displays ----------------------------------------------------------------------------

bool ap_track_switch_up() { return get_int(TRACK_SWITCH.position) == 1 || ap().apTrackOn == 1; }
bool ap_power_switch_up() { return get_int(POWER_SWITCH.position) == 1 || ap().apPowerOn == 1; }
bool ap_glide_switch_up() {
    const bool up = get_int(GLIDE_SWITCH.position) == 1 || get_int("A:AUTOPILOT APPROACH HOLD, bool") == 1 ||
                    ap().apGlideOn == 1;
    // An approach hold engaged by other means is judged again every time it shows.
    if (up) setApGlide(1);
    return up;
}
bool ap_engage_switch_up() {
    return get_int(ENGAGE_SWITCH.position) == 1 || get_int("A:AUTOPILOT MASTER, bool") == 1 || ap().apEngaged == 1;
}
bool ap_bomb_switch_up() { return get_int(BOMB_SWITCH.position) == 1 || ap().apBombOn == 1; }
bool ap_alt_switch_up() {
    return get_int(ALT_SWITCH.position) == 1 || get_int("A:AUTOPILOT ALTITUDE LOCK, bool") == 1 ||
           ap().apAltitudeOn == 1;
}
bool ap_rudder_switch_up() { return get_int(CHANNEL_SWITCHES[0].position) == 1 || ap().apRudderIn == 1; }
bool ap_aileron_switch_up() { return get_int(CHANNEL_SWITCHES[1].position) == 1 || ap().apAileronIn == 1; }
bool ap_elevator_switch_up() { return get_int(CHANNEL_SWITCHES[2].position) == 1 || ap().apElevatorIn == 1; }
bool ap_in_indicator_shown() {
    const bool shown = get_int("A:AUTOPILOT MASTER, bool") == 1 && ap().apInLit == 1;
    set_int("L:Autopilot_engaged_VC, bool", shown ? 1 : 0);
    return shown;
}
bool ap_ready_indicator_shown() {
    const bool shown = ap().apReadyLit == 1;
    set_int("L:ApReadyLight_stat, bool", shown ? 1 : 0);
    return shown;
}
bool ap_slip_dimmer_up() { return get_int(SLIP_DIM_SWITCH.position) == 1; }
bool ap_rdu_dimmer_up() { return get_int(RDU_DIM_SWITCH.position) == 1; }

// ---- tooltips ----------------------------------------------------------------------------

const char* ap_power_text() {
    if (ap().apPowerOn == 1) return ap().apReadyLit == 1 ? "ON" : "WAIT";
    return "OFF";
}
const char* ap_engage_text() { return ap().apEngaged == 1 ? "ENGAGED" : "DISENGAGED"; }
const char* ap_alt_text() { return on_off(ap().apAltitudeOn == 1); }
const char* ap_glide_text() { return on_off(ap().apGlideOn == 1); }
const char* ap_track_text() { return on_off(ap().apTrackOn == 1); }
const char* ap_bomb_text() { return on_off(ap().apBombOn == 1); }
const char* ap_aileron_text() { return in_out(ap().apAileronIn); }
const char* ap_elevator_text() { return in_out(ap().apElevatorIn); }
const char* ap_rudder_text() { return in_out(ap().apRudderIn); }
const char* ap_rdu_dimmer_text() { return on_off(get_int(RDU_DIM_SWITCH.position) == 1); }
const char* ap_slip_dimmer_text() { return on_off(get_int(SLIP_DIM_SWITCH.position) == 1); }
const char* ap_airspeed_hold_text() { return on_off(ap().apAirspeedHoldOn == 1); }
const char* ap_nav_gps_text() { return get_int("A:GPS DRIVES NAV1, bool") == 1 ? "GPS" : "NAV"; }
double ap_alt_reference_feet() { return read_token(TOKEN_AP_ALTITUDE); }
double ap_track_reference_degrees() { return read_token(TOKEN_TRACK); }

// ---- selectors ---------------------------------------------------------------------------

void bank_selector_up() {
    std::int32_t position = get_int("L:bankSelPos, number");
    if (position < BANK_POSITIONS - 1) {
        ++position;
        set_int("L:bankSelPos, number", position);
    }
    set_bank_mirrors(position);
}

void bank_selector_down() {
    std::int32_t position = get_int("L:bankSelPos, number");
    if (position > 0) {
        --position;
        set_int("L:bankSelPos, number", position);
    }
    set_bank_mirrors(position);
}

std::int32_t bankTargetFromSelector() {
    const std::int32_t position = get_int("L:bankSelPos, number");
    if (position >= 0 && position < BANK_POSITIONS) ap().bankTarget = BANK_TABLE[position].target;
    set_int("L:selBank, bool", ap().bankTarget);
    return ap().bankTarget;
}

namespace {

// A press holds the selector, a release lets it go; every accepted event moves it.
void pitch_knob_held_from(std::uint32_t flags) {
    if ((flags & PRESS) != 0) ap().pitchKnobHeld = 1;
    if ((flags & RELEASE) != 0) ap().pitchKnobHeld = 0;
    set_int("L:pitchKnobChange, bool", ap().pitchKnobHeld);
}

// One degree more or less of pitch reference (a reference written from outside at the end
// of the number range stays there).
void step_pitch_reference(std::int32_t by) {
    set_int(CUR_PITCH_SET, truncate_i32(static_cast<double>(get_int(CUR_PITCH_SET)) + by));
}

}  // namespace

void pitch_selector_up(std::uint32_t flags) {
    pitch_knob_held_from(flags);
    std::int32_t position = get_int("L:pitchSelPos, number");
    if (position < 2) {
        ++position;
        set_int("L:pitchSelPos, number", position);
    }
    if (position == 2) step_pitch_reference(+1);
}

void pitch_selector_down(std::uint32_t flags) {
    pitch_knob_held_from(flags);
    std::int32_t position = get_int("L:pitchSelPos, number");
    if (position > 0) {
        --position;
        set_int("L:pitchSelPos, number", position);
    }
    if (position == 0) step_pitch_reference(-1);
}

double pitch_selector_icon() {
    std::int32_t position = get_int("L:pitchSelPos, number");
    ap().pitchSetCache = get_int(CUR_PITCH_SET);
    const std::uint32_t now = tick();
    if (ap().pitchTimerStarted == 0 || ap().pitchKnobDue > now + PITCH_SPRING_TICKS) {
        ap().pitchKnobDue = now + PITCH_SPRING_TICKS;
        ap().pitchTimerStarted = 1;
    }
    if (now >= ap().pitchKnobDue) {
        // An end released springs back; a position the switch does not have goes to centre.
        if (position < 0 || position > 2 || ((position == 0 || position == 2) && ap().pitchKnobHeld == 0)) {
            position = 1;
            set_int("L:pitchSelPos, number", position);
        }
        ap().pitchKnobDue = now + PITCH_SPRING_TICKS;
    }
    ap().pitchKnobLastTick = truncate_i32(static_cast<double>(now));
    set_int("L:pitchKnob_timer_start, bool", ap().pitchTimerStarted);
    set_double("L:pitchKnobTemp_time_check, number", static_cast<double>(ap().pitchKnobDue));
    set_double("L:pitchKnobTemp_time_cur, number", static_cast<double>(now));
    if (position < 0) return 0.0;
    return position > 2 ? 2.0 : static_cast<double>(position);
}

double autopilot_reset_shown() { return get_int("L:APresetOnOff, number") > 0 ? 1.0 : 0.0; }

namespace {

// The heading bug as whole degrees, 0 to 360 (an outside value is brought round first).
std::int32_t heading_bug() {
    const std::int32_t h = truncate_i32(read_token(TOKEN_HEADING_SELECTOR));
    return h >= 0 && h <= 360 ? h : compass(h);
}

void course_knob_step(std::int32_t delta) {
    const std::int64_t knob64 = static_cast<std::int64_t>(get_int("L:Autopilot_course_knob,number")) + delta;
    std::int32_t knob = knob64 >= 200 || knob64 <= 0 ? 100 : static_cast<std::int32_t>(knob64);
    set_int("L:Autopilot_course_knob,number", knob);
}

// A click is fast within the short window after the last one (a window further ahead than
// that is left from before the clock went back).
bool fast_turn(std::uint32_t now) { return now < ap().headingKnobDue && ap().headingKnobDue <= now + HEADING_FAST_TICKS; }

}  // namespace

void heading_selector_increase() {
    const std::int32_t h = heading_bug();
    const std::uint32_t now = tick();
    const bool fast = fast_turn(now);
    std::int32_t next;
    if (fast) next = (h == 0 || h >= 358) ? 2 : h + 2;
    else next = (h == 0 || h == 360) ? 1 : h + 1;
    key(KEY_HEADING_BUG_SET, static_cast<std::uint32_t>(next));
    course_knob_step(+1);
    ap().headingKnobDue = now + HEADING_FAST_TICKS;
    ap().headingKnobLastTick = truncate_i32(static_cast<double>(now));
}

void heading_selector_decrease() {
    const std::int32_t h = heading_bug();
    const std::uint32_t now = tick();
    const bool fast = fast_turn(now);
    std::int32_t next;
    if (fast) next = (h <= 2) ? 358 : h - 2;
    else next = (h == 0 || h == 360) ? 359 : h - 1;
    ap().headingKnobDue = now + HEADING_FAST_TICKS;
    ap().headingKnobLastTick = truncate_i32(static_cast<double>(now));
    key(KEY_HEADING_BUG_SET, static_cast<std::uint32_t>(next));
    course_knob_step(-1);
}

// ---- per-frame rows ----------------------------------------------------------------------

void update_autopilot_magnetic_indicators() {
    set_int("L:AP_ready_light,bool", ap().apReadyLit == 1 ? 0 : 1);
    set_int("L:AP_engaged_light,bool", ap().apInLit == 1 ? 0 : 1);
}

// The virtual cockpit's copies of READY and IN, also while the 2D panel is closed.
void update_autopilot_light_mirrors() {
    set_int("L:ApReadyLight_stat, bool", ap().apReadyLit == 1 ? 1 : 0);
    set_int("L:Autopilot_engaged_VC, bool", get_int("A:AUTOPILOT MASTER, bool") == 1 && ap().apInLit == 1 ? 1 : 0);
}

void update_elevator_servo_load() {
    std::int32_t load = truncate_i32((static_cast<double>(get_int("A:ELEVATOR DEFLECTION PCT, percent")) + 100.0) / 2.0);
    if (load < 0) load = 0;
    if (load > 100) load = 100;
    set_int("L:APElevServoLoad,number", load);
}

void update_heading_selector_pointer() {
    set_double("L:AP_HeadingSelectorPointer, number", read_token(TOKEN_HEADING_SELECTOR) * 10.0);
}

void update_bank_selector_sync() {
    const std::int32_t position = get_int("L:BankPos, enum");
    if (position < 0 || position >= BANK_POSITIONS) return;
    set_int("L:BankPosVC,number", BANK_TABLE[position].animation);
    set_int("L:bankSelPos,number", position);
}

void update_autopilot_gyro_compass_card() {
    set_double("L:APGyro_compasscard, number", read_token(TOKEN_HEADING) * 10.0);
}

void update_autostabiliser_and_roll_damper() {
    const std::int32_t stabiliser = get_int("L:Gearpan_autosabiliser, enum");
    const std::int32_t coordination = get_int("A:AUTO COORDINATION,bool");
    if ((stabiliser == 0 || stabiliser == 1) && coordination == 1) key(KEY_AUTO_COORDINATION_OFF, 0);
    if (stabiliser == 2 && (state.electrical.inverter1Running == 1 || state.electrical.inverter2Running == 1) &&
        coordination == 0)
        key(KEY_AUTO_COORDINATION_ON, 0);

    const std::int32_t damper = get_int("L:RollDamper_pointer, enum");
    const std::int32_t yaw_damper = get_int("A:AUTOPILOT YAW DAMPER,bool");
    if ((damper == 0 || damper == 1) && yaw_damper == 1) key(KEY_YAW_DAMPER_OFF, 0);
    if (damper == 2 && (state.electrical.inverter2Running == 1 || state.electrical.inverter4Running == 1) &&
        yaw_damper == 0)
        key(KEY_YAW_DAMPER_ON, 1);
}

}  // namespace tarmelon
