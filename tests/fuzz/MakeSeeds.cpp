// Writes the binary seed files of the fuzz targets into one folder per target: small
// pictures, level maps, WAV and Ogg Vorbis sounds, and a high-score table. Built and
// run at build time, so only these recipes live in the source tree.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <SDL.h>
#include <SDL_image.h>
#include <vorbis/vorbisenc.h>

#include "frontend/HighScores.h"
#include "level/Level.h"

typedef std::vector<uint8_t> Bytes;

static std::string root;

static void Save(const std::string &target, const std::string &name, const Bytes &bytes) {
    std::filesystem::create_directories(root + "/" + target);
    const std::string path = root + "/" + target + "/" + name;
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::fclose(f);
}

static void Put16(Bytes &b, uint16_t v) {
    b.push_back(v & 0xFF);
    b.push_back(v >> 8);
}
static void Put32(Bytes &b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// --- pictures -------------------------------------------------------------------------

// A BMP with a 40-byte info header; rows bottom-up unless topDown, padded to 4 bytes.
static Bytes Bmp(int w, int h, int bits, bool topDown, uint32_t compression = 0, const Bytes &palette = {},
                 const Bytes &pixelData = {}) {
    const int rowBytes = ((w * bits + 31) / 32) * 4;
    Bytes pixels = pixelData;
    if (pixels.empty()) {
        pixels.assign((size_t)rowBytes * h, 0);
        for (int y = 0; y < h; y++)
            for (int x = 0; x < rowBytes; x++)
                pixels[(size_t)y * rowBytes + x] = (uint8_t)(x * 37 + y * 11);
    }
    const uint32_t offset = 14 + 40 + (uint32_t)palette.size();
    Bytes b = {'B', 'M'};
    Put32(b, offset + (uint32_t)pixels.size());
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, (uint32_t)w);
    Put32(b, topDown ? (uint32_t)-h : (uint32_t)h);
    Put16(b, 1);
    Put16(b, (uint16_t)bits);
    Put32(b, compression);
    Put32(b, (uint32_t)pixels.size());
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, (uint32_t)palette.size() / 4);
    Put32(b, 0);
    b.insert(b.end(), palette.begin(), palette.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

static Bytes Jpeg(int w, int h, int quality) {
    SDL_Surface *s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    if (!s)
        std::exit(1);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w * 3; x++)
            ((uint8_t *)s->pixels)[y * s->pitch + x] = (uint8_t)(x * 29 + y * 13);
    std::vector<uint8_t> buffer(1 << 16);
    SDL_RWops *rw = SDL_RWFromMem(buffer.data(), (int)buffer.size());
    if (IMG_SaveJPG_RW(s, rw, 0, quality) != 0) {
        std::fprintf(stderr, "JPEG seed: %s\n", IMG_GetError());
        std::exit(1);
    }
    buffer.resize((size_t)SDL_RWtell(rw));
    SDL_RWclose(rw);
    SDL_FreeSurface(s);
    return buffer;
}

static void Pictures() {
    Save("picture", "rgb24.bmp", Bmp(5, 3, 24, false));
    Save("picture", "topdown24.bmp", Bmp(3, 4, 24, true));
    Save("picture", "argb32.bmp", Bmp(4, 2, 32, false));
    Bytes palette;
    for (int i = 0; i < 4; i++)
        palette.insert(palette.end(), {(uint8_t)(i * 60), (uint8_t)(255 - i * 60), (uint8_t)(i * 20), 0});
    Save("picture", "pal8.bmp", Bmp(6, 2, 8, false, 0, palette));
    Save("picture", "pal4.bmp", Bmp(7, 3, 4, false, 0, palette));
    Save("picture", "mono1.bmp", Bmp(9, 2, 1, false, 0, Bytes(palette.begin(), palette.begin() + 8)));
    // Run-length coded: a run, an absolute run, end of line, end of picture.
    const Bytes rle8 = {3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 2, 3, 0, 0, 0, 1};
    Save("picture", "rle8.bmp", Bmp(5, 2, 8, false, 1, palette, rle8));
    Save("picture", "small.jpg", Jpeg(8, 8, 75));
    Save("picture", "odd.jpg", Jpeg(17, 9, 30));
}

// --- level maps -----------------------------------------------------------------------

static void Maps() {
    LevelData map;
    std::memset(&map, 0, sizeof(map));
    map.gravity = 0.02f;
    map.maxBallSpeed = 4.0f;
    map.speedIncrement = 0.1f;
    std::snprintf(map.islandFile, sizeof(map.islandFile), "island1.bmp");
    std::snprintf(map.bricksFile, sizeof(map.bricksFile), "briks1.bmp");
    std::snprintf(map.musicFile, sizeof(map.musicFile), "tune1.ogg");
    std::snprintf(map.grassFile, sizeof(map.grassFile), "herbe.bmp");
    for (int i = 0; i < MAX_BRICKS; i++) {
        Brick &b = map.bricks[i];
        b.bonus = -1;
        if (i >= 40)
            continue;
        const float left = 100.0f + (i % 10) * 60.0f, top = 80.0f + (i / 10) * 25.0f;
        b.left = left;
        b.top = top;
        b.right = left + 55.0f;
        b.bottom = top + 20.0f;
        b.centreX = 27.5f;
        b.centreY = 10.0f;
        b.srcLeft = (int16_t)((i % 4) * 55);
        b.srcRight = (int16_t)(b.srcLeft + 55);
        b.srcTop = 0;
        b.srcBottom = 20;
        b.visible = 1;
        b.present = 1;
        b.strength = (int16_t)(i % 7 == 0 ? STRENGTH_UNBREAKABLE : i % 5 == 0 ? STRENGTH_METAL : 1 + i % 3);
        b.bonus = (int16_t)(i % 3 == 0 ? i % 12 : -1);
        b.explodeSrcX = 0;
        b.explodeSrcY = 0;
    }
    const uint8_t *p = reinterpret_cast<const uint8_t *>(&map);
    Save("levelmap", "wall.map", Bytes(p, p + sizeof(map)));

    // Every brick present but lying down, most of them off the screen or inside out.
    for (int i = 0; i < MAX_BRICKS; i++) {
        Brick &b = map.bricks[i];
        b.present = 1;
        b.visible = 0;
        b.left = (float)(i * 13 % 900) - 50.0f;
        b.top = (float)(i * 7 % 700) - 50.0f;
        b.right = b.left + (i % 2 ? 40.0f : -40.0f);
        b.bottom = b.top + 20.0f;
        b.hits = (int16_t)(i % 9 - 2);
        b.explodeTick = (int16_t)(i % 4);
    }
    std::snprintf(map.islandFile, sizeof(map.islandFile), "..\\island1.bmp");
    map.grassFile[0] = 0;
    Save("levelmap", "lying.map", Bytes(p, p + sizeof(map)));
}

