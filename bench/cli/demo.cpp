// The demo flight: the module loaded in the bench as the simulator would load it, and a whole
// flight flown through the cockpit as a pilot flies it: from cold and dark to both engines
// running, the taxi out, the take-off, the climb on the autopilot, the cruise with the radios
// tuned, the transponder squawking and a checklist ticked, the descent, the approach and the
// landing, the taxi in and the shutdown to cold and dark again, then the flight saved and
// loaded again with its cockpit. The bench aircraft flies itself (bench/aircraft/flying.cpp);
// the pilot works the 2D panels, the virtual cockpit and the pilot's inputs. Each phase checks
// that it reached its goal; the first that does not stops the flight with what went wrong.
#include "demo.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <iostream>
#include <string>
#include <vector>

#include "bench.h"

namespace {

constexpr std::uint32_t LEFT = 0x20000000;

constexpr const char* ALTITUDE = "A:PLANE ALTITUDE, feet";
constexpr const char* AIRSPEED = "A:AIRSPEED INDICATED, knots";
constexpr const char* ON_GROUND = "A:SIM ON GROUND, bool";
constexpr const char* BUSBAR = "L:BusbarNeedle,number";

// A phase that did not reach its goal.
struct PhaseFailed {
    std::string what;
};

class Narrator {
public:
    explicit Narrator(bench::Bench& b) : b_(b) {}

    void say(const std::string& text) const {
        const int t = static_cast<int>(b_.sim_seconds());
        std::printf("[%02d:%02d] %s\n", t / 60, t % 60, text.c_str());
    }

    void heading(const std::string& phase) const { std::printf("\n== %s ==\n", phase.c_str()); }

    // What the aircraft shows: altitude, speed, vertical speed, pitch, both engines' N1
    // and the exhaust temperatures the cockpit's JPT gauges read.
    void aircraft() const {
        char line[200];
        std::snprintf(line, sizeof line, "aircraft: %s %5.0f ft  %3.0f kt  %+5.0f ft/min  pitch %+4.1f  N1 %3.0f/%3.0f %%  JPT %3.0f/%3.0f C",
                      b_.get(ON_GROUND) != 0 ? "on ground" : "airborne ", b_.get(ALTITUDE), b_.get(AIRSPEED),
                      60.0 * b_.get("A:VERTICAL SPEED, feet per second") + 0.0, std::round(-10.0 * b_.get("A:PLANE PITCH DEGREES, degrees")) / 10.0 + 0.0,
                      b_.get("A:TURB ENG CORRECTED N1:1, percent"), b_.get("A:TURB ENG CORRECTED N1:2, percent"),
                      b_.get("L:JPT1 Temp, number"), b_.get("L:JPT2 Temp, number"));
        say(line);
    }

    void show(const std::string& label, double value) const {
        char line[160];
        std::snprintf(line, sizeof line, "cockpit: %s %g", label.c_str(), value);
        say(line);
    }

    // Runs frames one by one, telling what the module shows on screen as it happens.
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            b_.frames(1);
            const auto texts = b_.texts();
            for (; texts_seen_ < texts.size(); ++texts_seen_) say("on screen: \"" + texts[texts_seen_] + "\"");
            const auto& console = b_.console();
            for (; console_seen_ < console.size(); ++console_seen_) say("module console: " + console[console_seen_]);
        }
    }

    void seconds(double s) { frames(static_cast<int>(std::lround(s * b_.options().fps))); }

    void marked() {
        b_.mark();
        texts_seen_ = 0;
    }

private:
    bench::Bench& b_;
    std::size_t texts_seen_ = 0;
    std::size_t console_seen_ = 0;
};

// One step of the pilot's: what it is, and the bench script lines that do it (clicks on the 2D
// panels, the virtual cockpit's events, the pilot's inputs).
void act(bench::Bench& b, Narrator& n, const std::string& what, std::initializer_list<const char*> lines) {
    n.say("pilot: " + what);
    for (const char* line : lines) b.exec(line);
    n.frames(2);
}

