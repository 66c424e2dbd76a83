// RadioGPS_GMA340: the GMA340 audio panel.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(21026, 0, 0);
} elements;
const ElementStar<1> links(&radiogps_gma340_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* radiogps_gma340_root = el(elements.background);

sdk::MOUSERECT radiogps_gma340_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL radiogps_gma340_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
