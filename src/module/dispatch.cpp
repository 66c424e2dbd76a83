#include "module/dispatch.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "core/text.h"
#include "module/sim_events.h"
#include "simlink/aircraft_data.h"
#include "simlink/ids.h"
#include "simlink/setup.h"
#include "simlink/squawkbox.h"
#include "state.h"
#include "systems/canopy/canopy.h"
#include "systems/engines/engines.h"
#include "systems/fuel/fuel.h"

namespace tarmelon {

namespace {

// The smallest size of each message kind the module reads; anything shorter is dropped.
std::size_t minimum_size(sdk::DWORD_T id) {
    switch (id) {
        case sdk::SIMCONNECT_RECV_ID_OPEN: return sizeof(sdk::SIMCONNECT_RECV);
        case sdk::SIMCONNECT_RECV_ID_EVENT: return sizeof(sdk::SIMCONNECT_RECV_EVENT);
        case sdk::SIMCONNECT_RECV_ID_EVENT_FILENAME: return offsetof(sdk::SIMCONNECT_RECV_EVENT_FILENAME, szFileName);
        case sdk::SIMCONNECT_RECV_ID_EVENT_FRAME: return sizeof(sdk::SIMCONNECT_RECV_EVENT_FRAME);
        case sdk::SIMCONNECT_RECV_ID_SIMOBJECT_DATA: return offsetof(sdk::SIMCONNECT_RECV_SIMOBJECT_DATA, dwData);
        case sdk::SIMCONNECT_RECV_ID_CLIENT_DATA: return offsetof(sdk::SIMCONNECT_RECV_CLIENT_DATA, dwData);
        case sdk::SIMCONNECT_RECV_ID_SYSTEM_STATE: return offsetof(sdk::SIMCONNECT_RECV_SYSTEM_STATE, szString);
        default: return sizeof(sdk::SIMCONNECT_RECV);
    }
}

template <typename Record>
Record read_record(const sdk::SIMCONNECT_RECV* message, std::size_t available) {
    Record record{};
    std::memcpy(&record, message, available < sizeof record ? available : sizeof record);
    return record;
}

const unsigned char* bytes_of(const sdk::SIMCONNECT_RECV* message) {
    return reinterpret_cast<const unsigned char*>(message);
}

void on_event_filename(const sdk::SIMCONNECT_RECV* message, std::size_t available) {
    const auto event = read_record<sdk::SIMCONNECT_RECV_EVENT>(message, available);
    if (event.uEventID != EVENT_FLIGHT_SAVED) return;
    constexpr std::size_t name_at = offsetof(sdk::SIMCONNECT_RECV_EVENT_FILENAME, szFileName);
    const std::size_t name_bytes = available - name_at < 260 ? available - name_at : 260;
    char path[FLIGHT_PATH_SIZE];
    copy_text_field(path, sizeof path, reinterpret_cast<const char*>(bytes_of(message) + name_at), name_bytes);
    on_flight_saved(path);
}

void on_frame(const sdk::SIMCONNECT_RECV* message, std::size_t available) {
    const auto frame = read_record<sdk::SIMCONNECT_RECV_EVENT_FRAME>(message, available);
    if (frame.uEventID != EVENT_FRAME) return;
    const double speed = static_cast<double>(frame.fSimSpeed);
    // The rate goes to the console when it changes (the first time included), not every frame.
    if (speed != state.simlink.simSpeed || !state.simlink.simSpeedShown) {
        std::printf("\nSim Speed: %2.0f", std::isfinite(speed) ? speed : 0.0);
        std::fflush(stdout);
        state.simlink.simSpeedShown = 1;
    }
    state.simlink.simSpeed = speed;
}

void on_system_state(const sdk::SIMCONNECT_RECV* message, std::size_t available) {
    const auto reply = read_record<sdk::SIMCONNECT_RECV_SYSTEM_STATE>(message, available);
    if (reply.dwRequestID != REQUEST_FLIGHT_LOADED) return;
    constexpr std::size_t text_at = offsetof(sdk::SIMCONNECT_RECV_SYSTEM_STATE, szString);
    const std::size_t text_bytes = available - text_at < 260 ? available - text_at : 260;
    copy_text_field(state.frame.loadedFlightPath, sizeof state.frame.loadedFlightPath,
                    reinterpret_cast<const char*>(bytes_of(message) + text_at), text_bytes);
    state.frame.flightPathPending = 1;
}

// Object and client data: the header, then the payload.
template <typename Record>
void on_data(const sdk::SIMCONNECT_RECV* message, std::size_t available,
             void (*handler)(sdk::DWORD_T, const unsigned char*, std::size_t)) {
    const auto data = read_record<Record>(message, available);
    constexpr std::size_t payload_at = offsetof(Record, dwData);
    handler(data.dwRequestID, bytes_of(message) + payload_at, available - payload_at);
}

}  // namespace

void TM_STDCALL simconnect_dispatch(sdk::SIMCONNECT_RECV* message, sdk::DWORD_T size, void*) {
    // Trust neither the size given nor the size the message claims: read only what both
    // cover, and only messages long enough for their kind.
    if (message == nullptr || size < sizeof(sdk::SIMCONNECT_RECV)) return;
    const std::size_t available = message->dwSize < size ? message->dwSize : size;
    if (available < minimum_size(message->dwID)) return;

    switch (message->dwID) {
        case sdk::SIMCONNECT_RECV_ID_OPEN: setup_on_open(); break;
        case sdk::SIMCONNECT_RECV_ID_EVENT: {
            const auto event = read_record<sdk::SIMCONNECT_RECV_EVENT>(message, available);
            handle_sim_event(event.uEventID, event.dwData);
            break;
        }
        case sdk::SIMCONNECT_RECV_ID_EVENT_FILENAME: on_event_filename(message, available); break;
        case sdk::SIMCONNECT_RECV_ID_EVENT_FRAME: on_frame(message, available); break;
        case sdk::SIMCONNECT_RECV_ID_SIMOBJECT_DATA: {
            on_data<sdk::SIMCONNECT_RECV_SIMOBJECT_DATA>(message, available, on_aircraft_data);
            const auto data = read_record<sdk::SIMCONNECT_RECV_SIMOBJECT_DATA>(message, available);
            if (data.dwRequestID == DEF_STARTER_1) on_starter_data(1);
            if (data.dwRequestID == DEF_STARTER_2) on_starter_data(2);
            if (data.dwRequestID == DEF_CANOPY_OPEN) canopy_animation_step();
            // After each message: the fuel transfers, then the engine start.
            if (fuel_transfers_due()) run_fuel_transfers();
            update_engine_start();
            break;
        }
        case sdk::SIMCONNECT_RECV_ID_SYSTEM_STATE: on_system_state(message, available); break;
        case sdk::SIMCONNECT_RECV_ID_CLIENT_DATA:
            on_data<sdk::SIMCONNECT_RECV_CLIENT_DATA>(message, available, on_squawkbox_data);
            break;
        default: break;
    }
}

}  // namespace tarmelon
