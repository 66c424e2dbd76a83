// The three spring-loaded trim selectors (aileron, rudder, tail): a selector off centre
// drives the simulator's trim with one key event a frame; a released selector springs back
// to centre within a second. Also "Reset Trims" and the virtual cockpit's trim switches.
//
// Reads and writes: "L:aileronTrimSelPos, number", "L:rudderTrimSelPos, number",
// "L:tailTrimSelPos, number" (0, 1 centre, 2); "L:ailTrimChange, bool", "L:rudTrimChange,
// bool", "L:tailTrimChange, bool"; the spring-back timer variables ("L:aileronTrim_timer_start,
// bool", "L:aileronTrimTemp_time_check, number", "L:aileronTrimTemp_time_cur, number" and the
// rudder and tail ones); the animation variables "L:Tarmelon_Trimpan_Aileron, number",
// "L:Tarmelon_Trimpan_Rudder, number", "L:Tarmelon_Trimpan_Elevator, number"; the virtual
// cockpit's "L:AileronPos,number" and the three centre variables from their direction inputs.
// Reads token 1 (ticks) and the three simulator trims.
// Key events: 66276/66277 [1] aileron, 66278/66279 [1] rudder, 65607/65615 [1] tail, at
// selector 0 and 2. SimConnect: definitions 19, 20, 21 written 0 by "Reset Trims".
// Example: a 2D click on the aileron decrease half from centre sends 66276 at the click,
// again on release, then every frame until the spring-back returns the selector to 1.
#pragma once

#include <cstdint>

#include "systems/flight_controls/flight_controls_state.h"

namespace tarmelon {

// A click, repeat or release on one half of a selector (the 2D mouse flags; the virtual
// cockpit's events give a left click only). The click sound is the panel's.
void trim_selector_decrease(TrimAxis axis, std::uint32_t flags);
void trim_selector_increase(TrimAxis axis, std::uint32_t flags);

// Each selector icon's update: the spring-back clock; returns the selector position.
double trim_selector_icon(TrimAxis axis);

// Every frame: the virtual cockpit's trim switches.
void update_trim_switches_vc();
// Every frame: each off-centre selector trims (rudder, tail, aileron).
void update_trim_drives();

// "Reset Trims": every trim back to neutral.
void reset_trims();

// The trim panel's copy of the simulator's three trims (degrees).
void read_trim_values();

template <TrimAxis A> void trim_selector_decrease(std::uint32_t flags) { trim_selector_decrease(A, flags); }
template <TrimAxis A> void trim_selector_increase(std::uint32_t flags) { trim_selector_increase(A, flags); }
template <TrimAxis A> double trim_selector_icon() { return trim_selector_icon(A); }

}  // namespace tarmelon
