// Message records and call-log text of the stand-in SimConnect.
#include "bench/simconnect/messages.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace scstandin::detail {
namespace {

constexpr std::uint32_t kVersion = 4;

template <class Record>
Message from_record(Record& r, std::uint32_t id) {
    r.dwSize = sizeof(Record);
    r.dwVersion = kVersion;
    r.dwID = id;
    Message m(sizeof(Record));
    std::memcpy(m.data(), &r, sizeof(Record));
    return m;
}

void copy_text(char* out, std::size_t size, const std::string& text) {
    const std::size_t n = text.size() < size ? text.size() : size - 1;
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

}  // namespace

Message make_open() {
    sdk::SIMCONNECT_RECV_OPEN r{};
    copy_text(r.szApplicationName, sizeof r.szApplicationName, "Tarmelon bench");
    r.dwApplicationVersionMajor = 10;
    r.dwApplicationVersionMinor = 0;
    r.dwApplicationBuildMajor = 61259;
    r.dwApplicationBuildMinor = 0;
    r.dwSimConnectVersionMajor = 10;
    r.dwSimConnectVersionMinor = 0;
    r.dwSimConnectBuildMajor = 61259;
    r.dwSimConnectBuildMinor = 0;
    return from_record(r, sdk::SIMCONNECT_RECV_ID_OPEN);
}

Message make_event(std::uint32_t group, std::uint32_t event, std::uint32_t data) {
    sdk::SIMCONNECT_RECV_EVENT r{};
    r.uGroupID = group;
    r.uEventID = event;
    r.dwData = data;
    return from_record(r, sdk::SIMCONNECT_RECV_ID_EVENT);
}

Message make_event_filename(std::uint32_t group, std::uint32_t event, std::uint32_t data,
                            const std::string& filename) {
    sdk::SIMCONNECT_RECV_EVENT_FILENAME r{};
    r.uGroupID = group;
    r.uEventID = event;
    r.dwData = data;
    copy_text(r.szFileName, sizeof r.szFileName, filename);
    r.dwFlags = 0;
    return from_record(r, sdk::SIMCONNECT_RECV_ID_EVENT_FILENAME);
}

Message make_event_frame(std::uint32_t group, std::uint32_t event, float frame_rate,
                         float sim_speed) {
    sdk::SIMCONNECT_RECV_EVENT_FRAME r{};
    r.uGroupID = group;
    r.uEventID = event;
    r.dwData = 0;
    r.fFrameRate = frame_rate;
    r.fSimSpeed = sim_speed;
    return from_record(r, sdk::SIMCONNECT_RECV_ID_EVENT_FRAME);
}

Message make_system_state(std::uint32_t request, std::uint32_t integer, float value,
                          const std::string& text) {
    sdk::SIMCONNECT_RECV_SYSTEM_STATE r{};
    r.dwRequestID = request;
    r.dwInteger = integer;
    r.fFloat = value;
    copy_text(r.szString, sizeof r.szString, text);
    return from_record(r, sdk::SIMCONNECT_RECV_ID_SYSTEM_STATE);
}

Message make_data(std::uint32_t id, std::uint32_t request, std::uint32_t object,
                  std::uint32_t define, std::uint32_t flags, std::uint32_t define_count,
                  const std::vector<unsigned char>& data) {
    constexpr std::size_t header = offsetof(sdk::SIMCONNECT_RECV_SIMOBJECT_DATA, dwData);
    std::size_t padded = (data.size() + 3) / 4 * 4;
    if (padded == 0) padded = 4;
    sdk::SIMCONNECT_RECV_SIMOBJECT_DATA r{};
    r.dwSize = static_cast<std::uint32_t>(header + padded);
    r.dwVersion = kVersion;
    r.dwID = id;
    r.dwRequestID = request;
    r.dwObjectID = object;
    r.dwDefineID = define;
    r.dwFlags = flags;
    r.dwentrynumber = 1;
    r.dwoutof = 1;
    r.dwDefineCount = define_count;
    Message m(header + padded, 0);
    std::memcpy(m.data(), &r, header);
    if (!data.empty()) std::memcpy(m.data() + header, data.data(), data.size());
    return m;
}

Message make_assigned_object_id(std::uint32_t request, std::uint32_t object) {
    const std::uint32_t words[5] = {20, kVersion, sdk::SIMCONNECT_RECV_ID_ASSIGNED_OBJECT_ID,
                                    request, object};
    Message m(sizeof words);
    std::memcpy(m.data(), words, sizeof words);
    return m;
}

Call::Call(const char* name) : line_(std::string(name) + "(") {}

void Call::sep() {
    if (!first_) line_ += ", ";
    first_ = false;
}

Call& Call::u(std::uint32_t v) {
    sep();
    line_ += std::to_string(v);
    return *this;
}

Call& Call::i(std::int32_t v) {
    sep();
    line_ += std::to_string(v);
    return *this;
}

Call& Call::f(float v) {
    sep();
    line_ += shortest(v);
    return *this;
}

Call& Call::d(double v) {
    sep();
    line_ += shortest(v);
    return *this;
}

Call& Call::str(const char* s) { return text(s, 260); }

Call& Call::text(const char* s, std::size_t limit) {
    sep();
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about a string
    // literal placed before a temporary string with operator+.
    if (s == nullptr) {
        line_ += "null";
        return *this;
    }
    line_ += '"';
    line_ += escape(bounded_text(s, limit));
    line_ += '"';
    return *this;
}

Call& Call::ptr(const void* p) {
    sep();
    line_ += p == nullptr ? "null" : "ptr";
    return *this;
}

Call& Call::raw(const std::string& s) {
    sep();
    line_ += s;
    return *this;
}

std::string shortest(double v) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, r.ptr);
}

std::string shortest(float v) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, r.ptr);
}

std::string bounded_text(const char* s, std::size_t limit) {
    if (s == nullptr) return {};
    std::size_t n = 0;
    while (n < limit && s[n] != '\0') ++n;
    return std::string(s, n);
}

std::string escape(const std::string& s) {
    std::string out;
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += ch;
        }
    }
    return out;
}

std::string hex_bytes(const unsigned char* p, std::size_t n) {
    std::string out = "[";
    for (std::size_t k = 0; k < n; ++k) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", p[k]);
        if (k != 0) out += ' ';
        out += hex;
    }
    return out + "]";
}

}  // namespace scstandin::detail
