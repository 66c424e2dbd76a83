// The cockpit's files survive what a pilot's computer may do to them: a save cut off at any
// of its writes (the simulator crashing, the power failing), a comma-decimal locale, and
// names and paths at and beyond the 260-character limit.
#include <clocale>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "bench/win32/standin.h"
#include "scenario.h"

namespace fs = std::filesystem;

namespace {

using scenario::count_lines;

const std::string kSaved = "SimConnect_Text(258, 5, 0, 18, \"Panel state saved\")";

fs::path panel_folder(const fs::path& root) { return root / "SimObjects" / "Airplanes" / "VK_Tarmelon" / "panel"; }

std::string file_bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool shown(const bench::Bench& b, const std::string& text) {
    for (const std::string& t : b.texts())
        if (t == text) return true;
    return false;
}

// Two cockpits told apart by a light, a generator switch and a dimmer.
void set_cockpit(bench::Bench& b, int which) {
    b.set("L:Lights_nav_POS, bool", which == 0 ? 1 : 0);
    b.set("L:GEN1OnOffPos, number", which == 0 ? 0 : 1);
    b.set("L:DimmerPanelPos, number", which == 0 ? 3 : 7);
}

void expect_cockpit(const bench::Bench& b, int which, const std::string& when) {
    EXPECT_EQ(b.get("L:Lights_nav_POS, bool"), which == 0 ? 1 : 0) << when;
    EXPECT_EQ(b.get("L:GEN1OnOffPos, number"), which == 0 ? 0 : 1) << when;
    EXPECT_EQ(b.get("L:DimmerPanelPos, number"), which == 0 ? 3 : 7) << when;
}

// The simulator dies after each write of a save in turn: the state saved before stays
// byte for byte, the cut-off save is never reported as saved, and the next start of the
// simulator loads the earlier cockpit whole. Only the complete save brings the new one.
TEST(Reliability, ASaveCutOffAtAnyOfItsWritesKeepsThePreviousPanelState) {
    scenario::TempRoot root;
    const std::string flight = "C:\\Flights\\Crash.FLT";
    const fs::path file = panel_folder(root.path()) / "PanelSave" / "Crash.FLT.save";
    bench::Bench b(root.options(flight));
    scenario::settle(b);
    set_cockpit(b, 0);
    b.frames(1);
    const std::uint64_t before = w32standin::writes_made();
    b.exec("save \"" + flight + "\"");
    b.frames(2);
    const std::uint64_t writes = w32standin::writes_made() - before;
    const std::string previous = file_bytes(file);
    ASSERT_TRUE(shown(b, "Panel state saved"));
    ASSERT_GT(writes, 100u) << "a save writes each item";

    for (std::uint64_t n = 0; n < writes; ++n) {
        const std::string when = "died after write " + std::to_string(n) + " of " + std::to_string(writes);
        set_cockpit(b, 1);
        b.frames(1);
        b.mark();
        w32standin::die_after_writes(n);
        b.exec("save \"" + flight + "\"");
        b.frames(2);
        EXPECT_FALSE(shown(b, "Panel state saved")) << when;
        ASSERT_EQ(file_bytes(file), previous) << when;
        b.unload();
        b.load(flight);  // the simulator started again
        scenario::settle(b);
        ASSERT_TRUE(shown(b, "Panel state loaded")) << when;
        expect_cockpit(b, 0, when);
    }
    set_cockpit(b, 1);
    b.frames(1);
    b.exec("save \"" + flight + "\"");
    b.frames(2);
    b.unload();
    b.load(flight);
    scenario::settle(b);
    expect_cockpit(b, 1, "after a whole save");
    EXPECT_TRUE(b.faults().empty());
}

}  // namespace
