// The simulator's gauge interface: module linkage, gauge header, element records,
// mouse records, tooltip arguments, token records and the host's gauge function table.
//
// Every record here is read or written by the simulator, so the layout is the
// simulator's: the whole set is laid out with 4-byte packing (doubles are only 4-aligned
// inside these records). On 32-bit builds the sizes and key offsets are pinned below.
#pragma once

#include <cstddef>

#include "platform.h"

namespace sdk {

#pragma pack(push, 4)

struct GAUGEHDR;
struct ELEMENT_HEADER;
struct MODULE_VAR;
struct MOUSERECT;

struct PIXPOINT {
    PIXEL x;
    PIXEL y;
};

struct PIXBOX {
    PIXEL x;
    PIXEL y;
    PIXEL size_x;
    PIXEL size_y;
};

struct GAUGE_GUID {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
};

// ---- callbacks -------------------------------------------------------------------
using MODULE_ROUTINE = void(TM_STDCALL*)();
using QUERY_ROUTINE = void(TM_STDCALL*)();
using INSTALL_ROUTINE = void(TM_STDCALL*)(void* resource_file_handle);
using INITIALIZE_ROUTINE = void(TM_STDCALL*)();
using UPDATE_ROUTINE = void(TM_STDCALL*)();
using GENERATE_ROUTINE = void(TM_STDCALL*)(UINT32 phase);
using DRAW_ROUTINE = void(TM_STDCALL*)();
using KILL_ROUTINE = void(TM_STDCALL*)();
using GAUGE_CALLBACK = void(TM_STDCALL*)(GAUGEHDR* gauge, SINT32 service_id, UINT32 extra_data);
using GAUGE_KEY_EVENT_HANDLER = void(TM_CDECL*)(ID32 event, UINT32 evdata, void* userdata);
using MODULE_VAR_CB = FLOAT64(TM_STDCALL*)(MODULE_VAR* var);
using FN_FLOAT64 = FLOAT64(TM_STDCALL*)(FLOAT64 value);
// The first argument is declared as a point but really points at a MOUSECALLBACK.
using MOUSE_FUNCTION = GBOOL(TM_STDCALL*)(PIXPOINT* arg, FLAGS32 mouse_flags);
using TOOLTIP_NUMERIC_CB = FLOAT64(TM_STDCALL*)(FLOAT64 number, ID id, const char* string,
                                                 MODULE_VAR* source_var, GAUGEHDR* gauge);
using TOOLTIP_ID_CB = ID(TM_STDCALL*)(FLOAT64 number, ID id, const char* string,
                                       MODULE_VAR* source_var, GAUGEHDR* gauge);
using TOOLTIP_STRING_CB = const char*(TM_STDCALL*)(FLOAT64 number, ID id, const char* string,
                                                    MODULE_VAR* source_var, GAUGEHDR* gauge);
using SERIALIZE_SIZE_CB = void(TM_CDECL*)(GAUGEHDR* gauge, UINT32* size);
using SERIALIZE_CB = void(TM_CDECL*)(GAUGEHDR* gauge, std::uint8_t* buf);
using DESERIALIZE_CB = bool(TM_CDECL*)(GAUGEHDR* gauge, std::uint8_t* buf);

// ---- token-variable record ---------------------------------------------------------
union UNIVERSAL_VAR {
    FLOAT64 n;
    GBOOL b;
    ENUM e;
    FLAGS f;
    void* p;
    VAR32 d;
    VAR32 o;
};

struct MODULE_VAR {
    ENUM id;  // token number; 1 is the 18-per-second tick
    void* var_ptr;
    ENUM var_type;  // 0: none
    UNIVERSAL_VAR var_value;
    UNIVERSAL_VAR var_old;
};

// ---- gauge header --------------------------------------------------------------------
constexpr UINT32 GAUGE_HEADER_VERSION_800 = 800;

struct GAUGEHDR {
    UINT32 gauge_header_version;
    char* gauge_name;
    ELEMENT_HEADER** elements_list;
    QUERY_ROUTINE query_routine;
    INSTALL_ROUTINE install_routine;
    INITIALIZE_ROUTINE initialize_routine;
    UPDATE_ROUTINE update_routine;
    GENERATE_ROUTINE generate_routine;
    DRAW_ROUTINE draw_routine;
    KILL_ROUTINE kill_routine;
    void* reserved1;
    UINT32 size_x_mm;
    UINT32 size_y_mm;
    FLOAT32 x_adjust;
    FLOAT32 y_adjust;
    void* reserved2;
    void* reserved3;
    PIXPOINT position;
    void* reserved4;
    MOUSERECT* mouse_rect;
    GAUGE_CALLBACK gauge_callback;
    UINT32 user_data;
    char* parameters;
    char* usage;
    SINT32 reserved5;
    void* reserved6;
    PIXPOINT size;
    FLOAT64 user_area[10];
    FLAGS32 flags;
    void* reserved7;
    GAUGE_GUID guid;
    UINT32 key_id;
    SERIALIZE_SIZE_CB serialize_size_callback;
    SERIALIZE_CB serialize_callback;
    DESERIALIZE_CB deserialize_callback;
    SERIALIZE_SIZE_CB event_size_callback;
    DESERIALIZE_CB process_event_callback;
    PIXPOINT original_position;
};

// Gauge-callback service numbers.
enum : SINT32 {
    PANEL_SERVICE_PRE_QUERY = 0,
    PANEL_SERVICE_POST_QUERY = 1,
    PANEL_SERVICE_PRE_INSTALL = 2,
    PANEL_SERVICE_POST_INSTALL = 3,
    PANEL_SERVICE_PRE_INITIALIZE = 4,
    PANEL_SERVICE_POST_INITIALIZE = 5,
    PANEL_SERVICE_PRE_UPDATE = 6,
    PANEL_SERVICE_POST_UPDATE = 7,
    PANEL_SERVICE_PRE_GENERATE = 8,
    PANEL_SERVICE_POST_GENERATE = 9,
    PANEL_SERVICE_PRE_DRAW = 10,
    PANEL_SERVICE_POST_DRAW = 11,
    PANEL_SERVICE_PRE_KILL = 12,
    PANEL_SERVICE_POST_KILL = 13,
    PANEL_SERVICE_CONNECT_TO_WINDOW = 14,
    PANEL_SERVICE_DISCONNECT = 15,
    PANEL_SERVICE_PANEL_OPEN = 16,
    PANEL_SERVICE_PANEL_CLOSE = 17,
};

// ---- elements --------------------------------------------------------------------------
enum : ENUM {
    ELEMENT_TYPE_STATIC_IMAGE = 0,
    ELEMENT_TYPE_NEEDLE = 1,
    ELEMENT_TYPE_STRING = 2,
    ELEMENT_TYPE_SLIDER = 3,
    ELEMENT_TYPE_ICON = 4,
};

// Image (draw) flags.
enum : FLAGS32 {
    IMAGE_USE_TRANSPARENCY = 0x00000001,
    IMAGE_USE_ERASE = 0x00000002,
    IMAGE_USE_BRIGHT = 0x00000004,
    IMAGE_BILINEAR_COLOR = 0x00000080,
    IMAGE_HIDDEN = 0x40000000,
};

// Icon switch types.
enum : SINT32 {
    ICON_SWITCH_TYPE_SET_CUR_ICON = 0,
    ICON_SWITCH_TYPE_SET_CUR_USING_RANGE = 1,
    ICON_SWITCH_TYPE_STEP_TO = 3,
    ICON_SWITCH_TYPE_STEP_TO_USING_RANGE = 4,
};

struct FAILURE_RECORD {
    ENUM key;  // 0: no failure (ends a list)
    ENUM action;
    void* reserved;
};

struct IMAGE_SET {
    void* final;
    void* source;
    void* reserved1;
    void* reserved2;
};

struct ELEMENT_HEADER {
    ENUM element_type;
    ID resource_id;
    PIXPOINT position;
    PIXPOINT previous_position;
    PIXPOINT ofs;
    GAUGEHDR* gauge_header;
    ELEMENT_HEADER* previous_element;
    ELEMENT_HEADER** next_element;  // null-terminated list of children, or null
    FAILURE_RECORD* failure_systems;
    FLAGS image_flags;
    FLAGS aircraft_special_instrumentation;
    FLAGS reserved;
};

struct NONLINEARITY {
    PIXPOINT pt;
    FLOAT64 value;
    FLOAT64 degrees;
};

struct ELEMENT_STATIC_IMAGE;
struct ELEMENT_NEEDLE;
struct ELEMENT_STRING;
struct ELEMENT_SLIDER;
struct ELEMENT_ICON;
using NEEDLE_UPDATE_CALLBACK = FLOAT64(TM_STDCALL*)(ELEMENT_NEEDLE* element);
using STRING_UPDATE_CALLBACK = FLOAT64(TM_STDCALL*)(ELEMENT_STRING* element);
using SLIDER_UPDATE_CALLBACK = FLOAT64(TM_STDCALL*)(ELEMENT_SLIDER* element);
using ICON_UPDATE_CALLBACK = FLOAT64(TM_STDCALL*)(ELEMENT_ICON* element);

struct ELEMENT_STATIC_IMAGE {
    ELEMENT_HEADER header;
    IMAGE_SET image_data;
    void* save_buffer;
    void* hdc;
    void* hbmp;
    void* reserved1;
    void* reserved2;
};

struct ELEMENT_NEEDLE {
    ELEMENT_HEADER header;
    MODULE_VAR source_var;
    MODULE_VAR_CB source_var_cb;
    FN_FLOAT64 display_value_fn;
    FN_FLOAT64 angle_fn;
    FN_FLOAT64 lag_fn;
    PIXPOINT reference;
    NONLINEARITY* nonlinearity_table;
    UINT32 nonlinearity_table_size;
    SINT32 max_degrees_per_tick;
    FLOAT64 readout_goal;
    FLOAT64 theta_goal;
    FLOAT64 theta;
    PIXPOINT reference_old;
    PIXPOINT o0;
    PIXPOINT o1;
    PIXPOINT o2;
    PIXPOINT o3;
    IMAGE_SET needle_data;
    void* texture_data;
    UINT32 texture_handle;
    void* save_buffer;
    PIXPOINT save_position;
    NEEDLE_UPDATE_CALLBACK update_cb;
    PIXPOINT save_size;
};

struct ELEMENT_STRING {
    ELEMENT_HEADER header;
    MODULE_VAR source_var[3];
    FLOAT64 save_var[3];
    MODULE_VAR_CB source_var_cb[3];
    FN_FLOAT64 source_fn;
    char* string;  // text buffer, provided by the host
    char* string_old;
    PIXPOINT img_size;
    void* string_data;
    void* save_buffer;
    std::uint32_t fg_color;
    std::uint32_t bg_color;
    std::uint32_t hilite_color;
    void* hdc;
    void* hfont;
    void* reserved1;
    void* hbmp;
    void* reserved2;
    void* hbrush;
    void* reserved3;
    char font_name[32];
    SINT32 font_weight;
    std::uint8_t font_charset;
    UINT32 draw_text_flags;
    std::uint16_t max_string_length;
    std::uint16_t char_width;
    std::int16_t sel_str;
    std::int16_t sel_end;
    void* seq;
    SINT32 save_global_seq;
    SINT32 char_height;
    STRING_UPDATE_CALLBACK update_cb;
    GBOOL use_user_color;
    std::uint32_t user_color;
};

struct ELEMENT_SLIDER {
    ELEMENT_HEADER header;
    MODULE_VAR source_var_x;
    MODULE_VAR_CB source_var_x_cb;
    FLOAT64 scale_x;
    FN_FLOAT64 lag_fn_x;
    MODULE_VAR source_var_y;
    MODULE_VAR_CB source_var_y_cb;
    FLOAT64 scale_y;
    FN_FLOAT64 lag_fn_y;
    IMAGE_SET slider_data;
    void* save_buffer;
    SLIDER_UPDATE_CALLBACK update_x_cb;
    SLIDER_UPDATE_CALLBACK update_y_cb;
    FLOAT64 previous_x;
    FLOAT64 previous_y;
};

struct ELEMENT_ICON {
    ELEMENT_HEADER header;
    MODULE_VAR source_var;
    MODULE_VAR_CB source_var_cb;
    SINT32 switch_type;
    SINT32 switch_count;
    FLOAT64 scale;
    SINT32 offset;
    SINT32 num_icons;
    SINT32 cur_icon;
    SINT32 dst_icon;
    void* picon_data;
    void* save_buffer;
    ICON_UPDATE_CALLBACK update_cb;
    ID reserved1;
};

// ---- mouse records ---------------------------------------------------------------------
enum : ENUM {
    MOUSE_RECT_EOL = 0,
    MOUSE_RECT_PARENT = 1,
    MOUSE_RECT_CHILD = 2,
    MOUSE_RECT_END_PARENT = 3,
    MOUSE_RECT_USER = 4,  // tooltip record
};

enum : ENUM {
    CURSOR_NONE = -1,
    CURSOR_NORMAL = 0,
    CURSOR_UPARROW = 1,
    CURSOR_DOWNARROW = 2,
    CURSOR_LEFTARROW = 3,
    CURSOR_RIGHTARROW = 4,
    CURSOR_HAND = 5,
    CURSOR_CROSSHAIR = 6,
    CURSOR_GRAB = 7,
};

enum : FLAGS32 {
    MOUSE_NONE = 0,
    MOUSE_RIGHTSINGLE = 0x80000000,
    MOUSE_MIDDLESINGLE = 0x40000000,
    MOUSE_LEFTSINGLE = 0x20000000,
    MOUSE_RIGHTDOUBLE = 0x10000000,
    MOUSE_MIDDLEDOUBLE = 0x08000000,
    MOUSE_LEFTDOUBLE = 0x04000000,
    MOUSE_RIGHTDRAG = 0x02000000,
    MOUSE_MIDDLEDRAG = 0x01000000,
    MOUSE_LEFTDRAG = 0x00800000,
    MOUSE_MOVE = 0x00400000,
    MOUSE_DOWN_REPEAT = 0x00200000,
    MOUSE_RIGHTRELEASE = 0x00080000,
    MOUSE_MIDDLERELEASE = 0x00040000,
    MOUSE_LEFTRELEASE = 0x00020000,
    MOUSE_WHEEL_FLIP = 0x00010000,
    MOUSE_WHEEL_SKIP = 0x00008000,
    MOUSE_WHEEL_UP = 0x00004000,
    MOUSE_WHEEL_DOWN = 0x00002000,
    MOUSE_MOVE_REPEAT = 0x00001000,
    MOUSE_LEAVE = 0x00000800,
    MOUSE_GETALL = 0x00000400,
};

constexpr int TOOLTIP_MAX_TEXT = 80;

// In a tooltip record the function slot carries the tooltip text and the event slot the
// number of arguments; both readings share the slot.
union MOUSE_FUNCTION_SLOT {
    MOUSE_FUNCTION function;
    const char* tooltip_text;
};

struct MOUSERECT {
    ENUM rect_type;
    PIXBOX relative_box;
    ENUM cursor;
    ID help_id;
    FLAGS32 mouse_flags;
    ID32 event_id;
    MOUSE_FUNCTION_SLOT mouse_function;
    void* api_data;
};

// What the mouse function's first argument really points at.
struct MOUSECALLBACK {
    PIXPOINT relative_point;
    void* user_data;  // the gauge header
    MOUSERECT* mouse;
    PIXPOINT screen_point;
    void* reserved;
};

struct NUMERIC_TABLE_ROW {
    FLOAT64 source;
    FLOAT64 value;
};
struct ID_TABLE_ROW {
    SINT32 source;
    ID value;
};
struct STRING_TABLE_ROW {
    SINT32 source;
    char* value;
};

struct MOUSE_ARG {
    MODULE_VAR source_var;
    FLOAT64 scale;
    NUMERIC_TABLE_ROW* numeric_table;
    UINT32 numeric_table_size;
    ID_TABLE_ROW* id_table;
    UINT32 id_table_size;
    STRING_TABLE_ROW* string_table;
    UINT32 string_table_size;
    TOOLTIP_NUMERIC_CB numeric_callback;
    TOOLTIP_ID_CB id_callback;
    TOOLTIP_STRING_CB string_callback;
};

// ---- the host's gauge function table ------------------------------------------------------
using VOID_FN = void(TM_STDCALL*)();
using BOOL_FN = GBOOL(TM_STDCALL*)();

struct PANELS {
    // The same six leading fields as the module's linkage record.
    ID ModuleID;
    MODULE_ROUTINE ModuleInit;
    MODULE_ROUTINE ModuleDeinit;
    UINT32 ModuleFlags;
    UINT32 ModulePriority;
    UINT32 ModuleVersion;
    VOID_FN reserved1;
    VOID_FN reserved2;
    VOID_FN reserved3;
    VOID_FN reserved4;
    VOID_FN reserved5;
    GBOOL(TM_STDCALL* is_panel_window_visible_ident)(UINT32 panel_id);
    ENUM(TM_STDCALL* tooltip_units_getset)(int action, ENUM type);
    VOID_FN reserved7;
    VOID_FN reserved8;
    VOID_FN reserved9;
    VOID_FN reserved10;
    VOID_FN reserved11;
    VOID_FN reserved12;
    VOID_FN reserved13;
    VOID_FN reserved14;
    VOID_FN reserved15;
    VOID_FN reserved16;
    VOID_FN reserved17;
    void(TM_STDCALL* element_list_query)(ELEMENT_HEADER* element);
    void(TM_STDCALL* element_list_install)(ELEMENT_HEADER* element, void* resource_file_handle);
    void(TM_STDCALL* element_list_initialize)(ELEMENT_HEADER* element);
    void(TM_STDCALL* element_list_update)(ELEMENT_HEADER* element);
    void(TM_STDCALL* element_list_generate)(ELEMENT_HEADER* element, UINT32 phase);
    void(TM_STDCALL* element_list_plot)(ELEMENT_HEADER* element);
    void(TM_STDCALL* element_list_erase)(ELEMENT_HEADER* element);
    void(TM_STDCALL* element_list_kill)(ELEMENT_HEADER* element);
    void(TM_STDCALL* mouse_list_install)(MOUSERECT* rect, GAUGEHDR* gauge, PIXPOINT* size);
    void(TM_STDCALL* mouse_list_register)(MOUSERECT* rect, GAUGEHDR* gauge);
    void(TM_STDCALL* mouse_list_unregister)(MOUSERECT* rect, GAUGEHDR* gauge);
    GBOOL(TM_STDCALL* panel_window_toggle)(UINT32 panel_id);
    ERR(TM_STDCALL* trigger_key_event)(ID32 event_id, UINT32 value);
    void(TM_STDCALL* register_var_by_name)(void* var, ENUM type, char* name);
    void(TM_STDCALL* initialize_var)(MODULE_VAR* var);
    void(TM_STDCALL* initialize_var_by_name)(MODULE_VAR* var, char* name);
    void(TM_STDCALL* lookup_var)(MODULE_VAR* var);
    void(TM_STDCALL* unregister_var_by_name)(char* name);
    void(TM_STDCALL* unregister_all_named_vars)();
    VOID_FN reserved18;
    VOID_FN reserved19;
    GBOOL(TM_STDCALL* panel_window_close_ident)(UINT32 panel_id);
    GBOOL(TM_STDCALL* panel_window_open_ident)(UINT32 panel_id);
    void(TM_STDCALL* panel_window_toggle_hud_color)();
    void(TM_STDCALL* panel_window_toggle_hud_units)();
    void(TM_STDCALL* radio_stack_popup)();
    void(TM_STDCALL* radio_stack_autoclose)();
    ID(TM_STDCALL* check_named_variable)(const char* name);
    ID(TM_STDCALL* register_named_variable)(const char* name);
    FLOAT64(TM_STDCALL* get_named_variable_value)(ID id);
    FLOAT64(TM_STDCALL* get_named_variable_typed_value)(ID id, ENUM units);
    void(TM_STDCALL* set_named_variable_value)(ID id, FLOAT64 value);
    void(TM_STDCALL* set_named_variable_typed_value)(ID id, FLOAT64 value, ENUM units);
    VOID_FN reserved26;
    VOID_FN reserved27;
    const char*(TM_STDCALL* get_name_of_named_variable)(ID id);
    VOID_FN reserved29;
    const char*(TM_STDCALL* panel_resource_string_get)(ID32 id);
    GBOOL(TM_STDCALL* panel_window_toggle_menu_id)(ID32 menu_id);
    VOID_FN reserved30;
    VOID_FN reserved31;
    void(TM_STDCALL* element_use_color)(ELEMENT_HEADER* element, GBOOL override_color,
                                        UINT32 colorref);
    void(TM_STDCALL* set_gauge_flags)(const char* name, FLAGS32 flags);
    FLAGS32(TM_STDCALL* get_gauge_flags)(const char* name);
    GBOOL(TM_STDCALL* gauge_calculator_code_precompile)(const char** compiled, UINT32* size,
                                                         const char* source);
    GBOOL(TM_STDCALL* execute_calculator_code)(const char* code, FLOAT64* fvalue,
                                                SINT32* ivalue, const char** svalue);
    GBOOL(TM_STDCALL* format_calculator_string)(char* result, UINT32 resultsize,
                                                 const char* format);
    BOOL_FN reserved32;
    BOOL_FN reserved33;
    ENUM(TM_STDCALL* get_units_enum)(const char* unitname);
    ENUM(TM_STDCALL* get_aircraft_var_enum)(const char* simvar);
    FLOAT64(TM_STDCALL* aircraft_varget)(ENUM simvar, ENUM units, SINT32 index);
    GBOOL(TM_STDCALL* panel_register_c_callback)(const char* name, void* callback);
    void*(TM_STDCALL* panel_get_registered_c_callback)(const char* name);
    void*(TM_STDCALL* panel_get_aircraft_c_callback)(const char* name);
    void(TM_STDCALL* send_key_event)(ID32 event_id, UINT32 value);
    void(TM_STDCALL* register_key_event_handler)(GAUGE_KEY_EVENT_HANDLER handler,
                                                 void* userdata);
    void(TM_STDCALL* unregister_key_event_handler)(GAUGE_KEY_EVENT_HANDLER handler,
                                                   void* userdata);
    VOID_FN reserved34;
    VOID_FN reserved35;
    bool(TM_STDCALL* process_shared_event_out)(GAUGEHDR* gauge, std::uint8_t* buf, UINT32 size);
    bool(TM_STDCALL* is_master)();
};

// ---- exported records ------------------------------------------------------------------------
constexpr ID GAUGES_MODULE_ID = 0x13;
constexpr ID PANELS_FUNCTION_TABLE_ID = 0x0F;
constexpr UINT32 GAUGES_MODULE_VERSION = 0x0900;

struct IMPORT_ENTRY {
    ID fnID;
    PANELS* fnptr;
};

struct GAUGESIMPORT {
    IMPORT_ENTRY PANELSentry;
    IMPORT_ENTRY nullentry;
};

// The linkage record: six fixed fields, then an open, null-terminated array of gauge
// headers. N is the number of gauges plus the terminator.
template <std::size_t N>
struct GAUGESLINKAGE {
    ID ModuleID;
    MODULE_ROUTINE ModuleInit;
    MODULE_ROUTINE ModuleDeinit;
    FLAGS32 ModuleFlags;
    UINT32 ModuleStatus;
    UINT32 ModuleVersion;
    GAUGEHDR* gauge_header_ptr[N];
};

// The host's view of the linkage record, whose gauge array it walks to the null entry.
struct GAUGESLINKAGE_VIEW {
    ID ModuleID;
    MODULE_ROUTINE ModuleInit;
    MODULE_ROUTINE ModuleDeinit;
    FLAGS32 ModuleFlags;
    UINT32 ModuleStatus;
    UINT32 ModuleVersion;
    GAUGEHDR* gauge_header_ptr[1];
};

#pragma pack(pop)

#if TM_32BIT
static_assert(sizeof(PIXPOINT) == 8);
static_assert(sizeof(MODULE_VAR) == 28);
static_assert(offsetof(MODULE_VAR, var_value) == 12 && offsetof(MODULE_VAR, var_old) == 20);
static_assert(sizeof(GAUGEHDR) == 252);
static_assert(offsetof(GAUGEHDR, gauge_name) == 4 && offsetof(GAUGEHDR, elements_list) == 8);
static_assert(offsetof(GAUGEHDR, reserved1) == 40 && offsetof(GAUGEHDR, size_x_mm) == 44);
static_assert(offsetof(GAUGEHDR, position) == 68 && offsetof(GAUGEHDR, mouse_rect) == 80);
static_assert(offsetof(GAUGEHDR, gauge_callback) == 84 && offsetof(GAUGEHDR, usage) == 96);
static_assert(offsetof(GAUGEHDR, size) == 108 && offsetof(GAUGEHDR, user_area) == 116);
static_assert(offsetof(GAUGEHDR, flags) == 196 && offsetof(GAUGEHDR, guid) == 204);
static_assert(offsetof(GAUGEHDR, key_id) == 220 && offsetof(GAUGEHDR, serialize_size_callback) == 224);
static_assert(offsetof(GAUGEHDR, process_event_callback) == 240);
static_assert(offsetof(GAUGEHDR, original_position) == 244);
static_assert(sizeof(ELEMENT_HEADER) == 60);
static_assert(offsetof(ELEMENT_HEADER, gauge_header) == 32 && offsetof(ELEMENT_HEADER, next_element) == 40);
static_assert(offsetof(ELEMENT_HEADER, image_flags) == 48);
static_assert(sizeof(NONLINEARITY) == 24 && offsetof(NONLINEARITY, value) == 8);
static_assert(sizeof(ELEMENT_STATIC_IMAGE) == 96);
static_assert(sizeof(ELEMENT_NEEDLE) == 236);
static_assert(offsetof(ELEMENT_NEEDLE, source_var) == 60 && offsetof(ELEMENT_NEEDLE, source_var_cb) == 88);
static_assert(offsetof(ELEMENT_NEEDLE, nonlinearity_table) == 112);
static_assert(offsetof(ELEMENT_NEEDLE, max_degrees_per_tick) == 120);
static_assert(offsetof(ELEMENT_NEEDLE, readout_goal) == 124 && offsetof(ELEMENT_NEEDLE, needle_data) == 188);
static_assert(offsetof(ELEMENT_NEEDLE, update_cb) == 224 && offsetof(ELEMENT_NEEDLE, save_size) == 228);
static_assert(sizeof(ELEMENT_STRING) == 324);
static_assert(offsetof(ELEMENT_STRING, save_var) == 144 && offsetof(ELEMENT_STRING, source_var_cb) == 168);
static_assert(offsetof(ELEMENT_STRING, string) == 184 && offsetof(ELEMENT_STRING, img_size) == 192);
static_assert(offsetof(ELEMENT_STRING, fg_color) == 208 && offsetof(ELEMENT_STRING, font_name) == 248);
static_assert(offsetof(ELEMENT_STRING, font_weight) == 280 && offsetof(ELEMENT_STRING, font_charset) == 284);
static_assert(offsetof(ELEMENT_STRING, draw_text_flags) == 288);
static_assert(offsetof(ELEMENT_STRING, max_string_length) == 292 && offsetof(ELEMENT_STRING, seq) == 300);
static_assert(offsetof(ELEMENT_STRING, char_height) == 308 && offsetof(ELEMENT_STRING, update_cb) == 312);
static_assert(offsetof(ELEMENT_STRING, user_color) == 320);
static_assert(sizeof(ELEMENT_SLIDER) == 192);
static_assert(offsetof(ELEMENT_SLIDER, scale_x) == 92 && offsetof(ELEMENT_SLIDER, source_var_y) == 104);
static_assert(offsetof(ELEMENT_SLIDER, scale_y) == 136 && offsetof(ELEMENT_SLIDER, slider_data) == 148);
static_assert(offsetof(ELEMENT_SLIDER, update_x_cb) == 168 && offsetof(ELEMENT_SLIDER, previous_y) == 184);
static_assert(sizeof(ELEMENT_ICON) == 140);
static_assert(offsetof(ELEMENT_ICON, switch_type) == 92 && offsetof(ELEMENT_ICON, scale) == 100);
static_assert(offsetof(ELEMENT_ICON, num_icons) == 112 && offsetof(ELEMENT_ICON, update_cb) == 132);
static_assert(sizeof(MOUSERECT) == 44);
static_assert(offsetof(MOUSERECT, cursor) == 20 && offsetof(MOUSERECT, mouse_flags) == 28);
static_assert(offsetof(MOUSERECT, event_id) == 32 && offsetof(MOUSERECT, mouse_function) == 36);
static_assert(offsetof(MOUSERECT, api_data) == 40);
static_assert(sizeof(MOUSECALLBACK) == 28 && offsetof(MOUSECALLBACK, user_data) == 8);
static_assert(offsetof(MOUSECALLBACK, mouse) == 12 && offsetof(MOUSECALLBACK, screen_point) == 16);
static_assert(sizeof(MOUSE_ARG) == 72 && offsetof(MOUSE_ARG, scale) == 28);
static_assert(offsetof(MOUSE_ARG, numeric_callback) == 60 && offsetof(MOUSE_ARG, string_callback) == 68);
static_assert(sizeof(GAUGESIMPORT) == 16 && offsetof(GAUGESIMPORT, PANELSentry.fnptr) == 4);
static_assert(offsetof(GAUGESLINKAGE_VIEW, gauge_header_ptr) == 24);
static_assert(sizeof(PANELS) == 0x158);
static_assert(offsetof(PANELS, is_panel_window_visible_ident) == 0x2C);
static_assert(offsetof(PANELS, element_list_query) == 0x60);
static_assert(offsetof(PANELS, element_list_kill) == 0x7C);
static_assert(offsetof(PANELS, trigger_key_event) == 0x90 && offsetof(PANELS, lookup_var) == 0xA0);
static_assert(offsetof(PANELS, check_named_variable) == 0xCC);
static_assert(offsetof(PANELS, set_named_variable_value) == 0xDC);
static_assert(offsetof(PANELS, get_name_of_named_variable) == 0xEC);
static_assert(offsetof(PANELS, execute_calculator_code) == 0x114);
static_assert(offsetof(PANELS, aircraft_varget) == 0x12C);
static_assert(offsetof(PANELS, register_key_event_handler) == 0x140);
static_assert(offsetof(PANELS, unregister_key_event_handler) == 0x144);
static_assert(offsetof(PANELS, is_master) == 0x154);
#endif

}  // namespace sdk
