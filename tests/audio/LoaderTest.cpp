// Loading samples: the two-search WAV parser, Ogg samples decoded whole, which loader a
// name picks, and bad files that must fail cleanly without reading past their end.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "audio/KAudioSource.h"
#include "tests/audio/AudioFixtures.h"

using namespace audiotest;

namespace {

class LoaderTest : public ::testing::Test {
protected:
    TempFolder dir;
    KAudioSource sound;

    long LoadBytes(const std::string &name, const Bytes &bytes, short voices = 1) {
        WriteBytes(dir.file(name), bytes);
        return sound.loadSample(dir.file(name).c_str(), 100, false, voices);
    }
    Bytes Pcm() const { return Bytes(sound.buffers[0], sound.buffers[0] + sound.length); }
};

TEST_F(LoaderTest, WavWithAChunkBeforeFmtLoads16BitAsBigEndian) {
    Bytes list = Chunk("LIST", Bytes{'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M', 2, 0, 0, 0, 'x', 0});
    Bytes wav = Riff({list, Chunk("fmt ", FmtBody(2, 22050, 16, true)), Chunk("data", Le16Samples({0x1234, -2}))});
    ASSERT_EQ(LoadBytes("list.wav", wav), 1);
    EXPECT_EQ(sound.kind, AUDIO_SAMPLE);
    ASSERT_NE(sound.format, nullptr);
    EXPECT_EQ(sound.format->formatTag, 1);
    EXPECT_EQ(sound.format->channels, 2);
    EXPECT_EQ(sound.format->samplesPerSec, 22050u);
    EXPECT_EQ(sound.format->bitsPerSample, 16);
    EXPECT_EQ(sound.format->blockAlign, 4);
    EXPECT_EQ(Pcm(), (Bytes{0x12, 0x34, 0xFF, 0xFE}));
    EXPECT_EQ(sound.fileData, nullptr);   // the file copy goes once the PCM is in place
    EXPECT_NE(sound.channels[0], nullptr);
    EXPECT_STREQ(sound.name, dir.file("list.wav").c_str());
}

TEST_F(LoaderTest, EightBitWavKeepsItsUnsignedBytes) {
    ASSERT_EQ(LoadBytes("eight.wav", Wav8(1, 8000, {0x00, 0x80, 0xFF})), 1);
    EXPECT_EQ(sound.format->bitsPerSample, 8);
    EXPECT_EQ(Pcm(), (Bytes{0x00, 0x80, 0xFF}));
}

TEST_F(LoaderTest, FirstDataTextWinsWhereverItStands) {
    // A comment holding the letters "data" ahead of the real chunk: its next four bytes
    // (here 2) are taken as the length and the bytes after them as the sound.
    Bytes note = Chunk("note", Bytes{'d', 'a', 't', 'a', 2, 0, 0, 0, 0x11, 0x22, 0, 0});
    Bytes wav = Riff({note, Chunk("fmt ", FmtBody(1, 44100, 8)), Chunk("data", Bytes{1, 2, 3, 4})});
    ASSERT_EQ(LoadBytes("early.wav", wav), 1);
    EXPECT_EQ(Pcm(), (Bytes{0x11, 0x22}));
}

TEST_F(LoaderTest, DataLengthPastTheFileIsCutToTheFile) {
    Bytes wav = Wav16(1, 44100, {1, 2, 3, 4});
    wav[wav.size() - 8 - 4] = 0xFF;   // declared length 0x...FF08: far past the end
    wav[wav.size() - 8 - 3] = 0xFF;
    ASSERT_EQ(LoadBytes("long.wav", wav), 1);
    EXPECT_EQ(sound.length, 8u);
    EXPECT_EQ(Pcm(), (Bytes{0, 1, 0, 2, 0, 3, 0, 4}));
}

TEST_F(LoaderTest, BadWavFilesFail) {
    Bytes fmt = Chunk("fmt ", FmtBody(1, 44100, 16));
    Bytes data = Chunk("data", Le16Samples({1, 2, 3}));
    Bytes good = Riff({fmt, data});
    struct Case { const char *what; Bytes bytes; } cases[] = {
        {"empty file", {}},
        {"no data tag", Riff({fmt})},
        {"no fmt tag", Riff({data})},
        {"zero-length data", Riff({fmt, Chunk("data", {})})},
        {"data tag at the very end", Riff({fmt, Bytes{'d', 'a', 't', 'a', 9, 0}})},
        {"fmt record cut short", Riff({data, Bytes{'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0}})},
        {"no channels", Riff({Chunk("fmt ", FmtBody(0, 44100, 16)), data})},
        {"six channels", Riff({Chunk("fmt ", FmtBody(6, 44100, 16)), data})},
        {"24-bit", Riff({Chunk("fmt ", FmtBody(1, 44100, 24)), data})},
        {"rate 0", Riff({Chunk("fmt ", FmtBody(1, 0, 16)), data})},
        {"truncated header", Bytes(good.begin(), good.begin() + 20)},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o'}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(LoadBytes("bad.wav", c.bytes), 0) << c.what;
        EXPECT_EQ(sound.channels[0], nullptr) << c.what;
        sound.playSample();   // silent, harmless
        EXPECT_FALSE(sound.playing) << c.what;
    }
    EXPECT_EQ(sound.loadSample(dir.file("nowhere.wav").c_str(), 100, false, 1), 0);
    EXPECT_EQ(sound.loadSample(dir.path().c_str(), 100, false, 1), 0);   // a folder
    EXPECT_STREQ(sound.errorText, "can't create sound header ( makeSoundHandle ) ");
    // The same object loads a good file afterwards.
    EXPECT_EQ(LoadBytes("good.wav", good), 1);
}

TEST_F(LoaderTest, VoicesAreKeptWithinOneToTen) {
    Bytes wav = Wav16(1, 44100, {1, 2});
    struct Case { short asked; int16_t kept; } cases[] = {{0, 1}, {-3, 1}, {1, 1}, {4, 4}, {10, 10}, {11, 10}};
    for (const Case &c : cases) {
        ASSERT_EQ(LoadBytes("v.wav", wav, c.asked), 1);
        EXPECT_EQ(sound.voiceCount, c.kept) << c.asked;
        int open = 0;
        for (MixChannel *ch : sound.channels)
            open += ch != nullptr;
        EXPECT_EQ(open, c.kept) << c.asked;
    }
}

class OggLoaderTest : public LoaderTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(EncodeOgg(dir.file("tone.ogg"), 2, 22050, Tone(2, 22050, 3000, 440, 0.5)));
        oggBytes = ReadBytes(dir.file("tone.ogg"));
        reference = DecodeOggFile(dir.file("tone.ogg"));
        ASSERT_FALSE(reference.empty());
    }
    Bytes oggBytes;
    std::vector<int16_t> reference;
};

TEST_F(OggLoaderTest, OggSampleIsDecodedWholeAsBigEndian) {
    ASSERT_EQ(sound.loadSample(dir.file("tone.ogg").c_str(), 100, false, 1), 1);
    EXPECT_EQ(sound.format->formatTag, 0);
    EXPECT_EQ(sound.format->channels, 2);
    EXPECT_EQ(sound.format->samplesPerSec, 22050u);
    EXPECT_EQ(sound.format->bitsPerSample, 16);
    EXPECT_EQ(sound.format->avgBytesPerSec, 22050u * 4);
    EXPECT_EQ(sound.format->blockAlign, 4);
    EXPECT_EQ(sound.format->extraSize, 20);
    ASSERT_EQ(sound.length, reference.size() * 2);
    for (size_t i = 0; i < reference.size(); i += 97)
        ASSERT_EQ((int16_t)(sound.buffers[0][2 * i] << 8 | sound.buffers[0][2 * i + 1]), reference[i]) << i;
}

TEST_F(OggLoaderTest, TheLoaderIsChosenByOggAnywhereInTheName) {
    struct Case { const char *name; bool ogg; long result; } cases[] = {
        {"plain.ogg", true, 1},
        {"middle.ogg.wav", true, 1},   // ".ogg" before another extension still means Ogg
        {"UPPER.OGG", true, 0},        // read as WAV, which it is not
        {"upper.Ogg", true, 0},
        {"wave.ogg", false, 0},        // a WAV file under an Ogg name is decoded as Ogg
        {"wave.wav", false, 1},
    };
    Bytes wav = Wav16(1, 44100, {5, 6, 7});
    for (const Case &c : cases) {
        WriteBytes(dir.file(c.name), c.ogg ? oggBytes : wav);
        EXPECT_EQ(sound.loadSample(dir.file(c.name).c_str(), 100, false, 1), c.result) << c.name;
    }
}

TEST_F(OggLoaderTest, CorruptOggFilesFailOrShorten) {
    Bytes garbage(5000);
    for (size_t i = 0; i < garbage.size(); i++)
        garbage[i] = (uint8_t)(i * 131 + 7);
    Bytes headerOnly(oggBytes.begin(), oggBytes.begin() + 40);
    Bytes capture = {'O', 'g', 'g', 'S'};
    capture.insert(capture.end(), garbage.begin(), garbage.begin() + 200);
    struct Case { const char *what; Bytes bytes; } failing[] = {
        {"empty", {}}, {"garbage", garbage}, {"cut in its first page", headerOnly}, {"capture then garbage", capture},
    };
    for (const Case &c : failing) {
        WriteBytes(dir.file("bad.ogg"), c.bytes);
        EXPECT_EQ(sound.loadSample(dir.file("bad.ogg").c_str(), 100, false, 1), 0) << c.what;
    }
    EXPECT_EQ(sound.loadSample(dir.file("none.ogg").c_str(), 100, false, 1), 0);

    // Cut short: what decodes is kept, the rest is simply missing.
    ASSERT_TRUE(EncodeOgg(dir.file("long.ogg"), 1, 44100, Noise(1, 80000, 0.3)));
    Bytes longer = ReadBytes(dir.file("long.ogg"));
    WriteBytes(dir.file("cut.ogg"), Bytes(longer.begin(), longer.begin() + longer.size() * 3 / 4));
    ASSERT_EQ(sound.loadSample(dir.file("cut.ogg").c_str(), 100, false, 1), 1);
    EXPECT_GT(sound.length, 80000u * 2 / 2);
    EXPECT_LT(sound.length, 80000u * 2);

    // Damaged bytes in the middle of the audio pages.
    Bytes damaged = oggBytes;
    for (size_t i = damaged.size() / 3; i < damaged.size() / 3 + 64; i++)
        damaged[i] ^= 0x5A;
    WriteBytes(dir.file("damaged.ogg"), damaged);
    sound.loadSample(dir.file("damaged.ogg").c_str(), 100, false, 1);
    sound.playSample();
    Pull(4096);
}

} // namespace
