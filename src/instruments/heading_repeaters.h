// The heading-selector and course repeaters of the HSI and the autopilot's pointer.
//
// Reads: tokens 81 (heading, 1 to 360), 854 (selected course), 855 (heading selector);
// "L:HSI_heading_bug, number".
// Writes: "L:HSI_heading_bug,number", "L:Autopilot_pointer,number", "L:HSI_course_centre,number".
// Example: heading 181 and selector 90 give 250 and 501.39, so the bug reads 748.
#pragma once

namespace tarmelon {

// Every frame.
void heading_repeaters();

}  // namespace tarmelon
