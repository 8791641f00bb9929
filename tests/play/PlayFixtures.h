// Small fixtures for the level and play tests: a clean game state with the real bat
// sizes, map files built in memory, tiny BMP pictures, and reading the draw list.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>
#include <unistd.h>

#include "engine/KGraphic.h"
#include "engine/KMiscTools.h"
#include "engine/KRandom.h"
#include "engine/platform/Headless.h"
#include "level/Level.h"
#include "play/Balls.h"
#include "play/Bat.h"
#include "play/Bonus.h"
#include "play/Gun.h"
#include "play/MainGame.h"
#include "play/Player.h"
#include "play/Scene.h"

namespace fixture {

// The bat cells of the game's sheets: small 65, medium 71, large 81, gun 71 wide.
inline void SetBatSizes() {
    const float widths[BAT_KINDS] = {65, 71, 81, 71};
    for (int b = 0; b < BAT_KINDS; b++) {
        batWidth[b] = widths[b];
        batHeight[b] = 30;
    }
}

inline void RecordMessage(const char *, const char *) {}

// Every table and counter of a game back to a known state, no pictures, level physics
// of a typical map, the generator at its start.
inline void ResetGame() {
    Headless::reset();
    KGraphic::setScreenSize(800, 600, 16);
    KMiscTools::setMessageBoxHook(RecordMessage);
    std::memset(WallOfBricks, 0, sizeof(WallOfBricks));
    std::memset(allBalls, 0, sizeof(allBalls));
    KillBalls();
    std::memset(&playerInfo, 0, sizeof(playerInfo));
    std::memset(fruitswall, 0, sizeof(fruitswall));
    std::memset(allBonuses, 0, sizeof(allBonuses));
    std::memset(bullet, 0, sizeof(bullet));
    std::memset(cartouche, 0, sizeof(cartouche));
    for (Brick &b : WallOfBricks)
        b.bonus = -1;
    SetBatSizes();
    batPosition = 400.0f;
    curBat = BAT_MEDIUM;
    ropeIndex = 0;
    singeAnim = 0;
    monkeyTick = 0;
    autoPlayPhase = 0;
    const int32_t starts[4] = {45, 55, 36, 0}, ends[4] = {54, 64, 44, 35};
    for (int i = 0; i < 4; i++) {
        monkeys.loopStart[i] = starts[i];
        monkeys.loopEnd[i] = ends[i];
    }
    monkeys.frame = 0;
    monkeys.lastFrame = 34;
    gGravity = 0.02f;
    gMaxBallSpeed = 5.0f;
    gSpeedIncrementAfterEachBat = 0.5f;
    inactivityTimer = 0;
    explodeDivider = 0;
    statusTick = 0;
    gunShootX = -1;
    gunShootY = 0;
    gunShootFrame = 0;
    gSelfRunningDemo = false;
    gWinLose = true;
    KRandom::setState(1);
}

// A moving normal ball in a slot.
inline Ball &PutBall(int slot, float x, float y, float vx, float vy, EballType type = BALL_NORMAL) {
    InitBall(static_cast<short>(slot), x, y, vx, vy, type);
    return allBalls[slot];
}

// A standing brick of the level.
inline Brick &PutBrick(int i, float left, float top, float right, float bottom, int strength = 1) {
    Brick &b = WallOfBricks[i];
    b.left = left;
    b.top = top;
    b.right = right;
    b.bottom = bottom;
    b.centreX = (right - left) / 2;
    b.centreY = (bottom - top) / 2;
    b.visible = 1;
    b.present = 1;
    b.strength = static_cast<int16_t>(strength);
    b.bonus = -1;
    return b;
}

// A map file's bytes (little-endian, as the host is).
struct MapBuilder {
    LevelData map;
    MapBuilder() {
        std::memset(&map, 0, sizeof(map));
        map.gravity = 0.02f;
        map.maxBallSpeed = 4.0f;
        map.speedIncrement = 0.1f;
        std::snprintf(map.islandFile, sizeof(map.islandFile), "island1.bmp");
        std::snprintf(map.bricksFile, sizeof(map.bricksFile), "briks1.bmp");
        std::snprintf(map.musicFile, sizeof(map.musicFile), "tune1.ogg");
        for (Brick &b : map.bricks)
            b.bonus = -1;
    }
    Brick &brick(int i, float left, float top, float right, float bottom, int strength = 1) {
        Brick &b = map.bricks[i];
        b.left = left;
        b.top = top;
        b.right = right;
        b.bottom = bottom;
        b.centreX = (right - left) / 2;
        b.centreY = (bottom - top) / 2;
        b.visible = 1;
        b.present = 1;
        b.strength = static_cast<int16_t>(strength);
        return b;
    }
    std::vector<unsigned char> bytes() const {
        const unsigned char *p = reinterpret_cast<const unsigned char *>(&map);
        return std::vector<unsigned char>(p, p + sizeof(map));
    }
    void write(const std::string &path, size_t length = sizeof(LevelData)) const {
        std::vector<unsigned char> data = bytes();
        data.resize(length, 0);
        FILE *f = std::fopen(path.c_str(), "wb");
        if (!f)
            return;
        std::fwrite(data.data(), 1, data.size(), f);
        std::fclose(f);
    }
};

// A plain 24-bit BMP of one colour.
inline void WriteBmp(const std::string &path, int width, int height, uint8_t r = 200, uint8_t g = 120,
                     uint8_t b = 40) {
    const int rowBytes = (width * 3 + 3) & ~3;
    const uint32_t dataSize = static_cast<uint32_t>(rowBytes * height);
    unsigned char header[54] = {'B', 'M'};
    auto put32 = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; i++)
            header[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    put32(2, 54 + dataSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    header[26] = 1;
    header[28] = 24;
    put32(34, dataSize);
    std::vector<unsigned char> pixels(dataSize, 0);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            pixels[y * rowBytes + x * 3] = b;
            pixels[y * rowBytes + x * 3 + 1] = g;
            pixels[y * rowBytes + x * 3 + 2] = r;
        }
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return;
    std::fwrite(header, 1, sizeof(header), f);
    std::fwrite(pixels.data(), 1, pixels.size(), f);
    std::fclose(f);
}

// The draw records of one picture (by file name), in drawing order.
inline std::vector<Headless::DrawRecord> DrawsOf(const std::string &picture) {
    std::vector<Headless::DrawRecord> out;
    for (const auto &d : Headless::drawList())
        if (d.picture == picture)
            out.push_back(d);
    return out;
}

// A throw-away game folder with just enough pictures for a level: the five brick sheets,
// an island, the beach fallback, the grass, and a zumbo.ini of the given LEVELS lines.
class TempGame {
public:
    TempGame() {
        char tmpl[] = "/tmp/zumbo-play-XXXXXX";
        const char *made = mkdtemp(tmpl);
        path_ = made ? made : "/tmp/zumbo-play-fallback";
        namespace fs = std::filesystem;
        for (const char *d : {"data/levels/maps", "data/levels/islands", "data/levels/bricks", "data/audio"})
            fs::create_directories(path_ + "/" + d);
        for (int k = 1; k <= 5; k++)
            WriteBmp(file("data/levels/bricks/planche" + std::to_string(k) + ".bmp"), 64, 32);
        WriteBmp(file("data/levels/islands/island1.bmp"), 800, 600);
        WriteBmp(file("data/levels/islands/beach.bmp"), 640, 480);
        WriteBmp(file("data/levels/islands/herbe.bmp"), 800, 40);
        KMiscTools::setBaseFolder(path_.c_str());
    }
    ~TempGame() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempGame(const TempGame &) = delete;
    TempGame &operator=(const TempGame &) = delete;

    std::string file(const std::string &relative) const { return path_ + "/" + relative; }
    std::string map(const std::string &name) const { return file("data/levels/maps/" + name); }
    const std::string &path() const { return path_; }

private:
    std::string path_;
};

} // namespace fixture
