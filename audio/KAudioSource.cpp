// KAudioSource's life cycle, channels, volume and the playing of samples. The game
// thread holds the device lock for anything a mixer callback also touches.
#include "audio/KAudioSource.h"

#include <cstdlib>
#include <cstring>

#include "engine/platform/AudioDevice.h"

int KAudioSource::instanceCount = 0;
int16_t KAudioSource::nextVoice = 0;

const int K_DEFAULT_VOLUME = 80;
const float K_VOLUME_TO_LEVEL = 2.55f;
const int K_MAX_LEVEL = 255;

KAudioSource::KAudioSource() {
    voiceCount = 1;
    errorText[0] = 0;
    name[0] = 0;
    volume = K_DEFAULT_VOLUME;
    kind = AUDIO_SAMPLE;
    format = nullptr;
    buffers[0] = buffers[1] = nullptr;
    length = 0;
    memset(&streamFormat, 0, sizeof streamFormat);
    memset(&oggFile, 0, sizeof oggFile);
    oggOpen = false;
    for (MixChannel *&c : channels)
        c = nullptr;
    soundHandles[0] = soundHandles[1] = nullptr;
    currentBuffer = 1;
    ended = playing = loop = false;
    memPos = memSize = 0;
    fileData = nullptr;
    if (instanceCount == 0)
        Mixer_Start();
    instanceCount++;
}

// Callbacks are shut out first (flags, then silence, then the channels go), and only
// then are the buffers, the decoder and the file copy freed.
KAudioSource::~KAudioSource() {
    {
        AudioLock lock;
        instanceCount--;
        playing = false;
        ended = true;
        stopVoices();
        stopStream();
        closeChannels();
        disposeHandle(0);
        disposeHandle(1);
        release();
    }
    if (instanceCount <= 0)
        Mixer_Stop();
}

void KAudioSource::disposeHandle(int index) {
    free(soundHandles[index]);
    soundHandles[index] = nullptr;
}

void KAudioSource::setError(const char *text) {
    strncpy(errorText, text, K_AUDIO_TEXT - 1);
    errorText[255] = 0;
}

void KAudioSource::release() {
    closeChannels();
    if (oggOpen)
        ov_clear(&oggFile);
    if (kind == AUDIO_STREAM) {
        free(fileData);
        fileData = nullptr;
        buffers[0] = buffers[1] = nullptr;
        length = 0;
    } else if (fileData) {
        // A sample load that failed half way still holds its file copy.
        if (buffers[0] >= fileData && buffers[0] <= fileData + memSize) {
            buffers[0] = nullptr;
            length = 0;
        }
        free(fileData);
        fileData = nullptr;
    }
    oggOpen = false;
    memPos = memSize = 0;
}

MixChannel *KAudioSource::openChannel(EAudioKind kindOfChannel, int index) {
    if (index < 0 || index >= K_AUDIO_MAX_VOICES)
        return nullptr;
    MixCallback callback = kindOfChannel == AUDIO_STREAM ? streamBufferCallback : sampleDoneCallback;
    channels[index] = Mixer_NewChannel(sampledSynth, 0, callback);
    return channels[index];
}

void KAudioSource::closeChannels() {
    for (MixChannel *&c : channels) {
        if (!c)
            continue;
        Mixer_DisposeChannel(c, true);
        c = nullptr;
    }
}

void KAudioSource::setVolume(int v) {
    AudioLock lock;
    if (v >= 0)
        volume = v;
    float x = K_VOLUME_TO_LEVEL * (float)volume;
    if (x <= 0)
        x = 0;
    if (x >= K_MAX_LEVEL)
        x = K_MAX_LEVEL;
    if (!channels[0] || !playing)
        return;
    int level = (int)x;
    if (level <= 0)
        level = 0;
    if (level >= K_MAX_LEVEL)
        level = K_MAX_LEVEL;
    MixCommand command = {volumeCmd, 0, (intptr_t)level * 65536 + level};
    for (MixChannel *c : channels)
        if (c)
            Mixer_DoImmediate(c, command);
}

static void Silence(MixChannel *channel) {
    const uint16_t steps[] = {quietCmd, flushCmd, reInitCmd};
    for (uint16_t cmd : steps) {
        MixCommand command = {cmd, 0, 0};
        Mixer_DoImmediate(channel, command);
    }
}

void KAudioSource::playSample() {
    AudioLock lock;
    if (!channels[0])
        return;
    int v = nextVoice;
    if (v >= voiceCount || !channels[v])   // the shared voice index may belong to a larger sound
        v = 0;
    stopVoice(v);
    Mixer_Play(channels[v], soundHandles[0]);
    playing = true;
    MixCommand done = {callBackCmd, 0, reinterpret_cast<intptr_t>(this)};
    Mixer_DoCommand(channels[v], done);
    nextVoice = (int16_t)(v + 1);
    if (nextVoice >= voiceCount)
        nextVoice = 0;
    setVolume(volume);
}

void KAudioSource::stopVoice(int i) {
    AudioLock lock;
    if (kind != AUDIO_SAMPLE || i < 0 || i >= K_AUDIO_MAX_VOICES || !channels[i])
        return;
    Silence(channels[i]);
    playing = false;
}

void KAudioSource::stopVoices() {
    AudioLock lock;
    if (kind != AUDIO_SAMPLE || !channels[0])
        return;
    for (int i = 0; i < voiceCount && i < K_AUDIO_MAX_VOICES; i++)
        if (channels[i])
            Silence(channels[i]);
    playing = false;
}

void KAudioSource::sampleDoneCallback(MixChannel *channel, MixCommand *command) {
    KAudioSource *self = reinterpret_cast<KAudioSource *>(command->param2);
    if (!self || !self->playing)
        return;
    if (self->loop) {
        Mixer_Play(channel, self->soundHandles[0]);
        Mixer_DoCommand(channel, *command);
        self->playing = true;
    } else {
        self->playing = false;
    }
}
