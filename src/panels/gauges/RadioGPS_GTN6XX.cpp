// RadioGPS_GTN6XX: the GTN6XX navigator's bezel and touch screen.
#include "panels/gauges/RadioGPS_GTN6XX.h"

#include "avionics/gtn.h"
#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"

namespace tarmelon {

namespace {

void large_knob_down() { gtn_large_knob(false); }
void large_knob_up() { gtn_large_knob(true); }

// The small knob's halves take the left button, the wheel (either way, each half turning
// its own way) and the right button, which swaps COM and NAV focus.
template <bool Up>
sdk::GBOOL TM_STDCALL small_knob(sdk::PIXPOINT*, sdk::FLAGS32 flags) {
    gtn_small_knob(Up, (flags & MOUSE_RIGHT) != 0);
    return 0;
}

// The screen's size, for a touch that arrives without its area.
constexpr int SCREEN_WIDTH = 732, SCREEN_HEIGHT = 302;

}  // namespace

// The unit's controls make no click.
// clang-format off
sdk::GBOOL TM_STDCALL gtn_volume_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gtn_volume_knob, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gtn_large_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<large_knob_down, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gtn_large_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<large_knob_up, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gtn_small_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return small_knob<false>(at, flags); }
sdk::GBOOL TM_STDCALL gtn_small_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return small_knob<true>(at, flags); }
sdk::GBOOL TM_STDCALL gtn_direct_to_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gtn_direct_to_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL gtn_home_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gtn_home_button, NO_CLICK>(at, flags); }
// clang-format on

namespace {

sdk::GBOOL TM_STDCALL terrain_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<gtn_terrain_key, NO_CLICK>(at, flags); }

// A touch on the screen: the point relative to the area, and the area's size.
sdk::GBOOL TM_STDCALL screen_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) {
    int x = 0, y = 0, width = SCREEN_WIDTH, height = SCREEN_HEIGHT;
    if (at != nullptr) {
        const sdk::MOUSECALLBACK* event = mouse_event(at);
        x = event->relative_point.x;
        y = event->relative_point.y;
        if (event->mouse != nullptr) {
            width = event->mouse->relative_box.size_x;
            height = event->mouse->relative_box.size_y;
        }
    }
    gtn_touch(x, y, width, height, (flags & MOUSE_LEFT) != 0);
    return 0;
}

template <int N>
sdk::FLOAT64 TM_STDCALL lit(sdk::ELEMENT_ICON*) {
    return lit_while(gtn_icon_lit(N));
}
template <int N>
sdk::FLOAT64 TM_STDCALL field(sdk::ELEMENT_STRING* element) {
    write_text(element, "%s", gtn_text(N).text);
    return string_redraw(element);
}
sdk::FLOAT64 TM_STDCALL deviation(sdk::ELEMENT_SLIDER*) { return gtn_deviation_bar(); }

constexpr StringStyle GREEN{0x45BC67, "estre", 700};
constexpr StringStyle YELLOW{0xDACA67, "estre", 700};
constexpr StringStyle WHITE{0xFFFFFF, "estre", 700};
constexpr StringStyle TAN{0xBDB573, "estre", 700};
constexpr StringStyle PURPLE{0x953BAC, "estre", 700};
constexpr StringStyle ARIAL_GREY{0xCEBDB5, "Arial", 700};
constexpr StringStyle ARIAL_YELLOW{0xDACA67, "Arial", 700};

