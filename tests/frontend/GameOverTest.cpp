// The game-over screen (its flickering lettering, the hum, the click or the time that
// ends it) and the end screen, alone and at the end of played games.
#include "tests/frontend/FrontendFixture.h"

#include <cstring>
#include <set>

#include "audio/KAudioSource.h"
#include "engine/KRandom.h"
#include "frontend/GameOver.h"
#include "frontend/Menu.h"
#include "play/MainGame.h"
#include "play/Player.h"

using namespace frontendtest;

namespace {

const int kDoorFrames = 41;

// The variant drawn this frame (1..6), 0 for none; more than one fails.
int VariantDrawn() {
    int drawn = 0;
    for (int v = 1; v <= GAMEOVER_VARIANTS; v++) {
        const auto draws = DrawsOf("go" + std::to_string(v) + ".bmp");
        for (const auto &r : draws) {
            EXPECT_EQ(r.destX, 223);
            EXPECT_EQ(r.destY, 288);
            EXPECT_EQ(drawn, 0) << "one variant a frame";
            drawn = v;
        }
    }
    return drawn;
}

bool MusicIs(const char *file) { return module && std::strstr(module->name, file); }

class GameOverTest : public FrontendFixture {
protected:
    void SetUp() override {
        FrontendFixture::SetUp();
        openWindow();
    }
};

TEST_F(GameOverTest, WithoutAClickTheScreenFlickersForItsWholeTime) {
    Sound_InitEngine();
    ASSERT_NE(Snd_BallInMagnet, nullptr);
    gSampleVolume = 10;
    std::vector<int> variants;
    std::set<int> humVolumes;
    onFlip([&](uint32_t flip) {
        if (flip > static_cast<uint32_t>(kDoorFrames)) {
            variants.push_back(VariantDrawn());
            humVolumes.insert(Snd_BallInMagnet->volume);
        }
    });
    ASSERT_TRUE(GameOv_LoadGfx());
    EXPECT_TRUE(GameOv_Do());
    const int humAfter = Snd_BallInMagnet->volume;
    const bool gameOverTune = MusicIs("gov.ogg");
    Sound_FreeEngine();
    EXPECT_EQ(Headless::flipCount(), static_cast<uint32_t>(kDoorFrames + GAMEOVER_FRAMES));
    ASSERT_EQ(variants.size(), static_cast<size_t>(GAMEOVER_FRAMES));
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(variants[i], 1) << "the first variant holds ten frames";
    EXPECT_EQ(std::set<int>(variants.begin(), variants.end()), (std::set<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(humVolumes, std::set<int>{5}) << "the hum at half of min(20, effects volume)";
    EXPECT_EQ(humAfter, 0);
    EXPECT_TRUE(gameOverTune);
    EXPECT_EQ(surf_gameof, nullptr);
    EXPECT_TRUE(GameOv_FreeGfx()) << "freeing again does nothing";
}

TEST_F(GameOverTest, HeldButtonWaitsAndALaterClickEndsAfterItsFrame) {
    Headless::setMouseButton(true);   // held from the game into the screen
    int releasePumps = 0;
    Headless::setPumpHook([&] {
        hands.onPump();
        if (Headless::flipCount() >= static_cast<uint32_t>(kDoorFrames) && ++releasePumps == 200)
            Headless::setMouseButton(false);
    });
    const uint32_t clickFlip = kDoorFrames + 20;
    onFlip([&](uint32_t flip) {
        if (flip == clickFlip)
            hands.click(300, 300);
    });
    ASSERT_TRUE(GameOv_LoadGfx());
    GameOv_Do();
    EXPECT_EQ(Headless::flipCount(), clickFlip + 1) << "the frame that saw the click is the last";
}

TEST_F(GameOverTest, MissingVariantSkipsTheScreen) {
    std::filesystem::remove(dir.file("data/go"));
    std::filesystem::create_directories(dir.file("data/go"));
    std::filesystem::create_symlink(std::string(ZUMBO_TEST_GAME_DIR) + "/data/go/gameover.bmp",
                                    dir.file("data/go/gameover.bmp"));
    EXPECT_FALSE(GameOv_LoadGfx());
    EXPECT_NE(surf_gameof, nullptr) << "what loaded waits for the free";
    GameOv_FreeGfx();
    EXPECT_EQ(surf_gameof, nullptr);
}

TEST_F(GameOverTest, EndPictureShowsUntilAClick) {
    onFlip([&](uint32_t flip) {
        EXPECT_TRUE(Drew("end.jpg"));
        if (flip == 30)
            hands.click(400, 300);
    });
    EXPECT_TRUE(MainGame_ShowEnd());
    EXPECT_EQ(Headless::flipCount(), 30u);
    EXPECT_TRUE(MusicIs("monkey4.ogg"));
}

TEST_F(GameOverTest, MissingEndPictureStillStartsItsTune) {
    std::filesystem::remove(dir.file("data/general"));
    std::filesystem::create_directories(dir.file("data/general"));
    EXPECT_FALSE(MainGame_ShowEnd());
    EXPECT_EQ(Headless::flipCount(), 0u);
    EXPECT_TRUE(MusicIs("monkey4.ogg"));
}

class GameEndFlowTest : public FrontendFixture {
protected:
    void SetUp() override {
        FrontendFixture::SetUp();
        showScoresNext = false;
        openWindow();
    }
    std::vector<Screen> screens;
    void note(Screen s) {
        if (s != SCREEN_OTHER && (screens.empty() || screens.back() != s))
            screens.push_back(s);
    }
};

TEST_F(GameEndFlowTest, ScoreOutsideTheTableEndsOnTheGameOverScreen) {
    uint32_t gameStart = 0, overStart = 0;
    bool menuTuneAfter = false;
    onFlip([&](uint32_t flip) {
        const Screen s = SeenScreen();
        note(s);
        if (s == SCREEN_MENU && screens.size() == 1 && !hands.busy() && flip > 3)
            hands.click(400, 225);
        if (s == SCREEN_GAME && !gameStart)
            gameStart = flip;
        if (gameStart && flip == gameStart + 40)
            hands.tapKey(KEY_ESCAPE);   // score 0
        if (s == SCREEN_GAMEOVER && !overStart)
            overStart = flip;
        if (overStart && flip == overStart + 60)
            hands.click(400, 300);
        if (s == SCREEN_MENU && screens.size() > 1) {
            menuTuneAfter = MusicIs("monkey2.ogg");
            Headless::requestQuit();
        }
    });
    ASSERT_TRUE(Launch_GameMenu());
    const std::vector<Screen> expected = {SCREEN_MENU, SCREEN_GAME, SCREEN_GAMEOVER, SCREEN_MENU};
    EXPECT_EQ(screens, expected);
    EXPECT_EQ(playerInfo.score, 0);
    EXPECT_STREQ(cTheHigh.GetEntry(8)->name, "WUN");
    EXPECT_TRUE(menuTuneAfter);
}

TEST_F(GameEndFlowTest, LastLevelShowsTheEndPictureThenTheNameEntry) {
    const int32_t last = static_cast<int32_t>(Vuz_GetIniValue("levelcount"));
    writeBytes("al.raw", bigEndian({last}));
    uint32_t skipFlip = 0, entryFlip = 0;
    bool endTune = false;
    onFlip([&](uint32_t flip) {
        const Screen s = SeenScreen();
        note(s);
        if (s == SCREEN_MENU && screens.size() == 1) {
            if (gCurrentlySelectedLevel < last) {
                Headless::setMouse(440, 320);    // the right arrow, held
                Headless::setMouseButton(true);
            } else if (!hands.busy()) {
                hands.click(400, 225);
            }
        }
        if (s == SCREEN_GAME && !skipFlip && gCurrentLevel == last && flip > 100) {
            skipFlip = flip;
            Headless::setKey(KEY_UP, true);
            Headless::setKey(KEY_F4, true);
        } else if (skipFlip && flip == skipFlip + 1) {
            Headless::setKey(KEY_UP, false);
            Headless::setKey(KEY_F4, false);
        }
        if (s == SCREEN_END && !endTune) {
            endTune = MusicIs("monkey4.ogg");
            hands.click(400, 300);
        }
        if (s == SCREEN_TABLE && !entryFlip)
            entryFlip = flip;
        if (entryFlip && flip == entryFlip + 40)
            hands.tapKey(KEY_RETURN);
        if (s == SCREEN_MENU && screens.size() > 1)
            Headless::requestQuit();
    });
    ASSERT_TRUE(Launch_GameMenu());
    const std::vector<Screen> expected = {SCREEN_MENU, SCREEN_GAME, SCREEN_END, SCREEN_GAME, SCREEN_TABLE, SCREEN_MENU};
    EXPECT_EQ(screens, expected) << "the end picture, the doors close on the last level, then the table";
    EXPECT_TRUE(endTune);
    EXPECT_EQ(readBytes("al.raw"), bigEndian({last + 1}));
    EXPECT_GT(cTheHigh.GetEntry(0)->score, 9);
}

} // namespace
