// The one module state record: one part per subsystem, each defined next to the code that
// owns it. Zero at load (but for the transponder's code); apply_initial_state gives it its
// starting values. Any code may read any part; a part is written by its owner (and by the
// start-up code of src/module, which sets starting values).
#pragma once

#include "autopilot/autopilot_state.h"
#include "avionics/audio_panel_state.h"
#include "avionics/gps_power_state.h"
#include "avionics/gtn_state.h"
#include "avionics/navcom_state.h"
#include "avionics/transponder_state.h"
#include "checklist/checklist_state.h"
#include "instruments/instruments_state.h"
#include "module/module_state.h"
#include "panels/selector_state.h"
#include "persist/preset_state.h"
#include "recorder/recorder_state.h"
#include "simlink/simlink_state.h"
#include "systems/cabin/cabin_state.h"
#include "systems/canopy/canopy_state.h"
#include "systems/electrical/electrical_state.h"
#include "systems/engines/engines_state.h"
#include "systems/flight_controls/flight_controls_state.h"
#include "systems/fuel/fuel_state.h"
#include "systems/hydraulics/hydraulics_state.h"
#include "systems/lighting/lighting_state.h"

namespace tarmelon {

struct ModuleState {
    CoreState core;
    FrameState frame;
    SimlinkState simlink;
    SimData simdata;
    PresetState presets;
    ElectricalState electrical;
    FuelState fuel;
    EngineState engines;
    HydraulicsState hydraulics;
    FlightControlsState flightControls;
    CanopyState canopy;
    CabinState cabin;
    LightingState lighting;
    AutopilotState autopilot;
    AudioPanelState audio;
    NavcomState navcom;
    GpsPowerState gtnPower;
    GtnState gtn;
    TransponderState transponder;
    InstrumentsState instruments;
    SelectorState selector;
    ChecklistState checklist;
    RecorderState recorder;
};

extern ModuleState state;

}  // namespace tarmelon
