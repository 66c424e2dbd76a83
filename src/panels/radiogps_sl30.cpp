// RadioGPS_SL30: the SL30 nav/com.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(21026, 0, 0);
} elements;
const ElementChain<1> links(&radiogps_sl30_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* radiogps_sl30_root = el(elements.background);

sdk::MOUSERECT radiogps_sl30_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL radiogps_sl30_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
