#include "bench.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "bench/simconnect/standin.h"
#include "console.h"
#include "impl.h"
#include "text.h"
#if !defined(_WIN32)
#include "bench/win32/standin.h"
#endif

namespace bench {

void fill_host_table(sdk::PANELS& table);

namespace {

Bench::Impl* g_active = nullptr;

constexpr std::uint32_t kKeyPanelToggle = 66506;
constexpr std::uint32_t kKeyPanelOpen = 66507;
constexpr std::uint32_t kKeyPanelClose = 66508;
constexpr std::size_t kMaxKeysPerTrigger = 4096;
constexpr std::size_t kMaxTooltipText = 1024;
constexpr std::size_t kMaxTooltipArgs = 16;
constexpr std::size_t kMaxGaugeName = 64;

scstandin::Host standin_host() {
    scstandin::Host host;
    host.read_var = [](const std::string& datum, const std::string&) -> double {
        Bench::Impl* b = active_bench();
        if (b == nullptr) return 0.0;
        auto name = parse_variable_name("A:" + datum);
        return name ? b->vars.get(name->key) : 0.0;
    };
    host.write_var = [](const std::string& datum, const std::string&, double value) {
        Bench::Impl* b = active_bench();
        if (b == nullptr) return;
        if (auto name = parse_variable_name("A:" + datum)) b->vars.set(*name, value);
    };
    host.sim_event = [](const std::string& name, std::uint32_t data) {
        Bench::Impl* b = active_bench();
        if (b == nullptr) return;
        if (auto id = Aircraft::key_event_id(name)) {
            b->process_key(*id, data);
        } else {
            b->aircraft.apply_sim_event(name, data);
        }
    };
    return host;
}

template <typename T>
void trim_log(std::vector<T>& log) {
    if (log.size() > kMaxLog) log.erase(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(kMaxLog / 2));
}

}  // namespace

Bench::Impl* active_bench() { return g_active; }

Bench::Impl::Impl() { fill_host_table(table); }

Bench::Impl::~Impl() = default;

void Bench::Impl::fault(const std::string& message) {
    auto [it, inserted] = fault_counts.try_emplace(message, 0);
    ++it->second;
    if (inserted) {
        fault_list.push_back(message);
        if (fault_stream != nullptr) *fault_stream << "bench: " << message << '\n';
    }
}

// ---- loading and unloading -------------------------------------------------------------

void Bench::Impl::load_module(const std::string& flight) {
#if !defined(_WIN32)
    w32standin::reset(options.root);
    if (!options.simconnect_library) w32standin::hide_library("SimConnect.dll");
#else
    if (!options.simconnect_library) throw std::runtime_error("a missing SimConnect library is played on Linux only");
    // The real Win32 calls: the simulator folder is the process's current directory, and
    // FindWindowA("FS98MAIN") must find a real window.
    std::error_code cd_error;
    std::filesystem::current_path(options.root, cd_error);
    if (cd_error) throw std::runtime_error("cannot enter the simulator folder " + options.root);
    if (!main_window) main_window = std::make_unique<benchplatform::MainWindow>();
    if (!main_window->created()) throw std::runtime_error("cannot create the simulator's main window: " + main_window->error());
#endif
    scstandin::reset(standin_host(), options.simconnect);
    if (!flight.empty()) scstandin::set_loaded_flight(flight);
    windows.reset();
    handlers.clear();
    key_queue.clear();

    std::string error;
    if (!library.load(options.module_path, error)) throw std::runtime_error(error);
    import_table = static_cast<sdk::GAUGESIMPORT*>(library.symbol("ImportTable"));
    linkage = static_cast<sdk::GAUGESLINKAGE_VIEW*>(library.symbol("Linkage"));
    if (import_table == nullptr || linkage == nullptr) {
        library.unload();
        throw std::runtime_error("the module exports no " + std::string(import_table ? "Linkage" : "ImportTable"));
    }
    if (import_table->PANELSentry.fnID != sdk::PANELS_FUNCTION_TABLE_ID)
        fault("ImportTable's first entry has id " + std::to_string(import_table->PANELSentry.fnID) +
              ", not the gauge function table's 15");
    import_table->PANELSentry.fnptr = &table;

    headers.clear();
    header_names.clear();
    for (std::size_t i = 0; i < kMaxGauges; ++i) {
        sdk::GAUGEHDR* h = linkage->gauge_header_ptr[i];
        if (h == nullptr) break;
        auto name = bounded_c_string(h->gauge_name, kMaxGaugeName);
        if (!name) {
            fault("gauge " + std::to_string(i) + " has no readable name");
            name = "gauge" + std::to_string(i);
        }
        headers.push_back(h);
        header_names.push_back(*name);
        if (i + 1 == kMaxGauges) fault("Linkage gauge table without terminator");
    }

    module_loaded = true;
    if (linkage->ModuleInit != nullptr) linkage->ModuleInit();
    create_instances();
}

void Bench::Impl::create_instances() {
    instances.clear();
    for (std::size_t g = 0; g < headers.size(); ++g) {
        std::vector<std::uint32_t> placed;
        for (const auto& w : panel_layout())
            for (const char* name : w.gauges)
                if (header_names[g] == name) placed.push_back(w.ident);
        // A gauge the panel configuration does not place (a test gauge library) is put on
        // the main view, so it runs every frame.
        if (placed.empty()) placed.push_back(0);
        for (std::uint32_t window : placed) {
            GaugeInstance inst;
            inst.header = headers[g];
            inst.name = header_names[g];
            inst.window = window;
            inst.elements = walk_elements(inst.header);
            inst.results.resize(inst.elements.size());
            inst.string_buffers.resize(inst.elements.size());
            for (std::size_t i = 0; i < inst.elements.size(); ++i) {
                inst.results[i].index = static_cast<int>(i);
                inst.results[i].kind = inst.elements[i].element->element_type;
                if (inst.elements[i].element->element_type == sdk::ELEMENT_TYPE_STRING) {
                    auto* s = reinterpret_cast<sdk::ELEMENT_STRING*>(inst.elements[i].element);
                    auto& buf = inst.string_buffers[i];
                    buf.assign(std::size_t{s->max_string_length} + 1 + kStringGuardBytes,
                               static_cast<char>(kGuardByte));
                    std::fill(buf.begin(), buf.begin() + s->max_string_length + 1, '\0');
                }
            }
            instances.push_back(std::move(inst));
        }
    }
    for (auto& inst : instances) {
        sdk::GAUGEHDR* h = inst.header;
        call_gauge(inst, sdk::PANEL_SERVICE_PRE_QUERY, 0);
        if (h->query_routine) h->query_routine();
        call_gauge(inst, sdk::PANEL_SERVICE_POST_QUERY, 0);
        call_gauge(inst, sdk::PANEL_SERVICE_PRE_INSTALL, 0);
        if (h->install_routine) h->install_routine(nullptr);
        call_gauge(inst, sdk::PANEL_SERVICE_POST_INSTALL, 0);
        call_gauge(inst, sdk::PANEL_SERVICE_PRE_INITIALIZE, 0);
        if (h->initialize_routine) h->initialize_routine();
        call_gauge(inst, sdk::PANEL_SERVICE_POST_INITIALIZE, 0);
        call_gauge(inst, sdk::PANEL_SERVICE_CONNECT_TO_WINDOW, inst.window);
    }
}

void Bench::Impl::unload_module() {
    if (!module_loaded) return;
    for (auto& inst : instances) {
        call_gauge(inst, sdk::PANEL_SERVICE_PRE_KILL, 0);
        if (inst.header->kill_routine) inst.header->kill_routine();
        call_gauge(inst, sdk::PANEL_SERVICE_POST_KILL, 0);
    }
    if (linkage->ModuleDeinit != nullptr) linkage->ModuleDeinit();
    if (!handlers.empty()) {
        fault("key-event handler still registered after module_deinit");
        handlers.clear();
    }
    if (scstandin::is_open()) fault("SimConnect connection left open after module_deinit");
#if !defined(_WIN32)
    if (!w32standin::timers().empty()) fault("window timers left running after module_deinit");
#endif
    instances.clear();
    headers.clear();
    header_names.clear();
    import_table = nullptr;
    linkage = nullptr;
    module_loaded = false;
    library.unload();
}

// ---- frames ----------------------------------------------------------------------------

void Bench::Impl::call_gauge(GaugeInstance& inst, sdk::SINT32 service, sdk::UINT32 extra) {
    if (inst.header->gauge_callback != nullptr) inst.header->gauge_callback(inst.header, service, extra);
}

void Bench::Impl::run_frame() {
    ++frame_count;
    const double t = static_cast<double>(frame_count) / options.fps;
    aircraft.step(1.0 / options.fps);
    if (module_loaded) scstandin::frame(t);
    windows.begin_frame();
    for (std::size_t i = 0; i < instances.size() && module_loaded; ++i) {
        GaugeInstance& inst = instances[i];
        if (inst.window == 0 || windows.live_this_frame(inst.window)) run_instance(inst);
    }
    windows.end_frame();
#if !defined(_WIN32)
    if (module_loaded) w32standin::advance_clock_to(frame_count * 1000 / static_cast<std::uint64_t>(options.fps));
#else
    if (module_loaded) pacer.frame(frame_count * 1000 / static_cast<std::uint64_t>(options.fps));
#endif
}

void Bench::Impl::run_instance(GaugeInstance& inst) {
    sdk::GAUGEHDR* h = inst.header;
    call_gauge(inst, sdk::PANEL_SERVICE_PRE_UPDATE, 0);
    if (h->update_routine) h->update_routine();
    for (std::size_t i = 0; i < inst.elements.size(); ++i) {
        sdk::ELEMENT_HEADER* e = inst.elements[i].element;
        ElementState& r = inst.results[i];
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
            case sdk::ELEMENT_TYPE_STRING: {
                auto* s = reinterpret_cast<sdk::ELEMENT_STRING*>(e);
                auto& buf = inst.string_buffers[i];
                if (s->update_cb == nullptr || buf.empty()) break;
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
                    fault("string element " + std::to_string(i) + " of " + inst.name + " wrote past its " +
                          std::to_string(capacity - 1) + "-character buffer");
                r.text = std::move(*text);
                break;
            }
            default: break;
        }
        r.hidden = (static_cast<std::uint32_t>(e->image_flags) & sdk::IMAGE_HIDDEN) != 0;
    }
    call_gauge(inst, sdk::PANEL_SERVICE_POST_UPDATE, 0);
    call_gauge(inst, sdk::PANEL_SERVICE_PRE_DRAW, 0);
    if (h->draw_routine) h->draw_routine();
    call_gauge(inst, sdk::PANEL_SERVICE_POST_DRAW, 0);
    inst.last_frame = frame_count;
    inst.ran = true;
}

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
        default: aircraft.apply_key(id, param); break;
    }
}

