#include "simlink/squawkbox.h"

#include "state.h"
#include "simlink/ids.h"
#include "simlink/simconnect_api.h"

namespace tarmelon {

namespace {
void write_byte(sdk::DWORD_T definition, std::uint8_t byte) {
    state.simlink.simResult = sc.SimConnect_SetClientData(state.simlink.simHandle, SQUAWKBOX_AREA,
                                                          definition, 0, 0, 1, &byte);
}
}  // namespace

void squawkbox_set_mode(std::uint8_t mode) {
    state.simlink.squawkboxModeSent = mode;
    write_byte(SQUAWKBOX_DEF_MODE, mode);
}

void squawkbox_ident(std::int32_t value) {
    state.simlink.squawkboxIdentSent = value;
    write_byte(SQUAWKBOX_DEF_IDENT, static_cast<std::uint8_t>(value & 0xFF));
}

void on_squawkbox_data(sdk::DWORD_T request, const unsigned char* payload, std::size_t size) {
    if (request != SQUAWKBOX_REQUEST || size < 1) return;
    if (payload[0] == SQUAWKBOX_STANDBY) squawkbox_set_mode(SQUAWKBOX_MODE_C);
}

}  // namespace tarmelon