// --- sounds ---------------------------------------------------------------------------

static Bytes Chunk(const char *tag, const Bytes &body) {
    Bytes b(tag, tag + 4);
    Put32(b, (uint32_t)body.size());
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() % 2)
        b.push_back(0);
    return b;
}

static Bytes Fmt(uint16_t channels, uint32_t rate, uint16_t bits, bool extra) {
    Bytes b;
    Put16(b, 1);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * channels * bits / 8);
    Put16(b, (uint16_t)(channels * bits / 8));
    Put16(b, bits);
    if (extra)
        Put16(b, 0);
    return b;
}

static Bytes Riff(const std::vector<Bytes> &chunks) {
    Bytes body = {'W', 'A', 'V', 'E'};
    for (const Bytes &c : chunks)
        body.insert(body.end(), c.begin(), c.end());
    Bytes b = {'R', 'I', 'F', 'F'};
    Put32(b, (uint32_t)body.size());
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

static Bytes Samples16(int n, int channels) {
    Bytes b;
    for (int i = 0; i < n * channels; i++)
        Put16(b, (uint16_t)(int16_t)(8000 * std::sin(i * 0.3)));
    return b;
}

static void Wavs() {
    Save("wav", "stereo16.wav", Riff({Chunk("fmt ", Fmt(2, 22050, 16, false)), Chunk("data", Samples16(40, 2))}));
    Bytes eight;
    for (int i = 0; i < 51; i++)
        eight.push_back((uint8_t)(128 + 100 * std::sin(i * 0.5)));
    Save("wav", "mono8.wav", Riff({Chunk("fmt ", Fmt(1, 11025, 8, true)), Chunk("data", eight)}));
    const Bytes info = {'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M', 4, 0, 0, 0, 'z', 'u', 'm', 0};
    Save("wav", "list.wav",
         Riff({Chunk("LIST", info), Chunk("fmt ", Fmt(1, 44100, 16, true)), Chunk("data", Samples16(30, 1))}));
}

// A short tone, encoded at low quality to keep the file small.
static Bytes Ogg(int channels, long rate, int frames) {
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, 0.0f) != 0)
        std::exit(1);
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 7);
    Bytes out;
    ogg_page og;
    auto append = [&](const ogg_page &page) {
        out.insert(out.end(), page.header, page.header + page.header_len);
        out.insert(out.end(), page.body, page.body + page.body_len);
    };
    ogg_packet header, comment, code;
    vorbis_analysis_headerout(&vd, &vc, &header, &comment, &code);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comment);
    ogg_stream_packetin(&os, &code);
    while (ogg_stream_flush(&os, &og))
        append(og);
    float **buffer = vorbis_analysis_buffer(&vd, frames);
    for (int i = 0; i < frames; i++)
        for (int c = 0; c < channels; c++)
            buffer[c][i] = (float)(0.5 * std::sin(i * 0.05) * (c ? -1 : 1));
    vorbis_analysis_wrote(&vd, frames);
    vorbis_analysis_wrote(&vd, 0);
    ogg_packet op;
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
        vorbis_analysis(&vb, nullptr);
        vorbis_bitrate_addblock(&vb);
        while (vorbis_bitrate_flushpacket(&vd, &op)) {
            ogg_stream_packetin(&os, &op);
            while (ogg_stream_pageout(&os, &og))
                append(og);
        }
    }
    while (ogg_stream_flush(&os, &og))
        append(og);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

static void Oggs() {
    Save("ogg", "mono.ogg", Ogg(1, 22050, 2000));
    Save("ogg", "stereo.ogg", Ogg(2, 44100, 3000));
}

// --- the game's own files -------------------------------------------------------------

static void HighScores() {
    Bytes table;
    const char *names[HIGHSCORE_LINES] = {"ORK", "TIB", "", "MEP", "A very long name", "KOV", "PLY", "Z.R", "WUN"};
    for (int i = 0; i < HIGHSCORE_LINES; i++) {
        Bytes rec(HIGHSCORE_NAME_BYTES, 0);
        std::memcpy(rec.data(), names[i], std::strlen(names[i]));
        const uint32_t score = (uint32_t)(90000 - i * 7000);
        for (int k = 3; k >= 0; k--)
            rec.push_back((uint8_t)(score >> (8 * k)));
        table.insert(table.end(), rec.begin(), rec.end());
    }
    Save("highscores", "table.raw", table);
    Save("highscores", "short.raw", Bytes(table.begin(), table.begin() + 300));
}

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <seed folder>\n", argv[0]);
        return 2;
    }
    root = argv[1];
    Pictures();
    Maps();
    Wavs();
    Oggs();
    HighScores();
    return 0;
}
