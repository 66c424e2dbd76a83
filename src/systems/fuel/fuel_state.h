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
};

}  // namespace tarmelon
