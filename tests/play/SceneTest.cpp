// The scene's draw list for a known frame: what is drawn, where, from which part of
// which picture, and in which order, with the game's own pictures.
#include <gtest/gtest.h>

#include <algorithm>

#include "audio/Sound.h"
#include "engine/KIniReader.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"
#include "tests/play/PlayFixtures.h"

namespace {

using Draws = std::vector<Headless::DrawRecord>;

class Scene : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::ResetGame();
        KMiscTools::setBaseFolder(ZUMBO_TEST_GAME_DIR);
        ASSERT_TRUE(kini.setIni(Vuz_MakeFilePath("zumbo.ini"))) << "build the data target first";
        surf_SpriteCollection = CreateSurfaceFromFile(Vuz_MakeFilePath("data\\sprites\\bigplanche.bmp"));
        ASSERT_TRUE(MainGame_LoadGraphics());
        ASSERT_TRUE(MainGame_LoadMonkeys());
        ASSERT_TRUE(Level_LoadLevelFromIndex(1));
        gunShootX = -1;
        gWinLose = true;
        InitTheBalls();
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
    static Draws drawFrame() {
        Headless::clearDrawList();
        MainGame_BlitGame();
        return Headless::drawList();
    }
    // Position in the list of the first draw of a picture (optionally at a row of it).
    static long firstOf(const Draws &d, const std::string &picture, int y1 = -1) {
        for (size_t i = 0; i < d.size(); i++)
            if (d[i].picture == picture && (y1 < 0 || d[i].y1 == y1))
                return static_cast<long>(i);
        return -1;
    }
    static Draws ropeAt(const Draws &d, int y) {
        Draws out;
        for (const auto &r : d)
            if (r.picture == "bigplanche.bmp" && r.y1 == 175 && r.destY == y)
                out.push_back(r);
        return out;
    }
};

TEST_F(Scene, FrameIsDrawnBackToFrontAtItsPlaces) {
    singeAnim = 24.9f;
    monkeys.frame = 64;
    batPosition = 400.7f;
    playerInfo.score = 1209;
    playerInfo.timeBonus = 0;
    playerInfo.lives = 2;
    gCurrentLevel = 3;
    const Draws d = drawFrame();

    ASSERT_FALSE(d.empty());
    EXPECT_EQ(d[0].picture.substr(0, 6), "island");
    EXPECT_FALSE(d[0].blended);
    EXPECT_EQ(d[0].destX, 0);
    EXPECT_EQ(d[0].destY, 0);

    const long wheel = firstOf(d, "singeA.bmp");
    ASSERT_GE(wheel, 0);
    EXPECT_EQ(d[wheel].x1, 400);
    EXPECT_EQ(d[wheel].y1, 320);
    EXPECT_EQ(d[wheel].x2, 500);
    EXPECT_EQ(d[wheel].y2, 395);
    EXPECT_EQ(d[wheel].destX, 0);
    EXPECT_EQ(d[wheel].destY, 525);

    const long grass = firstOf(d, "herbe.bmp");
    ASSERT_GE(grass, 0);
    EXPECT_EQ(d[grass].destY, 600 - static_cast<int>(surf_Herbe->pictureHeight));

    const long monkey = firstOf(d, "batteur.bmp");
    ASSERT_GE(monkey, 0);
    EXPECT_EQ(d[monkey].x1, 852);
    EXPECT_EQ(d[monkey].y1, 320);
    EXPECT_EQ(d[monkey].destX, 400);
    EXPECT_EQ(d[monkey].destY, 465);

    const long bat = firstOf(d, "batteM.bmp");
    ASSERT_GE(bat, 0);
    EXPECT_EQ(d[bat].x1, static_cast<int>(4 * batWidth[1]));
    EXPECT_EQ(d[bat].y1, static_cast<int>(12 * batHeight[1]));
    EXPECT_EQ(d[bat].destX, 400);
    EXPECT_EQ(d[bat].destY, 464);

    const long panelMonkey = firstOf(d, "win.bmp");
    ASSERT_GE(panelMonkey, 0);
    EXPECT_EQ(d[panelMonkey].destX, 54);
    EXPECT_EQ(d[panelMonkey].destY, 98);

    const long ball = firstOf(d, "balle.bmp");
    long bricks = -1;
    for (size_t i = 0; i < d.size() && bricks < 0; i++)
        if (d[i].picture.rfind("planche", 0) == 0)
            bricks = static_cast<long>(i);
    const long counters = firstOf(d, "bigplanche.bmp", 189);
    const long firstRope = firstOf(d, "bigplanche.bmp", 175);
    ASSERT_GE(ball, 0);
    ASSERT_GE(bricks, 0);
    ASSERT_GE(counters, 0);
    const long order[] = {0, firstRope, wheel, grass, monkey, bat, panelMonkey, ball, bricks, counters};
    EXPECT_TRUE(std::is_sorted(std::begin(order), std::end(order)));

    // the counters, right-aligned at 126: score, time bonus, level, lives
    Draws glyphs;
    for (const auto &r : d)
        if (r.picture == "bigplanche.bmp" && r.y1 == 189)
            glyphs.push_back(r);
    ASSERT_EQ(glyphs.size(), 4u + 1u + 1u + 1u);
    const int wantX[] = {115, 102, 94, 87, 113, 115, 118};
    const int wantY[] = {213, 213, 213, 213, 389, 480, 300};
    for (size_t i = 0; i < glyphs.size(); i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(glyphs[i].destX, wantX[i]);
        EXPECT_EQ(glyphs[i].destY, wantY[i]);
    }
}

