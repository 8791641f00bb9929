// The high-score table: submission rules against the built-in table, and the
// "highscores.raw" file read and written whole, including short, long and damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/KMiscTools.h"
#include "frontend/HighScores.h"
#include "tests/support/GameDir.h"

namespace {

const char *const kBuiltIn[HIGHSCORE_LINES] = {"ORK", "TIB", "FAZ", "MEP", "DRU", "KOV", "PLY", "Z.R", "WUN"};

class HighScoresTest : public ::testing::Test {
protected:
    void SetUp() override {
        KMiscTools::setBaseFolder(dir.path().c_str());
        InitScores();
    }
    std::vector<unsigned char> readFile() {
        std::ifstream f(dir.file("highscores.raw"), std::ios::binary);
        return std::vector<unsigned char>(std::istreambuf_iterator<char>(f), {});
    }
    void writeFile(const std::vector<unsigned char> &bytes) {
        std::ofstream f(dir.file("highscores.raw"), std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // One record as it lies in the file.
    static std::vector<unsigned char> record(const std::string &name, int32_t score) {
        std::vector<unsigned char> r(HIGHSCORE_RECORD_BYTES, 0);
        std::memcpy(r.data(), name.data(), std::min<size_t>(name.size(), HIGHSCORE_NAME_BYTES));
        const uint32_t u = static_cast<uint32_t>(score);
        for (int i = 0; i < 4; i++)
            r[HIGHSCORE_NAME_BYTES + i] = static_cast<unsigned char>(u >> (24 - 8 * i));
        return r;
    }
    static std::vector<unsigned char> file(int lines, char letter, int32_t firstScore) {
        std::vector<unsigned char> bytes;
        for (int i = 0; i < lines; i++) {
            auto r = record(std::string(3, static_cast<char>(letter + i)), firstScore - i);
            bytes.insert(bytes.end(), r.begin(), r.end());
        }
        return bytes;
    }
    testsupport::GameDir dir;
};

TEST_F(HighScoresTest, InitScoresBuildsTheBuiltInTable) {
    for (int i = 0; i < HIGHSCORE_LINES; i++) {
        ASSERT_NE(cTheHigh.GetEntry(i), nullptr);
        EXPECT_STREQ(cTheHigh.GetEntry(i)->name, kBuiltIn[i]);
        EXPECT_EQ(cTheHigh.GetEntry(i)->score, 9 - i);
    }
    EXPECT_EQ(cTheHigh.GetEntry(9), nullptr);
    EXPECT_EQ(cTheHigh.GetEntry(-1), nullptr);
}

TEST_F(HighScoresTest, SubmittedScoresGoBelowEqualOnesAndTiesWithTheLastLineStayOut) {
    struct Case { long score; long line; };
    const Case cases[] = {{10, 0}, {5, 5}, {9, 1}, {2, 8}, {1, -1}, {0, -1}, {-7, -1}};
    for (const Case &c : cases) {
        InitScores();
        EXPECT_EQ(cTheHigh.SubmitScore("NEW", c.score), c.line) << "score " << c.score;
        if (c.line < 0)
            continue;
        EXPECT_STREQ(cTheHigh.GetEntry(c.line)->name, "NEW");
        // the lines below moved down one and the last built-in line dropped out
        for (int i = c.line + 1; i < HIGHSCORE_LINES; i++)
            EXPECT_STREQ(cTheHigh.GetEntry(i)->name, kBuiltIn[i - 1]) << "score " << c.score << " line " << i;
    }
}

TEST_F(HighScoresTest, ATableHasAtLeastThreeLinesAndNamesAreCutToTheirField) {
    CHighScores table;
    EXPECT_EQ(table.SubmitScore("X", 5), -1) << "no lines yet";
    EXPECT_EQ(table.SaveHighScores(), 0);
    table.SetHighScoreCount(2);
    EXPECT_EQ(table.getCount(), 3);
    EXPECT_NE(table.GetEntry(2), nullptr);
    const std::string longName(400, 'Q');
    EXPECT_EQ(table.SubmitScore(longName.c_str(), 5), 0);
    EXPECT_EQ(std::strlen(table.GetEntry(0)->name), 255u);
}

TEST_F(HighScoresTest, SavedTableIsNineBigEndianRecords) {
    cTheHigh.SubmitScore("AB", 0x01020304);
    ASSERT_EQ(cTheHigh.SaveHighScores(), 1);
    const auto bytes = readFile();
    ASSERT_EQ(bytes.size(), 2340u);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 260), record("AB", 0x01020304));
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 260, bytes.begin() + 520), record("ORK", 9));
    EXPECT_EQ(std::vector<unsigned char>(bytes.end() - 260, bytes.end()), record("Z.R", 2));
}

TEST_F(HighScoresTest, ResetTableIsWrittenWhole) {
    SaveScores();
    EXPECT_EQ(std::filesystem::file_size(dir.file("highscores.raw")), 2340u);
}

