// SystemWatch: the invisible frame driver. It draws nothing; its gauge callback runs the
// start-up sequence and the per-frame cockpit work, and its one needle's update callback
// runs the per-frame system and instrument updates.
#include "core/frame.h"
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(0, 0, 0);
    sdk::ELEMENT_NEEDLE systems = needle(0, 0, 0, 0, 0, nullptr, 0, frame_update_list);
} elements;
const ElementChain<2> links(&system_watch_gauge, {el(elements.background), el(elements.systems)});
}  // namespace

sdk::ELEMENT_HEADER* system_watch_root = el(elements.background);

sdk::MOUSERECT system_watch_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL system_watch_callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) frame_pre_update();
}

}  // namespace tarmelon
