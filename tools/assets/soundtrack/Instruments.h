#pragma once
// The soundtrack's instruments, each synthesised from scratch in integer maths.
#include <vector>

#include "XmModule.h"

namespace soundtrack {

// Instrument numbers as the patterns name them (1-based, in the order makeInstruments returns).
enum Instrument : int {
    kKick = 1,
    kSnare,
    kClosedHat,
    kOpenHat,
    kCrash,
    kRiser,  // two bars of rising noise at C-4; a lower note stretches it
    kBass,
    kPad,
    kLead,
    kPluck,
    kBell,
};

// Every drum is played at C-4, where it sounds as synthesised.
constexpr int kDrumNote = 49;

std::vector<XmInstrument> makeInstruments();

}  // namespace soundtrack
