// The gauge registry: one row per gauge, in the order the simulator reaches them. The gauge
// headers, the linkage record and everything else that lists gauges derive from this table;
// each gauge's element and mouse tables and its callback live in panels/gauges/<name>.cpp.
#include <cstddef>
#include <utility>

#include "module/entry.h"
#include "module/exports.h"
#include "panels/gauge_parts.h"

//        name                      width (mm)
#define TM_GAUGE_REGISTRY(X)          \
    X(Elec_Panel, 1080)              \
    X(SystemWatch, 98)               \
    X(Autopilot_Switch_Panel, 98)    \
    X(RadioGPS_Panel, 98)            \
    X(RadioGPS_GMA340, 98)           \
    X(RadioGPS_GTN6XX, 98)           \
    X(RadioGPS_SL30, 98)             \
    X(Panel_Selector, 98)            \
    X(Panel_Selector_Arrow, 98)      \
    X(Fuel_System_Overview, 98)      \
    X(EngStart_Controls, 98)         \
    X(Hydraulics, 98)                \
    X(TO_Panel, 98)                  \
    X(Fuel_Selector_SYS, 98)         \
    X(GearFlaps_Panel, 98)           \
    X(Electrical, 98)                \
    X(Avionics_Panel, 98)            \
    X(Trim_Panel, 98)                \
    X(Fuel_Panel, 98)                \
    X(Oxygen_Panel, 98)              \
    X(Throttles_Panel, 98)           \
    X(Lighting_Panel, 98)            \
    X(Checklist_Panel, 98)           \
    X(LCD_VC, 98)

namespace tarmelon {

#define TM_DECLARE_PARTS(name, width) extern const GaugeParts name;
TM_GAUGE_REGISTRY(TM_DECLARE_PARTS)
#undef TM_DECLARE_PARTS

namespace {

sdk::GAUGEHDR gauge_header(const char* name, sdk::UINT32 width_mm, const GaugeParts& parts) {
    sdk::GAUGEHDR h{};
    h.gauge_header_version = sdk::GAUGE_HEADER_VERSION_800;
    h.gauge_name = const_cast<char*>(name);
    h.elements_list = parts.elements;
    h.query_routine = gauge_query;
    h.install_routine = gauge_install;
    h.initialize_routine = gauge_initialize;
    h.update_routine = gauge_update;
    h.generate_routine = gauge_generate;
    h.draw_routine = gauge_draw;
    h.kill_routine = gauge_kill;
    h.size_x_mm = width_mm;
    h.mouse_rect = parts.mouse;
    h.gauge_callback = parts.callback;
    return h;
}

#define TM_PARTS_ROW(name, width) &name,
#define TM_COUNT_ROW(name, width) +1
static_assert(0 TM_GAUGE_REGISTRY(TM_COUNT_ROW) == GAUGE_COUNT, "GAUGE_COUNT is the number of registry rows");
#undef TM_COUNT_ROW

const GaugeParts* const PARTS[GAUGE_COUNT] = {TM_GAUGE_REGISTRY(TM_PARTS_ROW)};
#undef TM_PARTS_ROW

#define TM_HEADER_ROW(name, width) gauge_header(#name, width, name),
sdk::GAUGEHDR headers[GAUGE_COUNT] = {TM_GAUGE_REGISTRY(TM_HEADER_ROW)};
#undef TM_HEADER_ROW

}  // namespace

void link_gauge_elements() {
    for (std::size_t i = 0; i < GAUGE_COUNT; ++i) PARTS[i]->link(&headers[i]);
}

namespace {

// Every gauge's elements are linked into their tree at load, before the simulator reads
// them (the parts are constant data, ready before any code of the module runs), and again by
// module_init: a gauge whose element records were initialised at load after this ran would
// otherwise lose its links. Linking is idempotent.
[[maybe_unused]] const bool elements_linked = [] {
    link_gauge_elements();
    return true;
}();

template <std::size_t... I>
constexpr sdk::GAUGESLINKAGE<GAUGE_COUNT + 1> linkage(std::index_sequence<I...>) {
    return {sdk::GAUGES_MODULE_ID, module_init, module_deinit, 0, 0, sdk::GAUGES_MODULE_VERSION,
            {&headers[I]..., nullptr}};
}

}  // namespace

}  // namespace tarmelon

using namespace tarmelon;

extern "C" {

TM_EXPORT sdk::GAUGESIMPORT ImportTable = {
    {sdk::PANELS_FUNCTION_TABLE_ID, nullptr},
    {0, nullptr},
};

TM_EXPORT sdk::GAUGESLINKAGE<GAUGE_COUNT + 1> Linkage = linkage(std::make_index_sequence<GAUGE_COUNT>{});

}  // extern "C"
