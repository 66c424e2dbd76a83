#include "simlink/simconnect_api.h"

#include "sdk/win32.h"

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

HMODULE library = nullptr;

template <typename Fn>
bool resolve(Fn& slot, const char* name) {
    FARPROC found = library != nullptr ? GetProcAddress(library, name) : nullptr;
    if (found == nullptr) return false;
    slot = reinterpret_cast<Fn>(reinterpret_cast<void*>(found));
    return true;
}

}  // namespace

SimConnectApi sc = unavailable_api();

bool simconnect_load() {
    sc = unavailable_api();
    if (library == nullptr) library = LoadLibraryA("SimConnect.dll");
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

}  // namespace tarmelon