// ---- calculator and tokens -------------------------------------------------------------

bool Bench::Impl::execute(const char* code, double* fvalue, std::int32_t* ivalue, const char** out_svalue) {
    auto text = bounded_c_string(code, kMaxCalculatorCode + 1);
    CalculatorResult result;
    if (!text) {
        result.ok = false;
        result.error = code == nullptr ? "null calculator string" : "calculator string without terminator";
        calc_log.push_back(code == nullptr ? "<null>" : "<unterminated>");
    } else {
        calc_log.push_back(*text);
        result = evaluate_calculator(*text, *this);
    }
    trim_log(calc_log);
    if (!result.ok) {
        calc_failures.push_back(calc_log.back() + "  -- " + result.error);
        trim_log(calc_failures);
        fault("calculator string failed: " + calc_log.back() + " (" + result.error + ")");
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
    const auto fps = static_cast<std::uint64_t>(options.fps);
    if (id == 1) return static_cast<double>(frame_count * 18 / fps);
    if (id == 604) return static_cast<double>(frame_count / fps);
    return aircraft.token(id).value_or(0.0);
}

void Bench::Impl::log_element_list(const char* operation, sdk::ELEMENT_HEADER* element) {
    std::string owner = "<null element>";
    if (element != nullptr) {
        owner = "<no gauge>";
        for (std::size_t i = 0; i < headers.size(); ++i)
            if (headers[i] == element->gauge_header) owner = header_names[i];
    }
    element_list_calls.push_back(std::string(operation) + " " + owner);
    trim_log(element_list_calls);
}

// ---- gauges ----------------------------------------------------------------------------

sdk::GAUGEHDR* Bench::Impl::header_by_name(const std::string& name) const {
    for (std::size_t i = 0; i < headers.size(); ++i)
        if (header_names[i] == name) return headers[i];
    return nullptr;
}

std::vector<ElementNode> Bench::Impl::walk_elements(sdk::GAUGEHDR* header) const {
    std::vector<ElementNode> out;
    if (header->elements_list == nullptr || *header->elements_list == nullptr) return out;
    struct Item {
        sdk::ELEMENT_HEADER* e;
        int parent;
    };
    std::vector<Item> stack{{*header->elements_list, -1}};
    while (!stack.empty()) {
        Item item = stack.back();
        stack.pop_back();
        if (std::any_of(out.begin(), out.end(), [&](const ElementNode& n) { return n.element == item.e; })) {
            const_cast<Impl*>(this)->fault("element tree of a gauge loops back on itself");
            continue;
        }
        if (out.size() >= kMaxElements) {
            const_cast<Impl*>(this)->fault("element tree larger than " + std::to_string(kMaxElements));
            break;
        }
        const int index = static_cast<int>(out.size());
        out.push_back({item.e, item.parent});
        if (item.e->next_element == nullptr) continue;
        std::vector<sdk::ELEMENT_HEADER*> children;
        for (std::size_t k = 0; k < kMaxElements && item.e->next_element[k] != nullptr; ++k)
            children.push_back(item.e->next_element[k]);
        for (auto it = children.rbegin(); it != children.rend(); ++it) stack.push_back({*it, index});
    }
    return out;
}

std::vector<sdk::MOUSERECT*> Bench::Impl::mouse_records(sdk::GAUGEHDR* header) const {
    std::vector<sdk::MOUSERECT*> out;
    if (header->mouse_rect == nullptr) return out;
    for (std::size_t i = 0; i < kMaxMouseRecords; ++i) {
        sdk::MOUSERECT* r = &header->mouse_rect[i];
        if (r->rect_type == sdk::MOUSE_RECT_EOL) return out;
        if (r->rect_type < 0 || r->rect_type > sdk::MOUSE_RECT_USER) {
            const_cast<Impl*>(this)->fault("mouse record " + std::to_string(i) + " has unknown type " +
                                           std::to_string(r->rect_type));
            return out;
        }
        out.push_back(r);
    }
    const_cast<Impl*>(this)->fault("mouse table without terminator after " + std::to_string(kMaxMouseRecords) +
                                   " records");
    return out;
}

namespace {
bool contains(const sdk::PIXBOX& box, int x, int y) {
    return x >= box.x && x < box.x + box.size_x && y >= box.y && y < box.y + box.size_y;
}
}  // namespace

int Bench::Impl::click(sdk::GAUGEHDR* header, int x, int y, std::uint32_t flags) {
    auto records = mouse_records(header);
    int chosen = -1;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const sdk::MOUSERECT& r = *records[i];
        if (r.rect_type == sdk::MOUSE_RECT_CHILD && contains(r.relative_box, x, y) && (r.mouse_flags & flags) != 0)
            chosen = static_cast<int>(i);
    }
    if (chosen < 0) return -1;
    sdk::MOUSERECT* r = records[static_cast<std::size_t>(chosen)];
    if (r->mouse_function.function != nullptr) {
        sdk::MOUSECALLBACK arg{};
        arg.relative_point = {x - r->relative_box.x, y - r->relative_box.y};
        arg.user_data = header;
        arg.mouse = r;
        arg.screen_point = {x, y};
        r->mouse_function.function(&arg.relative_point, flags);
    } else if (r->event_id != 0) {
        process_key(r->event_id, 0);
    }
    return chosen;
}

