// The named-variable layer, the radio codecs, element visibility and the profile-text
// conversions, against a host table that records every calculator string.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/codecs.h"
#include "core/host.h"
#include "core/numeric.h"
#include "core/vars.h"
#include "panels/elements.h"
#include "panels/mouse.h"
#include "core/files.h"
#include "persist/flight_names.h"

// The module's import record, which the host fills; here the recording table below.
extern "C" {
sdk::GAUGESIMPORT ImportTable = {{sdk::PANELS_FUNCTION_TABLE_ID, nullptr}, {0, nullptr}};
}

namespace {

std::vector<std::string> evaluated;
std::vector<std::pair<std::uint32_t, std::uint32_t>> keys;
double next_value = 0.0;

sdk::GBOOL TM_STDCALL record_calculator(const char* code, sdk::FLOAT64* f, sdk::SINT32* i, const char** s) {
    evaluated.emplace_back(code);
    if (f) *f = next_value;
    if (i) *i = static_cast<sdk::SINT32>(next_value);
    if (s) *s = "text";
    return 1;
}
sdk::ERR TM_STDCALL record_key(sdk::ID32 id, sdk::UINT32 value) {
    keys.emplace_back(id, value);
    return 0;
}
void TM_STDCALL token_value(sdk::MODULE_VAR* var) { var->var_value.n = var->id * 2.5; }

class Host : public ::testing::Test {
protected:
    void SetUp() override {
        table_ = {};
        table_.execute_calculator_code = record_calculator;
        table_.trigger_key_event = record_key;
        table_.lookup_var = token_value;
        ImportTable.PANELSentry.fnptr = &table_;
        evaluated.clear();
        keys.clear();
        next_value = 0.0;
    }
    void TearDown() override { ImportTable.PANELSentry.fnptr = nullptr; }
    sdk::PANELS table_{};
};

using namespace tarmelon;

TEST_F(Host, SettersAndGettersBuildTheCalculatorStrings) {
    set_int("L:Lights_nav_POS, bool", 1);
    set_bool("L:X, bool", 2);  // only a flag byte of exactly 1 writes 1
    set_bool("L:X, bool", 1);
    set_double("L:Y, number", 0.5);
    set_int("L:Z,number", -42);
    get_int("A:LIGHT NAV, bool");
    EXPECT_EQ(evaluated, (std::vector<std::string>{"1 (>L:Lights_nav_POS, bool)", "0 (>L:X, bool)",
                                                   "1 (>L:X, bool)", "0.500000 (>L:Y, number)",
                                                   "-42 (>L:Z,number)", "(A:LIGHT NAV, bool)"}));
}

TEST_F(Host, GettersReturnTheHostsOutputs) {
    next_value = 7.75;
    EXPECT_EQ(get_int("L:A, number"), 7);
    EXPECT_DOUBLE_EQ(get_double("L:A, number"), 7.75);
    EXPECT_STREQ(get_string("L:A, string"), "text");
    EXPECT_DOUBLE_EQ(read_token(4), 10.0);
}

TEST_F(Host, OversizedNamesAndValuesNeverReachTheHost) {
    const std::string long_name = "L:" + std::string(300, 'x') + ", number";
    set_int(long_name.c_str(), 1);
    set_double(long_name.c_str(), 1.0);
    EXPECT_EQ(get_int(long_name.c_str()), 0);
    EXPECT_EQ(get_double(long_name.c_str()), 0.0);
    EXPECT_STREQ(get_string(long_name.c_str()), "");
    set_double("L:Y, number", 1e300);  // three hundred digits do not fit
    set_double("L:Y, number", std::numeric_limits<double>::infinity());
    set_double("L:Y, number", std::nan(""));
    set_int(nullptr, 1);
    EXPECT_TRUE(evaluated.empty());

    // The longest name that still fits is evaluated whole.
    const std::string fits = "L:" + std::string(256 - 2 - 6 - 3, 'y');
    set_int(fits.c_str(), 1);
    ASSERT_EQ(evaluated.size(), 1u);
    EXPECT_EQ(evaluated[0], "1 (>" + fits + ")");
}

TEST_F(Host, WithoutAHostTableNothingIsCalled) {
    ImportTable.PANELSentry.fnptr = nullptr;
    set_int("L:A, number", 1);
    EXPECT_EQ(get_int("L:A, number"), 0);
    EXPECT_EQ(read_token(1), 0.0);
    EXPECT_TRUE(evaluated.empty());
}

TEST_F(Host, ClickSoundWritesThePanThenTheTrigger) {
    click_sound(2, 5000);
    click_sound(4, 0);  // no such click
    EXPECT_EQ(evaluated, (std::vector<std::string>{"5000 (>L:Tarmelon_Click2Pan, number)",
                                                   "1 (>L:Tarmelon_Click2, number)"}));
}

TEST_F(Host, SquawkSendsTheBcdCode) {
    set_squawk(7, 0, 0, 0);
    set_squawk(1, 2, 0, 0);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0], (std::pair<std::uint32_t, std::uint32_t>{65715, 0x7000}));
    EXPECT_EQ(keys[1].second, 0x1200u);
}

TEST(RadioCodecs, PackedAndPlainFrequencies) {
    EXPECT_EQ(bcd_to_khz(0x1800), 118000);
    EXPECT_EQ(bcd_to_khz(0x1802), 118025);
    EXPECT_EQ(bcd_to_khz(0x3697), 136975);
    EXPECT_EQ(bcd_to_khz(0x2345), 123450);
    EXPECT_EQ(khz_to_bcd(118025), 0x1802);
    EXPECT_EQ(khz_to_bcd(123450), 0x2345);
    EXPECT_EQ(mhz_to_khz(118.1), 118100);
    EXPECT_EQ(mhz_to_khz(108.15), 108150);
    EXPECT_EQ(mhz_to_khz(118.025), 118025);
    // Round trip of every 25 kHz channel of the airband.
    for (int khz = 118000; khz < 137000; khz += 25) EXPECT_EQ(bcd_to_khz(khz_to_bcd(khz)), khz) << khz;
}