// The phase's goal: told when it holds, the flight stopped when it does not.
void check(Narrator& n, bool held, const std::string& goal) {
    if (!held) throw PhaseFailed{goal};
    n.say("check: " + goal);
}

// Runs whole seconds until the condition holds, at most limit seconds; false if it never did.
bool until(Narrator& n, double limit, const std::function<bool()>& done) {
    for (double t = 0; t < limit; t += 1.0) {
        if (done()) return true;
        n.seconds(1);
    }
    return done();
}

// Runs whole seconds until the condition holds, telling the aircraft every `every` seconds.
bool until_told(Narrator& n, double limit, double every, const std::function<bool()>& done) {
    for (double t = 0; t < limit; t += every) {
        if (until(n, every, done)) return true;
        n.aircraft();
    }
    return done();
}

std::string text_of(bench::Bench& b, const char* gauge, int element) { return b.element(gauge, element).text; }

bool running(bench::Bench& b, int engine) {
    const std::string e = std::to_string(engine);
    return b.get("A:GENERAL ENG STARTER:" + e + ", bool") == 0 && b.get("A:GENERAL ENG COMBUSTION:" + e + ", bool") != 0;
}

// Cockpit controls the panel state keeps, and which the ready preset that a fresh module
// applies first would set otherwise; as that preset left them when the aircraft was loaded.
const char* const KEPT[] = {
    "L:AircraftBattPos, number", "L:GEN1OnOffPos, number", "L:GEN2OnOffPos, number", "L:ENG1_HPcock, bool",
    "L:ENG2_HPcock, bool",       "L:Lights_nav_POS, bool", "L:Lights_landing_POS, number",
};
std::vector<double> ready_cockpit;

// ---- connection --------------------------------------------------------------------------

void connect(bench::Bench& b, Narrator& n) {
    n.heading("the simulator loads the aircraft");
    std::cout << "module           " << b.options().module_path << "\n";
    n.say("the simulator reads " + std::to_string(b.gauges().size()) + " gauges from the module's Linkage record");
    bool open = false;
    for (int tick = 1; tick <= 8; ++tick) {
        n.frames(1);
        if (!open && b.simconnect_open()) {
            open = true;
            n.say("SimConnect answered: the module registered its data, events and menu (" +
                  std::to_string(b.simconnect_log().size()) + " SimConnect calls)");
        }
    }
    check(n, open, "SimConnect connection open");
    n.seconds(2);
    ready_cockpit.clear();
    for (const char* v : KEPT) ready_cockpit.push_back(b.get(v));
    n.say("the module's ready preset: battery switch at " + std::to_string(static_cast<int>(b.get(KEPT[0]))) +
          ", both engines " + (running(b, 1) && running(b, 2) ? "running" : "not running"));
}

// ---- start -------------------------------------------------------------------------------

void power_up(bench::Bench& b, Narrator& n) {
    n.heading("cold and dark to engines running");
    n.say("pilot: Power on the panel selector: the cold-and-dark preset");
    b.start("cold-and-dark");
    check(n, b.get(BUSBAR) == 0 && b.get("A:GENERAL ENG COMBUSTION:1, bool") == 0, "cold and dark: busbar 0 V, engines stopped");
    act(b, n, "battery guard up and switch on (virtual cockpit)", {"key 69698", "key 69699"});
    act(b, n, "ground power on (trim panel)", {"click Trim_Panel 1740 900"});
    n.show("busbar needle", b.get(BUSBAR));
    act(b, n, "generator breakers in, generators and inverter 6 on, avionics master on",
        {"click Elec_Panel 1545 705", "click Elec_Panel 1650 705", "key 69666", "key 69665", "key 69667",
         "click Avionics_Panel 100 150"});
    act(b, n, "LP cocks open under their covers, belly pumps on",
        {"key 69701", "key 69700", "key 69703", "key 69702", "window open 400", "click Fuel_Panel 360 100",
         "click Fuel_Panel 470 100"});
    check(n, b.get("L:Engine1_fuel_pres_fail, bool") == 0 && b.get("L:Engine2_fuel_pres_fail, bool") == 0,
          "fuel pressure lamps out");
    act(b, n, "HP cocks: both throttles over the idle gate",
        {"window open 1100", "click Throttles_Panel 670 500 right", "click Throttles_Panel 860 500 right"});
    act(b, n, "engine masters and ignition on, No 1 start selected",
        {"window open 300", "click EngStart_Controls 350 400", "click EngStart_Controls 200 400",
         "click EngStart_Controls 610 400", "click EngStart_Controls 750 400", "click EngStart_Controls 60 110"});
}

