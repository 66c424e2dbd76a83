// The script language of tarmelon-bench: one command per line, '#' starts a comment,
// variable names and texts in double quotes.
#include <cmath>
#include <cstdio>
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

// Quoted text from just after its opening quote; returns the index after the closing one.
// A backslash is itself (Windows paths stay as written), except in a run of backslashes
// that ends at a double quote: there each pair gives one backslash, and an odd one left
// over makes that quote part of the text instead of its end.
//   "C:\Flights\My Flight.FLT"  C:\Flights\My Flight.FLT
//   "say \"hi\""               say "hi"
//   "C:\Flights\\"            C:\Flights\ (a backslash at the end is doubled)
std::size_t quoted_text(std::string_view line, std::size_t i, std::string& text) {
    while (i < line.size()) {
        const char d = line[i];
        if (d == '"') return i + 1;
        if (d != '\\') {
            text += d;
            ++i;
            continue;
        }
        std::size_t run = 0;
        while (i < line.size() && line[i] == '\\') {
            ++run;
            ++i;
        }
        if (i < line.size() && line[i] == '"') {
            text.append(run / 2, '\\');
            if (run % 2 == 0) return i + 1;
            text += '"';
            ++i;
        } else {
            text.append(run, '\\');
        }
    }
    throw ScriptError("unterminated quoted text");
}

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
            i = quoted_text(line, i + 1, t.text);
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '\n' &&
                   line[i] != '#')
                t.text += line[i++];
        }
        out.push_back(std::move(t));
    }
    return out;
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

// " (3 times)" for a count above one.
std::string times(std::size_t count) { return count > 1 ? " (" + std::to_string(count) + " times)" : std::string(); }

std::string join_lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}


// ---- the commands ----------------------------------------------------------------------

// One command line being run: the bench, its inside, and the words (t[0] the command).
struct Call {
    Bench& bench;
    Bench::Impl& impl;
    const std::vector<Token>& t;
};

using Handler = std::string (*)(Call&);

std::string run_frames(Call& c) {
    c.bench.frames(static_cast<int>(integer_arg(c.t[1], 0, 100000000, "frame count")));
    return {};
}

std::string run_start(Call& c) {
    if (c.t[1].text == "cruise")
        return c.bench.start_cruise(c.t.size() > 2 ? number_arg(c.t[2], "altitude") : Bench::kCruiseAltitudeFeet,
                                    c.t.size() > 3 ? number_arg(c.t[3], "speed") : Bench::kCruiseSpeedKnots);
    if (c.t.size() > 2) throw ScriptError("start " + c.t[1].text + " takes no altitude or speed");
    return c.bench.start(c.t[1].text);
}

std::string run_restart_clocks(Call& c) {
    c.bench.restart_clocks();
    return {};
}

std::string run_seconds(Call& c) {
    c.bench.seconds(number_arg(c.t[1], "seconds"));
    return {};
}

std::string run_set(Call& c) {
    std::string var = variable_arg(c.t[1]);
    if (c.t[2].quoted) {
        auto name = parse_variable_name(var);
        c.impl.vars.set_text(*name, c.t[2].text);
    } else {
        c.bench.set(var, number_arg(c.t[2], "value"));
    }
    return {};
}

std::string run_get(Call& c) {
    std::string var = variable_arg(c.t[1]);
    return quoted(var) + " = " + format_number(c.bench.get(var)) + "\n";
}

std::string run_token(Call& c) {
    int id = static_cast<int>(integer_arg(c.t[1], 0, 100000, "token number"));
    if (c.t.size() == 3) {
        c.bench.set_token(id, number_arg(c.t[2], "value"));
        return {};
    }
    return "token " + std::to_string(id) + " = " + format_number(c.bench.token(id)) + "\n";
}

std::string run_expect(Call& c) {
    const auto& t = c.t;
    std::string var = variable_arg(t[1]);
    Op op = op_arg(t[2]);
    double want = number_arg(t[3], "value");
    double tol = 0.0;
    if (t.size() == 5) {
        if (op != Op::Eq && op != Op::Ne) throw ScriptError("a tolerance goes with == or != only");
        tol = number_arg(t[4], "tolerance");
        if (tol < 0) throw ScriptError("tolerance must not be negative");
    }
    double found = c.bench.get(var);
    if (!compare(found, op, want, tol))
        throw ExpectationFailed("expected " + quoted(var) + " " + t[2].text + " " + t[3].text +
                                (t.size() == 5 ? " within " + t[4].text : "") + ", found " + format_number(found));
    return {};
}

