// The program run whole on the headless backend from the start-up dialog, and the main
// menu on its own: Play into a game and the name entry, the level chooser and its limits,
// Space for the table, and the attract cycle of the idle menu.
#include "tests/frontend/FrontendFixture.h"

#include <cstring>

#include "frontend/Menu.h"
#include "play/Balls.h"
#include "play/MainGame.h"
#include "play/Player.h"
#include "shell/Startup.h"

using namespace frontendtest;

namespace {

const int kPlayX = 400, kPlayY = 225;
const int kQuitX = 420, kQuitY = 490;
const int kLeftX = 365, kRightX = 440, kArrowY = 320;
const int kLevelRight = 424, kLevelTop = 313;

// Keeps the ball in play until the score shows on the table, then lets every ball drop.
void PlayThenLose(int32_t wantedScore) {
    const Ball *lowest = nullptr;
    for (const Ball &b : allBalls)
        if (b.active && (!lowest || b.y > lowest->y))
            lowest = &b;
    Headless::setMouseButton(lowest && lowest->type == BALL_HELD);
    if (!lowest || lowest->type == BALL_HELD)
        return;
    const bool keep = playerInfo.score < wantedScore;
    Headless::setMouse(keep ? static_cast<int>(lowest->x) : (lowest->x < 478 ? 760 : 170), 300);
}

// The x of the level number's glyphs drawn this frame from the sprite collection.
std::vector<int> LevelGlyphsX() {
    std::vector<int> xs;
    for (const auto &r : DrawsOf("bigplanche.bmp"))
        if (r.destY == kLevelTop && r.y1 == 189)
            xs.push_back(r.destX);
    return xs;
}

class MenuFlowTest : public FrontendFixture {
protected:
    void SetUp() override {
        FrontendFixture::SetUp();
        showScoresNext = false;
    }
    // Runs the menu; look sees every frame with its screen. The menu is closed by
    // the test (quit) or by the flip limit.
    bool runMenu(std::function<void(uint32_t, Screen)> look) {
        openWindow();
        onFlip([look](uint32_t flip) { look(flip, SeenScreen()); });
        return Launch_GameMenu();
    }
    // Holds the button over an arrow (pressed elsewhere first when fromOutside) for
    // some frames, then quits; the chosen level is read on the way out.
    int32_t holdArrow(int arrowX, int frames, bool fromOutside = false) {
        int32_t chosen = -1;
        uint32_t start = 0;
        runMenu([&](uint32_t flip, Screen s) {
            if (s != SCREEN_MENU || KWindow::_quit)
                return;
            if (!start) {
                start = flip;
                Headless::setMouse(fromOutside ? 200 : arrowX, kArrowY);
                Headless::setMouseButton(true);
            } else if (flip == start + 1) {
                Headless::setMouse(arrowX, kArrowY);
            } else if (flip == start + 1 + static_cast<uint32_t>(frames)) {
                Headless::setMouseButton(false);
            } else if (flip > start + 2 + static_cast<uint32_t>(frames)) {
                chosen = gCurrentlySelectedLevel;
                Headless::requestQuit();
            }
        });
        return chosen;
    }
};

TEST_F(MenuFlowTest, DialogMenuGameNameEntryAndBackToTheMenu) {
    std::ofstream(dir.file("data/fullscreen.stt"), std::ios::binary) << '\x01';
    enum Phase { DIALOG, MENU, GAME, ENTRY, BACK } phase = DIALOG;
    uint32_t phaseFlip = 0;
    int32_t finalScore = -1, chooserBack = -1;
    std::vector<int> levelGlyphs;
    const EKeyboardLayout typed[] = {KEY_A, KEY_B, KEY_BACKSPACE, KEY_C, KEY_RETURN};
    std::vector<Screen> screens;
    onFlip([&](uint32_t flip) {
        const Screen s = SeenScreen();
        if (s != SCREEN_OTHER && (screens.empty() || screens.back() != s))
            screens.push_back(s);
        switch (phase) {
        case DIALOG:
            if (flip == 1)
                hands.tapKey(KEY_RETURN);
            if (s == SCREEN_MENU) {
                phase = MENU;
                phaseFlip = flip;
                Headless::setMouse(kPlayX, kPlayY);
            }
            break;
        case MENU:
            if (flip == phaseFlip + 3) {
                hands.click(kPlayX, kPlayY);
                phase = GAME;
            }
            break;
        case GAME:
            PlayThenLose(20);
            if (s == SCREEN_TABLE || s == SCREEN_GAMEOVER) {
                finalScore = playerInfo.score;
                phase = ENTRY;
                phaseFlip = flip;
            }
            break;
        case ENTRY: {
            const uint32_t since = flip - phaseFlip;
            if (since >= 40 && (since - 40) % 6 == 0 && (since - 40) / 6 < 5)
                hands.tapKey(typed[(since - 40) / 6]);
            if (s == SCREEN_MENU) {
                phase = BACK;
                chooserBack = gCurrentlySelectedLevel;
                levelGlyphs = LevelGlyphsX();
                Headless::requestQuit();
            }
            break;
        }
        case BACK:
            break;
        }
    });
    ASSERT_EQ(Zumbo_Main(), 0);
    ASSERT_EQ(phase, BACK) << "the run stopped before it came back to the menu";
    const std::vector<Screen> expected = {SCREEN_MENU, SCREEN_GAME, SCREEN_TABLE, SCREEN_MENU};
    EXPECT_EQ(screens, expected);
    EXPECT_EQ(playerInfo.lives, 0);
    ASSERT_GE(finalScore, 20);
    // the built-in scores are 9 and below: the score won the first line
    auto bytes = readBytes("highscores.raw");
    ASSERT_EQ(bytes.size(), 2340u);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(&bytes[0])), "AC ");
    EXPECT_EQ(bytes[256] << 24 | bytes[257] << 16 | bytes[258] << 8 | bytes[259], finalScore);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(&bytes[260])), "ORK");
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(&bytes[8 * 260])), "Z.R");
    EXPECT_EQ(chooserBack, 1);
    EXPECT_EQ(levelGlyphs, std::vector<int>{kLevelRight - 7}) << "the chooser shows 1";
    EXPECT_FALSE(Headless::windowOpen());
}

