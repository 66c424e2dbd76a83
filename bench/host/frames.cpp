// The frame loop: the clock advances, the simulated aircraft steps, SimConnect delivers its
// due messages, every live gauge instance runs (gauge callback, then each element's update
// callback in tree order, each result kept), and due window timers fire.
#include "bench/simconnect/standin.h"
#include "impl.h"
#include "text.h"
#if !defined(_WIN32)
#include "bench/win32/standin.h"
#endif

namespace bench {

void Bench::Impl::call_gauge(GaugeInstance& inst, sdk::SINT32 service, sdk::UINT32 extra) {
    if (inst.header->gauge_callback != nullptr) inst.header->gauge_callback(inst.header, service, extra);
}

void Bench::Impl::run_frame() {
    ++frame_count;
    const double t = now_seconds();
    aircraft.step(1.0 / options.fps);
    if (module_loaded) scstandin::frame(t);
    windows.begin_frame();
    for (std::size_t i = 0; i < instances.size() && module_loaded; ++i) {
        GaugeInstance& inst = instances[i];
        if (inst.window == 0 || windows.live_this_frame(inst.window)) run_instance(inst);
    }
    windows.end_frame();
    apply_late_toggles();
#if !defined(_WIN32)
    if (module_loaded) w32standin::advance_clock_to(clock_ms());
#else
    if (module_loaded) pacer.frame(clock_ms());
#endif
}

// At the end of a frame: the toggles that came in before it change the aircraft now.
void Bench::Impl::apply_late_toggles() {
    std::vector<LateToggle> due;
    std::erase_if(late_toggles, [&](const LateToggle& t) {
        if (t.frame >= frame_count) return false;
        due.push_back(t);
        return true;
    });
    for (const LateToggle& t : due) aircraft.apply_key(t.id, t.param);
}

void Bench::Impl::run_instance(GaugeInstance& inst) {
    sdk::GAUGEHDR* h = inst.header;
    call_gauge(inst, sdk::PANEL_SERVICE_PRE_UPDATE, 0);
    if (h->update_routine) h->update_routine();
    for (std::size_t i = 0; i < inst.elements.size(); ++i) update_element(inst, i);
    call_gauge(inst, sdk::PANEL_SERVICE_POST_UPDATE, 0);
    call_gauge(inst, sdk::PANEL_SERVICE_PRE_DRAW, 0);
    if (h->draw_routine) h->draw_routine();
    call_gauge(inst, sdk::PANEL_SERVICE_POST_DRAW, 0);
    inst.last_frame = frame_count;
    inst.ran = true;
}

void Bench::Impl::update_element(GaugeInstance& inst, std::size_t index) {
    sdk::ELEMENT_HEADER* e = inst.elements[index].element;
    ElementState& r = inst.results[index];
    switch (e->element_type) {
        case sdk::ELEMENT_TYPE_NEEDLE: {
            auto* n = reinterpret_cast<sdk::ELEMENT_NEEDLE*>(e);
            if (n->update_cb == nullptr) break;
            r.value = n->update_cb(n);
            r.updated = true;
            break;
        }
        case sdk::ELEMENT_TYPE_ICON: {
            auto* ic = reinterpret_cast<sdk::ELEMENT_ICON*>(e);
            if (ic->update_cb == nullptr) break;
            r.value = ic->update_cb(ic);
            r.frame = to_int32(r.value);
            r.updated = true;
            break;
        }
        case sdk::ELEMENT_TYPE_SLIDER: {
            auto* s = reinterpret_cast<sdk::ELEMENT_SLIDER*>(e);
            if (s->update_x_cb != nullptr) {
                r.value = s->update_x_cb(s) * s->scale_x;
                r.updated = true;
            }
            if (s->update_y_cb != nullptr) {
                r.y = s->update_y_cb(s) * s->scale_y;
                r.updated = true;
            }
            break;
        }
        case sdk::ELEMENT_TYPE_STRING: update_string(inst, index); break;
        default: break;
    }
    r.hidden = (static_cast<std::uint32_t>(e->image_flags) & sdk::IMAGE_HIDDEN) != 0;
}

// A string element writes into the bench's buffer: its declared length, its terminator and
// guard bytes behind them that show an overrun (then restored for the next update).
void Bench::Impl::update_string(GaugeInstance& inst, std::size_t index) {
    auto* s = reinterpret_cast<sdk::ELEMENT_STRING*>(inst.elements[index].element);
    ElementState& r = inst.results[index];
    auto& buf = inst.string_buffers[index];
    if (s->update_cb == nullptr || buf.empty()) return;
    const std::size_t capacity = buf.size() - kStringGuardBytes;
    s->string = buf.data();
    r.value = s->update_cb(s);
    r.updated = true;
    bool overrun = false;
    for (std::size_t k = capacity; k < buf.size(); ++k) {
        if (static_cast<unsigned char>(buf[k]) != kGuardByte) overrun = true;
        buf[k] = static_cast<char>(kGuardByte);
    }
    auto text = bounded_c_string(buf.data(), capacity);
    if (!text) {
        overrun = true;
        text = std::string(buf.data(), capacity - 1);
        buf[capacity - 1] = '\0';
    }
    if (overrun)
        fault("string element " + std::to_string(index) + " of " + inst.name + " wrote past its " +
              std::to_string(capacity - 1) + "-character buffer");
    r.text = std::move(*text);
}

}  // namespace bench
