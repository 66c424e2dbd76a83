// The simulated aircraft: the list of its systems and the routing of resets, steps, key
// events, simulator events and tokens to them. What each system keeps and what moves it is
// told at the top of its own file.
#include "aircraft.h"

#include <utility>

#include "systems.h"
#include "text.h"

namespace bench {

namespace sim {

double Context::get(std::string_view name) const {
    const VariableName* parsed = cached_variable_name(name);
    return parsed ? vars_.get(parsed->key) : 0.0;
}

void Context::set(std::string_view name, double value) {
    if (const VariableName* parsed = cached_variable_name(name)) vars_.set(*parsed, value);
}

void Context::toggle(std::string_view name) { set(name, get(name) != 0.0 ? 0.0 : 1.0); }

void Context::set_text(std::string_view name, std::string text) {
    if (const VariableName* parsed = cached_variable_name(name)) vars_.set_text(*parsed, std::move(text));
}

}  // namespace sim

namespace {

using sim::KeyAction;

// Every simulated system, in the order it is reset and stepped.
const sim::System* const kSystems[] = {
    &sim::kWorld,  &sim::kElectrical, &sim::kRadios, &sim::kGear,       &sim::kControls, &sim::kFuel,
    &sim::kEngines, &sim::kLights,    &sim::kCanopy, &sim::kPhotoflash, &sim::kCabin,    &sim::kFlight,
    &sim::kGps,
    &sim::kNavaids,
    &sim::kAutopilot,
    &sim::kTransponder,
    &sim::kFlying,
};

const sim::KeyRow* key_row(std::uint32_t id) {
    for (const sim::System* system : kSystems)
        for (const sim::KeyRow& row : system->keys)
            if (row.id == id) return &row;
    return nullptr;
}

const sim::TokenRow* token_row(int id) {
    for (const sim::System* system : kSystems)
        for (const sim::TokenRow& row : system->tokens)
            if (row.id == id) return &row;
    return nullptr;
}

// Simulator event names match regardless of letter case, as SimConnect maps them.
const sim::SimEventRow* sim_event_row(std::string_view name) {
    const std::string wanted = upper(name);
    for (const sim::System* system : kSystems)
        for (const sim::SimEventRow& row : system->sim_events)
            if (wanted == row.name) return &row;
    return nullptr;
}

}  // namespace

double Aircraft::get(std::string_view name) const {
    const VariableName* parsed = cached_variable_name(name);
    return parsed ? vars_.get(parsed->key) : 0.0;
}

void Aircraft::set(std::string_view name, double value) { sim::Context(vars_, memory_).set(name, value); }

void Aircraft::reset() {
    sim::Context c(vars_, memory_);
    for (const sim::System* system : kSystems)
        for (const sim::RestValue& row : system->at_rest) c.set(row.name, row.value);
    memory_ = sim::Memory{};
}

void Aircraft::step(double dt_seconds) {
    sim::Context c(vars_, memory_);
    for (const sim::System* system : kSystems)
        if (system->step != nullptr) system->step(c, dt_seconds);
}

bool Aircraft::apply_key(std::uint32_t id, std::uint32_t parameter) {
    const sim::KeyRow* row = key_row(id);
    if (row == nullptr) return false;
    sim::Context c(vars_, memory_);
    switch (row->action) {
        case KeyAction::SetTo: c.set(row->variable, static_cast<double>(parameter)); break;
        case KeyAction::Toggle: c.toggle(row->variable); break;
        case KeyAction::On: c.set(row->variable, 1.0); break;
        case KeyAction::Off: c.set(row->variable, 0.0); break;
        case KeyAction::Custom:
            if (row->custom != nullptr) row->custom(c, parameter);
            break;
    }
    return true;
}

bool Aircraft::apply_sim_event(std::string_view name, std::uint32_t data) {
    if (auto id = key_event_id(name)) return apply_key(*id, data);
    const sim::SimEventRow* row = sim_event_row(name);
    if (row == nullptr) return false;
    sim::Context c(vars_, memory_);
    row->apply(c, data);
    return true;
}

bool Aircraft::knows_sim_event(std::string_view name) {
    return key_event_id(name).has_value() || sim_event_row(name) != nullptr;
}

std::optional<std::uint32_t> Aircraft::key_event_id(std::string_view name) {
    const std::string wanted = upper(name);
    for (const sim::System* system : kSystems)
        for (const sim::KeyRow& row : system->keys)
            if (wanted == row.name) return row.id;
    return std::nullopt;
}

std::optional<double> Aircraft::token(int id) const {
    const sim::TokenRow* row = token_row(id);
    if (row == nullptr) return std::nullopt;
    return get(row->name) * row->scale;
}

bool Aircraft::set_token(int id, double value) {
    const sim::TokenRow* row = token_row(id);
    if (row == nullptr) return false;
    set(row->name, value / row->scale);
    return true;
}

}  // namespace bench
