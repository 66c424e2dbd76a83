// The script language of tarmelon-bench: one command per line, '#' starts a comment,
// variable names and texts in double quotes.
#include <cmath>
#include <istream>
#include <ostream>
#include <sstream>

#include "bench/simconnect/standin.h"
#include "impl.h"
#include "text.h"

namespace bench {

namespace {

constexpr std::size_t kMaxLine = 65536;

struct Token {
    std::string text;
    bool quoted = false;
};

std::vector<Token> tokenize(std::string_view line) {
    if (line.size() > kMaxLine) throw ScriptError("line longer than " + std::to_string(kMaxLine) + " bytes");
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c == '#') break;
        Token t;
        if (c == '"') {
            t.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char d = line[i++];
                if (d == '"') {
                    closed = true;
                    break;
                }
                if (d == '\\' && i < line.size()) d = line[i++];
                t.text += d;
            }
            if (!closed) throw ScriptError("unterminated quoted text");
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '\n' &&
                   line[i] != '#')
                t.text += line[i++];
        }
        out.push_back(std::move(t));
    }
    return out;
}

void arity(const std::vector<Token>& t, std::size_t min, std::size_t max, const char* usage) {
    if (t.size() < min || t.size() > max) throw ScriptError(std::string("usage: ") + usage);
}

std::int64_t integer_arg(const Token& t, std::int64_t lo, std::int64_t hi, const char* what) {
    auto v = parse_integer(t.text);
    if (!v || *v < lo || *v > hi)
        throw ScriptError(std::string("bad ") + what + " '" + t.text + "' (expected a whole number " +
                          std::to_string(lo) + " to " + std::to_string(hi) + ")");
    return *v;
}

double number_arg(const Token& t, const char* what) {
    auto v = parse_double(t.text);
    if (!v) throw ScriptError(std::string("bad ") + what + " '" + t.text + "' (expected a number)");
    return *v;
}

// A 32-bit event parameter: negative values wrap as the simulator's signed axis values do.
std::uint32_t param_arg(const Token& t, const char* what) {
    return static_cast<std::uint32_t>(integer_arg(t, -2147483648LL, 4294967295LL, what));
}

std::string variable_arg(const Token& t) {
    auto name = parse_variable_name(t.text);
    if (!name || name->key[0] == 'K')
        throw ScriptError("bad variable name '" + t.text + "' (expected \"L:Name, unit\", or A:, E:, P:)");
    return t.text;
}

enum class Op { Eq, Ne, Lt, Le, Gt, Ge };

Op op_arg(const Token& t) {
    if (t.text == "==") return Op::Eq;
    if (t.text == "!=") return Op::Ne;
    if (t.text == "<") return Op::Lt;
    if (t.text == "<=") return Op::Le;
    if (t.text == ">") return Op::Gt;
    if (t.text == ">=") return Op::Ge;
    throw ScriptError("bad comparison '" + t.text + "' (expected == != < <= > >=)");
}

bool compare(double found, Op op, double want, double tol) {
    switch (op) {
        case Op::Eq: return std::fabs(found - want) <= tol;
        case Op::Ne: return std::fabs(found - want) > tol;
        case Op::Lt: return found < want;
        case Op::Le: return found <= want;
        case Op::Gt: return found > want;
        case Op::Ge: return found >= want;
    }
    return false;
}

std::uint32_t button_arg(const Token& t) {
    struct Button {
        const char* name;
        std::uint32_t flags;
    };
    static constexpr Button kButtons[] = {
        {"left", sdk::MOUSE_LEFTSINGLE},   {"right", sdk::MOUSE_RIGHTSINGLE},    {"release", sdk::MOUSE_LEFTRELEASE},
        {"repeat", sdk::MOUSE_DOWN_REPEAT}, {"drag", sdk::MOUSE_LEFTDRAG},        {"move", sdk::MOUSE_MOVE},
        {"wheelup", sdk::MOUSE_WHEEL_UP},  {"wheeldown", sdk::MOUSE_WHEEL_DOWN},
    };
    for (const auto& b : kButtons)
        if (t.text == b.name) return b.flags;
    std::string_view hex = t.text;
    if (hex.size() > 2 && hex[0] == '0' && (hex[1] == 'x' || hex[1] == 'X')) hex.remove_prefix(2);
    auto v = parse_integer("0x" + std::string(hex));
    if (!v || *v <= 0 || *v > 0xFFFFFFFFLL)
        throw ScriptError("bad mouse button '" + t.text +
                          "' (expected left, right, release, repeat, drag, move, wheelup, wheeldown or a hex mask)");
    return static_cast<std::uint32_t>(*v);
}

