#include "simlink/connection.h"

#include "state.h"
#include "simlink/ids.h"
#include "simlink/simconnect_api.h"

namespace tarmelon {

void open_connection(const char* client_name, sdk::DispatchProc dispatch) {
    simconnect_load();
    state.simlink.simHandle = nullptr;
    state.simlink.simOpenReceived = 0;  // this connection's OPEN is still to come
    sc.SimConnect_Open(&state.simlink.simHandle, client_name, nullptr, 0, nullptr,
                       sdk::SIMCONNECT_OPEN_CONFIGINDEX_LOCAL);
    sc.SimConnect_CallDispatch(state.simlink.simHandle, dispatch, nullptr);
}

void close_connection() {
    sc.SimConnect_Close(state.simlink.simHandle);
    state.simlink.simHandle = nullptr;
    simconnect_unload();
}

void transmit_event(sdk::DWORD_T event, std::int32_t data) {
    state.simlink.simResult = sc.SimConnect_TransmitClientEvent(
        state.simlink.simHandle, sdk::SIMCONNECT_OBJECT_ID_USER, event, static_cast<sdk::DWORD_T>(data),
        TRANSMIT_PRIORITY, sdk::SIMCONNECT_EVENT_FLAG_GROUPID_IS_PRIORITY);
}

void delete_addon_menu() {
    for (const MenuSubItem& item : MENU_SUB_ITEMS)
        state.simlink.simResult = sc.SimConnect_MenuDeleteSubItem(state.simlink.simHandle, EV_MENU, item.id);
    state.simlink.simResult = sc.SimConnect_MenuDeleteItem(state.simlink.simHandle, EV_MENU);
}

void show_text(const char* text, std::size_t size, float seconds) {
    sc.SimConnect_Text(state.simlink.simHandle, sdk::SIMCONNECT_TEXT_TYPE_PRINT_RED, seconds, 0,
                       static_cast<sdk::DWORD_T>(size), const_cast<char*>(text));
}

void show_white_text(const char* text, std::size_t size, float seconds, sdk::DWORD_T event) {
    sc.SimConnect_Text(state.simlink.simHandle, sdk::SIMCONNECT_TEXT_TYPE_PRINT_WHITE, seconds, event,
                       static_cast<sdk::DWORD_T>(size), const_cast<char*>(text));
}

}  // namespace tarmelon
