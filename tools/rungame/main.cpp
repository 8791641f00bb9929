// rungame <level>: a developer's way into the game without the menu. Opens the window,
// loads what the menu would (pointer, sounds, sprite collection, volumes), plays one
// game from the given level, and closes everything again.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/KMiscTools.h"
#include "frontend/Menu.h"
#include "level/Level.h"
#include "play/MainGame.h"
#include "shell/Vuz.h"
#include "tools/rungame/DirectStart.h"

// The highest level reached, as the menu reads it: missing or short counts as 1.
static int32_t ReadAllowedLevel() {
    FILE *f = std::fopen(Vuz_MakeFilePath("al.raw"), "rb");
    if (!f)
        return 1;
    unsigned char b[4];
    const size_t n = std::fread(b, 1, sizeof(b), f);
    std::fclose(f);
    if (n != sizeof(b))
        return 1;
    return static_cast<int32_t>((uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | b[3]);
}

int main(int argc, char **argv) {
    if (argc != 2 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: rungame <level>   (levels count from 1)\n");
        return 2;
    }
    KMiscTools::initMiscTools();
    const std::string missing = DirectStart_Open();
    if (!missing.empty()) {
        std::fprintf(stderr, "rungame: %s\n", missing.c_str());
        DirectStart_Close();
        return 1;
    }
    gMaxLevel = Vuz_GetIniValue("levelcount");
    gAllowLevel = ReadAllowedLevel();
    gCurrentlySelectedLevel = std::atoi(argv[1]);
    if (gCurrentlySelectedLevel > gMaxLevel) {
        std::fprintf(stderr, "rungame: there are %d levels\n", gMaxLevel);
        DirectStart_Close();
        return 2;
    }
    const bool played = Go_MainGame(false);
    if (!played)
        std::fprintf(stderr, "rungame: the game's pictures or level %d could not be loaded\n", gCurrentlySelectedLevel);
    DirectStart_Close();
    return played ? 0 : 1;
}
