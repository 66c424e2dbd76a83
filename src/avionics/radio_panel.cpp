#include "avionics/radio_panel.h"

#include <cstddef>
#include <cstdint>

#include "core/vars.h"

namespace tarmelon {

namespace {

struct Control {
    RadioPanelControl control;
    const char* variable;
    const char* mirror;
};

// clang-format off
constexpr Control CONTROLS[] = {
    {RadioPanelControl::ALTITUDE_ENCODER_BREAKER, "L:RAD_ALTENC_BREAKER, bool",     "L:RAD_ALTENC_BREAKER_POS, bool"},
    {RadioPanelControl::TRANSPONDER_BREAKER,      "L:RAD_TXPR_BREAKER, bool",       "L:RAD_TXPR_BREAKER_POS, bool"},
    {RadioPanelControl::AUDIO_PANEL_BREAKER,      "L:RAD_AUDIOPANEL_BREAKER, bool", "L:RAD_AUDIOPANEL_BREAKER_POS, bool"},
    {RadioPanelControl::COM1_BREAKER,             "L:RAD_COM1_BREAKER, bool",       "L:RAD_COM1_BREAKER_POS, bool"},
    {RadioPanelControl::COM2_BREAKER,             "L:RAD_COM2_BREAKER, bool",       "L:RAD_COM2_BREAKER_POS, bool"},
    {RadioPanelControl::NAV1_BREAKER,             "L:RAD_NAV1_BREAKER, bool",       "L:RAD_NAV1_BREAKER_POS, bool"},
    {RadioPanelControl::NAV2_BREAKER,             "L:RAD_NAV2_BREAKER, bool",       "L:RAD_NAV2_BREAKER_POS, bool"},
    {RadioPanelControl::SWITCH_A,                 "L:RAD_SWITCH_A, bool",           "L:RAD_SWITCH_A_POS, bool"},
    {RadioPanelControl::SWITCH_B,                 "L:RAD_SWITCH_B, bool",           "L:RAD_SWITCH_B_POS, bool"},
};
// clang-format on

const Control* find(RadioPanelControl control) {
    for (const Control& c : CONTROLS)
        if (c.control == control) return &c;
    return nullptr;
}

}  // namespace

void toggle_radio_panel_control(RadioPanelControl control) {
    const Control* c = find(control);
    if (c == nullptr) return;
    const std::int32_t value = get_int(c->variable) > 0 ? 0 : 1;
    set_int(c->variable, value);
    set_int(c->mirror, value);
}

bool radio_panel_control_on(RadioPanelControl control) {
    const Control* c = find(control);
    return c != nullptr && get_int(c->variable) == 1;
}

}  // namespace tarmelon
