// Elec_Panel: generators, inverters and their meters, autopilot bank and pitch selectors.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(384, 0, 0);
} elements;
const ElementChain<1> links(&elec_panel_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* elec_panel_root = el(elements.background);

sdk::MOUSERECT elec_panel_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL elec_panel_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