std::optional<std::string> Bench::Impl::tooltip(sdk::GAUGEHDR* header, int x, int y) {
    auto records = mouse_records(header);
    struct Group {
        std::size_t opened;
        sdk::PIXBOX box;
        const sdk::MOUSERECT* tip;
    };
    std::vector<Group> open_groups;
    const sdk::MOUSERECT* best = nullptr;
    std::size_t best_opened = 0;
    auto consider = [&](const Group& g) {
        bool whole = g.box.size_x == 0 && g.box.size_y == 0;
        if (g.tip != nullptr && (whole || contains(g.box, x, y)) && (best == nullptr || g.opened >= best_opened)) {
            best = g.tip;
            best_opened = g.opened;
        }
    };
    for (std::size_t i = 0; i < records.size(); ++i) {
        const sdk::MOUSERECT& r = *records[i];
        if (r.rect_type == sdk::MOUSE_RECT_PARENT) {
            open_groups.push_back({i, r.relative_box, nullptr});
        } else if (r.rect_type == sdk::MOUSE_RECT_USER) {
            if (!open_groups.empty()) open_groups.back().tip = &r;
        } else if (r.rect_type == sdk::MOUSE_RECT_END_PARENT) {
            if (open_groups.empty()) continue;
            consider(open_groups.back());
            open_groups.pop_back();
        }
    }
    for (const auto& g : open_groups) consider(g);
    if (best == nullptr) return std::nullopt;
    return format_tooltip(header, *best);
}

