// Renders a tune to a seamless stereo loop: every note and hit is mixed in at its place,
// wrapping round the end; a small room reverb primed by one lap; level set by loudness.
#include "tools/forge/sound/Music.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace forge::sound {

namespace {

constexpr double kTargetRms = 0.14;
constexpr double kLimitKnee = 0.60;   // above this the limiter bends the peaks down
constexpr double kLimitCeiling = 0.90;
constexpr double kReverbWet = 0.16;
constexpr double kDrumLevel = 1.3;
constexpr uint32_t kDrumTakes = 4;

struct DrumSeat {
    double pan, gain;
};
DrumSeat seatOf(Drum d) {
    switch (d) {
    case Drum::Kick: return {0.0, 0.9};
    case Drum::CongaLow: return {-0.35, 0.55};
    case Drum::CongaHigh: return {-0.25, 0.5};
    case Drum::Shaker: return {0.5, 0.35};
    case Drum::HiHat: return {0.35, 0.3};
    case Drum::Clave: return {0.3, 0.35};
    case Drum::Rim: return {-0.1, 0.45};
    case Drum::WoodBlock: return {-0.45, 0.4};
    case Drum::Snare: return {0.1, 0.5};
    }
    return {0.0, 0.5};
}

// Adds a mono sound at frame start, wrapping past the loop's end onto its start.
void mixWrapped(Stereo &out, const Mono &sound, size_t start, double pan, double gain) {
    const size_t n = out.frames();
    const double angle = (pan + 1.0) * kPi / 4.0;  // equal-power panning
    const float gl = static_cast<float>(gain * std::cos(angle));
    const float gr = static_cast<float>(gain * std::sin(angle));
    size_t at = start % n;
    for (float x : sound) {
        out.left[at] += gl * x;
        out.right[at] += gr * x;
        if (++at == n)
            at = 0;
    }
}

size_t frameOfBeat(const Tune &tune, double beat) {
    return static_cast<size_t>(std::lround(beat * secondsPerBeat(tune) * kRate));
}

// A small room: four combs and two all-passes per side, slightly different each side.
class Room {
public:
    explicit Room(int spread) {
        static const int kCombs[] = {1116, 1188, 1277, 1356};
        static const int kPasses[] = {556, 441};
        for (int i = 0; i < 4; ++i)
            combs_[i].assign(size_t(kCombs[i] + spread), 0.0);
        for (int i = 0; i < 2; ++i)
            passes_[i].assign(size_t(kPasses[i] + spread / 2), 0.0);
    }
    double run(double x) {
        double sum = 0.0;
        for (int i = 0; i < 4; ++i) {
            std::vector<double> &c = combs_[i];
            const double y = c[combPos_[i]];
            damp_[i] = y * 0.7 + damp_[i] * 0.3;
            c[combPos_[i]] = x + damp_[i] * 0.78;
            if (++combPos_[i] == c.size())
                combPos_[i] = 0;
            sum += y;
        }
        for (int i = 0; i < 2; ++i) {
            std::vector<double> &a = passes_[i];
            const double b = a[passPos_[i]];
            a[passPos_[i]] = sum + b * 0.5;
            if (++passPos_[i] == a.size())
                passPos_[i] = 0;
            sum = b - sum;
        }
        return sum * 0.25;
    }

private:
    std::vector<double> combs_[4], passes_[2];
    size_t combPos_[4] = {}, passPos_[2] = {};
    double damp_[4] = {};
};

// Runs the room over the loop twice and keeps the second lap, so the reverb at the
// start already holds the tail of the end.
void addRoom(Stereo &mix) {
    Room left(0), right(23);
    const size_t n = mix.frames();
    Stereo wet(n);
    for (int lap = 0; lap < 2; ++lap)
        for (size_t i = 0; i < n; ++i) {
            const double mono = 0.5 * (mix.left[i] + mix.right[i]);
            wet.left[i] = static_cast<float>(left.run(mono));
            wet.right[i] = static_cast<float>(right.run(mono));
        }
    for (size_t i = 0; i < n; ++i) {
        mix.left[i] += static_cast<float>(kReverbWet * wet.left[i]);
        mix.right[i] += static_cast<float>(kReverbWet * wet.right[i]);
    }
}

float limit(double x) {
    const double a = std::fabs(x);
    if (a <= kLimitKnee)
        return static_cast<float>(x);
    const double room = kLimitCeiling - kLimitKnee;
    const double bent = kLimitKnee + room * std::tanh((a - kLimitKnee) / room);
    return static_cast<float>(x < 0 ? -bent : bent);
}

void setLevel(Stereo &mix) {
    double sum = 0.0;
    for (size_t i = 0; i < mix.frames(); ++i)
        sum += mix.left[i] * mix.left[i] + mix.right[i] * mix.right[i];
    const double rms = std::sqrt(sum / (2.0 * std::max<size_t>(1, mix.frames())));
    const double gain = rms > 0 ? kTargetRms / rms : 1.0;
    for (size_t i = 0; i < mix.frames(); ++i) {
        mix.left[i] = limit(mix.left[i] * gain);
        mix.right[i] = limit(mix.right[i] * gain);
    }
}

uint32_t seedOf(const std::string &name) {
    uint32_t h = 2166136261u;
    for (char c : name)
        h = (h ^ uint8_t(c)) * 16777619u;
    return h;
}

} // namespace

double secondsPerBeat(const Tune &tune) { return 60.0 / tune.tempo; }

size_t loopFrames(const Tune &tune) { return frameOfBeat(tune, tune.beats); }

Stereo renderTune(const Tune &tune) {
    Stereo mix(loopFrames(tune));
    if (mix.frames() == 0)
        return mix;
    Rng rng(seedOf(tune.file));
    const double spb = secondsPerBeat(tune);
    // A tune plays the same note many times over: each is synthesised once.
    std::map<std::tuple<int, int, double, double>, Mono> notes;
    for (const Voice &voice : tune.voices)
        for (const Note &note : voice.notes) {
            const auto key = std::make_tuple(int(voice.instrument), note.pitch, note.length, note.velocity);
            auto it = notes.find(key);
            if (it == notes.end())
                it = notes.emplace(key, renderNote(voice.instrument, noteFrequency(note.pitch),
                                                   note.length * spb, note.velocity, rng)).first;
            mixWrapped(mix, it->second, frameOfBeat(tune, note.beat), voice.pan, voice.gain);
        }
    // A few takes of every drum, so repeated hits do not sound stamped out.
    std::map<std::pair<int, int>, Mono> takes;
    for (const Hit &hit : tune.hits) {
        const int take = int(rng.next() % kDrumTakes);
        const auto key = std::make_pair(int(hit.drum), take);
        auto it = takes.find(key);
        if (it == takes.end())
            it = takes.emplace(key, renderDrum(hit.drum, 1.0, rng)).first;
        const DrumSeat seat = seatOf(hit.drum);
        // A touch of looseness in the hands keeps the groove from sounding mechanical.
        const double velocity = hit.velocity * rng.range(0.85, 1.0);
        mixWrapped(mix, it->second, frameOfBeat(tune, hit.beat), seat.pan, seat.gain * kDrumLevel * velocity);
    }
    addRoom(mix);
    setLevel(mix);
    return mix;
}

} // namespace forge::sound
