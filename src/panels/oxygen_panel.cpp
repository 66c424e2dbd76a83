// Oxygen_Panel: the oxygen regulator.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(14600, 0, 0);
} elements;
const ElementChain<1> links(&oxygen_panel_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* oxygen_panel_root = el(elements.background);

sdk::MOUSERECT oxygen_panel_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL oxygen_panel_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
