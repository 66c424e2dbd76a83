// Throttles_Panel: throttles, JPT selectors, abandon and pressure dump.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(8456, 0, 0);
} elements;
const ElementChain<1> links(&throttles_panel_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* throttles_panel_root = el(elements.background);

sdk::MOUSERECT throttles_panel_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL throttles_panel_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
