// RadioGPS_Panel: radio circuit breakers and the A and B switches.
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(21026, 0, 0);
} elements;
ElementStar<1> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) { tree.link(gauge, {el(elements.background)}); }

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    mouse_end(),
    mouse_eol(),
};

}  // namespace

extern const GaugeParts RadioGPS_Panel = {&root, mouse, nullptr, link};

}  // namespace tarmelon