void start_engines(bench::Bench& b, Narrator& n) {
    act(b, n, "engine 1 push start (virtual cockpit)", {"key 69929"});
    until_told(n, 120, 30, [&] { return running(b, 1); });
    check(n, running(b, 1), "engine 1 running, starter cut");
    act(b, n, "No 2 start selected, engine 2 push start (panel)",
        {"click EngStart_Controls 60 110", "click EngStart_Controls 870 110", "click EngStart_Controls 560 590"});
    until_told(n, 120, 30, [&] { return running(b, 2); });
    check(n, running(b, 2), "engine 2 running, starter cut");
    check(n, b.get("A:GENERAL ENG MASTER ALTERNATOR:1, bool") != 0 && b.get("A:GENERAL ENG MASTER ALTERNATOR:2, bool") != 0,
          "both generators on line");
    act(b, n, "ground power off: the generators carry the busbar; start and fuel panels closed",
        {"click Trim_Panel 1740 900", "window close 300", "window close 400"});
    check(n, b.get("L:GroundUnitsShow, bool") == 0 && b.get(BUSBAR) == 120, "ground power gone, busbar needle 120");
    n.aircraft();
}

// The gear panel's legs showing a green lamp (either set, bright or dimmed).
int green_legs(bench::Bench& b) {
    int legs = 0;
    for (const char* leg : {"port", "nose", "stbd"}) {
        bool lit = false;
        for (const char* lamp : {"greena_bright", "greena_dim", "greenb_bright", "greenb_dim"})
            lit = lit || b.get(std::string("L:Gearpan_") + leg + "_" + lamp + ",bool") != 0;
        legs += lit ? 1 : 0;
    }
    return legs;
}

// ---- taxi and take-off -------------------------------------------------------------------

void taxi_out(bench::Bench& b, Narrator& n) {
    n.heading("taxi out");
    act(b, n, "canopy closed (virtual cockpit)", {"key 69942"});
    until(n, 10, [&] { return b.get("A:CANOPY OPEN, percent") == 0; });
    check(n, b.get("A:CANOPY OPEN, percent") == 0, "canopy closed");
    act(b, n, "parking brake off, throttles up for the taxi", {"event PARKING_BRAKES 0", "event AXIS_THROTTLE_SET -8000"});
    check(n, b.get("A:BRAKE PARKING POSITION, bool") == 0, "parking brake off");
    until_told(n, 90, 30, [&] { return b.get(AIRSPEED) >= 12; });
    check(n, b.get(AIRSPEED) >= 12, "rolling at taxi speed");
    act(b, n, "brakes tried (toe brakes, three dabs)", {"event BRAKES 0"});
    for (int i = 0; i < 2; ++i) {
        n.frames(9);
        b.exec("event BRAKES 0");
    }
    n.frames(4);
    n.show("brake accumulator needle", b.get("L:HydrBrakeNeedleVC, number"));
    act(b, n, "gear and flap panel open, half flap for the take-off (flap input)", {"window open 1200", "event FLAPS_INCR 0"});
    until(n, 15, [&] { return b.get("A:TRAILING EDGE FLAPS LEFT PERCENT, percent") == 50; });
    check(n, b.get("A:TRAILING EDGE FLAPS LEFT PERCENT, percent") == 50, "flaps at half");
    n.say("cockpit: gear lamps: " + std::to_string(green_legs(b)) + " legs green");
    n.aircraft();
}

