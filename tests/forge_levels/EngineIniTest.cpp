// The forged zumbo.ini read by the engine's own INI reader: the level count and every
// L<n> key lead to the map file of level n.
#include "engine/KIniReader.h"
#include "tests/forge_levels/ForgedSet.h"

#include <gtest/gtest.h>

using namespace forgetest;

TEST(EngineReadsLevelIni, EveryLevelKeyGivesItsOwnMap) {
    ASSERT_TRUE(ForgedSet::get().ok()) << ForgedSet::get().log();
    const std::string folder = ForgedSet::get().folder();
    KIniReader ini;
    ASSERT_TRUE(ini.setIni((folder + "/zumbo.ini").c_str()));
    const int count = ini.getValue("DATA", "levelcount");
    EXPECT_GE(count, 30);
    char name[260];
    for (int n = 1; n <= count; ++n) {
        const std::string key = "L" + std::to_string(n);
        ASSERT_TRUE(ini.getString("LEVELS", key.c_str(), name, sizeof name)) << key;
        EXPECT_EQ(std::string(name), forge::mapFileName(n)) << key;
        EXPECT_EQ(std::filesystem::file_size(folder + "/data/levels/maps/" + name), kMapBytes) << key;
    }
    const std::string beyond = "L" + std::to_string(count + 1);
    EXPECT_FALSE(ini.getString("LEVELS", beyond.c_str(), name, sizeof name));
}
