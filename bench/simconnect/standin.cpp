// The bench's stand-in SimConnect: one client connection to the bench's simulated aircraft.
//
// Registrations are kept as the client makes them; messages are delivered to the client's
// dispatch procedure only from frame() (and deliver_raw), on the bench's one thread, as
// the simulator delivers them between gauge updates. Standard C++ only (it also builds
// for Windows).
#include "bench/simconnect/standin.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <deque>
#include <limits>
#include <map>
#include <memory>
#include <optional>

#include "bench/simconnect/messages.h"
#include "sdk/simconnect.h"

using sdk::DWORD_T;
using sdk::HRESULT_T;
using sdk::SC_E_FAIL;
using sdk::SC_S_OK;
using scstandin::detail::Call;
using scstandin::detail::Message;

#define TM_SC_DECLARE(name, params) extern "C" TM_EXPORT HRESULT_T TM_STDCALL name params;
TM_SIMCONNECT_FUNCTIONS(TM_SC_DECLARE)
#undef TM_SC_DECLARE

namespace scstandin {
namespace {

constexpr std::size_t kMaxDataBlock = sdk::SIMCONNECT_CLIENTDATA_MAX_SIZE;
constexpr double kTimeEpsilon = 1e-9;

struct Datum {
    std::string name;
    std::string units;
    DWORD_T type;
    float epsilon;
    DWORD_T datum_id;
};

struct DataRequest {
    DWORD_T id = 0, define = 0, object = 0, period = 0, flags = 0, origin = 0, interval = 0, limit = 0;
    std::uint64_t ticks = 0;
    std::uint32_t sent = 0;
    bool done = false;
    bool have_next_second = false;
    double next_second = 0.0;
    std::vector<double> last;  // values last sent (for "changed only")
    bool have_last = false;
};

struct Subscription {
    DWORD_T event_id;
    std::string name;
};

struct GroupMember {
    DWORD_T event_id;
    bool maskable;
};

struct Group {
    DWORD_T priority = sdk::SIMCONNECT_GROUP_PRIORITY_DEFAULT;
    std::vector<GroupMember> members;
};

struct InputMapping {
    std::string definition;
    DWORD_T down_event, down_value, up_event, up_value;
    bool maskable;
};

struct InputGroup {
    DWORD_T priority = sdk::SIMCONNECT_GROUP_PRIORITY_DEFAULT;
    DWORD_T state = sdk::SIMCONNECT_STATE_OFF;
    std::vector<InputMapping> mappings;
};

struct ClientDatum {
    DWORD_T offset;
    DWORD_T size;
};

struct ClientRequest {
    DWORD_T area = 0, id = 0, define = 0, period = 0, flags = 0, origin = 0, interval = 0, limit = 0;
    std::uint64_t ticks = 0;
    std::uint32_t sent = 0;
    bool done = false;
    bool set_pending = false;
    bool have_next_second = false;
    double next_second = 0.0;
    std::vector<unsigned char> last;
    bool have_last = false;
};

// What one client connection registered; a new connection starts from none.
struct Registrations {
    bool open = false;
    bool open_pending = false;
    sdk::DispatchProc proc = nullptr;
    void* context = nullptr;
    std::map<DWORD_T, std::vector<Datum>> definitions;
    std::vector<DataRequest> requests;
    std::vector<Subscription> subscriptions;
    std::vector<std::pair<DWORD_T, std::string>> state_requests;
    std::map<DWORD_T, std::string> client_events;  // client event → simulator event name
    std::map<DWORD_T, Group> groups;
    std::map<DWORD_T, InputGroup> input_groups;
    std::vector<MenuItem> menu;
    std::map<DWORD_T, std::string> area_ids;  // area id → lower-case name
    std::map<DWORD_T, std::vector<ClientDatum>> client_definitions;
    std::vector<ClientRequest> client_requests;
    std::deque<Message> queue;
    DWORD_T next_object_id = 100;
};

struct State : Registrations {
    Host host;
    bool accept_open = true;
    bool silent = false;  // the simulator never answers
    std::string loaded_flight;
    double sim_speed = 1.0;
    bool have_time = false;
    double last_time = 0.0;
    std::int64_t last_sixth = 0;
    std::int64_t last_second = 0;
    std::map<std::string, std::vector<unsigned char>> areas;  // lower-case name → bytes
    std::map<std::string, std::uint32_t> failures;  // function → successes still allowed
    std::vector<std::string> log;
    std::uint64_t calls_made = 0;
    std::vector<std::string> texts;
};

State& state() {
    static State s;
    return s;
}

// The connection handle: only its address matters.
char g_connection = 0;

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool same(const std::string& a, const std::string& b) { return lower(a) == lower(b); }

std::string text_arg(const char* s) { return detail::bounded_text(s, 260); }

void log(const Call& call) {
    ++state().calls_made;
    state().log.push_back(call.done());
}

bool valid(sdk::SC_HANDLE h) { return h == &g_connection && state().open; }

bool injected_failure(const char* function) {
    auto& failures = state().failures;
    const auto it = failures.find(function);
    if (it == failures.end()) return false;
    if (it->second > 0) {
        --it->second;
        return false;
    }
    failures.erase(it);
    return true;
}

// Common entry: the call is logged; a bad handle or an injected failure ends it.
bool refuse(sdk::SC_HANDLE h, const Call& call, const char* function) {
    log(call);
    return !valid(h) || injected_failure(function);
}

std::size_t datum_size(DWORD_T type) {
    switch (type) {
        case sdk::SIMCONNECT_DATATYPE_INT32:
        case sdk::SIMCONNECT_DATATYPE_FLOAT32: return 4;
        case sdk::SIMCONNECT_DATATYPE_INT64:
        case sdk::SIMCONNECT_DATATYPE_FLOAT64: return 8;
        case sdk::SIMCONNECT_DATATYPE_STRING8: return 8;
        case sdk::SIMCONNECT_DATATYPE_STRING32: return 32;
        case sdk::SIMCONNECT_DATATYPE_STRING64: return 64;
        case sdk::SIMCONNECT_DATATYPE_STRING128: return 128;
        case sdk::SIMCONNECT_DATATYPE_STRING256: return 256;
        case sdk::SIMCONNECT_DATATYPE_STRING260: return 260;
        default: return 0;  // STRINGV has no fixed size; others are not supported
    }
}

template <class Int>
Int saturate(double v) {
    if (std::isnan(v)) return 0;
    if (v <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (v >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(v);
}

void append(std::vector<unsigned char>& out, const void* p, std::size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    out.insert(out.end(), b, b + n);
}

void pack(std::vector<unsigned char>& out, DWORD_T type, double v) {
    switch (type) {
        case sdk::SIMCONNECT_DATATYPE_INT32: {
            const std::int32_t x = saturate<std::int32_t>(v);
            append(out, &x, sizeof x);
            return;
        }
        case sdk::SIMCONNECT_DATATYPE_INT64: {
            const std::int64_t x = saturate<std::int64_t>(v);
            append(out, &x, sizeof x);
            return;
        }
        case sdk::SIMCONNECT_DATATYPE_FLOAT32: {
            float x = 0.0f;
            if (std::isnan(v)) x = std::numeric_limits<float>::quiet_NaN();
            else if (v > FLT_MAX) x = std::numeric_limits<float>::infinity();
            else if (v < -FLT_MAX) x = -std::numeric_limits<float>::infinity();
            else x = static_cast<float>(v);
            append(out, &x, sizeof x);
            return;
        }
        case sdk::SIMCONNECT_DATATYPE_FLOAT64:
            append(out, &v, sizeof v);
            return;
        default: {  // strings: the value's text, terminated, in its fixed field
            const std::string text = detail::shortest(v);
            const std::size_t size = type == sdk::SIMCONNECT_DATATYPE_STRINGV ? text.size() + 1
                                                                               : datum_size(type);
            std::vector<unsigned char> field(size, 0);
            std::memcpy(field.data(), text.data(), std::min(text.size(), size - 1));
            out.insert(out.end(), field.begin(), field.end());
            return;
        }
    }
}

bool unpack(const unsigned char* p, std::size_t available, DWORD_T type, double& v,
            std::size_t& used) {
    used = datum_size(type);
    if (type == sdk::SIMCONNECT_DATATYPE_STRINGV) {
        used = 0;
        while (used < available && p[used] != 0) ++used;
        if (used == available) return false;
        ++used;
    }
    if (used == 0 || used > available) return false;
    switch (type) {
        case sdk::SIMCONNECT_DATATYPE_INT32: {
            std::int32_t x;
            std::memcpy(&x, p, sizeof x);
            v = x;
            return true;
        }
        case sdk::SIMCONNECT_DATATYPE_INT64: {
            std::int64_t x;
            std::memcpy(&x, p, sizeof x);
            v = static_cast<double>(x);
            return true;
        }
        case sdk::SIMCONNECT_DATATYPE_FLOAT32: {
            float x;
            std::memcpy(&x, p, sizeof x);
            v = x;
            return true;
        }
        case sdk::SIMCONNECT_DATATYPE_FLOAT64:
            std::memcpy(&v, p, sizeof v);
            return true;
        default:
            v = std::numeric_limits<double>::quiet_NaN();  // strings are not written back
            return true;
    }
}

double read_var(const Datum& d) {
    const Host& host = state().host;
    return host.read_var ? host.read_var(d.name, d.units) : 0.0;
}

void deliver(const Message& m) {
    State& s = state();
    if (!s.open || s.proc == nullptr) return;
    // Exactly dwSize bytes in a fresh allocation (aligned for any record): a client that
    // reads past the message is caught by the sanitizers.
    const std::size_t size = m.size();
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[size == 0 ? 1 : size]);
    if (size != 0) std::memcpy(buffer.get(), m.data(), size);
    s.proc(reinterpret_cast<sdk::SIMCONNECT_RECV*>(buffer.get()), static_cast<DWORD_T>(size),
           s.context);
}

void queue(Message m) { state().queue.push_back(std::move(m)); }

bool filename_event(const std::string& name) {
    return same(name, "FlightLoaded") || same(name, "FlightSaved") ||
           same(name, "AircraftLoaded") || same(name, "FlightPlanActivated");
}

// Groups notified of a client event, highest priority (lowest number) first.
std::vector<std::pair<DWORD_T, const Group*>> groups_of(DWORD_T event) {
    std::vector<std::pair<DWORD_T, const Group*>> out;
    for (const auto& [id, group] : state().groups)
        for (const GroupMember& m : group.members)
            if (m.event_id == event) {
                out.emplace_back(id, &group);
                break;
            }
    std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
        return a.second->priority < b.second->priority;
    });
    return out;
}

bool masks(const Group& group, DWORD_T event) {
    if (group.priority > sdk::SIMCONNECT_GROUP_PRIORITY_HIGHEST_MASKABLE) return false;
    for (const GroupMember& m : group.members)
        if (m.event_id == event && m.maskable) return true;
    return false;
}

// A periodic request: is this frame one of its periods, and is it past origin/interval?
template <class Request>
bool period_due(Request& r, double now, DWORD_T once, DWORD_T frame1, DWORD_T frame2,
                DWORD_T second) {
    if (r.done) return false;
    bool tick = false;
    if (r.period == once) {
        tick = true;
    } else if (r.period == frame1 || r.period == frame2) {
        tick = true;
    } else if (r.period == second) {
        if (!r.have_next_second || now + kTimeEpsilon >= r.next_second) {
            tick = true;
            r.next_second = r.have_next_second ? r.next_second + 1.0 : now + 1.0;
            while (r.next_second <= now + kTimeEpsilon) r.next_second += 1.0;
            r.have_next_second = true;
        }
    }
    if (!tick) return false;
    const std::uint64_t n = r.ticks++;
    if (r.period == once) r.done = true;
    if (n < r.origin) return false;
    return (n - r.origin) % (static_cast<std::uint64_t>(r.interval) + 1) == 0;
}

void data_requests_due(double now) {
    State& s = state();
    std::vector<DWORD_T> ids;
    for (const DataRequest& r : s.requests) ids.push_back(r.id);
    for (const DWORD_T id : ids) {
        auto it = std::find_if(s.requests.begin(), s.requests.end(),
                               [&](const DataRequest& r) { return r.id == id; });
        if (it == s.requests.end()) continue;
        DataRequest& r = *it;
        if (!period_due(r, now, sdk::SIMCONNECT_PERIOD_ONCE, sdk::SIMCONNECT_PERIOD_SIM_FRAME,
                        sdk::SIMCONNECT_PERIOD_VISUAL_FRAME, sdk::SIMCONNECT_PERIOD_SECOND))
            continue;
        const auto def = s.definitions.find(r.define);
        if (def == s.definitions.end()) continue;
        std::vector<double> values;
        std::vector<unsigned char> bytes;
        for (const Datum& d : def->second) {
            values.push_back(read_var(d));
            pack(bytes, d.type, values.back());
        }
        if ((r.flags & sdk::SIMCONNECT_DATA_REQUEST_FLAG_CHANGED) != 0 && r.have_last) {
            bool changed = false;
            for (std::size_t k = 0; k < values.size() && k < r.last.size(); ++k) {
                const double eps = def->second[k].epsilon;
                const double a = values[k];
                const double b = r.last[k];
                if (std::isnan(a) != std::isnan(b) ||
                    (!std::isnan(a) && (eps > 0 ? std::fabs(a - b) > eps : a != b)))
                    changed = true;
            }
            if (values.size() != r.last.size()) changed = true;
            if (!changed) continue;
        }
        r.last = values;
        r.have_last = true;
        ++r.sent;
        if (r.limit != 0 && r.sent >= r.limit) r.done = true;
        const Message m = detail::make_data(sdk::SIMCONNECT_RECV_ID_SIMOBJECT_DATA, r.id, r.object,
                                            r.define, r.flags,
                                            static_cast<DWORD_T>(def->second.size()), bytes);
        deliver(m);
    }
}

void client_requests_due(double now) {
    State& s = state();
    std::vector<DWORD_T> ids;
    for (const ClientRequest& r : s.client_requests) ids.push_back(r.id);
    for (const DWORD_T id : ids) {
        auto it = std::find_if(s.client_requests.begin(), s.client_requests.end(),
                               [&](const ClientRequest& r) { return r.id == id; });
        if (it == s.client_requests.end()) continue;
        ClientRequest& r = *it;
        bool due = false;
        if (r.period == sdk::SIMCONNECT_CLIENT_DATA_PERIOD_ON_SET) {
            if (r.set_pending && !r.done) {
                const std::uint64_t n = r.ticks++;
                due = n >= r.origin &&
                      (n - r.origin) % (static_cast<std::uint64_t>(r.interval) + 1) == 0;
            }
            r.set_pending = false;
        } else {
            due = period_due(r, now, sdk::SIMCONNECT_CLIENT_DATA_PERIOD_ONCE,
                             sdk::SIMCONNECT_CLIENT_DATA_PERIOD_VISUAL_FRAME,
                             sdk::SIMCONNECT_CLIENT_DATA_PERIOD_VISUAL_FRAME,
                             sdk::SIMCONNECT_CLIENT_DATA_PERIOD_SECOND);
        }
        if (!due) continue;
        const auto name = s.area_ids.find(r.area);
        const auto def = s.client_definitions.find(r.define);
        if (name == s.area_ids.end() || def == s.client_definitions.end()) continue;
        const std::vector<unsigned char>& area = s.areas[name->second];
        std::vector<unsigned char> bytes;
        for (const ClientDatum& d : def->second)
            bytes.insert(bytes.end(), area.begin() + d.offset, area.begin() + d.offset + d.size);
        if ((r.flags & sdk::SIMCONNECT_DATA_REQUEST_FLAG_CHANGED) != 0 && r.have_last &&
            bytes == r.last)
            continue;
        r.last = bytes;
        r.have_last = true;
        ++r.sent;
        if (r.limit != 0 && r.sent >= r.limit) r.done = true;
        const Message m = detail::make_data(sdk::SIMCONNECT_RECV_ID_CLIENT_DATA, r.id, r.area,
                                            r.define, r.flags,
                                            static_cast<DWORD_T>(def->second.size()), bytes);
        deliver(m);
    }
}

void area_was_set(const std::string& lower_name) {
    State& s = state();
    for (ClientRequest& r : s.client_requests) {
        const auto name = s.area_ids.find(r.area);
        if (name != s.area_ids.end() && name->second == lower_name) r.set_pending = true;
    }
}

std::vector<unsigned char>& area_named(const std::string& name) {
    auto& area = state().areas[lower(name)];
    if (area.empty()) area.assign(kMaxDataBlock, 0);
    return area;
}

// The data block a data-writing call passes, for the log: doubles when the definition is
// all FLOAT64 and the size fits, else hex bytes.
std::string data_block(const void* p, std::size_t size, bool all_float64) {
    if (p == nullptr) return "null";
    if (size > kMaxDataBlock) return "ptr";
    const auto* b = static_cast<const unsigned char*>(p);
    if (all_float64 && size % 8 == 0 && size != 0) {
        std::string out;
        for (std::size_t k = 0; k < size; k += 8) {
            double v;
            std::memcpy(&v, b + k, sizeof v);
            if (k != 0) out += ", ";
            out += detail::shortest(v);
        }
        return out;
    }
    return detail::hex_bytes(b, size);
}

}  // namespace

