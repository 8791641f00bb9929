// A recorded demo: the level and generator state a game starts from and the input the
// game sees on each frame, read from and written to a small run-length text format.
#pragma once
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/KInput.h"

// The input in force from one flip to the next, as the game polls it.
struct DemoFrame {
    int x = 400, y = 450;             // pointer, window-relative
    bool button = false;              // left mouse button
    std::bitset<KEY_COUNT> keys;      // held keys by EKeyboardLayout value
    int padAxis = 0;                  // pad 0's X axis: -1 left, 0 centre, 1 right
    uint8_t padButtons = 0;           // pad 0's buttons, bit n for button n (0..3)

    bool operator==(const DemoFrame &o) const {
        return x == o.x && y == o.y && button == o.button && keys == o.keys && padAxis == o.padAxis &&
               padButtons == o.padButtons;
    }
    bool operator!=(const DemoFrame &o) const { return !(*this == o); }
};

#define DEMO_PAD_BUTTONS 4

struct DemoFile {
    int level = 1;                    // the level the game starts at (from 1)
    uint32_t randomState = 1;         // KRandom's state as the game starts
    std::vector<DemoFrame> frames;    // frames[0] holds before the first flip
};

// The name of a key in demo files ("SPACE", "LEFT", "9"), or "" for no such key.
const char *Demo_KeyName(int key);
// A key by name, or "#n" by number; -1 when it is neither.
int Demo_KeyByName(const std::string &name);

// One frame as a line "x y button keys pad" ("-" for no keys, no pad input), and back.
std::string Demo_FormatFrame(const DemoFrame &f);
bool Demo_ParseFrame(const std::string &line, DemoFrame *f, std::string *error);

// The whole file as text (repeated frames folded into "repeat N" lines), and back.
// Parsing fails with the line number and reason in *error.
std::string Demo_Format(const DemoFile &demo);
bool Demo_Parse(const std::string &text, DemoFile *demo, std::string *error);

bool Demo_Load(const std::string &path, DemoFile *demo, std::string *error);
bool Demo_Save(const std::string &path, const DemoFile &demo);
