// The entry point in the page. Without options: a click to start (a browser plays sound only
// after one), the question whether to play in the browser's full screen, the programme with its
// music (from #start=MS on, if given), and the closing screen, from which the programme plays again
// as first answered. With #at=T: the programme at once, windowed and silent, on the virtual clock,
// until the frame at T is held.
#include <emscripten/emscripten.h>

#include "platform/WindowMessages.h"
#include "platform/web/WebState.h"
#include "runtime/CommandLine.h"
#include "runtime/Programme.h"

namespace {

// clang-format off
EM_ASYNC_JS(void, pageWaitForStart, (), { await TarvoPage.waitForStart(); });
EM_ASYNC_JS(void, pageWaitForPlayAgain, (int exitCode), { await TarvoPage.waitForPlayAgain(exitCode); });
EM_JS(void, pagePlaying, (), { TarvoPage.playing(); });
EM_JS(void, pageNeverHeld, (int exitCode, int atMs), {
    TarvoPage.report("the programme ended before " + atMs + " ms");
    TarvoPage.exited(exitCode);
});
// clang-format on

int32_t playOnce(const PlayerOptions& options) {
    web::beginRun();
    pagePlaying();
    return playProgramme(options);
}

}  // namespace

int main() {
    PlayerOptions options;
    options.fullScreenKind = platform::FullScreenKind::Desktop;
    platform::setDisplayChoices({options.fullScreenKind, options.vsync});
    if (web::pageOptions().deterministic) {
        options.fullscreen = false;
        options.mute = true;
        // Holding the frame at T never returns: the programme ended first, or failed.
        const int32_t exitCode = playOnce(options);
        pageNeverHeld(exitCode, web::pageOptions().atMs);
        return exitCode;
    }
    // #start=MS plays from that moment of the programme, the music from the same moment.
    options.startMs = web::pageOptions().startMs;
    pageWaitForStart();
    // Asked once: playing again keeps the answer.
    options.fullscreen = web::askInPage("Tarvo", "Play in full screen?", true, true) == platform::IDYES;
    for (;;) pageWaitForPlayAgain(playOnce(options));
}
