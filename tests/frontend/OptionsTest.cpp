// The options screen reached from the menu: the two volume bars with their limits, the
// live music volume, the reset of the table and of the highest level, H for the table,
// and the volumes kept in "prefvol.raw".
#include "tests/frontend/FrontendFixture.h"

#include <cstring>

#include "audio/KAudioSource.h"
#include "frontend/Menu.h"
#include "frontend/Options.h"
#include "play/MainGame.h"

using namespace frontendtest;

namespace {

struct Point { int x, y; };
const Point kOptionsButton{400, 400}, kBack{400, 507}, kReset{550, 378};
const Point kMusicDown{494, 178}, kMusicUp{630, 178}, kEffectsDown{494, 240}, kEffectsUp{630, 240};

// The widths of the two bars drawn this frame: music, effects (-1 when not drawn).
std::pair<int, int> BarWidths() {
    int music = -1, effects = -1;
    for (const auto &r : DrawsOf("progress.bmp")) {
        EXPECT_EQ(r.destX, 518);
        EXPECT_TRUE(r.blended);
        (r.destY == 159 ? music : effects) = static_cast<int>(r.x2 - r.x1);
    }
    return {music, effects};
}

class OptionsTest : public FrontendFixture {};

TEST_F(OptionsTest, StepTableHasTheLongerStepsAboveFive) {
    const int widths[VOLUME_STEPS] = {0, 10, 20, 30, 40, 50, 64, 74, 84, 94};
    for (int i = 0; i < VOLUME_STEPS; i++)
        EXPECT_EQ(volumeBarWidth[i], widths[i]);
    const std::pair<int, int> clamps[] = {{-2147483647 - 1, 0}, {-1, 0}, {0, 0}, {9, 9}, {12, 9}, {2147483647, 9}};
    for (auto [step, clamped] : clamps)
        EXPECT_EQ(Options_ClampStep(step), clamped) << step;
}

TEST_F(OptionsTest, VolumesResetAndTheTableFromTheMenu) {
    writeBytes("prefvol.raw", bigEndian({12, -3}));   // effects 12, music -3: a damaged file
    writeBytes("al.raw", bigEndian({5}));
    InitScores();
    cTheHigh.SubmitScore("TOP", 500);
    ASSERT_EQ(cTheHigh.SaveHighScores(), 1);

    const std::vector<Point> clicks = {kMusicDown, kEffectsUp, kMusicUp, kMusicUp, kEffectsDown, kReset};
    std::vector<Screen> screens;
    std::pair<int, int> firstBars{-2, -2}, lastBars{-2, -2};
    int musicHeard = -1, chooserAfter = -1;
    size_t next = 0;
    uint32_t waitUntil = 0, menuAgain = 0;
    openWindow();
    onFlip([&](uint32_t flip) {
        const Screen s = SeenScreen();
        if (s != SCREEN_OTHER && (screens.empty() || screens.back() != s))
            screens.push_back(s);
        if (hands.busy() || flip < waitUntil)
            return;
        waitUntil = flip + 4;
        if (s == SCREEN_MENU && screens.size() == 1) {
            hands.click(kOptionsButton.x, kOptionsButton.y);
        } else if (s == SCREEN_OPTIONS && screens.size() == 2) {
            if (firstBars.first == -2)
                firstBars = BarWidths();
            if (next < clicks.size()) {
                hands.click(clicks[next].x, clicks[next].y);
                if (clicks[next].x == kMusicUp.x && clicks[next].y == kMusicUp.y && module)
                    musicHeard = module->volume;
                next++;
            } else {
                hands.tapKey(KEY_H);
            }
        } else if (s == SCREEN_OPTIONS && screens.size() == 4) {
            lastBars = BarWidths();
            hands.click(kBack.x, kBack.y);
        } else if (s == SCREEN_MENU && screens.size() == 5) {
            if (!menuAgain) {
                menuAgain = flip;
                Headless::setMouse(440, 320);        // the right arrow, held
                Headless::setMouseButton(true);
            } else {
                Headless::setMouseButton(false);
                chooserAfter = gCurrentlySelectedLevel;
                Headless::requestQuit();
            }
        }
    });
    ASSERT_TRUE(Launch_GameMenu());
    const std::vector<Screen> expected = {SCREEN_MENU, SCREEN_OPTIONS, SCREEN_TABLE, SCREEN_OPTIONS, SCREEN_MENU};
    EXPECT_EQ(screens, expected);
    EXPECT_EQ(firstBars, std::make_pair(0, 94)) << "the damaged steps show as 0 and 9";
    EXPECT_EQ(lastBars, std::make_pair(20, 84));
    EXPECT_EQ(musicHeard, 10) << "the music follows the bar while the screen is open";
    EXPECT_EQ(vol_music, 2);
    EXPECT_EQ(vol_sample, 8);
    EXPECT_EQ(gSampleVolume, 80);
    EXPECT_EQ(readBytes("prefvol.raw"), bigEndian({8, 2}));
    EXPECT_EQ(readBytes("al.raw"), bigEndian({1}));
    EXPECT_EQ(chooserAfter, 1) << "after the reset only the first level can be chosen";
    auto table = readBytes("highscores.raw");
    ASSERT_EQ(table.size(), 2340u);
    EXPECT_STREQ(reinterpret_cast<const char *>(&table[0]), "ORK");
    EXPECT_EQ(table[259], 9);
}

TEST_F(OptionsTest, MissingPictureLeavesTheScreenUnshown) {
    openWindow();
    std::filesystem::remove(dir.file("data/sprites"));
    std::filesystem::create_directories(dir.file("data/sprites"));
    vol_music = 4;
    EXPECT_FALSE(GoOptions());
    EXPECT_EQ(Headless::flipCount(), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("prefvol.raw")));
}

} // namespace
