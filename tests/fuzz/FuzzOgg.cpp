// Fuzzes Ogg Vorbis loading both ways the game does it: any bytes as a .ogg sample
// decoded whole, and as a music stream decoded while it plays (looping), mixed by the
// headless device for long enough to refill the stream's buffers several times.
// The sound pages of even-length inputs get their checksums mended first, so that
// mutations reach the decoder instead of stopping at the page check. Header pages keep
// theirs: the system's Vorbis decoder divides by zero on some damaged codebooks (see
// CMakeLists.txt), a fault in the library that no caller can guard against.
#include <cstring>
#include <vector>

#include <ogg/ogg.h>

#include "audio/KAudioSource.h"
#include "engine/platform/AudioDevice.h"
#include "tests/fuzz/FuzzSupport.h"

// Whether a page holds sound: a granule position past the headers', no header packet.
static bool SoundPage(const uint8_t *page, size_t headerLength, size_t bodyLength) {
    bool zero = true;
    for (int i = 6; i < 14; i++)
        zero = zero && page[i] == 0;
    const uint8_t *body = page + headerLength;
    for (size_t i = 0; i + 6 <= bodyLength; i++)
        if (std::memcmp(body + i, "vorbis", 6) == 0)
            return false;
    return !zero;
}

// Sets the checksum of every whole sound page found in bytes.
static void MendChecksums(std::vector<uint8_t> &bytes) {
    const size_t kHeader = 27;
    for (size_t at = 0; at + kHeader <= bytes.size();) {
        if (std::memcmp(&bytes[at], "OggS", 4) != 0) {
            at++;
            continue;
        }
        const size_t segments = bytes[at + 26];
        if (at + kHeader + segments > bytes.size())
            break;
        size_t body = 0;
        for (size_t i = 0; i < segments; i++)
            body += bytes[at + kHeader + i];
        const size_t headerLength = kHeader + segments;
        if (at + headerLength + body > bytes.size())
            break;
        if (!SoundPage(&bytes[at], headerLength, body)) {
            at += headerLength + body;
            continue;
        }
        ogg_page page;
        page.header = &bytes[at];
        page.header_len = (long)headerLength;
        page.body = &bytes[at + headerLength];
        page.body_len = (long)body;
        ogg_page_checksum_set(&page);
        at += headerLength + body;
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static KAudioSource keeper;   // keeps the mixer running between inputs
    (void)keeper;
    std::vector<uint8_t> file(data, data + size);
    if (size % 2 == 0)
        MendChecksums(file);
    const std::string path = fuzz::Folder().write("sound.ogg", file.data(), file.size());
    std::vector<int16_t> out(2 * 4096);
    {
        KAudioSource sample;
        if (sample.loadSample(path.c_str(), 80, false, 2) == 1) {
            FUZZ_CHECK(sample.format != nullptr && sample.buffers[0] != nullptr);
            sample.playSample();
            AudioDevice_Pull(out.data(), 4096);
        }
    }
    {
        KAudioSource music;
        if (music.loadStream(path.c_str()) == 1) {
            FUZZ_CHECK(music.format != nullptr && music.buffers[0] && music.buffers[1]);
            music.playStream(true);
            for (int i = 0; i < 6; i++)
                AudioDevice_Pull(out.data(), 4096);
            music.setVolume(30);
            music.stopStream();
            AudioDevice_Pull(out.data(), 512);
        }
    }
    return 0;
}
