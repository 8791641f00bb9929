// The sound forge's kit: filters, partials, noise bursts and the finishing steps shared
// by the effects and the music renderer.
#include "tools/forge/sound/SoundKit.h"

#include <algorithm>
#include <cmath>

namespace forge::sound {

namespace {
constexpr double kDcCutoffHz = 18.0;
constexpr double kEdgeFadeSeconds = 0.004;
constexpr double kTailFadeSeconds = 0.030;
} // namespace

size_t framesFor(double seconds) { return static_cast<size_t>(std::lround(seconds * kRate)); }

double noteFrequency(double midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0); }

void OnePole::setCutoff(double hz) {
    a = 1.0 - std::exp(-kTwoPi * std::min(hz, kRate * 0.45) / kRate);
}

namespace {
struct Shape {
    double cosw, alpha;
};
Shape shapeFor(double hz, double q) {
    const double w = kTwoPi * std::clamp(hz, 10.0, kRate * 0.45) / kRate;
    return {std::cos(w), std::sin(w) / (2.0 * q)};
}
} // namespace

void Biquad::lowpass(double hz, double q) {
    const Shape s = shapeFor(hz, q);
    const double a0 = 1.0 + s.alpha;
    b0 = (1.0 - s.cosw) / 2.0 / a0;
    b1 = (1.0 - s.cosw) / a0;
    b2 = b0;
    a1 = -2.0 * s.cosw / a0;
    a2 = (1.0 - s.alpha) / a0;
}

void Biquad::highpass(double hz, double q) {
    const Shape s = shapeFor(hz, q);
    const double a0 = 1.0 + s.alpha;
    b0 = (1.0 + s.cosw) / 2.0 / a0;
    b1 = -(1.0 + s.cosw) / a0;
    b2 = b0;
    a1 = -2.0 * s.cosw / a0;
    a2 = (1.0 - s.alpha) / a0;
}

void Biquad::bandpass(double hz, double q) {
    const Shape s = shapeFor(hz, q);
    const double a0 = 1.0 + s.alpha;
    b0 = s.alpha / a0;
    b1 = 0.0;
    b2 = -s.alpha / a0;
    a1 = -2.0 * s.cosw / a0;
    a2 = (1.0 - s.alpha) / a0;
}

void addPartial(Mono &out, size_t start, double hz, double amp, double decay, double phase) {
    if (hz >= kRate * 0.45)
        return;
    const double step = kTwoPi * hz / kRate;
    const double fall = std::exp(-1.0 / (decay * kRate));
    // A 1.5 ms rise keeps the strike from clicking without softening it.
    const size_t rise = framesFor(0.0015);
    double env = amp;
    // Rotate a phasor instead of calling sin per sample.
    double c = std::cos(phase), s = std::sin(phase);
    const double cs = std::cos(step), sn = std::sin(step);
    for (size_t i = start; i < out.size() && env > 1e-5; ++i) {
        const size_t k = i - start;
        const double shaped = k < rise ? env * (double(k) / rise) : env;
        out[i] += static_cast<float>(shaped * s);
        const double nc = c * cs - s * sn;
        s = s * cs + c * sn;
        c = nc;
        env *= fall;
    }
}

void addPartials(Mono &out, size_t start, const std::vector<Partial> &partials) {
    // Eight independent phasors advance side by side, which keeps the processor busy.
    constexpr size_t kLanes = 8;
    for (size_t first = 0; first < partials.size(); first += kLanes) {
        const size_t lanes = std::min(kLanes, partials.size() - first);
        double c[kLanes] = {}, s[kLanes] = {}, cs[kLanes] = {}, sn[kLanes] = {}, env[kLanes] = {}, fall[kLanes] = {};
        double longest = 0.0;
        for (size_t l = 0; l < lanes; ++l) {
            const Partial &p = partials[first + l];
            if (p.hz >= kRate * 0.45)
                continue;
            const double step = kTwoPi * p.hz / kRate;
            c[l] = std::cos(p.phase);
            s[l] = std::sin(p.phase);
            cs[l] = std::cos(step);
            sn[l] = std::sin(step);
            env[l] = p.amp;
            fall[l] = std::exp(-1.0 / (p.decay * kRate));
            longest = std::max(longest, p.decay * std::log(std::max(1e-9, std::fabs(p.amp)) / 1e-5));
        }
        const size_t end = std::min(out.size(), start + framesFor(std::max(0.0, longest)) + 1);
        const size_t rise = framesFor(0.0015);
        for (size_t i = start; i < end; ++i) {
            double sum = 0.0;
            for (size_t l = 0; l < lanes; ++l) {
                sum += env[l] * s[l];
                const double nc = c[l] * cs[l] - s[l] * sn[l];
                s[l] = s[l] * cs[l] + c[l] * sn[l];
                c[l] = nc;
                env[l] *= fall[l];
            }
            const size_t k = i - start;
            out[i] += static_cast<float>(k < rise ? sum * double(k) / rise : sum);
        }
    }
}

void addNoiseBurst(Mono &out, size_t start, Rng &rng, double seconds, double amp,
                   double centreHz, double q, double decay) {
    Biquad bp;
    bp.bandpass(centreHz, q);
    const size_t n = framesFor(seconds);
    for (size_t k = 0; k < n && start + k < out.size(); ++k) {
        const double t = double(k) / kRate;
        const double env = attackDecay(t, 0.0005, decay);
        out[start + k] += static_cast<float>(amp * env * bp.run(rng.noise()));
    }
}

double attackDecay(double t, double attack, double decay) {
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

void removeDc(Mono &s) {
    OnePole dc;
    dc.setCutoff(kDcCutoffHz);
    for (float &x : s)
        x = static_cast<float>(dc.highpass(x));
}

void fadeEdges(Mono &s, double fadeInSeconds, double fadeOutSeconds) {
    const size_t in = std::min(s.size(), framesFor(fadeInSeconds));
    const size_t out = std::min(s.size(), framesFor(fadeOutSeconds));
    for (size_t i = 0; i < in; ++i)
        s[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / in));
    for (size_t i = 0; i < out; ++i)
        s[s.size() - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / out));
}

double peakOf(const Mono &s) {
    double p = 0.0;
    for (float x : s)
        p = std::max(p, double(std::fabs(x)));
    return p;
}

void normalisePeak(Mono &s, double peak) {
    const double p = peakOf(s);
    if (p <= 0.0)
        return;
    const float g = static_cast<float>(peak / p);
    for (float &x : s)
        x *= g;
}

void finishEffect(Mono &s, double peak) {
    removeDc(s);
    fadeEdges(s, kEdgeFadeSeconds * 0.25, kTailFadeSeconds);
    normalisePeak(s, peak);
}

void mixInto(Mono &out, const Mono &in, size_t start, double gain) {
    for (size_t i = 0; i < in.size() && start + i < out.size(); ++i)
        out[start + i] += static_cast<float>(gain * in[i]);
}

} // namespace forge::sound
