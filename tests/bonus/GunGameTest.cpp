// The gun in whole headless games on level 1: a gun capsule caught by the monkeys,
// then a tap of Space, held mouse button and the pad's first button as the game
// loop reads them, and the attract run's random shots.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "audio/Sound.h"
#include "engine/KIniReader.h"
#include "engine/KInput.h"
#include "engine/KWindow.h"
#include "frontend/Menu.h"
#include "shell/Startup.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"
#include "tests/play/PlayFixtures.h"
#include "tests/support/GameDir.h"

namespace {

// The first level's doors take 62 flips; the game's own start clears the capsules
// after them, so the test's capsule comes with the first game frame.
const uint32_t kFirstFrame = 63;

class GunGame : public ::testing::Test {
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
        std::memset(fruitswall, 0, sizeof(fruitswall));
        KWindow::_quit = false;
        gGameIsReallyOver = false;
        Headless::setQuitAfterFlips(100000);   // a runaway game still ends
    }
    void TearDown() override {
        Headless::setFlipHook(nullptr);
        isGamePad = false;
        FreeMusic();
        delete surf_SpriteCollection;
        surf_SpriteCollection = nullptr;
        KWindow::_quit = false;
        delete dir;
    }
    // Runs a game; the hook sees each flipped frame's draw list. Once the game is over
    // the window closes, so the screens after it end at once.
    void Play(bool attract, std::function<void(uint32_t)> hook) {
        uint32_t endFlip = 0;
        Headless::setFlipHook([hook, endFlip](uint32_t flip) mutable {
            hook(flip);
            Headless::clearDrawList();
            if (!endFlip && (gGameIsReallyOver || KInput::isPressed(KEY_ESCAPE)))
                endFlip = flip;
            if (endFlip && flip >= endFlip + 41)
                KWindow::_quit = true;
        });
        ASSERT_TRUE(Go_MainGame(attract));
    }
    testsupport::GameDir *dir = nullptr;
};

bool Drawn(const std::string &picture) {
    for (const auto &d : Headless::drawList())
        if (d.picture == picture)
            return true;
    return false;
}

bool DrawnAt(int srcX, int srcY, float x, float y) {
    for (const auto &d : Headless::drawList())
        if (d.picture == "bigplanche.bmp" && d.x1 == srcX && d.y1 == srcY && d.destX == static_cast<int>(x) &&
            d.destY == static_cast<int>(y))
            return true;
    return false;
}

// Keeps ball 0 out of the bullets' way and off the bat, so that no bat hit cuts a
// shooting animation short.
void ParkTheBall() {
    Ball &b = allBalls[0];
    b.active = true;
    b.type = BALL_NORMAL;
    b.x = 200;
    b.y = 300;
    b.vx = 1;
    b.vy = -1;
}

TEST_F(GunGame, CaughtGunCapsuleThenSpaceMouseAndPadFire) {
    const int pad = Headless::addPad(Headless::PadDevice());
    KInput::initInput(nullptr);
    ASSERT_TRUE(KInput::joyEnable(0));
    isGamePad = true;

    enum Phase { CATCH, TAP, HOLD, PAD, DONE };
    Phase phase = CATCH;
    uint32_t phaseStart = 0;
    int16_t lastSlot = 0;
    std::vector<uint32_t> tapShots, heldShots, padShots;
    int gunFrames = 0;
    Play(false, [&](uint32_t flip) {
        if (flip < kFirstFrame || phase == DONE)
            return;
        if (flip == kFirstFrame) {
            Headless::setMouse(static_cast<int>(batPosition), 300);
            BonusCapsule &c = allBonuses[0];
            c = BonusCapsule{true, batPosition, 455, 1, BONUS_GUN, 290, 42};
            return;
        }
        if (curCartouche != lastSlot) {
            std::vector<uint32_t> &shots = phase == TAP ? tapShots : phase == HOLD ? heldShots : padShots;
            shots.push_back(flip);
            lastSlot = curCartouche;
        }
        // what was drawn: the gun in place of the monkeys while it shoots, each bullet
        EXPECT_EQ(Drawn("gunshoot.bmp"), gunShootX >= 0) << flip;
        EXPECT_EQ(Drawn("batteur.bmp"), gunShootX < 0) << flip;
        gunFrames += gunShootX >= 0;
        for (const Bullet &b : bullet) {
            if (b.active) {
                EXPECT_TRUE(DrawnAt(163, 213, b.x, b.y)) << flip;
            }
        }
        ParkTheBall();
        switch (phase) {
        case CATCH:
            EXPECT_EQ(curBat, BAT_GUN);
            EXPECT_FALSE(allBonuses[0].active);
            EXPECT_TRUE(Tooltipactive);
            EXPECT_EQ(tooltipsourceY, 196);
            Headless::setMouse(600, 300);
            Headless::setKey(KEY_SPACE, true);
            phase = TAP;
            phaseStart = flip;
            break;
        case TAP:
            Headless::setKey(KEY_SPACE, false);
            if (flip > phaseStart + 2 && gunShootX < 0) {
                Headless::setMouseButton(true);
                phase = HOLD;
                phaseStart = flip;
            }
            break;
        case HOLD:
            if (flip == phaseStart + 120) {
                Headless::setMouseButton(false);
            } else if (flip > phaseStart + 120 && gunShootX < 0) {
                Headless::setPadButton(pad, 1, true);
                phase = PAD;
                phaseStart = flip;
            }
            break;
        case PAD:
            Headless::setPadButton(pad, 1, false);
            if (flip > phaseStart + 2 && gunShootX < 0) {
                Headless::setKey(KEY_ESCAPE, true);
                phase = DONE;
            }
            break;
        case DONE:   // the closing doors follow
            break;
        }
    });
    EXPECT_EQ(phase, DONE);
    ASSERT_EQ(tapShots.size(), 1u);
    ASSERT_EQ(padShots.size(), 1u);
    ASSERT_GE(heldShots.size(), 5u);
    for (size_t i = 1; i < heldShots.size(); i++)
        EXPECT_EQ(heldShots[i] - heldShots[i - 1], 22u);
    EXPECT_GE(gunFrames, 3 * 56);
}

TEST_F(GunGame, AttractRunFiresTheGunBatAtRandom) {
    int starts = 0, shots = 0;
    int16_t lastSlot = 0;
    bool wasShooting = false;
    Play(true, [&](uint32_t flip) {
        if (flip < kFirstFrame)
            return;
        starts += !wasShooting && gunShootX >= 0;
        shots += curCartouche != lastSlot;
        lastSlot = curCartouche;
        wasShooting = gunShootX >= 0;
        curBat = BAT_GUN;
    });
    // about one request in 150 frames over the run's 2125 frames
    EXPECT_GE(starts, 3);
    EXPECT_LE(starts, 40);
    EXPECT_GE(shots, 1);
}

} // namespace
