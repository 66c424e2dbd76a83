// SystemWatch: the invisible frame driver. It draws nothing; its gauge callback runs the
// start-up sequence and the per-frame cockpit work, and its one needle's update callback
// runs the per-frame system and instrument updates.
#include "panels/elements.h"
#include "panels/frame_hooks.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {

sdk::FLOAT64 TM_STDCALL systems_needle(sdk::ELEMENT_NEEDLE*) {
    frame_update_list();
    return 0.0;
}

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(0, 0, 0);
    sdk::ELEMENT_NEEDLE systems = needle(0, 0, 0, 0, 0, nullptr, 0, systems_needle);
} elements;
ElementChain<2> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) { tree.link(gauge, {el(elements.background), el(elements.systems)}); }

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) frame_pre_update();
}

}  // namespace

extern const GaugeParts SystemWatch = {&root, mouse, callback, link};

}  // namespace tarmelon
