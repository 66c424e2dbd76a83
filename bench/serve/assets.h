// The workbench page's files (web/), built into the bench so that it serves them from
// wherever it is run.
#pragma once

#include <cstddef>
#include <string_view>

namespace bench::serve {

struct Asset {
    const char* path;          // "/app.js"
    const char* content_type;  // "text/javascript; charset=utf-8"
    const unsigned char* data;
    std::size_t size;
};

// Nothing for a path that is not one of them.
const Asset* find_asset(std::string_view path);

}  // namespace bench::serve
