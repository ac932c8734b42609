// tarvo-capture: the programme on the headless backend, played on a virtual clock at a fixed frame
// rate, encoded as video and/or written as chosen frames and sound. Every run gives the same
// pixels and the same sound.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/Platform.h"
#include "platform/WindowMessages.h"
#include "platform/headless/HeadlessControl.h"
#include "runtime/Programme.h"
#include "tools/capture/CaptureOptions.h"
#include "tools/capture/Progress.h"
#include "tools/capture/Recorder.h"
#include "tools/capture/SceneCatalogue.h"

int main(int argc, char** argv) {
    CaptureOptions options;
    std::string error;
    if (!parseCaptureOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "tarvo-capture: %s\n(tarvo-capture --help lists the options)\n", error.c_str());
        return 2;
    }
    if (options.help || options.version) {
        std::printf("%s", options.help ? captureUsage : "tarvo-capture " TARVO_VERSION "\n");
        return 0;
    }
    if (options.scene == "list") {
        for (const Scene* scene : sceneClasses()) std::printf("%s\n", scene->name);
        return 0;
    }
    Scene* alone = nullptr;
    if (!options.scene.empty() && (alone = findSceneClass(options.scene)) == nullptr) {
        std::fprintf(stderr, "tarvo-capture: no scene is called \"%s\" (--scene list names them)\n",
                     options.scene.c_str());
        return 2;
    }
    headless::setFrameRate(options.fpsNumerator, options.fpsDenominator);
    if (options.overlay) {
        // As if F12 were pressed before the first frame and let go after it.
        headless::scriptKey(0, platform::VK_F12, true);
        headless::scriptKey(1, platform::VK_F12, false);
    }

    WindowSettings settings = programmeWindow;
    settings.width = options.width;
    settings.height = options.height;
    Demo demo(settings.title, settings.width, settings.height, settings.bits, settings.fullscreen);
    if (alone != nullptr)
        demo.addScene(alone, 0, options.lengthMs);
    else
        scheduleProgramme(demo);

    Recorder recorder(options);
    if (!recorder.open(headless::audioSampleRate(), error)) {
        std::fprintf(stderr, "tarvo-capture: %s\n", error.c_str());
        return 1;
    }
    const bool onlyFrames = options.videoPath.empty() && !options.allFrames;
    Progress progress(stderr, onlyFrames ? std::min(options.times.back(), demo.endMs) : demo.endMs,
                      isatty(fileno(stderr)) != 0);
    headless::onPresent([&](int64_t frame) {
        const int32_t now = demo.timelineMs();
        if (!recorder.framePresented(frame, now)) platform::postQuitMessage(0);
        progress.update(frame + 1, now);
    });
    headless::onAudio([&](const int16_t* stereo, int frames) { recorder.sound(stereo, frames); });
    const int32_t exitCode = demo.run(0);
    progress.finish();
    if (exitCode != 0) return exitCode;  // the demo has said why; nothing unfinished is kept
    const bool finished = recorder.finish();
    for (const std::string& problem : recorder.problems()) std::fprintf(stderr, "tarvo-capture: %s\n", problem.c_str());
    std::fprintf(stderr, "tarvo-capture: %s\n", recorder.summary(progress.elapsedSeconds()).c_str());
    return finished ? 0 : 1;
}
