#include "avionics/navcom.h"

#include <cmath>
#include <cstdio>

#include "avionics/radio_power.h"
#include "core/codecs.h"
#include "core/host.h"
#include "core/numeric.h"
#include "core/sim_keys.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

const MemoryRadio COM2_MEMORY = {"COM2", "COM2_TYPE", "L:com_indexNum, number", "L:comType_indexNum, number",
                                 KEY_COM2_FREQUENCY_SET, StationKind::COM};
const MemoryRadio NAV2_MEMORY = {"NAV2", "NAV2_TYPE", "L:nav_indexNum, number", "L:navType_indexNum, number",
                                 KEY_NAV2_FREQUENCY_SET, StationKind::NAV};

namespace {

NavcomState& unit() { return state.navcom; }

// The menus and their items, as the display prints them.
struct Menu {
    const char* title;
    const char* items[8];
    std::int32_t count;
};
constexpr Menu MENUS[] = {
    {"System Info", {"Software Versions", "Low Display Intensity", "High Display Intensity"}, 3},
    {"Nav Options", {"Nav Audio Level", "Nav/Com Mix Level", "Additional CDI Info", "Display Ident over OBS"}, 4},
    {"Comm Options",
     {"RF Signal Level", "Com Noise Level", "Mic1 Squelch", "Mic2 Squelch", "Transmit Using...", "Intercom Level",
      "Sidetone Level", "Headphone Level"},
     8},
    {"VOR Equipment Test", {"Date of Last Test", "Type of VOR Test", "Location", "Bearing Error", "First Name", "Last Name"}, 6},
};
constexpr std::int32_t MENU_COUNT = 4;

constexpr std::uint32_t ENTER_TIMER_DELAYS[4] = {1, 2, 2, 2};

void send(std::uint32_t key, std::uint32_t parameter = 1) { host_trigger_key_event(key, parameter); }

// A two-state knob or button picture: off when the first is above 0, else both on.
void toggle_pair(const char* variable, const char* twin) {
    if (get_int(variable) > 0) {
        set_int(variable, 0);
        if (twin != nullptr) set_int(twin, 0);
    } else {
        set_int(variable, 1);
        if (twin != nullptr) set_int(twin, 1);
    }
}
// The knob halves move only the first of their pair back.
void knob_pair(const char* variable, const char* twin) {
    if (get_int(variable) > 0) {
        set_int(variable, 0);
    } else {
        set_int(variable, 1);
        set_int(twin, 1);
    }
}

bool any_store() { return unit().comStoreMode != 0 || unit().navStoreMode != 0; }
bool any_recall() { return unit().comRecallMode != 0 || unit().navRecallMode != 0; }

void reset_cursor() {
    unit().recallSlot = 1;
    unit().typeSelection = 1;
}

// floor(kHz / 10) / 100 of a BCD frequency token.
double token_mhz(std::int32_t token) {
    const std::int32_t khz = bcd_to_khz(truncate_i32(read_token(token)));
    return std::floor(khz / 10.0) / 100.0;
}

bool wraps_up(std::int32_t& value, std::int32_t top) {
    value = value >= top ? 1 : value + 1;
    return true;
}
bool wraps_down(std::int32_t& value, std::int32_t top) {
    value = value <= 1 ? top : value - 1;
    return true;
}

void large_knob(bool up) {
    NavcomState& s = unit();
    if (up) knob_pair("L:SL30_RKNOB_L_Inc, bool", "L:SL30_RKNOB_L_Inc_POS, bool");
    else knob_pair("L:SL30_RKNOB_L_Dec, bool", "L:SL30_RKNOB_L_Dec_POS, bool");
    if (any_store() || any_recall()) return;
    if (s.sl30ObsMode != 0) {
        send(up ? KEY_VOR2_OBS_INC : KEY_VOR2_OBS_DEC);
    } else if (s.sl30MenuLevel == 0 && s.sl30SubMenuLevel == 0) {
        if (s.sl30ComMode != 0) send(up ? KEY_COM2_WHOLE_INC : KEY_COM2_WHOLE_DEC);
        else if (s.sl30NavMode != 0) send(up ? KEY_NAV2_WHOLE_INC : KEY_NAV2_WHOLE_DEC);
    } else if (s.sl30MenuLevel != 0) {
        if (up && s.sl30MenuIndex <= MENU_COUNT - 1) ++s.sl30MenuIndex;
        if (!up && s.sl30MenuIndex >= 2) --s.sl30MenuIndex;
    } else {
        const std::int32_t menu = s.sl30SubMenuSelector;
        if (menu < 1 || menu > MENU_COUNT) return;
        std::int32_t& item = s.sl30SubMenuItem[menu];
        if (up && item <= MENUS[menu - 1].count - 1) ++item;
        if (!up && item >= 2) --item;
    }
}

void small_knob(bool up) {
    NavcomState& s = unit();
    if (up) knob_pair("L:SL30_RKNOB_S_Inc, bool", "L:SL30_RKNOB_S_Inc_POS, bool");
    else knob_pair("L:SL30_RKNOB_S_Dec, bool", "L:SL30_RKNOB_S_Dec_POS, bool");
    if (!any_store() && !any_recall()) {
        if (s.sl30ObsMode != 0) {
            const std::int32_t obs = truncate_i32(read_token(TOKEN_VOR2_COURSE));
            std::int32_t next = 0;
            if (up) next = obs == 0 || obs == 360 ? 1 : obs + 1;
            else next = obs == 0 || obs == 360 ? 359 : obs - 1;
            send(KEY_VOR2_COURSE_SET, static_cast<std::uint32_t>(next));
        } else if (s.sl30ComMode != 0) {
            send(up ? KEY_COM2_FRACT_INC : KEY_COM2_FRACT_DEC);
        } else if (s.sl30NavMode != 0) {
            send(up ? KEY_NAV2_FRACT_INC : KEY_NAV2_FRACT_DEC);
        }
    } else if (any_store()) {
        const std::int32_t top = station_type_count(s.comStoreMode != 0 ? StationKind::COM : StationKind::NAV);
        if (s.typeSelection < 1 || s.typeSelection > top) s.typeSelection = 1;
        else if (up) wraps_up(s.typeSelection, top);
        else wraps_down(s.typeSelection, top);
    } else {
        if (s.recallSlot < 1 || s.recallSlot > MEMORY_SLOTS) s.recallSlot = 1;
        else if (up) wraps_up(s.recallSlot, MEMORY_SLOTS);
        else wraps_down(s.recallSlot, MEMORY_SLOTS);
    }
}

// The radio whose memory a store or a recall works on.
const MemoryRadio& memory_of(bool com) { return com ? COM2_MEMORY : NAV2_MEMORY; }
MemoryCursor& cursor_of(bool com) { return com ? unit().comMemory : unit().navMemory; }

void power_rule() {
    NavcomState& s = unit();
    follow_dc_power(s.sl30PowerOn, s.sl30AutoPowerLatch);
}

// Course deviation bars: right of centre 9 (smallest) to 5 (largest), left 14 (inner) to
// 10 (outermost), in steps of 25.4 units; a full-scale deflection shows "+" (30) for the
// centre mark (4).
void deviation(NavcomVisibility& v, double d) {
    v.hide(5, 14);
    v.hide(29);
    v.hide(31, 34);
    if (d > 0) {
        if (d >= 127) {
            v.show(30);
            v.show(5);
            v.hide(4);
        } else if (d > 101.6) v.show(5);
        else if (d > 76.2) v.show(6);
        else if (d > 50.8) v.show(7);
        else if (d > 25.4) v.show(8);
        else if (d > 5) v.show(9);
        if (unit().sl30ToFromMode != 0) {
            v.show(25);
            v.hide(24);
        }
    } else if (d < 0) {
        if (d <= -127) {
            v.show(30);
            v.show(10);
            v.hide(4);
        } else if (d < -101.6) v.show(10);
        else if (d < -76.2) v.show(11);
        else if (d < -50.8) v.show(12);
        else if (d < -25.4) v.show(13);
        else if (d < -5) v.show(14);
        if (unit().sl30ToFromMode != 0) {
            v.hide(25);
            v.show(24);
        }
    }
    // A centred needle (d = 0) shows no bar: the one of the last deflection is gone too.
}

void display(NavcomVisibility& v) {
    const NavcomState& s = unit();
    v.show_if(15, s.sl30EnterStatus != 0);
    v.show_if(16, s.sl30IdentOn != 0);
    v.show_if(17, s.sl30ObsMode != 0);
    v.show_if(18, s.sl30SystemMenu != 0);
    v.show_if(19, s.sl30NavMode != 0);
    v.show_if(20, s.sl30ComMode != 0);
    if (s.sl30SystemMenu != 0) {
        v.hide(4, 17);
        v.hide(19);
        v.hide(20);
        v.hide(23, 34);
        if (s.sl30MenuLevel != 0) {
            v.hide(21);
            v.show(22);
            v.show(15);
        } else if (s.sl30SubMenuLevel != 0) {
            v.show(21);
            v.hide(22);
        }
        return;
    }
    v.hide(21);
    v.hide(22);
    if (s.sl30NavMode != 0) v.show(19);
    else if (s.sl30ComMode != 0) v.show(20);
    v.show(27);
    v.show(28);
    v.show(23);
    if (s.sl30ObsMode != 0) {
        v.show(26);
        v.show(4);
        if (read_token(TOKEN_NAV2_SIGNAL) == 0.0) {
            v.show(29);
            v.hide(4, 14);
            v.hide(24);
            v.hide(25);
            v.hide(30, 34);
        } else {
            v.hide(29);
            v.hide(30);
            double d = read_token(TOKEN_NAV2_DEVIATION);
            if (d != d) d = 0.0;
            deviation(v, d);
        }
    } else {
        v.hide(4, 14);
        v.hide(24, 26);
        v.hide(29, 30);
        if (any_store()) {
            v.show(31);
            v.show(33);
            v.hide(32);
            v.hide(34);
        } else if (any_recall()) {
            v.show(32);
            v.show(34);
            v.hide(31);
            v.hide(33);
        } else {
            v.hide(31, 34);
        }
        const bool full = (s.comMemory.freqIndex >= 10 && s.comStoreMode != 0) ||
                          (s.navMemory.freqIndex >= 10 && s.navStoreMode != 0);
        if (full && s.sl30EnterStatus == 1) {
            v.show(31);
            v.hide(4, 14);
            v.hide(24, 25);
            v.hide(29, 30);
            v.hide(32, 34);
        } else {
            v.hide(31);
        }
    }
    if (s.sl30ToFromMode == 0) v.hide(24, 25);
}

void publish() {
    const NavcomState& s = unit();
    set_bool("L:SL30_comWriteStatus, bool", s.comMemory.freqStoreDone);
    set_bool("L:SL30_navWriteStatus, bool", s.navMemory.freqStoreDone);
    set_bool("L:SL30_SelButtonStatus, bool", s.sl30SelectPressed);
    set_bool("L:SL30_COM_Status, bool", s.sl30ComMode);
    set_bool("L:SL30_NAV_Status, bool", s.sl30NavMode);
    set_int("L:SL30_com_indexNum, number", s.comMemory.freqIndex);
    set_int("L:SL30_nav_indexNum, number", s.navMemory.freqIndex);
    set_bool("L:SL30_comStoreMode, bool", s.comStoreMode);
    set_bool("L:SL30_navStoreMode, bool", s.navStoreMode);
    set_bool("L:SL30_comRecallMode, bool", s.comRecallMode);
    set_bool("L:SL30_navRecallMode, bool", s.navRecallMode);
    set_int("L:freqPosSel, number", s.recallSlot);
    set_int("L:freqTypePosSel, number", s.typeSelection);
}

// While an ENT press is pending, four timers in turn; the first to come due puts the ENT
// status out. A timer that never came due keeps its due second for a later press.
void enter_timers() {
    NavcomState& s = unit();
    const std::uint32_t now = truncate_u32(read_token(TOKEN_SECONDS));
    for (int i = 0; i < 4 && s.sl30EnterPending != 0; ++i) {
        EnterTimer& t = s.enterTimers[i];
        if (t.started == 0) {
            t.dueSecond = now + ENTER_TIMER_DELAYS[i];
            t.started = 1;
        }
        if (now >= t.dueSecond) {
            s.sl30EnterStatus = 0;
            s.sl30EnterPending = 0;
            t.started = 0;
        }
    }
}

bool com_selected() { return unit().sl30ComMode != 0; }

// The selected radio's standby or active frequency.
double standby_mhz() { return token_mhz(com_selected() ? TOKEN_COM2_STANDBY : TOKEN_NAV2_STANDBY); }

NavcomText text_of(const char* text) {
    NavcomText t{true, {}};
    std::snprintf(t.text, sizeof t.text, "%s", text);
    return t;
}
NavcomText nothing() { return NavcomText{false, {}}; }

}  // namespace

