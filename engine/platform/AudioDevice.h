// The audio output device: 44100 Hz stereo, signed 16-bit frames, filled by one mix
// function. The sdl backend runs it on the system's audio thread; the headless backend
// runs it only when a test pulls frames. The device lock keeps the mix function and the
// game thread apart; it is recursive and works whether or not a device is open.
#pragma once
#include <cstdint>

const int AUDIO_DEVICE_RATE = 44100;
const int AUDIO_DEVICE_CHANNELS = 2;
const int AUDIO_DEVICE_MAX_FRAMES = 1024;   // at most this many frames per call of the mix function

// Fills frames stereo frames (interleaved left, right) at out; called with the lock held.
typedef void (*AudioMixFn)(int16_t *out, int frames);

bool AudioDevice_Open(AudioMixFn mix);      // false: no device, the game stays silent
void AudioDevice_Close();                   // never with the lock held
bool AudioDevice_IsOpen();
void AudioDevice_Lock();
void AudioDevice_Unlock();

// Headless backend only: runs the mix function as the device would, for frames stereo
// frames into out (silence when no device is open); returns the frames written.
int AudioDevice_Pull(int16_t *out, int frames);
// Headless backend only: make the next opens fail, as on a machine without sound.
void AudioDevice_SetMissing(bool missing);

// The lock for one scope.
struct AudioLock {
    AudioLock() { AudioDevice_Lock(); }
    ~AudioLock() { AudioDevice_Unlock(); }
    AudioLock(const AudioLock &) = delete;
    AudioLock &operator=(const AudioLock &) = delete;
};
