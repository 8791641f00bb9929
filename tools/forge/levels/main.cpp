// forge_levels <gamefolder> [<levelsfolder>]: compiles the level sources (by default
// tools/levels under the working folder) into the game folder's maps, zumbo.ini and help page.
#include "tools/forge/levels/LevelSet.h"

#include <iostream>

int main(int argc, char **argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: forge_levels <gamefolder> [<levelsfolder>]\n";
        return 2;
    }
    const std::string levels = argc == 3 ? argv[2] : "tools/levels";
    if (!forge::forgeLevels(levels, argv[1], std::cerr)) {
        std::cerr << "forge_levels: no levels written\n";
        return 1;
    }
    return 0;
}
