// Profile (INI) files as the Windows profile-string functions see them.
//
// The file is kept as a list of lines, each with its own line ending, so that everything
// we do not own (comments, other sections, blank or malformed lines) is written back byte
// for byte. Lines are held in std::string: no line length limit.
#include "profile.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <mutex>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace w32standin::profile {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r'; }

std::string trim(const std::string& s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && is_blank(s[b])) ++b;
    while (e > b && is_blank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

bool same_name(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto la = static_cast<unsigned char>(a[i]);
        auto lb = static_cast<unsigned char>(b[i]);
        if (la >= 'A' && la <= 'Z') la = static_cast<unsigned char>(la - 'A' + 'a');
        if (lb >= 'A' && lb <= 'Z') lb = static_cast<unsigned char>(lb - 'A' + 'a');
        if (la != lb) return false;
    }
    return true;
}

enum class Kind { other, section, key };

struct Line {
    std::string text;    // without its line ending
    std::string ending;  // "\r\n", "\n" or "" (last line without one)
    Kind kind = Kind::other;
    std::string name;    // section or key name, trimmed
    std::string value;   // key value, trimmed, quotes kept
};

void classify(Line& line, bool first_line) {
    std::string_view t = line.text;
    if (first_line && t.substr(0, 3) == "\xEF\xBB\xBF") t.remove_prefix(3);  // a hand editor's BOM
    std::size_t p = 0;
    while (p < t.size() && is_blank(t[p])) ++p;
    line.kind = Kind::other;
    if (p == t.size() || t[p] == ';') return;
    if (t[p] == '[') {
        const std::size_t close = t.find(']', p + 1);
        if (close == std::string_view::npos) return;  // malformed: kept, never matched
        line.kind = Kind::section;
        line.name = trim(std::string(t.substr(p + 1, close - p - 1)));
        return;
    }
    const std::size_t eq = t.find('=', p);
    if (eq == std::string_view::npos) return;
    std::string name = trim(std::string(t.substr(p, eq - p)));
    if (name.empty()) return;
    line.kind = Kind::key;
    line.name = std::move(name);
    line.value = trim(std::string(t.substr(eq + 1)));
}

struct File {
    std::vector<Line> lines;
    std::string eol = "\r\n";  // line ending used for new lines
};

enum class Load { ok, missing, error };

Load read_bytes(const std::string& path, std::string& data) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return Load::missing;
    if (!S_ISREG(st.st_mode)) return Load::error;
    std::ifstream in(path, std::ios::binary);
    if (!in) return Load::error;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return Load::error;
    data = buffer.str();
    return Load::ok;
}

void parse(const std::string& data, File& file) {
    bool eol_known = false;
    std::size_t start = 0;
    while (start < data.size()) {
        Line line;
        const std::size_t nl = data.find('\n', start);
        if (nl == std::string::npos) {
            line.text = data.substr(start);
            start = data.size();
        } else {
            std::size_t end = nl;
            if (end > start && data[end - 1] == '\r') {
                --end;
                line.ending = "\r\n";
            } else {
                line.ending = "\n";
            }
            if (!eol_known) {
                file.eol = line.ending;
                eol_known = true;
            }
            line.text = data.substr(start, end - start);
            start = nl + 1;
        }
        classify(line, file.lines.empty());
        file.lines.push_back(std::move(line));
    }
}

Load load(const std::string& path, File& file) {
    std::string data;
    const Load loaded = read_bytes(path, data);
    if (loaded == Load::ok) parse(data, file);
    return loaded;
}

// Reads go to the file every time, as on Windows; a file read again with the same bytes is
// not parsed again (a module reads its state file one key at a time, a hundred keys a load).
struct ParsedFile {
    std::mutex lock;
    std::string path;
    std::string data;
    File file;
};
ParsedFile& parsed_file() {
    static ParsedFile* const cache = new ParsedFile;  // kept to the end, for reads made at exit
    return *cache;
}

bool save(const std::string& path, const File& file) {
    std::string data;
    for (const Line& line : file.lines) {
        data += line.text;
        data += line.ending;
    }
    // Write beside the file, then replace it: a failed write never loses the old file.
    const std::string temp = path + ".tmp" + std::to_string(::getpid());
    std::FILE* out = std::fopen(temp.c_str(), "wb");
    if (!out) return false;
    const bool written = std::fwrite(data.data(), 1, data.size(), out) == data.size();
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

Line make_line(std::string text, const std::string& eol) {
    Line line;
    line.text = std::move(text);
    line.ending = eol;
    classify(line, false);
    return line;
}

// [begin, end) of the lines of the first section of this name (begin = its header).
bool find_section(const File& file, const std::string& section, std::size_t& begin,
                  std::size_t& end) {
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        if (file.lines[i].kind != Kind::section || !same_name(file.lines[i].name, section)) continue;
        begin = i;
        end = i + 1;
        while (end < file.lines.size() && file.lines[end].kind != Kind::section) ++end;
        return true;
    }
    return false;
}

std::string unquote(const std::string& v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

}  // namespace