// A chain in drawing order; the numbers are the elements' places in it.
// clang-format off
constinit struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(21026, 0, 0);  // 0
    sdk::ELEMENT_STATIC_IMAGE large_knob = static_image(21035, 1249, 676, ICON_FLAGS);  // 1
    sdk::ELEMENT_STATIC_IMAGE small_knob = static_image(21034, 1261, 687, ICON_FLAGS);  // 2
    sdk::ELEMENT_STATIC_IMAGE left_knob = static_image(21034, 350, 386, ICON_FLAGS);  // 3
    sdk::ELEMENT_ICON map_page = icon(14622, 454, 405, 1, lit<4>);  // 4
    sdk::ELEMENT_ICON page_2 = icon(14623, 454, 405, 1, lit<5>);  // 5
    sdk::ELEMENT_ICON navigation_page = icon(14617, 454, 405, 1, lit<6>);  // 6
    sdk::ELEMENT_ICON start_up_page = icon(14618, 454, 405, 1, lit<7>);  // 7
    sdk::ELEMENT_ICON fuel_page = icon(14621, 454, 405, 1, lit<8>);  // 8
    sdk::ELEMENT_ICON com_page = icon(14619, 454, 405, 1, lit<9>);  // 9
    sdk::ELEMENT_ICON xpdr_page = icon(18048, 454, 405, 1, lit<10>);  // 10
    sdk::ELEMENT_ICON nav_page = icon(14620, 454, 405, 1, lit<11>);  // 11
    sdk::ELEMENT_ICON home_page = icon(14627, 454, 405, 1, lit<12>);  // 12
    sdk::ELEMENT_STRING xpdr_code = text(1066, 585, 94, 35, GREEN, 4, field<13>);  // 13
    sdk::ELEMENT_STRING com_standby = text(1049, 511, 128, 45, YELLOW, 6, field<14>);  // 14
    sdk::ELEMENT_STRING com_active = text(1049, 440, 128, 45, GREEN, 6, field<15>);  // 15
    sdk::ELEMENT_STRING distance = text(574, 466, 120, 40, WHITE, 7, field<16>);  // 16
    sdk::ELEMENT_STRING ete = text(891, 535, 120, 40, WHITE, 5, field<17>);  // 17
    sdk::ELEMENT_STRING desired_track = text(734, 466, 120, 40, WHITE, 4, field<18>);  // 18
    sdk::ELEMENT_STRING ground_speed = text(574, 535, 120, 40, WHITE, 6, field<19>);  // 19
    sdk::ELEMENT_STRING track = text(734, 535, 120, 40, WHITE, 4, field<20>);  // 20
    sdk::ELEMENT_STRING bearing = text(891, 466, 120, 40, WHITE, 4, field<21>);  // 21
    sdk::ELEMENT_STRING previous_waypoint = text(622, 584, 111, 30, WHITE, 7, field<22>);  // 22
    sdk::ELEMENT_STRING next_waypoint = text(846, 584, 111, 30, WHITE, 7, field<23>);  // 23
    sdk::ELEMENT_STRING fuel = text(748, 447, 182, 47, WHITE, 8, field<24>);  // 24
    sdk::ELEMENT_STRING com_keypad_standby = text(748, 447, 182, 47, WHITE, 6, field<25>);  // 25
    sdk::ELEMENT_STRING fuel_entry = text(748, 447, 182, 47, WHITE, 10, field<26>);  // 26
    sdk::ELEMENT_STRING com_entry = text(748, 447, 182, 47, WHITE, 10, field<27>);  // 27
    sdk::ELEMENT_ICON mon_key_marker = icon(14626, 662, 477, 1, lit<28>);  // 28
    sdk::ELEMENT_STRING xpdr_keypad_code = text(702, 426, 172, 58, WHITE, 4, field<29>);  // 29
    sdk::ELEMENT_STRING xpdr_entry = text(702, 426, 172, 58, WHITE, 6, field<30>);  // 30
    sdk::ELEMENT_STRING xpdr_keypad_mode = text(957, 655, 53, 21, TAN, 4, field<31>);  // 31
    sdk::ELEMENT_STRING xpdr_mode = text(1124, 560, 53, 21, TAN, 4, field<32>);  // 32
    sdk::ELEMENT_STRING monitor = text(1124, 492, 53, 21, GREEN, 3, field<33>);  // 33
    sdk::ELEMENT_STRING nav_keypad_standby = text(748, 447, 182, 47, WHITE, 6, field<34>);  // 34
    sdk::ELEMENT_STRING nav_entry = text(748, 447, 182, 47, WHITE, 10, field<35>);  // 35
    sdk::ELEMENT_SLIDER deviation_bar = slider(18052, 787, 646, 0.0124, deviation, 0.0, nullptr);  // 36
    sdk::ELEMENT_ICON course_arrow = icon(18054, 766, 585, 1, lit<37>);  // 37
    sdk::ELEMENT_ICON direct_to_arrow = icon(18055, 766, 585, 1, lit<38>);  // 38
    sdk::ELEMENT_STRING phase = text(599, 708, 67, 25, GREEN, 3, field<39>);  // 39
    sdk::ELEMENT_STRING suspend = text(759, 708, 67, 25, GREEN, 4, field<40>);  // 40
    sdk::ELEMENT_STRING msg_off = text(851, 708, 67, 25, GREEN, 3, field<41>);  // 41
    sdk::ELEMENT_STRING map_next_waypoint = text(551, 416, 130, 36, GREEN, 7, field<42>);  // 42
    sdk::ELEMENT_STRING map_bearing = text(560, 501, 111, 27, GREEN, 4, field<43>);  // 43
    sdk::ELEMENT_STRING map_course_to_steer = text(560, 583, 111, 27, GREEN, 4, field<44>);  // 44
    sdk::ELEMENT_STRING map_eta = text(560, 664, 111, 27, GREEN, 5, field<45>);  // 45
    sdk::ELEMENT_STRING vectors_to_final = text(766, 585, 58, 26, PURPLE, 3, field<46>);  // 46
    sdk::ELEMENT_ICON find_page = icon(18056, 454, 405, 1, lit<47>);  // 47
    sdk::ELEMENT_ICON user_list_page = icon(18057, 454, 405, 1, lit<48>);  // 48
    sdk::ELEMENT_ICON add_frequency_page = icon(18068, 454, 405, 1, lit<49>);  // 49
    sdk::ELEMENT_ICON nav_box = icon(18064, 1040, 407, 1, lit<50>);  // 50
    sdk::ELEMENT_ICON nav_volume_label = icon(18065, 463, 408, 1, lit<51>);  // 51
    sdk::ELEMENT_STRING nav_standby = text(1049, 511, 128, 45, YELLOW, 6, field<52>);  // 52
    sdk::ELEMENT_STRING nav_active = text(1049, 440, 128, 45, GREEN, 6, field<53>);  // 53
    sdk::ELEMENT_ICON com_knob_label = icon(18067, 977, 707, 1, lit<54>);  // 54
    sdk::ELEMENT_ICON nav_knob_label = icon(18066, 977, 707, 1, lit<55>);  // 55
    sdk::ELEMENT_STRING database_full = text(636, 607, 322, 42, ARIAL_GREY, 13, field<56>);  // 56
    sdk::ELEMENT_STRING list_row_1 = text(706, 430, 211, 51, ARIAL_GREY, 12, field<57>);  // 57
    sdk::ELEMENT_STRING store_as = text(576, 540, 201, 37, ARIAL_YELLOW, 12, field<58>);  // 58
    sdk::ELEMENT_STRING list_page = text(556, 415, 94, 55, ARIAL_GREY, 8, field<59>);  // 59
    sdk::ELEMENT_STRING store_active = text(846, 535, 128, 45, ARIAL_YELLOW, 6, field<60>);  // 60
    sdk::ELEMENT_STRING list_row_2 = text(706, 520, 211, 51, ARIAL_GREY, 12, field<61>);  // 61
    sdk::ELEMENT_STRING list_row_3 = text(706, 609, 211, 51, ARIAL_GREY, 12, field<62>);  // 62
    sdk::ELEMENT_STRING frequency_stored = text(636, 607, 322, 42, ARIAL_GREY, 16, field<63>);  // 63
    sdk::ELEMENT_ICON list_down_arrow = icon(18070, 600, 613, 1, lit<64>);  // 64
    sdk::ELEMENT_ICON list_up_arrow = icon(18069, 600, 435, 1, lit<65>);  // 65
    sdk::ELEMENT_ICON xpdr_overlay = icon(18071, 1071, 587, 1, lit<66>);  // 66
    sdk::ELEMENT_ICON enter_key = icon(18072, 1040, 625, 1, lit<67>);  // 67
    sdk::ELEMENT_ICON map_label_1 = icon(18075, 592, 639, 1, lit<68>);  // 68
    sdk::ELEMENT_ICON map_label_2 = icon(18074, 592, 474, 1, lit<69>);  // 69
    sdk::ELEMENT_ICON map_label_3 = icon(18073, 591, 556, 1, lit<70>);  // 70
    sdk::ELEMENT_STRING terrain = text(487, 708, 67, 25, GREEN, 4, field<71>);  // 71
} elements;
// clang-format on

