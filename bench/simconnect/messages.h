// Message records and call-log text of the stand-in SimConnect. Internal to the library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sdk/simconnect.h"

namespace scstandin::detail {

// One message as SimConnect hands it over: exactly dwSize bytes.
using Message = std::vector<unsigned char>;

Message make_open();
Message make_event(std::uint32_t group, std::uint32_t event, std::uint32_t data);
Message make_event_filename(std::uint32_t group, std::uint32_t event, std::uint32_t data,
                            const std::string& filename);
Message make_event_frame(std::uint32_t group, std::uint32_t event, float frame_rate,
                         float sim_speed);
Message make_system_state(std::uint32_t request, std::uint32_t integer, float value,
                          const std::string& text);
// SIMOBJECT_DATA (id 8) or CLIENT_DATA (id 16): the data are padded with zeros to whole
// 32-bit words (at least one), as the record declares its first data word.
Message make_data(std::uint32_t id, std::uint32_t request, std::uint32_t object,
                  std::uint32_t define, std::uint32_t flags, std::uint32_t define_count,
                  const std::vector<unsigned char>& data);
Message make_assigned_object_id(std::uint32_t request, std::uint32_t object);

// Call-log arguments: "FunctionName(arg, arg, ...)".
class Call {
public:
    explicit Call(const char* name);
    Call& u(std::uint32_t v);            // DWORD: unsigned decimal
    Call& i(std::int32_t v);             // BOOL and other signed values
    Call& f(float v);                    // shortest round-trip
    Call& d(double v);
    Call& str(const char* s);            // quoted, at most 260 bytes, escaped; null → null
    Call& text(const char* s, std::size_t limit);  // quoted, at most limit bytes
    Call& ptr(const void* p);            // null or ptr
    Call& raw(const std::string& s);
    std::string done() const { return line_ + ")"; }

private:
    void sep();
    std::string line_;
    bool first_ = true;
};

std::string shortest(double v);
std::string shortest(float v);
std::string bounded_text(const char* s, std::size_t limit);
std::string escape(const std::string& s);
std::string hex_bytes(const unsigned char* p, std::size_t n);  // [01 ff 00]

}  // namespace scstandin::detail
