// A tiny gauge library used only by the bench's own tests: gauges with overlapping mouse
// areas, a tree of elements of every kind, a string that can overrun its buffer, and a
// key-event handler that triggers further events. It talks to the host only through the
// gauge function table, as any gauge library does.
#include <cstdio>
#include <cstring>

#include "sdk/gauges.h"

extern "C" {
TM_EXPORT sdk::GAUGESIMPORT ImportTable = {{sdk::PANELS_FUNCTION_TABLE_ID, nullptr}, {0, nullptr}};
}

namespace {

sdk::PANELS* host() { return ImportTable.PANELSentry.fnptr; }

void set(const char* name, double value) {
    char code[256];
    std::snprintf(code, sizeof code, "%.17g (>L:%s, number)", value, name);
    host()->execute_calculator_code(code, nullptr, nullptr, nullptr);
}

double get(const char* name) {
    char code[256];
    std::snprintf(code, sizeof code, "(L:%s, number)", name);
    double value = 0;
    host()->execute_calculator_code(code, &value, nullptr, nullptr);
    return value;
}

// ---- Mouse_Test: overlapping click areas and tooltips ---------------------------------------

sdk::GBOOL TM_STDCALL click_big(sdk::PIXPOINT* point, sdk::FLAGS32 flags) {
    auto* cb = reinterpret_cast<sdk::MOUSECALLBACK*>(point);
    set("Test_Click", 1);
    set("Test_Click_Count", get("Test_Click_Count") + 1);
    set("Test_RelX", cb->relative_point.x);
    set("Test_RelY", cb->relative_point.y);
    set("Test_Flags", flags);
    set("Test_Area_H", cb->mouse->relative_box.size_y);
    set("Test_Gauge_Ok", cb->user_data != nullptr &&
                             std::strcmp(static_cast<sdk::GAUGEHDR*>(cb->user_data)->gauge_name, "Mouse_Test") == 0);
    return 0;
}

sdk::GBOOL TM_STDCALL click_small(sdk::PIXPOINT* point, sdk::FLAGS32 flags) {
    auto* cb = reinterpret_cast<sdk::MOUSECALLBACK*>(point);
    set("Test_Click", 2);
    set("Test_Click_Count", get("Test_Click_Count") + 1);
    set("Test_RelX", cb->relative_point.x);
    set("Test_RelY", cb->relative_point.y);
    set("Test_Flags", flags);
    return 0;
}

sdk::GBOOL TM_STDCALL click_right(sdk::PIXPOINT*, sdk::FLAGS32 flags) {
    set("Test_Click", 3);
    set("Test_Click_Count", get("Test_Click_Count") + 1);
    set("Test_Flags", flags);
    return 0;
}

sdk::FLOAT64 TM_STDCALL tip_number(sdk::FLOAT64, sdk::ID, const char*, sdk::MODULE_VAR*, sdk::GAUGEHDR*) {
    return get("Test_Tip_Number");
}

const char* TM_STDCALL tip_text(sdk::FLOAT64, sdk::ID, const char*, sdk::MODULE_VAR*, sdk::GAUGEHDR*) {
    return get("Test_Tip_Switch") != 0 ? "ON" : "OFF";
}

const char* TM_STDCALL tip_null(sdk::FLOAT64, sdk::ID, const char*, sdk::MODULE_VAR*, sdk::GAUGEHDR*) {
    return nullptr;
}

sdk::MOUSE_ARG big_args[1];
sdk::MOUSE_ARG small_args[2];
sdk::MOUSE_ARG long_args[1];

sdk::MOUSERECT rect(sdk::ENUM type, int x, int y, int w, int h, sdk::FLAGS32 mask = 0,
                    sdk::MOUSE_FUNCTION fn = nullptr) {
    sdk::MOUSERECT r{};
    r.rect_type = type;
    r.relative_box = {x, y, w, h};
    r.cursor = type == sdk::MOUSE_RECT_CHILD ? sdk::CURSOR_HAND : sdk::CURSOR_NONE;
    r.mouse_flags = mask;
    r.mouse_function.function = fn;
    return r;
}

sdk::MOUSERECT tip(const char* text, sdk::MOUSE_ARG* args, sdk::ID32 count) {
    sdk::MOUSERECT r = rect(sdk::MOUSE_RECT_USER, 0, 0, 0, 0);
    r.mouse_function.tooltip_text = text;
    r.event_id = count;
    r.api_data = args;
    return r;
}

// Records in table order. The big area comes first and the small one lies inside it.
sdk::MOUSERECT mouse_table[16];

void build_mouse_table() {
    big_args[0].numeric_callback = &tip_number;
    small_args[0].string_callback = &tip_text;
    small_args[1].numeric_callback = &tip_number;
    long_args[0].string_callback = &tip_null;
    int i = 0;
    mouse_table[i++] = rect(sdk::MOUSE_RECT_PARENT, 0, 0, 0, 0);
    mouse_table[i++] = rect(sdk::MOUSE_RECT_PARENT, 0, 0, 100, 100);
    mouse_table[i++] = tip("Big area [%1!d!]", big_args, 1);
    mouse_table[i++] = rect(sdk::MOUSE_RECT_END_PARENT, 0, 0, 0, 0);
    mouse_table[i++] = rect(sdk::MOUSE_RECT_CHILD, 0, 0, 100, 100, 0x20400000, &click_big);
    mouse_table[i++] = rect(sdk::MOUSE_RECT_PARENT, 10, 10, 20, 20);
    mouse_table[i++] = tip("Small [%1!s!], [%2!d! ft]", small_args, 2);
    mouse_table[i++] = rect(sdk::MOUSE_RECT_END_PARENT, 0, 0, 0, 0);
    mouse_table[i++] = rect(sdk::MOUSE_RECT_CHILD, 10, 10, 20, 20, 0x20000000, &click_small);
    mouse_table[i++] = rect(sdk::MOUSE_RECT_CHILD, 50, 50, 10, 10, 0x80000000, &click_right);
    mouse_table[i++] = rect(sdk::MOUSE_RECT_PARENT, 200, 0, 10, 10);
    mouse_table[i++] = tip("A tooltip text that goes on and on, well past the eighty characters the simulator shows [%1!s!]",
                           long_args, 1);
    mouse_table[i++] = rect(sdk::MOUSE_RECT_END_PARENT, 0, 0, 0, 0);
    mouse_table[i++] = rect(sdk::MOUSE_RECT_END_PARENT, 0, 0, 0, 0);
    mouse_table[i++] = rect(sdk::MOUSE_RECT_EOL, 0, 0, 0, 0);
}

// A table without terminator: the host must stop on its own.
sdk::MOUSERECT endless_table[4100];

void build_endless_table() {
    for (auto& r : endless_table) r = rect(sdk::MOUSE_RECT_CHILD, 0, 0, 5, 5, 0x20000000, &click_right);
}

// ---- Element_Test: one element of each kind, in a tree ----------------------------------------

sdk::FLOAT64 TM_STDCALL icon_cb(sdk::ELEMENT_ICON* e) {
    if (get("Test_Hide") != 0) e->header.image_flags |= static_cast<sdk::FLAGS>(sdk::IMAGE_HIDDEN);
    else e->header.image_flags &= ~static_cast<sdk::FLAGS>(sdk::IMAGE_HIDDEN);
    return get("Test_Icon");
}

sdk::FLOAT64 TM_STDCALL needle_cb(sdk::ELEMENT_NEEDLE*) { return get("Test_Needle"); }

sdk::FLOAT64 TM_STDCALL string_cb(sdk::ELEMENT_STRING* e) {
    // Writes Test_StrLen letters: more than the element's length overruns the buffer.
    int n = static_cast<int>(get("Test_StrLen"));
    if (n < 0) n = 0;
    if (n > 40) n = 40;
    for (int i = 0; i < n; ++i) e->string[i] = static_cast<char>('A' + i % 26);
    e->string[n] = '\0';
    double previous = e->source_var[0].var_value.n;
    e->source_var[0].var_value.n = previous == 0.0 ? 1.0 : 0.0;
    return e->source_var[0].var_value.n;
}

sdk::FLOAT64 TM_STDCALL slider_x_cb(sdk::ELEMENT_SLIDER*) { return get("Test_Slider"); }

sdk::GAUGEHDR element_gauge{};
sdk::ELEMENT_STATIC_IMAGE root{};
sdk::ELEMENT_ICON icon{};
sdk::ELEMENT_NEEDLE needle{};
sdk::ELEMENT_STRING text{};
sdk::ELEMENT_SLIDER slider{};
sdk::ELEMENT_HEADER* root_children[] = {&icon.header, &slider.header, nullptr};
sdk::ELEMENT_HEADER* icon_children[] = {&needle.header, &text.header, nullptr};
sdk::ELEMENT_HEADER* element_list = &root.header;

void TM_STDCALL element_gauge_callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32 extra) {
    char name[64];
    std::snprintf(name, sizeof name, "Test_Service_%d", service);
    set(name, get(name) + 1);
    if (service == sdk::PANEL_SERVICE_CONNECT_TO_WINDOW) set("Test_Window", extra);
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) {
        sdk::MODULE_VAR tick{};
        tick.id = 1;
        host()->lookup_var(&tick);
        set("Test_Tick", tick.var_value.n);
        sdk::MODULE_VAR seconds{};
        seconds.id = 604;
        host()->lookup_var(&seconds);
        set("Test_Seconds", seconds.var_value.n);
    }
}

