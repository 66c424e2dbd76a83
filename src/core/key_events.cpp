#include "core/key_events.h"

#include "panels/mouse.h"

namespace tarmelon {

namespace {

// What a custom event does: a 2D control's mouse callback with a left or right click, or a
// virtual-cockpit routine. Indexed by event - CUSTOM_EVENT_FIRST; empty rows do nothing.
struct CustomEvent {
    sdk::MOUSE_FUNCTION mouse;
    sdk::FLAGS32 flags;
    void (*routine)();
};
constexpr CustomEvent CUSTOM_EVENTS[CUSTOM_EVENT_COUNT] = {};

}  // namespace

void TM_CDECL key_event_handler(sdk::ID32 event, sdk::UINT32, void*) {
    if (event >= CLICK_SOUND_EVENT_FIRST && event < CLICK_SOUND_EVENT_FIRST + 3) {
        click_trigger(static_cast<int>(event - CLICK_SOUND_EVENT_FIRST) + 1);
        return;
    }
    if (event < CUSTOM_EVENT_FIRST || event - CUSTOM_EVENT_FIRST >= CUSTOM_EVENT_COUNT) return;
    const CustomEvent& target = CUSTOM_EVENTS[event - CUSTOM_EVENT_FIRST];
    if (target.mouse != nullptr) {
        sdk::MOUSECALLBACK at_origin{};
        target.mouse(&at_origin.relative_point, target.flags);
    } else if (target.routine != nullptr) {
        target.routine();
    }
}

}  // namespace tarmelon
