// Compiles the level folder into the game folder. All levels are checked before a
// single file is written, so a faulty source never leaves half a set behind.
#include "tools/forge/levels/LevelSet.h"
#include "tools/forge/levels/HelpPage.h"
#include "tools/forge/levels/LevelRules.h"
#include "tools/forge/levels/MapWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace forge {

namespace fs = std::filesystem;

namespace {

bool writeFile(const fs::path &path, const void *data, size_t size, std::ostream &log) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char *>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        log << path.string() << ": cannot write\n";
        return false;
    }
    return true;
}

bool writeText(const fs::path &path, const std::string &text, std::ostream &log) {
    return writeFile(path, text.data(), text.size(), log);
}

} // namespace

std::string mapFileName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "level%02d.map", number);
    return name;
}

std::string iniText(const std::vector<std::string> &maps) {
    // The game finds "[LEVELS]" and then the first "L<n>=" after it anywhere in the
    // text, so no line may hold another key's text: the only lines after the header
    // are the level keys themselves, and no map name contains '='.
    std::string text = "[DATA]\nlevelcount=" + std::to_string(maps.size()) + "\n[LEVELS]\n";
    for (size_t i = 0; i < maps.size(); ++i)
        text += "L" + std::to_string(i + 1) + "=" + maps[i] + "\n";
    return text;
}

std::vector<std::string> levelSources(const std::string &folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto &e : fs::directory_iterator(folder, ec))
        if (e.is_regular_file() && e.path().extension() == kLevelSourceExtension)
            files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

bool forgeLevels(const std::string &sourceFolder, const std::string &gameFolder, std::ostream &log) {
    const std::vector<std::string> sources = levelSources(sourceFolder);
    if (sources.empty()) {
        log << sourceFolder << ": no level sources (*" << kLevelSourceExtension << ")\n";
        return false;
    }
    std::vector<LevelPlan> plans(sources.size());
    bool sound = true;
    for (size_t i = 0; i < sources.size(); ++i) {
        std::string error;
        if (!loadLevelFile(sources[i], plans[i], error)) {
            log << error << "\n";
            sound = false;
            continue;
        }
        for (const std::string &e : checkLevel(plans[i])) {
            log << e << "\n";
            sound = false;
        }
    }
    if (!sound)
        return false;

    const fs::path game(gameFolder);
    std::vector<std::string> maps;
    for (size_t i = 0; i < plans.size(); ++i) {
        maps.push_back(mapFileName(static_cast<int>(i) + 1));
        const std::vector<uint8_t> bytes = buildMap(plans[i]);
        if (!writeFile(game / kMapsFolder / maps.back(), bytes.data(), bytes.size(), log))
            return false;
    }
    return writeText(game / kIniName, iniText(maps), log) &&
           writeText(game / kHelpPage, helpPageHtml(static_cast<int>(plans.size())), log);
}

} // namespace forge
