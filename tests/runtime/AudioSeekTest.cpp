// Sources start where they are told, so that the music of a programme started late (tarvo --start)
// plays what belongs to that moment.
#include <gtest/gtest.h>

#include <vector>

#include "platform/Platform.h"
#include "runtime/ModuleSource.h"
#include "runtime/Programme.h"
#include "runtime/WavStream.h"

namespace {

constexpr int rate = 8000;

// Frames rendered from ms on, at most maxFrames, in blocks as an output device asks for them.
int framesFrom(audio::AudioSource& source, int32_t ms, int maxFrames) {
    source.seek(ms);
    std::vector<int16_t> block(2 * 4096);
    int total = 0;
    while (total < maxFrames) {
        const int got = source.render(block.data(), 4096);
        total += got;
        if (got < 4096) break;
    }
    return total;
}

TEST(AudioSeek, TheSoundtrackPlaysFromTheMomentAskedUntilItsEnd) {
    const platform::ResourceBytes soundtrack = platform::findResource(soundtrackResourceId);
    auto module = audio::ModuleSource::decode(soundtrack.data, soundtrack.size, rate);
    ASSERT_NE(module, nullptr);
    const int tenSeconds = 10 * rate;
    EXPECT_GE(framesFrom(*module, 0, tenSeconds), tenSeconds);
    // The programme ends at 155 s with its music: from 150 s on there are seconds left, not ten.
    const int nearTheEnd = framesFrom(*module, programmeEndMs - 5000, tenSeconds);
    EXPECT_GT(nearTheEnd, rate);
    EXPECT_LT(nearTheEnd, tenSeconds);
    EXPECT_EQ(framesFrom(*module, programmeEndMs + 60000, tenSeconds), 0);
}

TEST(AudioSeek, AStreamStartsAtTheFrameOfTheMoment) {
    // One second of mono 16-bit samples counting up from 0, at the output rate.
    std::vector<uint8_t> wav = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
                                1, 0, 1, 0, rate & 0xFF, rate >> 8, 0, 0, (2 * rate) & 0xFF, (2 * rate) >> 8, 0, 0,
                                2, 0, 16, 0, 'd', 'a', 't', 'a', (2 * rate) & 0xFF, (2 * rate) >> 8, 0, 0};
    for (int i = 0; i < rate; ++i) {
        wav.push_back(static_cast<uint8_t>(i & 0xFF));
        wav.push_back(static_cast<uint8_t>(i >> 8));
    }
    auto stream = audio::WavStream::decode(wav.data(), wav.size(), rate);
    ASSERT_NE(stream, nullptr);
    int16_t frame[2] = {};
    for (const int32_t ms : {0, 250, 999}) {
        stream->seek(ms);
        ASSERT_EQ(stream->render(frame, 1), 1);
        EXPECT_EQ(frame[0], ms * rate / 1000);
        EXPECT_EQ(frame[1], ms * rate / 1000);
    }
    stream->seek(1000);
    EXPECT_EQ(stream->render(frame, 1), 0);
}

}  // namespace
