// The rendering budget: one frame of 300 blended 32 x 32 blits, one 800 x 600 opaque
// blit and a flip, with pacing off, on the real GL backend (run it under a display).
#include "engine/KGraphic.h"
#include "engine/KMiscTools.h"
#include "engine/KWindow.h"
#include "tests/engine/TestPictures.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace testpictures;

namespace {

const int SPRITES = 300;

void quietAlert(const char *first, const char *second) { fprintf(stderr, "alert: %s / %s\n", first, second); }

struct Scene {
    KWindow *window = nullptr;
    KGraphic *background = nullptr, *sprites = nullptr;
    std::string dir;

    bool open(bool forcePowerOfTwo)
    {
        KMiscTools::setMessageBoxHook(quietAlert);
        window = new KWindow;
        if (!KWindow::createGameWindow(800, 600, 16, true, "bench"))
            return false;
        KWindow::setFramePacing(false);
        KWindow::forcePowerOfTwoTextures(forcePowerOfTwo);
        char tmpl[] = "/tmp/zumbo-bench-XXXXXX";
        dir = mkdtemp(tmpl);
        const std::string back = dir + "/back.bmp", sheet = dir + "/sheet.bmp";
        writeBytes(back, bmp24(800, 600, [](int x, int y) { return RGB{(uint8_t)x, (uint8_t)y, 90}; }));
        writeBytes(sheet, bmp24(256, 128, [](int x, int y) {
                       return (x / 8 + y / 8) % 3 == 0 ? RGB{0, 0, 255} : RGB{(uint8_t)(x ^ y), 200, 40};
                   }));
        background = new KGraphic;
        sprites = new KGraphic;
        sprites->setColorKey(true, 0, 0, 255);
        return background->loadPicture(back.c_str(), false, false) && sprites->loadPicture(sheet.c_str(), true, false);
    }
    void close()
    {
        delete sprites;
        delete background;
        delete window;
        if (!dir.empty())
            system(("rm -rf '" + dir + "'").c_str());
    }
    void frame(int n)
    {
        KGraphic::setDefaultWorldView();
        background->blitRect(0, 0, 800, 600, 0, 0);
        for (int i = 0; i < SPRITES; i++) {
            const float sx = (float)((i % 8) * 32), sy = (float)((i / 8 % 4) * 32);
            sprites->blitAlphaRect(sx, sy, sx + 32, sy + 32, (short)((i * 37 + n) % 768), (short)((i * 53 + n) % 568));
        }
        KWindow::flipBackBuffer(false);
    }
};

void frameCost(benchmark::State &state, bool forcePowerOfTwo)
{
    if (!getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY: run under xvfb-run");
        return;
    }
    Scene scene;
    if (!scene.open(forcePowerOfTwo)) {
        state.SkipWithError("window or pictures could not be made");
        scene.close();
        return;
    }
    int n = 0;
    for (auto _ : state)
        scene.frame(n++);
    state.counters["fps"] = benchmark::Counter((double)n, benchmark::Counter::kIsRate);
    scene.close();
}

void BM_Frame300SpritesRectangle(benchmark::State &state) { frameCost(state, false); }
void BM_Frame300SpritesPowerOfTwo(benchmark::State &state) { frameCost(state, true); }

BENCHMARK(BM_Frame300SpritesRectangle)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Frame300SpritesPowerOfTwo)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
