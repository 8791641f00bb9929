// The band's pitched instruments: marimba, steel drum, kalimba, bass, tuba, flute,
// plucked strings, brass, trombone and a soft pad, each one note at a time.
#include "tools/forge/sound/Music.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace forge::sound {

namespace {

constexpr double kMaxRingSeconds = 2.5;

struct PartialSpec {
    double ratio, amp, decayScale;
};

Mono struck(double hz, double velocity, double decay, const PartialSpec *partials, int count, Rng &rng,
            double malletHz, double malletAmp) {
    Mono s(framesFor(std::min(kMaxRingSeconds, decay * 6.0)), 0.0f);
    std::vector<Partial> set;
    for (int i = 0; i < count; ++i) {
        const PartialSpec &p = partials[i];
        set.push_back({hz * p.ratio, velocity * p.amp, decay * p.decayScale, 0.0});
    }
    addPartials(s, 0, set);
    addNoiseBurst(s, 0, rng, 0.012, velocity * malletAmp, malletHz, 1.5, 0.0025);
    return s;
}

// Lets the note ring to its end and then damps it within a short release.
void dampAfter(Mono &s, double seconds, double release) {
    const size_t from = framesFor(seconds);
    const double fall = std::exp(-1.0 / (release * kRate));
    double g = 1.0;
    for (size_t i = from; i < s.size(); ++i) {
        s[i] *= static_cast<float>(g);
        g *= fall;
    }
    const size_t keep = std::min(s.size(), from + framesFor(release * 7.0));
    s.resize(keep);
}

Mono marimba(double hz, double seconds, double v, Rng &rng) {
    static const PartialSpec kModes[] = {{1.0, 1.0, 1.0}, {3.98, 0.22, 0.22}, {9.85, 0.05, 0.08}};
    const double decay = std::clamp(0.45 * std::sqrt(300.0 / hz), 0.12, 0.9);
    Mono s = struck(hz, v, decay, kModes, 3, rng, std::min(4000.0, hz * 5), 0.5);
    dampAfter(s, seconds + 0.25, 0.12);
    return s;
}

Mono kalimba(double hz, double seconds, double v, Rng &rng) {
    static const PartialSpec kModes[] = {{1.0, 1.0, 1.0}, {5.9, 0.12, 0.15}, {2.0, 0.08, 0.5}};
    Mono s = struck(hz, v, 0.7, kModes, 3, rng, hz * 8, 0.25);
    dampAfter(s, seconds + 0.4, 0.2);
    return s;
}

Mono steelDrum(double hz, double seconds, double v, Rng &rng) {
    static const PartialSpec kModes[] = {{1.0, 1.0, 1.0},     {2.003, 0.55, 0.65}, {2.997, 0.22, 0.4},
                                         {4.01, 0.12, 0.25},  {5.02, 0.06, 0.15},  {1.003, 0.3, 0.8}};
    const double decay = std::clamp(0.8 * std::pow(300.0 / hz, 0.3), 0.3, 1.2);
    Mono s = struck(hz, v, decay, kModes, 6, rng, hz * 3.0, 0.3);
    dampAfter(s, seconds + 0.12, 0.1);
    return s;
}

// Harmonic tone with a brightness that falls from bright to dull over the note. The
// harmonics come from the fundamental by the sine recurrence, one sin and cos a sample.
template <typename Env, typename Bright, typename Bend>
Mono harmonicTone(double hz, double total, int harmonics, Env env, Bright bright, Bend bend) {
    Mono s(framesFor(total), 0.0f);
    const int top = std::max(1, std::min(harmonics, int(kRate * 0.4 / hz)));
    double phase = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        phase += kTwoPi * hz * bend(t) / kRate;
        const double b = bright(t);
        const double s1 = std::sin(phase), twoCos = 2.0 * std::cos(phase);
        double prev = 0.0, cur = s1, v = 0.0, w = 1.0;
        for (int h = 1; h <= top; ++h, w *= b) {
            v += w * cur / h;
            const double next = twoCos * cur - prev;
            prev = cur;
            cur = next;
        }
        s[i] = static_cast<float>(env(t) * v);
    }
    return s;
}

double sustainEnv(double t, double seconds, double attack, double release, double sustainLevel, double fall) {
    double e = std::min(1.0, t / attack);
    e *= sustainLevel + (1.0 - sustainLevel) * std::exp(-t / fall);
    if (t > seconds)
        e *= std::exp(-(t - seconds) / release);
    return e;
}

Mono bass(double hz, double seconds, double v, Rng &rng) {
    const double total = seconds + 0.2;
    Mono s = harmonicTone(
        hz, total, 4, [&](double t) { return v * sustainEnv(t, seconds, 0.004, 0.03, 0.45, 0.35); },
        [](double t) { return 0.25 + 0.3 * std::exp(-t / 0.06); }, [](double) { return 1.0; });
    addNoiseBurst(s, 0, rng, 0.015, v * 0.15, hz * 6, 1.0, 0.003);
    return s;
}

Mono tuba(double hz, double seconds, double v, Rng &) {
    return harmonicTone(
        hz, seconds + 0.3, 5, [&](double t) { return v * sustainEnv(t, seconds, 0.03, 0.06, 0.7, 0.2); },
        [](double t) { return 0.35 + 0.2 * std::exp(-t / 0.1); }, [](double) { return 1.0; });
}