TEST_F(HighScoresTest, SavedTableReadsBackTheSame) {
    cTheHigh.SubmitScore("ZED", 123456);
    cTheHigh.SubmitScore("AAA", 3);
    ASSERT_EQ(cTheHigh.SaveHighScores(), 1);
    InitScores();
    cTheHigh.ReadHighScores(HIGHSCORE_LINES);
    EXPECT_STREQ(cTheHigh.GetEntry(0)->name, "ZED");
    EXPECT_EQ(cTheHigh.GetEntry(0)->score, 123456);
    EXPECT_STREQ(cTheHigh.GetEntry(7)->name, "PLY");
    EXPECT_STREQ(cTheHigh.GetEntry(8)->name, "AAA") << "below the equal score of PLY";
}

TEST_F(HighScoresTest, MissingOrEmptyFileLeavesTheTableAsItIs) {
    cTheHigh.ReadHighScores(HIGHSCORE_LINES);
    EXPECT_STREQ(cTheHigh.GetEntry(0)->name, "ORK");
    writeFile({});
    cTheHigh.ReadHighScores(HIGHSCORE_LINES);
    EXPECT_STREQ(cTheHigh.GetEntry(0)->name, "ORK");
    EXPECT_EQ(cTheHigh.GetEntry(8)->score, 1);
}

TEST_F(HighScoresTest, ShortFileReplacesOnlyTheBytesItHolds) {
    auto bytes = file(4, 'A', 500);
    bytes.resize(1000);   // three lines and 220 bytes of the fourth line's name
    bytes[3 * 260] = 'Q';
    writeFile(bytes);
    cTheHigh.ReadHighScores(HIGHSCORE_LINES);
    EXPECT_STREQ(cTheHigh.GetEntry(0)->name, "AAA");
    EXPECT_EQ(cTheHigh.GetEntry(0)->score, 500);
    EXPECT_STREQ(cTheHigh.GetEntry(2)->name, "CCC");
    EXPECT_EQ(cTheHigh.GetEntry(2)->score, 498);
    EXPECT_STREQ(cTheHigh.GetEntry(3)->name, "QDD") << "the part of the fourth name the file holds";
    EXPECT_EQ(cTheHigh.GetEntry(3)->score, 6) << "the fourth score is beyond the file";
    EXPECT_STREQ(cTheHigh.GetEntry(4)->name, "DRU");
}

TEST_F(HighScoresTest, OversizedFileGivesItsFirstNineLines) {
    writeFile(file(12, 'A', 900));
    cTheHigh.ReadHighScores(HIGHSCORE_LINES);
    EXPECT_STREQ(cTheHigh.GetEntry(8)->name, "III");
    EXPECT_EQ(cTheHigh.GetEntry(8)->score, 892);
    // asking for more lines than the table has reads only what fits
    cTheHigh.ReadHighScores(50);
    EXPECT_STREQ(cTheHigh.GetEntry(8)->name, "III");
}

TEST_F(HighScoresTest, NameWithoutTerminatorEndsInsideItsField) {
    auto bytes = file(HIGHSCORE_LINES, 'A', 50);
    std::memset(bytes.data(), 'X', HIGHSCORE_NAME_BYTES);   // no zero in the whole field
    writeFile(bytes);
    cTheHigh.ReadHighScores(HIGHSCORE_LINES);
    EXPECT_EQ(std::strlen(cTheHigh.GetEntry(0)->name), 255u);
    EXPECT_EQ(cTheHigh.GetEntry(0)->score, 50);
    EXPECT_STREQ(cTheHigh.GetEntry(1)->name, "BBB");
}

TEST_F(HighScoresTest, AbsurdScoresAreKeptAndNewScoresStillFindTheirLine) {
    auto bytes = file(HIGHSCORE_LINES, 'A', 50);
    auto huge = record("BIG", INT32_MAX), negative = record("NEG", -5);
    std::copy(huge.begin(), huge.end(), bytes.begin());
    std::copy(negative.begin(), negative.end(), bytes.end() - 260);
    writeFile(bytes);
    cTheHigh.ReadHighScores(HIGHSCORE_LINES);
    EXPECT_EQ(cTheHigh.GetEntry(0)->score, INT32_MAX);
    EXPECT_EQ(cTheHigh.GetEntry(8)->score, -5);
    EXPECT_EQ(cTheHigh.SubmitScore("", 0), 8);
}

TEST_F(HighScoresTest, UnwritableFolderKeepsTheOldFile) {
    ASSERT_EQ(cTheHigh.SaveHighScores(), 1);
    const auto before = readFile();
    const std::string missing = dir.path() + "/no/such/folder";
    KMiscTools::setBaseFolder(missing.c_str());
    cTheHigh.SubmitScore("NEW", 100);
    EXPECT_EQ(cTheHigh.SaveHighScores(), 0);
    EXPECT_EQ(readFile(), before);
}

} // namespace
