// The demo flight: the module loaded in the bench as the simulator would load it, narrated
// step by step: connection, initial state, ready preset, the cockpit made cold and dark and
// brought to life again (battery, ground power, pumps, push starts, generators, taxi power),
// the autopilot engaged in the climb,
// the pilot at work, a saved flight, and that flight loaded again with its cockpit.
#include "demo.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <string>
#include <vector>

#include "bench.h"

namespace {

class Narrator {
public:
    explicit Narrator(bench::Bench& b) : b_(b) {}

    void say(const std::string& text) const {
        char stamp[48];
        std::snprintf(stamp, sizeof stamp, "[t=%6.2fs] ", b_.sim_seconds());
        std::cout << stamp << text << "\n";
    }

    void show(const char* variable) const {
        char line[160];
        std::snprintf(line, sizeof line, "    %-40s = %g", variable, b_.get(variable));
        std::cout << line << "\n";
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

    void marked() {
        b_.mark();
        texts_seen_ = 0;
    }

    bool key_seen(std::uint32_t id, std::uint32_t param) const {
        const auto& keys = b_.key_log();
        return std::any_of(keys.begin(), keys.end(), [&](const auto& k) { return k.id == id && k.param == param; });
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

// Runs whole seconds until the condition holds (at most the limit), telling the seconds.
template <typename Condition>
void until(bench::Bench& b, Narrator& n, double limit, Condition done) {
    for (double t = 0; t < limit && !done(); t += 1.0) n.frames(b.options().fps);
}

// From cold and dark to both engines running on their generators, by the 2D panels and the
// virtual cockpit, as a pilot does it: battery, ground power, pumps and cocks, push starts,
// generators, ground power off, throttles up for the taxi.
void start_from_cold(bench::Bench& b, Narrator& n) {
    n.say("the pilot presses Power on the panel selector: the cold-and-dark preset");
    std::cout << b.start("cold-and-dark");
    for (const char* v : {"L:AircraftBattPos, number", "L:BusbarNeedle,number", "A:GENERAL ENG COMBUSTION:1, bool",
                          "A:GENERAL ENG COMBUSTION:2, bool"})
        n.show(v);

    act(b, n, "battery guard up and switch on (virtual cockpit)", {"key 69698", "key 69699"});
    n.show("L:BusbarNeedle,number");
    act(b, n, "ground power on (trim panel)", {"click Trim_Panel 1740 900"});
    n.show("L:BusbarNeedle,number");
    n.show("L:ElecStartVolts, number");
    act(b, n, "generator breakers in, generators and inverter 6 on, avionics master on",
        {"click Elec_Panel 1545 705", "click Elec_Panel 1650 705", "key 69666", "key 69665", "key 69667",
         "click Avionics_Panel 100 150"});
    act(b, n, "LP cocks open under their covers, belly pumps on",
        {"key 69701", "key 69700", "key 69703", "key 69702", "window open 400", "click Fuel_Panel 360 100",
         "click Fuel_Panel 470 100"});
    n.show("L:Engine1_fuel_pres_fail, bool");
    act(b, n, "HP cocks: both throttles over the idle gate",
        {"window open 1100", "click Throttles_Panel 670 500 right", "click Throttles_Panel 860 500 right"});
    act(b, n, "engine masters and ignition on, No 1 start selected",
        {"window open 300", "click EngStart_Controls 350 400", "click EngStart_Controls 200 400",
         "click EngStart_Controls 610 400", "click EngStart_Controls 750 400", "click EngStart_Controls 60 110"});

    const auto spooled = [&](int engine) {
        return b.get("A:GENERAL ENG STARTER:" + std::to_string(engine) + ", bool") == 0 &&
               b.get("A:GENERAL ENG COMBUSTION:" + std::to_string(engine) + ", bool") != 0;
    };
    act(b, n, "engine 1 push start (virtual cockpit)", {"key 69929"});
    n.show("L:ElecStartVolts, number");
    for (int i = 0; i < 3; ++i) {
        until(b, n, 30, [&] { return spooled(1); });
        n.show("A:TURB ENG CORRECTED N1:1, percent");
        n.show("L:JPT1 Temp, number");
    }
    until(b, n, 60, [&] { return spooled(1); });
    n.say(std::string("engine 1 ") + (spooled(1) ? "running, starter cut" : "not running"));
    act(b, n, "No 2 start selected, engine 2 push start (panel)",
        {"click EngStart_Controls 60 110", "click EngStart_Controls 870 110", "click EngStart_Controls 560 590"});
    until(b, n, 120, [&] { return spooled(2); });
    n.say(std::string("engine 2 ") + (spooled(2) ? "running, starter cut" : "not running"));
    for (const char* v : {"A:TURB ENG CORRECTED N1:1, percent", "A:TURB ENG CORRECTED N1:2, percent",
                          "A:GENERAL ENG MASTER ALTERNATOR:1, bool", "A:GENERAL ENG MASTER ALTERNATOR:2, bool",
                          "L:BusbarNeedle,number",
                          "L:oilPress_ENG1,number"})
        n.show(v);
    act(b, n, "ground power off: the generators carry the busbar", {"click Trim_Panel 1740 900"});
    n.show("L:GroundUnitsShow, bool");
    n.show("L:BusbarNeedle,number");
    act(b, n, "throttles up for the taxi (throttle axis)", {"event AXIS_THROTTLE_SET -8000"});
    n.frames(5 * b.options().fps);
    for (const char* v : {"L:Throttle1Position,number", "A:TURB ENG CORRECTED N1:1, percent",
                          "A:TURB ENG CORRECTED N1:2, percent", "L:Eng1FuelFlowND,number"})
        n.show(v);
}

// In the climb the pilot engages the autopilot (its panel and the electrical panel's pitch
// selector): canopy closed, POWER and the three channels in, a minute's warm-up, ENGAGE,
// three degrees more nose up; the autopilot's pitch law trims the bench aircraft onto it.
// Then autopilot off and back on the ground. The bench aircraft does not fly: the demo gives
// it its airspeed and altitude.
void climb_on_autopilot(bench::Bench& b, Narrator& n) {
    act(b, n, "canopy closed (virtual cockpit)", {"key 69942"});
    until(b, n, 10, [&] { return b.get("A:CANOPY OPEN, percent") == 0; });
    n.show("A:CANOPY OPEN, percent");
    n.say("in the climb at 250 kt, 5000 ft, 2 degrees nose up");
    b.set("A:SIM ON GROUND, bool", 0);
    b.set("A:AIRSPEED INDICATED, knots", 250);
    b.set("A:PLANE ALTITUDE, feet", 5000);
    b.set_token(77, -2);
    b.set_token(78, -2);
    const auto switch_in = [&](int x, int y, const char* wanted) {
        for (int i = 0; i < 2; ++i)
            if (b.tooltip("Autopilot_Switch_Panel", x, y).value_or("").find(wanted) == std::string::npos)
                b.click("Autopilot_Switch_Panel", x, y, 0x20000000);
    };
    act(b, n, "autopilot panel open, POWER on, aileron, elevator and rudder channels in",
        {"window open 900", "window open 100"});
    switch_in(100, 690, "[WAIT]");
    for (int x : {370, 495, 250}) switch_in(x, 350, "[IN]");
    until(b, n, 70, [&] { return b.get("L:ApReadyLight_OnOff, bool") == 1; });
    n.show("L:ApReadyLight_OnOff, bool");
    act(b, n, "ENGAGE: the autopilot holds the climb attitude", {"click Autopilot_Switch_Panel 650 700"});
    n.show("A:AUTOPILOT MASTER, bool");
    n.show("L:ApInLight_OnOff, bool");
    act(b, n, "pitch selector held down (press, repeat, release): 3 degrees more, 5 nose up",
        {"click Elec_Panel 460 800", "click Elec_Panel 460 800 repeat", "click Elec_Panel 460 800 release"});
    n.frames(20 * b.options().fps);
    for (const char* v : {"L:curPitchSetVal,number", "A:PLANE PITCH DEGREES, degrees", "A:ELEVATOR TRIM POSITION, degrees",
                          "A:VERTICAL SPEED, feet per second", "A:PLANE ALTITUDE, feet"})
        n.show(v);
    act(b, n, "ENGAGE off, and back on the ground", {"click Autopilot_Switch_Panel 650 700", "window close 900"});
    b.set("A:SIM ON GROUND, bool", 1);
    b.set("A:AIRSPEED INDICATED, knots", 0);
    b.set("A:PLANE ALTITUDE, feet", 250);
    n.frames(2 * b.options().fps);  // the module hears of the ground with the next aircraft data
    n.show("A:AUTOPILOT MASTER, bool");
}

const char* const kCockpit[] = {
    "L:Lights_nav_POS, bool", "L:Lights_landing_POS, number", "L:AircraftBattPos, number",
    "L:GEN1OnOffPos, number", "L:StrobeSwitch1, number",     "L:GearDownButton, bool",
};

}  // namespace

int run_demo(bench::Options options) {
    std::cout << "Tarmelon bench: demo flight\n";
    bench::Bench b(options);
    b.set_fault_stream(&std::cerr);
    Narrator n(b);
    std::cout << "module           " << b.options().module_path << "\n"
              << "simulator folder " << b.options().root << "\n";

    const auto gauges = b.gauges();
    std::cout << "The simulator reads " << gauges.size() << " gauges from the module's Linkage record:\n";
    for (const auto& g : gauges) {
        std::string where;
        for (auto w : g.windows) {
            if (!where.empty()) where += ',';
            // Appended piece by piece (GCC 12 at -O3 warns falsely about "window " + a temporary).
            if (w == 0) {
                where += "main view";
            } else {
                where += "window ";
                where += std::to_string(w);
            }
        }
        char line[200];
        std::snprintf(line, sizeof line, "  %-24s %2d elements  %-12s %s\n", g.name.c_str(), g.elements,
                      g.has_callback ? "callback" : "no callback", where.empty() ? "not placed" : where.c_str());
        std::cout << line;
    }

    n.say("module_init ran: " + std::to_string(b.key_log().size()) + " key events, initial state applied");
    n.show("L:Canopy_Locked_Indicator, bool");
    n.show("L:Lights_nav_POS, bool");

    // Start-up, tick by tick: OPEN and the registrations, then the ready preset at base + 3.
    bool open = false;
    bool ready = false;
    for (int tick = 1; tick <= 8; ++tick) {
        n.frames(1);
        if (!open && b.simconnect_open()) {
            open = true;
            n.say("SimConnect answered: the module registered its data, events and menu (" +
                  std::to_string(b.simconnect_log().size()) + " SimConnect calls)");
        }
        if (!ready && n.key_seen(66701, 1)) {
            ready = true;
            n.say("tick " + std::to_string(tick) + ": the ready preset put the cockpit ready to fly");
            for (const char* v : kCockpit) n.show(v);
        }
    }
    if (!open) n.say("SimConnect never answered");
    n.frames(2 * b.options().fps);

    start_from_cold(b, n);
    climb_on_autopilot(b, n);

    // The pilot works the cockpit, then saves the flight.
    n.say("the pilot switches the nav lights off, the battery to 1 and strobe switch 1 to 2");
    b.set("L:Lights_nav_POS, bool", 0);
    b.set("L:AircraftBattPos, number", 1);
    b.set("L:StrobeSwitch1, number", 2);
    n.frames(4);
    n.show("A:LIGHT WING, bool");
    const std::string flight = "C:/Flights/Demo Flight.FLT";
    n.say("the simulator saves the flight \"" + flight + "\"");
    b.exec("save \"" + flight + "\"");
    n.frames(3);
    const auto saved = std::filesystem::path(b.options().root) / "SimObjects" / "Airplanes" / "VK_Tarmelon" /
                       "panel" / "PanelSave" / "Demo Flight.FLT.save";
    n.say(std::string("panel state file ") + (std::filesystem::exists(saved) ? "written: " : "missing: ") +
          saved.string());

    // The add-on menu and the pilot's intercepted inputs.
    n.say("add-on menu: Toggle Ladder");
    b.exec("menu 56");
    n.frames(1);
    n.show("L:TarmelonLadder, bool");
    n.say(std::string("throttle axis input: ") +
          (b.pilot_event("AXIS_THROTTLE1_SET", 0) ? "taken by the module" : "passed to the simulator"));
    n.say(std::string("pitot heat toggle: ") +
          (b.pilot_event("PITOT_HEAT_TOGGLE", 0) ? "taken by the module" : "passed to the simulator"));

    // The flight loaded again: a fresh module restores the cockpit from base + 5.
    n.say("the simulator unloads the aircraft and loads the saved flight again");
    b.unload();
    b.load(flight);
    n.marked();
    n.frames(12);
    for (const char* v : kCockpit) n.show(v);

    b.unload();
    const auto faults = b.faults();
    n.say("unloaded; " + (faults.empty() ? std::string("no faults") : std::to_string(faults.size()) + " distinct faults"));
    return faults.empty() ? 0 : 1;
}
