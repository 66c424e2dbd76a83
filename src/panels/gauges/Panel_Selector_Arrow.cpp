// Panel_Selector_Arrow: the small arrow that opens the panel selector.
#include <cstdint>

#include "core/host.h"
#include "core/sim_keys.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "panels/windows.h"
#include "state.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(14852, 0, 0);
} elements;
ElementChain<1> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) { tree.link(gauge, {el(elements.background)}); }

// Opens the selector and puts the arrow away.
sdk::GBOOL TM_STDCALL open_selector_mouse(sdk::PIXPOINT*, sdk::FLAGS32 flags) {
    if ((flags & MOUSE_LEFT) == 0) return 0;
    host_trigger_key_event(KEY_PANEL_OPEN, WINDOW_SELECTOR);
    host_trigger_key_event(KEY_PANEL_CLOSE, WINDOW_SELECTOR_ARROW);
    return 0;
}

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(0, 0, 31, 38), tooltip("Open Panel Selector"), group_end(),
    click(0, 0, 31, 38, sdk::CURSOR_HAND, MOUSE_LEFT, open_selector_mouse),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    // The first update of the arrow means the cockpit's panels are live.
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) state.selector.arrowGaugeUpdated = 1;
}

}  // namespace

extern const GaugeParts Panel_Selector_Arrow = {&root, mouse, callback, link};

}  // namespace tarmelon
