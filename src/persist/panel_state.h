// The cockpit kept beside every saved flight: 103 control positions in
// "<panel folder>\PanelSave\<flight file name>.save", section "PANELSTATE", keys "0".."102".
#pragma once

namespace tarmelon {

constexpr int PANEL_STATE_ITEMS = 103;

bool panel_state_exists(const char* flight_name);
// True when the whole state was written.
bool save_panel_state(const char* flight_name);
// True when a state file was found and restored.
bool load_panel_state(const char* flight_name);

}  // namespace tarmelon
