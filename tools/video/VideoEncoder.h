#pragma once
// Encodes frames and their sound straight into a video file through FFmpeg's libraries. The
// container follows the file's extension: .mp4 (H.264 + AAC, moov atom first for streaming),
// .mkv (H.264 + FLAC), .webm (VP9 + Opus). Frames are numbered in order at the frame rate and the
// sound is counted in samples, so every frame and sample has an exact timestamp and the two never
// drift. The file is written under a temporary name and gets its own only when finished.
#include <cstdint>
#include <memory>
#include <string>

struct VideoSettings {
    int width = 640;  // both even
    int height = 480;
    int64_t fpsNumerator = 60;
    int64_t fpsDenominator = 1;
    int sampleRate = 44100;  // of the interleaved stereo 16-bit sound given
    int crf = 20;            // H.264 constant rate factor, 0 (lossless) to 51
    std::string preset = "veryfast";  // x264's speed preset
};

class VideoEncoder {
public:
    explicit VideoEncoder(std::string path);
    ~VideoEncoder();  // abandons an unfinished file
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    // True when the path names a container this encoder writes.
    static bool knowsContainerOf(const std::string& path);

    // Each step returns false with "cannot write PATH: REASON" in `error` once anything failed.
    bool open(const VideoSettings& settings, std::string& error);
    // The next frame: width x height RGBA pixels, bottom row first (as GL reads them back).
    bool addFrame(const uint8_t* pixels, std::string& error);
    bool addSound(const int16_t* stereo, int frames, std::string& error);
    // Drains the encoders, closes the file and gives it its name.
    bool finish(std::string& error);

private:
    struct State;
    std::unique_ptr<State> state;
};
