#include "simlink/aircraft_data.h"

#include <algorithm>
#include <cstring>

#include "core/numeric.h"
#include "state.h"
#include "simlink/ids.h"
#include "simlink/simconnect_api.h"

namespace tarmelon {

namespace {

constexpr std::size_t MAX_DATUMS = 8;
constexpr double LBS_PER_GALLON = 6.7;

// Decodes the datums of a definition, in the order they were added. False when the
// payload is too short for them.
bool decode(sdk::DWORD_T definition, const unsigned char* payload, std::size_t size,
            double (&values)[MAX_DATUMS], std::size_t& count) {
    count = 0;
    std::size_t at = 0;
    for (const Datum& d : DATA_DEFINITIONS) {
        if (d.definition != definition || count == MAX_DATUMS) continue;
        const std::size_t width = d.type == sdk::SIMCONNECT_DATATYPE_INT32 ? sizeof(std::int32_t) : sizeof(double);
        if (at > size || size - at < width) return false;
        if (width == sizeof(std::int32_t)) {
            std::int32_t v;
            std::memcpy(&v, payload + at, sizeof v);
            values[count++] = v;
        } else {
            double v;
            std::memcpy(&v, payload + at, sizeof v);
            values[count++] = v;
        }
        at += width;
    }
    return count > 0;
}

std::int32_t as_int(double v) { return truncate_i32(v); }

void store_quantity(SimTank tank, double gallons) {
    state.simdata.fuelQuantityGallons[tank] = gallons;
    state.simdata.fuelQuantityReceived[tank] = 1;
}

}  // namespace

void on_aircraft_data(sdk::DWORD_T request, const unsigned char* payload, std::size_t size) {
    double v[MAX_DATUMS];
    std::size_t count = 0;
    if (!decode(request, payload, size, v, count)) return;
    SimData& d = state.simdata;
    switch (request) {
        case DEF_BATTERY_VOLTAGE:
            d.batteryVoltage = v[0];
            d.batteryVoltageReceived = 1;
            break;
        case DEF_FUEL_CAPACITIES:
            for (std::size_t i = 0; i < SIM_TANK_COUNT && i < count; ++i) d.fuelCapacityGallons[i] = v[i];
            break;
        case DEF_FUEL_CENTER: store_quantity(TANK_CENTER, v[0]); break;
        case DEF_FUEL_CENTER2: store_quantity(TANK_CENTER2, v[0]); break;
        case DEF_FUEL_CENTER3: store_quantity(TANK_CENTER3, v[0]); break;
        case DEF_FUEL_LEFT_AUX: store_quantity(TANK_LEFT_AUX, v[0]); break;
        case DEF_FUEL_RIGHT_AUX: store_quantity(TANK_RIGHT_AUX, v[0]); break;
        case DEF_FUEL_FLOW:
            d.fuelFlowPph[0] = v[0];
            if (count > 1) d.fuelFlowPph[1] = v[1];
            d.fuelFlowReceived = 1;
            break;
        case DEF_N1_1: d.simN1[0] = v[0]; break;
        case DEF_N1_2: d.simN1[1] = v[0]; break;
        case DEF_THROTTLE_1: d.simThrottlePercent[0] = v[0]; break;
        case DEF_THROTTLE_2: d.simThrottlePercent[1] = v[0]; break;
        case DEF_EGT_1: d.jptCelsius[0] = (v[0] - 491.67) * 0.55; break;
        case DEF_EGT_2: d.jptCelsius[1] = (v[0] - 491.67) * 0.55; break;
        case DEF_AILERON_POSITION: d.simAileronPercent = v[0] * 100.0; break;
        case DEF_RUDDER_POSITION: d.simRudderPercent = v[0] * 100.0; break;
        case DEF_ELEVATOR_POSITION: d.simElevatorPercent = v[0] * 100.0; break;
        case DEF_SIM_ON_GROUND: d.simOnGround = as_int(v[0]); break;
        case DEF_AUTOTHROTTLE: d.simAutothrottleActive = as_int(v[0]); break;
        case DEF_AUTOPILOT_MASTER: d.simAutopilotMaster = as_int(v[0]); break;
        case DEF_STARTER_1: d.starterEngaged[0] = as_int(v[0]); break;
        case DEF_STARTER_2: d.starterEngaged[1] = as_int(v[0]); break;
        case DEF_CANOPY_OPEN: d.canopyOpenPercent = v[0]; break;
        case DEF_BRAKE_LEFT: d.brakeLeftPercent = v[0]; break;
        case DEF_BRAKE_RIGHT: d.brakeRightPercent = v[0]; break;
        default: break;  // trims, tail hook and exit: not used
    }
}

void write_definition(sdk::DWORD_T definition, double value) {
    state.simlink.simResult = sc.SimConnect_SetDataOnSimObject(
        state.simlink.simHandle, definition, sdk::SIMCONNECT_OBJECT_ID_USER, 0, 0, sizeof value, &value);
}

void write_fuel_load(std::int32_t total_lbs) {
    double center2 = 0, center3 = 0, left_aux = 0, right_aux = 0, center = 0;
    double rest = std::max(0, total_lbs);
    center2 = std::min(rest, 3336.0);
    rest -= center2;
    center3 = std::min(rest, 4320.0);
    rest -= center3;
    const double wings = std::min(rest, 6848.0);
    left_aux = right_aux = wings / 2.0;
    rest -= wings;
    center = std::min(rest, 7680.0);
    write_definition(DEF_FUEL_CENTER2, center2 / LBS_PER_GALLON);
    write_definition(DEF_FUEL_CENTER3, center3 / LBS_PER_GALLON);
    write_definition(DEF_FUEL_LEFT_AUX, left_aux / LBS_PER_GALLON);
    write_definition(DEF_FUEL_RIGHT_AUX, right_aux / LBS_PER_GALLON);
    write_definition(DEF_FUEL_CENTER, center / LBS_PER_GALLON);
}

}  // namespace tarmelon
