// The invisible gauges that run a system model: one background picture, no mouse areas, and a
// gauge callback that runs the model on every pre-update. Each such gauge's file names its
// picture and its model and ends with
//   extern const GaugeParts Electrical = ModelGauge<16784, update_electrical>::parts;
#pragma once

#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"

namespace tarmelon {

template <int Background, void (*Model)()>
struct ModelGauge {
    struct Elements {
        sdk::ELEMENT_STATIC_IMAGE background = static_image(Background, 0, 0);
    };
    static inline Elements elements;
    static inline ElementChain<1> tree;
    static inline sdk::ELEMENT_HEADER* root = el(elements.background);
    static inline sdk::MOUSERECT mouse[] = {
        mouse_begin(),
        mouse_end(),
        mouse_eol(),
    };

    static void link(sdk::GAUGEHDR* gauge) { tree.link(gauge, {el(elements.background)}); }
    static void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
        if (service == sdk::PANEL_SERVICE_PRE_UPDATE) Model();
    }

    static constexpr GaugeParts parts = {&root, mouse, callback, link};
};

}  // namespace tarmelon
