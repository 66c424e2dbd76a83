// Loads the module the way the simulator does, but from a private copy of the file: every
// load starts from a freshly mapped library, so its state is zero even in one process.
#pragma once

#include <string>

namespace bench {

class ModuleLibrary {
public:
    ModuleLibrary() = default;
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;
    ~ModuleLibrary() { unload(); }

    // Copies path to a unique temporary folder and opens the copy. On failure returns false
    // and says why in error.
    bool load(const std::string& path, std::string& error);
    void unload();  // closes the library and deletes the copy
    bool loaded() const { return handle_ != nullptr; }
    void* symbol(const char* name) const;
    const std::string& copy_path() const { return copy_path_; }

private:
    void* handle_ = nullptr;
    std::string copy_dir_;
    std::string copy_path_;
};

// The folder of the running executable (where the module is built beside the bench).
std::string executable_dir();
// The default module file name on this platform.
const char* default_module_file_name();
// A fresh, empty temporary folder whose name starts with prefix.
std::string make_temp_dir(const std::string& prefix);

}  // namespace bench