// ---- control API ----

void reset(const Host& host, bool accept_open) {
    State& s = state();
    s = State{};
    s.host = host;
    s.accept_open = accept_open;
}

void set_silent(bool silent) { state().silent = silent; }

void set_loaded_flight(const std::string& path) { state().loaded_flight = path; }

void set_sim_speed(double speed) { state().sim_speed = speed; }

void fail_call(const std::string& function, std::uint32_t after_successes) {
    state().failures[function] = after_successes;
}

void frame(double now) {
    State& s = state();
    const double dt = s.have_time ? now - s.last_time : 0.0;
    s.have_time = true;
    s.last_time = now;
    const std::int64_t sixth = static_cast<std::int64_t>(std::floor(now * 6.0 + kTimeEpsilon));
    const std::int64_t second = static_cast<std::int64_t>(std::floor(now + kTimeEpsilon));
    const bool sixth_due = sixth > s.last_sixth;
    const bool second_due = second > s.last_second;
    s.last_sixth = std::max(s.last_sixth, sixth);
    s.last_second = std::max(s.last_second, second);
    if (!s.open || s.proc == nullptr || s.silent) return;

    if (s.open_pending) {
        s.open_pending = false;
        deliver(detail::make_open());
    }

    auto replies = std::move(s.state_requests);
    s.state_requests.clear();
    for (const auto& [request, name] : replies) {
        if (same(name, "FlightLoaded")) deliver(detail::make_system_state(request, 0, 0.0f, s.loaded_flight));
        else if (same(name, "Sim")) deliver(detail::make_system_state(request, 1, 0.0f, ""));
        else deliver(detail::make_system_state(request, 0, 0.0f, ""));
    }

    const auto subscriptions = s.subscriptions;
    const float rate = dt > 0.0 ? static_cast<float>(1.0 / dt) : 0.0f;
    for (const Subscription& sub : subscriptions)
        if (same(sub.name, "Frame"))
            deliver(detail::make_event_frame(sdk::SIMCONNECT_UNKNOWN_GROUP, sub.event_id, rate,
                                             static_cast<float>(s.sim_speed)));
    if (sixth_due)
        for (const Subscription& sub : subscriptions)
            if (same(sub.name, "6Hz")) deliver(detail::make_event(sdk::SIMCONNECT_UNKNOWN_GROUP, sub.event_id, 0));
    if (second_due)
        for (const Subscription& sub : subscriptions)
            if (same(sub.name, "1sec")) deliver(detail::make_event(sdk::SIMCONNECT_UNKNOWN_GROUP, sub.event_id, 0));

    data_requests_due(now);
    client_requests_due(now);

    std::deque<Message> queued;
    queued.swap(s.queue);
    for (const Message& m : queued) deliver(m);
}

