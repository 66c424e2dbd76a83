#include "simlink/simconnect_api.h"

#include "sdk/win32.h"

#if defined(_WIN32)
#include "state.h"
#include "resources/resource_ids.h"
#endif

#if defined(TARMELON_LINKED_SIMCONNECT)
// The simulator's own SDK header and library (TARMELON_SIMCONNECT_SDK): the functions are
// linked, not looked up.
#include <SimConnect.h>
#endif

namespace tarmelon {

namespace {

template <typename Fn>
struct Unavailable;
template <typename... Args>
struct Unavailable<sdk::HRESULT_T(TM_STDCALL*)(Args...)> {
    static sdk::HRESULT_T TM_STDCALL call(Args...) { return sdk::SC_E_FAIL; }
};

constexpr SimConnectApi unavailable_api() {
    SimConnectApi api{};
#define TM_SC_UNAVAILABLE(name, params) api.name = &Unavailable<sdk::PFN_##name>::call;
    TM_SIMCONNECT_FUNCTIONS(TM_SC_UNAVAILABLE)
#undef TM_SC_UNAVAILABLE
    return api;
}

#if !defined(TARMELON_LINKED_SIMCONNECT)
HMODULE library = nullptr;

template <typename Fn>
bool resolve(Fn& slot, const char* name) {
    FARPROC found = library != nullptr ? GetProcAddress(library, name) : nullptr;
    if (found == nullptr) return false;
    slot = reinterpret_cast<Fn>(reinterpret_cast<void*>(found));
    return true;
}

#if defined(_WIN32)
// The simulator installs SimConnect as a side-by-side assembly: it is found only with an
// activation context naming it, built from the manifest inside this library. Where that
// assembly is missing (an older simulator, Wine) the context cannot be built and the
// ordinary library search is the fallback.
HMODULE load_simconnect_library() {
    // The module's own path, read by module_init before the connection is opened.
    const char* module_path = state.core.modulePath;
    if (module_path[0] == '\0') return LoadLibraryA("SimConnect.dll");

    ACTCTXA context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = module_path;
    context.hModule = static_cast<HMODULE>(state.core.moduleInstance);
    context.lpResourceName = MAKEINTRESOURCEA(TARMELON_SIMCONNECT_MANIFEST_ID);
    HANDLE activation = CreateActCtxA(&context);
    if (activation == INVALID_HANDLE_VALUE) return LoadLibraryA("SimConnect.dll");

    HMODULE found = nullptr;
    ULONG_PTR cookie = 0;
    if (ActivateActCtx(activation, &cookie)) {
        found = LoadLibraryA("SimConnect.dll");
        DeactivateActCtx(0, cookie);
    }
    ReleaseActCtx(activation);
    return found != nullptr ? found : LoadLibraryA("SimConnect.dll");
}
#else
HMODULE load_simconnect_library() { return LoadLibraryA("SimConnect.dll"); }
#endif
#endif  // !TARMELON_LINKED_SIMCONNECT

}  // namespace

SimConnectApi sc = unavailable_api();

#if defined(TARMELON_LINKED_SIMCONNECT)
bool simconnect_load() {
#define TM_SC_LINKED(name, params) sc.name = reinterpret_cast<sdk::PFN_##name>(&::name);
    TM_SIMCONNECT_FUNCTIONS(TM_SC_LINKED)
#undef TM_SC_LINKED
    return true;
}

void simconnect_unload() { sc = unavailable_api(); }
#else
bool simconnect_load() {
    sc = unavailable_api();
    if (library == nullptr) library = load_simconnect_library();
    bool complete = library != nullptr;
#define TM_SC_RESOLVE(name, params) complete = resolve(sc.name, #name) && complete;
    TM_SIMCONNECT_FUNCTIONS(TM_SC_RESOLVE)
#undef TM_SC_RESOLVE
    return complete;
}

void simconnect_unload() {
    sc = unavailable_api();
    if (library != nullptr) FreeLibrary(library);
    library = nullptr;
}
#endif

}  // namespace tarmelon
