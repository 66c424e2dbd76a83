#include "instruments/heading_repeaters.h"

#include <cmath>

#include "core/numeric.h"
#include "core/tokens.h"
#include "core/vars.h"

namespace tarmelon {

void heading_repeaters() {
    const double heading = read_token(TOKEN_HEADING);
    const double course = read_token(TOKEN_COURSE);
    const double selector = read_token(TOKEN_HEADING_SELECTOR);

    const double sel = selector * 1000.0 / 360.0;
    const double hdg = (heading - 1.0) / 359.0 * 1000.0;
    double d = std::fabs(sel - hdg);
    if (sel < hdg) d = 1000.0 - d;
    set_int("L:HSI_heading_bug,number", truncate_i32(d));

    const std::int32_t bug = get_int("L:HSI_heading_bug, number");
    set_int("L:Autopilot_pointer,number", truncate_i32(bug / 1000.0 * 3600.0));

    const double hdg10 = (heading - 1.0) / 359.0 * 3600.0;
    double e = std::fabs(course * 10.0 - hdg10);
    if (course * 10.0 < hdg10) e = 3600.0 - e;
    set_int("L:HSI_course_centre,number", truncate_i32(e));
}

}  // namespace tarmelon
