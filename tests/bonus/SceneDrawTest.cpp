// Where the scene draws capsules, the caption, fruit, explosions, casings, bullets and
// the shooting monkeys, with the game's own pictures and level 1's wall.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/Sound.h"
#include "engine/KIniReader.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"
#include "tests/play/PlayFixtures.h"

namespace {

using Draws = std::vector<Headless::DrawRecord>;
const char *const kSprites = "bigplanche.bmp";

class SceneDraw : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::ResetGame();
        KMiscTools::setBaseFolder(ZUMBO_TEST_GAME_DIR);
        ASSERT_TRUE(kini.setIni(Vuz_MakeFilePath("zumbo.ini"))) << "build the data target first";
        surf_SpriteCollection = CreateSurfaceFromFile(Vuz_MakeFilePath("data\\sprites\\bigplanche.bmp"));
        ASSERT_NE(surf_SpriteCollection, nullptr);
        ASSERT_TRUE(MainGame_LoadGraphics());
        ASSERT_TRUE(MainGame_LoadMonkeys());
        ASSERT_TRUE(Level_LoadLevelFromIndex(1));
        ASSERT_TRUE(Level_LoadIslands(0));
        Level_InitBrickWall(0);
        MainGame_StartLevel(true);
        gunShootX = -1;
    }
    void TearDown() override {
        FreeMusic();
        MainGame_FreeGraphics();
        MainGame_FreeLevel();
        delete surf_LeftPanel;
        surf_LeftPanel = nullptr;
        delete surf_SpriteCollection;
        surf_SpriteCollection = nullptr;
    }
    static Draws DrawFrame() {
        Headless::clearDrawList();
        MainGame_BlitGame();
        return Headless::drawList();
    }
    // Index of the first draw of a picture from the source corner (x1, y1) to (x, y);
    // -1 when there is none.
    static long Find(const Draws &d, const std::string &picture, int x1, int y1, int x, int y) {
        for (size_t i = 0; i < d.size(); i++)
            if (d[i].picture == picture && d[i].x1 == x1 && d[i].y1 == y1 && d[i].destX == x && d[i].destY == y)
                return static_cast<long>(i);
        return -1;
    }
    static long First(const Draws &d, const std::string &picture) {
        for (size_t i = 0; i < d.size(); i++)
            if (d[i].picture == picture)
                return static_cast<long>(i);
        return -1;
    }
    static long Last(const Draws &d, const std::string &picture) {
        for (size_t i = d.size(); i-- > 0;)
            if (d[i].picture == picture)
                return static_cast<long>(i);
        return -1;
    }
};

TEST_F(SceneDraw, CapsulesCaptionFruitAndExplosionsLieOverTheWall) {
    // a capsule, a fruit, an explosion and a caption, as a broken brick leaves them
    WallOfBricks[12].visible = 0;
    Bonus_SetActiveBonus(12, BONUS_BAT_LARGE);
    BonusCapsule &c = allBonuses[12];
    c.x = 301.7f;
    c.y = 250.2f;
    Fruit &f = fruitswall[3];
    fruitswall[3] = Fruit{true, 420.9f, 300.5f, 0, 0, 155, 87, 27, 28, 236, 171, 155, 0, 9};
    Brick &b = WallOfBricks[0];
    b.visible = 0;
    b.left = 300;
    b.top = 100;
    b.centreX = 20;
    b.centreY = 10;
    b.explodeTick = 1;
    Bonus_DisplayCaption(BONUS_BAT_LARGE + 1);
    tooltipY = 580;

    const Draws d = DrawFrame();
    const long capsule = Find(d, kSprites, 290, 147, 301, 250);
    const long caption = Find(d, kSprites, 362, 112, 174, 580);
    const long fruit = Find(d, kSprites, f.srcX, f.srcY, 420, 300);
    const long lastBrick = Last(d, "planche1.bmp");
    ASSERT_GE(capsule, 0);
    ASSERT_GE(caption, 0);
    ASSERT_GE(fruit, 0);
    ASSERT_GE(lastBrick, 0);
    EXPECT_EQ(d[capsule].x2, 290 + 36);
    EXPECT_EQ(d[capsule].y2, 147 + 21);
    EXPECT_EQ(d[caption].x2, 362 + 122);
    EXPECT_EQ(d[caption].y2, 112 + 28);
    EXPECT_EQ(d[fruit].x2, f.srcX + 27);
    EXPECT_EQ(d[fruit].y2, f.srcY + 28);
    EXPECT_TRUE(d[capsule].blended && d[caption].blended && d[fruit].blended);

    // wall, then fruit, then capsules and caption, then the explosions
    const long explosion = First(d, "explosion.bmp");
    ASSERT_GE(explosion, 0);
    EXPECT_LT(lastBrick, fruit);
    EXPECT_LT(fruit, capsule);
    EXPECT_LT(capsule, caption);
    EXPECT_LT(caption, explosion);
    EXPECT_LT(Last(d, "balle.bmp"), First(d, "planche1.bmp"));

    // the explosion centred up and left of the brick's centre, the shattered brick beneath
    const int fw = static_cast<int>(surf_Explosion->pictureWidth * 0.5f);
    const int fh = static_cast<int>(surf_Explosion->pictureHeight / 3);
    EXPECT_EQ(d[explosion].destX, 320 - fw / 2 - 8);
    EXPECT_EQ(d[explosion].destY, 110 - fh / 2 - 4);
    EXPECT_EQ(d[explosion].x2, fw);
    EXPECT_EQ(d[explosion].y2, fh);
    EXPECT_EQ(d[explosion - 1].picture, "planche5.bmp");
    EXPECT_EQ(d[explosion - 1].destX, 300);
    EXPECT_EQ(d[explosion - 1].destY, 100);
}

