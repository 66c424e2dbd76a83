// Fuel_Selector_SYS: the invisible gauge whose pre-update service runs the fuel system model.
#include "panels/model_gauge.h"
#include "systems/fuel/fuel.h"

namespace tarmelon {

extern const GaugeParts Fuel_Selector_SYS = ModelGauge<1801, update_fuel_system>::parts;

}  // namespace tarmelon
