// Hard sounds: a bullet ringing on a metal crate, the gun bat's shot and the
// marching-wall bonus's space march.
#include "tools/forge/sound/Effects.h"

#include <cmath>

namespace forge::sound {

namespace {

// Inharmonic modes of a struck steel plate.
constexpr double kPlateModes[] = {1.0, 1.59, 2.14, 2.65, 3.16, 3.72, 4.61, 5.40};

} // namespace

Mono renderMetalClank(int variant) {
    Rng rng(0x3E7A1u + unsigned(variant) * 131u);
    Mono s(framesFor(0.9), 0.0f);
    const double base = 520.0 * (1.0 + 0.11 * variant);
    for (int m = 0; m < 8; ++m) {
        const double hz = base * kPlateModes[m] * rng.range(0.99, 1.01);
        const double amp = 0.9 / (1.0 + 0.35 * m);
        const double decay = 0.45 / (1.0 + 0.25 * m);
        addPartial(s, 0, hz, amp, decay, rng.range(0.0, kTwoPi));
        // A twin a few hertz away makes the ring shimmer instead of beep.
        addPartial(s, 0, hz + rng.range(2.0, 6.0), amp * 0.4, decay, rng.range(0.0, kTwoPi));
    }
    addNoiseBurst(s, 0, rng, 0.04, 2.5, 4500.0, 0.9, 0.005);
    // The clunk of the crate itself under the ring.
    addPartial(s, 0, 160.0, 0.6, 0.05, 0.0);
    return s;
}

Mono renderShot() {
    Rng rng(0x5407u);
    Mono s(framesFor(0.4), 0.0f);
    OnePole body;
    body.setCutoff(2500.0);
    OnePole air;
    air.setCutoff(500.0);
    OnePole edge;
    edge.setCutoff(7000.0);
    double phase = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        // The crack: broad noise, very short; then a darker puff of air.
        const double n = rng.noise();
        const double crack = edge.lowpass(air.highpass(n)) * std::exp(-t / 0.012) * 1.4;
        const double puff = body.lowpass(n) * attackDecay(t, 0.002, 0.07) * 1.6;
        // A falling "pew" gives the toy gun its character.
        const double f = 180.0 + 1400.0 * std::exp(-t / 0.03);
        phase += kTwoPi * f / kRate;
        const double pew = 0.5 * std::sin(phase) * attackDecay(t, 0.001, 0.06);
        s[i] = static_cast<float>(crack + puff + pew);
    }
    return s;
}

Mono renderSpaceMarch() {
    Rng rng(0x1A7Au);
    constexpr double kStep = 0.19;      // seconds between footsteps
    constexpr double kNoteLength = 0.13;
    constexpr double kNotes[] = {45, 43, 41, 40};  // A2 G2 F2 E2: the wall marching down
    Mono s(framesFor(kStep * 4 + 0.3), 0.0f);
    for (int n = 0; n < 4; ++n) {
        const size_t start = framesFor(kStep * n);
        const double hz = noteFrequency(kNotes[n]);
        double phase = 0.0;
        OnePole tone;
        tone.setCutoff(1800.0);
        for (size_t k = 0; start + k < s.size(); ++k) {
            const double t = double(k) / kRate;
            if (t > kNoteLength + 0.1)
                break;
            const double env = t < kNoteLength ? attackDecay(t, 0.003, 0.4)
                                               : std::exp(-kNoteLength / 0.4) * std::exp(-(t - kNoteLength) / 0.015);
            // A square with a quick pitch blip at its start: an old arcade bleep.
            const double f = hz * (1.0 + 0.5 * std::exp(-t / 0.008));
            phase += f / kRate;
            const double square = (phase - std::floor(phase)) < 0.5 ? 1.0 : -1.0;
            const double sub = std::sin(kTwoPi * phase * 0.5);
            s[start + k] += static_cast<float>(env * (0.6 * tone.lowpass(square) + 0.5 * sub));
        }
        addNoiseBurst(s, start, rng, 0.03, 0.8, 3000.0, 1.0, 0.004);
    }
    return s;
}

} // namespace forge::sound
