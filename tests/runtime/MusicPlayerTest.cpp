// The music player and its audio library, heard through the headless backend's frame-locked
// output: every frame presented captures exactly 1/60 s of what the library renders.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/headless/HeadlessControl.h"
#include "runtime/AudioLibrary.h"
#include "runtime/MusicPlayer.h"
#include "runtime/WavStream.h"

namespace {

constexpr int soundtrackId = 142;

// A four-channel MOD: a looped square wave struck on row 0 and a pattern break on row 8, so the
// song ends after 9 rows of 0.12 s.
std::vector<uint8_t> tinyModule() {
    std::vector<uint8_t> mod(2108 + 32, 0);
    uint8_t* sample = &mod[20];
    sample[23] = 16;  // length in words, big-endian
    sample[25] = 64;  // volume
    sample[29] = 16;  // loop length in words: all of it
    mod[950] = 1;     // song length
    std::copy_n("M.K.", 4, &mod[1080]);
    const uint8_t note[] = {0x01, 0xAC, 0x10, 0x00};  // sample 1, period 428
    std::copy_n(note, 4, &mod[1084]);
    mod[1084 + 8 * 16 + 2] = 0x0D;  // row 8, channel 0: break
    for (int i = 0; i < 32; ++i) mod[2108 + i] = static_cast<uint8_t>(i < 16 ? 100 : -100);
    return mod;
}

std::vector<uint8_t> wavFile(uint16_t channels, uint32_t rate, uint16_t bits,
                             const std::vector<uint8_t>& pcm) {
    std::vector<uint8_t> wav;
    auto put = [&wav](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) wav.push_back(static_cast<uint8_t>(value >> (8 * i)));
    };
    auto tag = [&wav](const char* name) { wav.insert(wav.end(), name, name + 4); };
    const uint32_t blockAlign = channels * bits / 8u;
    tag("RIFF");
    put(static_cast<uint32_t>(36 + pcm.size()), 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);  // PCM
    put(channels, 2);
    put(rate, 4);
    put(rate * blockAlign, 4);
    put(blockAlign, 2);
    put(bits, 2);
    tag("data");
    put(static_cast<uint32_t>(pcm.size()), 4);
    wav.insert(wav.end(), pcm.begin(), pcm.end());
    return wav;
}

std::vector<uint8_t> stereo16(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> bytes;
    for (int16_t s : samples) {
        bytes.push_back(static_cast<uint8_t>(s));
        bytes.push_back(static_cast<uint8_t>(s >> 8));
    }
    return wavFile(2, 44100, 16, bytes);
}

// A file in the test's temporary folder holding these bytes; returns its path.
std::string writeTempFile(const char* name, const std::vector<uint8_t>& bytes) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
}

// The samples captured while `frames` more frames are presented.
std::vector<int16_t> capture(int frames) {
    const size_t mark = headless::capturedAudio().size();
    headless::advanceClock(frames);
    return std::vector<int16_t>(headless::capturedAudio().begin() + mark, headless::capturedAudio().end());
}

bool silent(const std::vector<int16_t>& samples) {
    return !samples.empty() && std::all_of(samples.begin(), samples.end(), [](int16_t s) { return s == 0; });
}

bool sounds(const std::vector<int16_t>& samples) {
    return std::any_of(samples.begin(), samples.end(), [](int16_t s) { return s != 0; });
}

// Whether `captured` starts with `expected` and is silent after it.
bool playedOnce(const std::vector<int16_t>& captured, const std::vector<int16_t>& expected) {
    return captured.size() > expected.size() &&
           std::equal(expected.begin(), expected.end(), captured.begin()) &&
           silent(std::vector<int16_t>(captured.begin() + expected.size(), captured.end()));
}

class MusicPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset();
        headless::setResource(soundtrackId, tinyModule());
        player.openOutput();
    }
    MusicPlayer player;
};

TEST_F(MusicPlayerTest, ModuleFromResourceSoundsAfterPlayUntilStopOrItsEnd) {
    const uint32_t handle = player.load(soundtrackId, MusicPlayer::moduleKind);
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(player.moduleHandle, handle);
    EXPECT_TRUE(silent(capture(5))) << "loading starts the output but plays nothing";

    player.play();
    EXPECT_TRUE(sounds(capture(30)));
    player.stop();
    EXPECT_TRUE(silent(capture(10)));

    player.load(soundtrackId, MusicPlayer::moduleKind);
    player.play();
    EXPECT_TRUE(sounds(capture(60)));
    capture(10);  // the song ends at 64.8 frames
    EXPECT_TRUE(silent(capture(30)));
}

TEST_F(MusicPlayerTest, SecondLoadStopsAndFreesTheFirst) {
    const std::vector<int16_t> tone = {1000, -1000, 2000, -2000, 3000, -3000};
    headless::setResource(soundtrackId + 1, stereo16(tone));
    const uint32_t module = player.load(soundtrackId, MusicPlayer::moduleKind);
    player.play();
    EXPECT_TRUE(sounds(capture(10)));

    const size_t callsBefore = headless::calls().size();
    const uint32_t stream = player.load(soundtrackId + 1, 0);
    const std::vector<std::string> calls(headless::calls().begin() + callsBefore, headless::calls().end());
    EXPECT_EQ(calls, (std::vector<std::string>{"stopAudioOutput", "startAudioOutput"}));
    ASSERT_NE(stream, 0u);
    EXPECT_NE(stream, module);
    EXPECT_EQ(player.moduleHandle, 0u);
    EXPECT_EQ(player.streamHandle, stream);
    EXPECT_TRUE(silent(capture(5)));

    player.play();
    EXPECT_TRUE(playedOnce(capture(1), tone));
}

