// GearFlaps_Panel: gear, flaps, tip-tank jettison and canopy lift.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(6550, 0, 0);
} elements;
const ElementChain<1> links(&gearflaps_panel_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* gearflaps_panel_root = el(elements.background);

sdk::MOUSERECT gearflaps_panel_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL gearflaps_panel_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
