// A level as its author wrote it: the island, tune and physics, and every brick with
// its design, place, strength and bonus. Parsed from the text sources in tools/levels.
#pragma once
#include <map>
#include <string>
#include <vector>

namespace forge {

struct PlacedBrick {
    int design = 0;      // index into kBrickDesigns
    int left = 0;        // screen position of the brick's top-left corner
    int top = 0;
    int strength = 1;
    int bonus = -1;      // bonus kind, -1 none
    int line = 0;        // source line that placed it (for messages)
};

struct LevelPlan {
    std::string source;  // file name, for messages
    std::string island;
    std::string music;
    float gravity = 0;
    float maxSpeed = 0;
    float increment = 0;
    std::vector<PlacedBrick> bricks;
    std::map<std::string, int> settingLines;  // "island", "gravity", ... -> source line
};

// Parses one level source. On failure returns false and sets `error` to
// "<source>:<line>: <what is wrong>".
bool parseLevel(const std::string &text, const std::string &source, LevelPlan &plan, std::string &error);

// Reads and parses a file; the same error form, or "<path>: cannot read".
bool loadLevelFile(const std::string &path, LevelPlan &plan, std::string &error);

// Index of a brick design by name, or -1.
int designByName(const std::string &name);

// Bonus kind for a source word ("none" gives -1); false for an unknown word.
bool bonusByWord(const std::string &word, int &kind);

} // namespace forge