void system_event(const std::string& name, std::uint32_t data, const std::string& filename) {
    State& s = state();
    if (!s.open) return;
    for (const Subscription& sub : s.subscriptions) {
        if (!same(sub.name, name)) continue;
        if (filename_event(name) || !filename.empty())
            queue(detail::make_event_filename(sdk::SIMCONNECT_UNKNOWN_GROUP, sub.event_id, data, filename));
        else if (same(name, "Frame"))
            queue(detail::make_event_frame(sdk::SIMCONNECT_UNKNOWN_GROUP, sub.event_id, 0.0f,
                                           static_cast<float>(s.sim_speed)));
        else
            queue(detail::make_event(sdk::SIMCONNECT_UNKNOWN_GROUP, sub.event_id, data));
    }
}

bool maps_sim_event(const std::string& sim_event_name) {
    if (!state().open) return false;
    for (const auto& [event, name] : state().client_events)
        if (!name.empty() && same(name, sim_event_name)) return true;
    return false;
}

bool pilot_event(const std::string& sim_event_name, std::uint32_t value) {
    State& s = state();
    bool masked = false;
    if (s.open && !s.silent) {
        for (const auto& [event, name] : s.client_events) {
            if (name.empty() || !same(name, sim_event_name)) continue;
            for (const auto& [group_id, group] : groups_of(event)) {
                queue(detail::make_event(group_id, event, value));
                if (masks(*group, event)) masked = true;
            }
        }
    }
    if (!masked && s.host.sim_event) s.host.sim_event(sim_event_name, value);
    return masked;
}

