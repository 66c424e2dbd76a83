// Module-wide fields of the fuel system: the five tank groups, what each can feed, the
// selector rotation, the transfers, automatic management and the negative-g clock.
#pragma once

#include <cstdint>

namespace tarmelon {

// The aircraft's tanks, in the order of the model.
enum FuelTankIndex { TANK_TOP, TANK_BELLY, TANK_REAR, TANK_PORT_WING, TANK_STBD_WING, FUEL_TANK_COUNT };

struct FuelTank {
    double lbs;                  // contents, refreshed every fuel update
    std::int32_t feedsPort;      // the tank can feed engine 1 now
    std::int32_t feedsStbd;      // the tank can feed engine 2 now
    std::int32_t transferToRear; // wing tanks only
};

// The Fuel_Panel needles' tanks, in the order of panelTankLbs.
enum PanelTank { PANEL_PORT_WING, PANEL_STBD_WING, PANEL_BELLY, PANEL_TOP, PANEL_REAR, PANEL_TANK_COUNT };

// The fuel panel's pumps, cocks and switches as whole numbers, as one reader last saw them.
struct FuelSwitches {
    std::int32_t bellyPumpPort;
    std::int32_t bellyPumpStbd;
    std::int32_t wingPumpPort;
    std::int32_t wingPumpStbd;
    std::int32_t rearPumpPort;
    std::int32_t rearPumpStbd;
    std::int32_t rearCockPort;
    std::int32_t rearCockStbd;
    std::int32_t portTransferPos;   // wing to rear transfer switches: 1 feed the engine, 0 transfer
    std::int32_t stbdTransferPos;
    std::int32_t portLPCockPos;     // 0 shut, 1 open, 2 open with the cover shut
    std::int32_t stbdLPCockPos;
    std::int32_t topBellyCockPos;   // 0 .. 3: guard and lever together
};

struct FuelState {
    FuelTank tanks[FUEL_TANK_COUNT];
    std::uint8_t engine1Combusting;  // copies of the simulator's combustion flags
    std::uint8_t engine2Combusting;
    std::uint8_t autoFuelManagement;
    std::int32_t portWingTransferActive;
    std::int32_t stbdWingTransferActive;
    std::int32_t topToBellyTransferActive;
    double panelTankLbs[PANEL_TANK_COUNT];  // as last computed by the Fuel_Panel needles
    // Selector-rotation clock.
    std::uint8_t rotationStarted;
    std::uint32_t rotationNextSecond;
    std::uint32_t rotationCurrentSecond;
    // Negative-g clock.
    std::uint8_t negativeGActive;
    std::uint32_t negativeGSince;
    std::uint8_t transferTick;  // set by the one-second event, consumed by the transfers
    // What the fuel update last read: the switches and both simulator fuel selectors.
    FuelSwitches switches;
    std::int32_t selectorCode[2];
    // The overview window's copies of the switches, taken by its own gauge callback.
    FuelSwitches overview;
    // The top-to-belly cock position whose guard and lever mirrors were last written; -1
    // none yet, so the mirrors follow any way the position is set (presets, restore, the
    // automatic management).
    std::int32_t topBellyMirroredPos;
    // The tip-tank jettison switch's spring-back clock (whole seconds of token 604).
    std::uint8_t tipTankSpringArmed;
    std::uint32_t tipTankSpringDue;
};

}  // namespace tarmelon
