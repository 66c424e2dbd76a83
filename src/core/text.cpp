#include "core/text.h"

#include <clocale>
#include <cstdio>
#include <cstring>

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

int format_fixed(char* out, std::size_t size, double value) {
    const int n = std::snprintf(out, size, "%f", value);
    if (n < 0 || static_cast<std::size_t>(n) >= size) return n;
    const std::lconv* locale = std::localeconv();
    const char* point = locale != nullptr ? locale->decimal_point : nullptr;
    if (point == nullptr || point[0] == '\0' || std::strcmp(point, ".") == 0) return n;
    char* at = std::strstr(out, point);
    if (at == nullptr) return n;  // "inf", "nan"
    const std::size_t width = std::strlen(point);
    *at = '.';
    std::memmove(at + 1, at + width, std::strlen(at + width) + 1);
    return n - static_cast<int>(width - 1);
}

}  // namespace tarmelon
