// Hydraulics: the invisible gauge whose pre-update service runs the hydraulics model.
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "systems/hydraulics/hydraulics.h"

namespace tarmelon {

namespace {

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(16777, 0, 0);
} elements;
ElementChain<1> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) { tree.link(gauge, {el(elements.background)}); }

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) update_hydraulics();
}

}  // namespace

extern const GaugeParts Hydraulics = {&root, mouse, callback, link};

}  // namespace tarmelon
