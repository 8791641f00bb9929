// Reading the forged sound files back for the tests: Ogg Vorbis through libvorbisfile,
// WAV by walking its RIFF chunks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundtest {

struct Decoded {
    bool ok = false;
    std::string error;
    int channels = 0;
    long rate = 0;
    std::vector<std::vector<float>> samples;  // one vector per channel
    size_t frames() const { return samples.empty() ? 0 : samples[0].size(); }
};

Decoded decodeOgg(const std::string &path);

struct WavInfo {
    bool ok = false;
    std::string error;
    int formatTag = 0, channels = 0, bits = 0;
    long rate = 0;
    std::vector<float> samples;  // the first channel
};

WavInfo parseWav(const std::vector<uint8_t> &bytes);

std::vector<uint8_t> readBytes(const std::string &path);
double rmsOf(const std::vector<float> &s, size_t from, size_t to);
double peakOf(const std::vector<float> &s);

} // namespace soundtest
