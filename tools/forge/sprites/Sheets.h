// Every picture the sprite forge writes, one function each; <gameDir> is the game folder
// and the pictures go below <gameDir>/data/sprites.
#pragma once
#include <cairo.h>
#include <string>

namespace sprites {

bool forgeMonkeySheet(const std::string &gameDir);   // batteur.bmp
bool forgeBatSheets(const std::string &gameDir);     // batteS, batteM, batteL, gunbat
bool forgeWheelSheet(const std::string &gameDir);    // singeA.bmp
bool forgeGunSheet(const std::string &gameDir);      // gunshoot.bmp
bool forgePanelMonkeys(const std::string &gameDir);  // win.bmp, lose.bmp
bool forgeCollection(const std::string &gameDir);    // bigplanche.bmp

// The two monkeys of frame `frame` in a 71 x 80 cell (also used by the gun sheet).
void drawRigMonkeys(cairo_t *cr, int frame);

} // namespace sprites
