// The SDL audio device under SDL's own test drivers: a driver that does not exist (the
// game stays silent), the disk driver (what is mixed really reaches the device) and the
// dummy driver (closing while sounds play does not hang).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include "audio/KAudioSource.h"
#include "engine/platform/AudioDevice.h"
#include "tests/audio/AudioFixtures.h"

using namespace audiotest;

namespace {

std::unique_ptr<KAudioSource> LoopingTone(const TempFolder &dir, int16_t value) {
    WriteBytes(dir.file("tone.wav"), Wav16(1, 44100, std::vector<int16_t>(4410, value)));
    auto sound = std::make_unique<KAudioSource>();
    sound->loadSample(dir.file("tone.wav").c_str(), 100, true, 1);
    return sound;
}

TEST(SdlAudioDevice, NoDriverMeansSilenceWithoutFailure) {
    TempFolder dir;
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        auto sound = LoopingTone(dir, 10000);
        EXPECT_FALSE(AudioDevice_IsOpen());
        EXPECT_NE(sound->channels[0], nullptr);   // the sound itself is whole, only unheard
        sound->playSample();
        sound->setVolume(40);
        sound->stopVoices();
        sound->playSample();
    }
    EXPECT_FALSE(AudioDevice_IsOpen());
}

TEST(SdlAudioDevice, DiskDriverReceivesTheMix) {
    TempFolder dir;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", dir.file("out.raw").c_str(), 1);
    {
        auto sound = LoopingTone(dir, 10000);
        ASSERT_TRUE(AudioDevice_IsOpen());
        sound->playSample();
        // The disk driver writes in real time; a loaded machine may start its thread late,
        // so wait for about a third of a second of sound (or give up after ten seconds).
        std::error_code err;
        for (int wait = 0; wait < 100; wait++) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (std::filesystem::file_size(dir.file("out.raw"), err) >= 64 * 1024 && !err) break;
        }
    }
    EXPECT_FALSE(AudioDevice_IsOpen());
    Bytes raw = ReadBytes(dir.file("out.raw"));
    ASSERT_GE(raw.size(), 4096u);
    int heard = 0;
    for (size_t i = 0; i + 1 < raw.size(); i += 2) {
        int16_t v = (int16_t)(raw[i] | raw[i + 1] << 8);
        heard += std::abs(v - 10000) <= 1;
    }
    EXPECT_GT(heard, 1000);
}

TEST(SdlAudioDevice, ClosingWhileSoundsPlayDoesNotHang) {
    TempFolder dir;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    for (int round = 0; round < 3; round++) {
        auto a = LoopingTone(dir, 3000);
        auto b = LoopingTone(dir, -3000);
        ASSERT_TRUE(AudioDevice_IsOpen());
        a->playSample();
        b->playSample();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        a->setVolume(10);
        a.reset();   // destroyed while the device mixes it
    }
    EXPECT_FALSE(AudioDevice_IsOpen());
}

} // namespace
