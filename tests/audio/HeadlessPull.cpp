// Pulling mixed frames from the headless audio device (tests that link the headless device).
#include "engine/platform/AudioDevice.h"
#include "tests/audio/AudioFixtures.h"

namespace audiotest {

std::vector<int16_t> Pull(int frames) {
    std::vector<int16_t> out((size_t)frames * 2);
    AudioDevice_Pull(out.data(), frames);
    return out;
}

} // namespace audiotest
