// How long the engine takes for its heavy steps on the headless backend (Mesa's llvmpipe, so the
// figures are CPU-bound and only comparable on one machine): decoding the largest picture, and
// drawing one 640x480 frame of each scene at a busy moment of its interval.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/GL.h"
#include "platform/GLStateCache.h"
#include "platform/GLWindow.h"
#include "platform/TextureRegistry.h"
#include "platform/TgaImage.h"
#include "scenes/CreditsScene.h"
#include "scenes/FlaresScene.h"
#include "scenes/GreetsScene.h"
#include "scenes/HelixScene.h"
#include "scenes/LightballScene.h"
#include "scenes/TunnelScene.h"

namespace {

void decodeLargestPicture(benchmark::State& state) {
    for (auto _ : state) {
        TgaImage* image = loadTgaResource(138);  // 512 x 512 x 32 bits
        benchmark::DoNotOptimize(image->pixels);
        freeImage(image);
    }
    state.SetBytesProcessed(state.iterations() * 512 * 512 * 4);
}
BENCHMARK(decodeLargestPicture);

// A started window with the scene's textures uploaded, as the runner leaves them.
template <typename SceneClass>
void drawFrame(benchmark::State& state, int32_t localMs) {
    GLWindow window;
    if (!window.create("Bench", 640, 480, 32, false) || !window.start()) {
        state.SkipWithError("no GL window");
        return;
    }
    resetCaps();
    TextureRegistry textures;
    SceneClass scene;
    scene.textures = &textures;
    scene.init(0);
    textures.uploadAll();
    scene.init(2);
    for (auto _ : state) {
        scene.render(localMs);
        window.swapBuffers();
        glFinish();
    }
    window.destroy();
}
}  // namespace

int main(int argc, char** argv) {
    const auto frame = [](const char* name, auto draw, int32_t localMs) {
        // llvmpipe draws on threads of its own: wall time is what counts.
        benchmark::RegisterBenchmark(name, draw, localMs)->Unit(benchmark::kMillisecond)->UseRealTime();
    };
    frame("drawFrame/Tunnel", drawFrame<TunnelScene>, 30000);
    frame("drawFrame/Helix", drawFrame<HelixScene>, 10000);
    frame("drawFrame/Flares", drawFrame<FlaresScene>, 17000);
    frame("drawFrame/Lightball", drawFrame<LightballScene>, 40000);
    frame("drawFrame/Credits", drawFrame<CreditsScene>, 30000);
    frame("drawFrame/Greets", drawFrame<GreetsScene>, 10000);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
