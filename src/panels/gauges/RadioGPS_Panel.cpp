// RadioGPS_Panel: radio circuit breakers and the A and B switches. No gauge callback: the
// icons follow their variables, the clicks toggle them.
#include "avionics/radio_panel.h"
#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {

using RP = RadioPanelControl;

template <RP C>
constexpr sdk::ICON_UPDATE_CALLBACK lit = lamp<radio_panel_on<C>>;

// The breakers make no click; switches A and B click 1 at pan 9000 after the change.
constexpr Click SWITCH_CLICK{1, 9000};
template <RP C>
constexpr sdk::MOUSE_FUNCTION breaker = on_click_then_sound<toggle_radio_panel<C>, NO_CLICK>;
template <RP C>
constexpr sdk::MOUSE_FUNCTION spare_switch = on_click_then_sound<toggle_radio_panel<C>, SWITCH_CLICK>;

// Every element a child of the background; each lamp under its fixed overlay. constinit:
// the registry links the elements during static initialisation.
// clang-format off
constinit struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(21026, 0, 0);
    sdk::ELEMENT_ICON altenc_lamp = icon(21019, 916, 67, 1, lit<RP::ALTITUDE_ENCODER_BREAKER>);
    sdk::ELEMENT_STATIC_IMAGE altenc_overlay = static_image(21018, 916, 67, ICON_FLAGS);
    sdk::ELEMENT_ICON txpr_lamp = icon(9728, 784, 67, 1, lit<RP::TRANSPONDER_BREAKER>);
    sdk::ELEMENT_STATIC_IMAGE txpr_overlay = static_image(21042, 784, 67, ICON_FLAGS);
    sdk::ELEMENT_ICON audio_lamp = icon(21021, 651, 66, 1, lit<RP::AUDIO_PANEL_BREAKER>);
    sdk::ELEMENT_STATIC_IMAGE audio_overlay = static_image(21020, 651, 66, ICON_FLAGS);
    sdk::ELEMENT_ICON com1_lamp = icon(21023, 95, 244, 1, lit<RP::COM1_BREAKER>);
    sdk::ELEMENT_STATIC_IMAGE com1_overlay = static_image(21022, 95, 244, ICON_FLAGS);
    sdk::ELEMENT_ICON com2_lamp = icon(21025, 94, 555, 1, lit<RP::COM2_BREAKER>);
    sdk::ELEMENT_STATIC_IMAGE com2_overlay = static_image(21024, 94, 555, ICON_FLAGS);
    sdk::ELEMENT_ICON nav1_lamp = icon(21030, 94, 402, 1, lit<RP::NAV1_BREAKER>);
    sdk::ELEMENT_STATIC_IMAGE nav1_overlay = static_image(21029, 94, 402, ICON_FLAGS);
    sdk::ELEMENT_ICON nav2_lamp = icon(21032, 94, 706, 1, lit<RP::NAV2_BREAKER>);
    sdk::ELEMENT_STATIC_IMAGE nav2_overlay = static_image(21031, 94, 706, ICON_FLAGS);
    sdk::ELEMENT_ICON switch_a = icon(21038, 1408, 241, 1, lit<RP::SWITCH_A>);
    sdk::ELEMENT_STATIC_IMAGE switch_a_overlay = static_image(21039, 1408, 241, ICON_FLAGS);
    sdk::ELEMENT_ICON switch_b = icon(21040, 1409, 686, 1, lit<RP::SWITCH_B>);
    sdk::ELEMENT_STATIC_IMAGE switch_b_overlay = static_image(21041, 1409, 686, ICON_FLAGS);
} elements;
// clang-format on

constexpr std::size_t ELEMENT_COUNT = 19;
ElementStar<ELEMENT_COUNT> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    Elements& e = elements;
    tree.link(gauge, {el(e.background), el(e.altenc_lamp), el(e.altenc_overlay), el(e.txpr_lamp),
                      el(e.txpr_overlay), el(e.audio_lamp), el(e.audio_overlay), el(e.com1_lamp),
                      el(e.com1_overlay), el(e.com2_lamp), el(e.com2_overlay), el(e.nav1_lamp),
                      el(e.nav1_overlay), el(e.nav2_lamp), el(e.nav2_overlay), el(e.switch_a),
                      el(e.switch_a_overlay), el(e.switch_b), el(e.switch_b_overlay)});
}

constexpr auto HAND = sdk::CURSOR_HAND;

// clang-format off
sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(916, 67, 103, 94), tooltip("Altitude encoder circuit breaker"), group_end(),
    click(916, 67, 103, 94, HAND, MOUSE_LEFT, breaker<RP::ALTITUDE_ENCODER_BREAKER>),
    group(784, 67, 103, 94), tooltip("Transponder circuit breaker"), group_end(),
    click(784, 67, 103, 94, HAND, MOUSE_LEFT, breaker<RP::TRANSPONDER_BREAKER>),
    group(651, 66, 103, 94), tooltip("Audio panel circuit breaker"), group_end(),
    click(651, 66, 103, 94, HAND, MOUSE_LEFT, breaker<RP::AUDIO_PANEL_BREAKER>),
    group(95, 244, 104, 90), tooltip("COM1 circuit breaker"), group_end(),
    click(95, 244, 104, 90, HAND, MOUSE_LEFT, breaker<RP::COM1_BREAKER>),
    group(94, 555, 103, 93), tooltip("COM2 circuit breaker"), group_end(),
    click(94, 555, 103, 93, HAND, MOUSE_LEFT, breaker<RP::COM2_BREAKER>),
    group(94, 402, 103, 92), tooltip("NAV1 circuit breaker"), group_end(),
    click(94, 402, 103, 92, HAND, MOUSE_LEFT, breaker<RP::NAV1_BREAKER>),
    group(94, 706, 103, 93), tooltip("NAV2 circuit breaker"), group_end(),
    click(94, 706, 103, 93, HAND, MOUSE_LEFT, breaker<RP::NAV2_BREAKER>),
    group(1408, 241, 108, 166), tooltip("Switch A"), group_end(),
    click(1408, 241, 108, 166, HAND, MOUSE_LEFT, spare_switch<RP::SWITCH_A>),
    group(1409, 686, 108, 166), tooltip("Switch B"), group_end(),
    click(1409, 686, 108, 166, HAND, MOUSE_LEFT, spare_switch<RP::SWITCH_B>),
    mouse_end(),
    mouse_eol(),
};
// clang-format on

}  // namespace

extern const GaugeParts RadioGPS_Panel = {&root, mouse, nullptr, link};

}  // namespace tarmelon
