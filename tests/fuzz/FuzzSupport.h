// Shared by the fuzz targets: one throw-away game folder per fuzzing process (removed
// at exit), writing the input as one of the game's files, and a hard stop when a
// reader breaks a promise it makes about its result.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "engine/KMiscTools.h"

namespace fuzz {

class GameFolder {
public:
    GameFolder() {
        const char *tmp = std::getenv("TMPDIR");
        std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/zumbo-fuzz-XXXXXX";
        if (!mkdtemp(&tmpl[0])) {
            std::perror("mkdtemp");
            std::abort();
        }
        path_ = tmpl;
        std::filesystem::create_directories(path_ + "/data");
        KMiscTools::setBaseFolder(path_.c_str());
    }
    ~GameFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    GameFolder(const GameFolder &) = delete;
    GameFolder &operator=(const GameFolder &) = delete;

    const std::string &path() const { return path_; }
    std::string file(const std::string &relative) const { return path_ + "/" + relative; }

    // Writes bytes as the file at relative (folders made as needed); returns its path.
    std::string write(const std::string &relative, const uint8_t *data, size_t size) const {
        const std::string p = file(relative);
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(p).parent_path(), ec);
        FILE *f = std::fopen(p.c_str(), "wb");
        if (!f) {
            std::perror(p.c_str());
            std::abort();
        }
        if (size && std::fwrite(data, 1, size, f) != size)
            std::abort();
        std::fclose(f);
        return p;
    }

private:
    std::string path_;
};

// The process's folder, made on first use.
inline GameFolder &Folder() {
    static GameFolder folder;
    return folder;
}

// A reader gave back something it promises never to give: report it as a crash.
#define FUZZ_CHECK(cond)                                                                 \
    do {                                                                                 \
        if (!(cond)) {                                                                   \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                \
        }                                                                                \
    } while (0)

} // namespace fuzz
