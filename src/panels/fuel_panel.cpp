// Fuel_Panel: pumps, cocks, tank contents and automatic fuel management.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(1801, 0, 0);
} elements;
const ElementChain<1> links(&fuel_panel_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* fuel_panel_root = el(elements.background);

sdk::MOUSERECT fuel_panel_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL fuel_panel_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
