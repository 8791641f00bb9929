// Fixture builders for the sound tests (see AudioFixtures.h).
#include "tests/audio/AudioFixtures.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>


namespace audiotest {

TempFolder::TempFolder() {
    char tmpl[] = "/tmp/zumbo-audio-XXXXXX";
    const char *made = mkdtemp(tmpl);
    path_ = made ? made : "/tmp/zumbo-audio-fallback";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

static void PutLe32(Bytes &b, uint32_t v) {
    for (int i = 0; i < 4; i++)
        b.push_back((uint8_t)(v >> (8 * i)));
}

static void PutLe16(Bytes &b, uint16_t v) {
    b.push_back((uint8_t)v);
    b.push_back((uint8_t)(v >> 8));
}

Bytes Chunk(const char *tag, const Bytes &body) {
    Bytes b(tag, tag + 4);
    PutLe32(b, (uint32_t)body.size());
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() & 1)
        b.push_back(0);
    return b;
}

Bytes FmtBody(uint16_t channels, uint32_t rate, uint16_t bits, bool withExtra) {
    Bytes b;
    PutLe16(b, 1);
    PutLe16(b, channels);
    PutLe32(b, rate);
    PutLe32(b, rate * channels * bits / 8);
    PutLe16(b, (uint16_t)(channels * bits / 8));
    PutLe16(b, bits);
    if (withExtra)
        PutLe16(b, 0);
    return b;
}

Bytes Riff(const std::vector<Bytes> &chunks) {
    Bytes body = {'W', 'A', 'V', 'E'};
    for (const Bytes &c : chunks)
        body.insert(body.end(), c.begin(), c.end());
    Bytes b = {'R', 'I', 'F', 'F'};
    PutLe32(b, (uint32_t)body.size());
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

Bytes Le16Samples(const std::vector<int16_t> &samples) {
    Bytes b;
    for (int16_t s : samples)
        PutLe16(b, (uint16_t)s);
    return b;
}

Bytes Wav16(uint16_t channels, uint32_t rate, const std::vector<int16_t> &samples) {
    return Riff({Chunk("fmt ", FmtBody(channels, rate, 16)), Chunk("data", Le16Samples(samples))});
}

Bytes Wav8(uint16_t channels, uint32_t rate, const Bytes &samples) {
    return Riff({Chunk("fmt ", FmtBody(channels, rate, 8)), Chunk("data", samples)});
}

bool WriteBytes(const std::string &path, const Bytes &bytes) {
    FILE *f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = bytes.empty() || fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

Bytes ReadBytes(const std::string &path) {
    Bytes b;
    FILE *f = fopen(path.c_str(), "rb");
    if (!f)
        return b;
    uint8_t buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        b.insert(b.end(), buf, buf + n);
    fclose(f);
    return b;
}

std::vector<float> Tone(int channels, long rate, int frames, double hz, double amplitude) {
    std::vector<float> v;
    for (int i = 0; i < frames; i++) {
        float s = (float)(amplitude * std::sin(2 * M_PI * hz * i / rate));
        v.push_back(s);
        if (channels == 2)
            v.push_back(-s);
    }
    return v;
}

std::vector<float> Noise(int channels, int frames, double amplitude) {
    std::vector<float> v;
    uint32_t state = 12345;
    for (int i = 0; i < frames * channels; i++) {
        state = state * 1664525u + 1013904223u;
        v.push_back((float)(amplitude * ((double)(state >> 8) / (1 << 23) - 1.0)));
    }
    return v;
}

static bool WritePages(ogg_stream_state *os, FILE *f, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(os, &page) : ogg_stream_pageout(os, &page)) {
        if (fwrite(page.header, 1, page.header_len, f) != (size_t)page.header_len ||
            fwrite(page.body, 1, page.body_len, f) != (size_t)page.body_len)
            return false;
    }
    return true;
}

bool EncodeOgg(const std::string &path, int channels, long rate, const std::vector<float> &interleaved) {
    FILE *f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, 0.6f) != 0) {
        vorbis_info_clear(&vi);
        fclose(f);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 1);
    ogg_packet header, comments, codes;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codes);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codes);
    bool ok = WritePages(&os, f, true);

    const size_t frames = interleaved.size() / channels;
    const size_t step = 1024;
    for (size_t at = 0;; at += step) {
        size_t n = at >= frames ? 0 : frames - at < step ? frames - at : step;
        if (n > 0) {
            float **buf = vorbis_analysis_buffer(&vd, (int)n);
            for (size_t i = 0; i < n; i++)
                for (int c = 0; c < channels; c++)
                    buf[c][i] = interleaved[(at + i) * channels + c];
        }
        vorbis_analysis_wrote(&vd, (int)n);   // 0 marks the end of the stream
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet)) {
                ogg_stream_packetin(&os, &packet);
                ok = ok && WritePages(&os, f, false);
            }
        }
        if (n == 0)
            break;
    }
    ok = ok && WritePages(&os, f, true);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return fclose(f) == 0 && ok;
}

std::vector<int16_t> DecodeOggFile(const std::string &path, int *channels, long *rate) {
    std::vector<int16_t> out;
    FILE *f = fopen(path.c_str(), "rb");
    if (!f)
        return out;
    OggVorbis_File vf;
    if (ov_open(f, &vf, nullptr, 0) != 0) {
        fclose(f);
        return out;
    }
    vorbis_info *vi = ov_info(&vf, -1);
    if (channels)
        *channels = vi->channels;
    if (rate)
        *rate = vi->rate;
    char buf[4096];
    int section = 0;
    long got;
    while ((got = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section)) > 0) {
        const int16_t *s = reinterpret_cast<const int16_t *>(buf);
        out.insert(out.end(), s, s + got / 2);
    }
    ov_clear(&vf);
    return out;
}

bool IsSilent(const std::vector<int16_t> &frames, size_t from, size_t to) {
    if (to > frames.size() / 2)
        to = frames.size() / 2;
    for (size_t i = from * 2; i < to * 2; i++)
        if (frames[i] != 0)
            return false;
    return true;
}

} // namespace audiotest
