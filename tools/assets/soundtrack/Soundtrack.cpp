#include "Soundtrack.h"

#include "Arrangement.h"
#include "Instruments.h"
#include "XmModule.h"

std::vector<uint8_t> composeSoundtrack() {
    using namespace soundtrack;
    XmModule module;
    module.name = "Tarvo";
    module.speed = kTicksPerRow;
    module.bpm = kTrackerBpm;
    module.instruments = makeInstruments();
    arrangeSong().writePatterns({kIntroRow, kTunnelRow, kCubeRow, kCreditsRow, kGreetsRow}, module);
    return writeXm(module);
}
