#include "simlink/connection.h"

#include "core/state.h"
#include "simlink/simconnect_api.h"

namespace tarmelon {

namespace {

constexpr sdk::DWORD_T MENU_ITEM = 50;
constexpr sdk::DWORD_T MENU_SUB_ITEMS[] = {54, 55, 56, 57, 58, 59};

// The smallest size of each message kind the module reads; anything shorter is dropped.
std::size_t minimum_size(sdk::DWORD_T id) {
    switch (id) {
        case sdk::SIMCONNECT_RECV_ID_OPEN: return sizeof(sdk::SIMCONNECT_RECV_OPEN);
        case sdk::SIMCONNECT_RECV_ID_EVENT: return sizeof(sdk::SIMCONNECT_RECV_EVENT);
        case sdk::SIMCONNECT_RECV_ID_EVENT_FILENAME: return sizeof(sdk::SIMCONNECT_RECV_EVENT_FILENAME);
        case sdk::SIMCONNECT_RECV_ID_EVENT_FRAME: return sizeof(sdk::SIMCONNECT_RECV_EVENT_FRAME);
        case sdk::SIMCONNECT_RECV_ID_SIMOBJECT_DATA: return sizeof(sdk::SIMCONNECT_RECV_SIMOBJECT_DATA);
        case sdk::SIMCONNECT_RECV_ID_CLIENT_DATA: return sizeof(sdk::SIMCONNECT_RECV_CLIENT_DATA);
        case sdk::SIMCONNECT_RECV_ID_SYSTEM_STATE: return sizeof(sdk::SIMCONNECT_RECV_SYSTEM_STATE);
        default: return sizeof(sdk::SIMCONNECT_RECV);
    }
}

void on_open() { state.simlink.simOpenReceived = 1; }

}  // namespace

void open_connection(const char* client_name) {
    simconnect_load();
    state.simlink.simHandle = nullptr;
    sc.SimConnect_Open(&state.simlink.simHandle, client_name, nullptr, 0, nullptr,
                       sdk::SIMCONNECT_OPEN_CONFIGINDEX_LOCAL);
    sc.SimConnect_CallDispatch(state.simlink.simHandle, simconnect_dispatch, nullptr);
}

void close_connection() {
    sc.SimConnect_Close(state.simlink.simHandle);
    state.simlink.simHandle = nullptr;
    simconnect_unload();
}

void delete_addon_menu() {
    for (sdk::DWORD_T sub_item : MENU_SUB_ITEMS)
        state.simlink.simResult = sc.SimConnect_MenuDeleteSubItem(state.simlink.simHandle, MENU_ITEM, sub_item);
    state.simlink.simResult = sc.SimConnect_MenuDeleteItem(state.simlink.simHandle, MENU_ITEM);
}

void show_text(const char* text, std::size_t size, float seconds) {
    sc.SimConnect_Text(state.simlink.simHandle, sdk::SIMCONNECT_TEXT_TYPE_PRINT_RED, seconds, 0,
                       static_cast<sdk::DWORD_T>(size), const_cast<char*>(text));
}

void TM_STDCALL simconnect_dispatch(sdk::SIMCONNECT_RECV* message, sdk::DWORD_T size, void*) {
    // Trust neither the size given nor the size the message claims: read only what both
    // cover, and only messages long enough for their kind.
    if (message == nullptr || size < sizeof(sdk::SIMCONNECT_RECV)) return;
    const std::size_t available = message->dwSize < size ? message->dwSize : size;
    if (available < minimum_size(message->dwID)) return;

    switch (message->dwID) {
        case sdk::SIMCONNECT_RECV_ID_OPEN: on_open(); break;
        default: break;
    }
}

}  // namespace tarmelon
