#include "session.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <iostream>

namespace bench::serve {

namespace {

using nlohmann::json;
using Clock = std::chrono::steady_clock;

constexpr auto kPublishEvery = std::chrono::milliseconds(100);
constexpr auto kLogsEvery = std::chrono::milliseconds(250);
constexpr auto kIdleWait = std::chrono::milliseconds(250);
constexpr std::size_t kMaxRows = 20000;
constexpr std::size_t kKeyTail = 200;
constexpr std::size_t kSimConnectTail = 200;
constexpr std::size_t kTextTail = 100;
constexpr std::size_t kConsoleTail = 100;
constexpr std::size_t kFaultTail = 200;

template <typename T, typename F>
json tail(const std::vector<T>& log, std::size_t n, F to_json) {
    json out = json::array();
    const std::size_t from = log.size() > n ? log.size() - n : 0;
    for (std::size_t i = from; i < log.size(); ++i) out.push_back(to_json(log[i]));
    return out;
}

json tail(const std::vector<std::string>& log, std::size_t n) {
    return tail(log, n, [](const std::string& s) { return s; });
}

}  // namespace

std::string to_text(const json& j) { return j.dump(-1, ' ', false, json::error_handler_t::replace); }

Session::Session(const Options& options) {
    std::promise<void> started;
    auto ready = started.get_future();
    thread_ = std::thread([this, &options, &started] { thread_main(options, started); });
    try {
        ready.get();
    } catch (...) {
        thread_.join();
        throw;
    }
}

Session::~Session() {
    stop();
    if (thread_.joinable()) thread_.join();
}

void Session::stop() {
    std::lock_guard lock(mutex_);
    stop_ = true;
    work_ready_.notify_all();
    published_.notify_all();
}

bool Session::stopping() const {
    std::lock_guard lock(mutex_);
    return stop_;
}

void Session::thread_main(const Options& options, std::promise<void>& started) {
    std::optional<Bench> bench;
    try {
        bench.emplace(options);
        bench->set_fault_stream(&std::cerr);
    } catch (...) {
        started.set_exception(std::current_exception());
        return;
    }
    started.set_value();
    loop(*bench);
    // Whoever still waits is told; the bench (and its module) ends on this thread.
    std::deque<Task> left;
    {
        std::lock_guard lock(mutex_);
        left.swap(tasks_);
    }
    for (Task& t : left)
        t.answer.set_exception(std::make_exception_ptr(RequestError{503, "the workbench is stopping"}));
}

nlohmann::json Session::call(std::function<json(Bench&)> work) {
    std::future<json> answer;
    {
        std::lock_guard lock(mutex_);
        if (stop_) throw RequestError{503, "the workbench is stopping"};
        tasks_.push_back(Task{std::move(work), {}});
        answer = tasks_.back().answer.get_future();
        work_ready_.notify_all();
    }
    return answer.get();
}

void Session::set_running(bool running, double speed) {
    std::lock_guard lock(mutex_);
    running_ = running;
    speed_ = speed;
    ++run_epoch_;
    work_ready_.notify_all();
}

void Session::layout_changed() {
    std::lock_guard lock(mutex_);
    layout_dirty_ = true;
}

void Session::loop(Bench& bench) {
    const double fps = bench.options().fps;
    Clock::time_point run_start = Clock::now();
    std::int64_t run_frames_done = 0;
    std::uint64_t epoch_seen = ~std::uint64_t{0};
    Clock::time_point last_publish{}, last_logs{};
    publish(bench, true);
    last_publish = last_logs = Clock::now();

    for (;;) {
        std::unique_lock lock(mutex_);
        const bool running = running_;
        const double speed = speed_;
        auto deadline = Clock::now() + kIdleWait;
        if (running && epoch_seen == run_epoch_) {
            const auto next = run_start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                                              static_cast<double>(run_frames_done + 1) / (fps * speed)));
            deadline = std::min(deadline, next);
        }
        work_ready_.wait_until(lock, deadline, [&] { return stop_ || !tasks_.empty() || epoch_seen != run_epoch_; });
        if (stop_) return;

        if (!tasks_.empty()) {
            Task task = std::move(tasks_.front());
            tasks_.pop_front();
            lock.unlock();
            json result;
            std::exception_ptr error;
            try {
                result = task.work(bench);
            } catch (const ScriptError& e) {
                error = std::make_exception_ptr(RequestError{400, e.what()});
            } catch (const ExpectationFailed& e) {
                error = std::make_exception_ptr(RequestError{422, e.what()});
            } catch (const RequestError& e) {
                error = std::make_exception_ptr(e);
            } catch (const std::exception& e) {
                error = std::make_exception_ptr(RequestError{500, e.what()});
            }
            // What the request did is published before it is answered, so that the page's
            // next look sees it.
            publish(bench, true);
            last_publish = last_logs = Clock::now();
            if (error) task.answer.set_exception(error);
            else task.answer.set_value(std::move(result));
            continue;
        }

        if (epoch_seen != run_epoch_) {
            // Started, paused or another speed: count frames from now.
            epoch_seen = run_epoch_;
            run_start = Clock::now();
            run_frames_done = 0;
            lock.unlock();
            publish(bench, true);
            last_publish = last_logs = Clock::now();
            continue;
        }
        lock.unlock();
        if (!running) continue;

