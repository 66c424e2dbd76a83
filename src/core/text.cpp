#include "core/text.h"

namespace tarmelon {

void copy_text_field(char* destination, std::size_t destination_size, const char* source,
                     std::size_t source_size) {
    if (destination_size == 0) return;
    std::size_t n = 0;
    while (n + 1 < destination_size && n < source_size && source[n] != '\0') {
        destination[n] = source[n];
        ++n;
    }
    destination[n] = '\0';
}

}  // namespace tarmelon