std::string Bench::Impl::format_tooltip(sdk::GAUGEHDR* header, const sdk::MOUSERECT& record) {
    auto text = bounded_c_string(record.mouse_function.tooltip_text, kMaxTooltipText);
    if (!text) {
        fault("tooltip text unreadable or without terminator");
        return {};
    }
    std::size_t arg_count = record.event_id;
    if (arg_count > kMaxTooltipArgs) {
        fault("tooltip with " + std::to_string(arg_count) + " arguments");
        arg_count = kMaxTooltipArgs;
    }
    auto* args = static_cast<sdk::MOUSE_ARG*>(record.api_data);
    if (args == nullptr) arg_count = 0;
    std::string out;
    const std::string& t = *text;
    for (std::size_t i = 0; i < t.size();) {
        if (t[i] == '%' && i + 1 < t.size() && t[i + 1] >= '1' && t[i + 1] <= '9') {
            std::size_t j = i + 1;
            std::size_t n = 0;
            while (j < t.size() && t[j] >= '0' && t[j] <= '9' && n < 100) n = n * 10 + static_cast<std::size_t>(t[j++] - '0');
            if (j + 2 < t.size() && t[j] == '!' && (t[j + 1] == 'd' || t[j + 1] == 's') && t[j + 2] == '!') {
                const char kind = t[j + 1];
                i = j + 3;
                if (n == 0 || n > arg_count) {
                    fault("tooltip \"" + t + "\" refers to argument " + std::to_string(n) + " of " +
                          std::to_string(arg_count));
                    continue;
                }
                sdk::MOUSE_ARG& a = args[n - 1];
                if (kind == 'd') {
                    if (a.numeric_callback != nullptr)
                        out += std::to_string(to_int32(a.numeric_callback(0.0, 0, nullptr, &a.source_var, header)));
                } else if (a.string_callback != nullptr) {
                    const char* s = a.string_callback(0.0, 0, nullptr, &a.source_var, header);
                    if (s != nullptr) {
                        auto str = bounded_c_string(s, kMaxTooltipText);
                        if (str) out += *str;
                        else fault("tooltip string argument without terminator");
                    }
                }
                continue;
            }
        }
        out += t[i++];
    }
    if (out.size() > static_cast<std::size_t>(sdk::TOOLTIP_MAX_TEXT))
        fault("tooltip longer than " + std::to_string(sdk::TOOLTIP_MAX_TEXT) + " characters: " + out);
    return out;
}

