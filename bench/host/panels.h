// The aircraft's panel configuration as the bench knows it: which panel windows exist,
// which gauges each holds, and which are open. Window 0 is the main view (the virtual
// cockpit), which is always there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct WindowLayout {
    std::uint32_t ident;  // 0: the main view
    std::vector<const char*> gauges;
    bool initially_open;
};

// One static table, the bench's stand-in for the aircraft's panel configuration.
const std::vector<WindowLayout>& panel_layout();

class PanelWindows {
public:
    void reset();
    bool exists(std::uint32_t ident) const;
    bool is_open(std::uint32_t ident) const;
    // false when there is no such window.
    bool open(std::uint32_t ident);
    bool close(std::uint32_t ident);
    bool toggle(std::uint32_t ident);

    // Frame bookkeeping: a window opened and closed again within one frame is "being
    // cycled" and runs its gauges once on the next frame.
    void begin_frame();                       // takes the windows cycled so far for this frame
    bool live_this_frame(std::uint32_t ident) const;  // open at frame start or being cycled
    void end_frame();

private:
    struct State {
        std::uint32_t ident;
        bool open;
        bool opened_this_frame;
        bool cycle_pending;
        bool live;  // this frame's snapshot
    };
    State* find(std::uint32_t ident);
    const State* find(std::uint32_t ident) const;
    std::vector<State> windows_;
};

}  // namespace bench