Mono flute(double hz, double seconds, double v, Rng &rng) {
    Mono s = harmonicTone(
        hz, seconds + 0.3, 3, [&](double t) { return v * sustainEnv(t, seconds, 0.04, 0.07, 0.8, 0.3); },
        [](double) { return 0.28; },
        [](double t) { return 1.0 + 0.005 * std::sin(kTwoPi * 5.2 * t) * std::min(1.0, std::max(0.0, t - 0.12) / 0.2); });
    // Breath: a whisper of noise around the tone, strongest at the attack.
    Biquad breath;
    breath.bandpass(std::min(hz * 2.0, 8000.0), 2.0);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double e = v * (0.05 + 0.25 * std::exp(-t / 0.03)) * (t > seconds ? std::exp(-(t - seconds) / 0.05) : 1.0);
        s[i] += static_cast<float>(e * breath.run(rng.noise()));
    }
    return s;
}

// A bright horn. scoop: how far below the note it starts, sliding up into it.
Mono horn(double hz, double seconds, double v, double scoop, double vibrato) {
    return harmonicTone(
        hz, seconds + 0.25, 8, [&](double t) { return v * sustainEnv(t, seconds, 0.025, 0.05, 0.75, 0.12); },
        [](double t) { return 0.5 + 0.35 * std::exp(-t / 0.12); },
        [&](double t) {
            return (1.0 - scoop * std::exp(-t / 0.04)) *
                   (1.0 + vibrato * std::sin(kTwoPi * 5.0 * t) * std::min(1.0, t / 0.3));
        });
}

Mono brass(double hz, double seconds, double v, Rng &) { return horn(hz, seconds, v, 0.012, 0.005); }
// The sulking trombone: a comic slide into every note and a slow, wide wobble.
Mono trombone(double hz, double seconds, double v, Rng &) { return horn(hz, seconds, v, 0.05, 0.012); }

Mono pad(double hz, double seconds, double v, Rng &) {
    Mono s(framesFor(seconds + 0.5), 0.0f);
    double p1 = 0, p2 = 0.7, p3 = 1.9;
    OnePole soft;
    soft.setCutoff(1800.0);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        p1 += kTwoPi * hz * 0.997 / kRate;
        p2 += kTwoPi * hz * 1.003 / kRate;
        p3 += kTwoPi * hz * 2.001 / kRate;
        const double x = std::sin(p1) + std::sin(p2) + 0.3 * std::sin(p3) + 0.15 * std::sin(3 * p1);
        const double e = v * sustainEnv(t, seconds, 0.25, 0.15, 1.0, 1.0);
        s[i] = static_cast<float>(soft.lowpass(x * e * 0.5));
    }
    return s;
}

// A plucked string: a burst of noise circulating in a delay line that softens each pass.
// An all-pass stage supplies the fraction of a sample the line cannot, to keep it in tune.
Mono pluck(double hz, double seconds, double v, Rng &rng) {
    Mono s(framesFor(std::min(seconds + 0.1, kMaxRingSeconds) + 0.3), 0.0f);
    const double loopDelay = kRate / hz - 0.5;  // the averaging filter adds half a sample
    size_t period = size_t(loopDelay);
    double fraction = loopDelay - double(period);
    if (fraction < 0.1 && period > 2) {
        --period;
        fraction += 1.0;
    }
    const double tuning = (1.0 - fraction) / (1.0 + fraction);
    std::vector<double> line(std::max<size_t>(2, period));
    OnePole tone;
    tone.setCutoff(std::min(6000.0, hz * 8));
    for (double &x : line)
        x = tone.lowpass(rng.noise());
    const double loss = std::pow(0.5, 1.0 / (hz * 0.9));  // loses half its level in ~0.9 s
    size_t pos = 0;
    double last = 0.0, apIn = 0.0, apOut = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double x = line[pos];
        const double averaged = 0.5 * (x + last) * loss;
        last = x;
        apOut = tuning * averaged + apIn - tuning * apOut;
        apIn = averaged;
        line[pos] = apOut;
        if (++pos == line.size())
            pos = 0;
        s[i] = static_cast<float>(v * x);
    }
    dampAfter(s, seconds + 0.1, 0.05);
    return s;
}

// Evens out the instruments so a note of each sits at about the same loudness.
double levelOf(Instrument instrument) {
    switch (instrument) {
    case Instrument::Marimba: return 1.2;
    case Instrument::SteelDrum: return 0.85;
    case Instrument::Kalimba: return 0.9;
    case Instrument::Bass: return 1.0;
    case Instrument::Tuba: return 0.95;
    case Instrument::Flute: return 0.75;
    case Instrument::Pluck: return 3.5;
    case Instrument::Brass:
    case Instrument::Trombone: return 0.8;
    case Instrument::Pad: return 0.9;
    }
    return 1.0;
}

} // namespace

Mono renderNote(Instrument instrument, double hz, double seconds, double velocity, Rng &rng) {
    Mono s;
    switch (instrument) {
    case Instrument::Marimba: s = marimba(hz, seconds, velocity, rng); break;
    case Instrument::SteelDrum: s = steelDrum(hz, seconds, velocity, rng); break;
    case Instrument::Kalimba: s = kalimba(hz, seconds, velocity, rng); break;
    case Instrument::Bass: s = bass(hz, seconds, velocity, rng); break;
    case Instrument::Tuba: s = tuba(hz, seconds, velocity, rng); break;
    case Instrument::Flute: s = flute(hz, seconds, velocity, rng); break;
    case Instrument::Pluck: s = pluck(hz, seconds, velocity, rng); break;
    case Instrument::Brass: s = brass(hz, seconds, velocity, rng); break;
    case Instrument::Trombone: s = trombone(hz, seconds, velocity, rng); break;
    case Instrument::Pad: s = pad(hz, seconds, velocity, rng); break;
    }
    const float level = static_cast<float>(levelOf(instrument));
    for (float &x : s)
        x *= level;
    fadeEdges(s, 0.0, 0.01);
    return s;
}

} // namespace forge::sound