void take_off(bench::Bench& b, Narrator& n) {
    n.heading("take-off");
    act(b, n, "lined up: throttles fully open", {"event AXIS_THROTTLE_SET 16383"});
    until_told(n, 60, 10, [&] { return b.get(AIRSPEED) >= 120; });
    check(n, b.get(AIRSPEED) >= 120, "120 kt: rotate");
    act(b, n, "stick back: 8 degrees nose up (elevator input)", {"event AXIS_ELEVATOR_SET -8738"});
    until(n, 30, [&] { return b.get(ON_GROUND) == 0; });
    check(n, b.get(ON_GROUND) == 0, "airborne");
    n.aircraft();
    n.seconds(3);
    act(b, n, "gear up (gear panel button)", {"click GearFlaps_Panel 760 260"});
    until(n, 10, [&] { return b.get("A:GEAR LEFT POSITION, percent") == 0; });
    check(n, b.get("A:GEAR LEFT POSITION, percent") == 0 && green_legs(b) == 0,
          "gear up and locked, green lamps out");
    act(b, n, "flaps up (flap lever)", {"click GearFlaps_Panel 700 700"});
    until(n, 10, [&] { return b.get("A:TRAILING EDGE FLAPS LEFT PERCENT, percent") == 0; });
    check(n, b.get("A:TRAILING EDGE FLAPS LEFT PERCENT, percent") == 0, "flaps up");
    act(b, n, "climb power (throttle axis)", {"event AXIS_THROTTLE_SET 12000"});
    n.aircraft();
}

// ---- climb on the autopilot --------------------------------------------------------------

// Clicks an Autopilot_Switch_Panel switch (at most twice) until its tooltip shows `wanted`.
void switch_to(bench::Bench& b, int x, int y, const char* wanted) {
    for (int i = 0; i < 2; ++i)
        if (b.tooltip("Autopilot_Switch_Panel", x, y).value_or("").find(wanted) == std::string::npos)
            b.click("Autopilot_Switch_Panel", x, y, LEFT);
}

void climb_on_autopilot(bench::Bench& b, Narrator& n) {
    n.heading("climb on the autopilot");
    act(b, n, "autopilot panel open, POWER on, aileron, elevator and rudder channels in",
        {"window open 900", "window open 100"});
    switch_to(b, 100, 690, "[WAIT]");
    for (int x : {370, 495, 250}) switch_to(b, x, 350, "[IN]");
    until_told(n, 75, 30, [&] { return b.get("L:ApReadyLight_OnOff, bool") == 1; });
    check(n, b.get("L:ApReadyLight_OnOff, bool") == 1, "autopilot READY lit after its warm-up");
    act(b, n, "ENGAGE: the autopilot holds the climb attitude", {"click Autopilot_Switch_Panel 650 700"});
    check(n, b.get("A:AUTOPILOT MASTER, bool") == 1 && b.get("L:ApInLight_OnOff, bool") == 1, "autopilot IN lit, engaged");
    n.show("pitch reference (nose up negative)", b.get("L:curPitchSetVal,number"));
    act(b, n, "pitch selector up a press: 2 degrees less nose up", {"click Elec_Panel 540 800", "click Elec_Panel 540 800 release"});
    n.show("pitch reference (nose up negative)", b.get("L:curPitchSetVal,number"));
    until_told(n, 600, 60, [&] { return b.get(ALTITUDE) >= 10000; });
    check(n, b.get(ALTITUDE) >= 10000, "climbed through 10000 ft");
    act(b, n, "ALT: the autopilot holds the altitude", {"click Autopilot_Switch_Panel 650 530"});
    const double held = b.get("A:AUTOPILOT ALTITUDE LOCK VAR, feet");
    n.say("cockpit: " + b.tooltip("Autopilot_Switch_Panel", 650, 530).value_or("(no tooltip)"));
    act(b, n, "cruise power (throttle axis)", {"event AXIS_THROTTLE_SET 8000"});
    n.seconds(60);
    n.aircraft();
    check(n, b.get("A:AUTOPILOT ALTITUDE LOCK, bool") == 1 && std::fabs(b.get(ALTITUDE) - held) < 150 &&
                 std::fabs(b.get("A:VERTICAL SPEED, feet per second")) < 1,
          "autopilot holds " + std::to_string(static_cast<int>(held)) + " ft");
}

