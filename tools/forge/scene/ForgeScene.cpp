// forge_scene <gamefolder>: draws the pictures of the game scene (bricks, islands, grass,
// panel doors, balls, explosion, pointer) into <gamefolder>/data/.
#include "tools/forge/scene/ScenePictures.h"

#include <cstdio>

namespace {

struct Step {
    const char *what;
    bool (*forge)(const std::string &game);
};

constexpr Step kSteps[] = {
    {"brick sheets", scene::forgeBrickSheets},
    {"islands", scene::forgeIslands},
    {"grass", scene::forgeGrass},
    {"panel doors", scene::forgePanelDoors},
    {"balls", scene::forgeBalls},
    {"explosion", scene::forgeExplosion},
    {"pointer", scene::forgePointer},
};

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: forge_scene <gamefolder>\n");
        return 2;
    }
    const std::string game = argv[1];
    int failures = 0;
    for (const Step &step : kSteps) {
        if (!step.forge(game)) {
            std::fprintf(stderr, "forge_scene: %s failed\n", step.what);
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
