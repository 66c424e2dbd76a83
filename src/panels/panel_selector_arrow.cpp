// Panel_Selector_Arrow: the small arrow that opens the panel selector.
#include <cstdint>

#include "core/host.h"
#include "core/sim_keys.h"
#include "core/state.h"
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
constexpr std::uint32_t SELECTOR_WINDOW = 1300;
constexpr std::uint32_t ARROW_WINDOW = 1400;

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(14852, 0, 0);
} elements;
const ElementChain<1> links(&panel_selector_arrow_gauge, {el(elements.background)});

// Opens the selector and puts the arrow away.
sdk::GBOOL TM_STDCALL open_selector_mouse(sdk::PIXPOINT*, sdk::FLAGS32 flags) {
    if ((flags & MOUSE_LEFT) == 0) return 0;
    host_trigger_key_event(KEY_PANEL_OPEN, SELECTOR_WINDOW);
    host_trigger_key_event(KEY_PANEL_CLOSE, ARROW_WINDOW);
    return 0;
}
}  // namespace

sdk::ELEMENT_HEADER* panel_selector_arrow_root = el(elements.background);

sdk::MOUSERECT panel_selector_arrow_mouse[] = {
    mouse_begin(),
    group(0, 0, 31, 38), tooltip("Open Panel Selector"), group_end(),
    click(0, 0, 31, 38, sdk::CURSOR_HAND, MOUSE_LEFT, open_selector_mouse),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL panel_selector_arrow_callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    // The first update of the arrow means the cockpit's panels are live.
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) state.selector.arrowGaugeUpdated = 1;
}

}  // namespace tarmelon