TEST_F(MenuFlowTest, ChooserRunsFromOneToTheHighestLevelReached) {
    struct Case {
        const char *what;
        std::vector<unsigned char> alRaw;   // empty: no file
        int arrowX;
        int frames;
        int32_t chosen;
    };
    const int32_t levels = static_cast<int32_t>(Vuz_GetIniValue("levelcount"));
    ASSERT_GT(levels, 3);
    const Case cases[] = {
        {"no file", {}, kRightX, 5, 1},
        {"level 3 reached", bigEndian({3}), kRightX, 10, 3},
        {"more than the levels there are", bigEndian({levels + 8}), kRightX, levels + 8, levels},
        {"a damaged huge level", bigEndian({2147483647}), kRightX, levels + 8, levels},
        {"a damaged negative level", bigEndian({-5}), kRightX, 5, 1},
        {"a short file", {0, 0, 3}, kRightX, 5, 1},
        {"the left arrow stops at 1", bigEndian({3}), kLeftX, 5, 1},
    };
    for (const Case &c : cases) {
        std::filesystem::remove(dir.file("al.raw"));
        if (!c.alRaw.empty())
            writeBytes("al.raw", c.alRaw);
        Headless::reset();
        Headless::setPumpHook([this] { hands.onPump(); });
        KWindow::_quit = false;
        EXPECT_EQ(holdArrow(c.arrowX, c.frames), c.chosen) << c.what;
        EXPECT_GE(gAllowLevel, 1) << c.what;
    }
}

TEST_F(MenuFlowTest, HeldArrowStepsOncePerFrameWithShorterWaits) {
    writeBytes("al.raw", bigEndian({static_cast<int32_t>(Vuz_GetIniValue("levelcount"))}));
    std::vector<uint64_t> flipMicros;
    uint32_t start = 0;
    runMenu([&](uint32_t flip, Screen s) {
        if (s != SCREEN_MENU || KWindow::_quit)
            return;
        if (!start) {
            start = flip;
            Headless::setMouse(kRightX, kArrowY);
        } else if (flip == start + 1) {
            Headless::setMouseButton(true);
        } else if (flip >= start + 2 && flip <= start + 5) {
            flipMicros.push_back(Headless::clockMicros());
        } else if (flip == start + 6) {
            Headless::setMouseButton(false);
            EXPECT_EQ(gCurrentlySelectedLevel, 6) << "one step in each of the five frames held";
            Headless::requestQuit();
        }
    });
    ASSERT_EQ(flipMicros.size(), 4u);
    // frames 2..4 of the hold wait 90, 80 and 70 ticks (and a frame's own pacing)
    for (int i = 1; i < 4; i++) {
        const double ticks = (flipMicros[i] - flipMicros[i - 1]) * 60.0 / 1e6;
        EXPECT_NEAR(ticks, 100 - 10 * i, 2.0) << i;
    }
}

