// Every virtual-cockpit click spot, row by row as the handler's table lists them: each custom
// key event reaches its control (the variable its routine writes, or for a 2D control's click
// anything it does: a variable, a key event, a click sound), and every id in the custom range
// that no click spot sends leaves the cockpit as it was (no variable, no key event, no sound).
// A 2D control's click counts as reached when it changes a variable, sends a key event or
// plays a click sound; a routine's row names the variable it must change.
#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <string>
#include <vector>

#include "scenario.h"

namespace {

enum Kind { LEFT_CLICK, RIGHT_CLICK, ROUTINE, NOTHING };

struct Row {
    std::uint32_t id;
    Kind kind;
    const char* control;  // the 2D tooltip, or the variable the routine moves (checked)
};

// clang-format off
constexpr Row VC_TABLE[] = {
    {69632, LEFT_CLICK,  "Taxi lights"},
    {69633, LEFT_CLICK,  "Navigation lights"},
    {69634, LEFT_CLICK,  "Identification lights (down)"},
    {69635, LEFT_CLICK,  "Identification lights (up)"},
    {69636, LEFT_CLICK,  "External lights master"},
    {69637, LEFT_CLICK,  "Landing lights"},
    {69638, RIGHT_CLICK, "Landing lights"},
    {69639, LEFT_CLICK,  "Aileron Trim (down)"},
    {69640, LEFT_CLICK,  "Aileron Trim (up)"},
    {69641, LEFT_CLICK,  "Photoflash lever"},
    {69648, ROUTINE,     "L:Tarmelon_Trimpan_flarejetguard,bool"},
    {69649, ROUTINE,     "L:Tarmelon_Trimpan_flarejet,bool"},
    {69650, LEFT_CLICK,  "Port engine anti-ice"},
    {69651, LEFT_CLICK,  "Starboard engine anti-ice"},
    {69652, LEFT_CLICK,  "Aileron Trim (down)"},
    {69653, LEFT_CLICK,  "Aileron Trim (up)"},
    {69654, LEFT_CLICK,  "Tail Trim (down)"},
    {69655, LEFT_CLICK,  "Tail Trim (up)"},
    {69656, LEFT_CLICK,  "Rudder Trim (down)"},
    {69657, LEFT_CLICK,  "Rudder Trim (up)"},
    {69664, LEFT_CLICK,  "Ground power"},
    {69665, LEFT_CLICK,  "No.2 Generator On/Off"},
    {69666, LEFT_CLICK,  "No.1 Generator On/Off"},
    {69667, LEFT_CLICK,  "Inverter 6 On/Off"},
    {69669, LEFT_CLICK,  "Inverter 1/2 meters selector"},
    {69670, LEFT_CLICK,  "Auto Pilot Reset"},
    {69671, ROUTINE,     ""},  // attitude indicator action (L:AIpitch, L:AIbank)
    {69672, ROUTINE,     "L:Dive_brake_switch, number"},
    {69673, ROUTINE,     "L:Dive_brake_switch, number"},
    {69680, ROUTINE,     "L:Low_high_alt_switch,bool"},
    {69681, LEFT_CLICK,  "Engine 1 Ignition"},
    {69682, ROUTINE,     "L:Fuelpan_Topbelly_transfer_guard,bool"},
    {69683, ROUTINE,     "L:Fuelpan_Topbelly_transfer_switch,bool"},
    {69684, LEFT_CLICK,  "Canopy Heat"},
    {69685, LEFT_CLICK,  "Pitot Heat"},
    {69686, LEFT_CLICK,  "Vent Valves"},
    {69687, LEFT_CLICK,  "Port wing to rear tank fuel transfer"},
    {69688, LEFT_CLICK,  "Starboard wing to rear tank fuel transfer"},
    {69689, LEFT_CLICK,  "Compass / Gyro Mode"},
    {69696, LEFT_CLICK,  "Engine air to cabin (Eng 1)"},
    {69697, LEFT_CLICK,  "Engine air to cabin (Eng 2)"},
    {69698, ROUTINE,     "L:Hydpan_batteryguard,bool"},
    {69699, ROUTINE,     "L:Hydpan_aircraft_battery,bool"},
    {69700, ROUTINE,     "L:PortFuelCocksCover,bool"},
    {69701, ROUTINE,     "L:Hydpan_port_fuelcocks,bool"},
    {69702, ROUTINE,     "L:StrbFuelCocksCover,bool"},
    {69703, ROUTINE,     "L:Hydpan_stbd_fuelcocks,bool"},
    {69704, ROUTINE,     "L:VOR1_obs,number"},
    {69705, ROUTINE,     "L:VOR1_obs,number"},
    {69712, ROUTINE,     ""},  // G-meter reset (L:MIN_GFORCE, L:MAX_GFORCE)
    {69713, ROUTINE,     "L:Gyro_heading_knob,number"},
    {69714, ROUTINE,     "L:Gyro_heading_knob,number"},
    {69715, NOTHING,     ""},  // the routine does nothing
    {69716, NOTHING,     ""},  // the routine does nothing
    {69717, ROUTINE,     "L:VOR2_obs,number"},
    {69718, ROUTINE,     "L:VOR2_obs,number"},
    {69719, ROUTINE,     "L:HSI_course_knob,number"},
    {69720, ROUTINE,     "L:HSI_course_knob,number"},
    {69721, ROUTINE,     "L:HSI_heading_bug_knob,number"},
    {69728, ROUTINE,     "L:HSI_heading_bug_knob,number"},
    {69729, LEFT_CLICK,  "Air Inlet Switch (Normal/100%)"},
    {69730, LEFT_CLICK,  "Oxygen ON/OFF Valve"},
    {69731, LEFT_CLICK,  "Read voltage"},
    {69732, ROUTINE,     "L:Avpan_emergency_avionics,bool"},
    {69733, ROUTINE,     "L:Avpan_emerg_avionics_guard,bool"},
    {69734, ROUTINE,     "L:lightpan_Inv2_test_guard,number"},
    {69735, ROUTINE,     "L:Lightpan_inv2_test,bool"},
    {69736, LEFT_CLICK,  "Autopilot TRACK switch"},
    {69737, LEFT_CLICK,  "Autopilot GLIDE switch"},
    {69744, LEFT_CLICK,  "Autopilot POWER switch"},
    {69745, LEFT_CLICK,  "Autopilot aileron channel switch"},
    {69746, LEFT_CLICK,  "Autopilot rudder channel switch"},
    {69747, LEFT_CLICK,  "Autopilot elevator channel switch"},
    {69748, LEFT_CLICK,  "Autopilot BOMB switch"},
    {69749, LEFT_CLICK,  "Autopilot ALT switch"},
    {69750, LEFT_CLICK,  "Autopilot ENGAGE switch"},
    {69751, LEFT_CLICK,  "Autopilot elevator channel switch"},
    {69752, LEFT_CLICK,  "Autopilot elevator channel switch"},
    {69753, LEFT_CLICK,  "Gear UP Button"},
    {69760, LEFT_CLICK,  "Gear Down Button"},
    {69761, LEFT_CLICK,  "Flaps lever up/down"},
    {69762, LEFT_CLICK,  "Marker beacon audio select/mute button"},
    {69763, LEFT_CLICK,  "Marker beacon sensitivity button"},
    {69764, LEFT_CLICK,  "COM 1 transceiver audio select button"},
    {69765, LEFT_CLICK,  "COM 1 MIC transmitter select button"},
    {69766, LEFT_CLICK,  "COM 2 transceiver audio select button"},
    {69767, LEFT_CLICK,  "COM 2 MIC transmitter select button"},
    {69768, LEFT_CLICK,  "COM 3 transceiver audio select button (INOP)"},
    {69769, LEFT_CLICK,  "COM 3 MIC transmitter select button (INOP)"},
    {69776, LEFT_CLICK,  "NAV 1 radio audio select button"},
    {69777, LEFT_CLICK,  "NAV 2 radio audio select button"},
    {69778, LEFT_CLICK,  "DME radio audio select button"},
    {69779, LEFT_CLICK,  "ADF radio audio select button"},
    {69780, LEFT_CLICK,  "Split COM button"},
    {69781, LEFT_CLICK,  "Speaker function button"},
    {69782, LEFT_CLICK,  "Passenger address function button"},
    {69783, LEFT_CLICK,  "Pilot isolation intercom button"},
    {69784, LEFT_CLICK,  "Crew isolation intercom button"},
    {69785, LEFT_CLICK,  "Annunicator test button"},
    {69888, LEFT_CLICK,  "GPS Home button"},
    {69889, LEFT_CLICK,  "GPS Direct-To button"},
    {69890, LEFT_CLICK,  "Frequency flip/flop button"},
    {69891, LEFT_CLICK,  "COM radio button"},
    {69892, LEFT_CLICK,  "NAV radio button"},
    {69893, LEFT_CLICK,  "System settings button"},
    {69894, LEFT_CLICK,  "OBS select button"},
    {69895, LEFT_CLICK,  "To/From button"},
    {69896, LEFT_CLICK,  "Ident button"},
    {69897, LEFT_CLICK,  "Select button"},
    {69904, LEFT_CLICK,  "Enter button"},
    {69905, ROUTINE,     ""},  // L:Garmin_rotary3_small knob action
    {69906, ROUTINE,     "L:Gearpan_Fueltank_jet_guard,bool"},
    {69907, ROUTINE,     "L:Gearpan_fueltank_jettison,bool"},
    {69908, ROUTINE,     "L:Gearpan_canopy_guard,bool"},
    {69909, ROUTINE,     "L:Gearpan_canopy_open,bool"},
    {69910, ROUTINE,     "L:Throttle_port_relight,bool"},
    {69911, ROUTINE,     "L:Throttle_stbd_relight,bool"},
    {69912, ROUTINE,     "L:Throtpan_abandon_ac_guard,bool"},
    {69913, ROUTINE,     "L:Throtpan_abandon_ac,bool"},
    {69920, ROUTINE,     "L:Throtpan_dump_valve_guard,bool"},
    {69921, ROUTINE,     "L:Throtpan_dump_valve,bool"},
    {69922, ROUTINE,     ""},  // airbrake lever: reads L:Dive_brake_switch_pos, moves L:DivebrakePos
    {69923, ROUTINE,     "L:Port_engine_fire,bool"},
    {69924, ROUTINE,     "L:Stbd_engine_fire,bool"},
    {69925, ROUTINE,     "L:Tank_fire,bool"},
    {69926, ROUTINE,     "L:Autopilot_course_knob,number"},
    {69927, ROUTINE,     "L:Autopilot_course_knob,number"},
    {69928, ROUTINE,     "L:Autopilot_course_knob,number"},
    {69929, LEFT_CLICK,  "Engine 1 Push Start"},
    {69936, LEFT_CLICK,  "Engine 2 Push Start"},
    {69937, ROUTINE,     "L:Tarmelon_Yoke_CameraGuard,bool"},
    {69938, ROUTINE,     "L:Tarmelon_Yoke_Camera,bool"},
    {69939, ROUTINE,     "L:FlareButtonSwitch, bool"},
    {69940, ROUTINE,     "L:Tarmelon_Yoke_PushTransmit,bool"},
    {69941, ROUTINE,     ""},  // canopy handles (L:Canopy_Handle_R, L:Canopy_Handle_L)
    {69942, ROUTINE,     ""},  // canopy (A:CANOPY OPEN) action
    {69943, LEFT_CLICK,  "Photoflash lever"},
    {69945, ROUTINE,     "L:Canopy_jettison_lever,bool"},
    {69952, LEFT_CLICK,  "Copilot intercom squelch level knob (increase)"},
    {69953, LEFT_CLICK,  "Copilot intercom squelch level knob (decrease)"},
    {69954, LEFT_CLICK,  "Copilot intercom volume knob (increase)"},
    {69955, LEFT_CLICK,  "Copilot intercom volume knob (decrease)"},
    {69957, LEFT_CLICK,  "GPS Volume, Squelch on/off, Nav ID on/off"},
    {69958, LEFT_CLICK,  "GPS Large knob (increase)"},
    {69959, LEFT_CLICK,  "GPS Large knob (decrease)"},
    {69960, LEFT_CLICK,  "GPS Small knob (increase)"},
    {69961, LEFT_CLICK,  "GPS Small knob (decrease)"},
    {69962, LEFT_CLICK,  "Pilot intercom squelch level knob (increase)"},
    {69963, LEFT_CLICK,  "Pilot intercom squelch level knob (decrease)"},
    {69964, LEFT_CLICK,  "ON/OFF and pilot intercom volume knob (increase)"},
    {69965, LEFT_CLICK,  "ON/OFF and pilot intercom volume knob (decrease)"},
    {69968, LEFT_CLICK,  "Power/volume/squelch knob"},
    {69969, LEFT_CLICK,  "nav/com Large knob (decrease)"},
    {69970, LEFT_CLICK,  "nav/com Large knob (increase)"},
    {69971, LEFT_CLICK,  "nav/com Small knob (decrease)"},
    {69972, LEFT_CLICK,  "nav/com Small knob (increase)"},
    {69975, ROUTINE,     "L:Canopy_Handle_L,bool"},
    {69976, ROUTINE,     "L:Canopy_Handle_R,bool"},
};
// clang-format on

// Rows whose effect does not show in one step from a ready aircraft on the ground.
struct Unobserved {
    std::uint32_t id;
    const char* why;
};
// clang-format off
constexpr Unobserved NOT_IN_ONE_STEP[] = {
    {69671, "the attitude indicator is already erect on the ground (L:AIpitch 500, L:AIbank 1800)"},
    {69699, "the battery lever moves only with its guard up; 69698 just before closed it (below, with the guard up)"},
    {69763, "audio panel: the marker sensitivity is internal state, lit on the next frame"},
    {69765, "audio panel: COM 1 MIC is internal state, lit on the next frame"},
    {69768, "audio panel: COM 3 is inoperative"},
    {69769, "audio panel: COM 3 is inoperative"},
    {69780, "audio panel: split COM is internal state, lit on the next frame"},
    {69781, "audio panel: speaker is internal state, lit on the next frame"},
    {69782, "audio panel: PA is internal state, lit on the next frame"},
    {69783, "audio panel: pilot isolation is internal state, lit on the next frame"},
    {69784, "audio panel: crew isolation is internal state, lit on the next frame"},
    {69785, "audio panel: the annunciator test lights the lamps on the next frame"},
    {69891, "nav/com: the COM page shows on the next frame"},
    {69892, "nav/com: the NAV page shows on the next frame"},
    {69893, "nav/com: the settings page shows on the next frame"},
    {69894, "nav/com: the OBS page shows on the next frame"},
    {69895, "nav/com: the To/From page shows on the next frame"},
    {69941, "the canopy props open only unlocked on the ground with both handles up"},
    {69942, "the canopy closes only when it is open"},
};
// clang-format on

bool unobserved(std::uint32_t id) {
    for (const Unobserved& u : NOT_IN_ONE_STEP)
        if (u.id == id) return true;
    return false;
}

// The click sound each control plays (sound 1 to 3 and its pan; 0: none), as the owning
// systems' tables give it. The engine-air switches play 2 then 3; the last one is checked.
struct Sound {
    std::uint32_t id;
    int sound, pan;
};
// clang-format off
constexpr Sound SOUNDS[] = {
    {69632, 2, -10000}, {69633, 2, -10000}, {69636, 3, -10000}, {69637, 3, -10000}, {69638, 3, -10000},
    {69641, 3, -10000}, {69943, 3, -10000}, {69648, 1, -10000}, {69649, 1, -10000},
    {69650, 3, -10000}, {69651, 3, -10000},
    {69664, 2, -10000}, {69665, 1, 10000},  {69666, 1, 10000},  {69667, 1, 10000},  {69669, 1, 10000},
    {69670, 1, 10000},  {69731, 2, 10000},  {69732, 2, 10000},  {69733, 3, 10000},
    {69681, 2, 5000},   {69687, 2, 9000},   {69688, 2, 9000},
    {69684, 2, 9000},   {69685, 2, 9000},   {69686, 2, 9000},   {69689, 2, 9000},
    {69696, 3, 9000},   {69697, 3, 9000},
    {69923, 3, 1000},   {69924, 3, 1000},   {69925, 3, 1000},
    {69929, 0, 0},      {69936, 0, 0},      {69910, 0, 0},      {69911, 0, 0},
    {69939, 0, 0},      {69940, 0, 0},
    {69736, 1, 10000},  {69737, 1, 10000},  {69744, 1, 10000},  {69745, 1, 10000},  {69746, 1, 10000},
    {69747, 1, 10000},  {69748, 1, 10000},  {69749, 1, 10000},  {69750, 1, 10000},  {69751, 1, 10000},
    {69752, 1, 10000},
    {69698, 0, 0},      {69699, 0, 0},      {69734, 2, 10000},  {69735, 2, 10000},
    {69682, 3, 3000},   {69683, 3, 3000},   {69700, 3, 3000},   {69701, 3, 3000},   {69702, 3, 3000},
    {69703, 3, 3000},   {69906, 3, -8000},  {69907, 2, -8000},  {69912, 3, -8000},  {69913, 2, -8000},
    {69920, 3, -8000},  {69921, 2, -8000},
};
// clang-format on

const Sound* sound_of(std::uint32_t id) {
    for (const Sound& s : SOUNDS)
        if (s.id == id) return &s;
    return nullptr;
}

constexpr std::uint32_t FIRST_CUSTOM = 69632;
constexpr std::uint32_t LAST_CUSTOM = 69976;
const char* const CLICK_TRIGGERS[] = {"L:Tarmelon_Click1, number", "L:Tarmelon_Click2, number",
                                      "L:Tarmelon_Click3, number"};

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return s;
}

