// Libraries and the (absent) main window outside Windows: the Win32 stand-in plays the
// window and fires window timers on the bench clock.
#include "platform.h"

#include <dlfcn.h>

namespace benchplatform {

void* load_library(const std::string& path, std::string& error) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* why = dlerror();
        error = "cannot load " + path + ": " + (why != nullptr ? why : "unknown reason");
    }
    return library;
}

void* find_export(void* library, const char* name) {
    if (library == nullptr || name == nullptr) return nullptr;
    return dlsym(library, name);
}

void unload_library(void* library) {
    if (library != nullptr) dlclose(library);
}

std::string library_file_name(const std::string& name) { return "lib" + name + ".so"; }

MainWindow::MainWindow() = default;
MainWindow::~MainWindow() = default;

int pump_messages() { return 0; }

void quiet_error_dialogs() {}

}  // namespace benchplatform
