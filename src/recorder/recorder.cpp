#include "recorder/recorder.h"

#include <cstdio>
#include <cstdint>
#include <cstring>

#include "core/files.h"
#include "core/sim_window.h"
#include "core/text.h"
#include "core/vars.h"
#include "sdk/win32.h"
#include "state.h"

namespace tarmelon {

namespace {

constexpr char OPTION_FILE[] = "aircraft.cfg";
constexpr char OPTION_SECTION[] = "General";
constexpr char OPTION_KEY[] = "FlightDataRecording";
constexpr char OPTION_ACTIVE[] = "Active";
constexpr DWORD OPTION_BUFFER = 255;

constexpr char SUMMARY_SECTION[] = "StaticValues";
constexpr DWORD DURATION_BUFFER = 100;

enum class Reading : std::uint8_t { REAL, WHOLE };  // "%f" of get_double, "%d" of get_int

struct RecordedFile {
    const char* name;
    const char* variable;  // null: the summary file
    Reading reading;
};

// The files in the order they are sampled and written.
constexpr RecordedFile FILES[RECORDER_FILE_COUNT] = {
    {"GeForce.txt", "A:G FORCE,Gforce", Reading::REAL},
    {"Height.txt", "A:Indicated Altitude,Feet", Reading::REAL},
    {"indspeed.txt", "A:AIRSPEED INDICATED,Knots", Reading::WHOLE},
    {"truespeed.txt", "A:AIRSPEED TRUE,Knots", Reading::WHOLE},
    {"fuelfloweng1.txt", "A:ENG FUEL FLOW PPH:1,pph", Reading::WHOLE},
    {"fuelfloweng2.txt", "A:ENG FUEL FLOW PPH:2,pph", Reading::WHOLE},
    {"staticdata.txt", nullptr, Reading::WHOLE},
};
constexpr int QUANTITY_COUNT = RECORDER_FILE_COUNT - 1;
constexpr int SUMMARY_FILE = RECORDER_FILE_COUNT - 1;

constexpr UINT_PTR SAMPLE_TIMER = 1;
constexpr UINT_PTR DURATION_TIMER = 2;
constexpr UINT_PTR FUEL_BURN_TIMER = 3;

struct RecorderTimer {
    UINT_PTR id;
    UINT period_ms;
};
constexpr RecorderTimer TIMERS[] = {
    {SAMPLE_TIMER, 1000},
    {DURATION_TIMER, 60000},
    {FUEL_BURN_TIMER, 30000},
};

// Room for any number "%f" prints (the largest double has 309 digits) and its line end.
constexpr std::size_t LINE_BUFFER = 330;
struct Line {
    char text[LINE_BUFFER];
    int length;  // -1: nothing to write
};

const char* summary_path() { return state.recorder.files[SUMMARY_FILE]; }

void write_summary(const char* key, const char* value) {
    if (summary_path()[0] != '\0') WritePrivateProfileStringA(SUMMARY_SECTION, key, value, summary_path());
}

Line sample(const RecordedFile& file) {
    Line line{};
    // The number, then its line end where there is room for it.
    const int n = file.reading == Reading::REAL ? format_fixed(line.text, sizeof line.text - 1, get_double(file.variable))
                                                : std::snprintf(line.text, sizeof line.text - 1, "%d", get_int(file.variable));
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof line.text - 1) {
        line.length = -1;
        return line;
    }
    line.text[n] = '\n';
    line.text[n + 1] = '\0';
    line.length = n + 1;
    return line;
}

// Opens the file for appending (created when missing), writes the line and closes it; a file
// that cannot be opened is skipped.
void append(const char* path, const Line& line) {
    if (path[0] == '\0' || line.length < 0) return;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.text, static_cast<DWORD>(line.length), &written, nullptr);
    CloseHandle(file);
}

// Every second: the six quantities read first, then one line appended to each file.
void take_sample() {
    Line lines[QUANTITY_COUNT];
    for (int i = 0; i < QUANTITY_COUNT; ++i) lines[i] = sample(FILES[i]);
    for (int i = 0; i < QUANTITY_COUNT; ++i) append(state.recorder.files[i], lines[i]);
}

