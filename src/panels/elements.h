// Display elements: builders for the static element records of the gauge tables, the
// update-callback contracts, and element visibility by index in a gauge's element chain.
//
// Element records are static data. The builders keep every table row on one line:
//   icon(21760, 155, 681, 9, bank_selector_frame, ICON_FLAGS)
// The chain (each element the only child of the one before) or the star (every element a
// child of the background) is linked once at load by ElementChain / ElementStar.
#pragma once

#include <array>
#include <cstdarg>
#include <cstddef>

#include "sdk/gauges.h"

namespace tarmelon {

// Draw flags used by the panels.
constexpr sdk::FLAGS DRAW_TRANSPARENT = 0x1;
constexpr sdk::FLAGS DRAW_ERASE = 0x2;
constexpr sdk::FLAGS DRAW_BRIGHT = 0x4;
constexpr sdk::FLAGS DRAW_BILINEAR = 0x80;
constexpr sdk::FLAGS DRAW_HIDDEN = 0x40000000;
constexpr sdk::FLAGS BACKGROUND_FLAGS = DRAW_TRANSPARENT;
constexpr sdk::FLAGS ICON_FLAGS = DRAW_TRANSPARENT | DRAW_ERASE;
constexpr sdk::FLAGS NEEDLE_FLAGS = DRAW_TRANSPARENT | DRAW_ERASE;
constexpr sdk::FLAGS STRING_FLAGS = DRAW_TRANSPARENT | DRAW_ERASE | DRAW_BRIGHT;

constexpr std::uint32_t STRING_BACKGROUND = 0x5C5C5C;
constexpr std::uint32_t STRING_HIGHLIGHT = 0x000000;
constexpr std::uint32_t STRING_TEXT_FORMAT = 0x25;  // centred both ways, single line
constexpr std::uint8_t STRING_CHARSET = 1;

constexpr sdk::ELEMENT_HEADER element_header(sdk::ENUM kind, sdk::ID bitmap, int x, int y,
                                             sdk::FLAGS flags) {
    sdk::ELEMENT_HEADER h{};
    h.element_type = kind;
    h.resource_id = bitmap;
    h.position = {x, y};
    h.image_flags = flags;
    return h;
}

constexpr sdk::ELEMENT_STATIC_IMAGE static_image(sdk::ID bitmap, int x, int y,
                                                 sdk::FLAGS flags = BACKGROUND_FLAGS) {
    sdk::ELEMENT_STATIC_IMAGE e{};
    e.header = element_header(sdk::ELEMENT_TYPE_STATIC_IMAGE, bitmap, x, y, flags);
    return e;
}

// Frames are the bitmaps first .. first + frames - 1.
constexpr sdk::ELEMENT_ICON icon(sdk::ID first_bitmap, int x, int y, int frames,
                                 sdk::ICON_UPDATE_CALLBACK callback, sdk::FLAGS flags = ICON_FLAGS) {
    sdk::ELEMENT_ICON e{};
    e.header = element_header(sdk::ELEMENT_TYPE_ICON, first_bitmap, x, y, flags);
    e.switch_type = frames > 1 ? sdk::ICON_SWITCH_TYPE_STEP_TO : sdk::ICON_SWITCH_TYPE_SET_CUR_ICON;
    e.num_icons = frames;
    e.scale = 1.0;
    e.update_cb = callback;
    return e;
}

// A needle turns about (x, y) on the background and (pivot_x, pivot_y) inside its bitmap.
constexpr sdk::ELEMENT_NEEDLE needle(sdk::ID bitmap, int x, int y, int pivot_x, int pivot_y,
                                     sdk::NONLINEARITY* table, std::size_t rows,
                                     sdk::NEEDLE_UPDATE_CALLBACK callback,
                                     sdk::FLAGS flags = NEEDLE_FLAGS, int max_degrees = 0) {
    sdk::ELEMENT_NEEDLE e{};
    e.header = element_header(sdk::ELEMENT_TYPE_NEEDLE, bitmap, x, y, flags);
    e.header.ofs = {pivot_x, pivot_y};
    e.nonlinearity_table = table;
    e.nonlinearity_table_size = static_cast<sdk::UINT32>(rows);
    e.max_degrees_per_tick = max_degrees;
    e.update_cb = callback;
    return e;
}

struct StringStyle {
    std::uint32_t colour;  // 0x00BBGGRR
    const char* font;      // up to 31 characters
    int weight;            // 400 or 700
};

constexpr sdk::ELEMENT_STRING text(int x, int y, int width, int height, StringStyle style,
                                   int max_chars, sdk::STRING_UPDATE_CALLBACK callback,
                                   sdk::FLAGS flags = STRING_FLAGS) {
    sdk::ELEMENT_STRING e{};
    e.header = element_header(sdk::ELEMENT_TYPE_STRING, -1, x, y, flags);
    e.img_size = {width, height};
    e.fg_color = style.colour;
    e.bg_color = STRING_BACKGROUND;
    e.hilite_color = STRING_HIGHLIGHT;
    for (std::size_t i = 0; i + 1 < sizeof e.font_name && style.font[i] != '\0'; ++i)
        e.font_name[i] = style.font[i];
    e.font_weight = style.weight;
    e.font_charset = STRING_CHARSET;
    e.draw_text_flags = STRING_TEXT_FORMAT;
    e.max_string_length = static_cast<std::uint16_t>(max_chars);
    e.update_cb = callback;
    return e;
}

// An axis without a callback has scale 0.
constexpr sdk::ELEMENT_SLIDER slider(sdk::ID bitmap, int x, int y, double scale_x,
                                     sdk::SLIDER_UPDATE_CALLBACK callback_x, double scale_y,
                                     sdk::SLIDER_UPDATE_CALLBACK callback_y,
                                     sdk::FLAGS flags = ICON_FLAGS) {
    sdk::ELEMENT_SLIDER e{};
    e.header = element_header(sdk::ELEMENT_TYPE_SLIDER, bitmap, x, y, flags);
    e.scale_x = callback_x != nullptr ? scale_x : 0.0;
    e.update_x_cb = callback_x;
    e.scale_y = callback_y != nullptr ? scale_y : 0.0;
    e.update_y_cb = callback_y;
    return e;
}

constexpr sdk::NONLINEARITY at(double value, int x, int y) { return {{x, y}, value, 0.0}; }

template <typename Element>
constexpr sdk::ELEMENT_HEADER* el(Element& element) {
    return &element.header;
}

// Links elements into a chain: the first is the root, each following one the only child of
// the one before. Every element records its gauge. A gauge file keeps one chain (zero at
// load) and links it from its link routine, which the registry calls once at load.
template <std::size_t N>
struct ElementChain {
    sdk::ELEMENT_HEADER* children[N][2];

