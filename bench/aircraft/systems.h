// Inside the simulated aircraft: the shape every simulated system has. A system is a set of
// tables (its values at rest, the token variables behind its values, the key events and
// simulator events it answers) and, where something moves by itself, a step function.
// aircraft.cpp holds the list of systems and routes to them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "aircraft.h"
#include "variables.h"

namespace bench::sim {

// The variables and memory a system works on.
class Context {
public:
    Context(Variables& variables, Memory& kept) : memory(kept), vars_(variables) {}
    double get(std::string_view name) const;
    void set(std::string_view name, double value);
    void toggle(std::string_view name);  // 0 becomes 1, anything else 0
    void set_text(std::string_view name, std::string text);  // a string variable (A:ATC ID)

    Memory& memory;

private:
    Variables& vars_;
};

// A variable's value while the aircraft is parked, cold, at load.
struct RestValue {
    const char* name;
    double value;
};

// A token number and the aircraft variable behind it: token = variable * scale.
struct TokenRow {
    int id;
    const char* name;
    double scale;
};

// What a key event does to its variable.
enum class KeyAction {
    SetTo,   // the event's parameter
    Toggle,  // 0 and 1 in turn
    On,      // 1
    Off,     // 0
    Custom,  // the row's own function
};

struct KeyRow {
    std::uint32_t id;
    const char* name;  // the simulator's event name, by which SimConnect clients map it
    KeyAction action;
    const char* variable;
    void (*custom)(Context&, std::uint32_t parameter) = nullptr;
};

// A simulator event without a key number here, applied by name.
struct SimEventRow {
    const char* name;
    void (*apply)(Context&, std::uint32_t data);
};

struct System {
    const char* name;
    std::span<const RestValue> at_rest;
    std::span<const TokenRow> tokens;
    std::span<const KeyRow> keys;
    std::span<const SimEventRow> sim_events;
    void (*step)(Context&, double dt_seconds);  // null: nothing moves by itself
};

// Fuel reaches engine 1 or 2: its selector names a tank that holds fuel (or "all" with
// fuel in some tank) and its fuel is not cut off (fuel.cpp). Otherwise the engine starves.
bool fuel_reaches_engine(const Context& c, int engine);

// One per file in this folder.
extern const System kElectrical;
extern const System kEngines;
extern const System kFuel;
extern const System kGear;
extern const System kControls;
extern const System kLights;
extern const System kCanopy;
extern const System kPhotoflash;
extern const System kCabin;
extern const System kRadios;
extern const System kTransponder;
extern const System kNavaids;
extern const System kGps;
extern const System kWorld;
extern const System kFlight;
extern const System kAutopilot;
extern const System kFlying;

}  // namespace bench::sim
