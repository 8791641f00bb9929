// The generated data folder's sounds, when the build has made them: every effect loads
// through the sample loader and is heard, and every other Ogg file plays as music.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "audio/KAudioSource.h"
#include "tests/audio/AudioFixtures.h"

using namespace audiotest;

namespace {

const char *const EFFECT_FILES[] = {
    "monkeya.wav", "monkeyd.wav", "monkeyb.wav", "ballbat1.ogg", "ballbat2.ogg", "ballbat3.ogg",
    "ballbatlow_2.ogg", "ballbatlow_3.ogg", "ballbatlow1.ogg", "ballbatmedium1.ogg", "ballbatmedium2.ogg",
    "ballbatmedium3.ogg", "ballbatheavy1.ogg", "ballbatheavy2.ogg", "ballbatheavy3.ogg", "fruit_1.ogg",
    "fruit_2.ogg", "fruit_3.ogg", "cassecaisse1.ogg", "cassecaisse2.ogg", "ballinaimant.ogg", "shoot.ogg",
    "larger.ogg", "lower.ogg", "extralife.ogg", "cassecaissemetal1.ogg", "cassecaissemetal2.ogg",
    "cassecaissemetal3.ogg", "caissewood1.ogg", "caissewood2.ogg", "caissewood3.ogg", "spaceinv.ogg",
    "wall.ogg", "wall2.ogg",
};

TEST(ForgedSounds, EveryEffectLoadsAndIsHeardAndEveryTunePlays) {
    namespace fs = std::filesystem;
    const std::string audio = std::string(ZUMBO_TEST_GAME_DIR) + "/data/audio";
    if (!fs::is_directory(audio))
        GTEST_SKIP() << "no generated data in " << audio;
    std::set<std::string> effects;
    for (const char *name : EFFECT_FILES) {
        effects.insert(name);
        KAudioSource sound;
        ASSERT_EQ(sound.loadSample((audio + "/" + name).c_str(), 100, false, 1), 1) << name;
        sound.playSample();
        EXPECT_FALSE(IsSilent(Pull(44100))) << name;
    }
    int tunes = 0;
    for (const auto &entry : fs::directory_iterator(audio)) {
        std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".ogg" || effects.count(name))
            continue;
        KAudioSource music;
        ASSERT_EQ(music.loadStream(entry.path().c_str()), 1) << name;
        music.playStream(true);
        EXPECT_FALSE(IsSilent(Pull(3 * 44100))) << name;
        tunes++;
    }
    EXPECT_GT(tunes, 0);
}

} // namespace
