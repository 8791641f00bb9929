// The INI reader on the nine-line example: substring lookups that run past section
// ends, CR LF line ends, values with spaces, cut copies; missing and empty files.
#include "engine/KIniReader.h"

#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

const char NINE_LINES[] = "[DATA]\r\nlevelcount=12\r\nname=Big Island \r\n[LEVELS]\r\nL1=one\r\n"
                          "L11=eleven\r\nXL2=two\r\nempty=\r\nlast=9";

std::string writeTemp(const std::string &text)
{
    char tmpl[] = "/tmp/zumbo-ini-XXXXXX";
    int fd = mkstemp(tmpl);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(write(fd, text.data(), text.size()), (ssize_t)text.size());
    close(fd);
    return tmpl;
}

class IniNineLines : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = writeTemp(NINE_LINES);
        ASSERT_TRUE(ini.setIni(path.c_str()));
    }
    void TearDown() override { unlink(path.c_str()); }
    std::string path;
    KIniReader ini;
};

struct Lookup {
    const char *section, *key;
    bool found;
    const char *value;
};

TEST_F(IniNineLines, Lookups)
{
    const Lookup cases[] = {
        {"DATA", "levelcount", true, "12"},
        {"DATA", "name", true, "Big Island "},
        {"LEVELS", "L1", true, "one"},
        {"LEVELS", "L11", true, "eleven"},
        {"LEVELS", "L2", true, "two"},          // found inside "XL2="
        {"DATA", "L1", true, "one"},            // runs past the end of DATA
        {"LEVELS", "levelcount", false, ""},    // only before the LEVELS header
        {"LEVELS", "empty", true, ""},
        {"LEVELS", "last", true, "9"},          // no line end at the end of the file
        {"levels", "L1", false, ""},
        {"DATA", "levelcount ", false, ""},
        {"NOPE", "L1", false, ""},
    };
    for (const Lookup &c : cases) {
        char dst[64];
        memset(dst, 'z', sizeof(dst));
        EXPECT_EQ(ini.getString(c.section, c.key, dst, sizeof(dst)), c.found) << c.section << "/" << c.key;
        EXPECT_STREQ(dst, c.value) << c.section << "/" << c.key;
    }
}

TEST_F(IniNineLines, Values)
{
    EXPECT_EQ(ini.getValue("DATA", "levelcount"), 12);
    EXPECT_EQ(ini.getValue("LEVELS", "empty"), 0);
    EXPECT_EQ(ini.getValue("LEVELS", "last"), 9);
    EXPECT_EQ(ini.getValue("LEVELS", "missing"), 0);
}

TEST_F(IniNineLines, CopiesAreCutToTheBuffer)
{
    char dst[4];
    EXPECT_TRUE(ini.getString("LEVELS", "L11", dst, 4));
    EXPECT_STREQ(dst, "ele");
    char one[1] = {'q'};
    EXPECT_FALSE(ini.getString("LEVELS", "L11", one, 1));
    EXPECT_EQ(one[0], 'q') << "a one-byte buffer is not touched";
}

TEST(IniReader, NumbersReadLikeDecimalConversion)
{
    const std::string path = writeTemp("[S]\na=12abc\nb=abc\nc= -7\nd=+3\ne=99999999999\n");
    KIniReader ini;
    ASSERT_TRUE(ini.setIni(path.c_str()));
    EXPECT_EQ(ini.getValue("S", "a"), 12);
    EXPECT_EQ(ini.getValue("S", "b"), 0);
    EXPECT_EQ(ini.getValue("S", "c"), -7);
    EXPECT_EQ(ini.getValue("S", "d"), 3);
    EXPECT_EQ(ini.getValue("S", "e"), INT32_MAX);
    unlink(path.c_str());
}

TEST(IniReader, LineEndsOfEachKind)
{
    const std::string path = writeTemp("[S]\ra=cr\rb=lf\nc=crlf\r\nd=end");
    KIniReader ini;
    ASSERT_TRUE(ini.setIni(path.c_str()));
    char dst[16];
    for (const char *key : {"a", "b", "c", "d"}) {
        ASSERT_TRUE(ini.getString("S", key, dst, sizeof(dst))) << key;
        EXPECT_EQ(std::string(dst).find_first_of("\r\n"), std::string::npos) << key;
    }
    unlink(path.c_str());
}

TEST(IniReader, MissingOrEmptyFileFindsNothing)
{
    const std::string empty = writeTemp("");
    for (const char *path : {"/nonexistent/zumbo.ini", empty.c_str()}) {
        KIniReader ini;
        EXPECT_FALSE(ini.setIni(path)) << path;
        char dst[8];
        EXPECT_FALSE(ini.getString("DATA", "levelcount", dst, sizeof(dst)));
        EXPECT_STREQ(dst, "");
        EXPECT_EQ(ini.getValue("DATA", "levelcount"), 0);
    }
    KIniReader never;
    char dst[8];
    EXPECT_FALSE(never.getString("DATA", "x", dst, sizeof(dst)));
    unlink(empty.c_str());
}

TEST(IniReader, AFolderIsNotAFile)
{
    KIniReader ini;
    EXPECT_FALSE(ini.setIni("/tmp"));
}

} // namespace
