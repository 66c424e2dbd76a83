#include "module/sim_events.h"

#include "module/initial_state.h"
#include "persist/flight_names.h"
#include "persist/panel_state.h"
#include "simlink/ground_equipment.h"
#include "simlink/ids.h"
#include "state.h"
#include "systems/electrical/electrical.h"
#include "systems/fuel/fuel.h"

namespace tarmelon {

void handle_sim_event(sdk::DWORD_T event, sdk::DWORD_T data) {
    switch (event) {
        case EV_MENU_SIGN: toggle_sign(); break;
        case EV_MENU_LADDER: toggle_ladder(); break;
        case EV_MENU_ENGINE_COVERS: toggle_engine_covers(); break;
        case EV_MENU_GROUND_POWER: toggle_ground_units(); break;
        case EV_MENU_ALL_OBJECTS: toggle_all_objects(); break;
        case EVENT_6HZ:
            // Until the cockpit's panels are live, the initial state is reapplied.
            if (state.selector.arrowGaugeUpdated == 0) apply_initial_state();
            break;
        case EVENT_1SEC: note_fuel_second(); break;
        case EVENT_VIEW: note_cockpit_view(data); break;
        default: break;
    }
}

void on_flight_saved(const char* path) {
    // Saves made while the module is still starting are ignored.
    if (state.frame.currentTick < state.frame.baseTick + 5) return;
    const char* name = flight_file_name(path);
    if (is_excluded_flight(name)) return;
    if (save_panel_state(name)) state.frame.panelStateSavedPending = 1;
}

}  // namespace tarmelon
