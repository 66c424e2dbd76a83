// The demo flight: the module loaded in the bench as the simulator would load it, narrated
// step by step: connection, initial state, ready preset, the pilot at work, a saved flight,
// and that flight loaded again with its cockpit.
#include "demo.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
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
