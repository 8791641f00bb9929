// KAudioSource: one sound, either a sample decoded whole into memory or an Ogg Vorbis
// music stream decoded while it plays, with the mixer channels that play it.
#pragma once
#include <cstdint>

#ifndef OV_EXCLUDE_STATIC_CALLBACKS
#define OV_EXCLUDE_STATIC_CALLBACKS
#endif
#include <vorbis/vorbisfile.h>

#include "audio/Mixer.h"

enum EAudioKind : uint8_t { AUDIO_STREAM = 1, AUDIO_SAMPLE = 2 };

// The PCM format of a loaded sound, laid out like a WAV file's "fmt " record.
struct KAudioFormat {
    uint16_t formatTag;
    uint16_t channels;
    uint32_t samplesPerSec;
    uint32_t avgBytesPerSec;
    uint16_t blockAlign;
    uint16_t bitsPerSample;
    uint16_t extraSize;
};

const int K_AUDIO_MAX_VOICES = 10;
const int K_AUDIO_TEXT = 260;
const uint32_t K_STREAM_BUFFER_BYTES = 4096;

class KAudioSource {
public:
    KAudioSource();
    ~KAudioSource();
    KAudioSource(const KAudioSource &) = delete;
    KAudioSource &operator=(const KAudioSource &) = delete;

    // Loading (each load starts with release). Return 1 on success, 0 on failure.
    long loadSample(const char *path, long initialVolume, bool loopFlag, short voices);
    long loadStream(const char *path);
    void release();

    // Samples.
    void playSample();
    void stopVoice(int i);
    void stopVoices();

    // Streams.
    void playStream(bool loopFlag);
    void stopStream();

    void setVolume(int v);            // 0..100; negative re-sends the stored volume

    // The pieces the loaders share.
    uint8_t *makeSoundHandle(short channelCount, uint32_t rate, short bits, uint32_t n, int index);
    long readWholeFile(const char *path);
    uint32_t parseWave(uint8_t *bytes, long size);
    MixChannel *openChannel(EAudioKind kindOfChannel, int index);
    void closeChannels();
    void fillStreamBuffer(int i);

    // Decoder reads of the music file held in memory.
    static size_t memRead(void *destination, size_t size, size_t count, void *source);
    static int memSeek(void *source, ogg_int64_t offset, int whence);
    static int memClose(void *source);
    static long memTell(void *source);

    // Run by the mixer when a queued callBackCmd is reached (audio thread, lock held).
    static void streamBufferCallback(MixChannel *channel, MixCommand *command);
    static void sampleDoneCallback(MixChannel *channel, MixCommand *command);

    int16_t voiceCount;
    char errorText[K_AUDIO_TEXT];
    char name[K_AUDIO_TEXT];
    int32_t volume;
    EAudioKind kind;
    KAudioFormat *format;
    uint8_t *buffers[2];
    uint32_t length;
    KAudioFormat streamFormat;
    OggVorbis_File oggFile;
    bool oggOpen;
    MixChannel *channels[K_AUDIO_MAX_VOICES];
    uint8_t *soundHandles[2];
    int32_t currentBuffer;
    bool ended;
    bool playing;
    bool loop;
    uint32_t memPos;
    uint32_t memSize;
    uint8_t *fileData;

    static int instanceCount;
    static int16_t nextVoice;

private:
    long loadOggSample(const char *path);
    void disposeHandle(int index);
    void setError(const char *text);
};
