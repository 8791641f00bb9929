// Drawing of one brick design on a damage sheet: its intact face and the damage
// added on the later sheets (cracks, chips and splinters; dents on metal).
#pragma once
#include "tools/forge/common/BrickDesigns.h"
#include "tools/forge/scene/SceneKit.h"

namespace scene {

void drawBrickFace(cairo_t *cr, const forge::BrickDesign &d, Rng &rng);
// stage 0 is intact, 4 the most broken; every stage keeps the brick's full rectangle.
void drawBrickDamage(cairo_t *cr, const forge::BrickDesign &d, int designIndex, int stage);

} // namespace scene
