// The forged sounds in the game folder: every file the game loads is there, decodes to
// clean, non-silent sound of the right length and form, and the tunes loop without a click.
#include "tests/forge_sound/SoundDecode.h"
#include "tools/forge/common/ForgeNames.h"
#include "tools/forge/sound/Effects.h"
#include "tools/forge/sound/Music.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using namespace soundtest;
namespace snd = forge::sound;

namespace {

const std::string kAudio = std::string(ZUMBO_TEST_GAME_DIR) + "/data/audio/";
constexpr long kRate = 44100;
constexpr double kMaxEffectSeconds = 2.0;
constexpr double kSilence = 0.01;       // RMS below this is no sound at all
constexpr double kQuietEnd = 0.01;      // an effect ends faded out
constexpr double kQuietStart = 0.05;    // the codec may smear a sharp attack a little
constexpr double kMaxLoopJump = 0.06;   // last sample to first, of full scale
constexpr double kEndLevel = 0.33;      // a loop's first and last quarter second, to its whole

// Every effect the game's sound table loads, spelt as the game spells them.
const std::vector<std::string> kEffectNames = {
    "monkeya.wav", "monkeyd.wav", "monkeyb.wav", "ballbat1.ogg", "ballbat2.ogg", "ballbat3.ogg",
    "ballbatlow_2.ogg", "ballbatlow_3.ogg", "ballbatlow1.ogg", "ballbatmedium1.ogg",
    "ballbatmedium2.ogg", "ballbatmedium3.ogg", "ballbatheavy1.ogg", "ballbatheavy2.ogg",
    "ballbatheavy3.ogg", "fruit_1.ogg", "fruit_2.ogg", "fruit_3.ogg", "cassecaisse1.ogg",
    "cassecaisse2.ogg", "ballinaimant.ogg", "shoot.ogg", "larger.ogg", "lower.ogg", "extralife.ogg",
    "cassecaissemetal1.ogg", "cassecaissemetal2.ogg", "cassecaissemetal3.ogg", "caissewood1.ogg",
    "caissewood2.ogg", "caissewood3.ogg", "spaceinv.ogg", "wall.ogg", "wall2.ogg",
};
const std::vector<std::string> kScreenTunes = {"monkey2.ogg", "monkey5.ogg", "gov.ogg", "monkey4.ogg"};

bool audioFolderReady() { return fs::is_directory(kAudio); }
#define REQUIRE_FORGED_AUDIO()                                                                     \
    if (!audioFolderReady())                                                                       \
    GTEST_FAIL() << kAudio << " is missing: build the forge_sound_forged (or data) target first"

std::vector<snd::Tune> tunesInRepo() {
    std::vector<snd::Tune> tunes;
    std::ostringstream log;
    EXPECT_TRUE(snd::loadTunes(FORGE_SOUND_TUNES, tunes, log)) << log.str();
    return tunes;
}

size_t firstTag(const std::vector<uint8_t> &bytes, const std::string &tag) {
    return size_t(std::search(bytes.begin(), bytes.end(), tag.begin(), tag.end()) - bytes.begin());
}

double loopJump(const std::vector<float> &s) { return std::fabs(double(s.back()) - s.front()); }

// The quieter of a loop's first and last quarter second, against its whole: a loop that
// fades in or out, or is padded with silence, stumbles every time it comes round.
double endLevel(const std::vector<float> &s) {
    const size_t q = size_t(kRate / 4);
    const double head = rmsOf(s, 0, q), tail = rmsOf(s, s.size() - q, s.size());
    return std::min(head, tail) / std::max(1e-9, rmsOf(s, 0, s.size()));
}

} // namespace

TEST(ForgedSounds, EveryFileTheGameLoadsIsThere) {
    REQUIRE_FORGED_AUDIO();
    std::vector<std::string> names = kEffectNames;
    names.insert(names.end(), kScreenTunes.begin(), kScreenTunes.end());
    names.insert(names.end(), std::begin(forge::kLevelTunes), std::end(forge::kLevelTunes));
    for (const std::string &name : names)
        EXPECT_TRUE(fs::is_regular_file(kAudio + name)) << name;
}