void reset_navcom() {
    NavcomState& s = unit();
    const std::uint8_t latch = s.sl30AutoPowerLatch;
    s = NavcomState{};
    s.sl30AutoPowerLatch = latch;
    s.sl30PowerOn = 1;
    s.sl30ComMode = 1;
    s.sl30MenuIndex = 1;
    for (std::int32_t& item : s.sl30SubMenuItem) item = 1;
    reset_memory_cursor(s.comMemory);
    reset_memory_cursor(s.navMemory);
    s.recallSlot = 1;
    s.typeSelection = 1;
}

void switch_navcom(bool on) { unit().sl30PowerOn = on ? 1 : 0; }

void navcom_power_knob() {
    toggle_pair("L:SL30_LKNOB, bool", nullptr);
    unit().sl30PowerOn = unit().sl30PowerOn != 0 ? 0 : 1;
}

void navcom_flip_flop() {
    const NavcomState& s = unit();
    if (s.sl30PowerOn == 0) return;
    if (s.sl30ComMode != 0) send(KEY_COM2_SWAP);
    else if (s.sl30NavMode != 0) send(KEY_NAV2_SWAP);
}

void navcom_com_button() {
    NavcomState& s = unit();
    if (s.sl30ComMode == 0) {
        s.sl30ComMode = 1;
        s.sl30NavMode = 0;
    }
    if (s.navStoreMode != 0) {
        s.navStoreMode = 0;
        reset_cursor();
    }
    if (s.navRecallMode != 0) {
        s.navRecallMode = 0;
        reset_cursor();
    }
}