ElementChain<GTN_ELEMENTS> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    Elements& e = elements;
    tree.link(gauge, {el(e.background), el(e.large_knob), el(e.small_knob), el(e.left_knob), el(e.map_page),
                      el(e.page_2), el(e.navigation_page), el(e.start_up_page), el(e.fuel_page), el(e.com_page),
                      el(e.xpdr_page), el(e.nav_page), el(e.home_page), el(e.xpdr_code), el(e.com_standby),
                      el(e.com_active), el(e.distance), el(e.ete), el(e.desired_track), el(e.ground_speed),
                      el(e.track), el(e.bearing), el(e.previous_waypoint), el(e.next_waypoint), el(e.fuel),
                      el(e.com_keypad_standby), el(e.fuel_entry), el(e.com_entry), el(e.mon_key_marker),
                      el(e.xpdr_keypad_code), el(e.xpdr_entry), el(e.xpdr_keypad_mode), el(e.xpdr_mode),
                      el(e.monitor), el(e.nav_keypad_standby), el(e.nav_entry), el(e.deviation_bar),
                      el(e.course_arrow), el(e.direct_to_arrow), el(e.phase), el(e.suspend), el(e.msg_off),
                      el(e.map_next_waypoint), el(e.map_bearing), el(e.map_course_to_steer), el(e.map_eta),
                      el(e.vectors_to_final), el(e.find_page), el(e.user_list_page), el(e.add_frequency_page),
                      el(e.nav_box), el(e.nav_volume_label), el(e.nav_standby), el(e.nav_active),
                      el(e.com_knob_label), el(e.nav_knob_label), el(e.database_full), el(e.list_row_1),
                      el(e.store_as), el(e.list_page), el(e.store_active), el(e.list_row_2), el(e.list_row_3),
                      el(e.frequency_stored), el(e.list_down_arrow), el(e.list_up_arrow), el(e.xpdr_overlay),
                      el(e.enter_key), el(e.map_label_1), el(e.map_label_2), el(e.map_label_3), el(e.terrain)});
}

