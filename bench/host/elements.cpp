// Reading a gauge as a host does: its element tree (depth first, children in table order),
// its mouse table up to the terminator, which gauge instance a script means, and the JSON
// of `describe gauges` built from all of it.
#include <algorithm>
#include <cmath>
#include <sstream>

#include "impl.h"
#include "text.h"

namespace bench {

sdk::GAUGEHDR* Bench::Impl::header_by_name(const std::string& name) const {
    for (std::size_t i = 0; i < headers.size(); ++i)
        if (header_names[i] == name) return headers[i];
    return nullptr;
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

// ---- describe gauges -------------------------------------------------------------------

namespace {

// A number in JSON: what is not finite is null.
std::string json_number(double value) { return std::isfinite(value) ? format_number(value) : "null"; }

void describe_elements(std::ostream& o, const std::vector<ElementNode>& elements) {
    static constexpr const char* kKinds[] = {"static", "needle", "string", "slider", "icon"};
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
          << ", \"frames\": " << frames << ", \"flags\": " << static_cast<std::uint32_t>(e->image_flags);
        if (kind == sdk::ELEMENT_TYPE_STRING) {
            // What the simulator draws a string with: its box, colours, font and length.
            const auto* s = reinterpret_cast<const sdk::ELEMENT_STRING*>(e);
            const auto font = bounded_c_string(s->font_name, sizeof s->font_name);
            o << ", \"box\": [" << s->img_size.x << ", " << s->img_size.y << "], \"colour\": " << s->fg_color
              << ", \"background\": " << s->bg_color << ", \"font\": " << json_string(font ? *font : std::string())
              << ", \"weight\": " << s->font_weight << ", \"chars\": " << s->max_string_length;
        } else if (kind == sdk::ELEMENT_TYPE_NEEDLE) {
            // Where a needle turns inside its bitmap, and its scale: value to a point on the dial.
            const auto* n = reinterpret_cast<const sdk::ELEMENT_NEEDLE*>(e);
            o << ", \"pivot\": [" << e->ofs.x << ", " << e->ofs.y << "], \"scale\": [";
            const std::size_t rows = n->nonlinearity_table == nullptr
                                         ? 0
                                         : std::min<std::size_t>(n->nonlinearity_table_size, kMaxElements);
            for (std::size_t k = 0; k < rows; ++k) {
                const sdk::NONLINEARITY& row = n->nonlinearity_table[k];
                o << (k ? ", " : "") << "[" << json_number(row.value) << ", " << row.pt.x << ", " << row.pt.y
                  << ", " << json_number(row.degrees) << "]";
            }
            o << "]";
        } else if (kind == sdk::ELEMENT_TYPE_SLIDER) {
            const auto* s = reinterpret_cast<const sdk::ELEMENT_SLIDER*>(e);
            o << ", \"scale\": [" << json_number(s->scale_x) << ", " << json_number(s->scale_y) << "]";
        }
        o << "}";
    }
}

void describe_mouse(std::ostream& o, const std::vector<sdk::MOUSERECT*>& records) {
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
}

}  // namespace

std::string Bench::Impl::describe() const {
    std::ostringstream o;
    o << "{\"gauges\": [";
    for (std::size_t g = 0; g < headers.size(); ++g) {
        sdk::GAUGEHDR* h = headers[g];
        o << (g ? ",\n  " : "\n  ") << "{\"name\": " << json_string(header_names[g])
          << ", \"size_mm\": " << h->size_x_mm << ", \"has_callback\": " << (h->gauge_callback ? "true" : "false")
          << ", \"elements\": [";
        describe_elements(o, walk_elements(h));
        o << "], \"mouse\": [";
        describe_mouse(o, mouse_records(h));
        o << "]}";
    }
    o << (headers.empty() ? "]}" : "\n]}") << '\n';
    return o.str();
}

}  // namespace bench
