// Running the sound forge itself: a second run into another folder writes the same bytes
// as the build did, and a run that cannot do its work says so in its exit status.
#include "tests/forge_sound/SoundDecode.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kGameAudio = std::string(ZUMBO_TEST_GAME_DIR) + "/data/audio";

class TempFolder {
public:
    TempFolder() {
        char tmpl[] = "/tmp/forge-sound-XXXXXX";
        const char *made = mkdtemp(tmpl);
        path_ = made ? made : "";
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const std::string &path() const { return path_; }

private:
    std::string path_;
};

int runForge(const std::string &game, const std::string &tunes) {
    const std::string command = std::string("\"") + FORGE_SOUND_TOOL + "\" \"" + game + "\" \"" + tunes +
                                "\" 2>/dev/null";
    return std::system(command.c_str());
}

std::map<std::string, std::vector<uint8_t>> filesIn(const std::string &folder) {
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto &e : fs::directory_iterator(folder))
        if (e.is_regular_file())
            files[e.path().filename().string()] = soundtest::readBytes(e.path().string());
    return files;
}

} // namespace

TEST(ForgeSoundRun, ASecondRunWritesTheSameBytesAsTheBuild) {
    if (!fs::is_directory(kGameAudio))
        GTEST_FAIL() << kGameAudio << " is missing: build the forge_sound_forged (or data) target first";
    TempFolder again;
    ASSERT_EQ(runForge(again.path(), FORGE_SOUND_TUNES), 0);
    const auto built = filesIn(kGameAudio);
    const auto rerun = filesIn(again.path() + "/data/audio");
    ASSERT_FALSE(rerun.empty());
    for (const auto &[name, bytes] : rerun) {
        const auto it = built.find(name);
        ASSERT_NE(it, built.end()) << name << " is not in the game folder";
        EXPECT_TRUE(it->second == bytes) << name << " differs between two runs";
    }
}

TEST(ForgeSoundRun, FailsWhenItCannotReadTheTunesOrWriteTheFolder) {
    TempFolder game;
    EXPECT_NE(runForge(game.path(), game.path() + "/no-such-folder"), 0);
    // A plain file where the data folder should be.
    TempFolder blocked;
    { std::ofstream(blocked.path() + "/data") << "not a folder"; }
    EXPECT_NE(runForge(blocked.path(), FORGE_SOUND_TUNES), 0);
}
