// The aircraft battery as the simulator keeps it.
//
// Reads: the last "ELECTRICAL BATTERY VOLTAGE" received (state.simdata.batteryVoltage).
// Writes: that voltage + 1 through data definition 0 while it is 20 V or less.
// Example: a reading of 19.5 V writes 20.5 V every frame until the simulator reports again.
#pragma once

namespace tarmelon {

// Every frame: keeps the simulator's battery from running flat. Nothing is written before
// the simulator has reported a voltage.
void battery_top_up();

}  // namespace tarmelon
