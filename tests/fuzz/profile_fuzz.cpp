// The Win32 stand-in's profile (INI) functions fed any file, any section, key and value and
// any buffer size, as the module calls them for its configuration file, the aircraft's
// option and the panel state. Input: one byte of operation, one byte of buffer size, then
// section, key and value each ended by a zero byte, then the file's bytes.
// What must hold whatever the file holds:
//   - a read never writes past its buffer, ends its text with a terminator and returns the
//     count before it (lists: before the final pair of terminators);
//   - a plain key written (a name and value with no blanks at their ends, no line break, no
//     '=' or ']' in the names, no quotes around the value) reads back as written, and reads
//     as the default once deleted; a deleted section lists no keys.
//   build/fuzz/bin/profile_fuzz tests/fuzz/corpus/profile -runs=1000000 -detect_leaks=0
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench/win32/standin.h"
#include "sdk/win32.h"

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "profile fuzz: %s\n", what);
    std::abort();
}

const fs::path& folder() {
    static const fs::path f = [] {
        fs::path p = fs::temp_directory_path() / ("tarmelon-profile-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(p);
        w32standin::reset(p.string());
        return p;
    }();
    return f;
}

bool plain_name(const std::string& s) {
    if (s.empty() || s.front() == ' ' || s.back() == ' ' || s.front() == '[' || s.front() == ';') return false;
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '=' || c == ']') return false;
    }
    return true;
}

bool plain_value(const std::string& s) {
    if (!s.empty() && (s.front() == ' ' || s.back() == ' ')) return false;
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) return false;
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) return false;
    }
    return true;
}

// A read into a buffer of `size` bytes with guard bytes after it.
std::string read(const char* section, const char* key, const char* fallback, DWORD size, const char* file,
                 bool list) {
    std::vector<char> buffer(size + 16, '\x5A');
    const DWORD n = GetPrivateProfileStringA(section, key, fallback, buffer.data(), size, file);
    for (std::size_t i = size; i < buffer.size(); ++i)
        if (buffer[i] != '\x5A') fail("a read wrote past its buffer");
    if (size == 0) {
        if (n != 0) fail("a read into no buffer returned a count");
        return {};
    }
    if (n >= size) fail("a read returned a count beyond its buffer");
    if (buffer[n] != '\0') fail("a read's text is not terminated at its count");
    // A list ends in two terminators: after its last name's, or after a name cut short.
    if (list && n > 0 && buffer[n - 1] != '\0' && !(n + 1 < size && buffer[n + 1] == '\0'))
        fail("a list does not end with two terminators");
    return std::string(buffer.data(), n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 || size > 16384) return 0;
    const std::uint8_t op = data[0];
    const DWORD buffer_size = data[1];
    std::string fields[3];
    std::size_t at = 2;
    for (std::string& field : fields) {
        while (at < size && data[at] != 0) field += static_cast<char>(data[at++]);
        if (at < size) ++at;
    }
    const fs::path host_file = folder() / "Fuzz.ini";
    std::ofstream(host_file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + at), static_cast<std::streamsize>(size - at));
    const std::string file = "Fuzz.ini";
    const char* section = fields[0].c_str();
    const char* key = fields[1].c_str();
    const char* value = fields[2].c_str();

    switch (op % 6) {
        case 0: read(section, key, value, buffer_size, file.c_str(), false); break;
        case 1: read(nullptr, nullptr, "", buffer_size, file.c_str(), true); break;
        case 2: read(section, nullptr, "", buffer_size, file.c_str(), true); break;
        case 3: {  // write, then read back
            const bool written = WritePrivateProfileStringA(section, key, value, file.c_str()) != 0;
            if (!written) fail("a write to a writable file failed");
            if (plain_name(fields[0]) && plain_name(fields[1]) && plain_value(fields[2]) &&
                read(section, key, "(default)", 4096, file.c_str(), false) != fields[2])
                fail("a written key does not read back as written");
            break;
        }
        case 4: {  // delete a key
            if (WritePrivateProfileStringA(section, key, nullptr, file.c_str()) == 0) fail("deleting a key failed");
            if (plain_name(fields[0]) && plain_name(fields[1]) &&
                read(section, key, "(default)", 4096, file.c_str(), false) != "(default)")
                fail("a deleted key still reads");
            break;
        }
        default: {  // delete a section
            if (WritePrivateProfileStringA(section, nullptr, nullptr, file.c_str()) == 0)
                fail("deleting a section failed");
            if (plain_name(fields[0]) && !read(section, nullptr, "", 4096, file.c_str(), true).empty())
                fail("a deleted section still lists keys");
            break;
        }
    }
    w32standin::clear_call_log();
    return 0;
}
