// The channel mixer under the sound engine: channels, each with a queue of sound buffers
// and commands played in order, immediate commands, a callback when a queued callBackCmd
// is reached, and the mix of every channel into the device's 44.1 kHz stereo output.
#pragma once
#include <cstddef>
#include <cstdint>

// Channel commands (the numbers are the engine's own command codes).
enum EMixCommand {
    quietCmd = 3,      // stop the sound playing now
    flushCmd = 4,      // empty the queue
    reInitCmd = 5,     // reset the channel
    callBackCmd = 13,  // call the channel's callback when reached; param2 carries the caller's object
    volumeCmd = 46,    // param2: right level in the high 16 bits, left level in the low 16 (0..255)
    bufferCmd = 81     // play one sound buffer (queued by Mixer_Play)
};
const short sampledSynth = 5;

struct MixCommand {
    uint16_t cmd;
    int16_t param1;
    intptr_t param2;
};

struct MixChannel;
typedef void (*MixCallback)(MixChannel *channel, MixCommand *command);

const int MIX_MAX_CHANNELS = 128;
const int MIX_QUEUE_SIZE = 16;
const int MIX_HEADER_BYTES = 100;          // room kept in front of the PCM of every sound buffer
const int MIX_MAX_RATE = 768000;

// Sound buffers: one block holding a header and then the PCM (16-bit signed big-endian
// or 8-bit unsigned, 1 or 2 channels, 1..MIX_MAX_RATE Hz). Returns 0, or -1 when the
// format cannot be played (nothing written then).
int Mixer_SetupHeader(void *block, short channels, uint32_t rate, short bits, uint32_t length,
                      long *headerLength);

// Channels; null when the synth is not sampledSynth or every channel is in use.
MixChannel *Mixer_NewChannel(short synth, long init, MixCallback callback);
void Mixer_DisposeChannel(MixChannel *channel, bool quietNow);   // no callback runs afterwards
int Mixer_Play(MixChannel *channel, const void *soundBlock);      // queued behind what is queued
int Mixer_DoCommand(MixChannel *channel, const MixCommand &command);
int Mixer_DoImmediate(MixChannel *channel, const MixCommand &command);

// The device: opened with the first sound object and closed with the last.
void Mixer_Start();
void Mixer_Stop();
void Mixer_Render(int16_t *out, int frames);   // the device's mix function

// For tests and benchmarks.
int Mixer_ChannelsInUse();
bool Mixer_ChannelSounding(const MixChannel *channel);   // a buffer is playing or queued