// ---- cruise: radios, transponder, checklist ----------------------------------------------

void tune_radios(bench::Bench& b, Narrator& n) {
    n.heading("cruise: radios, transponder and checklist");
    act(b, n, "radio rack open; nav/com COM2: large knob up two, small knob up one step",
        {"window open 1000", "click RadioGPS_SL30 1295 880 wheelup", "click RadioGPS_SL30 1295 880",
         "click RadioGPS_SL30 1275 900"});
    n.say("cockpit: nav/com standby shows " + text_of(b, "RadioGPS_SL30", 27));
    act(b, n, "nav/com flip-flop", {"click RadioGPS_SL30 500 930"});
    n.say("cockpit: nav/com active " + text_of(b, "RadioGPS_SL30", 28) + ", standby " + text_of(b, "RadioGPS_SL30", 27));
    check(n, text_of(b, "RadioGPS_SL30", 28) == "124.82", "COM2 on 124.825 MHz");
    act(b, n, "nav/com NAV mode, large knob down one MHz, flip-flop",
        {"click RadioGPS_SL30 730 930", "click RadioGPS_SL30 1225 880", "click RadioGPS_SL30 500 930"});
    n.say("cockpit: nav/com NAV active " + text_of(b, "RadioGPS_SL30", 28));
    check(n, text_of(b, "RadioGPS_SL30", 28) == "112.70", "NAV2 on 112.70 MHz");
    act(b, n, "navigator: Continue, COM keypad 1 2 3 4 7, Enter, XFER",
        {"click RadioGPS_GTN6XX 1120 668", "click RadioGPS_GTN6XX 732 506", "click RadioGPS_GTN6XX 600 556",
         "click RadioGPS_GTN6XX 688 556", "click RadioGPS_GTN6XX 794 556", "click RadioGPS_GTN6XX 889 556",
         "click RadioGPS_GTN6XX 688 656", "click RadioGPS_GTN6XX 1120 668", "click RadioGPS_GTN6XX 600 453"});
    n.say("cockpit: navigator COM1 active " + text_of(b, "RadioGPS_GTN6XX", 15) + ", standby " +
          text_of(b, "RadioGPS_GTN6XX", 14));
    check(n, text_of(b, "RadioGPS_GTN6XX", 15) == "123.47", "COM1 on 123.475 MHz");
}

void squawk(bench::Bench& b, Narrator& n) {
    act(b, n, "navigator: Home, XPDR, 4 5 2 1, Enter",
        {"click RadioGPS_GTN6XX 1290 420", "click RadioGPS_GTN6XX 966 507", "click RadioGPS_GTN6XX 600 655",
         "click RadioGPS_GTN6XX 688 655", "click RadioGPS_GTN6XX 794 556", "click RadioGPS_GTN6XX 688 556",
         "click RadioGPS_GTN6XX 1112 667"});
    act(b, n, "transponder mode STBY to GND, ON, ALT",
        {"click RadioGPS_GTN6XX 985 655", "click RadioGPS_GTN6XX 985 655", "click RadioGPS_GTN6XX 985 655"});
    n.say("cockpit: navigator squawks " + text_of(b, "RadioGPS_GTN6XX", 29) + ", mode " + text_of(b, "RadioGPS_GTN6XX", 31));
    check(n, text_of(b, "RadioGPS_GTN6XX", 29) == "4521" && text_of(b, "RadioGPS_GTN6XX", 31) == "ALT" &&
                 b.get("A:TRANSPONDER CODE:1, bco16") == 0x4521,
          "transponder squawking 4521 in ALT");
    b.window("close", 1000);
}

// The checklist panel: "Next Checklist" until the list is shown, then a click on each item.
constexpr const char* CHECKLIST = "Checklist_Panel";
constexpr int CHECKLIST_TITLE = 5;
constexpr int checklist_green(int row) { return 6 + 2 * row; }

