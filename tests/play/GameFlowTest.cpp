// Whole games on the headless backend with the generated data, driven by scripted input
// from the flip and pump hooks: lives, level skips and the last level with "al.raw",
// Escape, pause, a level change that cannot show its island, and the attract run with
// its recorded end state.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "audio/Sound.h"
#include "engine/KIniReader.h"
#include "engine/KInput.h"
#include "engine/KWindow.h"
#include "frontend/Menu.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"
#include "tests/play/PlayFixtures.h"
#include "tests/support/GameDir.h"
#include "tools/demo/DemoState.h"

namespace {

const int kDoorFlips = 31;

// True when this frame shows the panel doors closed (top half at y 0).
bool DoorsClosedInThisFrame() {
    for (const auto &d : Headless::drawList())
        if (d.picture == "bpanel.bmp" && d.destY == 0 && d.y1 == 0)
            return true;
    return false;
}

int StandingBricks() {
    int n = 0;
    for (const Brick &b : WallOfBricks)
        n += b.visible == 1;
    return n;
}

class GameFlow : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::ResetGame();
        dir = new testsupport::GameDir();
        KMiscTools::setBaseFolder(dir->path().c_str());
        ASSERT_TRUE(kini.setIni(Vuz_MakeFilePath("zumbo.ini"))) << "build the data target first";
        gMaxLevel = Vuz_GetIniValue("levelcount");
        gAllowLevel = 1;
        gCurrentlySelectedLevel = 1;
        surf_SpriteCollection = CreateSurfaceFromFile(Vuz_MakeFilePath("data\\sprites\\bigplanche.bmp"));
        ASSERT_NE(surf_SpriteCollection, nullptr);
        // what carries over between games starts where a fresh program starts
        batPosition = 400;
        ropeIndex = singeAnim = autoPlayPhase = 0;
        monkeyTick = 0;
        statusTick = 0;
        explodeDivider = 0;
        winLoseTick = winLoseColumn = winLoseRow = 0;
        std::memset(fruitswall, 0, sizeof(fruitswall));
        KWindow::_quit = false;
        gGameIsReallyOver = false;
        Headless::setQuitAfterFlips(400000);   // a runaway game still ends
    }
    void TearDown() override {
        Headless::setFlipHook(nullptr);
        Headless::setPumpHook(nullptr);
        FreeMusic();
        delete surf_SpriteCollection;
        surf_SpriteCollection = nullptr;
        KWindow::_quit = false;
        delete dir;
    }
    // Runs a game; hook is called after every flip with the flip number. Once the game
    // is over and its doors have closed, the window is closed so that the screens that
    // follow a game end at once.
    bool play(bool attract, std::function<void(uint32_t)> hook) {
        uint32_t endFlip = 0;
        Headless::setFlipHook([hook, endFlip](uint32_t flip) mutable {
            hook(flip);
            Headless::clearDrawList();
            if (!endFlip && (gGameIsReallyOver || KInput::isPressed(KEY_ESCAPE)))
                endFlip = flip;
            if (endFlip && flip >= endFlip + 41)
                KWindow::_quit = true;
        });
        return Go_MainGame(attract);
    }
    bool alRaw(int32_t *level) {
        std::ifstream f(dir->file("al.raw"), std::ios::binary);
        unsigned char b[5];
        f.read(reinterpret_cast<char *>(b), 5);
        if (f.gcount() != 4)
            return false;
        *level = static_cast<int32_t>((uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | b[3]);
        return true;
    }
    testsupport::GameDir *dir = nullptr;
};

// Launches a held ball, then keeps the bat on the far side from the lowest ball.
void DodgeTheBall() {
    const Ball *lowest = nullptr;
    for (const Ball &b : allBalls)
        if (b.active && (!lowest || b.y > lowest->y))
            lowest = &b;
    Headless::setMouseButton(lowest && lowest->type == BALL_HELD);
    if (lowest && lowest->type != BALL_HELD)
        Headless::setMouse(lowest->x < 478 ? 760 : 170, 300);
}

TEST_F(GameFlow, LostBallsCostLivesAndTheLastOneEndsTheGame) {
    int lives = 3, standing = -1, restarts = 0;
    const int musicStep = vol_music, effects = gSampleVolume;
    uint32_t endFlip = 0, closedFlip = 0;
    ASSERT_TRUE(play(false, [&](uint32_t flip) {
        if (gGameIsReallyOver && !endFlip)
            endFlip = flip;
        if (endFlip && !closedFlip && DoorsClosedInThisFrame())
            closedFlip = flip;
        if (playerInfo.lives != lives) {
            EXPECT_EQ(playerInfo.lives, lives - 1);
            lives = playerInfo.lives;
            if (lives > 0) {
                restarts++;
                EXPECT_EQ(allBalls[0].type, BALL_HELD);   // a new ball on the bat
                EXPECT_LE(StandingBricks(), standing);     // the wall is not stood up again
                EXPECT_EQ(curBat, BAT_MEDIUM);
            }
        }
        standing = StandingBricks();
        DodgeTheBall();
    }));
    EXPECT_EQ(playerInfo.lives, 0);
    EXPECT_EQ(restarts, 2);
    EXPECT_TRUE(gGameIsReallyOver);
    EXPECT_EQ(gCurrentLevel, 1);
    EXPECT_EQ(closedFlip - endFlip, 41u);   // the closing doors with the fade
    int32_t level;
    EXPECT_FALSE(alRaw(&level));                     // no new level reached
    EXPECT_EQ(vol_music, musicStep);                 // the fade gives the volumes back
    EXPECT_EQ(gSampleVolume, effects);
}

