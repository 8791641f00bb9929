// The level: the map file record and its bricks, the live wall, the physics values a
// level sets, the wall's pictures, ball-brick collisions, brick breaking and explosions.
#pragma once
#include <cstddef>
#include <cstdint>

class KGraphic;

#define MAX_BRICKS 200
#define MAX_LEVEL_SLOTS 10
#define LEVEL_NAME_SIZE 260
#define LEVEL_FILE_SIZE 13052
#define BRICK_SHEETS 5

// Strength classes.
#define STRENGTH_EXPLODE_ALL 50    // at most this: the explode-all bonus may break it
#define STRENGTH_NOT_REQUIRED 100  // at least this: the level does not wait for it
#define STRENGTH_METAL 900         // at least this: bullets are stopped
#define STRENGTH_UNBREAKABLE 999   // at least this: balls never damage it

// One brick, 60 bytes, the same in the map file and in memory.
struct Brick {
    int16_t reserved;
    int16_t srcLeft, srcRight, srcTop, srcBottom;
    int16_t padding1;
    float left, top, right, bottom;
    uint8_t visible;
    uint8_t present;
    uint8_t padding2[2];
    float centreX, centreY;
    float spare1, spare2;
    int16_t bonus;
    int16_t hits;
    int16_t strength;
    int16_t explodeTick;
    int16_t explodeSrcX, explodeSrcY;
};
static_assert(sizeof(Brick) == 60, "a brick record is 60 bytes");

// One level map file, 13052 bytes.
struct LevelData {
    float gravity;
    float maxBallSpeed;
    float speedIncrement;
    char islandFile[LEVEL_NAME_SIZE];
    char bricksFile[LEVEL_NAME_SIZE];
    char musicFile[LEVEL_NAME_SIZE];
    char grassFile[LEVEL_NAME_SIZE];
    Brick bricks[MAX_BRICKS];
};
static_assert(sizeof(LevelData) == LEVEL_FILE_SIZE, "a map file is 13052 bytes");

extern Brick WallOfBricks[MAX_BRICKS];
extern LevelData AllLevels[MAX_LEVEL_SLOTS];
extern float gGravity;
extern float gMaxBallSpeed;
extern float gSpeedIncrementAfterEachBat;
extern int32_t inactivityTimer;
extern int32_t explodeDivider;

extern KGraphic *surf_Bricks[BRICK_SHEETS];
extern bool bricksalreadyloaded;
extern KGraphic *surf_island;
extern KGraphic *surf_Herbe;
extern KGraphic *surf_SpriteCollection;   // loaded by the menu, shared by the game
extern KGraphic *surf_Explosion;          // loaded with the game's pictures

// A position as drawn: truncated toward zero, and kept inside what a blit can take
// (a corrupt map or a runaway object must never make the conversion undefined).
inline short Level_ScreenCoord(float v) {
    if (!(v == v))
        return 0;
    if (v > 32767.0f)
        return 32767;
    if (v < -32768.0f)
        return -32768;
    return static_cast<short>(v);
}

// catalogue and map files
bool Level_LoadLevelFromIndex(long levelNumber);
bool Level_LoadLevel(const char *path);
bool Level_ParseMap(const unsigned char *bytes, size_t length, LevelData *out);
bool Level_NameStaysInFolder(const char *name);
void Level_SetLevelData(long slot, const char *bricksName, const char *islandName, bool loadPictures);

// the wall
bool Level_InitBrickWall(long slot);
bool Level_LoadBricks(long slot);
bool Level_LoadIslands(long slot);
void Level_FreeBricks();
void Level_CleanLevel();
void Level_RestoreLevel();
void Level_DrawBrickWall();
bool Level_IsLevelFinished();

// collisions and breaking
void Level_CalculateBallCollisionsOnbricks();
void Level_BrickCollided_ChangeBallDirection(long ball, long brick);
void Level_BreakBrick(long brick);

// explosions and the moving wall
void Level_ExplodeAllBricks();
void Level_CalculateExplosions();
void Level_MoveBrick(long brick, long step);
void Level_BlitExplosions();
