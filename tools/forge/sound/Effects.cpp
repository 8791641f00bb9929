// The table of every effect file the game loads, in the game's own slot order, and the
// finishing step that gives each its loudness.
#include "tools/forge/sound/Effects.h"

namespace forge::sound {

namespace {

Mono batNormal(int v) { return renderBatKnock(BatWeight::Normal, v); }
Mono batLow(int v) { return renderBatKnock(BatWeight::Low, v); }
Mono batMedium(int v) { return renderBatKnock(BatWeight::Medium, v); }
Mono batHeavy(int v) { return renderBatKnock(BatWeight::Heavy, v); }
Mono shot(int) { return renderShot(); }
Mono march(int) { return renderSpaceMarch(); }
Mono larger(int) { return renderSweep(true); }
Mono lower(int) { return renderSweep(false); }
Mono fanfare(int) { return renderFanfare(); }
Mono magnet(int) { return renderMagnetHum(); }

constexpr double kKnockPeak = 0.70;
constexpr double kLoudPeak = 0.85;
constexpr double kSoftPeak = 0.55;
constexpr double kVoicePeak = 0.90;  // the game plays voices at half the effect volume
constexpr double kSweepPeak = 0.50;  // a held tone sounds louder than a knock of the same peak

const std::vector<EffectFile> kFiles = {
    {"monkeya.wav", EffectFormat::Wav, renderMonkeyVoice, 0, kVoicePeak, false},
    {"monkeyd.wav", EffectFormat::Wav, renderMonkeyVoice, 1, kVoicePeak, false},
    {"monkeyb.wav", EffectFormat::Wav, renderMonkeyVoice, 2, kVoicePeak, false},
    {"ballbat1.ogg", EffectFormat::Ogg, batNormal, 0, kKnockPeak, false},
    {"ballbat2.ogg", EffectFormat::Ogg, batNormal, 1, kKnockPeak, false},
    {"ballbat3.ogg", EffectFormat::Ogg, batNormal, 2, kKnockPeak, false},
    {"ballbatlow_2.ogg", EffectFormat::Ogg, batLow, 1, kKnockPeak, false},
    {"ballbatlow_3.ogg", EffectFormat::Ogg, batLow, 2, kKnockPeak, false},
    {"ballbatlow1.ogg", EffectFormat::Ogg, batLow, 0, kKnockPeak, false},
    {"ballbatmedium1.ogg", EffectFormat::Ogg, batMedium, 0, kKnockPeak, false},
    {"ballbatmedium2.ogg", EffectFormat::Ogg, batMedium, 1, kKnockPeak, false},
    {"ballbatmedium3.ogg", EffectFormat::Ogg, batMedium, 2, kKnockPeak, false},
    {"ballbatheavy1.ogg", EffectFormat::Ogg, batHeavy, 0, kLoudPeak, false},
    {"ballbatheavy2.ogg", EffectFormat::Ogg, batHeavy, 1, kLoudPeak, false},
    {"ballbatheavy3.ogg", EffectFormat::Ogg, batHeavy, 2, kLoudPeak, false},
    {"fruit_1.ogg", EffectFormat::Ogg, renderFruitSparkle, 0, kKnockPeak, false},
    {"fruit_2.ogg", EffectFormat::Ogg, renderFruitSparkle, 1, kKnockPeak, false},
    {"fruit_3.ogg", EffectFormat::Ogg, renderFruitSparkle, 2, kKnockPeak, false},
    {"cassecaisse1.ogg", EffectFormat::Ogg, renderCrateCrunch, 0, kLoudPeak, false},
    {"cassecaisse2.ogg", EffectFormat::Ogg, renderCrateCrunch, 1, kLoudPeak, false},
    {"ballinaimant.ogg", EffectFormat::Ogg, magnet, 0, kSoftPeak, true},
    {"shoot.ogg", EffectFormat::Ogg, shot, 0, kLoudPeak, false},
    {"larger.ogg", EffectFormat::Ogg, larger, 0, kSweepPeak, false},
    {"lower.ogg", EffectFormat::Ogg, lower, 0, kSweepPeak, false},
    {"extralife.ogg", EffectFormat::Ogg, fanfare, 0, kLoudPeak, false},
    {"cassecaissemetal1.ogg", EffectFormat::Ogg, renderMetalClank, 0, kKnockPeak, false},
    {"cassecaissemetal2.ogg", EffectFormat::Ogg, renderMetalClank, 1, kKnockPeak, false},
    {"cassecaissemetal3.ogg", EffectFormat::Ogg, renderMetalClank, 2, kKnockPeak, false},
    {"caissewood1.ogg", EffectFormat::Ogg, renderCrateKnock, 0, kKnockPeak, false},
    {"caissewood2.ogg", EffectFormat::Ogg, renderCrateKnock, 1, kKnockPeak, false},
    {"caissewood3.ogg", EffectFormat::Ogg, renderCrateKnock, 2, kKnockPeak, false},
    {"spaceinv.ogg", EffectFormat::Ogg, march, 0, kKnockPeak, false},
    {"wall.ogg", EffectFormat::Ogg, renderWallBounce, 0, kSoftPeak, false},
    {"wall2.ogg", EffectFormat::Ogg, renderWallBounce, 1, kSoftPeak, false},
};

} // namespace

const std::vector<EffectFile> &effectFiles() { return kFiles; }

Mono renderEffect(const EffectFile &file) {
    Mono s = file.render(file.variant);
    if (file.loops)
        normalisePeak(s, file.peak);
    else
        finishEffect(s, file.peak);
    return s;
}

} // namespace forge::sound
