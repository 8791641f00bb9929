// The channel mixer: a fixed table of channels, each playing its queue in order, mixed
// with linear resampling into the device's 44.1 kHz stereo frames and clipped to 16 bits.
// Every entry point takes the device lock, which the device also holds while it mixes.
#include "audio/Mixer.h"

#include <cstring>

#include "engine/platform/AudioDevice.h"

// Written at the start of every sound block, ahead of its PCM.
struct MixSoundHeader {
    uint32_t length;       // PCM bytes
    uint32_t rate;         // Hz
    uint16_t channels;
    uint16_t bits;
};
const long MIX_HEADER_LENGTH = 32;
static_assert(sizeof(MixSoundHeader) <= MIX_HEADER_LENGTH && MIX_HEADER_LENGTH <= MIX_HEADER_BYTES,
              "the header must fit in front of the PCM");

const int MIX_FULL_LEVEL = 255;
const int MIX_MAX_STEPS = 64;    // commands one channel may run in one mix call

struct MixChannel {
    bool used;
    MixCallback callback;
    MixCommand queue[MIX_QUEUE_SIZE];
    int head, count;
    // The buffer playing now: pcm is null when the channel is silent.
    const uint8_t *pcm;
    uint32_t frames;
    uint16_t channels, bits;
    uint64_t pos, step;    // source frames, 32.32 fixed point
    int levelLeft, levelRight;
};

static MixChannel mixChannels[MIX_MAX_CHANNELS];
static int32_t mixAccum[AUDIO_DEVICE_MAX_FRAMES * AUDIO_DEVICE_CHANNELS];

int Mixer_SetupHeader(void *block, short channels, uint32_t rate, short bits, uint32_t length,
                      long *headerLength) {
    if (!block || channels < 1 || channels > 2 || (bits != 8 && bits != 16) || rate < 1 ||
        rate > (uint32_t)MIX_MAX_RATE)
        return -1;
    MixSoundHeader header = {length, rate, (uint16_t)channels, (uint16_t)bits};
    memcpy(block, &header, sizeof header);
    if (headerLength)
        *headerLength = MIX_HEADER_LENGTH;
    return 0;
}

static bool ChannelValid(const MixChannel *channel) {
    return channel && channel >= mixChannels && channel < mixChannels + MIX_MAX_CHANNELS && channel->used;
}

MixChannel *Mixer_NewChannel(short synth, long, MixCallback callback) {
    if (synth != sampledSynth)
        return nullptr;
    AudioLock lock;
    for (MixChannel &c : mixChannels) {
        if (c.used)
            continue;
        memset(&c, 0, sizeof c);
        c.used = true;
        c.callback = callback;
        c.levelLeft = c.levelRight = MIX_FULL_LEVEL;
        return &c;
    }
    return nullptr;
}

void Mixer_DisposeChannel(MixChannel *channel, bool) {
    AudioLock lock;
    if (ChannelValid(channel))
        memset(channel, 0, sizeof *channel);
}

static void StopSound(MixChannel &c) {
    c.pcm = nullptr;
    c.pos = 0;
}

static int ClampLevel(intptr_t level) {
    level &= 0xFFFF;
    return level > MIX_FULL_LEVEL ? MIX_FULL_LEVEL : (int)level;
}

static void StartBuffer(MixChannel &c, const uint8_t *block) {
    MixSoundHeader header;
    memcpy(&header, block, sizeof header);
    uint32_t frameBytes = header.channels * (header.bits / 8);
    c.frames = frameBytes ? header.length / frameBytes : 0;
    if (c.frames == 0)
        return;
    c.pcm = block + MIX_HEADER_LENGTH;
    c.channels = header.channels;
    c.bits = header.bits;
    c.step = ((uint64_t)header.rate << 32) / AUDIO_DEVICE_RATE;
}

// Acts on one command now; a callback gets its own copy, which it may queue again.
static void RunCommand(MixChannel &c, MixCommand command) {
    switch (command.cmd) {
    case quietCmd:
    case reInitCmd:
        StopSound(c);
        break;
    case flushCmd:
        c.head = c.count = 0;
        break;
    case volumeCmd:
        c.levelLeft = ClampLevel(command.param2);
        c.levelRight = ClampLevel(command.param2 >> 16);
        break;
    case bufferCmd:
        StopSound(c);
        StartBuffer(c, reinterpret_cast<const uint8_t *>(command.param2));
        break;
    case callBackCmd:
        if (c.callback)
            c.callback(&c, &command);
        break;
    default:
        break;
    }
}

static int Enqueue(MixChannel &c, const MixCommand &command) {
    if (c.count == MIX_QUEUE_SIZE)
        return -1;
    c.queue[(c.head + c.count) % MIX_QUEUE_SIZE] = command;
    c.count++;
    return 0;
}

int Mixer_Play(MixChannel *channel, const void *soundBlock) {
    AudioLock lock;
    if (!ChannelValid(channel) || !soundBlock)
        return -1;
    MixCommand command = {bufferCmd, 0, reinterpret_cast<intptr_t>(soundBlock)};
    return Enqueue(*channel, command);
}

// A control command sent to a silent channel has nothing to wait behind: it acts at once.
int Mixer_DoCommand(MixChannel *channel, const MixCommand &command) {
    AudioLock lock;
    if (!ChannelValid(channel))
        return -1;
    bool control = command.cmd == quietCmd || command.cmd == flushCmd || command.cmd == reInitCmd ||
                   command.cmd == volumeCmd;
    if (control && !channel->pcm) {
        RunCommand(*channel, command);
        return 0;
    }
    return Enqueue(*channel, command);
}