void build_elements() {
    auto header = [](sdk::ELEMENT_HEADER& h, sdk::ENUM type, sdk::ID bitmap, int x, int y, sdk::FLAGS flags) {
        h.element_type = type;
        h.resource_id = bitmap;
        h.position = {x, y};
        h.gauge_header = &element_gauge;
        h.image_flags = flags;
    };
    header(root.header, sdk::ELEMENT_TYPE_STATIC_IMAGE, 100, 0, 0, 0x1);
    root.header.next_element = root_children;
    header(icon.header, sdk::ELEMENT_TYPE_ICON, 200, 5, 6, 0x3);
    icon.header.next_element = icon_children;
    icon.num_icons = 3;
    icon.switch_type = sdk::ICON_SWITCH_TYPE_STEP_TO;
    icon.update_cb = &icon_cb;
    header(needle.header, sdk::ELEMENT_TYPE_NEEDLE, 300, 50, 50, 0x83);
    needle.update_cb = &needle_cb;
    header(text.header, sdk::ELEMENT_TYPE_STRING, -1, 10, 90, 0x7);
    text.max_string_length = 8;
    text.update_cb = &string_cb;
    header(slider.header, sdk::ELEMENT_TYPE_SLIDER, 400, 20, 20, 0x1);
    slider.scale_x = 3.0;
    slider.update_x_cb = &slider_x_cb;
}

