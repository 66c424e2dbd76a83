// Module-wide fields of the electrical system: which sources are live, DC power on the
// busbar, the four modelled inverters, the inverter meters and the inverter-4 sounds.
#pragma once

#include <cstdint>

namespace tarmelon {

struct ElectricalState {
    std::int32_t batteryOn;        // battery switch on (positions 2 or 3) or ground power on
    std::int32_t groundPowerOn;    // ground power switch on and the aircraft on the ground
    std::int32_t gen1Online;
    std::int32_t gen2Online;
    std::uint8_t dcPowerAvailable;  // DC power on the busbar (the last step of the model)
    std::int32_t inverter1Running;
    std::int32_t inverter2Running;
    std::int32_t inverter4Running;
    std::int32_t inverter6Running;
    std::int32_t eng1RpmPercent;   // engine RPM percent, truncated
    std::int32_t eng2RpmPercent;
    std::int32_t inv1VoltsShown;   // voltmeter reading per inverter, 1 V per element update
    std::int32_t inv2VoltsShown;
    std::int32_t inv1CyclesShown;  // frequency meter reading per inverter, 1 Hz per update
    std::int32_t inv2CyclesShown;
    // Inverter-4 sound sequencer.
    std::uint8_t inv4Started;
    std::uint8_t inv4TimerArmed;
    std::uint8_t inv4RunLoop;
    std::uint8_t inv4ShutdownDone;
    std::uint8_t inv4ViewCut;
    std::uint32_t inv4Deadline;    // whole second at which the run-loop sound starts
    double viewMode;               // cockpit view value of the sound and stiction gates
                                   // (the simulator's View event: 1 2D cockpit, 2 virtual)
    std::uint8_t radaltLimitLit;   // the radio altimeter's limit light has power and is on
    // Toggles sent to the simulator and not yet seen applied (core/toggle_sync.h): the
    // master battery and the two alternators. Kept across resets: they follow the simulator.
    std::uint8_t masterBatteryToggleWait;
    std::uint8_t alternatorToggleWait[2];
};

}  // namespace tarmelon