void navcom_nav_button() {
    NavcomState& s = unit();
    if (s.sl30NavMode == 0) {
        s.sl30NavMode = 1;
        s.sl30ComMode = 0;
    }
    if (s.comStoreMode != 0) {
        s.comStoreMode = 0;
        reset_cursor();
    }
    if (s.comRecallMode != 0) {
        s.comRecallMode = 0;
        reset_cursor();
    }
}

void navcom_system_button() {
    NavcomState& s = unit();
    if (s.sl30SystemMenu == 0) {
        s.sl30SystemMenu = 1;
        s.sl30MenuLevel = 1;
    } else {
        s.sl30SystemMenu = 0;
        s.sl30MenuLevel = 0;
        s.sl30SubMenuLevel = 0;
    }
}

void navcom_obs_button() { unit().sl30ObsMode = unit().sl30ObsMode != 0 ? 0 : 1; }
void navcom_to_from_button() { unit().sl30ToFromMode = unit().sl30ToFromMode != 0 ? 0 : 1; }

void toggle_nav2_ident() {
    NavcomState& s = unit();
    s.sl30IdentOn = s.sl30IdentOn != 0 ? 0 : 1;
    set_bool("L:SL30_ID_BUTTON, bool", s.sl30IdentOn);
    set_bool("L:GMA340_NAV2_BUTTON, bool", s.sl30IdentOn);
    send(KEY_NAV2_IDENT_TOGGLE);
}

