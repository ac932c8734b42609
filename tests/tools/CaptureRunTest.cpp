// tarvo-capture run for real on short stretches: the video files opened again with libavformat and
// decoded, the PNG and WAV files it writes, and what it does when a file cannot be written.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tools/png/PngFile.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int exitCode;
    std::string errors;  // what it printed on stderr
};

Outcome capture(const std::string& arguments, const std::string& shellPrefix = "") {
    const fs::path log = fs::temp_directory_path() / ("tarvo-capture-" + std::to_string(getpid()) + ".log");
    const std::string command =
        shellPrefix + "'" TARVO_CAPTURE "' " + arguments + " >/dev/null 2>'" + log.string() + "'";
    const int status = std::system(command.c_str());
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    fs::remove(log);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
}

// A fresh empty folder for one test.
fs::path scratch(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / ("tarvo-capture-test-" + std::to_string(getpid())) / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

struct Decoded {
    std::vector<std::string> codecs;  // per stream
    int videoFrames = 0;
    int sampleRate = 0;
    int64_t audioSamples = 0;
    int largestAudioFrame = 0;
    std::vector<uint8_t> firstFrame;   // RGB, top row first
    std::vector<uint32_t> frameSums;   // a checksum of every decoded picture
};

uint32_t checksum(const AVFrame& frame) {
    uint32_t sum = 2166136261u;
    for (int plane = 0; plane < 3; ++plane) {
        const int rows = plane == 0 ? frame.height : (frame.height + 1) / 2;
        const int bytes = plane == 0 ? frame.width : (frame.width + 1) / 2;
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < bytes; ++x) sum = (sum ^ frame.data[plane][y * frame.linesize[plane] + x]) * 16777619u;
    }
    return sum;
}

std::vector<uint8_t> toRgb(const AVFrame& frame) {
    SwsContext* scaler = sws_getContext(frame.width, frame.height, static_cast<AVPixelFormat>(frame.format),
                                        frame.width, frame.height, AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr,
                                        nullptr);
    const int* matrix = sws_getCoefficients(frame.colorspace == AVCOL_SPC_BT709 ? SWS_CS_ITU709 : SWS_CS_DEFAULT);
    sws_setColorspaceDetails(scaler, matrix, 0, matrix, 1, 0, 1 << 16, 1 << 16);
    std::vector<uint8_t> rgb(static_cast<size_t>(frame.width) * frame.height * 3);
    uint8_t* planes[1] = {rgb.data()};
    const int strides[1] = {frame.width * 3};
    sws_scale(scaler, frame.data, frame.linesize, 0, frame.height, planes, strides);
    sws_freeContext(scaler);
    return rgb;
}

Decoded decode(const fs::path& path) {
    Decoded result;
    AVFormatContext* input = nullptr;
    if (avformat_open_input(&input, path.c_str(), nullptr, nullptr) < 0) return result;
    avformat_find_stream_info(input, nullptr);
    std::vector<AVCodecContext*> decoders;
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVCodecParameters* parameters = input->streams[i]->codecpar;
        const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
        result.codecs.push_back(avcodec_get_name(parameters->codec_id));
        AVCodecContext* context = avcodec_alloc_context3(codec);
        avcodec_parameters_to_context(context, parameters);
        context->pkt_timebase = input->streams[i]->time_base;
        avcodec_open2(context, codec, nullptr);
        decoders.push_back(context);
    }
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    const auto drain = [&](AVCodecContext* context) {
        while (avcodec_receive_frame(context, frame) >= 0) {
            if (context->codec_type == AVMEDIA_TYPE_VIDEO) {
                if (result.videoFrames++ == 0) result.firstFrame = toRgb(*frame);
                result.frameSums.push_back(checksum(*frame));
            } else {
                result.sampleRate = frame->sample_rate;
                result.audioSamples += frame->nb_samples;
                result.largestAudioFrame = std::max(result.largestAudioFrame, frame->nb_samples);
            }
        }
    };
    while (av_read_frame(input, packet) >= 0) {
        AVCodecContext* context = decoders[static_cast<size_t>(packet->stream_index)];
        avcodec_send_packet(context, packet);
        av_packet_unref(packet);
        drain(context);
    }
    for (AVCodecContext* context : decoders) {
        avcodec_send_packet(context, nullptr);
        drain(context);
        avcodec_free_context(&context);
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avformat_close_input(&input);
    return result;
}

