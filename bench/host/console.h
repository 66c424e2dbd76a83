// The module's console: what it writes to standard output while the bench runs it (the
// simulator has no console). While a ConsoleCapture lives, standard output goes to a
// temporary file; when it ends, the text is handed over line by line and standard output is
// the bench's own again, so the module's writes never interleave with the bench's.
#pragma once

#include <string>
#include <vector>

namespace bench {

class ConsoleCapture {
public:
    // Whatever the module wrote is appended to lines, one entry per non-empty line.
    ConsoleCapture(std::vector<std::string>& lines, std::string& pending);
    ~ConsoleCapture();
    ConsoleCapture(const ConsoleCapture&) = delete;
    ConsoleCapture& operator=(const ConsoleCapture&) = delete;

private:
    std::vector<std::string>& lines_;
    std::string& pending_;
    int saved_ = -1;
    int capture_ = -1;
};

}  // namespace bench