int Mixer_DoImmediate(MixChannel *channel, const MixCommand &command) {
    AudioLock lock;
    if (!ChannelValid(channel))
        return -1;
    RunCommand(*channel, command);
    return 0;
}

// --- mixing ---------------------------------------------------------------------------

template <int BITS, int CHANNELS>
static inline void ReadFrame(const uint8_t *pcm, uint32_t i, int &left, int &right) {
    if (BITS == 16) {
        const uint8_t *p = pcm + (size_t)i * 2 * CHANNELS;
        left = (int16_t)((p[0] << 8) | p[1]);
        right = CHANNELS == 2 ? (int16_t)((p[2] << 8) | p[3]) : left;
    } else {
        const uint8_t *p = pcm + (size_t)i * CHANNELS;
        left = (p[0] - 128) * 256;
        right = CHANNELS == 2 ? (p[1] - 128) * 256 : left;
    }
}

// Mixes up to n frames of the playing buffer into acc; returns the frames written and
// drops the buffer when it is used up (keeping the fraction of a step for the next one).
template <int BITS, int CHANNELS>
static int MixFrames(MixChannel &c, int32_t *acc, int n) {
    const uint64_t end = (uint64_t)c.frames << 32;
    const uint32_t last = c.frames - 1;
    const int gainLeft = c.levelLeft * 257, gainRight = c.levelRight * 257;   // level / 255, 16.16
    uint64_t pos = c.pos;
    int i = 0;
    const uint64_t one = (uint64_t)1 << 32;
    if (gainLeft == 0 && gainRight == 0) {
        uint64_t left = pos < end ? (end - pos + c.step - 1) / c.step : 0;   // frames until the end
        i = left < (uint64_t)n ? (int)left : n;
        pos += c.step * i;
    } else if (c.step == one && (pos & (one - 1)) == 0) {
        // Already at the device rate: no interpolation.
        uint32_t at = (uint32_t)(pos >> 32);
        for (; i < n && at < c.frames; ++i, ++at) {
            int left, right;
            ReadFrame<BITS, CHANNELS>(c.pcm, at, left, right);
            acc[2 * i] += (left * gainLeft) >> 16;
            acc[2 * i + 1] += (right * gainRight) >> 16;
        }
        pos = (uint64_t)at << 32;
    } else {
        for (; i < n && pos < end; ++i, pos += c.step) {
            uint32_t at = (uint32_t)(pos >> 32);
            int frac = (int)((pos >> 17) & 0x7FFF);
            int l0, r0, l1, r1;
            ReadFrame<BITS, CHANNELS>(c.pcm, at, l0, r0);
            ReadFrame<BITS, CHANNELS>(c.pcm, at < last ? at + 1 : at, l1, r1);
            int left = l0 + (((l1 - l0) * frac) >> 15);
            int right = r0 + (((r1 - r0) * frac) >> 15);
            acc[2 * i] += (left * gainLeft) >> 16;
            acc[2 * i + 1] += (right * gainRight) >> 16;
        }
    }
    c.pos = pos;
    if (pos >= end) {
        c.pos = pos - end;
        c.pcm = nullptr;
    }
    return i;
}

static int MixBuffer(MixChannel &c, int32_t *acc, int n) {
    if (c.bits == 16)
        return c.channels == 2 ? MixFrames<16, 2>(c, acc, n) : MixFrames<16, 1>(c, acc, n);
    return c.channels == 2 ? MixFrames<8, 2>(c, acc, n) : MixFrames<8, 1>(c, acc, n);
}

// Plays the channel's queue for frames frames: buffers are mixed, commands run as they
// are reached, callbacks included, so a buffer queued by a callback follows without a gap.
static void RenderChannel(MixChannel &c, int32_t *acc, int frames) {
    int done = 0;
    int steps = 0;
    while (done < frames && c.used) {
        if (c.pcm) {
            done += MixBuffer(c, acc + 2 * done, frames - done);
            continue;
        }
        if (c.count == 0 || ++steps > MIX_MAX_STEPS)
            return;
        MixCommand command = c.queue[c.head];
        c.head = (c.head + 1) % MIX_QUEUE_SIZE;
        c.count--;
        if (command.cmd == bufferCmd)
            StartBuffer(c, reinterpret_cast<const uint8_t *>(command.param2));
        else
            RunCommand(c, command);
    }
}

static int16_t Clip(int32_t v) {
    return v > 32767 ? 32767 : v < -32768 ? -32768 : (int16_t)v;
}

void Mixer_Render(int16_t *out, int frames) {
    AudioLock lock;
    while (frames > 0) {
        int n = frames < AUDIO_DEVICE_MAX_FRAMES ? frames : AUDIO_DEVICE_MAX_FRAMES;
        memset(mixAccum, 0, sizeof(int32_t) * n * AUDIO_DEVICE_CHANNELS);
        for (MixChannel &c : mixChannels)
            if (c.used)
                RenderChannel(c, mixAccum, n);
        for (int i = 0; i < n * AUDIO_DEVICE_CHANNELS; i++)
            out[i] = Clip(mixAccum[i]);
        out += n * AUDIO_DEVICE_CHANNELS;
        frames -= n;
    }
}

void Mixer_Start() { AudioDevice_Open(Mixer_Render); }

void Mixer_Stop() { AudioDevice_Close(); }

int Mixer_ChannelsInUse() {
    AudioLock lock;
    int n = 0;
    for (const MixChannel &c : mixChannels)
        n += c.used;
    return n;
}

bool Mixer_ChannelSounding(const MixChannel *channel) {
    AudioLock lock;
    return ChannelValid(channel) && (channel->pcm || channel->count > 0);
}
