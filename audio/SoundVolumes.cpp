// The effect and music volumes, and "prefvol.raw", which keeps the two volume steps
// between runs as two big-endian 32-bit integers: effects first, then music.
#include <cstdint>
#include <cstdio>

#include "audio/KAudioSource.h"
#include "audio/Sound.h"
#include "engine/KMiscTools.h"
#include "shell/Vuz.h"

const int VOLUME_STEP = 10;
const int VOLUME_MAX_STEP = 9;
const int DEFAULT_MUSIC_STEP = 8;
const int DEFAULT_SAMPLE_STEP = 5;
const int PREFVOL_BYTES = 8;
const int START_STEP = 8;   // until the menu reads the preferences
static const char *const PREFVOL_FILE = "prefvol.raw";

int vol_music = START_STEP;
int vol_sample = START_STEP;
int gSampleVolume = START_STEP * VOLUME_STEP;

void Sound_SetGlobalVolumes(short music, short sample) {
    vol_music = music / VOLUME_STEP;
    gSampleVolume = sample;
    if (module)
        module->setVolume(music);
}

static int32_t GetBigEndian(const uint8_t *p) {
    return (int32_t)((uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3]);
}

static void PutBigEndian(uint8_t *p, int32_t v) {
    uint32_t u = (uint32_t)v;
    p[0] = (uint8_t)(u >> 24);
    p[1] = (uint8_t)(u >> 16);
    p[2] = (uint8_t)(u >> 8);
    p[3] = (uint8_t)u;
}

// A step from the file outside 0..9 (a damaged file) is brought back into range.
static int ClampStep(int32_t step) {
    return step < 0 ? 0 : step > VOLUME_MAX_STEP ? VOLUME_MAX_STEP : step;
}

void LoadDefaultVolumes() {
    vol_music = DEFAULT_MUSIC_STEP;
    vol_sample = DEFAULT_SAMPLE_STEP;
    FILE *f = fopen(Vuz_MakeFilePath(PREFVOL_FILE), "rb");
    if (f) {
        uint8_t bytes[PREFVOL_BYTES];
        // A file shorter than its 8 bytes counts as missing.
        if (fread(bytes, 1, PREFVOL_BYTES, f) == (size_t)PREFVOL_BYTES) {
            vol_sample = ClampStep(GetBigEndian(bytes));
            vol_music = ClampStep(GetBigEndian(bytes + 4));
        }
        fclose(f);
    }
    Sound_SetGlobalVolumes((short)(vol_music * VOLUME_STEP), (short)(vol_sample * VOLUME_STEP));
}

void SaveDefaultVolumes() {
    uint8_t bytes[PREFVOL_BYTES];
    PutBigEndian(bytes, vol_sample);
    PutBigEndian(bytes + 4, vol_music);
    KMiscTools::writeFileAtomically(Vuz_MakeFilePath(PREFVOL_FILE), bytes, PREFVOL_BYTES);
}