TEST(ForgedSounds, TheForgeTablesNameExactlyTheGamesFiles) {
    std::set<std::string> forged;
    for (const snd::EffectFile &f : snd::effectFiles())
        forged.insert(f.name);
    EXPECT_EQ(forged, std::set<std::string>(kEffectNames.begin(), kEffectNames.end()));
    EXPECT_EQ(snd::effectFiles().size(), kEffectNames.size());

    std::set<std::string> tunes;
    for (const snd::Tune &t : tunesInRepo())
        tunes.insert(t.file);
    for (const std::string &name : kScreenTunes)
        EXPECT_TRUE(tunes.count(name)) << name;
    for (const char *name : forge::kLevelTunes)
        EXPECT_TRUE(tunes.count(name)) << name;
}

TEST(ForgedSounds, OggEffectsAreShortCleanMonoOfTheirRenderedLength) {
    REQUIRE_FORGED_AUDIO();
    for (const snd::EffectFile &file : snd::effectFiles()) {
        if (file.format != snd::EffectFormat::Ogg)
            continue;
        SCOPED_TRACE(file.name);
        const Decoded d = decodeOgg(kAudio + file.name);
        ASSERT_TRUE(d.ok) << d.error;
        EXPECT_EQ(d.channels, 1);
        EXPECT_EQ(d.rate, kRate);
        EXPECT_EQ(d.frames(), snd::renderEffect(file).size());
        EXPECT_LT(double(d.frames()) / kRate, kMaxEffectSeconds);
        const std::vector<float> &s = d.samples[0];
        EXPECT_GT(rmsOf(s, 0, s.size()), kSilence);
        EXPECT_LE(peakOf(s), 1.0);
        if (file.loops) {
            EXPECT_LT(loopJump(s), kMaxLoopJump);
            EXPECT_GT(endLevel(s), kEndLevel);
        } else {
            EXPECT_LT(std::fabs(s.front()), kQuietStart);
            EXPECT_LT(std::fabs(s.back()), kQuietEnd);
        }
    }
}

TEST(ForgedSounds, VoicesAreSixteenBitPcmWaves) {
    REQUIRE_FORGED_AUDIO();
    for (const snd::EffectFile &file : snd::effectFiles()) {
        if (file.format != snd::EffectFormat::Wav)
            continue;
        SCOPED_TRACE(file.name);
        const std::vector<uint8_t> bytes = readBytes(kAudio + file.name);
        const WavInfo w = parseWav(bytes);
        ASSERT_TRUE(w.ok) << w.error;
        // The game finds its chunks by the first "fmt " and "data" anywhere in the file:
        // those must be the real chunk headers.
        EXPECT_EQ(firstTag(bytes, "fmt "), 12u);
        EXPECT_EQ(firstTag(bytes, "data"), 36u);
        EXPECT_EQ(w.formatTag, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.rate, kRate);
        EXPECT_EQ(w.samples.size(), snd::renderEffect(file).size());
        EXPECT_LT(double(w.samples.size()) / kRate, kMaxEffectSeconds);
        EXPECT_GT(rmsOf(w.samples, 0, w.samples.size()), kSilence);
        EXPECT_LT(std::fabs(w.samples.back()), kQuietEnd);
    }
}

TEST(ForgedSounds, TunesAreStereoLoopsOfHalfAMinuteToNinetySeconds) {
    REQUIRE_FORGED_AUDIO();
    for (const snd::Tune &tune : tunesInRepo()) {
        SCOPED_TRACE(tune.file);
        const Decoded d = decodeOgg(kAudio + tune.file);
        ASSERT_TRUE(d.ok) << d.error;
        EXPECT_EQ(d.channels, 2);
        EXPECT_EQ(d.rate, kRate);
        EXPECT_EQ(d.frames(), snd::loopFrames(tune));
        const double seconds = double(d.frames()) / kRate;
        EXPECT_GE(seconds, 30.0);
        EXPECT_LE(seconds, 90.0);
        for (const std::vector<float> &s : d.samples) {
            EXPECT_GT(rmsOf(s, 0, s.size()), kSilence * 5);
            EXPECT_LT(peakOf(s), 1.0);
            EXPECT_LT(loopJump(s), kMaxLoopJump);
            EXPECT_GT(endLevel(s), kEndLevel);
        }
    }
}