const char* kind_name(int kind) {
    static constexpr const char* kKinds[] = {"static", "needle", "string", "slider", "icon"};
    return kind >= 0 && kind <= 4 ? kKinds[kind] : "unknown";
}

std::string element_text(const std::string& gauge, const ElementState& e) {
    std::string out = gauge + "[" + std::to_string(e.index) + "] " + kind_name(e.kind);
    switch (e.kind) {
        case 1: out += " " + format_number(e.value); break;
        case 2: out += " " + quoted(e.text); break;
        case 3: out += " " + format_number(e.value) + " " + format_number(e.y); break;
        case 4: out += " " + std::to_string(e.frame); break;
        default: break;
    }
    if (e.hidden) out += " hidden";
    if (!e.updated && e.kind != 0) out += " (never updated)";
    return out;
}

std::string join_lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

}  // namespace

std::string Bench::Impl::exec(Bench& bench, std::string_view line) {
    auto t = tokenize(line);
    if (t.empty()) return {};
    const std::string& cmd = t[0].text;
    if (t[0].quoted) throw ScriptError("a command cannot be quoted text");

    if (cmd == "frames") {
        arity(t, 2, 2, "frames N");
        bench.frames(static_cast<int>(integer_arg(t[1], 0, 100000000, "frame count")));
        return {};
    }
    if (cmd == "seconds") {
        arity(t, 2, 2, "seconds S");
        bench.seconds(number_arg(t[1], "seconds"));
        return {};
    }
    if (cmd == "set") {
        arity(t, 3, 3, "set VAR VALUE");
        std::string var = variable_arg(t[1]);
        if (t[2].quoted) {
            auto name = parse_variable_name(var);
            vars.set_text(*name, t[2].text);
        } else {
            bench.set(var, number_arg(t[2], "value"));
        }
        return {};
    }
    if (cmd == "get") {
        arity(t, 2, 2, "get VAR");
        std::string var = variable_arg(t[1]);
        return quoted(var) + " = " + format_number(bench.get(var)) + "\n";
    }
    if (cmd == "token") {
        arity(t, 2, 3, "token N [VALUE]");
        int id = static_cast<int>(integer_arg(t[1], 0, 100000, "token number"));
        if (t.size() == 3) {
            bench.set_token(id, number_arg(t[2], "value"));
            return {};
        }
        return "token " + std::to_string(id) + " = " + format_number(bench.token(id)) + "\n";
    }
    if (cmd == "expect") {
        arity(t, 4, 5, "expect VAR OP VALUE [TOL]");
        std::string var = variable_arg(t[1]);
        Op op = op_arg(t[2]);
        double want = number_arg(t[3], "value");
        double tol = 0.0;
        if (t.size() == 5) {
            if (op != Op::Eq && op != Op::Ne) throw ScriptError("a tolerance goes with == or != only");
            tol = number_arg(t[4], "tolerance");
            if (tol < 0) throw ScriptError("tolerance must not be negative");
        }
        double found = bench.get(var);
        if (!compare(found, op, want, tol))
            throw ExpectationFailed("expected " + quoted(var) + " " + t[2].text + " " + t[3].text +
                                    (t.size() == 5 ? " within " + t[4].text : "") + ", found " + format_number(found));
        return {};
    }
    if (cmd == "key") {
        arity(t, 2, 3, "key ID [PARAM]");
        auto id = static_cast<std::uint32_t>(integer_arg(t[1], 0, 4294967295LL, "key event id"));
        bench.key(id, t.size() == 3 ? param_arg(t[2], "parameter") : 0);
        return {};
    }
    if (cmd == "event") {
        arity(t, 2, 3, "event NAME [VALUE]");
        bench.pilot_event(t[1].text, t.size() == 3 ? param_arg(t[2], "value") : 0);
        return {};
    }
    if (cmd == "click") {
        arity(t, 4, 5, "click GAUGE X Y [BUTTON]");
        int x = static_cast<int>(integer_arg(t[2], -100000, 100000, "x"));
        int y = static_cast<int>(integer_arg(t[3], -100000, 100000, "y"));
        bench.click(t[1].text, x, y, t.size() == 5 ? button_arg(t[4]) : sdk::MOUSE_LEFTSINGLE);
        return {};
    }
    if (cmd == "tooltip" || cmd == "expect-tooltip") {
        bool expect = cmd == "expect-tooltip";
        if (expect) arity(t, 5, 5, "expect-tooltip GAUGE X Y \"TEXT\"");
        else arity(t, 4, 4, "tooltip GAUGE X Y");
        int x = static_cast<int>(integer_arg(t[2], -100000, 100000, "x"));
        int y = static_cast<int>(integer_arg(t[3], -100000, 100000, "y"));
        auto text = bench.tooltip(t[1].text, x, y);
        if (expect) {
            if (!text || *text != t[4].text)
                throw ExpectationFailed("expected tooltip " + quoted(t[4].text) + ", found " +
                                        (text ? quoted(*text) : std::string("no tooltip")));
            return {};
        }
        return (text ? *text : std::string("(no tooltip)")) + "\n";
    }
    if (cmd == "window") {
        arity(t, 3, 3, "window open|close|toggle IDENT");
        bench.window(t[1].text, static_cast<std::uint32_t>(integer_arg(t[2], 0, 4294967295LL, "window ident")));
        return {};
    }
    if (cmd == "expect-window") {
        arity(t, 3, 3, "expect-window IDENT open|closed");
        auto ident = static_cast<std::uint32_t>(integer_arg(t[1], 0, 4294967295LL, "window ident"));
        if (!windows.exists(ident)) throw ScriptError("no panel window " + t[1].text);
        if (t[2].text != "open" && t[2].text != "closed") throw ScriptError("expected open or closed");
        bool open = windows.is_open(ident);
        if (open != (t[2].text == "open"))
            throw ExpectationFailed("expected window " + t[1].text + " " + t[2].text + ", found " +
                                    (open ? "open" : "closed"));
        return {};
    }
    if (cmd == "menu") {
        arity(t, 2, 2, "menu ID");
        scstandin::menu_select(static_cast<std::uint32_t>(integer_arg(t[1], 0, 4294967295LL, "menu id")));
        return {};
    }
    if (cmd == "client-data" || cmd == "expect-client-data") {
        // Another client's side of a client-data area (the SquawkBox peer, for one):
        // client-data "SquawkBox Data" 17 0      writes bytes at an offset
        // expect-client-data "SquawkBox Data" 17 1
        const bool expect = cmd == "expect-client-data";
        arity(t, 4, expect ? 4 : 64, expect ? "expect-client-data AREA OFFSET BYTE" : "client-data AREA OFFSET BYTE...");
        const auto offset = static_cast<std::uint32_t>(integer_arg(t[2], 0, 8191, "offset"));
        std::vector<unsigned char> bytes;
        for (std::size_t i = 3; i < t.size(); ++i)
            bytes.push_back(static_cast<unsigned char>(integer_arg(t[i], 0, 255, "byte")));
        if (!expect) {
            scstandin::set_client_data(t[1].text, offset, bytes);
            return {};
        }
        const auto area = scstandin::client_data(t[1].text);
        if (offset >= area.size()) throw ExpectationFailed("expected client data \"" + t[1].text + "\" at " + t[2].text +
                                                           " == " + t[3].text + ", found no such area or offset");
        if (area[offset] != bytes[0])
            throw ExpectationFailed("expected client data \"" + t[1].text + "\" at " + t[2].text + " == " + t[3].text +
                                    ", found " + std::to_string(area[offset]));
        return {};
    }
    if (cmd == "save") {
        arity(t, 2, 2, "save NAME");
        if (t[1].text.empty() || t[1].text.size() > 259) throw ScriptError("flight name must be 1 to 259 characters");
        scstandin::system_event("FlightSaved", 0, t[1].text);
        return {};
    }
    if (cmd == "unload") {
        arity(t, 1, 1, "unload");
        if (!module_loaded) throw ScriptError("the module is not loaded");
        bench.unload();
        return {};
    }
    if (cmd == "load") {
        arity(t, 1, 2, "load [FLIGHT]");
        bench.load(t.size() == 2 ? t[1].text : std::string());
        return {};
    }
    if (cmd == "element" || cmd == "expect-element") {
        bool expect = cmd == "expect-element";
        if (expect) arity(t, 5, 5, "expect-element GAUGE INDEX OP VALUE");
        else arity(t, 3, 3, "element GAUGE INDEX");
        int index = static_cast<int>(integer_arg(t[2], 0, 100000, "element index"));
        ElementState e = bench.element(t[1].text, index);
        if (!expect) return element_text(t[1].text, e) + "\n";
        Op op = op_arg(t[3]);
        const Token& want = t[4];
        bool held = false;
        std::string found;
        if (!want.quoted && (want.text == "hidden" || want.text == "shown")) {
            if (op != Op::Eq && op != Op::Ne) throw ScriptError("hidden/shown compare with == or != only");
            held = (e.hidden == (want.text == "hidden")) == (op == Op::Eq);
            found = e.hidden ? "hidden" : "shown";
        } else if (want.quoted) {
            if (e.kind != sdk::ELEMENT_TYPE_STRING) throw ScriptError("only string elements have text");
            if (op != Op::Eq && op != Op::Ne) throw ScriptError("texts compare with == or != only");
            held = (e.text == want.text) == (op == Op::Eq);
            found = quoted(e.text);
        } else {
            if (e.kind == sdk::ELEMENT_TYPE_STRING) throw ScriptError("give a string element's text in quotes");
            double v = e.kind == sdk::ELEMENT_TYPE_ICON ? e.frame : e.value;
            held = compare(v, op, number_arg(want, "value"), 0.0);
            found = format_number(v);
        }
        if (!e.updated && e.kind != sdk::ELEMENT_TYPE_STATIC_IMAGE) found += " (never updated)";
        if (!held)
            throw ExpectationFailed("expected " + t[1].text + "[" + t[2].text + "] " + t[3].text + " " +
                                    (want.quoted ? quoted(want.text) : want.text) + ", found " + found);
        return {};
    }
    if (cmd == "mark") {
        arity(t, 1, 1, "mark");
        bench.mark();
        return {};
    }
    if (cmd == "log") {
        arity(t, 2, 2, "log keys|simconnect|texts|calculator|elements|faults|console");
        const std::string& what = t[1].text;
        if (what == "keys") {
            std::string out;
            for (const auto& k : keys) out += std::to_string(k.id) + " " + std::to_string(k.param) + "\n";
            return out;
        }
        if (what == "simconnect") return join_lines(bench.simconnect_log());
        if (what == "texts") return join_lines(bench.texts());
        if (what == "calculator") return join_lines(calc_log);
        if (what == "elements") return join_lines(element_list_calls);
        if (what == "faults") return join_lines(fault_list);
        if (what == "console") return join_lines(console_lines);
        throw ScriptError("log what? keys, simconnect, texts, calculator, elements, faults or console");
    }
    if (cmd == "expect-key") {
        arity(t, 2, 3, "expect-key ID [PARAM]");
        auto id = static_cast<std::uint32_t>(integer_arg(t[1], 0, 4294967295LL, "key event id"));
        std::optional<std::uint32_t> param;
        if (t.size() == 3) param = param_arg(t[2], "parameter");
        std::string seen;
        for (const auto& k : keys) {
            if (k.id != id) continue;
            if (!param || k.param == *param) return {};
            seen += (seen.empty() ? "" : ", ") + std::to_string(k.id) + " " + std::to_string(k.param);
        }
        throw ExpectationFailed("expected key " + t[1].text + (param ? " " + t[2].text : "") + ", found " +
                                (seen.empty() ? "none since the mark" : seen));
    }
    if (cmd == "expect-text") {
        arity(t, 2, 2, "expect-text \"TEXT\"");
        auto shown = bench.texts();
        for (const auto& s : shown)
            if (s == t[1].text) return {};
        std::string seen;
        for (const auto& s : shown) seen += (seen.empty() ? "" : ", ") + quoted(s);
        throw ExpectationFailed("expected text " + quoted(t[1].text) + ", found " +
                                (seen.empty() ? "no text since the mark" : seen));
    }
    if (cmd == "expect-simconnect") {
        arity(t, 2, 2, "expect-simconnect \"TEXT\"");
        for (const auto& call : bench.simconnect_log())
            if (call.find(t[1].text) != std::string::npos) return {};
        throw ExpectationFailed("expected a SimConnect call containing " + quoted(t[1].text) +
                                ", found none since the mark");
    }
    if (cmd == "dump") {
        arity(t, 1, 2, "dump [PREFIX]");
        std::string prefix = t.size() == 2 ? upper(t[1].text) : std::string();
        std::string out;
        for (const auto& [key, entry] : vars.all()) {
            if (key.compare(0, prefix.size(), prefix) != 0) continue;
            out += quoted(entry.display) + " = " + format_number(entry.value);
            if (entry.text) out += " " + quoted(*entry.text);
            out += "\n";
        }
        return out;
    }
    if (cmd == "describe") {
        arity(t, 2, 2, "describe gauges");
        if (t[1].text != "gauges") throw ScriptError("describe what? gauges");
        return describe();
    }
    throw ScriptError("unknown command '" + cmd + "'");
}

int Bench::run_script(std::istream& in, const std::string& file_name, std::ostream& out, std::ostream& err) {
    int status = 0;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        try {
            out << exec(line);
        } catch (const ExpectationFailed& e) {
            err << file_name << ":" << number << ": " << e.what() << "\n";
            status = 1;
        } catch (const std::exception& e) {
            err << file_name << ":" << number << ": " << e.what() << "\n";
            return 2;
        }
    }
    out.flush();
    return status;
}

}  // namespace bench
