// Fuel_Selector_SYS: the fuel system model (gauge callback only).
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "systems/fuel/fuel.h"

namespace tarmelon {

namespace {

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(1801, 0, 0);
} elements;
ElementChain<1> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) { tree.link(gauge, {el(elements.background)}); }

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

// The fuel system model runs on every pre-update.
void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) update_fuel_system();
}

}  // namespace

extern const GaugeParts Fuel_Selector_SYS = {&root, mouse, callback, link};

}  // namespace tarmelon
