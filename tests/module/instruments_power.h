// The instrument tests' cockpit: the started aircraft with the electrical supply a test
// wants, held through every frame. The generators (and with them inverter 2) follow the
// engines' RPM (tokens 624 and 643), which is imposed before each frame; the battery keeps
// DC power, inverter 1 and inverter 6 without them.
#pragma once

#include "scenario.h"

namespace instruments {

enum class Supply {
    Generators,  // engines at 50 % RPM: DC power and inverters 1, 2 and 6
    Battery,     // engines stopped: DC power, inverters 1 and 6, no inverter 2
    None,        // engines stopped and the battery off: nothing
};

class Cockpit {
public:
    explicit Cockpit(Supply supply = Supply::Generators) : supply_(supply) {
        run(20);
        set_supply(supply);
    }
    bench::Bench& b() { return bench_; }

    void set_supply(Supply supply) {
        supply_ = supply;
        bench_.set("L:AircraftBattPos, number", supply == Supply::None ? 0 : 3);
        run(4);  // the inverters follow the busbar one update later
    }

    void run(int frames) {
        const double rpm = supply_ == Supply::Generators ? 50.0 : 0.0;
        for (int i = 0; i < frames; ++i) {
            bench_.set_token(624, rpm);
            bench_.set_token(643, rpm);
            bench_.frames(1);
        }
    }

    double get(const char* name) { return bench_.get(name); }
    void set(const char* name, double value) { bench_.set(name, value); }
    void token(int id, double value) { bench_.set_token(id, value); }
    // A value shown after the instruments have run on the inputs just given.
    double after(const char* name) {
        run(1);
        return bench_.get(name);
    }

private:
    bench::Bench bench_;
    Supply supply_;
};

}  // namespace instruments
