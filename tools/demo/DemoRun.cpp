// The headless replay harness: a fresh game folder over the generated data, the same
// start-up as a developer's direct game start, then Go_MainGame driven flip by flip.
#include "tools/demo/DemoRun.h"

#include "audio/Sound.h"
#include "engine/KGraphic.h"
#include "engine/KInput.h"
#include "engine/KMiscTools.h"
#include "engine/KRandom.h"
#include "engine/KWindow.h"
#include "engine/platform/Headless.h"
#include "frontend/Menu.h"
#include "level/Level.h"
#include "play/MainGame.h"
#include "shell/Pointer.h"
#include "shell/Startup.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"
#include "tests/support/GameDir.h"
#include "tools/rungame/DirectStart.h"

namespace {

const uint32_t kWaitingPumps = 20000;
const uint32_t kPeeks = 8;   // frames ahead a waiting screen may be shown
const int32_t kPadLeft = 0, kPadCentre = 128, kPadRight = 255;

// The direct game start's set-up, on the headless backend with one scripted pad.
bool OpenGame(std::string *error) {
    Headless::addPad(Headless::PadDevice());
    *error = DirectStart_Open();
    return error->empty();
}

} // namespace

void Demo_ApplyFrame(const DemoFrame &f) {
    Headless::setMouse(f.x, f.y);
    Headless::setMouseButton(f.button);
    for (int k = 0; k < KEY_COUNT; k++)
        Headless::setKey(static_cast<EKeyboardLayout>(k), f.keys[k]);
    Headless::setPadAxis(0, 0, f.padAxis < 0 ? kPadLeft : f.padAxis > 0 ? kPadRight : kPadCentre);
    for (int b = 0; b < DEMO_PAD_BUTTONS; b++)
        Headless::setPadButton(0, b + 1, (f.padButtons >> b) & 1);
}

long Demo_RunHeadless(const std::string &gameDir, int level, uint32_t randomState, uint32_t frames,
                      const DemoRunHooks &hooks, std::string *error) {
    Headless::reset();
    testsupport::GameDir dir(gameDir);
    KMiscTools::setBaseFolder(dir.path().c_str());
    if (!OpenGame(error)) {
        DirectStart_Close();
        return -1;
    }
    gMaxLevel = Vuz_GetIniValue("levelcount");
    gAllowLevel = 1;
    gCurrentlySelectedLevel = level;
    if (level < 1 || level > gMaxLevel) {
        *error = "there are " + std::to_string(gMaxLevel) + " levels";
        DirectStart_Close();
        return -1;
    }
    uint32_t flips = 0;
    Headless::setFlipHook([&](uint32_t) {
        Headless::clearDrawList();
        if (flips >= frames)
            return;   // the screens after the window closed
        flips++;
        if (hooks.afterFlip)
            hooks.afterFlip(flips);
        if (flips >= frames)
            KWindow::_quit = true;
        else
            Demo_ApplyFrame(hooks.input(flips));
    });
    // A screen that waits for the player pumps events without flipping. After that many
    // pumps in a row it is shown the next frames' input, as the recorded player went on
    // from it before the next flip; when none helps, the window is closed.
    uint32_t pumpsSinceFlip = 0, lastFlips = 0, peeked = 0;
    Headless::setPumpHook([&]() {
        if (flips != lastFlips) {
            lastFlips = flips;
            pumpsSinceFlip = peeked = 0;
        }
        if (++pumpsSinceFlip < kWaitingPumps)
            return;
        pumpsSinceFlip = 0;
        const DemoFrame *next = hooks.peek && peeked < kPeeks ? hooks.peek(flips + 1 + peeked) : nullptr;
        peeked++;
        if (next)
            Demo_ApplyFrame(*next);
        else
            KWindow::_quit = true;
    });
    Demo_ApplyFrame(hooks.input(0));
    KRandom::setState(randomState);
    const bool played = Go_MainGame(false);
    Headless::setFlipHook(nullptr);
    Headless::setPumpHook(nullptr);
    DirectStart_Close();
    if (!played) {
        *error = "the game's pictures or its level could not be loaded";
        return -1;
    }
    return flips;
}
