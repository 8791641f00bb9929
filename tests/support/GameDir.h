// A throw-away game folder for tests: its own zumbo.ini copy and a data folder whose
// entries link to the generated data, so a test may write al.raw, prefvol.raw,
// highscores.raw and data/fullscreen.stt without touching the player's files.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace testsupport {

class GameDir {
public:
    // source: the generated game folder (ZUMBO_TEST_GAME_DIR by default).
    explicit GameDir(const std::string &source = ZUMBO_TEST_GAME_DIR) {
        namespace fs = std::filesystem;
        char tmpl[] = "/tmp/zumbo-test-XXXXXX";
        const char *made = mkdtemp(tmpl);
        path_ = made ? made : "/tmp/zumbo-test-fallback";
        fs::create_directories(path_ + "/data");
        std::error_code ec;
        if (fs::exists(source + "/zumbo.ini"))
            fs::copy_file(source + "/zumbo.ini", path_ + "/zumbo.ini", ec);
        if (fs::is_directory(source + "/data")) {
            for (const auto &e : fs::directory_iterator(source + "/data")) {
                const std::string name = e.path().filename().string();
                if (name == "fullscreen.stt" || name[0] == '.')
                    continue;
                fs::create_symlink(e.path(), path_ + "/data/" + name, ec);
            }
        }
    }
    ~GameDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    GameDir(const GameDir &) = delete;
    GameDir &operator=(const GameDir &) = delete;

    const std::string &path() const { return path_; }
    std::string file(const std::string &relative) const { return path_ + "/" + relative; }

private:
    std::string path_;
};

} // namespace testsupport