    void link(sdk::GAUGEHDR* gauge, const std::array<sdk::ELEMENT_HEADER*, N>& elements) {
        for (std::size_t i = 0; i < N; ++i) {
            elements[i]->gauge_header = gauge;
            if (i + 1 < N) {
                children[i][0] = elements[i + 1];
                children[i][1] = nullptr;
                elements[i]->next_element = children[i];
            } else {
                elements[i]->next_element = nullptr;
            }
        }
    }
};

// Links elements as a star: every element after the first is a direct child of the first.
template <std::size_t N>
struct ElementStar {
    sdk::ELEMENT_HEADER* children[N];

    void link(sdk::GAUGEHDR* gauge, const std::array<sdk::ELEMENT_HEADER*, N>& elements) {
        for (std::size_t i = 0; i < N; ++i) {
            elements[i]->gauge_header = gauge;
            elements[i]->next_element = nullptr;
            if (i > 0) children[i - 1] = elements[i];
        }
        children[N - 1] = nullptr;
        if (N > 1) elements[0]->next_element = children;
    }
};

// Element n of a chain: n steps from the root, each to the first child. Null when the
// chain ends first.
sdk::ELEMENT_HEADER* find_element(sdk::ELEMENT_HEADER* root, int n);
void set_element_flags(sdk::ELEMENT_HEADER* root, int n, sdk::FLAGS bits);
void clear_element_flags(sdk::ELEMENT_HEADER* root, int n, sdk::FLAGS bits);

// Update-callback contracts.
// An icon shows frame = the value truncated; any negative value hides it.
constexpr double ICON_HIDDEN = -1.0;
constexpr double lit_while(bool condition) { return condition ? 0.0 : ICON_HIDDEN; }
constexpr double on_while(bool condition) { return condition ? 1.0 : 0.0; }

// A string callback writes its text, at most the element's character count, and returns
// the negation of its previous result (kept in the element's first source value), so the
// simulator redraws the text on every update.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void write_text(sdk::ELEMENT_STRING* element, const char* pattern, ...);
double string_redraw(sdk::ELEMENT_STRING* element);

}  // namespace tarmelon