// Every minute: one more minute of flight.
void count_minute() {
    if (summary_path()[0] == '\0') return;
    char stored[DURATION_BUFFER] = {};
    GetPrivateProfileStringA(SUMMARY_SECTION, "FlightDuration", "", stored, sizeof stored, summary_path());
    stored[sizeof stored - 1] = '\0';
    const std::int32_t minutes = text_to_int(stored);
    char value[16];
    std::snprintf(value, sizeof value, "%d", minutes < INT32_MAX ? minutes + 1 : minutes);
    write_summary("FlightDuration", value);
}

// Every 30 seconds: the fuel used so far. A profile value is one line: no line end in it.
void note_fuel_burn() {
    char value[LINE_BUFFER];
    const int n = format_fixed(value, sizeof value, get_double("A:GENERAL ENG FUEL USED SINCE START,pounds"));
    if (n > 0 && static_cast<std::size_t>(n) < sizeof value) write_summary("FuelBurn", value);
}

void CALLBACK recorder_timer(HWND, UINT, UINT_PTR id, DWORD) {
    switch (id) {
        case SAMPLE_TIMER: take_sample(); break;
        case DURATION_TIMER: count_minute(); break;
        case FUEL_BURN_TIMER: note_fuel_burn(); break;
        default: break;
    }
}

// "<panel folder>\FlightAnalysis\<dd-mm-yyyy_hh-mm>" by the wall clock; false when it does
// not fit.
bool recording_folder(char (&folder)[PATH_BUFFER]) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char tail[PATH_BUFFER];
    const int n = std::snprintf(tail, sizeof tail, "FlightAnalysis\\%02d-%02d-%04d_%02d-%02d", int{now.wDay},
                                int{now.wMonth}, int{now.wYear}, int{now.wHour}, int{now.wMinute});
    return n > 0 && static_cast<std::size_t>(n) < sizeof tail && panel_file_path(folder, tail);
}

bool is_folder(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// "StartTime" as hours, minutes and seconds without leading zeros (9:5:0).
void write_start_time() {
    const std::int32_t s = get_int("E:LOCAL TIME,seconds");
    const std::int32_t hours = s / 3600;
    char value[40];
    std::snprintf(value, sizeof value, "%d:%d:%d", hours, s / 60 - hours * 60, s % 60);
    write_summary("StartTime", value);
}

}  // namespace

void read_recording_option() {
    state.recorder.recordingFlag = 0;
    char path[PATH_BUFFER];
    if (!aircraft_file_path(path, OPTION_FILE)) return;
    char value[OPTION_BUFFER] = {};
    GetPrivateProfileStringA(OPTION_SECTION, OPTION_KEY, "", value, sizeof value, path);
    value[sizeof value - 1] = '\0';
    state.recorder.recordingFlag = std::strcmp(value, OPTION_ACTIVE) == 0 ? 1 : 0;
}

void start_recording() {
    RecorderState& r = state.recorder;
    r.recordingStarted = 1;
    for (auto& path : r.files) path[0] = '\0';

    // Timers live on the simulator's window: without it, none is set (a thread timer would
    // outlive the module).
    HWND window = simulator_window();
    if (window == nullptr) return;

    char folder[PATH_BUFFER];
    if (!recording_folder(folder)) return;
    CreateDirectoryA(folder, nullptr);  // an existing folder is reused
    if (!is_folder(folder)) return;     // no "FlightAnalysis" folder: nothing to record into

    // A path that does not fit is left empty and its file skipped, never cut short.
    for (int i = 0; i < RECORDER_FILE_COUNT; ++i) {
        const int n = std::snprintf(r.files[i], sizeof r.files[i], "%s\\%s", folder, FILES[i].name);
        if (n < 0 || static_cast<std::size_t>(n) >= sizeof r.files[i]) r.files[i][0] = '\0';
    }

    for (const RecorderTimer& timer : TIMERS) SetTimer(window, timer.id, timer.period_ms, recorder_timer);

    write_start_time();
    write_summary("FlightDuration", "0");
}

}  // namespace tarmelon
