// Checklist_Panel: the interactive checklists.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(17792, 0, 0);
} elements;
const ElementChain<1> links(&checklist_panel_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* checklist_panel_root = el(elements.background);

sdk::MOUSERECT checklist_panel_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL checklist_panel_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