std::map<std::string, double> snapshot(const bench::Bench& b) {
    std::map<std::string, double> out;
    for (const auto& v : b.variables()) out[lower(v.name)] = v.value;
    return out;
}

// The names whose values differ (or appeared) between two snapshots.
std::vector<std::string> changed(const std::map<std::string, double>& before,
                                 const std::map<std::string, double>& after) {
    std::vector<std::string> out;
    for (const auto& [name, value] : after) {
        auto at = before.find(name);
        if (at == before.end() || at->second != value) out.push_back(name);
    }
    return out;
}

std::string base_name(const std::string& var) {
    std::string n = lower(var);
    const auto comma = n.find(',');
    if (comma != std::string::npos) n.resize(comma);
    while (!n.empty() && n.back() == ' ') n.pop_back();
    return n;
}

bool contains_var(const std::vector<std::string>& names, const std::string& var) {
    const std::string wanted = base_name(var);
    for (const auto& n : names)
        if (base_name(n) == wanted) return true;
    return false;
}

const char* const CLICK_PANS[] = {"L:Tarmelon_Click1Pan, number", "L:Tarmelon_Click2Pan, number",
                                  "L:Tarmelon_Click3Pan, number"};
constexpr double UNSET_PAN = 12345;

// Click triggers at 0 and pans at a value no control writes, so that each sound shows.
void quiet_triggers(bench::Bench& b) {
    for (const char* t : CLICK_TRIGGERS) b.set(t, 0);
    for (const char* p : CLICK_PANS) b.set(p, UNSET_PAN);
}

