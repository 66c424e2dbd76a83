#include "library.h"

#include <filesystem>
#include <random>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace bench {

namespace fs = std::filesystem;

std::string make_temp_dir(const std::string& prefix) {
    std::random_device entropy;
    std::mt19937_64 gen((static_cast<std::uint64_t>(entropy()) << 32) ^ entropy());
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec) base = ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(gen()));
        fs::path dir = base / (prefix + suffix);
        if (fs::create_directory(dir, ec) && !ec) return dir.string();
    }
    return {};
}

std::string executable_dir() {
#if defined(_WIN32)
    char buffer[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return ".";
    return fs::path(std::string(buffer, n)).parent_path().string();
#else
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
#endif
}

const char* default_module_file_name() {
#if defined(_WIN32)
    return "Tarmelon.dll";
#else
    return "libTarmelon.so";
#endif
}

bool ModuleLibrary::load(const std::string& path, std::string& error) {
    unload();
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        error = "module not found: " + path;
        return false;
    }
    copy_dir_ = make_temp_dir("tarmelon-module-");
    if (copy_dir_.empty()) {
        error = "cannot create a temporary folder for the module copy";
        return false;
    }
    copy_path_ = (fs::path(copy_dir_) / fs::path(path).filename()).string();
    fs::copy_file(path, copy_path_, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        error = "cannot copy the module to " + copy_path_ + ": " + ec.message();
        unload();
        return false;
    }
#if defined(_WIN32)
    handle_ = reinterpret_cast<void*>(LoadLibraryA(copy_path_.c_str()));
    if (handle_ == nullptr) error = "LoadLibrary failed for " + copy_path_;
#else
    handle_ = dlopen(copy_path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* why = dlerror();
        error = std::string("cannot load the module: ") + (why ? why : "unknown reason");
    }
#endif
    if (handle_ == nullptr) {
        unload();
        return false;
    }
    return true;
}

void ModuleLibrary::unload() {
    if (handle_ != nullptr) {
#if defined(_WIN32)
        FreeLibrary(reinterpret_cast<HMODULE>(handle_));
#else
        dlclose(handle_);
#endif
        handle_ = nullptr;
    }
    if (!copy_dir_.empty()) {
        std::error_code ec;
        fs::remove_all(copy_dir_, ec);
        copy_dir_.clear();
    }
    copy_path_.clear();
}

void* ModuleLibrary::symbol(const char* name) const {
    if (handle_ == nullptr) return nullptr;
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle_), name));
#else
    return dlsym(handle_, name);
#endif
}

}  // namespace bench
