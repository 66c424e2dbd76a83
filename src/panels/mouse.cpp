#include "panels/mouse.h"

#include "core/vars.h"

namespace tarmelon {

namespace {
struct ClickSound {
    const char* pan;
    const char* trigger;
};
constexpr ClickSound CLICK_SOUNDS[] = {
    {"L:Tarmelon_Click1Pan, number", "L:Tarmelon_Click1, number"},
    {"L:Tarmelon_Click2Pan, number", "L:Tarmelon_Click2, number"},
    {"L:Tarmelon_Click3Pan, number", "L:Tarmelon_Click3, number"},
};
}  // namespace

void click_sound(int click, int pan) {
    if (click < 1 || click > 3) return;
    set_int(CLICK_SOUNDS[click - 1].pan, pan);
    click_trigger(click);
}

void click_trigger(int click) {
    if (click < 1 || click > 3) return;
    set_int(CLICK_SOUNDS[click - 1].trigger, 1);
}

}  // namespace tarmelon
