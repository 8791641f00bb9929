// Filling a KAudioSource from a file: sound buffers, whole-file reads, the two-search
// WAV parser, and samples decoded whole from WAV or Ogg Vorbis.
#include "audio/KAudioSource.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/platform/AudioDevice.h"

const uint32_t K_MAX_SAMPLE_BYTES = 64u << 20;   // a sound effect longer than this is cut
const int K_OGG_READ = 4096;
const int K_OGG_BIG_ENDIAN = 1, K_OGG_16_BIT = 2, K_OGG_SIGNED = 1;
const int K_WAV_FMT_BYTES = 16;                  // formatTag .. bitsPerSample
const uint16_t K_OGG_EXTRA_SIZE = 20;

uint8_t *KAudioSource::makeSoundHandle(short channelCount, uint32_t rate, short bits, uint32_t n, int index) {
    length = n;
    disposeHandle(index);
    soundHandles[index] = static_cast<uint8_t *>(calloc((size_t)n + MIX_HEADER_BYTES, 1));
    if (!soundHandles[index])
        return nullptr;
    long headerLength = 0;
    if (Mixer_SetupHeader(soundHandles[index], channelCount, rate, bits, n, &headerLength)) {
        setError("can't create sound header ( makeSoundHandle ) ");
        return nullptr;
    }
    return soundHandles[index] + headerLength;
}

long KAudioSource::readWholeFile(const char *path) {
    FILE *f = path ? fopen(path, "rb") : nullptr;
    if (!f)
        return 0;
    long size = -1;
    if (fseek(f, 0, SEEK_END) == 0)
        size = ftell(f);
    fseek(f, 0, SEEK_SET);
    free(fileData);
    fileData = nullptr;
    memPos = memSize = 0;
    if (size <= 0 || size > 0x7FFFFFFF) {
        fclose(f);
        return -1;
    }
    fileData = static_cast<uint8_t *>(malloc(size));
    size_t got = fileData ? fread(fileData, 1, size, f) : 0;
    fclose(f);
    if (got == 0) {
        free(fileData);
        fileData = nullptr;
        return -1;
    }
    memSize = (uint32_t)got;
    return (long)got;
}

static uint16_t Le16(const uint8_t *p) { return (uint16_t)(p[0] | p[1] << 8); }
static uint32_t Le32(const uint8_t *p) { return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24; }

// The first offset from 0 to size - 6 where tag stands, or -1.
static long FindTag(const uint8_t *bytes, long size, const char *tag) {
    for (long i = 0; i <= size - 6; i++)
        if (memcmp(bytes + i, tag, 4) == 0)
            return i;
    return -1;
}

uint32_t KAudioSource::parseWave(uint8_t *bytes, long size) {
    format = nullptr;
    buffers[0] = nullptr;
    length = 0;
    if (!bytes || size <= 0)
        return 0;
    long data = FindTag(bytes, size, "data");
    long fmt = FindTag(bytes, size, "fmt ");
    if (data < 0 || fmt < 0 || fmt + 8 + K_WAV_FMT_BYTES > size)
        return 0;
    // A length that runs past the end of the file is cut to the file.
    long start = data + 8;
    uint32_t declared = start <= size ? Le32(bytes + data + 4) : 0;
    uint32_t available = start <= size ? (uint32_t)(size - start) : 0;
    uint32_t n = declared < available ? declared : available;

    const uint8_t *f = bytes + fmt + 8;
    streamFormat.formatTag = Le16(f);
    streamFormat.channels = Le16(f + 2);
    streamFormat.samplesPerSec = Le32(f + 4);
    streamFormat.avgBytesPerSec = Le32(f + 8);
    streamFormat.blockAlign = Le16(f + 12);
    streamFormat.bitsPerSample = Le16(f + 14);
    streamFormat.extraSize = fmt + 8 + K_WAV_FMT_BYTES + 2 <= size ? Le16(f + 16) : 0;
    format = &streamFormat;

    buffers[0] = bytes + start;
    length = n;
    if (streamFormat.bitsPerSample != 8) {
        for (uint32_t i = 0; i + 1 < n; i += 2) {   // little-endian 16-bit to big-endian
            uint8_t t = buffers[0][i];
            buffers[0][i] = buffers[0][i + 1];
            buffers[0][i + 1] = t;
        }
    }
    return n;
}

