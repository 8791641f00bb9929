// The cost of one game frame's update and collision step with ten balls in play and a
// full wall of 200 bricks (drawing not included). Prints figures; never fails.
#include <benchmark/benchmark.h>

#include "tests/play/PlayFixtures.h"

namespace {

// Ten balls bouncing between a wall of 200 unbreakable bricks and the bat.
void SetUpBusyFrame() {
    fixture::ResetGame();
    for (int i = 0; i < MAX_BRICKS; i++) {
        const float x = 172 + (i % 20) * 30.5f, y = 30 + (i / 20) * 17.0f;
        fixture::PutBrick(i, x, y, x + 29, y + 16, 999);
    }
    for (int i = 0; i < MAX_BALLS; i++)
        fixture::PutBall(i, 190 + 55 * i, 220 + 12 * i, (i % 2 ? 1.7f : -2.3f), (i % 3 ? 2.9f : -3.1f));
    Headless::setMouse(480, 300);
}

// Each iteration plays 40 frames from the same start, so all ten balls stay in play;
// the counter gives the time of one frame, the restore of the start included.
const int kFramesPerRun = 40;

void BM_FrameUpdateAndCollisions(benchmark::State &state) {
    SetUpBusyFrame();
    static Ball startBalls[MAX_BALLS];
    static Brick startWall[MAX_BRICKS];
    std::memcpy(startBalls, allBalls, sizeof(allBalls));
    std::memcpy(startWall, WallOfBricks, sizeof(WallOfBricks));
    int active = 0;
    for (auto _ : state) {
        std::memcpy(allBalls, startBalls, sizeof(allBalls));
        std::memcpy(WallOfBricks, startWall, sizeof(WallOfBricks));
        for (int f = 0; f < kFramesPerRun; f++) {
            MainGame_Calculate();
            Level_CalculateBallCollisionsOnbricks();
        }
        active = 0;
        for (const Ball &b : allBalls)
            active += b.active;
    }
    state.counters["balls_at_end"] = active;
    state.counters["frame_us"] = benchmark::Counter(static_cast<double>(state.iterations()) * kFramesPerRun,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FrameUpdateAndCollisions)->Unit(benchmark::kMicrosecond);

void BM_CollisionsOnly(benchmark::State &state) {
    SetUpBusyFrame();
    for (auto _ : state)
        Level_CalculateBallCollisionsOnbricks();
}
BENCHMARK(BM_CollisionsOnly)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