TEST(RadioCodecs, OutsideValuesNeitherOverflowNorCrash) {
    EXPECT_EQ(mhz_to_khz(std::nan("")), 0);
    EXPECT_EQ(mhz_to_khz(1e300), INT32_MAX);
    EXPECT_EQ(mhz_to_khz(-1e300), INT32_MIN);
    EXPECT_EQ(bcd_to_khz(-1), bcd_to_khz(0xFFFF));
}

TEST(Truncation, SaturatesAndMapsNanToZero) {
    EXPECT_EQ(truncate_i32(2.9), 2);
    EXPECT_EQ(truncate_i32(-2.9), -2);
    EXPECT_EQ(truncate_i32(1e12), INT32_MAX);
    EXPECT_EQ(truncate_i32(-1e12), INT32_MIN);
    EXPECT_EQ(truncate_i32(std::nan("")), 0);
    EXPECT_EQ(truncate_i32(std::numeric_limits<double>::infinity()), INT32_MAX);
    EXPECT_EQ(truncate_u32(-5.0), 0u);
    EXPECT_EQ(truncate_u32(4294967296.0), UINT32_MAX);
}

TEST(ElementChain, FindSetAndClearByIndex) {
    struct Elements {
        sdk::ELEMENT_STATIC_IMAGE background = static_image(1, 0, 0);
        sdk::ELEMENT_ICON a = icon(2, 0, 0, 2, nullptr);
        sdk::ELEMENT_ICON b = icon(4, 0, 0, 1, nullptr);
    } e;
    sdk::GAUGEHDR gauge{};
    ElementChain<3> links{};
    links.link(&gauge, {el(e.background), el(e.a), el(e.b)});
    EXPECT_EQ(find_element(el(e.background), 0), el(e.background));
    EXPECT_EQ(find_element(el(e.background), 2), el(e.b));
    EXPECT_EQ(find_element(el(e.background), 3), nullptr);
    EXPECT_EQ(find_element(el(e.background), -1), nullptr);
    const sdk::GAUGEHDR* owner = e.a.header.gauge_header;  // (packed field: copied, not referenced)
    EXPECT_EQ(owner, &gauge);

    set_element_flags(el(e.background), 2, DRAW_HIDDEN);
    sdk::FLAGS flags = e.b.header.image_flags;
    EXPECT_EQ(flags, ICON_FLAGS | DRAW_HIDDEN);
    clear_element_flags(el(e.background), 2, DRAW_HIDDEN);
    flags = e.b.header.image_flags;
    EXPECT_EQ(flags, ICON_FLAGS);
    set_element_flags(el(e.background), 9, DRAW_HIDDEN);  // no such element: nothing happens
    flags = e.b.header.image_flags;
    EXPECT_EQ(flags, ICON_FLAGS);
}

TEST(StringElements, RedrawToggleAndBoundedText) {
    sdk::ELEMENT_STRING s = text(0, 0, 10, 10, {0xFFFFFF, "ariblk", 400}, 4, nullptr);
    char buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    s.string = buffer;
    write_text(&s, "%s", "123456789");
    EXPECT_STREQ(buffer, "1234");  // at most the element's character count
    EXPECT_EQ(buffer[5], '#');
    EXPECT_EQ(string_redraw(&s), 1.0);
    EXPECT_EQ(string_redraw(&s), 0.0);
    EXPECT_EQ(string_redraw(&s), 1.0);
    EXPECT_STREQ(s.font_name, "ariblk");
}

TEST(FlightNames, LastPathPartAndExcludedNames) {
    EXPECT_STREQ(flight_file_name("D:/Flights/My Flight.FLT"), "My Flight.FLT");
    EXPECT_STREQ(flight_file_name("C:\\a\\b\\c.flt"), "c.flt");
    EXPECT_STREQ(flight_file_name("plain.FLT"), "plain.FLT");
    EXPECT_STREQ(flight_file_name("ends/"), "");
    EXPECT_TRUE(is_excluded_flight("fltsim.flt"));
    EXPECT_TRUE(is_excluded_flight("PREVIOUS FLIGHT.FLT"));
    EXPECT_TRUE(is_excluded_flight("Program generated temporary flight.FLT"));
    EXPECT_FALSE(is_excluded_flight("FLTSIM.FLT.bak"));
    EXPECT_FALSE(is_excluded_flight("My Flight.FLT"));
}

TEST(ProfileText, IntegersKeepTheirSignAndSaturate) {
    EXPECT_EQ(text_to_int("42"), 42);
    EXPECT_EQ(text_to_int("  -17"), -17);
    EXPECT_EQ(text_to_int("+5x"), 5);
    EXPECT_EQ(text_to_int(""), 0);
    EXPECT_EQ(text_to_int("abc"), 0);
    EXPECT_EQ(text_to_int("99999999999999"), INT32_MAX);
    EXPECT_EQ(text_to_int("-99999999999999"), INT32_MIN);
    EXPECT_DOUBLE_EQ(text_to_double("118.50"), 118.5);
    EXPECT_EQ(text_to_double(""), 0.0);
    EXPECT_EQ(text_to_double("inf"), 0.0);
}

}  // namespace
