#include "console.h"

#include <cstdio>
#include <cstdlib>

#if defined(_WIN32)
#include <io.h>
#define dup _dup
#define dup2 _dup2
#define close _close
#define fileno _fileno
#define lseek _lseek
#define read _read
#else
#include <unistd.h>
#endif

namespace bench {

namespace {
// One temporary file for the whole process, reused by every capture.
std::FILE* capture_file() {
    static std::FILE* file = std::tmpfile();
    return file;
}
}  // namespace

ConsoleCapture::ConsoleCapture(std::vector<std::string>& lines, std::string& pending)
    : lines_(lines), pending_(pending) {
    std::FILE* file = capture_file();
    if (file == nullptr) return;
    std::fflush(stdout);
    saved_ = dup(fileno(stdout));
    if (saved_ < 0) return;
    capture_ = fileno(file);
    lseek(capture_, 0, SEEK_SET);
    if (dup2(capture_, fileno(stdout)) < 0) {
        close(saved_);
        saved_ = -1;
    }
}

ConsoleCapture::~ConsoleCapture() {
    if (saved_ < 0) return;
    std::fflush(stdout);
    const long end = lseek(capture_, 0, SEEK_CUR);
    dup2(saved_, fileno(stdout));
    close(saved_);
    if (end <= 0) return;
    lseek(capture_, 0, SEEK_SET);
    std::string text(static_cast<std::size_t>(end), '\0');
    long got = 0;
    while (got < end) {
        const auto n = read(capture_, &text[static_cast<std::size_t>(got)], static_cast<unsigned>(end - got));
        if (n <= 0) break;
        got += n;
    }
    text.resize(static_cast<std::size_t>(got));
    lseek(capture_, 0, SEEK_SET);
    for (char c : text) {
        if (c == '\n') {
            if (!pending_.empty()) lines_.push_back(pending_);
            pending_.clear();
        } else if (c != '\r') {
            pending_ += c;
        }
    }
    // Text not yet ended by a newline counts as a line of its own.
    if (!pending_.empty()) lines_.push_back(pending_);
    pending_.clear();
}

}  // namespace bench
