// Fuzzes "al.raw", the highest level reached: any bytes read as the level, which is
// never below 1 whatever the file holds.
#include "frontend/Menu.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::Folder().write("al.raw", data, size);
    const int32_t level = Menu_ReadAllowLevel();
    FUZZ_CHECK(level >= 1);
    if (size >= 4) {
        const int32_t stored = (int32_t)((uint32_t)data[0] << 24 | (uint32_t)data[1] << 16 |
                                         (uint32_t)data[2] << 8 | data[3]);
        FUZZ_CHECK(level == (stored < 1 ? 1 : stored));
    } else {
        FUZZ_CHECK(level == 1);
    }
    return 0;
}
