// Fuzzes "prefvol.raw": any bytes read as the two volume steps, which must land inside
// 0..9 whatever the file holds, and come back the same once saved.
#include "audio/Sound.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::Folder().write("prefvol.raw", data, size);
    LoadDefaultVolumes();
    FUZZ_CHECK(vol_music >= 0 && vol_music <= 9 && vol_sample >= 0 && vol_sample <= 9);
    const int music = vol_music, sample = vol_sample;
    SaveDefaultVolumes();
    LoadDefaultVolumes();
    FUZZ_CHECK(vol_music == music && vol_sample == sample);
    return 0;
}
