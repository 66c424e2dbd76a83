// Module-wide fields of the flight data recorder.
#pragma once

#include <cstdint>

#include "core/files.h"

namespace tarmelon {

// The six quantity files, then the summary file.
constexpr int RECORDER_FILE_COUNT = 7;

struct RecorderState {
    std::uint8_t recordingFlag;     // the aircraft's option asks for recording
    std::uint8_t recordingStarted;  // the one start of recording has been made (or tried)
    // The recording's files; an empty path (one that did not fit) is skipped.
    char files[RECORDER_FILE_COUNT][PATH_BUFFER];
};

}  // namespace tarmelon
