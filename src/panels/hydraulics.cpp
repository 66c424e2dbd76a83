// Hydraulics: the hydraulics model (gauge callback only).
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(16777, 0, 0);
} elements;
const ElementChain<1> links(&hydraulics_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* hydraulics_root = el(elements.background);

sdk::MOUSERECT hydraulics_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL hydraulics_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
