// How long the sound forge's stages take: all the effects, one tune's rendering and the
// Ogg Vorbis encoding of ten seconds of stereo music.
#include "tools/forge/sound/AudioFiles.h"
#include "tools/forge/sound/Effects.h"
#include "tools/forge/sound/Music.h"

#include <benchmark/benchmark.h>

#include <iostream>

namespace snd = forge::sound;

namespace {

void BM_RenderAllEffects(benchmark::State &state) {
    for (auto _ : state)
        for (const snd::EffectFile &f : snd::effectFiles())
            benchmark::DoNotOptimize(snd::renderEffect(f));
}
BENCHMARK(BM_RenderAllEffects)->Unit(benchmark::kMillisecond);

void BM_RenderMenuTune(benchmark::State &state) {
    snd::Tune tune;
    if (!snd::parseTune(FORGE_SOUND_TUNES "/menu.tune", tune, std::cerr)) {
        state.SkipWithError("menu.tune did not parse");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(snd::renderTune(tune));
    state.counters["seconds_of_music"] = double(snd::loopFrames(tune)) / snd::kRate;
}
BENCHMARK(BM_RenderMenuTune)->Unit(benchmark::kMillisecond);

void BM_EncodeTenSecondsStereo(benchmark::State &state) {
    snd::Stereo music(snd::framesFor(10.0));
    snd::Rng rng(7);
    for (size_t i = 0; i < music.frames(); ++i) {
        music.left[i] = float(0.2 * rng.noise());
        music.right[i] = float(0.2 * rng.noise());
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(snd::encodeOgg({&music.left, &music.right}, snd::kRate, 0.35f, 1));
}
BENCHMARK(BM_EncodeTenSecondsStereo)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
