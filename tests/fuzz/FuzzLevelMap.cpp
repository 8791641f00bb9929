// Fuzzes the level map loader: any bytes as a map file in a small game folder, then a
// few seconds of the wall's life: balls thrown at the bricks the map placed, breaking
// (and the capsules and fruit the map's bonus numbers release), explosions, the
// marching wall and the explode-all bonus, with every frame drawn.
#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/KGraphic.h"
#include "engine/platform/Headless.h"
#include "level/Level.h"
#include "play/Balls.h"
#include "play/Bonus.h"
#include "play/MainGame.h"
#include "play/Player.h"
#include "tests/fuzz/FuzzSupport.h"

static void IgnoreMessage(const char *, const char *) {}

// A one-colour 24-bit BMP.
static std::vector<uint8_t> Bmp(int w, int h) {
    const int row = (w * 3 + 3) & ~3;
    std::vector<uint8_t> b(54 + (size_t)row * h, 0x5A);
    const uint32_t fields[][2] = {{2, (uint32_t)b.size()}, {10, 54}, {14, 40}, {18, (uint32_t)w},
                                  {22, (uint32_t)h},       {26, 1},  {28, 24}, {30, 0},
                                  {34, (uint32_t)(row * h)}};
    std::memset(b.data(), 0, 54);
    b[0] = 'B';
    b[1] = 'M';
    for (const auto &f : fields)
        for (int i = 0; i < (f[0] == 26 || f[0] == 28 ? 2 : 4); i++)
            b[f[0] + i] = (uint8_t)(f[1] >> (8 * i));
    return b;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    Headless::reset();
    KGraphic::setScreenSize(800, 600, 16);
    KMiscTools::setMessageBoxHook(IgnoreMessage);
    const fuzz::GameFolder &game = fuzz::Folder();
    const std::vector<uint8_t> sheet = Bmp(64, 32), island = Bmp(16, 12);
    for (int k = 1; k <= BRICK_SHEETS; k++)
        game.write("data/levels/bricks/planche" + std::to_string(k) + ".bmp", sheet.data(), sheet.size());
    for (const char *name : {"island1.bmp", "beach.bmp", "herbe.bmp"})
        game.write(std::string("data/levels/islands/") + name, island.data(), island.size());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // Most inputs become a map of the right length (cut or padded with zeros); short
    // inputs of odd length stay as they are, a map cut short.
    std::vector<uint8_t> file(data, data + size);
    if (!(size < 64 && size % 2))
        file.resize(LEVEL_FILE_SIZE, 0);
    const std::string path = fuzz::Folder().write("data/levels/maps/fuzz.map", file.data(), file.size());

    std::memset(allBalls, 0, sizeof(allBalls));
    std::memset(fruitswall, 0, sizeof(fruitswall));
    std::memset(allBonuses, 0, sizeof(allBonuses));
    std::memset(&playerInfo, 0, sizeof(playerInfo));
    const bool loaded = Level_LoadLevel(path.c_str());
    FUZZ_CHECK(loaded == (file.size() == LEVEL_FILE_SIZE && Level_ParseMap(file.data(), file.size(), &AllLevels[1])));
    if (!loaded)
        return 0;

    // Balls aimed at bricks the map placed, from the map's own numbers.
    for (int i = 0; i < 4; i++) {
        const Brick &b = WallOfBricks[(i * 53 + file[i * 997]) % MAX_BRICKS];
        const float x = Level_ScreenCoord(b.left + b.centreX), y = Level_ScreenCoord(b.top + b.centreY);
        InitBall((short)i, std::min(std::max(x, 0.0f), 790.0f), std::min(std::max(y, 0.0f), 590.0f),
                 i % 2 ? 2.5f : -3.0f, i < 2 ? -2.0f : 3.5f, i == 3 ? BALL_EVIL : BALL_NORMAL);
    }
    playerInfo.spaceInvaders = file[1] & 1;
    playerInfo.spaceInvadersTimer = 40;
    for (int frame = 0; frame < 90; frame++) {
        for (Ball &ball : allBalls) {
            if (!ball.active)
                continue;
            ball.x += ball.vx;
            ball.y += ball.vy;
            if (ball.x < 0 || ball.x > 790)
                ball.vx = -ball.vx;
            if (ball.y < 0 || ball.y > 590)
                ball.vy = -ball.vy;
        }
        Level_CalculateBallCollisionsOnbricks();
        if (frame == 45)
            playerInfo.explodeAll = true;
        Level_ExplodeAllBricks();
        Level_CalculateExplosions();
        Level_DrawBrickWall();
        Level_BlitExplosions();
        Headless::clearDrawList();
    }
    Level_IsLevelFinished();
    Headless::clearMessages();
    return 0;
}
