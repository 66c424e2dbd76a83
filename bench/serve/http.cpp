// The workbench's HTTP side: the page's files, its JSON requests (each carried out on the
// bench thread), the live updates as server-sent events, on 127.0.0.1 only. Requests must
// name this computer as their host (a page elsewhere cannot reach the bench through a
// name that resolves here), and every request that changes something is JSON, which a
// page of another origin cannot send without asking first.
#include <httplib.h>

#include <atomic>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "assets.h"
#include "serve.h"
#include "session.h"

namespace bench::serve {

namespace {

using nlohmann::json;

constexpr const char* kAddress = "127.0.0.1";
constexpr std::size_t kMaxBody = 4 * 1024 * 1024;
constexpr std::size_t kMaxName = 1024;
constexpr std::size_t kMaxVariables = 2000;
constexpr int kMaxCoordinate = 100000;
constexpr double kMaxSeconds = 3600.0;
constexpr std::int64_t kMaxFrames = 100000;
constexpr const char* kRecordings = "SimObjects/Airplanes/VK_Tarmelon/panel/FlightAnalysis";

volatile std::sig_atomic_t g_stop_signal = 0;
extern "C" void on_stop_signal(int) { g_stop_signal = 1; }

void reply(httplib::Response& res, int status, const json& body) {
    res.status = status;
    res.set_content(to_text(body), "application/json; charset=utf-8");
}

void fail(httplib::Response& res, const RequestError& e) { reply(res, e.status, {{"error", e.message}}); }

json body_of(const httplib::Request& req) {
    json j = json::parse(req.body, nullptr, false);
    if (j.is_discarded() || !j.is_object()) throw RequestError{400, "the request is not a JSON object"};
    return j;
}

// A text field: present, a string, of reasonable length, without control characters.
std::string text_field(const json& j, const char* name, bool may_be_empty = false) {
    if (!j.contains(name) || !j[name].is_string()) throw RequestError{400, std::string("\"") + name + "\" must be text"};
    std::string s = j[name].get<std::string>();
    if (s.size() > kMaxName) throw RequestError{400, std::string("\"") + name + "\" is too long"};
    if (s.empty() && !may_be_empty) throw RequestError{400, std::string("\"") + name + "\" is empty"};
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7F) throw RequestError{400, std::string("\"") + name + "\" holds a control character"};
    return s;
}

double number_field(const json& j, const char* name, double lo, double hi) {
    if (!j.contains(name) || !j[name].is_number())
        throw RequestError{400, std::string("\"") + name + "\" must be a number"};
    const double v = j[name].get<double>();
    if (!(v >= lo && v <= hi))
        throw RequestError{400, std::string("\"") + name + "\" must be " + json(lo).dump() + " to " + json(hi).dump()};
    return v;
}

// Text as a script's quoted argument: quotes and the backslashes before them escaped.
std::string script_quote(const std::string& text) {
    std::string out = "\"";
    std::size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
        } else if (c == '"') {
            out.append(backslashes + 1, '\\');
            backslashes = 0;
        } else {
            backslashes = 0;
        }
        out += c;
    }
    out.append(backslashes, '\\');
    return out + "\"";
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool local_host(const std::string& host, int port) {
    const std::string p = ":" + std::to_string(port);
    if (host == std::string(kAddress) + p || host == "localhost" + p) return true;
    return port == 80 && (host == kAddress || host == "localhost");  // the default port goes unnamed
}

// A request's work: its answer, or its error as JSON with its status.
template <typename F>
auto handler(F f) {
    return [f](const httplib::Request& req, httplib::Response& res) {
        try {
            reply(res, 200, f(req));
        } catch (const RequestError& e) {
            fail(res, e);
        } catch (const std::exception& e) {
            fail(res, RequestError{500, e.what()});
        }
    };
}

