// SDL audio device: 44100 Hz stereo S16 with small buffers, so a sound starts within
// about 25 ms. Without a working device the game simply stays silent.
#include "engine/platform/AudioDevice.h"

#include <SDL.h>

#include <cstring>
#include <mutex>

static std::recursive_mutex audioLock;
static AudioMixFn mixFunction = nullptr;
static SDL_AudioDeviceID device = 0;

// SDL's audio thread: the mix function runs under our lock, in pieces the mixer accepts.
static void DeviceCallback(void *, Uint8 *stream, int bytes) {
    int16_t *out = reinterpret_cast<int16_t *>(stream);
    int frames = bytes / (int)(sizeof(int16_t) * AUDIO_DEVICE_CHANNELS);
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
}

bool AudioDevice_Open(AudioMixFn mix) {
    if (device)
        return true;
    if (!mix || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    {
        std::lock_guard<std::recursive_mutex> guard(audioLock);
        mixFunction = mix;
    }
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = AUDIO_DEVICE_RATE;
    want.format = AUDIO_S16SYS;
    want.channels = AUDIO_DEVICE_CHANNELS;
    want.samples = AUDIO_DEVICE_MAX_FRAMES;
    want.callback = DeviceCallback;
    SDL_AudioSpec have;
    // No allowed changes: SDL converts to whatever the hardware really takes.
    device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (!device) {
        std::lock_guard<std::recursive_mutex> guard(audioLock);
        mixFunction = nullptr;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(device, 0);
    return true;
}

void AudioDevice_Close() {
    if (device) {
        SDL_CloseAudioDevice(device);   // waits for the audio thread: our lock must be free
        device = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    std::lock_guard<std::recursive_mutex> guard(audioLock);
    mixFunction = nullptr;
}

bool AudioDevice_IsOpen() { return device != 0; }

void AudioDevice_Lock() { audioLock.lock(); }
void AudioDevice_Unlock() { audioLock.unlock(); }