std::string run_key(Call& c) {
    auto id = static_cast<std::uint32_t>(integer_arg(c.t[1], 0, 4294967295LL, "key event id"));
    c.bench.key(id, c.t.size() == 3 ? param_arg(c.t[2], "parameter") : 0);
    return {};
}

std::string run_event(Call& c) {
    if (!c.bench.knows_sim_event(c.t[1].text))
        throw ScriptError("unknown simulator event '" + c.t[1].text +
                          "' (neither the simulated aircraft nor a SimConnect client knows it)");
    c.bench.pilot_event(c.t[1].text, c.t.size() == 3 ? param_arg(c.t[2], "value") : 0);
    return {};
}

std::string run_click(Call& c) {
    int x = static_cast<int>(integer_arg(c.t[2], -100000, 100000, "x"));
    int y = static_cast<int>(integer_arg(c.t[3], -100000, 100000, "y"));
    c.bench.click(c.t[1].text, x, y, c.t.size() == 5 ? button_arg(c.t[4]) : sdk::MOUSE_LEFTSINGLE);
    return {};
}

std::optional<std::string> tooltip_at(Call& c) {
    int x = static_cast<int>(integer_arg(c.t[2], -100000, 100000, "x"));
    int y = static_cast<int>(integer_arg(c.t[3], -100000, 100000, "y"));
    return c.bench.tooltip(c.t[1].text, x, y);
}

std::string run_tooltip(Call& c) {
    auto text = tooltip_at(c);
    return (text ? *text : std::string("(no tooltip)")) + "\n";
}

std::string run_expect_tooltip(Call& c) {
    auto text = tooltip_at(c);
    if (!text || *text != c.t[4].text)
        throw ExpectationFailed("expected tooltip " + quoted(c.t[4].text) + ", found " +
                                (text ? quoted(*text) : std::string("no tooltip")));
    return {};
}

std::string run_window(Call& c) {
    c.bench.window(c.t[1].text, static_cast<std::uint32_t>(integer_arg(c.t[2], 0, 4294967295LL, "window ident")));
    return {};
}

std::string run_expect_window(Call& c) {
    const auto& t = c.t;
    auto ident = static_cast<std::uint32_t>(integer_arg(t[1], 0, 4294967295LL, "window ident"));
    if (!c.impl.windows.exists(ident)) throw ScriptError("no panel window " + t[1].text);
    if (t[2].text != "open" && t[2].text != "closed") throw ScriptError("expected open or closed");
    bool open = c.impl.windows.is_open(ident);
    if (open != (t[2].text == "open"))
        throw ExpectationFailed("expected window " + t[1].text + " " + t[2].text + ", found " +
                                (open ? "open" : "closed"));
    return {};
}

std::string run_view(Call& c) {
    c.bench.view(static_cast<std::uint32_t>(integer_arg(c.t[1], 0, 4294967295LL, "view")));
    return {};
}

std::string run_menu(Call& c) {
    scstandin::menu_select(static_cast<std::uint32_t>(integer_arg(c.t[1], 0, 4294967295LL, "menu id")));
    return {};
}

// Another client's side of a client-data area (the SquawkBox peer, for one):
// client-data "SquawkBox Data" 17 0      writes bytes at an offset
// expect-client-data "SquawkBox Data" 17 1
std::vector<unsigned char> byte_args(const std::vector<Token>& t) {
    std::vector<unsigned char> bytes;
    for (std::size_t i = 3; i < t.size(); ++i)
        bytes.push_back(static_cast<unsigned char>(integer_arg(t[i], 0, 255, "byte")));
    return bytes;
}

std::string run_client_data(Call& c) {
    const auto offset = static_cast<std::uint32_t>(integer_arg(c.t[2], 0, 8191, "offset"));
    scstandin::set_client_data(c.t[1].text, offset, byte_args(c.t));
    return {};
}

std::string run_expect_client_data(Call& c) {
    const auto& t = c.t;
    const auto offset = static_cast<std::uint32_t>(integer_arg(t[2], 0, 8191, "offset"));
    const auto bytes = byte_args(t);
    const auto area = scstandin::client_data(t[1].text);
    if (offset >= area.size())
        throw ExpectationFailed("expected client data \"" + t[1].text + "\" at " + t[2].text + " == " + t[3].text +
                                ", found no such area or offset");
    if (area[offset] != bytes[0])
        throw ExpectationFailed("expected client data \"" + t[1].text + "\" at " + t[2].text + " == " + t[3].text +
                                ", found " + std::to_string(area[offset]));
    return {};
}

