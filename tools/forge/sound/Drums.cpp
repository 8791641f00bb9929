// The band's percussion: kick, congas, shaker, clave, rim, wood block, hi-hat and a
// light snare, each one hit.
#include "tools/forge/sound/Music.h"

#include <cmath>

namespace forge::sound {

namespace {

// A skin: a sine that drops quickly from a higher pitch to its own, then dies away.
void addSkin(Mono &s, double hz, double drop, double dropTime, double decay, double amp) {
    double phase = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double f = hz * (1.0 + (drop - 1.0) * std::exp(-t / dropTime));
        phase += kTwoPi * f / kRate;
        s[i] += static_cast<float>(amp * attackDecay(t, 0.001, decay) * std::sin(phase));
    }
}

// Filtered noise with its own envelope: shakers, hats, snare wires.
void addHiss(Mono &s, Rng &rng, double lowHz, double highHz, double attack, double decay, double amp) {
    Biquad hp, lp;
    hp.highpass(lowHz, 0.7);
    lp.lowpass(highHz, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        s[i] += static_cast<float>(amp * attackDecay(t, attack, decay) * lp.run(hp.run(rng.noise())));
    }
}

} // namespace

Mono renderDrum(Drum drum, double v, Rng &rng) {
    Mono s;
    switch (drum) {
    case Drum::Kick:
        s.assign(framesFor(0.35), 0.0f);
        addSkin(s, 50.0, 2.6, 0.03, 0.16, v);
        addNoiseBurst(s, 0, rng, 0.01, v * 0.5, 2500.0, 0.8, 0.002);
        break;
    case Drum::CongaLow:
    case Drum::CongaHigh: {
        const double hz = drum == Drum::CongaLow ? 190.0 : 285.0;
        s.assign(framesFor(0.3), 0.0f);
        addSkin(s, hz, 1.12, 0.02, 0.13, v);
        addPartial(s, 0, hz * 1.52, v * 0.2, 0.05);
        addNoiseBurst(s, 0, rng, 0.02, v * 0.7, 1300.0, 1.2, 0.004);
        break;
    }
    case Drum::Shaker:
        s.assign(framesFor(0.12), 0.0f);
        addHiss(s, rng, 5000.0, 11000.0, 0.008, 0.03, v * 0.8);
        break;
    case Drum::HiHat:
        s.assign(framesFor(0.1), 0.0f);
        addHiss(s, rng, 7500.0, 14000.0, 0.001, 0.025, v * 0.8);
        break;
    case Drum::Clave:
        s.assign(framesFor(0.2), 0.0f);
        addPartial(s, 0, 2480.0, v * 0.6, 0.035);
        addPartial(s, 0, 3900.0, v * 0.12, 0.015);
        break;
    case Drum::Rim:
        s.assign(framesFor(0.15), 0.0f);
        addNoiseBurst(s, 0, rng, 0.1, v * 1.6, 1900.0, 3.0, 0.018);
        addPartial(s, 0, 470.0, v * 0.4, 0.03);
        break;
    case Drum::WoodBlock:
        s.assign(framesFor(0.2), 0.0f);
        addPartial(s, 0, 980.0, v * 0.6, 0.05);
        addPartial(s, 0, 980.0 * 2.7, v * 0.15, 0.02);
        addNoiseBurst(s, 0, rng, 0.01, v * 0.4, 3000.0, 1.0, 0.002);
        break;
    case Drum::Snare:
        s.assign(framesFor(0.25), 0.0f);
        addSkin(s, 185.0, 1.4, 0.01, 0.06, v * 0.6);
        addHiss(s, rng, 1500.0, 8000.0, 0.001, 0.07, v * 0.7);
        break;
    }
    fadeEdges(s, 0.0, 0.01);
    return s;
}

} // namespace forge::sound
