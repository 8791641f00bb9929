// Level map files and the level catalogue: finding a level by number in the INI file,
// reading its 13052-byte little-endian map into slot 0 and the live wall, and starting
// its pictures and music.
#include "level/Level.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/KMiscTools.h"
#include "audio/Sound.h"
#include "shell/Vuz.h"

Brick WallOfBricks[MAX_BRICKS];
LevelData AllLevels[MAX_LEVEL_SLOTS] = {
    {0.0f, 0.0f, 0.0f, "island1.bmp", "briks1.bmp", "", "herbe.bmp", {}},
};
float gGravity = -0.05f;
float gMaxBallSpeed = 5.0f;
float gSpeedIncrementAfterEachBat = 0.5f;

static const char kGrassName[] = "herbe.bmp";
static const char kLevelsSection[] = "LEVELS";

// Copies a name field, always leaving it terminated inside its 260 bytes.
static void CopyName(char *dst, const char *src) {
    if (dst == src) {
        dst[LEVEL_NAME_SIZE - 1] = 0;
        return;
    }
    std::snprintf(dst, LEVEL_NAME_SIZE, "%s", src ? src : "");
}

// A file name from a map or the catalogue must name a file inside its own folder:
// not empty, no folder separators, no way up.
bool Level_NameStaysInFolder(const char *name) {
    if (!name || !name[0])
        return false;
    if (std::strchr(name, '/') || std::strchr(name, '\\'))
        return false;
    return std::strstr(name, "..") == nullptr;
}

static void ConvertBrick(Brick *b) {
    b->reserved = KMiscTools::flipShort(b->reserved);
    b->srcLeft = KMiscTools::flipShort(b->srcLeft);
    b->srcRight = KMiscTools::flipShort(b->srcRight);
    b->srcTop = KMiscTools::flipShort(b->srcTop);
    b->srcBottom = KMiscTools::flipShort(b->srcBottom);
    b->left = KMiscTools::flipFloat(b->left);
    b->top = KMiscTools::flipFloat(b->top);
    b->right = KMiscTools::flipFloat(b->right);
    b->bottom = KMiscTools::flipFloat(b->bottom);
    b->centreX = KMiscTools::flipFloat(b->centreX);
    b->centreY = KMiscTools::flipFloat(b->centreY);
    b->spare1 = KMiscTools::flipFloat(b->spare1);
    b->spare2 = KMiscTools::flipFloat(b->spare2);
    b->bonus = KMiscTools::flipShort(b->bonus);
    b->hits = KMiscTools::flipShort(b->hits);
    b->strength = KMiscTools::flipShort(b->strength);
    b->explodeTick = KMiscTools::flipShort(b->explodeTick);
    b->explodeSrcX = KMiscTools::flipShort(b->explodeSrcX);
    b->explodeSrcY = KMiscTools::flipShort(b->explodeSrcY);
}

// Decodes a whole map file into host order. A file of the wrong size, or whose physics values are not
// numbers, is refused: nothing of it may reach the game. Names are cut at 260 bytes.
bool Level_ParseMap(const unsigned char *bytes, size_t length, LevelData *out) {
    if (!bytes || length != LEVEL_FILE_SIZE)
        return false;
    LevelData map;
    std::memcpy(&map, bytes, LEVEL_FILE_SIZE);
    for (int i = 0; i < MAX_BRICKS; i++)
        ConvertBrick(&map.bricks[i]);
    const float physics[3] = {KMiscTools::flipFloat(map.gravity), KMiscTools::flipFloat(map.maxBallSpeed),
                              KMiscTools::flipFloat(map.speedIncrement)};
    for (float v : physics)
        if (!std::isfinite(v))
            return false;
    map.gravity = physics[0];
    map.maxBallSpeed = physics[1];
    map.speedIncrement = physics[2];
    CopyName(map.islandFile, map.islandFile);
    CopyName(map.bricksFile, map.bricksFile);
    CopyName(map.musicFile, map.musicFile);
    CopyName(map.grassFile, map.grassFile);
    std::memcpy(out, &map, sizeof(map));
    return true;
}

// Reads at most one byte more than a map holds, so a longer file is seen as wrong.
static size_t ReadMapFile(const char *path, unsigned char *buffer, size_t capacity) {
    FILE *f = std::fopen(path, "rb");
    if (!f)
        return 0;
    const size_t n = std::fread(buffer, 1, capacity, f);
    std::fclose(f);
    return n;
}

static void StartLevelMusic(const char *musicFile) {
    if (!Level_NameStaysInFolder(musicFile))
        return;
    char relative[LEVEL_NAME_SIZE];
    const int n = std::snprintf(relative, sizeof(relative), "data\\audio\\%s", musicFile);
    if (n < 0 || n >= static_cast<int>(sizeof(relative)))
        return;   // a cut name would name another file
    PlayMusic(Vuz_MakeFilePath(relative));
}

bool Level_LoadLevel(const char *path) {
    static unsigned char buffer[LEVEL_FILE_SIZE + 1];
    static LevelData map;
    if (!path)
        return false;
    const size_t n = ReadMapFile(path, buffer, sizeof(buffer));
    if (!Level_ParseMap(buffer, n, &map))
        return false;

    // The slot keeps the header floats in file order; the globals get host values.
    std::memcpy(&AllLevels[0], buffer, 3 * sizeof(float));
    std::memcpy(AllLevels[0].islandFile, map.islandFile, 4 * LEVEL_NAME_SIZE);
    std::memcpy(AllLevels[0].bricks, map.bricks, sizeof(map.bricks));
    std::memcpy(WallOfBricks, map.bricks, sizeof(map.bricks));
    gGravity = map.gravity;
    gMaxBallSpeed = map.maxBallSpeed;
    gSpeedIncrementAfterEachBat = map.speedIncrement;

    Level_SetLevelData(0, AllLevels[0].bricksFile, AllLevels[0].islandFile, true);
    StartLevelMusic(AllLevels[0].musicFile);
    Level_CleanLevel();
    Level_RestoreLevel();
    for (int i = 0; i < MAX_BRICKS; i++)
        WallOfBricks[i].explodeTick = 0;
    return true;
}

bool Level_LoadLevelFromIndex(long levelNumber) {
    char key[32];
    char name[LEVEL_NAME_SIZE] = "";
    std::snprintf(key, sizeof(key), "L%ld", levelNumber);
    Vuz_GetMessageString(kLevelsSection, key, name, sizeof(name));
    name[sizeof(name) - 1] = 0;
    if (!Level_NameStaysInFolder(name))
        return false;
    char relative[LEVEL_NAME_SIZE];
    const int n = std::snprintf(relative, sizeof(relative), "data\\levels\\maps\\%s", name);
    if (n < 0 || n >= static_cast<int>(sizeof(relative)))
        return false;
    return Level_LoadLevel(Vuz_MakeFilePath(relative));
}

void Level_SetLevelData(long slot, const char *bricksName, const char *islandName, bool loadPictures) {
    if (slot < 0 || slot >= MAX_LEVEL_SLOTS)
        return;
    LevelData &level = AllLevels[slot];
    CopyName(level.bricksFile, bricksName);
    CopyName(level.islandFile, islandName);
    CopyName(level.grassFile, kGrassName);
    if (loadPictures) {
        Level_LoadIslands(slot);
        Level_LoadBricks(slot);
    }
}