constexpr auto HAND = sdk::CURSOR_HAND;
constexpr sdk::FLAGS32 LARGE_KNOB = MOUSE_LEFT | MOUSE_WHEEL_UP | MOUSE_WHEEL_DOWN;
constexpr sdk::FLAGS32 SMALL_KNOB = MOUSE_LEFT | MOUSE_RIGHT | MOUSE_WHEEL_UP | MOUSE_WHEEL_DOWN;

// clang-format off
sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(350, 386, 59, 59), tooltip("Volume, Squelch on/off, Nav ID on/off"), group_end(),
    click(350, 386, 59, 59, HAND, MOUSE_LEFT, gtn_volume_mouse),
    group(1249, 676, 82, 82), tooltip("Large knob"), group_end(),
    click(1249, 676, 40, 40, sdk::CURSOR_DOWNARROW, LARGE_KNOB, gtn_large_down_mouse),
    click(1289, 676, 40, 40, sdk::CURSOR_UPARROW, LARGE_KNOB, gtn_large_up_mouse),
    group(1261, 687, 59, 59), tooltip("Small knob"), group_end(),
    click(1261, 687, 28, 28, sdk::CURSOR_DOWNARROW, SMALL_KNOB, gtn_small_down_mouse),
    click(1291, 687, 28, 28, sdk::CURSOR_UPARROW, SMALL_KNOB, gtn_small_up_mouse),
    group(1266, 525, 56, 38), tooltip("Direct-To button"), group_end(),
    click(1266, 525, 56, 38, HAND, MOUSE_LEFT, gtn_direct_to_mouse),
    group(1268, 403, 56, 38), tooltip("Home button"), group_end(),
    click(1268, 403, 56, 38, HAND, MOUSE_LEFT, gtn_home_mouse),
    click(454, 405, 732, 302, HAND, MOUSE_LEFT, screen_mouse),
    group(487, 708, 67, 25), group_end(),
    click(487, 708, 67, 25, HAND, MOUSE_LEFT, terrain_mouse),
    mouse_end(),
    mouse_eol(),
};
// clang-format on

// Pre-update: the unit's logic, then which elements of its screen show.
void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service != sdk::PANEL_SERVICE_PRE_UPDATE) return;
    const GtnVisibility v = gtn_frame();
    for (int n = 0; n < GTN_ELEMENTS; ++n) {
        if (v.hidden[n] == 1) set_element_flags(root, n, DRAW_HIDDEN);
        else if (v.hidden[n] == 0) clear_element_flags(root, n, DRAW_HIDDEN);
    }
}

}  // namespace

extern const GaugeParts RadioGPS_GTN6XX = {&root, mouse, callback, link};

}  // namespace tarmelon