TEST_F(GameFlow, UpAndF4SkipALevelScoringItsTimeBonus) {
    int32_t firstBonus = -1;
    uint32_t skipFlip = 0, escapeFlip = 0, closedFlip = 0;
    ASSERT_TRUE(play(false, [&](uint32_t flip) {
        if (escapeFlip && !closedFlip && DoorsClosedInThisFrame())
            closedFlip = flip;
        if (flip == 2 * kDoorFlips) {   // the doors are open: the next frame skips
            firstBonus = playerInfo.timeBonus;
            Headless::setKey(KEY_UP, true);
            Headless::setKey(KEY_F4, true);
            skipFlip = flip;
        } else if (flip == skipFlip + 1) {
            Headless::setKey(KEY_UP, false);
            Headless::setKey(KEY_F4, false);
        } else if (gCurrentLevel == 2 && flip == skipFlip + 2 * kDoorFlips + 10) {
            Headless::setKey(KEY_ESCAPE, true);
            escapeFlip = flip;
        }
    }));
    EXPECT_EQ(gCurrentLevel, 2);
    EXPECT_EQ(playerInfo.score, firstBonus);
    EXPECT_GT(firstBonus, 0);
    EXPECT_EQ(closedFlip - escapeFlip, 41u);
    int32_t level = 0;
    ASSERT_TRUE(alRaw(&level));
    EXPECT_EQ(level, 2);
}

TEST_F(GameFlow, TimeBonusStartsAtTwiceThePresentBricks) {
    int present = -1, bonus = -1;
    ASSERT_TRUE(play(false, [&](uint32_t flip) {
        if (flip == 2 * kDoorFlips) {
            present = 0;
            for (const Brick &b : WallOfBricks)
                present += b.present != 0;
            bonus = playerInfo.timeBonus;
            EXPECT_EQ(playerInfo.lives, 3);
            EXPECT_EQ(playerInfo.score, 0);
            Headless::setKey(KEY_ESCAPE, true);
        }
    }));
    EXPECT_GT(present, 0);
    EXPECT_EQ(bonus, 2 * present);
}

TEST_F(GameFlow, FinishingTheLastLevelEndsTheGameAndRecordsIt) {
    gCurrentlySelectedLevel = gMaxLevel;
    ASSERT_TRUE(play(false, [&](uint32_t flip) {
        const bool skip = flip == 2 * kDoorFlips;
        Headless::setKey(KEY_UP, skip);
        Headless::setKey(KEY_F4, skip);
    }));
    EXPECT_EQ(gCurrentLevel, gMaxLevel + 1);
    EXPECT_TRUE(gGameIsReallyOver);
    int32_t level = 0;
    ASSERT_TRUE(alRaw(&level));
    EXPECT_EQ(level, gMaxLevel + 1);
}

TEST_F(GameFlow, AHigherRecordIsNotRewritten) {
    gCurrentlySelectedLevel = 3;
    gAllowLevel = 5;
    ASSERT_TRUE(play(false, [&](uint32_t flip) {
        const bool skip = flip == 2 * kDoorFlips;
        Headless::setKey(KEY_UP, skip);
        Headless::setKey(KEY_F4, skip);
        if (flip == 5 * kDoorFlips)
            Headless::setKey(KEY_ESCAPE, true);
    }));
    EXPECT_EQ(gCurrentLevel, 4);
    int32_t level;
    EXPECT_FALSE(alRaw(&level));
}

TEST_F(GameFlow, PauseWaitsForPReleasedPressedAndReleased) {
    int pumps = 0;
    uint32_t pausedAt = 0;
    bool pausing = false;
    Headless::setPumpHook([&] {
        if (!pausing)
            return;
        pumps++;
        if (pumps == 50)
            Headless::setKey(KEY_P, false);
        if (pumps == 100)
            Headless::setKey(KEY_P, true);
        if (pumps == 150)
            Headless::setKey(KEY_P, false);
    });
    ASSERT_TRUE(play(false, [&](uint32_t flip) {
        if (flip == 2 * kDoorFlips + 5) {
            Headless::setKey(KEY_P, true);
            pausing = true;
            pausedAt = flip;
        } else if (pausing) {
            EXPECT_EQ(flip, pausedAt + 1);
            EXPECT_GE(pumps, 150);   // the whole pause passed before this frame was shown
            pausing = false;
            Headless::setKey(KEY_ESCAPE, true);
        }
    }));
    EXPECT_GE(pumps, 150);
}

