#include "persist/flight_names.h"

#include <cctype>

namespace tarmelon {

namespace {
constexpr const char* EXCLUDED_FLIGHTS[] = {
    "Previous Flight.FLT",
    "FLTSIM.FLT",
    "Program generated temporary flight.FLT",
};

bool equal_ignoring_case(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}
}  // namespace

const char* flight_file_name(const char* path) {
    const char* name = path;
    for (const char* p = path; *p != '\0'; ++p)
        if (*p == '/' || *p == '\\') name = p + 1;
    return name;
}

bool is_excluded_flight(const char* name) {
    for (const char* excluded : EXCLUDED_FLIGHTS)
        if (equal_ignoring_case(name, excluded)) return true;
    return false;
}

}  // namespace tarmelon