std::string run_save(Call& c) {
    if (c.t[1].text.empty() || c.t[1].text.size() > 259) throw ScriptError("flight name must be 1 to 259 characters");
    scstandin::system_event("FlightSaved", 0, c.t[1].text);
    return {};
}

std::string run_unload(Call& c) {
    c.bench.unload();
    return {};
}

std::string run_load(Call& c) {
    c.bench.load(c.t.size() == 2 ? c.t[1].text : std::string());
    return {};
}

ElementState element_at(Call& c) {
    int index = static_cast<int>(integer_arg(c.t[2], 0, 100000, "element index"));
    return c.bench.element(c.t[1].text, index);
}

std::string run_element(Call& c) { return element_text(c.t[1].text, element_at(c)) + "\n"; }

std::string run_expect_element(Call& c) {
    const auto& t = c.t;
    ElementState e = element_at(c);
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

std::string run_mark(Call& c) {
    c.bench.mark();
    return {};
}

std::string run_log(Call& c) {
    const std::string& what = c.t[1].text;
    Bench::Impl& impl = c.impl;
    if (what == "keys") {
        std::string out;
        for (const auto& k : impl.keys) out += std::to_string(k.id) + " " + std::to_string(k.param) + "\n";
        return out;
    }
    if (what == "simconnect") return join_lines(c.bench.simconnect_log());
    if (what == "texts") return join_lines(c.bench.texts());
    if (what == "calculator") return join_lines(impl.calc_log.lines());
    if (what == "elements") return join_lines(impl.element_list_calls);
    if (what == "faults") return join_lines(impl.fault_list);
    if (what == "console") return join_lines(impl.console_lines);
    throw ScriptError("log what? keys, simconnect, texts, calculator, elements, faults or console");
}

std::string run_expect_key(Call& c) {
    const auto& t = c.t;
    auto id = static_cast<std::uint32_t>(integer_arg(t[1], 0, 4294967295LL, "key event id"));
    std::optional<std::uint32_t> param;
    if (t.size() == 3) param = param_arg(t[2], "parameter");
    std::string seen;
    for (const auto& k : c.impl.keys) {
        if (k.id != id) continue;
        if (!param || k.param == *param) return {};
        seen += (seen.empty() ? "" : ", ") + std::to_string(k.id) + " " + std::to_string(k.param);
    }
    throw ExpectationFailed("expected key " + t[1].text + (param ? " " + t[2].text : "") + ", found " +
                            (seen.empty() ? "none since the mark" : seen));
}

std::string run_expect_no_key(Call& c) {
    const auto& t = c.t;
    auto id = static_cast<std::uint32_t>(integer_arg(t[1], 0, 4294967295LL, "key event id"));
    std::optional<std::uint32_t> param;
    if (t.size() == 3) param = param_arg(t[2], "parameter");
    std::size_t count = 0;
    std::string first;
    for (const auto& k : c.impl.keys) {
        if (k.id != id || (param && k.param != *param)) continue;
        if (count++ == 0) first = std::to_string(k.id) + " " + std::to_string(k.param);
    }
    if (count == 0) return {};
    throw ExpectationFailed("expected no key " + t[1].text + (param ? " " + t[2].text : "") +
                            " since the mark, found " + first + times(count));
}

std::string run_expect_text(Call& c) {
    auto shown = c.bench.texts();
    for (const auto& s : shown)
        if (s == c.t[1].text) return {};
    std::string seen;
    for (const auto& s : shown) seen += (seen.empty() ? "" : ", ") + quoted(s);
    throw ExpectationFailed("expected text " + quoted(c.t[1].text) + ", found " +
                            (seen.empty() ? "no text since the mark" : seen));
}

std::string run_expect_no_text(Call& c) {
    std::size_t count = 0;
    for (const auto& s : c.bench.texts())
        if (s == c.t[1].text) ++count;
    if (count == 0) return {};
    throw ExpectationFailed("expected no text " + quoted(c.t[1].text) + " since the mark, found it" + times(count));
}

std::string run_expect_simconnect(Call& c) {
    for (const auto& call : c.bench.simconnect_log())
        if (call.find(c.t[1].text) != std::string::npos) return {};
    throw ExpectationFailed("expected a SimConnect call containing " + quoted(c.t[1].text) +
                            ", found none since the mark");
}

std::string run_expect_no_simconnect(Call& c) {
    std::size_t count = 0;
    std::string first;
    for (const auto& call : c.bench.simconnect_log()) {
        if (call.find(c.t[1].text) == std::string::npos) continue;
        if (count++ == 0) first = call;
    }
    if (count == 0) return {};
    throw ExpectationFailed("expected no SimConnect call containing " + quoted(c.t[1].text) +
                            " since the mark, found " + first + (count > 1 ? " and " + std::to_string(count - 1) +
                                                                                 " more" : std::string()));
}

std::string run_unreadable(Call& c) {
    c.bench.make_unreadable(c.t[1].text);
    return {};
}

// "2026-12-08" "09:05:00"
std::string run_wall_clock(Call& c) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char end = 0;
    if (std::sscanf(c.t[1].text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &end) != 3 ||
        std::sscanf(c.t[2].text.c_str(), "%2d:%2d:%2d%c", &hour, &minute, &second, &end) != 3)
        throw ScriptError("usage: wall-clock YYYY-MM-DD HH:MM:SS");
    c.bench.set_wall_clock(year, month, day, hour, minute, second);
    return {};
}

