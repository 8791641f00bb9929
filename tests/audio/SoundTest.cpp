// The game's sound layer: the effects table, which variant each play function picks and
// at what volume, the volume settings and "prefvol.raw", and the music object.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "audio/KAudioSource.h"
#include "audio/Sound.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "engine/platform/Headless.h"
#include "tests/audio/AudioFixtures.h"

using namespace audiotest;

// The configuration glue lives in the shell; the sound layer only needs its path function.
char *Vuz_MakeFilePath(const char *path) { return KMiscTools::makeFilePath(path); }

namespace {

TempFolder *gameDir;
std::vector<int16_t> musicRef;

const char *const WAV_EFFECTS[] = {"monkeya.wav", "monkeyd.wav", "monkeyb.wav"};

// Every effect slot but the magnet hum, which never stops.
std::vector<KAudioSource **> EffectSlots() {
    std::vector<KAudioSource **> slots;
    auto add = [&](KAudioSource **array, int n) {
        for (int i = 0; i < n; i++)
            slots.push_back(&array[i]);
    };
    add(Snd_monkeyvoice, 3);
    add(Snd_BatSound, 9);
    add(Snd_EvillBallBatSound, 3);
    add(Snd_GetFruit, 3);
    add(Snd_CasseBox, 2);
    add(Snd_CaisseResist, 3);
    add(Snd_CaisseWoodResist, 3);
    add(Snd_Wall, 2);
    for (KAudioSource **one : {&Snd_Fire, &Snd_Bigger, &Snd_Smaller, &Snd_extralife, &Snd_SpaceInvaders})
        slots.push_back(one);
    return slots;
}

void StopEffects() {
    for (KAudioSource **slot : EffectSlots())
        if (*slot)
            (*slot)->stopVoices();
}

// Runs a play function and returns the one effect it started (null if none or several).
KAudioSource *Played(const std::function<void()> &play) {
    StopEffects();
    play();
    KAudioSource *found = nullptr;
    for (KAudioSource **slot : EffectSlots()) {
        if (*slot && (*slot)->playing) {
            if (found)
                return nullptr;
            found = *slot;
        }
    }
    return found;
}

int IndexIn(KAudioSource *const *array, int n, KAudioSource *sound) {
    for (int i = 0; i < n; i++)
        if (array[i] == sound)
            return i;
    return -1;
}

bool EndsWith(const std::string &s, const std::string &tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

class SoundTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gameDir = new TempFolder();
        std::string audio = gameDir->path() + "/data/audio";
        std::filesystem::create_directories(audio);
        ASSERT_TRUE(EncodeOgg(audio + "/effect.ogg", 1, 22050, Tone(1, 22050, 4000, 600, 0.4)));
        Bytes ogg = ReadBytes(audio + "/effect.ogg");
        for (const std::string name : {"ballbat1", "ballbat2", "ballbat3", "ballbatlow_2", "ballbatlow_3",
                                       "ballbatlow1", "ballbatmedium1", "ballbatmedium2", "ballbatmedium3",
                                       "ballbatheavy1", "ballbatheavy2", "ballbatheavy3", "fruit_1", "fruit_2",
                                       "fruit_3", "cassecaisse1", "cassecaisse2", "ballinaimant", "shoot",
                                       "larger", "lower", "extralife", "cassecaissemetal1", "cassecaissemetal2",
                                       "cassecaissemetal3", "caissewood1", "caissewood2", "caissewood3",
                                       "spaceinv", "wall", "wall2"})
            WriteBytes(audio + "/" + name + ".ogg", ogg);
        for (const char *name : WAV_EFFECTS)
            WriteBytes(audio + "/" + name, Wav16(1, 22050, std::vector<int16_t>(3000, 2000)));
        ASSERT_TRUE(EncodeOgg(audio + "/monkey2.ogg", 2, 44100, Tone(2, 44100, 30000, 220, 0.5)));
        musicRef = DecodeOggFile(audio + "/monkey2.ogg");
        KMiscTools::setBaseFolder(gameDir->path().c_str());
        Sound_InitEngine();
    }
    static void TearDownTestSuite() {
        FreeMusic();
        Sound_FreeEngine();
        delete gameDir;
        gameDir = nullptr;
    }
};

