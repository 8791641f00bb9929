// The game's sound effects: one renderer per kind of sound and the table that names
// every file the sound forge writes under data/audio/, with its variant and loudness.
#pragma once

#include "tools/forge/sound/SoundKit.h"

#include <vector>

namespace forge::sound {

enum class BatWeight { Normal, Low, Medium, Heavy };

Mono renderBatKnock(BatWeight weight, int variant);
Mono renderWallBounce(int variant);
Mono renderCrateKnock(int variant);
Mono renderCrateCrunch(int variant);
Mono renderMetalClank(int variant);
Mono renderShot();
Mono renderSpaceMarch();
Mono renderFruitSparkle(int variant);
Mono renderSweep(bool rising);
Mono renderFanfare();
Mono renderMagnetHum();
Mono renderMonkeyVoice(int variant);

enum class EffectFormat { Wav, Ogg };

struct EffectFile {
    const char *name;  // under data/audio/
    EffectFormat format;
    Mono (*render)(int variant);
    int variant;
    double peak;  // loudest sample after finishing, of full scale
    bool loops;   // a loop keeps its ends as they are
};

const std::vector<EffectFile> &effectFiles();
Mono renderEffect(const EffectFile &file);

} // namespace forge::sound