        const auto now = Clock::now();
        const double elapsed = std::chrono::duration<double>(now - run_start).count();
        std::int64_t due = static_cast<std::int64_t>(std::floor(elapsed * fps * speed)) - run_frames_done;
        const auto most = static_cast<std::int64_t>(std::ceil(fps * speed / 4.0));
        if (due > most) {
            // Fallen behind (a long request, a slow machine): go on from here, never in a burst.
            run_start = now;
            run_frames_done = 0;
            due = 1;
        }
        if (due > 0) {
            try {
                run_frames(bench, due);
            } catch (const std::exception& e) {
                std::cerr << "tarmelon-bench: " << e.what() << "\n";
            }
            run_frames_done += due;
        }
        if (now - last_publish >= kPublishEvery) {
            const bool logs = now - last_logs >= kLogsEvery;
            publish(bench, logs);
            last_publish = now;
            if (logs) last_logs = now;
        }
    }
}

void Session::run_frames(Bench& bench, std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i) {
        bench.frames(1);
        sample(bench);
    }
}

void Session::sample(Bench& bench) {
    std::lock_guard lock(mutex_);
    if (watched_.empty()) return;
    Row row{next_row_++, bench.sim_seconds(), {}};
    for (const std::string& name : watched_) {
        double v = std::nan("");
        try {
            v = bench.get(name);
        } catch (const ScriptError&) {
        }
        row.values.push_back(v);
    }
    rows_.push_back(std::move(row));
    if (rows_.size() > kMaxRows) rows_.pop_front();
}

json Session::watch(const std::vector<std::string>& names) {
    return call([this, names](Bench& bench) {
        std::vector<std::string> kept;
        for (const std::string& name : names) {
            if (kept.size() >= kMaxWatched) break;
            bench.get(name);  // a name get refuses is refused here
            if (std::find(kept.begin(), kept.end(), name) == kept.end()) kept.push_back(name);
        }
        {
            std::lock_guard lock(mutex_);
            watched_ = kept;
            rows_.clear();
            ++generation_;
        }
        sample(bench);
        return json{{"watched", kept}};
    });
}

json Session::logs_json(Bench& bench) const {
    const auto& keys = bench.key_log();
    const auto simconnect = bench.simconnect_log();
    const auto texts = bench.texts();
    const auto& console = bench.console();
    const auto faults = bench.faults();
    return {
        {"keys", tail(keys, kKeyTail, [](const Bench::KeyEvent& k) { return json::array({k.id, k.param}); })},
        {"keys_total", keys.size()},
        {"simconnect", tail(simconnect, kSimConnectTail)},
        {"simconnect_total", simconnect.size()},
        {"texts", tail(texts, kTextTail)},
        {"texts_total", texts.size()},
        {"console", tail(console, kConsoleTail)},
        {"console_total", console.size()},
        {"faults", tail(faults, kFaultTail)},
        {"faults_total", faults.size()},
    };
}

void Session::publish(Bench& bench, bool with_logs) {
    bool relayout;
    {
        std::lock_guard lock(mutex_);
        relayout = layout_dirty_ || layout_.loaded != bench.loaded();
        layout_dirty_ = false;
    }
    if (relayout) {
        layout_ = make_layout(bench);
        std::string text = to_text(layout_.json);
        std::lock_guard lock(mutex_);
        if (text != layout_text_) {
            layout_text_ = std::move(text);
            ++layout_version_;
        }
    }
    json windows = json::object();
    for (const json& w : layout_.json["windows"]) {
        const auto ident = w["ident"].get<std::uint32_t>();
        windows[std::to_string(ident)] = ident == 0 || bench.window_open(ident);
    }
    json logs;
    if (with_logs) logs = logs_json(bench);
    json state = {{"time", bench.sim_seconds()},
                  {"fps", bench.options().fps},
                  {"loaded", bench.loaded()},
                  {"simconnect", bench.simconnect_open()},
                  {"windows", std::move(windows)},
                  {"instances", instance_states(bench, layout_)}};
    std::lock_guard lock(mutex_);
    if (with_logs) logs_ = std::move(logs);
    state["seq"] = ++snapshot_seq_;
    state["running"] = running_;
    state["speed"] = speed_;
    state["layout"] = layout_version_;
    state["logs"] = logs_;
    state["watched"] = watched_;
    snapshot_ = to_text(state);
    published_.notify_all();
}

std::string Session::layout_json() {
    std::lock_guard lock(mutex_);
    return "{\"version\":" + std::to_string(layout_version_) + ",\"layout\":" + layout_text_ + "}";
}

std::string Session::snapshot() {
    std::lock_guard lock(mutex_);
    return snapshot_;
}

std::string Session::next_update(std::uint64_t& seen, std::uint64_t& generation, std::uint64_t& row,
                                 std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    published_.wait_for(lock, timeout, [&] { return stop_ || snapshot_seq_ > seen; });
    if (stop_ || snapshot_seq_ <= seen) return {};
    seen = snapshot_seq_;
    const bool reset = generation != generation_;
    if (reset) {
        generation = generation_;
        row = 0;
    }
    json rows = json::array();
    auto from = std::upper_bound(rows_.begin(), rows_.end(), row,
                                 [](std::uint64_t r, const Row& x) { return r < x.serial; });
    for (auto it = from; it != rows_.end(); ++it) {
        json values = json::array();
        values.push_back(it->t);
        for (double v : it->values) values.push_back(v);
        rows.push_back(std::move(values));
        row = it->serial;
    }
    json timeline = {{"generation", generation_}, {"reset", reset}, {"names", watched_}, {"rows", std::move(rows)}};
    return "{\"state\":" + snapshot_ + ",\"timeline\":" + to_text(timeline) + "}";
}

}  // namespace bench::serve
