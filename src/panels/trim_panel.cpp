// Trim_Panel: trims, nosewheel, lights, anti-ice, photoflash, flares, ground power.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(56768, 0, 0);
} elements;
const ElementChain<1> links(&trim_panel_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* trim_panel_root = el(elements.background);

sdk::MOUSERECT trim_panel_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL trim_panel_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
