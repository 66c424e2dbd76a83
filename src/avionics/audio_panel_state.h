// Module-wide fields of the GMA340 audio panel: one flag per button, the panel's power and
// its annunciator test, and the simulator's last COM transmit and receive selections.
#pragma once

#include <cstdint>

namespace tarmelon {

struct AudioPanelState {
    std::uint8_t gmaPowerOn;         // panel powered
    std::uint8_t gmaAutoPowerLatch;  // DC power has once switched the panel on (never reset)
    std::uint8_t gmaMarkerAudio;
    std::uint8_t gmaHiSens, gmaLoSens;  // marker sensitivity, exactly one set
    std::uint8_t gmaCom1, gmaCom2, gmaCom3;
    std::uint8_t gmaCom1Mic, gmaCom2Mic, gmaCom3Mic;
    std::uint8_t gmaNav1, gmaDme, gmaAdf;  // NAV 2 is the nav/com's ident selection (sl30IdentOn)
    std::uint8_t gmaSplitCom;
    std::uint8_t gmaSpeaker, gmaPa;          // mutually exclusive
    std::uint8_t gmaPilotIso, gmaCrewIso;    // mutually exclusive
    std::uint8_t gmaTest;                    // annunciator test running
    std::uint8_t gmaTestTimerStarted;
    std::uint32_t gmaTestDueSecond;          // clock second at which the test ends
    // Last "A:COM TRANSMIT:1, bool", "A:COM TRANSMIT:2, bool", "A:COM RECIEVE ALL, bool".
    std::int32_t comTransmit1, comTransmit2, comReceiveAll;
};

}  // namespace tarmelon