std::string run_dump(Call& c) {
    std::string prefix = c.t.size() == 2 ? upper(c.t[1].text) : std::string();
    std::string out;
    for (const auto& [key, entry] : c.impl.vars.all()) {
        if (key.compare(0, prefix.size(), prefix) != 0) continue;
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about a string
        // literal placed before a temporary string with operator+.
        out += quoted(entry.display);
        out += " = ";
        out += format_number(entry.value);
        if (entry.text) {
            out += ' ';
            out += quoted(*entry.text);
        }
        out += '\n';
    }
    return out;
}

std::string run_describe(Call& c) {
    if (c.t[1].text != "gauges") throw ScriptError("describe what? gauges");
    return c.impl.describe();
}

// One row per command: its name, how many arguments it takes (after the name), its usage
// (the "usage: ..." error of a wrong count, and --help), what it does (--help), whether it
// needs the module loaded (its gauges, its menu, its handling of a saved flight) and the
// function that runs it.
enum Needs : bool { Anything = false, Module = true };

struct Command {
    const char* name;
    std::size_t min_args;
    std::size_t max_args;
    const char* usage;
    const char* does;
    Needs needs;
    Handler run;
};

constexpr Command kCommands[] = {
    {"frames", 1, 1, "frames N", "run N frames", Anything, run_frames},
    {"seconds", 1, 1, "seconds S", "run S simulated seconds", Anything, run_seconds},
    {"start", 1, 3, "start ready|cold-and-dark|cruise [ALTITUDE_FT [SPEED_KT]]",
     "from a fresh load: the aircraft ready to fly (engines running), cold and dark (engines stopped) or in "
     "level cruise, gear and flaps up (default 25000 ft, 300 kt)", Module,
     run_start},
    {"restart-clocks", 0, 0, "restart-clocks",
     "the simulator's clocks (tokens 1 and 604) start again from 0, as when it loads another flight", Anything,
     run_restart_clocks},
    {"set", 2, 2, "set VAR VALUE", "write a variable (a quoted VALUE sets its text)", Anything, run_set},
    {"get", 1, 1, "get VAR", "print a variable", Anything, run_get},
    {"token", 1, 2, "token N [VALUE]", "print a token, or set the simulated value behind it", Anything, run_token},
    {"expect", 3, 4, "expect VAR OP VALUE [TOL]", "OP is == != < <= > >=; == and != with TOL compare within TOL",
     Anything, run_expect},
    {"key", 1, 2, "key ID [PARAM]", "the simulator processes key event ID (handlers see it)", Anything, run_key},
    {"event", 1, 2, "event NAME [VALUE]", "the pilot's input of simulator event NAME", Anything, run_event},
    {"click", 3, 4, "click GAUGE X Y [BUTTON]",
     "mouse event at pixel X,Y; BUTTON: left (default), right, release, repeat, drag, move, wheelup, "
     "wheeldown or a hex mask",
     Module, run_click},
    {"tooltip", 3, 3, "tooltip GAUGE X Y", "print the tooltip there, arguments substituted", Module, run_tooltip},
    {"expect-tooltip", 4, 4, "expect-tooltip GAUGE X Y \"TEXT\"", "the tooltip there is TEXT", Module,
     run_expect_tooltip},
    {"window", 2, 2, "window open|close|toggle IDENT", "open, close or toggle a panel window", Anything, run_window},
    {"expect-window", 2, 2, "expect-window IDENT open|closed", "a panel window is open or closed", Anything,
     run_expect_window},
    {"menu", 1, 1, "menu ID", "choose an add-on menu item or sub-item", Module, run_menu},
    {"view", 1, 1, "view N", "the pilot changes the view (View event: 1 2D cockpit, 2 virtual cockpit, 4 outside)",
     Module, run_view},
    {"client-data", 3, 63, "client-data AREA OFFSET BYTE...", "another client writes bytes into a client-data area",
     Anything, run_client_data},
    {"expect-client-data", 3, 3, "expect-client-data AREA OFFSET BYTE", "a client-data area holds BYTE at OFFSET",
     Anything, run_expect_client_data},
    {"save", 1, 1, "save NAME", "the simulator saves the flight (FlightSaved with that path)", Module, run_save},
    {"unload", 0, 0, "unload", "unload the module", Module, run_unload},
    {"load", 0, 1, "load [FLIGHT]", "load the module afresh, reporting FLIGHT as loaded", Anything, run_load},
    {"unreadable", 1, 1, "unreadable PATH",
     "the file the module names PATH (relative: in the simulator folder) cannot be read from now on", Anything,
     run_unreadable},
    {"wall-clock", 2, 2, "wall-clock YYYY-MM-DD HH:MM:SS",
     "the computer's clock reads this local date and time from now on, running with the bench clock", Anything,
     run_wall_clock},
    {"element", 2, 2, "element GAUGE INDEX", "print the last update result of an element", Module, run_element},
    {"expect-element", 4, 4, "expect-element GAUGE INDEX OP VALUE",
     "compare an element's result (a number, \"TEXT\", hidden or shown)", Module, run_expect_element},
    {"mark", 0, 0, "mark", "the logs and expectations below look at what follows (across unload and load)",
     Anything, run_mark},
    {"log", 1, 1, "log keys|simconnect|texts|calculator|elements|faults|console",
     "print a log: faults and console whole, the others since the mark", Anything, run_log},
    {"expect-key", 1, 2, "expect-key ID [PARAM]", "key event ID was processed since the mark", Anything,
     run_expect_key},
    {"expect-no-key", 1, 2, "expect-no-key ID [PARAM]", "key event ID was not processed since the mark", Anything,
     run_expect_no_key},
    {"expect-text", 1, 1, "expect-text \"TEXT\"", "TEXT was shown on screen since the mark", Anything,
     run_expect_text},
    {"expect-no-text", 1, 1, "expect-no-text \"TEXT\"", "TEXT was not shown on screen since the mark", Anything,
     run_expect_no_text},
    {"expect-simconnect", 1, 1, "expect-simconnect \"TEXT\"", "a SimConnect call containing TEXT since the mark",
     Anything, run_expect_simconnect},
    {"expect-no-simconnect", 1, 1, "expect-no-simconnect \"TEXT\"", "no SimConnect call containing TEXT since the mark",
     Anything, run_expect_no_simconnect},
    {"dump", 0, 1, "dump [PREFIX]", "print all variables, or those whose names start with PREFIX", Anything,
     run_dump},
    {"describe", 1, 1, "describe gauges", "JSON of everything a host can read from the exports", Module,
     run_describe},
};

