// Test fixtures for the sound engine: a throw-away folder, WAV files built chunk by
// chunk, small Ogg Vorbis files encoded on the spot, reference decodes and pulled output.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace audiotest {

typedef std::vector<uint8_t> Bytes;

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// WAV pieces: chunks are little-endian tag, length, body (padded to even length).
Bytes Chunk(const char *tag, const Bytes &body);
Bytes FmtBody(uint16_t channels, uint32_t rate, uint16_t bits, bool withExtra = false);
Bytes Riff(const std::vector<Bytes> &chunks);
Bytes Le16Samples(const std::vector<int16_t> &samples);
Bytes Wav16(uint16_t channels, uint32_t rate, const std::vector<int16_t> &samples);
Bytes Wav8(uint16_t channels, uint32_t rate, const Bytes &samples);
bool WriteBytes(const std::string &path, const Bytes &bytes);
Bytes ReadBytes(const std::string &path);

// A sine of the given length (frames) and amplitude 0..1, the same on every channel
// except that the right channel is inverted; encoded at good quality.
bool EncodeOgg(const std::string &path, int channels, long rate, const std::vector<float> &interleaved);
std::vector<float> Tone(int channels, long rate, int frames, double hz, double amplitude);
// Deterministic noise: encodes to many pages, so a file cut short keeps whole pages.
std::vector<float> Noise(int channels, int frames, double amplitude);
// The whole stream decoded as the game decodes it (16-bit), in host order; empty on failure.
std::vector<int16_t> DecodeOggFile(const std::string &path, int *channels = nullptr, long *rate = nullptr);

// Mixed output from the headless device: frames stereo frames (HeadlessPull.cpp).
std::vector<int16_t> Pull(int frames);
bool IsSilent(const std::vector<int16_t> &frames, size_t from = 0, size_t to = SIZE_MAX);

} // namespace audiotest
