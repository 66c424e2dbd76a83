// Control side of the bench's stand-in SimConnect library. The module sees only the
// SimConnect_* functions; the bench drives the stand-in through this API.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sdk/platform.h"

namespace scstandin {

// Callbacks into the bench's simulated aircraft.
struct Host {
    std::function<double(const std::string& datum, const std::string& units)> read_var;
    std::function<void(const std::string& datum, const std::string& units, double value)> write_var;
    // An event that reaches the simulator (not masked by a client).
    std::function<void(const std::string& sim_event, std::uint32_t data)> sim_event;
};

// Fresh state. accept_open = false: SimConnect_Open fails and leaves the handle null.
TM_EXPORT void reset(const Host& host, bool accept_open);

// A simulator that never answers: the connection opens and every call succeeds as usual,
// but no message ever reaches the client (no OPEN, no events, no data), and the pilot's
// events go straight to the simulator. Set after reset; reset ends it.
TM_EXPORT void set_silent(bool silent);

// The flight reported to RequestSystemState("FlightLoaded").
TM_EXPORT void set_loaded_flight(const std::string& path);

// Once per bench frame, with the simulated time now (seconds since the bench started, not
// the frame's length): OPEN, system-state replies, due system events ("Frame" every frame,
// "6Hz" and "1sec" on crossing a sixth / a whole second), due data requests, client data,
// then queued messages, all through the stored dispatch procedure. Messages queued while
// these are delivered go out on the next frame.
TM_EXPORT void frame(double sim_seconds);

// The simulation rate reported in "Frame" events (1 unless set).
TM_EXPORT void set_sim_speed(double speed);

// The next call of that SimConnect function (e.g. "SimConnect_AddToDataDefinition") after
// `after_successes` successful ones returns E_FAIL and does nothing (still logged).
TM_EXPORT void fail_call(const std::string& function, std::uint32_t after_successes = 0);

// Queues a system event ("FlightSaved" with a file name, "6Hz", ...) for its subscribers.
TM_EXPORT void system_event(const std::string& name, std::uint32_t data,
                            const std::string& filename = "");

// The pilot's input of a simulator event. Returns true when a client masked it; otherwise
// the event reaches the simulator through Host.sim_event.
TM_EXPORT bool pilot_event(const std::string& sim_event_name, std::uint32_t value);

// A client has mapped one of its events to that simulator event (letter case aside).
TM_EXPORT bool maps_sim_event(const std::string& sim_event_name);

// The pilot's input of an input definition mapped with MapInputEventToClientEvent (the
// down event of every mapping of that definition in a group that is on). An empty
// definition matches nothing: no key combination is empty.
TM_EXPORT bool pilot_input(const std::string& input_definition);

// The pilot chooses an add-on menu item or sub-item (unknown ids: nothing happens).
TM_EXPORT void menu_select(std::uint32_t menu_event_id);

struct MenuItem {
    std::uint32_t event_id;
    std::uint32_t parent_event_id;  // SIMCONNECT_UNUSED for a top-level item
    std::string text;
    std::uint32_t data;
};
TM_EXPORT std::vector<MenuItem> menu_items();  // items in the order added, each followed by its sub-items

// Another client (a transponder client, say) writes bytes into a client-data area by name;
// ON_SET requests on it reply on the next frame. client_data reads the area (empty if none).
TM_EXPORT void set_client_data(const std::string& area_name, std::uint32_t offset,
                               const std::vector<unsigned char>& bytes);
TM_EXPORT std::vector<unsigned char> client_data(const std::string& area_name);

// Hands exactly these bytes to the dispatch procedure (truncated or oversize messages).
TM_EXPORT void deliver_raw(const void* bytes, std::uint32_t size);

TM_EXPORT std::vector<std::string> call_log();
// How many lines call_log() and texts() would give, without copying them.
TM_EXPORT std::size_t call_log_size();
TM_EXPORT std::size_t text_count();
// Calls of the SimConnect API since the last reset (the log may be cleared; this is not).
TM_EXPORT std::uint64_t calls_made();
TM_EXPORT std::vector<std::string> texts();
TM_EXPORT void clear_logs();
TM_EXPORT bool is_open();

}  // namespace scstandin