std::string Bench::Impl::describe() const {
    static constexpr const char* kKinds[] = {"static", "needle", "string", "slider", "icon"};
    std::ostringstream o;
    o << "{\"gauges\": [";
    for (std::size_t g = 0; g < headers.size(); ++g) {
        sdk::GAUGEHDR* h = headers[g];
        o << (g ? ",\n  " : "\n  ") << "{\"name\": " << json_string(header_names[g])
          << ", \"size_mm\": " << h->size_x_mm << ", \"has_callback\": " << (h->gauge_callback ? "true" : "false")
          << ", \"elements\": [";
        auto elements = walk_elements(h);
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const sdk::ELEMENT_HEADER* e = elements[i].element;
            int kind = e->element_type;
            int frames = 0;
            if (kind == sdk::ELEMENT_TYPE_ICON) frames = reinterpret_cast<const sdk::ELEMENT_ICON*>(e)->num_icons;
            o << (i ? ", " : "") << "{\"index\": " << i << ", \"parent\": ";
            if (elements[i].parent < 0) o << "null";
            else o << elements[i].parent;
            o << ", \"kind\": ";
            if (kind >= 0 && kind <= 4) o << json_string(kKinds[kind]);
            else o << json_string("type" + std::to_string(kind));
            o << ", \"bitmap\": " << e->resource_id << ", \"x\": " << e->position.x << ", \"y\": " << e->position.y
              << ", \"frames\": " << frames << ", \"flags\": " << static_cast<std::uint32_t>(e->image_flags) << "}";
        }
        o << "], \"mouse\": [";
        auto records = mouse_records(h);
        for (std::size_t i = 0; i < records.size(); ++i) {
            const sdk::MOUSERECT& r = *records[i];
            o << (i ? ", " : "") << "{\"type\": " << r.rect_type << ", \"x\": " << r.relative_box.x
              << ", \"y\": " << r.relative_box.y << ", \"w\": " << r.relative_box.size_x
              << ", \"h\": " << r.relative_box.size_y << ", \"cursor\": " << r.cursor << ", \"mask\": " << r.mouse_flags
              << ", \"tooltip\": ";
            std::uint32_t args = 0;
            if (r.rect_type == sdk::MOUSE_RECT_USER) {
                auto text = bounded_c_string(r.mouse_function.tooltip_text, kMaxTooltipText);
                o << (text ? json_string(*text) : "null");
                args = r.event_id;
            } else {
                o << "null";
            }
            o << ", \"args\": " << args << "}";
        }
        o << "]}";
    }
    o << (headers.empty() ? "]}" : "\n]}") << '\n';
    return o.str();
}