TEST_F(MusicPlayerTest, WavFilePlaysAsStreamFromItsStartOnEveryPlay) {
    std::vector<int16_t> ramp(2 * 4410);  // 0.1 s
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(i % 2 ? -int(i) : int(i));
    const std::string path = writeTempFile("tarvo_music_test.wav", stereo16(ramp));
    const uint32_t handle = player.load(path.c_str(), 0);
    std::remove(path.c_str());
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(player.streamHandle, handle);

    player.play();
    const std::vector<int16_t> start = capture(2);
    EXPECT_TRUE(std::equal(start.begin(), start.end(), ramp.begin()));
    player.play();
    EXPECT_TRUE(playedOnce(capture(8), ramp));
}

TEST_F(MusicPlayerTest, TheOutputsLatencyIsReportedInWholeMilliseconds) {
    const std::pair<int, int32_t> cases[] = {{0, 0}, {4410, 100}, {1000, 23}, {1, 0}, {-50, 0}};
    for (const auto& [frames, ms] : cases) {
        headless::setAudioLatency(frames);
        EXPECT_EQ(player.outputLatencyMs(), ms) << frames << " frames";
    }
}

TEST(MusicPlayerWithoutDevice, SaysSoOnceAndGoesOnSilently) {
    headless::reset();
    headless::setResource(soundtrackId, tinyModule());
    headless::setAudioLatency(4410);  // of a device that is not there
    headless::failStep(headless::Step::OpenAudio);
    ::testing::internal::CaptureStderr();
    MusicPlayer player;
    player.openOutput();
    for (int i = 0; i < 2; ++i) {
        EXPECT_NE(player.load(soundtrackId, MusicPlayer::moduleKind), 0u);
        player.play();
        EXPECT_TRUE(silent(capture(20)));
        player.stop();
    }
    EXPECT_EQ(player.outputLatencyMs(), 0);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("no sound device"), std::string::npos) << said;
}

TEST(AudioLibraryTest, HandlesAreDistinctFreedOnceAndZeroOnFailure) {
    headless::reset();
    audio::AudioLibrary library;
    library.openOutput(44100);
    library.start();
    const std::vector<uint8_t> mod = tinyModule();
    const uint32_t first = library.loadModule(mod.data(), mod.size());
    const uint32_t second = library.loadModule(mod.data(), mod.size());
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(library.loadModule(mod.data(), 100), 0u) << "cut short";
    EXPECT_EQ(library.loadStream(mod.data(), mod.size()), 0u);
    EXPECT_EQ(library.loadModuleFile("/nonexistent/tarvo.mod"), 0u);
    const std::string path = writeTempFile("tarvo_music_test.mod", mod);
    EXPECT_NE(library.loadModuleFile(path.c_str()), 0u);
    std::remove(path.c_str());

    EXPECT_TRUE(library.playModule(first));
    EXPECT_TRUE(sounds(capture(2)));
    EXPECT_FALSE(library.freeStream(first)) << "a module is not a stream";
    EXPECT_TRUE(library.freeModule(first));
    EXPECT_TRUE(silent(capture(5))) << "freeing the playing module silences it";
    EXPECT_FALSE(library.freeModule(first));
    EXPECT_FALSE(library.playModule(first));
}

TEST(WavStreamTest, EightBitMonoIsWidenedDuplicatedAndInterpolated) {
    const std::vector<uint8_t> wav = wavFile(1, 11025, 8, {128, 192});  // 0 and +16384
    std::unique_ptr<audio::WavStream> stream = audio::WavStream::decode(wav.data(), wav.size(), 44100);
    ASSERT_TRUE(stream);
    int16_t out[2 * 10] = {};
    ASSERT_EQ(stream->render(out, 10), 8);
    const int16_t expected[] = {0, 4096, 8192, 12288, 16384, 16384, 16384, 16384};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(out[2 * i], expected[i]) << "frame " << i;
        EXPECT_EQ(out[2 * i + 1], expected[i]) << "frame " << i;
    }
}

TEST(WavStreamTest, RejectsWhatIsNotPcmWave) {
    const std::vector<uint8_t> pcm = {0, 0, 0, 0};
    std::vector<uint8_t> floats = wavFile(1, 44100, 32, pcm);
    floats[20] = 3;  // IEEE float
    std::vector<uint8_t> noData = wavFile(1, 44100, 16, pcm);
    noData.resize(36);
    const std::vector<std::vector<uint8_t>> rejected = {
        tinyModule(), wavFile(3, 44100, 16, pcm), wavFile(1, 44100, 24, pcm), wavFile(1, 0, 16, pcm),
        floats, noData};
    for (size_t i = 0; i < rejected.size(); ++i)
        EXPECT_FALSE(audio::WavStream::decode(rejected[i].data(), rejected[i].size(), 44100)) << "case " << i;
}

}  // namespace
