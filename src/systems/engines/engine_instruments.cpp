// The engine instruments, every frame: JPT, RPM and fuel flow needles, oil pressure and its
// lamps, and the engine fire lamps.
#include <cmath>

#include "core/numeric.h"
#include "core/tokens.h"
#include "core/vars.h"
#include "state.h"
#include "systems/engines/engine_names.h"
#include "systems/engines/engines.h"

namespace tarmelon {

namespace {

constexpr double JPT_NEEDLE_SCALE = 1500.0 / 800.0;
constexpr std::int32_t OIL_PRESSURE_LOW = 2880;

bool combusting(int index) {
    return (index == 0 ? state.fuel.engine1Combusting : state.fuel.engine2Combusting) != 0;
}

// The fuel flow needle through its marks: pounds a minute to needle.
struct Mark {
    float flow;
    float needle;
};
constexpr Mark FUEL_FLOW_MARKS[] = {{0, 0}, {30, 218}, {60, 402}, {90, 677}, {120, 1078}, {150, 1497}};

// f within 0..150; straight lines between the marks.
double fuel_flow_needle(float f) {
    for (std::size_t k = 1; k < sizeof FUEL_FLOW_MARKS / sizeof FUEL_FLOW_MARKS[0]; ++k) {
        const Mark& lo = FUEL_FLOW_MARKS[k - 1];
        const Mark& hi = FUEL_FLOW_MARKS[k];
        if (f <= hi.flow) return lo.needle + (f - lo.flow) / (hi.flow - lo.flow) * (hi.needle - lo.needle);
    }
    return FUEL_FLOW_MARKS[5].needle;
}

}  // namespace

void update_jpt_needles() {
    const bool powered = state.electrical.inverter1Running == 1 || state.electrical.inverter2Running == 1;
    for (int i = 0; i < 2; ++i) {
        const EngineNames& n = ENGINE_NAMES[i];
        // The temperature is kept current here too, so the needle never shows a reading
        // from the last time the throttle panel was open.
        const std::int32_t temp = truncate_i32(state.simdata.jptCelsius[i]);
        set_int(n.jpt_temp, temp);
        double needle = 0.0;
        if (powered) {
            double x = temp;
            if (state.simdata.starterEngaged[i] == 1 && combusting(i)) x = (state.engines.startN1[i] - 13.0) / 19.0 * 432.0;
            needle = x * JPT_NEEDLE_SCALE;
        }
        set_double(n.jpt_needle, needle);
    }
}

void update_rpm_needles() {
    for (int i = 0; i < 2; ++i) {
        const EngineNames& n = ENGINE_NAMES[i];
        double r = read_token(n.rpm_token);
        state.engines.engineRpmPercent[i] = r;
        if (state.simdata.starterEngaged[i] == 1 && state.simdata.simOnGround == 1) r = state.engines.startN1[i];
        if (r >= 0.0 && r <= 100.0) set_int(n.rpm_main, truncate_i32(r * 15.0));
        set_int(n.rpm_small, truncate_i32(r * 100.0) % 1000);
    }
}

void update_fuel_flow_needles() {
    const bool powered = state.electrical.inverter2Running == 1;
    for (int i = 0; i < 2; ++i) {
        const EngineNames& n = ENGINE_NAMES[i];
        const float f = static_cast<float>(read_token(n.fuel_flow_token) / 60.0);
        double& needle = state.engines.fuelFlowNeedle[i];
        if (!powered) needle = 0.0;
        else if (f < 0.0f) needle = 0.0;
        else if (f <= 150.0f) needle = fuel_flow_needle(f);
        // above the scale (or not a number) the needle stays where it was
        set_double(n.fuel_flow_needle, needle);
    }
}

void update_oil_pressures() {
    const bool powered = state.electrical.dcPowerAvailable == 1;
    for (const EngineNames& n : ENGINE_NAMES) {
        const std::int32_t pressure = truncate_i32(read_token(n.oil_token));
        set_int(n.oil_pressure, pressure);
        set_int(n.oil_fail, powered && pressure < OIL_PRESSURE_LOW ? 1 : 0);
    }
}

void update_engine_fire_lights() {
    const bool powered = state.electrical.dcPowerAvailable == 1;
    const bool test = powered && get_int("L:EngineFirePressTest,bool") == 1;
    // Each lamp follows its own engine's fire input; a test lights both while it lasts.
    for (const EngineNames& n : ENGINE_NAMES) {
        const bool fire = powered && truncate_i32(read_token(n.fire_token)) == 1;
        set_int(n.fire_light, test || fire ? 1 : 0);
    }
}

}  // namespace tarmelon
