// Paths below the game folder, the clocks and their wrap, safe file writes, message
// boxes and launches (headless backend).
#include "engine/KMiscTools.h"
#include "engine/platform/Headless.h"

#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <string>
#include <unistd.h>

namespace {

struct PathCase {
    const char *relative;
    const char *expected;
};

TEST(MakeFilePath, JoinsBelowTheBaseFolder)
{
    KMiscTools::setBaseFolder("/Games/Arcade");
    const PathCase cases[] = {
        {"data\\sprites\\balle.bmp", "/Games/Arcade/data/sprites/balle.bmp"},
        {"\\data\\x", "/Games/Arcade/data/x"},
        {"/data\\x", "/Games/Arcade/data/x"},
        {"data\\x", "/Games/Arcade/data/x"},
        {"//x", "/Games/Arcade//x"},
        {"Data\\Mixed\\Case.BMP", "/Games/Arcade/Data/Mixed/Case.BMP"},
        {"", "/Games/Arcade/"},
    };
    for (const PathCase &c : cases)
        EXPECT_STREQ(KMiscTools::makeFilePath(c.relative), c.expected) << c.relative;
}

TEST(MakeFilePath, OneSharedBufferHoldsTheLastResult)
{
    KMiscTools::setBaseFolder("/g");
    char *first = KMiscTools::makeFilePath("a");
    char *second = KMiscTools::makeFilePath("b");
    EXPECT_EQ(first, second);
    EXPECT_STREQ(second, "/g/b");
}

TEST(MakeFilePath, LongPathsAreCutTo259Characters)
{
    KMiscTools::setBaseFolder("/g");
    std::string longName(400, 'x');
    const char *path = KMiscTools::makeFilePath(longName.c_str());
    EXPECT_EQ(strlen(path), 259u);
}

TEST(MakeFilePath, InitFindsTheProgramFolderOnce)
{
    KMiscTools::setBaseFolder("");
    KMiscTools::initMiscTools();
    char exe[4096] = {0};
    ASSERT_GT(readlink("/proc/self/exe", exe, sizeof(exe) - 1), 0);
    *strrchr(exe, '/') = 0;
    EXPECT_STREQ(KMiscTools::currentFilePath, exe);
    KMiscTools::setBaseFolder("/kept");
    KMiscTools::initMiscTools();
    EXPECT_STREQ(KMiscTools::currentFilePath, "/kept");
}

TEST(Clock, MillisecondsWrapWithTheMicrosecondCount)
{
    Headless::reset();
    Headless::setClockMicros((1ull << 32) - 3000);   // 3 ms before the wrap
    const uint32_t before = KMiscTools::getMilliseconds();
    EXPECT_EQ(before, 4294964u);
    Headless::advanceMs(5);
    const uint32_t after = KMiscTools::getMilliseconds();
    EXPECT_EQ(after, 2u);   // the millisecond count wraps at 4294967, not at 2^32
    EXPECT_GT((uint32_t)(after - before), 4000000000u) << "a reading across the wrap is far apart";
}

TEST(Clock, TicksCountSixtiethsOfASecond)
{
    Headless::reset();
    EXPECT_EQ(KMiscTools::getTheTicks(), 0u);
    Headless::advanceMs(1000);
    EXPECT_EQ(KMiscTools::getTheTicks(), 60u);
    Headless::advanceMs(17);
    EXPECT_EQ(KMiscTools::getTheTicks(), 61u);
}

TEST(ByteOrder, LittleEndianHostKeepsValues)
{
    EXPECT_EQ(KMiscTools::flipShort(0x0102), 0x0102);
    EXPECT_EQ(KMiscTools::flipShort((short)0xFF00), (short)0xFF00);
    EXPECT_EQ(KMiscTools::flipFloat(1.5f), 1.5f);
}

class AtomicWrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/zumbo-engine-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override
    {
        std::string cmd = "rm -rf '" + dir + "'";
        ASSERT_EQ(system(cmd.c_str()), 0);
    }
    std::string read(const std::string &path)
    {
        FILE *f = fopen(path.c_str(), "rb");
        if (!f)
            return "<missing>";
        std::string s;
        int c;
        while ((c = fgetc(f)) != EOF)
            s.push_back((char)c);
        fclose(f);
        return s;
    }
    int entries()
    {
        int n = 0;
        DIR *d = opendir(dir.c_str());
        while (dirent *e = readdir(d))
            n += e->d_name[0] != '.';
        closedir(d);
        return n;
    }
    std::string dir;
};

TEST_F(AtomicWrite, WritesAndReplacesWholeFiles)
{
    const std::string path = dir + "/al.raw";
    ASSERT_TRUE(KMiscTools::writeFileAtomically(path.c_str(), "\x00\x00\x00\x05", 4));
    EXPECT_EQ(read(path), std::string("\x00\x00\x00\x05", 4));
    ASSERT_TRUE(KMiscTools::writeFileAtomically(path.c_str(), "ab", 2));
    EXPECT_EQ(read(path), "ab");
    ASSERT_TRUE(KMiscTools::writeFileAtomically(path.c_str(), "", 0));
    EXPECT_EQ(read(path), "");
    EXPECT_EQ(entries(), 1) << "no temporary file left beside the target";
}

TEST_F(AtomicWrite, FailureLeavesTheOldFileUntouched)
{
    const std::string path = dir + "/prefvol.raw";
    ASSERT_TRUE(KMiscTools::writeFileAtomically(path.c_str(), "old", 3));
    // A target that is a folder cannot be replaced by a file.
    const std::string folder = dir + "/folder";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    EXPECT_FALSE(KMiscTools::writeFileAtomically(folder.c_str(), "new", 3));
    EXPECT_FALSE(KMiscTools::writeFileAtomically((dir + "/missing/x.raw").c_str(), "new", 3));
    EXPECT_FALSE(KMiscTools::writeFileAtomically(nullptr, "new", 3));
    EXPECT_FALSE(KMiscTools::writeFileAtomically(path.c_str(), nullptr, 3));
    EXPECT_EQ(read(path), "old");
    EXPECT_EQ(entries(), 2) << "only the file and the folder";
}

std::vector<std::pair<std::string, std::string>> hooked;
void recordBox(const char *first, const char *second) { hooked.emplace_back(first, second); }

TEST(MessageBox, RecordedInOrderCutTo255AndHookable)
{
    Headless::reset();
    std::string longText(300, 'y');
    KMiscTools::messageBox("first", longText.c_str());
    ASSERT_EQ(Headless::messages().size(), 1u);
    EXPECT_EQ(Headless::messages()[0].first, "first");
    EXPECT_EQ(Headless::messages()[0].second, std::string(255, 'y'));

    KMiscTools::setMessageBoxHook(recordBox);
    KMiscTools::messageBox("a", "b");
    KMiscTools::setMessageBoxHook(nullptr);
    ASSERT_EQ(hooked.size(), 1u);
    EXPECT_EQ(hooked[0].first, "a");
    EXPECT_EQ(hooked[0].second, "b");
    EXPECT_EQ(Headless::messages().size(), 1u);
}

TEST(Launch, NothingToOpenIsAParameterError)
{
    Headless::reset();
    EXPECT_EQ(KMiscTools::OpenerLaunch(0, nullptr), -50);
    EXPECT_EQ(KMiscTools::launchFile(nullptr), -50);
    EXPECT_EQ(KMiscTools::launchFile("/g/data/help/english/index.html"), 0);
    ASSERT_EQ(Headless::launched().size(), 1u);
    EXPECT_EQ(Headless::launched()[0], "/g/data/help/english/index.html");
}

} // namespace
