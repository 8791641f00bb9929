// The level source format: how grids and placed bricks become bricks, and that every
// faulty source is refused with its file and line, by the library and by the tool.
#include "tests/forge_levels/ForgedSet.h"
#include "tools/forge/levels/LevelRules.h"
#include "tools/forge/levels/LevelSource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

using namespace forgetest;
namespace fs = std::filesystem;

namespace {

const std::string kHeader =
    "island island1.bmp\n"
    "music tune1.ogg\n"
    "gravity 0.02\n"
    "maxspeed 4\n"
    "increment 0.1\n";  // lines 1 to 5

// Parses and checks a source; the first complaint, or "" when the level is sound.
std::string complaint(const std::string &text) {
    forge::LevelPlan plan;
    std::string error;
    if (!forge::parseLevel(text, "bad.lvl", plan, error))
        return error;
    const std::vector<std::string> faults = forge::checkLevel(plan);
    return faults.empty() ? "" : faults.front();
}

} // namespace

TEST(LevelSource, GridRunsBecomeWholeBricksInReadingOrder) {
    const std::string text = kHeader +
                             "key p plank 2 gun\n"        // 60 x 20: three cells
                             "key c crate 3\n"            // 40 x 40: two by two cells
                             "key S short_red 1\r\n"      // CR LF lines are fine
                             "grid 200 100   # a comment\n"
                             "|pppppp.cc|\n"
                             "|SS.....cc|  trailing notes are ignored\n"
                             "end\n"
                             "grid 500 300 40 20\n"
                             "|S.S|\n"
                             "end\n"
                             "place stone 700 40 999\n";
    forge::LevelPlan plan;
    std::string error;
    ASSERT_TRUE(forge::parseLevel(text, "ok.lvl", plan, error)) << error;
    EXPECT_FLOAT_EQ(plan.gravity, 0.02f);
    struct Want {
        const char *design;
        int left, top, strength, bonus, line;
    };
    const Want want[] = {
        {"plank", 200, 100, 2, 8, 10},    {"plank", 260, 100, 2, 8, 10},    {"crate", 340, 100, 3, -1, 10},
        {"short_red", 200, 120, 1, -1, 11}, {"short_red", 500, 300, 1, -1, 14}, {"short_red", 580, 300, 1, -1, 14},
        {"stone", 700, 40, 999, -1, 16},
    };
    ASSERT_EQ(plan.bricks.size(), std::size(want));
    for (size_t i = 0; i < std::size(want); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(plan.bricks[i].design, forge::designByName(want[i].design));
        EXPECT_EQ(plan.bricks[i].left, want[i].left);
        EXPECT_EQ(plan.bricks[i].top, want[i].top);
        EXPECT_EQ(plan.bricks[i].strength, want[i].strength);
        EXPECT_EQ(plan.bricks[i].bonus, want[i].bonus);
        EXPECT_EQ(plan.bricks[i].line, want[i].line);
    }
    EXPECT_TRUE(forge::checkLevel(plan).empty());
}

