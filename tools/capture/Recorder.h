#pragma once
// What a capture writes while the demo runs: the frames asked for as PNG, the sound as WAV and the
// run as video. The main thread renders and reads each frame back; one worker thread behind a
// short queue writes the pictures and encodes, so rendering and encoding overlap.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "tools/capture/CaptureOptions.h"
#include "tools/capture/FramePool.h"
#include "tools/capture/FrameReadback.h"
#include "tools/capture/WavFile.h"
#include "tools/capture/Worker.h"
#include "tools/video/VideoEncoder.h"

class Recorder {
public:
    explicit Recorder(const CaptureOptions& options);
    ~Recorder();

    // Creates the folder and the files asked for; false with the reason.
    bool open(int sampleRate, std::string& error);
    // From the present hook, with the context current: frame `index`, shown at timeline time
    // `nowMs`, is in the framebuffer. False once the run should stop: all that was asked for is
    // done, or something failed.
    bool framePresented(int64_t index, int32_t nowMs);
    // The sound of the frame just presented.
    void sound(const int16_t* stereo, int frames);
    // After the run, the context still current: writes the last frame and finishes the files.
    // False when anything failed or was never reached; problems() says what.
    bool finish();

    const std::vector<std::string>& problems() const { return failures; }
    // One line: the frames, the time taken and where it went.
    std::string summary(double wallSeconds) const;

private:
    void submit(std::vector<uint8_t> pixels, const std::vector<std::string>& pngPaths);
    void fail(const std::string& problem);
    std::string pngPath(const std::string& name) const;

    const CaptureOptions& options;
    std::unique_ptr<Worker> worker;
    std::unique_ptr<FrameReadback> readback;
    FramePool pool;
    std::unique_ptr<VideoEncoder> video;
    std::unique_ptr<WavFile> wav;
    std::vector<std::string> inFlight;  // the PNG files of the frame being read back
    size_t nextTime = 0;
    int64_t frames = 0;

    std::mutex failureMutex;
    std::vector<std::string> failures;
    std::atomic<bool> failed{false};
    // Seconds spent, for the summary.
    double readbackSeconds = 0;
    double waitSeconds = 0;
    std::atomic<int64_t> encodeMicros{0};
    std::atomic<int64_t> pngMicros{0};
};
