// Panel_Selector: the panel selector.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(10753, 0, 0);
} elements;
const ElementChain<1> links(&panel_selector_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* panel_selector_root = el(elements.background);

sdk::MOUSERECT panel_selector_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL panel_selector_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