void navcom_ident_button() { toggle_nav2_ident(); }

void navcom_select_button() {
    NavcomState& s = unit();
    toggle_pair("L:SL30_SEL_BUTTON, bool", "L:SL30_SEL_BUTTON_POS, bool");
    s.sl30SelectPressed = 1;
    if (s.sl30SystemMenu != 0) return;
    const bool no_store = !any_store();
    if (s.sl30ComMode != 0 && s.comRecallMode == 0 && no_store) {
        s.comRecallMode = 1;
    } else if (s.sl30ComMode != 0 && s.comRecallMode != 0 && no_store) {
        s.comRecallMode = 0;
        reset_cursor();
    }
    if (s.sl30NavMode != 0 && s.navRecallMode == 0 && no_store) {
        s.navRecallMode = 1;
    } else if (s.sl30NavMode != 0 && s.navRecallMode != 0 && no_store) {
        s.navRecallMode = 0;
        reset_cursor();
    }
    if (s.comStoreMode != 0) {
        s.comStoreMode = 0;
        reset_cursor();
    }
    if (s.navStoreMode != 0) {
        s.navStoreMode = 0;
        reset_cursor();
    }
}

void navcom_enter_button() {
    NavcomState& s = unit();
    toggle_pair("L:SL30_ENT_BUTTON, bool", "L:SL30_ENT_BUTTON_POS, bool");
    s.sl30EnterStatus = s.sl30EnterStatus != 0 ? 0 : 1;
    if (s.sl30MenuLevel != 0) {
        s.sl30SubMenuLevel = 1;
        s.sl30MenuLevel = 0;
    }
    set_bool("L:SL30_SL30_ENT_STATUS, bool", s.sl30EnterStatus);
    if (s.sl30SystemMenu == 0) {
        if (any_store() && !any_recall()) {
            const bool com = s.comStoreMode != 0;
            MemoryCursor& cursor = cursor_of(com);
            const std::int32_t slot = store_frequency(memory_of(com), cursor, com ? s.comActiveMhz : s.navActiveMhz);
            if (slot != 0) {
                (com ? s.comStoreMode : s.navStoreMode) = 0;
                store_station_type(memory_of(com), cursor, slot, s.typeSelection);
            }
        } else if (any_recall() && !any_store()) {
            const bool com = s.comRecallMode != 0;
            recall_frequency(memory_of(com), cursor_of(com), s.recallSlot);
        }
        if (s.sl30ComMode != 0 && s.comRecallMode == 0 && s.comMemory.freqIndex < 10) s.comStoreMode = 1;
        if (s.sl30NavMode != 0 && s.navRecallMode == 0 && s.navMemory.freqIndex < 10) s.navStoreMode = 1;
    }
    s.sl30EnterPending = 1;
}

