// tarvo-capture: the programme on the headless backend, played on a virtual clock at a fixed frame
// rate, writing chosen frames as PNG. Every run gives the same pixels.
#include <cstdio>
#include <string>

#include "platform/Platform.h"
#include "platform/WindowMessages.h"
#include "platform/headless/HeadlessControl.h"
#include "runtime/Programme.h"
#include "tools/capture/CaptureOptions.h"
#include "tools/capture/SceneCatalogue.h"
#include "tools/capture/WavFile.h"
#include "tools/png/PngFile.h"

namespace {

constexpr int32_t progressEveryMs = 10000;

bool writeFrame(const GLWindow& window, const std::string& path) {
    const FramePresenter& frame = window.frame();
    return png::write(path, frame.width(), frame.height(), 4, frame.readPixels(), true);
}

}  // namespace

int main(int argc, char** argv) {
    CaptureOptions options;
    std::string error;
    if (!parseCaptureOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "tarvo-capture: %s\n%s", error.c_str(), captureUsage);
        return 2;
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
    headless::setFrameRate(options.fps, 1);
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

    size_t next = 0;
    int32_t nextProgressMs = progressEveryMs;
    bool failed = false;
    const auto save = [&](const std::string& name) {
        const std::string path = options.outDir + "/" + name + ".png";
        if (writeFrame(*demo.window, path)) return;
        std::fprintf(stderr, "tarvo-capture: cannot write %s\n", path.c_str());
        failed = true;
    };
    headless::onPresent([&](int64_t frame) {
        const int32_t now = demo.timer->elapsedMs() + demo.offsetMs;
        if (options.allFrames) {
            char number[24];
            std::snprintf(number, sizeof number, "%06lld", static_cast<long long>(frame));
            save(number);
        }
        for (; next < options.times.size() && options.times[next] <= now; ++next)
            save(std::to_string(options.times[next]));
        if (now >= nextProgressMs) {
            std::fprintf(stderr, "tarvo-capture: %d s\n", now / 1000);
            nextProgressMs = (now / progressEveryMs + 1) * progressEveryMs;
        }
        if ((!options.allFrames && next == options.times.size()) || failed) platform::postQuitMessage(0);
    });
    const int32_t exitCode = demo.run(0);
    for (; next < options.times.size(); ++next)
        std::fprintf(stderr, "tarvo-capture: the run ended before %d ms\n", options.times[next]);
    if (!options.audioPath.empty() &&
        !writeWav(options.audioPath, headless::audioSampleRate(), headless::capturedAudio())) {
        std::fprintf(stderr, "tarvo-capture: cannot write %s\n", options.audioPath.c_str());
        failed = true;
    }
    return failed ? 1 : exitCode;
}