ReadResult read(const std::string& path, const std::optional<std::string>& section,
                const std::optional<std::string>& key) {
    ReadResult result;
    std::string data;
    if (read_bytes(path, data) != Load::ok) return result;
    ParsedFile& cache = parsed_file();
    const std::lock_guard<std::mutex> hold(cache.lock);
    if (cache.path != path || cache.data != data) {
        cache.path.clear();
        cache.file = File{};
        parse(data, cache.file);
        cache.path = path;
        cache.data = std::move(data);
    }
    const File& file = cache.file;
    if (!section) {
        for (const Line& line : file.lines)
            if (line.kind == Kind::section) result.names.push_back(line.name);
        result.found = true;
        return result;
    }
    std::size_t begin = 0;
    std::size_t end = 0;
    const std::string wanted_section = trim(*section);
    if (!find_section(file, wanted_section, begin, end)) return result;
    if (!key) {
        for (std::size_t i = begin + 1; i < end; ++i)
            if (file.lines[i].kind == Kind::key) result.names.push_back(file.lines[i].name);
        result.found = true;
        return result;
    }
    const std::string wanted_key = trim(*key);
    for (std::size_t i = begin + 1; i < end; ++i) {
        const Line& line = file.lines[i];
        if (line.kind == Kind::key && same_name(line.name, wanted_key)) {
            result.found = true;
            result.value = unquote(line.value);
            return result;
        }
    }
    return result;
}

bool write(const std::string& path, const std::string& section_arg,
           const std::optional<std::string>& key_arg, const std::optional<std::string>& value) {
    File file;
    const Load loaded = load(path, file);
    if (loaded == Load::error) return false;
    const std::string section = trim(section_arg);
    const bool deleting = !key_arg || !value;
    if (loaded == Load::missing && deleting) return true;  // nothing there to delete

    std::size_t begin = 0;
    std::size_t end = 0;
    const bool have_section = find_section(file, section, begin, end);

    if (!key_arg) {  // delete every section of this name, with everything in it
        for (std::size_t i = 0; i < file.lines.size();) {
            if (file.lines[i].kind == Kind::section && same_name(file.lines[i].name, section)) {
                std::size_t j = i + 1;
                while (j < file.lines.size() && file.lines[j].kind != Kind::section) ++j;
                file.lines.erase(file.lines.begin() + static_cast<std::ptrdiff_t>(i),
                                 file.lines.begin() + static_cast<std::ptrdiff_t>(j));
            } else {
                ++i;
            }
        }
        return have_section ? save(path, file) : true;
    }

    const std::string key = trim(*key_arg);
    if (!value) {  // delete the key (every copy of it in the section)
        if (!have_section) return true;
        bool removed = false;
        for (std::size_t i = end; i-- > begin + 1;) {
            if (file.lines[i].kind == Kind::key && same_name(file.lines[i].name, key)) {
                file.lines.erase(file.lines.begin() + static_cast<std::ptrdiff_t>(i));
                removed = true;
            }
        }
        return removed ? save(path, file) : true;
    }

    const std::string text = key + "=" + *value;
    if (have_section) {
        for (std::size_t i = begin + 1; i < end; ++i) {
            Line& line = file.lines[i];
            if (line.kind == Kind::key && same_name(line.name, key)) {
                const std::string ending = line.ending;
                line = make_line(text, ending);
                return save(path, file);
            }
        }
        // Append after the section's last non-blank line (blank lines stay as separators).
        std::size_t last = begin;
        for (std::size_t i = begin + 1; i < end; ++i)
            if (!trim(file.lines[i].text).empty()) last = i;
        if (file.lines[last].ending.empty()) file.lines[last].ending = file.eol;
        file.lines.insert(file.lines.begin() + static_cast<std::ptrdiff_t>(last + 1),
                          make_line(text, file.eol));
        return save(path, file);
    }
    if (!file.lines.empty() && file.lines.back().ending.empty()) file.lines.back().ending = file.eol;
    file.lines.push_back(make_line("[" + section + "]", file.eol));
    file.lines.push_back(make_line(text, file.eol));
    return save(path, file);
}

std::uint32_t copy_value(const std::string& value, char* out, std::uint32_t size) {
    if (out == nullptr || size == 0) return 0;
    const std::size_t n = value.size() < size - 1 ? value.size() : size - 1;
    std::memcpy(out, value.data(), n);
    out[n] = '\0';
    return static_cast<std::uint32_t>(n);
}

std::uint32_t copy_list(const std::vector<std::string>& names, char* out, std::uint32_t size) {
    if (out == nullptr || size == 0) return 0;
    if (size == 1) {
        out[0] = '\0';
        return 0;
    }
    std::size_t pos = 0;
    for (const std::string& name : names) {
        // Room for the name, its terminator and the list's final terminator?
        if (pos + name.size() + 2 > size) {
            if (pos + 2 <= size) {
                const std::size_t room = size - 2 - pos;
                std::memcpy(out + pos, name.data(), room);
            }
            out[size - 2] = '\0';
            out[size - 1] = '\0';
            return size - 2;
        }
        std::memcpy(out + pos, name.data(), name.size());
        pos += name.size();
        out[pos++] = '\0';
    }
    out[pos] = '\0';
    return static_cast<std::uint32_t>(pos);
}

}  // namespace w32standin::profile