void navcom_large_knob_down() { large_knob(false); }
void navcom_large_knob_up() { large_knob(true); }
void navcom_small_knob_down() { small_knob(false); }
void navcom_small_knob_up() { small_knob(true); }

NavcomVisibility navcom_frame() {
    NavcomVisibility v{};
    v.set(0, NAVCOM_ELEMENTS - 1, -1);
    power_rule();
    if (unit().sl30PowerOn == 0) v.hide(4, 34);
    else display(v);
    unit().comActiveMhz = token_mhz(TOKEN_COM2_ACTIVE);
    unit().navActiveMhz = token_mhz(TOKEN_NAV2_ACTIVE);
    publish();
    enter_timers();
    return v;
}

bool navcom_icon_lit(int element) {
    const NavcomState& s = unit();
    const bool on = s.sl30PowerOn != 0;
    switch (element) {
        case 4: return s.sl30ObsMode != 0;
        case 15: return on && s.sl30MenuLevel != 0 && s.sl30EnterStatus == 0;
        case 16: return on && s.sl30IdentOn != 0;
        case 17: return on && s.sl30ObsMode != 0;
        case 18: return on && s.sl30SystemMenu != 0;
        case 19: return on && s.sl30NavMode != 0;
        case 20: return on && s.sl30ComMode != 0;
        default: return element >= 5 && element <= 14;
    }
}

