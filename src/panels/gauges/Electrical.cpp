// Electrical: the invisible gauge whose pre-update service runs the electrical model.
#include "panels/model_gauge.h"
#include "systems/electrical/electrical.h"

namespace tarmelon {

extern const GaugeParts Electrical = ModelGauge<16784, update_electrical>::parts;

}  // namespace tarmelon
