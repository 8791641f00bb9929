// Level map files and the catalogue: what a load puts into slot 0, the wall and the
// physics values, which bricks are cleaned away, which files are refused with nothing
// changed, and a corpus of damaged maps that must load or be refused without harm.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "engine/KIniReader.h"
#include "shell/Vuz.h"
#include "tests/play/PlayFixtures.h"

using fixture::MapBuilder;
using fixture::TempGame;

namespace {

class LevelFile : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::ResetGame();
        game = new TempGame();
    }
    void TearDown() override {
        MainGame_FreeLevel();
        delete game;
    }
    void writeIni(const std::string &levels) {
        FILE *f = std::fopen(game->file("zumbo.ini").c_str(), "wb");
        std::fprintf(f, "[DATA]\nlevelcount=3\n[LEVELS]\n%s", levels.c_str());
        std::fclose(f);
        kini.setIni(game->file("zumbo.ini").c_str());
    }
    TempGame *game = nullptr;
};

TEST_F(LevelFile, LoadFillsSlotWallAndPhysics) {
    MapBuilder m;
    m.map.gravity = 0.03f;
    m.map.maxBallSpeed = 4.5f;
    m.map.speedIncrement = 0.25f;
    m.map.grassFile[0] = 0;   // the overlay is loaded anyway
    Brick &b0 = m.brick(0, 200, 50, 250, 70, 3);
    b0.hits = 9;
    b0.explodeTick = 4;
    b0.bonus = 7;
    m.brick(1, 260, 50, 310, 70, 999);
    m.brick(2, 320, 50, 370, 70).present = 0;   // not in the level: never shown
    m.brick(3, 380, 50, 430, 70).visible = 0;   // in the level but lying down: stood up
    m.write(game->map("a.map"));

    ASSERT_TRUE(Level_LoadLevel(game->map("a.map").c_str()));
    EXPECT_FLOAT_EQ(gGravity, 0.03f);
    EXPECT_FLOAT_EQ(gMaxBallSpeed, 4.5f);
    EXPECT_FLOAT_EQ(gSpeedIncrementAfterEachBat, 0.25f);
    EXPECT_STREQ(AllLevels[0].islandFile, "island1.bmp");
    EXPECT_STREQ(AllLevels[0].musicFile, "tune1.ogg");
    EXPECT_STREQ(AllLevels[0].grassFile, "herbe.bmp");
    EXPECT_EQ(WallOfBricks[0].hits, 0);
    EXPECT_EQ(WallOfBricks[0].explodeTick, 0);
    EXPECT_EQ(WallOfBricks[0].bonus, 7);
    EXPECT_EQ(WallOfBricks[0].visible, 1);
    EXPECT_EQ(WallOfBricks[2].visible, 0);
    EXPECT_EQ(WallOfBricks[3].visible, 1);
    EXPECT_EQ(playerInfo.timeBonus, 2 * 3);   // three present bricks, the indestructible one too
    EXPECT_NE(surf_island, nullptr);
    EXPECT_NE(surf_Herbe, nullptr);
    for (KGraphic *sheet : surf_Bricks)
        EXPECT_NE(sheet, nullptr);
}

TEST_F(LevelFile, CleanLevelRemovesImpossibleBricks) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char *what;
        float left, top, right, bottom, centreX, spare2;
        bool visibleInFile;
        bool stays;
    } cases[] = {
        {"ordinary", 200, 50, 250, 70, 25, 0, true, true},
        {"left exactly 0", 0, 50, 40, 70, 20, 0, true, false},
        {"top exactly 0", 200, 0, 250, 20, 25, 0, true, true},
        {"right at 798", 760, 50, 798, 70, 19, 0, true, false},
        {"bottom at 598", 200, 560, 250, 598, 25, 0, true, false},
        {"left not a number", nan, 50, 250, 70, 25, 0, true, false},
        {"negative centre", 200, 50, 250, 70, -1, 0, true, false},
        {"negative spare", 200, 50, 250, 70, 25, -1, true, false},
        {"off screen but lying down in the file", 900, 50, 950, 70, 25, 0, false, true},
    };
    MapBuilder m;
    int i = 0;
    for (const Case &c : cases) {
        Brick &b = m.brick(i++, c.left, c.top, c.right, c.bottom);
        b.centreX = c.centreX;
        b.spare2 = c.spare2;
        b.visible = c.visibleInFile;
    }
    m.write(game->map("clean.map"));
    ASSERT_TRUE(Level_LoadLevel(game->map("clean.map").c_str()));
    i = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WallOfBricks[i].visible, c.stays ? 1 : 0);
        EXPECT_EQ(WallOfBricks[i].present != 0, c.stays);
        i++;
    }
}