TEST_F(SoundTest, StartUpLoadsEveryEffectAndStartsTheSilentHum) {
    EXPECT_EQ(gSampleVolume, 80);
    EXPECT_EQ(vol_music, 8);
    int loaded = 0;
    for (KAudioSource **slot : EffectSlots()) {
        ASSERT_NE(*slot, nullptr);
        EXPECT_NE((*slot)->channels[0], nullptr) << (*slot)->name;
        EXPECT_EQ((*slot)->voiceCount, 1);
        EXPECT_FALSE((*slot)->loop) << (*slot)->name;
        loaded++;
    }
    ASSERT_NE(Snd_BallInMagnet, nullptr);
    EXPECT_EQ(loaded + 1, SOUND_EFFECT_COUNT);
    EXPECT_TRUE(EndsWith(Snd_BallInMagnet->name, "data/audio/ballinaimant.ogg"));
    EXPECT_TRUE(Snd_BallInMagnet->loop);
    EXPECT_TRUE(Snd_BallInMagnet->playing);
    EXPECT_EQ(Snd_BallInMagnet->volume, 0);
    EXPECT_TRUE(EndsWith(Snd_monkeyvoice[1]->name, "data/audio/monkeyd.wav"));
    EXPECT_TRUE(EndsWith(Snd_Wall[1]->name, "data/audio/wall2.ogg"));
    Pull(50000);
    EXPECT_TRUE(Snd_BallInMagnet->playing);   // it loops on
}

TEST_F(SoundTest, EachEventPicksItsVariantInTurn) {
    struct Case {
        const char *what;
        void (*play)();
        KAudioSource *const *sounds;
        int cycle;      // how many variants it goes through
        int among;      // size of the array it picks from
    } cases[] = {
        {"wall", Sound_PlayWall, Snd_Wall, 2, 2},
        {"ball on bat", Sound_PlayBallOnBat, Snd_BatSound, 8, 9},
        {"evil ball on bat", Sound_PlayEvillBallOnBat, Snd_EvillBallBatSound, 3, 3},
        {"ball on ball", Sound_PlayBallOnBall, Snd_BatSound, 9, 9},
        {"crate breaks", Sound_PlayCasseBox, Snd_CasseBox, 2, 2},
        {"metal crate", Sound_PlayCaisseMetalResist, Snd_CaisseResist, 3, 3},
        {"fruit", Sound_PlayFruit, Snd_GetFruit, 3, 3},
    };
    gSampleVolume = 70;
    for (const Case &c : cases) {
        int first = IndexIn(c.sounds, c.among, Played(c.play));
        ASSERT_GE(first, 0) << c.what;
        for (int i = 1; i <= 2 * c.cycle + 1; i++) {
            KAudioSource *sound = Played(c.play);
            ASSERT_NE(sound, nullptr) << c.what;
            EXPECT_EQ(IndexIn(c.sounds, c.among, sound), (first + i) % c.cycle) << c.what << " hit " << i;
            EXPECT_EQ(sound->volume, 70) << c.what;
        }
    }
    gSampleVolume = 80;
}