double psnr(const std::vector<uint8_t>& rgb, const std::vector<uint8_t>& rgba) {
    double squares = 0;
    const size_t pixels = rgb.size() / 3;
    if (pixels == 0 || rgba.size() != pixels * 4) return 0;
    for (size_t i = 0; i < pixels; ++i)
        for (size_t c = 0; c < 3; ++c) {
            const double difference = double(rgb[3 * i + c]) - double(rgba[4 * i + c]);
            squares += difference * difference;
        }
    return 10 * std::log10(255.0 * 255.0 / std::max(squares / (3.0 * pixels), 1e-9));
}

// Every file in the folder, named relative to it.
std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (!entry.is_directory()) names.push_back(entry.path().lexically_relative(folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

struct Container {
    const char* extension;
    const char* videoCodec;
    const char* audioCodec;
};

void PrintTo(const Container& container, std::ostream* out) { *out << container.extension; }

class CaptureVideo : public testing::TestWithParam<Container> {};

TEST_P(CaptureVideo, TwoSecondsOfTheTunnelWithTheirSound) {
    const Container container = GetParam();
    const fs::path folder = scratch(container.extension + 1);
    const fs::path video = folder / (std::string("tunnel") + container.extension);
    const Outcome run = capture("--scene Tunnel --length 2000 --size 320x240 --at 0 --out '" + (folder / "frames").string() +
                            "' --video '" + video.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(filesIn(folder), (std::vector<std::string>{"frames/0.png", video.filename().string()}));

    const Decoded decoded = decode(video);
    EXPECT_EQ(decoded.codecs, (std::vector<std::string>{container.videoCodec, container.audioCodec}));
    EXPECT_EQ(decoded.videoFrames, 120);  // 2 s at 60 frames per second
    // The sound lasts as long as the pictures, to within one audio frame.
    EXPECT_NEAR(decoded.audioSamples, 2 * decoded.sampleRate, decoded.largestAudioFrame);
    int width = 0;
    int height = 0;
    std::vector<uint8_t> png;
    ASSERT_TRUE(png::read((folder / "frames/0.png").string(), width, height, png));
    EXPECT_EQ(width * height * 3, static_cast<int>(decoded.firstFrame.size()));
    EXPECT_GT(psnr(decoded.firstFrame, png), 35.0);
}

INSTANTIATE_TEST_SUITE_P(Containers, CaptureVideo,
                         testing::Values(Container{".mp4", "h264", "aac"}, Container{".mkv", "h264", "flac"},
                                         Container{".webm", "vp9", "opus"}),
                         [](const testing::TestParamInfo<Container>& info) { return info.param.extension + 1; });

TEST(CaptureRun, TwoRunsGiveTheSamePicturesAndTheWavHoldsEveryFrame) {
    const fs::path folder = scratch("repeat");
    std::vector<std::vector<uint32_t>> sums;
    for (const char* name : {"a", "b"}) {
        const std::string stem = (folder / name).string();
        const Outcome run = capture("--scene Tunnel --length 1000 --size 160x120 --fps 60000/1001 --video '" + stem +
                                ".mp4' --audio '" + stem + ".wav'");
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        sums.push_back(decode(stem + ".mp4").frameSums);
    }
    EXPECT_EQ(sums[0].size(), 60u);  // frames before 1 s at 59.94 per second
    EXPECT_EQ(sums[0], sums[1]);
    // 60 frames of 1001/60000 s at 44100 Hz, 4 bytes a sample, after the 44-byte header whose
    // sizes agree with it.
    std::ifstream wav(folder / "a.wav", std::ios::binary);
    std::vector<uint8_t> header(44);
    wav.read(reinterpret_cast<char*>(header.data()), 44);
    const auto le32 = [&](int at) {
        return uint32_t(header[at]) | uint32_t(header[at + 1]) << 8 | uint32_t(header[at + 2]) << 16 |
               uint32_t(header[at + 3]) << 24;
    };
    const uint32_t dataBytes = 4 * static_cast<uint32_t>(60LL * 1001 * 44100 / 60000);
    EXPECT_EQ(le32(40), dataBytes);
    EXPECT_EQ(le32(4), 36 + dataBytes);
    EXPECT_EQ(fs::file_size(folder / "a.wav"), 44 + dataBytes);
}

// A job that cannot write what it was asked for says which file and why, exits with 1 and leaves
// nothing under the file's name, nor any temporary file.
TEST(CaptureRun, AFileThatCannotBeWrittenFailsTheJob) {
    const fs::path folder = scratch("failures");
    fs::create_symlink("/dev/full", folder / "full.mp4");
    struct Case {
        std::string arguments;
        std::string message;
        std::string shellPrefix;
    };
    const std::string at = folder.string() + "/";
    const std::vector<Case> cases = {
        {"--at 0 --audio /dev/full", "cannot write /dev/full: No space left on device", ""},
        {"--video '" + at + "full.mp4'", "cannot write " + at + "full.mp4: No space left on device", ""},
        {"--video /sys/tarvo.mp4", "cannot write /sys/tarvo.mp4: Permission denied", ""},
        {"--at 0 --out /sys/frames", "cannot create /sys/frames: ", ""},
        {"--video '" + at + "missing/x.mkv'", "cannot write " + at + "missing/x.mkv: No such file or directory", ""},
        // Files that outgrow the limit fail part-way through writing.
        {"--video '" + at + "big.webm'", "cannot write " + at + "big.webm: File too large",
         "trap '' XFSZ; ulimit -f 16; "},
        {"--size 64x48 --at 250 --out '" + at + "' --audio '" + at + "big.wav'", "cannot write " + at + "big.wav: File too large",
         "trap '' XFSZ; ulimit -f 16; "},
        {"--at 0 --out '" + at + "'", "cannot write " + at + "/0.png: File too large", "trap '' XFSZ; ulimit -f 16; "},
    };
    for (const Case& c : cases) {
        const Outcome run = capture("--scene Tunnel --length 300 " + c.arguments, c.shellPrefix);
        EXPECT_EQ(run.exitCode, 1) << c.arguments << "\n" << run.errors;
        EXPECT_NE(run.errors.find("tarvo-capture: " + c.message), std::string::npos)
            << c.arguments << "\n" << run.errors;
    }
    // The WAV case stops at its first failed write, before the frame at 250 ms.
    EXPECT_EQ(filesIn(folder), std::vector<std::string>{"full.mp4"});
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_FALSE(fs::exists("/sys/tarvo.mp4"));
}

TEST(CaptureRun, FramesAfterTheEndFailTheJob) {
    const fs::path folder = scratch("late");
    const Outcome run = capture("--scene Tunnel --length 200 --at 0,250,300 --out '" + folder.string() + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("tarvo-capture: the run ended before 250 ms\n"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("tarvo-capture: the run ended before 300 ms\n"), std::string::npos) << run.errors;
    EXPECT_EQ(filesIn(folder), std::vector<std::string>{"0.png"});
}

TEST(CaptureRun, VersionAndUnknownOptions) {
    EXPECT_EQ(capture("--version").exitCode, 0);
    const Outcome bogus = capture("--at 0 --bogus");
    EXPECT_EQ(bogus.exitCode, 2);
    EXPECT_EQ(bogus.errors.rfind("tarvo-capture: unknown option --bogus\n", 0), 0u) << bogus.errors;
}

}  // namespace
