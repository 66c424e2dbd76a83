// Fuel_System_Overview: the fuel system diagram with flows and quantities.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(14885, 0, 0);
} elements;
const ElementChain<1> links(&fuel_system_overview_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* fuel_system_overview_root = el(elements.background);

sdk::MOUSERECT fuel_system_overview_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL fuel_system_overview_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
