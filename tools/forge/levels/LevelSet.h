// The whole level set: every source of a folder compiled in file-name order into
// data/levels/maps, the level list in zumbo.ini, and the help page.
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace forge {

constexpr const char *kLevelSourceExtension = ".lvl";
constexpr const char *kIniName = "zumbo.ini";
constexpr const char *kMapsFolder = "data/levels/maps";
constexpr const char *kHelpPage = "data/help/english/index.html";

// The map file name of level `number` (1-based).
std::string mapFileName(int number);

// The INI text listing `maps` as levels 1..n.
std::string iniText(const std::vector<std::string> &maps);

// The level sources of `folder`, sorted by name.
std::vector<std::string> levelSources(const std::string &folder);

// Compiles every level of `sourceFolder` and writes the set into `gameFolder`.
// Nothing is written when any level has a fault; each fault goes to `log`.
bool forgeLevels(const std::string &sourceFolder, const std::string &gameFolder, std::ostream &log);

} // namespace forge