bool shows_ticked(bench::Bench& b, int row) {
    return !b.element(CHECKLIST, checklist_green(row)).hidden && b.element(CHECKLIST, checklist_green(row) + 1).hidden;
}

void tick_checklist(bench::Bench& b, Narrator& n, const std::string& title, std::initializer_list<int> rows) {
    n.say("pilot: checklist window open, \"Next Checklist\" to \"" + title + "\"");
    b.window("open", 1800);
    n.frames(1);
    for (int i = 0; i < 14 && text_of(b, CHECKLIST, CHECKLIST_TITLE) != title; ++i) {
        b.click(CHECKLIST, 300, 675, LEFT);
        n.frames(1);
    }
    check(n, text_of(b, CHECKLIST, CHECKLIST_TITLE) == title, "checklist \"" + title + "\" shown");
    for (int row : rows) {
        std::string item = text_of(b, CHECKLIST, checklist_green(row));
        while (!item.empty() && item.back() == ' ') item.pop_back();
        n.say("pilot: ticks \"" + item + "\"");
        b.click(CHECKLIST, 200, 48 + 31 * row + 15, LEFT);
        n.frames(1);
        check(n, shows_ticked(b, row), "\"" + item + "\" ticked (green)");
    }
    b.window("close", 1800);
}

// ---- descent, approach and landing -------------------------------------------------------

// The pilot trims out what the autopilot left wound in: trim keys until the trim is neutral.
void trim_out(bench::Bench& b, Narrator& n) {
    const double trim = b.get("A:ELEVATOR TRIM POSITION, degrees");
    char line[96];
    std::snprintf(line, sizeof line, "pilot: trims out the autopilot's %.2f degrees of %s trim", std::fabs(trim),
                  trim > 0 ? "nose-up" : "nose-down");
    n.say(line);
    for (int i = 0; i < 600 && std::fabs(b.get("A:ELEVATOR TRIM POSITION, degrees")) > 0.025; ++i)
        b.key(b.get("A:ELEVATOR TRIM POSITION, degrees") > 0 ? 65607 : 65615);
    n.frames(1);
}

// The pilot's stick for an attitude: the elevator input that, over the trim as it stands,
// gives that many degrees nose up (negative: nose down).
void hold_pitch(bench::Bench& b, Narrator& n, double nose_up) {
    const double trim_pitch = 2.0 * b.get("A:ELEVATOR TRIM POSITION, degrees");
    const double elevator = std::fmax(-1.0, std::fmin(1.0, -(nose_up - trim_pitch) / 15.0));
    char line[64];
    std::snprintf(line, sizeof line, "event AXIS_ELEVATOR_SET %d", static_cast<int>(std::lround(elevator * 16383)));
    b.exec(line);
    n.frames(1);
}

void descend(bench::Bench& b, Narrator& n) {
    n.heading("descent");
    act(b, n, "ENGAGE off, throttles closed", {"click Autopilot_Switch_Panel 650 700", "event AXIS_THROTTLE_SET -16383"});
    check(n, b.get("A:AUTOPILOT MASTER, bool") == 0 && b.get("L:ApInLight_OnOff, bool") == 0, "autopilot disengaged, IN dark");
    trim_out(b, n);
    n.say("pilot: stick forward: 7 degrees nose down; autopilot panel closed");
    hold_pitch(b, n, -7);
    b.window("close", 900);
    tick_checklist(b, n, "Before Descent", {2, 13});
    until_told(n, 900, 60, [&] { return b.get(ALTITUDE) <= 3000; });
    check(n, b.get(ALTITUDE) <= 3000 && b.get(ON_GROUND) == 0, "down to 3000 ft");
}

