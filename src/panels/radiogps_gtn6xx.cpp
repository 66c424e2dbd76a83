// RadioGPS_GTN6XX: the GTN6XX navigator's controls and screen.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(21026, 0, 0);
} elements;
const ElementChain<1> links(&radiogps_gtn6xx_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* radiogps_gtn6xx_root = el(elements.background);

sdk::MOUSERECT radiogps_gtn6xx_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

void TM_STDCALL radiogps_gtn6xx_callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace tarmelon
