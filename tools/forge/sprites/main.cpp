// forge_sprites <gamefolder> [--preview <folder>]: draws the monkeys, bats, wheel, gun,
// panel monkey and the sprite collection into <gamefolder>/data/sprites.
#include "tools/forge/sprites/Sheets.h"
#include "tools/forge/sprites/SpriteKit.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: forge_sprites <gamefolder> [--preview <folder>]\n");
        return 2;
    }
    const std::string gameDir = argv[1];
    if (argc >= 4 && std::strcmp(argv[2], "--preview") == 0)
        sprites::setPreviewFolder(argv[3]);
    struct Step {
        const char *what;
        bool (*forge)(const std::string &);
    };
    const Step steps[] = {
        {"monkey sheet", sprites::forgeMonkeySheet}, {"bat sheets", sprites::forgeBatSheets},
        {"wheel", sprites::forgeWheelSheet},         {"sprite collection", sprites::forgeCollection},
        {"gun sheet", sprites::forgeGunSheet},       {"panel monkeys", sprites::forgePanelMonkeys},
    };
    bool ok = true;
    for (const Step &s : steps) {
        if (!s.forge(gameDir)) {
            std::fprintf(stderr, "forge_sprites: could not write the %s\n", s.what);
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
