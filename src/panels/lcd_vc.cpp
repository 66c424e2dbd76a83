// LCD_VC: the virtual cockpit's voltmeter digits.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(21000, 0, 0);
} elements;
const ElementChain<1> links(&lcd_vc_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* lcd_vc_root = el(elements.background);

sdk::MOUSERECT lcd_vc_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL lcd_vc_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
