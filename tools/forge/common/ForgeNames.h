// Names shared between the forge tools: the islands and the level tunes that level
// maps may name. The picture forge draws every island here, the sound forge renders
// every tune here, and the level compiler refuses any other name.
#pragma once

namespace forge {

// data/levels/islands/<name>; beach.bmp and herbe.bmp are drawn as well.
constexpr const char *kIslands[] = {
    "island1.bmp",  // morning beach
    "island2.bmp",  // lagoon
    "island3.bmp",  // jungle edge
    "island4.bmp",  // sunset
    "island5.bmp",  // volcano shore
    "island6.bmp",  // night with moon
};
constexpr int kIslandCount = sizeof(kIslands) / sizeof(kIslands[0]);

// data/audio/<name>: the level tunes (the menu, name entry, game over and end
// tunes are monkey2.ogg, monkey5.ogg, gov.ogg and monkey4.ogg).
constexpr const char *kLevelTunes[] = {
    "tune1.ogg", "tune2.ogg", "tune3.ogg", "tune4.ogg", "tune5.ogg", "tune6.ogg",
};
constexpr int kLevelTuneCount = sizeof(kLevelTunes) / sizeof(kLevelTunes[0]);

} // namespace forge
