// Autopilot_Switch_Panel: autopilot channel switches and magnetic indicators.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(10628, 0, 0);
} elements;
const ElementChain<1> links(&autopilot_switch_panel_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* autopilot_switch_panel_root = el(elements.background);

sdk::MOUSERECT autopilot_switch_panel_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL autopilot_switch_panel_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
