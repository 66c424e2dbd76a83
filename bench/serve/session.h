// The served bench: one Bench, owned by one thread that runs its frames (in step with the
// wall clock while running) and every request the pages make of it, one at a time, so the
// module only ever runs on that thread, as in the simulator. The thread publishes what the
// pages show (a snapshot) after each request and, while running, ten times a second, and
// samples the timeline's variables every frame.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "bench.h"
#include "views.h"

namespace bench::serve {

// A request the bench could not carry out: what the page shows, and the HTTP status.
struct RequestError {
    int status;
    std::string message;
};

// JSON as text; bytes that are not UTF-8 become U+FFFD.
std::string to_text(const nlohmann::json& j);

class Session {
public:
    // Creates the bench on its own thread; throws what creating it threw.
    explicit Session(const Options& options);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs work on the bench thread and waits for its answer. ScriptError and
    // ExpectationFailed come back as RequestError (400 and 422).
    nlohmann::json call(std::function<nlohmann::json(Bench&)> work);

    // Running frames in step with the wall clock, at speed times real time.
    void set_running(bool running, double speed);

    // The page's view of the bench: what layout_json() gives, and the latest snapshot.
    std::string layout_json();
    // Waits (at most timeout) for a snapshot newer than `seen`, then returns it with the
    // timeline rows after `row` (all of them when the timeline started again since
    // `generation`); updates the three. Empty when nothing new came or the session stops.
    std::string next_update(std::uint64_t& seen, std::uint64_t& generation, std::uint64_t& row,
                            std::chrono::milliseconds timeout);
    std::string snapshot();

    // The variables the timeline follows (at most kMaxWatched; the others are left out).
    static constexpr std::size_t kMaxWatched = 8;
    nlohmann::json watch(const std::vector<std::string>& names);

    // Called from the bench thread's work: the panels may have changed (a load, an unload).
    void layout_changed();
    // Runs n frames, sampling the timeline after each (bench thread only).
    void run_frames(Bench& bench, std::int64_t n);

    bool stopping() const;
    void stop();

private:
    struct Task {
        std::function<nlohmann::json(Bench&)> work;
        std::promise<nlohmann::json> answer;
    };
    struct Row {
        std::uint64_t serial;
        double t;
        std::vector<double> values;
    };

    void thread_main(const Options& options, std::promise<void>& started);
    void loop(Bench& bench);
    void publish(Bench& bench, bool with_logs);
    void sample(Bench& bench);
    nlohmann::json logs_json(Bench& bench) const;

    std::thread thread_;
    mutable std::mutex mutex_;  // everything below
    std::condition_variable work_ready_;
    std::condition_variable published_;
    std::deque<Task> tasks_;
    bool stop_ = false;
    bool running_ = false;
    double speed_ = 1.0;
    std::uint64_t run_epoch_ = 0;  // bumped whenever running or speed changes

    std::string layout_text_;
    std::uint64_t layout_version_ = 0;
    bool layout_dirty_ = true;
    Layout layout_;  // bench thread only

    std::string snapshot_;
    std::uint64_t snapshot_seq_ = 0;
    nlohmann::json logs_;  // the last logs published

    std::vector<std::string> watched_;
    std::uint64_t generation_ = 1;
    std::uint64_t next_row_ = 1;
    std::deque<Row> rows_;
};

}  // namespace bench::serve