bool pilot_input(const std::string& input_definition) {
    State& s = state();
    if (!s.open || s.silent || input_definition.empty()) return false;
    std::vector<std::pair<DWORD_T, const InputGroup*>> groups;
    for (const auto& [id, group] : s.input_groups)
        if (group.state == sdk::SIMCONNECT_STATE_ON) groups.emplace_back(id, &group);
    std::stable_sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) {
        return a.second->priority < b.second->priority;
    });
    bool masked = false;
    std::vector<std::pair<std::string, DWORD_T>> reach_sim;
    for (const auto& [id, group] : groups) {
        for (const InputMapping& m : group->mappings) {
            if (!same(m.definition, input_definition)) continue;
            for (const auto& [group_id, notified] : groups_of(m.down_event))
                queue(detail::make_event(group_id, m.down_event, m.down_value));
            if (m.maskable && group->priority <= sdk::SIMCONNECT_GROUP_PRIORITY_HIGHEST_MASKABLE)
                masked = true;
            const auto mapped = s.client_events.find(m.down_event);
            if (mapped != s.client_events.end() && !mapped->second.empty())
                reach_sim.emplace_back(mapped->second, m.down_value);
        }
    }
    if (!masked && s.host.sim_event)
        for (const auto& [name, value] : reach_sim) s.host.sim_event(name, value);
    return masked;
}

void menu_select(std::uint32_t menu_event_id) {
    State& s = state();
    if (!s.open) return;
    for (const MenuItem& item : s.menu) {
        if (item.event_id != menu_event_id) continue;
        // The group that holds the item's own event (for a sub-item: its parent's).
        const DWORD_T owner = item.parent_event_id == sdk::SIMCONNECT_UNUSED ? item.event_id
                                                                             : item.parent_event_id;
        const auto groups = groups_of(owner);
        const DWORD_T group = groups.empty() ? sdk::SIMCONNECT_UNKNOWN_GROUP : groups.front().first;
        queue(detail::make_event(group, item.event_id, item.data));
        return;
    }
}

std::vector<MenuItem> menu_items() { return state().menu; }

void set_client_data(const std::string& area_name, std::uint32_t offset,
                     const std::vector<unsigned char>& bytes) {
    std::vector<unsigned char>& area = area_named(area_name);
    if (offset > area.size() || bytes.size() > area.size() - offset) return;
    std::copy(bytes.begin(), bytes.end(), area.begin() + offset);
    area_was_set(lower(area_name));
}

std::vector<unsigned char> client_data(const std::string& area_name) {
    const auto it = state().areas.find(lower(area_name));
    return it == state().areas.end() ? std::vector<unsigned char>{} : it->second;
}

