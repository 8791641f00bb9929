// Test-side readers of the forged sounds: libvorbisfile decoding to floats and a strict
// RIFF walk of the WAV files.
#include "tests/forge_sound/SoundDecode.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace soundtest {

Decoded decodeOgg(const std::string &path) {
    Decoded d;
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) {
        d.error = "not an Ogg Vorbis file";
        return d;
    }
    const vorbis_info *info = ov_info(&vf, -1);
    d.channels = info->channels;
    d.rate = info->rate;
    d.samples.resize(size_t(d.channels));
    float **pcm = nullptr;
    int section = 0;
    long n;
    while ((n = ov_read_float(&vf, &pcm, 4096, &section)) > 0)
        for (int c = 0; c < d.channels; ++c)
            d.samples[size_t(c)].insert(d.samples[size_t(c)].end(), pcm[c], pcm[c] + n);
    ov_clear(&vf);
    if (n < 0) {
        d.error = "decoding error " + std::to_string(n);
        return d;
    }
    d.ok = true;
    return d;
}

namespace {
uint32_t u32(const std::vector<uint8_t> &b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t u16(const std::vector<uint8_t> &b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }
bool tagAt(const std::vector<uint8_t> &b, size_t at, const char *tag) {
    return at + 4 <= b.size() && std::memcmp(&b[at], tag, 4) == 0;
}
} // namespace

WavInfo parseWav(const std::vector<uint8_t> &b) {
    WavInfo w;
    if (b.size() < 12 || !tagAt(b, 0, "RIFF") || !tagAt(b, 8, "WAVE")) {
        w.error = "no RIFF/WAVE header";
        return w;
    }
    if (u32(b, 4) + 8 != b.size()) {
        w.error = "RIFF length does not match the file";
        return w;
    }
    bool haveFmt = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const uint32_t len = u32(b, at + 4);
        if (at + 8 + len > b.size()) {
            w.error = "a chunk runs past the end";
            return w;
        }
        if (tagAt(b, at, "fmt ") && len >= 16) {
            w.formatTag = u16(b, at + 8);
            w.channels = u16(b, at + 10);
            w.rate = long(u32(b, at + 12));
            w.bits = u16(b, at + 22);
            haveFmt = true;
        } else if (tagAt(b, at, "data")) {
            if (!haveFmt || w.bits != 16 || w.channels < 1) {
                w.error = "data before a 16-bit fmt chunk";
                return w;
            }
            for (size_t i = 0; i + 1 < len; i += size_t(2 * w.channels))
                w.samples.push_back(int16_t(u16(b, at + 8 + i)) / 32768.0f);
            w.ok = true;
            return w;
        }
        at += 8 + len + (len & 1);
    }
    w.error = "no data chunk";
    return w;
}

std::vector<uint8_t> readBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double rmsOf(const std::vector<float> &s, size_t from, size_t to) {
    to = std::min(to, s.size());
    if (from >= to)
        return 0.0;
    double sum = 0.0;
    for (size_t i = from; i < to; ++i)
        sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(to - from));
}

double peakOf(const std::vector<float> &s) {
    double p = 0.0;
    for (float x : s)
        p = std::max(p, double(std::fabs(x)));
    return p;
}

} // namespace soundtest
