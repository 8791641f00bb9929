// The screen forge as a build step: two runs write the same files with the same bytes,
// quickly, and a run without a game folder fails instead of writing somewhere else.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> readTree(const fs::path &root) {
    std::map<std::string, std::string> files;
    for (const auto &e : fs::recursive_directory_iterator(root)) {
        if (!e.is_regular_file())
            continue;
        std::ifstream in(e.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[fs::relative(e.path(), root).string()] = bytes.str();
    }
    return files;
}

// Every picture the dialog and the screens load.
const char *const kScreenFiles[] = {
    "data/general/ENGLISH/dialog.bmp",         "data/general/ENGLISH/dialogon.bmp",
    "data/sprites/tick.bmp",                   "data/general/ENGLISH/menu/menuplayoff.bmp",
    "data/general/ENGLISH/menu/playon.bmp",    "data/general/ENGLISH/menu/optionson.bmp",
    "data/general/ENGLISH/menu/quiton.bmp",    "data/sprites/lefton.bmp",
    "data/sprites/righton.bmp",                "data/general/ENGLISH/menu/optionsoff.bmp",
    "data/general/ENGLISH/menu/backon.bmp",    "data/general/ENGLISH/menu/resetscore.bmp",
    "data/sprites/vlefton.bmp",                "data/sprites/vrighton.bmp",
    "data/sprites/sleft.bmp",                  "data/sprites/sright.bmp",
    "data/sprites/progress.bmp",               "data/general/ENGLISH/menu/highscores.bmp",
    "data/general/ENGLISH/menu/backhson.bmp",  "data/sprites/policeoff.bmp",
    "data/sprites/policeon.bmp",               "data/go/gameover.bmp",
    "data/go/go1.bmp", "data/go/go2.bmp", "data/go/go3.bmp", "data/go/go4.bmp", "data/go/go5.bmp",
    "data/go/go6.bmp",                         "data/general/ENGLISH/end.jpg",
};

int runForge(const std::string &args) {
    return std::system((std::string(FORGE_SCREENS_TOOL) + " " + args + " >/dev/null 2>&1").c_str());
}

TEST(ForgeScreensRun, TwoRunsWriteIdenticalBytes) {
    const fs::path base = fs::temp_directory_path() / ("forge-screens-" + std::to_string(::getpid()));
    fs::remove_all(base);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(runForge((base / "a").string()), 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_EQ(runForge((base / "b").string()), 0);
    const auto a = readTree(base / "a"), b = readTree(base / "b");
    for (const char *name : kScreenFiles)
        EXPECT_EQ(a.count(name), 1u) << name << " was not written";
    ASSERT_EQ(a.size(), b.size());
    for (const auto &[name, bytes] : a) {
        const auto other = b.find(name);
        ASSERT_NE(other, b.end()) << name;
        EXPECT_TRUE(other->second == bytes) << name << " differs between runs";
    }
    EXPECT_LT(seconds, 10.0);
    fs::remove_all(base);
}

TEST(ForgeScreensRun, NeedsAGameFolder) {
    EXPECT_NE(runForge(""), 0);
}

} // namespace
