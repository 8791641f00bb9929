// Writing sounds to disk: 16-bit PCM WAV files and Ogg Vorbis files encoded with
// libvorbisenc under a fixed stream serial, so the same samples give the same bytes.
#pragma once

#include "tools/forge/sound/SoundKit.h"

#include <cstdint>
#include <string>
#include <vector>

namespace forge::sound {

using Bytes = std::vector<uint8_t>;

Bytes encodeWav(const Mono &samples, int rate);
// channels: one Mono per channel, all the same length. quality: vorbis VBR, -0.1..1.
Bytes encodeOgg(const std::vector<const Mono *> &channels, int rate, float quality, int serial);

bool writeFile(const std::string &path, const Bytes &bytes);

} // namespace forge::sound
