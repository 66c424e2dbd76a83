// The SimConnect connection as a service: opening it at start with the dispatch procedure
// through which SimConnect delivers every message, client events sent on to the simulator,
// on-screen texts, and closing it at shutdown.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sdk/simconnect.h"

namespace tarmelon {

// Opens the local connection under the given client name and hands SimConnect the dispatch
// procedure. Results are not looked at: a refused connection shows itself only through the
// missing OPEN message.
void open_connection(const char* client_name, sdk::DispatchProc dispatch);
void close_connection();

// Sends a client event on to the simulator at the standard priority, unseen by the
// module's own notification groups.
void transmit_event(sdk::DWORD_T event, std::int32_t data);

// Removes the add-on menu's sub-items and item.
void delete_addon_menu();

// Shows a text on screen in red for the given time (0: until replaced). size counts the
// terminating zero.
void show_text(const char* text, std::size_t size, float seconds);
// The same in white, under the given event id.
void show_white_text(const char* text, std::size_t size, float seconds, sdk::DWORD_T event);

}  // namespace tarmelon
