#include "panels/elements.h"

#include <cstdio>

namespace tarmelon {

sdk::ELEMENT_HEADER* find_element(sdk::ELEMENT_HEADER* root, int n) {
    sdk::ELEMENT_HEADER* element = root;
    for (int step = 0; element != nullptr && step < n; ++step) {
        if (element->next_element == nullptr) return nullptr;
        element = element->next_element[0];
    }
    return n < 0 ? nullptr : element;
}

void set_element_flags(sdk::ELEMENT_HEADER* root, int n, sdk::FLAGS bits) {
    if (sdk::ELEMENT_HEADER* element = find_element(root, n)) element->image_flags |= bits;
}

void clear_element_flags(sdk::ELEMENT_HEADER* root, int n, sdk::FLAGS bits) {
    if (sdk::ELEMENT_HEADER* element = find_element(root, n)) element->image_flags &= ~bits;
}

void write_text(sdk::ELEMENT_STRING* element, const char* pattern, ...) {
    if (element == nullptr || element->string == nullptr) return;
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(element->string, static_cast<std::size_t>(element->max_string_length) + 1,
                   pattern, args);
    va_end(args);
}

double string_redraw(sdk::ELEMENT_STRING* element) {
    const double next = element->source_var[0].var_value.n == 0.0 ? 1.0 : 0.0;
    element->source_var[0].var_value.n = next;
    return next;
}

}  // namespace tarmelon
