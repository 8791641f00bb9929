// The mixer's cost: one second of output with 35 voices playing and a music stream
// decoding, as in the busiest moments of a game; and the parts of that cost.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "audio/KAudioSource.h"
#include "tests/audio/AudioFixtures.h"

using namespace audiotest;

namespace {

const int ONE_SECOND = 44100;
const int DEVICE_CHUNK = 1024;

struct Scene {
    TempFolder dir;
    std::vector<std::unique_ptr<KAudioSource>> voices;
    std::unique_ptr<KAudioSource> music;

    Scene(int voiceCount, bool withMusic, int volume) {
        EncodeOgg(dir.file("mono22.ogg"), 1, 22050, Tone(1, 22050, 22050, 500, 0.2));
        EncodeOgg(dir.file("stereo44.ogg"), 2, 44100, Tone(2, 44100, 44100, 300, 0.2));
        WriteBytes(dir.file("eight.wav"), Wav8(1, 11025, Bytes(11025, 0x90)));
        EncodeOgg(dir.file("music.ogg"), 2, 44100, Noise(2, 44100 * 3, 0.2));
        const std::string kinds[] = {dir.file("mono22.ogg"), dir.file("stereo44.ogg"), dir.file("eight.wav")};
        for (int i = 0; i < voiceCount; i++) {
            auto v = std::make_unique<KAudioSource>();
            v->loadSample(kinds[i % 3].c_str(), volume, true, 1);
            v->playSample();
            voices.push_back(std::move(v));
        }
        if (withMusic) {
            music = std::make_unique<KAudioSource>();
            music->loadStream(dir.file("music.ogg").c_str());
            music->playStream(true);
            music->setVolume(80);
        }
    }
};

void RenderOneSecond() {
    for (int done = 0; done < ONE_SECOND; done += DEVICE_CHUNK) {
        std::vector<int16_t> out = Pull(DEVICE_CHUNK);
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_OneSecond35VoicesAndMusic(benchmark::State &state) {
    Scene scene(35, true, 80);
    for (auto _ : state)
        RenderOneSecond();
    state.counters["voices"] = 35;
}
BENCHMARK(BM_OneSecond35VoicesAndMusic)->Unit(benchmark::kMillisecond);

void BM_OneSecondMusicOnly(benchmark::State &state) {
    Scene scene(0, true, 80);
    for (auto _ : state)
        RenderOneSecond();
}
BENCHMARK(BM_OneSecondMusicOnly)->Unit(benchmark::kMillisecond);

void BM_OneSecondVoices(benchmark::State &state) {
    Scene scene((int)state.range(0), false, (int)state.range(1));
    for (auto _ : state)
        RenderOneSecond();
}
BENCHMARK(BM_OneSecondVoices)->Args({35, 80})->Args({35, 0})->Args({1, 80})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
