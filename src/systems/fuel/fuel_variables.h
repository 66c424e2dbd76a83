// The fuel system's cockpit and simulator variables, spelled as the fuel model and the fuel
// panels use them.
#pragma once

namespace tarmelon::fuelvar {

// Fuel panel.
inline constexpr char BELLY_PUMP_PORT[] = "L:BellyTankPortPump, bool";
inline constexpr char BELLY_PUMP_STBD[] = "L:BellyTankStbPump, bool";
inline constexpr char WING_PUMP_PORT[] = "L:WingPumpPort, bool";
inline constexpr char WING_PUMP_STBD[] = "L:WingPumpStbd, bool";
inline constexpr char REAR_PUMP_PORT[] = "L:RearPumpPort, bool";
inline constexpr char REAR_PUMP_STBD[] = "L:RearPumpStbd, bool";
inline constexpr char REAR_COCK_PORT[] = "L:RearFuelCockPort, bool";
inline constexpr char REAR_COCK_STBD[] = "L:RearFuelCockStbd, bool";
inline constexpr char TOP_BELLY_COCK[] = "L:Top2BellyTransCockPos, number";
inline constexpr char TOP_BELLY_LEVER[] = "L:Fuelpan_Topbelly_transfer_switch,bool";
inline constexpr char TOP_BELLY_GUARD[] = "L:Fuelpan_Topbelly_transfer_guard,bool";
inline constexpr char AUTO_FUEL_STATUS[] = "L:AutoFuelStatus, number";

// Take-off panel: wing to rear transfer switches and the engines' master LP cocks.
inline constexpr char PORT_TRANSFER[] = "L:PortTrans2RearTankPos, bool";
inline constexpr char STBD_TRANSFER[] = "L:StbdTrans2RearTankPos, bool";
inline constexpr char PORT_LP_COCK[] = "L:portLPCockPos, number";
inline constexpr char STBD_LP_COCK[] = "L:stbdLPCockPos, number";

// The simulator's tanks, in the order of FuelTankIndex (top, belly, rear, port wing,
// starboard wing).
inline constexpr const char* TANK_QUANTITY[] = {
    "A:FUEL TANK CENTER QUANTITY,gallon",   "A:FUEL TANK CENTER2 QUANTITY,gallon",
    "A:FUEL TANK CENTER3 QUANTITY,gallon",  "A:FUEL TANK LEFT AUX QUANTITY,gallon",
    "A:FUEL TANK RIGHT AUX QUANTITY,gallon",
};

}  // namespace tarmelon::fuelvar