const GaugeInstance* Bench::Impl::instance_for(const std::string& which) const {
    // "Name" or "Name@IDENT" (IDENT 0 is the main view).
    std::string name = which;
    std::optional<std::uint32_t> window;
    if (auto at = which.find('@'); at != std::string::npos) {
        name = which.substr(0, at);
        auto id = parse_integer(which.substr(at + 1));
        if (!id || *id < 0 || *id > 0xFFFFFFFF) return nullptr;
        window = static_cast<std::uint32_t>(*id);
    }
    const GaugeInstance* best = nullptr;
    for (const auto& inst : instances) {
        if (inst.name != name || (window && inst.window != *window)) continue;
        if (best == nullptr || inst.last_frame > best->last_frame) best = &inst;
    }
    return best;
}

// ---- Bench -----------------------------------------------------------------------------

Bench::Bench(Options options) : impl_(std::make_unique<Impl>()) {
    if (g_active != nullptr) throw std::logic_error("only one bench can run at a time in a process");
    benchplatform::quiet_error_dialogs();
    if (options.fps < 1 || options.fps > 1000) throw std::invalid_argument("fps must be 1 to 1000");
    namespace fs = std::filesystem;
    if (options.root.empty()) {
        options.root = make_temp_dir("tarmelon-bench-");
        if (options.root.empty()) throw std::runtime_error("cannot create a temporary simulator folder");
        impl_->own_root = true;
    } else {
        std::error_code ec;
        fs::create_directories(options.root, ec);
        options.root = fs::absolute(options.root, ec).string();
    }
    if (options.module_path.empty())
        options.module_path = (fs::path(executable_dir()) / default_module_file_name()).string();
    impl_->options = options;
    impl_->aircraft.reset();
    g_active = impl_.get();
    try {
        ConsoleCapture capture(impl_->console_lines, impl_->console_pending);
        impl_->load_module(options.flight);
    } catch (...) {
        g_active = nullptr;
        if (impl_->own_root) {
            std::error_code ec;
            fs::remove_all(impl_->options.root, ec);
        }
        throw;
    }
}

