// The game's pointer, click tracking and roll-over buttons.
#include "tests/shell/ShellFixture.h"

#include <memory>

#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"

class PointerTest : public ShellFixture {};

TEST_F(PointerTest, PressKeepsItsStartWhileDraggedAndForgetsItOnRelease) {
    Headless::setMouse(300, 200);
    Headless::setMouseButton(true);
    EXPECT_TRUE(GetLeftMouseButton());
    Headless::setMouse(340, 260);
    EXPECT_TRUE(GetLeftMouseButton());
    EXPECT_EQ(startClickX, 300);
    EXPECT_EQ(startClickY, 200);
    Headless::setMouseButton(false);
    EXPECT_FALSE(GetLeftMouseButton());
    EXPECT_EQ(startClickX, -1);
    EXPECT_EQ(startClickY, -1);
}

TEST_F(PointerTest, RollOverCountsOnlyAPressThatBeganWhereThePointerIs) {
    openGameWindow();
    KGraphic button;
    SetHotSpotSurface(&button, 343, 196, 350, 207, 447, 243);
    struct Case {
        int x, y;
        int expected;
    } cases[] = {{350, 207, 0}, {447, 243, 0}, {349, 207, 2}, {448, 243, 2}, {350, 244, 2}, {400, 220, 0}};
    for (const Case &c : cases) {
        Headless::setMouse(c.x, c.y);
        EXPECT_EQ(IsMouseInRollOver(&button), c.expected) << c.x << "," << c.y;
    }
    // A press at (400, 220) counts there, not after it is dragged elsewhere on the button.
    Headless::setMouse(400, 220);
    Headless::setMouseButton(true);
    GetLeftMouseButton();
    EXPECT_EQ(IsMouseInRollOver(&button), 1);
    Headless::setMouse(401, 220);
    EXPECT_EQ(IsMouseInRollOver(&button), 0);
    // A press that began off the button and is dragged onto it never counts.
    Headless::setMouseButton(false);
    GetLeftMouseButton();
    Headless::setMouse(10, 10);
    Headless::setMouseButton(true);
    GetLeftMouseButton();
    Headless::setMouse(400, 220);
    EXPECT_EQ(IsMouseInRollOver(&button), 0);
}

TEST_F(PointerTest, HoveredButtonDrawsItsLitPictureAtItsRollPosition) {
    openGameWindow();
    std::unique_ptr<KGraphic> lit(CreateSurfaceFromFile(Vuz_MakeFilePath("data\\general\\curseur.bmp")));
    ASSERT_TRUE(lit) << "generated pointer picture missing";
    SetHotSpotSurface(lit.get(), 343, 196, 350, 207, 447, 243);
    Headless::clearDrawList();
    Headless::setMouse(360, 210);
    IsMouseInRollOver(lit.get());
    ASSERT_EQ(Headless::drawList().size(), 1u);
    const Headless::DrawRecord &r = Headless::drawList()[0];
    EXPECT_EQ(r.destX, 343);
    EXPECT_EQ(r.destY, 196);
    EXPECT_FALSE(r.blended);
    EXPECT_EQ(r.x2 - r.x1, lit->pictureWidth);
}

TEST_F(PointerTest, PointerRestsThenPlaysFramesOneToFour) {
    openGameWindow();
    ASSERT_TRUE(InitialiseCursors());
    Headless::setMouse(100, 100);
    auto frameAfter = [&](int calls) {
        for (int i = 0; i < calls; ++i)
            ShowPointer();
        return static_cast<int>(Headless::drawList().back().x1);
    };
    EXPECT_EQ(frameAfter(201), 0);
    EXPECT_EQ(frameAfter(5), 21);      // call 206
    EXPECT_EQ(frameAfter(6), 42);
    EXPECT_EQ(frameAfter(12), 84);
    EXPECT_EQ(frameAfter(6), 0);       // back to rest
    EXPECT_EQ(frameAfter(200), 0);
    const Headless::DrawRecord &r = Headless::drawList().back();
    EXPECT_TRUE(r.blended);
    EXPECT_EQ(r.destX, 100);
    EXPECT_EQ(r.destY, 100);
    FreeCursors();
}

TEST_F(PointerTest, SystemPointerShowsOnceOffTheSceneAndHidesAgainOnIt) {
    openGameWindow();
    ASSERT_TRUE(InitialiseCursors());
    const int hiddenDepth = Headless::cursorHideDepth();
    EXPECT_GT(hiddenDepth, 0);
    Headless::clearDrawList();
    Headless::setMouse(-10, 300);
    ShowPointer();
    ShowPointer();
    EXPECT_TRUE(systemCursorShown);
    EXPECT_EQ(Headless::cursorHideDepth(), 0);
    EXPECT_TRUE(Headless::drawList().empty());
    Headless::setMouse(800, 600);   // the far edges still count as inside
    ShowPointer();
    EXPECT_FALSE(systemCursorShown);
    EXPECT_EQ(Headless::cursorHideDepth(), hiddenDepth);
    EXPECT_EQ(Headless::drawList().size(), 1u);
    FreeCursors();
    EXPECT_EQ(Headless::cursorHideDepth(), 0);
}
