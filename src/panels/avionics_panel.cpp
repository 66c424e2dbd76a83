// Avionics_Panel: avionics master, emergency avionics and the voltmeter.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(14604, 0, 0);
} elements;
const ElementChain<1> links(&avionics_panel_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* avionics_panel_root = el(elements.background);

sdk::MOUSERECT avionics_panel_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL avionics_panel_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