TEST_F(LevelFile, RefusedFilesChangeNothing) {
    MapBuilder good;
    good.brick(5, 200, 50, 250, 70, 2);
    good.write(game->map("good.map"));
    ASSERT_TRUE(Level_LoadLevel(game->map("good.map").c_str()));
    WallOfBricks[5].hits = 1;
    const float gravity = gGravity;

    MapBuilder nanGravity;
    nanGravity.map.gravity = std::numeric_limits<float>::quiet_NaN();
    nanGravity.write(game->map("nan.map"));
    MapBuilder infSpeed;
    infSpeed.map.maxBallSpeed = std::numeric_limits<float>::infinity();
    infSpeed.write(game->map("inf.map"));
    good.write(game->map("short.map"), LEVEL_FILE_SIZE - 1);
    good.write(game->map("long.map"), LEVEL_FILE_SIZE + 1);
    good.write(game->map("empty.map"), 0);

    for (const char *name : {"missing.map", "nan.map", "inf.map", "short.map", "long.map", "empty.map"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Level_LoadLevel(game->map(name).c_str()));
        EXPECT_EQ(WallOfBricks[5].hits, 1);
        EXPECT_EQ(WallOfBricks[5].visible, 1);
        EXPECT_EQ(gGravity, gravity);
    }
}

TEST_F(LevelFile, NamesAreCutAndKeptInTheirFolder) {
    MapBuilder m;
    std::memset(m.map.islandFile, 'a', LEVEL_NAME_SIZE);   // no terminator
    std::memset(m.map.musicFile, 'b', LEVEL_NAME_SIZE);
    m.write(game->map("long-names.map"));
    ASSERT_TRUE(Level_LoadLevel(game->map("long-names.map").c_str()));
    EXPECT_EQ(std::strlen(AllLevels[0].islandFile), static_cast<size_t>(LEVEL_NAME_SIZE - 1));
    EXPECT_EQ(std::strlen(AllLevels[0].musicFile), static_cast<size_t>(LEVEL_NAME_SIZE - 1));
    ASSERT_NE(surf_island, nullptr);
    EXPECT_EQ(surf_island->pictureWidth, 640);   // no such island: the beach

    fixture::WriteBmp(game->file("data/levels/islands/island3.bmp"), 720, 600);
    fixture::WriteBmp(game->file("data/levels/x.bmp"), 700, 600);
    struct Case {
        const char *island;
        float width;
    } cases[] = {
        {"island3.jpg", 720},          // the extension is always bmp
        {"island3.bmp", 720},
        {"../x.bmp", 640},             // would leave the islands folder
        {"..\\x.bmp", 640},
        {"sub/island3.bmp", 640},
        {"", 640},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.island);
        std::snprintf(AllLevels[0].islandFile, LEVEL_NAME_SIZE, "%s", c.island);
        ASSERT_TRUE(Level_LoadIslands(0));
        ASSERT_NE(surf_island, nullptr);
        EXPECT_EQ(surf_island->pictureWidth, c.width);
    }
}

TEST_F(LevelFile, CatalogueFindsLevelsByNumber) {
    MapBuilder twelve;
    twelve.brick(0, 200, 50, 250, 70, 1);
    twelve.map.gravity = 0.07f;
    twelve.write(game->map("twelve.map"));
    MapBuilder one;
    one.map.gravity = 0.01f;
    one.write(game->map("one.map"));
    writeIni("L1=one.map\nL12=twelve.map\nL4=\nL5=../maps/twelve.map\nL6=..\n");

    ASSERT_TRUE(Level_LoadLevelFromIndex(12));
    EXPECT_FLOAT_EQ(gGravity, 0.07f);
    ASSERT_TRUE(Level_LoadLevelFromIndex(1));
    EXPECT_FLOAT_EQ(gGravity, 0.01f);
    for (long refused : {3L, 4L, 5L, 6L}) {
        SCOPED_TRACE(refused);
        EXPECT_FALSE(Level_LoadLevelFromIndex(refused));
        EXPECT_FLOAT_EQ(gGravity, 0.01f);
    }
}

