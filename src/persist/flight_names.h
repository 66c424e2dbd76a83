// Flight file names as the simulator reports them.
#pragma once

namespace tarmelon {

// The part of a path after its last "/" or "\".
const char* flight_file_name(const char* path);

// The simulator's own automatic flights, whose cockpit is never saved or restored.
bool is_excluded_flight(const char* name);

}  // namespace tarmelon
