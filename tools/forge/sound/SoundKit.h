// The sound forge's kit: a fixed-seed noise source, oscillator and envelope helpers,
// simple filters and the finishing steps (fades, DC removal, loudness) every sound goes through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace forge::sound {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

using Mono = std::vector<float>;

struct Stereo {
    Mono left, right;
    explicit Stereo(size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    size_t frames() const { return left.size(); }
};

// Our own generator so every build draws the same noise.
class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double uniform() { return (next() >> 8) * (1.0 / 16777216.0); }  // [0, 1)
    double noise() { return uniform() * 2.0 - 1.0; }                // [-1, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    uint32_t state_;
};

size_t framesFor(double seconds);
double noteFrequency(double midiNote);

// One-pole smoothing filter; lowpass() and highpass() read the same state.
struct OnePole {
    double a = 0.0, z = 0.0;
    void setCutoff(double hz);
    double lowpass(double x) { z += a * (x - z); return z; }
    double highpass(double x) { return x - lowpass(x); }
};

// Second-order section (direct form I) with the usual cookbook shapes.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void lowpass(double hz, double q);
    void highpass(double hz, double q);
    void bandpass(double hz, double q);  // peak gain 1
    double run(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1; x1 = x; y2 = y1; y1 = y;
        return y;
    }
};

// A decaying sine partial added into out from frame start: amp * e^(-t/decay) * sin.
void addPartial(Mono &out, size_t start, double hz, double amp, double decay, double phase = 0.0);
// Several decaying partials at once from the same start (faster than one by one).
struct Partial {
    double hz, amp, decay, phase;
};
void addPartials(Mono &out, size_t start, const std::vector<Partial> &partials);
// A short filtered noise burst (the hit of a mallet, the crack of wood).
void addNoiseBurst(Mono &out, size_t start, Rng &rng, double seconds, double amp,
                   double centreHz, double q, double decay);

double attackDecay(double t, double attack, double decay);

// Finishing: remove DC, fade both ends, scale so the loudest sample sits at peak.
void removeDc(Mono &s);
void fadeEdges(Mono &s, double fadeInSeconds, double fadeOutSeconds);
void normalisePeak(Mono &s, double peak);
void finishEffect(Mono &s, double peak);
double peakOf(const Mono &s);
void mixInto(Mono &out, const Mono &in, size_t start, double gain);

} // namespace forge::sound