TEST_F(LevelFile, LoadingTwiceGivesTheSameWall) {
    MapBuilder m;
    for (int i = 0; i < 20; i++)
        m.brick(i, 180 + 30 * i, 60, 205 + 30 * i, 75, 3);
    m.write(game->map("twice.map"));
    ASSERT_TRUE(Level_LoadLevel(game->map("twice.map").c_str()));
    std::vector<unsigned char> first(reinterpret_cast<unsigned char *>(WallOfBricks),
                                     reinterpret_cast<unsigned char *>(WallOfBricks) + sizeof(WallOfBricks));
    WallOfBricks[3].hits = 2;
    Level_BreakBrick(4);
    ASSERT_TRUE(Level_LoadLevel(game->map("twice.map").c_str()));
    EXPECT_EQ(0, std::memcmp(first.data(), WallOfBricks, sizeof(WallOfBricks)));
}

// Damaged maps: each one loads or is refused, and a loaded one can be played, drawn and
// collided with for a while. Run under AddressSanitizer in the sanitizer build.
TEST_F(LevelFile, DamagedMapsLoadOrAreRefusedSafely) {
    MapBuilder base;
    for (int i = 0; i < MAX_BRICKS; i++)
        base.brick(i, 180 + (i % 20) * 30, 40 + (i / 20) * 18, 205 + (i % 20) * 30, 55 + (i / 20) * 18, 1 + i % 5);
    std::vector<std::vector<unsigned char>> corpus;
    const std::vector<unsigned char> good = base.bytes();
    for (size_t n : {size_t(0), size_t(1), size_t(12), size_t(1052), size_t(LEVEL_FILE_SIZE - 1)})
        corpus.emplace_back(good.begin(), good.begin() + static_cast<long>(n));
    {
        MapBuilder m = base;
        const float nan = std::numeric_limits<float>::quiet_NaN();
        for (int i = 0; i < MAX_BRICKS; i += 3) {
            m.map.bricks[i].top = nan;
            m.map.bricks[i + 1].centreX = std::numeric_limits<float>::infinity();
            m.map.bricks[i].visible = 0;   // escapes the clean-up and stands up
        }
        corpus.push_back(m.bytes());
    }
    {
        MapBuilder m = base;
        for (Brick &b : m.map.bricks) {
            b.strength = 32767;
            b.hits = -32768;
            b.srcLeft = -32768;
            b.srcRight = 32767;
            b.bonus = 32000;
            b.centreX = 3e38f;
        }
        std::memset(m.map.islandFile, 'i', 4 * LEVEL_NAME_SIZE);
        m.map.maxBallSpeed = 3e38f;
        corpus.push_back(m.bytes());
    }
    KRandom::setState(12345);
    for (int k = 0; k < 40; k++) {
        std::vector<unsigned char> bytes = good;
        for (int flips = 0; flips < 200; flips++)
            bytes[static_cast<size_t>(KRandom::rand() * 32768 + KRandom::rand()) % bytes.size()] =
                static_cast<unsigned char>(KRandom::rand());
        corpus.push_back(bytes);
    }

    int loaded = 0;
    for (size_t k = 0; k < corpus.size(); k++) {
        SCOPED_TRACE(k);
        const std::string path = game->map("fuzz.map");
        FILE *f = std::fopen(path.c_str(), "wb");
        if (!corpus[k].empty())
            std::fwrite(corpus[k].data(), 1, corpus[k].size(), f);
        std::fclose(f);
        const bool ok = Level_LoadLevel(path.c_str());
        if (corpus[k].size() != LEVEL_FILE_SIZE) {
            EXPECT_FALSE(ok);
        }
        if (!ok)
            continue;
        loaded++;
        InitTheBalls();
        fixture::PutBall(1, 300, 100, 2.5f, -3.0f);
        fixture::PutBall(2, 500, 300, -1.5f, 2.0f, BALL_EVIL);
        for (int frame = 0; frame < 300; frame++) {
            MainGame_Calculate();
            MainGame_BlitGame();
            Level_CalculateBallCollisionsOnbricks();
            Level_IsLevelFinished();
        }
        Headless::clearDrawList();
    }
    EXPECT_GT(loaded, 0);
}

} // namespace