TEST_F(SceneDraw, CasingsAndBulletsLieBehindTheMonkeysAndTheGunTakesTheirPlace) {
    cartouche[2] = Casing{250.8f, 430.3f, -4, -3, true};
    cartanimX[2] = 154;
    cartanimY[2] = 70;
    bullet[5] = Bullet{427.5f, 300.9f, -16, true};
    batPosition = 400.6f;
    gunShootX = 3 * gunShootWidth;
    gunShootY = gunShootHeight;

    const Draws d = DrawFrame();
    ASSERT_GE(d.size(), 3u);
    EXPECT_EQ(d[0].picture, "island1.bmp");
    // the spin turns the casing on to its next frame: 154 + 14 wraps to a new row,
    // and 70 + 14 back to the first
    EXPECT_EQ(Find(d, kSprites, 0, 258, 250, 430), 1);
    EXPECT_EQ(d[1].x2, 14);
    EXPECT_EQ(d[1].y2, 272);
    EXPECT_EQ(cartanimX[2], 0);
    EXPECT_EQ(cartanimY[2], 0);
    EXPECT_EQ(Find(d, kSprites, 163, 213, 427, 300), 2);
    EXPECT_EQ(d[2].x2, 172);
    EXPECT_EQ(d[2].y2, 221);

    const long gun = First(d, "gunshoot.bmp");
    ASSERT_GE(gun, 0);
    EXPECT_EQ(d[gun].destX, 408);
    EXPECT_EQ(d[gun].destY, 416);
    EXPECT_EQ(d[gun].x1, 3 * gunShootWidth);
    EXPECT_EQ(d[gun].y1, gunShootHeight);
    EXPECT_EQ(d[gun].x2, 4 * gunShootWidth);
    EXPECT_EQ(d[gun].y2, 2 * gunShootHeight);
    EXPECT_GT(gun, First(d, "singeA.bmp"));
    EXPECT_EQ(First(d, "batteur.bmp"), -1);
    EXPECT_EQ(First(d, "batteM.bmp"), -1);

    gunShootX = -1;
    const Draws idle = DrawFrame();
    EXPECT_EQ(First(idle, "gunshoot.bmp"), -1);
    EXPECT_GE(First(idle, "batteur.bmp"), 0);
}

TEST_F(SceneDraw, CasingSpinsThroughTwelveBySixFramesOnePerDrawnFrame) {
    cartouche[0] = Casing{300, 300, 0, 0, true};
    std::vector<std::pair<int, int>> frames;
    for (int i = 0; i < 73; i++) {
        Headless::clearDrawList();
        MainGame_DisplayBullet();
        ASSERT_EQ(Headless::drawList().size(), 1u);
        frames.push_back({static_cast<int>(Headless::drawList()[0].x1), static_cast<int>(Headless::drawList()[0].y1)});
    }
    EXPECT_EQ(frames[0], std::make_pair(14, 258));
    EXPECT_EQ(frames[10], std::make_pair(154, 258));
    EXPECT_EQ(frames[11], std::make_pair(0, 272));
    EXPECT_EQ(frames[70], std::make_pair(154, 328));
    EXPECT_EQ(frames[71], std::make_pair(0, 258));
    EXPECT_EQ(frames[72], std::make_pair(14, 258));
}

} // namespace
