// Wooden sounds: the bat's knock in four weights, the ball on the side walls, a crate
// that holds and a crate that breaks apart into splinters.
#include "tools/forge/sound/Effects.h"

#include <cmath>

namespace forge::sound {

namespace {

// Mode ratios of a short hollow wooden bar, loudest first.
constexpr double kWoodModes[] = {1.0, 2.61, 4.23, 6.07};
constexpr double kWoodModeAmps[] = {1.0, 0.45, 0.22, 0.10};

struct KnockShape {
    double baseHz;    // lowest mode
    double decay;     // seconds of the lowest mode
    double click;     // level of the strike noise
    double clickHz;   // its centre
    double thump;     // level of the body thump under the knock
    double seconds;
};

KnockShape shapeOf(BatWeight w) {
    switch (w) {
    case BatWeight::Low: return {230.0, 0.075, 0.55, 1800.0, 0.55, 0.40};
    case BatWeight::Medium: return {380.0, 0.060, 0.60, 2600.0, 0.35, 0.35};
    case BatWeight::Heavy: return {120.0, 0.140, 0.80, 1200.0, 1.00, 0.60};
    case BatWeight::Normal: break;
    }
    return {560.0, 0.050, 0.65, 3400.0, 0.25, 0.30};
}

// A sine whose pitch falls from hz * drop toward hz: the punch under a knock.
void addThump(Mono &out, size_t start, double hz, double drop, double amp, double decay) {
    double phase = 0.0;
    for (size_t i = start; i < out.size(); ++i) {
        const double t = double(i - start) / kRate;
        const double env = attackDecay(t, 0.001, decay);
        if (env < 1e-5 && t > 0.01)
            break;
        const double f = hz * (1.0 + (drop - 1.0) * std::exp(-t / 0.012));
        phase += kTwoPi * f / kRate;
        out[i] += static_cast<float>(amp * env * std::sin(phase));
    }
}

void addWoodModes(Mono &out, size_t start, double baseHz, double amp, double decay, Rng &rng) {
    for (int m = 0; m < 4; ++m) {
        const double ratio = kWoodModes[m] * rng.range(0.985, 1.015);
        // Higher modes of wood die away much faster than the lowest.
        addPartial(out, start, baseHz * ratio, amp * kWoodModeAmps[m], decay / (1.0 + m * 0.9),
                   rng.range(0.0, kTwoPi));
    }
}

} // namespace

Mono renderBatKnock(BatWeight weight, int variant) {
    const KnockShape k = shapeOf(weight);
    Rng rng(0xBA7000u + unsigned(weight) * 16u + unsigned(variant));
    Mono s(framesFor(k.seconds), 0.0f);
    const double tune = 1.0 + 0.06 * (variant - 1);  // the three variants differ in pitch
    addWoodModes(s, 0, k.baseHz * tune, 1.0, k.decay, rng);
    addThump(s, 0, k.baseHz * 0.5 * tune, 2.2, k.thump, k.decay * 1.3);
    addNoiseBurst(s, 0, rng, 0.03, k.click * 3.0, k.clickHz * tune, 1.2, 0.004);
    if (weight == BatWeight::Heavy) {
        // The evil ball lands with a dark rumble and a second, later knock.
        addNoiseBurst(s, 0, rng, 0.30, 1.2, 220.0, 0.8, 0.06);
        addWoodModes(s, framesFor(0.018), k.baseHz * 1.7 * tune, 0.5, 0.05, rng);
    }
    return s;
}

Mono renderWallBounce(int variant) {
    Rng rng(0x3A11u + unsigned(variant));
    Mono s(framesFor(0.25), 0.0f);
    const double hz = variant == 0 ? 150.0 : 175.0;
    addThump(s, 0, hz, 2.5, 1.0, 0.045);
    addWoodModes(s, 0, hz * 2.9, 0.35, 0.03, rng);
    addNoiseBurst(s, 0, rng, 0.02, 1.4, 1500.0 + 300.0 * variant, 1.0, 0.003);
    return s;
}

Mono renderCrateKnock(int variant) {
    Rng rng(0xC0A7Eu + unsigned(variant));
    Mono s(framesFor(0.45), 0.0f);
    const double base = 170.0 * (1.0 + 0.07 * variant);
    addThump(s, 0, base * 0.6, 1.8, 0.9, 0.07);
    addWoodModes(s, 0, base, 0.8, 0.09, rng);
    // The hollow box rings a little at its air resonance.
    addPartial(s, 0, base * 1.48, 0.25, 0.12, 0.0);
    addNoiseBurst(s, 0, rng, 0.05, 1.8, 900.0 + 150.0 * variant, 1.5, 0.008);
    return s;
}

Mono renderCrateCrunch(int variant) {
    Rng rng(0xC2C4u + unsigned(variant) * 977u);
    Mono s(framesFor(0.75), 0.0f);
    // The first blow: a deep thunk of the box giving way.
    addThump(s, 0, 110.0 + 15.0 * variant, 2.0, 1.0, 0.08);
    addWoodModes(s, 0, 240.0 + 30.0 * variant, 0.6, 0.06, rng);
    // Planks cracking: a quick run of bright snaps.
    const int cracks = 7 + variant * 2;
    for (int c = 0; c < cracks; ++c) {
        const double at = c == 0 ? 0.0 : rng.range(0.0, 0.16) * (1.0 + c * 0.15);
        addNoiseBurst(s, framesFor(at), rng, 0.05, rng.range(1.2, 2.6), rng.range(700.0, 3200.0),
                      rng.range(0.8, 2.0), rng.range(0.004, 0.02));
    }
    // Splinters and nails falling after it, thinning out.
    for (int d = 0; d < 18; ++d) {
        const double at = 0.12 + 0.5 * std::pow(rng.uniform(), 1.6);
        const double level = 0.6 * std::exp(-(at - 0.12) / 0.2);
        addNoiseBurst(s, framesFor(at), rng, 0.02, level, rng.range(2500.0, 6000.0), 3.0, 0.003);
        addPartial(s, framesFor(at), rng.range(900.0, 1900.0), level * 0.15, 0.012,
                   rng.range(0.0, kTwoPi));
    }
    return s;
}

} // namespace forge::sound