std::vector<std::string> recordings(const std::string& root) {
    namespace fs = std::filesystem;
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(root) / kRecordings, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec)) out.push_back(it->path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

// Only this computer, and only JSON for what changes something.
void guard_routes(httplib::Server& svr, int& port) {
    svr.set_pre_routing_handler([&port](const httplib::Request& req, httplib::Response& res) {
        if (!local_host(req.get_header_value("Host"), port)) {
            reply(res, 403, {{"error", "the workbench answers only to 127.0.0.1 and localhost"}});
            return httplib::Server::HandlerResponse::Handled;
        }
        if (req.method == "POST" && req.get_header_value("Content-Type").rfind("application/json", 0) != 0) {
            reply(res, 415, {{"error", "requests that change something must be JSON (Content-Type: application/json)"}});
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
}

// The page's files, the layout, the state and the live updates.
void page_routes(httplib::Server& svr, Session& session) {
    svr.Get(R"(/[a-z_]*(\.[a-z]+)?)", [](const httplib::Request& req, httplib::Response& res) {
        const Asset* a = find_asset(req.path);
        if (a == nullptr) {
            reply(res, 404, {{"error", "no such page"}});
            return;
        }
        res.set_header("Cache-Control", "no-cache");
        res.set_content(reinterpret_cast<const char*>(a->data), a->size, a->content_type);
    });

    svr.Get("/api/layout", [&session](const httplib::Request&, httplib::Response& res) {
        res.set_content(session.layout_json(), "application/json; charset=utf-8");
    });
    svr.Get("/api/state", [&session](const httplib::Request&, httplib::Response& res) {
        res.set_content(session.snapshot(), "application/json; charset=utf-8");
    });
    svr.Get("/api/events", [&session](const httplib::Request&, httplib::Response& res) {
        struct Cursor {
            std::uint64_t seen = 0, generation = 0, row = 0;
        };
        auto cursor = std::make_shared<Cursor>();
        res.set_header("Cache-Control", "no-cache");
        res.set_chunked_content_provider("text/event-stream", [&session, cursor](std::size_t, httplib::DataSink& sink) {
            if (session.stopping()) return false;
            std::string update =
                session.next_update(cursor->seen, cursor->generation, cursor->row, std::chrono::seconds(10));
            if (session.stopping()) return false;
            const std::string message = update.empty() ? std::string(": still here\n\n") : "data: " + update + "\n\n";
            return sink.write(message.data(), message.size());
        });
    });
}

// What the page reads: variables, tooltips, the flight recordings.
void reading_routes(httplib::Server& svr, Session& session, const ServeOptions& opts, const std::string& root) {
    svr.Get("/api/variables", handler([&session](const httplib::Request& req) {
        const std::string filter = lower(req.get_param_value("filter"));
        if (filter.size() > kMaxName) throw RequestError{400, "the filter is too long"};
        return session.call([filter](Bench& b) {
            json list = json::array();
            std::size_t matched = 0;
            for (const Bench::Variable& v : b.variables()) {
                if (!filter.empty() && lower(v.name).find(filter) == std::string::npos) continue;
                if (++matched > kMaxVariables) continue;
                json row = {{"name", v.name}, {"value", v.value}};
                if (v.text) row["text"] = *v.text;
                list.push_back(std::move(row));
            }
            return json{{"matched", matched}, {"variables", std::move(list)}};
        });
    }));
    svr.Get("/api/tooltip", handler([&session](const httplib::Request& req) {
        const std::string gauge = req.get_param_value("gauge");
        auto coordinate = [&](const char* name) {
            const std::string text = req.get_param_value(name);
            char* end = nullptr;
            errno = 0;
            const long v = std::strtol(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || errno != 0 || v < -kMaxCoordinate || v > kMaxCoordinate)
                throw RequestError{400, std::string(name) + " must be a whole number"};
            return static_cast<int>(v);
        };
        const int x = coordinate("x"), y = coordinate("y");
        if (gauge.empty() || gauge.size() > kMaxName) throw RequestError{400, "which gauge?"};
        return session.call([gauge, x, y](Bench& b) {
            if (!b.loaded()) throw ScriptError("the module is not loaded");
            auto tip = b.tooltip(gauge, x, y);
            return json{{"tooltip", tip ? json(*tip) : json(nullptr)}};
        });
    }));
    svr.Get("/api/recordings", handler([root](const httplib::Request&) {
        return json{{"folder", kRecordings}, {"recordings", recordings(root)}};
    }));
    svr.Get("/api/recordings/plot", [root, &opts](const httplib::Request& req, httplib::Response& res) {
        const std::string name = req.get_param_value("name");
        const auto all = recordings(root);
        if (std::find(all.begin(), all.end(), name) == all.end() || !opts.plot) {
            reply(res, 404, {{"error", "no recording named " + name}});
            return;
        }
        std::string svg, why;
        if (!opts.plot((std::filesystem::path(root) / kRecordings / name).string(), svg, why)) {
            reply(res, 404, {{"error", why}});
            return;
        }
        res.set_content(svg, "image/svg+xml");
    });
}

// The pilot's hands: clicks and values set.
void input_routes(httplib::Server& svr, Session& session) {
    svr.Post("/api/mouse", handler([&session](const httplib::Request& req) {
        const json j = body_of(req);
        const std::string gauge = text_field(j, "gauge");
        const int x = static_cast<int>(number_field(j, "x", -kMaxCoordinate, kMaxCoordinate));
        const int y = static_cast<int>(number_field(j, "y", -kMaxCoordinate, kMaxCoordinate));
        const auto flags = static_cast<std::uint32_t>(number_field(j, "flags", 1, 4294967295.0));
        return session.call([gauge, x, y, flags](Bench& b) {
            if (!b.loaded()) throw ScriptError("the module is not loaded");
            return json{{"record", b.click(gauge, x, y, flags)}};
        });
    }));
    svr.Post("/api/set", handler([&session](const httplib::Request& req) {
        const json j = body_of(req);
        const std::string name = text_field(j, "name");
        if (!j.contains("value") || !(j["value"].is_number() || j["value"].is_string()))
            throw RequestError{400, "\"value\" must be a number or text"};
        const json value = j["value"];
        if (value.is_string()) text_field(j, "value", true);
        return session.call([name, value](Bench& b) {
            if (value.is_number()) b.set(name, value.get<double>());
            else b.exec("set " + script_quote(name) + " " + script_quote(value.get<std::string>()));
            return json{{"name", name}, {"value", b.get(name)}};
        });
    }));
}

// The clock and the bench: running, stepping, start states, commands and scripts.
void running_routes(httplib::Server& svr, Session& session) {
    svr.Post("/api/run", handler([&session](const httplib::Request& req) {
        const json j = body_of(req);
        if (!j.contains("running") || !j["running"].is_boolean()) throw RequestError{400, "\"running\" must be true or false"};
        const double speed = j.contains("speed") ? number_field(j, "speed", 0.1, 50.0) : 1.0;
        session.set_running(j["running"].get<bool>(), speed);
        return json{{"running", j["running"]}, {"speed", speed}};
    }));
    svr.Post("/api/step", handler([&session](const httplib::Request& req) {
        const json j = body_of(req);
        const auto n = static_cast<std::int64_t>(j.contains("frames") ? number_field(j, "frames", 1, kMaxFrames) : 1);
        return session.call([&session, n](Bench& b) {
            session.run_frames(b, n);
            return json{{"time", b.sim_seconds()}};
        });
    }));
    svr.Post("/api/seconds", handler([&session](const httplib::Request& req) {
        const double s = number_field(body_of(req), "seconds", 0.0, kMaxSeconds);
        return session.call([&session, s](Bench& b) {
            session.run_frames(b, std::llround(s * b.options().fps));
            return json{{"time", b.sim_seconds()}};
        });
    }));
    svr.Post("/api/start", handler([&session](const httplib::Request& req) {
        const json j = body_of(req);
        const std::string state = text_field(j, "state");
        if (state != "ready" && state != "cold-and-dark" && state != "cruise")
            throw RequestError{400, "start ready, cold-and-dark or cruise"};
        // The cruise's altitude and speed, each optional, within what the bench aircraft flies.
        const double altitude = j.contains("altitude_ft") ? number_field(j, "altitude_ft", Bench::kCruiseAltitudeLowest,
                                                                          Bench::kCruiseAltitudeHighest)
                                                          : Bench::kCruiseAltitudeFeet;
        const double speed = j.contains("speed_kt")
                                 ? number_field(j, "speed_kt", Bench::kCruiseSpeedLowest, Bench::kCruiseSpeedHighest)
                                 : Bench::kCruiseSpeedKnots;
        if (state != "cruise" && (j.contains("altitude_ft") || j.contains("speed_kt")))
            throw RequestError{400, "an altitude and a speed are for the cruise only"};
        return session.call([&session, state, altitude, speed](Bench& b) {
            // From a fresh load, as a script's start is; the logs begin with it.
            b.mark();
            b.load();
            session.layout_changed();
            std::string out = state == "cruise" ? b.start_cruise(altitude, speed) : b.start(state);
            session.run_frames(b, 0);
            return json{{"output", out}, {"time", b.sim_seconds()}};
        });
    }));
    svr.Post("/api/command", handler([&session](const httplib::Request& req) {
        const std::string line = text_field(body_of(req), "line");
        return session.call([&session, line](Bench& b) {
            session.layout_changed();
            return json{{"output", b.exec(line)}};
        });
    }));
    svr.Post("/api/script", handler([&session](const httplib::Request& req) {
        const json j = body_of(req);
        const std::string name = text_field(j, "name");
        if (!j.contains("text") || !j["text"].is_string()) throw RequestError{400, "\"text\" must be the script"};
        const std::string text = j["text"].get<std::string>();
        return session.call([&session, name, text](Bench& b) {
            std::istringstream in(text);
            std::ostringstream out, err;
            session.layout_changed();
            const int status = b.run_script(in, name, out, err);
            return json{{"status", status}, {"output", out.str()}, {"errors", err.str()}};
        });
    }));
}

// Flights saved and loaded, windows, the timeline's variables, the logs' mark.
void flight_routes(httplib::Server& svr, Session& session) {
    svr.Post("/api/save", handler([&session](const httplib::Request& req) {
        const std::string name = text_field(body_of(req), "name");
        return session.call([name](Bench& b) { return json{{"output", b.exec("save " + script_quote(name))}}; });
    }));
    svr.Post("/api/load", handler([&session](const httplib::Request& req) {
        const json j = body_of(req);
        const std::string flight = j.contains("flight") ? text_field(j, "flight", true) : std::string();
        return session.call([&session, flight](Bench& b) {
            b.load(flight);
            session.layout_changed();
            return json{{"loaded", b.loaded()}, {"flight", b.options().flight}};
        });
    }));
    svr.Post("/api/window", handler([&session](const httplib::Request& req) {
        const json j = body_of(req);
        const auto ident = static_cast<std::uint32_t>(number_field(j, "ident", 0, 4294967295.0));
        const std::string action = text_field(j, "action");
        return session.call([ident, action](Bench& b) {
            b.window(action, ident);
            return json{{"ident", ident}, {"open", b.window_open(ident)}};
        });
    }));
    svr.Post("/api/watch", handler([&session](const httplib::Request& req) {
        const json j = body_of(req);
        if (!j.contains("names") || !j["names"].is_array()) throw RequestError{400, "\"names\" must be a list"};
        std::vector<std::string> names;
        for (const json& n : j["names"]) {
            if (!n.is_string() || n.get<std::string>().size() > kMaxName) throw RequestError{400, "every name must be text"};
            names.push_back(n.get<std::string>());
        }
        if (names.size() > Session::kMaxWatched)
            throw RequestError{400, "the timeline follows at most " + std::to_string(Session::kMaxWatched) + " variables"};
        return session.watch(names);
    }));
    svr.Post("/api/mark", handler([&session](const httplib::Request&) {
        return session.call([](Bench& b) {
            b.mark();
            return json{{"marked", b.sim_seconds()}};
        });
    }));
}

void routes(httplib::Server& svr, Session& session, const ServeOptions& opts, const std::string& root, int& port) {
    guard_routes(svr, port);
    page_routes(svr, session);
    reading_routes(svr, session, opts, root);
    input_routes(svr, session);
    running_routes(svr, session);
    flight_routes(svr, session);
}

}  // namespace

int serve(const Options& options, const ServeOptions& serve_options) {
    std::unique_ptr<Session> session;
    try {
        session = std::make_unique<Session>(options);
    } catch (const std::exception& e) {
        std::cerr << "tarmelon-bench: " << e.what() << "\n";
        return 2;
    }
    for (const auto& script : serve_options.scripts) {
        const std::string& name = script.first;
        const std::string& text = script.second;
        try {
            json result = session->call([&](Bench& b) {
                std::istringstream in(text);
                std::ostringstream out, err;
                const int status = b.run_script(in, name, out, err);
                return json{{"status", status}, {"output", out.str()}, {"errors", err.str()}};
            });
            std::cout << result["output"].get<std::string>() << std::flush;
            std::cerr << result["errors"].get<std::string>() << std::flush;
        } catch (const RequestError& e) {
            std::cerr << "tarmelon-bench: " << name << ": " << e.message << "\n";
        }
    }
    session->layout_changed();
    session->set_running(true, 1.0);

    httplib::Server svr;
    svr.set_payload_max_length(kMaxBody);
    // Each open page holds one worker for its live updates.
    svr.new_task_queue = [] { return new httplib::ThreadPool(16); };
    int port = serve_options.port;
    const std::string root = session->call([](Bench& b) { return json(b.options().root); }).get<std::string>();
    routes(svr, *session, serve_options, root, port);
    if (port == 0) {
        port = svr.bind_to_any_port(kAddress);
        if (port <= 0) {
            std::cerr << "tarmelon-bench: cannot listen on " << kAddress << "\n";
            return 2;
        }
    } else if (!svr.bind_to_port(kAddress, port)) {
        std::cerr << "tarmelon-bench: cannot listen on " << kAddress << ":" << port
                  << " (is another program using that port?)\n";
        return 2;
    }

    g_stop_signal = 0;
    std::signal(SIGINT, on_stop_signal);
    std::signal(SIGTERM, on_stop_signal);
    std::atomic<bool> done{false};
    std::thread watcher([&] {
        while (!done) {
            if (g_stop_signal != 0) {
                session->stop();
                svr.stop();
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });
    std::cout << "tarmelon-bench: the workbench is at http://" << kAddress << ":" << port
              << "/ (Ctrl-C stops it)" << std::endl;
    svr.listen_after_bind();
    done = true;
    watcher.join();
    session->stop();
    session.reset();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    std::cout << "tarmelon-bench: the workbench stopped" << std::endl;
    return 0;
}

}  // namespace bench::serve