TEST_F(SoundTest, FixedEffectsAlwaysPlayTheirSound) {
    struct Case { const char *what; void (*play)(); const char *file; } cases[] = {
        {"bounce on heads", Sound_PlayBallOnBatSimple, "ballbat2.ogg"},
        {"a bonus", Sound_PlayABonus, "fruit_3.ogg"},
        {"bigger", Sound_PlayBigger, "larger.ogg"},
        {"smaller", Sound_PlaySmaller, "lower.ogg"},
        {"extra life", Sound_PlayExtra, "extralife.ogg"},
        {"marching wall", SoundPlay_SpaceInvaders, "spaceinv.ogg"},
        {"gun", Sound_PlayFire, "shoot.ogg"},
    };
    for (const Case &c : cases) {
        for (int i = 0; i < 3; i++) {
            KAudioSource *sound = Played(c.play);
            ASSERT_NE(sound, nullptr) << c.what;
            EXPECT_TRUE(EndsWith(sound->name, std::string("data/audio/") + c.file)) << c.what;
            EXPECT_EQ(sound->volume, gSampleVolume) << c.what;
        }
    }
    Sound_PlayFire();
    Sound_PlayFire();   // the gun cuts its previous shot
    EXPECT_TRUE(Snd_Fire->playing);
}

TEST_F(SoundTest, AnEmptySlotPlaysNothingAndKeepsItsTurn) {
    int next = (IndexIn(Snd_Wall, 2, Played(Sound_PlayWall)) + 1) % 2;
    KAudioSource *kept = Snd_Wall[next];
    Snd_Wall[next] = nullptr;
    EXPECT_EQ(Played(Sound_PlayWall), nullptr);
    EXPECT_EQ(Played(Sound_PlayWall), nullptr);
    Snd_Wall[next] = kept;
    EXPECT_EQ(Played(Sound_PlayWall), kept);
}

TEST_F(SoundTest, MonkeyAndMagnetHumPlayAtHalfTheEffectVolume) {
    Sound_SetGlobalVolumes(80, 80);
    for (int i = 0; i < 6; i++) {
        KAudioSource *monkey = Played(Sound_playMonkey);
        ASSERT_GE(IndexIn(Snd_monkeyvoice, 3, monkey), 0);
        EXPECT_EQ(monkey->volume, 40);
    }
    struct Case { short effects; short field; int hum; } cases[] = {
        {80, 100, 40}, {80, 30, 15}, {80, 0, 0}, {50, 100, 25}, {50, 7, 3}, {0, 100, 0},
    };
    for (const Case &c : cases) {
        Sound_SetGlobalVolumes(80, c.effects);
        Sound_InField(c.field);
        EXPECT_EQ(Snd_BallInMagnet->volume, c.hum) << c.effects << " " << c.field;
        EXPECT_TRUE(Snd_BallInMagnet->playing);
    }
    Sound_SetGlobalVolumes(80, 80);
    Sound_InField(0);
}

TEST_F(SoundTest, GlobalVolumesSetMusicStepAndEffectVolume) {
    vol_sample = 4;
    Sound_SetGlobalVolumes(75, 50);
    EXPECT_EQ(vol_music, 7);
    EXPECT_EQ(gSampleVolume, 50);
    EXPECT_EQ(vol_sample, 4);
    // A negative effect volume leaves each effect at the volume it last had.
    Sound_PlayBigger();
    Sound_SetGlobalVolumes(80, -1);
    EXPECT_EQ(Played(Sound_PlayBigger)->volume, 50);
    Sound_SetGlobalVolumes(80, 80);
}