const Command* find_command(const std::string& name) {
    for (const Command& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

}  // namespace

std::string script_commands_help() {
    constexpr std::size_t kColumn = 40;
    std::string out;
    for (const Command& c : kCommands) {
        std::string line = std::string("  ") + c.usage;
        if (line.size() + 2 > kColumn) line += "\n" + std::string(kColumn, ' ');
        else line += std::string(kColumn - line.size(), ' ');
        out += line + c.does + "\n";
    }
    return out;
}

std::string Bench::Impl::exec(Bench& bench, std::string_view line) {
    auto t = tokenize(line);
    if (t.empty()) return {};
    if (t[0].quoted) throw ScriptError("a command cannot be quoted text");
    const Command* command = find_command(t[0].text);
    if (command == nullptr) throw ScriptError("unknown command '" + t[0].text + "'");
    const std::size_t args = t.size() - 1;
    if (args < command->min_args || args > command->max_args)
        throw ScriptError(std::string("usage: ") + command->usage);
    if (command->needs == Module && !module_loaded) throw ScriptError("the module is not loaded");
    Call call{bench, *this, t};
    return command->run(call);
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
            err << file_name << ":" << number << ": " << printable(e.what()) << "\n";
            status = 1;
        } catch (const std::exception& e) {
            err << file_name << ":" << number << ": " << printable(e.what()) << "\n";
            return 2;
        }
    }
    out.flush();
    return status;
}

}  // namespace bench
