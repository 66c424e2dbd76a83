// Fuel_Selector_SYS: the fuel system model (gauge callback only).
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(1801, 0, 0);
} elements;
const ElementChain<1> links(&fuel_selector_sys_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* fuel_selector_sys_root = el(elements.background);

sdk::MOUSERECT fuel_selector_sys_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL fuel_selector_sys_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