TEST(LevelSource, FaultySourcesAreRefusedWithTheirLine) {
    struct Case {
        const char *what;
        std::string text;
        const char *expected;  // must appear in the complaint
    };
    const Case cases[] = {
        {"unknown directive", kHeader + "speed 3\n", "bad.lvl:6: unknown line 'speed'"},
        {"unknown design", kHeader + "key p planck 1\n", "bad.lvl:6: unknown brick design 'planck'"},
        {"unknown bonus", kHeader + "key p plank 1 laser\n", "bad.lvl:6: unknown bonus 'laser'"},
        {"strength not a number", kHeader + "key p plank strong\n", "bad.lvl:6: strength 'strong'"},
        {"duplicate key", kHeader + "key p plank 1\nkey p crate 1\n", "bad.lvl:7: key 'p' is given twice"},
        {"setting given twice", kHeader + "gravity 0.03\n", "bad.lvl:6: gravity is given twice (first on line 3)"},
        {"bad number", "island island1.bmp\nmusic tune1.ogg\ngravity heavy\n", "bad.lvl:3: gravity value 'heavy'"},
        {"missing setting", "island island1.bmp\nmusic tune1.ogg\n", "no 'gravity' line"},
        {"symbol without key", kHeader + "grid\n|..q|\nend\n", "bad.lvl:7: column 3: symbol 'q' has no key"},
        {"run cut short", kHeader + "key p plank 1\ngrid\n|pppp..|\nend\n",
         "bad.lvl:8: column 4: 'p' is plank, 3x1 cells, but its run is cut short"},
        {"tall brick missing its lower half", kHeader + "key c crate 1\ngrid\n|cc|\n|..|\nend\n",
         "bad.lvl:8: column 1: 'c' is crate, 2x2 cells"},
        {"ragged grid", kHeader + "key p plank 1\ngrid\n|ppp|\n|ppp.|\nend\n", "bad.lvl:9: grid row is 4 cells wide"},
        {"grid never closed", kHeader + "grid\n|...|\n", "the grid is not closed"},
        {"design wider than the cells", kHeader + "key k crate_small 1\ngrid\n|kk|\nend\n",
         "bad.lvl:8: column 1: crate_small does not fit cells of 20x20"},
        {"unknown island", "island island9.bmp\nmusic tune1.ogg\ngravity 0.02\nmaxspeed 4\nincrement 0.1\n"
                           "place plank 200 40 1\n",
         "bad.lvl:1: island 'island9.bmp' is not one of the forge's islands"},
        {"gravity pushing up", "island island1.bmp\nmusic tune1.ogg\ngravity -0.05\nmaxspeed 4\nincrement 0.1\n"
                               "place plank 200 40 1\n",
         "bad.lvl:3: gravity must be above 0"},
        {"ball too fast for the bat", "island island1.bmp\nmusic tune1.ogg\ngravity 0.02\nmaxspeed 9\n"
                                      "increment 0.1\nplace plank 200 40 1\n",
         "maxspeed must lie between 2 and 8"},
        {"fast balls on a fast level", "island island1.bmp\nmusic tune1.ogg\ngravity 0.02\nmaxspeed 6\n"
                                       "increment 0.1\nplace plank 200 40 1 fast\n",
         "bad.lvl:4: with its fast-balls bricks, maxspeed must stay at most 5.33"},
        {"two fast balls on a middling level", "island island1.bmp\nmusic tune1.ogg\ngravity 0.02\nmaxspeed 4\n"
                                               "increment 0.1\nplace plank 200 40 1 fast\nplace plank 300 40 1 fast\n",
         "bad.lvl:4: with its fast-balls bricks, maxspeed must stay at most 3.55"},
        {"brick left of the wall", kHeader + "place plank 160 40 1\n", "bad.lvl:6: plank at 160,40 leaves the wall area"},
        {"brick down among the monkeys", kHeader + "place plank 200 370 1\n", "bad.lvl:6: plank at 200,370 leaves"},
        {"overlap", kHeader + "place plank 200 40 1\nplace crate 250 30 1\n",
         "bad.lvl:7: brick overlaps the brick of line 6"},
        {"stone that breaks", kHeader + "place stone 200 40 5\n", "bad.lvl:6: stone does not look like a brick of strength 5"},
        {"wood that never breaks", kHeader + "place plank 200 40 999\n", "plank does not look like a brick of strength 999"},
        {"iron bands on an ordinary brick", kHeader + "place crate_iron 200 40 3\n", "crate_iron does not look like"},
        {"strength beyond indestructible", kHeader + "place stone 200 40 1000\n", "strength 1000 is outside 0..999"},
        {"nothing to break", kHeader + "place stone 200 40 999\n", "no brick the level waits for"},
        {"marching wall reaches the monkeys",
         kHeader + "place plank 200 350 1 invaders\nplace plank 300 350 1 random\n",
         "bad.lvl: 2 marching or surprise bricks could push the lowest brick (bottom 370)"},
        {"required brick sealed in stone",
         kHeader + "key x stone 999\nkey p short_red 1\ngrid 300 40\n|xxxxxx|\n|xxxxxx|\n|xxppxx|\n|xx..xx|\n"
                   "|xxxxxx|\n|xxxxxx|\nend\n",
         "bad.lvl:11: a required brick is sealed off"},
        {"gap narrower than a ball",
         kHeader + "place plank 400 100 1\n"
                   "place metal_plank 170 200 950\nplace metal_plank 230 200 950\nplace metal_plank 290 200 950\n"
                   "place metal_plank 350 200 950\nplace short_metal 410 200 950\n"
                   "place metal_plank 470 200 950\nplace metal_plank 530 200 950\nplace metal_plank 590 200 950\n"
                   "place metal_plank 650 200 950\nplace metal_plank 710 200 950\n",
         "bad.lvl:6: a required brick is sealed off"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string got = complaint(c.text);
        EXPECT_NE(got.find(c.expected), std::string::npos) << "got: " << got;
    }
}

TEST(LevelSource, TheToolRefusesAFaultyLevelAndWritesNothing) {
    const std::string levels = makeTempFolder(), game = makeTempFolder();
    ASSERT_FALSE(levels.empty() || game.empty());
    std::ofstream(levels + "/01-good.lvl") << kHeader << "place plank 200 40 1\n";
    std::ofstream(levels + "/02-bad.lvl") << kHeader << "key p plank 1\ngrid\n|pp|\nend\n";

    const std::string command = std::string(FORGE_LEVELS_TOOL) + " " + game + " " + levels + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    const int status = pclose(pipe);

    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << output;
    EXPECT_NE(output.find("02-bad.lvl:8: column 1: 'p' is plank"), std::string::npos) << output;
    EXPECT_FALSE(fs::exists(game + "/zumbo.ini"));
    EXPECT_FALSE(fs::exists(game + "/data/levels/maps/level01.map"));
    fs::remove_all(levels);
    fs::remove_all(game);
}
