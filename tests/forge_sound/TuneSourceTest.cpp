// The tune note files: what the reader accepts and refuses, where notes and chords land,
// what the band plays over the chords, and a rendered loop wrapping its tail onto its start.
#include "tools/forge/sound/Music.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace snd = forge::sound;

namespace {

class TuneFile {
public:
    explicit TuneFile(const std::string &text) {
        char tmpl[] = "/tmp/forge-tune-XXXXXX";
        const int fd = mkstemp(tmpl);
        path_ = tmpl;
        if (fd >= 0)
            close(fd);
        std::ofstream(path_) << text;
    }
    ~TuneFile() { std::remove(path_.c_str()); }
    const std::string &path() const { return path_; }

private:
    std::string path_;
};

const std::string kHeader = "file test.ogg\ntempo 120\nmeter 4\ngroove none\nlead marimba\n";

bool parse(const std::string &text, snd::Tune &tune, std::string &log) {
    TuneFile file(text);
    std::ostringstream out;
    const bool ok = snd::parseTune(file.path(), tune, out);
    log = out.str();
    return ok;
}

const snd::Voice &leadOf(const snd::Tune &t) { return t.voices.back(); }
const snd::Voice &bassOf(const snd::Tune &t) { return t.voices.front(); }

} // namespace

TEST(TuneSource, RefusesBrokenFilesNamingTheLine) {
    struct Case {
        const char *what, *text, *message;
        int line;
    };
    const Case cases[] = {
        {"bar too long", "section A\nchords | C |\nlead | c5:2 d5:3 |\nform A\n", "holds 5", 3},
        {"bar too short", "section A\nchords | C |\nlead | c5 |\nform A\n", "holds 1", 3},
        {"unknown chord", "section A\nchords | Cx7 |\nform A\n", "chord quality", 2},
        {"unknown instrument", "lead banjo\n", "unknown instrument", 1},
        {"note without octave", "section A\nchords | C |\nlead | c d5:3 |\nform A\n", "octave", 3},
        {"unclosed bar", "section A\nchords | C | F\nform A\n", "not closed", 2},
        {"line shorter than chords", "section A\nchords | C | F |\nlead | c5:4 |\nform A\n",
         "not as long", 0},
        {"unknown section in form", "section A\nchords | C |\nform A B\n", "unknown section", 0},
        {"no form", "section A\nchords | C |\n", "no form", 0},
        {"notes outside a section", "chords | C |\n", "before any section", 1},
        {"bad duration", "section A\nchords | C |\nlead | c5:x |\nform A\n", "duration", 3},
        {"negative duration balanced by a long one", "section A\nchords | C |\nlead | c5:5 d5:-1 |\nform A\n",
         "duration", 3},
        {"zero duration", "section A\nchords | C |\nlead | c5:0 d5:4 |\nform A\n", "duration", 3},
        {"chords overflowing the bar", "section A\nchords | C:3 G:2 F |\nform A\n", "more than 4", 2},
        {"note out of range", "section A\nchords | C |\nlead | c9:4 |\nform A\n", "out of range", 3},
        {"tempo that is not a number", "tempo 0/0\n", "tempo", 1},
        {"empty section in the form", "section A\nform A\n", "form is empty", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        snd::Tune tune;
        std::string log;
        EXPECT_FALSE(parse(kHeader + c.text, tune, log));
        EXPECT_NE(log.find(c.message), std::string::npos) << log;
        if (c.line) {
            const int headerLines = 5;
            const std::string where = ":" + std::to_string(c.line + headerLines) + ":";
            EXPECT_NE(log.find(where), std::string::npos) << log;
        }
    }
}

TEST(TuneSource, PlacesNotesRestsHoldsAndSharpsAlongTheForm) {
    snd::Tune tune;
    std::string log;
    ASSERT_TRUE(parse(kHeader +
                          "section A   # a comment after a word\n"
                          "chords | C | G7 |\n"
                          "lead | c#5:1/2 r:1/2 e5:2 ~:1 | g4:3/2 r:5/2 |\n"
                          "section B\n"
                          "chords | F |\n"
                          "lead | r:2 ~:1 a5 |\n"
                          "form A B A\n",
                      tune, log))
        << log;
    EXPECT_EQ(tune.beats, 20.0);
    const std::vector<snd::Note> &n = leadOf(tune).notes;
    ASSERT_EQ(n.size(), 7u);
    EXPECT_EQ(n[0].pitch, 73);  // c#5: '#' inside a word is not a comment
    EXPECT_DOUBLE_EQ(n[1].beat, 1.0);
    EXPECT_DOUBLE_EQ(n[1].length, 3.0);  // e5 held on by ~
    EXPECT_EQ(n[2].pitch, 67);
    EXPECT_DOUBLE_EQ(n[2].beat, 4.0);
    EXPECT_DOUBLE_EQ(n[3].beat, 11.0);  // the rest held by ~ stays a rest
    EXPECT_EQ(n[3].pitch, 81);
    EXPECT_DOUBLE_EQ(n[4].beat, 12.0);  // the third pass of A
}

TEST(TuneSource, SplitsAndRepeatsChordsAndTheBandFollowsTheirRoots) {
    snd::Tune tune;
    std::string log;
    ASSERT_TRUE(parse("file test.ogg\ntempo 100\nmeter 4\ngroove march\n"
                      "transpose 2\n"
                      "section A\nchords | C G:1 Am:1 | % | F |\nform A\n",
                      tune, log))
        << log;
    // The march's bass plays on every beat, everything a tone up.
    std::vector<int> roots;
    for (const snd::Note &n : bassOf(tune).notes)
        if (std::fmod(n.beat, 2.0) == 0.0)
            roots.push_back(n.pitch % 12);
    // The even beats carry roots: C for two beats, then G, then Am on the odd beat 3.
    ASSERT_EQ(roots.size(), 6u);
    EXPECT_EQ(roots[0], 2);  // C+2 = D on beat 0
    EXPECT_EQ(roots[1], 9);  // G+2 = A on beat 2
    EXPECT_EQ(roots[2], 2);  // % repeats the bar: D again on beat 4
    EXPECT_EQ(roots[3], 9);
    EXPECT_EQ(roots[4], 7);  // F+2 = G
    EXPECT_EQ(roots[5], 7);
    EXPECT_FALSE(tune.hits.empty());
    EXPECT_EQ(snd::loopFrames(tune), size_t(std::lround(12 * 0.6 * snd::kRate)));
}

TEST(TuneSource, RenderedLoopCarriesTheLastNoteRingIntoItsStart) {
    snd::Tune tune;
    std::string log;
    // One bar, one long steel-drum note on the last beat and nothing at the start.
    ASSERT_TRUE(parse("file test.ogg\ntempo 240\nmeter 4\ngroove none\nlead steeldrum\n"
                      "section A\nchords | C |\nlead | r:3 c5 |\nform A\n",
                      tune, log))
        << log;
    const snd::Stereo loop = snd::renderTune(tune);
    ASSERT_EQ(loop.frames(), snd::loopFrames(tune));
    double head = 0.0;
    for (size_t i = 0; i < 2000; ++i)
        head = std::max(head, double(std::fabs(loop.left[i])));
    EXPECT_GT(head, 0.01) << "the ring past the end was not folded onto the start";
    EXPECT_LT(std::fabs(loop.left.back() - loop.left.front()), 0.05);
}
