// Music streams: an Ogg Vorbis file held whole in memory, decoded 4096 bytes at a time
// into two buffers that the mixer's callback plays in turn and refills.
#include "audio/KAudioSource.h"

#include <cstdlib>
#include <cstring>

#include "engine/platform/AudioDevice.h"

const int K_OGG_BIG_ENDIAN = 1, K_OGG_16_BIT = 2, K_OGG_SIGNED = 1;
const uint16_t K_STREAM_FORMAT_TAG = 1;
const uint16_t K_STREAM_EXTRA_SIZE = 20;
const int K_SEEK_SET = 0, K_SEEK_CUR = 1, K_SEEK_END = 2;

size_t KAudioSource::memRead(void *destination, size_t size, size_t count, void *source) {
    KAudioSource *self = static_cast<KAudioSource *>(source);
    if (!self || !destination || size == 0 || self->memPos >= self->memSize)
        return 0;
    uint64_t n = (uint64_t)size * count;
    if (count != 0 && n / count != size)
        return 0;
    if (self->memPos + n >= self->memSize)
        n = self->memSize - self->memPos;
    memcpy(destination, self->fileData + self->memPos, n);
    self->memPos += (uint32_t)n;
    return n / size;
}

int KAudioSource::memSeek(void *source, ogg_int64_t offset, int whence) {
    KAudioSource *self = static_cast<KAudioSource *>(source);
    if (!self)
        return -1;
    int64_t base;
    switch (whence) {
    case K_SEEK_SET: base = 0; break;
    case K_SEEK_CUR: base = self->memPos; break;
    case K_SEEK_END: base = self->memSize; break;
    default: return 0;
    }
    int64_t to = base + (int32_t)(uint32_t)offset;   // only the low 32 bits of the offset count
    if (to < 0)
        to = 0;
    if (to > self->memSize)
        to = self->memSize;
    self->memPos = (uint32_t)to;
    return 0;
}

int KAudioSource::memClose(void *) { return -1; }

long KAudioSource::memTell(void *source) {
    KAudioSource *self = static_cast<KAudioSource *>(source);
    return self ? (long)self->memPos : -1;
}

long KAudioSource::loadStream(const char *path) {
    {
        AudioLock lock;
        strncpy(name, path ? path : "", K_AUDIO_TEXT - 1);
        name[K_AUDIO_TEXT - 1] = 0;
        kind = AUDIO_STREAM;
        release();
        playing = false;
    }
    if (readWholeFile(path) <= 0)
        return 0;
    ov_callbacks callbacks = {memRead, memSeek, memClose, memTell};
    if (ov_open_callbacks(this, &oggFile, nullptr, 0, callbacks) != 0)
        return 0;
    oggOpen = true;
    vorbis_info *info = ov_info(&oggFile, -1);
    if (!info || info->channels < 1 || info->rate < 1)
        return 0;
    streamFormat.formatTag = K_STREAM_FORMAT_TAG;
    streamFormat.channels = (uint16_t)info->channels;
    streamFormat.samplesPerSec = (uint32_t)info->rate;
    streamFormat.bitsPerSample = 16;
    streamFormat.avgBytesPerSec = streamFormat.samplesPerSec * streamFormat.channels * 2;
    streamFormat.blockAlign = (uint16_t)(streamFormat.channels * 2);
    streamFormat.extraSize = K_STREAM_EXTRA_SIZE;
    format = &streamFormat;

    closeChannels();
    if (!openChannel(AUDIO_STREAM, 0))
        return 0;
    buffers[0] = makeSoundHandle((short)info->channels, (uint32_t)info->rate, 16, K_STREAM_BUFFER_BYTES, 0);
    buffers[1] = makeSoundHandle((short)info->channels, (uint32_t)info->rate, 16, K_STREAM_BUFFER_BYTES, 1);
    if (!buffers[0] || !buffers[1]) {
        closeChannels();   // a stream without both buffers stays silent
        return 0;
    }
    ov_time_seek(&oggFile, 0.0);
    currentBuffer = 0;
    fillStreamBuffer(0);
    fillStreamBuffer(1);
    return 1;
}

void KAudioSource::fillStreamBuffer(int i) {
    AudioLock lock;
    if (!channels[0] || i < 0 || i > 1)
        return;
    if (ended) {
        stopStream();
        return;
    }
    uint8_t *dst = buffers[i];
    if (!dst || !oggOpen)
        return;
    memset(dst, 0, K_STREAM_BUFFER_BYTES);
    uint32_t filled = 0;
    long got = 0;
    int section = 0;
    while (filled < K_STREAM_BUFFER_BYTES) {
        got = ov_read(&oggFile, (char *)dst + filled, (int)(K_STREAM_BUFFER_BYTES - filled), K_OGG_BIG_ENDIAN,
                      K_OGG_16_BIT, K_OGG_SIGNED, &section);
        if (got <= 0)
            break;
        filled += (uint32_t)got;
    }
    if (got < 0)
        memset(dst, 0, K_STREAM_BUFFER_BYTES);   // a decoding error plays as silence
    if (got == 0) {
        if (loop)
            ov_time_seek(&oggFile, 0.0);   // the rest of this buffer stays silent
        else
            ended = true;
    }
}

void KAudioSource::playStream(bool loopFlag) {
    AudioLock lock;
    if (!channels[0])
        return;
    stopStream();
    if (oggOpen)
        ov_time_seek(&oggFile, 0.0);
    currentBuffer = 0;
    ended = false;
    loop = loopFlag;
    fillStreamBuffer(0);
    fillStreamBuffer(1);
    Mixer_Play(channels[0], soundHandles[0]);
    MixCommand next = {callBackCmd, 0, reinterpret_cast<intptr_t>(this)};
    Mixer_DoCommand(channels[0], next);
    playing = true;
    setVolume(volume);
}

void KAudioSource::stopStream() {
    AudioLock lock;
    if (kind != AUDIO_STREAM || !channels[0])
        return;
    MixCommand quiet = {quietCmd, 0, 0}, flush = {flushCmd, 0, 0}, reInit = {reInitCmd, 0, 0};
    Mixer_DoImmediate(channels[0], quiet);
    Mixer_DoCommand(channels[0], flush);
    Mixer_DoCommand(channels[0], reInit);
    for (int i = 0; i < 2; i++)
        if (soundHandles[i] && buffers[i])
            memset(buffers[i], 0, K_STREAM_BUFFER_BYTES);
    playing = false;
    ended = true;
}

// The buffer that has just finished is refilled while the other one plays. A stream
// that met its end in an earlier fill has nothing left to decode: the buffer queued now
// holds its last sound, and nothing follows it.
void KAudioSource::streamBufferCallback(MixChannel *channel, MixCommand *command) {
    KAudioSource *self = reinterpret_cast<KAudioSource *>(command->param2);
    if (!self || !self->playing)
        return;
    int refill = self->currentBuffer;
    self->currentBuffer = 1 - refill;
    Mixer_Play(channel, self->soundHandles[self->currentBuffer]);
    if (self->ended) {
        self->playing = false;
        return;
    }
    self->fillStreamBuffer(refill);
    Mixer_DoCommand(channel, *command);
    self->playing = true;
}
