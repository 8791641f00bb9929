// Fuzzes the window-mode file data/fullscreen.stt: any bytes read as the mode byte, and
// the byte written back reads the same.
#include "shell/Dialog.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::Folder().write("data/fullscreen.stt", data, size);
    const unsigned char mode = Dialog_ReadModeByte();
    FUZZ_CHECK(mode == (size ? data[0] : 0));
    Dialog_WriteModeByte(static_cast<unsigned char>(mode ^ 1));
    FUZZ_CHECK(Dialog_ReadModeByte() == static_cast<unsigned char>(mode ^ 1));
    return 0;
}
