#include "systems/electrical/battery.h"

#include "simlink/aircraft_data.h"
#include "simlink/ids.h"
#include "state.h"

namespace tarmelon {

void battery_top_up() {
    if (state.simdata.batteryVoltageReceived && state.simdata.batteryVoltage <= 20.0)
        write_definition(DEF_BATTERY_VOLTAGE, state.simdata.batteryVoltage + 1.0);
}

}  // namespace tarmelon
