// Panel_Selector_Arrow: the arrow that opens the panel selector.
#include "core/state.h"
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(14852, 0, 0);
} elements;
const ElementChain<1> links(&panel_selector_arrow_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* panel_selector_arrow_root = el(elements.background);

sdk::MOUSERECT panel_selector_arrow_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL panel_selector_arrow_callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    // The first update of the arrow means the cockpit's panels are live.
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) state.selector.arrowGaugeUpdated = 1;
}

}  // namespace tarmelon
