// Headless audio device: nothing plays by itself; a test pulls mixed frames through
// AudioDevice_Pull, from its own thread if it likes, under the same lock as the sdl device.
#include "engine/platform/AudioDevice.h"

#include <cstring>
#include <mutex>

static std::recursive_mutex audioLock;
static AudioMixFn mixFunction = nullptr;
static bool deviceMissing = false;

bool AudioDevice_Open(AudioMixFn mix) {
    std::lock_guard<std::recursive_mutex> guard(audioLock);
    if (deviceMissing || !mix)
        return false;
    mixFunction = mix;
    return true;
}

void AudioDevice_Close() {
    std::lock_guard<std::recursive_mutex> guard(audioLock);
    mixFunction = nullptr;
}

bool AudioDevice_IsOpen() {
    std::lock_guard<std::recursive_mutex> guard(audioLock);
    return mixFunction != nullptr;
}

void AudioDevice_Lock() { audioLock.lock(); }
void AudioDevice_Unlock() { audioLock.unlock(); }

void AudioDevice_SetMissing(bool missing) {
    std::lock_guard<std::recursive_mutex> guard(audioLock);
    deviceMissing = missing;
}

int AudioDevice_Pull(int16_t *out, int frames) {
    if (!out || frames <= 0)
        return 0;
    std::lock_guard<std::recursive_mutex> guard(audioLock);
    for (int done = 0; done < frames;) {
        int n = frames - done;
        if (n > AUDIO_DEVICE_MAX_FRAMES)
            n = AUDIO_DEVICE_MAX_FRAMES;
        int16_t *dst = out + done * AUDIO_DEVICE_CHANNELS;
        if (mixFunction)
            mixFunction(dst, n);
        else
            memset(dst, 0, sizeof(int16_t) * n * AUDIO_DEVICE_CHANNELS);
        done += n;
    }
    return frames;
}