TEST_F(GameFlow, ClosingTheWindowDuringAPauseEndsIt) {
    int pumps = 0;
    bool pausing = false;
    Headless::setPumpHook([&] {
        if (pausing && ++pumps == 20) {
            Headless::requestQuit();
            pausing = false;
        }
    });
    ASSERT_TRUE(play(false, [&](uint32_t flip) {
        if (flip == 2 * kDoorFlips + 5) {
            Headless::setKey(KEY_P, true);
            pausing = true;
        }
    }));
    EXPECT_TRUE(KWindow::isQuit());
    EXPECT_EQ(pumps, 20);
}

TEST_F(GameFlow, EscapeInAnAttractRunReturnsAtOnce) {
    uint32_t escapeFlip = 0;
    ASSERT_TRUE(play(true, [&](uint32_t flip) {
        if (flip == 2 * kDoorFlips + 100) {
            Headless::setKey(KEY_ESCAPE, true);
            escapeFlip = flip;
        }
    }));
    EXPECT_EQ(Headless::flipCount(), escapeFlip);   // no closing doors
    EXPECT_EQ(surf_LeftPanel, nullptr);
}

// The attract run plays 2125 frames of level 1 by itself, each with its label, and ends
// in the same state every time. The recorded hash changes only when the simulation does.
TEST_F(GameFlow, AttractRunIsReproducible) {
    // Level 1 as the forge writes it, with fruit and bonuses in play (they draw from the
    // generator too); a change to the level or to the simulation shows here.
    const uint64_t kRecordedHash = 0x6772dccf8c493c25ull;
    int labels = 0;
    ASSERT_TRUE(play(true, [&](uint32_t) {
        for (const auto &d : Headless::drawList())
            labels += d.picture == "bigplanche.bmp" && d.destX == 606 && d.destY == 539 && d.y1 == 350;
    }));
    EXPECT_EQ(Headless::flipCount(), 2u * kDoorFlips + 2125u);
    EXPECT_EQ(labels, 2125);
    const uint64_t first = Demo_HashGameState();
    std::printf("attract run end state hash: 0x%016llx\n", static_cast<unsigned long long>(first));
    EXPECT_GT(playerInfo.score, 0);   // it plays: bricks break

    TearDown();
    SetUp();
    ASSERT_TRUE(play(true, [](uint32_t) {}));
    EXPECT_EQ(Demo_HashGameState(), first);
    if (kRecordedHash) {
        EXPECT_EQ(first, kRecordedHash);
    }
}

// A level whose island (and the beach in its place) cannot be shown ends the game
// instead of playing on without a background.
TEST_F(GameFlow, ALevelWithoutIslandEndsTheGame) {
    namespace fs = std::filesystem;
    const std::string levels = dir->file("data/levels");
    const std::string source = std::string(ZUMBO_TEST_GAME_DIR) + "/data/levels";
    fs::remove(levels);
    for (const char *sub : {"maps", "islands"}) {
        fs::create_directories(levels + "/" + sub);
        for (const auto &e : fs::directory_iterator(source + "/" + sub))
            if (e.path().filename() != "beach.bmp")
                fs::create_symlink(e.path(), levels + "/" + sub + "/" + e.path().filename().string());
    }
    fs::create_symlink(source + "/bricks", levels + "/bricks");
    {
        std::ifstream in(source + "/maps/level01.map", std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_EQ(bytes.size(), static_cast<size_t>(LEVEL_FILE_SIZE));
        std::snprintf(bytes.data() + 12, LEVEL_NAME_SIZE, "nowhere.bmp");
        std::ofstream(levels + "/maps/noisland.map", std::ios::binary).write(bytes.data(), LEVEL_FILE_SIZE);
    }
    {
        std::ofstream ini(dir->file("zumbo.ini"), std::ios::trunc);
        ini << "[DATA]\nlevelcount=3\n[LEVELS]\nL1=level01.map\nL2=noisland.map\nL3=level03.map\n";
    }
    ASSERT_TRUE(kini.setIni(Vuz_MakeFilePath("zumbo.ini")));
    gMaxLevel = 3;
    KMiscTools::setMessageBoxHook(nullptr);
    ASSERT_TRUE(play(false, [&](uint32_t flip) {
        const bool skip = flip == 2 * kDoorFlips;
        Headless::setKey(KEY_UP, skip);
        Headless::setKey(KEY_F4, skip);
    }));
    EXPECT_EQ(gCurrentLevel, 2);
    EXPECT_TRUE(gGameIsReallyOver);
    bool told = false;
    for (const auto &m : Headless::messages())
        told |= m.first == "Could not load Island";
    EXPECT_TRUE(told);
}

} // namespace