NavcomText navcom_text(int element) {
    NavcomState& s = unit();
    const bool on = s.sl30PowerOn != 0;
    switch (element) {
        case 21: {
            if (s.sl30SubMenuLevel == 0) return nothing();
            const std::int32_t menu = s.sl30SubMenuSelector;
            if (menu < 1 || menu > MENU_COUNT) return nothing();
            const std::int32_t item = s.sl30SubMenuItem[menu];
            if (item < 1 || item > MENUS[menu - 1].count) return nothing();
            return text_of(MENUS[menu - 1].items[item - 1]);
        }
        case 22: {
            NavcomText t = nothing();
            if (s.sl30MenuLevel != 0 && s.sl30SystemMenu != 0 && s.sl30MenuIndex >= 1 && s.sl30MenuIndex <= MENU_COUNT) {
                t = text_of(MENUS[s.sl30MenuIndex - 1].title);
                s.sl30SubMenuSelector = s.sl30MenuIndex;
            }
            set_int("L:SL30_SL30_subMenuIndex, number", s.sl30SubMenuSelector);
            return t;
        }
        case 23: return on ? text_of("s") : nothing();
        case 24:
        case 25: {
            if (!on || s.sl30ToFromMode == 0) return nothing();
            const std::int32_t to_from = truncate_i32(read_token(TOKEN_NAV2_TO_FROM));
            if (to_from == 1) return text_of("to");
            if (to_from == 2) return text_of("from");
            return nothing();
        }
        case 26: {
            if (!on || s.sl30ObsMode == 0) return nothing();
            double obs = read_token(TOKEN_VOR2_COURSE);
            if (!(obs >= 0.0 && obs < 999.5)) return text_of("---");
            long degrees = std::lround(obs);
            if (degrees == 0) degrees = 360;
            NavcomText t{true, {}};
            std::snprintf(t.text, sizeof t.text, "%03ld", degrees);
            return t;
        }
        case 27: return on ? text_of(format_mhz(standby_mhz()).text) : nothing();
        case 28: return on ? text_of(format_mhz(com_selected() ? s.comActiveMhz : s.navActiveMhz).text) : nothing();
        case 29: return text_of("---flagged---");
        case 30: return text_of("+");
        case 31: return text_of("Database Full");
        case 32: {
            const bool com = com_selected();
            MemoryCursor& cursor = cursor_of(com);
            const double mhz = read_slot(memory_of(com), cursor, s.recallSlot);
            if (mhz != 0.0) {
                NavcomText t{true, {}};
                std::snprintf(t.text, sizeof t.text, "%s %3s", format_mhz(mhz).text,
                              station_type_name(memory_of(com).kind, cursor.lastType));
                return t;
            }
            return text_of(s.recallSlot <= 1 ? "Memory empty" : "Slot empty");
        }
        case 33: {
            NavcomText t{true, {}};
            std::snprintf(t.text, sizeof t.text, "store as %3s",
                          station_type_name(com_selected() ? StationKind::COM : StationKind::NAV, s.typeSelection));
            return t;
        }
        case 34: {
            NavcomText t{true, {}};
            std::snprintf(t.text, sizeof t.text, "[%02d]", static_cast<int>(s.recallSlot));
            return t;
        }
        default: return nothing();
    }
}

}  // namespace tarmelon