bool sounded(const bench::Bench& b) {
    for (const char* t : CLICK_TRIGGERS)
        if (b.get(t) == 1) return true;
    return false;
}

}  // namespace

TEST(VcEvents, EveryClickSpotReachesItsControl) {
    bench::Bench b;
    scenario::settle(b);
    for (const Row& row : VC_TABLE) {
        SCOPED_TRACE(std::to_string(row.id) + " " + row.control);
        quiet_triggers(b);
        const auto before = snapshot(b);
        b.mark();
        b.key(row.id);
        const auto after = snapshot(b);
        if (const Sound* s = sound_of(row.id)) {
            for (int n = 1; n <= 3; ++n) {
                if (n == s->sound) {
                    EXPECT_EQ(b.get(CLICK_TRIGGERS[n - 1]), 1) << "sound " << n;
                    EXPECT_EQ(b.get(CLICK_PANS[n - 1]), s->pan) << "sound " << n;
                } else if (s->sound == 0) {
                    EXPECT_EQ(b.get(CLICK_TRIGGERS[n - 1]), 0) << "sound " << n;
                }
            }
        }
        if (unobserved(row.id)) {
            b.frames(1);
            continue;
        }
        const auto moved = changed(before, after);
        std::string seen;
        for (const auto& m : moved) seen += m + "; ";
        SCOPED_TRACE("moved: " + seen + " keys " + std::to_string(b.key_log().size()));
        switch (row.kind) {
            case NOTHING:
                EXPECT_TRUE(moved.empty()) << moved.front();
                EXPECT_TRUE(b.key_log().size() <= 1u);  // only the event itself
                break;
            case ROUTINE:
                if (row.control[0] == 'L') {
                    EXPECT_TRUE(contains_var(moved, row.control));
                } else {
                    EXPECT_FALSE(moved.empty() && b.key_log().size() <= 1u);
                }
                break;
            case LEFT_CLICK:
            case RIGHT_CLICK:
                EXPECT_FALSE(moved.empty() && b.key_log().size() <= 1u && !sounded(b));
                break;
        }
        b.frames(1);
    }
}