Bench::~Bench() {
    if (!impl_) return;
    impl_->unload_module();
    scstandin::reset(standin_host(), false);
#if !defined(_WIN32)
    w32standin::reset(impl_->options.root);
#endif
    g_active = nullptr;
    if (impl_->own_root) {
        std::error_code ec;
        std::filesystem::remove_all(impl_->options.root, ec);
    }
}

void Bench::frames(int n) {
    if (n < 0) throw ScriptError("frame count must not be negative");
    ConsoleCapture capture(impl_->console_lines, impl_->console_pending);
    for (int i = 0; i < n; ++i) impl_->run_frame();
}

void Bench::seconds(double s) {
    if (!(s >= 0) || s > 1e6) throw ScriptError("seconds must be 0 to 1000000");
    frames(static_cast<int>(std::llround(s * impl_->options.fps)));
}

double Bench::get(std::string_view var) const {
    auto name = parse_variable_name(var);
    if (!name || name->key[0] == 'K') throw ScriptError("not a variable name: " + std::string(var));
    return impl_->vars.get(name->key);
}

void Bench::set(std::string_view var, double value) {
    auto name = parse_variable_name(var);
    if (!name || name->key[0] == 'K') throw ScriptError("not a variable name: " + std::string(var));
    impl_->vars.set(*name, value);
}

double Bench::token(int id) const { return impl_->read_token(id); }

void Bench::set_token(int id, double value) {
    if (id == 1 || id == 604) throw ScriptError("token " + std::to_string(id) + " is the clock; run frames instead");
    if (!impl_->aircraft.set_token(id, value))
        throw ScriptError("token " + std::to_string(id) + " has no simulated value in the bench");
}

void Bench::key(std::uint32_t id, std::uint32_t param) { impl_->process_key(id, param); }

bool Bench::pilot_event(const std::string& name, std::uint32_t value) { return scstandin::pilot_event(name, value); }

int Bench::click(const std::string& gauge, int x, int y, std::uint32_t flags) {
    sdk::GAUGEHDR* h = impl_->header_by_name(gauge);
    if (h == nullptr) throw ScriptError("no gauge named " + gauge);
    return impl_->click(h, x, y, flags);
}

std::optional<std::string> Bench::tooltip(const std::string& gauge, int x, int y) {
    sdk::GAUGEHDR* h = impl_->header_by_name(gauge);
    if (h == nullptr) throw ScriptError("no gauge named " + gauge);
    return impl_->tooltip(h, x, y);
}

bool Bench::window_open(std::uint32_t ident) const { return impl_->windows.is_open(ident); }

