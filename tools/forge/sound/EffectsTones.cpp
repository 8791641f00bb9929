// Musical effects: the fruit sparkle, the rising and falling sweeps of a growing and
// shrinking bat, the extra-life fanfare and the magnet's seamless hum.
#include "tools/forge/sound/Effects.h"

#include <algorithm>
#include <cmath>

namespace forge::sound {

namespace {

// A small bell: a sine with a soft inharmonic overtone, bright at first.
void addBell(Mono &out, size_t start, double hz, double amp, double decay) {
    addPartial(out, start, hz, amp, decay);
    addPartial(out, start, hz * 2.76, amp * 0.35, decay * 0.35);
    addPartial(out, start, hz * 5.40, amp * 0.15, decay * 0.15);
}

// A brass-like note: a few harmonics whose brightness swells with the attack.
void addBrass(Mono &out, size_t start, double hz, double amp, double seconds) {
    const size_t n = framesFor(seconds + 0.12);
    double phase = 0.0;
    for (size_t k = 0; k < n && start + k < out.size(); ++k) {
        const double t = double(k) / kRate;
        const double release = t > seconds ? std::exp(-(t - seconds) / 0.03) : 1.0;
        const double env = std::min(1.0, t / 0.02) * (0.75 + 0.25 * std::exp(-t / 0.08)) * release;
        const double vibrato = 1.0 + 0.006 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.2);
        phase += kTwoPi * hz * vibrato / kRate;
        const double bright = 0.35 + 0.65 * std::exp(-t / 0.15);
        double v = 0.0;
        for (int h = 1; h <= 7; ++h)
            v += std::sin(phase * h) * std::pow(bright, h - 1) / h;
        out[start + k] += static_cast<float>(amp * env * v);
    }
}

} // namespace

Mono renderFruitSparkle(int variant) {
    Rng rng(0xF2017u + unsigned(variant) * 7u);
    // Three rising figures in C major; the third (the bonus sound) is the fullest.
    static const int kFigures[3][5] = {
        {76, 79, 84, 0, 0},   // E5 G5 C6
        {79, 83, 86, 91, 0},  // G5 B5 D6 G6
        {72, 76, 79, 84, 88}, // C5 E5 G5 C6 E6
    };
    const double spacing = variant == 2 ? 0.055 : 0.045;
    Mono s(framesFor(variant == 2 ? 0.9 : 0.65), 0.0f);
    int count = 0;
    for (int i = 0; i < 5 && kFigures[variant][i]; ++i, ++count)
        addBell(s, framesFor(spacing * i), noteFrequency(kFigures[variant][i]), 0.6, 0.25);
    // Glitter: tiny high tinkles scattered over the tail.
    for (int g = 0; g < 10 + 4 * variant; ++g) {
        const double at = spacing * count * 0.5 + rng.range(0.0, 0.35);
        addPartial(s, framesFor(at), rng.range(3000.0, 6500.0), 0.12, 0.03, rng.range(0.0, kTwoPi));
    }
    return s;
}

Mono renderSweep(bool rising) {
    constexpr double kSeconds = 0.7;
    const double from = rising ? 180.0 : 900.0;
    const double to = rising ? 900.0 : 150.0;
    Mono s(framesFor(kSeconds + 0.05), 0.0f);
    double phase = 0.0, phaseFifth = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double x = std::min(1.0, t / kSeconds);
        // A cartoon balloon: a wobbling glide with a fifth above it.
        const double wobble = 1.0 + 0.04 * std::sin(kTwoPi * 9.0 * t);
        const double f = from * std::pow(to / from, x) * wobble;
        phase += kTwoPi * f / kRate;
        phaseFifth += kTwoPi * f * 1.5 / kRate;
        const double env = std::min(1.0, t / 0.02) * (t > kSeconds - 0.1 ? std::max(0.0, (kSeconds + 0.05 - t) / 0.15) : 1.0);
        const double v = std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.15 * std::sin(3 * phase) +
                         0.35 * std::sin(phaseFifth);
        s[i] = static_cast<float>(env * v);
    }
    return s;
}

Mono renderFanfare() {
    Mono s(framesFor(1.45), 0.0f);
    constexpr double kPick = 0.09;
    const int pickups[] = {67, 72, 76};  // G4 C5 E5
    for (int i = 0; i < 3; ++i)
        addBrass(s, framesFor(kPick * i), noteFrequency(pickups[i]), 0.5, kPick * 0.8);
    const int chord[] = {72, 76, 79, 84};  // C major, held
    for (int n : chord)
        addBrass(s, framesFor(kPick * 3), noteFrequency(n), 0.35, 0.85);
    for (int i = 0; i < 4; ++i)
        addBell(s, framesFor(kPick * 3 + 0.06 * i), noteFrequency(chord[i] + 12), 0.15, 0.3);
    return s;
}

Mono renderMagnetHum() {
    // Exactly one second with whole-hertz partials, so the end meets the start.
    constexpr int kSeconds = 1;
    constexpr int kBaseHz = 110;
    constexpr int kPulseHz = 6;
    Mono s(size_t(kRate) * kSeconds, 0.0f);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double w = kTwoPi * kBaseHz * t;
        double v = std::sin(w) + 0.5 * std::sin(2 * w) + 0.35 * std::sin(3 * w) + 0.12 * std::sin(5 * w);
        // A shimmer of two close high tones that beat slowly against each other.
        v += 0.10 * std::sin(kTwoPi * 880 * t) + 0.10 * std::sin(kTwoPi * 883 * t);
        const double pulse = 0.8 + 0.2 * std::sin(kTwoPi * kPulseHz * t);
        s[i] = static_cast<float>(v * pulse);
    }
    return s;
}

} // namespace forge::sound
