// The simulator's side of key events, calculator strings and tokens: a key event reaches
// every registered handler, then the panel windows or the simulated aircraft; events
// triggered from inside a handler wait until the current one is done. Calculator strings
// the module builds are evaluated against the variables; tokens read the clocks or the
// simulated aircraft.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "impl.h"
#include "text.h"

namespace bench {

namespace {

constexpr std::uint32_t kKeyPanelToggle = 66506;
constexpr std::uint32_t kKeyPanelOpen = 66507;
constexpr std::uint32_t kKeyPanelClose = 66508;
constexpr std::size_t kMaxKeysPerTrigger = 4096;

// The toggles a simulator may apply a frame late: master battery, alternators, lights.
constexpr std::uint32_t kLateToggles[] = {66241, 66363, 66364, 66060, 66239, 66240, 66376, 66377, 66378, 66379, 66579};

bool applied_late(std::uint32_t id) {
    return std::find(std::begin(kLateToggles), std::end(kLateToggles), id) != std::end(kLateToggles);
}

}  // namespace

// ---- key events ------------------------------------------------------------------------

void Bench::Impl::process_key(std::uint32_t id, std::uint32_t param) {
    if (key_depth > 0) {
        // Triggered from inside a handler: the simulator finishes the current event first.
        if (key_queue.size() >= kKeyQueueLimit) {
            fault("key event queue overflow: event " + std::to_string(id) + " dropped");
            return;
        }
        key_queue.push_back({id, param});
        return;
    }
    ++key_depth;
    struct DepthGuard {
        int& depth;
        ~DepthGuard() { --depth; }
    } guard{key_depth};
    std::size_t processed = 0;
    KeyEvent current{id, param};
    for (;;) {
        apply_key(current.id, current.param);
        if (key_queue.empty()) break;
        if (++processed >= kMaxKeysPerTrigger) {
            fault("key events keep triggering each other: " + std::to_string(key_queue.size()) + " dropped");
            key_queue.clear();
            break;
        }
        current = key_queue.front();
        key_queue.pop_front();
    }
}

void Bench::Impl::apply_key(std::uint32_t id, std::uint32_t param) {
    keys.push_back({id, param});
    trim_log(keys);
    const auto snapshot = handlers;
    for (const auto& h : snapshot) {
        bool still = std::any_of(handlers.begin(), handlers.end(),
                                 [&](const Handler& x) { return x.fn == h.fn && x.user == h.user; });
        if (still) h.fn(id, param, h.user);
    }
    switch (id) {
        case kKeyPanelToggle: windows.toggle(param); break;
        case kKeyPanelOpen: windows.open(param); break;
        case kKeyPanelClose: windows.close(param); break;
        default:
            if (options.late_toggles && applied_late(id)) late_toggles.push_back({id, param, frame_count});
            else aircraft.apply_key(id, param);
            break;
    }
}

// ---- calculator and tokens -------------------------------------------------------------

bool Bench::Impl::execute(const char* code, double* fvalue, std::int32_t* ivalue, const char** out_svalue) {
    // The string is read only up to its terminator, and no further than the longest the
    // calculator takes (plus one byte, to tell a longer one).
    const std::size_t length = code == nullptr ? 0 : strnlen(code, kMaxCalculatorCode + 1);
    if (code == nullptr || length > kMaxCalculatorCode) return failed_calculation(code, fvalue, ivalue, out_svalue);
    const std::string_view text(code, length);
    calc_log.append(text);

    FastResult fast;
    if (fast_calculator.run(text, vars, fast)) {
        if (fast.writes) ++host_calls.calculator_writes;
        else ++host_calls.calculator_reads;
        if (fvalue) *fvalue = fast.value;
        if (ivalue) *ivalue = to_int32(fast.value);
        if (out_svalue) {
            svalue = fast.text != nullptr && *fast.text ? **fast.text : format_number(fast.value);
            *out_svalue = svalue.c_str();
        }
        return true;
    }

    if (text.find("(>") != std::string_view::npos) ++host_calls.calculator_writes;
    else ++host_calls.calculator_reads;
    CalculatorResult result = evaluate_calculator(text, *this);
    if (!result.ok) {
        calc_failures.push_back(std::string(text) + "  -- " + result.error);
        trim_log(calc_failures);
        fault("calculator string failed: " + std::string(text) + " (" + result.error + ")");
        result.value = 0.0;
        result.text.reset();
    }
    if (fvalue) *fvalue = result.value;
    if (ivalue) *ivalue = to_int32(result.value);
    if (out_svalue) {
        svalue = result.ok ? (result.text ? *result.text : format_number(result.value)) : std::string();
        *out_svalue = svalue.c_str();
    }
    return result.ok;
}

// A null string, or one without its terminator within the longest the calculator takes.
bool Bench::Impl::failed_calculation(const char* code, double* fvalue, std::int32_t* ivalue, const char** out_svalue) {
    const char* shown = code == nullptr ? "<null>" : "<unterminated>";
    const char* error = code == nullptr ? "null calculator string" : "calculator string without terminator";
    calc_log.append(shown);
    calc_failures.push_back(std::string(shown) + "  -- " + error);
    trim_log(calc_failures);
    fault(std::string("calculator string failed: ") + shown + " (" + error + ")");
    if (fvalue) *fvalue = 0.0;
    if (ivalue) *ivalue = 0;
    if (out_svalue) {
        svalue.clear();
        *out_svalue = svalue.c_str();
    }
    return false;
}

double Bench::Impl::read(const VariableName& name) { return vars.get(name.key); }

std::optional<std::string> Bench::Impl::read_text(const VariableName& name) {
    const Variables::Entry* e = vars.find(name.key);
    return e ? e->text : std::nullopt;
}

bool Bench::Impl::write(const VariableName& name, double value) {
    if (name.key[0] != 'L') return false;
    vars.set(name, value);
    return true;
}

bool Bench::Impl::key_event(std::string_view event_name, std::uint32_t parameter) {
    auto id = Aircraft::key_event_id(event_name);
    if (!id) return false;
    process_key(*id, parameter);
    return true;
}

double Bench::Impl::read_token(int id) const {
    // Token 1 counts 18 a second and token 604 whole seconds, whatever the frame rate.
    const std::uint64_t unit = 1000000000ull * rate();
    const std::uint64_t elapsed = now_scaled() - clock_origin * rate();
    if (id == 1) return static_cast<double>(elapsed * 18 / unit);
    if (id == 604) return static_cast<double>(elapsed / unit);
    return aircraft.token(id).value_or(0.0);
}

}  // namespace bench
