// RadioGPS_Panel: radio circuit breakers and the A and B switches.
#include "panels/catalogue.h"
#include "panels/elements.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {
struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(21026, 0, 0);
} elements;
const ElementStar<1> links(&radiogps_panel_gauge, {el(elements.background)});
}  // namespace

sdk::ELEMENT_HEADER* radiogps_panel_root = el(elements.background);

sdk::MOUSERECT radiogps_panel_mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

}  // namespace tarmelon
