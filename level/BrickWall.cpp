// The brick wall as a whole: the five damage sheets, the island and grass pictures,
// removing impossible bricks after a load, standing the level up, drawing the wall and
// its fruit, and deciding when a level is finished.
#include "level/Level.h"

#include <cstdio>
#include <cstring>

#include "engine/KGraphic.h"
#include "engine/KMiscTools.h"
#include "play/Bonus.h"
#include "play/Player.h"
#include "shell/Pointer.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"

KGraphic *surf_Bricks[BRICK_SHEETS];
bool bricksalreadyloaded = false;
KGraphic *surf_island = nullptr;
KGraphic *surf_Herbe = nullptr;
KGraphic *surf_SpriteCollection = nullptr;

static const float kScreenRight = 798.0f;
static const float kScreenBottom = 598.0f;
static const int kLastDamageSheet = BRICK_SHEETS - 1;
static const char kBeachFile[] = "data\\levels\\islands\\beach.bmp";   // when the island is missing
static const char kGrassFile[] = "data\\levels\\islands\\herbe.bmp";

bool Level_LoadBricks(long) {
    if (bricksalreadyloaded)
        return true;
    bricksalreadyloaded = true;
    for (int k = 1; k <= BRICK_SHEETS; k++) {
        char relative[LEVEL_NAME_SIZE];
        std::snprintf(relative, sizeof(relative), "data\\levels\\bricks\\planche%d.bmp", k);
        surf_Bricks[k - 1] = CreateSurfaceFromFile(Vuz_MakeFilePath(relative));
        if (!surf_Bricks[k - 1]) {
            KMiscTools::messageBox("Could not load bricks  ", "Error");
            return false;
        }
    }
    return true;
}

bool Level_InitBrickWall(long slot) { return Level_LoadBricks(slot); }

void Level_FreeBricks() {
    bricksalreadyloaded = false;
    for (KGraphic *&sheet : surf_Bricks) {
        delete sheet;
        sheet = nullptr;
    }
}

// The island is always read as a BMP file, whatever extension the map names; a name
// that would leave the islands folder counts as a missing picture.
static KGraphic *LoadIslandPicture(const char *islandFile) {
    if (!Level_NameStaysInFolder(islandFile))
        return nullptr;
    char relative[LEVEL_NAME_SIZE];
    const int n = std::snprintf(relative, sizeof(relative), "data\\levels\\islands\\%s", islandFile);
    if (n < 0 || n >= static_cast<int>(sizeof(relative)))
        return nullptr;   // a cut name would name another file
    std::memcpy(relative + n - 3, "bmp", 3);
    return CreateSurfaceFromFile(Vuz_MakeFilePath(relative));
}

bool Level_LoadIslands(long slot) {
    if (slot < 0 || slot >= MAX_LEVEL_SLOTS)
        return false;
    delete surf_island;
    surf_island = nullptr;
    delete surf_Herbe;
    surf_Herbe = nullptr;

    surf_island = LoadIslandPicture(AllLevels[slot].islandFile);
    if (!surf_island) {
        surf_island = CreateSurfaceFromFile(Vuz_MakeFilePath(kBeachFile));
        if (!surf_island) {
            KMiscTools::messageBox("Could not load Island", Vuz_MakeFilePath(kBeachFile));
            return false;
        }
    }
    if (!AllLevels[slot].grassFile[0])
        return true;
    surf_Herbe = CreateSurfaceFromFile(Vuz_MakeFilePath(kGrassFile));
    if (!surf_Herbe) {
        KMiscTools::messageBox("Could not load grass overlay", Vuz_MakeFilePath(kGrassFile));
        return false;
    }
    return true;
}

// Written as "not inside" so that a value that is not a number fails.
static bool InsideScreen(float x, float y) {
    return 0.0f < x && x < kScreenRight && 0.0f <= y && y < kScreenBottom;
}

static bool BrickIsImpossible(const Brick &b) {
    if (!InsideScreen(b.left, b.top) || !InsideScreen(b.right, b.bottom))
        return true;
    return b.centreX < 0 || b.centreY < 0 || b.spare1 < 0 || b.spare2 < 0;
}

void Level_CleanLevel() {
    for (Brick &b : WallOfBricks) {
        if (b.present && b.visible && BrickIsImpossible(b)) {
            b.present = 0;
            b.visible = 0;
        }
    }
}

void Level_RestoreLevel() {
    inactivityTimer = 0;
    playerInfo.timeBonus = 0;
    for (int i = 0; i < MAX_BRICKS; i++) {
        fruitswall[i].active = false;
        Brick &b = WallOfBricks[i];
        if (!b.present) {
            b.visible = 0;
            continue;
        }
        b.visible = 1;
        b.hits = 0;
        playerInfo.timeBonus += 2;
    }
}

static int DamageSheet(int hits) {
    if (hits < 0)
        return 0;
    return hits > kLastDamageSheet ? kLastDamageSheet : hits;
}

void Level_DrawBrickWall() {
    for (const Brick &b : WallOfBricks) {
        if (b.visible != 1)
            continue;
        KGraphic *sheet = surf_Bricks[DamageSheet(b.hits)];
        if (!sheet)
            continue;
        BlitTransparentSurface(sheet, b.srcLeft, b.srcTop, b.srcRight, b.srcBottom, Level_ScreenCoord(b.left),
                               Level_ScreenCoord(b.top));
    }
    if (!surf_SpriteCollection)
        return;
    for (const Fruit &f : fruitswall) {
        if (!f.active)
            continue;
        BlitTransparentSurface(surf_SpriteCollection, f.srcX, f.srcY, f.srcX + f.frameWidth, f.srcY + f.frameHeight,
                               Level_ScreenCoord(f.x), Level_ScreenCoord(f.y));
    }
}

bool Level_IsLevelFinished() {
    for (const Brick &b : WallOfBricks) {
        if (b.explodeTick > 0)
            return false;
        if (b.present && b.visible == 1 && b.strength < STRENGTH_NOT_REQUIRED)
            return false;
    }
    return true;
}
