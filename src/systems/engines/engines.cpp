#include "systems/engines/engines.h"

#include "core/config.h"
#include "core/files.h"
#include "core/vars.h"
#include "state.h"

namespace tarmelon {

namespace {
std::uint8_t* hp_cock(int engine) {
    if (engine == 1) return &state.engines.hpCock1Open;
    if (engine == 2) return &state.engines.hpCock2Open;
    return nullptr;
}
}  // namespace

void set_hp_cock(int engine, bool open) {
    if (std::uint8_t* cock = hp_cock(engine)) *cock = open ? 1 : 0;
}

std::uint8_t hp_cock_open(int engine) {
    const std::uint8_t* cock = hp_cock(engine);
    return cock != nullptr ? *cock : 0;
}

void read_electric_start_setting() {
    state.engines.electricStartVolts = text_to_int(read_cfg("ElectricStart", "Volts").text);
    set_int("L:ElecStartVolts, number", state.engines.electricStartVolts);
}

}  // namespace tarmelon