long KAudioSource::loadSample(const char *path, long initialVolume, bool loopFlag, short voices) {
    {
        AudioLock lock;
        voiceCount = voices < 1 ? 1 : voices > K_AUDIO_MAX_VOICES ? K_AUDIO_MAX_VOICES : voices;
        strncpy(name, path ? path : "", K_AUDIO_TEXT - 1);
        name[K_AUDIO_TEXT - 1] = 0;
        kind = AUDIO_SAMPLE;
        release();
        closeChannels();
        disposeHandle(0);
        buffers[0] = nullptr;
        length = 0;
        loop = loopFlag;
        volume = initialVolume;
        playing = false;
    }
    if (!path)
        return 0;
    if (strstr(path, ".ogg"))
        return loadOggSample(path);

    if (readWholeFile(path) <= 0)
        return 0;
    if (parseWave(fileData, memSize) == 0) {
        release();
        return 0;
    }
    uint8_t *pcm = makeSoundHandle(format->channels, format->samplesPerSec, format->bitsPerSample, length, 0);
    if (!pcm) {
        release();
        return 0;
    }
    closeChannels();
    for (int i = 0; i < voiceCount; i++) {
        if (!openChannel(AUDIO_SAMPLE, i)) {
            release();
            return 0;
        }
    }
    memcpy(pcm, buffers[0], length);
    buffers[0] = pcm;
    free(fileData);
    fileData = nullptr;
    memPos = memSize = 0;
    return 1;
}

// Opens path as an Ogg Vorbis file; false (and the file closed) when it is not one.
static bool OpenOgg(const char *path, OggVorbis_File *vf) {
    FILE *f = fopen(path, "rb");
    if (!f)
        return false;
    if (ov_open(f, vf, nullptr, 0) != 0) {
        fclose(f);   // a failed open leaves the file to us
        return false;
    }
    return true;
}

// Decodes up to max bytes into dst, or with dst null only counts them (4096 at a time).
static uint32_t DecodeOgg(OggVorbis_File *vf, uint8_t *dst, uint32_t max) {
    char scratch[K_OGG_READ];
    uint32_t total = 0;
    int section = 0;
    while (total < max) {
        uint32_t room = max - total;
        uint32_t ask = dst ? room : room < (uint32_t)K_OGG_READ ? room : (uint32_t)K_OGG_READ;
        char *into = dst ? (char *)dst + total : scratch;
        long got = ov_read(vf, into, (int)ask, K_OGG_BIG_ENDIAN, K_OGG_16_BIT, K_OGG_SIGNED, &section);
        if (got <= 0)
            break;
        total += (uint32_t)got;
    }
    return total;
}

long KAudioSource::loadOggSample(const char *path) {
    release();
    OggVorbis_File vf;
    if (!OpenOgg(path, &vf))
        return 0;
    uint32_t count = DecodeOgg(&vf, nullptr, K_MAX_SAMPLE_BYTES);
    ov_clear(&vf);
    if (count == 0)
        return 0;
    length = count;

    if (!OpenOgg(path, &vf))
        return 0;
    vorbis_info *info = ov_info(&vf, -1);
    if (!info || info->channels < 1 || info->rate < 1) {
        ov_clear(&vf);
        return 0;
    }
    streamFormat.formatTag = 0;
    streamFormat.channels = (uint16_t)info->channels;
    streamFormat.samplesPerSec = (uint32_t)info->rate;
    streamFormat.bitsPerSample = 16;
    streamFormat.avgBytesPerSec = streamFormat.samplesPerSec * streamFormat.channels * 2;
    streamFormat.blockAlign = (uint16_t)(streamFormat.channels * 2);
    streamFormat.extraSize = K_OGG_EXTRA_SIZE;
    format = &streamFormat;

    closeChannels();
    for (int i = 0; i < voiceCount; i++)
        openChannel(AUDIO_SAMPLE, i);   // a voice that fails to open stays silent

    buffers[0] = makeSoundHandle((short)info->channels, (uint32_t)info->rate, 16, count, 0);
    if (!buffers[0]) {
        ov_clear(&vf);
        return 0;
    }
    uint32_t decoded = DecodeOgg(&vf, buffers[0], count);
    ov_clear(&vf);
    return decoded > 0 ? 1 : 0;
}
