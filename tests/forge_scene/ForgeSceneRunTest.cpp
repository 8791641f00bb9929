// Running the scene forge: it writes every picture it owns, the same bytes on every run,
// and fast enough for the build.
#include "tests/forge_scene/BmpRead.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string makeTempFolder() {
    char tmpl[] = "/tmp/forge-scene-XXXXXX";
    const char *made = mkdtemp(tmpl);
    return made ? made : "";
}

int runForge(const std::string &game) {
    const std::string command = std::string("\"") + FORGE_SCENE_TOOL + "\" \"" + game + "\"";
    return std::system(command.c_str());
}

// Every file below `root`, by its path relative to it.
std::map<std::string, std::vector<uint8_t>> filesBelow(const std::string &root) {
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto &e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            files[fs::relative(e.path(), root).string()] = scenetest::readBytes(e.path().string());
    return files;
}

} // namespace

TEST(ForgeSceneRun, WritesIdenticalBytesTwice) {
    const std::string a = makeTempFolder(), b = makeTempFolder();
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(runForge(a), 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_EQ(runForge(b), 0);
    const auto first = filesBelow(a), second = filesBelow(b);
    EXPECT_EQ(first.size(), 18u) << "5 brick sheets, 7 islands, grass, doors, 2 balls, explosion, pointer";
    ASSERT_EQ(first.size(), second.size());
    for (const auto &[name, bytes] : first) {
        ASSERT_TRUE(second.count(name)) << name;
        EXPECT_TRUE(bytes == second.at(name)) << name << " differs between runs";
        EXPECT_EQ(name.rfind("data/", 0), 0u) << name << " written outside data/";
    }
    EXPECT_LT(seconds, 10.0);
    fs::remove_all(a);
    fs::remove_all(b);
}

TEST(ForgeSceneRun, RefusesToRunWithoutAGameFolder) {
    const std::string command = std::string("\"") + FORGE_SCENE_TOOL + "\" 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}
