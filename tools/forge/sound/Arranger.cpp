// The band behind the tune: each groove turns a section's chords into a bass line,
// chord comping and a percussion pattern; the written lines are laid along the form.
#include "tools/forge/sound/TuneSource.h"

#include <algorithm>
#include <cmath>

namespace forge::sound {

namespace {

constexpr int kBassLow = 36;   // C2: the bass root sits in the octave above
constexpr int kBassHigh = 50;  // a fifth above this folds down
constexpr int kCompLow = 57;   // A3..G#4 holds the comping chords
constexpr int kPadLow = 52;

enum BassStep { Root, Fifth, Octave, Third };

struct BassHit {
    double beat, length;
    BassStep step;
    double velocity;
};
struct CompHit {
    double beat, length, velocity;  // length 0: the whole chord span
};
struct DrumHit {
    double beat;
    Drum drum;
    double velocity;
    int everyOtherBar;  // 0 every bar, 1 even bars only, 2 odd bars only
};

struct Pattern {
    std::vector<BassHit> bass;
    std::vector<CompHit> comp;
    std::vector<DrumHit> drums;
};

const Pattern &patternOf(Groove groove) {
    static const Pattern kCalypso{
        {{0, 1.0, Root, 1.0}, {1.5, 0.5, Root, 0.7}, {2, 1.0, Fifth, 0.9}, {3, 0.5, Root, 0.7},
         {3.5, 0.5, Third, 0.75}},
        {{0.5, 0.35, 0.75}, {1.5, 0.35, 0.6}, {2.5, 0.35, 0.75}, {3.5, 0.35, 0.6}},
        {{0, Drum::Kick, 0.9, 0}, {1.5, Drum::Kick, 0.45, 0}, {2, Drum::Kick, 0.8, 0},
         {1, Drum::CongaLow, 0.6, 0}, {1.5, Drum::CongaHigh, 0.5, 0}, {3, Drum::CongaLow, 0.55, 0},
         {3.5, Drum::CongaHigh, 0.6, 0}, {2.75, Drum::CongaHigh, 0.35, 0},
         {0, Drum::Clave, 0.5, 1}, {1.5, Drum::Clave, 0.5, 1}, {3, Drum::Clave, 0.5, 1},
         {1, Drum::Clave, 0.5, 2}, {2, Drum::Clave, 0.5, 2},
         {0, Drum::Shaker, 0.25, 0}, {0.5, Drum::Shaker, 0.45, 0}, {1, Drum::Shaker, 0.25, 0},
         {1.5, Drum::Shaker, 0.45, 0}, {2, Drum::Shaker, 0.25, 0}, {2.5, Drum::Shaker, 0.45, 0},
         {3, Drum::Shaker, 0.25, 0}, {3.5, Drum::Shaker, 0.45, 0}}};
    static const Pattern kReggae{
        {{0, 1.25, Root, 1.0}, {1.5, 0.5, Root, 0.7}, {2, 1.0, Fifth, 0.85}, {3, 0.5, Octave, 0.7},
         {3.5, 0.5, Third, 0.7}},
        {{1, 0.3, 0.8}, {3, 0.3, 0.8}, {3.5, 0.2, 0.35}},
        {{2, Drum::Kick, 0.9, 0}, {2, Drum::Rim, 0.7, 0}, {3.5, Drum::CongaHigh, 0.45, 0},
         {0, Drum::HiHat, 0.3, 0}, {0.5, Drum::HiHat, 0.5, 0}, {1, Drum::HiHat, 0.3, 0},
         {1.5, Drum::HiHat, 0.5, 0}, {2, Drum::HiHat, 0.3, 0}, {2.5, Drum::HiHat, 0.5, 0},
         {3, Drum::HiHat, 0.3, 0}, {3.5, Drum::HiHat, 0.5, 0}}};
    static const Pattern kBounce{
        {{0, 0.75, Root, 1.0}, {1, 0.5, Fifth, 0.8}, {2, 0.75, Root, 0.95}, {3, 0.5, Fifth, 0.8},
         {3.5, 0.5, Octave, 0.7}},
        {{1, 0.4, 0.8}, {2.5, 0.3, 0.5}, {3, 0.4, 0.8}},
        {{0, Drum::Kick, 0.9, 0}, {2, Drum::Kick, 0.8, 0}, {2.5, Drum::Kick, 0.4, 0},
         {1, Drum::Snare, 0.6, 0}, {3, Drum::Snare, 0.6, 0}, {3.5, Drum::WoodBlock, 0.45, 0},
         {0, Drum::Shaker, 0.3, 0}, {0.5, Drum::Shaker, 0.5, 0}, {1, Drum::Shaker, 0.3, 0},
         {1.5, Drum::Shaker, 0.5, 0}, {2, Drum::Shaker, 0.3, 0}, {2.5, Drum::Shaker, 0.5, 0},
         {3, Drum::Shaker, 0.3, 0}, {3.5, Drum::Shaker, 0.5, 0}}};
    static const Pattern kMarch{
        {{0, 0.8, Root, 1.0}, {1, 0.8, Fifth, 0.8}, {2, 0.8, Root, 0.95}, {3, 0.8, Fifth, 0.8}},
        {{0.5, 0.3, 0.65}, {1.5, 0.3, 0.55}, {2.5, 0.3, 0.65}, {3.5, 0.3, 0.55}},
        {{0, Drum::Kick, 0.9, 0}, {2, Drum::Kick, 0.8, 0}, {1, Drum::Snare, 0.6, 0},
         {3, Drum::Snare, 0.6, 0}, {3.5, Drum::Snare, 0.35, 2}, {3.75, Drum::Snare, 0.45, 2},
         {0.5, Drum::Shaker, 0.3, 0}, {1.5, Drum::Shaker, 0.3, 0}, {2.5, Drum::Shaker, 0.3, 0},
         {3.5, Drum::Shaker, 0.3, 0}}};
    static const Pattern kWaltz{
        {{0, 1.0, Root, 1.0}},
        {{1, 0.5, 0.65}, {2, 0.5, 0.6}},
        {{0, Drum::Kick, 0.8, 0}, {0, Drum::Shaker, 0.3, 0}, {1, Drum::Shaker, 0.45, 0},
         {2, Drum::Shaker, 0.45, 0}, {2.5, Drum::CongaHigh, 0.4, 0}, {1.5, Drum::Shaker, 0.25, 0}}};
    static const Pattern kLament{
        {{0, 1.6, Root, 1.0}, {2, 1.6, Fifth, 0.85}},
        {{0, 0, 0.5}},
        {{0, Drum::Kick, 0.5, 0}, {1, Drum::Shaker, 0.25, 0}, {3, Drum::Shaker, 0.25, 0},
         {2, Drum::Rim, 0.3, 0}}};
    static const Pattern kNone{};
    switch (groove) {
    case Groove::Calypso: return kCalypso;
    case Groove::Reggae: return kReggae;
    case Groove::Bounce: return kBounce;
    case Groove::March: return kMarch;
    case Groove::Waltz: return kWaltz;
    case Groove::Lament: return kLament;
    case Groove::None: break;
    }
    return kNone;
}

const ChordSpan *chordAt(const Section &section, double beat) {
    for (const ChordSpan &c : section.chords)
        if (beat >= c.beat - 1e-9 && beat < c.beat + c.length - 1e-9)
            return &c;
    return nullptr;
}

int bassPitch(const ChordSpan &chord, BassStep step, int transpose) {
    const int root = kBassLow + ((chord.root + transpose) % 12 + 12) % 12;
    switch (step) {
    case Root: return root;
    case Octave: return root + 12;
    case Third: return root + chord.intervals.at(1);
    case Fifth: break;
    }
    const int fifth = root + chord.intervals.at(2);
    return fifth > kBassHigh ? fifth - 12 : fifth;
}

std::vector<int> voicing(const ChordSpan &chord, int transpose, int low) {
    std::vector<int> notes;
    for (int iv : chord.intervals) {
        const int pc = ((chord.root + transpose + iv) % 12 + 12) % 12;
        notes.push_back(low + (pc - low % 12 + 12) % 12);
    }
    std::sort(notes.begin(), notes.end());
    notes.erase(std::unique(notes.begin(), notes.end()), notes.end());
    return notes;
}

struct Band {
    Voice lead, counter, comp, bass;
    std::vector<Hit> hits;
};

// Players lean on the beat: notes on a beat sound fuller than the ones between.
constexpr double kOffBeatVelocity = 0.8;
constexpr double kBeatVelocity = 0.92;

double accentOf(double beatInSection, int meter) {
    if (std::fmod(beatInSection, double(meter)) == 0.0)
        return 1.0;
    return std::fmod(beatInSection, 1.0) == 0.0 ? kBeatVelocity : kOffBeatVelocity;
}

void layLine(const std::vector<Note> &line, double offset, int transpose, int meter, Voice &voice) {
    for (Note n : line) {
        n.velocity *= accentOf(n.beat, meter);
        n.beat += offset;
        n.pitch += transpose;
        voice.notes.push_back(n);
    }
}

constexpr int kDoublingInterval = -12;
constexpr double kDoublingVelocity = 0.7;

std::vector<Note> doubledBelow(const std::vector<Note> &line) {
    std::vector<Note> doubled = line;
    for (Note &n : doubled) {
        n.pitch += kDoublingInterval;
        n.velocity *= kDoublingVelocity;
    }
    return doubled;
}

// The drummer's fill in the last bar of a section, leading into the next one.
const std::vector<DrumHit> &fillOf(Groove groove) {
    static const std::vector<DrumHit> kCongaFill = {
        {2, Drum::CongaHigh, 0.6, 0},  {2.5, Drum::CongaHigh, 0.5, 0}, {3, Drum::CongaLow, 0.65, 0},
        {3.25, Drum::CongaHigh, 0.5, 0}, {3.5, Drum::CongaLow, 0.6, 0}, {3.75, Drum::CongaLow, 0.7, 0}};
    static const std::vector<DrumHit> kSnareFill = {
        {3, Drum::Snare, 0.5, 0}, {3.25, Drum::Snare, 0.4, 0}, {3.5, Drum::Snare, 0.55, 0}, {3.75, Drum::Snare, 0.7, 0}};
    static const std::vector<DrumHit> kWaltzFill = {
        {1.5, Drum::CongaHigh, 0.45, 0}, {2, Drum::CongaLow, 0.55, 0}, {2.5, Drum::CongaLow, 0.6, 0}};
    static const std::vector<DrumHit> kNoFill;
    switch (groove) {
    case Groove::Calypso:
    case Groove::Reggae: return kCongaFill;
    case Groove::Bounce:
    case Groove::March: return kSnareFill;
    case Groove::Waltz: return kWaltzFill;
    case Groove::Lament:
    case Groove::None: break;
    }
    return kNoFill;
}

void playGroove(const Section &section, double offset, const TuneSource &source, Band &band) {
    const Pattern &p = patternOf(section.groove);
    const int meter = source.meter;
    for (int bar = 0; bar < section.bars; ++bar) {
        const double barStart = bar * meter;
        if (!section.writtenBass)
            for (const BassHit &h : p.bass) {
                const ChordSpan *c = chordAt(section, barStart + h.beat);
                // In a waltz the bass alternates root and fifth from bar to bar.
                const BassStep step = (section.groove == Groove::Waltz && bar % 2) ? Fifth : h.step;
                if (c && h.beat < meter)
                    band.bass.notes.push_back({offset + barStart + h.beat, h.length,
                                               bassPitch(*c, step, source.transpose), h.velocity});
            }
        for (const CompHit &h : p.comp) {
            const ChordSpan *c = chordAt(section, barStart + h.beat);
            if (!c || h.beat >= meter)
                continue;
            if (h.length == 0 && c->beat < barStart - 1e-9)
                continue;  // a held chord sounds once, from its own start
            const bool pad = h.length == 0;
            const double start = pad ? c->beat : barStart + h.beat;
            for (int pitch : voicing(*c, source.transpose, pad ? kPadLow : kCompLow))
                band.comp.notes.push_back({offset + start, pad ? c->length : h.length, pitch, h.velocity});
        }
        for (const DrumHit &h : p.drums) {
            if ((h.everyOtherBar == 1 && bar % 2) || (h.everyOtherBar == 2 && bar % 2 == 0) || h.beat >= meter)
                continue;
            band.hits.push_back({offset + barStart + h.beat, h.drum, h.velocity});
        }
        if (bar == section.bars - 1)
            for (const DrumHit &h : fillOf(section.groove))
                if (h.beat < meter)
                    band.hits.push_back({offset + barStart + h.beat, h.drum, h.velocity});
    }
}

// How each part sits in the mix: its place between the speakers and its level.
struct Seat {
    double pan, gain;
};
constexpr Seat kLeadSeat{0.15, 1.0};
constexpr Seat kCounterSeat{-0.4, 0.55};
constexpr Seat kCompSeat{0.45, 0.32};
constexpr Seat kBassSeat{-0.05, 0.70};

Voice emptyVoice(Instrument instrument, Seat seat) { return {instrument, seat.pan, seat.gain, {}}; }

} // namespace

void arrangeTune(const TuneSource &source, Tune &tune) {
    tune.file = source.file;
    tune.title = source.title;
    tune.tempo = source.tempo;
    tune.meter = source.meter;
    Band band{emptyVoice(source.lead, kLeadSeat), emptyVoice(source.counter, kCounterSeat),
              emptyVoice(source.comp, kCompSeat), emptyVoice(source.bass, kBassSeat), {}};
    double offset = 0;
    std::map<std::string, int> heard;
    for (const std::string &name : source.form) {
        const Section &section = source.sections.at(name);
        layLine(section.lead, offset, source.transpose, source.meter, band.lead);
        layLine(section.counter, offset, source.transpose, source.meter, band.counter);
        // A section heard before comes back with the second voice doubling the tune below.
        if (heard[name]++ > 0 && section.counter.empty())
            layLine(doubledBelow(section.lead), offset, source.transpose, source.meter, band.counter);
        layLine(section.bass, offset, source.transpose, source.meter, band.bass);
        playGroove(section, offset, source, band);
        offset += section.bars * source.meter;
    }
    tune.beats = offset;
    tune.voices = {band.bass, band.comp, band.counter, band.lead};
    tune.hits = std::move(band.hits);
}

} // namespace forge::sound
