// zumbo.ini read the way the game reads it (substring search, first hit after the
// section header), and the help page's content.
#include "tests/forge_levels/ForgedSet.h"
#include "tools/forge/levels/BonusKinds.h"

#include <gtest/gtest.h>

using namespace forgetest;
namespace fs = std::filesystem;

TEST(LevelIni, TheLookupRuleFindsKeysInsideOtherKeys) {
    // The rule the game uses, shown on a file that breaks it: this is what the
    // forged file must be immune to.
    const std::string trap = "[DATA]\r\nlevelcount=12\r\n[LEVELS]\r\nXL2=two\r\nL2=right\r\nL11=eleven\r\nL1=one";
    std::string value;
    ASSERT_TRUE(iniLookup(trap, "LEVELS", "L2", value));
    EXPECT_EQ(value, "two");
    ASSERT_TRUE(iniLookup(trap, "LEVELS", "L1", value));
    EXPECT_EQ(value, "one");
    ASSERT_TRUE(iniLookup(trap, "DATA", "L11", value));
    EXPECT_EQ(value, "eleven");
    EXPECT_FALSE(iniLookup(trap, "LEVELS", "levelcount", value));
}

TEST(LevelIni, EveryLevelKeyLandsOnItsOwnLineAndNamesAnExistingMap) {
    ASSERT_TRUE(ForgedSet::get().ok()) << ForgedSet::get().log();
    const std::string folder = ForgedSet::get().folder();
    const std::string ini = readText(folder + "/zumbo.ini");
    std::string value;
    ASSERT_TRUE(iniLookup(ini, "DATA", "levelcount", value));
    const int count = std::atoi(value.c_str());
    EXPECT_GE(count, 30);
    for (int n = 1; n <= count; ++n) {
        const std::string key = "L" + std::to_string(n);
        size_t at = 0;
        ASSERT_TRUE(iniLookup(ini, "LEVELS", key, value, &at)) << key;
        EXPECT_TRUE(at == 0 || ini[at - 1] == '\n' || ini[at - 1] == '\r') << key << " found inside another line";
        EXPECT_EQ(value, forge::mapFileName(n)) << key;
        EXPECT_EQ(fs::file_size(folder + "/data/levels/maps/" + value), kMapBytes) << key;
    }
    EXPECT_FALSE(iniLookup(ini, "LEVELS", "L" + std::to_string(count + 1), value)) << "more levels than levelcount";
    EXPECT_FALSE(fs::exists(folder + "/data/levels/maps/" + forge::mapFileName(count + 1)));
}

TEST(HelpPage, ExplainsEveryBonusControlAndSavedFile) {
    const std::string page = readText(ForgedSet::get().folder() + "/data/help/english/index.html");
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("</html>"), std::string::npos);
    for (const forge::BonusKind &b : forge::kBonusKinds) {
        SCOPED_TRACE(b.word);
        EXPECT_NE(page.find(std::string("<h3>") + b.title + "</h3>"), std::string::npos);
        if (b.capsuleX >= 0) {
            const std::string position = "background-position: -" + std::to_string(b.capsuleX) + "px -" +
                                         std::to_string(b.capsuleY) + "px";
            EXPECT_NE(page.find(position), std::string::npos) << position;
        }
    }
    EXPECT_NE(page.find("url('../../sprites/bigplanche.bmp')"), std::string::npos);
    for (const char *text : {"al.raw", "prefvol.raw", "highscores.raw", "data/fullscreen.stt", "<kbd>Esc</kbd>",
                             "<kbd>P</kbd>", "<kbd>Space</kbd>", "<kbd>F4</kbd>", "Gamepad", "Time bonus"})
        EXPECT_NE(page.find(text), std::string::npos) << text;
    // Self-contained: opened from disk, it must not reach for anything online.
    EXPECT_EQ(page.find("http"), std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<link"), std::string::npos);
}
