// A headless game folder with a window, the INI file and the sprite collection, and a
// player's hands: taps of keys and clicks that are let go after a short hold, however
// the screen waits for the release.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "audio/Sound.h"
#include "engine/KGraphic.h"
#include "engine/KIniReader.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "engine/platform/Headless.h"
#include "frontend/HighScores.h"
#include "frontend/HighScreen.h"
#include "level/Level.h"
#include "shell/Pointer.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"
#include "tests/support/GameDir.h"

namespace frontendtest {

// A tap is held for this many event pumps: longer than one frame (so the next frame
// sees it), short enough that a screen waiting for the release goes on.
const int kHoldPumps = 60;

class Hands {
public:
    void tapKey(EKeyboardLayout key) {
        Headless::setKey(key, true);
        keyPumps_[key] = kHoldPumps;
    }
    // The press starts where the pointer is put, as a player's click does.
    void click(int x, int y) {
        Headless::setMouse(x, y);
        Headless::setMouseButton(true);
        buttonPumps_ = kHoldPumps;
    }
    void onPump() {
        for (int k = 0; k < KEY_COUNT; k++)
            if (keyPumps_[k] > 0 && --keyPumps_[k] == 0)
                Headless::setKey(static_cast<EKeyboardLayout>(k), false);
        if (buttonPumps_ > 0 && --buttonPumps_ == 0)
            Headless::setMouseButton(false);
    }
    bool busy() const {
        if (buttonPumps_ > 0)
            return true;
        for (int p : keyPumps_)
            if (p > 0)
                return true;
        return false;
    }

private:
    int keyPumps_[KEY_COUNT] = {};
    int buttonPumps_ = 0;
};

inline bool Drew(const std::string &picture) {
    for (const Headless::DrawRecord &r : Headless::drawList())
        if (r.picture == picture)
            return true;
    return false;
}

inline std::vector<Headless::DrawRecord> DrawsOf(const std::string &picture) {
    std::vector<Headless::DrawRecord> found;
    for (const Headless::DrawRecord &r : Headless::drawList())
        if (r.picture == picture)
            found.push_back(r);
    return found;
}

// Which screen the frame just drawn belongs to, told from its pictures.
enum Screen { SCREEN_OTHER, SCREEN_MENU, SCREEN_OPTIONS, SCREEN_TABLE, SCREEN_GAME, SCREEN_ATTRACT,
              SCREEN_GAMEOVER, SCREEN_END };

inline bool DrewAttractLabel() {
    for (const Headless::DrawRecord &r : Headless::drawList())
        if (r.picture == "bigplanche.bmp" && r.destX == 606 && r.destY == 539 && r.y1 == 350)
            return true;
    return false;
}

inline Screen SeenScreen() {
    if (Drew("highscores.bmp"))
        return SCREEN_TABLE;
    if (Drew("optionsoff.bmp"))
        return SCREEN_OPTIONS;
    if (Drew("menuplayoff.bmp"))
        return SCREEN_MENU;
    if (Drew("gameover.bmp"))
        return SCREEN_GAMEOVER;
    if (Drew("end.jpg"))
        return SCREEN_END;
    if (DrewAttractLabel())
        return SCREEN_ATTRACT;
    if (Drew("singeA.bmp"))
        return SCREEN_GAME;
    return SCREEN_OTHER;
}

inline void IgnoreMessage(const char *, const char *) {}

class FrontendFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Headless::reset();
        KMiscTools::setBaseFolder(dir.path().c_str());
        KMiscTools::setMessageBoxHook(IgnoreMessage);
        KWindow::_quit = false;
        startClickX = startClickY = -1;
        ASSERT_TRUE(kini.setIni(Vuz_MakeFilePath("zumbo.ini"))) << "build the data target first";
        Headless::setPumpHook([this] { hands.onPump(); });
        Headless::setQuitAfterFlips(200000);   // a runaway screen still ends
    }
    void TearDown() override {
        Headless::setFlipHook(nullptr);
        Headless::setPumpHook(nullptr);
        FreeMusic();
        delete surf_SpriteCollection;
        surf_SpriteCollection = nullptr;
        KWindow::_quit = false;
        KMiscTools::setMessageBoxHook(nullptr);
    }
    void openWindow() {
        ASSERT_TRUE(KWindow::createGameWindow(800, 600, 16, true, "ZumboRumble"));
        KGraphic::setScreenSize(800, 600, 16);
        KGraphic::setDefaultWorldView();
    }
    // After every flip: the test's look at the frame, then the frame's draws are dropped.
    void onFlip(std::function<void(uint32_t)> look) {
        Headless::setFlipHook([look](uint32_t flip) {
            look(flip);
            Headless::clearDrawList();
        });
    }
    std::vector<unsigned char> readBytes(const std::string &relative) {
        std::ifstream f(dir.file(relative), std::ios::binary);
        return std::vector<unsigned char>(std::istreambuf_iterator<char>(f), {});
    }
    void writeBytes(const std::string &relative, const std::vector<unsigned char> &bytes) {
        std::ofstream f(dir.file(relative), std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<unsigned char> bigEndian(std::vector<int32_t> values) {
        std::vector<unsigned char> bytes;
        for (int32_t v : values)
            for (int shift = 24; shift >= 0; shift -= 8)
                bytes.push_back(static_cast<unsigned char>(static_cast<uint32_t>(v) >> shift));
        return bytes;
    }
    testsupport::GameDir dir;
    Hands hands;
};

} // namespace frontendtest