TEST_F(Scene, RopeStrandsRunLikeABelt) {
    ropeIndex = 0;
    Draws d = drawFrame();
    Draws upper = ropeAt(d, 537), lower = ropeAt(d, 563);
    ASSERT_EQ(upper.size(), 10u);
    ASSERT_EQ(lower.size(), 10u);
    EXPECT_EQ(upper[0].destX, 80);   // cut on the left
    EXPECT_EQ(upper[0].x1, 236);
    for (int k = 1; k < 10; k++) {
        EXPECT_EQ(upper[k].destX, 87 * k);
        EXPECT_EQ(upper[k].x1, 156);
        EXPECT_EQ(lower[k].destX, 880 - 87 * k);
    }

    ropeIndex = 50;
    d = drawFrame();
    upper = ropeAt(d, 537);
    lower = ropeAt(d, 563);
    ASSERT_EQ(upper.size(), 10u);
    EXPECT_EQ(upper[0].destX, 80);
    EXPECT_EQ(upper[0].x1, 186);
    EXPECT_EQ(upper[1].destX, 137);
    EXPECT_EQ(upper[2].destX, 224);
    EXPECT_EQ(lower[0].destX, 830);
    EXPECT_EQ(lower[1].destX, 743);
    EXPECT_EQ(lower[9].destX, 80);   // 47, cut
    EXPECT_EQ(lower[9].x1, 189);
    for (const auto &r : upper)
        EXPECT_EQ(r.x2, 243);

    // after a long pull the rope may stand a turn behind: a piece wholly left of the
    // wheel is not drawn at all, rather than from a source rectangle turned inside out
    ropeIndex = -70;
    d = drawFrame();
    upper = ropeAt(d, 537);
    EXPECT_EQ(upper.size(), 9u);
    for (const auto &r : d)
        if (r.picture == "bigplanche.bmp" && r.y1 == 175) {
            EXPECT_LT(r.x1, r.x2);
            EXPECT_GE(r.destX, 80);
        }
}

TEST_F(Scene, EachBatKindIsDrawnAtItsOffset) {
    struct Case {
        EBatKind kind;
        const char *picture;
        int x, y;
    } cases[] = {
        {BAT_SMALL, "batteS.bmp", 403, 465},
        {BAT_MEDIUM, "batteM.bmp", 400, 464},
        {BAT_LARGE, "batteL.bmp", 395, 463},
        {BAT_GUN, "gunbat.bmp", 400, 464},
    };
    batPosition = 400.7f;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.picture);
        curBat = c.kind;
        const Draws d = drawFrame();
        const long bat = firstOf(d, c.picture);
        ASSERT_GE(bat, 0);
        EXPECT_EQ(d[bat].destX, c.x);
        EXPECT_EQ(d[bat].destY, c.y);
    }
}

TEST_F(Scene, WhileTheGunFiresNeitherMonkeysNorBatAreDrawn) {
    gunShootX = 0;
    const Draws d = drawFrame();
    EXPECT_LT(firstOf(d, "batteur.bmp"), 0);
    EXPECT_LT(firstOf(d, "batteM.bmp"), 0);
    EXPECT_GE(firstOf(d, "singeA.bmp"), 0);
    EXPECT_GE(firstOf(d, "herbe.bmp"), 0);
}

TEST_F(Scene, PanelDoorsSlideFromOutsideToTheMiddle) {
    const int h = static_cast<int>(surf_LeftPanel->pictureHeight);
    struct Case {
        long offset;
        int top, bottom;
    } cases[] = {{-300, -300, 600}, {0, 0, 300}, {-400, -400, 700}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.offset);
        Headless::clearDrawList();
        MainGame_DisplayPanels(c.offset);
        const Draws &d = Headless::drawList();
        ASSERT_EQ(d.size(), 2u);
        EXPECT_EQ(d[0].destY, c.top);
        EXPECT_EQ(d[0].y2, h / 2);
        EXPECT_EQ(d[1].destY, c.bottom);
        EXPECT_EQ(d[1].y1, h / 2);
        EXPECT_TRUE(d[0].blended && d[1].blended);
    }
}

TEST_F(Scene, PanelMonkeyShowsTheMoodAndKeepsItsPlace) {
    winLoseTick = winLoseColumn = winLoseRow = 0;
    for (int i = 0; i < 3 * 7; i++)   // seven cells on: column 1 of row 1
        MainGame_DisplayMonkeyWinLose(true);
    Headless::clearDrawList();
    gWinLose = false;
    MainGame_DisplayMonkeyWinLose(false);
    const Draws &d = Headless::drawList();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].picture, "lose.bmp");
    EXPECT_EQ(d[0].x1, 78);
    EXPECT_EQ(d[0].y1, 69);
    EXPECT_EQ(d[0].destX, 51);
    EXPECT_EQ(d[0].destY, 104);
}

} // namespace