TEST(VcEvents, IdsNoClickSpotSendsDoNothing) {
    std::set<std::uint32_t> listed;
    for (const Row& row : VC_TABLE) listed.insert(row.id);
    bench::Bench b;
    scenario::settle(b);
    quiet_triggers(b);
    std::vector<std::uint32_t> ids = {65774, 73728, 73732};  // a simulator event, around the click events
    for (std::uint32_t id = FIRST_CUSTOM - 4; id <= LAST_CUSTOM + 40; ++id) ids.push_back(id);
    for (std::uint32_t id : ids) {
        if (listed.count(id)) continue;
        if (id >= 73729 && id <= 73731) continue;
        SCOPED_TRACE(id);
        const auto before = snapshot(b);
        b.mark();
        b.key(id);
        const auto moved = changed(before, snapshot(b));
        EXPECT_TRUE(moved.empty()) << moved.front();
        EXPECT_LE(b.key_log().size(), 1u);
    }
}

// Click spots that share a control do the same thing from the same cockpit.
TEST(VcEvents, ClickSpotsOfOneControlDoTheSame) {
    const std::pair<std::uint32_t, std::uint32_t> same[] = {{69639, 69652}, {69640, 69653}, {69641, 69943},
                                                            {69747, 69751}, {69747, 69752}, {69927, 69928}};
    for (const auto& [first, second] : same) {
        SCOPED_TRACE(std::to_string(first) + " and " + std::to_string(second));
        // One bench at a time: each from a freshly settled cockpit.
        const auto run = [](std::uint32_t id, std::map<std::string, double>& before) {
            bench::Bench b;
            scenario::settle(b);
            before = snapshot(b);
            b.key(id);
            return snapshot(b);
        };
        std::map<std::string, double> before, before_b;
        const auto after_a = run(first, before);
        const auto after_b = run(second, before_b);
        // The two cockpits start alike but for values the module draws from the computer's
        // clock second (the inverter meters' jitter): compare what each click changed.
        const auto moved_a = changed(before, after_a);
        const auto moved_b = changed(before_b, after_b);
        EXPECT_FALSE(moved_a.empty());
        EXPECT_EQ(moved_a, moved_b);
        for (const std::string& name : moved_a) {
            if (after_b.count(name) != 0) {
                EXPECT_EQ(after_a.at(name), after_b.at(name)) << name;
            }
        }
    }
}

// The battery lever's click spot moves it only while its guard is up; the guard's spot
// lifts and lowers the guard.
TEST(VcEvents, BatteryLeverFollowsItsGuard) {
    bench::Bench b;
    scenario::settle(b);
    const double guard = b.get("L:Hydpan_batteryguard,bool");
    if (guard == 0) b.key(69698);
    ASSERT_EQ(b.get("L:Hydpan_batteryguard,bool"), 1);
    const double lever = b.get("L:Hydpan_aircraft_battery,bool");
    b.key(69699);
    EXPECT_NE(b.get("L:Hydpan_aircraft_battery,bool"), lever);
    b.key(69699);
    EXPECT_EQ(b.get("L:Hydpan_aircraft_battery,bool"), lever);
    b.key(69698);
    EXPECT_EQ(b.get("L:Hydpan_batteryguard,bool"), 0);
    b.key(69699);
    EXPECT_EQ(b.get("L:Hydpan_aircraft_battery,bool"), lever);
}
