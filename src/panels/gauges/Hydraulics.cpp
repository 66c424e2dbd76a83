// Hydraulics: the invisible gauge whose pre-update service runs the hydraulics model.
#include "panels/model_gauge.h"
#include "systems/hydraulics/hydraulics.h"

namespace tarmelon {

extern const GaugeParts Hydraulics = ModelGauge<16777, update_hydraulics>::parts;

}  // namespace tarmelon
