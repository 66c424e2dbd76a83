// Bounded copies of text that comes from outside (SimConnect messages, profile values).
#pragma once

#include <cstddef>

namespace tarmelon {

// Copies at most source_size bytes of a text field, stopping at its terminator; the copy is
// always terminated and never longer than destination_size - 1 characters.
void copy_text_field(char* destination, std::size_t destination_size, const char* source,
                     std::size_t source_size);

// "%f" of the value with a '.' before its decimals whatever the process's locale (another
// add-on in the simulator may switch the C runtime to a comma-decimal one): snprintf's
// return value, negative or at least `size` when it does not fit.
int format_fixed(char* out, std::size_t size, double value);

}  // namespace tarmelon
