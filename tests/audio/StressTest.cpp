// Effects, volume changes and music restarts from the game thread while a second thread
// mixes as the audio device would, for a few seconds. Built with ThreadSanitizer this
// checks that the game thread and the mixer share nothing unguarded.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "audio/KAudioSource.h"
#include "audio/Sound.h"
#include "engine/KMiscTools.h"
#include "engine/KRandom.h"
#include "tests/audio/AudioFixtures.h"

using namespace audiotest;

char *Vuz_MakeFilePath(const char *path) { return KMiscTools::makeFilePath(path); }

namespace {

const double STRESS_SECONDS = 3.0;
const int AUDIO_CHUNK_FRAMES = 1024;

void MakeGameSounds(const TempFolder &dir) {
    std::string audio = dir.path() + "/data/audio";
    std::filesystem::create_directories(audio);
    EncodeOgg(audio + "/effect.ogg", 1, 22050, Tone(1, 22050, 3000, 700, 0.3));
    Bytes ogg = ReadBytes(audio + "/effect.ogg");
    for (const char *name : {"ballbat1", "ballbat2", "ballbat3", "ballbatlow_2", "ballbatlow_3", "ballbatlow1",
                             "ballbatmedium1", "ballbatmedium2", "ballbatmedium3", "ballbatheavy1", "ballbatheavy2",
                             "ballbatheavy3", "fruit_1", "fruit_2", "fruit_3", "cassecaisse1", "cassecaisse2",
                             "ballinaimant", "shoot", "larger", "lower", "extralife", "cassecaissemetal1",
                             "cassecaissemetal2", "cassecaissemetal3", "caissewood1", "caissewood2", "caissewood3",
                             "spaceinv", "wall", "wall2"})
        WriteBytes(audio + "/" + name + ".ogg", ogg);
    for (const char *name : {"monkeya.wav", "monkeyd.wav", "monkeyb.wav"})
        WriteBytes(audio + "/" + name, Wav8(1, 11025, Bytes(2000, 0xA0)));
    EncodeOgg(audio + "/monkey2.ogg", 2, 44100, Tone(2, 44100, 20000, 220, 0.4));
    EncodeOgg(audio + "/gov.ogg", 1, 32000, Tone(1, 32000, 700, 330, 0.4));   // shorter than a buffer
}

void (*const EVENTS[])() = {
    Sound_PlayWall, Sound_PlayBallOnBat, Sound_PlayBallOnBatSimple, Sound_PlayEvillBallOnBat,
    Sound_PlayBallOnBall, Sound_PlayCasseBox, Sound_PlayCaisseMetalResist, Sound_PlayFruit,
    Sound_PlayABonus, Sound_PlayBigger, Sound_PlaySmaller, Sound_PlayExtra, SoundPlay_SpaceInvaders,
    Sound_PlayFire, Sound_playMonkey,
};
const int EVENT_COUNT = sizeof EVENTS / sizeof EVENTS[0];

TEST(AudioStress, GameThreadAndMixerShareSafely) {
    TempFolder dir;
    MakeGameSounds(dir);
    KMiscTools::setBaseFolder(dir.path().c_str());
    Sound_InitEngine();
    PlayMusic(Vuz_MakeFilePath("data\\audio\\monkey2.ogg"));

    std::atomic<bool> stop(false);
    std::atomic<long> loudChunks(0), chunks(0);
    std::thread mixer([&] {
        while (!stop.load()) {
            std::vector<int16_t> out = Pull(AUDIO_CHUNK_FRAMES);
            chunks++;
            if (!IsSilent(out))
                loudChunks++;
        }
    });

    const char *const music[] = {"data\\audio\\monkey2.ogg", "data\\audio\\gov.ogg"};
    std::unique_ptr<KAudioSource> extra;
    long steps = 0;
    auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(STRESS_SECONDS);
    while (std::chrono::steady_clock::now() < until) {
        int roll = KRandom::rand() % 100;
        if (roll < 70)
            EVENTS[KRandom::rand() % EVENT_COUNT]();
        else if (roll < 80)
            Sound_InField((short)(KRandom::rand() % 101));
        else if (roll < 85)
            Sound_SetGlobalVolumes((short)(KRandom::rand() % 100), (short)(KRandom::rand() % 100));
        else if (roll < 88)
            PlayMusic(Vuz_MakeFilePath(music[KRandom::rand() % 2]));
        else if (roll < 89)
            FreeMusic();
        else if (roll < 92 && module)
            module->setVolume(KRandom::rand() % 100);
        else if (roll < 95) {
            extra = std::make_unique<KAudioSource>();
            extra->loadSample(Vuz_MakeFilePath("data\\audio\\wall.ogg"), 100, true, 2);
            extra->playSample();
        } else if (roll < 97) {
            extra.reset();   // a looping sound destroyed while it is mixed
        } else {
            Snd_Wall[0]->stopVoices();
        }
        steps++;
        if (steps % 8 == 0)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    extra.reset();
    FreeMusic();
    Sound_FreeEngine();
    stop = true;
    mixer.join();

    EXPECT_GT(steps, 1000);
    EXPECT_GT(chunks.load(), 10);
    EXPECT_GT(loudChunks.load(), 0);
}

} // namespace