void approach(bench::Bench& b, Narrator& n) {
    n.heading("approach");
    n.say("pilot: level at 3000 ft to slow down");
    hold_pitch(b, n, 0);
    until_told(n, 120, 30, [&] { return b.get(AIRSPEED) <= 170; });
    act(b, n, "gear down (gear panel button), full flap (flap lever)",
        {"click GearFlaps_Panel 760 420", "click GearFlaps_Panel 700 700"});
    until(n, 15, [&] { return b.get("A:GEAR LEFT POSITION, percent") == 100 && b.get("A:TRAILING EDGE FLAPS LEFT PERCENT, percent") == 100; });
    n.say("cockpit: " + b.tooltip("GearFlaps_Panel", 300, 600).value_or("(no tooltip)"));
    n.say("cockpit: gear lamps: " + std::to_string(green_legs(b)) + " legs green");
    check(n, green_legs(b) == 3 && b.get("A:TRAILING EDGE FLAPS LEFT PERCENT, percent") == 100,
          "three greens, full flap");
    n.say("pilot: approach power, 3 degrees nose down on the glide path");
    b.exec("event AXIS_THROTTLE_SET -12000");
    hold_pitch(b, n, -3);
    until_told(n, 400, 30, [&] { return b.get("A:RADIO HEIGHT, feet") <= 50; });
    check(n, b.get("A:RADIO HEIGHT, feet") <= 50, "50 ft over the runway");
}

void land(bench::Bench& b, Narrator& n) {
    n.heading("landing");
    n.say("pilot: flare, throttles closed");
    b.exec("event AXIS_THROTTLE_SET -16383");
    hold_pitch(b, n, -0.5);
    until(n, 60, [&] { return b.get(ON_GROUND) != 0; });
    check(n, b.get(ON_GROUND) != 0, "touch-down");
    n.aircraft();
    hold_pitch(b, n, 0);
    n.say("pilot: toe brakes, held on");
    until(n, 60, [&] {
        b.exec("event BRAKES 0");
        return b.get(AIRSPEED) <= 20;
    });
    check(n, b.get(AIRSPEED) <= 20 && b.get(ON_GROUND) != 0, "landed, slowed to taxi speed");
    n.aircraft();
}

// ---- taxi in and shutdown ----------------------------------------------------------------

void taxi_in(bench::Bench& b, Narrator& n) {
    n.heading("taxi in");
    act(b, n, "flaps up (flap lever), taxi power", {"click GearFlaps_Panel 700 700", "event AXIS_THROTTLE_SET -8000"});
    act(b, n, "radio rack open, transponder mode ALT to STBY to GND",
        {"window open 1000", "click RadioGPS_GTN6XX 985 655", "click RadioGPS_GTN6XX 985 655"});
    n.say("cockpit: navigator squawks " + text_of(b, "RadioGPS_GTN6XX", 29) + ", mode " + text_of(b, "RadioGPS_GTN6XX", 31));
    check(n, text_of(b, "RadioGPS_GTN6XX", 31) == "GND", "transponder on GND");
    b.window("close", 1000);
    tick_checklist(b, n, "After Landing", {0});
    n.seconds(20);
    n.aircraft();
    n.say("pilot: on the stand: toe brakes to a stop, parking brake on");
    until(n, 30, [&] {
        b.exec("event BRAKES 0");
        return b.get(AIRSPEED) < 0.5;
    });
    b.exec("event PARKING_BRAKES 0");
    n.frames(2);
    check(n, b.get(AIRSPEED) < 0.5 && b.get("A:BRAKE PARKING POSITION, bool") == 1, "stopped, parking brake set");
}

