// The photoflash lever and doors, the flare jettison switch and flare button, the yoke's
// camera and push-to-transmit buttons, the CDL voice switch and mute lamp, and the tank fire
// button.
#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_window.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/toggle_sync.h"
#include "core/vars.h"
#include "sdk/win32.h"
#include "simlink/connection.h"
#include "simlink/ids.h"
#include "state.h"
#include "systems/lighting/lighting.h"

namespace tarmelon {

namespace {

constexpr char PHOTOFLASH_LEVER[] = "L:Photoflash_lever_POS, bool";
constexpr char TAIL_HOOK[] = "A:TAILHOOK POSITION, percent";
constexpr char FLARE_SWITCH[] = "L:Flare_Switch_POS, number";
constexpr char FLARE_GUARD[] = "L:Tarmelon_Trimpan_flarejetguard,bool";
constexpr char FLARE_LEVER[] = "L:Tarmelon_Trimpan_flarejet,bool";
constexpr char FLARES_ARMED[] = "L:ChaffFlareArm,bool";
constexpr char FLARE_BUTTON[] = "L:FlareButtonSwitch, bool";
constexpr char CAMERA[] = "L:Tarmelon_Yoke_Camera,bool";
constexpr char CAMERA_GUARD[] = "L:Tarmelon_Yoke_CameraGuard,bool";
constexpr char PUSH_TO_TRANSMIT[] = "L:Tarmelon_Yoke_PushTransmit,bool";
constexpr char CDL_POSITION[] = "L:CDLVoiceSwitch_POS, number";
constexpr char CDL_MASTER[] = "L:Tarmelon_Trimpan_cdlvoice, number";

constexpr std::uint32_t OUTPUT_FLARES = 5;
constexpr std::uint32_t OUTPUT_FLARES_2 = 6;
constexpr std::uint32_t OUTPUT_CAMERA = 9;
constexpr std::uint32_t KEY_TANK_FIRE = 66826;
constexpr std::uint32_t KEY_PUSH_TO_TRANSMIT = 65564;

constexpr UINT_PTR FLARE_BUTTON_TIMER = 4;
constexpr UINT FLARE_BUTTON_PERIOD_MS = 3000;

std::uint32_t seconds() { return truncate_u32(read_token(TOKEN_SECONDS)); }
std::int32_t tail_hook_percent() { return get_int(TAIL_HOOK); }

void CALLBACK flare_button_timer(HWND, UINT, UINT_PTR, DWORD) { set_int(FLARE_BUTTON, 0); }

// The button returns to 0 on a timer of the simulator's window; without the window no
// timer is set (a thread timer would outlive the module and fire into it once unloaded),
// and the button stays in until pressed again.
void start_flare_button_timer() {
    HWND window = simulator_window();
    if (window == nullptr) return;
    SetTimer(window, FLARE_BUTTON_TIMER, FLARE_BUTTON_PERIOD_MS, flare_button_timer);
}

// The flare switch's guard and lever as the virtual cockpit shows them, from the position.
void write_flare_mirrors(std::int32_t position) {
    if (position < 0 || position > 2) return;
    set_int(FLARE_GUARD, position >= 1 ? 1 : 0);
    set_int(FLARE_LEVER, position == 2 ? 1 : 0);
}

void cdl_voice_write(std::int32_t position) {
    set_int(CDL_POSITION, position);
    set_int(CDL_MASTER, position);
}

}  // namespace

// ---- photoflash ---------------------------------------------------------------------

void photoflash_lever() {
    const bool commands = state.electrical.dcPowerAvailable == 1 && state.hydraulics.mainPressureLost == 0;
    const bool open = get_int(PHOTOFLASH_LEVER) < 1;
    if (commands) {
        state.lighting.photoflashCommand = open ? 1.0 : 0.0;
        transmit_event(EV_SET_TAIL_HOOK_HANDLE, truncate_i32(state.lighting.photoflashCommand));
    }
    set_int(PHOTOFLASH_LEVER, open ? 1 : 0);
}

void set_photoflash_command(std::int32_t value) { state.lighting.photoflashCommand = value; }

double photoflash_indicator_frame() {
    const std::int32_t h = tail_hook_percent();
    set_int("L:PhotoflashOff, bool", h == 0 ? 1 : 0);
    set_int("L:PhotoflashOn, bool", h == 100 ? 1 : 0);
    set_int("L:PhotoflashTransit, bool", h != 0 && h != 100 ? 1 : 0);
    if (h == 0) return 0.0;
    if (h != 100) return 2.0;
    // Doors fully open: the logo light goes out (the strobe mapping leaves it alone
    // meanwhile), one toggle at a time.
    if (toggle_needed(state.lighting.logoToggleWait, false, get_int("A:LIGHT LOGO ON,bool") == 1))
        host_trigger_key_event(KEY_LOGO_LIGHTS_TOGGLE, 1);
    return 1.0;
}

// ---- flares -------------------------------------------------------------------------

void flare_jettison_click(bool right) {
    const std::int32_t p = get_int(FLARE_SWITCH);
    std::int32_t now = p;
    if (!right && p == 1) now = 2;
    if (right && p == 0) now = 1;
    if (right && p == 1) now = 0;
    if (now != p) set_int(FLARE_SWITCH, now);
    write_flare_mirrors(now);
}

void flare_jettison_guard_vc() {
    if (get_int(FLARE_GUARD) != 0) {
        set_int(FLARE_GUARD, 0);
        set_int(FLARE_SWITCH, 0);
    } else {
        set_int(FLARE_GUARD, 1);
        set_int(FLARE_SWITCH, 1);
    }
}

void flare_jettison_lever_vc() { set_int(FLARE_LEVER, get_int(FLARE_LEVER) != 0 ? 0 : 1); }

double flare_switch_frame() {
    SecondsClock& clock = state.lighting.flareClock;
    clock.last = seconds();
    if (clock.armed == 0) {
        clock.deadline = clock.last + 2;
        clock.armed = 1;
    }
    std::int32_t position = get_int(FLARE_SWITCH);
    if (clock.last >= clock.deadline) {
        if (position == 2) {
            position = 1;
            set_int(FLARE_SWITCH, 1);
            set_int(FLARE_LEVER, 0);
        }
        clock.deadline = clock.last + 2;
    }
    if (position < 0) return 0.0;
    return position > 2 ? 2.0 : static_cast<double>(position);
}

// The position follows the guard and lever as the virtual cockpit moves them; a position
// written straight to its variable (a restored panel state, a preset) sets the guard and
// lever instead, so that the next frame does not undo it.
void derive_flare_jettison_position() {
    LightingState& s = state.lighting;
    std::int32_t lever = get_int(FLARE_LEVER);
    std::int32_t guard = get_int(FLARE_GUARD);
    std::int32_t position = get_int(FLARE_SWITCH);
    const bool seen = (s.derivationsSeen & 2) != 0;
    const bool mirrors_moved = seen && (lever != s.flareLeverSeen || guard != s.flareGuardSeen);
    if (mirrors_moved || !seen) {
        if (lever == 0 && guard == 0) position = 0;
        else if (lever == 0 && guard == 1) position = 1;
        else if (lever == 1 && guard == 1) position = 2;
        set_int(FLARE_SWITCH, position);
    } else if (position != s.flarePositionSeen && position >= 0 && position <= 2) {
        write_flare_mirrors(position);
        guard = position >= 1 ? 1 : 0;
        lever = position == 2 ? 1 : 0;
    }
    s.flareLeverSeen = lever;
    s.flareGuardSeen = guard;
    s.flarePositionSeen = position;
    s.derivationsSeen |= 2;
}

void update_chaff_flare_output() {
    if (get_int(FLARES_ARMED) != 1) return;
    const std::int32_t guard = get_int(FLARE_GUARD);
    if (guard == 1) host_trigger_key_event(KEY_SMOKE_ON, OUTPUT_FLARES);
    else if (guard == 0) host_trigger_key_event(KEY_SMOKE_OFF, OUTPUT_FLARES);
}

void update_cdl_voice_and_flare_switches() {
    update_cdl_voice_mirror();
    update_chaff_flare_output();
}

void flare_button() {
    const std::int32_t a = get_int(FLARE_BUTTON);
    if (a == 0) {
        set_int(FLARE_BUTTON, 1);
        start_flare_button_timer();
        if (get_int("L:ChaffFlareArm, bool") == 1) {
            host_trigger_key_event(KEY_SMOKE_ON, OUTPUT_FLARES);
            host_trigger_key_event(KEY_SMOKE_ON, OUTPUT_FLARES_2);
        }
    } else if (a == 1) {
        set_int(FLARE_BUTTON, 0);
        host_trigger_key_event(KEY_SMOKE_OFF, OUTPUT_FLARES);
        host_trigger_key_event(KEY_SMOKE_OFF, OUTPUT_FLARES_2);
    }
}

// ---- yoke ---------------------------------------------------------------------------

bool camera_guard() {
    if (get_int(CAMERA) != 0) return false;
    const std::int32_t guard = get_int(CAMERA_GUARD);
    if (guard != 0 && guard != 1) return false;
    set_int(CAMERA_GUARD, guard == 0 ? 1 : 0);
    return true;
}

bool camera_button() {
    const std::int32_t c = get_int(CAMERA);
    const std::int32_t g = get_int(CAMERA_GUARD);
    const std::int32_t h = tail_hook_percent();
    bool moved = false;
    if (c == 0 && g == 1) {
        set_int(CAMERA, 1);
        moved = true;
    }
    if (h > 70) host_trigger_key_event(KEY_SMOKE_ON, OUTPUT_CAMERA);
    if (c == 1 && g == 1) {
        set_int(CAMERA, 0);
        moved = true;
    }
    return moved;
}

void push_to_transmit() {
    const std::int32_t p = get_int(PUSH_TO_TRANSMIT);
    if (p != 0 && p != 1) return;
    set_int(PUSH_TO_TRANSMIT, p == 0 ? 1 : 0);
    host_trigger_key_event(KEY_PUSH_TO_TRANSMIT, 0);
}

// ---- CDL and tank fire --------------------------------------------------------------

void cdl_voice_upper() {
    const std::int32_t p = get_int(CDL_POSITION);
    if (p > 0) cdl_voice_write(p > 2 ? 2 : p - 1);
}

void cdl_voice_lower() {
    const std::int32_t p = get_int(CDL_POSITION);
    if (p < 2) cdl_voice_write(p < 0 ? 0 : p + 1);
}

void toggle_cdl_light_test() {
    set_int("L:CDL_mute_light_press, bool", get_int("L:CDL_mute_light_press, bool") > 0 ? 0 : 1);
}

double cdl_mute_lamp_frame() {
    const bool lit = state.electrical.dcPowerAvailable == 1 &&
                     (get_int("L:CDL_mute_light_press, number") == 1 || get_int(CDL_POSITION) == 0);
    set_int("L:Trimpan_CDLmuteon, bool", lit ? 1 : 0);
    return lit ? 1.0 : 0.0;
}

// The trim panel's variable is the master the virtual cockpit sets; a position written
// straight to the switch's variable (the initial state's 2, a restored panel state, a
// preset) becomes the master's value, rather than being replaced by it on the next frame.
void update_cdl_voice_mirror() {
    LightingState& s = state.lighting;
    const std::int32_t position = get_int(CDL_POSITION);
    if ((s.derivationsSeen & 1) == 0 || position != s.cdlVoiceSeen) {
        set_int(CDL_MASTER, position);
        s.cdlVoiceSeen = position;
    } else {
        const std::int32_t master = get_int(CDL_MASTER);
        if (master >= 0 && master <= 2 && master != position) {
            set_int(CDL_POSITION, master);
            s.cdlVoiceSeen = master;
        }
    }
    s.derivationsSeen |= 1;
}

void tank_fire_button() {
    set_int("L:Tank_fire,bool", get_int("L:Tank_fire,bool") != 0 ? 0 : 1);
    host_trigger_key_event(KEY_TANK_FIRE, 0);
}

}  // namespace tarmelon
