// Music streams: the memory file the decoder reads, the double buffer heard without
// gaps, short looping streams, volume and stop while playing, and bad files.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "audio/KAudioSource.h"
#include "tests/audio/AudioFixtures.h"

using namespace audiotest;

namespace {

// Frame i of out matches frame i of a reference decode (within the level's rounding).
::testing::AssertionResult Matches(const std::vector<int16_t> &out, size_t outFrame,
                                   const std::vector<int16_t> &ref, size_t refFrame, int channels,
                                   size_t frames) {
    for (size_t i = 0; i < frames; i++) {
        for (int side = 0; side < 2; side++) {
            int want = ref[(refFrame + i) * channels + (channels == 2 ? side : 0)];
            int got = out[(outFrame + i) * 2 + side];
            if (got < want - 1 || got > want + 1)
                return ::testing::AssertionFailure()
                       << "frame " << outFrame + i << " side " << side << ": " << got << " != " << want;
        }
    }
    return ::testing::AssertionSuccess();
}

class StreamTest : public ::testing::Test {
protected:
    TempFolder dir;

    std::vector<int16_t> MakeStream(const std::string &name, int channels, int frames) {
        EXPECT_TRUE(EncodeOgg(dir.file(name), channels, 44100, Tone(channels, 44100, frames, 330, 0.6)));
        return DecodeOggFile(dir.file(name));
    }
};

TEST_F(StreamTest, MemoryFileReadsSeeksAndTells) {
    Bytes bytes(1000);
    for (size_t i = 0; i < bytes.size(); i++)
        bytes[i] = (uint8_t)i;
    WriteBytes(dir.file("blob"), bytes);
    KAudioSource s;
    ASSERT_EQ(s.readWholeFile(dir.file("blob").c_str()), 1000);
    EXPECT_EQ(KAudioSource::memSeek(&s, 0, 2), 0);
    EXPECT_EQ(KAudioSource::memTell(&s), 1000);
    uint8_t buf[64];
    EXPECT_EQ(KAudioSource::memRead(buf, 1, 10, &s), 0u);
    KAudioSource::memSeek(&s, 995, 0);
    EXPECT_EQ(KAudioSource::memRead(buf, 1, 64, &s), 5u);
    EXPECT_EQ(buf[0], 995 % 256);
    EXPECT_EQ(KAudioSource::memTell(&s), 1000);
    KAudioSource::memSeek(&s, -20, 1);
    EXPECT_EQ(KAudioSource::memTell(&s), 980);
    KAudioSource::memSeek(&s, -5000, 1);
    EXPECT_EQ(KAudioSource::memTell(&s), 0);
    KAudioSource::memSeek(&s, 5000, 0);
    EXPECT_EQ(KAudioSource::memTell(&s), 1000);
    KAudioSource::memSeek(&s, 10, 0);
    EXPECT_EQ(KAudioSource::memSeek(&s, 3, 7), 0);   // unknown whence: no move
    EXPECT_EQ(KAudioSource::memTell(&s), 10);
    EXPECT_EQ(KAudioSource::memSeek(nullptr, 0, 0), -1);
    EXPECT_EQ(KAudioSource::memTell(nullptr), -1);
    EXPECT_EQ(KAudioSource::memRead(buf, 1, 4, nullptr), 0u);
    EXPECT_EQ(KAudioSource::memClose(&s), -1);
}

TEST_F(StreamTest, WholeStreamIsHeardInOrderThenItEnds) {
    for (int channels : {2, 1}) {
        std::vector<int16_t> ref = MakeStream("whole.ogg", channels, 9000);
        size_t frames = ref.size() / channels;
        KAudioSource music;
        ASSERT_EQ(music.loadStream(dir.file("whole.ogg").c_str()), 1);
        EXPECT_EQ(music.kind, AUDIO_STREAM);
        EXPECT_EQ(music.format->formatTag, 1);
        EXPECT_EQ(music.format->extraSize, 20);
        EXPECT_EQ(music.format->blockAlign, 2 * channels);
        EXPECT_FALSE(music.playing);
        music.setVolume(100);
        music.playStream(false);
        EXPECT_TRUE(music.playing);
        std::vector<int16_t> out = Pull((int)frames + 3000);
        EXPECT_TRUE(Matches(out, 0, ref, 0, channels, frames)) << channels << " channels";
        EXPECT_TRUE(IsSilent(out, frames)) << channels << " channels";
        EXPECT_FALSE(music.playing);
        EXPECT_TRUE(music.ended);
    }
}

TEST_F(StreamTest, StreamShorterThanOneBufferLoopsWithASilentTail) {
    std::vector<int16_t> ref = MakeStream("short.ogg", 2, 500);
    size_t frames = ref.size() / 2;
    ASSERT_LT(frames, 1024u);
    KAudioSource music;
    ASSERT_EQ(music.loadStream(dir.file("short.ogg").c_str()), 1);
    music.setVolume(100);
    music.playStream(true);
    std::vector<int16_t> out = Pull(1024 * 5);
    for (size_t start = 0; start < 1024 * 5; start += 1024) {
        EXPECT_TRUE(Matches(out, start, ref, 0, 2, frames)) << start;
        EXPECT_TRUE(IsSilent(out, start + frames, start + 1024)) << start;
    }
    EXPECT_TRUE(music.playing);
}

TEST_F(StreamTest, LongLoopStartsAgainFromItsBeginning) {
    std::vector<int16_t> ref = MakeStream("loop.ogg", 2, 3000);
    size_t frames = ref.size() / 2;
    KAudioSource music;
    ASSERT_EQ(music.loadStream(dir.file("loop.ogg").c_str()), 1);
    music.setVolume(100);
    music.playStream(true);
    std::vector<int16_t> out = Pull(12000);
    // The end falls in the third buffer: its rest is silent, the fourth starts over.
    EXPECT_TRUE(Matches(out, 0, ref, 0, 2, frames));
    EXPECT_TRUE(IsSilent(out, frames, 3072));
    EXPECT_TRUE(Matches(out, 3072, ref, 0, 2, frames));
}

TEST_F(StreamTest, VolumeActsAtOnceAndStopSilences) {
    std::vector<int16_t> ref = MakeStream("vol.ogg", 2, 44100);
    KAudioSource music;
    ASSERT_EQ(music.loadStream(dir.file("vol.ogg").c_str()), 1);
    music.setVolume(100);
    music.playStream(true);
    Pull(777);
    music.setVolume(50);
    std::vector<int16_t> out = Pull(200);
    for (size_t i = 0; i < 200; i += 13) {
        int want = ref[(777 + i) * 2] * 127 / 255;
        EXPECT_NEAR(out[2 * i], want, 2) << i;
    }
    music.stopStream();
    EXPECT_FALSE(music.playing);
    EXPECT_TRUE(music.ended);
    EXPECT_TRUE(IsSilent(Pull(3000)));
    music.fillStreamBuffer(0);   // a stray fill after the stop does nothing
    EXPECT_TRUE(IsSilent(Pull(3000)));

    music.setVolume(100);
    music.playStream(true);      // and a new play starts from the top
    EXPECT_TRUE(Matches(Pull(2500), 0, ref, 0, 2, 2500));
}

TEST_F(StreamTest, OneObjectReloadsAsEitherKindWhilePlaying) {
    std::vector<int16_t> ref = MakeStream("a.ogg", 2, 20000);
    WriteBytes(dir.file("b.wav"), Wav16(1, 44100, std::vector<int16_t>(3000, 1234)));
    KAudioSource sound;
    for (int round = 0; round < 2; round++) {
        ASSERT_EQ(sound.loadStream(dir.file("a.ogg").c_str()), 1);
        sound.setVolume(100);
        sound.playStream(true);
        EXPECT_TRUE(Matches(Pull(3000), 0, ref, 0, 2, 3000));
        ASSERT_EQ(sound.loadSample(dir.file("b.wav").c_str(), 100, true, 2), 1);   // while the music plays
        EXPECT_TRUE(IsSilent(Pull(100)));
        sound.playSample();
        EXPECT_NEAR(Pull(10)[0], 1234, 1);
        EXPECT_EQ(sound.loadSample(dir.file("none.wav").c_str(), 100, true, 1), 0);
        EXPECT_TRUE(IsSilent(Pull(100)));
    }
}

TEST_F(StreamTest, BadStreamsStaySilent) {
    ASSERT_TRUE(EncodeOgg(dir.file("good.ogg"), 2, 44100, Noise(2, 80000, 0.3)));
    Bytes good = ReadBytes(dir.file("good.ogg"));
    Bytes garbage(3000, 0x4F);
    struct Case { const char *what; Bytes bytes; bool loads; } cases[] = {
        {"empty", {}, false},
        {"garbage", garbage, false},
        {"a WAV file", Wav16(1, 44100, {1, 2, 3}), false},
        {"first page only", Bytes(good.begin(), good.begin() + 58), false},
        {"cut short", Bytes(good.begin(), good.begin() + good.size() * 3 / 4), true},
    };
    for (const Case &c : cases) {
        WriteBytes(dir.file("bad.ogg"), c.bytes);
        auto music = std::make_unique<KAudioSource>();
        EXPECT_EQ(music->loadStream(dir.file("bad.ogg").c_str()), c.loads ? 1 : 0) << c.what;
        music->playStream(true);
        EXPECT_EQ(music->playing, c.loads) << c.what;
        std::vector<int16_t> out = Pull(30000);
        if (!c.loads) {
            EXPECT_TRUE(IsSilent(out)) << c.what;
        }
    }
    KAudioSource missing;
    EXPECT_EQ(missing.loadStream(dir.file("none.ogg").c_str()), 0);
    missing.playStream(true);
    missing.stopStream();
    EXPECT_FALSE(missing.playing);
}

} // namespace
