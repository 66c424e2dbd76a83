// Module-wide fields of the SimConnect link, and the aircraft data as last received.
#pragma once

#include <cstdint>

#include "sdk/simconnect.h"

namespace tarmelon {

struct SimlinkState {
    sdk::SC_HANDLE simHandle;      // the connection opened by module_init
    sdk::HRESULT_T simResult;      // result of the latest call that records one
    std::uint8_t simOpenReceived;  // 1 once the simulator answered with OPEN
    double simSpeed;               // simulation rate from the "Frame" event
    std::uint8_t simSpeedShown;    // the rate has been written to the console
    std::uint8_t squawkboxModeSent;     // the last transponder mode byte written
    std::int32_t squawkboxIdentSent;    // the last ident value written
    std::uint8_t allObjectsShown;       // the menu's all-objects toggle
};

// Tank order of the simulator's tanks as the data requests deliver them.
enum SimTank { TANK_CENTER, TANK_CENTER2, TANK_CENTER3, TANK_LEFT_AUX, TANK_RIGHT_AUX, SIM_TANK_COUNT };

// Aircraft data as last received from the data requests.
struct SimData {
    double fuelCapacityGallons[SIM_TANK_COUNT];
    double fuelQuantityGallons[SIM_TANK_COUNT];
    double fuelFlowPph[2];
    // Each tank quantity and the fuel flows have arrived at least once (never cleared).
    std::uint8_t fuelQuantityReceived[SIM_TANK_COUNT];
    std::uint8_t fuelFlowReceived;
    double simN1[2];
    double simThrottlePercent[2];
    double jptCelsius[2];          // exhaust gas temperature, converted from Rankine
    double simAileronPercent;      // surface positions, -100 to 100
    double simRudderPercent;
    double simElevatorPercent;
    std::int32_t simOnGround;
    std::int32_t simAutothrottleActive;
    std::int32_t simAutopilotMaster;
    std::int32_t starterEngaged[2];
    double canopyOpenPercent;
    double brakeLeftPercent;
    double brakeRightPercent;
    double batteryVoltage;
    std::uint8_t batteryVoltageReceived;  // no battery top-up before the first reading
};

}  // namespace tarmelon
