// LCD_VC: the virtual cockpit's readout of the electric-start battery's voltmeter.
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"
#include "systems/electrical/electrical_controls.h"

namespace tarmelon {

namespace {

constexpr StringStyle READOUT_STYLE = {0x0000FF, "quartz", 400};

// "028.0" at 28 volts while the read button is pressed with DC power on; else nothing.
sdk::FLOAT64 TM_STDCALL readout_text(sdk::ELEMENT_STRING* element) {
    if (voltmeter_readout_shown())
        write_text(element, "%d%d%d.0", static_cast<int>(voltmeter_digit(100)), static_cast<int>(voltmeter_digit(10)),
                   static_cast<int>(voltmeter_digit(1)));
    else
        write_text(element, "%s", "");
    return string_redraw(element);
}

struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(21000, 0, 0);
    sdk::ELEMENT_STRING readout = text(0, 0, 166, 77, READOUT_STYLE, 5, readout_text);
} elements;
ElementChain<2> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) { tree.link(gauge, {el(elements.background), el(elements.readout)}); }

sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(0, 0, 256, 256), tooltip("Jet Pipe Temp"), group_end(),
    mouse_end(),
    mouse_eol(),
};

// Present, acting on no service.
void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32, sdk::UINT32) {}

}  // namespace

extern const GaugeParts LCD_VC = {&root, mouse, callback, link};

}  // namespace tarmelon
