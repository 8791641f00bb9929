// forge_sound <gamefolder> [<tunesfolder>]: synthesises every sound effect and renders
// every tune (by default from tools/forge/sound/tunes) into <gamefolder>/data/audio/.
#include "tools/forge/sound/SoundForge.h"

#include <iostream>

int main(int argc, char **argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: forge_sound <gamefolder> [<tunesfolder>]\n";
        return 2;
    }
    const std::string tunes = argc == 3 ? argv[2] : "tools/forge/sound/tunes";
    return forge::sound::forgeSounds(argv[1], tunes, std::cerr) ? 0 : 1;
}