TEST_F(MenuFlowTest, PressesCountWhereTheyBegan) {
    writeBytes("al.raw", bigEndian({5}));
    // held over an arrow after a press elsewhere: the level still steps
    EXPECT_EQ(holdArrow(kRightX, 2, true), 3);
    // a press that began beside Play and is let go over it starts no game
    Headless::reset();
    Headless::setPumpHook([this] { hands.onPump(); });
    KWindow::_quit = false;
    bool gameSeen = false;
    uint32_t start = 0;
    runMenu([&](uint32_t flip, Screen s) {
        gameSeen = gameSeen || s == SCREEN_GAME;
        if (s != SCREEN_MENU || KWindow::_quit)
            return;
        if (!start) {
            start = flip;
            Headless::setMouse(kPlayX, 300);
            Headless::setMouseButton(true);
        } else if (flip == start + 2) {
            Headless::setMouse(kPlayX, kPlayY);
        } else if (flip == start + 4) {
            Headless::setMouseButton(false);
        } else if (flip == start + 8) {
            Headless::requestQuit();
        }
    });
    EXPECT_FALSE(gameSeen);
}

TEST_F(MenuFlowTest, SpaceShowsTheTableAndQuitEndsTheMenu) {
    std::vector<Screen> screens;
    uint32_t start = 0;
    const bool result = runMenu([&](uint32_t flip, Screen s) {
        if (s != SCREEN_OTHER && (screens.empty() || screens.back() != s))
            screens.push_back(s);
        if (s == SCREEN_MENU && !start) {
            start = flip;
            hands.tapKey(KEY_SPACE);
        }
        if (s == SCREEN_MENU && screens.size() == 3 && !hands.busy()) {
            Headless::setMouse(kQuitX, kQuitY);
            hands.click(kQuitX, kQuitY);
        }
    });
    EXPECT_TRUE(result);
    EXPECT_FALSE(KWindow::_quit) << "Quit ends the menu without a close request";
    const std::vector<Screen> expected = {SCREEN_MENU, SCREEN_TABLE, SCREEN_MENU};
    EXPECT_EQ(screens, expected);
    EXPECT_EQ(surf_menu, nullptr) << "the menu's pictures are freed";
}

TEST_F(MenuFlowTest, IdleMenuAlternatesTheSelfPlayingGameAndTheTable) {
    std::vector<Screen> screens;
    const uint32_t moveFlip = 3000;
    uint64_t moveMicros = 0, attractMicros = 0, menuEntryMicros = 0;
    Headless::setKey(KEY_A, true);   // a held key is not the player coming back
    runMenu([&](uint32_t flip, Screen s) {
        if (s == SCREEN_MENU && !menuEntryMicros)
            menuEntryMicros = Headless::clockMicros();
        if (flip == moveFlip) {
            Headless::setMouse(Headless::mouseX() + 1, Headless::mouseY());
            moveMicros = Headless::clockMicros();
        }
        // the doors of the attract game show the scene without its label
        if (s == SCREEN_OTHER || s == SCREEN_GAME || (!screens.empty() && screens.back() == s))
            return;
        screens.push_back(s);
        if (s == SCREEN_ATTRACT && !attractMicros)
            attractMicros = Headless::clockMicros();
        if (screens.size() == 6)
            Headless::requestQuit();
    });
    const std::vector<Screen> expected = {SCREEN_MENU,  SCREEN_ATTRACT, SCREEN_MENU,
                                          SCREEN_TABLE, SCREEN_MENU,    SCREEN_ATTRACT};
    EXPECT_EQ(screens, expected);
    ASSERT_GT(moveMicros, menuEntryMicros);
    const double idleTicks = (attractMicros - moveMicros) * 60.0 / 1e6;
    EXPECT_GT(idleTicks, 8000.0) << "the move started the idle count again";
    EXPECT_LT(idleTicks, 8000.0 + 62 * 2) << "the game came right after the idle time (and its doors)";
    EXPECT_TRUE(showScoresNext) << "the next idle time shows the table";
}

} // namespace