// ---- the key-event handler --------------------------------------------------------------------

bool in_handler = false;

void TM_CDECL key_handler(sdk::ID32 event, sdk::UINT32 data, void*) {
    if (in_handler) set("Test_Reentered", 1);
    in_handler = true;
    if (event == 70000 || event == 70001) set("Test_Seq", get("Test_Seq") * 10 + (event - 69999));
    if (event == 70000) host()->trigger_key_event(70001, data + 1);
    if (event == 70001) set("Test_Param", data);
    if (event == 70002) host()->trigger_key_event(70002, data);  // never ends on its own
    in_handler = false;
}

// Counts loads of this very copy of the library: a fresh copy always says 1.
int loads = 0;

void TM_STDCALL module_init() {
    host()->register_key_event_handler(&key_handler, nullptr);
    ++loads;
    set("Test_Module_Loads", loads);
    set("Test_Init", get("Test_Init") + 1);
    sdk::ID id = host()->register_named_variable("Test_Named");
    host()->set_named_variable_value(id, 42.0);
    set("Test_Named_Id_Matches", host()->check_named_variable("Test_Named") == id);
    set("Test_Unknown_Named_Id", host()->check_named_variable("Test_Never_Registered"));
}

// A gauge named like one of the aircraft's panels, so the bench puts it in that window.
void TM_STDCALL panel_callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service == sdk::PANEL_SERVICE_PRE_UPDATE) set("Test_Panel_Updates", get("Test_Panel_Updates") + 1);
}

void TM_STDCALL module_deinit() { host()->unregister_key_event_handler(&key_handler, nullptr); }

sdk::GAUGEHDR mouse_gauge{};
sdk::GAUGEHDR endless_gauge{};
sdk::GAUGEHDR quiet_gauge{};  // no callback, no elements, no mouse table
sdk::GAUGEHDR panel_gauge{};

struct Setup {
    Setup() {
        build_mouse_table();
        build_endless_table();
        build_elements();
        mouse_gauge.gauge_header_version = sdk::GAUGE_HEADER_VERSION_800;
        mouse_gauge.gauge_name = const_cast<char*>("Mouse_Test");
        mouse_gauge.mouse_rect = mouse_table;
        mouse_gauge.size_x_mm = 98;
        element_gauge.gauge_header_version = sdk::GAUGE_HEADER_VERSION_800;
        element_gauge.gauge_name = const_cast<char*>("Element_Test");
        element_gauge.elements_list = &element_list;
        element_gauge.gauge_callback = &element_gauge_callback;
        element_gauge.size_x_mm = 120;
        endless_gauge.gauge_name = const_cast<char*>("Endless_Mouse");
        endless_gauge.mouse_rect = endless_table;
        quiet_gauge.gauge_name = const_cast<char*>("Quiet");
        panel_gauge.gauge_name = const_cast<char*>("Oxygen_Panel");
        panel_gauge.gauge_callback = &panel_callback;
    }
} setup;

}  // namespace

extern "C" {
TM_EXPORT sdk::GAUGESLINKAGE<6> Linkage = {
    sdk::GAUGES_MODULE_ID, &module_init, &module_deinit, 0, 0, sdk::GAUGES_MODULE_VERSION,
    {&mouse_gauge, &element_gauge, &endless_gauge, &quiet_gauge, &panel_gauge, nullptr}};
}
