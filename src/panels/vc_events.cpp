#include "panels/vc_events.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "panels/adaptors.h"
#include "panels/fuel_controls.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {

// What a custom event does: a 2D control's mouse callback with a left or right click, or a
// virtual-cockpit routine that belongs to the control's system.
struct VcEvent {
    std::uint32_t event;
    sdk::MOUSE_FUNCTION mouse;  // null for a routine
    sdk::FLAGS32 flags;
    void (*routine)();
};

[[maybe_unused]] constexpr VcEvent left_click(std::uint32_t event, sdk::MOUSE_FUNCTION callback) {
    return {event, callback, MOUSE_LEFT, nullptr};
}
[[maybe_unused]] constexpr VcEvent right_click(std::uint32_t event, sdk::MOUSE_FUNCTION callback) {
    return {event, callback, MOUSE_RIGHT, nullptr};
}
[[maybe_unused]] constexpr VcEvent routine(std::uint32_t event, void (*action)()) { return {event, nullptr, 0, action}; }

// The virtual cockpit's click spots, one row per event in event order, e.g.
//   left_click(69632, taxi_lights_mouse),
// Ids without a row do nothing.
constexpr VcEvent VC_EVENTS[] = {
    routine(69682, top_belly_guard_vc_click),
    routine(69683, top_belly_lever_vc_click),
};
constexpr std::size_t VC_EVENT_COUNT = sizeof VC_EVENTS / sizeof VC_EVENTS[0];

// Row of each event id in the range, -1 for none.
constexpr std::array<std::int16_t, CUSTOM_EVENT_COUNT> row_index() {
    std::array<std::int16_t, CUSTOM_EVENT_COUNT> index{};
    for (auto& i : index) i = -1;
    for (std::size_t r = 0; r < VC_EVENT_COUNT; ++r) {
        const std::uint32_t e = VC_EVENTS[r].event;
        if (e >= CUSTOM_EVENT_FIRST && e - CUSTOM_EVENT_FIRST < CUSTOM_EVENT_COUNT)
            index[e - CUSTOM_EVENT_FIRST] = static_cast<std::int16_t>(r);
    }
    return index;
}
constexpr auto ROW_OF_EVENT = row_index();

}  // namespace

void TM_CDECL key_event_handler(sdk::ID32 event, sdk::UINT32, void*) {
    if (event >= CLICK_SOUND_EVENT_FIRST && event < CLICK_SOUND_EVENT_FIRST + 3) {
        click_trigger(static_cast<int>(event - CLICK_SOUND_EVENT_FIRST) + 1);
        return;
    }
    if (event < CUSTOM_EVENT_FIRST || event - CUSTOM_EVENT_FIRST >= CUSTOM_EVENT_COUNT) return;
    const std::int16_t row = ROW_OF_EVENT[event - CUSTOM_EVENT_FIRST];
    if (row < 0) return;
    const VcEvent& target = VC_EVENTS[row];
    if (target.mouse != nullptr) {
        sdk::MOUSECALLBACK at_origin{};
        target.mouse(&at_origin.relative_point, target.flags);
    } else if (target.routine != nullptr) {
        target.routine();
    }
}

}  // namespace tarmelon
