#include "panels.h"

namespace bench {

const std::vector<WindowLayout>& panel_layout() {
    static const std::vector<WindowLayout> layout = {
        {0, {"SystemWatch", "Panel_Selector_Arrow", "Hydraulics", "Fuel_Selector_SYS", "Electrical", "LCD_VC"}, true},
        {100, {"Elec_Panel"}, false},
        {200, {"Trim_Panel"}, false},
        {300, {"EngStart_Controls"}, false},
        {400, {"Fuel_Panel"}, false},
        {500, {"TO_Panel"}, false},
        {600, {"Oxygen_Panel"}, false},
        {700, {"Avionics_Panel"}, false},
        {800, {"Lighting_Panel"}, false},
        {900, {"Autopilot_Switch_Panel"}, false},
        {1000, {"RadioGPS_Panel", "RadioGPS_GMA340", "RadioGPS_GTN6XX", "RadioGPS_SL30"}, false},
        {1100, {"Throttles_Panel"}, false},
        {1200, {"GearFlaps_Panel"}, false},
        {1300, {"Panel_Selector"}, false},
        {1400, {"Panel_Selector_Arrow"}, true},
        {1500, {"Fuel_System_Overview"}, false},
        {1600, {}, false},
        {1700, {}, false},
        {1800, {"Checklist_Panel"}, false},
        {1900, {}, false},
    };
    return layout;
}

void PanelWindows::reset() {
    windows_.clear();
    for (const auto& w : panel_layout())
        windows_.push_back(State{w.ident, w.initially_open, false, false, w.initially_open});
}

PanelWindows::State* PanelWindows::find(std::uint32_t ident) {
    for (auto& w : windows_)
        if (w.ident == ident) return &w;
    return nullptr;
}

const PanelWindows::State* PanelWindows::find(std::uint32_t ident) const {
    for (const auto& w : windows_)
        if (w.ident == ident) return &w;
    return nullptr;
}

bool PanelWindows::exists(std::uint32_t ident) const { return ident != 0 && find(ident) != nullptr; }

bool PanelWindows::is_open(std::uint32_t ident) const {
    const State* w = find(ident);
    return w != nullptr && w->open;
}

bool PanelWindows::open(std::uint32_t ident) {
    State* w = ident == 0 ? nullptr : find(ident);
    if (w == nullptr) return false;
    if (!w->open) {
        w->open = true;
        w->opened_this_frame = true;
    }
    return true;
}

bool PanelWindows::close(std::uint32_t ident) {
    State* w = ident == 0 ? nullptr : find(ident);
    if (w == nullptr) return false;
    if (w->open) {
        w->open = false;
        if (w->opened_this_frame) w->cycle_pending = true;
        w->opened_this_frame = false;
    }
    return true;
}

bool PanelWindows::toggle(std::uint32_t ident) {
    if (!exists(ident)) return false;
    return is_open(ident) ? close(ident) : open(ident);
}

void PanelWindows::begin_frame() {
    for (auto& w : windows_) {
        w.live = w.open || w.cycle_pending;
        w.cycle_pending = false;
    }
}

bool PanelWindows::live_this_frame(std::uint32_t ident) const {
    const State* w = find(ident);
    return w != nullptr && w->live;
}

void PanelWindows::end_frame() {
    for (auto& w : windows_) w.opened_this_frame = false;
}

}  // namespace bench