TEST_F(SoundTest, VolumePreferencesFile) {
    const std::string prefs = gameDir->file("prefvol.raw");
    struct Case { const char *what; bool exists; Bytes bytes; int sample, music; } cases[] = {
        {"missing", false, {}, 5, 8},
        {"3 then 6", true, {0, 0, 0, 3, 0, 0, 0, 6}, 3, 6},
        {"short", true, {0, 0, 0, 3, 0}, 5, 8},
        {"out of range", true, {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFC}, 9, 0},
        {"longer than 8 bytes", true, {0, 0, 0, 1, 0, 0, 0, 2, 9, 9}, 1, 2},
    };
    for (const Case &c : cases) {
        std::remove(prefs.c_str());
        if (c.exists)
            WriteBytes(prefs, c.bytes);
        LoadDefaultVolumes();
        EXPECT_EQ(vol_sample, c.sample) << c.what;
        EXPECT_EQ(vol_music, c.music) << c.what;
        EXPECT_EQ(gSampleVolume, c.sample * 10) << c.what;
    }
    vol_sample = 4;
    vol_music = 2;
    SaveDefaultVolumes();
    EXPECT_EQ(ReadBytes(prefs), (Bytes{0, 0, 0, 4, 0, 0, 0, 2}));
    vol_sample = vol_music = 0;
    LoadDefaultVolumes();
    EXPECT_EQ(vol_sample, 4);
    EXPECT_EQ(vol_music, 2);

    // A folder that cannot be written: the save is skipped without a fuss.
    KMiscTools::setBaseFolder((gameDir->path() + "/no/such/folder").c_str());
    SaveDefaultVolumes();
    LoadDefaultVolumes();
    EXPECT_EQ(vol_music, 8);
    KMiscTools::setBaseFolder(gameDir->path().c_str());
    Sound_SetGlobalVolumes(80, 80);
}

// The music alone, at full volume, compared with the file's own decode.
::testing::AssertionResult HearsMusicFrom(size_t refFrame, int frames) {
    std::vector<int16_t> out = Pull(frames);
    for (int i = 0; i < frames; i++) {
        int want = musicRef[(refFrame + i) * 2];
        if (std::abs(out[2 * i] - want) > 1)
            return ::testing::AssertionFailure() << "frame " << i << ": " << out[2 * i] << " != " << want;
    }
    return ::testing::AssertionSuccess();
}

TEST_F(SoundTest, MusicPlaysLoopsAndRestarts) {
    StopEffects();
    Sound_SetGlobalVolumes(100, 80);   // music step 10: volume 100
    PlayMusic(Vuz_MakeFilePath("data\\audio\\monkey2.ogg"));
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(module->playing);
    EXPECT_EQ(module->volume, 100);
    EXPECT_TRUE(HearsMusicFrom(0, 5000));

    KAudioSource *playing = module;
    PlayMusic(nullptr);                // nothing new: the music goes on
    EXPECT_EQ(module, playing);
    EXPECT_TRUE(HearsMusicFrom(5000, 3000));

    PlayMusic(Vuz_MakeFilePath("data\\audio\\monkey2.ogg"));   // the same file starts again
    EXPECT_TRUE(HearsMusicFrom(0, 3000));

    Sound_SetGlobalVolumes(50, 80);    // acts on the music at once
    EXPECT_EQ(module->volume, 50);
    EXPECT_EQ(vol_music, 5);
    std::vector<int16_t> out = Pull(100);
    EXPECT_NEAR(out[2 * 50], musicRef[(3000 + 50) * 2] * 127 / 255, 2);

    PlayMusic(Vuz_MakeFilePath("data\\audio\\nothing-here.ogg"));   // a missing file: silence
    ASSERT_NE(module, nullptr);
    EXPECT_FALSE(module->playing);
    EXPECT_TRUE(IsSilent(Pull(3000)));

    FreeMusic();
    EXPECT_EQ(module, nullptr);
    FreeMusic();
    Sound_SetGlobalVolumes(80, 80);
}

TEST_F(SoundTest, NoNewMusicOnceTheGameIsClosing) {
    PlayMusic(Vuz_MakeFilePath("data\\audio\\monkey2.ogg"));
    ASSERT_NE(module, nullptr);
    Headless::requestQuit();
    KWindow::processEvents();
    ASSERT_TRUE(KWindow::isQuit());
    PlayMusic(Vuz_MakeFilePath("data\\audio\\monkey2.ogg"));
    EXPECT_EQ(module, nullptr);
    Headless::reset();
    KMiscTools::setBaseFolder(gameDir->path().c_str());
}

} // namespace
