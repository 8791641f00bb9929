// forge_screens <gamefolder>: draws the start-up dialog, the menu, options, high-score,
// game-over and end screens, their lit buttons and arrows, and the high-score fonts.
#include "tools/forge/screens/Screens.h"

#include <cstdio>

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <gamefolder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    struct Step {
        const char *name;
        bool (*run)(const std::string &);
    };
    const Step steps[] = {
        {"dialog", screens::forgeDialog},         {"menu", screens::forgeMenu},
        {"options", screens::forgeOptions},       {"high scores", screens::forgeHighScores},
        {"fonts", screens::forgeFonts},           {"game over", screens::forgeGameOver},
        {"end", screens::forgeEnd},
    };
    int failures = 0;
    for (const Step &s : steps) {
        if (!s.run(dir)) {
            std::fprintf(stderr, "forge_screens: could not write the %s pictures\n", s.name);
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
