// Module-wide fields of the cabin air, pressurisation and oxygen systems.
#pragma once

#include <cstdint>

namespace tarmelon {

// A clock counting ticks (token 1) or whole seconds (token 604) to its next due time.
struct CabinClock {
    std::uint8_t armed;
    std::uint32_t next;
    std::uint32_t current;
};

struct CabinState {
    double cabinAltitude;           // thousands of feet
    std::int32_t cabinTempSetting;  // 0 to 120
    std::uint8_t cabinAirHeld;      // the cabin air selector is held by the mouse
    CabinClock cabinAirClock;       // its spring-back, every 18 ticks
    std::int32_t oxygenRandom;      // regulatorSupply: 200 to 399 PSI, drawn at every initial state
    std::int32_t regulatorPressure; // the pressure the regulator gauge shows, PSI
    std::int32_t oxygenContents[2]; // gauge 1 and gauge 2; never below 0
    CabinClock oxygenContentsClock[2];  // 15 seconds each
    std::uint8_t navCompartmentManned;
    std::uint8_t flowClocksArm;     // 1: the flow indicator clocks start on the next update
    std::uint32_t pilotFlowNext;    // tick of the pilot's next indicator step (every 20 ticks)
    std::uint32_t navFlowNext;      // tick of the navigator's next step (every 26 ticks)
};

}  // namespace tarmelon
