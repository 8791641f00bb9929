// Fuzzes WAV sample loading: any bytes as a .wav file loaded into one to three voices,
// then played (once, or looping) and mixed by the headless device, so the format the
// file declares (channels, rate, bits, length) drives the mixer too.
#include <vector>

#include "audio/KAudioSource.h"
#include "engine/platform/AudioDevice.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static KAudioSource keeper;   // keeps the mixer running between inputs
    (void)keeper;
    const std::string path = fuzz::Folder().write("sound.wav", data, size);
    KAudioSource sound;
    const short voices = (short)(1 + size % 3);
    if (sound.loadSample(path.c_str(), 70, size & 4, voices) == 1) {
        FUZZ_CHECK(sound.format != nullptr && sound.length > 0 && sound.buffers[0] != nullptr);
        FUZZ_CHECK(sound.fileData == nullptr);
        std::vector<int16_t> out(2 * 2048);
        sound.playSample();
        sound.playSample();   // a second voice, or the first one again
        AudioDevice_Pull(out.data(), 2048);
        sound.setVolume(100);
        AudioDevice_Pull(out.data(), 1024);
        sound.stopVoices();
        AudioDevice_Pull(out.data(), 256);
    }
    return 0;
}
