// The brick designs of the five damage sheets (data/levels/bricks/planche1..5.bmp):
// every sheet holds every design at the same rectangle, intact on sheet 1 and more
// broken on each later one. The picture forge draws from this table and the level
// compiler places bricks from it, so the two always agree.
#pragma once

namespace forge {

constexpr int kBrickSheetWidth = 512;
constexpr int kBrickSheetHeight = 128;

enum BrickLook {
    LOOK_PLANK,        // ordinary wooden plank
    LOOK_PAINTED,      // painted plank (same wood, coloured)
    LOOK_CRATE,        // wooden crate with braces
    LOOK_REINFORCED,   // crate with iron bands: tough
    LOOK_METAL,        // riveted metal: bullets bounce off
    LOOK_STONE,        // stone block: reads as indestructible
};

struct BrickDesign {
    const char *name;
    int x, y, w, h;        // rectangle in every damage sheet
    BrickLook look;
    unsigned colour;       // main colour 0xRRGGBB
};

constexpr BrickDesign kBrickDesigns[] = {
    // row 0: planks 20 high
    {"plank_short",    0,   0, 40, 20, LOOK_PLANK,   0xB8763A},
    {"plank",         42,   0, 60, 20, LOOK_PLANK,   0x9C5E2A},
    {"plank_long",   104,   0, 80, 20, LOOK_PLANK,   0xD49A55},
    {"plank_red",    186,   0, 60, 20, LOOK_PAINTED, 0xC8452D},
    {"plank_blue",   248,   0, 60, 20, LOOK_PAINTED, 0x2F6DB5},
    {"plank_green",  310,   0, 60, 20, LOOK_PAINTED, 0x3E9A4A},
    {"plank_yellow", 372,   0, 60, 20, LOOK_PAINTED, 0xE2B23A},
    {"short_red",    434,   0, 40, 20, LOOK_PAINTED, 0xC8452D},
    // row 1: more planks, metal and stone slabs
    {"metal_plank",    0,  22, 60, 20, LOOK_METAL,   0x9AA3AD},
    {"stone_slab",    62,  22, 60, 20, LOOK_STONE,   0x8C8C88},
    {"short_blue",   124,  22, 40, 20, LOOK_PAINTED, 0x2F6DB5},
    {"short_green",  166,  22, 40, 20, LOOK_PAINTED, 0x3E9A4A},
    {"short_yellow", 208,  22, 40, 20, LOOK_PAINTED, 0xE2B23A},
    {"long_red",     250,  22, 80, 20, LOOK_PAINTED, 0xC8452D},
    {"long_blue",    332,  22, 80, 20, LOOK_PAINTED, 0x2F6DB5},
    {"short_metal",  414,  22, 40, 20, LOOK_METAL,   0x9AA3AD},
    // row 2: blocks 40 high
    {"crate",          0,  44, 40, 40, LOOK_CRATE,      0xC9924E},
    {"crate_iron",    42,  44, 40, 40, LOOK_REINFORCED, 0xB07A3E},
    {"crate_metal",   84,  44, 40, 40, LOOK_METAL,      0x9AA3AD},
    {"stone",        126,  44, 40, 40, LOOK_STONE,      0x8C8C88},
    {"crate_small",  168,  44, 30, 30, LOOK_CRATE,      0xC9924E},
    {"post",         200,  44, 20, 40, LOOK_PLANK,      0x9C5E2A},
    {"stone_small",  222,  44, 30, 30, LOOK_STONE,      0x8C8C88},
    {"metal_small",  254,  44, 30, 30, LOOK_METAL,      0x9AA3AD},
    {"iron_small",   286,  44, 30, 30, LOOK_REINFORCED, 0xB07A3E},
};

constexpr int kBrickDesignCount = sizeof(kBrickDesigns) / sizeof(kBrickDesigns[0]);

} // namespace forge
