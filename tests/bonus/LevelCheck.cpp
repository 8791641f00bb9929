// level_check: plays every level of a game folder from its start with the attract
// run's own player, headless, and prints the frames it took, the lives it lost and the
// score. A level not finished within the frame budget is marked; the exit status is 1.
//   level_check [game folder] [frame budget]
#include <cstdio>
#include <cstdlib>

#include "audio/Sound.h"
#include "engine/KGraphic.h"
#include "engine/KIniReader.h"
#include "engine/KMiscTools.h"
#include "engine/KRandom.h"
#include "engine/platform/Headless.h"
#include "level/Level.h"
#include "play/Balls.h"
#include "play/Bat.h"
#include "play/Gun.h"
#include "play/MainGame.h"
#include "play/Player.h"
#include "play/Scene.h"
#include "shell/Surfaces.h"
#include "shell/Vuz.h"

static const long kDefaultBudget = 200000;
static const int kFireChance = 150, kFireHit = 5;

struct LevelRun {
    bool loaded;
    bool finished;
    long frames;
    int livesLost;
    int score;
};

// One frame of the game loop as an attract run plays it, without the input, the
// drawing's pixels and the flip.
static void PlayFrame(LevelRun &run) {
    if (MainGame_IsGameOver()) {
        run.livesLost += 1;
        MainGame_StartLevel(false);
    }
    if (curBat == BAT_GUN && KRandom::rand() % kFireChance == kFireHit)
        MainGame_FireRequest();
    MainGame_Calculate();
    MainGame_BlitGame();
    Headless::clearDrawList();
    Level_CalculateBallCollisionsOnbricks();
}

// What is left of an unfinished level, for its designer: the balls in play, running
// explosions and the required bricks still standing (the wall stays after its pictures go).
static void PrintStanding() {
    for (const Ball &b : allBalls)
        if (b.active)
            std::printf("         ball at (%g, %g) moving (%g, %g)\n", b.x, b.y, b.vx, b.vy);
    for (int i = 0; i < MAX_BRICKS; i++) {
        const Brick &b = WallOfBricks[i];
        if (b.explodeTick > 0)
            std::printf("         brick %3d explodes: tick %d frame %d, %d\n", i, b.explodeTick, b.explodeSrcX,
                        b.explodeSrcY);
        if (b.present && b.visible == 1 && b.strength < STRENGTH_NOT_REQUIRED)
            std::printf("         brick %3d at (%g, %g)-(%g, %g) strength %d hits %d\n", i, b.left, b.top, b.right,
                        b.bottom, b.strength, b.hits);
    }
}

static LevelRun PlayLevel(long level, long budget) {
    LevelRun run = {};
    Player_ResetPlayer();
    if (!Level_LoadLevelFromIndex(level))
        return run;
    run.loaded = true;
    MainGame_StartLevel(true);
    for (run.frames = 0; run.frames < budget; run.frames++) {
        if (Level_IsLevelFinished()) {
            run.finished = true;
            if (playerInfo.timeBonus >= 0)
                playerInfo.score += playerInfo.timeBonus;
            break;
        }
        PlayFrame(run);
    }
    run.score = playerInfo.score;
    MainGame_FreeLevel();
    FreeMusic();
    return run;
}

static bool LoadGame(const char *folder) {
    Headless::reset();
    KGraphic::setScreenSize(800, 600, 16);
    KMiscTools::setBaseFolder(folder);
    if (!kini.setIni(Vuz_MakeFilePath("zumbo.ini"))) {
        std::fprintf(stderr, "level_check: no zumbo.ini in %s\n", folder);
        return false;
    }
    surf_SpriteCollection = CreateSurfaceFromFile(Vuz_MakeFilePath("data\\sprites\\bigplanche.bmp"));
    if (!MainGame_LoadGraphics() || !MainGame_LoadMonkeys()) {
        std::fprintf(stderr, "level_check: the game's pictures are missing in %s\n", folder);
        return false;
    }
    return true;
}

int main(int argc, char **argv) {
    const char *folder = argc > 1 ? argv[1] : ZUMBO_TEST_GAME_DIR;
    const long budget = argc > 2 ? std::atol(argv[2]) : kDefaultBudget;
    if (!LoadGame(folder))
        return 2;
    gSelfRunningDemo = true;
    const long levels = Vuz_GetIniValue("levelcount");
    std::printf("level  frames  lives lost   score\n");
    int failed = 0;
    for (long level = 1; level <= levels; level++) {
        gCurrentLevel = static_cast<int32_t>(level);
        const LevelRun run = PlayLevel(level, budget);
        if (!run.loaded) {
            std::printf("%5ld  map cannot be loaded\n", level);
            failed++;
            continue;
        }
        std::printf("%5ld  %6ld  %10d  %6d%s\n", level, run.frames, run.livesLost, run.score,
                    run.finished ? "" : "  NOT FINISHED");
        if (!run.finished)
            PrintStanding();
        std::fflush(stdout);
        failed += !run.finished;
    }
    std::printf("%d of %ld levels finished within %ld frames\n", static_cast<int>(levels) - failed, levels, budget);
    MainGame_FreeGraphics();
    delete surf_LeftPanel;
    delete surf_SpriteCollection;
    return failed ? 1 : 0;
}
