// A headless game folder with the engine reset, for the shell's tests.
#pragma once
#include <gtest/gtest.h>

#include "engine/KGraphic.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "engine/platform/Headless.h"
#include "shell/Pointer.h"
#include "tests/support/GameDir.h"

class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Headless::reset();
        KMiscTools::setBaseFolder(dir.path().c_str());
        startClickX = startClickY = -1;
        systemCursorShown = false;
        pointerRestTicks = pointerFrameTicks = pointerFrameX = 0;
    }
    void openGameWindow() {
        ASSERT_TRUE(KWindow::createGameWindow(800, 600, 16, true, "ZumboRumble"));
        KGraphic::setScreenSize(800, 600, 16);
        KGraphic::setDefaultWorldView();
    }
    testsupport::GameDir dir;
};
