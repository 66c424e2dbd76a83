// TO_Panel: heaters, vents, fuel transfers, battery, cabin air, LP cocks, pressure gauges.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(4356, 0, 0);
} elements;
const ElementChain<1> links(&to_panel_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* to_panel_root = el(elements.background);

sdk::MOUSERECT to_panel_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL to_panel_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
