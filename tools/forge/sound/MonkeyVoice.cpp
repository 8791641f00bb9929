// The monkeys' voices: hoots, shrieks and chatter made from a pitched buzz shaped by
// moving vowel resonances, syllable by syllable.
#include "tools/forge/sound/Effects.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace forge::sound {

namespace {

struct Vowel {
    double f1, f2, f3;
};
// Vowel resonances of a small throat: higher than a person's.
constexpr Vowel kOo{450, 1100, 3300};
constexpr Vowel kAh{1100, 1750, 3500};
constexpr Vowel kEe{420, 3000, 4000};

constexpr double kHarmonicLimitHz = 7000.0;

struct Syllable {
    double start, length;  // seconds
    double pitchFrom, pitchPeak, pitchTo;
    Vowel from, to;
    double loudness;
};

double lerp(double a, double b, double x) { return a + (b - a) * x; }

double resonance(double f, double centre, double width) {
    const double d = (f - centre) / width;
    return 1.0 / (1.0 + d * d);
}

// How strongly the throat passes a harmonic at f for the vowel v.
double vowelGain(double f, const Vowel &v) {
    return resonance(f, v.f1, 160.0) + 0.7 * resonance(f, v.f2, 220.0) + 0.3 * resonance(f, v.f3, 350.0);
}

void addSyllable(Mono &out, const Syllable &syl, Rng &rng) {
    const size_t start = framesFor(syl.start);
    const size_t n = framesFor(syl.length);
    double phase = 0.0;
    double jitter = 0.0;
    OnePole breathTone;
    breathTone.setCutoff(3000.0);
    for (size_t k = 0; k < n && start + k < out.size(); ++k) {
        const double x = double(k) / n;
        const double t = double(k) / kRate;
        // Pitch: up to the peak in the first third, then down to the end.
        const double f0base = x < 0.35 ? lerp(syl.pitchFrom, syl.pitchPeak, x / 0.35)
                                       : lerp(syl.pitchPeak, syl.pitchTo, (x - 0.35) / 0.65);
        if (k % 64 == 0)
            jitter = 0.985 * jitter + 0.01 * rng.noise();
        const double f0 = f0base * (1.0 + jitter + 0.02 * std::sin(kTwoPi * 28.0 * t));
        phase += kTwoPi * f0 / kRate;
        const Vowel v{lerp(syl.from.f1, syl.to.f1, x), lerp(syl.from.f2, syl.to.f2, x),
                      lerp(syl.from.f3, syl.to.f3, x)};
        double voiced = 0.0;
        for (int h = 1; h * f0 < kHarmonicLimitHz; ++h)
            voiced += vowelGain(h * f0, v) * std::sin(phase * h) / std::sqrt(double(h));
        const double breath = 0.15 * breathTone.lowpass(rng.noise());
        const double env = std::min(1.0, t / 0.012) * std::min(1.0, (syl.length - t) / 0.03);
        out[start + k] += static_cast<float>(syl.loudness * std::max(0.0, env) * (voiced + breath));
    }
}

std::vector<Syllable> callFor(int variant, Rng &rng) {
    std::vector<Syllable> call;
    if (variant == 0) {
        // "Ooh ooh aah aah": four hoots climbing and opening.
        for (int i = 0; i < 4; ++i) {
            const double p = 420.0 + 90.0 * i + rng.range(-15.0, 15.0);
            call.push_back({0.18 * i, 0.15, p * 0.8, p * 1.15, p * 0.9, i < 2 ? kOo : kAh,
                            i < 2 ? kOo : kAh, 0.8 + 0.06 * i});
        }
    } else if (variant == 1) {
        // Three quick hoots and a delighted shriek.
        for (int i = 0; i < 3; ++i) {
            const double p = 500.0 + 70.0 * i;
            call.push_back({0.13 * i, 0.10, p * 0.85, p * 1.1, p, kOo, kAh, 0.7});
        }
        call.push_back({0.42, 0.30, 900.0, 1450.0, 1100.0, kAh, kEe, 1.0});
    } else {
        // Fast chatter, bright and a little cheeky.
        for (int i = 0; i < 7; ++i) {
            const double p = (i % 2 ? 820.0 : 960.0) + rng.range(-40.0, 40.0);
            call.push_back({0.085 * i, 0.065, p * 0.9, p * 1.08, p * 0.95, kEe, kAh, 0.75});
        }
    }
    return call;
}

} // namespace

Mono renderMonkeyVoice(int variant) {
    Rng rng(0x3011C3u + unsigned(variant) * 31u);
    const std::vector<Syllable> call = callFor(variant, rng);
    const Syllable &last = call.back();
    Mono s(framesFor(last.start + last.length + 0.08), 0.0f);
    for (const Syllable &syl : call)
        addSyllable(s, syl, rng);
    return s;
}

} // namespace forge::sound