void deliver_raw(const void* bytes, std::uint32_t size) {
    if (bytes == nullptr && size != 0) return;
    Message m(size);
    if (size != 0) std::memcpy(m.data(), bytes, size);
    deliver(m);
}

std::vector<std::string> call_log() { return state().log; }
std::uint64_t calls_made() { return state().calls_made; }
std::vector<std::string> texts() { return state().texts; }
std::size_t call_log_size() { return state().log.size(); }
std::size_t text_count() { return state().texts.size(); }

void clear_logs() {
    state().log.clear();
    state().texts.clear();
}

bool is_open() { return state().open; }

}  // namespace scstandin

// ---- the SimConnect functions ----

using namespace scstandin;

extern "C" {

HRESULT_T TM_STDCALL SimConnect_Open(sdk::SC_HANDLE* phSimConnect, const char* szName,
                                     sdk::SC_HWND hWnd, DWORD_T UserEventWin32,
                                     void* hEventHandle, DWORD_T ConfigIndex) {
    State& s = state();
    log(Call("SimConnect_Open").str(szName).ptr(hWnd).u(UserEventWin32).ptr(hEventHandle).u(ConfigIndex));
    if (phSimConnect == nullptr) return SC_E_FAIL;
    if (!s.accept_open || injected_failure("SimConnect_Open")) {
        *phSimConnect = nullptr;
        return SC_E_FAIL;
    }
    static_cast<Registrations&>(s) = Registrations{};  // a new connection starts afresh
    s.open = true;
    s.open_pending = true;
    *phSimConnect = &g_connection;
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_Close(sdk::SC_HANDLE hSimConnect) {
    if (refuse(hSimConnect, Call("SimConnect_Close"), "SimConnect_Close")) return SC_E_FAIL;
    State& s = state();
    s.open = false;
    s.open_pending = false;
    s.proc = nullptr;
    s.context = nullptr;
    s.queue.clear();
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_CallDispatch(sdk::SC_HANDLE hSimConnect,
                                             sdk::DispatchProc pfcnDispatch, void* pContext) {
    const Call call = Call("SimConnect_CallDispatch")
                          .ptr(reinterpret_cast<const void*>(pfcnDispatch))
                          .ptr(pContext);
    if (refuse(hSimConnect, call, "SimConnect_CallDispatch") || pfcnDispatch == nullptr)
        return SC_E_FAIL;
    state().proc = pfcnDispatch;
    state().context = pContext;
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_AddToDataDefinition(sdk::SC_HANDLE hSimConnect, DWORD_T DefineID,
                                                    const char* DatumName, const char* UnitsName,
                                                    DWORD_T DatumType, float fEpsilon,
                                                    DWORD_T DatumID) {
    const Call call = Call("SimConnect_AddToDataDefinition")
                          .u(DefineID).str(DatumName).str(UnitsName).u(DatumType).f(fEpsilon).u(DatumID);
    if (refuse(hSimConnect, call, "SimConnect_AddToDataDefinition")) return SC_E_FAIL;
    if (DatumName == nullptr || DatumName[0] == '\0') return SC_E_FAIL;
    if (datum_size(DatumType) == 0 && DatumType != sdk::SIMCONNECT_DATATYPE_STRINGV) return SC_E_FAIL;
    state().definitions[DefineID].push_back(
        Datum{text_arg(DatumName), text_arg(UnitsName), DatumType, fEpsilon, DatumID});
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_RequestDataOnSimObject(sdk::SC_HANDLE hSimConnect,
                                                       DWORD_T RequestID, DWORD_T DefineID,
                                                       DWORD_T ObjectID, DWORD_T Period,
                                                       DWORD_T Flags, DWORD_T origin,
                                                       DWORD_T interval, DWORD_T limit) {
    const Call call = Call("SimConnect_RequestDataOnSimObject")
                          .u(RequestID).u(DefineID).u(ObjectID).u(Period).u(Flags).u(origin)
                          .u(interval).u(limit);
    if (refuse(hSimConnect, call, "SimConnect_RequestDataOnSimObject")) return SC_E_FAIL;
    State& s = state();
    if (s.definitions.count(DefineID) == 0 || Period > sdk::SIMCONNECT_PERIOD_SECOND) return SC_E_FAIL;
    if ((Flags & sdk::SIMCONNECT_DATA_REQUEST_FLAG_TAGGED) != 0) return SC_E_FAIL;  // not supported
    DataRequest r;
    r.id = RequestID;
    r.define = DefineID;
    r.object = ObjectID;
    r.period = Period;
    r.flags = Flags;
    r.origin = origin;
    r.interval = interval;
    r.limit = limit;
    r.done = Period == sdk::SIMCONNECT_PERIOD_NEVER;
    auto it = std::find_if(s.requests.begin(), s.requests.end(),
                           [&](const DataRequest& q) { return q.id == RequestID; });
    if (it != s.requests.end()) *it = r;  // the same request id replaces the request
    else s.requests.push_back(r);
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_SetDataOnSimObject(sdk::SC_HANDLE hSimConnect, DWORD_T DefineID,
                                                   DWORD_T ObjectID, DWORD_T Flags,
                                                   DWORD_T ArrayCount, DWORD_T cbUnitSize,
                                                   void* pDataSet) {
    State& s = state();
    const auto def = s.definitions.find(DefineID);
    bool all_float64 = def != s.definitions.end() && !def->second.empty();
    if (all_float64)
        for (const Datum& d : def->second)
            all_float64 = all_float64 && d.type == sdk::SIMCONNECT_DATATYPE_FLOAT64;
    const std::uint64_t units = ArrayCount == 0 ? 1 : ArrayCount;
    const std::uint64_t total = units * cbUnitSize;
    const Call call = Call("SimConnect_SetDataOnSimObject")
                          .u(DefineID).u(ObjectID).u(Flags).u(ArrayCount).u(cbUnitSize)
                          .raw(data_block(pDataSet, total, all_float64));
    if (refuse(hSimConnect, call, "SimConnect_SetDataOnSimObject")) return SC_E_FAIL;
    if (def == s.definitions.end() || pDataSet == nullptr || cbUnitSize == 0 || total > kMaxDataBlock)
        return SC_E_FAIL;
    // Check the whole block before writing anything: a short block writes nothing.
    const auto* bytes = static_cast<const unsigned char*>(pDataSet);
    struct Write {
        std::string name, units;
        double value;
    };
    std::vector<Write> writes;  // copied: the host may call back into us
    for (std::uint64_t unit = 0; unit < units; ++unit) {
        std::size_t offset = 0;
        for (const Datum& d : def->second) {
            double v = 0.0;
            std::size_t used = 0;
            if (!unpack(bytes + unit * cbUnitSize + offset, cbUnitSize - offset, d.type, v, used))
                return SC_E_FAIL;
            offset += used;
            if (d.type >= sdk::SIMCONNECT_DATATYPE_INT32 && d.type <= sdk::SIMCONNECT_DATATYPE_FLOAT64)
                writes.push_back(Write{d.name, d.units, v});  // strings are not written back
        }
    }
    const Host host = s.host;
    for (const Write& w : writes)
        if (host.write_var) host.write_var(w.name, w.units, w.value);
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_SubscribeToSystemEvent(sdk::SC_HANDLE hSimConnect, DWORD_T EventID,
                                                       const char* SystemEventName) {
    const Call call = Call("SimConnect_SubscribeToSystemEvent").u(EventID).str(SystemEventName);
    if (refuse(hSimConnect, call, "SimConnect_SubscribeToSystemEvent")) return SC_E_FAIL;
    if (SystemEventName == nullptr || SystemEventName[0] == '\0') return SC_E_FAIL;
    State& s = state();
    auto it = std::find_if(s.subscriptions.begin(), s.subscriptions.end(),
                           [&](const Subscription& sub) { return sub.event_id == EventID; });
    if (it != s.subscriptions.end()) it->name = text_arg(SystemEventName);
    else s.subscriptions.push_back(Subscription{EventID, text_arg(SystemEventName)});
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_RequestSystemState(sdk::SC_HANDLE hSimConnect, DWORD_T RequestID,
                                                   const char* szState) {
    const Call call = Call("SimConnect_RequestSystemState").u(RequestID).str(szState);
    if (refuse(hSimConnect, call, "SimConnect_RequestSystemState")) return SC_E_FAIL;
    const std::string name = text_arg(szState);
    if (!same(name, "FlightLoaded") && !same(name, "AircraftLoaded") && !same(name, "FlightPlan") &&
        !same(name, "DialogMode") && !same(name, "Sim"))
        return SC_E_FAIL;
    state().state_requests.emplace_back(RequestID, name);
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_MapClientEventToSimEvent(sdk::SC_HANDLE hSimConnect,
                                                         DWORD_T EventID, const char* EventName) {
    const Call call = Call("SimConnect_MapClientEventToSimEvent").u(EventID).str(EventName);
    if (refuse(hSimConnect, call, "SimConnect_MapClientEventToSimEvent")) return SC_E_FAIL;
    state().client_events[EventID] = text_arg(EventName);  // null or "": a private event
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_AddClientEventToNotificationGroup(sdk::SC_HANDLE hSimConnect,
                                                                  DWORD_T GroupID, DWORD_T EventID,
                                                                  sdk::GBOOL bMaskable) {
    const Call call =
        Call("SimConnect_AddClientEventToNotificationGroup").u(GroupID).u(EventID).i(bMaskable);
    if (refuse(hSimConnect, call, "SimConnect_AddClientEventToNotificationGroup")) return SC_E_FAIL;
    Group& group = state().groups[GroupID];
    for (GroupMember& m : group.members)
        if (m.event_id == EventID) {
            m.maskable = bMaskable != 0;
            return SC_S_OK;
        }
    group.members.push_back(GroupMember{EventID, bMaskable != 0});
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_SetNotificationGroupPriority(sdk::SC_HANDLE hSimConnect,
                                                             DWORD_T GroupID, DWORD_T uPriority) {
    const Call call = Call("SimConnect_SetNotificationGroupPriority").u(GroupID).u(uPriority);
    if (refuse(hSimConnect, call, "SimConnect_SetNotificationGroupPriority")) return SC_E_FAIL;
    state().groups[GroupID].priority = uPriority;
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_MapInputEventToClientEvent(sdk::SC_HANDLE hSimConnect,
                                                           DWORD_T InputGroupID,
                                                           const char* szInputDefinition,
                                                           DWORD_T DownEventID, DWORD_T DownValue,
                                                           DWORD_T UpEventID, DWORD_T UpValue,
                                                           sdk::GBOOL bMaskable) {
    const Call call = Call("SimConnect_MapInputEventToClientEvent")
                          .u(InputGroupID).str(szInputDefinition).u(DownEventID).u(DownValue)
                          .u(UpEventID).u(UpValue).i(bMaskable);
    if (refuse(hSimConnect, call, "SimConnect_MapInputEventToClientEvent")) return SC_E_FAIL;
    if (szInputDefinition == nullptr) return SC_E_FAIL;
    state().input_groups[InputGroupID].mappings.push_back(InputMapping{
        text_arg(szInputDefinition), DownEventID, DownValue, UpEventID, UpValue, bMaskable != 0});
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_SetInputGroupPriority(sdk::SC_HANDLE hSimConnect,
                                                      DWORD_T InputGroupID, DWORD_T uPriority) {
    const Call call = Call("SimConnect_SetInputGroupPriority").u(InputGroupID).u(uPriority);
    if (refuse(hSimConnect, call, "SimConnect_SetInputGroupPriority")) return SC_E_FAIL;
    state().input_groups[InputGroupID].priority = uPriority;
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_SetInputGroupState(sdk::SC_HANDLE hSimConnect,
                                                   DWORD_T InputGroupID, DWORD_T dwState) {
    const Call call = Call("SimConnect_SetInputGroupState").u(InputGroupID).u(dwState);
    if (refuse(hSimConnect, call, "SimConnect_SetInputGroupState")) return SC_E_FAIL;
    if (dwState != sdk::SIMCONNECT_STATE_OFF && dwState != sdk::SIMCONNECT_STATE_ON) return SC_E_FAIL;
    state().input_groups[InputGroupID].state = dwState;
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_TransmitClientEvent(sdk::SC_HANDLE hSimConnect, DWORD_T ObjectID,
                                                    DWORD_T EventID, DWORD_T dwData,
                                                    DWORD_T GroupID, DWORD_T Flags) {
    const Call call = Call("SimConnect_TransmitClientEvent")
                          .u(ObjectID).u(EventID).u(dwData).u(GroupID).u(Flags);
    if (refuse(hSimConnect, call, "SimConnect_TransmitClientEvent")) return SC_E_FAIL;
    State& s = state();
    const auto mapped = s.client_events.find(EventID);
    if (mapped == s.client_events.end()) return SC_E_FAIL;
    // The event enters the chain at a priority: only groups below it are notified.
    DWORD_T entry = 0;
    if ((Flags & sdk::SIMCONNECT_EVENT_FLAG_GROUPID_IS_PRIORITY) != 0) {
        entry = GroupID;
    } else {
        const auto group = s.groups.find(GroupID);
        if (group != s.groups.end()) entry = group->second.priority;
    }
    for (const auto& [group_id, group] : groups_of(EventID))
        if (group->priority > entry && group_id != GroupID)
            queue(detail::make_event(group_id, EventID, dwData));
    const std::string name = mapped->second;
    if (!name.empty() && s.host.sim_event) s.host.sim_event(name, dwData);
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_Text(sdk::SC_HANDLE hSimConnect, DWORD_T type, float fTimeSeconds,
                                     DWORD_T EventID, DWORD_T cbUnitSize, void* pDataSet) {
    const std::size_t limit = std::min<std::size_t>(cbUnitSize, kMaxDataBlock);
    const auto* text = static_cast<const char*>(pDataSet);
    const Call call =
        Call("SimConnect_Text").u(type).f(fTimeSeconds).u(EventID).u(cbUnitSize).text(text, limit);
    if (refuse(hSimConnect, call, "SimConnect_Text")) return SC_E_FAIL;
    if (text == nullptr) return SC_E_FAIL;
    state().texts.push_back(detail::bounded_text(text, limit));
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_MenuAddItem(sdk::SC_HANDLE hSimConnect, const char* szMenuItem,
                                            DWORD_T MenuEventID, DWORD_T dwData) {
    const Call call = Call("SimConnect_MenuAddItem").str(szMenuItem).u(MenuEventID).u(dwData);
    if (refuse(hSimConnect, call, "SimConnect_MenuAddItem")) return SC_E_FAIL;
    State& s = state();
    if (szMenuItem == nullptr) return SC_E_FAIL;
    for (const MenuItem& item : s.menu)
        if (item.event_id == MenuEventID) return SC_E_FAIL;
    s.menu.push_back(MenuItem{MenuEventID, sdk::SIMCONNECT_UNUSED, text_arg(szMenuItem), dwData});
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_MenuAddSubItem(sdk::SC_HANDLE hSimConnect, DWORD_T MenuEventID,
                                               const char* szMenuItem, DWORD_T SubMenuEventID,
                                               DWORD_T dwData) {
    const Call call = Call("SimConnect_MenuAddSubItem")
                          .u(MenuEventID).str(szMenuItem).u(SubMenuEventID).u(dwData);
    if (refuse(hSimConnect, call, "SimConnect_MenuAddSubItem")) return SC_E_FAIL;
    State& s = state();
    if (szMenuItem == nullptr) return SC_E_FAIL;
    auto parent = s.menu.end();
    auto insert_at = s.menu.end();
    for (auto it = s.menu.begin(); it != s.menu.end(); ++it) {
        if (it->event_id == SubMenuEventID) return SC_E_FAIL;  // id already in use
        if (it->event_id == MenuEventID && it->parent_event_id == sdk::SIMCONNECT_UNUSED) parent = it;
        if (parent != s.menu.end() && (it == parent || it->parent_event_id == MenuEventID))
            insert_at = it + 1;
    }
    if (parent == s.menu.end()) return SC_E_FAIL;
    s.menu.insert(insert_at, MenuItem{SubMenuEventID, MenuEventID, text_arg(szMenuItem), dwData});
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_MenuDeleteSubItem(sdk::SC_HANDLE hSimConnect, DWORD_T MenuEventID,
                                                  DWORD_T SubMenuEventID) {
    const Call call = Call("SimConnect_MenuDeleteSubItem").u(MenuEventID).u(SubMenuEventID);
    if (refuse(hSimConnect, call, "SimConnect_MenuDeleteSubItem")) return SC_E_FAIL;
    auto& menu = state().menu;
    const auto it = std::find_if(menu.begin(), menu.end(), [&](const MenuItem& item) {
        return item.event_id == SubMenuEventID && item.parent_event_id == MenuEventID;
    });
    if (it == menu.end()) return SC_E_FAIL;
    menu.erase(it);
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_MenuDeleteItem(sdk::SC_HANDLE hSimConnect, DWORD_T MenuEventID) {
    if (refuse(hSimConnect, Call("SimConnect_MenuDeleteItem").u(MenuEventID), "SimConnect_MenuDeleteItem"))
        return SC_E_FAIL;
    auto& menu = state().menu;
    const auto before = menu.size();
    menu.erase(std::remove_if(menu.begin(), menu.end(),
                              [&](const MenuItem& item) {
                                  return (item.event_id == MenuEventID &&
                                          item.parent_event_id == sdk::SIMCONNECT_UNUSED) ||
                                         item.parent_event_id == MenuEventID;
                              }),
               menu.end());
    return menu.size() == before ? SC_E_FAIL : SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_AICreateSimulatedObject(sdk::SC_HANDLE hSimConnect,
                                                        const char* szContainerTitle,
                                                        sdk::SIMCONNECT_DATA_INITPOSITION InitPos,
                                                        DWORD_T RequestID) {
    // Appended piece by piece (GCC 12 at -O3 warns falsely about "{" + a temporary string).
    std::string position = "{";
    for (const double v : {InitPos.Latitude, InitPos.Longitude, InitPos.Altitude, InitPos.Pitch, InitPos.Bank,
                           InitPos.Heading}) {
        position += detail::shortest(v);
        position += ", ";
    }
    position += std::to_string(InitPos.OnGround);
    position += ", ";
    position += std::to_string(InitPos.Airspeed);
    position += '}';
    const Call call =
        Call("SimConnect_AICreateSimulatedObject").str(szContainerTitle).raw(position).u(RequestID);
    if (refuse(hSimConnect, call, "SimConnect_AICreateSimulatedObject")) return SC_E_FAIL;
    if (szContainerTitle == nullptr || szContainerTitle[0] == '\0') return SC_E_FAIL;
    queue(detail::make_assigned_object_id(RequestID, state().next_object_id++));
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_MapClientDataNameToID(sdk::SC_HANDLE hSimConnect,
                                                      const char* szClientDataName,
                                                      DWORD_T ClientDataID) {
    const Call call = Call("SimConnect_MapClientDataNameToID").str(szClientDataName).u(ClientDataID);
    if (refuse(hSimConnect, call, "SimConnect_MapClientDataNameToID")) return SC_E_FAIL;
    if (szClientDataName == nullptr || szClientDataName[0] == '\0') return SC_E_FAIL;
    const std::string name = text_arg(szClientDataName);
    area_named(name);  // the area exists for every client that names it
    state().area_ids[ClientDataID] = lower(name);
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_AddToClientDataDefinition(sdk::SC_HANDLE hSimConnect,
                                                          DWORD_T DefineID, DWORD_T dwOffset,
                                                          DWORD_T dwSizeOrType, float fEpsilon,
                                                          DWORD_T DatumID) {
    const Call call = Call("SimConnect_AddToClientDataDefinition")
                          .u(DefineID).u(dwOffset).u(dwSizeOrType).f(fEpsilon).u(DatumID);
    if (refuse(hSimConnect, call, "SimConnect_AddToClientDataDefinition")) return SC_E_FAIL;
    DWORD_T size = dwSizeOrType;
    switch (dwSizeOrType) {
        case 0xFFFFFFFFu: size = 1; break;  // INT8
        case 0xFFFFFFFEu: size = 2; break;  // INT16
        case 0xFFFFFFFDu:                   // INT32
        case 0xFFFFFFFBu: size = 4; break;  // FLOAT32
        case 0xFFFFFFFCu:                   // INT64
        case 0xFFFFFFFAu: size = 8; break;  // FLOAT64
        default: break;
    }
    auto& datums = state().client_definitions[DefineID];
    DWORD_T offset = dwOffset;
    if (offset == sdk::SIMCONNECT_CLIENTDATAOFFSET_AUTO)
        offset = datums.empty() ? 0 : datums.back().offset + datums.back().size;
    if (size == 0 || size > kMaxDataBlock || offset > kMaxDataBlock - size) return SC_E_FAIL;
    datums.push_back(ClientDatum{offset, size});
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_RequestClientData(sdk::SC_HANDLE hSimConnect, DWORD_T ClientDataID,
                                                  DWORD_T RequestID, DWORD_T DefineID,
                                                  DWORD_T Period, DWORD_T Flags, DWORD_T origin,
                                                  DWORD_T interval, DWORD_T limit) {
    const Call call = Call("SimConnect_RequestClientData")
                          .u(ClientDataID).u(RequestID).u(DefineID).u(Period).u(Flags).u(origin)
                          .u(interval).u(limit);
    if (refuse(hSimConnect, call, "SimConnect_RequestClientData")) return SC_E_FAIL;
    State& s = state();
    if (s.area_ids.count(ClientDataID) == 0 || s.client_definitions.count(DefineID) == 0 ||
        Period > sdk::SIMCONNECT_CLIENT_DATA_PERIOD_SECOND)
        return SC_E_FAIL;
    if ((Flags & sdk::SIMCONNECT_DATA_REQUEST_FLAG_TAGGED) != 0) return SC_E_FAIL;  // not supported
    ClientRequest r;
    r.area = ClientDataID;
    r.id = RequestID;
    r.define = DefineID;
    r.period = Period;
    r.flags = Flags;
    r.origin = origin;
    r.interval = interval;
    r.limit = limit;
    r.done = Period == sdk::SIMCONNECT_CLIENT_DATA_PERIOD_NEVER;
    auto it = std::find_if(s.client_requests.begin(), s.client_requests.end(),
                           [&](const ClientRequest& q) { return q.id == RequestID; });
    if (it != s.client_requests.end()) *it = r;
    else s.client_requests.push_back(r);
    return SC_S_OK;
}

HRESULT_T TM_STDCALL SimConnect_SetClientData(sdk::SC_HANDLE hSimConnect, DWORD_T ClientDataID,
                                              DWORD_T DefineID, DWORD_T Flags, DWORD_T dwReserved,
                                              DWORD_T cbUnitSize, void* pDataSet) {
    const Call call = Call("SimConnect_SetClientData")
                          .u(ClientDataID).u(DefineID).u(Flags).u(dwReserved).u(cbUnitSize)
                          .raw(data_block(pDataSet, cbUnitSize, false));
    if (refuse(hSimConnect, call, "SimConnect_SetClientData")) return SC_E_FAIL;
    State& s = state();
    const auto name = s.area_ids.find(ClientDataID);
    const auto def = s.client_definitions.find(DefineID);
    if (name == s.area_ids.end() || def == s.client_definitions.end() || pDataSet == nullptr ||
        cbUnitSize > kMaxDataBlock)
        return SC_E_FAIL;
    std::size_t needed = 0;
    for (const ClientDatum& d : def->second) needed += d.size;
    if (cbUnitSize < needed) return SC_E_FAIL;
    std::vector<unsigned char>& area = s.areas[name->second];
    const auto* bytes = static_cast<const unsigned char*>(pDataSet);
    std::size_t at = 0;
    for (const ClientDatum& d : def->second) {
        std::memcpy(area.data() + d.offset, bytes + at, d.size);
        at += d.size;
    }
    area_was_set(name->second);
    return SC_S_OK;
}

}  // extern "C"
