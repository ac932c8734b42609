#include "tools/capture/Recorder.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "tools/output/OutputFile.h"
#include "tools/png/PngFile.h"

namespace {

// Frames waiting for the worker: enough to ride out a slow frame, few enough to keep memory flat.
constexpr size_t queuedTasks = 4;
// A fast zlib level: six times quicker than the default for a few per cent more bytes.
constexpr int pngLevel = 1;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

int64_t microsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
}

}  // namespace

Recorder::Recorder(const CaptureOptions& options_) : options(options_) {}

Recorder::~Recorder() {
    worker.reset();  // lets the queued work finish before the files it uses go
}

std::string Recorder::pngPath(const std::string& name) const { return options.outDir + "/" + name + ".png"; }

void Recorder::fail(const std::string& problem) {
    std::lock_guard<std::mutex> lock(failureMutex);
    failures.push_back(problem);
    failed = true;
}

bool Recorder::open(int sampleRate, std::string& error) {
    if (!options.times.empty() || options.allFrames) {
        std::error_code code;
        std::filesystem::create_directories(options.outDir, code);
        if (code) {
            error = "cannot create " + options.outDir + ": " + code.message();
            return false;
        }
    }
    if (!options.audioPath.empty()) {
        wav = std::make_unique<WavFile>(options.audioPath);
        if (!wav->create(sampleRate, error)) return false;
    }
    if (!options.videoPath.empty()) {
        VideoSettings settings;
        settings.width = options.width;
        settings.height = options.height;
        settings.fpsNumerator = options.fpsNumerator;
        settings.fpsDenominator = options.fpsDenominator;
        settings.sampleRate = sampleRate;
        settings.crf = options.crf;
        settings.preset = options.preset;
        video = std::make_unique<VideoEncoder>(options.videoPath);
        if (!video->open(settings, error)) return false;
    }
    worker = std::make_unique<Worker>(queuedTasks);
    return true;
}

void Recorder::submit(std::vector<uint8_t> pixels, const std::vector<std::string>& pngPaths) {
    if (pngPaths.empty() && !video) return pool.giveBack(std::move(pixels));
    auto frame = std::make_shared<std::vector<uint8_t>>(std::move(pixels));
    const Clock::time_point posting = Clock::now();
    worker->post([this, frame, pngPaths] {
        if (failed) return;
        Clock::time_point start = Clock::now();
        for (const std::string& path : pngPaths) {
            OutputFile file(path);
            std::string error;
            if (!file.create(error)) {
                fail(error);
                continue;
            }
            if (!png::write(file.stream(), options.width, options.height, 4, frame->data(), true, pngLevel))
                file.failed(errno);
            if (!file.commit(error)) fail(error);
        }
        pngMicros += microsSince(start);
        start = Clock::now();
        std::string error;
        if (video && !video->addFrame(frame->data(), error)) fail(error);
        encodeMicros += microsSince(start);
        pool.giveBack(std::move(*frame));
    });
    waitSeconds += secondsSince(posting);
}

bool Recorder::framePresented(int64_t index, int32_t nowMs) {
    if (!readback) readback = std::make_unique<FrameReadback>(options.width, options.height);
    std::vector<std::string> names;  // of the PNG files this frame goes to
    if (options.allFrames) {
        char number[24];
        std::snprintf(number, sizeof number, "%06lld", static_cast<long long>(index));
        names.push_back(pngPath(number));
    }
    for (; nextTime < options.times.size() && options.times[nextTime] <= nowMs; ++nextTime)
        names.push_back(pngPath(std::to_string(options.times[nextTime])));

    // Frames nobody asked for are not read back; the one still in flight is taken at once then.
    const bool wanted = video || !names.empty();
    const Clock::time_point start = Clock::now();
    std::vector<uint8_t> previous = pool.take();
    const bool hadPrevious = wanted ? readback->read(previous) : readback->finish(previous);
    readbackSeconds += secondsSince(start);
    if (hadPrevious) submit(std::move(previous), inFlight);
    inFlight = std::move(names);
    ++frames;
    const bool more = options.allFrames || video || nextTime < options.times.size();
    return more && !failed;
}

void Recorder::sound(const int16_t* stereo, int count) {
    if (!wav && !video) return;
    auto samples = std::make_shared<std::vector<int16_t>>(stereo, stereo + 2 * static_cast<size_t>(count));
    const Clock::time_point posting = Clock::now();
    worker->post([this, samples, count] {
        if (failed) return;
        const Clock::time_point start = Clock::now();
        std::string error;
        if (wav && !wav->write(samples->data(), count) && !wav->finish(error)) fail(error);
        if (video && !video->addSound(samples->data(), count, error)) fail(error);
        encodeMicros += microsSince(start);
    });
    waitSeconds += secondsSince(posting);
}

bool Recorder::finish() {
    if (readback) {
        const Clock::time_point start = Clock::now();
        std::vector<uint8_t> last;
        const bool hadLast = readback->finish(last);
        readbackSeconds += secondsSince(start);
        if (hadLast) submit(std::move(last), inFlight);
        readback.reset();
    }
    if (worker) worker->drain();
    std::string error;
    if (video && !failed && !video->finish(error)) fail(error);
    if (wav && !failed && !wav->finish(error)) fail(error);
    // A run stopped by a failure has said why already.
    const bool stoppedByFailure = failed;
    for (; !stoppedByFailure && nextTime < options.times.size(); ++nextTime)
        fail("the run ended before " + std::to_string(options.times[nextTime]) + " ms");
    return !failed;
}

std::string Recorder::summary(double wallSeconds) const {
    const double programme = static_cast<double>(frames) * options.fpsDenominator / options.fpsNumerator;
    const double render = wallSeconds - readbackSeconds - waitSeconds;
    char text[400];
    std::snprintf(text, sizeof text,
                  "%lld frames (%.1f s of programme) in %.1f s, %.2fx real time; main thread: render %.1f s, "
                  "readback %.1f s, waiting for the worker %.1f s; worker: convert+encode %.1f s, PNG %.1f s",
                  static_cast<long long>(frames), programme, wallSeconds, programme / std::max(wallSeconds, 1e-3),
                  render, readbackSeconds, waitSeconds, encodeMicros / 1e6, pngMicros / 1e6);
    return text;
}