void Bench::window(const std::string& action, std::uint32_t ident) {
    if (!impl_->windows.exists(ident)) throw ScriptError("no panel window " + std::to_string(ident));
    if (action == "open") impl_->windows.open(ident);
    else if (action == "close") impl_->windows.close(ident);
    else if (action == "toggle") impl_->windows.toggle(ident);
    else throw ScriptError("window action must be open, close or toggle, not " + action);
}

void Bench::unload() {
    ConsoleCapture capture(impl_->console_lines, impl_->console_pending);
    impl_->unload_module();
}

const std::vector<std::string>& Bench::console() const { return impl_->console_lines; }

void Bench::load(const std::string& flight) {
    ConsoleCapture capture(impl_->console_lines, impl_->console_pending);
    impl_->unload_module();
    if (!flight.empty()) impl_->options.flight = flight;
    impl_->load_module(impl_->options.flight);
}

bool Bench::loaded() const { return impl_->module_loaded; }

std::string Bench::describe_gauges() const { return impl_->describe(); }

ElementState Bench::element(const std::string& gauge, int index) const {
    const GaugeInstance* inst = impl_->instance_for(gauge);
    if (inst == nullptr) throw ScriptError("no gauge instance " + gauge);
    if (index < 0 || static_cast<std::size_t>(index) >= inst->results.size())
        throw ScriptError(gauge + " has no element " + std::to_string(index) + " (it has " +
                          std::to_string(inst->results.size()) + ")");
    return inst->results[static_cast<std::size_t>(index)];
}

std::vector<std::string> Bench::gauge_names() const { return impl_->header_names; }

std::vector<Bench::GaugeSummary> Bench::gauges() const {
    std::vector<GaugeSummary> out;
    for (std::size_t g = 0; g < impl_->headers.size(); ++g) {
        GaugeSummary s;
        s.name = impl_->header_names[g];
        s.elements = static_cast<int>(impl_->walk_elements(impl_->headers[g]).size());
        s.mouse_records = static_cast<int>(impl_->mouse_records(impl_->headers[g]).size());
        s.has_callback = impl_->headers[g]->gauge_callback != nullptr;
        for (const auto& inst : impl_->instances)
            if (inst.header == impl_->headers[g]) s.windows.push_back(inst.window);
        out.push_back(std::move(s));
    }
    return out;
}

int Bench::instance_count() const { return static_cast<int>(impl_->instances.size()); }

void Bench::mark() {
    impl_->calc_log.clear();
    impl_->calc_failures.clear();
    impl_->keys.clear();
    impl_->element_list_calls.clear();
    impl_->mark_simconnect = scstandin::call_log().size();
    impl_->mark_texts = scstandin::texts().size();
}

const std::vector<std::string>& Bench::calculator_log() const { return impl_->calc_log; }
const std::vector<std::string>& Bench::calculator_failures() const { return impl_->calc_failures; }
const std::vector<Bench::KeyEvent>& Bench::key_log() const { return impl_->keys; }
std::vector<std::string> Bench::element_list_log() const { return impl_->element_list_calls; }

namespace {
std::vector<std::string> since(std::vector<std::string> all, std::size_t mark) {
    if (mark > all.size()) mark = 0;
    all.erase(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(mark));
    return all;
}
}  // namespace

std::vector<std::string> Bench::simconnect_log() const { return since(scstandin::call_log(), impl_->mark_simconnect); }
std::vector<std::string> Bench::texts() const { return since(scstandin::texts(), impl_->mark_texts); }
std::vector<std::string> Bench::faults() const { return impl_->fault_list; }
bool Bench::simconnect_open() const { return scstandin::is_open(); }
double Bench::sim_seconds() const { return static_cast<double>(impl_->frame_count) / impl_->options.fps; }
const Options& Bench::options() const { return impl_->options; }
void Bench::set_fault_stream(std::ostream* stream) { impl_->fault_stream = stream; }

std::string Bench::exec(std::string_view line) { return impl_->exec(*this, line); }

}  // namespace bench
