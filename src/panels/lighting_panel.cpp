// Lighting_Panel: cockpit lighting and ground test.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(16786, 0, 0);
} elements;
const ElementChain<1> links(&lighting_panel_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* lighting_panel_root = el(elements.background);

sdk::MOUSERECT lighting_panel_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL lighting_panel_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
