// WAV and Ogg Vorbis writers of the sound forge. The Ogg stream serial is fixed and the
// encoder has no other input than the samples, so every build writes identical files.
#include "tools/forge/sound/AudioFiles.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace forge::sound {

namespace {

constexpr int kWavHeaderBytes = 44;
constexpr int kEncodeChunkFrames = 4096;

void putU32(Bytes &b, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void putU16(Bytes &b, uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void putTag(Bytes &b, const char *tag) { b.insert(b.end(), tag, tag + 4); }

int16_t toPcm16(float x) {
    const double v = std::clamp(double(x), -1.0, 1.0) * 32767.0;
    return static_cast<int16_t>(std::lround(v));
}

void appendPage(Bytes &out, const ogg_page &page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

// Hands every finished block to the bitstream and collects the pages it makes.
void drainEncoder(vorbis_dsp_state &dsp, vorbis_block &block, ogg_stream_state &stream, Bytes &out) {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
            ogg_stream_packetin(&stream, &packet);
            while (ogg_stream_pageout(&stream, &page))
                appendPage(out, page);
        }
    }
}

} // namespace

Bytes encodeWav(const Mono &samples, int rate) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    Bytes b;
    b.reserve(kWavHeaderBytes + dataBytes);
    putTag(b, "RIFF");
    putU32(b, 36 + dataBytes);
    putTag(b, "WAVE");
    putTag(b, "fmt ");
    putU32(b, 16);
    putU16(b, 1);               // PCM
    putU16(b, 1);               // mono
    putU32(b, static_cast<uint32_t>(rate));
    putU32(b, static_cast<uint32_t>(rate * 2));
    putU16(b, 2);               // block align
    putU16(b, 16);              // bits per sample
    putTag(b, "data");
    putU32(b, dataBytes);
    for (float x : samples)
        putU16(b, static_cast<uint16_t>(toPcm16(x)));
    return b;
}

Bytes encodeOgg(const std::vector<const Mono *> &channels, int rate, float quality, int serial) {
    Bytes out;
    const int count = static_cast<int>(channels.size());
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, count, rate, quality) != 0) {
        vorbis_info_clear(&info);
        return out;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", "ZumboRumble");
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, serial);

    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page))
        appendPage(out, page);

    const size_t frames = channels.front()->size();
    for (size_t pos = 0; pos < frames; pos += kEncodeChunkFrames) {
        const int n = static_cast<int>(std::min<size_t>(kEncodeChunkFrames, frames - pos));
        float **buffer = vorbis_analysis_buffer(&dsp, n);
        for (int c = 0; c < count; ++c)
            std::copy_n(channels[c]->data() + pos, n, buffer[c]);
        vorbis_analysis_wrote(&dsp, n);
        drainEncoder(dsp, block, stream, out);
    }
    vorbis_analysis_wrote(&dsp, 0);
    drainEncoder(dsp, block, stream, out);
    while (ogg_stream_flush(&stream, &page))
        appendPage(out, page);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

bool writeFile(const std::string &path, const Bytes &bytes) {
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace forge::sound