void shut_down(bench::Bench& b, Narrator& n) {
    n.heading("shutdown to cold and dark");
    act(b, n, "throttles closed to the idle gate", {"window open 1100", "event AXIS_THROTTLE_SET -16383"});
    n.seconds(2);
    act(b, n, "HP cocks shut at the idle gate", {"click Throttles_Panel 670 500 right", "click Throttles_Panel 860 500 right"});
    check(n, b.get("L:ENG1_HPcock, bool") == 0 && b.get("L:ENG2_HPcock, bool") == 0, "HP cocks shut");
    until_told(n, 60, 15, [&] {
        return b.get("A:TURB ENG CORRECTED N1:1, percent") == 0 && b.get("A:TURB ENG CORRECTED N1:2, percent") == 0;
    });
    check(n, b.get("A:GENERAL ENG COMBUSTION:1, bool") == 0 && b.get("A:GENERAL ENG COMBUSTION:2, bool") == 0 &&
                 b.get("A:TURB ENG CORRECTED N1:1, percent") == 0 && b.get("A:TURB ENG CORRECTED N1:2, percent") == 0,
          "both engines stopped");
    act(b, n, "ignition and engine masters off",
        {"click EngStart_Controls 750 400", "click EngStart_Controls 610 400", "click EngStart_Controls 200 400",
         "click EngStart_Controls 350 400"});
    act(b, n, "belly pumps off, LP cocks shut under their covers",
        {"click Fuel_Panel 360 100", "click Fuel_Panel 470 100", "key 69700", "key 69701", "key 69702", "key 69703"});
    act(b, n, "avionics master off, inverter 6 and generators off, generator breakers out",
        {"click Avionics_Panel 100 150", "key 69667", "key 69665", "key 69666", "click Elec_Panel 1650 705",
         "click Elec_Panel 1545 705"});
    act(b, n, "battery switch off and its guard down (virtual cockpit)", {"key 69699", "key 69698"});
    n.show("busbar needle", b.get(BUSBAR));
    n.show("battery switch", b.get("L:AircraftBattPos, number"));
    check(n, b.get(BUSBAR) == 0, "cold and dark again: busbar 0 V");
    act(b, n, "add-on menu: Toggle Ladder", {"menu 56"});
    n.show("ladder", b.get("L:TarmelonLadder, bool"));
}

// ---- the flight saved and loaded again ---------------------------------------------------


void save_and_reload(bench::Bench& b, Narrator& n) {
    n.heading("the flight saved and loaded again");
    std::vector<double> saved;
    for (const char* v : KEPT) saved.push_back(b.get(v));
    const std::string flight = "C:/Flights/Demo Flight.FLT";
    n.say("the simulator saves the flight \"" + flight + "\"");
    b.exec("save \"" + flight + "\"");
    n.frames(3);
    const auto file = std::filesystem::path(b.options().root) / "SimObjects" / "Airplanes" / "VK_Tarmelon" / "panel" /
                      "PanelSave" / "Demo Flight.FLT.save";
    check(n, std::filesystem::exists(file), "panel state file written beside the flight");
    n.say("the simulator unloads the aircraft and loads the saved flight again");
    b.unload();
    b.load(flight);
    n.marked();
    n.seconds(2);
    bool restored = true;
    for (std::size_t i = 0; i < std::size(KEPT); ++i) {
        const double now = b.get(KEPT[i]);
        char line[160];
        std::snprintf(line, sizeof line, "cockpit: %-30s saved %g, ready preset %g, now %g", KEPT[i], saved[i],
                      ready_cockpit[i], now);
        n.say(line);
        restored = restored && now == saved[i];
    }
    check(n, restored, "cockpit restored as saved");
}

}  // namespace

int run_demo(bench::Options options) {
    std::cout << "Tarmelon bench: demo flight\n";
    options.flying = true;
    bench::Bench b(options);
    b.set_fault_stream(&std::cerr);
    Narrator n(b);
    try {
        connect(b, n);
        for (auto phase : {power_up, start_engines, taxi_out, take_off, climb_on_autopilot, tune_radios, squawk, descend,
                           approach, land, taxi_in, shut_down, save_and_reload})
            phase(b, n);
    } catch (const PhaseFailed& failed) {
        n.say("FAILED: not reached: " + failed.what);
        n.aircraft();
        return 1;
    } catch (const std::exception& e) {
        n.say(std::string("FAILED: the bench stopped the flight: ") + e.what());
        return 1;
    }
    b.unload();
    const auto faults = b.faults();
    n.say("unloaded; " + (faults.empty() ? std::string("no faults") : std::to_string(faults.size()) + " distinct faults"));
    if (faults.empty()) n.say("demo flight complete");
    return faults.empty() ? 0 : 1;
}
