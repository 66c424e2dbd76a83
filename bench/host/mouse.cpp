// Mouse routing and tooltips as the simulator does them: one event reaches one callback,
// the last click area in table order whose half-open rectangle and mask both match; the
// tooltip shown is that of the innermost group around the point, its %1!d! and %1!s!
// arguments filled in by the module's callbacks.
#include "impl.h"
#include "text.h"

namespace bench {

namespace {

constexpr std::size_t kMaxTooltipArgs = 16;

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

// The text of argument `number` (1-based) of a tooltip, by its kind: 'd' a number, 's' text.
std::string Bench::Impl::tooltip_argument(sdk::GAUGEHDR* header, const std::string& text, std::size_t number,
                                          char kind, sdk::MOUSE_ARG* args, std::size_t arg_count) {
    if (number == 0 || number > arg_count) {
        fault("tooltip \"" + text + "\" refers to argument " + std::to_string(number) + " of " +
              std::to_string(arg_count));
        return {};
    }
    sdk::MOUSE_ARG& a = args[number - 1];
    if (kind == 'd') {
        if (a.numeric_callback == nullptr) return {};
        return std::to_string(to_int32(a.numeric_callback(0.0, 0, nullptr, &a.source_var, header)));
    }
    if (a.string_callback == nullptr) return {};
    const char* s = a.string_callback(0.0, 0, nullptr, &a.source_var, header);
    if (s == nullptr) return {};
    auto str = bounded_c_string(s, kMaxTooltipText);
    if (!str) {
        fault("tooltip string argument without terminator");
        return {};
    }
    return *str;
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
        // "%N!d!" or "%N!s!": argument N, a number or a text.
        if (t[i] == '%' && i + 1 < t.size() && t[i + 1] >= '1' && t[i + 1] <= '9') {
            std::size_t j = i + 1;
            std::size_t n = 0;
            while (j < t.size() && t[j] >= '0' && t[j] <= '9' && n < 100) n = n * 10 + static_cast<std::size_t>(t[j++] - '0');
            if (j + 2 < t.size() && t[j] == '!' && (t[j + 1] == 'd' || t[j + 1] == 's') && t[j + 2] == '!') {
                out += tooltip_argument(header, t, n, t[j + 1], args, arg_count);
                i = j + 3;
                continue;
            }
        }
        out += t[i++];
    }
    if (out.size() > static_cast<std::size_t>(sdk::TOOLTIP_MAX_TEXT))
        fault("tooltip longer than " + std::to_string(sdk::TOOLTIP_MAX_TEXT) + " characters: " + out);
    return out;
}

}  // namespace bench
