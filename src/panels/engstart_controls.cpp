// EngStart_Controls: engine masters, ignition, push start and electric start.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(14888, 0, 0);
} elements;
const ElementChain<1> links(&engstart_controls_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* engstart_controls_root = el(elements.background);

sdk::MOUSERECT engstart_controls_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL engstart_controls_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
