// The pictures of the game's screens, one writer per screen; each draws its screen and
// writes every picture belonging to it below the game folder, returning false on a write error.
#pragma once
#include <string>

namespace screens {

bool forgeDialog(const std::string &gameDir);
bool forgeMenu(const std::string &gameDir);
bool forgeOptions(const std::string &gameDir);
bool forgeHighScores(const std::string &gameDir);
bool forgeFonts(const std::string &gameDir);
bool forgeGameOver(const std::string &gameDir);
bool forgeEnd(const std::string &gameDir);

} // namespace screens
