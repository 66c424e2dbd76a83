// What the module registers when the simulator answers the connection with OPEN.
#include "simlink/setup.h"

#include "state.h"
#include "simlink/ids.h"
#include "simlink/simconnect_api.h"

namespace tarmelon {

namespace {

sdk::HRESULT_T& result() { return state.simlink.simResult; }
sdk::SC_HANDLE handle() { return state.simlink.simHandle; }

// Aircraft data: a chain that stops at the first failure, keeping it in simResult. It
// starts from a clean result, so an unrelated earlier failure cannot stop all aircraft data.
void register_aircraft_data() {
    result() = sdk::SC_S_OK;
    for (const Datum& d : DATA_DEFINITIONS) {
        if (result() < 0) return;
        result() = sc.SimConnect_AddToDataDefinition(handle(), d.definition, d.name, d.units, d.type,
                                                     0.0f, sdk::SIMCONNECT_UNUSED);
    }
    for (const DataRequest& r : DATA_REQUESTS) {
        if (result() < 0) return;
        result() = sc.SimConnect_RequestDataOnSimObject(handle(), r.definition, r.definition,
                                                        sdk::SIMCONNECT_OBJECT_ID_USER, r.period,
                                                        r.flags, 0, 0, 0);
    }
}

void register_events() {
    for (const Subscription& s : SYSTEM_EVENTS)
        result() = sc.SimConnect_SubscribeToSystemEvent(handle(), s.id, s.name);
    result() = sc.SimConnect_RequestSystemState(handle(), REQUEST_FLIGHT_LOADED, SYSTEM_STATE_FLIGHT_LOADED);
    for (const SendOnlyEvent& e : SEND_ONLY_EVENTS)
        result() = sc.SimConnect_MapClientEventToSimEvent(handle(), e.id, e.sim_event);
    for (const InterceptedEvent& e : INTERCEPTED_EVENTS) {
        result() = sc.SimConnect_MapClientEventToSimEvent(handle(), e.id, e.sim_event);
        result() = sc.SimConnect_AddClientEventToNotificationGroup(handle(), e.group, e.id, 1);
        result() = sc.SimConnect_SetNotificationGroupPriority(handle(), e.group, INTERCEPT_PRIORITY);
        result() = sc.SimConnect_MapInputEventToClientEvent(handle(), e.input_group, "", e.id, 0,
                                                            sdk::SIMCONNECT_UNUSED, 0, 0);
        result() = sc.SimConnect_SetInputGroupPriority(handle(), e.input_group, INTERCEPT_PRIORITY);
        result() = sc.SimConnect_SetInputGroupState(handle(), e.input_group, sdk::SIMCONNECT_STATE_ON);
    }
}

void register_menu() {
    result() = sc.SimConnect_MapClientEventToSimEvent(handle(), EV_MENU, "");
    result() = sc.SimConnect_MenuAddItem(handle(), MENU_TEXT, EV_MENU, 0);
    for (const MenuSubItem& item : MENU_SUB_ITEMS)
        result() = sc.SimConnect_MenuAddSubItem(handle(), EV_MENU, item.text, item.id, 0);
    result() = sc.SimConnect_AddClientEventToNotificationGroup(handle(), MENU_GROUP, EV_MENU, 0);
    result() = sc.SimConnect_SetNotificationGroupPriority(handle(), MENU_GROUP, MENU_GROUP_PRIORITY);
}

void register_squawkbox() {
    result() = sc.SimConnect_MapClientDataNameToID(handle(), SQUAWKBOX_AREA_NAME, SQUAWKBOX_AREA);
    for (const ClientDatum& d : SQUAWKBOX_DATA)
        result() = sc.SimConnect_AddToClientDataDefinition(handle(), d.definition, d.offset, 1, 0.0f,
                                                           sdk::SIMCONNECT_UNUSED);
    result() = sc.SimConnect_RequestClientData(handle(), SQUAWKBOX_AREA, SQUAWKBOX_REQUEST,
                                               SQUAWKBOX_DEF_MODE,
                                               sdk::SIMCONNECT_CLIENT_DATA_PERIOD_ON_SET,
                                               sdk::SIMCONNECT_DATA_REQUEST_FLAG_CHANGED, 0, 0, 1);
}

}  // namespace

void setup_on_open() {
    // Once a connection: a repeated OPEN (a confused or hostile sender) must not register
    // every definition, request, event and menu item again, each time more of them.
    if (state.simlink.simOpenReceived == 1) return;
    register_aircraft_data();
    register_events();
    register_menu();
    register_squawkbox();
    state.simlink.simOpenReceived = 1;
}

}  // namespace tarmelon
