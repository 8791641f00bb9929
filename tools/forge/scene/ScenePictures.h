// The pictures of the game scene, each written below <game>/data/: brick damage sheets,
// islands and grass, panel doors, balls, explosion and the mouse pointer.
#pragma once
#include <string>

namespace scene {

bool forgeBrickSheets(const std::string &game);   // levels/bricks/planche1..5.bmp
bool forgeIslands(const std::string &game);       // levels/islands/island1..6.bmp, beach.bmp
bool forgeGrass(const std::string &game);         // levels/islands/herbe.bmp
bool forgePanelDoors(const std::string &game);    // levels/islands/bpanel.bmp
bool forgeBalls(const std::string &game);         // sprites/balle.bmp, sprites/evilball.bmp
bool forgeExplosion(const std::string &game);     // sprites/explosion.bmp
bool forgePointer(const std::string &game);       // general/curseur.bmp

} // namespace scene
