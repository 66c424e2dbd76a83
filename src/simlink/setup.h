#pragma once

namespace tarmelon {

// Registers every data definition and request, system event, intercepted input, the add-on
// menu and the SquawkBox client-data area, then marks the connection open.
void setup_on_open();

}  // namespace tarmelon
