// RadioGPS_SL30: the SL30 nav/com.
#include "panels/gauges/RadioGPS_SL30.h"

#include "avionics/navcom.h"
#include "panels/adaptors.h"
#include "panels/elements.h"
#include "panels/gauge_parts.h"
#include "panels/mouse.h"

namespace tarmelon {

// The unit's controls make no click.
// clang-format off
sdk::GBOOL TM_STDCALL sl30_power_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_power_knob, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_flip_flop_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_flip_flop, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_com_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_com_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_nav_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_nav_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_system_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_system_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_obs_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_obs_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_to_from_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_to_from_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_ident_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_ident_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_select_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_select_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_enter_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_enter_button, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_large_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_large_knob_down, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_large_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_large_knob_up, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_small_down_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_small_knob_down, NO_CLICK>(at, flags); }
sdk::GBOOL TM_STDCALL sl30_small_up_mouse(sdk::PIXPOINT* at, sdk::FLAGS32 flags) { return on_click<navcom_small_knob_up, NO_CLICK>(at, flags); }
// clang-format on

namespace {

template <int N>
sdk::FLOAT64 TM_STDCALL shown(sdk::ELEMENT_ICON*) {
    return lit_while(navcom_icon_lit(N));
}
template <int N>
sdk::FLOAT64 TM_STDCALL field(sdk::ELEMENT_STRING* element) {
    const NavcomText t = navcom_text(N);
    if (t.written) write_text(element, "%s", t.text);
    return string_redraw(element);
}

constexpr StringStyle DISPLAY{0x01F3FE, "epson1", 700};

// A chain in drawing order; the numbers are the elements' places in it.
// clang-format off
constinit struct Elements {
    sdk::ELEMENT_STATIC_IMAGE background = static_image(21026, 0, 0);
    sdk::ELEMENT_STATIC_IMAGE left_knob = static_image(21034, 375, 889, ICON_FLAGS);
    sdk::ELEMENT_STATIC_IMAGE right_knob_large = static_image(21035, 1220, 877, ICON_FLAGS);
    sdk::ELEMENT_STATIC_IMAGE right_knob_small = static_image(21034, 1232, 888, ICON_FLAGS);
    sdk::ELEMENT_ICON centre_mark = icon(9729, 1091, 829, 1, shown<4>);          // 4
    sdk::ELEMENT_ICON right_bar_5 = icon(14720, 1134, 829, 1, shown<5>);         // 5, largest
    sdk::ELEMENT_ICON right_bar_4 = icon(14616, 1134, 829, 1, shown<6>);
    sdk::ELEMENT_ICON right_bar_3 = icon(14615, 1134, 829, 1, shown<7>);
    sdk::ELEMENT_ICON right_bar_2 = icon(14614, 1134, 829, 1, shown<8>);
    sdk::ELEMENT_ICON right_bar_1 = icon(14613, 1134, 829, 1, shown<9>);         // 9, smallest
    sdk::ELEMENT_ICON left_dot_5 = icon(14612, 991, 829, 1, shown<10>);          // 10, outermost
    sdk::ELEMENT_ICON left_dot_4 = icon(14611, 1010, 829, 1, shown<11>);
    sdk::ELEMENT_ICON left_dot_3 = icon(14610, 1029, 829, 1, shown<12>);
    sdk::ELEMENT_ICON left_dot_2 = icon(14609, 1048, 829, 1, shown<13>);
    sdk::ELEMENT_ICON left_dot_1 = icon(9730, 1067, 829, 1, shown<14>);          // 14, innermost
    sdk::ELEMENT_ICON ent_lamp = icon(9731, 1155, 881, 1, shown<15>);
    sdk::ELEMENT_ICON id_lamp = icon(9731, 1020, 881, 1, shown<16>);
    sdk::ELEMENT_ICON obs_lamp = icon(9731, 830, 881, 1, shown<17>);
    sdk::ELEMENT_ICON sys_lamp = icon(9731, 761, 881, 1, shown<18>);
    sdk::ELEMENT_ICON nav_lamp = icon(9731, 693, 881, 1, shown<19>);
    sdk::ELEMENT_ICON com_lamp = icon(9731, 625, 881, 1, shown<20>);
    sdk::ELEMENT_STRING menu_items = text(417, 829, 450, 50, DISPLAY, 22, field<21>);
    sdk::ELEMENT_STRING menu_titles = text(417, 829, 450, 50, DISPLAY, 22, field<22>);
    sdk::ELEMENT_STRING standby_mark = text(650, 829, 31, 50, DISPLAY, 1, field<23>);
    sdk::ELEMENT_STRING to_from_right = text(1184, 829, 97, 50, DISPLAY, 4, field<24>);
    sdk::ELEMENT_STRING to_from_left = text(978, 829, 97, 50, DISPLAY, 4, field<25>);
    sdk::ELEMENT_STRING obs = text(875, 829, 87, 50, DISPLAY, 3, field<26>);
    sdk::ELEMENT_STRING standby = text(677, 829, 170, 50, DISPLAY, 6, field<27>);
    sdk::ELEMENT_STRING active = text(417, 829, 170, 50, DISPLAY, 6, field<28>);
    sdk::ELEMENT_STRING flagged = text(990, 824, 270, 60, DISPLAY, 13, field<29>);
    sdk::ELEMENT_STRING full_scale = text(1091, 829, 34, 33, DISPLAY, 1, field<30>);
    sdk::ELEMENT_STRING database_full = text(990, 824, 270, 50, DISPLAY, 13, field<31>);
    sdk::ELEMENT_STRING memory_slot = text(875, 829, 350, 50, DISPLAY, 12, field<32>);
    sdk::ELEMENT_STRING store_as = text(875, 829, 350, 50, DISPLAY, 12, field<33>);
    sdk::ELEMENT_STRING slot_number = text(1230, 829, 50, 50, DISPLAY, 4, field<34>);
} elements;
// clang-format on

ElementChain<NAVCOM_ELEMENTS> tree;
sdk::ELEMENT_HEADER* root = el(elements.background);

void link(sdk::GAUGEHDR* gauge) {
    Elements& e = elements;
    tree.link(gauge, {el(e.background), el(e.left_knob), el(e.right_knob_large), el(e.right_knob_small),
                      el(e.centre_mark), el(e.right_bar_5), el(e.right_bar_4), el(e.right_bar_3), el(e.right_bar_2),
                      el(e.right_bar_1), el(e.left_dot_5), el(e.left_dot_4), el(e.left_dot_3), el(e.left_dot_2),
                      el(e.left_dot_1), el(e.ent_lamp), el(e.id_lamp), el(e.obs_lamp), el(e.sys_lamp),
                      el(e.nav_lamp), el(e.com_lamp), el(e.menu_items), el(e.menu_titles), el(e.standby_mark),
                      el(e.to_from_right), el(e.to_from_left), el(e.obs), el(e.standby), el(e.active),
                      el(e.flagged), el(e.full_scale), el(e.database_full), el(e.memory_slot), el(e.store_as),
                      el(e.slot_number)});
}

constexpr auto HAND = sdk::CURSOR_HAND;

// clang-format off
sdk::MOUSERECT mouse[] = {
    mouse_begin(),
    group(375, 889, 59, 59), tooltip("Power/volume/squelch knob"), group_end(),
    click(375, 889, 59, 59, HAND, MOUSE_LEFT, sl30_power_mouse),
    group(488, 918, 103, 94), tooltip("Frequency flip/flop button"), group_end(),
    click(488, 918, 103, 94, HAND, MOUSE_LEFT, sl30_flip_flop_mouse),
    group(610, 918, 103, 94), tooltip("COM radio button"), group_end(),
    click(610, 918, 103, 94, HAND, MOUSE_LEFT, sl30_com_mouse),
    group(679, 918, 104, 90), tooltip("NAV radio button"), group_end(),
    click(679, 918, 104, 90, HAND, MOUSE_LEFT, sl30_nav_mouse),
    group(747, 918, 103, 93), tooltip("System settings button"), group_end(),
    click(747, 918, 103, 93, HAND, MOUSE_LEFT, sl30_system_mouse),
    group(817, 918, 103, 92), tooltip("OBS select button"), group_end(),
    click(817, 918, 103, 92, HAND, MOUSE_LEFT, sl30_obs_mouse),
    group(937, 918, 103, 93), tooltip("To/From button"), group_end(),
    click(937, 918, 103, 93, HAND, MOUSE_LEFT, sl30_to_from_mouse),
    group(1005, 918, 108, 166), tooltip("Ident button"), group_end(),
    click(1005, 918, 108, 166, HAND, MOUSE_LEFT, sl30_ident_mouse),
    group(1073, 918, 108, 166), tooltip("Select button"), group_end(),
    click(1073, 918, 108, 166, HAND, MOUSE_LEFT, sl30_select_mouse),
    group(1142, 918, 108, 166), tooltip("Enter button"), group_end(),
    click(1142, 918, 108, 166, HAND, MOUSE_LEFT, sl30_enter_mouse),
    group(1220, 877, 82, 82), tooltip("Large knob"), group_end(),
    click(1220, 877, 40, 40, sdk::CURSOR_DOWNARROW, MOUSE_STEP_DOWN, sl30_large_down_mouse),
    click(1260, 877, 40, 40, sdk::CURSOR_UPARROW, MOUSE_STEP_UP, sl30_large_up_mouse),
    group(1232, 888, 59, 59), tooltip("Small knob"), group_end(),
    click(1232, 888, 28, 28, sdk::CURSOR_DOWNARROW, MOUSE_STEP_DOWN, sl30_small_down_mouse),
    click(1262, 888, 28, 28, sdk::CURSOR_UPARROW, MOUSE_STEP_UP, sl30_small_up_mouse),
    mouse_end(),
    mouse_eol(),
};
// clang-format on

// Pre-update: the unit's logic, then which elements of its display show.
void TM_STDCALL callback(sdk::GAUGEHDR*, sdk::SINT32 service, sdk::UINT32) {
    if (service != sdk::PANEL_SERVICE_PRE_UPDATE) return;
    const NavcomVisibility v = navcom_frame();
    for (int n = 0; n < NAVCOM_ELEMENTS; ++n) {
        if (v.hidden[n] == 1) set_element_flags(root, n, DRAW_HIDDEN);
        else if (v.hidden[n] == 0) clear_element_flags(root, n, DRAW_HIDDEN);
    }
}

}  // namespace

extern const GaugeParts RadioGPS_SL30 = {&root, mouse, callback, link};

}  // namespace tarmelon
