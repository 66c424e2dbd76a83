// The engines: HP cocks and the electric-start setting.
//
// Reads: "ElectricStart"/"Volts" of the configuration file.
// Writes: "L:ElecStartVolts, number"; state.engines.
// Example: "Volts=28" in Tarmelon.cfg gives an electric-start voltage of 28.
#pragma once

#include <cstdint>

namespace tarmelon {

// Engine 1 or 2; any other number does nothing (and reads as shut).
void set_hp_cock(int engine, bool open);
std::uint8_t hp_cock_open(int engine);

// Reads the electric-start voltage from the configuration file and shows it.
void read_electric_start_setting();

}  // namespace tarmelon
