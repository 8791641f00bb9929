// Shared by the bonus, gun and magnet tests: the game's real sound effects loaded once
// from the generated data, which effects a step started, and a brick with a bonus.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "audio/KAudioSource.h"
#include "audio/Sound.h"
#include "engine/KMiscTools.h"
#include "tests/play/PlayFixtures.h"
#include "tests/support/GameDir.h"

namespace bonustest {

// Every effect slot but the magnet hum, which loops for ever.
inline std::vector<KAudioSource **> EffectSlots() {
    std::vector<KAudioSource **> slots;
    auto add = [&](KAudioSource **array, int n) {
        for (int i = 0; i < n; i++)
            slots.push_back(&array[i]);
    };
    add(Snd_monkeyvoice, 3);
    add(Snd_BatSound, 9);
    add(Snd_EvillBallBatSound, 3);
    add(Snd_GetFruit, 3);
    add(Snd_CasseBox, 2);
    add(Snd_CaisseResist, 3);
    add(Snd_CaisseWoodResist, 3);
    add(Snd_Wall, 2);
    for (KAudioSource **one : {&Snd_Fire, &Snd_Bigger, &Snd_Smaller, &Snd_extralife, &Snd_SpaceInvaders})
        slots.push_back(one);
    return slots;
}

inline void StopEffects() {
    for (KAudioSource **slot : EffectSlots())
        if (*slot)
            (*slot)->stopVoices();
}

inline std::string BaseName(const char *path) {
    const std::string s = path;
    const size_t cut = s.find_last_of("/\\");
    return cut == std::string::npos ? s : s.substr(cut + 1);
}

// The file names of the effects that are playing, in table order.
inline std::vector<std::string> PlayingEffects() {
    std::vector<std::string> names;
    for (KAudioSource **slot : EffectSlots())
        if (*slot && (*slot)->playing)
            names.push_back(BaseName((*slot)->name));
    return names;
}

// Runs a step and returns the effects it started.
inline std::vector<std::string> EffectsOf(const std::function<void()> &step) {
    StopEffects();
    step();
    return PlayingEffects();
}

// The sounds of the generated data folder, loaded once for the whole test program.
class GameSounds {
public:
    static void Load() {
        static bool loaded = false;
        static testsupport::GameDir dir;   // removed when the test program ends
        if (loaded)
            return;
        loaded = true;
        KMiscTools::setBaseFolder(dir.path().c_str());
        Sound_InitEngine();
    }
    static bool Loaded() { return Snd_extralife && Snd_Fire && Snd_BallInMagnet; }
};

// A 40 x 20 standing brick at (left, top) carrying a bonus kind.
inline Brick &BrickWithBonus(int i, float left, float top, int kind, int strength = 1) {
    Brick &b = fixture::PutBrick(i, left, top, left + 40, top + 20, strength);
    b.bonus = static_cast<int16_t>(kind);
    return b;
}

} // namespace bonustest
