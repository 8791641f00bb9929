// The mixer heard through KAudioSource samples: levels, cut-and-restart, looping,
// formats, resampling, clipping, queue order and sounds without a channel.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "audio/KAudioSource.h"
#include "audio/Mixer.h"
#include "engine/platform/AudioDevice.h"
#include "tests/audio/AudioFixtures.h"

using namespace audiotest;

namespace {

const int16_t FULL = 32767;

std::vector<int16_t> Constant(int frames, int16_t value) { return std::vector<int16_t>(frames, value); }

std::vector<int16_t> Ramp(int frames, int16_t step) {
    std::vector<int16_t> v;
    for (int i = 0; i < frames; i++)
        v.push_back((int16_t)(i * step));
    return v;
}

class MixerTest : public ::testing::Test {
protected:
    TempFolder dir;

    std::unique_ptr<KAudioSource> Load(const std::string &name, const Bytes &bytes, bool loop = false,
                                       long volume = 100, short voices = 1) {
        WriteBytes(dir.file(name), bytes);
        auto sound = std::make_unique<KAudioSource>();
        sound->loadSample(dir.file(name).c_str(), volume, loop, voices);
        return sound;
    }
    std::unique_ptr<KAudioSource> LoadMono(const std::vector<int16_t> &samples, bool loop = false,
                                           uint32_t rate = 44100) {
        return Load("s.wav", Wav16(1, rate, samples), loop);
    }
};

TEST_F(MixerTest, VolumeGivesItsLevelOnBothSides) {
    struct Case { int volume; int level; } cases[] = {{100, 255}, {80, 204}, {50, 127}, {0, 0}, {150, 255}, {1, 2}};
    auto sound = LoadMono(Constant(2000, FULL));
    for (const Case &c : cases) {
        sound->setVolume(c.volume);     // only recorded: not playing yet
        sound->playSample();
        std::vector<int16_t> out = Pull(100);
        int expected = FULL * c.level / 255;
        EXPECT_NEAR(out[100], expected, 1) << "volume " << c.volume;
        EXPECT_NEAR(out[101], expected, 1) << "volume " << c.volume;
        EXPECT_EQ(sound->volume, c.volume);
    }
}

TEST_F(MixerTest, NegativeVolumeResendsTheStoredOne) {
    auto sound = LoadMono(Constant(4000, FULL));
    sound->setVolume(80);
    sound->playSample();
    MixCommand loud = {volumeCmd, 0, 255 * 65536 + 255};   // someone else's level on the channel
    Mixer_DoImmediate(sound->channels[0], loud);
    sound->setVolume(-1);
    EXPECT_EQ(sound->volume, 80);
    EXPECT_NEAR(Pull(10)[4], FULL * 204 / 255, 1);
}

TEST_F(MixerTest, VolumeOnAFinishedSoundWaitsForTheNextPlay) {
    auto sound = LoadMono(Constant(100, FULL));
    sound->playSample();
    Pull(200);
    EXPECT_FALSE(sound->playing);
    sound->setVolume(50);
    EXPECT_TRUE(IsSilent(Pull(50)));
    sound->playSample();
    EXPECT_NEAR(Pull(10)[0], FULL * 127 / 255, 1);
}

TEST_F(MixerTest, PlayingAgainCutsAndRestarts) {
    auto sound = LoadMono(Ramp(1000, 20));
    sound->playSample();
    std::vector<int16_t> first = Pull(300);
    EXPECT_NEAR(first[2 * 299], 299 * 20, 1);
    sound->playSample();
    std::vector<int16_t> again = Pull(700);
    EXPECT_NEAR(again[0], 0, 1);
    EXPECT_NEAR(again[2 * 10], 200, 1);
    EXPECT_NEAR(again[2 * 699], 699 * 20, 1);
    EXPECT_TRUE(IsSilent(Pull(400), 300));   // one voice: the first playback is gone for good
}

TEST_F(MixerTest, SoundEndsAndClearsPlaying) {
    auto sound = LoadMono(Ramp(500, 30));
    sound->playSample();
    EXPECT_TRUE(sound->playing);
    std::vector<int16_t> out = Pull(800);
    EXPECT_NEAR(out[2 * 499], 499 * 30, 1);
    EXPECT_TRUE(IsSilent(out, 500));
    EXPECT_FALSE(sound->playing);
}

TEST_F(MixerTest, LoopingSampleRestartsAtItsEndUntilStopped) {
    auto sound = LoadMono(Ramp(300, 50), true);
    sound->playSample();
    std::vector<int16_t> out = Pull(3000);   // crosses device-sized pieces
    for (int i : {0, 300, 600, 1200, 2400})
        EXPECT_NEAR(out[2 * i], 0, 1) << i;
    for (int i : {299, 599, 1499, 2999})
        EXPECT_NEAR(out[2 * i], 299 * 50, 1) << i;
    EXPECT_TRUE(sound->playing);

    sound->setVolume(0);                     // keeps running, silently
    EXPECT_TRUE(IsSilent(Pull(1000)));
    EXPECT_TRUE(sound->playing);
    sound->setVolume(100);
    EXPECT_FALSE(IsSilent(Pull(300)));

    sound->stopVoices();
    EXPECT_FALSE(sound->playing);
    EXPECT_TRUE(IsSilent(Pull(1000)));
}

TEST_F(MixerTest, FormatsComeOutAtFullScale) {
    // 8-bit unsigned mono: 0x80 is silence, 0xFF the top, 0x00 the bottom.
    auto eight = Load("e.wav", Wav8(1, 44100, {0x80, 0xFF, 0x00, 0xC0}));
    eight->playSample();
    std::vector<int16_t> out = Pull(4);
    EXPECT_EQ(out[0], 0);
    EXPECT_NEAR(out[2], 127 * 256, 1);
    EXPECT_NEAR(out[4], -128 * 256, 1);
    EXPECT_NEAR(out[7], 64 * 256, 1);
    eight.reset();

    // 16-bit stereo keeps its sides apart.
    auto stereo = Load("st.wav", Wav16(2, 44100, {1000, -2000, 3000, -4000}));
    stereo->playSample();
    out = Pull(2);
    EXPECT_NEAR(out[0], 1000, 1);
    EXPECT_NEAR(out[1], -2000, 1);
    EXPECT_NEAR(out[2], 3000, 1);
    EXPECT_NEAR(out[3], -4000, 1);
}

TEST_F(MixerTest, OtherRatesAreResampled) {
    struct Case { uint32_t rate; int outFrames; } cases[] = {{22050, 2000}, {11025, 4000}, {88200, 500}};
    for (const Case &c : cases) {
        auto sound = LoadMono(Constant(1000, 10000), false, c.rate);
        sound->playSample();
        std::vector<int16_t> out = Pull(c.outFrames + 100);
        EXPECT_NEAR(out[2 * (c.outFrames - 2)], 10000, 1) << c.rate;
        EXPECT_TRUE(IsSilent(out, c.outFrames + 1)) << c.rate;
    }
    // Halfway between two source frames lies the average of the two.
    auto ramp = LoadMono({0, 1000, 2000}, false, 22050);
    ramp->playSample();
    std::vector<int16_t> out = Pull(4);
    EXPECT_NEAR(out[2], 500, 1);
    EXPECT_NEAR(out[4], 1000, 1);
}

TEST_F(MixerTest, LoudSoundsClipInsteadOfWrapping) {
    auto a = LoadMono(Constant(500, FULL));
    WriteBytes(dir.file("b.wav"), Wav16(1, 44100, Constant(500, -FULL)));
    auto b = std::make_unique<KAudioSource>();
    b->loadSample(dir.file("b.wav").c_str(), 100, false, 1);
    auto c = Load("c.wav", Wav16(1, 44100, Constant(500, FULL)));
    a->playSample();
    c->playSample();
    EXPECT_EQ(Pull(10)[0], 32767);
    a->stopVoices();
    c->stopVoices();
    auto d = Load("d.wav", Wav16(1, 44100, Constant(500, -FULL)));
    b->playSample();
    d->playSample();
    EXPECT_EQ(Pull(10)[0], -32768);
}

TEST_F(MixerTest, SoundWithoutChannelIgnoresEverything) {
    KAudioSource silent;   // never loaded
    silent.playSample();
    silent.setVolume(50);
    silent.stopVoices();
    silent.stopVoice(3);
    EXPECT_FALSE(silent.playing);
    EXPECT_EQ(silent.volume, 50);

    KAudioSource failed;
    EXPECT_EQ(failed.loadSample(dir.file("missing.wav").c_str(), 100, true, 1), 0);
    failed.playSample();
    EXPECT_FALSE(failed.playing);
    EXPECT_TRUE(IsSilent(Pull(100)));
}

TEST_F(MixerTest, SeveralVoicesSoundTogether) {
    auto sound = Load("v.wav", Wav16(1, 44100, Constant(1000, 1000)), false, 100, 3);
    EXPECT_EQ(sound->voiceCount, 3);
    sound->playSample();
    Pull(10);
    sound->playSample();
    Pull(10);
    sound->playSample();
    EXPECT_NEAR(Pull(10)[0], 3 * 1000, 3);
    sound->playSample();   // back on the first voice: cut and restarted
    EXPECT_NEAR(Pull(10)[0], 3 * 1000, 3);
    sound->stopVoices();
    EXPECT_TRUE(IsSilent(Pull(10)));

    // The voice index is shared by every sound: after the three-voice sound has moved it
    // on, a one-voice sound still plays on its only voice.
    auto single = Load("one.wav", Wav16(1, 44100, Constant(1000, 700)));
    sound->playSample();
    sound->stopVoices();
    single->playSample();
    EXPECT_TRUE(single->playing);
    EXPECT_NEAR(Pull(10)[0], 700, 1);
}

TEST_F(MixerTest, TheLastObjectClosesTheDeviceAndTheNextReopensIt) {
    {
        KAudioSource only;
        EXPECT_TRUE(AudioDevice_IsOpen());
    }
    EXPECT_FALSE(AudioDevice_IsOpen());
    auto sound = LoadMono(Constant(100, 5000));
    EXPECT_TRUE(AudioDevice_IsOpen());
    sound->playSample();
    EXPECT_NEAR(Pull(10)[0], 5000, 1);
}

TEST_F(MixerTest, NoDeviceMeansSilenceNotFailure) {
    AudioDevice_SetMissing(true);
    {
        auto sound = LoadMono(Constant(100, 5000), true);
        EXPECT_FALSE(AudioDevice_IsOpen());
        sound->playSample();
        sound->setVolume(30);
        EXPECT_TRUE(IsSilent(Pull(200)));
        sound->stopVoices();
    }
    AudioDevice_SetMissing(false);
}

TEST_F(MixerTest, AShortLoopingSoundCannotHangTheMixer) {
    // One byte of 16-bit data: shorter than one frame.
    auto sound = Load("tiny.wav", Riff({Chunk("fmt ", FmtBody(1, 44100, 16)), Chunk("data", {0x10})}), true);
    sound->playSample();
    EXPECT_TRUE(IsSilent(Pull(4096)));
    auto oneFrame = LoadMono({12345}, true);
    oneFrame->playSample();
    EXPECT_FALSE(IsSilent(Pull(4096)));
}

// The queue itself: buffers and callbacks are reached in order, without gaps.
std::vector<intptr_t> reached;
void RecordCallback(MixChannel *, MixCommand *command) { reached.push_back(command->param2); }

TEST(MixerQueue, BuffersAndCallbacksAreReachedInOrder) {
    KAudioSource keepOpen;
    std::vector<uint8_t> a(MIX_HEADER_BYTES + 200), b(MIX_HEADER_BYTES + 200);
    long header = 0;
    ASSERT_EQ(Mixer_SetupHeader(a.data(), 1, 44100, 16, 200, &header), 0);
    ASSERT_EQ(Mixer_SetupHeader(b.data(), 1, 44100, 16, 200, &header), 0);
    for (int i = 0; i < 100; i++) {
        a[header + 2 * i] = 0x01;   // 256, big-endian
        b[header + 2 * i] = 0x02;   // 512
    }
    MixChannel *channel = Mixer_NewChannel(sampledSynth, 0, RecordCallback);
    ASSERT_NE(channel, nullptr);
    reached.clear();
    Mixer_Play(channel, a.data());
    Mixer_DoCommand(channel, MixCommand{callBackCmd, 0, 1});
    Mixer_Play(channel, b.data());
    Mixer_DoCommand(channel, MixCommand{callBackCmd, 0, 2});
    EXPECT_TRUE(reached.empty());
    std::vector<int16_t> out = Pull(150);
    EXPECT_EQ(reached, std::vector<intptr_t>{1});
    EXPECT_NEAR(out[2 * 99], 256, 1);
    EXPECT_NEAR(out[2 * 100], 512, 1);
    out = Pull(100);
    EXPECT_EQ(reached, (std::vector<intptr_t>{1, 2}));
    EXPECT_TRUE(IsSilent(out, 50));
    EXPECT_FALSE(Mixer_ChannelSounding(channel));

    // Unplayable formats are refused.
    EXPECT_NE(Mixer_SetupHeader(a.data(), 0, 44100, 16, 200, &header), 0);
    EXPECT_NE(Mixer_SetupHeader(a.data(), 3, 44100, 16, 200, &header), 0);
    EXPECT_NE(Mixer_SetupHeader(a.data(), 1, 44100, 24, 200, &header), 0);
    EXPECT_NE(Mixer_SetupHeader(a.data(), 1, 0, 16, 200, &header), 0);
    Mixer_DisposeChannel(channel, true);
    Mixer_DisposeChannel(channel, true);   // twice is harmless
}

} // namespace
